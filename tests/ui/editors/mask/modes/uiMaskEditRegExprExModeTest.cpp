#include "ui/editors/mask/modes/uiMaskEditRegExprExMode.h"

#include "../RegExprTestSupport.h"
#include "MaskEditModeTestSite.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

class uiMaskEditRegExprExModeTest : public ::testing::Test {
protected:
    test::TTestSeparators Separators;
    TuiMaskEditModeOptions Options{true, true, false};
    test::TTestMaskEditSite Site;
    TuiMaskEditRegExprExMode Mode{&Site, Options, Separators};

    // The editor as it starts: the mask's empty value shown, the caret at its end.
    void Start(const char16_t* mask) {
        Mode.Compile(mask);
        Site.SetDisplayValue(Mode.GetEmptyString());
        Mode.SetText(Site.Text());
        Drive(u"{End}");
    }
    void Drive(const std::u16string& keys) { test::DriveKeys(Mode, Site, keys); }
};

struct TRegExprExKeysCase {
    const char16_t* Mask;
    const char16_t* Keys;
    const char16_t* Text;
    int32_t Caret;
    int32_t Beeps;
};

// The test separators: "." for dates, "-" for times.
TEST_F(uiMaskEditRegExprExModeTest, TypesTheForcedCharactersItself) {
    const TRegExprExKeysCase cases[] = {
        {u"'(' \\d\\d ')'", u"", u"(", 1, 0},
        {u"'(' \\d\\d ')'", u"1", u"(1", 2, 0},
        {u"'(' \\d\\d ')'", u"12", u"(12)", 4, 0},
        {u"'(' \\d\\d ')'", u"1x", u"(1", 2, 1},
        {u"\\d\\d:\\d\\d", u"12", u"12-", 3, 0},
        {u"\\d\\d:\\d\\d", u"1234", u"12-34", 5, 0},
        {u"\\d\\d/\\d\\d", u"1234", u"12.34", 5, 0},
        // Backspace takes the forced characters before it along; the forced start stays.
        {u"'(' \\d\\d ')'", u"12{Back}", u"(1", 2, 0},
        {u"'(' \\d\\d ')'", u"12{Back}{Back}", u"(", 1, 0},
        {u"'(' \\d\\d ')'", u"{Back}", u"(", 1, 1},
        {u"\\d\\d:\\d\\d", u"12{Back}", u"1", 1, 0},
        // Delete at the forced start deletes nothing; elsewhere it takes the forced followers along and cuts off
        // what can no longer follow.
        {u"'(' \\d\\d ')'", u"12{Home}{Del}", u"(12)", 0, 1},
        {u"\\d+", u"123{At1}{Del}", u"13", 1, 0},
        {u"\\d\\d:\\d\\d", u"1234{At1}{Del}", u"1", 1, 0},
        // The arrows jump over forced characters.
        {u"\\d\\d:\\d\\d", u"12{Left}", u"12-", 1, 0},
        {u"\\d\\d:\\d\\d", u"1234{Home}{Right}{Right}", u"12-34", 3, 0},
        {u"\\d\\d:\\d\\d", u"1234{Home}{Right}{Right}{Left}", u"12-34", 1, 0},
        // Typing in the middle keeps a tail that still fits.
        {u"\\d+", u"13{Left}2", u"123", 2, 0},
        // A selection from the start keeps the forced start.
        {u"'(' \\d\\d ')'", u"12{Home}{Shift+End}3", u"(3", 2, 0},
        {u"'(' \\d\\d ')'", u"12{Home}{Shift+End}{Back}", u"(", 1, 0},
        {u"'(' \\d\\d ')'", u"12{Home}{Shift+End}{Del}", u"(", 1, 0},
        {u"\\d+", u"123{Home}{Shift+Right}{Shift+Right}x", u"123", 2, 1},
    };
    for (const TRegExprExKeysCase& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.Mask) + " " + test_support::Utf8(c.Keys));
        Site = test::TTestMaskEditSite();
        TuiMaskEditRegExprExMode mode(&Site, Options, Separators);
        mode.Compile(c.Mask);
        Site.SetDisplayValue(mode.GetEmptyString());
        mode.SetText(Site.Text());
        test::DriveKeys(mode, Site, std::u16string(u"{End}") + c.Keys);
        EXPECT_EQ(test_support::Utf8(Site.EditText), test_support::Utf8(c.Text));
        EXPECT_EQ(Site.Caret, c.Caret);
        EXPECT_EQ(Site.Beeps, c.Beeps);
        EXPECT_EQ(test_support::Utf8(mode.Head() + mode.Tail()), test_support::Utf8(Site.EditText));
    }
}

