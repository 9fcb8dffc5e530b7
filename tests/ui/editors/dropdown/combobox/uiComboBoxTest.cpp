#include "ui/editors/dropdown/combobox/uiComboBox.h"

#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/EditorTestForms.h"
#include "ui/core/controls/popups/uiPopupHooks.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/system/uxSystemInfo.h"
#include "ui/editors/framework/control/uiInplaceEditList.h"
#include "ui/editors/framework/strings/uiEditExceptions.h"
#include "ui/editors/framework/view/uiEditViewData.h"
#include "ui/editors/text/textedit/uiTextEditViewInfo.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/system/Messages.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

using ui::TuiComboBox;
using ui::TuiPopupCloseReason;

// A form like the main window with its invoice-limit selector: a fixed-list combo box of five amounts whose
// blanks belong to the items, beside an edit that takes the focus away.
class ComboBoxFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(400, 300);
        Form->SetKeyPreview(true);
        Form->SetOnKeyPress([this](rtl::TObject*, char16_t& key) { FormChars += key; });
        Other = ui_test::PlaceFocusTaker(*Form);
        Combo = ui_test::PlaceOnForm<TuiComboBox>(*Form, 10, 10, 121, 21);
        ui::TuiComboBoxProperties& properties = Combo->ComboBoxProperties();
        properties.SetDropDownListStyle(ui::lsFixedList);
        for (const char16_t* item : {u" 一千 ", u" 一万", u" 十万", u" 百万", u" 千万"}) {
            properties.Items().Add(item);
        }
        Combo->SetItemIndex(2);
        Combo->SetOnClick([this](rtl::TObject*) { ++Clicks; });
        properties.SetOnInitPopup([this](rtl::TObject*) { Events.push_back("InitPopup"); });
        properties.SetOnPopup([this](rtl::TObject*) { Events.push_back("Popup"); });
        properties.SetOnPopupFinished([this](rtl::TObject*) { Events.push_back("PopupFinished"); });
        properties.SetOnCloseUp([this](rtl::TObject*) { Events.push_back("CloseUp"); });
        Combo->SetOnClosePopup([this](ui::TuiCustomDropDownEdit&, TuiPopupCloseReason reason) {
            Events.push_back("ClosePopup");
            Reasons.push_back(reason);
        });
        ui_test::ProcessPendingMessages();
    }
    // The form goes first: closing its popup still reports to the recorders.
    void TearDown() override { Form.reset(); }
    void FocusCombo() {
        Combo->InnerEdit().SetFocus();
        ui_test::ProcessPendingMessages();
    }
    // A free list of two items, nothing chosen, focused.
    void FocusFreeListOfFruit() {
        ui::TuiComboBoxProperties& properties = Combo->ComboBoxProperties();
        properties.SetDropDownListStyle(ui::lsEditList);
        properties.Items().Clear();
        properties.Items().Add(u"Apple");
        properties.Items().Add(u"Banana");
        Combo->SetItemIndex(-1);
        FocusCombo();
    }
    static void Press(uint16_t key, vcl::TShiftState shift = {}) {
        ui_test::PressKey(key, shift);
        ui_test::ProcessPendingMessages();
    }
    void OpenByKeyboard() {
        FocusCombo();
        Press(VK_DOWN, {vcl::ssAlt});
        ASSERT_TRUE(Combo->DroppedDown());
    }
    ui::TuiComboBoxListBox& List() const { return *Combo->LookupData().ComboListBox(); }
    rtl::UnicodeString Shown() const { return Combo->GetDisplayText(); }
    vcl::TRect ScreenRect(vcl::TWinControl& control) const {
        RECT rect;
        GetWindowRect(control.Handle(), &rect);
        return {rect.left, rect.top, rect.right, rect.bottom};
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    vcl::TEdit* Other = nullptr;  // owned by the form
    TuiComboBox* Combo = nullptr; // owned by the form
    int Clicks = 0;
    std::u16string FormChars;
    std::vector<std::string> Events;
    std::vector<TuiPopupCloseReason> Reasons;
};

TEST_F(ComboBoxFormTest, TheItemIndexShowsItsItemAndTheArrowKeysStepThroughTheItems) {
    EXPECT_EQ(Shown(), u" 十万");
    EXPECT_EQ(rtl::VarToStr(Combo->EditValue()), u" 十万");
    FocusCombo();
    Press(VK_DOWN);
    EXPECT_EQ(Combo->GetItemIndex(), 3);
    EXPECT_EQ(Shown(), u" 百万");
    EXPECT_FALSE(Combo->DroppedDown()) << "a plain arrow key steps without opening the list";
    Press(VK_UP);
    Press(VK_UP);
    EXPECT_EQ(Shown(), u" 一万");
    Press(VK_HOME);
    EXPECT_EQ(Combo->GetItemIndex(), 0);
    Press(VK_END);
    EXPECT_EQ(Shown(), u" 千万");
    Press(VK_DOWN);
    EXPECT_EQ(Combo->GetItemIndex(), 4) << "the last item stays the last";
}

