#include "ui/editors/text/textedit/uiTextEdit.h"

#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/EditorTestForms.h"
#include "ui/editors/framework/control/uiEditDataBinding.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/editors/text/textedit/uiTextEditViewInfo.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using ui::TuiTextEdit;

// The leftmost and rightmost columns of the editor's text line that differ from its background (text or
// selection); the line's right margin shows the background.
std::optional<std::pair<int, int>> TextEditInkColumns(ui::TuiCustomTextEdit& edit) {
    vcl::TWinControl& line = edit.InnerEdit();
    ui_test::TDibSurface surface(line.Width(), line.Height());
    ui_test::PaintControl(line, surface, vcl::clWhite);
    const vcl::TColor ground = surface.Pixel(surface.Width() - 1, 0);
    std::optional<std::pair<int, int>> span;
    for (int x = 0; x < surface.Width(); ++x) {
        for (int y = 0; y < surface.Height(); ++y) {
            if (surface.Pixel(x, y) != ground) {
                span = span ? std::pair{span->first, x} : std::pair{x, x};
                break;
            }
        }
    }
    return span;
}

// The clipboard holding text, as another program leaves it.
void PutTextOnClipboard(const std::u16string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    auto* chars = static_cast<char16_t*>(GlobalLock(memory));
    std::copy(text.begin(), text.end(), chars);
    chars[text.size()] = u'\0';
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// A form laid out like the main window's buyer block: text edits with their limits, a read-only right-aligned total
// and a centred code version, beside an ordinary edit that takes the focus away.
class TextEditFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(400, 200);
        Other = ui_test::PlaceFocusTaker(*Form);
        ui_test::ProcessPendingMessages();
    }
    TuiTextEdit* AddEdit(int32_t top, int32_t maxLength) {
        auto* edit = ui_test::PlaceOnForm<TuiTextEdit>(*Form, 10, top, 200, 21);
        edit->TextEditProperties().SetMaxLength(maxLength);
        ui_test::ProcessPendingMessages();
        return edit;
    }
    TuiTextEdit* AddTotal(int32_t top) {
        TuiTextEdit* edit = AddEdit(top, 8);
        ui::TuiTextEditProperties& properties = edit->TextEditProperties();
        properties.SetReadOnly(true);
        properties.GetAlignment().SetHorz(vcl::taRightJustify);
        properties.GetAlignment().SetVert(ui::taVCenter);
        ui_test::ProcessPendingMessages();
        return edit;
    }
    static void Focus(TuiTextEdit& edit) {
        edit.InnerEdit().SetFocus();
        ui_test::ProcessPendingMessages();
    }
    void FocusOther() {
        Other->SetFocus();
        ui_test::ProcessPendingMessages();
    }
    static void Type(const char16_t* text) {
        ui_test::TypeText(text);
        ui_test::ProcessPendingMessages();
    }
    static void PostImeChar(TuiTextEdit& edit, uint16_t ansiCode) {
        PostMessageA(edit.InnerEdit().Handle(), WM_IME_CHAR, ansiCode, 1);
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    vcl::TEdit* Other = nullptr; // owned by the form
};

TEST_F(TextEditFormTest, TypedTextBecomesTheValueAndTheHundredAndFirstCharacterIsRefused) {
    TuiTextEdit* name = AddEdit(10, 100);
    Focus(*name);
    const std::u16string hundred(100, u'n');
    Type(hundred.c_str());
    EXPECT_EQ(name->GetDisplayText(), hundred);
    Type(u"x");
    EXPECT_EQ(name->GetDisplayText(), hundred);
    EXPECT_EQ(rtl::VarToStr(name->EditValue()), hundred);
    EXPECT_TRUE(name->ChangedByUser());
}

// MaxLength counts bytes of code page 936 (the test prefix's ANSI code page), as the invoicing software that reads
// the texts does: a Chinese character takes two, and one that does not fit whole is refused.
const struct {
    const char16_t* Entered;
    int32_t MaxLength;
    const char16_t* Kept;
} ByteLimitCases[] = {
    {u"张三李四王五", 8, u"张三李四"},
    {u"ab张三李四", 8, u"ab张三李"},
    {u"abcdefghij", 8, u"abcdefgh"},
    {u"张三李四", 7, u"张三李"},
};

