#include "rtl/core/Exceptions.h"
#include "rtl/numbers/Currency.h"
#include "rtl/text/CodePages.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/ui/grid/customtable/PlainTableViewSupport.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"
#include "ui/editors/framework/properties/uiEditAlignment.h"
#include "ui/editors/framework/repository/uiEditRepository.h"
#include "ui/editors/text/currency/uiCurrencyEdit.h"
#include "ui/editors/text/label/uiLabelProperties.h"
#include "ui/editors/text/textedit/uiTextEdit.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/items/uiGridItemDataBinding.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"

#include <gtest/gtest.h>
#include <memory>

namespace ui {
namespace {

class GridTableItemPropertiesTest : public ui_test::PlainTableViewTest {
protected:
    void SetUp() override {
        PlainTableViewTest::SetUp();
        Item = View->CreateItem();
    }
    TuiGridDataController& Data() const { return View->DataController(); }
    // Three records numbered 0, 1, 2 in Item, an Integer item.
    void FillNumbers() {
        Item->DataBinding().SetValueTypeClass(&TuiIntegerValueType::Instance());
        Data().SetRecordCount(3);
        for (int32_t i = 0; i < 3; ++i) {
            Data().SetValue(i, 0, rtl::Variant(i));
        }
    }

    TuiCustomGridTableItem* Item = nullptr;
};

TEST_F(GridTableItemPropertiesTest, TheValueTypeChoosesTheDefaultEditorByItsCaption) {
    struct TCase {
        const char16_t* caption;
        const rtl::TMetaclass& propertiesClass;
        bool stored;
    };
    const TCase cases[] = {
        {u"String", TuiTextEditProperties::StaticClass(), false},
        {u"Currency", TuiCurrencyEditProperties::StaticClass(), true},
        {u"Integer", TuiTextEditProperties::StaticClass(), true},
    };
    TuiGridItemDataBinding& binding = Item->DataBinding();
    for (const TCase& c : cases) {
        binding.SetValueType(c.caption);
        EXPECT_EQ(binding.ValueType(), c.caption);
        EXPECT_EQ(binding.IsValueTypeClassStored(), c.stored) << testing::PrintToString(rtl::UnicodeString(c.caption));
        ASSERT_NE(Item->GetProperties(), nullptr);
        EXPECT_EQ(&Item->GetProperties()->ClassType(), &c.propertiesClass)
            << testing::PrintToString(rtl::UnicodeString(c.caption));
        EXPECT_EQ(Item->GetProperties(), &binding.GetDefaultRepositoryItem()->Properties());
    }
    binding.SetValueType(u"NoSuchType");
    EXPECT_EQ(binding.ValueType(), u"") << "an unknown caption sets no value type";
    EXPECT_EQ(binding.ValueTypeClass(), nullptr);
}

TEST_F(GridTableItemPropertiesTest, AnItemOutsideAViewHasNoEditorAndNoValueType) {
    auto loose = std::make_unique<TuiCustomGridTableItem>(Form.get());
    EXPECT_EQ(loose->GetProperties(), nullptr);
    EXPECT_EQ(loose->DataBinding().ValueType(), u"");
    loose->DataBinding().SetValueType(u"Integer");
    EXPECT_EQ(loose->DataBinding().ValueTypeClass(), nullptr);
}

TEST_F(GridTableItemPropertiesTest, PropertiesClassNameMakesOwnPropertiesAndAnUnknownNameNone) {
    Item->SetPropertiesClassName(u"TuiLabelProperties");
    ASSERT_NE(Item->Properties(), nullptr);
    EXPECT_EQ(Item->PropertiesClassName(), u"TuiLabelProperties");
    EXPECT_EQ(Item->GetProperties(), Item->Properties());

    auto source = std::make_unique<TuiLabelProperties>(nullptr);
    source->GetAlignment().SetHorz(vcl::taRightJustify);
    Item->SetProperties(source.get());
    EXPECT_EQ(Item->Properties()->GetAlignment().Horz(), vcl::taRightJustify) << "assigned into the own properties";

    Item->SetPropertiesClassName(u"TuiNoSuchProperties");
    EXPECT_EQ(Item->Properties(), nullptr);
    EXPECT_EQ(Item->PropertiesClassName(), u"");
    ASSERT_NE(Item->GetProperties(), nullptr);
    EXPECT_EQ(&Item->GetProperties()->ClassType(), &TuiTextEditProperties::StaticClass()) << "the default again";
    Item->SetProperties(source.get());
    EXPECT_EQ(Item->Properties(), nullptr) << "nothing to assign into";

    Item->SetPropertiesClass(&TuiGridItemDataBinding::StaticClass());
    EXPECT_EQ(Item->Properties(), nullptr) << "a class that is no editor's properties makes none";
}

TEST_F(GridTableItemPropertiesTest, ARepositoryItemWinsOverOwnPropertiesUntilItGoes) {
    Item->SetPropertiesClass(&TuiLabelProperties::StaticClass());
    auto repository = std::make_unique<TuiEditRepository>(nullptr);
    TuiEditRepositoryItem* shared = repository->CreateItem(TuiEditRepositoryCurrencyItem::StaticClass());
    Item->SetRepositoryItem(shared);
    EXPECT_EQ(Item->GetProperties(), &shared->Properties());

    TuiCustomGridTableItem* other = View->CreateItem();
    other->Assign(Item);
    EXPECT_EQ(other->RepositoryItem(), shared);
    EXPECT_EQ(other->PropertiesClassName(), u"TuiLabelProperties");

    delete shared;
    EXPECT_EQ(Item->RepositoryItem(), nullptr);
    EXPECT_EQ(other->RepositoryItem(), nullptr);
    EXPECT_EQ(Item->GetProperties(), Item->Properties()) << "the own properties again";
}

TEST_F(GridTableItemPropertiesTest, GetPropertiesChoosesPerRecordOnlyForRecordsThatExist) {
    FillNumbers();
    auto label = std::make_unique<TuiLabelProperties>(nullptr);
    TuiCustomEditProperties* common = Item->GetProperties();
    EXPECT_EQ(Item->GetPropertiesForRecordIndex(1), common) << "no handler";
    std::vector<int32_t> asked;
    Item->SetOnGetProperties(
        [&](TuiCustomGridTableItem&, TuiCustomGridRecord* record, TuiCustomEditProperties*& properties) {
            asked.push_back(record->RecordIndex());
            if (record->RecordIndex() % 2 == 1) {
                properties = label.get();
            }
        });
    EXPECT_EQ(Item->GetPropertiesForRecordIndex(1), label.get());
    EXPECT_EQ(Item->GetPropertiesForRecordIndex(2), common);
    EXPECT_EQ(Item->GetPropertiesForRecordIndex(3), common) << "no such record";
    EXPECT_EQ(asked, (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(label->DefaultValuesProvider(), Item->DataBinding().DefaultValuesProvider())
        << "a replacement learns of the data too";
}

TEST_F(GridTableItemPropertiesTest, TheDataDefinesDisplayFormatsThroughStoredTextsOrAGetDataTextHandler) {
    FillNumbers();
    TuiCustomEditProperties* properties = Item->GetProperties();
    ASSERT_NE(properties, nullptr);
    IuiEditDefaultValuesProvider* provider = properties->DefaultValuesProvider();
    ASSERT_EQ(provider, Item->DataBinding().DefaultValuesProvider());
    EXPECT_FALSE(provider->IsDisplayFormatDefined(false));
    Data().ChangeItemTextStored(0, true);
    EXPECT_TRUE(provider->IsDisplayFormatDefined(false));
    Data().ChangeItemTextStored(0, false);
    Item->SetOnGetDataText([](TuiCustomGridTableItem&, int32_t, rtl::AnsiString&) {});
    EXPECT_TRUE(provider->IsDisplayFormatDefined(false));
}

TEST_F(GridTableItemPropertiesTest, AStoredAlignmentGivesTheItemItsOwnPropertiesAndLeavesTheSharedOnes) {
    TuiCustomGridTableItem* other = View->CreateItem();
    TuiCustomEditProperties* shared = Item->GetProperties();
    ASSERT_EQ(other->GetProperties(), shared);
    Item->SetStoredPropertyValue(u"AlignmentHorz", rtl::Variant(int32_t{vcl::taRightJustify}));
    ASSERT_NE(Item->Properties(), nullptr);
    EXPECT_EQ(&Item->Properties()->ClassType(), &shared->ClassType());
    rtl::Variant value;
    Item->GetStoredPropertyValue(u"AlignmentHorz", value);
    EXPECT_EQ(rtl::VarToInteger(value), int32_t{vcl::taRightJustify});
    EXPECT_EQ(shared->GetAlignment().Horz(), vcl::taLeftJustify);
    EXPECT_EQ(other->GetProperties(), shared);

    other->SetStoredPropertyValue(u"AlignmentHorz", rtl::Variant(int32_t{vcl::taLeftJustify}));
    EXPECT_EQ(other->Properties(), nullptr) << "the alignment it has already";
    EXPECT_THROW(other->SetStoredPropertyValue(u"AlignmentHorz", rtl::Variant(int32_t{7})), rtl::EConvertError);
    EXPECT_EQ(other->Properties(), nullptr);
}

TEST_F(GridTableItemPropertiesTest, DisplayTextsComeFromTheEditorUnlessItShowsTheDatasOwnText) {
    View->CreateItem();
    Item->DataBinding().SetValueType(u"Currency");
    Data().SetRecordCount(2);
    const rtl::Variant amount(rtl::Currency::FromScaled(125000));
    Data().SetValue(0, 0, amount);
    Data().SetValue(0, 1, rtl::Variant(u"abc"));
    const rtl::UnicodeString shown = Item->GetProperties()->GetDisplayText(amount, true);
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(Data().GetDisplayText(0, 0), rtl::UnicodeToAnsi(shown)) << "the currency editor's text";
    EXPECT_EQ(Data().GetDisplayText(0, 1), "abc") << "the text editor shows the data's own text";

    auto label = std::make_unique<TuiLabelProperties>(nullptr);
    Item->SetOnGetProperties([&](TuiCustomGridTableItem&, TuiCustomGridRecord* record, TuiCustomEditProperties*& p) {
        if (record->RecordIndex() == 0) {
            p = label.get();
        }
    });
    EXPECT_NE(Data().GetDisplayText(0, 0), rtl::UnicodeToAnsi(shown)) << "the label shows the data's own text";
    Item->SetOnGetDataText([](TuiCustomGridTableItem&, int32_t, rtl::AnsiString& value) { value = "last word"; });
    EXPECT_EQ(Data().GetDisplayText(0, 0), "last word");
}

TEST_F(GridTableItemPropertiesTest, ANewValueTypeClearsTheRecentlyUsedFilterValues) {
    Item->DataBinding().FilterMRUValueItems().SetMaxCount(5);
    Item->DataBinding().FilterMRUValueItems().Add(rtl::Variant(int32_t{1}), u"1");
    ASSERT_EQ(Item->DataBinding().FilterMRUValueItems().GetCount(), 1);
    Item->DataBinding().SetValueType(u"Integer");
    EXPECT_EQ(Item->DataBinding().FilterMRUValueItems().GetCount(), 0);
}

} // namespace
} // namespace ui
