// The default editors of the value types: which item answers each type, a program's own item above them, and the
// repository's classes found by name.

#include "ui/editors/uiDefaultEditors.h"

#include "rtl/core/ClassRegistry.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/choice/checkbox/uiCheckBox.h"
#include "ui/editors/text/currency/uiCurrencyEdit.h"
#include "ui/editors/text/textedit/uiTextEdit.h"

#include <gtest/gtest.h>
#include <memory>

namespace ui {
namespace {

class DefaultEditors : public testing::Test {
protected:
    void SetUp() override { InitializeDefaultEditorsUnit(); }
    void TearDown() override { FinalizeDefaultEditorsUnit(); }

    // The properties class of the item that answers valueType.
    static const rtl::TMetaclass* PropertiesOf(const TuiValueType& valueType) {
        const TuiEditRepositoryItem* item = GetEditDataRegisteredRepositoryItems().GetItem(&valueType);
        return item != nullptr ? &item->Properties().ClassType() : nullptr;
    }
};

TEST_F(DefaultEditors, BooleanGetsTheCheckBoxCurrencyAndBcdTheCurrencyEditorAndTheRestText) {
    EXPECT_EQ(PropertiesOf(TuiBooleanValueType::Instance()), &TuiCheckBoxProperties::StaticClass());
    EXPECT_EQ(PropertiesOf(TuiCurrencyValueType::Instance()), &TuiCurrencyEditProperties::StaticClass());
    EXPECT_EQ(PropertiesOf(TuiFMTBcdValueType::Instance()), &TuiCurrencyEditProperties::StaticClass());
    for (const TuiValueType* type : {static_cast<const TuiValueType*>(&TuiStringValueType::Instance()),
                                     static_cast<const TuiValueType*>(&TuiIntegerValueType::Instance()),
                                     static_cast<const TuiValueType*>(&TuiFloatValueType::Instance()),
                                     static_cast<const TuiValueType*>(&TuiVariantValueType::Instance())}) {
        EXPECT_EQ(PropertiesOf(*type), &TuiTextEditProperties::StaticClass());
    }
}

TEST_F(DefaultEditors, AProgramsItemAtVersionZeroAnswersUntilItIsUnregistered) {
    TuiEditDataRegisteredRepositoryItems& items = GetEditDataRegisteredRepositoryItems();
    const std::unique_ptr<TuiEditRepository, rtl::TComponentDeleter> repository(new TuiEditRepository(nullptr));
    TuiEditRepositoryItem* own = repository->CreateItem(TuiEditRepositoryTextItem::StaticClass());
    for (const TuiValueType* type : {static_cast<const TuiValueType*>(&TuiBooleanValueType::Instance()),
                                     static_cast<const TuiValueType*>(&TuiCurrencyValueType::Instance())}) {
        items.RegisterItem(type, 0, own);
        EXPECT_EQ(items.GetItem(type), own);
        items.UnregisterItem(type, 0);
        EXPECT_NE(items.GetItem(type), own);
    }
    EXPECT_EQ(PropertiesOf(TuiBooleanValueType::Instance()), &TuiCheckBoxProperties::StaticClass());
}

TEST_F(DefaultEditors, TheRepositoryAndItsItemClassesAreFoundByName) {
    for (const char16_t* name :
         {u"TuiEditRepository", u"TuiEditRepositoryItem", u"TuiEditRepositoryCheckBoxItem",
          u"TuiEditRepositoryMaskItem", u"TuiEditRepositoryComboBoxItem", u"TuiEditRepositoryPopupItem",
          u"TuiEditRepositoryCurrencyItem", u"TuiEditRepositoryMRUItem", u"TuiEditRepositoryHyperLinkItem"}) {
        EXPECT_NE(rtl::GetClass(name), nullptr) << rtl::UnicodeString(name).size();
    }
}

TEST(DefaultEditorsUnit, ShutDownTakesTheItemsAndTheClassesAway) {
    InitializeDefaultEditorsUnit();
    InitializeDefaultEditorsUnit();
    FinalizeDefaultEditorsUnit();
    EXPECT_NE(GetEditDataRegisteredRepositoryItems().GetDefaultItem(), nullptr) << "the inner shut-down keeps them";
    FinalizeDefaultEditorsUnit();
    EXPECT_EQ(GetEditDataRegisteredRepositoryItems().GetDefaultItem(), nullptr);
    EXPECT_EQ(GetEditDataRegisteredRepositoryItems().GetItem(&TuiBooleanValueType::Instance()), nullptr);
    EXPECT_EQ(rtl::GetClass(u"TuiEditRepositoryCheckBoxItem"), nullptr);
}

} // namespace
} // namespace ui
