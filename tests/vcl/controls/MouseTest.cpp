// The mouse: the pointer entering and leaving controls, clicks, capture, the wheel, the context popup and cursors.

#include "vcl/controls/pointer/Mouse.h"

#include "rtl/WindowsApi.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "tests/support/ui/TestForms.h"
#include "tests/vcl/TestControls.h"
#include "vcl/controls/pointer/Cursors.h"
#include "vcl/forms/Application.h"

#include <gtest/gtest.h>

namespace {

using vcl::Point;
using vcl_test::AddLoggingControl;
using vcl_test::TLoggingControl;
using vcl_test::TLoggingGraphic;
using vcl_test::TMessageLog;

TEST(Mouse, EnterAndLeaveArriveOnceEachAsThePointerCrossesControls) {
    auto form = ui_test::ShowNewTestForm();
    TMessageLog log;
    auto* panel = AddLoggingControl<TLoggingControl>(*form, u"Panel", log, vcl::Bounds(10, 10, 200, 100));
    auto* windowed = AddLoggingControl<TLoggingControl>(*panel, u"Windowed", log, vcl::Bounds(10, 10, 50, 30));
    auto* graphic = AddLoggingControl<TLoggingGraphic>(*panel, u"Graphic", log, vcl::Bounds(100, 10, 50, 30));
    for (int x = 2; x < 48; x += 9) {
        ui_test::MouseMove(*windowed, Point(x, 15));
    }
    for (int x = 2; x < 48; x += 9) {
        ui_test::MouseMove(*graphic, Point(x, 15));
    }
    ui_test::MouseMove(*panel, Point(80, 80));
    ui_test::MouseMove(*form, Point(300, 200));
    ui_test::PumpMessages(50);
    EXPECT_EQ(log, (TMessageLog{"Windowed CM_MOUSEENTER", "Panel CM_MOUSEENTER of Windowed", "Windowed CM_MOUSELEAVE",
                                "Panel CM_MOUSELEAVE of Windowed", "Graphic CM_MOUSEENTER",
                                "Panel CM_MOUSEENTER of Graphic",                          //
                                "Graphic CM_MOUSELEAVE", "Panel CM_MOUSELEAVE of Graphic", //
                                "Panel CM_MOUSEENTER", "Panel CM_MOUSELEAVE"}));
}

TEST(Mouse, TheControlUnderThePointerIsFoundWhenTheApplicationIsIdle) {
    auto form = ui_test::ShowNewTestForm();
    TMessageLog log;
    auto* graphic = AddLoggingControl<TLoggingGraphic>(*form, u"Graphic", log, vcl::Bounds(10, 10, 50, 30));
    graphic->SetHint(u"Short|The long hint");
    const vcl::TPoint inside = graphic->ClientToScreen(Point(5, 5));
    SetCursorPos(inside.X, inside.Y);
    ui_test::PumpUntil([&] { return vcl::MouseControl() == graphic; });
    EXPECT_EQ(log, (TMessageLog{"Graphic CM_MOUSEENTER"}));
    EXPECT_EQ(test_support::Utf8(vcl::Application().Hint()), "The long hint");
}

TEST(Mouse, AClickIsAPressAndReleaseOverTheControl) {
    auto form = ui_test::ShowNewTestForm();
    TMessageLog log;
    for (const bool graphicControl : {false, true}) {
        SCOPED_TRACE(graphicControl ? "graphic" : "windowed");
        vcl::TControl* control =
            graphicControl ? static_cast<vcl::TControl*>(
                                 AddLoggingControl<TLoggingGraphic>(*form, u"G", log, vcl::Bounds(10, 100, 50, 30)))
                           : AddLoggingControl<TLoggingControl>(*form, u"W", log, vcl::Bounds(10, 10, 50, 30));
        std::vector<std::string> events;
        control->SetOnClick([&](rtl::TObject*) { events.push_back("click"); });
        control->SetOnDblClick([&](rtl::TObject*) { events.push_back("double click"); });
        control->SetOnMouseDown([&](rtl::TObject*, vcl::TMouseButton button, vcl::TShiftState shift, int x, int y) {
            events.push_back("down " + std::to_string(button) + " " + std::to_string(x) + "," + std::to_string(y) +
                             (shift.Contains(vcl::ssDouble) ? " double" : ""));
        });
        control->SetOnMouseUp([&](rtl::TObject*, vcl::TMouseButton, vcl::TShiftState, int x, int y) {
            events.push_back("up " + std::to_string(x) + "," + std::to_string(y));
        });
        ui_test::Click(*control, Point(5, 6));
        EXPECT_EQ(events, (std::vector<std::string>{"down 0 5,6", "click", "up 5,6"}));
        events.clear();
        ui_test::MouseDown(*control, vcl::mbLeft, Point(5, 6));
        ui_test::MouseMove(*control, Point(70, 6), {vcl::ssLeft});
        ui_test::MouseUp(*control, vcl::mbLeft, Point(70, 6));
        EXPECT_EQ(events, (std::vector<std::string>{"down 0 5,6", "up 70,6"}))
            << "released outside: the capture brings the release, but it is no click";
        events.clear();
        ui_test::DoubleClick(*control, Point(5, 6));
        EXPECT_EQ(events, (std::vector<std::string>{"down 0 5,6", "click", "up 5,6", "double click",
                                                    "down 0 5,6 double", "up 5,6"}));
    }
}

TEST(Mouse, APressCapturesTheMouseForTheControlUntilTheRelease) {
    auto form = ui_test::ShowNewTestForm();
    TMessageLog log;
    auto* graphic = AddLoggingControl<TLoggingGraphic>(*form, u"Graphic", log, vcl::Bounds(10, 10, 50, 30));
    auto* other = AddLoggingControl<TLoggingGraphic>(*form, u"Other", log, vcl::Bounds(100, 10, 50, 30));
    std::vector<std::string> moves;
    graphic->SetOnMouseMove([&](rtl::TObject*, vcl::TShiftState, int x, int y) {
        moves.push_back(std::to_string(x) + "," + std::to_string(y));
    });
    ui_test::MouseDown(*graphic, vcl::mbLeft, Point(5, 5));
    EXPECT_TRUE(graphic->MouseCapture());
    EXPECT_EQ(vcl::CaptureControl(), graphic);
    ui_test::MouseMove(*other, Point(5, 5), {vcl::ssLeft});
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back(), "95,5") << "moves over another control reach the captured one";
    ui_test::MouseUp(*other, vcl::mbLeft, Point(5, 5));
    EXPECT_FALSE(graphic->MouseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(Mouse, PressPointsOfAControlWiderThan32768PixelsComeFromThePointer) {
    auto form = ui_test::ShowNewTestForm(400, 200);
    TMessageLog log;
    auto* wide = AddLoggingControl<TLoggingControl>(*form, u"Wide", log, vcl::Bounds(-33000, 10, 40000, 50));
    std::vector<int> pressedAt;
    wide->SetOnMouseDown(
        [&](rtl::TObject*, vcl::TMouseButton, vcl::TShiftState, int x, int) { pressedAt.push_back(x); });
    ui_test::MouseDown(*wide, vcl::mbLeft, Point(33100, 10));
    ui_test::MouseUp(*wide, vcl::mbLeft, Point(33100, 10));
    EXPECT_EQ(pressedAt, std::vector<int>{33100});
}

TEST(Mouse, TheWheelGoesToTheFocusedControlAndOnToItsParentsUntilOneTakesIt) {
    auto form = ui_test::ShowNewTestForm();
    TMessageLog log;
    auto* panel = AddLoggingControl<TLoggingControl>(*form, u"Panel", log, vcl::Bounds(10, 10, 200, 100));
    auto* inner = AddLoggingControl<TLoggingControl>(*panel, u"Inner", log, vcl::Bounds(10, 10, 50, 30));
    inner->SetFocus();
    std::vector<std::string> wheel;
    inner->SetOnMouseWheelUp([&](rtl::TObject*, vcl::TShiftState, vcl::TPoint, bool&) { wheel.push_back("inner up"); });
    panel->SetOnMouseWheel([&](rtl::TObject*, vcl::TShiftState, int delta, vcl::TPoint, bool& handled) {
        wheel.push_back("panel " + std::to_string(delta));
        handled = true;
    });
    ui_test::MouseWheel(*inner, 60, Point(5, 5));
    ui_test::MouseWheel(*inner, 60, Point(5, 5));
    EXPECT_EQ(wheel, (std::vector<std::string>{"panel 60", "inner up", "panel 60"}))
        << "half notches add up to one; the unhandled wheel reaches the parent";
}

TEST(Mouse, AContextPopupGoesToTheControlUnderThePointFirst) {
    auto form = ui_test::ShowNewTestForm();
    TMessageLog log;
    auto* panel = AddLoggingControl<TLoggingControl>(*form, u"Panel", log, vcl::Bounds(10, 10, 200, 100));
    auto* graphic = AddLoggingControl<TLoggingGraphic>(*panel, u"Graphic", log, vcl::Bounds(20, 20, 50, 30));
    std::vector<std::string> popups;
    const auto record = [&](const char* name, bool handles) {
        return [&popups, name, handles](rtl::TObject*, vcl::TPoint point, bool& handled) {
            popups.push_back(std::string(name) + " " + std::to_string(point.X) + "," + std::to_string(point.Y));
            handled = handles;
        };
    };
    graphic->SetOnContextPopup(record("graphic", false));
    panel->SetOnContextPopup(record("panel", true));
    const vcl::TPoint screen = graphic->ClientToScreen(Point(3, 4));
    SendMessageW(panel->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel->Handle()),
                 vcl::PointToLParam(screen));
    SendMessageW(panel->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(panel->Handle()),
                 vcl::PointToLParam({-1, -1}));
    EXPECT_EQ(popups, (std::vector<std::string>{"graphic 3,4", "panel 23,24", "panel -1,-1"}));
}

TEST(Mouse, TheCursorIsTheControlsOwnUnlessTheScreenCursorIsSet) {
    auto form = ui_test::ShowNewTestForm();
    TMessageLog log;
    auto* panel = AddLoggingControl<TLoggingControl>(*form, u"Panel", log, vcl::Bounds(10, 10, 200, 100));
    auto* graphic = AddLoggingControl<TLoggingGraphic>(*panel, u"Graphic", log, vcl::Bounds(20, 20, 50, 30));
    panel->SetCursor(vcl::crIBeam);
    graphic->SetCursor(vcl::crHandPoint);
    const auto cursorOver = [&](vcl::TControl& control) {
        const vcl::TPoint screen = control.ClientToScreen(Point(2, 2));
        SetCursorPos(screen.X, screen.Y);
        SendMessageW(panel->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(panel->Handle()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(cursorOver(*graphic), vcl::CursorHandle(vcl::crHandPoint));
    EXPECT_EQ(cursorOver(*panel), vcl::CursorHandle(vcl::crIBeam));
    vcl::SetScreenCursor(vcl::crHourGlass);
    EXPECT_EQ(cursorOver(*graphic), vcl::CursorHandle(vcl::crHourGlass));
    vcl::SetScreenCursor(vcl::crDefault);
    EXPECT_EQ(cursorOver(*graphic), vcl::CursorHandle(vcl::crHandPoint));
}

} // namespace
