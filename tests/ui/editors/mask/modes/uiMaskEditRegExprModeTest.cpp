#include "ui/editors/mask/modes/uiMaskEditRegExprMode.h"

#include "../RegExprTestSupport.h"
#include "MaskEditModeTestSite.h"
#include "ui/editors/mask/modes/uiMaskEditError.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

class uiMaskEditRegExprModeTest : public ::testing::Test {
protected:
    test::TTestSeparators Separators;
    TuiMaskEditModeOptions Options{true, true, false};
    test::TTestMaskEditSite Site;
    TuiMaskEditRegExprMode Mode{&Site, Options, Separators};

    void Drive(const std::u16string& keys) { test::DriveKeys(Mode, Site, keys); }
};

struct TRegExprKeysCase {
    const char16_t* Mask;
    const char16_t* Keys;
    const char16_t* Text;
    int32_t Caret;
    int32_t Beeps;
};

TEST_F(uiMaskEditRegExprModeTest, EditsTheTextAsTheKeysArrive) {
    const TRegExprKeysCase cases[] = {
        {u"\\d+", u"12a", u"12", 2, 1},
        {u"\\d+", u"12a{Back}", u"1", 1, 1},
        {u"\\d+", u"123{Left}{Left}4", u"1423", 2, 0},
        // An edit in the middle that the rest cannot follow cuts the rest off.
        {u"\\d\\d-\\d\\d", u"12-34{At1}{Del}", u"1", 1, 0},
        {u"\\d\\d-\\d\\d", u"12-34{At0}{Del}", u"", 0, 0},
        {u"\\d\\d-\\d\\d", u"12-34{At2}{Back}", u"1", 1, 0},
        // A refused character in the middle changes nothing.
        {u"\\d\\d-\\d\\d", u"12-3{At0}x", u"12-3", 0, 1},
        {u"a\\d*", u"a12{Home}b", u"a12", 0, 1},
        // A typed character replacing a selection, the rest still fitting or cut off (with a beep).
        {u"[a-z]+", u"abc{Home}{Shift+End}x", u"x", 1, 0},
        {u"\\d\\d-\\d\\d", u"12-34{At1}{Shift+Right}{Shift+Right}5", u"15", 2, 1},
        {u"\\d\\d-\\d\\d", u"12-34{At1}{Shift+Right}{Shift+Right}{Shift+Left}5", u"15-34", 2, 0},
        // Backspace and Delete over a selection.
        {u"\\d\\d-\\d\\d", u"12-34{Home}{Shift+Right}{Shift+Right}{Back}", u"", 0, 1},
        {u"\\d+-?\\d*", u"12-34{At1}{Shift+Right}{Shift+Right}{Del}", u"134", 1, 0},
        {u"\\d*", u"123{Home}{Shift+Right}{Del}", u"23", 0, 0},
        // A refused character leaves the selection where it was.
        {u"\\d+", u"123{Home}{Shift+Right}x4", u"423", 1, 1},
        // Arrows over a selection collapse it on its own side, and the head follows.
        {u"\\d\\d-\\d\\d", u"12-34{Home}{Shift+Right}{Shift+Right}{Left}{Del}", u"", 0, 0},
        {u"\\d\\d-\\d\\d", u"12-34{Home}{Shift+Right}{Right}{Del}", u"1", 1, 0},
        // Nothing to delete at the ends.
        {u"\\d+", u"12{Del}{Home}{Back}", u"12", 0, 0},
        // The letter case of the mask comes back.
        {u"ab", u"AB", u"ab", 2, 0},
        {u"[a-z]", u"A", u"", 0, 1},
    };
    for (const TRegExprKeysCase& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.Mask) + " " + test_support::Utf8(c.Keys));
        Site = test::TTestMaskEditSite();
        TuiMaskEditRegExprMode mode(&Site, Options, Separators);
        mode.Compile(c.Mask);
        test::DriveKeys(mode, Site, c.Keys);
        EXPECT_EQ(test_support::Utf8(Site.EditText), test_support::Utf8(c.Text));
        EXPECT_EQ(Site.Caret, c.Caret);
        EXPECT_EQ(Site.Beeps, c.Beeps);
        EXPECT_EQ(mode.Head() + mode.Tail(), Site.EditText);
    }
}

TEST_F(uiMaskEditRegExprModeTest, BeepsOnlyWhenAllowed) {
    Options.BeepOnError = false;
    Mode.Compile(u"\\d");
    Drive(u"x");
    EXPECT_EQ(Site.Beeps, 0);
    EXPECT_EQ(Site.EditText, u"");
}

TEST_F(uiMaskEditRegExprModeTest, ACaseSensitiveMaskRefusesTheOtherCase) {
    Options.CaseInsensitive = false;
    TuiMaskEditRegExprMode mode(&Site, Options, Separators);
    mode.Compile(u"ab");
    test::DriveKeys(mode, Site, u"Aab");
    EXPECT_EQ(Site.EditText, u"ab");
    EXPECT_EQ(Site.Beeps, 1);
}

