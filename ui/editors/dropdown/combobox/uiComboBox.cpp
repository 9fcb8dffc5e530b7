#include "ui/editors/dropdown/combobox/uiComboBox.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/StringUtils.h"
#include "ui/editors/dropdown/combobox/uiComboBoxViewData.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "vcl/controls/pointer/Mouse.h"

#include <algorithm>

namespace ui {

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
    : TuiCustomDropDownEdit(owner, propertiesClass) {
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

// Owner drawing.

TuiCustomComboBoxProperties& TuiCustomComboBox::OwnComboProperties() const {
    return static_cast<TuiCustomComboBoxProperties&>(Properties());
}

TuiCustomComboBoxProperties* TuiCustomComboBox::ItemComboProperties() const {
    return RepositoryItem() != nullptr ? dynamic_cast<TuiCustomComboBoxProperties*>(&RepositoryItem()->Properties())
                                       : nullptr;
}

bool TuiCustomComboBox::IsOwnerDrawn() {
    const TuiCustomComboBoxProperties* item = ItemComboProperties();
    return OwnComboProperties().OnDrawItem() || (item != nullptr && item->OnDrawItem());
}

bool TuiCustomComboBox::HasVariableItemHeights() {
    const TuiCustomComboBoxProperties* item = ItemComboProperties();
    return OwnComboProperties().OnMeasureItem() || (item != nullptr && item->OnMeasureItem());
}

void TuiCustomComboBox::DoDrawItem(TuiCanvas& canvas, int32_t index, const vcl::TRect& rect,
                                   vcl::TOwnerDrawState state) {
    if (const auto& handler = OwnComboProperties().OnDrawItem()) {
        handler(this, canvas, index, rect, state);
    }
    const TuiCustomComboBoxProperties* item = ItemComboProperties();
    if (item != nullptr && item->OnDrawItem()) {
        item->OnDrawItem()(this, canvas, index, rect, state);
    }
}

void TuiCustomComboBox::DoMeasureItem(int32_t index, int32_t& height) {
    if (const auto& handler = OwnComboProperties().OnMeasureItem()) {
        handler(this, index, height);
    }
    const TuiCustomComboBoxProperties* item = ItemComboProperties();
    if (item != nullptr && item->OnMeasureItem()) {
        item->OnMeasureItem()(this, index, height);
    }
}

void TuiCustomComboBox::InitViewData(TuiCustomEditViewData& viewData) {
    TuiCustomDropDownEdit::InitViewData(viewData);
    if (auto* combo = dynamic_cast<TuiCustomComboBoxViewData*>(&viewData)) {
        combo->Editor = this;
        combo->EditorItemIndex = GetItemIndex();
    }
}

// Items and text.

// The list styles paint the text themselves rather than through the inner edit.
void TuiCustomComboBox::SetDisplayValue(const rtl::Variant& value) {
    TuiCustomDropDownEdit::SetDisplayValue(value);
    if (!IsInnerEditShown()) {
        Invalidate();
    }
}

void TuiCustomComboBox::NotifyIfKeyChanged(int32_t oldKey) {
    if (GetItemIndex() != oldKey) {
        DataBinding().NotifyUserChange();
    }
}

// A free text follows the items only while the list shows or when the user typed another text than the item's.
bool TuiCustomComboBox::ShouldSyncList() {
    if (!TuiCustomDropDownEdit::ShouldSyncList()) {
        return false;
    }
    if (IsPopupShown() || GetComboProperties().GetEditingStyle() != tesFree) {
        return true;
    }
    if (!HandleAllocated() || !Focused()) {
        return false;
    }
    return rtl::WideUpperCase(GetDisplayText()) !=
           rtl::WideUpperCase(LookupData().GetItemDisplayText(LookupData().GetCurrentKey()));
}

bool TuiCustomComboBox::IsEditableText() {
    return TuiCustomDropDownEdit::IsEditableText() && GetComboProperties().DropDownListStyle() == lsEditList;
}

// The popup.

void TuiCustomComboBox::InitLookupPopup() {
    if (PopupWindow() == nullptr) {
        return;
    }
    LookupData().InitializeList(PopupWindow());
    if (TuiComboBoxListBox* list = LookupData().ComboListBox()) {
        list->LookAndFeel().SetMaster(&PopupWindow()->Style().LookAndFeel());
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
    return LookupData().GetListContentSize(maxSize.cy, maxWidth);
}

void TuiCustomComboBox::PositionPopupContent(const vcl::TRect& rect) {
    LookupData().PositionList(rect);
}

bool TuiCustomComboBox::AdjustPopupContentSize(vcl::TSize& size, vcl::TSize maxSize) {
    return LookupData().AdjustListSize(size, maxSize.cy, maxSize.cx);
}

void TuiCustomComboBox::SetupPopupWindow() {
    TuiCustomDropDownEdit::SetupPopupWindow();
    PopupWindow()->SetSysPanelStyle(GetComboProperties().DropDownSizeable());
}

void TuiCustomComboBox::PreparePopup() {
    TuiCustomDropDownEdit::PreparePopup();
    if (TuiComboBoxListBox* list = LookupData().ComboListBox()) {
        list->Invalidate();
    }
}

void TuiCustomComboBox::PopupWindowShown() {
    TuiCustomDropDownEdit::PopupWindowShown();
    TuiComboBoxListBox* list = LookupData().ComboListBox();
    if (list != nullptr && list->HandleAllocated() && LookupData().IsPointInList(vcl::Mouse().CursorPos())) {
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
    LookupData().SelectItem();
    if (ChangedByUser()) {
        NotifyIfKeyChanged(oldKey);
    }
}

namespace {

// Posted to the combo box after a paste opened its popup.
constexpr uint32_t UI_COMBOBOXPASTED = 0x8097;

} // namespace

void TuiCustomComboBox::PopupOpenedByPaste() {
    if (HandleAllocated()) {
        PostMessageW(WindowHandle(), UI_COMBOBOXPASTED, 0, 0);
    }
}

void TuiCustomComboBox::SyncListWithPastedText() {
    if (!IsPopupShown()) {
        return;
    }
    const int32_t oldKey = GetItemIndex();
    LookupData().TextChanged();
    NotifyIfKeyChanged(oldKey);
    const rtl::UnicodeString text = GetDisplayText();
    switch (GetComboProperties().GetEditingStyle()) {
    case tesFree:
        SetCompletionActive(static_cast<int32_t>(text.size()) == SelStart() && LookupData().HasItemWithText(text));
        break;
    case tesListOnly:
        SetCompletionActive(true);
        break;
    default:
        break;
    }
}

void TuiCustomComboBox::Dispatch(vcl::TMessage& message) {
    if (message.Msg == UI_COMBOBOXPASTED) {
        SyncListWithPastedText();
        return;
    }
    TuiCustomDropDownEdit::Dispatch(message);
}

void TuiCustomComboBox::PopupClosed() {
    if (IsDroppedDownFlag()) {
        LookupData().SyncListWithCurrentKey();
    }
    TuiCustomDropDownEdit::PopupClosed();
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

} // namespace ui
