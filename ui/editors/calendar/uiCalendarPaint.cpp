// The calendar's painting: each area is painted, then left out of the clip region, so that what follows cannot cover
// it; the face colour fills what remains.

#include "rtl/numbers/NumberConversions.h"
#include "ui/core/geometry/uiArithmetic.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiPainterShapes.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/data/dates/uiCalendarTable.h"
#include "ui/data/dates/uiDateClock.h"
#include "ui/data/dates/uiDateDisplay.h"
#include "ui/data/dates/uiDateUtils.h"
#include "ui/data/locale/uiLocale.h"
#include "ui/editors/calendar/uiCalendar.h"
#include "ui/editors/calendar/uiCalendarDays.h"
#include "ui/editors/choice/uiButton.h"
#include "ui/editors/spin/uiTimeEdit.h"

namespace ui {

namespace {

constexpr uint16_t CenteredText = tfAlignHCenter | tfAlignVCenter | tfSingleLine;
constexpr uint16_t RightAlignedText = tfAlignRight | tfAlignVCenter | tfSingleLine;
// Day numbers and weekday names keep this distance from their cell's right edge.
constexpr int32_t DayTextIndent = 3;

void DrawHorizontalLine(TuiCanvas& canvas, int32_t left, int32_t right, int32_t y, vcl::TColor color) {
    canvas.FillRectColor({left, y, right, y + 1}, color);
}

void DrawVerticalLine(TuiCanvas& canvas, int32_t x, int32_t top, int32_t bottom, vcl::TColor color) {
    canvas.FillRectColor({x, top, x + 1, bottom}, color);
}

void DrawTextIn(TuiCanvas& canvas, rtl::UnicodeStringView text, const vcl::TRect& rect, uint16_t flags,
                vcl::TColor color) {
    canvas.Font().SetColor(color);
    canvas.Brush().SetStyle(vcl::bsClear);
    canvas.DrawText(text, rect, flags);
}

vcl::TRect WithoutRightIndent(const vcl::TRect& rect) {
    return {rect.Left, rect.Top, rect.Right - DayTextIndent, rect.Bottom};
}

} // namespace

vcl::TColor TuiCustomCalendar::FaceColor() const {
    const vcl::TColor editorColor = GetPainter()->EditorOrContentColor();
    return Color() == vcl::clWindow && editorColor != vcl::clDefault ? editorColor : Color();
}

bool TuiCustomCalendar::ErasesBackground() const {
    return TodayButton().LookAndFeel().NativeStyle() && AreVisualStylesActive();
}

void TuiCustomCalendar::Paint() {
    TuiCanvas& canvas = UICanvas();
    if (!FMetricsValid) {
        canvas.FillRectColor(ClientRect(), FaceColor());
        return;
    }
    canvas.PushClipRegion();
    if (FKind == ckDateTime) {
        PaintDateTimeText(canvas);
        canvas.ExcludeClipArea(FDateTimeTextRect);
    }
    PaintHeader(canvas);
    canvas.ExcludeClipArea(FHeaderRect);
    PaintBody(canvas);
    canvas.ExcludeClipArea(FBodyRect);
    if (FKind == ckDateTime) {
        PaintButtonBar(canvas);
    }
    PaintRest(canvas);
    canvas.PopClipRegion();
}

// The chosen date and time on the header panel.
void TuiCustomCalendar::PaintDateTimeText(TuiCanvas& canvas) {
    const TuiCustomLookAndFeelPainter& painter = *GetPainter();
    vcl::TRect rect = FDateTimeTextRect;
    painter.PaintHeaderPanel(canvas, rect);
    if (FCurrentDate == NullDate) {
        return;
    }
    const rtl::TDateTime time = FTimeEdit->Time();
    const rtl::TDateTime shown = FCurrentDate < 0 ? rtl::DateOf(FCurrentDate) - time : rtl::DateOf(FCurrentDate) + time;
    canvas.SetFont(Font());
    DrawTextIn(canvas, FormatDateByLocaleCalendar(shown), rect, CenteredText, painter.CalendarHeaderTextColor(false));
}

void TuiCustomCalendar::PaintHeader(TuiCanvas& canvas) {
    const TuiCustomLookAndFeelPainter& painter = *GetPainter();
    const bool skinned = LookAndFeel().SkinPainter() != nullptr;
    const bool native = painter.StyleKind() == pskNative;
    canvas.SetFont(Font());
    if (skinned || native) {
        const TuiBorders edges = FKind == ckDateTime ? uiAllBorders : TuiBorders{bBottom};
        painter.PaintHeaderCell(canvas, FHeaderRect, FHeaderRect, {}, edges, uibsNormal, {}, u"", &canvas.Font(),
                                painter.CalendarHeaderTextColor(false), painter.CalendarHeaderColor(), {}, false,
                                false);
    } else {
        canvas.FillRectColor(FHeaderRect, painter.CalendarHeaderColor());
    }
    PaintArrows(canvas, !skinned && !native);
    PaintCaptions(canvas);
    if (!native) {
        PaintHeaderFrame(canvas);
    }
}

void TuiCustomCalendar::PaintArrows(TuiCanvas& canvas, bool plain) {
    const TuiCustomLookAndFeelPainter& painter = *GetPainter();
    const int32_t arrowCount = FArrowsForYear ? 4 : 2;
    for (int32_t index = 0; index < arrowCount; ++index) {
        const vcl::TRect& rect = FArrowRects[index];
        if (plain) {
            canvas.FillRectColor(rect, painter.CalendarHeaderColor());
        }
        const bool previous = index == caPreviousMonth || index == caPreviousYear;
        DrawArrowTriangle(canvas, ArrowTrianglePoints(rect, 0, false, previous ? adLeft : adRight),
                          painter.CalendarHeaderTextColor(false));
    }
}

void TuiCustomCalendar::PaintCaptions(TuiCanvas& canvas) {
    const TuiCustomLookAndFeelPainter& painter = *GetPainter();
    const TuiCustomCalendarTable& table = *GetDefaultCalendarTable();
    canvas.SetFont(Font());
    if (!FArrowsForYear) {
        DrawTextIn(canvas, CalendarMonthYearText(&table, FMonthStart), FMonthCaptionRect, CenteredText,
                   painter.CalendarHeaderTextColor(FHotCaption == chcMonth));
        return;
    }
    DrawTextIn(canvas, CalendarMonthName(&table, FMonthStart), FMonthCaptionRect, CenteredText,
               painter.CalendarHeaderTextColor(FHotCaption == chcMonth));
    DrawTextIn(canvas, CalendarYearText(&table, FMonthStart), FYearCaptionRect, CenteredText,
               painter.CalendarHeaderTextColor(FHotCaption == chcYear));
}

void TuiCustomCalendar::PaintHeaderFrame(TuiCanvas& canvas) {
    const bool office11 = IsOffice11();
    if (!FFlat) {
        canvas.DrawEdge(FHeaderRect, false, true);
    } else if (FKind == ckDateTime) {
        canvas.FrameRect(FHeaderRect, office11 ? Color() : vcl::clBtnShadow);
    } else if (office11) {
        const vcl::TRect around{FHeaderRect.Left, FHeaderRect.Top - 2, FHeaderRect.Right, FHeaderRect.Bottom + 1};
        canvas.FrameRect(around, FaceColor(), 2);
    } else {
        DrawHorizontalLine(canvas, FHeaderRect.Left, FHeaderRect.Right, FHeaderRect.Bottom - 1, vcl::clBtnText);
    }
}

void TuiCustomCalendar::PaintBody(TuiCanvas& canvas) {
    const TuiCustomLookAndFeelPainter& painter = *GetPainter();
    const vcl::TColor face = FaceColor();
    const vcl::TRect grid = GridRect();
    canvas.FillRectColor(FBodyRect, face);
    const int32_t separator = grid.Top - 2;
    DrawHorizontalLine(canvas, grid.Left, grid.Right, separator, painter.CalendarSeparatorColor());
    vcl::TColor highlight = painter.CalendarSeparatorHighlightColor();
    if (highlight == vcl::clNone || highlight == vcl::clDefault) {
        highlight = face;
    }
    DrawHorizontalLine(canvas, grid.Left, grid.Right, separator + 1, highlight);
    const bool barBelow = FKind == ckDate && HasButtonBar();
    if (barBelow) {
        DrawHorizontalLine(canvas, 0, Width(), FBodyRect.Bottom - 1, vcl::clBtnShadow);
    }
    if (FWeekNumbers) {
        const int32_t x = FBodyRect.Left + FMetrics.SideMargin + FMetrics.WeekNumberWidth + 3;
        if (barBelow) {
            DrawVerticalLine(canvas, x, grid.Top, FBodyRect.Bottom - 1, vcl::clBtnShadow);
        } else {
            DrawVerticalLine(canvas, x, grid.Top, FBodyRect.Bottom - 3, painter.CalendarSeparatorColor());
        }
        PaintWeekNumbers(canvas);
    }
    PaintDayNames(canvas);
    PaintDays(canvas);
}

void TuiCustomCalendar::PaintDayNames(TuiCanvas& canvas) {
    const vcl::TColor color = GetPainter()->CalendarDayTextColor();
    const vcl::TRect grid = GridRect();
    canvas.SetFont(Font());
    const int32_t firstDay = GetFirstDayOfWeek();
    for (int32_t column = 0; column < CalendarGridColumns; ++column) {
        const int32_t weekday = (firstDay + column) % DaysPerWeek;
        const int32_t left = grid.Left + column * FMetrics.ColumnWidth;
        const vcl::TRect rect{left, FBodyRect.Top, left + FMetrics.ColumnWidth, grid.Top - 2};
        DrawTextIn(canvas, GetWeekdayName(weekday == 0 ? DaysPerWeek : weekday, Font().Charset()),
                   WithoutRightIndent(rect), RightAlignedText, color);
    }
}

void TuiCustomCalendar::PaintDays(TuiCanvas& canvas) {
    const TuiCustomLookAndFeelPainter& painter = *GetPainter();
    const TuiCustomCalendarTable& table = *GetDefaultCalendarTable();
    const vcl::TColor face = FaceColor();
    const rtl::TDateTime today = ClockToday();
    const rtl::TDateTime chosen = FCurrentDate == NullDate ? today : rtl::DateOf(FCurrentDate);
    const rtl::TDateTime lastDay = LastDayOfMonth();
    canvas.SetFont(Font());
    for (int32_t row = 0; row < CalendarGridRows; ++row) {
        for (int32_t column = 0; column < CalendarGridColumns; ++column) {
            const rtl::TDateTime date = CellDate(column, row);
            vcl::TRect cell = CellRect(column, row);
            const bool selected = date == chosen;
            const bool isToday = date == today;
            if (isToday) {
                canvas.FrameRect(cell, painter.CalendarTodayFrameColor());
                cell = {cell.Left + 1, cell.Top + 1, cell.Right - 1, cell.Bottom - 1};
            }
            canvas.FillRectColor(cell, selected ? painter.CalendarSelectedDayColor() : face);
            vcl::TColor textColor = painter.CalendarDayTextColor();
            if (selected) {
                textColor = painter.CalendarSelectedDayTextColor();
            } else if (date < FMonthStart || date > lastDay) {
                textColor = painter.CalendarInactiveDayTextColor();
            } else if (isToday) {
                textColor = painter.CalendarTodayTextColor();
            }
            if (IsDateInSupportedRange(date) && table.IsValidDateTime(date)) {
                DrawTextIn(canvas, FormatDayNumber(date), WithoutRightIndent(cell), RightAlignedText, textColor);
            }
        }
    }
}

void TuiCustomCalendar::PaintWeekNumbers(TuiCanvas& canvas) {
    const TuiCustomCalendarTable& table = *GetDefaultCalendarTable();
    vcl::TFont numbers;
    numbers.Assign(&Font());
    numbers.SetSize(MulDiv(Font().Size(), 2, 3));
    canvas.SetFont(numbers);
    const int32_t left = FBodyRect.Left + FMetrics.SideMargin;
    for (int32_t row = 0; row < CalendarGridRows; ++row) {
        const rtl::TDateTime first = CellDate(0, row);
        if (first == NullDate || !IsDateInSupportedRange(first)) {
            continue;
        }
        const vcl::TRect cell = CellRect(0, row);
        const vcl::TRect rect{left, cell.Top, left + FMetrics.WeekNumberWidth, cell.Bottom};
        DrawTextIn(canvas, rtl::IntToStr(CalendarRowWeekNumber(table, FMonthStart, row)), rect, RightAlignedText,
                   GetPainter()->CalendarDayTextColor());
    }
    canvas.SetFont(Font());
}

void TuiCustomCalendar::PaintButtonBar(TuiCanvas& canvas) {
    const vcl::TRect bar{0, ClientHeight() - FMetrics.ButtonBarHeight, ClientWidth(), ClientHeight()};
    vcl::TColor line = GetPainter()->ContainerBorderColorFor(false);
    if (line == vcl::clDefault) {
        line = vcl::clBtnText;
    }
    canvas.FillRectColor(bar, FaceColor());
    DrawHorizontalLine(canvas, bar.Left, bar.Right, bar.Top, line);
    if (!FFlat) {
        canvas.DrawEdge({bar.Left, bar.Top + 1, bar.Right, bar.Bottom}, false, true);
    }
    canvas.ExcludeClipArea(bar);
}

void TuiCustomCalendar::PaintRest(TuiCanvas& canvas) {
    canvas.FillRectColor(ClientRect(), FaceColor());
    if (FKind != ckDateTime) {
        return;
    }
    const int32_t x = FBodyRect.Right + (DateTimeAreaOffset().X + FMetrics.ColumnWidth) / 2;
    DrawVerticalLine(canvas, x, FBodyRect.Top, FTimeEdit->Top() + FTimeEdit->Height(),
                     GetPainter()->CalendarSeparatorColor());
}

} // namespace ui
