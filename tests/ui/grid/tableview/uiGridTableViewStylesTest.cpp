#include "ui/grid/tableview/uiGridTableViewStyles.h"

#include "rtl/core/ClassRegistry.h"
#include "tests/ui/grid/GridTestSupport.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/styles/uiStyles.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridColumnStyles.h"
#include "ui/grid/tableview/uiGridColumnSummary.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

class GridTableViewStylesTest : public ui_test::GridOnFormTest {
protected:
    void SetUp() override {
        GridOnFormTest::SetUp();
        View = new TuiGridTableView(Form.get());
        Grid->Levels().Add().SetGridView(View);
        View->CreateColumn();
        View->CreateColumn();
        View->DataController().ChangeValueTypeClass(1, &TuiIntegerValueType::Instance());
        View->DataController().SetRecordCount(2);
    }
    TuiStyle* NewStyle(vcl::TColor color) const {
        auto* style = new TuiStyle(Form.get());
        style->SetColor(color);
        return style;
    }
    const TuiCustomLookAndFeelPainter& Painter() const { return *View->LookAndFeelPainter(); }
    TuiGridColumn* Column(int32_t index) const { return View->Columns(index); }

    TuiGridTableView* View = nullptr;
};

TEST_F(GridTableViewStylesTest, WithoutStylesEachPartTakesThePaintersColours) {
    TuiGridTableViewStyles& styles = View->Styles();
    TuiDrawParams header;
    styles.GetHeaderParams(Column(0), header);
    EXPECT_EQ(header.Color, Painter().HeaderColor());
    EXPECT_EQ(header.TextColor, Painter().HeaderTextColor());
    EXPECT_NE(header.Font, nullptr);
    TuiDrawParams footer;
    styles.GetFooterParams(nullptr, Column(0), -1, nullptr, footer);
    EXPECT_EQ(footer.Color, Painter().FooterColor());
    TuiDrawParams group;
    styles.GetGroupParams(nullptr, 0, group);
    EXPECT_EQ(group.Color, Painter().GroupRowColor());
    View->OptionsView().SetGroupRowStyle(grsOffice11);
    styles.GetGroupParams(nullptr, 0, group);
    EXPECT_EQ(group.Color, Painter().Office11GroupRowColor(false));
    EXPECT_EQ(group.TextColor, Painter().Office11GroupTextColor());
    TuiDrawParams infoText;
    styles.ResolveDrawParams(TuiGridTableViewStyles::vsFilterRowInfoText, View->ViewData().GetRecordAt(0), nullptr,
                             infoText);
    EXPECT_EQ(infoText.Color, Painter().ContentEvenColor());
    EXPECT_EQ(infoText.TextColor, vcl::clGrayText);
    TuiDrawParams preview;
    styles.GetPreviewParams(View->ViewData().GetRecordAt(1), Column(0), preview);
    EXPECT_EQ(preview.Color, Painter().ContentOddColor());
    EXPECT_EQ(preview.TextColor, Painter().LinkColor());
}

TEST_F(GridTableViewStylesTest, AnEventsStyleWinsOverTheIndexAndAColumnsStyleOverTheViews) {
    TuiGridTableViewStyles& styles = View->Styles();
    styles.SetStyle(TuiGridTableViewStyles::vsHeader, NewStyle(vcl::clRed));
    TuiDrawParams params;
    Column(0)->Styles().GetHeaderParams(params);
    EXPECT_EQ(params.Color, vcl::clRed);
    Column(0)->Styles().SetStyle(TuiGridColumnStyles::isHeader, NewStyle(vcl::clLime));
    Column(0)->Styles().GetHeaderParams(params);
    EXPECT_EQ(params.Color, vcl::clLime);
    Column(1)->Styles().GetHeaderParams(params);
    EXPECT_EQ(params.Color, vcl::clRed);

    TuiStyle* blue = NewStyle(vcl::clBlue);
    TuiGridColumn* asked = nullptr;
    styles.SetOnGetHeaderStyle([&](TuiGridTableView&, TuiGridColumn* column, TuiStyle*& style) {
        asked = column;
        style = blue;
    });
    Column(1)->Styles().GetHeaderParams(params);
    EXPECT_EQ(asked, Column(1));
    EXPECT_EQ(params.Color, vcl::clBlue);
}

