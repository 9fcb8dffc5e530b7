#include "tests/support/ui/MessagePump.h"
#include "tests/ui/grid/tableview/viewinfo/GridTableLayoutSupport.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/editors/text/textedit/uiTextEditViewInfo.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/controller/uiGridIncSearch.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/data/uiGridRecordHitTests.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/tableview/controller/uiGridSizingObjects.h"
#include "ui/grid/tableview/controller/uiGridTableController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableBehaviorAndFiltering.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableViewStyles.h"
#include "ui/grid/tableview/viewinfo/uiGridColumnHeaderViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridDataRowViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridPreviewCellViewInfo.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfoCache.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace ui {
namespace {

constexpr char16_t LongText[] = u"a long text that breaks into several rows in its narrow column";

vcl::TColor Rgb(vcl::TColor color) {
    return static_cast<vcl::TColor>(vcl::ColorToRGB(color));
}

vcl::TPoint CentreOfRect(const vcl::TRect& rect) {
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
}

class GridDataRowLayoutTest : public ui_test::GridTableLayoutTest {
protected:
    void SetValues(int column, std::initializer_list<std::pair<int, rtl::Variant>> values) {
        View->BeginUpdate();
        for (const auto& [record, value] : values) {
            View->DataController().SetValue(record, column, value);
        }
        View->EndUpdate();
    }

    // The "No" column holds 0, 0, 0, 1, 1, 1 and groups the records; the first group is expanded.
    void GroupByNo() {
        SetValues(2, {{0, rtl::Variant(0)},
                      {1, rtl::Variant(0)},
                      {2, rtl::Variant(0)},
                      {3, rtl::Variant(1)},
                      {4, rtl::Variant(1)},
                      {5, rtl::Variant(1)}});
        View->Columns(2)->SetGroupIndex(0);
        View->ViewData().GetRecordAt(0)->SetExpanded(true);
    }

    vcl::TColor GroupColor(int32_t level) const {
        TuiDrawParams params;
        View->Styles().GetGroupParams(nullptr, level, params);
        return Rgb(params.Color);
    }

    TuiGridTableViewInfoCacheItem* CacheItem(int32_t rowIndex) const {
        return static_cast<TuiGridTableViewInfoCache*>(View->ViewInfoCache())->RowItem(rowIndex);
    }
};

TEST_F(GridDataRowLayoutTest, RowsWhoseCellsSetTheirHeightsGrowForLongTextAndNeverShrinkBelowTheCommonHeight) {
    Fill(6);
    SetValues(0, {{1, rtl::Variant(rtl::UnicodeString(LongText))}});
    View->OptionsView().SetCellAutoHeight(true);
    const TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    const int32_t common = viewInfo.DataRowHeight();
    EXPECT_EQ(viewInfo.Rows(0).Bounds().Height(), common) << "short values keep the common height";
    const int32_t tall = viewInfo.Rows(1).Bounds().Height();
    EXPECT_GT(tall, 2 * (common - 1)) << "the long text takes several rows";
    const auto* text = dynamic_cast<const TuiCustomTextEditViewInfo*>(&viewInfo.Rows(1).Cells(0).EditViewInfo());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->TextFlags & tlSingleLine, 0u) << "the cell's text breaks into rows";
    const auto painted = Paint();
    EXPECT_EQ(painted->Surface.Pixels(), Paint()->Surface.Pixels());

    View->OptionsView().SetCellTextMaxLineCount(1);
    EXPECT_EQ(Layout().Rows(1).Bounds().Height(), common) << "one line at most";

    View->OptionsView().SetCellTextMaxLineCount(0);
    View->OptionsView().SetDataRowHeight(30);
    const TuiGridTableViewInfo& stored = Layout();
    for (int32_t i = 0; i < stored.RowCount(); ++i) {
        EXPECT_EQ(stored.Rows(i).Bounds().Height(), 30) << "a stored height rules, row " << i;
    }
}

