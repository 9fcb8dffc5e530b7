#pragma once
// Hints the library shows itself, for a cell or a cut text rather than for a whole control: the hint information
// prepared as the application prepares a control's hint (so its OnShowHint handler may change or refuse it), the hint
// window of the class that asks for, and a hint shown only where a monitor is.

#include "rtl/core/Component.h"
#include "rtl/text/StringTypes.h"
#include "vcl/hints/HintWindow.h"
#include "vcl/system/Types.h"

#include <memory>

namespace vcl {
class TControl;
} // namespace vcl

namespace ui {

// Whether a monitor shows point (screen coordinates): the one nearest to it, or else the monitor of the form of the
// control under it or of the main form.
bool HasMonitorAtPoint(vcl::TPoint point);

// Fills info for a hint of text at rect's top-left corner (screen coordinates) over control, and asks the
// application's OnShowHint handler, which may change text and info or refuse the hint. When the hint may show with
// some text, window becomes a hint window of the class info names (the program's class when none) and rect the
// rectangle the text needs there. Without a handler window and rect stay as they are. Returns whether the hint may
// show.
using TuiHintWindowPtr = std::unique_ptr<vcl::THintWindow, rtl::TComponentDeleter>;
bool PrepareCellHintInfo(vcl::THintInfo& info, TuiHintWindowPtr& window, vcl::TControl& control,
                         rtl::UnicodeString& text, vcl::TRect& rect, void* data);

// Shows text in rect (screen coordinates) in window, when a monitor shows the rectangle's top-left corner.
void ShowHintIfPointValid(vcl::THintWindow& window, const vcl::TRect& rect, rtl::UnicodeStringView text);

} // namespace ui