TEST_F(ComboBoxFormTest, TypingABlankAndAnImeCharacterSelectsTheItemTheyBegin) {
    FocusCombo();
    Combo->SetItemIndex(0);
    Combo->SelectAll();
    ui_test::TypeText(u" ");
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Combo->GetItemIndex(), 0);
    PostMessageA(Combo->InnerEdit().Handle(), WM_IME_CHAR, 0xCAAE, 1); // "十" in code page 936
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Combo->GetItemIndex(), 2);
    EXPECT_EQ(Shown(), u" 十万");
    EXPECT_TRUE(Combo->ChangedByUser());
}

TEST_F(ComboBoxFormTest, AltDownOpensAllFiveRowsBelowTheEditorAndAClickTakesTheItem) {
    OpenByKeyboard();
    ui::TuiCustomEditPopupWindow& popup = *Combo->PopupWindow();
    const vcl::TRect editor = ScreenRect(*Combo);
    const vcl::TRect popupRect = ScreenRect(popup);
    EXPECT_EQ(popupRect.Top, editor.Bottom);
    EXPECT_EQ(popupRect.Left, editor.Left);
    EXPECT_GE(popupRect.Width(), editor.Width());
    ui::TuiComboBoxListBox& list = List();
    EXPECT_EQ(list.Height(), 5 * list.GetItemHeight(0)) << "five whole rows";
    EXPECT_EQ(GetWindowLongPtrW(list.Handle(), GWL_STYLE) & WS_VSCROLL, 0) << "no scroll bar for five items";
    EXPECT_EQ(list.ItemIndex(), 2) << "the list opens on the current item";
    EXPECT_EQ(Clicks, 0);

    const vcl::TRect item = list.ItemRect(1);
    ui_test::MouseMove(list, {item.Left + 5, item.Top + 2});
    ui_test::Click(list, {item.Left + 5, item.Top + 2});
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Combo->GetItemIndex(), 1);
    EXPECT_EQ(Shown(), u" 一万");
    ASSERT_EQ(Reasons.size(), 1U);
    EXPECT_EQ(Reasons[0], ui::pcrAccept);
    EXPECT_EQ(Clicks, 0) << "no click event for a mouse click";
}

TEST_F(ComboBoxFormTest, AnIndexOutsideTheItemsKeepsTheItemAndMinusOneClearsIt) {
    Combo->SetItemIndex(7);
    EXPECT_EQ(Combo->GetItemIndex(), 2);
    EXPECT_EQ(Shown(), u" 十万");
    Combo->SetItemIndex(-1);
    EXPECT_EQ(Combo->GetItemIndex(), -1);
    EXPECT_EQ(Shown(), u"");
}

TEST_F(ComboBoxFormTest, AComboBoxFreedWithItsListOpenTakesThePopupAlong) {
    OpenByKeyboard();
    ui::TuiCustomEditPopupWindow* popup = Combo->PopupWindow();
    rtl::TComponent::Free(Combo);
    Combo = nullptr;
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(ui::IsShownPopup(popup));
    EXPECT_TRUE(ui::ShownPopups().empty());
}

TEST(DropDownEditProperties, AButtonGlyphMakesTheButtonShowItAndNoGlyphBringsTheArrowBack) {
    ui::TuiComboBoxProperties properties(nullptr);
    ASSERT_EQ(properties.Buttons().Count(), 1);
    EXPECT_EQ(properties.Buttons().Items(0).Kind(), ui::bkDown);
    EXPECT_EQ(properties.ButtonGlyph(), nullptr);
    vcl::TBitmap glyph;
    glyph.SetSize(8, 8);
    properties.SetButtonGlyph(&glyph);
    ASSERT_NE(properties.ButtonGlyph(), nullptr);
    EXPECT_EQ(properties.ButtonGlyph()->Width(), 8);
    EXPECT_EQ(properties.Buttons().Items(0).Kind(), ui::bkGlyph);
    ui::TuiComboBoxProperties copy(nullptr);
    copy.Assign(&properties);
    EXPECT_EQ(copy.Buttons().Items(0).Kind(), ui::bkGlyph);
    properties.SetButtonGlyph(nullptr);
    EXPECT_EQ(properties.ButtonGlyph(), nullptr);
    EXPECT_EQ(properties.Buttons().Items(0).Kind(), ui::bkDown);
}