TEST_F(TextEditFormTest, TypedTextTakesNoMoreBytesThanMaxLength) {
    for (const auto& c : ByteLimitCases) {
        TuiTextEdit* edit = AddEdit(10, c.MaxLength);
        Focus(*edit);
        Type(c.Entered);
        EXPECT_EQ(edit->GetDisplayText(), c.Kept) << c.MaxLength;
        EXPECT_EQ(rtl::VarToStr(edit->EditValue()), c.Kept) << c.MaxLength;
        delete edit;
    }
}

TEST_F(TextEditFormTest, PastedTextTakesNoMoreBytesThanMaxLengthFocusedOrNot) {
    for (const bool focused : {true, false}) {
        for (const auto& c : ByteLimitCases) {
            TuiTextEdit* edit = AddEdit(10, c.MaxLength);
            if (focused) {
                Focus(*edit);
            } else {
                FocusOther();
            }
            PutTextOnClipboard(c.Entered);
            edit->PasteFromClipboard();
            ui_test::ProcessPendingMessages();
            EXPECT_EQ(edit->GetDisplayText(), c.Kept) << (focused ? "focused " : "unfocused ") << c.MaxLength;
            delete edit;
        }
    }
}

// Through the input method a double-byte character comes as one message whose two bytes reach the window one after
// the other: one that does not fit leaves no lead byte behind to pair with the next character.
TEST_F(TextEditFormTest, ADoubleByteCharacterThatDoesNotFitLeavesNoHalfBehind) {
    TuiTextEdit* reviewer = AddEdit(10, 8);
    Focus(*reviewer);
    for (int i = 0; i < 5; ++i) {
        PostImeChar(*reviewer, 0xD6D0); // "中" in code page 936
    }
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(reviewer->GetDisplayText(), u"中中中中");

    TuiTextEdit* odd = AddEdit(40, 5);
    Focus(*odd);
    Type(u"ab");
    PostImeChar(*odd, 0xD6D0);
    PostImeChar(*odd, 0xD6D0);
    ui_test::ProcessPendingMessages();
    Type(u"c");
    EXPECT_EQ(odd->GetDisplayText(), u"ab中c");
}

TEST_F(TextEditFormTest, ATotalRefusesTypingButSelectsAndCopies) {
    TuiTextEdit* total = AddTotal(10);
    total->SetEditValue(rtl::Variant(rtl::UnicodeString(u"1234.50")));
    Focus(*total);
    Type(u"9");
    ui_test::PressKey(VK_BACK);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(total->GetDisplayText(), u"1234.50");
    total->SelectAll();
    EXPECT_EQ(total->SelLength(), 7);
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    ui_test::PressKey('C', {vcl::ssCtrl});
    ui_test::ProcessPendingMessages();
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    const std::u16string copied(static_cast<const char16_t*>(GlobalLock(data)));
    GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(copied, u"1234.50");
}

// The text's pixels lie nearer the right edge than the left one unfocused, and at the left once focused.
TEST_F(TextEditFormTest, ATotalShowsItsTextAtTheRightUnfocusedAndAtTheLeftFocused) {
    TuiTextEdit* total = AddTotal(10);
    total->SetEditValue(rtl::Variant(rtl::UnicodeString(u"12")));
    ui_test::ProcessPendingMessages();
    const auto unfocused = TextEditInkColumns(*total);
    ASSERT_TRUE(unfocused.has_value());
    EXPECT_GT(unfocused->first, total->InnerEdit().Width() / 2);
    Focus(*total);
    ASSERT_EQ(GetFocus(), total->InnerEdit().Handle());
    EXPECT_EQ(GetWindowLongW(total->InnerEdit().Handle(), GWL_STYLE) & (ES_RIGHT | ES_CENTER), 0);
    const auto focused = TextEditInkColumns(*total);
    ASSERT_TRUE(focused.has_value());
    EXPECT_LT(focused->second, total->InnerEdit().Width() / 2);
}

