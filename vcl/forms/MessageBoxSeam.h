#pragma once
// The way the program shows a message box. Every message box of the framework goes through the presenter in use:
// the Windows message box, or, in a test, one that records the text and answers as the test says, so that no test
// waits for a person.

#include "rtl/text/StringTypes.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace vcl {

// Shows a message box and returns the button chosen (IDOK, IDCANCEL, ...).
class IMessageBoxPresenter {
public:
    virtual int32_t ShowMessageBox(HWND owner, rtl::UnicodeStringView text, rtl::UnicodeStringView caption,
                                   uint32_t flags) = 0;

protected:
    ~IMessageBoxPresenter() = default;
};

// The presenter in use.
IMessageBoxPresenter& MessageBoxPresenter();
// Uses presenter (not owned) from now on; nullptr goes back to the Windows message box. Returns the previous one
// (nullptr when it was the Windows message box).
IMessageBoxPresenter* SetMessageBoxPresenter(IMessageBoxPresenter* presenter);

} // namespace vcl