TEST_F(GridDataRowLayoutTest, AMeasuredHeightIsKeptPerRowUntilTheDataChanges) {
    Fill(6);
    SetValues(0, {{1, rtl::Variant(rtl::UnicodeString(LongText))}});
    View->OptionsView().SetCellAutoHeight(true);
    const int32_t tall = Layout().Rows(1).Bounds().Height();
    TuiGridTableViewInfoCacheItem* item = CacheItem(1);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->IsHeightAssigned);
    EXPECT_EQ(item->Height, tall);
    item->Height = tall + 7;
    EXPECT_EQ(Layout().Rows(1).Bounds().Height(), tall + 7) << "the layout reads the kept height";

    SetValues(0, {{1, rtl::Variant(rtl::UnicodeString(u"short"))}});
    EXPECT_EQ(Layout().Rows(1).Bounds().Height(), Layout().DataRowHeight()) << "measured again after the change";

    View->DataController().SetValue(1, 0, rtl::Variant(rtl::UnicodeString(LongText)));
    ui_test::PumpMessages(20);
    EXPECT_EQ(Layout().Rows(1).Bounds().Height(), tall) << "a record's own change measures it again";
}

TEST_F(GridDataRowLayoutTest, ScrollingRowsOfMeasuredHeightsGivesTheLayoutOfTheNewTop) {
    Fill(30);
    for (int record = 0; record < 30; record += 3) {
        SetValues(0, {{record, rtl::Variant(rtl::UnicodeString(LongText))}});
    }
    View->OptionsView().SetCellAutoHeight(true);
    Layout();
    ScrollTo(4);
    TuiGridTableViewInfo& scrolled = static_cast<TuiGridTableViewInfo&>(View->ViewInfo());
    ui_test::ExpectLayoutInvariants(scrolled);
    const TuiGridTablePlacement afterScroll = scrolled.Placement();
    EXPECT_EQ(afterScroll.Rows.front().RecordIndex, 4);
    EXPECT_EQ(Layout().Placement(), afterScroll) << "a fresh layout at the same top places the rows alike";
}

TEST_F(GridDataRowLayoutTest, ACellHeightHandlerSetsTheRowsHeightsOverTheStoredAndTheCommonHeight) {
    Fill(6);
    View->OptionsView().SetDataRowHeight(30);
    struct TAsked {
        TuiCustomGridRecord* Record;
        TuiGridColumn* Column;
        TuiGridDataCellViewInfo* Cell;
    };
    std::vector<TAsked> asked;
    View->SetOnGetCellHeight([&](TuiGridTableView& sender, TuiCustomGridRecord* record, TuiGridColumn* column,
                                 TuiGridDataCellViewInfo* cell, int32_t& height) {
        EXPECT_EQ(&sender, View);
        asked.push_back({record, column, cell});
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(&cell->Column(), column);
        EXPECT_EQ(cell->Row().GridRecord(), record) << "the cell of the record's row";
        EXPECT_GT(height, 0) << "the measured height comes in";
        const int32_t recordIndex = record->RecordIndex();
        if (recordIndex == 1 && column == View->Columns(1)) {
            height = 40;
        } else if (recordIndex == 2) {
            height = 3;
        } else if (recordIndex == 3) {
            height = -5;
        }
    });
    const TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.front().Record, viewInfo.Rows(0).GridRecord());
    EXPECT_EQ(asked.front().Column, View->VisibleColumns(0));

    const TuiGridDataRowViewInfo& tall = viewInfo.Rows(1);
    EXPECT_EQ(tall.Bounds().Height(), 40 + TuiGridTableViewInfo::GridLineWidth) << "the tallest cell and its line";
    for (int32_t i = 0; i < tall.CellCount(); ++i) {
        EXPECT_EQ(tall.Cells(i).Bounds().Height(), tall.Bounds().Height()) << "every cell takes the row's height";
    }
    EXPECT_EQ(viewInfo.Rows(2).Bounds().Height(), 3 + TuiGridTableViewInfo::GridLineWidth)
        << "lower than the stored height";
    EXPECT_EQ(viewInfo.Rows(3).Bounds().Height(), TuiGridTableViewInfo::GridLineWidth) << "a negative height is 0";
    EXPECT_EQ(viewInfo.Rows(0).Bounds().Height(), viewInfo.Rows(4).Bounds().Height())
        << "rows the handler leaves keep their measured heights";

    View->OptionsView().SetGridLines(glNone);
    EXPECT_EQ(Layout().Rows(3).Bounds().Height(), 1) << "a row keeps a pixel";
}

