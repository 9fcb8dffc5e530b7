#pragma once
// TuiClock: an analogue clock face showing a time of day, drawn by the look and feel's painter. The calendar's
// date-time kind shows it beside the day grid and keeps it in step with its time editor.

#include "rtl/time/DateTime.h"
#include "ui/core/controls/control/uiControl.h"

namespace ui {

class TuiClock : public TuiControl {
    RTL_DECLARE_CLASS(TuiClock, TuiControl)
public:
    explicit TuiClock(rtl::TComponent* owner);

    // The time of day shown: only the fraction of a day is kept.
    rtl::TDateTime Time() const { return FTime; }
    void SetTime(rtl::TDateTime value);
    // The look's editor colour where the control keeps the window colour and the look has one of its own, else Color.
    vcl::TColor FaceColor() const;

protected:
    void Paint() override;

private:
    rtl::TDateTime FTime = 0;
};

} // namespace ui