// Items drawn by a handler: the list's rows and, for the fixed list, the edit field; a measuring handler gives rows
// heights of their own.
class OwnerDrawnComboBoxTest : public ComboBoxFormTest {
protected:
    void SetUp() override {
        ComboBoxFormTest::SetUp();
        ui::TuiComboBoxProperties& properties = Combo->ComboBoxProperties();
        properties.SetOnDrawItem([this](ui::TuiCustomComboBox* control, ui::TuiCanvas& canvas, int32_t index,
                                        const vcl::TRect& rect, vcl::TOwnerDrawState state) {
            Drawn.push_back({control, index, state});
            canvas.FillRectColor(rect, index == 1 ? vcl::clRed : vcl::clLime);
        });
        properties.SetOnMeasureItem([](vcl::TWinControl*, int32_t index, int32_t& height) {
            if (index == 2) {
                height = 30;
            }
        });
    }
    int CountPixels(const ui_test::TDibSurface& surface, vcl::TColor color) const {
        const auto rgb = static_cast<vcl::TColor>(ui::ColorToRGB(color));
        int count = 0;
        for (int y = 0; y < surface.Height(); ++y) {
            for (int x = 0; x < surface.Width(); ++x) {
                count += surface.Pixel(x, y) == rgb ? 1 : 0;
            }
        }
        return count;
    }

    struct TDrawCall {
        ui::TuiCustomComboBox* Control;
        int32_t Index;
        vcl::TOwnerDrawState State;
    };
    std::vector<TDrawCall> Drawn;
};

TEST_F(OwnerDrawnComboBoxTest, TheHandlerDrawsTheListsRowsAtTheirMeasuredHeights) {
    OpenByKeyboard();
    ui::TuiComboBoxListBox& list = List();
    const int row = list.GetItemHeight(0);
    EXPECT_EQ(list.ItemRect(2).Height(), 30);
    EXPECT_EQ(list.ItemRect(1).Height(), row);
    EXPECT_EQ(list.Height(), 4 * row + 30);
    ui_test::TDibSurface surface(list.Width(), list.Height());
    ui_test::PaintControl(list, surface);
    const vcl::TRect second = list.ItemRect(1);
    EXPECT_EQ(surface.Pixel(second.Left + 3, second.Top + 2), static_cast<vcl::TColor>(ui::ColorToRGB(vcl::clRed)));
    EXPECT_EQ(CountPixels(surface, vcl::clRed), second.Width() * second.Height());
    ASSERT_FALSE(Drawn.empty());
    EXPECT_EQ(Drawn.back().Control, Combo);
    EXPECT_FALSE(Drawn.back().State.Contains(vcl::odComboBoxEdit));
}

TEST_F(OwnerDrawnComboBoxTest, AFixedListsEditFieldIsDrawnByTheHandlerAsItsItem) {
    Combo->SetItemIndex(1);
    FocusCombo();
    Drawn.clear();
    ui_test::TDibSurface surface(Combo->Width(), Combo->Height());
    ui_test::PaintControl(*Combo, surface);
    ASSERT_FALSE(Drawn.empty());
    EXPECT_EQ(Drawn.back().Index, 1);
    EXPECT_TRUE(Drawn.back().State.Contains(vcl::odComboBoxEdit));
    EXPECT_TRUE(Drawn.back().State.Contains(vcl::odSelected));
    EXPECT_TRUE(Drawn.back().State.Contains(vcl::odFocused));
    EXPECT_GT(CountPixels(surface, vcl::clRed), 100);
}

TEST_F(OwnerDrawnComboBoxTest, AValuePaintedWithoutAnEditorIsDrawnByThePropertiesHandler) {
    ui::TuiEditStyle style{nullptr, false};
    style.SetIgnoresDefaultController(true);
    std::unique_ptr<ui::TuiCustomEditViewData> data = Combo->ComboBoxProperties().CreateViewData(style, true);
    ui::TuiCustomTextEditViewInfo info;
    ui_test::TDibSurface surface(100, 20);
    vcl::TCanvas raw;
    raw.SetHandle(surface.DC());
    ui::TuiCanvas canvas(raw);
    data->Calculate(canvas, {0, 0, 100, 20}, false, info, {}, std::nullopt, {-1, -1});
    data->ApplyDisplayValue(canvas, rtl::Variant(rtl::UnicodeString(u" 一万")), info);
    info.Paint(canvas);
    raw.SetHandle(nullptr);
    ASSERT_FALSE(Drawn.empty());
    EXPECT_EQ(Drawn.back().Control, nullptr);
    EXPECT_EQ(Drawn.back().Index, 1);
    EXPECT_GT(CountPixels(surface, vcl::clRed), 100);
}

void PutTextOnClipboard(const std::u16string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    auto* chars = static_cast<char16_t*>(GlobalLock(data));
    std::copy(text.begin(), text.end(), chars);
    chars[text.size()] = u'\0';
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
}

