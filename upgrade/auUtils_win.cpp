// The upgrade utilities that call Windows: URL cracking, local times, files, resources, the network check, the shell
// and the application.

#include "rtl/WindowsApi.h"
#include "rtl/io/Streams.h"
#include "rtl/text/StringUtils.h"
#include "rtl/time/DateTime.h"
#include "upgrade/auUtils.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Form.h"
#include "vcl/resources/ResourceStream.h"
#include "vcl/services/Registry.h"
#include "vcl/services/ShellLauncher.h"

#include <algorithm>
#include <cstring>
#include <vector>
#include <wininet.h>
#include <winsock2.h>

namespace au {

bool CrackURL(UnicodeStringView url, TauURLParts& parts) {
    UnicodeString full(url);
    if (full.find(u"://") == UnicodeString::npos) {
        full.insert(0, u"http://");
    }
    std::vector<wchar_t> scheme(33), host(257), user(129), password(129), path(2049), extra(2049);
    URL_COMPONENTSW components{};
    components.dwStructSize = sizeof components;
    components.lpszScheme = scheme.data();
    components.dwSchemeLength = static_cast<DWORD>(scheme.size());
    components.lpszHostName = host.data();
    components.dwHostNameLength = static_cast<DWORD>(host.size());
    components.lpszUserName = user.data();
    components.dwUserNameLength = static_cast<DWORD>(user.size());
    components.lpszPassword = password.data();
    components.dwPasswordLength = static_cast<DWORD>(password.size());
    components.lpszUrlPath = path.data();
    components.dwUrlPathLength = static_cast<DWORD>(path.size());
    components.lpszExtraInfo = extra.data();
    components.dwExtraInfoLength = static_cast<DWORD>(extra.size());
    if (!InternetCrackUrlW(reinterpret_cast<const wchar_t*>(full.c_str()), 0, ICU_DECODE, &components)) {
        return false;
    }
    const auto text = [](const std::vector<wchar_t>& buffer, DWORD length) {
        return UnicodeString(reinterpret_cast<const char16_t*>(buffer.data()), length);
    };
    parts.Scheme = text(scheme, components.dwSchemeLength);
    parts.Host = text(host, components.dwHostNameLength);
    parts.UserName = text(user, components.dwUserNameLength);
    parts.Password = text(password, components.dwPasswordLength);
    parts.Path = text(path, components.dwUrlPathLength);
    parts.Extra = text(extra, components.dwExtraInfoLength);
    parts.Port = components.nPort;
    return true;
}

UnicodeString ExtractURLHost(UnicodeStringView url) {
    TauURLParts parts;
    return CrackURL(url, parts) ? parts.Host : UnicodeString();
}

double TimeZoneBias() {
    TIME_ZONE_INFORMATION zone{};
    const DWORD mode = GetTimeZoneInformation(&zone);
    const LONG bias = zone.Bias + (mode == TIME_ZONE_ID_DAYLIGHT ? zone.DaylightBias : zone.StandardBias);
    return bias / 1440.0;
}

double ParseHTTPDate(UnicodeStringView text) {
    const double universal = ParseHTTPDateUTC(text);
    return universal == 0 ? 0 : universal - TimeZoneBias();
}

bool IsExistingFolder(UnicodeStringView path) {
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t*>(UnicodeString(path).c_str()));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

namespace {

UnicodeString WithTrailingBackslash(UnicodeString path) {
    if (!path.empty() && path.back() != u'\\') {
        path += u'\\';
    }
    return path;
}

UnicodeString ProgramFolder() {
    std::vector<wchar_t> buffer(MAX_PATH);
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()))) == buffer.size() &&
           buffer.size() < 32768) {
        buffer.resize(buffer.size() * 2);
    }
    const UnicodeString path(reinterpret_cast<const char16_t*>(buffer.data()), length);
    return path.substr(0, path.find_last_of(u'\\') + 1);
}

// A local date-time as a file time, through the packed DOS form (two-second resolution, no zone conversion).
bool DateTimeToFileTime(double value, FILETIME& result) {
    const rtl::TDateParts date = rtl::DecodeDate(value);
    const rtl::TTimeParts time = rtl::DecodeTime(value);
    if (date.Year < 1980 || date.Year > 2107) {
        return false;
    }
    const WORD dosDate = static_cast<WORD>(((date.Year - 1980) << 9) | (date.Month << 5) | date.Day);
    const WORD dosTime = static_cast<WORD>((time.Hour << 11) | (time.Minute << 5) | (time.Second / 2));
    FILETIME local{};
    return DosDateTimeToFileTime(dosDate, dosTime, &local) && LocalFileTimeToFileTime(&local, &result);
}

} // namespace

UnicodeString GetTempFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH, buffer);
    const UnicodeString folder =
        length > 0 && length <= MAX_PATH ? UnicodeString(reinterpret_cast<const char16_t*>(buffer), length) : u"";
    return !folder.empty() && IsExistingFolder(folder) ? WithTrailingBackslash(folder) : ProgramFolder();
}

