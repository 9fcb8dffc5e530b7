#include "tests/app/acceptance/UserInput.h"

#include "tests/app/acceptance/WindowQueries.h"

#include <vector>

namespace acceptance {

namespace {

// Absolute mouse coordinates run from 0 to 65535 across the primary screen.
LONG NormalizedCoordinate(LONG pixel, int screenSize) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65535 + (screenSize - 1) / 2) / (screenSize - 1));
}

INPUT MouseInput(DWORD flags, POINT point) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = NormalizedCoordinate(point.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = NormalizedCoordinate(point.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return input;
}

INPUT CharacterInput(wchar_t character, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = character;
    input.ki.dwFlags = KEYEVENTF_UNICODE | flags;
    return input;
}

INPUT KeyInput(WORD virtualKey, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = flags;
    return input;
}

} // namespace

bool MovePointer(POINT point) {
    INPUT move = MouseInput(MOUSEEVENTF_MOVE, point);
    SendInput(1, &move, sizeof(INPUT));
    POINT cursor{};
    return GetCursorPos(&cursor) && cursor.x == point.x && cursor.y == point.y;
}

bool ClickAt(POINT point) {
    if (!MovePointer(point)) {
        return false;
    }
    INPUT press[] = {MouseInput(MOUSEEVENTF_LEFTDOWN, point), MouseInput(MOUSEEVENTF_LEFTUP, point)};
    return SendInput(2, press, sizeof(INPUT)) == 2;
}

bool ClickWindow(HWND window) {
    const RECT rect = ScreenRectOf(window);
    return ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void PressKey(WORD virtualKey, bool withCtrl) {
    std::vector<INPUT> inputs;
    if (withCtrl) {
        inputs.push_back(KeyInput(VK_CONTROL, 0));
    }
    inputs.push_back(KeyInput(virtualKey, 0));
    inputs.push_back(KeyInput(virtualKey, KEYEVENTF_KEYUP));
    if (withCtrl) {
        inputs.push_back(KeyInput(VK_CONTROL, KEYEVENTF_KEYUP));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void TypeText(std::wstring_view text) {
    std::vector<INPUT> inputs;
    for (wchar_t character : text) {
        inputs.push_back(CharacterInput(character, 0));
        inputs.push_back(CharacterInput(character, KEYEVENTF_KEYUP));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

} // namespace acceptance
