#include "ui/grid/customtable/uiCustomGridTableOptions.h"

#include "rtl/core/Exceptions.h"
#include "tests/ui/grid/customtable/PlainTableViewSupport.h"
#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/styles/uiStyles.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/filtering/uiGridDateRanges.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/items/uiCustomGridTableItemOptions.h"
#include "ui/grid/customtable/items/uiGridItemDataBinding.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"
#include "ui/grid/customtable/uiCustomGridTableViewStyles.h"
#include "ui/grid/customtable/uiGridStrs.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

class CustomGridTableOptionsTest : public ui_test::PlainTableViewTest {
protected:
    // A filter on item 0 of the value given.
    void FilterOn(int32_t value) {
        TuiDataFilterCriteria& filter = View->DataController().Filter();
        filter.ClearConditions();
        filter.AddItem(nullptr, View->Items(0), fokEqual, rtl::Variant(value), u"");
    }
};

TEST_F(CustomGridTableOptionsTest, ANegativeItemMRUCountStoresZeroAndEveryItemsListBecomesUnlimited) {
    TuiCustomGridTableItem* item = View->CreateItem();
    EXPECT_EQ(item->DataBinding().FilterMRUValueItems().MaxCount(), 5);
    View->Filtering().SetItemMRUItemsListCount(-3);
    EXPECT_EQ(View->Filtering().ItemMRUItemsListCount(), 0);
    EXPECT_EQ(item->DataBinding().FilterMRUValueItems().MaxCount(), 0);
    for (int32_t i = 0; i < 40; ++i) {
        item->DataBinding().FilterMRUValueItems().Add(rtl::Variant(i), u"");
    }
    EXPECT_EQ(item->DataBinding().FilterMRUValueItems().GetCount(), 40);
    EXPECT_EQ(View->CreateItem()->DataBinding().FilterMRUValueItems().MaxCount(), 0);
}

TEST_F(CustomGridTableOptionsTest, EqualFilterValuesTakeOnePlaceMostRecentFirst) {
    TuiGridFilterMRUValueItems values;
    values.Add(rtl::Variant(int32_t{1}), u"one");
    values.Add(rtl::Variant(int32_t{2}), u"two");
    values.Add(rtl::Variant(1.0), u"one again");
    ASSERT_EQ(values.GetCount(), 2);
    EXPECT_EQ(values.Item(0).DisplayText(), u"one");
}

TEST_F(CustomGridTableOptionsTest, TheFilterMRUKeepsTheCountPlusOneAndNeverShowsTheCurrentFilter) {
    View->CreateItem();
    View->DataController().ChangeValueTypeClass(0, &TuiIntegerValueType::Instance());
    TuiCustomGridTableFiltering& filtering = View->Filtering();
    EXPECT_EQ(filtering.MRUItemsListCount(), 10);
    for (int32_t i = 0; i < 14; ++i) {
        FilterOn(i);
        filtering.AddFilterToMRU();
    }
    EXPECT_EQ(filtering.MRUItems().GetCount(), 11);
    EXPECT_EQ(filtering.MRUItems().VisibleItemCount(), 10);
    for (int32_t i = 0; i < filtering.MRUItems().VisibleItemCount(); ++i) {
        EXPECT_FALSE(filtering.MRUItems().VisibleItem(i).EqualsFilter(View->DataController().Filter()));
    }
    View->DataController().Filter().ClearConditions();
    filtering.AddFilterToMRU();
    EXPECT_EQ(filtering.MRUItems().GetCount(), 11);

    filtering.SetMRUItemsListCount(0);
    for (int32_t i = 20; i < 40; ++i) {
        FilterOn(i);
        filtering.AddFilterToMRU();
    }
    EXPECT_EQ(filtering.MRUItems().GetCount(), 31);
}

TEST_F(CustomGridTableOptionsTest, DateTimeGroupingDefaultReadsRelativeToTodayAndFormatsFallBackToGridStrings) {
    TuiCustomGridTableDateTimeHandling& handling = View->DateTimeHandling();
    EXPECT_EQ(handling.Grouping(), dtgRelativeToToday);
    handling.SetGrouping(dtgByMonth);
    handling.SetGrouping(dtgDefault);
    EXPECT_EQ(handling.Grouping(), dtgRelativeToToday);
    EXPECT_EQ(handling.EffectiveMonthFormat(), u"mmmm yyyy");
    EXPECT_EQ(handling.EffectiveYearFormat(), u"yyyy");
    EXPECT_EQ(handling.EffectiveDateFormat(u"yyyy'年'm'月'd'日'"), u"yyyy'年'm'月'd'日'");
    handling.SetUseLongDateFormat(false);
    EXPECT_EQ(handling.EffectiveDateFormat(u"long"), u"");
    handling.SetMonthFormat(u"mm/yyyy");
    EXPECT_EQ(handling.EffectiveMonthFormat(), u"mm/yyyy");
}

TEST_F(CustomGridTableOptionsTest, OldFormsSetTheFilterBarThroughFiltering) {
    TuiCustomGridTableFiltering& filtering = View->Filtering();
    filtering.ReadPosition(u"fpTop");
    EXPECT_EQ(View->FilterBox().Position(), fpTop);
    filtering.ReadVisible(u"fvAlways");
    EXPECT_EQ(View->FilterBox().Visible(), fvAlways);
    EXPECT_THROW(filtering.ReadVisible(u"fvSometimes"), rtl::EConvertError);
    EXPECT_EQ(View->FilterBox().Visible(), fvAlways);
    filtering.ReadMaxDropDownCount(-2);
    EXPECT_EQ(filtering.ItemPopup().MaxDropDownItemCount(), 0);
}