TEST_F(GridDataRowLayoutTest, ACellHeightHandlerIsAskedOnlyForTheRowsLaidOut) {
    Fill(40);
    std::set<int32_t> askedRecords;
    View->SetOnGetCellHeight([&](TuiGridTableView&, TuiCustomGridRecord* record, TuiGridColumn*,
                                 TuiGridDataCellViewInfo*, int32_t&) { askedRecords.insert(record->RecordIndex()); });
    ui_test::PumpMessages(20);
    // The grid lays the view out at its own size once the handler is set.
    const auto& viewInfo = static_cast<const TuiGridTableViewInfo&>(View->ViewInfo());
    ASSERT_GT(viewInfo.RowCount(), 0);
    ASSERT_LT(viewInfo.RowCount(), 40) << "the rows fill the view";
    std::set<int32_t> laidOut;
    for (int32_t i = 0; i < viewInfo.RowCount(); ++i) {
        laidOut.insert(viewInfo.Rows(i).GridRecord()->RecordIndex());
    }
    EXPECT_EQ(askedRecords, laidOut);
}

TEST_F(GridDataRowLayoutTest, SettingOrClearingACellHeightHandlerMeasuresTheRowsAgain) {
    Fill(6);
    View->OptionsView().SetCellAutoHeight(true);
    const int32_t common = Layout().Rows(1).Bounds().Height();
    View->SetOnGetCellHeight([](TuiGridTableView&, TuiCustomGridRecord*, TuiGridColumn*, TuiGridDataCellViewInfo*,
                                int32_t& height) { height = 40; });
    EXPECT_EQ(Layout().Rows(1).Bounds().Height(), 40 + TuiGridTableViewInfo::GridLineWidth);
    View->SetOnGetCellHeight(nullptr);
    EXPECT_EQ(Layout().Rows(1).Bounds().Height(), common);
}

TEST_F(GridDataRowLayoutTest, TheCellsOfARowAHandlerHeightensArePaintedDownToItsNewBottom) {
    Fill(6);
    View->SetOnGetCellHeight(
        [](TuiGridTableView&, TuiCustomGridRecord* record, TuiGridColumn*, TuiGridDataCellViewInfo*, int32_t& height) {
            if (record->RecordIndex() == 1) {
                height = 45;
            }
        });
    const TuiGridTableViewInfo& viewInfo = Layout();
    const TuiGridDataCellViewInfo& cell = viewInfo.Rows(1).Cells(0);
    const int32_t common = viewInfo.Rows(0).Bounds().Height();
    ASSERT_EQ(cell.Bounds().Height(), 45 + TuiGridTableViewInfo::GridLineWidth);
    const auto painted = Paint();
    EXPECT_EQ(painted->Surface.Pixels(), Paint()->Surface.Pixels());
    const vcl::TColor gridLine = Rgb(viewInfo.GridLineColor());
    const vcl::TRect& bounds = cell.Bounds();
    const int32_t middle = (bounds.Left + bounds.Right) / 2;
    EXPECT_EQ(painted->Surface.Pixel(middle, bounds.Bottom - 1), gridLine) << "the bottom line at the new bottom";
    EXPECT_NE(painted->Surface.Pixel(middle + 1, bounds.Top + common - 1), gridLine) << "no line at the common height";
    EXPECT_EQ(painted->Surface.Pixel(bounds.Right - 1, bounds.Bottom - 2), gridLine) << "the right line reaches down";
    EXPECT_EQ(viewInfo.Rows(2).Bounds().Top, bounds.Bottom) << "the next row follows";
}

