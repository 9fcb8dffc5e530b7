#include "rtl/WindowsApi.h"
#include "rtl/time/DateTime.h"

namespace rtl::detail {

TLocalClock PlatformLocalClock() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return TLocalClock{{local.wYear, local.wMonth, local.wDay},
                       {local.wHour, local.wMinute, local.wSecond, local.wMilliseconds}};
}

} // namespace rtl::detail
