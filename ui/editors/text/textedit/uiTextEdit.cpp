#include "ui/editors/text/textedit/uiTextEdit.h"

#include "rtl/WindowsApi.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/CodePages.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "ui/core/themes/uiDWMApi.h"
#include "ui/data/locale/uiFormats.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "ui/editors/text/inner/uiInnerTextEditRoutines.h"
#include "ui/editors/text/numbers/uiTextEditNumberText.h"
#include "ui/editors/text/textedit/uiFilterTextEditHelper.h"
#include "ui/editors/text/textedit/uiTextEditScopeExit.h"
#include "ui/editors/text/textedit/uiTextEditSpellChecking.h"
#include "ui/editors/text/textedit/uiTextEditViewData.h"
#include "vcl/graphics/Canvas.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace ui {

namespace {

// The characters of text before position that are no thousand separator.
size_t CountWithoutSeparators(const rtl::UnicodeString& text, size_t position, char16_t separator) {
    return static_cast<size_t>(std::count_if(text.begin(), text.begin() + static_cast<ptrdiff_t>(position),
                                             [separator](char16_t ch) { return ch != separator; }));
}

// The position in text after count characters that are no thousand separator.
size_t PositionAfterCount(const rtl::UnicodeString& text, size_t count, char16_t separator) {
    size_t position = 0;
    for (; position < text.size() && count > 0; ++position) {
        if (text[position] != separator) {
            --count;
        }
    }
    return position;
}

} // namespace

// The editor's registration with the format controller; not reference counted, it lives as long as its editor.
class TuiCustomTextEdit::TFormatListener final : public IuiFormatListener {
public:
    explicit TFormatListener(TuiCustomTextEdit& edit) : FEdit(edit) { GetFormatController().AddListener(this); }
    TFormatListener(const TFormatListener&) = delete;
    TFormatListener& operator=(const TFormatListener&) = delete;
    ~TFormatListener() { GetFormatController().RemoveListener(this); }

    bool QueryInterface(const rtl::TGUID& iid, void** object) override {
        if (iid == IuiFormatListener::IID || iid == rtl::IInterface::IID) {
            *object = static_cast<IuiFormatListener*>(this);
            return true;
        }
        *object = nullptr;
        return false;
    }
    int32_t AddRef() override { return -1; }
    int32_t Release() override { return -1; }
    void FormatChanged() override { FEdit.HandleFormatChange(); }

private:
    TuiCustomTextEdit& FEdit;
};

TuiCustomTextEdit::TuiCustomTextEdit(rtl::TComponent* owner)
    : TuiCustomTextEdit(owner, TuiCustomTextEditProperties::StaticClass()) {}

TuiCustomTextEdit::TuiCustomTextEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
    : TuiCustomTextEdit(owner, propertiesClass,
                        [](TuiCustomTextEdit& edit) { return new TuiCustomInnerTextEdit(&edit, edit); }) {}

TuiCustomTextEdit::TuiCustomTextEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass,
                                     TInnerEditFactory makeInnerEdit)
    : TuiCustomEdit(owner, propertiesClass) {
    FInnerEdit = makeInnerEdit(*this);
    FInnerEdit->SetParent(this);
    FInnerEdit->SetColor(vcl::clWindow);
    FInnerEdit->SetOnChange([this](rtl::TObject*) {
        InnerEditTextChanged();
        InnerTextChanged();
    });
    SetInnerControl(FInnerEdit);
    SetBounds(Left(), Top(), 121, 21);
    FLookupData = GetOwnTextProperties().CreateLookupData(this);
    if (FLookupData != nullptr) {
        FLookupData->SetOnSelectItem([this](rtl::TObject*) { ApplyLookupKey(); });
    }
    FFormatListener = std::make_unique<TFormatListener>(*this);
    PropertiesChanged(&GetEffectiveProperties());
}