TEST_F(GridDataRowLayoutTest, DataRowsStandRightOfTheirLevelIndentsPaintedWithTheirGridLines) {
    Fill(6);
    GroupByNo();
    TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    ASSERT_EQ(viewInfo.RowCount(), 5);
    EXPECT_EQ(viewInfo.LevelCount(), 1);
    const TuiGridDataRowViewInfo& first = viewInfo.Rows(1);
    const TuiGridDataRowViewInfo& last = viewInfo.Rows(3);
    ASSERT_EQ(first.GroupRow(), nullptr);
    EXPECT_EQ(first.Cells(0).Bounds().Left, first.Bounds().Left + viewInfo.LevelIndent());
    EXPECT_EQ(first.Cells(0).Bounds().Right, viewInfo.ColumnHeaders(0).Bounds().Right);

    const auto painted = Paint();
    EXPECT_EQ(painted->Surface.Pixels(), Paint()->Surface.Pixels());
    const vcl::TColor gridLine = Rgb(viewInfo.GridLineColor());
    const int32_t indentRight = first.Bounds().Left + viewInfo.LevelIndent();
    EXPECT_EQ(painted->Surface.Pixel(first.Bounds().Left + 2, first.Bounds().Top + 2), GroupColor(0));
    EXPECT_EQ(painted->Surface.Pixel(indentRight - 1, first.Bounds().Top + 2), gridLine) << "the right line";
    EXPECT_EQ(painted->Surface.Pixel(first.Bounds().Left + 2, first.Bounds().Bottom - 1), GroupColor(0))
        << "the group goes on below";
    EXPECT_EQ(painted->Surface.Pixel(last.Bounds().Left + 2, last.Bounds().Bottom - 1), gridLine)
        << "the last record closes its group";

    TuiCustomGridHitTest& indent = viewInfo.GetHitTest({first.Bounds().Left + 2, first.Bounds().Top + 2});
    EXPECT_EQ(indent.GetHitTestCode(), 213);
    EXPECT_FALSE(static_cast<TuiGridRecordHitTest&>(indent).AllowsRecordSelection());
    EXPECT_EQ(static_cast<TuiGridRecordHitTest&>(indent).GridRecord(), first.GridRecord());
    const TuiGridDataRowViewInfo& inner = viewInfo.Rows(0);
    EXPECT_EQ(viewInfo.GetHitTest({inner.Bounds().Right - 3, inner.Bounds().Top + 2}).GetHitTestCode(), 106);
}

TEST_F(GridDataRowLayoutTest, RowSeparatorsLieUnderTheCellsAndReachOverTheIndentsOfTheGroupsTheyClose) {
    Fill(6);
    GroupByNo();
    View->OptionsView().SetRowSeparatorWidth(3);
    View->OptionsView().SetRowSeparatorColor(vcl::clRed);
    TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    const TuiGridDataRowViewInfo& inner = viewInfo.Rows(1);
    const TuiGridDataRowViewInfo& closing = viewInfo.Rows(3);
    EXPECT_EQ(inner.Bounds().Height(), viewInfo.DataRowHeight() + 3);
    EXPECT_EQ(viewInfo.Rows(0).Bounds().Height(), viewInfo.GroupRowHeight() + 3);
    EXPECT_EQ(inner.SeparatorBounds(), (vcl::TRect{inner.Cells(0).Bounds().Left, inner.Cells(0).Bounds().Bottom,
                                                   inner.Bounds().Right, inner.Bounds().Bottom}));
    EXPECT_EQ(closing.SeparatorBounds().Left, closing.Bounds().Left) << "over the indent of the group it closes";

    const auto painted = Paint();
    EXPECT_EQ(painted->Surface.Pixels(), Paint()->Surface.Pixels());
    EXPECT_EQ(painted->Surface.Pixel(inner.Bounds().Right - 5, inner.Bounds().Bottom - 2), Rgb(vcl::clRed));
    EXPECT_EQ(painted->Surface.Pixel(inner.Bounds().Left + 2, inner.Bounds().Bottom - 2), GroupColor(0))
        << "the group goes on below";
    EXPECT_EQ(painted->Surface.Pixel(closing.Bounds().Left + 2, closing.Bounds().Bottom - 2), Rgb(vcl::clRed));

    View->OptionsView().SetRowSeparatorWidth(0);
    View->OptionsView().SetGridLines(glVertical);
    TuiGridTableViewInfo& vertical = Layout();
    ui_test::ExpectLayoutInvariants(vertical);
    const TuiGridDataRowViewInfo& last = vertical.Rows(vertical.RowCount() - 1);
    ASSERT_EQ(last.RowIndex() + 1, View->DataController().GetRowCount());
    EXPECT_EQ(last.Bounds().Height(), vertical.GroupRowHeight() + 1) << "the last row closes the rows";
    EXPECT_TRUE(vertical.Rows(0).ClosingLineBounds().IsEmpty());
    const auto lined = Paint();
    EXPECT_EQ(lined->Surface.Pixel(last.Bounds().Right - 5, last.Bounds().Bottom - 1), Rgb(vertical.GridLineColor()));
}

