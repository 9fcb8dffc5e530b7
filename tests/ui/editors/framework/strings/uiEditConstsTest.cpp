#include "ui/editors/framework/strings/uiEditConsts.h"

#include "tests/support/TestSupport.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/editors/framework/strings/uiExtEditConsts.h"

#include <gtest/gtest.h>
#include <set>

namespace ui {
namespace {

const TuxProductResourceStrings* FindProduct(const char16_t* key) {
    TuxResourceStringsRepository& repository = GetResourceStringsRepository();
    const int32_t index = repository.IndexOfProduct(key);
    return index < 0 ? nullptr : &repository.GetProduct(index);
}

// On Windows the texts come from the string-table resource that windres compiled from the table: every one must
// read back exactly as the table states it, escapes included, and no identifier serves two strings.
TEST(uiEditConsts, BothUnitsListEveryTextAsTheTableStatesIt) {
    std::set<uint16_t> ids;
    for (const auto& [key, count] :
         {std::pair{uiEditConstsProductKey, 103}, std::pair{uiExtEditConstsProductKey, 41}}) {
        const TuxProductResourceStrings* product = FindProduct(key);
        ASSERT_NE(product, nullptr);
        EXPECT_EQ(product->Count(), count);
        for (int32_t i = 0; i < product->Count(); ++i) {
            const TuxResourceString& record = product->Item(i);
            SCOPED_TRACE(test_support::Utf8(record.Name));
            EXPECT_EQ(test_support::Utf8(LoadResStringText(record)), test_support::Utf8(record.Text));
            EXPECT_TRUE(ids.insert(record.Id).second) << "identifier used twice";
            EXPECT_GE(record.Id, 0xE200);
            EXPECT_LE(record.Id, 0xE3FF);
        }
    }
}

TEST(uiEditConsts, TextsAreTheSystemsOwn) {
    EXPECT_EQ(LoadResStringText(suiRegExprIncorrectSpace), u"The space character is not allowed after '\\'");
    EXPECT_EQ(LoadResStringText(suiRegExprMissing), u"Missing '%s'");
    EXPECT_EQ(LoadResStringText(uiSEditValidateErrorText), u"Invalid input value. Use escape key to abandon changes");
    EXPECT_EQ(LoadResStringText(suiSEditRepositoryTextItem), u"TextEdit|Represents a single line text editor");
    EXPECT_EQ(LoadResStringText(suiSEditRepositoryColorComboBoxItem),
              u"ColorComboBox |Represents a editor with color functionality");
    EXPECT_EQ(FindProduct(uiEditConstsProductKey)->Find(u"suiRegExprNotCompiled"), &suiRegExprNotCompiled);
}

// The count of the check controls' items is stated with plain spaces, not with a no-break space garbled through the
// Chinese code page.
TEST(uiEditConsts, TheItemCountMessageReadsPlainly) {
    EXPECT_EQ(LoadResStringText(uiSCheckControlIncorrectItemCount),
              u"The number of items cannot be greater than 64, if the EditValueFormat is cvfInteger");
}

TEST(uiEditConsts, EmptyTextsAreListedToo) {
    const TuxProductResourceStrings* product = FindProduct(uiEditConstsProductKey);
    ASSERT_NE(product, nullptr);
    EXPECT_EQ(product->Find(u"uiSEditCheckBoxGrayed"), &uiSEditCheckBoxGrayed);
    EXPECT_EQ(product->Find(u"uiSRadioGroupDefaultCaption"), &uiSRadioGroupDefaultCaption);
    EXPECT_EQ(LoadResStringText(uiSEditCheckBoxGrayed), u"");
}

// The test program started both units; a balanced second start-up and shut-down changes nothing, the last shut-down
// takes both products out and a new start-up lists them again.
TEST(uiEditConsts, ShutDownTakesTheProductsOutAndStartUpListsThemAgain) {
    InitializeEditConstsUnit();
    FinalizeEditConstsUnit();
    EXPECT_NE(FindProduct(uiEditConstsProductKey), nullptr);

    FinalizeEditConstsUnit();
    FinalizeExtEditConstsUnit();
    EXPECT_EQ(FindProduct(uiEditConstsProductKey), nullptr);
    EXPECT_EQ(FindProduct(uiExtEditConstsProductKey), nullptr);
    FinalizeEditConstsUnit(); // unbalanced: nothing

    InitializeEditConstsUnit();
    InitializeExtEditConstsUnit();
    ASSERT_NE(FindProduct(uiEditConstsProductKey), nullptr);
    EXPECT_EQ(FindProduct(uiEditConstsProductKey)->Count(), 103);
    EXPECT_EQ(FindProduct(uiExtEditConstsProductKey)->Count(), 41);
}

std::u16string Lowered(std::u16string_view name) {
    std::u16string lowered(name);
    for (char16_t& c : lowered) {
        c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
    }
    return lowered;
}

TEST(uiColorNames, TheColourConstantsBeginWithTheBasicColoursAndNameEachOnce) {
    EXPECT_EQ(uiColorConstantNames.front(), u"clBlack");
    EXPECT_EQ(uiColorConstantNames.back(), u"clWindowText");
    for (size_t i = 0; i < uiBasicWebColorNames.size(); ++i) {
        EXPECT_EQ(uiColorConstantNames[i], u"cl" + std::u16string(uiBasicWebColorNames[i])) << i;
    }
    const std::set<std::u16string_view> distinct(uiColorConstantNames.begin(), uiColorConstantNames.end());
    EXPECT_EQ(distinct.size(), uiColorConstantNames.size());
}

TEST(uiColorNames, TheWebColoursAreSortedOnceAndGroupedByHueOnceOverTheSameNames) {
    EXPECT_EQ(uiWebColorNames.front(), u"AliceBlue");
    EXPECT_EQ(uiWebColorNames.back(), u"YellowGreen");
    for (size_t i = 1; i < uiWebColorNames.size(); ++i) {
        EXPECT_LT(Lowered(uiWebColorNames[i - 1]), Lowered(uiWebColorNames[i])) << i;
    }
    EXPECT_EQ(uiWebColorNamesByHue.front(), u"LightPink");
    EXPECT_EQ(uiWebColorNamesByHue.back(), u"Black");
    const std::set<std::u16string_view> sorted(uiWebColorNames.begin(), uiWebColorNames.end());
    const std::set<std::u16string_view> byHue(uiWebColorNamesByHue.begin(), uiWebColorNamesByHue.end());
    EXPECT_EQ(byHue, sorted) << "the same 140 names, each once";
    for (std::u16string_view basic : uiBasicWebColorNames) {
        EXPECT_TRUE(sorted.count(basic)) << std::string(basic.begin(), basic.end());
    }
}

} // namespace
} // namespace ui
