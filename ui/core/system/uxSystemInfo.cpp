#include "ui/core/system/uxSystemInfo.h"

#include <optional>

namespace ui {

namespace {

TuxSystemInfo* InstalledSystemInfo = nullptr; // not owned
std::optional<TuxOSFlags> CachedOSFlags;

} // namespace

TuxOSFlags OSFlagsOf(const TuxOSVersion& version, bool isWow64) {
    TuxOSFlags flags;
    flags.IsWin9x = version.PlatformId == uxPlatformWin9x;
    flags.IsWin95 = flags.IsWin9x && version.Minor == 0;
    flags.IsWin98 = flags.IsWin9x && version.Minor == 10;
    flags.IsWinMe = flags.IsWin9x && version.Minor == 90;
    flags.IsWinNT = version.PlatformId == uxPlatformWinNT;
    flags.IsWin2K = flags.IsWinNT && version.Major == 5 && version.Minor == 0;
    flags.IsWin2KOrLater = flags.IsWinNT && version.Major >= 5;
    flags.IsWinXP = flags.IsWinNT && version.Major == 5 && version.Minor > 0;
    flags.IsWinXPOrLater = flags.IsWin2KOrLater && !flags.IsWin2K;
    flags.IsWin2KOrXP = flags.IsWin2K || flags.IsWinXP;
    flags.IsWinVista = flags.IsWinNT && version.Major == 6;
    flags.IsWinVistaOrLater = flags.IsWinNT && version.Major >= 6;
    flags.IsWin7 = flags.IsWinNT && version.Major == 6 && version.Minor == 1;
    flags.IsWow64 = isWow64;
    return flags;
}

TuxSystemInfo& GetSystemInfo() {
    return InstalledSystemInfo ? *InstalledSystemInfo : detail::PlatformSystemInfo();
}

TuxSystemInfo* SetSystemInfo(TuxSystemInfo* info) {
    TuxSystemInfo* previous = InstalledSystemInfo;
    InstalledSystemInfo = info;
    CachedOSFlags.reset();
    return previous;
}

const TuxOSFlags& OSFlags() {
    if (!CachedOSFlags) {
        const TuxSystemInfo& info = GetSystemInfo();
        CachedOSFlags = OSFlagsOf(info.OSVersion(), info.IsWow64());
    }
    return *CachedOSFlags;
}

void InitializeSystemInfoUnit() {
    OSFlags();
}

uint32_t ColorToRGB(vcl::TColor color) {
    if ((color & vcl::SystemColorBase) == vcl::SystemColorBase) {
        return GetSystemInfo().SysColor(color & 0xFF);
    }
    return static_cast<uint32_t>(color);
}

} // namespace ui
