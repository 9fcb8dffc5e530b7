#include "ui/editors/mask/editor/uiMaskEdit.h"

#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/EditorTestForms.h"
#include "ui/editors/mask/modes/uiMaskEditError.h"
#include "vcl/forms/FormLoader.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace {

using ui::TuiEditMaskKind;
using ui::TuiMaskEdit;

// A form with a mask edit typed into as a user does, beside an ordinary edit that takes the focus away.
class MaskEditFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(400, 200);
        Other = ui_test::PlaceFocusTaker(*Form);
        Edit = ui_test::PlaceOnForm<TuiMaskEdit>(*Form, 10, 10, 200, 21);
        ui_test::ProcessPendingMessages();
    }
    ui::TuiMaskEditProperties& Properties() { return Edit->MaskEditProperties(); }
    void SetMask(TuiEditMaskKind kind, const char16_t* mask) {
        Properties().BeginUpdate();
        Properties().SetMaskKind(kind);
        Properties().SetEditMask(mask);
        Properties().EndUpdate();
        ui_test::ProcessPendingMessages();
    }
    void FocusEdit() {
        Edit->InnerEdit().SetFocus();
        ui_test::ProcessPendingMessages();
    }
    static void Type(const char16_t* text) {
        ui_test::TypeText(text);
        ui_test::ProcessPendingMessages();
    }
    static void Press(uint16_t key, vcl::TShiftState shift = {}) {
        ui_test::PressKey(key, shift);
        ui_test::ProcessPendingMessages();
    }
    rtl::UnicodeString Shown() const { return Edit->GetDisplayText(); }

    ui_test::TFormPtr<vcl::TForm> Form;
    vcl::TEdit* Other = nullptr; // owned by the form
    TuiMaskEdit* Edit = nullptr; // owned by the form
};

TEST_F(MaskEditFormTest, APhoneMaskFillsItsPlacesAndStepsOverTheLiterals) {
    SetMask(TuiEditMaskKind::emkStandard, u"!\\(999\\) 000-0000;1;_");
    FocusEdit();
    EXPECT_EQ(Shown(), u"(___) ___-____");
    Edit->SetSelStart(0);
    Type(u"1");
    EXPECT_EQ(Shown(), u"(1__) ___-____");
    EXPECT_EQ(Edit->SelStart(), 2);
    Type(u"23x4567890");
    EXPECT_EQ(Shown(), u"(123) 456-7890");
    EXPECT_EQ(rtl::VarToStr(Edit->EditValue()), u"(123) 456-7890");
    EXPECT_TRUE(Edit->ChangedByUser());
}

TEST_F(MaskEditFormTest, AMaskThatSavesNoLiteralsKeepsOnlyTheTypedDigitsAsItsValue) {
    SetMask(TuiEditMaskKind::emkStandard, u"!\\(999\\) 000-0000;0;_");
    FocusEdit();
    Edit->SetSelStart(0);
    Type(u"1234567");
    EXPECT_EQ(Shown(), u"(123) 456-7___");
    EXPECT_EQ(Edit->ValueText(), u"1234567   ") << "unfilled places read as spaces";
    EXPECT_FALSE(Edit->IsEditableText()) << "a masked text is edited only through its mask";
}

// A paste overwrites as many places as it has characters, literals included.
TEST_F(MaskEditFormTest, PastedTextOverwritesThePlacesFromTheCaret) {
    SetMask(TuiEditMaskKind::emkStandard, u"!\\(999\\) 000-0000;1;_");
    FocusEdit();
    Edit->SetSelStart(0);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const std::u16string digits = u"(555) 123-4";
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (digits.size() + 1) * sizeof(char16_t));
    auto* chars = static_cast<char16_t*>(GlobalLock(data));
    std::copy(digits.begin(), digits.end(), chars);
    chars[digits.size()] = u'\0';
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
    Edit->PasteFromClipboard();
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Shown(), u"(555) 123-4___");
}

// A form reader sets the text before the editor is loaded; loading lays it into the mask.
TEST_F(MaskEditFormTest, TheTextReadWithTheFormIsLaidIntoTheMaskOnceLoaded) {
    Properties().SetAlwaysShowBlanksAndLiterals(true);
    SetMask(TuiEditMaskKind::emkStandard, u"000-000;1;_");
    Edit->SetStreamingState({rtl::TComponentState::csLoading});
    Edit->SetDisplayValue(rtl::Variant(rtl::UnicodeString(u"123-4")));
    EXPECT_EQ(Shown(), u"123-4");
    Edit->Loaded();
    EXPECT_EQ(Shown(), u"123-4__");
}

