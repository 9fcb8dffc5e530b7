#include "tests/app/acceptance/AcceptanceSetup.h"

#include "rtl/WindowsApi.h"
#include "tests/app/acceptance/WindowQueries.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace acceptance {

namespace {

constexpr wchar_t UninstallKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\开票软件";
constexpr UINT SettingsCodePage = 936;

std::wstring TempFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return folder;
}

void RemoveFolder(const std::wstring& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::path(folder), ignored);
}

} // namespace

TWorkFolder::TWorkFolder(const std::wstring& distFolder)
    : FPath(TempFolder() + L"tallyvane-" + std::filesystem::path(CurrentTestName()).wstring() + L"\\") {
    RemoveFolder(FPath);
    if (!std::filesystem::exists(std::filesystem::path(distFolder) / ProgramFileName)) {
        throw std::runtime_error("no program in the distribution folder " + Utf8(distFolder));
    }
    std::filesystem::create_directories(std::filesystem::path(FPath));
    std::filesystem::copy(std::filesystem::path(distFolder), std::filesystem::path(ProgramFolder()),
                          std::filesystem::copy_options::recursive);
}

TWorkFolder::~TWorkFolder() {
    RemoveFolder(FPath);
}

std::wstring TWorkFolder::SettingsFile() const {
    return std::filesystem::path(Program()).replace_extension(L".ini").wstring();
}

std::wstring TWorkFolder::MakeFolder(const std::wstring& relative) const {
    std::filesystem::create_directories(std::filesystem::path(FPath + relative));
    return FPath + relative + L"\\";
}

TInvoicingSoftware::TInvoicingSoftware(const std::wstring& folder, const std::wstring& sellerTaxNumber,
                                       const std::wstring& codeVersion) {
    const std::wstring installFolder = folder + L"KP\\";
    const std::wstring binFolder = installFolder + sellerTaxNumber + L"001\\bin\\";
    std::filesystem::create_directories(std::filesystem::path(binFolder));
    WriteAnsiFile(binFolder + sellerTaxNumber + L"_QYXXParams.xml",
                  L"<?xml version=\"1.0\" encoding=\"GBK\"?>\r\n<FPXT>\r\n  <OUTPUT>\r\n    <CODE>0000</CODE>\r\n"
                  L"    <DATA>\r\n      <NSRMC>杭州某某科技有限公司</NSRMC>\r\n      <SPBMBBH>" +
                      codeVersion + L"</SPBMBBH>\r\n    </DATA>\r\n  </OUTPUT>\r\n</FPXT>\r\n");
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, UninstallKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        throw std::runtime_error("the invoicing software's uninstall key could not be made");
    }
    const std::wstring icon = installFolder + L"kp.exe";
    RegSetValueExW(key, L"DisplayIcon", 0, REG_SZ, reinterpret_cast<const BYTE*>(icon.c_str()),
                   static_cast<DWORD>((icon.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

TInvoicingSoftware::~TInvoicingSoftware() {
    RemoveUninstallKey();
}

bool TInvoicingSoftware::RemoveUninstallKey() {
    const LSTATUS status = RegDeleteKeyW(HKEY_LOCAL_MACHINE, UninstallKey);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

std::wstring DistFolder() {
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"TALLYVANE_DIST_DIR", folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(folder) : std::wstring();
}

std::string AnsiBytes(const std::wstring& text) {
    const int size = WideCharToMultiByte(SettingsCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(SettingsCodePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    return bytes;
}

std::string CurrentTestName() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    return test ? std::string(test->test_suite_name()) + "." + test->name() : "acceptance";
}

std::string ReadFileBytes(const std::wstring& fileName) {
    std::ifstream file(std::filesystem::path(fileName), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::wstring ReadSetting(const std::wstring& settingsFile, const wchar_t* section, const wchar_t* key) {
    constexpr wchar_t Missing[] = L"(missing)";
    wchar_t value[1024] = {};
    GetPrivateProfileStringW(section, key, Missing, value, 1024, settingsFile.c_str());
    return value;
}

void WriteAnsiFile(const std::wstring& fileName, const std::wstring& text) {
    std::ofstream file(std::filesystem::path(fileName), std::ios::binary);
    file << AnsiBytes(text);
}

std::wstring FileVersionOf(const std::wstring& executable) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(executable.c_str(), &handle);
    if (size == 0) {
        return {};
    }
    std::vector<BYTE> data(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoW(executable.c_str(), 0, size, data.data()) ||
        !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || !info) {
        return {};
    }
    return std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(info->dwFileVersionMS)) +
           L"." + std::to_wstring(HIWORD(info->dwFileVersionLS)) + L"." +
           std::to_wstring(LOWORD(info->dwFileVersionLS));
}

} // namespace acceptance
