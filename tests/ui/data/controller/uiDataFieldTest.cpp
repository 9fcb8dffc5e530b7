#include "ui/data/controller/uiDataField.h"

#include "ControllerTestSupport.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/TestSupport.h"
#include "ui/data/controller/links/uiDataControllerNotifier.h"
#include "ui/data/storage/uiDataStorage.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace ui {
namespace {

using rtl::Variant;
using test::TNoticeLog;
using test::TTestDataController;
using test_support::MessageOf;

using StringList = std::vector<std::string>;

// Three Integer fields A, B, C with items, two records holding 1, 2 in A.
class DataFields : public ::testing::Test {
protected:
    DataFields() {
        for (int i = 0; i < 3; ++i) {
            FController.AddTypedItem(&TuiIntegerValueType::Instance());
        }
        FController.SetRecordCount(2);
        FController.SetValue(0, 0, Variant(1));
        FController.SetValue(1, 0, Variant(2));
    }

    TuiCustomDataField& Field(int32_t position) { return FController.Fields().GetItem(position); }
    int32_t ValueOf(const TuiCustomDataField& field, int32_t record) {
        return rtl::VarToInteger(FController.GetFieldValue(record, field));
    }

    TTestDataController FController;
};

TEST_F(DataFields, ItemFieldsComeBeforeInternalFields) {
    TTestDataController controller;
    TuiCustomDataField& first = controller.AddItem(nullptr);
    TuiCustomDataField& internal = controller.CreateInternalField();
    TuiCustomDataField& second = controller.AddItem(nullptr);
    EXPECT_EQ(controller.Fields().GetCount(), 3);
    EXPECT_EQ(controller.GetItemCount(), 2);
    EXPECT_EQ(first.GetPosition(), 0);
    EXPECT_EQ(second.GetPosition(), 1);
    EXPECT_EQ(internal.GetPosition(), 2);

    internal.AssignValueTypeClass(&TuiIntegerValueType::Instance());
    second.AssignValueTypeClass(&TuiIntegerValueType::Instance());
    EXPECT_TRUE(controller.IsInternalFieldValueDef(*internal.ValueDef()));
    EXPECT_FALSE(controller.IsInternalFieldValueDef(*second.ValueDef()));
    EXPECT_FALSE(controller.IsProviderField(internal));
    EXPECT_TRUE(controller.IsProviderField(second));
}

TEST_F(DataFields, AFieldAddedTwiceForOneItemIsRefused) {
    rtl::TObject item;
    FController.AddItem(&item);
    EXPECT_EQ(MessageOf([&] { FController.AddItem(&item); }), "Item already exists");
    EXPECT_EQ(FController.Fields().GetCount(), 4);
    // Fields without an item are not items of one another.
    FController.AddItem(nullptr);
    FController.AddItem(nullptr);
    EXPECT_EQ(FController.Fields().GetCount(), 6);
}

TEST_F(DataFields, ReferenceChainsEndAtTheFieldThatHoldsTheValues) {
    TuiCustomDataField& a = Field(0);
    TuiCustomDataField& b = Field(1);
    TuiCustomDataField& c = Field(2);
    b.AttachToField(&a);
    c.AttachToField(&b);
    EXPECT_EQ(c.ReferenceField(), &a);
    EXPECT_EQ(b.ValueDef(), nullptr);
    EXPECT_EQ(c.EffectiveValueDef(), a.ValueDef());
    EXPECT_EQ(ValueOf(b, 1), 2);
    EXPECT_EQ(ValueOf(c, 0), 1);

    // A cycle is refused, and a referring field keeps its reference's type.
    a.AttachToField(&c);
    EXPECT_EQ(a.ReferenceField(), nullptr);
    b.AssignValueTypeClass(&TuiStringValueType::Instance());
    EXPECT_EQ(b.EffectiveValueTypeClass(), &TuiIntegerValueType::Instance());

    // Freeing A hands its definition to B, the first field that referred to it, and points C at B.
    delete &a;
    EXPECT_EQ(b.ReferenceField(), nullptr);
    ASSERT_NE(b.ValueDef(), nullptr);
    EXPECT_EQ(b.ValueDef()->LinkObjectOf(), &b);
    EXPECT_EQ(c.ReferenceField(), &b);
    EXPECT_EQ(ValueOf(b, 0), 1);
    EXPECT_EQ(ValueOf(c, 1), 2);
    EXPECT_EQ(FController.GetItemCount(), 2);
}

TEST_F(DataFields, FreeingAFieldThatRefersOnKeepsItsReferrersOnTheValues) {
    // A refers to X after B came to refer to A: freeing A leaves B on X's values.
    TuiCustomDataField& x = Field(0);
    TuiCustomDataField& a = Field(1);
    TuiCustomDataField& b = Field(2);
    b.AttachToField(&a);
    a.AttachToField(&x);
    EXPECT_EQ(ValueOf(b, 1), 2);
    delete &a;
    EXPECT_EQ(b.ReferenceField(), &x);
    EXPECT_EQ(ValueOf(b, 1), 2);
}

TEST_F(DataFields, ChangingTheValueTypeReportsALayoutChange) {
    TNoticeLog log(FController);
    FController.ChangeValueTypeClass(0, &TuiIntegerValueType::Instance());
    FController.ChangeItemTextStored(0, false);
    EXPECT_TRUE(log.Entries.empty());

    FController.ChangeValueTypeClass(0, &TuiCurrencyValueType::Instance());
    EXPECT_EQ(log.Entries, StringList{"layout"});
    EXPECT_EQ(FController.GetItemValueTypeClass(0), &TuiCurrencyValueType::Instance());
    // The values of the old type are gone; the new type takes values at once.
    EXPECT_TRUE(FController.GetValue(1, 0).IsNull());
    FController.SetValue(1, 0, Variant(u"1.25"));
    EXPECT_EQ(FController.GetValue(1, 0).StoredCurrency().Scaled(), 12500);
    EXPECT_TRUE(FController.GetValue(0, 1).IsNull());

    FController.ChangeItemTextStored(1, true);
    EXPECT_TRUE(FController.GetItemTextStored(1));
    EXPECT_EQ(MessageOf([&] { FController.ChangeValueTypeClass(3, nullptr); }), "ItemIndex out of range");
}

TEST_F(DataFields, UpdateItemsFollowsTheViewsOrder) {
    TuiCustomDataField& a = Field(0);
    TuiCustomDataField& c = Field(2);
    FController.MoveViewItem(0, 2);
    TNoticeLog log(FController);
    FController.UpdateItems();
    EXPECT_EQ(log.Entries, StringList{"layout"});
    EXPECT_EQ(&Field(2), &a);
    EXPECT_EQ(&Field(1), &c);
    EXPECT_EQ(rtl::VarToInteger(FController.GetValue(1, 2)), 2);
}

TEST_F(DataFields, RemovingAnItemFreesItsField) {
    rtl::TObject* item = FController.GetItem(1);
    FController.RemoveItem(item);
    EXPECT_EQ(FController.GetItemCount(), 2);
    EXPECT_EQ(FController.Fields().FindByItem(item), nullptr);
    EXPECT_EQ(FController.DataStorage().ValueDefs().GetCount(), 2);
    FController.RemoveItem(item);
    EXPECT_EQ(FController.GetItemCount(), 2);
}

TEST(DataFieldItems, ItemsAreFoundByTheirComponentNames) {
    rtl::TComponent amount(nullptr);
    amount.SetName(u"Amount");
    rtl::TObject plain;
    // The view's items are the component and the plain object.
    class TNamedItemsController : public TuiDataController {
    public:
        TNamedItemsController(rtl::TObject* first, rtl::TObject* second)
            : TuiDataController(nullptr), FItems{first, second} {}
        rtl::TObject* GetItem(int32_t index) const override { return FItems.at(static_cast<size_t>(index)); }

    private:
        std::vector<rtl::TObject*> FItems;
    } controller(&amount, &plain);
    controller.AddItem(&amount);
    controller.AddItem(&plain);
    EXPECT_EQ(controller.FindItemByName(u"AMOUNT"), &amount);
    EXPECT_EQ(controller.FindItemByName(u"Price"), nullptr);
    EXPECT_EQ(test_support::Utf8(controller.GetItemName(&amount)), "Amount");
    EXPECT_EQ(controller.GetItemID(&amount), -1);
    EXPECT_EQ(controller.FindItemByID(7), nullptr);
}

// A field that logs the components it hears of, and a controller whose fields are of that class and which frees
// the fields of items it was told are gone.
std::vector<std::string> removedComponentLog;

class TLoggingField : public TuiCustomDataField {
    RTL_DECLARE_CLASS(TLoggingField, TuiCustomDataField)
public:
    using TuiCustomDataField::TuiCustomDataField;
    void NotifyComponentRemoved(rtl::TComponent* component) override {
        std::string name;
        for (const char16_t ch : component->Name()) {
            name += static_cast<char>(ch);
        }
        removedComponentLog.push_back(std::to_string(GetPosition()) + " " + name);
    }
};

class TLoggingFieldsController : public TTestDataController {
public:
    const rtl::TMetaclass& GetFieldClass() const override { return TLoggingField::StaticClass(); }
    void ValidateField(TuiCustomDataField& field) override {
        ++FValidations;
        if (std::find(GoneItems.begin(), GoneItems.end(), field.Item()) != GoneItems.end()) {
            delete &field;
        }
    }

