#include "ui/editors/dropdown/uiComboBox.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/VariantCompare.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/editors/framework/uiEditConsts.h"
#include "ui/editors/framework/uiEditProperties.h"
#include "vcl/controls/pointer/Mouse.h"

#include <algorithm>
#include <utility>

namespace ui {

namespace {

// Raises a flag of the combo box for a scope.
class TComboFlagScope {
public:
    explicit TComboFlagScope(bool& flag) : FFlag(flag), FSaved(std::exchange(flag, true)) {}
    ~TComboFlagScope() { FFlag = FSaved; }
    TComboFlagScope(const TComboFlagScope&) = delete;
    TComboFlagScope& operator=(const TComboFlagScope&) = delete;

private:
    bool& FFlag;
    bool FSaved;
};

} // namespace

const rtl::TMetaclass& TuiCustomComboBoxProperties::GetPopupWindowClass() const {
    return TuiComboBoxPopupWindow::StaticClass();
}

const rtl::TMetaclass& TuiCustomComboBoxProperties::GetContainerClass() const {
    return TuiComboBox::StaticClass();
}

const rtl::TMetaclass& TuiComboBoxProperties::GetContainerClass() const {
    return TuiComboBox::StaticClass();
}

TuiCustomComboBox::TuiCustomComboBox(rtl::TComponent* owner, const rtl::TMetaclass& propertiesClass)
    : TuiCustomDropDownEdit(owner, propertiesClass), FLookupData(std::make_unique<TuiComboBoxLookupData>(this)) {
    FLookupData->SetOnSelectItem([this](rtl::TObject*) { ApplyLookupKey(); });
    vcl::TControlStyle style = ControlStyle();
    style.Exclude(vcl::csClickEvents);
    SetControlStyle(style);
}

TuiCustomComboBox::~TuiCustomComboBox() {
    DestroyPopupWindow();
}

TuiCustomComboBoxProperties& TuiCustomComboBox::GetComboProperties() {
    return static_cast<TuiCustomComboBoxProperties&>(GetEffectiveProperties());
}

// Items and text.

void TuiCustomComboBox::SetItemIndex(int32_t index) {
    const int32_t oldIndex = GetItemIndex();
    {
        const TComboFlagScope setting(FSettingItemIndex);
        FLookupData->SetCurrentKey(rtl::Variant(index));
        const rtl::Variant value(FLookupData->GetItemDisplayText(FLookupData->GetCurrentKey()));
        if (!rtl::VarSameValue(value, EditValue())) {
            const TComboFlagScope updating(FLookupUpdating);
            SetEditValue(value);
        }
    }
    if (GetItemIndex() != oldIndex) {
        SetChangedSinceEnter(false);
        Click();
    }
}

void TuiCustomComboBox::ApplyLookupKey() {
    if (FSettingItemIndex) {
        return;
    }
    const rtl::Variant value(FLookupData->GetItemDisplayText(FLookupData->GetCurrentKey()));
    const bool changed = !rtl::VarSameValue(value, EditValue());
    if (changed && !TryBeginEdit()) {
        return;
    }
    SaveChangeFlags();
    {
        const TComboFlagScope updating(FLookupUpdating);
        try {
            TuiCustomEdit::AssignEditValue(value);
        } catch (...) {
            RestoreChangeFlags();
            throw;
        }
    }
    RestoreChangeFlags();
    if (changed) {
        SetChangedByUser(true);
    }
    SelectAll();
    Invalidate();
}

void TuiCustomComboBox::NotifyIfKeyChanged(int32_t oldKey) {
    if (GetItemIndex() != oldKey) {
        DataBinding().NotifyUserChange();
    }
}

bool TuiCustomComboBox::ShouldSyncList() {
    if (FLookupUpdating) {
        return false;
    }
    if (IsPopupShown()) {
        return true;
    }
    const TuiTextEditingStyle style = GetComboProperties().GetEditingStyle();
    if (style != tesFree) {
        return true;
    }
    if (!HandleAllocated() || !Focused()) {
        return false;
    }
    return rtl::WideUpperCase(GetDisplayText()) !=
           rtl::WideUpperCase(FLookupData->GetItemDisplayText(FLookupData->GetCurrentKey()));
}

void TuiCustomComboBox::HandleUserChange() {
    const int32_t oldKey = GetItemIndex();
    LockChangeEvents(true);
    try {
        TuiCustomDropDownEdit::HandleUserChange();
        if (ShouldSyncList()) {
            FLookupData->TextChanged();
        }
    } catch (...) {
        LockChangeEvents(false);
        throw;
    }
    LockChangeEvents(false);
    if (GetComboProperties().IncrementalSearch()) {
        NotifyIfKeyChanged(oldKey);
    }
}

void TuiCustomComboBox::PropertiesChanged(TuiCustomEditProperties* properties) {
    if (FLookupData) {
        FLookupData->PropertiesChanged();
        if (!FLookupUpdating) {
            FLookupData->TextChanged();
        }
    }
    TuiCustomDropDownEdit::PropertiesChanged(properties);
}

bool TuiCustomComboBox::IsEditableText() {
    return TuiCustomDropDownEdit::IsEditableText() && GetComboProperties().DropDownListStyle() == lsEditList;
}

// Only the free and assisted styles show the inner edit; in the others the editor paints the text itself and the
// edit, which keeps the focus and the keys, lies out of sight.
bool TuiCustomComboBox::IsInnerEditShown() const {
    const TuiTextEditingStyle style = const_cast<TuiCustomComboBox*>(this)->GetComboProperties().GetEditingStyle();
    return style == tesFree || style == tesListAssisted;
}

void TuiCustomComboBox::AlignInnerControl() {
    TuiCustomDropDownEdit::AlignInnerControl();
    if (!IsInnerEditShown()) {
        InnerEdit().SetBounds(InnerEdit().Left(), InnerEdit().Top(), 0, 0);
    }
}

// The popup.

void TuiCustomComboBox::InitLookupPopup() {
    if (PopupWindow() != nullptr) {
        FLookupData->InitializeList(PopupWindow());
    }
}

vcl::TSize TuiCustomComboBox::GetPopupContentSize() {
    const vcl::TSize maxSize = PopupWindow()->GetMaxPopupContentSize();
    TuiCustomComboBoxProperties& properties = GetComboProperties();
    int32_t maxWidth = maxSize.cx;
    if (!properties.PopupSizeable() && !properties.PopupAutoSize()) {
        const vcl::TRect extent = PopupWindow()->ViewInfo().GetClientExtent();
        const int32_t width = properties.DropDownWidth() >= 1 ? properties.DropDownWidth() : Width();
        maxWidth = std::min(width - extent.Left - extent.Right, maxSize.cx);
    }
    return FLookupData->GetListContentSize(maxSize.cy, maxWidth);
}

void TuiCustomComboBox::PositionPopupContent(const vcl::TRect& rect) {
    FLookupData->PositionList(rect);
}

bool TuiCustomComboBox::AdjustPopupContentSize(vcl::TSize& size, vcl::TSize maxSize) {
    return FLookupData->AdjustListSize(size, maxSize.cy, maxSize.cx);
}

void TuiCustomComboBox::SetupPopupWindow() {
    TuiCustomDropDownEdit::SetupPopupWindow();
    PopupWindow()->SetSysPanelStyle(GetComboProperties().DropDownSizeable());
}

void TuiCustomComboBox::PreparePopup() {
    TuiCustomDropDownEdit::PreparePopup();
    if (TuiComboBoxListBox* list = FLookupData->ComboListBox()) {
        list->Invalidate();
    }
}

void TuiCustomComboBox::PopupWindowShown() {
    TuiCustomDropDownEdit::PopupWindowShown();
    TuiComboBoxListBox* list = FLookupData->ComboListBox();
    if (list != nullptr && list->HandleAllocated() && FLookupData->IsPointInList(vcl::Mouse().CursorPos())) {
        SetListSelection(true);
    }
}

bool TuiCustomComboBox::TakeListSelectionFlag() {
    const bool raised = ListSelection();
    SetListSelection(false);
    return raised;
}

void TuiCustomComboBox::ApplyPopupSelection() {
    const int32_t oldKey = GetItemIndex();
    FLookupData->SelectItem();
    if (ChangedByUser()) {
        NotifyIfKeyChanged(oldKey);
    }
}

void TuiCustomComboBox::PopupClosed() {
    if (IsDroppedDownFlag()) {
        FLookupData->SyncListWithCurrentKey();
    }
    TuiCustomDropDownEdit::PopupClosed();
}

// Keys, wheel and clicks.

void TuiCustomComboBox::NavigateAsUser(TuiLookupNavigation direction, bool cycle) {
    const int32_t oldKey = GetItemIndex();
    LockChangeEvents(true);
    try {
        FLookupData->Navigate(direction, cycle);
        NotifyIfKeyChanged(oldKey);
        if (GetItemIndex() != oldKey && IsPostPending() && GetComboProperties().ImmediatePost() &&
            ValidateEnteredText(true)) {
            CommitValue(false);
        }
    } catch (...) {
        LockChangeEvents(false);
        throw;
    }
    LockChangeEvents(false);
}

bool TuiCustomComboBox::HandleNavigationKey(uint16_t key, vcl::TShiftState shift) {
    if (shift.Contains(vcl::ssAlt) || FLookupData->IsEmpty()) {
        return false;
    }
    const bool ctrl = shift.Contains(vcl::ssCtrl);
    const bool listOnly = GetComboProperties().GetEditingStyle() == tesListOnly;
    switch (key) {
    case VK_PRIOR:
        NavigateAsUser(ctrl ? lnFirst : lnPageUp, false);
        return true;
    case VK_NEXT:
        NavigateAsUser(ctrl ? lnLast : lnPageDown, false);
        return true;
    case VK_UP:
        NavigateAsUser(lnPrevious, false);
        return true;
    case VK_DOWN:
        NavigateAsUser(lnNext, false);
        return true;
    case VK_HOME:
        if (listOnly) {
            NavigateAsUser(lnFirst, false);
        }
        return listOnly;
    case VK_END:
        if (listOnly) {
            NavigateAsUser(lnLast, false);
        }
        return listOnly;
    default:
        return false;
    }
}

void TuiCustomComboBox::DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (CanProcessKey(key, shift) && HandleNavigationKey(key, shift)) {
        key = 0;
        return;
    }
    TuiCustomDropDownEdit::DoEditKeyDown(key, shift);
}

