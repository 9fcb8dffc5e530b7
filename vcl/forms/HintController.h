#pragma once
// The application's hints: when the pointer rests on a control that shows hints for HintPause milliseconds, the
// control hears CM_HINTSHOW with a THintInfo (and may change or refuse the hint), OnShowHint may too, and the short
// part of the hint (before "|") shows in a hint window of the program's hint-window class. The hint goes when the
// pointer leaves the control's cursor rectangle, after the hide time, or at a key or a mouse press.

#include "rtl/text/StringTypes.h"
#include "vcl/controls/Control.h"
#include "vcl/hints/HintWindow.h"
#include "vcl/system/Timer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace vcl {

using TShowHintEvent = std::function<void(rtl::UnicodeString& hintStr, bool& canShow, THintInfo& hintInfo)>;

// Shows and hides the hint of the control under the pointer.
class THintController {
public:
    THintController();
    ~THintController();
    THintController(const THintController&) = delete;
    THintController& operator=(const THintController&) = delete;

    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    uint32_t HintPause() const { return FHintPause; }
    void SetHintPause(uint32_t value) { FHintPause = value; }
    uint32_t HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(uint32_t value) { FHintHidePause = value; }
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor value) { FHintColor = value; }
    const TShowHintEvent& OnShowHint() const { return FOnShowHint; }
    void SetOnShowHint(TShowHintEvent handler) { FOnShowHint = std::move(handler); }

    // The control under the pointer now (called when idle).
    void MouseControlChanged(TControl* control);
    // A message taken from the queue: keys and mouse presses end the hint.
    void MessageArrived(uint32_t msg);
    // Shows the hint of the control under the pointer at once.
    void ActivateHint();
    void CancelHint();
    // The window showing the hint, or nullptr.
    THintWindow* HintWindow() const { return FWindow.get(); }
    bool HintShowing() const;

private:
    void Elapsed();
    bool ControlAlive() const { return FControlLink && FControlLink->Alive(); }

    bool FShowHint = true;
    uint32_t FHintPause = 500;
    uint32_t FHintHidePause = 2500;
    TColor FHintColor = clInfoBk;
    TShowHintEvent FOnShowHint;
    TControl* FHintControl = nullptr; // not owned
    std::optional<TControlLink> FControlLink;
    TRect FCursorRect; // screen coordinates
    TTimer FTimer;
    std::unique_ptr<THintWindow, rtl::TComponentDeleter> FWindow;
};

} // namespace vcl
