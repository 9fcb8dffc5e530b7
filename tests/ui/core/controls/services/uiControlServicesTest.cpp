// The controls' services driven as the program drives them: timers ticking through pumped messages, mouse tracking
// with the pointer placed by SetCursorPos, the settings controller hearing WM_SETTINGCHANGE, the hourglass, and the
// controls unit's shut-down with work left behind.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/TestForms.h"
#include "ui/core/controls/routines/uiControlRoutines.h"
#include "ui/core/controls/services/uiMouseTracking.h"
#include "ui/core/controls/services/uiSystemControllers.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/core/controls/uiControlsUnit.h"
#include "vcl/controls/CustomControl.h"
#include "vcl/controls/pointer/Cursors.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace ui {
namespace {

using ui_test::PumpMessages;
using ui_test::PumpUntil;

// A windowed control that counts the settings-changed messages it hears and the CM_MOUSELEAVE that name it (the
// framework's own, sent as the pointer moves on, name no control).
class TServicesProbeControl : public vcl::TCustomControl {
    RTL_DECLARE_CLASS(TServicesProbeControl, vcl::TCustomControl)
public:
    explicit TServicesProbeControl(rtl::TComponent* owner) : TCustomControl(owner) {}
    void Dispatch(vcl::TMessage& message) override {
        if (message.Msg == vcl::CM_MOUSELEAVE && message.LParam == reinterpret_cast<intptr_t>(this)) {
            ++MouseLeaves;
        } else if (message.Msg == UI_SETTINGSCHANGED) {
            ++SettingsChanges;
        }
        TCustomControl::Dispatch(message);
    }
    int MouseLeaves = 0;
    int SettingsChanges = 0;
};

class TLeaveCounter : public IuiMouseTrackingCaller {
public:
    void MouseLeave() override {
        ++Leaves;
        if (OnLeave) {
            OnLeave();
        }
    }
    int Leaves = 0;
    std::function<void()> OnLeave;
};

TEST(TuiTimer, TicksOnlyWithAHandlerAndKeepsItsIntervalAgainstZero) {
    TuiTimer timer(nullptr);
    const int32_t activeBefore = ActiveTimerCount();
    EXPECT_FALSE(timer.Running());
    timer.SetInterval(0);
    EXPECT_EQ(timer.Interval(), 1000u);

    int ticks = 0;
    timer.SetInterval(20);
    timer.SetOnTimer([&](rtl::TObject* sender) {
        EXPECT_EQ(sender, &timer);
        ++ticks;
    });
    EXPECT_TRUE(timer.Running());
    EXPECT_EQ(ActiveTimerCount(), activeBefore + 1);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }));

    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Running());
    EXPECT_EQ(ActiveTimerCount(), activeBefore);
    const int stopped = ticks;
    PumpMessages(60);
    EXPECT_EQ(ticks, stopped);
}

TEST(TuiTimer, AStaleTickOfAFreedTimerReachesNoOtherTimer) {
    int oldTicks = 0;
    auto old = std::make_unique<TuiTimer>(nullptr);
    old->SetInterval(100000);
    old->SetOnTimer([&](rtl::TObject*) { ++oldTicks; });
    const uintptr_t staleID = old->EventID();
    old.reset();

    int newTicks = 0;
    TuiTimer fresh(nullptr);
    fresh.SetInterval(100000);
    fresh.SetOnTimer([&](rtl::TObject*) { ++newTicks; });
    EXPECT_NE(fresh.EventID(), staleID);
    PostMessageW(detail::TimerWindowHandle(), WM_TIMER, staleID, 0);
    PumpMessages(30);
    EXPECT_EQ(oldTicks, 0);
    EXPECT_EQ(newTicks, 0);
    PostMessageW(detail::TimerWindowHandle(), WM_TIMER, fresh.EventID(), 0);
    PumpMessages(30);
    EXPECT_EQ(newTicks, 1);
}

