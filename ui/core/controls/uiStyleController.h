#pragma once
// TuiStyleController: four container styles (normal, focused, disabled, hot) that many containers share. A style
// attached to the controller asks its same-state style for every value it does not assign itself and follows its
// look and feel; it hears when the controller's styles change and when the controller goes. One controller is the
// global default, to which every main style without a controller of its own is attached.

#include "rtl/core/Component.h"
#include "rtl/core/Events.h"
#include "ui/core/controls/uiContainerStyle.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

// A font height stored at storedPixelsPerInch, for a screen of screenPixelsPerInch; unchanged when nothing was stored
// or both are the same.
int32_t ScaleFontHeightToScreen(int32_t height, int32_t storedPixelsPerInch, int32_t screenPixelsPerInch);

class TuiStyleController : public rtl::TComponent {
    RTL_DECLARE_CLASS(TuiStyleController, rtl::TComponent)
public:
    explicit TuiStyleController(rtl::TComponent* owner);
    // factory makes the styles (the editors' controllers make edit styles).
    TuiStyleController(rtl::TComponent* owner, const TuiContainerStyleFactory& factory);
    // Every attached style, last first, hears that the controller goes.
    ~TuiStyleController() override;

    TuiContainerStyle& Styles(TuiContainerStyleState state) const { return FStyles->Styles(state); }
    TuiContainerStyle& Style() const { return FStyles->Style(); }
    TuiContainerStyle& StyleFocused() const { return FStyles->StyleFocused(); }
    TuiContainerStyle& StyleDisabled() const { return FStyles->StyleDisabled(); }
    TuiContainerStyle& StyleHot() const { return FStyles->StyleHot(); }
    bool IsDestroying() const { return FDestroying; }
    // The controller behind this one: the controller of its own normal style (read only; the chain is set on the
    // style).
    TuiStyleController* FakeStyleController() const { return Style().StyleController(); }

    // Each style once; its look and feel follows the controller's.
    void AddStyleListener(TuiContainerStyle* style);
    void RemoveStyleListener(TuiContainerStyle* style);
    bool HasStyleListener(const TuiContainerStyle* style) const;
    // Tells OnStyleChanged and every attached style.
    void NotifyStylesChanged();
    void Loaded() override;

    // The screen resolution the styles' font heights were stored at (0: none). Setting another scales the heights of
    // the assigned fonts to the screen; a value of 0 or below is ignored, as it would divide the heights.
    int32_t PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int32_t value);

    const rtl::TNotifyEvent& OnStyleChanged() const { return FOnStyleChanged; }
    void SetOnStyleChanged(rtl::TNotifyEvent handler) { FOnStyleChanged = std::move(handler); }

private:
    std::unique_ptr<TuiContainerStyles> FStyles;
    std::vector<TuiContainerStyle*> FListeners; // not owned: the main styles attached
    bool FDestroying = false;
    int32_t FPixelsPerInch = 0;
    rtl::TNotifyEvent FOnStyleChanged;
};

// The global default controller (nullptr when none is set); the editor framework's start-up makes one and its
// shut-down clears this before freeing it.
TuiStyleController* GlobalStyleController();
void SetGlobalStyleController(TuiStyleController* controller);

} // namespace ui