TEST_F(ComboBoxFormTest, APasteThatChangesTheTextOpensTheListOnTheItemItBegins) {
    FocusFreeListOfFruit();
    PutTextOnClipboard(u"Ban");
    Combo->PasteFromClipboard();
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Shown(), u"Ban");
    ASSERT_TRUE(Combo->DroppedDown());
    EXPECT_EQ(List().ItemIndex(), 1);
    EXPECT_EQ(SendMessageW(Combo->Handle(), vcl::CM_HINTSHOW, 0, 0), 1) << "no hint over the open editor";
}

TEST_F(ComboBoxFormTest, OnClickFiresForAChangedItemIndexOnly) {
    Combo->SetItemIndex(3);
    EXPECT_EQ(Clicks, 1);
    Combo->SetItemIndex(3);
    EXPECT_EQ(Clicks, 1);
    ui_test::Click(*Combo, {20, 10});
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Clicks, 1);
    EXPECT_FALSE(Combo->ChangedByUser()) << "a program's item is no change of the user";
}

TEST_F(ComboBoxFormTest, TheListLooksAsTheEditorDoes) {
    Combo->EditStyle(ui::essNormal).LookAndFeel().SetKind(ui::lfFlat);
    OpenByKeyboard();
    EXPECT_EQ(List().LookAndFeel().Kind(), ui::lfFlat);
    Combo->EditStyle(ui::essNormal).LookAndFeel().SetKind(ui::lfUltraFlat);
    EXPECT_EQ(List().LookAndFeel().Kind(), ui::lfUltraFlat) << "and follows its changes";
}

TEST_F(ComboBoxFormTest, TheToggleKeysOpenAndCloseTakingTheListsSelection) {
    OpenByKeyboard();
    Press(VK_DOWN);
    EXPECT_EQ(List().ItemIndex(), 3) << "in the open list the arrow moves the list's selection";
    EXPECT_EQ(Shown(), u" 十万") << "the text waits for the list to close";
    Press(VK_UP, {vcl::ssAlt});
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Shown(), u" 百万");
    Press(VK_F4);
    EXPECT_TRUE(Combo->DroppedDown());
    Press(VK_F4);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Reasons, (std::vector<TuiPopupCloseReason>{ui::pcrToggleKey, ui::pcrToggleKey}));
    EXPECT_EQ(Events, (std::vector<std::string>{"InitPopup", "Popup", "PopupFinished", "ClosePopup", "CloseUp",
                                                "InitPopup", "Popup", "PopupFinished", "ClosePopup", "CloseUp"}));
}

TEST_F(ComboBoxFormTest, EscapeClosesWithoutTheSelectionAndReachesNeitherTheTextNorTheForm) {
    OpenByKeyboard();
    Press(VK_DOWN);
    Press(VK_ESCAPE);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Shown(), u" 十万");
    EXPECT_EQ(Combo->GetItemIndex(), 2);
    ASSERT_EQ(Reasons.size(), 1U);
    EXPECT_EQ(Reasons[0], ui::pcrCancel);
    EXPECT_EQ(FormChars.find(u'\x1b'), std::u16string::npos);
}

TEST_F(ComboBoxFormTest, EnterAcceptsButAReadOnlyEditorCancels) {
    OpenByKeyboard();
    Press(VK_DOWN);
    Press(VK_RETURN);
    EXPECT_EQ(Shown(), u" 百万");
    Combo->ComboBoxProperties().SetReadOnly(true);
    Press(VK_DOWN, {vcl::ssAlt});
    ASSERT_TRUE(Combo->DroppedDown());
    Press(VK_UP);
    Press(VK_RETURN);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Shown(), u" 百万");
    EXPECT_EQ(Reasons, (std::vector<TuiPopupCloseReason>{ui::pcrAccept, ui::pcrCancel}));
    EXPECT_EQ(FormChars.find(u'\r'), std::u16string::npos);
}

TEST_F(ComboBoxFormTest, AClickOnTheButtonOpensTheListAndAClickOutsideClosesIt) {
    FocusCombo();
    ui_test::Click(*Combo, {Combo->Width() - 5, 10});
    ui_test::ProcessPendingMessages();
    ASSERT_TRUE(Combo->DroppedDown());
    // The mouse hook's rule for a press on the form outside the popup (posted input does not pass the hook).
    const vcl::TPoint outside = Form->ClientToScreen({200, 200});
    ui::ProcessPopupOutsideClick(Form->Handle(), WM_LBUTTONDOWN, outside, {});
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(Combo->DroppedDown());
    ASSERT_EQ(Reasons.size(), 1U);
    EXPECT_EQ(Reasons[0], ui::pcrNone);
    EXPECT_EQ(Shown(), u" 十万");
}

