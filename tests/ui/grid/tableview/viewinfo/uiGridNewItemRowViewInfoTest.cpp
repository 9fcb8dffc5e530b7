#include "ui/grid/tableview/viewinfo/uiGridNewItemRowViewInfo.h"

#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/data/uiGridRecordHitTests.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

class GridNewItemRowViewInfoTest : public ui_test::GridTableLayoutTest {
protected:
    void SetUp() override {
        GridTableLayoutTest::SetUp();
        Fill(20);
        View->FilterRow().SetVisible(true);
        View->NewItemRow().SetVisible(true);
    }

    TuiGridViewData& ViewData() const { return static_cast<TuiGridViewData&>(View->ViewData()); }

    static vcl::TPoint CentreOf(const vcl::TRect& rect) {
        return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
    }

    // Pixels of area in painted that have colour.
    static int CountOf(const ui_test::TDibSurface& painted, const vcl::TRect& area, vcl::TColor color) {
        int count = 0;
        for (int y = area.Top; y < area.Bottom; ++y) {
            for (int x = area.Left; x < area.Right; ++x) {
                count += painted.Pixel(x, y) == color ? 1 : 0;
            }
        }
        return count;
    }

    static vcl::TColor Rgb(vcl::TColor color) { return static_cast<vcl::TColor>(vcl::ColorToRGB(color)); }
};

TEST_F(GridNewItemRowViewInfoTest, TheFilterRowThenTheNewItemRowStandUnderTheHeaderAboveTheRecords) {
    TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    ASSERT_EQ(viewInfo.SpecialRowCount(), 2);
    const TuiGridNewItemRowViewInfo& filter = viewInfo.SpecialRows(0);
    const TuiGridNewItemRowViewInfo& newItem = viewInfo.SpecialRows(1);
    EXPECT_EQ(filter.Kind(), TuiGridSpecialRowKind::Filter);
    EXPECT_EQ(newItem.Kind(), TuiGridSpecialRowKind::NewItem);
    const int32_t height = viewInfo.DataRowHeight() + 6;
    EXPECT_EQ(filter.Bounds(),
              (vcl::TRect{0, viewInfo.HeaderHeight(), viewInfo.DataWidth(), viewInfo.HeaderHeight() + height}));
    EXPECT_EQ(newItem.Bounds().Top, filter.Bounds().Bottom);
    EXPECT_EQ(newItem.Bounds().Height(), height);
    EXPECT_EQ(filter.SeparatorBounds().Height(), 6);
    EXPECT_EQ(viewInfo.Placement().RowsAreaBounds.Top, newItem.Bounds().Bottom);
    EXPECT_EQ(viewInfo.Rows(0).Bounds().Top, newItem.Bounds().Bottom);
    EXPECT_EQ(viewInfo.Rows(0).RowIndex(), 0);
    EXPECT_TRUE(filter.ShowsInfoText());
    EXPECT_EQ(filter.InfoText(), u"Click here to define a filter");
    EXPECT_EQ(newItem.InfoText(), u"Click here to add a new row");

    View->FilterRow().SetVisible(false);
    ASSERT_EQ(Layout().SpecialRowCount(), 1);
    EXPECT_EQ(Layout().SpecialRows(0).Kind(), TuiGridSpecialRowKind::NewItem);
    View->NewItemRow().SetVisible(false);
    EXPECT_EQ(Layout().SpecialRowCount(), 0);
    EXPECT_EQ(Layout().Rows(0).Bounds().Top, Layout().HeaderHeight());
}

TEST_F(GridNewItemRowViewInfoTest, HitTestsNameTheSpecialRowsRecordsAndThoseBelowTheirs) {
    TuiGridTableViewInfo& viewInfo = Layout();
    struct Case {
        vcl::TPoint Point;
        TuiCustomGridRecord* Record;
    } const cases[] = {
        {CentreOf(viewInfo.SpecialRows(0).Bounds()), ViewData().FilterRow()},
        {{2, viewInfo.SpecialRows(0).SeparatorBounds().Top + 1}, ViewData().FilterRow()},
        {CentreOf(viewInfo.SpecialRows(1).Bounds()), ViewData().NewItemRecord()},
    };
    for (const Case& c : cases) {
        TuiCustomGridHitTest& hitTest = viewInfo.GetHitTest(c.Point);
        ASSERT_EQ(hitTest.GetHitTestCode(), 106) << c.Point.X << "," << c.Point.Y;
        EXPECT_EQ(static_cast<TuiGridRecordHitTest&>(hitTest).GridRecord(), c.Record);
    }
    TuiCustomGridHitTest& cell = viewInfo.GetHitTest(CentreOf(viewInfo.Rows(0).Bounds()));
    EXPECT_EQ(cell.GetHitTestCode(), 107);
    EXPECT_EQ(static_cast<TuiGridRecordHitTest&>(cell).GridRecord(), View->ViewData().GetRecordAt(0));
}

TEST_F(GridNewItemRowViewInfoTest, PaintingShowsTheInfoTextsAndTheSeparatorsAndTwiceGivesTheSamePixels) {
    TuiGridTableViewInfo& viewInfo = Layout();
    const auto painted = Paint();
    EXPECT_EQ(painted->Surface.Pixels(), Paint()->Surface.Pixels());
    for (int32_t position = 0; position < 2; ++position) {
        const TuiGridNewItemRowViewInfo& row = viewInfo.SpecialRows(position);
        TuiDrawParams params;
        row.GetInfoTextParams(params);
        const vcl::TRect content = row.ContentBounds();
        EXPECT_EQ(painted->Surface.Pixel(content.Left + 2, content.Top + 2), Rgb(params.Color)) << position;
        EXPECT_GT(CountOf(painted->Surface, row.InfoTextBounds(), Rgb(params.TextColor)), 10) << position;
        const vcl::TRect separator = row.SeparatorBounds();
        EXPECT_EQ(painted->Surface.Pixel(CentreOf(separator).X, CentreOf(separator).Y), Rgb(row.SeparatorColor()))
            << position;
        EXPECT_EQ(CountOf(painted->Surface, row.Bounds(), vcl::clFuchsia), 0) << position;
    }
}

TEST_F(GridNewItemRowViewInfoTest, WithAFilterSetTheFilterRowShowsItsCellsWithGridLinesInsteadOfTheText) {
    View->DataController().Filter().AddItem(nullptr, View->Columns(2), fokGreater, rtl::Variant(3), u"3");
    TuiGridTableViewInfo& viewInfo = Layout();
    const TuiGridNewItemRowViewInfo& filter = viewInfo.SpecialRows(0);
    EXPECT_FALSE(filter.ShowsInfoText());
    EXPECT_TRUE(viewInfo.SpecialRows(1).ShowsInfoText());
    const auto painted = Paint();
    const vcl::TColor line = Rgb(viewInfo.GridLineColor());
    const vcl::TRect content = filter.ContentBounds();
    for (const vcl::TRect& cell : viewInfo.Placement().SpecialRows[0].Cells) {
        EXPECT_EQ(painted->Surface.Pixel(cell.Right - 1, content.Top + 2), line);
        EXPECT_EQ(painted->Surface.Pixel(cell.Left + 2, content.Bottom - 1), line);
    }
    EXPECT_EQ(painted->Surface.Pixels(), Paint()->Surface.Pixels());
}

} // namespace
} // namespace ui