TEST_F(TextEditFormTest, ShortTextInTheCentredVersionEditIsCentred) {
    TuiTextEdit* version = AddEdit(10, 20);
    version->TextEditProperties().GetAlignment().SetHorz(vcl::taCenter);
    version->TextEditProperties().SetUseLeftAlignmentOnEditing(false);
    version->SetEditValue(rtl::Variant(rtl::UnicodeString(u"13")));
    ui_test::ProcessPendingMessages();
    const auto span = TextEditInkColumns(*version);
    ASSERT_TRUE(span.has_value());
    const int32_t middle = (span->first + span->second) / 2;
    EXPECT_NEAR(middle, version->InnerEdit().Width() / 2, 6);
}

// The window that shows the text while the user types lies where the view info lays out the text it paints: inside
// the client area less the content offsets of a standalone editor (one pixel at the top and the left).
TEST_F(TextEditFormTest, TheInnerEditLiesInsideTheContentOffsets) {
    for (const bool tall : {false, true}) {
        TuiTextEdit* name = AddEdit(10, 100);
        name->SetEditValue(rtl::Variant(rtl::UnicodeString(u"上海某某贸易有限公司")));
        if (tall) {
            name->SetAutoSize(false);
            name->SetBounds(10, 10, 200, 41);
        }
        ui_test::ProcessPendingMessages();
        const vcl::TRect client = name->ViewInfo().ClientRect;
        EXPECT_EQ(name->InnerEdit().Top(), client.Top + 1) << tall;
        EXPECT_EQ(name->InnerEdit().Left(), client.Left + 1) << tall;
        EXPECT_EQ(name->InnerEdit().BoundsRect().Right, client.Right) << tall;
        delete name;
    }
}

// Pixels of the editor's client area, outside its inner edit, that differ from the editor's background.
int InkOutsideTheInnerEdit(ui::TuiCustomTextEdit& edit) {
    ui_test::TDibSurface surface(edit.Width(), edit.Height());
    ui_test::PaintControl(edit, surface);
    const vcl::TRect client = edit.ViewInfo().ClientRect;
    const vcl::TRect inner = edit.InnerEdit().BoundsRect();
    const vcl::TColor ground = surface.Pixel(client.Right - 1, client.Bottom - 1);
    int ink = 0;
    for (int y = client.Top; y < client.Bottom; ++y) {
        for (int x = client.Left; x < client.Right; ++x) {
            const bool insideInner = x >= inner.Left && x < inner.Right && y >= inner.Top && y < inner.Bottom;
            ink += !insideInner && surface.Pixel(x, y) != ground ? 1 : 0;
        }
    }
    return ink;
}

// While the user types in the inner edit, the editor paints neither the text nor a focus rectangle around it: the
// rectangle's lower line would show under the edit. A locked editor has no edit to type in: it paints its text and
// its focus rectangle itself, its inner edit out of sight.
TEST_F(TextEditFormTest, OnlyALockedEditorPaintsItsTextAndFocusRectangle) {
    TuiTextEdit* name = AddEdit(10, 100);
    name->SetEditValue(rtl::Variant(rtl::UnicodeString(u"Northwind")));
    Focus(*name);
    EXPECT_EQ(InkOutsideTheInnerEdit(*name), 0);

    name->TextEditProperties().SetHideCursor(true);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(name->InnerEdit().Width(), 0);
    EXPECT_GT(InkOutsideTheInnerEdit(*name), 0);
}

TEST_F(TextEditFormTest, TheInnerEditSitsVerticallyCentredInATallTotal) {
    TuiTextEdit* total = AddTotal(10);
    total->SetAutoSize(false);
    total->SetBounds(10, 10, 200, 41);
    ui_test::ProcessPendingMessages();
    // Centred between the content offsets, one pixel at the top and three at the bottom.
    const int32_t above = total->InnerEdit().Top();
    const int32_t below = total->ClientHeight() - total->InnerEdit().Top() - total->InnerEdit().Height();
    EXPECT_GT(above, 2);
    EXPECT_NEAR(above + 2, below, 1);
}