// The press on the button of an open combo box closes the list (the hook's rule) and then reaches the editor,
// which must not open it again.
TEST_F(ComboBoxFormTest, AClickOnTheButtonOfAnOpenListClosesIt) {
    FocusCombo();
    const vcl::TPoint button{Combo->Width() - 5, 10};
    ui_test::Click(*Combo, button);
    ui_test::ProcessPendingMessages();
    ASSERT_TRUE(Combo->DroppedDown());
    ui::ProcessPopupOutsideClick(Combo->Handle(), WM_LBUTTONDOWN, Combo->ClientToScreen(button), {});
    ui_test::Click(*Combo, button);
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(Combo->DroppedDown());
    ui_test::Click(*Combo, button);
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(Combo->DroppedDown()) << "the next click opens it again";
}

// Pressing the button, dragging into the list and releasing over an item takes it.
TEST_F(ComboBoxFormTest, DraggingFromTheButtonIntoTheListTakesTheItemReleasedOn) {
    FocusCombo();
    const vcl::TPoint button{Combo->Width() - 5, 10};
    ui_test::MouseMove(*Combo, button);
    ui_test::MouseDown(*Combo, vcl::mbLeft, button);
    ui_test::ProcessPendingMessages();
    ASSERT_TRUE(Combo->DroppedDown());
    ui::TuiComboBoxListBox& list = List();
    const vcl::TRect item = list.ItemRect(4);
    const vcl::TPoint overItem = Combo->ScreenToClient(list.ClientToScreen({item.Left + 5, item.Top + 3}));
    ui_test::MouseMove(*Combo, overItem, {vcl::ssLeft});
    ui_test::MouseUp(*Combo, vcl::mbLeft, overItem);
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Combo->GetItemIndex(), 4);
    EXPECT_EQ(Reasons, (std::vector<TuiPopupCloseReason>{ui::pcrAccept}));
}

TEST_F(ComboBoxFormTest, AnItemIndexReadWithTheFormIsNoClick) {
    auto* loaded = new TuiComboBox(Form.get());
    loaded->SetStreamingState({rtl::TComponentState::csLoading});
    loaded->SetParent(Form.get());
    loaded->ComboBoxProperties().SetDropDownListStyle(ui::lsFixedList);
    loaded->ComboBoxProperties().Items().Add(u"a");
    loaded->ComboBoxProperties().Items().Add(u"b");
    int clicks = 0;
    loaded->SetOnClick([&clicks](rtl::TObject*) { ++clicks; });
    loaded->SetItemIndex(1);
    loaded->Loaded();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(loaded->GetItemIndex(), 1);
    EXPECT_EQ(loaded->GetDisplayText(), u"b");
    loaded->SetItemIndex(0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ComboBoxFormTest, FocusLeavingTheEditorClosesThePopup) {
    OpenByKeyboard();
    Other->SetFocus();
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Reasons, (std::vector<TuiPopupCloseReason>{ui::pcrNone}));
}

TEST_F(ComboBoxFormTest, TheWheelStepsAClosedComboBoxThroughTheItems) {
    FocusCombo();
    ui_test::MouseWheel(*Combo, -WHEEL_DELTA, {20, 10});
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Combo->GetItemIndex(), 3);
    ui_test::MouseWheel(*Combo, WHEEL_DELTA, {20, 10});
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Combo->GetItemIndex(), 2);
}

