#pragma once
// The one place through which the library learns what it runs on: the operating system's platform and version (from
// which the version flags follow), whether the process is a 32-bit one under 64-bit Windows (WOW64), and the colours of
// the system colour scheme. The platform's answers stand unless a caller puts its own TuxSystemInfo in place, so every
// branch that depends on them can be taken on any machine (tests pin Windows 9x, XP, Vista and WOW64 this way).

#include "vcl/graphics/Colors.h"

#include <cstdint>

namespace ui {

// Platform identifiers as the operating system reports them.
inline constexpr uint32_t uxPlatformWin9x = 1;
inline constexpr uint32_t uxPlatformWinNT = 2;

struct TuxOSVersion {
    uint32_t PlatformId = 0;
    uint32_t Major = 0;
    uint32_t Minor = 0;
};

// What other units test about the operating system.
struct TuxOSFlags {
    bool IsWin9x = false;
    bool IsWin95 = false;
    bool IsWin98 = false;
    bool IsWinMe = false;
    bool IsWinNT = false;
    bool IsWin2K = false;
    bool IsWin2KOrLater = false;
    bool IsWinXP = false;
    bool IsWinXPOrLater = false;
    bool IsWin2KOrXP = false;
    bool IsWinVista = false;
    bool IsWinVistaOrLater = false;
    bool IsWin7 = false;
    bool IsWow64 = false;
};

// The flags of a platform and version.
TuxOSFlags OSFlagsOf(const TuxOSVersion& version, bool isWow64);

// The seam: the operating system's facts as the library reads them.
class TuxSystemInfo {
public:
    virtual ~TuxSystemInfo() = default;
    virtual TuxOSVersion OSVersion() const = 0;
    // True when the process runs under WOW64; false when the system cannot tell (no IsWow64Process).
    virtual bool IsWow64() const = 0;
    // The RGB value (0x00BBGGRR) of a system colour by its index (COLOR_BTNFACE = 15, ...).
    virtual uint32_t SysColor(int32_t index) const = 0;
};

// The system info in place.
TuxSystemInfo& GetSystemInfo();
// Puts info in place of the current one and returns the one it replaces; nullptr stands for the platform's own. The
// caller keeps info alive while it is in place.
TuxSystemInfo* SetSystemInfo(TuxSystemInfo* info);
// The flags of the system info in place, read once and again whenever another one is put in place.
const TuxOSFlags& OSFlags();

// The RGB value of a colour, system colours resolved through the system info in place; clNone and clDefault, which name
// no colour, are returned as they are.
uint32_t ColorToRGB(vcl::TColor color);

// Start-up of the library core: the operating-system flags are read.
void InitializeSystemInfoUnit();

namespace detail {
// The platform's own system info.
TuxSystemInfo& PlatformSystemInfo();
} // namespace detail

} // namespace ui
