#pragma once
// The container panel style: a child control of the bar that fills the panel, in which the user places other
// controls. The control looks like the bar behind it, and with AlignControl its children fill it.

#include "ui/core/controls/control/uiControl.h"
#include "ui/pagecontrol/statusbar/uxStatusBarPanels.h"

namespace ui {

class TuxStatusBarContainerPanelStyle;

class TuxStatusBarContainerControl : public TuiControl {
    RTL_DECLARE_CLASS(TuxStatusBarContainerControl, TuiControl)
public:
    explicit TuxStatusBarContainerControl(rtl::TComponent* owner);
    // Takes the panel's style away (the panel loses its style).
    ~TuxStatusBarContainerControl() override;

    TuxStatusBarContainerPanelStyle* Style() const { return FStyle; }

protected:
    void Paint() override;
    bool NeedsScrollBars() const override { return false; }
    bool MayFocus() const override { return false; }

private:
    friend class TuxStatusBarContainerPanelStyle;
    TuxStatusBarContainerPanelStyle* FStyle = nullptr; // not owned: linked both ways
};

class TuxStatusBarContainerPanelStyle : public TuxStatusBarPanelStyle {
    RTL_DECLARE_CLASS(TuxStatusBarContainerPanelStyle, TuxStatusBarPanelStyle)
public:
    // Outside loading and updating a new container is made, owned by the bar's owner, with the bar as its parent.
    explicit TuxStatusBarContainerPanelStyle(TuxStatusBarPanel* owner);
    ~TuxStatusBarContainerPanelStyle() override;

    bool AlignControl() const { return FAlignControl; }
    void SetAlignControl(bool value);
    TuxStatusBarContainerControl* Container() const { return FContainer; }
    // Links value both ways; nullptr frees the old container unless the bar loads, updates or goes.
    void SetContainer(TuxStatusBarContainerControl* value);

    bool CanDelete() const override;
    void DrawContent(TuiCanvas& canvas, const vcl::TRect& rect, const TuxStatusBarPainter& painter) override;
    // The container shows and hides with the panel.
    void VisibleChanged() override;

protected:
    void DoAssign(const TuxStatusBarPanelStyle& source) override;

private:
    friend class TuxStatusBarContainerControl;
    void ContainerDestroyed();

    bool FAlignControl = true;
    TuxStatusBarContainerControl* FContainer = nullptr; // not owned: the bar's owner owns it
};

} // namespace ui
