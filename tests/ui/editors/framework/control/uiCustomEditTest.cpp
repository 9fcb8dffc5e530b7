// The editor control driven as a user and a host drive it: the edit value and its change events, validation and its
// failures, Escape and ClearKey, posting standalone and in place, an accepting close of a modal form, and typed
// characters the input filter refuses.

#include "ui/editors/framework/control/uiCustomEdit.h"

#include "rtl/WindowsApi.h"
#include "rtl/core/Exceptions.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessageBoxes.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/ServiceDoubles.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/editors/framework/CustomEditTestSupport.h"
#include "tests/ui/editors/framework/EditorPaintingSupport.h"
#include "ui/core/system/uxResourceStrings.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "vcl/hints/HintWindow.h"
#include "vcl/menus/Menus.h"
#include "vcl/system/Messages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace ui {
namespace {

using ui_test::TTestEdit;

class TuiCustomEditTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(300, 200);
        Edit = AddEdit(10);
        Other = AddEdit(50);
        ui_test::ProcessPendingMessages();
    }

    TTestEdit* AddEdit(int top) {
        auto* edit = new TTestEdit(Form.get());
        // The test editor shows no content of its own to measure.
        edit->SetAutoSize(false);
        edit->SetParent(Form.get());
        edit->SetBounds(10, top, 120, 25);
        return edit;
    }

    // Records the change events of the edit, the properties' own handler first.
    void RecordEvents() {
        Edit->Properties().SetOnChange([this](rtl::TObject*) { Events.push_back("change"); });
        Edit->Properties().SetOnEditValueChanged([this](rtl::TObject*) { Events.push_back("value"); });
    }

    // The edit focused and an entry typed into it.
    void Type(const char16_t* text) {
        Edit->SetFocus();
        ui_test::ProcessPendingMessages();
        ui_test::TypeText(text);
    }

    // A single black border round a yellow face, neither see-through nor hot-tracked.
    void SetPlainYellowStyle() {
        TuiEditStyle& normal = Edit->EditStyle(essNormal);
        normal.SetBorderStyle(ebsSingle);
        normal.SetBorderColor(vcl::clBlack);
        normal.SetColor(vcl::clYellow);
        normal.SetTransparentBorder(false);
        normal.SetHotTrack(false);
    }

    void RejectEntries(rtl::UnicodeString errorText = {}) {
        Edit->Properties().SetOnValidate(
            [errorText](rtl::TObject*, rtl::Variant&, rtl::UnicodeString& text, bool& error) {
                error = true;
                text = errorText;
            });
    }

    ui_test::TFormPtr<vcl::TForm> Form;
    TTestEdit* Edit = nullptr;
    TTestEdit* Other = nullptr;
    std::vector<std::string> Events;
};

TEST_F(TuiCustomEditTest, EditValueSetInsideOnEditingIsIgnored) {
    Edit->SetOnEditing([this](rtl::TObject*, bool&) { Edit->SetEditValue(rtl::Variant(u"from handler")); });
    Type(u"x");
    EXPECT_EQ(Edit->Text, u"x");
    EXPECT_TRUE(Edit->ChangedByUser());
}

TEST_F(TuiCustomEditTest, TheSameValueAgainFiresNothing) {
    RecordEvents();
    Edit->SetEditValue(rtl::Variant(u"a"));
    EXPECT_EQ(Events, (std::vector<std::string>{"value", "change"}));
    Events.clear();
    Edit->SetEditValue(rtl::Variant(u"a"));
    EXPECT_TRUE(Events.empty());
}

TEST_F(TuiCustomEditTest, ChangesUnderTheEventsLockFireOnceAtTheOuterUnlockOnlyWhenAsked) {
    RecordEvents();
    Edit->LockChangeEvents(true);
    Edit->LockChangeEvents(true);
    Edit->SetEditValue(rtl::Variant(u"a"));
    Edit->SetEditValue(rtl::Variant(u"b"));
    Edit->LockChangeEvents(false);
    EXPECT_TRUE(Events.empty()) << "the inner unlock fires nothing";
    Edit->LockChangeEvents(false);
    EXPECT_EQ(Events, (std::vector<std::string>{"change", "value"}));

    Events.clear();
    Edit->LockChangeEvents(true);
    Edit->SetEditValue(rtl::Variant(u"c"));
    Edit->LockChangeEvents(false, false);
    EXPECT_TRUE(Events.empty());
    Edit->LockChangeEvents(false);
    EXPECT_TRUE(Events.empty()) << "unlocking an unlocked editor does nothing";
}

