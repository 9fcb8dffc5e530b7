#include "ui/grid/tableview/uiGridTableOptions.h"

#include "rtl/WindowsApi.h"
#include "tests/ui/grid/GridTestSupport.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridRows.h"
#include "ui/grid/tableview/uiGridTableBehaviorAndFiltering.h"
#include "ui/grid/tableview/uiGridTableView.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// A view whose rows' layout reports minimum heights.
class TMeasuredRowsTableView : public TuiGridTableView {
public:
    using TuiGridTableView::TuiGridTableView;
    int32_t MinDataRowHeight() override { return 17; }
    int32_t MinGroupRowHeight() override { return 21; }
};

class GridTableOptionsTest : public ui_test::GridOnFormTest {
protected:
    void SetUp() override {
        GridOnFormTest::SetUp();
        View = NewView();
        for (int32_t i = 0; i < 3; ++i) {
            View->CreateColumn();
        }
    }
    TuiGridTableView* NewView() {
        auto* view = new TMeasuredRowsTableView(Form.get());
        Grid->Levels().Add().SetGridView(view);
        return view;
    }
    TuiGridViewData& ViewData() const { return static_cast<TuiGridViewData&>(View->ViewData()); }

    TuiGridTableView* View = nullptr;
};

TEST_F(GridTableOptionsTest, StoredRowHeightsAreCheckedAgainstTheRowsMinimum) {
    TuiGridTableOptionsView& options = View->OptionsView();
    struct TCase {
        int32_t Value;
        int32_t Data;
        int32_t Group;
    };
    for (const TCase& test :
         {TCase{3, 17, 21}, TCase{18, 18, 21}, TCase{40, 40, 40}, TCase{0, 0, 0}, TCase{-4, 0, 0}}) {
        options.SetDataRowHeight(test.Value);
        options.SetGroupRowHeight(test.Value);
        EXPECT_EQ(options.DataRowHeight(), test.Data) << test.Value;
        EXPECT_EQ(options.GroupRowHeight(), test.Group) << test.Value;
    }
}

TEST_F(GridTableOptionsTest, TheSpecialRowsMakeAndFreeTheirRecords) {
    EXPECT_EQ(ViewData().NewItemRecord(), nullptr);
    View->NewItemRow().SetVisible(true);
    auto* newItemRow = dynamic_cast<TuiGridNewItemRow*>(ViewData().NewItemRecord());
    ASSERT_NE(newItemRow, nullptr);
    EXPECT_FALSE(newItemRow->SupportsCellSelection());
    EXPECT_TRUE(View->DataController().UseNewItemRowForEditing());
    EXPECT_EQ(ViewData().RecordKindOf(newItemRow), 1);

    EXPECT_EQ(ViewData().FilterRow(), nullptr);
    View->FilterRow().SetVisible(true);
    TuiGridFilterRow* filterRow = ViewData().FilterRow();
    ASSERT_NE(filterRow, nullptr);
    EXPECT_EQ(ViewData().GetRecordForKind(TuiGridFilterRow::RecordKind, 0), filterRow);
    EXPECT_EQ(ViewData().RecordKindOf(filterRow), TuiGridFilterRow::RecordKind);
    EXPECT_EQ(filterRow->RecordIndex(), -1);
    EXPECT_EQ(filterRow->Level(), 0);
    EXPECT_FALSE(filterRow->GetExpanded());

    View->NewItemRow().SetVisible(false);
    View->FilterRow().SetVisible(false);
    EXPECT_EQ(ViewData().NewItemRecord(), nullptr);
    EXPECT_FALSE(View->DataController().UseNewItemRowForEditing());
    EXPECT_EQ(ViewData().FilterRow(), nullptr);
    EXPECT_EQ(ViewData().GetRecordForKind(TuiGridFilterRow::RecordKind, 0), nullptr);
}

TEST_F(GridTableOptionsTest, TheFilterRowKeepsItsOwnSelectionAndEscapeLeavesIt) {
    View->FilterRow().SetVisible(true);
    TuiGridFilterRow* filterRow = ViewData().FilterRow();
    filterRow->SetSelected(true);
    EXPECT_TRUE(filterRow->GetSelected());
    uint16_t key = VK_ESCAPE;
    filterRow->KeyDown(key, {});
    EXPECT_EQ(key, 0);
    EXPECT_FALSE(filterRow->GetSelected());
    key = VK_RIGHT;
    filterRow->KeyDown(key, {});
    EXPECT_EQ(key, VK_RIGHT);
}

TEST_F(GridTableOptionsTest, OlderFormsNewItemRowSettingsReachTheNewItemRow) {
    TuiGridTableOptionsView& options = View->OptionsView();
    options.ReadNewItemRow(true);
    options.ReadNewItemRowInfoText(u"Add here");
    options.ReadNewItemRowSeparatorColor(vcl::clRed);
    options.ReadNewItemRowSeparatorWidth(1);
    TuiGridNewItemRowOptions& row = View->NewItemRow();
    EXPECT_TRUE(row.Visible());
    EXPECT_EQ(row.InfoText(), u"Add here");
    EXPECT_EQ(row.SeparatorColor(), vcl::clRed);
    EXPECT_EQ(row.SeparatorWidth(), TuiGridSpecialRowOptions::MinSeparatorWidth);
}

