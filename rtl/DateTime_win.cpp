#include "rtl/DateTime.h"
#include "rtl/WindowsApi.h"

namespace rtl::detail {

TLocalClock PlatformLocalClock() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return TLocalClock{{local.wYear, local.wMonth, local.wDay},
                       {local.wHour, local.wMinute, local.wSecond, local.wMilliseconds}};
}

} // namespace rtl::detail
