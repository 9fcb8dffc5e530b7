#include "ui/editors/text/uiTextEdit.h"

#include "rtl/WindowsApi.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/editors/framework/uiEditConsts.h"
#include "vcl/graphics/Canvas.h"

#include <algorithm>
#include <utility>

namespace ui {

namespace {

// Runs its action when the scope ends, also when the scope throws.
template <class TAction>
class TTextEditScopeExit {
public:
    explicit TTextEditScopeExit(TAction action) : FAction(std::move(action)) {}
    TTextEditScopeExit(const TTextEditScopeExit&) = delete;
    TTextEditScopeExit& operator=(const TTextEditScopeExit&) = delete;
    ~TTextEditScopeExit() { FAction(); }

private:
    TAction FAction;
};

} // namespace

TuiCustomTextEdit::TuiCustomTextEdit(rtl::TComponent* owner)
    : TuiCustomTextEdit(owner, TuiCustomTextEditProperties::StaticClass()) {}

TuiCustomTextEdit::TuiCustomTextEdit(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
    : TuiCustomEdit(owner, propertiesClass) {
    FInnerEdit = new TuiCustomInnerTextEdit(this, *this);
    FInnerEdit->SetParent(this);
    FInnerEdit->SetColor(vcl::clWindow);
    FInnerEdit->SetOnChange([this](rtl::TObject*) { InnerTextChanged(); });
    SetInnerControl(FInnerEdit);
    SetBounds(Left(), Top(), 121, 21);
    PropertiesChanged(&GetEffectiveProperties());
}

TuiCustomTextEditProperties& TuiCustomTextEdit::GetTextProperties() {
    return static_cast<TuiCustomTextEditProperties&>(GetEffectiveProperties());
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
    FSettingText = true;
    const TTextEditScopeExit restore([this] { FSettingText = false; });
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
    HandleUserChange();
    const bool wasUserEdit = UserEditInProgress();
    SetUserEditInProgress(HandleAllocated() && Focused());
    const TTextEditScopeExit restore([this, wasUserEdit] { SetUserEditInProgress(wasUserEdit); });
    ApplyEditValue(GetEditValueFromDisplay(), true);
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

bool TuiCustomTextEdit::IsEditingKey(uint16_t key, vcl::TShiftState shift) const {
    return TuiCustomEdit::IsEditingKey(key, shift) || key == VK_DELETE;
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
    const int32_t start = FInnerEdit->InnerSelStart();
    const int32_t length = FInnerEdit->InnerSelLength();
    if (length == 0 || !TryBeginEdit()) {
        return;
    }
    rtl::UnicodeString text = GetDisplayText();
    text.erase(static_cast<size_t>(start), static_cast<size_t>(length));
    SetDisplayValue(rtl::Variant(text));
    InnerTextChanged();
    FInnerEdit->SetInnerSelStart(start);
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

// Properties and layout.

void TuiCustomTextEdit::PropertiesChanged(TuiCustomEditProperties* properties) {
    if (FInnerEdit != nullptr) {
        ApplyPropertiesToInnerEdit(GetTextProperties());
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

// The text line sits inside the client area at the vertical alignment; the window takes the whole width.
void TuiCustomTextEdit::AlignInnerControl() {
    if (FInnerEdit == nullptr) {
        return;
    }
    const vcl::TRect client = ViewInfo().ClientRect;
    const int32_t height = std::min(InnerTextHeight(), client.Height());
    int32_t top = client.Top;
    switch (GetTextProperties().GetAlignment().Vert()) {
    case taBottomJustify:
        top = client.Bottom - height;
        break;
    case taVCenter:
        top = client.Top + (client.Height() - height) / 2;
        break;
    case taTopJustify:
        break;
    }
    top = std::max(top, client.Top);
    if (FInnerEdit->Left() != client.Left || FInnerEdit->Top() != top || FInnerEdit->Width() != client.Width() ||
        FInnerEdit->Height() != height) {
        FInnerEdit->SetBounds(client.Left, top, client.Width(), height);
    }
}

void InitializeTextEditUnit() {
    GetEditPropertiesRegistry().Register(&TuiTextEditProperties::StaticClass(),
                                         LoadResStringText(suiSEditRepositoryTextItem));
    GetEditDataRegisteredRepositoryItems().RegisterDefaultItem(
        -1, GetDefaultEditRepository().CreateItem(TuiEditRepositoryTextItem::StaticClass()));
}

void FinalizeTextEditUnit() {
    GetEditDataRegisteredRepositoryItems().UnregisterDefaultItem(-1);
    GetEditPropertiesRegistry().Unregister(&TuiTextEditProperties::StaticClass());
}

} // namespace ui