// A shown form with a probe control; the pointer starts over the probe's centre.
class MouseTrackingTest : public testing::Test {
protected:
    void SetUp() override {
        Form = ui_test::ShowNewTestForm();
        Panel = new vcl::TCustomControl(Form.get());
        Panel->SetParent(Form.get());
        Panel->SetBounds(10, 10, 200, 150);
        Probe = new TServicesProbeControl(Form.get());
        Probe->SetParent(Panel);
        Probe->SetBounds(20, 20, 100, 80);
        Probe->HandleNeeded();
        PointAt({50, 40});
    }
    void TearDown() override { StopMouseTracking(&Caller); }

    void PointAt(vcl::TPoint client) {
        const vcl::TPoint screen = Probe->ClientToScreen(client);
        SetCursorPos(screen.X, screen.Y);
    }
    void Track() { StartMouseTracking(Probe, Probe->ClientRect(), &Caller); }

    ui_test::TFormPtr<vcl::TForm> Form;
    vcl::TCustomControl* Panel = nullptr;
    TServicesProbeControl* Probe = nullptr;
    TLeaveCounter Caller;
};

TEST_F(MouseTrackingTest, ThePointerPlacedByATestReadsBack) {
    const vcl::TPoint expected = Probe->ClientToScreen({50, 40});
    EXPECT_EQ(CursorPosOrInvalid().X, expected.X);
    EXPECT_EQ(CursorPosOrInvalid().Y, expected.Y);
}

TEST_F(MouseTrackingTest, ThePointerLeavingEndsTheTrackingWithBothNotices) {
    Track();
    Track();
    EXPECT_EQ(MouseTrackingCount(), 1);
    PumpMessages(50);
    EXPECT_EQ(Caller.Leaves, 0);
    EXPECT_TRUE(IsMouseTracking(&Caller));

    PointAt({150, 40});
    EXPECT_TRUE(PumpUntil([&] { return Caller.Leaves == 1; }));
    EXPECT_EQ(Probe->MouseLeaves, 1);
    EXPECT_FALSE(IsMouseTracking(&Caller));
    PumpMessages(40);
    EXPECT_EQ(Caller.Leaves, 1);
}

TEST_F(MouseTrackingTest, DisablingTheControlOrItsParentEndsTheTrackingWhileThePointerStays) {
    for (vcl::TWinControl* disabled : {static_cast<vcl::TWinControl*>(Probe), static_cast<vcl::TWinControl*>(Panel)}) {
        SCOPED_TRACE(disabled == Probe ? "control" : "parent");
        Caller.Leaves = 0;
        Probe->MouseLeaves = 0;
        Track();
        disabled->SetEnabled(false);
        EXPECT_TRUE(PumpUntil([&] { return Caller.Leaves == 1; }, 500));
        EXPECT_EQ(Probe->MouseLeaves, 1);
        disabled->SetEnabled(true);
    }
}

TEST_F(MouseTrackingTest, AnAreaOfTheCallersOwnDecidesWhatIsInside) {
    struct TAreaCaller : TLeaveCounter, IuiMouseTrackingCallerArea {
        bool PtInCaller(vcl::TPoint point) override { return point.X < 60; }
    } areaCaller;
    StartMouseTracking(Probe, {0, 0, 1, 1}, &areaCaller);
    PumpMessages(40);
    EXPECT_EQ(areaCaller.Leaves, 0);
    PointAt({70, 40});
    EXPECT_TRUE(PumpUntil([&] { return areaCaller.Leaves == 1; }, 500));
    // Still inside the control's client area: the control itself hears nothing.
    EXPECT_EQ(Probe->MouseLeaves, 0);
}

TEST_F(MouseTrackingTest, MouseLeaveMayStartTheTrackingAgain) {
    Caller.OnLeave = [&] {
        if (Caller.Leaves == 1) {
            StartMouseTracking(nullptr, {0, 0, 1, 1}, &Caller);
        }
    };
    Track();
    PointAt({150, 40});
    EXPECT_TRUE(PumpUntil([&] { return Caller.Leaves == 2; }, 500));
    EXPECT_FALSE(IsMouseTracking(&Caller));
}