TEST_F(TuiCustomEditTest, TheRepositoryItemsHandlersRunAfterTheEditorsOwn) {
    TuiEditRepository repository(nullptr);
    TuiEditRepositoryItem* item = repository.CreateItem(ui_test::TTestEditRepositoryItem::StaticClass());
    Edit->SetRepositoryItem(item);
    RecordEvents();
    item->Properties().SetOnChange([this](rtl::TObject*) { Events.push_back("item change"); });
    Edit->SetEditValue(rtl::Variant(u"a"));
    EXPECT_EQ(Events, (std::vector<std::string>{"value", "change", "item change"}));
}

TEST_F(TuiCustomEditTest, ADoubleClickOnAnEditButtonIsItsSecondPress) {
    Edit->Properties().Buttons().Add();
    std::vector<int32_t> clicked;
    Edit->Properties().SetOnButtonClick([&](rtl::TObject*, int32_t index) { clicked.push_back(index); });
    int doubleClicks = 0;
    Edit->SetOnDblClick([&](rtl::TObject*) { ++doubleClicks; });
    ui_test::DoubleClick(*Edit, {Edit->Width() - 6, Edit->Height() / 2});
    EXPECT_EQ(clicked, (std::vector<int32_t>{0, 0}));
    EXPECT_EQ(doubleClicks, 0);
    ui_test::DoubleClick(*Edit, {5, Edit->Height() / 2});
    EXPECT_EQ(doubleClicks, 1) << "elsewhere it is a double click";
}

TEST_F(TuiCustomEditTest, AButtonPaintsHotUnderThePointerAndPressedWhileHeldDown) {
    Edit->Properties().Buttons().Add();
    Edit->Style().LookAndFeel().SetKind(lfUltraFlat);
    Edit->Style().LookAndFeel().SetNativeStyle(false);
    const vcl::TPoint onButton{Edit->Width() - 6, Edit->Height() / 2};
    const auto paintButton = [this] {
        ui_test::ProcessPendingMessages();
        ui_test::TDibSurface surface(Edit->Width(), Edit->Height());
        ui_test::PaintControl(*Edit, surface);
        // The button's inside: the editor's frame follows the focus.
        std::vector<vcl::TColor> column;
        for (int y = 3; y < surface.Height() - 3; ++y) {
            column.push_back(surface.Pixel(Edit->Width() - 6, y));
        }
        return column;
    };
    ui_test::MouseMove(*Other, {5, 5});
    const auto normal = paintButton();
    ui_test::MouseMove(*Edit, onButton);
    const auto hot = paintButton();
    EXPECT_NE(hot, normal) << "the button under the pointer is hot";
    ui_test::MouseDown(*Edit, vcl::mbLeft, onButton);
    const auto pressed = paintButton();
    EXPECT_NE(pressed, hot) << "held down it is pressed";
    ui_test::MouseUp(*Edit, vcl::mbLeft, onButton);
    EXPECT_EQ(paintButton(), hot) << "released under the pointer it is hot again";
    ui_test::MouseMove(*Other, {5, 5});
    EXPECT_EQ(paintButton(), normal);
}

TEST_F(TuiCustomEditTest, TheEditorPaintsItsStatesStyleThroughTheViewInfo) {
    SetPlainYellowStyle();
    Edit->EditStyle(essFocused).SetColor(vcl::clAqua);
    ui_test::TDibSurface surface(Edit->Width(), Edit->Height());
    ui_test::PaintControl(*Edit, surface);
    ui_test::TDibSurface again(Edit->Width(), Edit->Height());
    ui_test::PaintControl(*Edit, again);
    EXPECT_EQ(surface.Pixels(), again.Pixels());
    EXPECT_EQ(surface.Pixel(0, 0), vcl::clBlack);
    EXPECT_EQ(surface.Pixel(Edit->Width() - 1, Edit->Height() - 1), vcl::clBlack);
    EXPECT_EQ(surface.Pixel(Edit->Width() / 2, Edit->Height() / 2), vcl::clYellow);
    Edit->SetFocus();
    ui_test::ProcessPendingMessages();
    ui_test::PaintControl(*Edit, surface);
    EXPECT_EQ(surface.Pixel(Edit->Width() / 2, Edit->Height() / 2), vcl::clAqua) << "the focused style paints";
}