// The window outlives this part of the editor: its own caption answers the text from here on.
TuiCustomTextEdit::~TuiCustomTextEdit() {
    const rtl::UnicodeString savedText = GetDisplayText();
    FFormatListener.reset();
    FLookupData.reset();
    if (HandleAllocated()) {
        DefWindowProcW(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(savedText.c_str()));
    }
}

TuiCustomTextEditProperties& TuiCustomTextEdit::GetTextProperties() {
    return static_cast<TuiCustomTextEditProperties&>(GetEffectiveProperties());
}

TuiCustomTextEditProperties& TuiCustomTextEdit::GetOwnTextProperties() const {
    return static_cast<TuiCustomTextEditProperties&>(Properties());
}

TuiTextEditingStyle TuiCustomTextEdit::EditingStyle() const {
    return static_cast<TuiCustomTextEditProperties&>(const_cast<TuiCustomTextEdit*>(this)->GetEffectiveProperties())
        .GetEditingStyle();
}

// Text and value.

rtl::UnicodeString TuiCustomTextEdit::GetDisplayText() const {
    return FInnerEdit != nullptr ? FInnerEdit->Text() : rtl::UnicodeString();
}

void TuiCustomTextEdit::SetDisplayValue(const rtl::Variant& value) {
    const rtl::UnicodeString text = rtl::VarToStr(value);
    if (FInnerEdit == nullptr || FInnerEdit->Text() == text) {
        return;
    }
    const auto restore = RaiseForScope(FSettingText);
    FInnerEdit->SetInnerText(text);
}

void TuiCustomTextEdit::UpdateDisplay() {
    const bool editForm = HandleAllocated() && Focused();
    SetDisplayValue(rtl::Variant(GetTextProperties().EditValueToDisplayText(EditValue(), editForm)));
}

void TuiCustomTextEdit::WriteDisplayValue(const rtl::Variant& value) {
    DataBinding().SetDisplayValue(value);
    if (!UserEditInProgress()) {
        ApplyEditValue(GetEditValueFromDisplay(), true);
    }
}

// The window's text changed: typed text becomes the value as the user's edit.
void TuiCustomTextEdit::InnerTextChanged() {
    if (FSettingText) {
        return;
    }
    if (FLookupData != nullptr && ShouldSyncList()) {
        FLookupData->TextChanged();
    }
    HandleUserChange();
    RunWithUserEdit(HandleAllocated() && Focused(), [this] { ApplyEditValue(GetEditValueFromDisplay(), true); });
}

void TuiCustomTextEdit::RunWithUserEdit(bool userEdit, const std::function<void()>& action) {
    const bool wasUserEdit = UserEditInProgress();
    SetUserEditInProgress(userEdit);
    const TuiTextEditScopeExit restore([this, wasUserEdit] { SetUserEditInProgress(wasUserEdit); });
    action();
}

bool TuiCustomTextEdit::IsEditable() const {
    return EditingStyle() != tesLocked;
}

bool TuiCustomTextEdit::IsEditableText() {
    TuiCustomTextEditProperties& properties = GetTextProperties();
    return properties.EchoMode() == eemNormal && properties.CanModifyValue();
}

bool TuiCustomTextEdit::IsEditingChar(char16_t ch) const {
    return ch == u'\b' || ch == 22 || ch == 24 || ch >= u' ';
}

// The keys that step through a popup list's items change the value too, while the list is closed.
bool TuiCustomTextEdit::IsEditingKey(uint16_t key, vcl::TShiftState shift) const {
    if (TuiCustomEdit::IsEditingKey(key, shift) || key == VK_DELETE) {
        return true;
    }
    if (FLookupData == nullptr || FLookupData->IsEmpty() || !HasPopupList() || IsPopupShown()) {
        return false;
    }
    return key == VK_PRIOR || key == VK_NEXT || ((key == VK_UP || key == VK_DOWN) && !shift.Contains(vcl::ssAlt));
}

