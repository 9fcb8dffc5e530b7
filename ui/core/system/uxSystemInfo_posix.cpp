#include "ui/core/objects/uxException.h"
#include "ui/core/system/uxSystemInfo.h"

namespace ui {

namespace {

// No Windows at all: no platform of either family (every version flag false), no WOW64, and no colour scheme to read.
class TNoWindowsSystemInfo final : public TuxSystemInfo {
public:
    TuxOSVersion OSVersion() const override { return {}; }
    bool IsWow64() const override { return false; }
    uint32_t SysColor(int32_t) const override {
        throw EuxException(u"System colours exist only on Windows; put a system info in place to provide them");
    }
};

} // namespace

namespace detail {

TuxSystemInfo& PlatformSystemInfo() {
    static TNoWindowsSystemInfo info;
    return info;
}

} // namespace detail

} // namespace ui
