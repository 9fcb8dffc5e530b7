#pragma once
// Stand-ins for the services tests must not leave to Windows: shell launches are recorded instead of starting
// programs (an unexpected one fails the test), beeps are counted, and the clock says what the test sets.

#include "rtl/time/DateTime.h"
#include "vcl/services/Beeper.h"
#include "vcl/services/Clock.h"
#include "vcl/services/ShellLauncher.h"

#include <cstdint>
#include <vector>

namespace ui_test {

// Records every shell launch while it exists and answers with Result (success unless set).
class TRecordedShellLaunches final : public vcl::IShellLauncher {
public:
    TRecordedShellLaunches();
    ~TRecordedShellLaunches();
    TRecordedShellLaunches(const TRecordedShellLaunches&) = delete;
    TRecordedShellLaunches& operator=(const TRecordedShellLaunches&) = delete;

    intptr_t Launch(const vcl::TShellLaunch& launch) override;

    std::vector<vcl::TShellLaunch> Launched;
    intptr_t Result = vcl::ShellExecuteLastError + 1;

private:
    vcl::IShellLauncher* FPrevious;
};

// Records the sound type of every beep while it exists.
class TRecordedBeeps final : public vcl::IBeeper {
public:
    TRecordedBeeps();
    ~TRecordedBeeps();
    TRecordedBeeps(const TRecordedBeeps&) = delete;
    TRecordedBeeps& operator=(const TRecordedBeeps&) = delete;

    void MessageBeep(uint32_t soundType) override;

    std::vector<uint32_t> Beeps;

private:
    vcl::IBeeper* FPrevious;
};

// A clock that stands where the test sets it while it exists.
class TFixedClock final : public vcl::IClock {
public:
    explicit TFixedClock(rtl::TDateTime now, uint64_t tickCount = 0);
    ~TFixedClock();
    TFixedClock(const TFixedClock&) = delete;
    TFixedClock& operator=(const TFixedClock&) = delete;

    rtl::TDateTime Now() override { return NowValue; }
    uint64_t TickCount() override { return TickCountValue; }

    rtl::TDateTime NowValue;
    uint64_t TickCountValue;

private:
    vcl::IClock* FPrevious;
};

// Installs the launcher that fails the test on an unexpected shell launch; the UI test support does it at start-up.
void InstallUnexpectedShellLaunchGuard();

} // namespace ui_test
