// Text parameters from the flags and the font, placing rows in a rectangle, indents and accelerator marks.

#include "ui/core/text/uiTextLayout.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

const TuiTextFontMetrics Font{20, 3, 700, 12, u' ', 134};

TuiTextRows RowsOfWidths(std::initializer_list<int32_t> widths) {
    TuiTextRows rows;
    for (int32_t width : widths) {
        rows.Add().Width = width;
    }
    return rows;
}

TEST(uiTextLayout, ParametersFollowTheFlagsAndTheFont) {
    const TuiTextParams plain = TextParamsOf(Font, tlWordBreak | tlEndEllipsis, 1.0, 15, 1, false);
    EXPECT_EQ(plain.RowHeight, 20);
    EXPECT_EQ(plain.ExternalLeading, 0);
    EXPECT_EQ(plain.FullRowHeight, 20);
    EXPECT_EQ(plain.EndEllipsisWidth, 15);
    EXPECT_TRUE(plain.Bold);
    EXPECT_TRUE(plain.WordBreak);
    EXPECT_FALSE(plain.CharBreak);

    const TuiTextParams leading = TextParamsOf(Font, tlExternalLeading, 1.5, 15, 1, true);
    EXPECT_EQ(leading.ExternalLeading, 3);
    EXPECT_EQ(leading.FullRowHeight, 34) << "(20 + 3) x 1.5 = 34.5, rounded to even";
    EXPECT_EQ(leading.EndEllipsisWidth, 0) << "no ellipsis asked";
    EXPECT_TRUE(leading.CharBreak) << "a Far-East locale breaks between characters";

    const TuiTextParams aligned =
        TextParamsOf(Font, TextLayoutAlignment(thaDistribute, tvaBottom) | tlCalcRect, 1.0, 0, 1, false);
    EXPECT_EQ(aligned.HorzAlign, thaDistribute);
    EXPECT_EQ(aligned.VertAlign, tvaBottom);
    EXPECT_TRUE(aligned.CalcRect);
    EXPECT_EQ(TextParamsOf(Font, 7, 1.0, 0, 1, false).HorzAlign, thaLeft) << "an unknown alignment is left";
}

TEST(uiTextLayout, VerticalDistributionSpreadsTheRows) {
    TuiTextParams params = TextParamsOf(Font, TextLayoutAlignment(thaLeft, tvaDistribute), 1.0, 0, 1, false);
    TuiTextRows rows = RowsOfWidths({10, 10, 10});
    LayOutTextRows({0, 0, 100, 100}, params, rows);
    EXPECT_EQ(rows[0].Y, 0);
    EXPECT_EQ(rows[1].Y, 40) << "(100 - 20) / 2 = 40, no remainder";
    EXPECT_EQ(rows[2].Y, 80);

    LayOutTextRows({0, 0, 100, 103}, params, rows);
    EXPECT_EQ(rows[1].Y, 42) << "the remainder 1 goes to the first row";
    EXPECT_EQ(rows[2].Y, 83);

    LayOutTextRows({0, 0, 100, 50}, params, rows);
    EXPECT_EQ(rows[1].Y, 20) << "rows too tall to spread keep their height";
}

TEST(uiTextLayout, RowsArePlacedByTheAlignment) {
    TuiTextRows rows = RowsOfWidths({40, 60});
    const vcl::TRect rect{10, 10, 110, 110};
    LayOutTextRows(rect, TextParamsOf(Font, TextLayoutAlignment(thaCenter, tvaCenter), 1.0, 0, 1, false), rows);
    EXPECT_EQ(rows[0].X, 40);
    EXPECT_EQ(rows[1].X, 30);
    EXPECT_EQ(rows[0].Y, 40);
    EXPECT_EQ(rows[1].Y, 60);

    LayOutTextRows(
        rect, TextParamsOf(Font, TextLayoutAlignment(thaRight, tvaBottom) | tlExternalLeading, 1.0, 0, 1, false), rows);
    EXPECT_EQ(rows[0].X, 70);
    EXPECT_EQ(rows[0].Y, 110 - 2 * 23 + 3) << "the last row's external leading may pass the bottom";

    TuiTextRows wide = RowsOfWidths({200});
    LayOutTextRows(rect, TextParamsOf(Font, TextLayoutAlignment(thaRight, tvaCenter), 1.0, 0, 1, false), wide);
    EXPECT_EQ(wide[0].X, -90);
    LayOutTextRows(rect,
                   TextParamsOf(Font,
                                TextLayoutAlignment(thaRight, tvaBottom) | tlPreventLeftExceed | tlPreventTopExceed,
                                1.0, 0, 1, false),
                   wide);
    EXPECT_EQ(wide[0].X, 10);
    LayOutTextRows({0, 0, 100, 10},
                   TextParamsOf(Font, TextLayoutAlignment(thaLeft, tvaBottom) | tlPreventTopExceed, 1.0, 0, 1, false),
                   wide);
    EXPECT_EQ(wide[0].Y, 0);
}

TEST(uiTextLayout, IndentsNarrowTheTextRectangle) {
    const TuiTextParams automatic = TextParamsOf(Font, tlAutoIndents, 1.0, 0, 1, false);
    const vcl::TRect rect{0, 0, 100, 50};
    EXPECT_EQ(TextRectWithIndents(rect, automatic, 3, 4), (vcl::TRect{5, 2, 94, 48}));
    EXPECT_EQ(TextRectWithoutIndents(TextRectWithIndents(rect, automatic, 3, 4), automatic, 3, 4), rect);
    EXPECT_EQ(TextRectWithIndents(rect, TextParamsOf(Font, 0, 1.0, 0, 1, false), 3, 4), (vcl::TRect{3, 0, 96, 50}));
}

TEST(uiTextLayout, LongestRowAndAcceleratorMarks) {
    const TuiTextRows rows = RowsOfWidths({10, 50, 30});
    EXPECT_EQ(LongestTextRowWidth(rows, 1), 10);
    EXPECT_EQ(LongestTextRowWidth(rows, 9), 50);
    EXPECT_EQ(RemoveAccelerators(u"&File"), u"File");
    EXPECT_EQ(RemoveAccelerators(u"a&&b"), u"a&b");
    EXPECT_EQ(RemoveAccelerators(u"end&"), u"end");
    EXPECT_EQ(RemoveAccelerators(u"&"), u"");
}

} // namespace
} // namespace ui