TEST_F(TextEditFormTest, LockedEditorsReadNoSelectionAndPasswordsAreNoEditableText) {
    TuiTextEdit* edit = AddEdit(10, 0);
    edit->SetEditValue(rtl::Variant(rtl::UnicodeString(u"abcd")));
    edit->Select(1, 2);
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelLength(), 2);
    EXPECT_TRUE(edit->IsEditableText());
    edit->TextEditProperties().SetHideCursor(true);
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 0);
    edit->TextEditProperties().SetHideCursor(false);
    edit->TextEditProperties().SetEchoMode(ui::eemPassword);
    EXPECT_FALSE(edit->IsEditableText());
}

TEST_F(TextEditFormTest, AProgramValueIsNoUserChange) {
    TuiTextEdit* edit = AddEdit(10, 0);
    edit->SetEditValue(rtl::Variant(rtl::UnicodeString(u"Buyer")));
    EXPECT_EQ(edit->GetDisplayText(), u"Buyer");
    EXPECT_FALSE(edit->ChangedByUser());
    edit->SetEditValue(rtl::Variant::Null());
    EXPECT_EQ(edit->GetDisplayText(), u"");
}

// Making and showing the windows of a hidden form's editor changes neither its text nor its value.
TEST_F(TextEditFormTest, AValueSetBeforeTheFormIsShownSurvivesTheShowingUnchanged) {
    auto hidden = ui_test::CreateTestForm();
    auto* edit = new TuiTextEdit(hidden.get());
    edit->SetParent(hidden.get());
    edit->SetBounds(10, 10, 200, 21);
    edit->SetEditValue(rtl::Variant(rtl::UnicodeString(u"Buyer")));
    int changes = 0;
    edit->TextEditProperties().SetOnChange([&changes](rtl::TObject*) { ++changes; });
    ui_test::ShowTestForm(*hidden, 300, 100);
    EXPECT_EQ(edit->GetDisplayText(), u"Buyer");
    EXPECT_EQ(rtl::VarToStr(edit->EditValue()), u"Buyer");
    EXPECT_FALSE(edit->ChangedByUser());
    EXPECT_EQ(changes, 0);
}

class TextEditClipboardTest : public TextEditFormTest {
protected:
    TuiTextEdit* FourLetters(int32_t caret) {
        TuiTextEdit* edit = AddEdit(10, 5);
        edit->SetEditValue(rtl::Variant(rtl::UnicodeString(u"abcd")));
        edit->Select(caret, 0);
        PutTextOnClipboard(u"XYZ");
        return edit;
    }
};

TEST_F(TextEditClipboardTest, FocusedPasteTakesWhatFitsMaxLength) {
    TuiTextEdit* edit = AddEdit(10, 5);
    edit->SetEditValue(rtl::Variant(rtl::UnicodeString(u"abcd")));
    Focus(*edit);
    edit->Select(4, 0);
    PutTextOnClipboard(u"XYZ");
    edit->PasteFromClipboard();
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(edit->GetDisplayText(), u"abcdX");
    EXPECT_EQ(edit->SelStart(), 5);
    EXPECT_EQ(rtl::VarToStr(edit->EditValue()), u"abcdX");
}

// The text after the caret stays: only the inserted text is cut.
TEST_F(TextEditClipboardTest, UnfocusedPasteCutsTheInsertedTextAndKeepsTheRest) {
    TuiTextEdit* edit = FourLetters(2);
    edit->PasteFromClipboard();
    EXPECT_EQ(edit->GetDisplayText(), u"abXcd");
    EXPECT_EQ(edit->SelStart(), 3);
    EXPECT_EQ(rtl::VarToStr(edit->EditValue()), u"abXcd");
    edit->SetInternalText(u"Q");
    EXPECT_EQ(edit->GetDisplayText(), u"abXcd");
}

