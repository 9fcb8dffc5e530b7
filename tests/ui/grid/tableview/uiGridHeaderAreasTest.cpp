#include "ui/grid/tableview/uiGridHeaderAreas.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// A header 100 pixels wide with a 1-pixel frame: the text area starts at [3, 97].
constexpr TuiGridHeaderSpan AreasHeader{0, 100};
constexpr TuiGridHeaderSpan AreasContent{1, 99};
constexpr TuiGridHeaderArea CentredSortingMark{8, vcl::taCenter, true, true};

TEST(GridHeaderAreas, CentredCaptionAndSortingMarkStandTogetherInTheMiddleWhenTheyFit) {
    const TuiGridHeaderArea areas[] = {CentredSortingMark};
    const TuiGridHeaderAreasLayout layout = PlaceHeaderAreas(AreasHeader, AreasContent, areas, {40, false, true});
    EXPECT_EQ(layout.Areas[0], (TuiGridHeaderSpan{24, 32}));
    EXPECT_EQ(layout.TextArea, (TuiGridHeaderSpan{32, 76}));
    EXPECT_EQ(layout.Areas[0].Left + layout.TextArea.Right, AreasHeader.Left + AreasHeader.Right);
}

TEST(GridHeaderAreas, TooWideCaptionLeavesTheSortingMarkAloneInTheMiddle) {
    const TuiGridHeaderArea areas[] = {CentredSortingMark};
    const TuiGridHeaderAreasLayout layout = PlaceHeaderAreas(AreasHeader, AreasContent, areas, {90, false, true});
    EXPECT_EQ(layout.Areas[0], (TuiGridHeaderSpan{46, 54}));
    EXPECT_EQ(layout.TextArea, (TuiGridHeaderSpan{3, 97}));
}

TEST(GridHeaderAreas, SideAreasTakeRoomWithAGapOnlyBesideACaption) {
    struct Case {
        TuiGridHeaderArea Area;
        bool CaptionEmpty;
        TuiGridHeaderSpan ExpectedArea;
        TuiGridHeaderSpan ExpectedText;
    };
    const Case cases[] = {
        {{16, vcl::taLeftJustify, true, true}, false, {3, 19}, {21, 97}},
        {{16, vcl::taLeftJustify, true, true}, true, {3, 19}, {19, 97}},
        {{8, vcl::taRightJustify, true, true}, false, {89, 97}, {3, 87}},
        {{8, vcl::taRightJustify, true, true}, true, {89, 97}, {3, 89}},
        {{6, vcl::taRightJustify, false, false}, false, {94, 100}, {3, 97}}, // a sizing edge on the header's border
    };
    for (const Case& c : cases) {
        const TuiGridHeaderAreasLayout layout =
            PlaceHeaderAreas(AreasHeader, AreasContent, std::span(&c.Area, 1), {30, c.CaptionEmpty, false});
        EXPECT_EQ(layout.Areas[0], c.ExpectedArea) << c.Area.Width;
        EXPECT_EQ(layout.TextArea, c.ExpectedText) << c.Area.Width;
    }
}

TEST(GridHeaderAreas, CellBordersFollowTheGridLines) {
    struct Case {
        TuiGridLines Lines;
        bool Last;
        TuiBorders Expected;
    };
    const Case cases[] = {
        {glBoth, false, {bRight, bBottom}},
        {glBoth, true, {bRight, bBottom}},
        {glNone, false, {}},
        {glNone, true, {}},
        {glVertical, false, {bRight}},
        {glVertical, true, {bRight}},
        {glHorizontal, false, {bBottom}},
        {glHorizontal, true, {bRight, bBottom}},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(CellBordersForGridLines(c.Lines, c.Last) == c.Expected) << int(c.Lines) << " " << c.Last;
    }
}

} // namespace
} // namespace ui