// The text becomes the first item the typed prefix begins, the rest of the item selected after the prefix; a
// character that continues no item is dropped.
bool TuiCustomComboBox::SearchTypedCharacter(char16_t character) {
    TuiCustomComboBoxProperties& properties = GetComboProperties();
    const TuiTextEditingStyle style = properties.GetEditingStyle();
    if (style == tesFree || character < u' ' || !properties.IncrementalSearch()) {
        return false;
    }
    if (!TryBeginEdit()) {
        return true;
    }
    const rtl::UnicodeString text = GetDisplayText();
    const int32_t selStart = std::clamp(SelStart(), 0, static_cast<int32_t>(text.size()));
    rtl::UnicodeString candidate;
    if (SelLength() > 0 || (style == tesListOnly && !CompletionActive())) {
        candidate = text.substr(0, SelLength() > 0 ? selStart : 0) + character;
    } else if (style == tesListOnly) {
        candidate = text + character;
    } else {
        candidate = text.substr(0, selStart) + character + text.substr(selStart);
    }
    const int32_t oldKey = GetItemIndex();
    rtl::UnicodeString tail;
    LockChangeEvents(true);
    try {
        bool found = FLookupData->LocateText(candidate, tail, false);
        if (!found && style == tesListOnly && !properties.ListPrefixSelection() && candidate.size() > 1) {
            candidate = rtl::UnicodeString(1, character);
            found = FLookupData->LocateText(candidate, tail, false);
        }
        if (found) {
            FLookupData->SetCurrentKey(FLookupData->GetCurrentKey());
            ApplyLookupKey();
            Select(static_cast<int32_t>(candidate.size()), static_cast<int32_t>(tail.size()));
            SetCompletionActive(true);
            NotifyIfKeyChanged(oldKey);
        }
    } catch (...) {
        LockChangeEvents(false);
        throw;
    }
    LockChangeEvents(false);
    Invalidate();
    return true;
}

