// The month calendar as a user drives it: keys, presses on days and arrows, the wheel over the captions, the date
// buttons, its layout and its painting, on a form under the test locale (Monday first) with the clock stopped.

#include "ui/editors/calendar/uiCalendar.h"

#include "rtl/WindowsApi.h"
#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/ui/core/graphics/GraphicsTestSupport.h"
#include "tests/ui/data/dates/DateTestSupport.h"
#include "tests/ui/editors/framework/EditorTestForms.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/data/dates/uiDateUtils.h"
#include "ui/editors/calendar/uiClock.h"
#include "ui/editors/calendar/uiMonthListBox.h"
#include "ui/editors/choice/uiButton.h"
#include "ui/editors/spin/uiTimeEdit.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

using ui::TuiCustomCalendar;

rtl::TDateTime Day(int32_t year, int32_t month, int32_t day) {
    return rtl::EncodeDate(year, month, day);
}

vcl::TPoint CentreOf(const vcl::TRect& rect) {
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
}

class CalendarTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm(500, 400);
        Calendar = ui_test::PlaceOnForm<TuiCustomCalendar>(*Form, 10, 10, 50, 50);
        Calendar->SetOnDateChosen([this](rtl::TObject*) { ++Chosen; });
        ui_test::ProcessPendingMessages();
    }
    void TearDown() override {
        ReleaseCapture();
        Form.reset();
    }
    void Press(uint16_t key, vcl::TShiftState shift = {}) {
        Calendar->SetFocus();
        ui_test::PressKey(key, shift);
        ui_test::ProcessPendingMessages();
    }
    void Choose(rtl::TDateTime date) { Calendar->SetCurrentDate(true, date); }
    const ui::TuiCustomLookAndFeelPainter& Painter() const { return *Calendar->GetPainter(); }
    // The colour just inside the cell's right edge, away from its number.
    vcl::TColor CellFill(ui_test::TDibSurface& surface, int32_t column, int32_t row) const {
        const vcl::TRect cell = Calendar->CellRect(column, row);
        return surface.Pixel(cell.Left + 2, cell.Bottom - 2);
    }
    std::unique_ptr<ui_test::TDibSurface> Painted() const {
        auto surface = std::make_unique<ui_test::TDibSurface>(Calendar->Width(), Calendar->Height());
        ui_test::PaintControl(*Calendar, *surface);
        return surface;
    }

    ui_test::TTestLocale Locale;
    ui_test::TScopedClock Clock{ui_test::TestNow()};
    ui_test::TFormPtr<vcl::TForm> Form;
    TuiCustomCalendar* Calendar = nullptr; // owned by the form
    int32_t Chosen = 0;
};

TEST_F(CalendarTest, StartsOnTodayAndTakesTheSizeItsFontGives) {
    EXPECT_EQ(Calendar->CurrentDate(), Day(2026, 6, 10));
    EXPECT_EQ(Calendar->MonthStart(), Day(2026, 6, 1));
    const vcl::TSize optimal = Calendar->GetOptimalSize();
    EXPECT_EQ(Calendar->Width(), optimal.cx);
    EXPECT_EQ(Calendar->Height(), optimal.cy);
    Calendar->SetBounds(0, 0, 900, 20);
    EXPECT_EQ(Calendar->Width(), optimal.cx) << "any requested size gives the optimal one";
    EXPECT_EQ(Calendar->Height(), optimal.cy);
}