TEST_F(GridDataRowLayoutTest, Office11GroupRowsAreTwiceAsHighWithTheirCaptionOverASeparatorAndNoIndentOfTheirOwn) {
    Fill(6);
    GroupByNo();
    const int32_t standard = Layout().GroupRowHeight();
    View->OptionsView().SetGroupRowStyle(grsOffice11);
    TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    EXPECT_EQ(viewInfo.GroupRowHeight(), 2 * (standard - 1) + 2) << "the content twice, then the separator";
    EXPECT_EQ(viewInfo.LevelCount(), 0);
    const TuiGridDataRowViewInfo& group = viewInfo.Rows(0);
    EXPECT_EQ(viewInfo.Rows(1).Cells(0).Bounds().Left, viewInfo.Rows(1).Bounds().Left);
    EXPECT_GE(group.ExpandButtonBounds().Top, group.Bounds().Top + group.Bounds().Height() / 2 - 2)
        << "the button in the lower half";
    EXPECT_EQ(viewInfo.GetHitTest(CentreOfRect(group.ExpandButtonBounds())).GetHitTestCode(), 108);
    const vcl::TRect separator = group.Office11SeparatorBounds();
    EXPECT_EQ(separator.Height(), 2);
    EXPECT_EQ(separator.Bottom, group.Bounds().Bottom);

    const auto painted = Paint();
    EXPECT_EQ(painted->Surface.Pixels(), Paint()->Surface.Pixels());
    const vcl::TColor separatorColor = Rgb(View->LookAndFeelPainter()->Office11GroupSeparatorColor());
    EXPECT_EQ(painted->Surface.Pixel(separator.Left + 30, separator.Top), separatorColor);
    EXPECT_EQ(painted->Surface.Pixel(separator.Left + 30, separator.Bottom - 1), separatorColor);
}

TEST_F(GridDataRowLayoutTest, AMasterRowShowsItsExpandButtonInItsOwnIndent) {
    Fill(4);
    View->Level()->Add();
    TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    EXPECT_EQ(viewInfo.LevelCount(), 1);
    const TuiGridDataRowViewInfo& row = viewInfo.Rows(0);
    const vcl::TRect& button = row.ExpandButtonBounds();
    ASSERT_FALSE(button.IsEmpty());
    EXPECT_EQ(button.Left, row.Bounds().Left + 3);
    EXPECT_LE(button.Right, row.Cells(0).Bounds().Left);
    TuiCustomGridHitTest& hitTest = viewInfo.GetHitTest(CentreOfRect(button));
    EXPECT_EQ(hitTest.GetHitTestCode(), 108);
    EXPECT_EQ(static_cast<TuiGridRecordHitTest&>(hitTest).GridRecord(), row.GridRecord());
    const auto painted = Paint();
    EXPECT_EQ(painted->Surface.Pixels(), Paint()->Surface.Pixels());
    int drawn = 0;
    for (int y = button.Top; y < button.Bottom; ++y) {
        for (int x = button.Left; x < button.Right; ++x) {
            drawn += painted->Surface.Pixel(x, y) != GroupColor(0) ? 1 : 0;
        }
    }
    EXPECT_GT(drawn, 0) << "the button is drawn over the indent";
}

