// The edit repository and the registry of default editors: items and their listeners, the base name, which item
// answers a value type by version, what a destroyed item takes with it, and editors bound to items.

#include "ui/editors/framework/repository/uiEditRepository.h"

#include "rtl/core/Exceptions.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/CustomEditTestSupport.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <gtest/gtest.h>

namespace ui_test {

// A text item, named as the default text editor's item is.
class TuiEditRepositoryTextItem : public TTestEditRepositoryItem {
    RTL_DECLARE_CLASS(TuiEditRepositoryTextItem, TTestEditRepositoryItem)
public:
    using TTestEditRepositoryItem::TTestEditRepositoryItem;
};

} // namespace ui_test

namespace ui {
namespace {

using ui_test::TTestEditRepositoryItem;

class TuiEditRepositoryTest : public testing::Test {
protected:
    TuiEditRepositoryItem* NewItem() { return Repository.CreateItem(TTestEditRepositoryItem::StaticClass()); }

    TuiEditRepository Repository{nullptr};
};

TEST_F(TuiEditRepositoryTest, TheBaseNameIsTheRepositorysNameAndTheItemsKind) {
    Repository.SetName(u"R");
    rtl::UnicodeString name;
    Repository.CreateItem(ui_test::TuiEditRepositoryTextItem::StaticClass())->GetBaseName(name);
    EXPECT_EQ(name, u"RTextItem");
    NewItem()->GetBaseName(name);
    EXPECT_EQ(name, u"R") << "a class name without the prefix adds nothing";
}

TEST_F(TuiEditRepositoryTest, ARepositoryFreesItsItemsAndAnItemLeavesItsRepository) {
    TuiEditRepositoryItem* first = NewItem();
    NewItem();
    EXPECT_EQ(Repository.Count(), 2);
    first->SetRepository(nullptr);
    EXPECT_EQ(Repository.Count(), 1);
    first->SetParentComponent(&Repository);
    EXPECT_EQ(Repository.Items(1), first);
    rtl::TComponent notARepository(nullptr);
    EXPECT_THROW(first->SetParentComponent(&notARepository), rtl::EInvalidCast);
    EXPECT_EQ(first->Repository(), &Repository);
    Repository.Clear();
    EXPECT_EQ(Repository.Count(), 0);
}

class TuiEditRegistryTest : public TuiEditRepositoryTest {
protected:
    void SetUp() override {
        Text = NewItem();
        Check = NewItem();
        Currency = NewItem();
        Registry.RegisterDefaultItem(-1, Text);
        Registry.RegisterItem(&TuiBooleanValueType::Instance(), -1, Check);
        Registry.RegisterItem(&TuiCurrencyValueType::Instance(), -1, Currency);
        Registry.RegisterItem(&TuiFMTBcdValueType::Instance(), -1, Currency);
    }