TEST_F(CalendarTest, KeysStepTheChosenDateAndTheMonthFollows) {
    struct TCase {
        uint16_t Key;
        vcl::TShiftState Shift;
        rtl::TDateTime From;
        rtl::TDateTime Expected;
    };
    const TCase cases[] = {
        {VK_LEFT, {}, Day(2024, 3, 1), Day(2024, 2, 29)},
        {VK_RIGHT, {}, Day(2024, 2, 29), Day(2024, 3, 1)},
        {VK_UP, {}, Day(2024, 3, 5), Day(2024, 2, 27)},
        {VK_DOWN, {}, Day(2024, 2, 27), Day(2024, 3, 5)},
        {VK_PRIOR, {}, Day(2024, 3, 31), Day(2024, 2, 29)},
        {VK_NEXT, {}, Day(2024, 1, 31), Day(2024, 2, 29)},
        {VK_HOME, {}, Day(2024, 2, 15), Day(2024, 2, 12)},
        {VK_END, {}, Day(2024, 2, 15), Day(2024, 2, 18)},
        {VK_HOME, {vcl::ssCtrl}, Day(2024, 2, 15), Day(2024, 2, 1)},
        {VK_END, {vcl::ssCtrl}, Day(2024, 2, 15), Day(2024, 2, 29)},
        {VK_LEFT, {}, Day(100, 1, 1), Day(100, 1, 1)},
        {VK_RIGHT, {}, Day(9999, 12, 31), Day(9999, 12, 31)},
    };
    for (const TCase& test : cases) {
        Choose(test.From);
        Press(test.Key, test.Shift);
        EXPECT_EQ(Calendar->CurrentDate(), test.Expected) << "key " << test.Key << " from " << test.From;
        EXPECT_EQ(Calendar->MonthStart(), ui::CalendarMonthStartOf(*ui::GetDefaultCalendarTable(), test.Expected));
    }
}

TEST_F(CalendarTest, AClickOnAGreyDayOfTheNextMonthChoosesItWithTheMonthUnchanged) {
    Choose(Day(2024, 4, 10));
    // April 2024 begins on a Monday: row 0 is March's last week, so 5 May stands in row 5, column 6.
    ASSERT_EQ(Calendar->CellDate(6, 5), Day(2024, 5, 5));
    ui_test::Click(*Calendar, CentreOf(Calendar->CellRect(6, 5)));
    EXPECT_EQ(Calendar->CurrentDate(), Day(2024, 5, 5));
    EXPECT_EQ(Calendar->MonthStart(), Day(2024, 4, 1));
    EXPECT_EQ(Chosen, 1);
}

TEST_F(CalendarTest, APressOnAnArrowStepsOnceThenEachTickUntilTheRelease) {
    Choose(Day(2024, 4, 10));
    const vcl::TPoint arrow = CentreOf(Calendar->ArrowRect(ui::caNextMonth));
    ui_test::MouseDown(*Calendar, vcl::mbLeft, arrow);
    EXPECT_EQ(Calendar->MonthStart(), Day(2024, 5, 1));
    ASSERT_TRUE(Calendar->StepTimer().Enabled());
    EXPECT_EQ(Calendar->StepTimer().Interval(), TuiCustomCalendar::StepInterval);
    Calendar->StepTimer().FireTimer();
    EXPECT_EQ(Calendar->MonthStart(), Day(2024, 6, 1));
    ui_test::MouseUp(*Calendar, vcl::mbLeft, arrow);
    EXPECT_FALSE(Calendar->StepTimer().Enabled());
    EXPECT_EQ(Calendar->CurrentDate(), Day(2024, 4, 10)) << "the arrows move the month only";
    EXPECT_EQ(Chosen, 0);
}

TEST_F(CalendarTest, TheWheelStepsMonthsOverTheMonthCaptionYearsOverTheYearAndNothingOverTheDays) {
    Choose(Day(2024, 4, 10));
    Calendar->SetFocus();
    ui_test::MouseWheel(*Calendar, WHEEL_DELTA, CentreOf(Calendar->MonthCaptionRect()));
    EXPECT_EQ(Calendar->MonthStart(), Day(2024, 3, 1)) << "a positive delta goes back";
    ui_test::MouseWheel(*Calendar, -WHEEL_DELTA, CentreOf(Calendar->YearCaptionRect()));
    EXPECT_EQ(Calendar->MonthStart(), Day(2025, 3, 1));
    ui_test::MouseWheel(*Calendar, WHEEL_DELTA, CentreOf(Calendar->CellRect(3, 3)));
    EXPECT_EQ(Calendar->MonthStart(), Day(2025, 3, 1));
}