// An editor on its parent's themed face.
class TParentThemedEdit : public TTestEdit {
public:
    using TTestEdit::TTestEdit;
    bool UsesParentThemedBackground() const override { return true; }
};

TEST_F(TuiCustomEditTest, ASeeThroughEditorShowsWhatLiesUnderItInsideItsBorder) {
    Form->SetColor(vcl::clAqua);
    SetPlainYellowStyle();
    ui_test::TDibSurface opaque(Edit->Width(), Edit->Height());
    ui_test::PaintControl(*Edit, opaque);
    EXPECT_EQ(opaque.Pixel(Edit->Width() / 2, Edit->Height() / 2), vcl::clYellow);

    Edit->SetTransparent(true);
    ui_test::TDibSurface seeThrough(Edit->Width(), Edit->Height());
    ui_test::PaintControl(*Edit, seeThrough);
    EXPECT_EQ(seeThrough.Pixel(Edit->Width() / 2, Edit->Height() / 2), vcl::clAqua) << "the form shows through";
    EXPECT_EQ(seeThrough.Pixel(0, 0), vcl::clBlack) << "the border stays";
    ui_test::TDibSurface again(Edit->Width(), Edit->Height());
    ui_test::PaintControl(*Edit, again);
    EXPECT_EQ(again.Pixels(), seeThrough.Pixels());
}

// A theme whose parts all leave something open; it records the parent backgrounds asked for.
class TSeeThroughTheme final : public TuxThemeApi {
public:
    TSeeThroughTheme() : FPrevious(SetUxTheme(this)) {}
    ~TSeeThroughTheme() override { SetUxTheme(FPrevious); }
    bool IsThemeBackgroundPartiallyTransparent(HTHEME, int32_t, int32_t) const override { return true; }
    int32_t DrawThemeParentBackground(HWND window, HDC dc, const vcl::TRect* rect) const override {
        ParentBackgrounds.push_back(rect != nullptr ? *rect : vcl::TRect{});
        return TuxThemeApi::DrawThemeParentBackground(window, dc, rect);
    }
    mutable std::vector<vcl::TRect> ParentBackgrounds;

private:
    const TuxThemeApi* FPrevious;
};

TEST_F(TuiCustomEditTest, AnOpenThemedFrameAsksForTheParentsFaceUnderItFirst) {
    if (!AreVisualStylesActive({totEdit})) {
        GTEST_SKIP() << "visual styles are not active";
    }
    Edit->Style().LookAndFeel().SetNativeStyle(true);
    TSeeThroughTheme theme;
    ui_test::TDibSurface painted(Edit->Width(), Edit->Height());
    ui_test::PaintControl(*Edit, painted);
    ASSERT_EQ(theme.ParentBackgrounds.size(), 1u);
    EXPECT_EQ(theme.ParentBackgrounds.front(), (vcl::TRect{0, 0, Edit->Width(), Edit->Height()}));

    theme.ParentBackgrounds.clear();
    ui_test::TPaintedEditor cell;
    cell.Style.LookAndFeel().SetNativeStyle(true);
    cell.Paint({0, 0, 80, 24}, 90, 30);
    EXPECT_TRUE(theme.ParentBackgrounds.empty()) << "a value painted without its editor has no parent to ask";
}

TEST_F(TuiCustomEditTest, TheBackgroundModeFollowsTheEditorsTransparencyAndThemedParent) {
    auto* themed = new TParentThemedEdit(Form.get());
    themed->SetParent(Form.get());
    const struct {
        TuiCustomEdit* Editor;
        bool Transparent;
        int32_t Mode;
    } cases[] = {{Edit, false, 1}, {Edit, true, 4}, {themed, false, 5}, {themed, true, 4}};
    for (const auto& c : cases) {
        c.Editor->SetTransparent(c.Transparent);
        TuiCustomEditViewInfo info;
        info.Edit = c.Editor;
        EXPECT_EQ(info.GetBackgroundMode(), c.Mode) << c.Transparent;
        EXPECT_TRUE(info.IsBackgroundTransparent() == (c.Mode != 1)) << c.Transparent;
        EXPECT_EQ(info.EditWantsParentThemedBackground(), c.Editor == themed);
    }
}