// Typing into a number that groups its thousands places the separators at once; the caret stays after the same
// digits.
void TuiCustomTextEdit::HandleUserChange() {
    TuiCustomEdit::HandleUserChange();
    TuiCustomTextEditProperties& properties = GetTextProperties();
    if (HandleAllocated() && Focused() && properties.SupportsRange() && properties.UsesThousandSeparator(false)) {
        ReformatThousandSeparators();
    }
}

void TuiCustomTextEdit::ReformatThousandSeparators() {
    const rtl::TFormatSettings& settings = rtl::FormatSettings();
    const rtl::UnicodeString text = GetDisplayText();
    rtl::UnicodeString formatted = text;
    RemoveThousandSeparators(formatted, settings);
    double number = 0;
    if (!rtl::TryStrToFloat(formatted, number, settings)) {
        return;
    }
    InsertThousandSeparators(formatted, settings);
    if (formatted == text) {
        return;
    }
    const auto caret =
        static_cast<size_t>(std::clamp(FInnerEdit->InnerSelStart(), 0, static_cast<int32_t>(text.size())));
    const size_t digits = CountWithoutSeparators(text, caret, settings.ThousandSeparator);
    SetDisplayValue(rtl::Variant(formatted));
    FInnerEdit->SetInnerSelStart(
        static_cast<int32_t>(PositionAfterCount(formatted, digits, settings.ThousandSeparator)));
}

void TuiCustomTextEdit::CheckRangeOnExit() {
    TuiCustomTextEditProperties& properties = GetTextProperties();
    if (!DataBinding().IsValueUntouched() && properties.SupportsRange() && FInnerEdit != nullptr &&
        properties.HasRange()) {
        CorrectRange();
    }
}

bool TuiCustomTextEdit::UsesDataDisplayFormat() {
    IuiEditDefaultValuesProvider* provider = DataBinding().GetIDefaultValuesProvider();
    return !IsInplace() && provider != nullptr && !provider->IsBoundToData();
}

void TuiCustomTextEdit::ValidateLookupText() {
    if (FInnerEdit == nullptr) {
        return;
    }
    const TuiTextEditingStyle style = EditingStyle();
    if (style == tesFree || style == tesLocked) {
        if (!ChangedByUser() && !FApplyingLoadedProperties) {
            DataBinding().UpdateDisplayValue();
        }
        return;
    }
    if (!((ChangedByUser() && !ValueValidated()) || UsesDataDisplayFormat())) {
        return UpdateDisplay();
    }
    rtl::Variant text(GetDisplayText());
    if (GetTextProperties().CheckTextValue(text, true)) {
        return;
    }
    SaveChangeFlags();
    const TuiTextEditScopeExit restore([this] { RestoreChangeFlags(); });
    DataBinding().SetDisplayValue(GetTextProperties().GetEmptyEditValue());
    if (!ChangedByUser()) {
        ApplyEditValue(GetEditValueFromDisplay(), true);
    }
}

void TuiCustomTextEdit::Loaded() {
    const auto restore = RaiseForScope(FApplyingLoadedProperties);
    TuiCustomEdit::Loaded();
}

void TuiCustomTextEdit::HandleFormatChange() {
    GetTextProperties().Changed();
    UpdateDisplay();
}

void TuiCustomTextEdit::DoExit() {
    TuiCustomEdit::DoExit();
    SetCompletionActive(false);
}

// Selection.

bool TuiCustomTextEdit::ShowsOwnSelection() {
    const TuiTextEditingStyle style = EditingStyle();
    return style != tesLocked && (style != tesListOnly || FCompletionActive);
}

int32_t TuiCustomTextEdit::SelStart() {
    return ShowsOwnSelection() ? FInnerEdit->InnerSelStart() : 0;
}

int32_t TuiCustomTextEdit::SelLength() {
    return ShowsOwnSelection() ? FInnerEdit->InnerSelLength() : 0;
}

void TuiCustomTextEdit::SetSelStart(int32_t value) {
    if (EditingStyle() != tesLocked) {
        FInnerEdit->SetInnerSelStart(value);
    }
}

void TuiCustomTextEdit::SetSelLength(int32_t value) {
    if (EditingStyle() != tesLocked) {
        FInnerEdit->SetInnerSelLength(value);
    }
}