TEST_F(CalendarTest, TheDateButtonsChooseAndTheBarFollowsThem) {
    Choose(Day(2024, 4, 10));
    ui_test::Click(Calendar->ClearButton(), {5, 5});
    EXPECT_EQ(Calendar->CurrentDate(), ui::NullDate);
    EXPECT_EQ(Chosen, 1);
    Calendar->Clock().SetTime(0.5);
    ui_test::Click(Calendar->TodayButton(), {5, 5});
    EXPECT_EQ(Calendar->CurrentDate(), Day(2026, 6, 10) + 0.5) << "today with the clock's time";

    const int32_t withBar = Calendar->Height();
    Calendar->SetDateButtons({ui::btnClear});
    EXPECT_FALSE(Calendar->TodayButton().Visible());
    const vcl::TRect clear = Calendar->ClearButton().BoundsRect();
    EXPECT_NEAR(clear.Left, Calendar->Width() - clear.Right, 1) << "a lone Clear is centred";
    Calendar->SetDateButtons({});
    EXPECT_LT(Calendar->Height(), withBar) << "no Today and Clear in the date kind: no bar";
}

TEST_F(CalendarTest, TheDateTimeKindLaidOutTwiceStaysWhereItWasAndShowsTheClocksTime) {
    Calendar->SetKind(ui::ckDateTime);
    const vcl::TRect bounds = Calendar->BoundsRect();
    const vcl::TRect clock = Calendar->Clock().BoundsRect();
    const vcl::TRect timeEdit = Calendar->TimeEdit().BoundsRect();
    EXPECT_TRUE(Calendar->OkButton().Visible());
    Calendar->Recalculate();
    EXPECT_EQ(Calendar->BoundsRect(), bounds);
    EXPECT_EQ(Calendar->Clock().BoundsRect(), clock);
    EXPECT_EQ(Calendar->TimeEdit().BoundsRect(), timeEdit);
    Calendar->TimeEdit().SetTime(0.5);
    Calendar->TimeEdit().InnerEdit().SetFocus();
    Calendar->TimeEdit().SetSelStart(0);
    ui_test::PressKey(VK_UP);
    ui_test::ProcessPendingMessages();
    EXPECT_NEAR(Calendar->Clock().Time(), 13.0 / 24, 1e-9) << "the clock follows the hour the user steps";
    Calendar->Clock().SetTime(1.75);
    EXPECT_DOUBLE_EQ(Calendar->Clock().Time(), 0.75) << "only the time of day is kept: 18:00";
}

TEST_F(CalendarTest, PaintsTheHeaderTodayAndTheChosenDayInThePaintersColoursTwiceTheSame) {
    Choose(ui::NullDate);
    const auto painted = Painted();
    ui_test::TDibSurface& first = *painted;
    const vcl::TRect header = Calendar->HeaderRect();
    EXPECT_EQ(first.Pixel(header.Left + 2, header.Top + 2), vcl::ColorToRGB(Painter().CalendarHeaderColor()));
    // 10 June 2026, a Wednesday: row 1 (1 June is a Monday, so row 0 is May's last week), column 2.
    ASSERT_EQ(Calendar->CellDate(2, 2), Day(2026, 6, 10));
    const vcl::TRect today = Calendar->CellRect(2, 2);
    EXPECT_EQ(first.Pixel(today.Left, today.Top), vcl::ColorToRGB(Painter().CalendarTodayFrameColor()));
    EXPECT_EQ(CellFill(first, 2, 2), vcl::ColorToRGB(Painter().CalendarSelectedDayColor()))
        << "with no date chosen, today's cell is filled as chosen";
    EXPECT_NE(CellFill(first, 3, 2), vcl::ColorToRGB(Painter().CalendarSelectedDayColor()));
    EXPECT_EQ(first.Pixels(), Painted()->Pixels());
}

TEST_F(CalendarTest, ThePressOnTheMonthCaptionOpensTheListWithTheShownMonthInTheMiddle) {
    Choose(Day(2024, 4, 10));
    ui_test::MouseDown(*Calendar, vcl::mbLeft, CentreOf(Calendar->MonthCaptionRect()), {vcl::ssLeft});
    ui::TuiMonthListBox& list = Calendar->MonthList();
    ASSERT_TRUE(list.IsShown());
    ASSERT_EQ(list.ItemCount(), 7);
    EXPECT_EQ(list.EntryDate(3), Day(2024, 4, 1));
    EXPECT_EQ(Calendar->HotCaption(), ui::chcNone) << "no caption is hot while the list shows";
    ui_test::MouseUp(list, vcl::mbLeft, {-50, -50});
    EXPECT_FALSE(list.IsShown());
    EXPECT_EQ(Calendar->MonthStart(), Day(2024, 4, 1)) << "a release with no hot entry keeps the month";
}

