#include "ui/grid/tableview/uiGridTableView.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/ClassRegistry.h"
#include "rtl/core/Exceptions.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/grid/GridTestSupport.h"
#include "tests/ui/grid/tableview/ApplicationGridView.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/data/controller/summary/uiDataSummaryItems.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/grid/common/uiGridRegisteredViews.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/uiGridStrs.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridColumnSummary.h"
#include "ui/grid/tableview/uiGridTableOptions.h"
#include "ui/grid/view/uiGridSite.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

class GridTableViewTest : public ui_test::GridOnFormTest {
protected:
    void SetUp() override {
        GridOnFormTest::SetUp();
        View = new TuiGridTableView(Form.get());
        Grid->Levels().Add().SetGridView(View);
    }
    // Columns of the value types given, in order.
    void AddColumns(std::initializer_list<TuiValueTypeClass> valueTypes) {
        for (TuiValueTypeClass valueType : valueTypes) {
            TuiGridColumn* column = View->CreateColumn();
            View->DataController().ChangeValueTypeClass(column->Index(), valueType);
        }
    }
    std::vector<TuiGridColumn*> VisibleColumns() const {
        std::vector<TuiGridColumn*> columns;
        for (int32_t i = 0; i < View->VisibleItemCount(); ++i) {
            columns.push_back(View->VisibleColumns(i));
        }
        return columns;
    }

    TuiGridTableView* View = nullptr;
};

TEST(GridTableViewRegistrationTest, TableIsARegisteredViewKindAndColumnsAreCreatedByClassName) {
    const int32_t index = GridRegisteredViews().IndexOfClass(&TuiGridTableView::StaticClass());
    ASSERT_GE(index, 0);
    EXPECT_EQ(GridRegisteredViews().GetDescriptionText(index), u"Table");
    EXPECT_EQ(rtl::GetClass(u"TuiGridTableView"), &TuiGridTableView::StaticClass());
    const rtl::TMetaclass& columnClass = rtl::FindClass(u"TuiGridColumn");
    ASSERT_EQ(&columnClass, &TuiGridColumn::StaticClass());
    rtl::TComponent* column = rtl::TComponent::Create(columnClass, nullptr);
    EXPECT_NE(dynamic_cast<TuiGridColumn*>(column), nullptr);
    delete column;
}

class ApplicationGridViewTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::CreateTestForm<ui_test::TApplicationGridForm>();
        ui_test::LoadApplicationGridView(*Form);
    }
    ui_test::TFormPtr<ui_test::TApplicationGridForm> Form;
};

TEST_F(ApplicationGridViewTest, FourteenColumnsStandAsTheFormDescribesThem) {
    TuiGridTableView& view = *Form->View;
    ASSERT_EQ(view.ItemCount(), 14);
    ASSERT_EQ(view.VisibleItemCount(), 14);
    const int32_t widths[] = {52, 64, 78, 61, 64, 73, 69, 64, 85, 80, 106, 64, 64, 64};
    for (int32_t item = 0; item < 14; ++item) {
        TuiGridColumn& column = *view.Columns(item);
        TuiValueTypeClass expectedType = &TuiStringValueType::Instance();
        if (item == 0) {
            expectedType = &TuiIntegerValueType::Instance();
        } else if (item == 6) {
            expectedType = &TuiCurrencyValueType::Instance();
        } else if (item == 13) {
            expectedType = &TuiFloatValueType::Instance();
        }
        EXPECT_EQ(view.DataController().GetItemValueTypeClass(item), expectedType) << item;
        EXPECT_EQ(column.Width(), widths[item]) << item;
        const bool centred = item == 1 || (item >= 3 && item <= 11);
        const bool centredVertically = item == 1 || (item >= 3 && item <= 9);
        EXPECT_EQ(column.HeaderAlignmentHorz(), centred ? vcl::taCenter : vcl::taLeftJustify) << item;
        EXPECT_EQ(column.HeaderAlignmentVert() == vaCenter, centredVertically) << item;
    }
    EXPECT_EQ(view.Columns(0)->Caption(), u"序号");
    EXPECT_EQ(view.Columns(13)->Caption(), u"差额税计算扣除额");
    EXPECT_EQ(view.Columns(0)->SortIndex(), 0);
    EXPECT_EQ(view.Columns(0)->SortOrder(), soAscending);
}