TEST_F(MouseTrackingTest, DestroyingTheControlOrTheCallerEndsTheTracking) {
    Track();
    delete Probe;
    Probe = nullptr;
    EXPECT_TRUE(PumpUntil([&] { return Caller.Leaves == 1; }, 500));
    EXPECT_EQ(MouseTrackingCount(), 0);

    auto caller = std::make_unique<TLeaveCounter>();
    StartMouseTracking(Panel, Panel->ClientRect(), caller.get());
    EXPECT_EQ(MouseTrackingCount(), 1);
    caller.reset();
    EXPECT_EQ(MouseTrackingCount(), 0);
    PumpMessages(40);
}

TEST_F(MouseTrackingTest, ShutDownWithTrackingLeftFreesItAndStartsNoMore) {
    Track();
    FinalizeControlsUnit();
    EXPECT_EQ(MouseTrackingCount(), 0);
    Track();
    EXPECT_FALSE(IsMouseTracking(&Caller));
    InitializeControlsUnit();
    PointAt({150, 40});
    PumpMessages(40);
    EXPECT_EQ(Caller.Leaves, 0);
    Track();
    EXPECT_TRUE(IsMouseTracking(&Caller));
}

TEST(TuiSettingsController, NonClientMetricsChangesReachEveryRegisteredControl) {
    auto form = ui_test::ShowNewTestForm(200, 100, ui_test::TFormPlacement::OffScreen);
    auto* first = new TServicesProbeControl(form.get());
    first->SetParent(form.get());
    auto* second = new TServicesProbeControl(form.get());
    second->SetParent(form.get());
    TuiSettingsController& controller = *SettingsController();
    controller.AddListener(first);
    controller.AddListener(first);
    controller.AddListener(second);
    ASSERT_NE(controller.Window(), nullptr);

    SendMessageW(controller.Window(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
    SendMessageW(controller.Window(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    PumpMessages(10);
    EXPECT_EQ(first->SettingsChanges, 1);
    EXPECT_EQ(second->SettingsChanges, 1);

    controller.RemoveListener(first);
    controller.RemoveListener(second);
    EXPECT_EQ(controller.Window(), nullptr);
}

TEST(ControlsUnit, TheLibrarysCursorsAreLoadedWithTheirHotSpots) {
    const HCURSOR arrow = vcl::CursorHandle(vcl::crArrow);
    const struct {
        vcl::TCursor Cursor;
        DWORD HotSpotX, HotSpotY;
    } cursors[] = {{crDragCopy, 0, 0},   {crFullScroll, 15, 15}, {crUpScroll, 15, 15},
                   {crUiNoDrop, 15, 15}, {crColorPicker, 1, 30}, {crMultiDragCopy, 0, 0}};
    for (const auto& expected : cursors) {
        SCOPED_TRACE(expected.Cursor);
        const HCURSOR cursor = vcl::CursorHandle(expected.Cursor);
        ASSERT_NE(cursor, arrow);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(cursor, &info));
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, expected.HotSpotX);
        EXPECT_EQ(info.yHotspot, expected.HotSpotY);
        DeleteObject(info.hbmMask);
        if (info.hbmColor) {
            DeleteObject(info.hbmColor);
        }
    }
    EXPECT_EQ(vcl::CursorHandle(crUiHandPoint), LoadCursorW(nullptr, IDC_HAND));
}

TEST(Hourglass, NestedPushesRestoreTheCursorAtTheOutermostPopAndAnExtraPopIsVoid) {
    vcl::SetScreenCursor(vcl::crCross);
    PushHourglassCursor();
    PushHourglassCursor();
    EXPECT_EQ(vcl::ScreenCursor(), vcl::crHourGlass);
    PopHourglassCursor();
    EXPECT_EQ(vcl::ScreenCursor(), vcl::crHourGlass);
    PopHourglassCursor();
    EXPECT_EQ(vcl::ScreenCursor(), vcl::crCross);
    vcl::SetScreenCursor(vcl::crArrow);
    PopHourglassCursor();
    EXPECT_EQ(vcl::ScreenCursor(), vcl::crArrow);
    vcl::SetScreenCursor(vcl::crDefault);
}

} // namespace
} // namespace ui