TEST_F(GridTableViewStylesTest, FooterEventsSeeThePreviousStyleAndTheSummaryEventOnlyWithAnItem) {
    TuiGridTableViewStyles& styles = View->Styles();
    TuiStyle* red = NewStyle(vcl::clRed);
    TuiStyle* blue = NewStyle(vcl::clBlue);
    int32_t seenLevel = 0;
    TuiStyle* seenBySummaryEvent = nullptr;
    styles.SetOnGetFooterStyle([red](TuiCustomGridTableView&, TuiCustomGridRecord*, TuiCustomGridTableItem*,
                                     TuiStyle*& style) { style = red; });
    styles.SetOnGetFooterStyleEx(
        [&](TuiGridTableView&, TuiCustomGridRow*, TuiGridColumn*, int32_t level, TuiStyle*&) { seenLevel = level; });
    styles.SetOnGetFooterSummaryStyle(
        [&](TuiGridTableView&, TuiCustomGridRow*, TuiGridColumn*, int32_t, TuiDataSummaryItem*, TuiStyle*& style) {
            seenBySummaryEvent = style;
            style = blue;
        });
    TuiDrawParams params;
    styles.GetFooterParams(nullptr, nullptr, 2, nullptr, params);
    EXPECT_EQ(seenLevel, 2);
    EXPECT_EQ(params.Color, vcl::clRed);
    Column(1)->Summary().SetFooterKind(skSum);
    TuiDataSummaryItem& item = View->DataController().Summary().FooterSummaryItems().GetItem(0);
    styles.GetFooterParams(nullptr, nullptr, -1, &item, params);
    EXPECT_EQ(seenBySummaryEvent, red);
    EXPECT_EQ(params.Color, vcl::clBlue);

    // A column asks its own events first; its footer's defaults are the view's footer for the same cell.
    TuiStyle* green = NewStyle(vcl::clGreen);
    Column(1)->Styles().SetOnGetFooterStyleEx(
        [green](TuiGridTableView&, TuiCustomGridRow*, TuiGridColumn*, int32_t, TuiStyle*& style) { style = green; });
    Column(1)->Styles().GetFooterParams(nullptr, -1, params, nullptr);
    EXPECT_EQ(params.Color, vcl::clGreen);
    Column(0)->Styles().GetFooterParams(nullptr, -1, params, &item);
    EXPECT_EQ(params.Color, vcl::clBlue);
}

TEST_F(GridTableViewStylesTest, ASortedSummaryOfAGroupFooterTakesItsOwnStyle) {
    TuiGridTableViewStyles& styles = View->Styles();
    styles.SetStyle(TuiGridTableViewStyles::vsGroupFooterSortedSummary, NewStyle(vcl::clYellow));
    TuiGridColumnSummary& summary = Column(1)->Summary();
    summary.SetGroupFooterKind(skSum);
    TuiDataSummaryItem* item = summary.FindItem(View->DataController().Summary().DefaultGroupSummaryItems(), spFooter);
    ASSERT_NE(item, nullptr);
    TuiDrawParams params;
    styles.GetFooterCellParams(nullptr, Column(1), 0, item, params);
    EXPECT_EQ(params.Color, Painter().FooterColor());
    summary.SetSortByGroupFooterSummary(true);
    styles.GetFooterCellParams(nullptr, Column(1), 0, item, params);
    EXPECT_EQ(params.Color, vcl::clYellow);
    styles.GetFooterCellParams(nullptr, Column(1), -1, item, params);
    EXPECT_EQ(params.Color, Painter().FooterColor());
}