// The level and its view are read while the grid is loading, when the grid queues no change; a form shown at the
// size it was read with gives the grid no later change either.
TEST(ApplicationGridView, AGridReadFromItsDescriptionShowsItsViewOnceShown) {
    auto form = ui_test::CreateTestForm<ui_test::TApplicationGridForm>();
    form->SetClientWidth(400);
    form->SetClientHeight(300);
    ui_test::LoadApplicationGridView(*form);
    ui_test::ShowTestForm(*form, 400, 300, ui_test::TFormPlacement::OffScreen);
    ui_test::PumpMessages(50);
    ui::TuiGridSite& site = form->View->Site();
    ASSERT_TRUE(site.HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(site.Handle()));
    EXPECT_GE(site.Width(), form->Grid->ClientWidth() - 2) << "the site fills the grid inside its border";
}

TEST_F(ApplicationGridViewTest, TheViewIsReadOnlyWithCellMultiSelectionAndSortsByItemZero) {
    TuiGridTableView& view = *Form->View;
    EXPECT_FALSE(view.OptionsData().Deleting());
    EXPECT_FALSE(view.OptionsData().Editing());
    EXPECT_FALSE(view.OptionsData().Inserting());
    TuiGridTableOptionsSelection& selection = view.OptionsSelection();
    EXPECT_TRUE(selection.CellMultiSelect());
    EXPECT_TRUE(selection.MultiSelect());
    EXPECT_FALSE(selection.InvertSelect());
    EXPECT_TRUE(selection.CellSelect());
    EXPECT_FALSE(selection.IsMultiSelectStored());
    EXPECT_FALSE(selection.IsInvertSelectStored());
    EXPECT_FALSE(selection.IsCellSelectStored());
    EXPECT_FALSE(view.OptionsView().GroupByBox());

    TuiGridDataController& data = view.DataController();
    view.BeginUpdate();
    data.SetRecordCount(3);
    const int32_t numbers[] = {3, 1, 2};
    for (int32_t record = 0; record < 3; ++record) {
        data.SetValue(record, 0, rtl::Variant(numbers[record]));
    }
    view.EndUpdate();
    for (int32_t row = 0; row < 3; ++row) {
        EXPECT_EQ(view.ViewData().GetRecordAt(row)->RecordIndex(), (row + 1) % 3) << row;
    }
}

TEST_F(GridTableViewTest, OptionsClampTheirValues) {
    View->NewItemRow().SetSeparatorWidth(1);
    EXPECT_EQ(View->NewItemRow().SeparatorWidth(), 2);
    View->OptionsView().SetIndicatorWidth(-5);
    EXPECT_EQ(View->OptionsView().IndicatorWidth(), 0);
    View->OptionsView().SetRowSeparatorWidth(-1);
    EXPECT_EQ(View->OptionsView().RowSeparatorWidth(), 0);
}

TEST_F(GridTableViewTest, GridLinesDefaultToBothAndAreAssigned) {
    EXPECT_EQ(View->OptionsView().GridLines(), glBoth);
    View->OptionsView().SetGridLines(glHorizontal);
    TuiGridTableOptionsView copy(*View);
    copy.Assign(&View->OptionsView());
    EXPECT_EQ(copy.GridLines(), glHorizontal);
}

TEST_F(GridTableViewTest, AFilterRowTextSetToItsDefaultStaysUnassigned) {
    TuiGridFilterRowOptions& filterRow = View->FilterRow();
    const rtl::UnicodeString defaultText = LoadResStringText(suiGridFilterRowInfoText);
    EXPECT_EQ(filterRow.InfoText(), u"Click here to define a filter");
    filterRow.SetInfoText(u"Filter here");
    EXPECT_TRUE(filterRow.IsInfoTextStored());
    filterRow.SetInfoText(defaultText);
    EXPECT_FALSE(filterRow.IsInfoTextStored());
    EXPECT_EQ(filterRow.InfoText(), defaultText);
    EXPECT_EQ(View->NewItemRow().InfoText(), u"Click here to add a new row");
}

