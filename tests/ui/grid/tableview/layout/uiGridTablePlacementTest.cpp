#include "ui/grid/tableview/layout/uiGridTablePlacement.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

#ifdef _WIN32
#include "tests/support/ui/TestForms.h"
#include "tests/ui/grid/tableview/ApplicationGridView.h"
#include "ui/grid/tableview/uiGridColumn.h"
#endif

namespace ui {
namespace {

// What every placement must hold, whatever the measures.
void ExpectPlacementInvariants(const TuiGridTableMeasures& measures, const TuiGridTablePlacement& placement) {
    const vcl::TRect& client = measures.ClientBounds;
    const int contentLeft = client.Left + measures.IndicatorWidth - measures.LeftPos;
    const int top = placement.GroupByBoxBounds.Bottom;
    EXPECT_EQ(placement.GroupByBoxBounds, (vcl::TRect{client.Left, client.Top, client.Right, top}));
    EXPECT_EQ(placement.IndicatorBounds,
              (vcl::TRect{client.Left, top, client.Left + measures.IndicatorWidth, client.Bottom}));
    const int64_t dataRight = int64_t{contentLeft} + TableDataWidth(measures.ColumnWidths);
    const int64_t clampedDataRight = std::min<int64_t>(dataRight, std::numeric_limits<int>::max());

    ASSERT_EQ(placement.ColumnHeaders.size(), measures.ColumnWidths.size());
    int expectedLeft = contentLeft;
    for (const vcl::TRect& header : placement.ColumnHeaders) {
        EXPECT_EQ(header.Left, expectedLeft) << "header cells stand side by side";
        EXPECT_EQ(header.Top, top);
        EXPECT_EQ(header.Bottom, placement.HeaderBounds.Bottom);
        EXPECT_GE(header.Right, header.Left);
        expectedLeft = header.Right;
    }
    EXPECT_EQ(placement.HeaderBounds.Left, contentLeft);
    EXPECT_EQ(placement.HeaderBounds.Right, clampedDataRight);
    EXPECT_EQ(placement.RowsAreaBounds.Left, contentLeft);
    EXPECT_EQ(placement.RowsAreaBounds.Right, clampedDataRight);
    int specialTop = placement.HeaderBounds.Bottom;
    ASSERT_EQ(placement.SpecialRows.size(), measures.SpecialRowHeights.size());
    for (const TuiGridRowPlacement& special : placement.SpecialRows) {
        EXPECT_EQ(special.Bounds.Top, specialTop) << "special rows stack under the header";
        EXPECT_LE(special.Bounds.Bottom, placement.RowsAreaBounds.Bottom) << "special rows stay above the footer";
        EXPECT_EQ(special.Cells.size(), placement.ColumnHeaders.size());
        specialTop = special.Bounds.Bottom;
    }
    EXPECT_EQ(placement.RowsAreaBounds.Top, specialTop);
    EXPECT_EQ(placement.RowsAreaBounds.Bottom, placement.FooterBounds.Top) << "the footer closes the rows area";
    EXPECT_EQ(placement.FooterBounds.Bottom, client.Bottom);
    EXPECT_EQ(placement.FooterBounds.Left, placement.HeaderBounds.Left);
    EXPECT_EQ(placement.FooterBounds.Right, placement.HeaderBounds.Right);
    EXPECT_LE(placement.FooterBounds.Height(), std::max(measures.FooterHeight, 0));

    int expectedTop = placement.RowsAreaBounds.Top;
    for (size_t r = 0; r < placement.Rows.size(); ++r) {
        const TuiGridRowPlacement& row = placement.Rows[r];
        EXPECT_EQ(row.Bounds.Top, expectedTop) << "rows stack without gaps, row " << r;
        EXPECT_GE(row.Bounds.Height(), 1) << "row " << r;
        EXPECT_LT(row.Bounds.Top, placement.RowsAreaBounds.Bottom) << "row " << r;
        if (r + 1 < placement.Rows.size()) {
            EXPECT_LE(row.Bounds.Bottom, placement.RowsAreaBounds.Bottom) << "only the last row may reach past";
        }
        EXPECT_EQ(row.Bounds.Left, placement.RowsAreaBounds.Left);
        EXPECT_EQ(row.Bounds.Right, placement.RowsAreaBounds.Right);
        ASSERT_EQ(row.Cells.size(), placement.ColumnHeaders.size());
        for (size_t c = 0; c < row.Cells.size(); ++c) {
            const vcl::TRect& header = placement.ColumnHeaders[c];
            const int realWidth =
                std::max(ColumnHeaderRealWidth(header.Width(), c == 0, measures.LevelIndentsWidth), 0);
            EXPECT_EQ(row.Cells[c].Right, header.Right) << "cell under its header, row " << r << " column " << c;
            EXPECT_EQ(row.Cells[c].Width(), realWidth) << "row " << r << " column " << c;
            EXPECT_EQ(row.Cells[c].Top, row.Bounds.Top);
            EXPECT_EQ(row.Cells[c].Bottom, row.Bounds.Bottom);
        }
        expectedTop = row.Bounds.Bottom;
    }
}

TuiGridTablePlacement PlaceAndCheck(const TuiGridTableMeasures& measures) {
    TuiGridTablePlacement placement = PlaceTableView(measures);
    ExpectPlacementInvariants(measures, placement);
    TuiGridTablePlacement withoutRows = placement;
    withoutRows.Rows.clear();
    withoutRows.VisibleRows = {};
    EXPECT_EQ(PlaceTableBands(measures), withoutRows) << "the bands do not depend on the rows";
    return placement;
}

TEST(GridTablePlacement, RowsFillTheContentAsTheirHeightsAllow) {
    const std::vector<int> widths{40, 60, 50};
    struct Case {
        const char* Name;
        int RowsAreaHeight;
        int RecordCount;
        int RowHeight;
        size_t LaidOut;
        int Visible;
        int PartlyVisible;
        bool FirstRowComplete;
        int FooterHeight = 0;
    };
    const Case cases[] = {
        {"filled exactly", 5 * 18, 8, 18, 5, 5, 5, true},
        {"one pixel less", 5 * 18 - 1, 8, 18, 5, 4, 5, true},
        {"less than a row", 10, 8, 18, 1, 1, 1, false},
        {"fewer records than room", 200, 3, 18, 3, 3, 3, true},
        {"rows measuring 0 are 1 pixel", 7, 100, 0, 7, 7, 7, true},
        {"a footer takes its height from the rows", 5 * 18 + 20, 8, 18, 5, 5, 5, true, 20},
        {"a footer one pixel higher leaves the last row partly visible", 5 * 18 + 20, 8, 18, 5, 4, 5, true, 21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const std::vector<int> heights(static_cast<size_t>(c.RecordCount), c.RowHeight);
        const int headerHeight = 21;
        TuiGridTableMeasures measures;
        measures.ClientBounds = {2, 3, 300, 3 + headerHeight + c.RowsAreaHeight};
        measures.HeaderHeight = headerHeight;
        measures.FooterHeight = c.FooterHeight;
        measures.ColumnWidths = widths;
        measures.RecordHeights = heights;
        const TuiGridTablePlacement placement = PlaceAndCheck(measures);
        EXPECT_EQ(placement.FooterBounds.Height(), c.FooterHeight);
        EXPECT_EQ(placement.Rows.size(), c.LaidOut);
        EXPECT_EQ(placement.VisibleRows.VisibleCount, c.Visible);
        EXPECT_EQ(placement.VisibleRows.PartlyVisibleCount, c.PartlyVisible);
        EXPECT_EQ(placement.VisibleRows.FirstRowComplete, c.FirstRowComplete);
    }
}

TEST(GridTablePlacement, LeftPositionTopRecordAndLevelIndentsMovePlaces) {
    const std::vector<int> widths{40, 60, 50};
    const std::vector<int> heights{18, 30, 18, 18};
    TuiGridTableMeasures measures;
    measures.ClientBounds = {0, 0, 120, 100};
    measures.HeaderHeight = 20;
    measures.ColumnWidths = widths;
    measures.RecordHeights = heights;
    measures.LeftPos = 30;
    measures.TopRecordIndex = 1;
    measures.LevelIndentsWidth = 16;
    const TuiGridTablePlacement placement = PlaceAndCheck(measures);

    EXPECT_EQ(placement.ColumnHeaders[0], (vcl::TRect{-30, 0, 10, 20}));
    EXPECT_EQ(placement.ColumnHeaders[2], (vcl::TRect{70, 0, 120, 20}));
    ASSERT_EQ(placement.Rows.size(), 3u);
    EXPECT_EQ(placement.Rows[0].RecordIndex, 1);
    EXPECT_EQ(placement.Rows[0].Bounds, (vcl::TRect{-30, 20, 120, 50}));
    EXPECT_EQ(placement.Rows[0].Cells[0], (vcl::TRect{-14, 20, 10, 50})) << "the first cell leaves the level indents";
    EXPECT_EQ(placement.Rows[2].RecordIndex, 3);
}

TEST(GridTablePlacement, TheIndicatorStaysAtTheLeftAndAnswersForItsItems) {
    const std::vector<int> widths{40, 60, 50};
    const std::vector<int> heights{18, 18, 18, 18};
    TuiGridTableMeasures measures;
    measures.ClientBounds = {0, 0, 140, 90};
    measures.HeaderHeight = 20;
    measures.FooterHeight = 20;
    measures.IndicatorWidth = 12;
    measures.LeftPos = 30;
    measures.ColumnWidths = widths;
    measures.RecordHeights = heights;
    const TuiGridTablePlacement placement = PlaceAndCheck(measures);
    EXPECT_EQ(placement.ColumnHeaders[0].Left, 12 - 30) << "the bands scroll right of the indicator";
    EXPECT_EQ(TableContentBounds(placement, measures.ClientBounds), (vcl::TRect{12, 0, 140, 90}));
    ASSERT_EQ(placement.Rows.size(), 3u); // rows at 20, 38, 56 (the last under the footer at 70)

    using enum TuiGridPlacementSpotKind;
    struct Case {
        vcl::TPoint Point;
        bool RowsSizable;
        TuiGridPlacementSpot Spot;
    };
    const Case cases[] = {
        {{5, 10}, false, {IndicatorHeader}},     {{5, 25}, false, {RowIndicator, -1, 0}},
        {{5, 37}, false, {RowIndicator, -1, 0}}, {{5, 37}, true, {RowSizingEdge, -1, 0}},
        {{5, 40}, true, {RowSizingEdge, -1, 0}}, {{5, 42}, true, {RowIndicator, -1, 1}},
        {{5, 80}, false, {Indicator}},           {{5, 72}, true, {Indicator}},
        {{12, 25}, false, {DataCell, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LocateInTablePlacement(placement, c.Point, true, c.RowsSizable), c.Spot)
            << c.Point.X << "," << c.Point.Y << (c.RowsSizable ? " sizable" : "");
    }
}

TEST(GridTablePlacement, SpecialRowsStandUnderTheHeaderAndTheRecordsUnderThem) {
    const std::vector<int> widths{40, 60};
    const std::vector<int> heights(10, 18);
    const std::vector<int> specialHeights{24, 24};
    TuiGridTableMeasures measures;
    measures.ClientBounds = {0, 0, 140, 120};
    measures.HeaderHeight = 20;
    measures.ColumnWidths = widths;
    measures.RecordHeights = heights;
    measures.SpecialRowHeights = specialHeights;
    const TuiGridTablePlacement placement = PlaceAndCheck(measures);
    EXPECT_EQ(placement.SpecialRows[0].Bounds, (vcl::TRect{0, 20, 100, 44}));
    EXPECT_EQ(placement.SpecialRows[1].Bounds, (vcl::TRect{0, 44, 100, 68}));
    EXPECT_EQ(placement.Rows.front().Bounds.Top, 68);
    EXPECT_EQ(placement.VisibleRows.VisibleCount, 52 / 18);
    using enum TuiGridPlacementSpotKind;
    EXPECT_EQ(LocateInTablePlacement(placement, {50, 30}, true), (TuiGridPlacementSpot{SpecialRowCell, 1, 0}));
    EXPECT_EQ(LocateInTablePlacement(placement, {10, 50}, true), (TuiGridPlacementSpot{SpecialRowCell, 0, 1}));
    EXPECT_EQ(LocateInTablePlacement(placement, {10, 70}, true), (TuiGridPlacementSpot{DataCell, 0, 0}));

    measures.ClientBounds = {0, 0, 140, 50}; // room for part of the first special row only
    const TuiGridTablePlacement crowded = PlaceAndCheck(measures);
    EXPECT_EQ(crowded.SpecialRows[0].Bounds.Bottom, 44);
    EXPECT_EQ(crowded.SpecialRows[1].Bounds, (vcl::TRect{0, 44, 100, 50}));
    EXPECT_EQ(crowded.Rows.size(), 0U);
}

TEST(GridTablePlacement, TheGroupByBoxTakesTheTopOverTheWholeWidthAndDoesNotScroll) {
    const std::vector<int> widths{40, 60, 50};
    const std::vector<int> heights(10, 18);
    TuiGridTableMeasures measures;
    measures.ClientBounds = {0, 0, 140, 120};
    measures.GroupByBoxHeight = 30;
    measures.HeaderHeight = 20;
    measures.IndicatorWidth = 12;
    measures.LeftPos = 25;
    measures.ColumnWidths = widths;
    measures.RecordHeights = heights;
    const TuiGridTablePlacement placement = PlaceAndCheck(measures);
    EXPECT_EQ(placement.GroupByBoxBounds, (vcl::TRect{0, 0, 140, 30}));
    EXPECT_EQ(placement.HeaderBounds.Top, 30);
    EXPECT_EQ(placement.Rows.front().Bounds.Top, 50);
    EXPECT_EQ(placement.VisibleRows.VisibleCount, 70 / 18);
    EXPECT_EQ(TableContentBounds(placement, measures.ClientBounds), (vcl::TRect{12, 30, 140, 120}));
    EXPECT_EQ(LocateInTablePlacement(placement, {5, 5}, true, true).Kind, TuiGridPlacementSpotKind::GroupByBox);
    EXPECT_EQ(LocateInTablePlacement(placement, {5, 35}, true, true).Kind, TuiGridPlacementSpotKind::IndicatorHeader);

    measures.GroupByBoxHeight = 500; // taller than the client: nothing else shows
    const TuiGridTablePlacement crowded = PlaceAndCheck(measures);
    EXPECT_EQ(crowded.GroupByBoxBounds.Bottom, 120);
    EXPECT_TRUE(crowded.Rows.empty());
}

TEST(GridTablePlacement, EdgeMeasuresStayWithinTheIntegerRangeAndTheClient) {
    constexpr int maxInt = std::numeric_limits<int>::max();
    const std::vector<int> hugeWidths{maxInt, maxInt, 10};
    const std::vector<int> heights{18, 18};
    TuiGridTableMeasures measures;
    measures.ClientBounds = {0, 0, 200, 50};
    measures.HeaderHeight = 80; // taller than the client: the header takes it all, no row shows
    measures.FooterHeight = 30; // nor the footer
    measures.ColumnWidths = hugeWidths;
    measures.RecordHeights = heights;
    TuiGridTablePlacement placement = PlaceAndCheck(measures);
    EXPECT_EQ(placement.HeaderBounds.Right, maxInt);
    EXPECT_EQ(placement.HeaderBounds.Bottom, 50);
    EXPECT_TRUE(placement.FooterBounds.IsEmpty());
    EXPECT_TRUE(placement.Rows.empty());

    measures.HeaderHeight = 0;
    measures.TopRecordIndex = 5; // past the records
    placement = PlaceAndCheck(measures);
    EXPECT_EQ(placement.RowsAreaBounds.Top, 0);
    EXPECT_TRUE(placement.Rows.empty());
    EXPECT_EQ(placement.VisibleRows.VisibleCount, 0);
}

vcl::TPoint PlacementCentre(const vcl::TRect& rect) {
    return {rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2};
}

TEST(GridTablePlacement, LocatingRoundTripsEveryLaidOutPlace) {
    using enum TuiGridPlacementSpotKind;
    const std::vector<int> widths{40, 60, 50};
    const std::vector<int> heights{18, 30, 18};
    TuiGridTableMeasures measures;
    measures.ClientBounds = {0, 0, 200, 150};
    measures.HeaderHeight = 20;
    measures.LevelIndentsWidth = 10;
    measures.ColumnWidths = widths;
    measures.RecordHeights = heights;
    const TuiGridTablePlacement placement = PlaceAndCheck(measures);
    ASSERT_EQ(placement.Rows.size(), 3u);

    for (const TuiGridRowPlacement& row : placement.Rows) {
        for (size_t c = 0; c < row.Cells.size(); ++c) {
            EXPECT_EQ(LocateInTablePlacement(placement, PlacementCentre(row.Cells[c]), true),
                      (TuiGridPlacementSpot{DataCell, static_cast<int>(c), row.RecordIndex}));
        }
    }
    for (size_t c = 0; c < placement.ColumnHeaders.size(); ++c) {
        const vcl::TRect& header = placement.ColumnHeaders[c];
        const int column = static_cast<int>(c);
        EXPECT_EQ(LocateInTablePlacement(placement, PlacementCentre(header), true),
                  (TuiGridPlacementSpot{ColumnHeader, column}));
        for (const int dx : {-4, -3, 0, 3}) {
            EXPECT_EQ(LocateInTablePlacement(placement, {header.Right + dx, header.Top + 5}, true),
                      (TuiGridPlacementSpot{ColumnHeaderSizingEdge, column}))
                << "column " << c << " offset " << dx;
        }
        EXPECT_NE(LocateInTablePlacement(placement, {header.Right + 4, header.Top + 5}, true).Kind,
                  ColumnHeaderSizingEdge);
        EXPECT_EQ(LocateInTablePlacement(placement, {header.Right - 1, header.Top + 5}, false),
                  (TuiGridPlacementSpot{ColumnHeader, column}))
            << "no sizing edge when columns cannot be sized";
    }
    EXPECT_EQ(LocateInTablePlacement(placement, {5, 30}, true), (TuiGridPlacementSpot{Record, -1, 0}))
        << "the level indents belong to the row";
    EXPECT_EQ(LocateInTablePlacement(placement, {20, placement.Rows.back().Bounds.Bottom}, true),
              TuiGridPlacementSpot{});
    EXPECT_EQ(LocateInTablePlacement(placement, {190, 30}, true), TuiGridPlacementSpot{}) << "right of the data";
}

TEST(GridTablePlacement, OffsettingByRecordsKeepsTheRowsStillShownAndEqualsAFreshPlacement) {
    const std::vector<int> widths{40, 60};
    const std::vector<int> heights{18, 30, 18, 25, 18, 18, 40, 18, 18, 18, 18, 18};
    struct Case {
        int FromTop;
        int ToTop;
        int Kept;
    };
    const Case cases[] = {
        {0, 2, 3},  // down by 2 of 5 laid out: the three below move up by 18 + 30
        {2, 0, 3},  // up by 2: the rows pushed past the bottom go
        {0, 1, 4},  //
        {0, 5, 0},  // as many as are laid out: placed anew
        {4, 0, 1},  // up by 4 of 5 laid out: four new rows fill all but the last
        {3, 3, 0},  // no move: placed anew
        {8, 11, 1}, // the last records: fewer rows than room
        {6, 9, 2},  //
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.FromTop << " to " << c.ToTop);
        TuiGridTableMeasures measures;
        measures.ClientBounds = {0, 0, 120, 20 + 100};
        measures.HeaderHeight = 20;
        measures.ColumnWidths = widths;
        measures.RecordHeights = heights;
        measures.TopRecordIndex = c.FromTop;
        TuiGridTablePlacement placement = PlaceAndCheck(measures);
        measures.TopRecordIndex = c.ToTop;
        EXPECT_EQ(OffsetTablePlacement(placement, measures), c.Kept);
        EXPECT_EQ(placement, PlaceTableView(measures));
        ExpectPlacementInvariants(measures, placement);
    }
}

#ifdef _WIN32
// The application's fourteen columns, with their stored or default widths, under a header of 24 pixels.
TEST(GridTablePlacement, ApplicationColumnsStandSideBySideOverTheirCells) {
    auto form = ui_test::CreateTestForm<ui_test::TApplicationGridForm>();
    ui_test::LoadApplicationGridView(*form);
    std::vector<int> widths;
    for (int32_t i = 0; i < 14; ++i) {
        widths.push_back(form->View->VisibleColumns(i)->Width());
    }
    const std::vector<int> heights(40, 19);
    TuiGridTableMeasures measures;
    measures.ClientBounds = {0, 0, 640, 24 + 10 * 19 + 5};
    measures.HeaderHeight = 24;
    measures.ColumnWidths = widths;
    measures.RecordHeights = heights;
    const TuiGridTablePlacement placement = PlaceAndCheck(measures);

    EXPECT_EQ(placement.ColumnHeaders[0], (vcl::TRect{0, 0, 52, 24}));
    EXPECT_EQ(placement.ColumnHeaders[2].Width(), 78);
    EXPECT_EQ(placement.ColumnHeaders[10].Width(), 106);
    EXPECT_EQ(placement.RowsAreaBounds.Right, TableDataWidth(widths));
    ASSERT_EQ(placement.Rows.size(), 11u);
    EXPECT_EQ(placement.VisibleRows.VisibleCount, 10);
    EXPECT_EQ(placement.Rows[10].Bounds, (vcl::TRect{0, 24 + 10 * 19, TableDataWidth(widths), 24 + 11 * 19}));
}
#endif

} // namespace
} // namespace ui