// The focused, closed fixed list shows its text as a selected item: the highlight colour fills the text area (the
// frame may take the highlight colour too when the editor is hot, so only the inside counts).
TEST_F(ComboBoxFormTest, AFocusedClosedFixedListPaintsItsTextHighlighted) {
    const auto highlightPixels = [this] {
        ui_test::TDibSurface surface(Combo->Width(), Combo->Height());
        ui_test::PaintControl(*Combo, surface);
        int count = 0;
        const vcl::TColor highlight = static_cast<vcl::TColor>(ui::ColorToRGB(vcl::clHighlight));
        // Inside the frame, left of the button.
        for (int y = 3; y < surface.Height() - 3; ++y) {
            for (int x = 3; x < surface.Width() - 24; ++x) {
                count += surface.Pixel(x, y) == highlight ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_EQ(highlightPixels(), 0) << "unfocused";
    FocusCombo();
    const int focused = highlightPixels();
    EXPECT_GT(focused, 10 * 5);
    EXPECT_EQ(highlightPixels(), focused) << "painting twice gives the same picture";
    Press(VK_DOWN, {vcl::ssAlt});
    ASSERT_TRUE(Combo->DroppedDown());
    EXPECT_EQ(highlightPixels(), 0) << "open, the list shows the selection";
}

// A combo box whose value is posted after its popup closed, as the date and calculator editors do.
class TDeferringComboProperties : public ui::TuiComboBoxProperties {
    RTL_DECLARE_CLASS(TDeferringComboProperties, ui::TuiComboBoxProperties)
public:
    using TuiComboBoxProperties::TuiComboBoxProperties;
    bool DefersPostOnCloseUp() const override { return true; }
};

class TDeferringComboBox : public ui::TuiCustomComboBox {
    RTL_DECLARE_CLASS(TDeferringComboBox, ui::TuiCustomComboBox)
public:
    explicit TDeferringComboBox(rtl::TComponent* owner)
        : TuiCustomComboBox(owner, TDeferringComboProperties::StaticClass()) {}
    const rtl::TMetaclass& GetPropertiesClass() const override { return TDeferringComboProperties::StaticClass(); }
};

// The post shows as the validation that precedes it.
class ComboBoxPostTest : public ComboBoxFormTest {
protected:
    void RecordValidation(ui::TuiCustomComboBox& combo) {
        combo.GetComboProperties().SetImmediatePost(true);
        combo.GetComboProperties().SetOnValidate(
            [this](rtl::TObject*, rtl::Variant& value, rtl::UnicodeString& errorText, bool& error) {
                Events.push_back("Validate");
                if (rtl::VarToStr(value) == RefusedText) {
                    error = true;
                    errorText = u"refused";
                }
            });
    }
    rtl::UnicodeString RefusedText;
};

TEST_F(ComboBoxPostTest, WithImmediatePostTheValueIsPostedBeforeOnCloseUp) {
    RecordValidation(*Combo);
    OpenByKeyboard();
    Press(VK_DOWN);
    Events.clear();
    Press(VK_RETURN);
    EXPECT_EQ(Events, (std::vector<std::string>{"Validate", "PopupFinished", "ClosePopup", "CloseUp"}));
    EXPECT_EQ(Shown(), u" 百万");
}

TEST_F(ComboBoxPostTest, AnEditorThatDefersThePostPostsAfterOnCloseUp) {
    auto* combo = new TDeferringComboBox(Form.get());
    combo->SetParent(Form.get());
    combo->SetBounds(10, 60, 121, 21);
    combo->GetComboProperties().Items().Add(u"a");
    combo->GetComboProperties().Items().Add(u"b");
    combo->GetComboProperties().SetOnCloseUp([this](rtl::TObject*) { Events.push_back("CloseUp"); });
    RecordValidation(*combo);
    combo->InnerEdit().SetFocus();
    ui_test::ProcessPendingMessages();
    Press(VK_DOWN, {vcl::ssAlt});
    ASSERT_TRUE(combo->DroppedDown());
    Press(VK_DOWN);
    Events.clear();
    Press(VK_RETURN);
    EXPECT_EQ(Events, (std::vector<std::string>{"CloseUp", "Validate"}));
    EXPECT_EQ(combo->GetDisplayText(), u"a");
}

// A post that raises leaves the editor as leaving it does: the error reaches the caller, the popup is hidden and
// the change events are no longer held.
TEST_F(ComboBoxPostTest, APostThatRaisesClosesThePopupAndReleasesTheChangeEvents) {
    RecordValidation(*Combo);
    RefusedText = u" 百万";
    OpenByKeyboard();
    Press(VK_DOWN);
    EXPECT_THROW(Combo->CloseUp(ui::pcrAccept), ui::EuiEditValidationError);
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_FALSE(ui::IsShownPopup(Combo->PopupWindow()));
    EXPECT_FALSE(Combo->IsChangeEventsLocked());
    EXPECT_EQ(Reasons, (std::vector<TuiPopupCloseReason>{ui::pcrAccept}));
}

// A handler that asks to close again while the popup closes cannot turn an accepting close into another one.
TEST_F(ComboBoxPostTest, ASecondReasonDoesNotReplaceTheFirst) {
    RecordValidation(*Combo);
    Combo->GetComboProperties().SetOnValidate(
        [this](rtl::TObject*, rtl::Variant&, rtl::UnicodeString&, bool&) { Combo->CloseUp(ui::pcrCancel); });
    OpenByKeyboard();
    Press(VK_DOWN);
    Press(VK_RETURN);
    EXPECT_EQ(Reasons, (std::vector<TuiPopupCloseReason>{ui::pcrAccept}));
    EXPECT_EQ(Shown(), u" 百万");
}

TEST_F(ComboBoxFormTest, WithoutItemsNothingOpensButTheShowingsEventsFire) {
    Combo->ComboBoxProperties().Items().Clear();
    FocusCombo();
    Press(VK_DOWN, {vcl::ssAlt});
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_FALSE(ui::IsShownPopup(Combo->PopupWindow()));
    EXPECT_EQ(Events, (std::vector<std::string>{"InitPopup", "PopupFinished"}));
}

TEST_F(ComboBoxFormTest, TwentyItemsInEightRowsGetAVerticalScrollBar) {
    ui::TuiComboBoxProperties& properties = Combo->ComboBoxProperties();
    properties.Items().Clear();
    for (int i = 0; i < 20; ++i) {
        properties.Items().Add(u"item " + rtl::UnicodeString(1, static_cast<char16_t>(u'A' + i)));
    }
    Combo->SetItemIndex(0);
    OpenByKeyboard();
    ui::TuiComboBoxListBox& list = List();
    EXPECT_EQ(list.Height(), 8 * list.GetItemHeight(0));
    EXPECT_NE(GetWindowLongPtrW(list.Handle(), GWL_STYLE) & WS_VSCROLL, 0);
    EXPECT_GE(Combo->PopupWindow()->Width(), Combo->Width());
    const int top = list.TopIndex();
    ui_test::MouseWheel(*Combo, -WHEEL_DELTA, {20, 10});
    ui_test::ProcessPendingMessages();
    EXPECT_GT(list.TopIndex(), top) << "the wheel scrolls the open list";
    EXPECT_EQ(Combo->GetItemIndex(), 0) << "and leaves the item";
}

// Dragging the list's size grip snaps its height to whole items: larger rounds down, smaller rounds up.
TEST_F(ComboBoxFormTest, ASizeableListSnapsToWholeItems) {
    ui::TuiComboBoxProperties& properties = Combo->ComboBoxProperties();
    properties.Items().Clear();
    for (int i = 0; i < 20; ++i) {
        properties.Items().Add(u"row " + rtl::UnicodeString(1, static_cast<char16_t>(u'a' + i)));
    }
    properties.SetDropDownSizeable(true);
    OpenByKeyboard();
    ui::TuiCustomEditPopupWindow& popup = *Combo->PopupWindow();
    ui::TuiComboBoxListBox& list = List();
    const int row = list.GetItemHeight(0);
    ASSERT_EQ(list.Height(), 8 * row);
    popup.ResizeTo(popup.Left(), popup.Top(), popup.Width(), popup.Height() + row + row / 2);
    EXPECT_EQ(list.Height(), 9 * row) << "a row and a half more shows one row more";
    popup.ResizeTo(popup.Left(), popup.Top(), popup.Width(), popup.Height() - row / 2);
    EXPECT_EQ(list.Height(), 9 * row) << "half a row less keeps the row that would be cut";
    popup.ResizeTo(popup.Left(), popup.Top(), popup.Width(), popup.Height() + 50 * row);
    EXPECT_EQ(list.Height(), 20 * row) << "never taller than all items";
}

TEST_F(ComboBoxFormTest, ADoubleClickOnTheLastItemOfARevertableComboBoxSelectsTheFirst) {
    Combo->ComboBoxProperties().SetDropDownListStyle(ui::lsEditFixedList);
    Combo->ComboBoxProperties().SetRevertable(true);
    Combo->SetItemIndex(4);
    FocusCombo();
    ui_test::DoubleClick(Combo->InnerEdit(), {5, 5});
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(Combo->DroppedDown());
    EXPECT_EQ(Combo->GetItemIndex(), 0);
    EXPECT_EQ(Shown(), u" 一千 ");
}

// The text editor's completion: the item's rest selected after the typed prefix, Backspace searching the shorter one.
TEST_F(ComboBoxFormTest, TypingIntoAFreeListCompletesTheItemAndBackspaceSearchesAgain) {
    ui::TuiComboBoxProperties& properties = Combo->ComboBoxProperties();
    FocusFreeListOfFruit();
    properties.Items().Add(u"Bamboo");
    properties.SetImmediateDropDown(false);
    ui_test::TypeText(u"bam");
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Shown(), u"bamboo");
    EXPECT_EQ(Combo->SelStart(), 3);
    EXPECT_EQ(Combo->SelLength(), 3);
    EXPECT_EQ(Combo->GetItemIndex(), 2);
    Press(VK_BACK);
    EXPECT_EQ(Shown(), u"banana");
    EXPECT_EQ(Combo->GetItemIndex(), 1);
    EXPECT_EQ(rtl::VarToStr(Combo->EditValue()), u"banana");
    EXPECT_TRUE(Combo->ChangedByUser());
}

// The combo box stores its button and popup style values; the gradient of the face stays unpublished.
TEST_F(ComboBoxFormTest, TheStylesPublishTheButtonAndPopupValues) {
    for (const char16_t* name : {u"ButtonStyle", u"ButtonTransparency", u"PopupBorderStyle", u"GradientButtons"}) {
        EXPECT_TRUE(Combo->EditStyle(ui::essFocused).IsStylePropertyVisible(name));
    }
    for (const char16_t* name : {u"Gradient", u"GradientDirection"}) {
        EXPECT_FALSE(Combo->Style().IsStylePropertyVisible(name));
    }
}

TEST_F(ComboBoxFormTest, ALetterTypedIntoAClosedFreeComboBoxOpensItAndIsTyped) {
    FocusFreeListOfFruit();
    ui_test::TypeText(u"b");
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(Combo->DroppedDown());
    EXPECT_EQ(Shown().substr(0, 1), u"b");
    EXPECT_EQ(List().ItemIndex(), 1) << "the list follows the text";
}

} // namespace

namespace {

// A host's column of cells edited in place by one combo box editor, as the grid does.
class InplaceComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        Host = ui_test::ShowNewTestForm(300, 300);
        List = std::make_unique<ui::TuiInplaceEditList>(Host.get());
        for (int i = 0; i < 20; ++i) {
            Column.Items().Add(u"value " + rtl::UnicodeString(1, static_cast<char16_t>(u'a' + i)));
        }
        Column.SetDropDownSizeable(true);
        Edit = static_cast<ui::TuiComboBox*>(&List->GetEditor(Column));
        Edit->SetParent(Host.get());
        Edit->SetBounds(20, 20, 100, 20);
        ui_test::ProcessPendingMessages();
    }
    void TearDown() override {
        List.reset();
        delete ColumnData;
        delete OtherColumnData;
    }
    int OpenedHeight(ui::TuiCustomEditData*& data) {
        Edit->Activate(data);
        ui_test::ProcessPendingMessages();
        ui_test::PressKey(VK_DOWN, {vcl::ssAlt});
        ui_test::ProcessPendingMessages();
        EXPECT_TRUE(Edit->DroppedDown());
        return Edit->PopupWindow()->Height();
    }
    void Close() {
        ui_test::PressKey(VK_ESCAPE);
        ui_test::ProcessPendingMessages();
        Edit->Deactivate();
    }

    ui::TuiComboBoxProperties Column{nullptr};
    ui_test::TFormPtr<vcl::TForm> Host;
    std::unique_ptr<ui::TuiInplaceEditList> List;
    ui::TuiComboBox* Edit = nullptr;
    ui::TuiCustomEditData* ColumnData = nullptr;
    ui::TuiCustomEditData* OtherColumnData = nullptr;
};