TEST_F(GridDataRowLayoutTest, TheSearchedCellHighlightsTheTextFoundUntilTheSearchEnds) {
    Fill(6);
    View->OptionsBehavior().SetIncSearch(true);
    TuiGridIncSearch& search = View->Controller().IncSearch();
    search.SetText(u"Item 3");
    ASSERT_TRUE(search.Searching());
    ASSERT_EQ(View->DataController().GetFocusedRowIndex(), 3);
    TuiGridTableViewInfo& viewInfo = Layout();
    const TuiGridDataRowViewInfo* row = viewInfo.RowOfRecord(3);
    ASSERT_NE(row, nullptr);
    const auto& searched = dynamic_cast<const TuiCustomTextEditViewInfo&>(row->Cells(0).EditViewInfo());
    EXPECT_EQ(searched.SelStart, 0);
    EXPECT_EQ(searched.SelLength, 6);
    const auto& other =
        dynamic_cast<const TuiCustomTextEditViewInfo&>(viewInfo.RowOfRecord(2)->Cells(0).EditViewInfo());
    EXPECT_EQ(other.SelLength, 0);
    const auto during = Paint();

    search.SetText(u"");
    ASSERT_FALSE(search.Searching());
    const auto after = Paint();
    const vcl::TRect cell = row->Cells(0).Bounds();
    EXPECT_FALSE(ui_test::SameArea(during->Surface, after->Surface, cell)) << "the highlight goes with the search";
    vcl::TRect below = ui_test::GridTableLayoutTest::DefaultBounds;
    below.Top = cell.Bottom;
    EXPECT_TRUE(ui_test::SameArea(during->Surface, after->Surface, below));
}

class GridPreviewLayoutTest : public ui_test::GridTableLayoutTest {
protected:
    // The "Name" column shows as each row's preview.
    void ShowPreview(bool autoHeight, int32_t maxLineCount) {
        Fill(6);
        TuiGridPreview& preview = View->Preview();
        preview.SetColumn(View->Columns(0));
        preview.SetAutoHeight(autoHeight);
        preview.SetMaxLineCount(maxLineCount);
        preview.SetVisible(true);
    }

    int32_t PreviewLineHeight(const TuiGridTableViewInfo& viewInfo) const {
        TuiDrawParams params;
        View->Styles().GetPreviewParams(nullptr, View->Columns(0), params);
        return viewInfo.MeasureText(u"Qq", params.Font).cy;
    }
};

TEST_F(GridPreviewLayoutTest, APreviewOfFixedLinesLiesBelowTheCellsAcrossTheRowAndAnswersItsHitTest) {
    ShowPreview(false, 2);
    TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    EXPECT_EQ(viewInfo.ColumnHeaderCount(), 2) << "the preview column leaves the columns";
    const TuiGridDataRowViewInfo& row = viewInfo.Rows(0);
    ASSERT_NE(row.Preview(), nullptr);
    const int32_t previewHeight = 2 * PreviewLineHeight(viewInfo) + 4 + 1;
    EXPECT_EQ(row.Preview()->Bounds().Height(), previewHeight);
    EXPECT_EQ(row.Bounds().Height(), viewInfo.DataRowHeight() + previewHeight);
    EXPECT_EQ(row.Cells(0).Bounds().Height(), viewInfo.DataRowHeight());

    TuiCustomGridHitTest& onPreview = viewInfo.GetHitTest(CentreOfRect(row.Preview()->Bounds()));
    EXPECT_EQ(onPreview.GetHitTestCode(), 231);
    EXPECT_EQ(static_cast<TuiGridRecordCellHitTest&>(onPreview).Item(), View->Columns(0));
    EXPECT_EQ(static_cast<TuiGridRecordHitTest&>(onPreview).GridRecord(), row.GridRecord());
    EXPECT_EQ(viewInfo.GetHitTest(CentreOfRect(row.Cells(0).Bounds())).GetHitTestCode(), 107);

    const auto painted = Paint();
    EXPECT_EQ(painted->Surface.Pixels(), Paint()->Surface.Pixels());
    TuiDrawParams params;
    View->Styles().GetPreviewParams(row.GridRecord(), View->Columns(0), params);
    const vcl::TRect text = row.Preview()->ContentBounds();
    int written = 0;
    for (int y = text.Top; y < text.Bottom; ++y) {
        for (int x = text.Left + 20; x < text.Left + 80; ++x) {
            written += painted->Surface.Pixel(x, y) != Rgb(params.Color) ? 1 : 0;
        }
    }
    EXPECT_GT(written, 10) << "the preview text past its left indent";
    const vcl::TColor gridLine = Rgb(viewInfo.GridLineColor());
    EXPECT_EQ(painted->Surface.Pixel(text.Left + 5, row.Preview()->Bounds().Bottom - 1), gridLine);
    for (int y = text.Top; y < text.Bottom; ++y) {
        EXPECT_EQ(painted->Surface.Pixel(text.Left + 1, y), Rgb(params.Color)) << "the left indent stays empty";
    }
}

