#pragma once
// Window messages as the framework's controls see them. A TMessage is one message on its way through a control's
// WndProc and Dispatch: its number, its two parameters and the answer a handler leaves in Result.
//
// Besides the Windows messages, controls talk to one another with the component messages (CM_, from CM_BASE) that
// announce changes of state (font, colour, visibility, focus, mouse entering) and with the notification messages
// (CN_, CN_BASE + the Windows message) that a parent reflects back to the child control that caused them, and that
// the application sends for keys before Windows translates them. Their numbers are fixed: code that handles them
// (hooks included) compares numbers.

#include "vcl/system/Types.h"

#include <cstdint>

namespace vcl {

struct TMessage {
    uint32_t Msg = 0;
    uintptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

constexpr uint16_t LoWord(uintptr_t value) {
    return static_cast<uint16_t>(value & 0xFFFF);
}

constexpr uint16_t HiWord(uintptr_t value) {
    return static_cast<uint16_t>((value >> 16) & 0xFFFF);
}

// The point a mouse message carries in its LParam: two signed 16-bit coordinates.
constexpr TPoint MessagePoint(intptr_t lParam) {
    return {static_cast<int16_t>(LoWord(static_cast<uintptr_t>(lParam))),
            static_cast<int16_t>(HiWord(static_cast<uintptr_t>(lParam)))};
}

// The LParam of a mouse message for a point (each coordinate cut to 16 bits, as Windows packs it).
constexpr intptr_t PointToLParam(TPoint point) {
    return static_cast<intptr_t>((static_cast<uint32_t>(point.Y & 0xFFFF) << 16) |
                                 static_cast<uint32_t>(point.X & 0xFFFF));
}

// Component messages.
inline constexpr uint32_t CM_BASE = 0xB000;
inline constexpr uint32_t CM_ACTIVATE = CM_BASE + 0;
inline constexpr uint32_t CM_DEACTIVATE = CM_BASE + 1;
inline constexpr uint32_t CM_DIALOGKEY = CM_BASE + 5;
inline constexpr uint32_t CM_DIALOGCHAR = CM_BASE + 6;
inline constexpr uint32_t CM_FOCUSCHANGED = CM_BASE + 7;
inline constexpr uint32_t CM_PARENTFONTCHANGED = CM_BASE + 8;
inline constexpr uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 9;
inline constexpr uint32_t CM_VISIBLECHANGED = CM_BASE + 11;
inline constexpr uint32_t CM_ENABLEDCHANGED = CM_BASE + 12;
inline constexpr uint32_t CM_COLORCHANGED = CM_BASE + 13;
inline constexpr uint32_t CM_FONTCHANGED = CM_BASE + 14;
inline constexpr uint32_t CM_CURSORCHANGED = CM_BASE + 15;
inline constexpr uint32_t CM_CTL3DCHANGED = CM_BASE + 16;
inline constexpr uint32_t CM_PARENTCTL3DCHANGED = CM_BASE + 17;
inline constexpr uint32_t CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr uint32_t CM_MOUSEENTER = CM_BASE + 19;
inline constexpr uint32_t CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr uint32_t CM_BUTTONPRESSED = CM_BASE + 24;
inline constexpr uint32_t CM_SHOWINGCHANGED = CM_BASE + 25;
inline constexpr uint32_t CM_ENTER = CM_BASE + 26;
inline constexpr uint32_t CM_EXIT = CM_BASE + 27;
inline constexpr uint32_t CM_DESIGNHITTEST = CM_BASE + 28;
inline constexpr uint32_t CM_WANTSPECIALKEY = CM_BASE + 30;
inline constexpr uint32_t CM_RELEASE = CM_BASE + 33;
inline constexpr uint32_t CM_SHOWHINTCHANGED = CM_BASE + 34;
inline constexpr uint32_t CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
inline constexpr uint32_t CM_SYSCOLORCHANGE = CM_BASE + 36;
inline constexpr uint32_t CM_WININICHANGE = CM_BASE + 37;
inline constexpr uint32_t CM_TABSTOPCHANGED = CM_BASE + 40;
inline constexpr uint32_t CM_CHILDKEY = CM_BASE + 46;
inline constexpr uint32_t CM_DRAG = CM_BASE + 47;
inline constexpr uint32_t CM_HINTSHOW = CM_BASE + 48;
inline constexpr uint32_t CM_RECREATEWND = CM_BASE + 51;
inline constexpr uint32_t CM_INVALIDATE = CM_BASE + 52;
inline constexpr uint32_t CM_BIDIMODECHANGED = CM_BASE + 60;
inline constexpr uint32_t CM_PARENTBIDIMODECHANGED = CM_BASE + 61;
inline constexpr uint32_t CM_MOUSEWHEEL = CM_BASE + 67;
// A modal form about to close with an accepting result asks its active control, still shown; a result other than 0
// refuses the close and the form stays open.
inline constexpr uint32_t CM_MODALACCEPT = CM_BASE + 68;

// Notification messages: CN_BASE + the Windows message they reflect.
inline constexpr uint32_t CN_BASE = 0xBC00;
inline constexpr uint32_t CN_CHARTOITEM = CN_BASE + 0x002F;
inline constexpr uint32_t CN_COMMAND = CN_BASE + 0x0111;
inline constexpr uint32_t CN_COMPAREITEM = CN_BASE + 0x0039;
inline constexpr uint32_t CN_CTLCOLORMSGBOX = CN_BASE + 0x0132;
inline constexpr uint32_t CN_CTLCOLOREDIT = CN_BASE + 0x0133;
inline constexpr uint32_t CN_CTLCOLORLISTBOX = CN_BASE + 0x0134;
inline constexpr uint32_t CN_CTLCOLORBTN = CN_BASE + 0x0135;
inline constexpr uint32_t CN_CTLCOLORDLG = CN_BASE + 0x0136;
inline constexpr uint32_t CN_CTLCOLORSCROLLBAR = CN_BASE + 0x0137;
inline constexpr uint32_t CN_CTLCOLORSTATIC = CN_BASE + 0x0138;
inline constexpr uint32_t CN_DELETEITEM = CN_BASE + 0x002D;
inline constexpr uint32_t CN_DRAWITEM = CN_BASE + 0x002B;
inline constexpr uint32_t CN_HSCROLL = CN_BASE + 0x0114;
inline constexpr uint32_t CN_MEASUREITEM = CN_BASE + 0x002C;
inline constexpr uint32_t CN_NOTIFY = CN_BASE + 0x004E;
inline constexpr uint32_t CN_VKEYTOITEM = CN_BASE + 0x002E;
inline constexpr uint32_t CN_VSCROLL = CN_BASE + 0x0115;
inline constexpr uint32_t CN_KEYDOWN = CN_BASE + 0x0100;
inline constexpr uint32_t CN_KEYUP = CN_BASE + 0x0101;
inline constexpr uint32_t CN_CHAR = CN_BASE + 0x0102;
inline constexpr uint32_t CN_SYSKEYDOWN = CN_BASE + 0x0104;
inline constexpr uint32_t CN_SYSCHAR = CN_BASE + 0x0106;

} // namespace vcl
