#pragma once
// A system info for tests: the operating-system version, WOW64 and the system colours the test pins, in place while
// the object lives. Colours the test does not pin come from the platform.

#include "ui/core/system/uxSystemInfo.h"

#include <cstdint>
#include <map>

namespace ui_test {

class TPinnedSystemInfo final : public ui::TuxSystemInfo {
public:
    explicit TPinnedSystemInfo(ui::TuxOSVersion version = {ui::uxPlatformWinNT, 6, 1}, bool isWow64 = false)
        : Version(version), Wow64(isWow64), FPrevious(ui::SetSystemInfo(this)) {}
    ~TPinnedSystemInfo() override { ui::SetSystemInfo(FPrevious); }
    TPinnedSystemInfo(const TPinnedSystemInfo&) = delete;
    TPinnedSystemInfo& operator=(const TPinnedSystemInfo&) = delete;

    ui::TuxOSVersion OSVersion() const override { return Version; }
    bool IsWow64() const override { return Wow64; }
    uint32_t SysColor(int32_t index) const override {
        const auto pinned = Colors.find(index);
        return pinned != Colors.end() ? pinned->second : ui::detail::PlatformSystemInfo().SysColor(index);
    }

    // Pins a system colour (vcl::clBtnFace, ...) to an RGB value.
    void PinColor(vcl::TColor systemColor, uint32_t rgb) { Colors[systemColor & 0xFF] = rgb; }

    ui::TuxOSVersion Version;
    bool Wow64;
    std::map<int32_t, uint32_t> Colors;

private:
    ui::TuxSystemInfo* FPrevious;
};

} // namespace ui_test
