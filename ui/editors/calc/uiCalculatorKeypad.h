#pragma once
// The calculator keypad's buttons (portable): the 27 button kinds with their captions and the characters that press
// them, the metrics that follow one button height (from the keypad's size or from its font) and the rectangles of
// the buttons: the memory column on the left, the digits and operators in a grid of five columns, and the three wide
// clear buttons above them, right-aligned to the "=" button.

#include "rtl/text/StringTypes.h"
#include "vcl/system/Types.h"

#include <array>
#include <cstdint>

namespace ui {

// The buttons, in the order of their kinds; cbkNone means no button.
enum TuiCalcButtonKind : uint8_t {
    cbkBack,
    cbkClearEntry,
    cbkClear,
    cbkMemoryClear,
    cbkMemoryRecall,
    cbkMemoryStore,
    cbkMemoryAdd,
    cbkDigit0,
    cbkDigit1,
    cbkDigit2,
    cbkDigit3,
    cbkDigit4,
    cbkDigit5,
    cbkDigit6,
    cbkDigit7,
    cbkDigit8,
    cbkDigit9,
    cbkSign,
    cbkDecimal,
    cbkDivide,
    cbkMultiply,
    cbkSubtract,
    cbkAdd,
    cbkSqrt,
    cbkPercent,
    cbkReciprocal,
    cbkEquals,
    cbkNone
};
inline constexpr int32_t CalcButtonCount = cbkNone;

inline bool IsCalcDigit(TuiCalcButtonKind kind) {
    return kind >= cbkDigit0 && kind <= cbkDigit9;
}
// "/", "*", "-" and "+".
inline bool IsCalcArithmeticOperator(TuiCalcButtonKind kind) {
    return kind >= cbkDivide && kind <= cbkAdd;
}

// The caption of a button; the decimal separator button shows the separator given.
rtl::UnicodeString CalcButtonCaption(TuiCalcButtonKind kind, char16_t decimalSeparator);
// The button a typed character presses: Backspace, the digits, "%", "*", "+", "-", "/", "=", "," and "." (the
// decimal separator) and "@" (the square root); cbkNone for any other.
TuiCalcButtonKind CalcButtonOfChar(char16_t character);

// The sizes of the keypad, all following ButtonHeight; the initial values are those of the default keypad.
struct TuiCalcMetrics {
    int32_t ButtonFontSize = 8;
    int32_t ButtonWidth = 28;
    int32_t ButtonHeight = 22;
    int32_t WideButtonWidth = 47;
    int32_t GapX = 3;
    int32_t GapY = 3;
    int32_t CalcWidth = 198;
    int32_t CalcHeight = 131;
};

// The smallest button height the keypad takes when its buttons follow its size.
inline constexpr int32_t CalcMinAutoButtonHeight = 22;

// The button height whose keypad comes nearest to a client of width x height kept at the default proportions: the
// first height, counting up from CalcMinAutoButtonHeight, beyond which the keypad's height moves away again.
int32_t CalcAutoButtonHeight(int32_t width, int32_t height);
// Every size from the button height (never below 0).
TuiCalcMetrics CalcMetricsForButtonHeight(int32_t buttonHeight);

using TuiCalcButtonRects = std::array<vcl::TRect, CalcButtonCount>;
// Where each button lies, indexed by kind.
TuiCalcButtonRects CalcButtonLayout(const TuiCalcMetrics& metrics);
// The first button, in kind order, whose rectangle holds the point; cbkNone when none does.
TuiCalcButtonKind CalcButtonAt(const TuiCalcButtonRects& rects, vcl::TPoint point);

} // namespace ui
