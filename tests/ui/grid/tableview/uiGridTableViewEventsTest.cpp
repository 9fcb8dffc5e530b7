#include "ui/grid/tableview/uiGridTableViewEvents.h"

#include "tests/ui/grid/GridTestSupport.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/text/textedit/uiTextEditProperties.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridColumnSummary.h"
#include "ui/grid/tableview/uiGridTableBehaviorAndFiltering.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/images/Bitmap.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ui {
namespace {

class GridTableViewEventsTest : public ui_test::GridOnFormTest {
protected:
    void SetUp() override {
        GridOnFormTest::SetUp();
        View = NewView();
    }
    TuiGridTableView* NewView(int32_t columnCount = 3) {
        auto* view = new TuiGridTableView(Form.get());
        Grid->Levels().Add().SetGridView(view);
        for (int32_t i = 0; i < columnCount; ++i) {
            view->CreateColumn();
        }
        return view;
    }

    TuiGridTableView* View = nullptr;
};

TEST_F(GridTableViewEventsTest, AHeaderClickFiresTheColumnsEventThenTheViews) {
    std::vector<std::string> calls;
    TuiGridColumn* second = View->Columns(1);
    second->SetOnHeaderClick([&](TuiGridColumn& column) { calls.push_back(&column == second ? "column" : "?"); });
    View->SetOnColumnHeaderClick(
        [&](TuiGridTableView&, TuiGridColumn* column) { calls.push_back(column == second ? "view" : "?"); });
    second->DoHeaderClick();
    EXPECT_EQ(calls, (std::vector<std::string>{"column", "view"}));
    std::vector<TuiGridColumn*> moved;
    View->SetOnColumnPosChanged([&](TuiGridTableView&, TuiGridColumn* column) { moved.push_back(column); });
    View->SetOnColumnSizeChanged([&](TuiGridTableView&, TuiGridColumn* column) { moved.push_back(column); });
    int32_t scrolled = 0;
    View->SetOnLeftPosChanged([&](TuiGridTableView&) { ++scrolled; });
    View->DoColumnPosChanged(View->Columns(0));
    View->DoColumnSizeChanged(View->Columns(2));
    View->DoLeftPosChanged();
    EXPECT_EQ(moved, (std::vector<TuiGridColumn*>{View->Columns(0), View->Columns(2)}));
    EXPECT_EQ(scrolled, 1);
}

TEST_F(GridTableViewEventsTest, CustomDrawsLeaveDoneAloneWithoutAHandler) {
    vcl::TCanvas frame;
    TuiCanvas canvas(frame);
    TuiGridColumn* column = View->Columns(0);
    bool done = false;
    View->DoCustomDrawColumnHeader(canvas, nullptr, done);
    View->DoCustomDrawGroupSummaryCell(canvas, nullptr, nullptr, nullptr, nullptr, done);
    column->DoCustomDrawHeader(canvas, nullptr, done);
    column->DoCustomDrawGroupSummaryCell(canvas, nullptr, nullptr, nullptr, done);
    EXPECT_FALSE(done);
    EXPECT_FALSE(View->HasCustomDrawColumnHeader());

    rtl::TObject* sender = nullptr;
    TuiGridColumn* drawnColumn = nullptr;
    column->SetOnCustomDrawGroupSummaryCell([&](rtl::TObject& from, TuiCanvas&, TuiCustomGridRow*, TuiGridColumn* of,
                                                TuiDataSummaryItem*, TuiCustomGridCellViewInfo*, bool& finished) {
        sender = &from;
        drawnColumn = of;
        finished = true;
    });
    column->DoCustomDrawGroupSummaryCell(canvas, nullptr, nullptr, nullptr, done);
    EXPECT_TRUE(done);
    EXPECT_EQ(sender, column);
    EXPECT_EQ(drawnColumn, column);
    View->SetOnCustomDrawColumnHeader(
        [](TuiGridTableView&, TuiCanvas&, TuiGridColumnHeaderViewInfo*, bool& finished) { finished = true; });
    EXPECT_TRUE(View->HasCustomDrawColumnHeader());
    done = false;
    View->DoCustomDrawColumnHeader(canvas, nullptr, done);
    EXPECT_TRUE(done);
}

TEST_F(GridTableViewEventsTest, CellsMergeWhenTheirPropertiesDisplayThemAlikeAndTheEventsHaveTheLastWord) {
    TuiTextEditProperties properties(nullptr);
    TuiTextEditProperties otherProperties(nullptr);
    TuiGridColumn* column = View->Columns(0);
    const rtl::Variant abc(rtl::UnicodeString(u"abc"));
    const rtl::Variant xyz(rtl::UnicodeString(u"xyz"));
    struct TCase {
        TuiCustomEditProperties* Second;
        const rtl::Variant* Value2;
        bool Equal;
    };
    for (const TCase& test : {TCase{&properties, &abc, true}, TCase{&properties, &xyz, false},
                              TCase{&otherProperties, &abc, false}, TCase{nullptr, &abc, false}}) {
        EXPECT_EQ(column->CompareValuesForCellMerging(nullptr, &properties, abc, nullptr, test.Second, *test.Value2),
                  test.Equal);
    }
    std::vector<bool> seen;
    column->SetOnCompareValuesForCellMerging([&](TuiGridColumn&, TuiCustomEditProperties*, const rtl::Variant&,
                                                 TuiCustomEditProperties*, const rtl::Variant&, bool& equal) {
        seen.push_back(equal);
        equal = !equal;
    });
    column->SetOnCompareRowValuesForCellMerging([&](TuiGridColumn&, TuiCustomGridRow*, TuiCustomEditProperties*,
                                                    const rtl::Variant&, TuiCustomGridRow*, TuiCustomEditProperties*,
                                                    const rtl::Variant&, bool& equal) { seen.push_back(equal); });
    EXPECT_FALSE(column->CompareValuesForCellMerging(nullptr, &properties, abc, nullptr, &properties, abc));
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

TEST_F(GridTableViewEventsTest, HeaderEdgesAreTheFirstAndLastVisibleColumns) {
    EXPECT_TRUE(View->Columns(0)->IsLeftEdge());
    EXPECT_FALSE(View->Columns(0)->IsRightEdge());
    EXPECT_TRUE(View->Columns(2)->IsViewRightEdge());
    EXPECT_TRUE(View->Columns(1)->IsTopEdge());
    EXPECT_TRUE(View->Columns(1)->IsBottomEdge());
    View->Columns(2)->SetVisible(false);
    EXPECT_TRUE(View->Columns(1)->IsRightEdge());
    EXPECT_FALSE(View->Columns(2)->IsRightEdge());
}

TEST_F(GridTableViewEventsTest, AColumnsAssignCopiesItsGlyphAlignmentsSummaryAndEvents) {
    TuiGridColumn* source = View->Columns(0);
    vcl::TBitmap glyph(8, 6);
    source->SetHeaderGlyph(&glyph);
    source->SetHeaderGlyphAlignmentHorz(vcl::taRightJustify);
    source->SetHeaderGlyphAlignmentVert(vaBottom);
    source->Summary().SetFooterKind(skCount);
    int32_t clicks = 0;
    source->SetOnHeaderClick([&](TuiGridColumn&) { ++clicks; });
    EXPECT_EQ(source->HeaderGlyph().Width(), 8);
    EXPECT_EQ(View->Columns(1)->HeaderGlyphAlignmentVert(), vaCenter);
    TuiGridColumn* copy = View->Columns(1);
    copy->Assign(source);
    EXPECT_EQ(copy->HeaderGlyph().Width(), 8);
    EXPECT_EQ(copy->HeaderGlyph().Height(), 6);
    EXPECT_EQ(copy->HeaderGlyphAlignmentHorz(), vcl::taRightJustify);
    EXPECT_EQ(copy->HeaderGlyphAlignmentVert(), vaBottom);
    EXPECT_EQ(copy->Summary().FooterKind(), skCount);
    copy->DoHeaderClick();
    EXPECT_EQ(clicks, 1);
    source->SetHeaderGlyph(nullptr);
    EXPECT_TRUE(source->HeaderGlyph().Empty());
}

TEST_F(GridTableViewEventsTest, AViewsAssignTakesEventsItemsOptionsAndTheSpecialRows) {
    TuiGridTableView* source = NewView(4);
    source->Columns(3)->SetCaption(u"Note");
    source->OptionsView().SetFooter(true);
    source->OptionsSelection().SetCellMultiSelect(true);
    source->FilterRow().SetVisible(true);
    source->NewItemRow().SetSeparatorWidth(9);
    source->Preview().SetColumn(source->Columns(3));
    source->Preview().SetVisible(true);
    int32_t scrolled = 0;
    source->SetOnLeftPosChanged([&](TuiGridTableView&) { ++scrolled; });
    source->SetOnGetCellHeight([](TuiGridTableView&, TuiCustomGridRecord*, TuiGridColumn*, TuiGridDataCellViewInfo*,
                                  int32_t& height) { height = 77; });
    source->Columns(2)->Summary().SetFooterKind(skSum);
    View->Assign(source);
    EXPECT_EQ(View->Columns(2)->Summary().FooterKind(), skSum);
    ASSERT_EQ(View->ItemCount(), 4);
    EXPECT_EQ(View->Columns(3)->Caption(), u"Note");
    EXPECT_TRUE(View->OptionsView().Footer());
    EXPECT_TRUE(View->OptionsSelection().CellMultiSelect());
    EXPECT_TRUE(View->FilterRow().Visible());
    EXPECT_EQ(View->NewItemRow().SeparatorWidth(), 9);
    EXPECT_EQ(View->Preview().Column(), View->Columns(3));
    EXPECT_TRUE(View->Preview().Active());
    EXPECT_EQ(View->VisibleItemCount(), 3);
    View->DoLeftPosChanged();
    EXPECT_EQ(scrolled, 1);
    ASSERT_TRUE(View->HasGetCellHeight());
    int32_t height = 10;
    View->DoGetCellHeight(nullptr, View->Columns(0), nullptr, height);
    EXPECT_EQ(height, 77);
}

TEST_F(GridTableViewEventsTest, RowsShiftHorizontallyUnlessTheGridIsLockedOrAMasterIsGrouped) {
    EXPECT_TRUE(View->CanOffsetHorizontally());
    View->BeginUpdate();
    EXPECT_FALSE(View->CanOffsetHorizontally());
    View->EndUpdate();
    View->Columns(0)->SetGroupIndex(0);
    EXPECT_TRUE(View->CanOffsetHorizontally());
    View->Level()->Add();
    EXPECT_TRUE(View->IsMaster());
    EXPECT_FALSE(View->CanOffsetHorizontally());
    View->Columns(0)->SetGroupIndex(-1);
    EXPECT_TRUE(View->CanOffsetHorizontally());
}

} // namespace
} // namespace ui