// The input method delivers a double-byte character to the inner edit as its two bytes; the first one, with the
// second still pending, stands for the whole character, and the second is then no character of its own.
char16_t TuiCustomComboBox::TypedCharacter(char16_t key) {
    const char trail = InnerEdit().InnerImeLastChar();
    if (trail == '\0' || key > 0xFF) {
        return key;
    }
    const char bytes[2] = {static_cast<char>(key), trail};
    wchar_t wide = 0;
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, bytes, 2, &wide, 1) != 1) {
        return key;
    }
    FSkipImeTrailByte = true;
    return static_cast<char16_t>(wide);
}

void TuiCustomComboBox::DoEditKeyPress(char16_t& key) {
    if (GetComboProperties().GetEditingStyle() == tesFree || key < u' ') {
        TuiCustomDropDownEdit::DoEditKeyPress(key);
        return;
    }
    if (std::exchange(FSkipImeTrailByte, false)) {
        key = 0;
        return;
    }
    const char16_t character = TypedCharacter(key);
    DropDownOnTypedKey(character);
    if (SearchTypedCharacter(character)) {
        key = 0;
        return;
    }
    FSkipImeTrailByte = false;
    TuiCustomDropDownEdit::DoEditKeyPress(key);
}

// With the popup open the wheel scrolls the list; closed, it steps through the items.
bool TuiCustomComboBox::DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) {
    if (TuiCustomDropDownEdit::DoMouseWheel(shift, wheelDelta, mousePos)) {
        return true;
    }
    if (FLookupData->IsEmpty()) {
        return false;
    }
    TuiComboBoxListBox* list = FLookupData->ComboListBox();
    if (IsPopupShown() && list != nullptr && list->HandleAllocated()) {
        SendMessageW(list->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, wheelDelta), MAKELPARAM(mousePos.X, mousePos.Y));
        return true;
    }
    if (!IsPopupShown() && TryBeginEdit()) {
        NavigateAsUser(wheelDelta > 0 ? lnPrevious : lnNext, false);
    }
    return true;
}

