#include "ui/editors/calc/uiCalculatorKeypad.h"

#include "ui/core/geometry/uiArithmetic.h"

#include <algorithm>
#include <cstdlib>

namespace ui {

namespace {

constexpr const char16_t* CalcButtonCaptions[CalcButtonCount] = {
    u"Back", u"CE", u"C", u"MC",  u"MR", u"MS", u"M+", u"0", u"1", u"2",    u"3", u"4",   u"5", u"6",
    u"7",    u"8",  u"9", u"+/-", u",",  u"/",  u"*",  u"-", u"+", u"sqrt", u"%", u"1/x", u"=",
};

// The grid below the wide buttons, one row of the memory column and five columns each.
constexpr TuiCalcButtonKind CalcGridRows[4][6] = {
    {cbkMemoryClear, cbkDigit7, cbkDigit8, cbkDigit9, cbkDivide, cbkSqrt},
    {cbkMemoryRecall, cbkDigit4, cbkDigit5, cbkDigit6, cbkMultiply, cbkPercent},
    {cbkMemoryStore, cbkDigit1, cbkDigit2, cbkDigit3, cbkSubtract, cbkReciprocal},
    {cbkMemoryAdd, cbkDigit0, cbkSign, cbkDecimal, cbkAdd, cbkEquals},
};

// The height of a keypad whose buttons are n pixels high.
int64_t CalcKeypadHeight(int32_t n) {
    return int64_t{5} * n + int64_t{6} * MulDiv(n, 3, 22);
}

} // namespace

rtl::UnicodeString CalcButtonCaption(TuiCalcButtonKind kind, char16_t decimalSeparator) {
    if (kind >= cbkNone) {
        return {};
    }
    if (kind == cbkDecimal) {
        return rtl::UnicodeString(1, decimalSeparator);
    }
    return CalcButtonCaptions[kind];
}

TuiCalcButtonKind CalcButtonOfChar(char16_t character) {
    if (character >= u'0' && character <= u'9') {
        return static_cast<TuiCalcButtonKind>(cbkDigit0 + (character - u'0'));
    }
    switch (character) {
    case u'\b':
        return cbkBack;
    case u'%':
        return cbkPercent;
    case u'*':
        return cbkMultiply;
    case u'+':
        return cbkAdd;
    case u',':
    case u'.':
        return cbkDecimal;
    case u'-':
        return cbkSubtract;
    case u'/':
        return cbkDivide;
    case u'=':
        return cbkEquals;
    case u'@':
        return cbkSqrt;
    default:
        return cbkNone;
    }
}

// The keypad grows by at least five pixels per pixel of button height, so the search starts where its height cannot
// pass the target yet: every height before lies nearer below it than the next one.
int32_t CalcAutoButtonHeight(int32_t width, int32_t height) {
    const int64_t target = std::min<int64_t>(MulDiv(width, 131, 198), height);
    int32_t n = std::max<int32_t>(CalcMinAutoButtonHeight, static_cast<int32_t>(std::max<int64_t>(target / 6, 0)));
    while (std::llabs(CalcKeypadHeight(n + 1) - target) < std::llabs(CalcKeypadHeight(n) - target)) {
        ++n;
    }
    return n;
}

TuiCalcMetrics CalcMetricsForButtonHeight(int32_t buttonHeight) {
    TuiCalcMetrics metrics;
    metrics.ButtonHeight = std::max(buttonHeight, 0);
    metrics.ButtonWidth = MulDiv(metrics.ButtonHeight, 28, 22);
    metrics.GapX = MulDiv(metrics.ButtonHeight, 3, 22);
    metrics.GapY = metrics.GapX;
    metrics.WideButtonWidth = MulDiv(metrics.ButtonWidth, 17, 10);
    metrics.ButtonFontSize = MulDiv(metrics.ButtonHeight, 8, 22);
    metrics.CalcHeight = 5 * metrics.ButtonHeight + 6 * metrics.GapY;
    metrics.CalcWidth = 6 * metrics.ButtonWidth + 8 * metrics.GapX + 4;
    return metrics;
}

TuiCalcButtonRects CalcButtonLayout(const TuiCalcMetrics& m) {
    TuiCalcButtonRects rects{};
    const int32_t rowStep = m.ButtonHeight + m.GapY;
    const int32_t columnStep = m.ButtonWidth + m.GapX;
    const int32_t gridLeft = m.ButtonWidth + 2 * m.GapX + 4;
    for (int32_t row = 1; row <= 4; ++row) {
        const int32_t top = row * rowStep + m.GapY;
        const int32_t bottom = (row + 1) * rowStep;
        const auto& kinds = CalcGridRows[row - 1];
        rects[kinds[0]] = {m.GapX, top, m.GapX + m.ButtonWidth, bottom};
        for (int32_t column = 0; column < 5; ++column) {
            const int32_t left = gridLeft + m.GapX + column * columnStep;
            rects[kinds[column + 1]] = {left, top, gridLeft + (column + 1) * columnStep, bottom};
        }
    }
    int32_t right = rects[cbkEquals].Right;
    for (const TuiCalcButtonKind kind : {cbkClear, cbkClearEntry, cbkBack}) {
        rects[kind] = {right - m.WideButtonWidth, m.GapY, right, m.GapY + m.ButtonHeight};
        right = rects[kind].Left - m.GapY;
    }
    return rects;
}

TuiCalcButtonKind CalcButtonAt(const TuiCalcButtonRects& rects, vcl::TPoint point) {
    for (int32_t kind = 0; kind < CalcButtonCount; ++kind) {
        if (rects[static_cast<size_t>(kind)].Contains(point)) {
            return static_cast<TuiCalcButtonKind>(kind);
        }
    }
    return cbkNone;
}

} // namespace ui
