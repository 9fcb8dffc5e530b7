#include "ui/grid/tableview/layout/uiGridLevelIndents.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(GridLevelIndents, LevelCountIsTheGroupingLevelsLessTheOffice11GroupsOwnPlusTheMasterRows) {
    struct Case {
        int Grouping;
        bool Office11;
        bool Master;
        int Expected;
    };
    const Case cases[] = {{0, false, false, 0}, {2, false, false, 2}, {2, true, false, 1},  {0, true, false, 0},
                          {0, false, true, 1},  {1, true, true, 1},   {-1, false, false, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(TableLevelCount(c.Grouping, c.Office11, c.Master), c.Expected)
            << c.Grouping << " " << c.Office11 << " " << c.Master;
    }
}

TEST(GridLevelIndents, AnIndentCarriesItsRightLineAndUnderTheLastRecordOfItsGroupItsBottomLine) {
    const vcl::TRect row{10, 20, 200, 40};
    struct Case {
        TuiGridLines Lines;
        bool Closes;
        TuiGridLevelIndentRects Expected;
    };
    // Level 1 of 15-pixel indents spans 25 .. 40.
    const Case cases[] = {
        {glBoth, false, {{25, 20, 39, 40}, {39, 20, 40, 40}, {}}},
        {glBoth, true, {{25, 20, 39, 39}, {39, 20, 40, 39}, {25, 39, 40, 40}}},
        {glHorizontal, true, {{25, 20, 39, 39}, {39, 20, 40, 39}, {25, 39, 40, 40}}},
        {glNone, true, {{25, 20, 40, 40}, {}, {}}},
        {glVertical, true, {{25, 20, 40, 40}, {}, {}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LevelIndentRects(row, 1, 15, c.Lines, c.Closes), c.Expected) << int{c.Lines} << " " << c.Closes;
    }
    // A separator of 3 pixels under the row: only the indent of a group the row closes leaves room for it.
    EXPECT_EQ(LevelIndentRects(row, 1, 15, glBoth, true, 3),
              (TuiGridLevelIndentRects{{25, 20, 39, 36}, {39, 20, 40, 36}, {25, 36, 40, 37}}));
    EXPECT_EQ(LevelIndentRects(row, 1, 15, glBoth, false, 3),
              (TuiGridLevelIndentRects{{25, 20, 39, 40}, {39, 20, 40, 40}, {}}));
}

TEST(GridLevelIndents, AnExpandButtonStandsThreePixelsInAndCentredInTheRow) {
    EXPECT_EQ(ExpandButtonInIndent({10, 20, 200, 41}, 25, 9), (vcl::TRect{28, 26, 37, 35}));
    EXPECT_EQ(ExpandButtonInIndent({0, 0, 100, 4}, 0, 9), (vcl::TRect{3, -2, 12, 7})) << "a low row centres it too";
}

} // namespace
} // namespace ui