TEST_F(CustomGridTableOptionsTest, TheDefaultNoDataTextIsNotStored) {
    TuiCustomGridTableOptionsView& options = View->OptionsView();
    EXPECT_EQ(options.NoDataToDisplayInfoText(), LoadResStringText(suiGridNoDataInfoText));
    options.SetNoDataToDisplayInfoText(u"<No data to display>");
    EXPECT_FALSE(options.IsNoDataToDisplayInfoTextStored());
    options.SetNoDataToDisplayInfoText(u"Nothing imported");
    EXPECT_TRUE(options.IsNoDataToDisplayInfoTextStored());
    EXPECT_EQ(options.NoDataToDisplayInfoText(), u"Nothing imported");
    options.SetNavigatorOffset(-5);
    EXPECT_EQ(options.NavigatorOffset(), 0);
}

TEST_F(CustomGridTableOptionsTest, OptionsHoldTheirDefaults) {
    EXPECT_EQ(View->OptionsBehavior().BestFitMaxRecordCount(), 0);
    EXPECT_TRUE(View->OptionsBehavior().ImmediateEditor());
    EXPECT_FALSE(View->OptionsCustomize().ItemHiding());
    EXPECT_TRUE(View->OptionsCustomize().SupportsItemsQuickCustomizationReordering());
    View->OptionsCustomize().SetItemMoving(false);
    EXPECT_FALSE(View->OptionsCustomize().SupportsItemsQuickCustomizationReordering());
    EXPECT_TRUE(View->OptionsData().Editing());
    EXPECT_FALSE(View->OptionsData().Appending());
    EXPECT_TRUE(View->OptionsSelection().CellSelect());
    EXPECT_FALSE(View->OptionsSelection().IsInvertSelectStored());
    EXPECT_FALSE(View->OptionsSelection().MultiSelect());
    View->OptionsSelection().SetMultiSelect(true);
    EXPECT_TRUE(View->DataController().MultiSelect());
    EXPECT_EQ(View->OptionsView().ShowEditButtons(), gsebNever);
    EXPECT_EQ(View->FilterBox().Position(), fpBottom);
    EXPECT_EQ(View->FilterBox().Visible(), fvNonEmpty);
    EXPECT_EQ(View->Filtering().ItemPopup().MaxDropDownItemCount(), 15);
    TuiCustomGridTableItem* item = View->CreateItem();
    EXPECT_TRUE(item->Options().Sorting());
    EXPECT_EQ(item->Options().ShowEditButtons(), isebDefault);
}

TEST_F(CustomGridTableOptionsTest, WithOnlyContentOddAssignedEvenRowsUseContent) {
    View->CreateItem();
    View->DataController().SetRecordCount(2);
    auto* content = new TuiStyle(Form.get());
    content->SetColor(vcl::clRed);
    auto* odd = new TuiStyle(Form.get());
    odd->SetColor(vcl::clBlue);
    TuiCustomGridTableViewStyles& styles = View->Styles();
    styles.SetStyle(TuiCustomGridTableViewStyles::vsContent, content);
    styles.SetStyle(TuiCustomGridTableViewStyles::vsContentOdd, odd);
    TuiCustomGridTableViewData& viewData = View->ViewData();
    TuiDrawParams even;
    TuiDrawParams oddParams;
    styles.GetContentParams(viewData.GetRecordAt(0), View->Items(0), even);
    styles.GetContentParams(viewData.GetRecordAt(1), View->Items(0), oddParams);
    EXPECT_EQ(even.Color, vcl::clRed);
    EXPECT_EQ(oddParams.Color, vcl::clBlue);

    // Without styles, rows take the painter's even and odd colours; the item's content follows the view's.
    styles.SetStyle(TuiCustomGridTableViewStyles::vsContent, nullptr);
    styles.SetStyle(TuiCustomGridTableViewStyles::vsContentOdd, nullptr);
    TuiDrawParams plainEven;
    View->Items(0)->Styles().GetContentParams(viewData.GetRecordAt(0), plainEven);
    EXPECT_EQ(plainEven.Color, View->LookAndFeelPainter()->ContentEvenColor());
    TuiDrawParams handled;
    styles.SetOnGetContentStyle([content](TuiCustomGridTableView&, TuiCustomGridRecord*, TuiCustomGridTableItem*,
                                          TuiStyle*& style) { style = content; });
    styles.GetContentParams(viewData.GetRecordAt(1), View->Items(0), handled);
    EXPECT_EQ(handled.Color, vcl::clRed);
}

TEST_F(CustomGridTableOptionsTest, AnItemFollowsTheViewsDateTimeGroupingUnlessItHasItsOwn) {
    TuiCustomGridTableItem* item = View->CreateItem();
    View->DataController().ChangeValueTypeClass(0, &TuiDateTimeValueType::Instance());
    EXPECT_EQ(item->EffectiveDateTimeGrouping(), dtgRelativeToToday);
    EXPECT_EQ(item->GroupingDateRanges().Count(), 12);
    EXPECT_TRUE(item->UsesGroupingDateRanges());
    View->DateTimeHandling().SetGrouping(dtgByMonth);
    EXPECT_EQ(item->GroupingDateRanges().Count(), 1);
    item->SetDateTimeGrouping(dtgByDateAndTime);
    EXPECT_FALSE(item->UsesGroupingDateRanges());
    View->DataController().ChangeValueTypeClass(0, &TuiIntegerValueType::Instance());
    item->SetDateTimeGrouping(dtgByYear);
    EXPECT_FALSE(item->UsesGroupingDateRanges());
    View->DateTimeHandling().SetFilters({dtfYears, dtfMonths});
    item->InitFilteringDateRanges();
    EXPECT_EQ(item->FilteringDateRanges().Count(), 2);
}

} // namespace
} // namespace ui