bool SetFileTimes(UnicodeStringView path, double creationTime, double lastWriteTime, double lastAccessTime) {
    const HANDLE file =
        CreateFileW(reinterpret_cast<const wchar_t*>(UnicodeString(path).c_str()), GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    FILETIME times[3] = {};
    bool ok = GetFileTime(file, &times[0], &times[2], &times[1]);
    const double values[3] = {creationTime, lastWriteTime, lastAccessTime};
    for (int i = 0; i < 3; ++i) {
        FILETIME converted{};
        if (values[i] != -1 && DateTimeToFileTime(values[i], converted)) {
            times[i] = converted;
        }
    }
    ok = ok && SetFileTime(file, &times[0], &times[2], &times[1]);
    CloseHandle(file);
    return ok;
}

int64_t GetFileSize64(UnicodeStringView path) {
    const HANDLE file = CreateFileW(reinterpret_cast<const wchar_t*>(UnicodeString(path).c_str()), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return -1;
    }
    LARGE_INTEGER size{};
    const bool ok = GetFileSizeEx(file, &size);
    CloseHandle(file);
    return ok ? size.QuadPart : -1;
}

bool LoadResourceToStream(void* module, UnicodeStringView name, UnicodeStringView type, rtl::TStream* stream) {
    if (stream == nullptr) {
        return false;
    }
    try {
        vcl::TResourceStream resource(static_cast<HINSTANCE>(module), name, UnicodeString(type).c_str());
        const int64_t size = resource.Size();
        if (size == 0 || size > INT32_MAX) {
            return false;
        }
        return stream->Write(resource.Memory(), static_cast<int32_t>(size)) == static_cast<int32_t>(size);
    } catch (const vcl::EResNotFound&) {
        return false;
    }
}

bool IsLocalAddressNotLoopback() {
    WSADATA data{};
    if (WSAStartup(MAKEWORD(1, 1), &data) != 0) {
        return false;
    }
    bool result = false;
    char name[64] = {};
    if (gethostname(name, sizeof name - 1) == 0) {
        if (const hostent* host = gethostbyname(name); host != nullptr && host->h_addr_list != nullptr) {
            const char* last = nullptr;
            for (int i = 0; i < 11 && host->h_addr_list[i] != nullptr; ++i) {
                in_addr address{};
                std::memcpy(&address, host->h_addr_list[i], sizeof address);
                last = inet_ntoa(address);
            }
            result = last != nullptr && *last != 0 && std::string_view(last) != "127.0.0.1";
        }
    }
    WSACleanup();
    return result;
}

bool IsNetworkConnected() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Services\\RemoteAccess", 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return IsLocalAddressNotLoopback();
    }
    DWORD value = 0;
    DWORD size = sizeof value;
    DWORD type = 0;
    const LONG status =
        RegQueryValueExW(key, L"Remote Connection", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || size != sizeof value) {
        return IsLocalAddressNotLoopback();
    }
    return value == 1;
}

namespace {

// The command of a verb key below the type's "shell" key; empty when it has none.
UnicodeString VerbCommand(vcl::TRegistry& registry, const UnicodeString& shellKey, const UnicodeString& verb) {
    return registry.OpenKeyReadOnly(shellKey + verb + u"\\command") ? registry.ReadString(u"") : UnicodeString();
}

UnicodeString AssociatedCommand(UnicodeStringView extension) {
    vcl::TRegistry registry(KEY_READ);
    registry.SetRootKey(HKEY_CLASSES_ROOT);
    if (!registry.OpenKeyReadOnly(u"\\" + UnicodeString(extension))) {
        return {};
    }
    const UnicodeString type = registry.ReadString(u"");
    if (type.empty()) {
        return {};
    }
    const UnicodeString shellKey = u"\\" + type + u"\\shell\\";
    if (registry.OpenKeyReadOnly(shellKey + u"open\\command")) {
        return registry.ReadString(u"");
    }
    if (!registry.OpenKeyReadOnly(shellKey)) {
        return {};
    }
    const std::vector<UnicodeString> verbs = registry.GetKeyNames();
    const auto namedOpen = std::find_if(verbs.begin(), verbs.end(), [](const UnicodeString& verb) {
        return rtl::UpperCase(verb).find(u"OPEN") != UnicodeString::npos;
    });
    if (namedOpen != verbs.end()) {
        return VerbCommand(registry, shellKey, *namedOpen);
    }
    for (const UnicodeString& verb : verbs) {
        if (UnicodeString command = VerbCommand(registry, shellKey, verb); !command.empty()) {
            return command;
        }
    }
    return {};
}

} // namespace

UnicodeString GetFileAssociationCommand(UnicodeStringView extension) {
    try {
        return SplitCommandLine(AssociatedCommand(extension)).Program;
    } catch (const vcl::ERegistryException&) {
        return {};
    }
}

void OpenURL(UnicodeStringView url, bool useHTMLHandler) {
    const UnicodeString address =
        url.find(u"://") == UnicodeStringView::npos ? u"http://" + UnicodeString(url) : UnicodeString(url);
    vcl::TShellLaunch launch;
    launch.Owner = GetDesktopWindow();
    launch.Operation = u"open";
    launch.ShowCommand = SW_SHOWNORMAL;
    launch.File = useHTMLHandler ? GetFileAssociationCommand(u".html") : UnicodeString();
    if (launch.File.empty()) {
        launch.File = address;
    } else {
        launch.Parameters = address;
    }
    vcl::ShellLauncher().Launch(launch);
}

void CloseApplication() {
    vcl::TApplication& application = vcl::Application();
    if (vcl::TCustomForm* mainForm = application.MainForm(); mainForm != nullptr) {
        mainForm->Close();
    }
    application.Terminate();
}

} // namespace au
