#pragma once
// The program's main window as the driver sees it: controls found by their captions and by the labels beside them,
// read, clicked and typed into, each step waiting (through the program) until the window shows what it needs.

#include "rtl/WindowsApi.h"

#include <string>

namespace acceptance {

class TProgram;

class TMainWindow {
public:
    // Waits for the program's main window.
    explicit TMainWindow(TProgram& program);

    HWND Handle() const { return FHandle; }
    std::wstring Caption() const;
    // The control beside the label (or button) with the text anchor, once it shows, and its text.
    HWND Beside(const wchar_t* anchor) const;
    std::wstring TextBeside(const wchar_t* anchor) const;
    // Waits until the control beside the anchor shows expected: the program sets some texts after the message box
    // that the driver waited for last.
    void WaitForTextBeside(const wchar_t* anchor, const std::wstring& expected) const;

    // Clicks the button with the caption.
    void ClickButton(const wchar_t* caption) const;
    // Clicks the button and returns the dialog box it opens.
    HWND ClickForDialog(const wchar_t* caption) const;
    // Clicks into the edit beside the label, types the text and waits until the edit shows expected.
    void TypeInto(const wchar_t* label, const std::wstring& text, const std::wstring& expected) const;

    // The screen rectangle of the grid: the largest window of a grid class.
    RECT GridRect() const;

private:
    TProgram& FProgram;
    HWND FHandle;
};

} // namespace acceptance
