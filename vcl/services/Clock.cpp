#include "vcl/services/Clock.h"

#include "vcl/system/Seam.h"
#include "vcl/system/Win32.h"

namespace vcl {

namespace {

class TSystemClock final : public IClock {
public:
    rtl::TDateTime Now() override { return rtl::Now(); }
    uint64_t TickCount() override { return GetTickCount64(); }
};

TSystemClock SystemClock;
TSeam<IClock> ClockSeam(SystemClock);

} // namespace

IClock& Clock() {
    return ClockSeam.Current();
}

IClock* SetClock(IClock* clock) {
    return ClockSeam.Inject(clock);
}

} // namespace vcl