void TuiCustomTextEdit::Select(int32_t start, int32_t length) {
    SetSelStart(start);
    SetSelLength(length);
}

void TuiCustomTextEdit::SelectAll() {
    FInnerEdit->SelectAll();
}

void TuiCustomTextEdit::ClearSelectionByUser() {
    RunWithUserEdit(true, [this] { ClearSelection(); });
}

void TuiCustomTextEdit::ClearSelection() {
    const int32_t start = FInnerEdit->InnerSelStart();
    const int32_t length = FInnerEdit->InnerSelLength();
    if (length <= 0) {
        return;
    }
    rtl::UnicodeString text = GetDisplayText();
    text.erase(static_cast<size_t>(start), static_cast<size_t>(length));
    if (IsTextAcceptable(text)) {
        FInnerEdit->SetInnerSelStart(start);
    }
}

bool TuiCustomTextEdit::IsTextAcceptable(const rtl::UnicodeString& text) {
    rtl::Variant value(text);
    if (!GetTextProperties().CheckTextValue(value, HandleAllocated() && Focused()) ||
        (UserEditInProgress() && !TryBeginEdit())) {
        return false;
    }
    WriteDisplayValue(value);
    if (UserEditInProgress()) {
        InnerTextChanged();
    }
    return true;
}

// Inserting text.

void TuiCustomTextEdit::SelectAllInListStyles() {
    const TuiTextEditingStyle style = EditingStyle();
    if (style == tesListOnly || style == tesLocked) {
        FInnerEdit->SelectAll();
    }
}

// MaxLength cuts the inserted text only: what stood after the selection stays, as the EDIT window's own limit keeps
// it when the user pastes. It counts bytes of the ANSI code page, as an ANSI EDIT window does, so that a text that
// fits is one the programs reading it in that code page take.
bool TuiCustomTextEdit::BuildInsertedText(const rtl::UnicodeString& inserted, rtl::UnicodeString& result,
                                          int32_t& caret, size_t* insertedLength) {
    const TuiTextEditingStyle style = EditingStyle();
    if (UserEditInProgress() && style == tesLocked) {
        return false;
    }
    SelectAllInListStyles();
    const rtl::UnicodeString text = GetDisplayText();
    const auto start =
        static_cast<size_t>(std::clamp(FInnerEdit->InnerSelStart(), 0, static_cast<int32_t>(text.size())));
    const auto length = std::min(static_cast<size_t>(std::max(FInnerEdit->InnerSelLength(), 0)), text.size() - start);
    rtl::UnicodeString fitting = inserted;
    const int32_t maxLength = GetTextProperties().MaxLength();
    if (maxLength > 0 && style != tesListOnly) {
        const size_t kept = rtl::UnicodeToAnsi(text.substr(0, start) + text.substr(start + length)).size();
        const size_t room = static_cast<size_t>(maxLength) > kept ? static_cast<size_t>(maxLength) - kept : 0;
        fitting.resize(rtl::AnsiFittingLength(fitting, room));
        if (fitting.empty() && !inserted.empty() && length == 0) {
            return false;
        }
    }
    if (insertedLength != nullptr) {
        *insertedLength = fitting.size();
    }
    if (style == tesListOnly) {
        result = fitting;
        caret = static_cast<int32_t>(fitting.size());
    } else {
        result = text.substr(0, start) + fitting + text.substr(start + length);
        caret = static_cast<int32_t>(start + fitting.size());
    }
    rtl::Variant value(result);
    if (!GetTextProperties().CheckTextValue(value, true) || (UserEditInProgress() && !TryBeginEdit())) {
        return false;
    }
    result = rtl::VarToStr(value);
    return true;
}

