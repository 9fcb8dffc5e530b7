// The combo box's own input: double clicks and a drag from the button into the list. Typing, the arrow and page keys
// and the wheel go through the text editor's lookup.

#include "rtl/WindowsApi.h"
#include "ui/editors/dropdown/uiComboBox.h"

namespace ui {

// A double click on a closed revertable combo box steps to the next item, from the last back to the first.
void TuiCustomComboBox::DblClick() {
    TuiCustomDropDownEdit::DblClick();
    if (!IsPopupShown() && GetComboProperties().Revertable()) {
        NavigateLookup(lnNext, true);
    }
}

// The button still held after the press that opened the list: over the list the press moves into it, so the
// release there takes the item the pointer went to.
void TuiCustomComboBox::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomDropDownEdit::MouseMove(shift, x, y);
    TuiComboBoxListBox* list = LookupData().ComboListBox();
    if (!IsPopupShown() || !MouseCapture() || list == nullptr || !list->HandleAllocated()) {
        return;
    }
    const vcl::TPoint screen = ClientToScreen({x, y});
    if (!LookupData().IsPointInList(screen)) {
        return;
    }
    const vcl::TPoint point = list->ScreenToClient(screen);
    SendMessageW(list->Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(point.X, point.Y));
}

void TuiCustomComboBox::InnerClick(bool doubleClick) {
    if (doubleClick) {
        TuiCustomDropDownEdit::InnerClick(true);
    }
}

} // namespace ui
