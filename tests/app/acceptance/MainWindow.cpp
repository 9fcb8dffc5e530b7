#include "tests/app/acceptance/MainWindow.h"

#include "tests/app/acceptance/ProgramProcess.h"
#include "tests/app/acceptance/UserInput.h"
#include "tests/app/acceptance/WindowQueries.h"

namespace acceptance {

TMainWindow::TMainWindow(TProgram& program) : FProgram(program), FHandle(program.WaitForMainWindow()) {}

std::wstring TMainWindow::Caption() const {
    return TextOf(FHandle);
}

HWND TMainWindow::Beside(const wchar_t* anchor) const {
    HWND control = nullptr;
    FProgram.WaitUntil("the control beside \"" + Utf8(anchor) + "\"",
                       [&] { return (control = ControlRightOf(FHandle, anchor)) != nullptr; });
    return control;
}

std::wstring TMainWindow::TextBeside(const wchar_t* anchor) const {
    return TextOf(Beside(anchor));
}

void TMainWindow::WaitForTextBeside(const wchar_t* anchor, const std::wstring& expected) const {
    HWND control = Beside(anchor);
    FProgram.WaitUntil("\"" + Utf8(expected) + "\" beside \"" + Utf8(anchor) + "\"",
                       [&] { return TextOf(control) == expected; });
}

void TMainWindow::ClickButton(const wchar_t* caption) const {
    HWND button = nullptr;
    FProgram.WaitUntil("the button \"" + Utf8(caption) + "\"",
                       [&] { return (button = FindControl(FHandle, L"button", caption)) != nullptr; });
    FProgram.Click(button);
}

HWND TMainWindow::ClickForDialog(const wchar_t* caption) const {
    ClickButton(caption);
    return FProgram.WaitForDialog();
}

void TMainWindow::TypeInto(const wchar_t* label, const std::wstring& text, const std::wstring& expected) const {
    FProgram.Click(Beside(label));
    TypeText(text);
    WaitForTextBeside(label, expected);
}

RECT TMainWindow::GridRect() const {
    HWND grid = nullptr;
    FProgram.WaitUntil("the grid", [&] {
        long largest = 0;
        for (HWND window : DescendantsOf(FHandle)) {
            const RECT rect = ScreenRectOf(window);
            const long area = long{rect.right - rect.left} * (rect.bottom - rect.top);
            if (ClassOf(window).find(L"Grid") != std::wstring::npos && IsWindowVisible(window) && area > largest) {
                grid = window;
                largest = area;
            }
        }
        return grid != nullptr;
    });
    return ScreenRectOf(grid);
}

} // namespace acceptance
