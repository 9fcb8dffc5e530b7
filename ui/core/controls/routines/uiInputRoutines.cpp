#include "ui/core/controls/routines/uiInputRoutines.h"

#include "rtl/WindowsApi.h"
#include "rtl/numbers/FormatSettings.h"

#include <array>

namespace ui {

namespace {

// The virtual-key codes that type no character, as closed ranges.
constexpr std::array<std::pair<uint32_t, uint32_t>, 10> NonCharKeyRanges{{
    {3, 3},     // VK_CANCEL
    {8, 9},     // Backspace, Tab
    {12, 13},   // VK_CLEAR, Enter
    {16, 20},   // Shift, Ctrl, Alt, Pause, Caps Lock
    {27, 27},   // Escape
    {33, 47},   // Page Up ... Help
    {91, 145},  // Windows and application keys, sleep, numeric keypad, F1-F24 and after, Num Lock, Scroll Lock
    {160, 165}, // left and right Shift, Ctrl, Alt
    {229, 229}, // VK_PROCESSKEY
    {246, 254}, // VK_ATTN ... VK_OEM_CLEAR
}};

template <class TChar>
std::basic_string<TChar> StripAccelCharsOf(std::basic_string_view<TChar> caption, bool underscore) {
    std::basic_string<TChar> result;
    result.reserve(caption.size());
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != TChar('&')) {
            result += caption[i];
            continue;
        }
        if (i + 1 == caption.size()) {
            if (underscore) {
                result += TChar('_');
            }
            break;
        }
        result += caption[++i];
    }
    return result;
}

rtl::UnicodeString UpperCaseInLocale(rtl::UnicodeStringView text) {
    rtl::UnicodeString result(text);
    if (!result.empty()) {
        CharUpperBuffW(reinterpret_cast<wchar_t*>(result.data()), static_cast<DWORD>(result.size()));
    }
    return result;
}

} // namespace

bool IsShiftMoveOnly(vcl::TShiftState shift) {
    return shift.IsEmpty();
}

bool IsShiftLeftButtonOnly(vcl::TShiftState shift, bool allowDouble) {
    const vcl::TShiftState others{vcl::ssShift, vcl::ssAlt, vcl::ssCtrl, vcl::ssRight, vcl::ssMiddle};
    return shift.Contains(vcl::ssLeft) && (shift * others).IsEmpty() && (allowDouble || !shift.Contains(vcl::ssDouble));
}

uint32_t ShiftToMkFlags(vcl::TShiftState shift) {
    uint32_t flags = 0;
    const std::array<std::pair<vcl::TShiftStateFlag, uint32_t>, 5> table{{{vcl::ssShift, MK_SHIFT},
                                                                          {vcl::ssCtrl, MK_CONTROL},
                                                                          {vcl::ssLeft, MK_LBUTTON},
                                                                          {vcl::ssRight, MK_RBUTTON},
                                                                          {vcl::ssMiddle, MK_MBUTTON}}};
    for (const auto& [flag, mk] : table) {
        if (shift.Contains(flag)) {
            flags |= mk;
        }
    }
    return flags;
}

int32_t ConvertMouseButton(vcl::TMouseButton button) {
    switch (button) {
    case vcl::mbLeft:
        return 1;
    case vcl::mbRight:
        return 2;
    case vcl::mbMiddle:
        return 3;
    }
    return 0;
}

bool IsNonCharKey(uint32_t key) {
    for (const auto& [first, last] : NonCharKeyRanges) {
        if (key >= first && key <= last) {
            return true;
        }
    }
    return false;
}

bool IsNotControlChar(char16_t character) {
    return character >= 32;
}

bool IsTextOrBackspace(char16_t character) {
    return IsNotControlChar(character) || character == 8;
}

bool IsEditChar(char16_t character) {
    // 22 and 24 are Ctrl+V and Ctrl+X: paste and cut change the text as typing does.
    return IsTextOrBackspace(character) || character == 22 || character == 24;
}

bool IsNumberChar(char16_t character, int32_t mode, char16_t decimalSeparator) {
    if (character == u'+' || character == u'-' || (character >= u'0' && character <= u'9')) {
        return true;
    }
    if (mode == 1) {
        return character == decimalSeparator;
    }
    if (mode == 2) {
        return character == decimalSeparator || character == u'e' || character == u'E';
    }
    return false;
}

bool IsNumberChar(char16_t character, int32_t mode) {
    return IsNumberChar(character, mode, rtl::FormatSettings().DecimalSeparator);
}

std::string StripAccelChars(std::string_view caption, bool underscore) {
    return StripAccelCharsOf(caption, underscore);
}

rtl::UnicodeString StripAccelCharsWide(rtl::UnicodeStringView caption, bool underscore) {
    return StripAccelCharsOf(caption, underscore);
}

bool TextsMatch(rtl::UnicodeStringView a, rtl::UnicodeStringView b, bool caseSensitive) {
    if (!caseSensitive) {
        return UpperCaseInLocale(a) == UpperCaseInLocale(b);
    }
    return CompareStringW(LOCALE_USER_DEFAULT, 0, reinterpret_cast<const wchar_t*>(a.data()),
                          static_cast<int>(a.size()), reinterpret_cast<const wchar_t*>(b.data()),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

} // namespace ui