TEST_F(TextEditClipboardTest, ReplacingASelectionMakesRoomForTheInsertedText) {
    TuiTextEdit* edit = FourLetters(1);
    edit->Select(1, 2);
    edit->SetInternalText(u"XYZ");
    EXPECT_EQ(edit->GetDisplayText(), u"aXYZd");
    EXPECT_EQ(edit->SelStart(), 4);
    EXPECT_TRUE(edit->ChangedByUser());
}

// A binding that keeps what the editor posts.
class TRecordingBinding : public ui::TuiEditDataBinding {
public:
    using TuiEditDataBinding::TuiEditDataBinding;
    void SetStoredValue(const rtl::Variant& value) override { Stored.push_back(rtl::VarToStr(value)); }
    std::vector<std::u16string> Stored;
};

class TPostingTextEdit : public TuiTextEdit {
public:
    explicit TPostingTextEdit(rtl::TComponent* owner) : TuiTextEdit(owner) {
        auto binding = std::make_unique<TRecordingBinding>(this);
        Binding = binding.get();
        SetDataBinding(std::move(binding));
    }
    TRecordingBinding* Binding = nullptr; // owned by the editor
};

TEST_F(TextEditClipboardTest, AnInternalTextPostedByAnUnfocusedEditorReachesItsData) {
    auto* edit = new TPostingTextEdit(Form.get());
    edit->SetParent(Form.get());
    edit->SetBounds(10, 40, 200, 21);
    edit->SetEditValue(rtl::Variant(rtl::UnicodeString(u"ab")));
    edit->Select(2, 0);
    edit->SetInternalText(u"c");
    EXPECT_TRUE(edit->Binding->Stored.empty()) << "the first change makes the post pending";
    edit->SetInternalText(u"d", true);
    EXPECT_EQ(edit->Binding->Stored, std::vector<std::u16string>{u"abcd"});
    EXPECT_EQ(rtl::VarToStr(edit->EditValue()), u"abcd");
}

TEST_F(TextEditClipboardTest, ALockedEditorPastesNothing) {
    TuiTextEdit* edit = FourLetters(2);
    edit->TextEditProperties().SetHideCursor(true);
    Focus(*edit);
    edit->PasteFromClipboard();
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(edit->GetDisplayText(), u"abcd");
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(TextEditClipboardTest, UpperCaseStoresAnInsertedTextInUpperCase) {
    TuiTextEdit* edit = AddEdit(10, 0);
    edit->TextEditProperties().SetCharCase(vcl::ecUpperCase);
    edit->SetDisplayTextInternal(u"name");
    EXPECT_EQ(edit->GetDisplayText(), u"NAME");
    EXPECT_EQ(rtl::VarToStr(edit->EditValue()), u"NAME");
}

TEST_F(TextEditClipboardTest, UnfocusedCutTakesTheSelectionAway) {
    TuiTextEdit* edit = FourLetters(1);
    edit->Select(1, 2);
    edit->CutToClipboard();
    EXPECT_EQ(edit->GetDisplayText(), u"ad");
    ASSERT_TRUE(OpenClipboard(nullptr));
    const std::u16string cut(static_cast<const char16_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT))));
    GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
    CloseClipboard();
    EXPECT_EQ(cut, u"bc");
}