TEST_F(MaskEditFormTest, AStandardMaskSelectsTheCharacterAtTheCaretWhenTheSelectionMoves) {
    SetMask(TuiEditMaskKind::emkStandard, u"000-000;1;_");
    FocusEdit();
    SendMessageW(Edit->InnerEdit().Handle(), EM_SETSEL, 5, 5);
    EXPECT_EQ(Edit->SelStart(), 5);
    EXPECT_EQ(Edit->SelLength(), 1);
    Press(VK_LEFT);
    Press(VK_LEFT);
    EXPECT_EQ(Edit->SelStart(), 2);
    EXPECT_EQ(Edit->SelLength(), 1);
    Press(VK_LEFT);
    EXPECT_EQ(Edit->SelStart(), 1) << "the literal '-' is stepped over";
}

TEST_F(MaskEditFormTest, DeleteBlanksTheSelectedDigitsOfAStandardMask) {
    SetMask(TuiEditMaskKind::emkStandard, u"!\\(999\\) 000-0000;1;_");
    FocusEdit();
    Edit->SetSelStart(0);
    Type(u"1234567");
    Edit->Select(0, 3);
    Press(VK_DELETE);
    EXPECT_EQ(Shown(), u"(__3) 456-7___");
}

TEST_F(MaskEditFormTest, ARegularExpressionMaskRefusesACharacterThatCannotFollow) {
    SetMask(TuiEditMaskKind::emkRegExpr, u"\\d+");
    FocusEdit();
    Type(u"12a");
    EXPECT_EQ(Shown(), u"12");
    EXPECT_EQ(rtl::VarToStr(Edit->EditValue()), u"12");
}

TEST_F(MaskEditFormTest, AnExtendedMaskAddsItsForcedLiteralsAndBackspaceTakesThemAway) {
    SetMask(TuiEditMaskKind::emkRegExprEx, u"'(' \\d\\d ')'");
    FocusEdit();
    Press(VK_END);
    Type(u"12");
    EXPECT_EQ(Shown(), u"(12)");
    Press(VK_BACK);
    EXPECT_EQ(Shown(), u"(1");
    EXPECT_EQ(rtl::VarToStr(Edit->EditValue()), u"(1");
}

TEST_F(MaskEditFormTest, WithoutAMaskTheEditorTypesAsATextEditor) {
    FocusEdit();
    Type(u"ab-12");
    EXPECT_EQ(Shown(), u"ab-12");
    EXPECT_FALSE(Properties().IsMasked());
    SetMask(TuiEditMaskKind::emkStandard, u" \t ");
    EXPECT_FALSE(Properties().IsMasked()) << "a blank mask is no mask";
}

TEST_F(MaskEditFormTest, AKindChangeAloneClearsTheMaskAndAKindSetWithAMaskKeepsIt) {
    SetMask(TuiEditMaskKind::emkStandard, u"000");
    Properties().SetMaskKind(TuiEditMaskKind::emkRegExpr);
    EXPECT_EQ(Properties().EditMask(), u"");
    SetMask(TuiEditMaskKind::emkRegExprEx, u"\\d\\d");
    EXPECT_EQ(Properties().EditMask(), u"\\d\\d");
    Properties().SetMaskKind(TuiEditMaskKind::emkRegExpr);
    EXPECT_EQ(Properties().EditMask(), u"\\d\\d") << "switching between expression kinds keeps the mask";

    ui::TuiMaskEditProperties copy(nullptr);
    copy.Assign(&Properties());
    EXPECT_EQ(copy.MaskKind(), TuiEditMaskKind::emkRegExpr);
    EXPECT_EQ(copy.EditMask(), u"\\d\\d");
}

TEST_F(MaskEditFormTest, ABadExpressionRaisesAndKeepsTheOldMask) {
    SetMask(TuiEditMaskKind::emkRegExpr, u"\\d+");
    try {
        Properties().SetEditMask(u"[a");
        FAIL() << "no error raised";
    } catch (const ui::EuiMaskEditError& error) {
        EXPECT_EQ(error.Message().find(u"Regular expression errors:\r\n"), 0u);
    }
    EXPECT_EQ(Properties().EditMask(), u"\\d+");
}

} // namespace

namespace {

struct TMaskValidationCase {
    const char16_t* Mask;
    bool IgnoreMaskBlank;
    const char16_t* Typed;
    bool Valid;
};

class MaskEditValidationTest : public MaskEditFormTest, public ::testing::WithParamInterface<TMaskValidationCase> {};

// Enter checks the typed text against the mask; an entry emptied back to blanks passes only with IgnoreMaskBlank.
TEST_P(MaskEditValidationTest, TheTypedTextIsValidOnlyWhenTheMaskIsComplete) {
    const TMaskValidationCase& example = GetParam();
    SetMask(TuiEditMaskKind::emkStandard, example.Mask);
    Properties().SetIgnoreMaskBlank(example.IgnoreMaskBlank);
    FocusEdit();
    Edit->SetSelStart(0);
    Type(example.Typed);
    if (example.Valid) {
        EXPECT_TRUE(Edit->ValidateEnteredText(true)) << rtl::UnicodeString(example.Typed).size();
        return;
    }
    try {
        Edit->ValidateEnteredText(true);
        ADD_FAILURE() << "the incomplete entry passed";
    } catch (const ui::EuiEditValidationError& error) {
        EXPECT_EQ(error.Message(), u"The edit value is invalid");
    }
}

INSTANTIATE_TEST_SUITE_P(Entries, MaskEditValidationTest,
                         ::testing::Values(TMaskValidationCase{u"000;1;_", false, u"123", true},
                                           TMaskValidationCase{u"000;1;_", false, u"12", false},
                                           TMaskValidationCase{u"000;1;_", false, u"1\b", false},
                                           TMaskValidationCase{u"000;1;_", true, u"1\b", true},
                                           TMaskValidationCase{u"999;1;_", false, u"1", true}));

} // namespace