TEST_F(uiMaskEditRegExprModeTest, FormatsAndChecksTexts) {
    Mode.Compile(u"\\d\\d-\\d\\d");
    EXPECT_EQ(Mode.FormatText(u"1x2-34", true), u"12-34");
    EXPECT_EQ(Mode.GetFormattedText(u"1x", true), u"1x");
    EXPECT_EQ(Mode.GetEmptyString(), u"");
    EXPECT_TRUE(Mode.IsTextValid(u""));
    EXPECT_TRUE(Mode.IsTextValid(u"12-34"));
    EXPECT_FALSE(Mode.IsTextValid(u"12-3"));
    EXPECT_FALSE(Mode.IsTextValid(u"12-345"));
    Options.IgnoreMaskBlank = true;
    EXPECT_TRUE(Mode.IsTextValid(u"12-3"));
    EXPECT_FALSE(Mode.IsTextValid(u"12x"));
}

TEST_F(uiMaskEditRegExprModeTest, AModeWithoutEditorFormatsAndChecks) {
    TuiMaskEditRegExprMode mode(nullptr, Options, Separators);
    mode.Compile(u"\\d\\d/\\d\\d");
    EXPECT_EQ(mode.FormatText(u"12.3", true), u"12.3");
    EXPECT_TRUE(mode.IsTextValid(u"12.34"));
    char16_t character = u'x';
    EXPECT_TRUE(mode.PressSymbol(character));
}

TEST_F(uiMaskEditRegExprModeTest, ABadMaskRaisesItsErrorsAndLeavesTheModeUnchecked) {
    Mode.Compile(u"\\d+");
    try {
        Mode.Compile(u"a[b");
        FAIL() << "no error";
    } catch (const EuiMaskEditError& error) {
        EXPECT_EQ(test_support::Utf8(error.Message()), "Regular expression errors:\r\nLine1, Char4: Missing ']'");
    }
    EXPECT_EQ(Mode.EditMask(), u"a[b");
    EXPECT_EQ(Mode.FormatText(u"12", true), u"");
    EXPECT_FALSE(Mode.IsTextValid(u"12"));
    Drive(u"x");
    EXPECT_EQ(Site.EditText, u"x");
}

TEST_F(uiMaskEditRegExprModeTest, ABlankMaskIsOnlyStored) {
    Mode.Compile(u" \t");
    EXPECT_EQ(Mode.EditMask(), u" \t");
    Drive(u"ab");
    EXPECT_EQ(Site.EditText, u"ab");
}

TEST_F(uiMaskEditRegExprModeTest, SynchronizingLaysTheTextIntoTheMaskAndPutsTheCaretAtItsEnd) {
    Mode.Compile(u"\\d+");
    Site.EditText = u"1x2";
    Mode.SynchronizeEditValue();
    EXPECT_EQ(Site.EditText, u"12");
    EXPECT_EQ(Site.Caret, 2);
    Drive(u"3");
    EXPECT_EQ(Site.EditText, u"123");

    Site.UserChanged = false;
    Site.Prepared = u"45";
    Mode.SynchronizeEditValue();
    Drive(u"6x");
    EXPECT_EQ(Site.EditText, u"456");
}

TEST_F(uiMaskEditRegExprModeTest, AProgramTextIsEditedFromTheCaretTheUserClicks) {
    Mode.Compile(u"\\d\\d-\\d\\d");
    Site.SetDisplayValue(u"12-34");
    Mode.SetText(u"12-34");
    Drive(u"{At5}{Back}{Back}x3");
    EXPECT_EQ(Site.EditText, u"12-3");
    EXPECT_EQ(Site.Beeps, 1);
}

// The mask's own letter case goes into what is typed, never into the head's copy of a text already shown.
TEST_F(uiMaskEditRegExprModeTest, TheHeadKeepsTheTextAsShown) {
    Mode.Compile(u"abc");
    Site.SetDisplayValue(u"AB");
    Mode.SetText(u"AB");
    Drive(u"{At2}C");
    EXPECT_EQ(Mode.Head(), u"ABc");
    EXPECT_EQ(Site.EditText, u"ABc");
}

TEST_F(uiMaskEditRegExprModeTest, APasteKeepsTheCaretAfterThePastedText) {
    Mode.Compile(u"\\d+");
    Drive(u"12");
    Mode.SetClipboardTextLength(2);
    Site.SetDisplayValue(u"1342");
    Site.SetSelStart(1);
    Mode.SetText(u"1342");
    EXPECT_EQ(Mode.Head(), u"134");
    EXPECT_EQ(Mode.Tail(), u"2");
    EXPECT_EQ(Mode.ClipboardTextLength(), 0);
}

TEST_F(uiMaskEditRegExprModeTest, TellsWhereTheCaretStands) {
    Mode.Compile(u"\\d+");
    Drive(u"12");
    EXPECT_TRUE(Mode.IsCursorAtEnd());
    EXPECT_FALSE(Mode.IsCursorAtStart());
    Drive(u"{Home}");
    EXPECT_TRUE(Mode.IsCursorAtStart());
    Mode.SelectAll();
    EXPECT_EQ(Mode.Head(), u"12");
}

} // namespace
} // namespace ui
