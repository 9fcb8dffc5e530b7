// The unit loader: start-ups run at once, shut-downs in reverse at the end, a stopped unit's shut-down runs once.

#include "ui/core/gdiplus/uxUnitsLoader.h"

#include <gtest/gtest.h>
#include <string>

namespace ui {
namespace {

std::string UnitsLog;

void StartA() {
    UnitsLog += "+A";
}
void StopA() {
    UnitsLog += "-A";
}
void StartB() {
    UnitsLog += "+B";
}
void StopB() {
    UnitsLog += "-B";
}
void StopC() {
    UnitsLog += "-C";
}

TEST(uxUnitsLoader, ShutDownsRunInReverseOrderOfTheirStartUps) {
    UnitsLog.clear();
    {
        TuxUnitsLoader loader;
        loader.StartUnit(StartA, StopA);
        loader.StartUnit(StartB, StopB);
        loader.StartUnit(nullptr, StopC);
        EXPECT_EQ(UnitsLog, "+A+B") << "start-ups run at once";
        EXPECT_TRUE(loader.Started());
    }
    EXPECT_EQ(UnitsLog, "+A+B-C-B-A");
}

TEST(uxUnitsLoader, StoppingAUnitRunsItsShutDownOnceAndOnlyWhenListed) {
    UnitsLog.clear();
    TuxUnitsLoader loader;
    loader.StartUnit(StartA, StopA);
    loader.StartUnit(StartB, StopB);
    loader.StopUnit(StopC);
    EXPECT_EQ(UnitsLog, "+A+B") << "a shut-down that is not listed does not run";
    loader.StopUnit(StopB);
    loader.StopUnit(StopB);
    EXPECT_EQ(UnitsLog, "+A+B-B");
    loader.Finalize();
    loader.Finalize();
    EXPECT_EQ(UnitsLog, "+A+B-B-A");
    EXPECT_FALSE(loader.Started());
}

TEST(uxUnitsLoader, NothingRunsAtTheEndUnlessAUnitStarted) {
    UnitsLog.clear();
    TuxUnitsLoader loader;
    loader.StartUnit(nullptr, StopA);
    loader.Finalize();
    EXPECT_EQ(UnitsLog, "");
}

} // namespace
} // namespace ui