TEST_F(GridTableViewStylesTest, TheGroupsSortingSummaryTakesGroupSortedSummaryWithoutAskingItselfAgain) {
    TuiGridTableViewStyles& styles = View->Styles();
    TuiGridColumnSummary& summary = Column(1)->Summary();
    summary.SetGroupKind(skMax);
    summary.SetSortByGroupSummary(true);
    TuiDataSummaryItem* item = summary.FindItem(View->DataController().Summary().DefaultGroupSummaryItems(), spGroup);
    ASSERT_NE(item, nullptr);
    Column(1)->Styles().SetStyle(TuiGridColumnStyles::isGroupSummary, NewStyle(vcl::clNavy));
    TuiDrawParams params;
    styles.GetGroupSummaryCellParams(nullptr, item, params);
    // No GroupSortedSummary style: its defaults are the column's group summary.
    EXPECT_EQ(params.Color, vcl::clNavy);
    styles.SetStyle(TuiGridTableViewStyles::vsGroupSortedSummary, NewStyle(vcl::clMaroon));
    styles.GetGroupSummaryCellParams(nullptr, item, params);
    EXPECT_EQ(params.Color, vcl::clMaroon);
    summary.SetSortByGroupSummary(false);
    styles.GetGroupSummaryCellParams(nullptr, item, params);
    EXPECT_EQ(params.Color, vcl::clNavy);
}

TEST_F(GridTableViewStylesTest, TheGroupStyleEventHearsTheRowsLevel) {
    Column(0)->SetGroupIndex(0);
    auto* row = dynamic_cast<TuiGridGroupRow*>(View->ViewData().GetRecordAt(0));
    ASSERT_NE(row, nullptr);
    int32_t seenLevel = -5;
    View->Styles().SetOnGetGroupStyle(
        [&](TuiGridTableView&, TuiCustomGridRecord*, int32_t level, TuiStyle*&) { seenLevel = level; });
    TuiDrawParams params;
    View->Styles().GetGroupParams(row, 3, params);
    EXPECT_EQ(seenLevel, 0);
    View->Styles().GetGroupParams(nullptr, 3, params);
    EXPECT_EQ(seenLevel, 3);
}

TEST_F(GridTableViewStylesTest, GroupRowsAndThePreviewColumnTakeTheirOwnRulesForContent) {
    TuiGridTableViewStyles& styles = View->Styles();
    View->Preview().SetColumn(Column(1));
    TuiDrawParams params;
    Column(1)->Styles().GetContentParams(View->ViewData().GetRecordAt(0), params);
    EXPECT_EQ(params.Color, Painter().ContentEvenColor());
    EXPECT_EQ(params.TextColor, Painter().LinkColor());
    styles.GetContentParams(View->ViewData().GetRecordAt(0), Column(0), params);
    EXPECT_EQ(params.TextColor, Painter().ContentTextColor());
    Column(0)->SetGroupIndex(0);
    TuiCustomGridRecord* groupRow = View->ViewData().GetRecordAt(0);
    ASSERT_NE(dynamic_cast<TuiGridGroupRow*>(groupRow), nullptr);
    styles.GetContentParams(groupRow, nullptr, params);
    EXPECT_EQ(params.Color, Painter().GroupRowColor());
    EXPECT_EQ(params.TextColor, Painter().GroupRowTextColor());
}

TEST_F(GridTableViewStylesTest, ARegisteredStyleSheetOfTableStylesServesTheView) {
    const rtl::TMetaclass& sheetClass = rtl::FindClass(u"TuiGridTableViewStyleSheet");
    ASSERT_EQ(&sheetClass, &TuiGridTableViewStyleSheet::StaticClass());
    auto* repository = new TuiStyleRepository(Form.get());
    auto& sheet = static_cast<TuiGridTableViewStyleSheet&>(repository->AddStyleSheet(sheetClass));
    EXPECT_EQ(&sheet.StylesClass(), &TuiGridTableViewStyles::StaticClass());
    EXPECT_EQ(sheet.Styles().GetGridView(), nullptr);
    sheet.Styles().SetStyle(TuiGridTableViewStyles::vsFooter, NewStyle(vcl::clTeal));
    sheet.Styles().SetOnGetHeaderStyle(nullptr);
    View->Styles().SetStyleSheet(&sheet);
    ASSERT_EQ(View->Styles().StyleSheet(), &sheet);
    TuiDrawParams params;
    View->Styles().GetFooterParams(nullptr, nullptr, -1, nullptr, params);
    EXPECT_EQ(params.Color, vcl::clTeal);
}

} // namespace
} // namespace ui