TEST_F(GridTableViewTest, CellMultiSelectHoldsMultiSelectUntilSwitchedOff) {
    TuiGridTableOptionsSelection& selection = View->OptionsSelection();
    selection.SetCellMultiSelect(true);
    selection.SetMultiSelect(false);
    selection.SetInvertSelect(true);
    selection.SetCellSelect(false);
    EXPECT_TRUE(selection.MultiSelect());
    EXPECT_FALSE(selection.InvertSelect());
    EXPECT_TRUE(selection.CellSelect());
    selection.SetCellMultiSelect(false);
    EXPECT_TRUE(selection.InvertSelect());
    EXPECT_FALSE(selection.MultiSelect());
    EXPECT_TRUE(selection.CellSelect());
}

TEST_F(GridTableViewTest, ExpandButtonsForEmptyDetailsFollowTheLevelsTabs) {
    EXPECT_TRUE(View->OptionsView().ExpandButtonsForEmptyDetails());
    View->Level()->Options().SetTabsForEmptyDetails(false);
    EXPECT_FALSE(View->OptionsView().ExpandButtonsForEmptyDetails());
    EXPECT_TRUE(View->HidesEmptyDetailExpandButtons());
}

TEST_F(GridTableViewTest, ThePreviewColumnLeavesTheVisibleColumnsAndComesBackAtItsPlace) {
    AddColumns({&TuiStringValueType::Instance(), &TuiStringValueType::Instance(), &TuiStringValueType::Instance()});
    TuiGridColumn* middle = View->Columns(1);
    View->Preview().SetColumn(middle);
    EXPECT_EQ(VisibleColumns(), (std::vector<TuiGridColumn*>{View->Columns(0), View->Columns(2)}));
    EXPECT_TRUE(middle->IsPreview());
    EXPECT_FALSE(middle->IsVisibleStored());
    EXPECT_FALSE(middle->EffectiveVisibleForCustomization());
    View->Preview().SetColumn(nullptr);
    EXPECT_EQ(VisibleColumns(), (std::vector<TuiGridColumn*>{View->Columns(0), middle, View->Columns(2)}));

    View->Preview().SetColumn(middle);
    delete middle;
    EXPECT_EQ(View->Preview().Column(), nullptr);
}

TEST_F(GridTableViewTest, APreviewColumnOfAnotherViewIsRefused) {
    auto* other = new TuiGridTableView(Form.get());
    Grid->Levels().Add().SetGridView(other);
    TuiGridColumn* foreign = other->CreateColumn();
    View->Preview().SetColumn(foreign);
    EXPECT_EQ(View->Preview().Column(), nullptr);
}

TEST_F(GridTableViewTest, GroupingHidesAColumnAndUngroupingShowsItOnlyIfItWasVisible) {
    AddColumns({&TuiStringValueType::Instance(), &TuiStringValueType::Instance()});
    TuiGridColumn* shown = View->Columns(0);
    TuiGridColumn* hidden = View->Columns(1);
    hidden->SetVisible(false);
    for (TuiGridColumn* column : {shown, hidden}) {
        ASSERT_TRUE(column->GroupingWithVisibility(0, true));
        EXPECT_FALSE(column->Visible());
        EXPECT_EQ(column->GroupIndex(), 0);
        ASSERT_TRUE(column->GroupingWithVisibility(-1, true));
        EXPECT_EQ(column->GroupIndex(), -1);
    }
    EXPECT_TRUE(shown->Visible());
    EXPECT_FALSE(hidden->Visible());

    View->OptionsCustomize().SetColumnHidingOnGrouping(false);
    shown->GroupingWithVisibility(0, true);
    EXPECT_TRUE(shown->Visible());
}

