#pragma once
// TuiMonthListBox: the list of months a calendar opens over its month caption. Scrolling, it takes the press on the
// caption on as a drag: the entry under the pointer is hot, a drag above or below the list scrolls it faster the
// further away the pointer is, and the release moves the calendar to the hot month. Fixed to the months of the shown
// year, it is clicked like a menu. It leaves the keyboard focus with the calendar.

#include "ui/core/controls/popups/uiCustomPopupWindow.h"
#include "ui/editors/calendar/uiMonthListEntries.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace ui {

class TuiCustomCalendar;
class TuiTimer;

class TuiMonthListBox : public TuiCustomPopupWindow {
    RTL_DECLARE_CLASS(TuiMonthListBox, TuiCustomPopupWindow)
public:
    // The list of calendar, which also owns it.
    explicit TuiMonthListBox(TuiCustomCalendar* calendar);
    ~TuiMonthListBox() override;

    // Opens the list for the calendar's shown month.
    void PopupFocused(vcl::TWinControl* control) override;
    vcl::TPoint CalculatePosition() override;
    void CalculateSize() override;
    // Closes the list; scrolling, the calendar moves to the hot month.
    void CloseUp() override;

    // Whether the list opened scrolling (meaningful while it shows).
    bool Scrolling() const { return FEntries && FEntries->Scrolling(); }
    int32_t ItemCount() const { return FEntries ? FEntries->ItemCount() : 0; }
    int32_t ItemHeight() const { return FItemHeight; }
    int32_t HotIndex() const { return FHotIndex; }
    // The first day of the month the entry at index shows.
    rtl::TDateTime EntryDate(int32_t index) const { return FEntries->EntryDate(index); }
    // The month the hot entry shows; none without a hot entry.
    std::optional<rtl::TDateTime> HotDate() const;
    // The row of an entry, in client coordinates.
    vcl::TRect ItemRect(int32_t index) const;
    TuiTimer& ScrollTimer() const { return *FScrollTimer; }

protected:
    void CreateParams(vcl::TCreateParams& params) override;
    void Paint() override;
    void FireShowedEvent() override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void Click() override;

private:
    void SetHotIndex(int32_t value);
    void ScrollStep();
    void ScrollFrom(int32_t y);

    TuiCustomCalendar& FCalendar; // not owned: the owner
    std::optional<TuiMonthListEntries> FEntries;
    vcl::TPoint FPopupPosition;
    int32_t FItemHeight = 0;
    int32_t FHotIndex = -1;
    int32_t FScrollDirection = 1;
    std::unique_ptr<TuiTimer> FScrollTimer;
};

} // namespace ui
