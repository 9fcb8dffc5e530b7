#pragma once
// TuiCustomCalendar: a month calendar drawn by the control itself: a header with the month (and the year) caption
// between stepping arrows, a row of weekday names, six weeks of days, an optional column of week numbers and a bar of
// date buttons (Today and Clear; in the date-time kind also Now and OK). The date-time kind shows the chosen date and
// time as a line at the top, an analogue clock and a time editor beside the days. A press on the month caption opens
// the month list. The control always takes the size its font and kind give it.
// Its layout (uiCalendarLayout.cpp), painting (uiCalendarPaint.cpp) and
// input (uiCalendarInput.cpp) live beside this file.

#include "rtl/core/SmallSet.h"
#include "rtl/time/DateTime.h"
#include "ui/core/controls/control/uiControl.h"
#include "ui/core/controls/services/uiMouseTracking.h"
#include "ui/editors/dropdown/edit/uiDropDownEdit.h"
#include "ui/editors/spin/uiTimeEditRules.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace ui {

class TuiButton;
class TuiClock;
class TuiMonthListBox;
class TuiTimeEdit;
class TuiTimer;

// The date buttons; each button's Tag is its value.
enum TCalendarButton : uint8_t { btnClear, btnNow, btnToday, btnOk };
// The buttons a program chooses (OK comes with the date-time kind).
using TDateButtons = rtl::TSmallSet<TCalendarButton>;
enum TuiCalendarKind : uint8_t { ckDate, ckDateTime };
// The caption under the pointer.
enum TuiCalendarHotCaption : uint8_t { chcNone, chcMonth, chcYear };
// The header's arrows.
enum TuiCalendarArrow : uint8_t { caPreviousMonth, caNextMonth, caPreviousYear, caNextYear };

// The sizes the calendar lays itself out by, from its font.
struct TuiCalendarMetrics {
    int32_t ColumnWidth = 0;
    int32_t CalendarWidth = 0;
    int32_t ClockSize = 0;
    int32_t ButtonsIndent = 0;
    int32_t HeaderHeight = 0;
    int32_t DayNamesHeight = 0;
    int32_t RowHeight = 0;
    int32_t SideMargin = 0;
    int32_t ButtonWidth = 0;
    int32_t ButtonHeight = 0;
    int32_t ButtonBarPadding = 0;
    int32_t ButtonBarHeight = 0;
    int32_t WeekNumberWidth = 0;
};

class TuiCustomCalendar : public TuiControl, public IuiMouseTrackingCaller {
    RTL_DECLARE_CLASS(TuiCustomCalendar, TuiControl)
public:
    // The arrows repeat while held at this interval.
    static constexpr uint32_t StepInterval = 200;

    explicit TuiCustomCalendar(rtl::TComponent* owner);
    ~TuiCustomCalendar() override;

    // The header shows month and year as two captions, each between its own arrows.
    bool ArrowsForYear() const { return FArrowsForYear; }
    void SetArrowsForYear(bool value);
    TDateButtons DateButtons() const { return FDateButtons; }
    void SetDateButtons(TDateButtons value);
    // Flat header and button bar.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    TuiCalendarKind Kind() const { return FKind; }
    void SetKind(TuiCalendarKind value);
    bool WeekNumbers() const { return FWeekNumbers; }
    void SetWeekNumbers(bool value);
    // The scrolling month list lists years too (read when the list opens).
    bool YearsInMonthList() const { return FYearsInMonthList; }
    void SetYearsInMonthList(bool value) { FYearsInMonthList = value; }
    // The time editor's format and clock.
    void SetTimeFormat(TuiTimeEditTimeFormat value);
    void SetUse24HourFormat(bool value);

    // Day 1 of the month shown.
    rtl::TDateTime MonthStart() const { return FMonthStart; }
    // Shows the month that holds date; a date outside the supported range is ignored.
    virtual void SetMonthStart(rtl::TDateTime date);
    // The chosen date; the null date for none.
    rtl::TDateTime CurrentDate() const { return FCurrentDate; }
    // Chooses date (a date outside the supported range is ignored); with followMonth the month shown follows.
    void SetCurrentDate(bool followMonth, rtl::TDateTime date);
    // Chooses date, the month following.
    virtual void ChooseDate(rtl::TDateTime date) { SetCurrentDate(true, date); }
    // One step of an arrow.
    void StepBy(TuiCalendarArrow arrow);
    TuiCalendarHotCaption HotCaption() const { return FHotCaption; }

    // Lays the control out for its font and kind; only while its window exists.
    virtual void Recalculate();
    // The size its font and kind give it.
    virtual vcl::TSize GetOptimalSize();
    virtual void UpdateHotCaption();
    // Ends the arrows' repeating and closes the month list.
    virtual void ClosePopup(rtl::TObject* sender, TuiPopupCloseReason reason);
    // The date of a day cell, column 0 .. 6 and row 0 .. 5.
    rtl::TDateTime CellDate(int32_t column, int32_t row) const;
    // The day cell's rectangle.
    vcl::TRect CellRect(int32_t column, int32_t row) const;
    // The date of the cell under a client point, the null date where there is none.
    virtual rtl::TDateTime DateAtPoint(vcl::TPoint point) const;
    rtl::TDateTime LastDayOfMonth() const;
    void FireDateChosen();