TEST_F(TuiCustomEditTest, ATransparentValueWithoutAnEditorHasNothingUnderItToPaint) {
    TuiCustomEditViewInfo info;
    info.Transparent = true;
    ASSERT_EQ(info.GetBackgroundMode(), 4);
    ui_test::TCanvasSurface on(20, 20);
    info.PaintBackground(on.Canvas, {0, 0, 20, 20}, true, {});
    EXPECT_EQ(on.Surface.Pixel(10, 10), vcl::clWhite);
}

TEST_F(TuiCustomEditTest, TheEditStylesAreTheContainersStylesAndAChangeRepaints) {
    for (const TuiEditStyleState state : {essNormal, essFocused, essDisabled, essHot}) {
        EXPECT_EQ(&Edit->EditStyle(state), &Edit->Styles(state));
    }
    ui_test::TDibSurface before(Edit->Width(), Edit->Height());
    ui_test::PaintControl(*Edit, before);
    ui_test::ProcessPendingMessages();
    Edit->Style().SetColor(vcl::clLime);
    EXPECT_TRUE(GetUpdateRect(Edit->Handle(), nullptr, FALSE)) << "the change asks for a repaint";
    ui_test::TDibSurface after(Edit->Width(), Edit->Height());
    ui_test::PaintControl(*Edit, after);
    EXPECT_EQ(after.Pixel(Edit->Width() / 2, Edit->Height() / 2), vcl::clLime);
}

// An editor that keeps per-item state for its host.
class TStatefulEdit : public TTestEdit {
    RTL_DECLARE_CLASS(TStatefulEdit, TTestEdit)
public:
    using TTestEdit::TTestEdit;
    int Saved = 0;

protected:
    const rtl::TMetaclass* GetEditDataClass() const override { return &TuiCustomEditData::StaticClass(); }
    void SaveEditData(TuiCustomEditData&) override { ++Saved; }
};

TEST_F(TuiCustomEditTest, ActivationMakesTheHostsEditDataWhichForgetsAFreedEditor) {
    auto* edit = new TStatefulEdit(Form.get());
    edit->SetParent(Form.get());
    TuiCustomEditData* data = nullptr;
    edit->Activate(data);
    ASSERT_NE(data, nullptr);
    const std::unique_ptr<TuiCustomEditData> owned(data);
    EXPECT_EQ(edit->ActiveEditData(), data);
    EXPECT_EQ(edit->Saved, 1) << "a new data is filled from the editor";
    EXPECT_FALSE(data->Cleared());
    data->Clear();
    EXPECT_EQ(edit->Saved, 2) << "the current data keeps the editor's state";
    rtl::TComponent::Free(edit);
    EXPECT_EQ(data->Editor(), nullptr);
    data->Clear();
    EXPECT_TRUE(data->Cleared());
}

TEST_F(TuiCustomEditTest, TheClickKeyClicksTheDefaultButtonWithoutTypingIt) {
    Edit->Properties().Buttons().Add();
    Edit->Properties().Buttons().Add().SetDefault(true);
    std::vector<int32_t> clicked;
    Edit->Properties().SetOnButtonClick([&](rtl::TObject*, int32_t index) { clicked.push_back(index); });
    Edit->SetFocus();
    ui_test::ProcessPendingMessages();
    ui_test::PressKey(VK_RETURN, {vcl::ssCtrl});
    EXPECT_EQ(clicked, (std::vector<int32_t>{1}));
    EXPECT_EQ(Edit->Text, u"");
}

TEST_F(TuiCustomEditTest, AnAcceleratorInAButtonsCaptionClicksTheFirstVisibleEnabledButtonWithIt) {
    ui::TuiEditButtons& buttons = Edit->Properties().Buttons();
    buttons.Add().SetCaption(u"&Save");
    buttons.Items(0).SetEnabled(false);
    buttons.Add().SetCaption(u"&Open");
    buttons.Items(1).SetVisible(false);
    buttons.Add().SetCaption(u"&Select");
    buttons.Add().SetCaption(u"&Open");
    std::vector<int32_t> clicked;
    Edit->Properties().SetOnButtonClick([&](rtl::TObject*, int32_t index) { clicked.push_back(index); });
    ui_test::PressKey('S', {vcl::ssAlt});
    ui_test::PressKey('O', {vcl::ssAlt});
    EXPECT_EQ(clicked, (std::vector<int32_t>{2, 3}));
    EXPECT_EQ(Edit->Perform(vcl::CM_DIALOGCHAR, u'x'), 0);
    EXPECT_EQ(Edit->Perform(vcl::CM_DIALOGCHAR, u's'), 1);
    EXPECT_EQ(clicked.size(), 3u);
}

