#pragma once
// What the driver of the program reads from its windows, from another process, as a user sees them: the windows of
// its processes, controls found by class and text (edits by the control on their left, as a label names them), the
// texts shown (WM_GETTEXT), and the parts of message boxes and file dialogs that Windows gives fixed identifiers.

#include "rtl/WindowsApi.h"

#include <string>
#include <string_view>
#include <vector>

namespace acceptance {

// UTF-16 text as UTF-8, for assertions that print readably.
std::string Utf8(std::wstring_view text);

std::wstring ClassOf(HWND window);
// The text the window gives WM_GETTEXT; empty when it does not answer within two seconds.
std::wstring TextOf(HWND window);
RECT ScreenRectOf(HWND window);

// The top-level windows of the processes (visible or not).
std::vector<HWND> TopLevelWindowsOf(const std::vector<DWORD>& processIds);
// Every window below parent, at any depth.
std::vector<HWND> DescendantsOf(HWND parent);

// The visible window below top whose class contains classPart (ignoring case) and whose text is text; nullptr when
// there is none.
HWND FindControl(HWND top, std::wstring_view classPart, std::wstring_view text);
// The visible window beside the visible window below top whose text is anchorText (a label, a button): the nearest
// under the same parent that starts right of the anchor's middle, ends right of it and is level with it; nullptr
// when there is none.
HWND ControlRightOf(HWND top, std::wstring_view anchorText);

// The static control that shows a message box's text.
HWND MessageBoxTextControl(HWND box);
// The text of a message box, its line breaks kept.
std::wstring MessageBoxText(HWND box);
// The file name edit of an open or save dialog (the Edit inside the ComboBoxEx32 with id 1148); nullptr when the
// dialog has none.
HWND FileNameEditOf(HWND dialog);

// The windows of the processes, with the windows below them, one per line: class, text and place.
std::string DescribeWindows(const std::vector<DWORD>& processIds);

} // namespace acceptance
