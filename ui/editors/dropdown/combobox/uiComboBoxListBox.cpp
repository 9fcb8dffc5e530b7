#include "ui/editors/dropdown/combobox/uiComboBoxListBox.h"

#include "rtl/WindowsApi.h"
#include "ui/editors/dropdown/combobox/uiComboBox.h"
#include "ui/editors/dropdown/popup/uiEditPopupWindow.h"

#include <algorithm>

namespace ui {

TuiCustomComboBox* TuiComboBoxListBox::ComboBox() const {
    const auto* popup = dynamic_cast<const TuiCustomEditPopupWindow*>(Owner());
    return popup != nullptr ? dynamic_cast<TuiCustomComboBox*>(popup->GetEditControl()) : nullptr;
}

int32_t TuiComboBoxListBox::GetItemHeight(int32_t index) {
    TuiCustomComboBox* combo = ComboBox();
    const int32_t fixed = combo != nullptr ? combo->GetComboProperties().ItemHeight() : 0;
    int32_t height = fixed > 0 ? fixed : TuiCustomEditListBox::GetItemHeight(index);
    if (index >= 0 && combo != nullptr && combo->HasVariableItemHeights()) {
        combo->DoMeasureItem(index, height);
    }
    return height;
}

void TuiComboBoxListBox::UpdateItemMetrics() {
    TuiCustomComboBox* combo = ComboBox();
    SetItemHeight(GetItemHeight(-1));
    SetStyle(combo != nullptr && combo->HasVariableItemHeights() ? vcl::lbOwnerDrawVariable : vcl::lbOwnerDrawFixed);
}

bool TuiComboBoxListBox::DoDrawItem(int32_t index, const vcl::TRect& rect, vcl::TOwnerDrawState state) {
    TuiCustomComboBox* combo = ComboBox();
    if (combo == nullptr || !combo->IsOwnerDrawn()) {
        return false;
    }
    combo->DoDrawItem(InnerCanvas(), index, rect, state);
    return true;
}

int32_t TuiComboBoxListBox::GetItemsHeight(int32_t count) {
    int32_t height = 0;
    for (int32_t i = 0; i < count; ++i) {
        height += GetItemHeight(i);
    }
    return height;
}

// The first move after the popup opened under the pointer leaves the selection where the editor put it.
void TuiComboBoxListBox::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    if (TuiCustomComboBox* combo = ComboBox(); combo != nullptr && combo->TakeListSelectionFlag()) {
        return;
    }
    TuiCustomEditListBox::MouseMove(shift, x, y);
}

void TuiComboBoxListBox::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomEditListBox::MouseUp(button, shift, x, y);
    const int32_t index = button == vcl::mbLeft ? ItemAtPos({x, y}, true) : -1;
    TuiCustomComboBox* combo = ComboBox();
    if (index < 0 || combo == nullptr) {
        return;
    }
    SetMouseCapture(false);
    SelectItemIndex(index);
    combo->CloseUp(pcrAccept);
}

vcl::TSize TuiComboBoxLookupData::GetListContentSize(int32_t maxHeight, int32_t maxWidth) {
    TuiComboBoxListBox* list = ComboListBox();
    if (list == nullptr) {
        return {0, 0};
    }
    const int32_t count = GetItemCount();
    const int32_t rows = std::min(Owner().LookupProperties().GetDropDownRowCount(), count);
    vcl::TSize size{0, list->GetItemsHeight(rows)};
    for (int32_t i = 0; i < count; ++i) {
        size.cx = std::max(size.cx, list->GetItemWidth(i));
    }
    size.cx += 4;
    if (rows < count || (maxHeight > 0 && maxHeight < size.cy)) {
        size.cx += GetSystemMetrics(SM_CXVSCROLL);
    }
    if (maxWidth > 0 && maxWidth < size.cx) {
        size.cy += GetSystemMetrics(SM_CYHSCROLL);
    }
    return size;
}

bool TuiComboBoxLookupData::AdjustListSize(vcl::TSize& size, int32_t maxHeight, int32_t maxWidth) {
    TuiComboBoxListBox* list = ComboListBox();
    if (list == nullptr || (size.cx == list->Width() && size.cy == list->Height())) {
        return true;
    }
    const int32_t count = GetItemCount();
    const bool shrinking = size.cy < list->Height();
    const int32_t scrollHeight = maxWidth > 0 && size.cx > maxWidth ? GetSystemMetrics(SM_CYHSCROLL) : 0;
    const auto fits = [maxHeight](int32_t height) { return maxHeight <= 0 || height <= maxHeight; };
    int32_t sum = 0;
    int32_t result = -1;
    bool verticalBar = false;
    for (int32_t i = 0; i < count && result < 0; ++i) {
        const int32_t candidate = sum + list->GetItemHeight(i) + scrollHeight;
        verticalBar = i < count - 1;
        if (candidate == size.cy && fits(candidate)) {
            result = candidate;
        } else if (candidate > size.cy || !fits(candidate)) {
            // The item that crosses the proposed edge stays when the list shrinks, goes when it grows; the first
            // item always stays.
            result = (shrinking && fits(candidate)) || i == 0 ? candidate : sum + scrollHeight;
            verticalBar = verticalBar || result != candidate;
        }
        sum += list->GetItemHeight(i);
    }
    if (result < 0) {
        result = sum + scrollHeight;
        verticalBar = false;
    }
    size.cy = result;
    if (verticalBar) {
        size.cx = std::max(size.cx, GetSystemMetrics(SM_CXVSCROLL));
    }
    return true;
}

} // namespace ui
