#include "rtl/time/DateTime.h"

#include <ctime>

namespace rtl::detail {

TLocalClock PlatformLocalClock() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    // A leap second (tm_sec 60) is shown as the last second of its minute.
    return TLocalClock{{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
                       {local.tm_hour, local.tm_min, local.tm_sec < 60 ? local.tm_sec : 59,
                        static_cast<int32_t>(now.tv_nsec / 1000000)}};
}

} // namespace rtl::detail
