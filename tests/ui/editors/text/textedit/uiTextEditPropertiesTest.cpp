#include "ui/editors/text/textedit/uiTextEditProperties.h"

#include "rtl/variants/VariantConversions.h"
#include "tests/ui/editors/text/TextEditTestSupport.h"

#include <gtest/gtest.h>

namespace {

using ui_test::TStyledTextProperties;

TEST(TextEditProperties, ANegativeMaxLengthIsStoredAsZero) {
    ui::TuiTextEditProperties properties(nullptr);
    EXPECT_FALSE(properties.IsMaxLengthStored());
    properties.SetMaxLength(-5);
    EXPECT_EQ(properties.MaxLength(), 0);
    EXPECT_TRUE(properties.IsMaxLengthStored());
    int changes = 0;
    properties.SetOnPropertiesChanged([&](rtl::TObject*) { ++changes; });
    properties.SetMaxLength(0);
    EXPECT_EQ(changes, 0);
    properties.SetMaxLength(12);
    EXPECT_EQ(properties.MaxLength(), 12);
    EXPECT_EQ(changes, 1);
}

TEST(TextEditProperties, PasswordEchoHidesTheTextWithoutCase) {
    ui::TuiTextEditProperties properties(nullptr);
    properties.SetCharCase(vcl::ecUpperCase);
    properties.SetEchoMode(ui::eemPassword);
    EXPECT_EQ(properties.GetDisplayText(rtl::Variant(u"abc")), u"***");
    properties.SetPasswordChar(u'#');
    EXPECT_EQ(properties.GetDisplayText(rtl::Variant(u"abc")), u"###");
    EXPECT_EQ(properties.GetDisplayText(rtl::Variant(u"")), u"");
}

TEST(TextEditProperties, TheCharacterCaseIsShownAndAccepted) {
    ui::TuiTextEditProperties properties(nullptr);
    properties.SetCharCase(vcl::ecUpperCase);
    EXPECT_EQ(properties.GetDisplayText(rtl::Variant(u"abc")), u"ABC");
    rtl::Variant value(u"abc");
    EXPECT_TRUE(properties.IsEditValueValid(value, true));
    EXPECT_EQ(rtl::VarToStr(value), u"ABC");
    properties.SetCharCase(vcl::ecLowerCase);
    EXPECT_EQ(properties.GetDisplayText(rtl::Variant(u"ÄBC")), u"äbc");
}

TEST(TextEditProperties, TheListOnlyStyleAcceptsLookupItemsInAnyCase) {
    TStyledTextProperties properties(ui::tesListOnly);
    properties.LookupItems().Add(u"Apple");
    properties.LookupItems().Add(u"Pear");
    const struct {
        const char16_t* text;
        vcl::TEditCharCase charCase;
        bool accepted;
        const char16_t* written;
    } cases[] = {{u"apple", vcl::ecNormal, true, u"apple"},
                 {u"apple", vcl::ecUpperCase, true, u"APPLE"},
                 {u"Plum", vcl::ecNormal, false, u"Plum"},
                 {u"", vcl::ecNormal, true, u""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        properties.SetCharCase(c.charCase);
        rtl::Variant value(c.text);
        EXPECT_EQ(properties.IsEditValueValid(value, true), c.accepted);
        EXPECT_EQ(rtl::VarToStr(value), c.written);
    }
    rtl::Variant number(int32_t{5});
    EXPECT_TRUE(properties.IsEditValueValid(number, true));

    TStyledTextProperties free(ui::tesFree);
    free.LookupItems().Add(u"Apple");
    rtl::Variant plum(u"Plum");
    EXPECT_TRUE(free.IsEditValueValid(plum, true));
}

TEST(TextEditProperties, ThePlainTextEditorNeverFormatsNumbers) {
    ui::TuiTextEditProperties properties(nullptr);
    properties.SetDisplayFormat(u"0.00");
    EXPECT_TRUE(properties.IsDisplayFormatStored());
    EXPECT_EQ(properties.GetDisplayText(rtl::Variant(1.5)), u"1.5");
    TStyledTextProperties numeric(ui::tesFree, true);
    numeric.SetDisplayFormat(u"0.00");
    EXPECT_EQ(numeric.GetDisplayText(rtl::Variant(1.5)), u"1.50");
    EXPECT_EQ(numeric.GetDisplayText(rtl::Variant::Null()), u"");
}

TEST(TextEditProperties, AnAssignedEmptyDisplayFormatStaysAssigned) {
    ui::TuiTextEditProperties properties(nullptr);
    properties.SetDisplayFormat(u"");
    EXPECT_TRUE(properties.IsDisplayFormatStored());
    ui::TuiTextEditProperties legacy(nullptr);
    legacy.ReadIsDisplayFormatAssigned(true);
    EXPECT_TRUE(legacy.IsDisplayFormatStored());
}

TEST(TextEditProperties, ALowerBoundAloneChecksOnlyTheLowerBound) {
    TStyledTextProperties properties(ui::tesFree, true);
    EXPECT_FALSE(properties.HasRange());
    properties.SetMinValue(10);
    const struct {
        double value;
        bool error;
    } cases[] = {{9, true}, {10, false}, {1000000, false}};
    for (const auto& c : cases) {
        rtl::UnicodeString errorText;
        bool error = false;
        properties.CheckRange(rtl::Variant(c.value), errorText, error);
        EXPECT_EQ(error, c.error) << c.value;
        EXPECT_EQ(errorText, c.error ? u"Value out of bounds" : u"") << c.value;
    }
    properties.SetMaxValue(5);
    EXPECT_FALSE(properties.IsRangeBoundSet(0));
    properties.SetMaxValue(50);
    rtl::UnicodeString errorText;
    bool error = false;
    properties.CheckRange(rtl::Variant(51.0), errorText, error);
    EXPECT_TRUE(error);
}

TEST(TextEditProperties, DisplayValuesDifferingOutsideTheAnsiCodePageStayDifferent) {
    ui::TuiTextEditProperties properties(nullptr);
    EXPECT_FALSE(properties.AreDisplayValuesEqual(rtl::Variant(u"가"), rtl::Variant(u"나")));
    EXPECT_TRUE(properties.AreDisplayValuesEqual(rtl::Variant(u"中"), rtl::Variant(u"中")));
    EXPECT_FALSE(properties.AreDisplayValuesEqual(rtl::Variant(u"a"), rtl::Variant(u"A")));
}

TEST(TextEditProperties, AssigningKeepsTheSourceOrderOfLookupItems) {
    ui::TuiTextEditProperties source(nullptr);
    source.LookupItems().Add(u"b");
    source.LookupItems().Add(u"a");
    source.SetCharCase(vcl::ecLowerCase);
    source.SetMaxLength(7);
    source.SetPasswordChar(u'#');
    ui::TuiTextEditProperties target(nullptr);
    target.SetLookupItemsSorted(true);
    target.SetEditFormat(u"0.0");
    int changes = 0;
    target.SetOnPropertiesChanged([&](rtl::TObject*) { ++changes; });
    target.Assign(&source);
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(target.LookupItems().Count(), 2);
    EXPECT_EQ(target.LookupItems().Get(0), u"b");
    EXPECT_EQ(target.LookupItems().Get(1), u"a");
    EXPECT_FALSE(target.LookupItemsSorted());
    EXPECT_EQ(target.CharCase(), vcl::ecLowerCase);
    EXPECT_EQ(target.MaxLength(), 7);
    EXPECT_TRUE(target.IsMaxLengthStored());
    EXPECT_FALSE(target.IsEditFormatStored());
    EXPECT_EQ(target.PasswordChar(), u'#');
}

TEST(TextEditProperties, ALocaleChangeIsAChangeWithItsFlagRaised) {
    ui::TuiTextEditProperties properties(nullptr);
    bool flagSeen = false;
    properties.SetOnPropertiesChanged([&](rtl::TObject*) { flagSeen = properties.LocaleFormatChanging(); });
    properties.FormatChanged();
    EXPECT_TRUE(flagSeen);
    EXPECT_FALSE(properties.LocaleFormatChanging());
}

TEST(TextEditProperties, TheViewStyleMapsOntoButtonsOnlyModeAndHideCursor) {
    ui::TuiTextEditProperties properties(nullptr);
    EXPECT_EQ(properties.GetEditingStyle(), ui::tesFree);
    EXPECT_TRUE(properties.CanResetValue());
    properties.SetViewStyle(ui::vsButtonsAutoWidth);
    EXPECT_EQ(properties.ButtonsOnlyMode(), 2);
    EXPECT_TRUE(properties.HideCursor());
    EXPECT_EQ(properties.GetEditingStyle(), ui::tesLocked);
    EXPECT_FALSE(properties.CanResetValue());
    properties.SetViewStyle(ui::vsNormal);
    EXPECT_EQ(properties.ViewStyle(), ui::vsNormal);
    EXPECT_FALSE(properties.HideCursor());
    EXPECT_TRUE(properties.IsIncrementalSearchActive());
    properties.SetIncrementalSearch(false);
    EXPECT_FALSE(properties.IsIncrementalSearchActive());
}

} // namespace