TEST_F(TextEditFormTest, GetTextAnswersTheTextCutToTheBuffer) {
    TuiTextEdit* edit = AddEdit(10, 0);
    edit->SetEditValue(rtl::Variant(rtl::UnicodeString(u"名称 abc")));
    wchar_t buffer[8] = {L'?'};
    EXPECT_EQ(SendMessageW(edit->Handle(), WM_GETTEXT, 1, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_EQ(buffer[0], L'\0');
    EXPECT_EQ(SendMessageW(edit->Handle(), WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_EQ(SendMessageW(edit->Handle(), WM_GETTEXT, 4, reinterpret_cast<LPARAM>(buffer)), 3);
    EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(buffer)), u"名称 ");
    EXPECT_EQ(SendMessageW(edit->Handle(), WM_GETTEXTLENGTH, 0, 0), 6);
}

TEST_F(TextEditFormTest, SetTextWritesTheTextInTheCharacterCase) {
    TuiTextEdit* edit = AddEdit(10, 0);
    edit->TextEditProperties().SetCharCase(vcl::ecUpperCase);
    EXPECT_EQ(SendMessageW(edit->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"buyer")), 1);
    EXPECT_EQ(edit->GetDisplayText(), u"BUYER");
    EXPECT_EQ(rtl::VarToStr(edit->EditValue()), u"BUYER");
    EXPECT_FALSE(edit->ChangedByUser());
}

TEST_F(TextEditFormTest, ClearDeletesTheSelectionUnlessReadOnly) {
    TuiTextEdit* edit = AddEdit(10, 0);
    edit->SetEditValue(rtl::Variant(rtl::UnicodeString(u"abcd")));
    edit->Select(1, 2);
    SendMessageW(edit->Handle(), WM_CLEAR, 0, 0);
    EXPECT_EQ(edit->GetDisplayText(), u"ad");
    EXPECT_EQ(rtl::VarToStr(edit->EditValue()), u"ad");
    EXPECT_EQ(edit->SelStart(), 1);
    edit->TextEditProperties().SetReadOnly(true);
    edit->Select(0, 1);
    SendMessageW(edit->Handle(), WM_CLEAR, 0, 0);
    EXPECT_EQ(edit->GetDisplayText(), u"ad");
}

// What a window watching the editor's destruction reads.
std::u16string TextReadAtDestroy;
WNDPROC TextEditWindowProcedure = nullptr;

LRESULT CALLBACK ReadTextAtDestroy(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        wchar_t buffer[32] = {};
        SendMessageW(window, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(buffer));
        TextReadAtDestroy = reinterpret_cast<const char16_t*>(buffer);
    }
    return CallWindowProcW(TextEditWindowProcedure, window, msg, wParam, lParam);
}

TEST_F(TextEditFormTest, TheTextIsStillReadWhileTheEditorIsDestroyed) {
    TuiTextEdit* edit = AddEdit(10, 0);
    edit->SetEditValue(rtl::Variant(rtl::UnicodeString(u"名称 abc")));
    TextEditWindowProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(edit->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ReadTextAtDestroy)));
    TextReadAtDestroy.clear();
    delete edit;
    EXPECT_EQ(TextReadAtDestroy, u"名称 abc");
}

TEST_F(TextEditFormTest, InPlaceTheKeyThatOpensTheEditorIsItsFirstCharacter) {
    ui::TuiTextEditProperties cellProperties(nullptr);
    ASSERT_TRUE(cellProperties.GetContainerClass().InheritsFrom(TuiTextEdit::StaticClass()));
    ui::TuiCustomEdit* editor = ui::TuiCustomEdit::CreateInplace(cellProperties.GetContainerClass(), Form.get());
    auto* edit = static_cast<TuiTextEdit*>(editor);
    edit->SetParent(Form.get());
    edit->SetBounds(10, 60, 100, 20);
    ui_test::ProcessPendingMessages();
    ui::TuiCustomEditData* data = nullptr;
    edit->ActivateByKey(u'a', data);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(edit->GetDisplayText(), u"a");
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_TRUE(edit->ChangedByUser());
    delete data;
}

TEST(TextEditUnit, StartUpRegistersTheTextProperties) {
    ui::InitializeTextEditUnit();
    ui::TuiRegisteredClasses& registry = ui::GetEditPropertiesRegistry();
    const int32_t index = registry.IndexOfClass(&ui::TuiTextEditProperties::StaticClass());
    ASSERT_NE(index, -1);
    EXPECT_EQ(registry.GetDescriptionText(index), u"TextEdit");
    ui::FinalizeTextEditUnit();
    EXPECT_EQ(registry.IndexOfClass(&ui::TuiTextEditProperties::StaticClass()), -1);
}

} // namespace
