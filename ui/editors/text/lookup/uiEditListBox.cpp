#include "ui/editors/text/lookup/uiEditListBox.h"

#include "rtl/WindowsApi.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/Font.h"

namespace ui {

TuiCustomEditListBox::TuiCustomEditListBox(rtl::TComponent* owner) : TuiCustomInnerListBox(owner) {
    SetStyle(vcl::lbOwnerDrawFixed);
}

void TuiCustomEditListBox::SelectItemIndex(int32_t index) {
    SetItemIndex(index);
    NotifySelectionChanged();
}

void TuiCustomEditListBox::SetItemCount(int32_t count) {
    count = std::max(count, 0);
    rtl::TStringList& items = Items();
    if (items.Count() == count) {
        return;
    }
    items.BeginUpdate();
    while (items.Count() < count) {
        items.Add(u"");
    }
    while (items.Count() > count) {
        items.Delete(items.Count() - 1);
    }
    items.EndUpdate();
}

bool TuiCustomEditListBox::IsListVisible() {
    return HandleAllocated() && IsWindowVisible(Handle()) != 0;
}

rtl::UnicodeString TuiCustomEditListBox::GetItemText(int32_t index) {
    return index >= 0 && index < Items().Count() ? Items().Get(index) : rtl::UnicodeString();
}

int32_t TuiCustomEditListBox::GetItemHeight(int32_t) {
    Canvas().Font().Assign(&Font());
    return Canvas().TextHeight(u"Wg");
}

int32_t TuiCustomEditListBox::GetItemWidth(int32_t index) {
    Canvas().Font().Assign(&Font());
    return Canvas().TextWidth(GetItemText(index));
}

void TuiCustomEditListBox::UpdateItemMetrics() {
    SetItemHeight(GetItemHeight(0));
}

void TuiCustomEditListBox::MeasureItem(int32_t index, int32_t& height) {
    height = GetItemHeight(index);
}

// The state's brush fills the row; the text stands two pixels in from the leading side, centred vertically.
void TuiCustomEditListBox::DrawItem(int32_t index, const vcl::TRect& rect, vcl::TOwnerDrawState state) {
    if (DoDrawItem(index, rect, state)) {
        return;
    }
    vcl::TCanvas& canvas = Canvas();
    canvas.FillRect(rect);
    if (index < 0 || index >= Items().Count()) {
        return;
    }
    const rtl::UnicodeString text = GetItemText(index);
    canvas.RequireFont();
    canvas.RequireBrush();
    const int oldMode = SetBkMode(canvas.Handle(), TRANSPARENT);
    RECT textRect{rect.Left + 2, rect.Top, rect.Right, rect.Bottom};
    DrawTextW(canvas.Handle(), reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    SetBkMode(canvas.Handle(), oldMode);
}

void TuiCustomEditListBox::Click() {
    TuiCustomInnerListBox::Click();
    NotifySelectionChanged();
}

void TuiCustomEditListBox::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomInnerListBox::MouseMove(shift, x, y);
    if (MouseCapture() || !FHotTrack) {
        return;
    }
    const int32_t index = ItemAtPos({x, y}, false);
    if (index >= 0 && index < Items().Count() && index != ItemIndex()) {
        SelectItemIndex(index);
    }
}

// What the container does not take scrolls the list by the system's wheel lines.
bool TuiCustomEditListBox::DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) {
    if (TuiCustomInnerListBox::DoMouseWheel(shift, wheelDelta, mousePos)) {
        return true;
    }
    if (!HandleAllocated()) {
        return false;
    }
    const WPARAM code = wheelDelta > 0 ? SB_LINEUP : SB_LINEDOWN;
    for (int32_t i = 0; i < vcl::Mouse().WheelScrollLines(); ++i) {
        SendMessageW(Handle(), WM_VSCROLL, code, 0);
    }
    return true;
}

void TuiCustomEditListBox::NotifySelectionChanged() {
    UpdateScrollBars();
    if (FOnSelectionChanged) {
        FOnSelectionChanged(this);
    }
}

} // namespace ui