TEST_F(GridPreviewLayoutTest, APreviewAtTheTopPushesTheCellsDown) {
    ShowPreview(false, 1);
    View->Preview().SetPlace(ppTop);
    const TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    const TuiGridDataRowViewInfo& row = viewInfo.Rows(1);
    EXPECT_EQ(row.Preview()->Bounds().Top, row.Bounds().Top);
    EXPECT_EQ(row.Cells(1).Bounds().Top, row.Preview()->Bounds().Bottom);
    EXPECT_EQ(Paint()->Surface.Pixels(), Paint()->Surface.Pixels());
}

TEST_F(GridPreviewLayoutTest, APreviewOfNoLinesHasNoHeightAndIsNotDrawn) {
    ShowPreview(false, 0);
    const TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    EXPECT_EQ(viewInfo.Rows(0).Preview()->Bounds().Height(), 0);
    EXPECT_EQ(viewInfo.Rows(0).Bounds().Height(), viewInfo.DataRowHeight());
}

TEST_F(GridPreviewLayoutTest, AnAutoHeightPreviewGrowsWithItsTextUpToItsLineCount) {
    ShowPreview(true, 3);
    View->BeginUpdate();
    View->DataController().SetValue(2, 0,
                                    rtl::Variant(rtl::UnicodeString(LongText) + u" " + LongText + u" " + LongText));
    View->EndUpdate();
    const TuiGridTableViewInfo& viewInfo = Layout();
    ui_test::ExpectLayoutInvariants(viewInfo);
    const int32_t oneLine = viewInfo.Rows(0).Preview()->Bounds().Height();
    const int32_t long3 = viewInfo.Rows(2).Preview()->Bounds().Height();
    EXPECT_GT(oneLine, PreviewLineHeight(viewInfo));
    EXPECT_GT(long3, oneLine + PreviewLineHeight(viewInfo));
    View->Preview().SetMaxLineCount(1);
    EXPECT_EQ(Layout().Rows(2).Preview()->Bounds().Height(), oneLine) << "one line at most";
}

TEST_F(GridPreviewLayoutTest, SizingARowWithAPreviewStoresTheHeightOfItsCells) {
    ShowPreview(false, 1);
    View->OptionsView().SetRowSeparatorWidth(2);
    const TuiGridTableViewInfo& viewInfo = Layout();
    const TuiGridDataRowViewInfo& row = viewInfo.Rows(1);
    const int32_t nonCellHeight = viewInfo.RowNonCellHeight(row.RowIndex());
    EXPECT_EQ(nonCellHeight, row.Preview()->Bounds().Height() + 2);
    const int32_t expected = row.Bounds().Height() - nonCellHeight + 10;
    TuiGridRowSizingObject sizing(View->Controller(), row.Bounds(), {5, row.Bounds().Bottom}, nonCellHeight);
    bool accepted = false;
    sizing.DragAndDrop({5, row.Bounds().Bottom + 10}, accepted);
    ASSERT_TRUE(accepted);
    sizing.EndDragAndDrop(true);
    EXPECT_EQ(View->OptionsView().DataRowHeight(), expected);
    EXPECT_EQ(Layout().Rows(1).Cells(0).Bounds().Height(), expected);
}

} // namespace
} // namespace ui