TEST_F(InplaceComboBoxTest, ImmediatePopupOpensTheListWhenTheEditorIsActivated) {
    Column.SetImmediatePopup(true);
    ASSERT_EQ(&List->GetEditor(Column), Edit) << "the host takes the column's properties into the editor";
    Edit->Activate(ColumnData);
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(Edit->DroppedDown());
    Close();
    Column.SetImmediatePopup(false);
    List->GetEditor(Column);
    Edit->Activate(ColumnData);
    ui_test::ProcessPendingMessages();
    EXPECT_FALSE(Edit->DroppedDown());
    Edit->Deactivate();
}

// In place the arrows move the host's focus while the list is closed; the open list takes them.
TEST_F(InplaceComboBoxTest, AClosedListLeavesTheArrowsToTheHost) {
    std::vector<uint16_t> hostKeys;
    Edit->SetAfterKeyHandler([&hostKeys](rtl::TObject*, uint16_t& key, vcl::TShiftState) { hostKeys.push_back(key); });
    Edit->Activate(ColumnData);
    Edit->SetItemIndex(3);
    ui_test::ProcessPendingMessages();
    ui_test::PressKey(VK_DOWN);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Edit->GetItemIndex(), 3);
    EXPECT_EQ(hostKeys, std::vector<uint16_t>{VK_DOWN});
    ui_test::PressKey(VK_DOWN, {vcl::ssAlt});
    ui_test::ProcessPendingMessages();
    ASSERT_TRUE(Edit->DroppedDown());
    ui_test::PressKey(VK_DOWN);
    ui_test::ProcessPendingMessages();
    EXPECT_EQ(Edit->LookupData().ComboListBox()->ItemIndex(), 4);
    EXPECT_EQ(hostKeys, std::vector<uint16_t>{VK_DOWN});
    Close();
}

TEST_F(InplaceComboBoxTest, AListResizedInPlaceKeepsItsSizeForTheNextActivationInThatColumn) {
    const int usual = OpenedHeight(ColumnData);
    ui::TuiCustomEditPopupWindow& popup = *Edit->PopupWindow();
    const int row = Edit->LookupData().ComboListBox()->GetItemHeight(0);
    popup.ResizeTo(popup.Left(), popup.Top(), popup.Width() + 30, popup.Height() + 3 * row);
    const int resized = popup.Height();
    ASSERT_EQ(resized, usual + 3 * row);
    Close();
    EXPECT_EQ(Column.PopupHeight(), 0) << "the column's properties keep their own size";

    EXPECT_EQ(OpenedHeight(ColumnData), resized);
    EXPECT_EQ(Edit->PopupWindow()->Width(), popup.Width());
    Close();
    EXPECT_EQ(OpenedHeight(OtherColumnData), usual) << "another column opens at the usual size";
    Close();
}

} // namespace