TEST_F(TuiCustomEditTest, TheHintIsTheButtonsOwnOrElseTheEditorsAndLastsWhileThePointerStaysOnThePart) {
    Edit->Properties().Buttons().Add().SetHint(u"打开|Opens the list");
    Edit->SetHint(u"Amount|The amount of the line");
    Edit->SetShowHint(true);
    const auto hintAt = [this](vcl::TPoint point, vcl::THintInfo& info) {
        info.CursorPos = point;
        return Edit->Perform(vcl::CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info));
    };
    vcl::THintInfo onButton;
    EXPECT_EQ(hintAt({Edit->Width() - 6, Edit->Height() / 2}, onButton), 0);
    EXPECT_EQ(onButton.HintStr, u"打开");
    EXPECT_EQ(onButton.CursorRect.Right, Edit->Width() - 2) << "the button's rectangle, inside the border";
    EXPECT_GT(onButton.CursorRect.Left, Edit->Width() / 2);
    vcl::THintInfo onText;
    EXPECT_EQ(hintAt({5, Edit->Height() / 2}, onText), 0);
    EXPECT_EQ(onText.HintStr, u"Amount");
    EXPECT_LE(onText.CursorRect.Right, onButton.CursorRect.Left);
}

// An editor that records what the clipboard messages asked of it.
class TClipboardEdit : public TTestEdit {
    RTL_DECLARE_CLASS(TClipboardEdit, TTestEdit)
public:
    using TTestEdit::TTestEdit;
    void CopyToClipboard() override { Asked.push_back("copy"); }
    void CutToClipboard() override { Asked.push_back(UserEditInProgress() ? "cut by the user" : "cut"); }
    void PasteFromClipboard() override { Asked.push_back(UserEditInProgress() ? "paste by the user" : "paste"); }
    std::vector<std::string> Asked;
};

TEST_F(TuiCustomEditTest, AReadOnlyEditorCopiesOnCutAndIgnoresAPaste) {
    auto* edit = new TClipboardEdit(Form.get());
    edit->SetParent(Form.get());
    for (const uint32_t message : {WM_COPY, WM_CUT, WM_PASTE}) {
        edit->Perform(message);
    }
    EXPECT_EQ(edit->Asked, (std::vector<std::string>{"copy", "cut by the user", "paste by the user"}));
    edit->Asked.clear();
    edit->Properties().SetReadOnly(true);
    for (const uint32_t message : {WM_CUT, WM_PASTE}) {
        edit->Perform(message);
    }
    EXPECT_EQ(edit->Asked, (std::vector<std::string>{"copy"}));
}

TEST_F(TuiCustomEditTest, AnUnchangedEditorPassesWithoutAskingOnValidate) {
    bool asked = false;
    Edit->Properties().SetOnValidate([&](rtl::TObject*, rtl::Variant&, rtl::UnicodeString&, bool&) { asked = true; });
    Edit->SetEditValue(rtl::Variant(u"a"));
    EXPECT_TRUE(Edit->ValidateEnteredText(true));
    EXPECT_FALSE(asked);
}

TEST_F(TuiCustomEditTest, AnErrorWithoutTextRaisesTheSilentAbortAndWithATextExactlyIt) {
    Type(u"x");
    RejectEntries();
    EXPECT_THROW(Edit->ValidateEnteredText(true), rtl::EAbort);
    RejectEntries(u"金额不对");
    try {
        Edit->ValidateEnteredText(true);
        FAIL() << "no error";
    } catch (const EuiEditValidationError& error) {
        EXPECT_EQ(error.Message(), u"金额不对");
    }
    EXPECT_FALSE(Edit->ValidateEnteredText(false)) << "without raising the entry still fails";
    EXPECT_GE(Edit->SelectAllCount, 2) << "the invalid entry is selected";
}

