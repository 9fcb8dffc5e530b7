#include "ui/editors/calc/uiCalculatorKeypad.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(uiCalculatorKeypad, AutoSizeFollowsTheClientAndSettles) {
    const int32_t height = CalcAutoButtonHeight(198, 131);
    EXPECT_EQ(23, height);
    const TuiCalcMetrics metrics = CalcMetricsForButtonHeight(height);
    EXPECT_EQ(29, metrics.ButtonWidth);
    EXPECT_EQ(202, metrics.CalcWidth);
    EXPECT_EQ(133, metrics.CalcHeight);
    // The client forced to the keypad's size keeps the same buttons.
    EXPECT_EQ(23, CalcAutoButtonHeight(metrics.CalcWidth, metrics.CalcHeight));
    // Buttons never go below 22 pixels; a large client takes the nearest keypad.
    EXPECT_EQ(CalcMinAutoButtonHeight, CalcAutoButtonHeight(10, 10));
    EXPECT_EQ(CalcMinAutoButtonHeight, CalcAutoButtonHeight(-50, -50));
    const TuiCalcMetrics large = CalcMetricsForButtonHeight(CalcAutoButtonHeight(600, 1000));
    EXPECT_LE(std::abs(large.CalcHeight - 397), 6);
}

TEST(uiCalculatorKeypad, DefaultMetricsFollowTheButtonHeight) {
    const TuiCalcMetrics metrics = CalcMetricsForButtonHeight(22);
    EXPECT_EQ(28, metrics.ButtonWidth);
    EXPECT_EQ(3, metrics.GapX);
    EXPECT_EQ(3, metrics.GapY);
    EXPECT_EQ(48, metrics.WideButtonWidth);
    EXPECT_EQ(8, metrics.ButtonFontSize);
    EXPECT_EQ(128, metrics.CalcHeight);
    EXPECT_EQ(196, metrics.CalcWidth);
    EXPECT_EQ(0, CalcMetricsForButtonHeight(-4).ButtonHeight);
}

TEST(uiCalculatorKeypad, ButtonsLieInTheirGrid) {
    const TuiCalcMetrics m = CalcMetricsForButtonHeight(22);
    const TuiCalcButtonRects rects = CalcButtonLayout(m);
    EXPECT_EQ((vcl::TRect{3, 28, 31, 50}), rects[cbkMemoryClear]);
    EXPECT_EQ((vcl::TRect{3, 103, 31, 125}), rects[cbkMemoryAdd]);
    // The grid starts right of the memory column: x0 = 28 + 6 + 4.
    EXPECT_EQ((vcl::TRect{41, 28, 69, 50}), rects[cbkDigit7]);
    EXPECT_EQ((vcl::TRect{165, 103, 193, 125}), rects[cbkEquals]);
    EXPECT_EQ(rects[cbkDigit4].Left, rects[cbkDigit7].Left);
    EXPECT_EQ(rects[cbkDigit4].Top, rects[cbkMultiply].Top);
    // The wide buttons end at the right edge of "=", one gap apart.
    EXPECT_EQ(rects[cbkEquals].Right, rects[cbkClear].Right);
    EXPECT_EQ(rects[cbkClear].Left - m.GapY, rects[cbkClearEntry].Right);
    EXPECT_EQ(rects[cbkClearEntry].Left - m.GapY, rects[cbkBack].Right);
    EXPECT_EQ(m.WideButtonWidth, rects[cbkBack].Width());
    EXPECT_EQ(m.GapY, rects[cbkBack].Top);
    // No two buttons overlap.
    for (int32_t a = 0; a < CalcButtonCount; ++a) {
        for (int32_t b = a + 1; b < CalcButtonCount; ++b) {
            const vcl::TRect& first = rects[static_cast<size_t>(a)];
            const vcl::TRect& second = rects[static_cast<size_t>(b)];
            const bool overlap = first.Left < second.Right && second.Left < first.Right && first.Top < second.Bottom &&
                                 second.Top < first.Bottom;
            EXPECT_FALSE(overlap) << a << " " << b;
        }
    }
}

TEST(uiCalculatorKeypad, PointsFindTheirButtons) {
    const TuiCalcButtonRects rects = CalcButtonLayout(CalcMetricsForButtonHeight(22));
    EXPECT_EQ(cbkEquals, CalcButtonAt(rects, {170, 110}));
    EXPECT_EQ(cbkDigit7, CalcButtonAt(rects, {41, 28}));
    EXPECT_EQ(cbkNone, CalcButtonAt(rects, {1, 1}));
    EXPECT_EQ(cbkNone, CalcButtonAt(rects, {69, 28}));
}

TEST(uiCalculatorKeypad, CharactersAndCaptionsNameTheButtons) {
    EXPECT_EQ(cbkDigit0, CalcButtonOfChar(u'0'));
    EXPECT_EQ(cbkDigit9, CalcButtonOfChar(u'9'));
    EXPECT_EQ(cbkDecimal, CalcButtonOfChar(u','));
    EXPECT_EQ(cbkDecimal, CalcButtonOfChar(u'.'));
    EXPECT_EQ(cbkSqrt, CalcButtonOfChar(u'@'));
    EXPECT_EQ(cbkBack, CalcButtonOfChar(u'\b'));
    EXPECT_EQ(cbkNone, CalcButtonOfChar(u'x'));
    EXPECT_EQ(u"Back", CalcButtonCaption(cbkBack, u'.'));
    EXPECT_EQ(u"1/x", CalcButtonCaption(cbkReciprocal, u'.'));
    EXPECT_EQ(u",", CalcButtonCaption(cbkDecimal, u','));
    EXPECT_EQ(u".", CalcButtonCaption(cbkDecimal, u'.'));
    EXPECT_EQ(u"", CalcButtonCaption(cbkNone, u'.'));
}

} // namespace
} // namespace ui
