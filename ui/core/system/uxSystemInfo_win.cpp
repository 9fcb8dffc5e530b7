#include "rtl/WindowsApi.h"
#include "ui/core/system/uxSystemInfo.h"

namespace ui {

namespace {

// Windows as it reports itself. IsWow64Process is looked up by name: systems before XP SP2 lack it.
class TWindowsSystemInfo final : public TuxSystemInfo {
public:
    TuxOSVersion OSVersion() const override {
        OSVERSIONINFOW info{};
        info.dwOSVersionInfoSize = sizeof(info);
        if (!GetVersionExW(&info)) {
            return {};
        }
        return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
    }

    bool IsWow64() const override {
        using TIsWow64Process = BOOL(WINAPI*)(HANDLE, PBOOL);
        HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
        const auto isWow64Process = kernel ? reinterpret_cast<TIsWow64Process>(
                                                 reinterpret_cast<void (*)()>(GetProcAddress(kernel, "IsWow64Process")))
                                           : nullptr;
        BOOL result = FALSE;
        return isWow64Process && isWow64Process(GetCurrentProcess(), &result) && result;
    }

    uint32_t SysColor(int32_t index) const override { return GetSysColor(index); }
};

} // namespace

namespace detail {

TuxSystemInfo& PlatformSystemInfo() {
    static TWindowsSystemInfo info;
    return info;
}

} // namespace detail

} // namespace ui