    std::vector<rtl::TObject*> GoneItems;
    int FValidations = 0;
};

TEST(DataFieldNotices, AFreedComponentReachesEveryFieldThroughTheNotifier) {
    removedComponentLog.clear();
    TLoggingFieldsController controller;
    controller.AddTypedItem(nullptr);
    controller.AddTypedItem(nullptr);
    EXPECT_EQ(controller.Fields().GetItem(1).ClassType(), TLoggingField::StaticClass());
    {
        rtl::TComponent images(nullptr);
        images.SetName(u"Images");
        images.FreeNotification(&controller.Notifier());
    }
    EXPECT_EQ(removedComponentLog, (StringList{"0 Images", "1 Images"}));
}

TEST(DataFieldNotices, DestroyedFieldsAreRemovedUntilAPassFreesNone) {
    TLoggingFieldsController controller;
    for (int i = 0; i < 4; ++i) {
        controller.AddTypedItem(&TuiIntegerValueType::Instance());
    }
    controller.GoneItems = {controller.GetItem(0), controller.GetItem(2)};
    controller.RemoveDestroyedFields();
    EXPECT_EQ(controller.GetItemCount(), 2);
    EXPECT_EQ(controller.Fields().GetItem(0).Item(), controller.GetItem(1));
    EXPECT_EQ(controller.Fields().GetItem(1).Item(), controller.GetItem(3));
    // Each field is validated once: two freed, two kept.
    EXPECT_EQ(controller.FValidations, 4);
}

} // namespace
} // namespace ui
