#pragma once
// Free routines the controls and containers share to classify input: shift states, mouse buttons, keys and typed
// characters, and captions with their accelerator marks.

#include "rtl/text/StringTypes.h"
#include "vcl/controls/ControlTypes.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// No key and no mouse button is down.
bool IsShiftMoveOnly(vcl::TShiftState shift);
// The left button alone is down (a double click only when allowDouble).
bool IsShiftLeftButtonOnly(vcl::TShiftState shift, bool allowDouble);
// The MK_ flags of a mouse message for the state; Alt and Double have none.
uint32_t ShiftToMkFlags(vcl::TShiftState shift);
// The code a container's recalculation takes for a button: 1 left, 2 right, 3 middle.
int32_t ConvertMouseButton(vcl::TMouseButton button);
// The key the editors interpret for a key they are given.
inline uint16_t MapKeyCode(uint16_t key) {
    return key;
}
// Whether the virtual key types no character (the shift keys, navigation, the numeric keypad, function keys, ...).
bool IsNonCharKey(uint32_t key);
// The character is printable (not a control character).
bool IsNotControlChar(char16_t character);
bool IsTextOrBackspace(char16_t character);
// A character an edit takes as typing: printable, Backspace, Ctrl+V or Ctrl+X.
bool IsEditChar(char16_t character);
// Which characters a number takes: signs and digits always; mode 1 adds the decimal separator, mode 2 the separator
// and the exponent letters.
bool IsNumberChar(char16_t character, int32_t mode, char16_t decimalSeparator);
bool IsNumberChar(char16_t character, int32_t mode);

// The caption without its accelerator marks: "&&" stands for "&"; a trailing "&" becomes "_" with underscore, else
// nothing.
std::string StripAccelChars(std::string_view caption, bool underscore);
rtl::UnicodeString StripAccelCharsWide(rtl::UnicodeStringView caption, bool underscore);
// Whether the texts are equal in the user's locale; without caseSensitive after both are upper-cased.
bool TextsMatch(rtl::UnicodeStringView a, rtl::UnicodeStringView b, bool caseSensitive);

} // namespace ui
