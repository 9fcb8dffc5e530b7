// The timer component: it fires while messages are pumped, only while enabled with a handler, and a change starts
// its period again.

#include "vcl/system/Timer.h"

#include "tests/support/ui/MessagePump.h"

#include <gtest/gtest.h>

namespace {

TEST(Timer, FiresWhileMessagesArePumpedAndStopsWhenDisabled) {
    vcl::TTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(20);
    EXPECT_FALSE(timer.Running()) << "no handler, no Windows timer";
    timer.SetOnTimer([&](rtl::TObject* sender) {
        EXPECT_EQ(sender, &timer);
        ++ticks;
    });
    EXPECT_TRUE(timer.Running());
    EXPECT_TRUE(ui_test::PumpUntil([&] { return ticks >= 3; }));
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Running());
    const int stopped = ticks;
    ui_test::PumpMessages(100);
    EXPECT_EQ(ticks, stopped) << "no tick after disabling, not even one already queued";
    timer.SetEnabled(true);
    EXPECT_TRUE(ui_test::PumpUntil([&] { return ticks > stopped; }));
}

TEST(Timer, AZeroIntervalOrAMissingHandlerLeavesItStopped) {
    vcl::TTimer timer(nullptr);
    int ticks = 0;
    timer.SetOnTimer([&](rtl::TObject*) { ++ticks; });
    timer.SetInterval(0);
    EXPECT_FALSE(timer.Running());
    timer.SetInterval(10);
    timer.SetOnTimer({});
    EXPECT_FALSE(timer.Running());
    ui_test::PumpMessages(60);
    EXPECT_EQ(ticks, 0);
}

TEST(Timer, FreeingTheTimerInsideItsHandlerIsSafe) {
    auto* timer = new vcl::TTimer(nullptr);
    bool fired = false;
    timer->SetInterval(10);
    timer->SetOnTimer([&](rtl::TObject*) {
        fired = true;
        delete timer;
        timer = nullptr;
    });
    EXPECT_TRUE(ui_test::PumpUntil([&] { return fired; }));
    ui_test::PumpMessages(30);
    EXPECT_EQ(timer, nullptr);
}

} // namespace