TEST_F(GridTableOptionsTest, PreviewMeasuresClampAndAssignTakesTheColumnWithTheSameID) {
    TuiGridPreview& preview = View->Preview();
    EXPECT_TRUE(preview.AutoHeight());
    EXPECT_EQ(preview.LeftIndent(), 20);
    EXPECT_EQ(preview.MaxLineCount(), 3);
    EXPECT_EQ(preview.RightIndent(), 5);
    preview.SetLeftIndent(-1);
    preview.SetMaxLineCount(-2);
    preview.SetRightIndent(-3);
    EXPECT_EQ(preview.LeftIndent(), 0);
    EXPECT_EQ(preview.MaxLineCount(), 0);
    EXPECT_EQ(preview.RightIndent(), 0);

    TuiGridTableView* other = NewView();
    for (int32_t i = 0; i < 3; ++i) {
        other->CreateColumn();
    }
    other->Preview().SetColumn(other->Columns(2));
    other->Preview().SetVisible(true);
    other->Preview().SetPlace(ppTop);
    other->Preview().SetAutoHeight(false);
    other->Preview().SetLeftIndent(7);
    preview.Assign(&other->Preview());
    EXPECT_EQ(preview.Column(), View->Columns(2));
    EXPECT_TRUE(preview.Active());
    EXPECT_EQ(preview.Place(), ppTop);
    EXPECT_FALSE(preview.AutoHeight());
    EXPECT_EQ(preview.LeftIndent(), 7);
}

TEST_F(GridTableOptionsTest, GroupBySortingShowsGroupedColumnsAndDropsGroupingAndSorting) {
    TuiGridColumn* grouped = View->Columns(0);
    ASSERT_TRUE(grouped->GroupingWithVisibility(0, false));
    View->Columns(1)->SetSortIndex(0);
    EXPECT_FALSE(grouped->Visible());
    EXPECT_EQ(View->DataController().Groups().GroupingFieldCount(), 1);
    View->OptionsCustomize().SetGroupBySorting(true);
    EXPECT_TRUE(View->OptionsCustomize().GroupBySorting());
    EXPECT_TRUE(grouped->Visible());
    EXPECT_EQ(grouped->GroupIndex(), -1);
    EXPECT_EQ(View->DataController().Groups().GroupingFieldCount(), 0);
    EXPECT_EQ(View->Columns(1)->SortIndex(), -1);
}

TEST_F(GridTableOptionsTest, AssignCopiesTheTableOptions) {
    TuiGridTableView* source = NewView();
    source->OptionsView().SetDataRowHeight(30);
    source->OptionsView().SetGridLineColor(vcl::clRed);
    source->OptionsView().SetGroupRowStyle(grsOffice11);
    source->OptionsView().SetGroupSummaryLayout(gslAlignWithColumns);
    source->OptionsView().SetRowSeparatorColor(vcl::clBlue);
    source->OptionsView().SetGroupFooterMultiSummaries(true);
    source->OptionsCustomize().SetDataRowSizing(true);
    source->OptionsCustomize().SetGroupRowSizing(true);
    source->OptionsBehavior().SetColumnHeaderHints(false);
    source->OptionsBehavior().SetExpandMasterRowOnDblClick(false);
    source->FilterRow().SetSeparatorColor(vcl::clGreen);
    View->OptionsView().Assign(&source->OptionsView());
    View->OptionsCustomize().Assign(&source->OptionsCustomize());
    View->OptionsBehavior().Assign(&source->OptionsBehavior());
    View->FilterRow().Assign(&source->FilterRow());
    EXPECT_EQ(View->OptionsView().DataRowHeight(), 30);
    EXPECT_EQ(View->OptionsView().GridLineColor(), vcl::clRed);
    EXPECT_EQ(View->OptionsView().GroupRowStyle(), grsOffice11);
    EXPECT_EQ(View->OptionsView().GroupSummaryLayout(), gslAlignWithColumns);
    EXPECT_EQ(View->OptionsView().RowSeparatorColor(), vcl::clBlue);
    EXPECT_TRUE(View->OptionsView().GroupFooterMultiSummaries());
    EXPECT_TRUE(View->OptionsCustomize().DataRowSizing());
    EXPECT_TRUE(View->OptionsCustomize().GroupRowSizing());
    EXPECT_FALSE(View->OptionsBehavior().ColumnHeaderHints());
    EXPECT_TRUE(View->OptionsBehavior().CopyPreviewToClipboard());
    EXPECT_FALSE(View->OptionsBehavior().ExpandMasterRowOnDblClick());
    EXPECT_EQ(View->FilterRow().SeparatorColor(), vcl::clGreen);
}

TEST_F(GridTableOptionsTest, ColumnNamedOptionsAreTheItemOptionsOfTheBase) {
    TuiGridTableFiltering& filtering = View->Filtering();
    EXPECT_TRUE(filtering.ColumnMRUItemsList());
    EXPECT_EQ(filtering.ColumnMRUItemsListCount(), 5);
    filtering.SetColumnMRUItemsListCount(8);
    EXPECT_EQ(filtering.ItemMRUItemsListCount(), 8);
    filtering.ReadColumnPopupDropDownWidth(120);
    filtering.ReadColumnPopupMaxDropDownItemCount(9);
    EXPECT_EQ(filtering.ColumnPopup().DropDownWidth(), 120);
    EXPECT_EQ(filtering.ColumnPopup().MaxDropDownItemCount(), 9);
    View->OptionsView().SetShowColumnFilterButtons(sfbAlways);
    EXPECT_EQ(View->OptionsView().ShowItemFilterButtons(), sfbAlways);
    View->OptionsView().SetHeaderEndEllipsis(true);
    EXPECT_TRUE(View->OptionsView().ItemCaptionEndEllipsis());
    View->OptionsCustomize().SetColumnsQuickCustomization(true);
    EXPECT_TRUE(View->OptionsCustomize().ItemsQuickCustomization());
}

} // namespace
} // namespace ui
