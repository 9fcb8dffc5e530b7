#include "ui/grid/tableview/uiGridTableSummaryItem.h"

#include "rtl/variants/VariantConversions.h"
#include "tests/ui/grid/GridTestSupport.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridColumnSummary.h"
#include "ui/grid/tableview/uiGridTableView.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

class GridTableSummaryItemTest : public ui_test::GridOnFormTest {
protected:
    void SetUp() override {
        GridOnFormTest::SetUp();
        View = new TuiGridTableView(Form.get());
        Grid->Levels().Add().SetGridView(View);
        for (const char16_t* name : {u"Quantity", u"Amount", u"Rate"}) {
            View->CreateColumn()->SetName(name);
        }
    }
    TuiDataSummaryItems& Footer() const { return View->DataController().Summary().FooterSummaryItems(); }

    TuiGridTableView* View = nullptr;
};

TEST_F(GridTableSummaryItemTest, TheViewsSummaryCollectionsHoldItemsOfTheTableClasses) {
    View->Columns(1)->Summary().SetFooterKind(skSum);
    auto* item = dynamic_cast<TuiGridTableSummaryItem*>(&Footer().GetItem(0));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Column(), View->Columns(1));
    EXPECT_TRUE(item->VisibleForCustomization());
    TuiDataSummaryGroup& group = View->DataController().Summary().SummaryGroups().AddGroup();
    auto* link = dynamic_cast<TuiGridTableSummaryGroupItemLink*>(&group.Links().AddLink());
    ASSERT_NE(link, nullptr);
    link->SetColumn(View->Columns(2));
    EXPECT_EQ(link->Column(), View->Columns(2));
    EXPECT_NE(dynamic_cast<TuiGridTableSummaryItem*>(&group.SummaryItems().AddItem()), nullptr);
}

TEST_F(GridTableSummaryItemTest, AnItemStoresItsColumnByStoredNameAndRestoresIt) {
    auto& item = static_cast<TuiGridTableSummaryItem&>(Footer().AddItem());
    std::vector<rtl::UnicodeString> names;
    item.GetStoredProperties(names);
    EXPECT_EQ(names, std::vector<rtl::UnicodeString>{u"Column"});
    EXPECT_TRUE(item.GetStoredObjectName().empty());
    rtl::Variant value;
    item.GetStoredPropertyValue(u"Column", value);
    EXPECT_EQ(rtl::VarToStr(value), u"");

    struct TCase {
        bool StoringNames;
        const char16_t* StoredName;
    };
    for (const TCase& test : {TCase{false, u"2"}, TCase{true, u"Rate"}}) {
        SCOPED_TRACE(test.StoringNames ? "by name" : "by ID");
        View->SetStoringNames(test.StoringNames);
        item.SetColumn(View->Columns(2));
        item.GetStoredPropertyValue(u"Column", value);
        EXPECT_EQ(rtl::VarToStr(value), test.StoredName);
        item.SetColumn(nullptr);
        item.SetStoredPropertyValue(u"Column", value);
        EXPECT_EQ(item.Column(), View->Columns(2));
    }
    for (const char16_t* unknown : {u"", u"7", u"Rate2"}) {
        item.SetColumn(View->Columns(0));
        item.SetStoredPropertyValue(u"Column", rtl::Variant(rtl::UnicodeString(unknown)));
        EXPECT_EQ(item.Column(), nullptr);
    }
}

TEST_F(GridTableSummaryItemTest, AssignCopiesTheDisplayTextAndTheCustomizationFlag) {
    auto& source = static_cast<TuiGridTableSummaryItem&>(Footer().AddItem());
    source.SetColumn(View->Columns(0));
    source.SetKind(skCount);
    source.SetDisplayText(u"Lines");
    source.SetVisibleForCustomization(false);
    auto& copy = static_cast<TuiGridTableSummaryItem&>(Footer().AddItem());
    copy.Assign(&source);
    EXPECT_EQ(copy.Column(), View->Columns(0));
    EXPECT_EQ(copy.Kind(), skCount);
    EXPECT_EQ(copy.DisplayText(), u"Lines");
    EXPECT_FALSE(copy.VisibleForCustomization());
}

} // namespace
} // namespace ui
