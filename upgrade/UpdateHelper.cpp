// The helper program that installs an upgrade: started by the program as
//   UpdateHelper.exe "program path" +<restart parameters><method digit>
// it waits until the program has ended, puts the downloads of the program's folder in place (all or none), runs the
// downloaded setup for the external-setup method, and starts the program again with its restart parameters. When the
// downloads cannot be put in place the program starts again unchanged, without them.

#include "rtl/WindowsApi.h"
#include "upgrade/auHelperInstall.h"

#include <shellapi.h>
#include <string>
#include <vector>

namespace {

constexpr uint32_t ProgramEndTimeout = 60000;
constexpr wchar_t HelperCaption[] = L"Update";
constexpr wchar_t ProgramStillRunningText[] = L"The program did not end, so the update was not installed.";
constexpr wchar_t NotInstalledText[] = L"The update could not be installed. The program was left as it was.";

void StartProgram(const std::wstring& program, const std::wstring& parameters) {
    std::wstring line = L"\"" + program + L"\"";
    if (!parameters.empty()) {
        line += L" " + parameters;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

bool IsSetup(const std::wstring& path) {
    const size_t dot = path.rfind(L'.');
    const std::wstring extension = dot == std::wstring::npos ? L"" : path.substr(dot);
    return CompareStringOrdinal(extension.c_str(), -1, L".exe", -1, TRUE) == CSTR_EQUAL ||
           CompareStringOrdinal(extension.c_str(), -1, L".msi", -1, TRUE) == CSTR_EQUAL;
}

// Runs the first downloaded setup and waits until it ends.
void RunSetup(const std::vector<std::wstring>& installed) {
    for (const std::wstring& path : installed) {
        if (!IsSetup(path)) {
            continue;
        }
        SHELLEXECUTEINFOW execute{};
        execute.cbSize = sizeof execute;
        execute.fMask = SEE_MASK_NOCLOSEPROCESS;
        execute.lpVerb = L"open";
        execute.lpFile = path.c_str();
        execute.nShow = SW_SHOWNORMAL;
        if (ShellExecuteExW(&execute) && execute.hProcess != nullptr) {
            WaitForSingleObject(execute.hProcess, INFINITE);
            CloseHandle(execute.hProcess);
        }
        return;
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    au::TauHelperParameter parameter;
    if (arguments == nullptr || count != 3 || !au::ParseHelperParameter(arguments[2], parameter)) {
        return 2;
    }
    const std::wstring program = arguments[1];
    LocalFree(arguments);
    const std::wstring folder = program.substr(0, program.find_last_of(L"\\/:") + 1);
    if (!au::WaitForFileRelease(program, ProgramEndTimeout)) {
        au::DeleteDownloads(folder);
        MessageBoxW(nullptr, ProgramStillRunningText, HelperCaption, MB_OK | MB_ICONERROR);
        return 1;
    }
    std::vector<std::wstring> installed;
    if (!au::InstallDownloads(folder, installed)) {
        MessageBoxW(nullptr, NotInstalledText, HelperCaption, MB_OK | MB_ICONERROR);
        StartProgram(program, L"");
        return 1;
    }
    if (parameter.MethodDigit == L'1') {
        RunSetup(installed);
    }
    StartProgram(program, parameter.RestartParams);
    return 0;
}