// A double click on a closed revertable combo box steps to the next item, from the last back to the first.
void TuiCustomComboBox::DblClick() {
    TuiCustomDropDownEdit::DblClick();
    if (!IsPopupShown() && GetComboProperties().Revertable()) {
        NavigateAsUser(lnNext, true);
    }
}

void TuiCustomComboBox::InnerClick(bool doubleClick) {
    if (doubleClick) {
        TuiCustomDropDownEdit::InnerClick(true);
    }
}

// The popup window.

void TuiComboBoxPopupWindow::CalculateSize() {
    ViewInfo().GripCorner = epgcBottomRight;
    TuiCustomDropDownEdit* edit = GetEditControl();
    if (edit == nullptr) {
        return;
    }
    SetOwnerBounds(edit->GetPopupOwnerBounds());
    const vcl::TRect extent = ViewInfo().GetClientExtent();
    const vcl::TSize minimum = GetMinimumSize();
    const vcl::TSize content = edit->GetPopupContentSize();
    const int32_t ownerWidth = OwnerBounds().Width();
    const bool resized = edit->PopupResized() && Sizeable();
    int32_t width = ownerWidth;
    if (resized || (!AutoSize() && PopupWidth() > 0)) {
        width = PopupWidth();
    } else if (AutoSize()) {
        width = std::max(content.cx + extent.Left + extent.Right, ownerWidth);
    }
    int32_t height = content.cy + extent.Top + extent.Bottom;
    if ((resized || PopupHeight() != 0) && (Sizeable() || !AutoSize())) {
        height = PopupHeight();
    }
    if (Sizeable()) {
        width = std::max(width, MinWidth());
        height = std::max(height, MinHeight());
    }
    SetBounds(Left(), Top(), std::max(width, minimum.cx), std::max(height, minimum.cy));
}

void InitializeComboBoxUnit() {
    GetEditPropertiesRegistry().Register(&TuiComboBoxProperties::StaticClass(),
                                         LoadResStringText(suiSEditRepositoryComboBoxItem));
}

void FinalizeComboBoxUnit() {
    GetEditPropertiesRegistry().Unregister(&TuiComboBoxProperties::StaticClass());
}

} // namespace ui