TEST_F(TuiCustomEditTest, TheDefaultErrorTextIsTheEditorsOwn) {
    Type(u"x");
    rtl::UnicodeString seen;
    Edit->Properties().SetOnValidate(
        [&](rtl::TObject*, rtl::Variant&, rtl::UnicodeString& text, bool&) { seen = text; });
    EXPECT_TRUE(Edit->ValidateEnteredText(true));
    EXPECT_EQ(seen, u"Invalid input value. Use escape key to abandon changes");
}

TEST_F(TuiCustomEditTest, ACorrectedDisplayValueBecomesTheValue) {
    Type(u"12");
    Edit->Properties().SetOnValidate([](rtl::TObject*, rtl::Variant& value, rtl::UnicodeString&, bool&) {
        value = rtl::Variant(rtl::VarToStr(value) + u".00");
    });
    EXPECT_TRUE(Edit->ValidateEnteredText(true));
    EXPECT_EQ(rtl::VarToStr(Edit->EditValue()), u"12.00");
    EXPECT_TRUE(Edit->ValueValidated());
}

TEST_F(TuiCustomEditTest, LeavingAfterAFailureFailsAgainAndEscapeRestoresTheValueAtEntry) {
    Edit->SetEditValue(rtl::Variant(u"old"));
    Type(u"x");
    const ui_test::TRecordedMessageBoxes boxes;
    RejectEntries(u"bad");
    Other->SetFocus();
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(Edit->Focused()) << "validation kept the focus";
    EXPECT_EQ(Edit->Text, u"oldx");
    EXPECT_THROW(Edit->ValidateEnteredText(true), EuiEditValidationError) << "the entry stays invalid";

    ui_test::PressKey(VK_ESCAPE);
    EXPECT_EQ(rtl::VarToStr(Edit->EditValue()), u"old");
    EXPECT_EQ(Edit->Text, u"old");
    EXPECT_FALSE(Edit->ChangedByUser());
    EXPECT_TRUE(Edit->ChangedSinceEnter());
    Other->SetFocus();
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(Other->Focused());
}

TEST_F(TuiCustomEditTest, EscapeWithoutAChangeIsLeftToTheHost) {
    Edit->SetFocus();
    uint16_t seen = 0;
    Edit->SetOnKeyDown([&](rtl::TObject*, uint16_t& key, vcl::TShiftState) { seen = key; });
    ui_test::PressKey(VK_ESCAPE);
    EXPECT_EQ(seen, VK_ESCAPE);
    EXPECT_FALSE(Edit->ChangedSinceEnter());
}

TEST_F(TuiCustomEditTest, TheClearKeyGivesNull) {
    Edit->SetEditValue(rtl::Variant(u"a"));
    Edit->Properties().SetClearKey(vcl::ShortCut(VK_DELETE, {vcl::ssCtrl}));
    Edit->SetFocus();
    ui_test::ProcessPendingMessages();
    ui_test::PressKey(VK_DELETE, {vcl::ssCtrl});
    EXPECT_TRUE(Edit->EditValue().IsNull());
    EXPECT_TRUE(Edit->ChangedByUser());
    EXPECT_TRUE(Edit->ValueValidated());
}

// An editor whose data is not there.
class TNoDataProvider : public TuiCustomEditDefaultValuesProvider {
    RTL_DECLARE_CLASS(TNoDataProvider, TuiCustomEditDefaultValuesProvider)
public:
    using TuiCustomEditDefaultValuesProvider::TuiCustomEditDefaultValuesProvider;
    bool HasData() override { return false; }
};

class TNoDataEdit : public TTestEdit {
    RTL_DECLARE_CLASS(TNoDataEdit, TTestEdit)
public:
    explicit TNoDataEdit(rtl::TComponent* owner) : TTestEdit(owner) {
        SetDataBinding(std::make_unique<TuiEditDataBinding>(this, TNoDataProvider::StaticClass()));
    }
};

TEST_F(TuiCustomEditTest, ABindingWithoutDataIsReadOnly) {
    EXPECT_FALSE(Edit->IsReadOnly());
    auto* noData = new TNoDataEdit(Form.get());
    noData->SetParent(Form.get());
    EXPECT_FALSE(noData->DataBinding().IsDataAvailable());
    EXPECT_TRUE(noData->IsReadOnly());
}

TEST_F(TuiCustomEditTest, AReadOnlyEditorRefusesTypingSilently) {
    Edit->Properties().SetReadOnly(true);
    Type(u"a");
    EXPECT_EQ(Edit->Text, u"");
    EXPECT_FALSE(Edit->ChangedByUser());
}