TEST_F(CalendarTest, TheScrollingListMovesTheCalendarToTheEntryHotAtTheRelease) {
    Choose(Day(2024, 4, 10));
    ui_test::MouseDown(*Calendar, vcl::mbLeft, CentreOf(Calendar->MonthCaptionRect()), {vcl::ssLeft});
    ui::TuiMonthListBox& list = Calendar->MonthList();
    ASSERT_TRUE(list.IsShown());
    ui_test::MouseMove(list, CentreOf(list.ItemRect(5)), {vcl::ssLeft});
    EXPECT_EQ(list.HotIndex(), 5);
    // Below the list the drag scrolls the entries down, one month a tick.
    ui_test::MouseMove(list, {list.Width() / 2, list.Height() + list.ItemHeight() / 2}, {vcl::ssLeft});
    EXPECT_EQ(list.HotIndex(), -1);
    ASSERT_TRUE(list.ScrollTimer().Enabled());
    list.ScrollTimer().FireTimer();
    EXPECT_EQ(list.EntryDate(3), Day(2024, 5, 1));
    ui_test::MouseMove(list, CentreOf(list.ItemRect(5)), {vcl::ssLeft});
    EXPECT_FALSE(list.ScrollTimer().Enabled()) << "back over the list it stops";
    ui_test::MouseUp(list, vcl::mbLeft, CentreOf(list.ItemRect(5)));
    EXPECT_FALSE(list.IsShown());
    EXPECT_EQ(Calendar->MonthStart(), Day(2024, 7, 1));
    EXPECT_EQ(Calendar->CurrentDate(), Day(2024, 4, 10)) << "the list moves the month only";
}

TEST_F(CalendarTest, WithoutYearsTheListHoldsTheYearsMonthsAndIsClickedLikeAMenu) {
    Choose(Day(2024, 4, 10));
    Calendar->SetYearsInMonthList(false);
    ui_test::MouseDown(*Calendar, vcl::mbLeft, CentreOf(Calendar->MonthCaptionRect()), {vcl::ssLeft});
    ui_test::MouseUp(*Calendar, vcl::mbLeft, CentreOf(Calendar->MonthCaptionRect()));
    ui::TuiMonthListBox& list = Calendar->MonthList();
    ASSERT_TRUE(list.IsShown()) << "the release that opened it leaves it open";
    ASSERT_EQ(list.ItemCount(), 12);
    EXPECT_EQ(list.EntryDate(0), Day(2024, 1, 1));
    ui_test::Click(list, CentreOf(list.ItemRect(10)));
    EXPECT_FALSE(list.IsShown());
    EXPECT_EQ(Calendar->MonthStart(), Day(2024, 11, 1));
}

TEST_F(CalendarTest, TheBlueSkinPaintsTheHeaderThroughItsHeaderCell) {
    Calendar->LookAndFeel().SetKind(ui::lfUltraFlat);
    Calendar->LookAndFeel().SetSkinName(u"Blue");
    ASSERT_NE(Calendar->LookAndFeel().SkinPainter(), nullptr);
    const auto painted = Painted();
    ui_test::TCanvasOnSurface expected(Calendar->Width(), Calendar->Height());
    const vcl::TRect header = Calendar->HeaderRect();
    Painter().PaintHeaderCell(expected.Canvas, header, header, {}, {ui::bBottom}, ui::uibsNormal, {}, u"", nullptr,
                              vcl::clNone, Painter().CalendarHeaderColor(), {}, false, false);
    GdiFlush();
    // Beside the arrow's triangle its rectangle shows the header cell.
    const vcl::TRect arrow = Calendar->ArrowRect(ui::caPreviousMonth);
    for (const vcl::TPoint point : {vcl::TPoint{arrow.Left, arrow.Top}, vcl::TPoint{arrow.Right - 1, arrow.Top + 1}}) {
        EXPECT_EQ(painted->Pixel(point.X, point.Y), expected.Surface.Pixel(point.X, point.Y))
            << point.X << "," << point.Y;
    }
    EXPECT_EQ(painted->Pixels(), Painted()->Pixels());
}

} // namespace
