#include "tests/support/ui/ServiceDoubles.h"

#include "rtl/text/CodePages.h"

#include <gtest/gtest.h>

namespace ui_test {

namespace {

class TUnexpectedShellLaunches final : public vcl::IShellLauncher {
public:
    intptr_t Launch(const vcl::TShellLaunch& launch) override {
        ADD_FAILURE() << "unexpected shell launch \"" << rtl::UnicodeToUtf8(launch.Operation)
                      << "\" of: " << rtl::UnicodeToUtf8(launch.File);
        return 0;
    }
};

TUnexpectedShellLaunches UnexpectedShellLaunches;

} // namespace

TRecordedShellLaunches::TRecordedShellLaunches() : FPrevious(vcl::SetShellLauncher(this)) {}

TRecordedShellLaunches::~TRecordedShellLaunches() {
    vcl::SetShellLauncher(FPrevious);
}

intptr_t TRecordedShellLaunches::Launch(const vcl::TShellLaunch& launch) {
    Launched.push_back(launch);
    return Result;
}

TRecordedBeeps::TRecordedBeeps() : FPrevious(vcl::SetBeeper(this)) {}

TRecordedBeeps::~TRecordedBeeps() {
    vcl::SetBeeper(FPrevious);
}

void TRecordedBeeps::MessageBeep(uint32_t soundType) {
    Beeps.push_back(soundType);
}

TFixedClock::TFixedClock(rtl::TDateTime now, uint64_t tickCount)
    : NowValue(now), TickCountValue(tickCount), FPrevious(vcl::SetClock(this)) {}

TFixedClock::~TFixedClock() {
    vcl::SetClock(FPrevious);
}

void InstallUnexpectedShellLaunchGuard() {
    vcl::SetShellLauncher(&UnexpectedShellLaunches);
}

} // namespace ui_test