namespace {

TEST(MaskEditUnit, StartUpRegistersTheMaskPropertiesAndShutDownRemovesThem) {
    ui::InitializeMaskEditUnit();
    ui::TuiRegisteredClasses& registry = ui::GetEditPropertiesRegistry();
    const int32_t index = registry.IndexOfClass(&ui::TuiMaskEditProperties::StaticClass());
    ASSERT_NE(index, -1);
    EXPECT_EQ(registry.GetDescriptionText(index), u"MaskEdit");
    ui::FinalizeMaskEditUnit();
    EXPECT_EQ(registry.IndexOfClass(&ui::TuiMaskEditProperties::StaticClass()), -1);
}

} // namespace

namespace {

// The password echo is a window style: the window made anew keeps the selection the user had.
TEST_F(MaskEditFormTest, SwitchingThePasswordEchoKeepsTheSelection) {
    SetMask(TuiEditMaskKind::emkStandard, u"000-000;1;_");
    FocusEdit();
    Edit->SetSelStart(0);
    Type(u"12345");
    SendMessageW(Edit->InnerEdit().Handle(), EM_SETSEL, 4, 4);
    ASSERT_EQ(Edit->SelLength(), 1);
    Properties().SetEchoMode(ui::eemPassword);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Edit->SelStart(), 4);
    EXPECT_EQ(Edit->SelLength(), 1);
    EXPECT_EQ(Shown(), u"123-45_");
}

// Shift+Left over the one-character overwrite selection: the mode sends Left twice from after it, and the native
// edit extends the selection leftward with the Shift the user holds, from the end of that character.
TEST_F(MaskEditFormTest, ShiftLeftTurnsTheOverwriteSelectionIntoAShiftSelection) {
    SetMask(TuiEditMaskKind::emkStandard, u"000000;1;_");
    FocusEdit();
    Edit->SetSelStart(0);
    Type(u"123456");
    SendMessageW(Edit->InnerEdit().Handle(), EM_SETSEL, 3, 3);
    ASSERT_EQ(Edit->SelLength(), 1);
    Press(VK_LEFT, {vcl::ssShift});
    EXPECT_LT(Edit->SelStart(), 3);
    EXPECT_EQ(Edit->SelStart() + Edit->SelLength(), 4);
    EXPECT_EQ(Shown(), u"123456");
}

} // namespace

namespace {

std::u16string MaskWindowText(TuiMaskEdit& edit) {
    wchar_t buffer[64] = {};
    SendMessageW(edit.Handle(), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(buffer));
    return reinterpret_cast<const char16_t*>(buffer);
}

// A form stores the kind before the mask and the text after it; once loaded the editor shows the text in its mask
// while focused, and its window text is the masked value.
TEST(MaskEditStreaming, AFormReadsItsKindMaskAndTextIntoAMaskedEditor) {
    const struct {
        TuiEditMaskKind kind;
        const char16_t* mask;
        const char16_t* text;
        const char16_t* shown;
        const char16_t* value;
    } cases[] = {
        {TuiEditMaskKind::emkRegExpr, u"\\d\\d-\\d\\d", u"12-34", u"12-34", u"12-34"},
        {TuiEditMaskKind::emkStandard, u"000-000;0;_", u"123456", u"123-456", u"123456"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        auto form = ui_test::ShowNewTestForm(300, 100);
        TuiMaskEdit* edit = nullptr;
        vcl::TFormLoader loader(*form);
        loader.Add(TuiMaskEdit::StaticClass(), u"Code", u"", [&](rtl::TComponent& component) {
            edit = &static_cast<TuiMaskEdit&>(component);
            edit->MaskEditProperties().SetMaskKind(c.kind);
            edit->MaskEditProperties().SetEditMask(c.mask);
            edit->SetText(c.text);
        });
        loader.Finish();
        ui_test::ProcessPendingMessages();
        ASSERT_NE(edit, nullptr);
        edit->InnerEdit().SetFocus();
        ui_test::ProcessPendingMessages();
        EXPECT_EQ(edit->GetDisplayText(), c.shown);
        EXPECT_EQ(rtl::VarToStr(edit->EditValue()), c.value);
        EXPECT_EQ(MaskWindowText(*edit), c.value);
        EXPECT_EQ(SendMessageW(edit->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"99")), 1);
    }
}

} // namespace