void TuiCustomTextEdit::SetDisplayTextInternal(const rtl::UnicodeString& text) {
    RunWithUserEdit((HandleAllocated() && Focused()) || FInternalTextSetting, [&] {
        rtl::UnicodeString result;
        int32_t caret = 0;
        if (BuildInsertedText(text, result, caret)) {
            DataBinding().SetDisplayValue(rtl::Variant(result));
            ApplyEditValue(GetEditValueFromDisplay(), true);
            FInnerEdit->SetInnerSelStart(caret);
        }
    });
}

void TuiCustomTextEdit::SetInternalText(const rtl::UnicodeString& text, bool post) {
    const auto restore = RaiseForScope(FInternalTextSetting);
    SetDisplayTextInternal(text);
    // The inserted text is the edit value already; it goes on without validation.
    if (post && !IsInplace() && !(HandleAllocated() && Focused()) && IsPostPending()) {
        LockChangeEvents(true);
        const TuiTextEditScopeExit unlock([this] { LockChangeEvents(false); });
        CommitValue(false);
    }
    SetChangedByUser(true);
}

// Clipboard.

// The user's insertion into the focused window passes the editor's check; the window then inserts with its own limit.
// insertedLength tells how much of it fits MaxLength.
bool TuiCustomTextEdit::AllowsFocusedInsertion(const rtl::UnicodeString& inserted, size_t* insertedLength) {
    bool allowed = false;
    RunWithUserEdit(true, [&] {
        rtl::UnicodeString result;
        int32_t caret = 0;
        allowed = BuildInsertedText(inserted, result, caret, insertedLength);
    });
    return allowed;
}

void TuiCustomTextEdit::CopyToClipboard() {
    SelectAllInListStyles();
    if (FInnerEdit->InnerSelLength() > 0) {
        FInnerEdit->CopyToClipboard();
    }
}

void TuiCustomTextEdit::CutToClipboard() {
    if (FInnerEdit->InnerSelLength() == 0) {
        return;
    }
    if (HandleAllocated() && Focused()) {
        if (AllowsFocusedInsertion({})) {
            FInnerEdit->CutToClipboard();
        }
        return;
    }
    FInnerEdit->CopyToClipboard();
    SetDisplayTextInternal({});
}

// Focused, the EDIT window pastes with its own limit and case once the editor's check passes; unfocused the editor
// writes the text itself.
void TuiCustomTextEdit::PasteFromClipboard() {
    rtl::UnicodeString pasted;
    if (!ReadClipboardText(pasted)) {
        return;
    }
    if (HandleAllocated() && Focused()) {
        size_t fitting = 0;
        if (!AllowsFocusedInsertion(pasted, &fitting)) {
            return;
        }
        // The window's own limit counts characters; where MaxLength's bytes take less, only what fits goes in.
        if (fitting < pasted.size()) {
            FInnerEdit->SetSelText(rtl::UnicodeStringView(pasted).substr(0, fitting));
        } else {
            FInnerEdit->PasteFromClipboard();
        }
        return;
    }
    SetDisplayTextInternal(pasted);
}

// Window messages: the editor's text is its inner edit's.

void TuiCustomTextEdit::WMGetText(vcl::TMessage& message) {
    const rtl::UnicodeString text = GetControlText();
    if (message.Msg == WM_GETTEXTLENGTH) {
        message.Result = static_cast<intptr_t>(text.size());
        return;
    }
    const auto size = static_cast<size_t>(message.WParam);
    if (size == 0 || message.LParam == 0) {
        message.Result = 0;
        return;
    }
    const size_t copied = std::min(text.size(), size - 1);
    auto* buffer = reinterpret_cast<char16_t*>(message.LParam);
    std::copy_n(text.data(), copied, buffer);
    buffer[copied] = u'\0';
    message.Result = static_cast<intptr_t>(copied);
}

// A text the properties refuse answers 0 and changes nothing.
void TuiCustomTextEdit::WMSetText(vcl::TMessage& message) {
    if (FSettingControlText) {
        return TuiCustomEdit::Dispatch(message);
    }
    const rtl::UnicodeString text(message.LParam != 0 ? reinterpret_cast<const char16_t*>(message.LParam) : u"");
    bool accepted = false;
    {
        const auto restore = RaiseForScope(FSettingControlText);
        accepted = IsTextValid(text);
    }
    message.Result = accepted ? 1 : 0;
}