TEST_F(GridTableViewTest, FooterAlignmentOfACurrencyColumnFollowsTheBindingUntilAssigned) {
    AddColumns({&TuiCurrencyValueType::Instance(), &TuiStringValueType::Instance()});
    TuiGridColumn* amount = View->Columns(0);
    EXPECT_EQ(amount->FooterAlignmentHorz(), vcl::taRightJustify);
    EXPECT_EQ(View->Columns(1)->FooterAlignmentHorz(), vcl::taLeftJustify);
    amount->SetFooterAlignmentHorz(vcl::taRightJustify);
    EXPECT_FALSE(amount->IsFooterAlignmentHorzStored());
    View->DataController().ChangeValueTypeClass(0, &TuiStringValueType::Instance());
    EXPECT_EQ(amount->FooterAlignmentHorz(), vcl::taLeftJustify);
    amount->SetFooterAlignmentHorz(vcl::taCenter);
    EXPECT_TRUE(amount->IsFooterAlignmentHorzStored());
    EXPECT_EQ(amount->GroupSummaryAlignment(), vcl::taLeftJustify);
}

TEST_F(GridTableViewTest, RowSeparatorsAnActivePreviewOrALayoutEditingCopyStopCellMerging) {
    AddColumns({&TuiStringValueType::Instance(), &TuiStringValueType::Instance()});
    TuiGridColumn* merged = View->Columns(0);
    EXPECT_FALSE(merged->CanCellMerging());
    merged->Options().SetCellMerging(true);
    EXPECT_TRUE(merged->CanCellMerging());

    View->OptionsView().SetRowSeparatorWidth(1);
    EXPECT_FALSE(merged->CanCellMerging());
    View->OptionsView().SetRowSeparatorWidth(0);

    View->Preview().SetColumn(View->Columns(1));
    EXPECT_TRUE(merged->CanCellMerging());
    View->Preview().SetVisible(true);
    EXPECT_FALSE(merged->CanCellMerging());
    View->Preview().SetVisible(false);

    auto* copy = new TuiGridTableView(Form.get());
    TuiGridTableView::PrepareLayoutEditingCopy(*copy);
    EXPECT_FALSE(copy->CanCellMerging());
    EXPECT_TRUE(View->CanCellMerging());
    delete copy;
}

TEST_F(GridTableViewTest, TheStoredLayoutKeepsFooterGroupByBoxGroupFootersAndNewItemRow) {
    std::vector<rtl::UnicodeString> names;
    View->GetStoredProperties(names);
    ASSERT_GE(names.size(), 4U);
    EXPECT_EQ(std::vector<rtl::UnicodeString>(names.begin(), names.begin() + 4),
              (std::vector<rtl::UnicodeString>{u"Footer", u"GroupByBox", u"GroupFooters", u"NewItemRow"}));

    struct Case {
        rtl::Variant Stored;
        TuiGridGroupFootersMode Expected;
    };
    for (const Case& c :
         {Case{rtl::Variant(u"True"), gfVisibleWhenExpanded}, Case{rtl::Variant(u"False"), gfInvisible},
          Case{rtl::Variant(int32_t{2}), gfAlwaysVisible}, Case{rtl::Variant(u"1"), gfVisibleWhenExpanded}}) {
        View->SetStoredPropertyValue(u"GroupFooters", c.Stored);
        EXPECT_EQ(View->OptionsView().GroupFooters(), c.Expected) << rtl::VarToStr(c.Stored).size();
    }
    for (const rtl::Variant& refused : {rtl::Variant(int32_t{7}), rtl::Variant(int32_t{-1}), rtl::Variant(u"maybe")}) {
        EXPECT_ANY_THROW(View->SetStoredPropertyValue(u"GroupFooters", refused));
        EXPECT_EQ(View->OptionsView().GroupFooters(), gfVisibleWhenExpanded);
    }

    View->SetStoredPropertyValue(u"Footer", rtl::Variant(true));
    View->SetStoredPropertyValue(u"NewItemRow", rtl::Variant(true));
    rtl::Variant value;
    View->GetStoredPropertyValue(u"Footer", value);
    EXPECT_TRUE(rtl::VarToBoolean(value));
    View->GetStoredPropertyValue(u"NewItemRow", value);
    EXPECT_TRUE(rtl::VarToBoolean(value));
    View->GetStoredPropertyValue(u"GroupFooters", value);
    EXPECT_EQ(rtl::VarToInteger(value), 1);
}

