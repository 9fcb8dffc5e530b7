#include "rtl/variants/VariantConversions.h"
#include "tests/ui/editors/filterdialog/ScriptedFilterDialog.h"
#include "tests/ui/grid/customtable/PlainTableViewSupport.h"
#include "ui/data/filter/uiFilterCriteria.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/editors/choice/uiButton.h"
#include "ui/editors/filter/uiFilterControlOperators.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/filtering/uiGridFilterMRU.h"
#include "ui/grid/customtable/filtering/uiGridFilterValueList.h"
#include "ui/grid/customtable/items/uiGridItemDataBinding.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "vcl/stdctrls/Label.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

// A view of customers' names, whose filter drop-down offers "(Custom...)".
class GridCustomFilterTest : public ui_test::PlainTableViewTest {
protected:
    void SetUp() override {
        PlainTableViewTest::SetUp();
        Item = View->CreateItem();
        Item->SetCaption(u"Customer");
        Data().SetRecordCount(3);
        int32_t record = 0;
        for (const char16_t* name : {u"Apple", u"Banana", u"Cherry"}) {
            Data().SetValue(record++, 0, rtl::Variant(rtl::UnicodeString(name)));
        }
    }
    TuiGridDataController& Data() const { return View->DataController(); }
    // Picks "(Custom...)" in the item's drop-down.
    void PickCustom() {
        auto list = View->ViewData().CreateFilterValueList();
        Item->DataBinding().GetFilterValues(*list, false, false, false);
        Item->DataBinding().ApplyFilterValueEntry(*list, list->IndexOfKind(fviCustom), true, true, nullptr);
    }

    TuiCustomGridTableItem* Item = nullptr;
};

TEST_F(GridCustomFilterTest, CustomOpensTheDialogForTheItemAndItsFilterBecomesActiveAndRecentlyUsed) {
    rtl::UnicodeString caption;
    ui_test::TScriptedFilterDialog dialogs({
        [&](TuiFilterDialog& dialog) {
            caption = dialog.lblColumnCaption->Caption();
            ui_test::PickOperator(dialog, 0, fcopEqual);
            ui_test::TypeValue(dialog, 0, u"Banana");
        },
        [](TuiFilterDialog& dialog) {
            ui_test::Click(dialog.OKButton(), {5, 5});
        },
    });
    PickCustom();
    EXPECT_EQ(dialogs.Shown, 1);
    EXPECT_EQ(caption, u"Customer ");
    EXPECT_TRUE(Data().Filter().Active());
    EXPECT_EQ(Data().GetRowCount(), 1);
    ASSERT_NE(Item->DataBinding().FilterCriteriaItem(), nullptr);
    EXPECT_EQ(rtl::VarToStr(Item->DataBinding().FilterCriteriaItem()->Value()), u"Banana");
    EXPECT_EQ(View->Filtering().MRUItems().GetCount(), 1);
}

TEST_F(GridCustomFilterTest, ACancelledDialogChangesNothing) {
    ui_test::TScriptedFilterDialog dialogs({[](TuiFilterDialog& dialog) {
        ui_test::Click(dialog.CancelButton(), {5, 5});
    }});
    PickCustom();
    EXPECT_EQ(dialogs.Shown, 1);
    EXPECT_TRUE(Data().Filter().HasNoConditions());
    EXPECT_EQ(View->Filtering().MRUItems().GetCount(), 0);
}

TEST_F(GridCustomFilterTest, TheViewsHandlersTakeOverBeforeAnyDialogAndAFilterTooComplexIsTheirs) {
    ui_test::TScriptedFilterDialog dialogs({});
    TuiCustomGridTableItem* askedFor = nullptr;
    View->SetOnFilterDialogShow([&](TuiCustomGridTableView&, TuiCustomGridTableItem* item, bool& done) {
        askedFor = item;
        done = true;
    });
    PickCustom();
    EXPECT_EQ(askedFor, Item);

    View->SetOnFilterDialogShow({});
    int customizations = 0;
    View->SetOnFilterCustomization([&](TuiCustomGridTableView&, bool& done) {
        ++customizations;
        done = true;
    });
    Data().Filter().Root().ChangeBoolOperator(fboOr);
    Data().Filter().AddItem(nullptr, Item, fokEqual, rtl::Variant(u"Apple"), u"Apple");
    PickCustom();
    View->Filtering().CustomizeFilter(nullptr);
    EXPECT_EQ(customizations, 2) << "an OR root and the whole filter need the filter builder";
    EXPECT_EQ(dialogs.Shown, 0);
}

TEST_F(GridCustomFilterTest, RecentlyUsedFiltersFollowTheCurrentFilterAndForgetAnItemThatLeaves) {
    TuiCustomGridTableItem* quantity = View->CreateItem();
    TuiDataFilterCriteria& filter = Data().Filter();
    filter.AddItem(nullptr, Item, fokEqual, rtl::Variant(u"Apple"), u"Apple");
    View->Filtering().AddFilterToMRU();
    filter.AddItem(nullptr, quantity, fokGreater, rtl::Variant(2), u"2");
    View->Filtering().AddFilterToMRU();
    TuiGridFilterMRUItems& recent = View->Filtering().MRUItems();
    ASSERT_EQ(recent.GetCount(), 2);
    EXPECT_EQ(recent.VisibleItemCount(), 1) << "the current filter is not offered";
    filter.RemoveItemsByLink(quantity);
    EXPECT_EQ(recent.VisibleItemCount(), 1) << "now the older filter is the current one";
    EXPECT_TRUE(recent.VisibleItem(0).Filter().FindConditionForItem(quantity) != nullptr);

    delete quantity;
    ASSERT_EQ(recent.GetCount(), 2);
    EXPECT_EQ(recent.VisibleItemCount(), 0) << "without the item's condition both equal the current filter";
    EXPECT_EQ(recent.Item(0).Caption(), filter.GetFilterCaption());
}

} // namespace
} // namespace ui