void TuiCustomTextEdit::Dispatch(vcl::TMessage& message) {
    if (message.Msg == SpellCheckerAutoCorrectMessage()) {
        ApplyAutoCorrection(message);
        return TuiCustomEdit::Dispatch(message);
    }
    switch (message.Msg) {
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        return WMGetText(message);
    case WM_SETTEXT:
        return WMSetText(message);
    case WM_CLEAR:
        if (!GetTextProperties().GetReadOnly() && DataBinding().IsDataEditable()) {
            ClearSelectionByUser();
        }
        return;
    case WM_CHAR:
        // A character sent to the editor itself (the key that opened it in place) is typed into its text.
        if (FInnerEdit->HandleAllocated()) {
            message.Result = SendMessageW(FInnerEdit->Handle(), WM_CHAR, message.WParam, message.LParam);
            return;
        }
        return TuiCustomEdit::Dispatch(message);
    default:
        return TuiCustomEdit::Dispatch(message);
    }
}

// Mouse over the inner edit: the editor's own handling, in its coordinates.

void TuiCustomTextEdit::InnerMouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    MouseDown(button, shift, x, y);
}

void TuiCustomTextEdit::InnerMouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    MouseMove(shift, x, y);
}

void TuiCustomTextEdit::InnerMouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    MouseUp(button, shift, x, y);
}

void TuiCustomTextEdit::InnerClick(bool doubleClick) {
    if (doubleClick) {
        DblClick();
    } else {
        Click();
    }
}

// Text drawn straight onto a glass background behind a transparent border would show through.
bool TuiCustomTextEdit::PaintsInnerEditBuffered() const {
    return ActiveStyle().TransparentBorder() && IsDwmCompositionEnabled();
}

// Properties and layout.

void TuiCustomTextEdit::PropertiesChanged(TuiCustomEditProperties* properties) {
    if (FLookupData != nullptr) {
        FLookupData->PropertiesChanged();
        if (!FLookupUpdating) {
            FLookupData->TextChanged();
        }
    }
    if (FInnerEdit != nullptr) {
        ApplyPropertiesToInnerEdit(GetTextProperties());
        CheckRangeOnExit();
        if (!IsPosting()) {
            ValidateLookupText();
        }
    }
    TuiCustomEdit::PropertiesChanged(properties);
    if (FInnerEdit != nullptr) {
        FInnerEdit->Invalidate();
    }
}

void TuiCustomTextEdit::ApplyPropertiesToInnerEdit(TuiCustomTextEditProperties& properties) {
    FInnerEdit->SetDisplayAlignment(properties.GetAlignment().Horz());
    FInnerEdit->SetLeftAlignedWhileFocused(properties.UseLeftAlignmentOnEditing());
    if (!IsInplace()) {
        FInnerEdit->SetAutoSelect(properties.AutoSelect());
    }
    FInnerEdit->SetCharCase(properties.CharCase());
    FInnerEdit->SetEchoMode(properties.EchoMode());
    FInnerEdit->SetHideSelection(properties.HideSelection());
    FInnerEdit->SetMaxLength(properties.MaxLength());
    FInnerEdit->SetOEMConvert(properties.OEMConvert());
    FInnerEdit->SetInnerPasswordChar(properties.PasswordChar());
    FInnerEdit->SetReadOnly(properties.GetReadOnly());
    AlignInnerControl();
}

int32_t TuiCustomTextEdit::InnerTextHeight() {
    vcl::TCanvas canvas;
    HDC dc = GetDC(nullptr);
    canvas.SetHandle(dc);
    canvas.Font().Assign(&FInnerEdit->Font());
    const int32_t height = canvas.TextHeight(u"Wg");
    canvas.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
    return height;
}