TEST_F(GridTableViewTest, AColumnStoresGroupIndexAndWidthAheadOfTheItemsNames) {
    AddColumns({&TuiStringValueType::Instance(), &TuiStringValueType::Instance()});
    TuiGridColumn* column = View->Columns(1);
    std::vector<rtl::UnicodeString> names;
    column->GetStoredProperties(names);
    ASSERT_GE(names.size(), 4U);
    EXPECT_EQ(names[0], u"GroupIndex");
    EXPECT_EQ(names[1], u"Width");
    EXPECT_EQ(names[2], u"AlignmentHorz") << "the text editor shows the column";
    EXPECT_EQ(names[3], u"Index");
    column->SetStoredPropertyValue(u"Width", rtl::Variant(int32_t{90}));
    column->SetStoredPropertyValue(u"GroupIndex", rtl::Variant(int32_t{0}));
    rtl::Variant value;
    column->GetStoredPropertyValue(u"Width", value);
    EXPECT_EQ(rtl::VarToInteger(value), 90);
    column->GetStoredPropertyValue(u"GroupIndex", value);
    EXPECT_EQ(rtl::VarToInteger(value), 0);
}

TEST_F(GridTableViewTest, AColumnsSummaryMakesAndFreesItsFooterItem) {
    AddColumns({&TuiStringValueType::Instance(), &TuiCurrencyValueType::Instance()});
    TuiGridColumn* amount = View->Columns(1);
    TuiDataSummaryItems& footer = View->DataController().Summary().FooterSummaryItems();
    amount->Summary().SetFooterKind(skSum);
    ASSERT_EQ(footer.Count(), 1);
    EXPECT_EQ(footer.GetItem(0).GetLinkedItem(), amount);
    EXPECT_EQ(footer.GetItem(0).Kind(), skSum);
    EXPECT_EQ(amount->Summary().FooterKind(), skSum);
    amount->Summary().SetFooterFormat(u"0.00");
    amount->Summary().SetFooterKind(skNone);
    EXPECT_EQ(footer.Count(), 1);
    amount->Summary().SetFooterFormat(u"");
    EXPECT_EQ(footer.Count(), 0);
    EXPECT_EQ(View->Columns(0)->Summary().FooterKind(), skNone);
}

TEST_F(GridTableViewTest, GroupKindAndGroupFooterKindAddressTwoItems) {
    AddColumns({&TuiIntegerValueType::Instance()});
    TuiGridColumnSummary& summary = View->Columns(0)->Summary();
    summary.SetGroupKind(skCount);
    summary.SetGroupFooterKind(skMax);
    TuiDataSummaryItems& group = View->DataController().Summary().DefaultGroupSummaryItems();
    ASSERT_EQ(group.Count(), 2);
    TuiDataSummaryItem* inRow = summary.FindItem(group, spGroup);
    TuiDataSummaryItem* inFooter = summary.FindItem(group, spFooter);
    ASSERT_NE(inRow, nullptr);
    ASSERT_NE(inFooter, nullptr);
    EXPECT_NE(inRow, inFooter);
    EXPECT_EQ(inRow->Kind(), skCount);
    EXPECT_EQ(inFooter->Kind(), skMax);
    EXPECT_EQ(summary.GroupKind(), skCount);
    EXPECT_EQ(summary.GroupFooterKind(), skMax);
    summary.SetGroupKind(skNone);
    EXPECT_EQ(group.Count(), 1);
    EXPECT_EQ(summary.GroupFooterKind(), skMax);
}

} // namespace
} // namespace ui
