// Writing out and starting the helper program, and what the running program knows of itself.

#include "upgrade/auUpgradeHelper.h"

#include "rtl/WindowsApi.h"
#include "vcl/resources/ResourceStream.h"

#include <memory>
#include <shellapi.h>
#include <vector>

namespace au {

namespace {

// The helper program as the module carries it, read in place; nullptr when the module carries none.
std::unique_ptr<vcl::TResourceStream> HelperResource(void* module) {
    try {
        auto helper = std::make_unique<vcl::TResourceStream>(static_cast<HINSTANCE>(module), UpgradeHelperResource,
                                                             UpgradeHelperResource);
        return helper->Size() > 0 ? std::move(helper) : nullptr;
    } catch (const vcl::EResNotFound&) {
        return nullptr;
    }
}

} // namespace

bool HasUpgradeHelper(void* module) {
    return HelperResource(module) != nullptr;
}

bool WriteUpgradeHelper(void* module, UnicodeStringView path) {
    const std::unique_ptr<vcl::TResourceStream> helper = HelperResource(module);
    if (helper == nullptr) {
        return false;
    }
    const UnicodeString name(path);
    const auto* wideName = reinterpret_cast<const wchar_t*>(name.c_str());
    const HANDLE file = CreateFileW(wideName, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const auto size = static_cast<DWORD>(helper->Size());
    const bool whole = WriteFile(file, helper->Memory(), size, &written, nullptr) && written == size;
    const bool closed = CloseHandle(file);
    if (!whole || !closed) {
        DeleteFileW(wideName);
        return false;
    }
    return true;
}

bool StartProgram(const UnicodeString& commandLine) {
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

UnicodeString ExecutablePath() {
    std::vector<wchar_t> buffer(32768);
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    return UnicodeString(reinterpret_cast<const char16_t*>(buffer.data()), length);
}

UnicodeString FirstCommandLineParameter() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (arguments == nullptr) {
        return {};
    }
    UnicodeString first = count > 1 ? UnicodeString(reinterpret_cast<const char16_t*>(arguments[1])) : u"";
    LocalFree(arguments);
    return first;
}

} // namespace au
