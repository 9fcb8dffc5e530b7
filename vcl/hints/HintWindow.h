#pragma once
// Hints: THintWindow, the small top-most window without activation that shows a control's hint text near the
// pointer, and THintInfo, what the application tells a control before it shows the control's hint (CM_HINTSHOW
// carries a pointer to it): the control may change the text, the place, the rectangle the pointer must stay in, the
// time it shows, or refuse the hint with a non-zero answer.

#include "rtl/text/StringTypes.h"
#include "vcl/controls/CustomControl.h"

#include <cstdint>

namespace vcl {

class TControl;

// What showing one hint is about; filled by the application, adjusted by the control through CM_HINTSHOW.
struct THintInfo {
    TControl* HintControl = nullptr;
    // The class of hint window to show it in; nullptr for the program's HintWindowClass.
    const rtl::TMetaclass* HintWindowClass = nullptr;
    // The screen point of the hint's top-left corner.
    TPoint HintPos;
    int32_t HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    // The hint goes once the pointer leaves this rectangle (the control's client coordinates).
    TRect CursorRect;
    // The pointer, in the control's client coordinates.
    TPoint CursorPos;
    int32_t ReshowTimeout = 0;
    // Milliseconds the hint shows; 0 or less: until the pointer moves on.
    int32_t HideTimeout = 0;
    rtl::UnicodeString HintStr;
    void* HintData = nullptr; // not owned
};

// The window a hint is shown in.
class THintWindow : public TCustomControl {
    RTL_DECLARE_CLASS(THintWindow, TCustomControl)
public:
    explicit THintWindow(rtl::TComponent* owner);

    // Shows text in rect (screen coordinates) without taking the activation.
    virtual void ActivateHint(const TRect& rect, rtl::UnicodeStringView text);
    virtual void ActivateHintData(const TRect& rect, rtl::UnicodeStringView text, void* data);
    // The rectangle (at (0, 0)) the window needs for text, lines broken at maxWidth.
    virtual TRect CalcHintRect(int32_t maxWidth, rtl::UnicodeStringView text, void* data);
    // Whether a queued message ends the hint (a key or a mouse button).
    virtual bool IsHintMsg(uint32_t msg) const;
    // Hides the window.
    void ReleaseHandle();
    bool HintShowing();

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
};

using THintWindowClass = const rtl::TMetaclass*;

// The class of the program's hint windows (THintWindow unless the program sets another descendant).
THintWindowClass HintWindowClass();
void SetHintWindowClass(THintWindowClass windowClass);

} // namespace vcl