TEST_F(TuiCustomEditTest, ACharacterTheInputFilterRefusesBeeps) {
    const ui_test::TRecordedBeeps beeps;
    Type(u"a#b");
    EXPECT_EQ(Edit->Text, u"ab");
    EXPECT_EQ(beeps.Beeps.size(), 1u);
}

TEST_F(TuiCustomEditTest, AnEditorThatCannotTakeTheFocusAnswersFalseTwiceForTheSameInvalidEntry) {
    Edit->SetEnabled(false);
    Edit->Text = u"x";
    Edit->DataBinding().SetModified();
    RejectEntries(u"bad");
    EXPECT_THROW(Edit->ValidateEnteredText(true), EuiEditValidationError) << "reported once";
    EXPECT_FALSE(Edit->ValidateEnteredText(true)) << "not reported again, and still not valid";
    EXPECT_FALSE(Edit->ValueValidated());
    EXPECT_FALSE(Edit->CommitValue(true)) << "nothing is posted for it";
    Edit->Perform(vcl::CM_EXIT);
    EXPECT_TRUE(Edit->ChangedByUser()) << "leaving neither posts nor forgets it";
    EXPECT_TRUE(Edit->EditValue().IsNull()) << "an editor starts empty";
    Edit->DataBinding().SetModified();
    EXPECT_THROW(Edit->ValidateEnteredText(true), EuiEditValidationError) << "a new change is reported again";
}

TEST_F(TuiCustomEditTest, AStandaloneEditorHandsAChangedValueToItsBindingWhenItIsLeft) {
    Type(u"v");
    ASSERT_TRUE(Edit->IsPostPending());
    Other->SetFocus();
    ui_test::ProcessPendingMessages();
    EXPECT_TRUE(Other->Focused());
    EXPECT_EQ(rtl::VarToStr(Edit->EditValue()), u"v");
    EXPECT_FALSE(Edit->ChangedByUser());
}

class TuiCustomEditModalTest : public testing::Test {
protected:
    void SetUp() override {
        Dialog = ui_test::CreateTestForm();
        Dialog->SetBounds(100, 100, 300, 200);
        Edit = new TTestEdit(Dialog.get());
        Edit->SetParent(Dialog.get());
        Edit->SetBounds(10, 10, 120, 25);
        Edit->Properties().SetOnValidate([](rtl::TObject*, rtl::Variant&, rtl::UnicodeString& text, bool& error) {
            error = true;
            text = u"bad";
        });
    }

    // Once the dialog shows: an entry typed into the editor, then the close with result.
    void TypeAndCloseLater(vcl::TModalResult result) {
        ui_test::RunLater(50, [this, result] {
            Edit->SetFocus();
            ui_test::TypeText(u"x");
            Dialog->SetModalResult(result);
        });
    }

    ui_test::TFormPtr<vcl::TForm> Dialog;
    TTestEdit* Edit = nullptr;
    bool StayedOpen = false;
};

TEST_F(TuiCustomEditModalTest, AnOkCloseWithARejectedEntryReportsItAndStaysOpen) {
    const ui_test::TRecordedMessageBoxes boxes;
    TypeAndCloseLater(vcl::mrOk);
    ui_test::RunLater(150, [this] {
        StayedOpen = Dialog->Visible() && Dialog->ModalResult() == vcl::mrNone;
        Edit->Properties().SetOnValidate({});
        Dialog->SetModalResult(vcl::mrOk);
    });
    EXPECT_EQ(Dialog->ShowModal(), vcl::mrOk);
    EXPECT_TRUE(StayedOpen);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].Text, u"bad.");
    EXPECT_EQ(rtl::VarToStr(Edit->EditValue()), u"x") << "the accepted entry is the value";
}

TEST_F(TuiCustomEditModalTest, ACancelCloseSkipsValidation) {
    const ui_test::TRecordedMessageBoxes boxes;
    TypeAndCloseLater(vcl::mrCancel);
    EXPECT_EQ(Dialog->ShowModal(), vcl::mrCancel);
    EXPECT_FALSE(Dialog->Visible());
    EXPECT_TRUE(boxes.Shown.empty()) << "the rejected entry was not validated";
}

} // namespace
} // namespace ui