    TuiEditDataRegisteredRepositoryItems Registry;
    TuiEditRepositoryItem* Text = nullptr;
    TuiEditRepositoryItem* Check = nullptr;
    TuiEditRepositoryItem* Currency = nullptr;
};

TEST_F(TuiEditRegistryTest, EachValueTypeGetsItsItemAndTheOthersTheDefault) {
    EXPECT_EQ(Registry.GetItem(&TuiBooleanValueType::Instance()), Check);
    EXPECT_EQ(Registry.GetItem(&TuiCurrencyValueType::Instance()), Currency);
    EXPECT_EQ(Registry.GetItem(&TuiFMTBcdValueType::Instance()), Currency);
    EXPECT_EQ(Registry.GetItem(&TuiStringValueType::Instance()), Text);
    EXPECT_EQ(Registry.GetItem(&TuiIntegerValueType::Instance()), Text);
}

TEST_F(TuiEditRegistryTest, AHigherVersionWinsForItsTypeAndUnregisteringRestores) {
    TuiEditRepositoryItem* other = NewItem();
    Registry.RegisterItem(&TuiBooleanValueType::Instance(), 0, other);
    EXPECT_EQ(Registry.GetItem(&TuiBooleanValueType::Instance()), other);
    Registry.RegisterItem(&TuiBooleanValueType::Instance(), 0, Text);
    EXPECT_EQ(Registry.GetItem(&TuiBooleanValueType::Instance()), other) << "the first registration stays";
    Registry.UnregisterItem(&TuiBooleanValueType::Instance(), 0);
    EXPECT_EQ(Registry.GetItem(&TuiBooleanValueType::Instance()), Check);
}

TEST_F(TuiEditRegistryTest, ASecondDefaultOfAHigherVersionLeavesTheDefaultAnswer) {
    Registry.RegisterDefaultItem(0, NewItem());
    EXPECT_EQ(Registry.GetDefaultItem(), Text);
    EXPECT_EQ(Registry.GetItem(&TuiStringValueType::Instance()), Text);
}

TEST_F(TuiEditRegistryTest, ADestroyedItemDropsEveryEntryItServes) {
    rtl::TComponent::Free(Currency);
    EXPECT_EQ(Registry.GetItem(&TuiCurrencyValueType::Instance()), Text);
    EXPECT_EQ(Registry.GetItem(&TuiFMTBcdValueType::Instance()), Text);
    rtl::TComponent::Free(Text);
    EXPECT_EQ(Registry.GetDefaultItem(), nullptr);
    EXPECT_EQ(Registry.GetItem(&TuiBooleanValueType::Instance()), Check);
}

TEST_F(TuiEditRegistryTest, AnItemStillServingAnotherEntryKeepsTellingTheRegistry) {
    Registry.UnregisterItem(&TuiFMTBcdValueType::Instance(), -1);
    rtl::TComponent::Free(Currency);
    EXPECT_EQ(Registry.GetItem(&TuiCurrencyValueType::Instance()), Text) << "no entry points to the freed item";
}

class TuiEditRepositoryEditorTest : public TuiEditRepositoryTest {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(200, 100);
        Edit = new ui_test::TTestEdit(Form.get());
        Edit->SetParent(Form.get());
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    ui_test::TTestEdit* Edit = nullptr;
};

TEST_F(TuiEditRepositoryEditorTest, AnEditorEditsWithItsItemsPropertiesUntilTheItemIsDestroyed) {
    TuiEditRepositoryItem* item = NewItem();
    item->Properties().SetClearKey(1);
    Edit->SetRepositoryItem(item);
    EXPECT_EQ(&Edit->GetEffectiveProperties(), &item->Properties());
    EXPECT_EQ(Edit->GetEffectiveProperties().ClearKey(), 1);
    rtl::TComponent::Free(item);
    EXPECT_EQ(Edit->RepositoryItem(), nullptr);
    EXPECT_EQ(&Edit->GetEffectiveProperties(), &Edit->Properties());
}

TEST_F(TuiEditRepositoryEditorTest, AnUnacceptableItemRaisesAndChangesNothing) {
    TuiEditRepositoryItem* item = NewItem();
    Edit->SetRepositoryItem(item);
    TuiEditRepositoryItem* plain = Repository.CreateItem(TuiEditRepositoryItem::StaticClass());
    try {
        Edit->SetRepositoryItem(plain);
        FAIL() << "accepted";
    } catch (const EuiEditError& error) {
        EXPECT_EQ(error.Message(), u"The repository item is not acceptable");
    }
    EXPECT_EQ(Edit->RepositoryItem(), item);
}

TEST_F(TuiEditRepositoryEditorTest, OwnPropertiesServeAnItemOfTheirClassOrADescendant) {
    TuiEditRepositoryItem* item = NewItem();
    TuiCustomEditProperties* properties = &item->Properties();
    EXPECT_TRUE(UseOwnPropertiesForRepositoryItem(&Edit->Properties(), item, properties));
    EXPECT_EQ(properties, &Edit->Properties());
    TuiCustomEditProperties plain(nullptr);
    properties = &item->Properties();
    EXPECT_TRUE(UseOwnPropertiesForRepositoryItem(&plain, item, properties));
    ui_test::TTestEditSubProperties sub(nullptr);
    properties = &item->Properties();
    EXPECT_FALSE(UseOwnPropertiesForRepositoryItem(&sub, item, properties));
    EXPECT_EQ(properties, &item->Properties());
}

} // namespace
} // namespace ui
