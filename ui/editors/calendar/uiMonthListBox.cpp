#include "ui/editors/calendar/uiMonthListBox.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/data/dates/uiDateDisplay.h"
#include "ui/editors/calendar/uiCalendar.h"

#include <algorithm>

namespace ui {

TuiMonthListBox::TuiMonthListBox(TuiCustomCalendar* calendar)
    : TuiCustomPopupWindow(calendar), FCalendar(*calendar), FScrollTimer(std::make_unique<TuiTimer>(nullptr)) {
    vcl::TControlStyle style = ControlStyle();
    style.Include(vcl::csCaptureMouse);
    style.Include(vcl::csOpaque);
    SetControlStyle(style);
    SetCaptureFocus(false);
    SetFollowParentTopMost(true);
    SetAdjustable(false);
    FScrollTimer->SetEnabled(false);
    FScrollTimer->SetOnTimer([this](rtl::TObject*) { ScrollStep(); });
}

TuiMonthListBox::~TuiMonthListBox() = default;

void TuiMonthListBox::CreateParams(vcl::TCreateParams& params) {
    TuiCustomPopupWindow::CreateParams(params);
    params.WindowClass.Style |= CS_SAVEBITS;
}

void TuiMonthListBox::PopupFocused(vcl::TWinControl* control) {
    if (IsShown()) {
        return;
    }
    FEntries.emplace(*GetDefaultCalendarTable(), FCalendar.MonthStart(),
                     MonthListScrolls(FCalendar.ArrowsForYear(), FCalendar.YearsInMonthList()));
    vcl::TControlStyle style = ControlStyle();
    if (FEntries->Scrolling()) {
        style.Exclude(vcl::csClickEvents);
    } else {
        style.Include(vcl::csClickEvents);
    }
    SetControlStyle(style);
    Font().Assign(&FCalendar.Font());
    FItemHeight = FCalendar.Metrics().HeaderHeight - 2;
    FHotIndex = -1;
    TuiCustomPopupWindow::PopupFocused(control);
}

void TuiMonthListBox::CalculateSize() {
    SetBounds(Left(), Top(), 6 * FCalendar.Metrics().ColumnWidth + 2, ItemCount() * FItemHeight + 2);
}

// Centred on the calendar's month caption.
vcl::TPoint TuiMonthListBox::CalculatePosition() {
    const vcl::TRect caption = FCalendar.MonthCaptionRect();
    const vcl::TPoint topLeft = FCalendar.ClientToScreen({caption.Left, caption.Top});
    return {topLeft.X + (caption.Width() - Width()) / 2, topLeft.Y + caption.Height() / 2 - Height() / 2};
}

// Scrolling, the press on the caption goes on as a drag in the list.
void TuiMonthListBox::FireShowedEvent() {
    if (Scrolling()) {
        SetCapture(WindowHandle());
    } else {
        ReleaseCapture();
    }
    TuiCustomPopupWindow::FireShowedEvent();
}

std::optional<rtl::TDateTime> TuiMonthListBox::HotDate() const {
    return FEntries ? FEntries->HotDate(FHotIndex) : std::nullopt;
}

void TuiMonthListBox::CloseUp() {
    if (HandleAllocated() && GetCapture() == WindowHandle()) {
        ReleaseCapture();
    }
    if (!IsShown()) {
        return;
    }
    const std::optional<rtl::TDateTime> chosen = Scrolling() ? HotDate() : std::nullopt;
    TuiCustomPopupWindow::CloseUp();
    FScrollTimer->SetEnabled(false);
    if (chosen) {
        FCalendar.SetMonthStart(*chosen);
    }
}

vcl::TRect TuiMonthListBox::ItemRect(int32_t index) const {
    const int32_t top = 1 + index * FItemHeight;
    return {1, top, ClientWidth() - 1, top + FItemHeight};
}

void TuiMonthListBox::SetHotIndex(int32_t value) {
    if (!HandleAllocated() || value == FHotIndex) {
        return;
    }
    for (const int32_t index : {FHotIndex, value}) {
        if (index >= 0) {
            const vcl::TRect rect = ItemRect(index);
            const RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
            InvalidateRect(WindowHandle(), &area, FALSE);
        }
    }
    FHotIndex = value;
}

void TuiMonthListBox::Paint() {
    TuiCanvas& canvas = PopupCanvas();
    canvas.FrameRect(ClientRect(), vcl::clBlack);
    canvas.SetFont(Font());
    canvas.Brush().SetStyle(vcl::bsClear);
    const TuiCustomCalendarTable& table = *GetDefaultCalendarTable();
    for (int32_t index = 0; index < ItemCount(); ++index) {
        const bool hot = index == FHotIndex;
        const vcl::TRect row = ItemRect(index);
        canvas.FillRectColor(row, hot ? vcl::clWindowText : FCalendar.Color());
        if (!FEntries->HasText(index)) {
            continue;
        }
        const rtl::TDateTime date = EntryDate(index);
        canvas.Font().SetColor(hot ? FCalendar.Color() : vcl::clWindowText);
        canvas.DrawText(Scrolling() ? CalendarMonthYearText(&table, date) : CalendarMonthName(&table, date), row,
                        tfAlignHCenter | tfAlignVCenter | tfSingleLine);
    }
}

void TuiMonthListBox::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomPopupWindow::MouseMove(shift, x, y);
    if (!FEntries) {
        return;
    }
    if (ClientRect().Contains({x, y})) {
        FScrollTimer->SetEnabled(false);
        SetHotIndex(std::clamp((y - 1) / std::max(FItemHeight, 1), 0, ItemCount() - 1));
        return;
    }
    SetHotIndex(-1);
    if (Scrolling()) {
        ScrollFrom(y);
    }
}

// The further the pointer is above or below the list, the faster it scrolls; beside the list it stops.
void TuiMonthListBox::ScrollFrom(int32_t y) {
    const std::optional<TuiMonthListScroll> scroll = MonthListScrollAt(y, ClientHeight(), FItemHeight);
    if (!scroll) {
        FScrollTimer->SetEnabled(false);
        return;
    }
    FScrollDirection = scroll->Direction;
    if (FScrollTimer->Enabled() && FScrollTimer->Interval() == scroll->Interval) {
        return;
    }
    FScrollTimer->SetInterval(scroll->Interval);
    FScrollTimer->SetEnabled(true);
}

void TuiMonthListBox::ScrollStep() {
    if (FEntries && FEntries->Scroll(FScrollDirection)) {
        Invalidate();
    }
}

void TuiMonthListBox::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    TuiCustomPopupWindow::MouseUp(button, shift, x, y);
    if (Scrolling()) {
        CloseUp();
    }
}

void TuiMonthListBox::Click() {
    TuiCustomPopupWindow::Click();
    if (Scrolling()) {
        return;
    }
    const std::optional<rtl::TDateTime> chosen = HotDate();
    CloseUp();
    if (chosen) {
        FCalendar.SetMonthStart(*chosen);
    }
}

} // namespace ui