TEST_F(uiMaskEditRegExprExModeTest, TheEmptyValueIsTheForcedStart) {
    Mode.Compile(u"'(' \\d\\d ')'");
    EXPECT_EQ(Mode.GetEmptyString(), u"(");
    EXPECT_EQ(Mode.FormatText(u"(12", true), u"(12)");
    EXPECT_EQ(Mode.FormatText(u"x(1", true), u"(1");
    EXPECT_EQ(Mode.FormatText(u"1", true), u"(");
    Mode.Compile(u"\\d+");
    EXPECT_EQ(Mode.GetEmptyString(), u"");
}

// The forced start alone is an entry deleted back to nothing: not a value unless blanks are ignored.
TEST_F(uiMaskEditRegExprExModeTest, TheForcedStartAloneIsValidOnlyWhenBlanksAreIgnored) {
    Mode.Compile(u"'(' \\d\\d ')'");
    EXPECT_FALSE(Mode.IsTextValid(u"("));
    EXPECT_FALSE(Mode.IsTextValid(u"(1"));
    EXPECT_TRUE(Mode.IsTextValid(u"(12)"));
    Options.IgnoreMaskBlank = true;
    EXPECT_TRUE(Mode.IsTextValid(u"("));
    EXPECT_TRUE(Mode.IsTextValid(u"(1"));
    EXPECT_FALSE(Mode.IsTextValid(u"(1x"));
}

TEST_F(uiMaskEditRegExprExModeTest, AMaskCompiledWithoutEditorGivesItsEmptyValueLater) {
    Site.Live = false;
    Mode.Compile(u"'(' \\d\\d ')'");
    Site.Live = true;
    Mode.UpdateEditValue();
    EXPECT_EQ(Site.AssignedEditValue, u"(");
    Site.AssignedEditValue.clear();
    Mode.UpdateEditValue();
    EXPECT_EQ(Site.AssignedEditValue, u"");
}

TEST_F(uiMaskEditRegExprExModeTest, AProgramTextIsTakenWithItsForcedFollowers) {
    Start(u"\\d\\d:\\d\\d");
    Site.SetDisplayValue(u"12-34");
    Mode.SetText(u"12-34");
    Drive(u"{End}{Back}{Back}5");
    EXPECT_EQ(Site.EditText, u"12-5");
    EXPECT_EQ(Site.Beeps, 0);
}

// The program's text lacks the forced start: selecting it all and typing must not look for the start in it.
TEST_F(uiMaskEditRegExprExModeTest, AProgramTextWithoutTheForcedStartIsEditedSafely) {
    Start(u"'((' \\d\\d");
    Site.SetDisplayValue(u"1");
    Mode.SetText(u"1");
    EXPECT_EQ(Mode.Head() + Mode.Tail(), u"1");
    Drive(u"{Home}{Shift+End}2");
    EXPECT_EQ(Mode.Head() + Mode.Tail(), Site.EditText);
    Drive(u"{Home}{Shift+End}{Back}");
    EXPECT_EQ(Mode.Head() + Mode.Tail(), Site.EditText);
}

// Typing over a selection from the forced start re-runs the key on the rest of the selection; when the character is
// refused the selection stays, and the next key starts from where the caret really is.
TEST_F(uiMaskEditRegExprExModeTest, ARefusedCharacterOverAWholeSelectionLeavesTheHeadAtTheCaret) {
    Start(u"'(' \\d\\d ')'");
    Drive(u"12{Home}{Shift+End}x");
    EXPECT_EQ(Site.EditText, u"(12)");
    EXPECT_EQ(Site.Beeps, 1);
    Drive(u"{Left}");
    EXPECT_EQ(Site.Caret, 1);
    EXPECT_EQ(Mode.Head(), u"(");
    Drive(u"{End}{Back}");
    EXPECT_EQ(Site.EditText, u"(1");
}

} // namespace
} // namespace ui