// The client area less the edit buttons at its sides: the inner edit window would cover them.
vcl::TRect TuiCustomTextEdit::InnerEditArea() {
    vcl::TRect area = ViewInfo().ClientRect;
    if (GetEffectiveProperties().Buttons().VisibleCount() == 0) {
        return area;
    }
    const std::unique_ptr<TuiCustomEditViewInfo> viewInfo = CalculateViewInfoAt(*GetSharedScreenCanvas(), {-1, -1});
    area.Left = std::max(area.Left, viewInfo->ClientRect.Left);
    area.Right = std::max(area.Left, std::min(area.Right, viewInfo->ClientRect.Right));
    return area;
}

// The text line sits where the view info lays out its text: inside the client area beside the buttons, less the
// content offsets, at the vertical alignment, never above the top offset; the window takes the width between the side
// offsets.
// Only the free and assisted styles show the inner edit; in the others the editor paints the text itself and the
// edit, which keeps the focus and the keys, lies out of sight.
bool TuiCustomTextEdit::IsInnerEditShown() const {
    const TuiTextEditingStyle style = const_cast<TuiCustomTextEdit*>(this)->GetTextProperties().GetEditingStyle();
    return FInnerEdit != nullptr && (style == tesFree || style == tesListAssisted);
}

void TuiCustomTextEdit::InitViewData(TuiCustomEditViewData& viewData) {
    TuiCustomEdit::InitViewData(viewData);
    if (auto* textViewData = dynamic_cast<TuiCustomTextEditViewData*>(&viewData)) {
        textViewData->InnerEditShown = IsInnerEditShown();
    }
}

void TuiCustomTextEdit::AlignInnerControl() {
    if (FInnerEdit == nullptr) {
        return;
    }
    if (!IsInnerEditShown()) {
        FInnerEdit->SetBounds(FInnerEdit->Left(), FInnerEdit->Top(), 0, 0);
        return;
    }
    const vcl::TRect client = InnerEditArea();
    const vcl::TRect offsets = ContentOffsets();
    const int32_t height = std::min(InnerTextHeight(), client.Height());
    const int32_t highest = client.Top + offsets.Top;
    int32_t top = highest;
    switch (GetTextProperties().GetAlignment().Vert()) {
    case taBottomJustify:
        top = client.Bottom - height - offsets.Bottom;
        break;
    case taVCenter:
        top = highest + (client.Height() - offsets.Top - offsets.Bottom - height) / 2;
        break;
    case taTopJustify:
        break;
    }
    top = std::max(top, highest);
    const int32_t left = client.Left + offsets.Left;
    const int32_t width = client.Width() - offsets.Left - offsets.Right + 1;
    if (FInnerEdit->Left() != left || FInnerEdit->Top() != top || FInnerEdit->Width() != width ||
        FInnerEdit->Height() != height) {
        FInnerEdit->SetBounds(left, top, width, height);
    }
}

vcl::TRect TuiCustomTextEdit::ContentOffsets() {
    const std::unique_ptr<TuiCustomEditViewData> viewData = CreateViewData();
    const auto* textViewData = dynamic_cast<const TuiCustomTextEditViewData*>(viewData.get());
    return textViewData != nullptr ? textViewData->GetContentOffsets() : vcl::TRect{};
}

const rtl::TMetaclass& TuiTextEditProperties::GetContainerClass() const {
    return TuiTextEdit::StaticClass();
}

void InitializeTextEditUnit() {
    RegisterSpellCheckerMessages();
    GetEditPropertiesRegistry().Register(&TuiTextEditProperties::StaticClass(),
                                         LoadResStringText(suiSEditRepositoryTextItem));
    GetFilterEditsController().RegisterHelper(TuiTextEditProperties::StaticClass(),
                                              TuiFilterTextEditHelper::Instance());
}

void FinalizeTextEditUnit() {
    UnregisterFilterEditHelper(TuiTextEditProperties::StaticClass(), TuiFilterTextEditHelper::Instance());
    GetEditPropertiesRegistry().Unregister(&TuiTextEditProperties::StaticClass());
}

} // namespace ui