    const TuiCalendarMetrics& Metrics() const { return FMetrics; }
    const vcl::TRect& ArrowRect(TuiCalendarArrow arrow) const { return FArrowRects[arrow]; }
    const vcl::TRect& BodyRect() const { return FBodyRect; }
    const vcl::TRect& DateTimeTextRect() const { return FDateTimeTextRect; }
    const vcl::TRect& HeaderRect() const { return FHeaderRect; }
    const vcl::TRect& MonthCaptionRect() const { return FMonthCaptionRect; }
    const vcl::TRect& YearCaptionRect() const { return FYearCaptionRect; }
    // The gap between the date-time line and the days, and where the days begin, in the date-time kind.
    int32_t ClockGap() const;
    vcl::TPoint DateTimeAreaOffset() const;

    TuiButton& TodayButton() const { return *FButtons[btnToday]; }
    TuiButton& NowButton() const { return *FButtons[btnNow]; }
    TuiButton& ClearButton() const { return *FButtons[btnClear]; }
    TuiButton& OkButton() const { return *FButtons[btnOk]; }
    TuiClock& Clock() const { return *FClock; }
    TuiTimeEdit& TimeEdit() const { return *FTimeEdit; }
    TuiMonthListBox& MonthList() const { return *FMonthList; }
    // Repeats the arrow under the pointer while a press on it lasts.
    TuiTimer& StepTimer() const { return *FStepTimer; }

    const rtl::TNotifyEvent& OnDateChosen() const { return FOnDateChosen; }
    void SetOnDateChosen(rtl::TNotifyEvent handler) { FOnDateChosen = std::move(handler); }

    // IuiMouseTrackingCaller: the pointer left the control.
    void MouseLeave() override { UpdateHotCaption(); }
    bool ErasesBackground() const override;

protected:
    void Paint() override;
    void InitControl() override;
    void RefreshState() override;
    void FontChanged() override;
    bool CanResize(int32_t& newWidth, int32_t& newHeight) override;
    void LookAndFeelChanged(TuiLookAndFeel* sender, TuiLookAndFeelValues changedValues) override;
    void MouseEnter(vcl::TControl* control) override;
    void MouseLeave(vcl::TControl* control) override;
    void KeyDown(uint16_t& key, vcl::TShiftState shift) override;
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) override;
    void MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) override;
    void DblClick() override;
    bool DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) override;

    // Makes the caption hot (not without the reason a descendant has to keep it cold).
    void SetHotCaption(TuiCalendarHotCaption value);
    // The caption under a client point.
    TuiCalendarHotCaption CaptionAt(vcl::TPoint point) const;
    // The arrow under a client point, -1 for none.
    int32_t ArrowAt(vcl::TPoint point) const;
    bool IsMonthListShowing() const;
    // The value a date button gives.
    rtl::TDateTime ButtonValue(TCalendarButton button) const;

private:
    using TArrowRects = std::array<vcl::TRect, 4>;

    void CreateChildren();
    void UpdateCaptions();
    void ButtonClick(rtl::TObject* sender);
    void TimeEditChanged();
    void StepUnderMouse();
    vcl::TPoint CursorClientPos() const;
    // Whether the button shows: Clear and Today as the program chooses, Now too in the date-time kind, OK with it.
    bool IsButtonShown(TCalendarButton button) const;
    int32_t ShownButtonCount() const;
    bool HasButtonBar() const;
    void UpdateTabStops();
    // Layout (uiCalendarLayout.cpp).
    void CalculateMetrics();
    int32_t WeekNumberColumnWidth() const;
    int32_t TimeEditWidth();
    int32_t TopMargin() const;
    int32_t BorderWidth() const;
    bool IsOffice11() const;
    void PlaceChildren();
    void PlaceDateButtons();
    void PlaceDateTimeButtons();
    void CalculateRects();
    void CalculateArrowRects(int32_t top, int32_t bottom);
    vcl::TRect GridRect() const;
    // Painting (uiCalendarPaint.cpp).
    vcl::TColor FaceColor() const;
    void PaintDateTimeText(TuiCanvas& canvas);
    void PaintHeader(TuiCanvas& canvas);
    void PaintArrows(TuiCanvas& canvas, bool plain);
    void PaintCaptions(TuiCanvas& canvas);
    void PaintHeaderFrame(TuiCanvas& canvas);
    void PaintBody(TuiCanvas& canvas);
    void PaintDayNames(TuiCanvas& canvas);
    void PaintDays(TuiCanvas& canvas);
    void PaintWeekNumbers(TuiCanvas& canvas);
    void PaintButtonBar(TuiCanvas& canvas);
    void PaintRest(TuiCanvas& canvas);

    bool FArrowsForYear = true;
    rtl::TDateTime FMonthStart = 0;
    bool FFlat = true;
    TuiCalendarHotCaption FHotCaption = chcNone;
    TuiCalendarKind FKind = ckDate;
    TuiMonthListBox* FMonthList = nullptr; // owned by this control as a component
    std::array<TuiButton*, 4> FButtons{};  // owned by this control as components
    TuiClock* FClock = nullptr;            // owned by this control as a component
    TuiTimeEdit* FTimeEdit = nullptr;      // owned by this control as a component
    rtl::TDateTime FCurrentDate = 0;
    TuiCalendarMetrics FMetrics;
    bool FMetricsValid = false;
    std::unique_ptr<TuiTimer> FStepTimer;
    TArrowRects FArrowRects{};
    vcl::TRect FBodyRect;
    vcl::TRect FDateTimeTextRect;
    vcl::TRect FHeaderRect;
    vcl::TRect FMonthCaptionRect;
    vcl::TRect FYearCaptionRect;
    bool FWeekNumbers = false;
    TDateButtons FDateButtons{btnClear, btnToday};
    bool FYearsInMonthList = true;
    rtl::TNotifyEvent FOnDateChosen;
};

} // namespace ui
