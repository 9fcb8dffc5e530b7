#include "ui/editors/mask/modes/uiMaskEditStandardMode.h"

#include "../RegExprTestSupport.h"
#include "MaskEditModeTestSite.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

constexpr char16_t phoneMask[] = u"!\\(999\\) 000-0000;1;_";

class uiMaskEditStandardModeTest : public ::testing::Test {
protected:
    test::TTestSeparators Separators;
    TuiMaskEditModeOptions Options{true, true, false};
    test::TTestMaskEditSite Site;
    TuiMaskEditStandardMode Mode{&Site, Options, Separators};

    // The editor as it starts: the empty masked text, the caret on its first character.
    void Start(const char16_t* mask) {
        Mode.Compile(mask);
        Site.SetDisplayValue(Mode.FormatText({}, true));
        Mode.SetText(Site.Text());
    }
    void Drive(const std::u16string& keys) { test::DriveKeys(Mode, Site, keys); }
};

struct TStandardKeysCase {
    const char16_t* Mask;
    const char16_t* Keys;
    const char16_t* Text;
    int32_t SelStart;
    int32_t Beeps;
};

TEST_F(uiMaskEditStandardModeTest, OverwritesPositionsAndStepsOverLiterals) {
    const TStandardKeysCase cases[] = {
        // Typing at a literal skips it; typing fills the position and moves on past the literals after it.
        {phoneMask, u"1", u"(1__) ___-____", 2, 0},
        {phoneMask, u"123", u"(123) ___-____", 6, 0},
        {phoneMask, u"1234567890", u"(123) 456-7890", 14, 0},
        // A letter in a digit position changes nothing, silently.
        {phoneMask, u"1x", u"(1__) ___-____", 2, 0},
        // Backspace steps back over the literals and blanks the position it reaches.
        {phoneMask, u"123{Back}", u"(12_) ___-____", 3, 0},
        {phoneMask, u"1234{Left}{Left}", u"(123) 4__-____", 3, 0},
        {phoneMask, u"1234{Home}", u"(123) 4__-____", 1, 0},
        {phoneMask, u"12{End}", u"(12_) ___-____", 14, 0},
        {phoneMask, u"1234{Home}{Del}", u"(_23) 4__-____", 1, 0},
        // The last editable position of "9)" moves on past the trailing literal to the end.
        {u"9)", u"{Right}", u"_)", 2, 0},
        {u">LL", u"ab", u"AB", 2, 0},
    };
    for (const TStandardKeysCase& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.Mask) + " " + test_support::Utf8(c.Keys));
        Site = test::TTestMaskEditSite();
        TuiMaskEditStandardMode mode(&Site, Options, Separators);
        mode.Compile(c.Mask);
        Site.SetDisplayValue(mode.FormatText({}, true));
        mode.SetText(Site.Text());
        test::DriveKeys(mode, Site, c.Keys);
        EXPECT_EQ(test_support::Utf8(Site.EditText), test_support::Utf8(c.Text));
        EXPECT_EQ(Site.SelStart(), c.SelStart);
        EXPECT_EQ(Site.Beeps, c.Beeps);
    }
}

TEST_F(uiMaskEditStandardModeTest, DeleteOverASelectionBlanksOnlyTheEditablePositions) {
    Start(phoneMask);
    Drive(u"12");
    Site.Anchor = 0;
    Site.Caret = 3;
    EXPECT_FALSE(Mode.PressDelete());
    EXPECT_EQ(Site.EditText, u"(___) ___-____");
}

TEST_F(uiMaskEditStandardModeTest, TheEditorMayRefuseACharacterWithABeep) {
    Start(phoneMask);
    Site.RefusedChar = u'5';
    Drive(u"5");
    EXPECT_EQ(Site.EditText, u"(___) ___-____");
    EXPECT_EQ(Site.Beeps, 1);
}

TEST_F(uiMaskEditStandardModeTest, HomeIsLeftToTheNativeEditWithShift) {
    Start(phoneMask);
    Drive(u"12");
    Site.Shift = true;
    EXPECT_TRUE(Mode.PressHome());
    EXPECT_TRUE(Mode.PressEnd());
}

TEST_F(uiMaskEditStandardModeTest, TheEmptyMaskIsValidOnlyWhenBlanksAreIgnored) {
    Mode.Compile(phoneMask);
    EXPECT_FALSE(Mode.IsTextValid(u"(___) ___-____"));
    EXPECT_TRUE(Mode.IsTextValid(u"(___) 456-7890"));
    EXPECT_FALSE(Mode.IsTextValid(u"(___) 456-789_"));
    Options.IgnoreMaskBlank = true;
    EXPECT_TRUE(Mode.IsTextValid(u"(___) ___-____"));
    EXPECT_FALSE(Mode.IsTextValid(u"(___) 456-789_"));
}

TEST_F(uiMaskEditStandardModeTest, FormatsValuesBothWays) {
    Mode.Compile(phoneMask);
    EXPECT_EQ(Mode.GetEmptyString(), u"(   )    -    ");
    EXPECT_EQ(Mode.FormatText(u"1234567", true), u"(___) 123-4567");
    EXPECT_EQ(Mode.GetFormattedText(u"(12_) 345-6789", true), u"(12 ) 345-6789");
    Mode.Compile(u">LL");
    EXPECT_EQ(Mode.GetFormattedText(u"ab", true), u"AB");
    Options.NormalCharCase = false;
    EXPECT_EQ(Mode.GetFormattedText(u"ab", true), u"ab");
}

TEST_F(uiMaskEditStandardModeTest, AMaskCompiledWithoutEditorGivesItsEmptyValueLater) {
    Site.Live = false;
    Mode.Compile(u"00\\/00;1");
    Site.Live = true;
    Mode.UpdateEditValue();
    EXPECT_EQ(Site.AssignedEditValue, u"  /  ");
}

TEST_F(uiMaskEditStandardModeTest, APasteOverwritesAsManyPositionsAsItBrings) {
    Start(phoneMask);
    Drive(u"{Right}");
    Mode.SetClipboardTextLength(3);
    Mode.BeforePaste();
    EXPECT_EQ(Site.SelLength(), 3);
    Site.EditText = u"(123) ___-____";
    Mode.AfterPaste();
    EXPECT_EQ(Site.SelStart(), 6);
}

} // namespace
} // namespace ui
