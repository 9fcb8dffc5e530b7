#pragma once
// Handing a file or an address to the shell (ShellExecute): opening a document with its program, the help file, a
// web page. Every launch goes through the launcher in use: the shell's, or, in a test, one that records the launch,
// so that no test starts a program.

#include "rtl/text/StringTypes.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>

namespace vcl {

// What the shell is asked to do.
struct TShellLaunch {
    HWND Owner = nullptr;
    // The verb ("open"); empty for the file's default verb.
    rtl::UnicodeString Operation;
    rtl::UnicodeString File;
    rtl::UnicodeString Parameters;
    rtl::UnicodeString Directory;
    // How the program's window shows (SW_SHOWNORMAL, ...); shown normally unless set.
    int32_t ShowCommand = 1;
};

inline constexpr intptr_t ShellExecuteLastError = 32;

// Hands a launch to the shell and answers as ShellExecute does: a value above 32 for success, else the error code
// (ShellExecuteLastError and below).
class IShellLauncher {
public:
    virtual intptr_t Launch(const TShellLaunch& launch) = 0;

protected:
    ~IShellLauncher() = default;
};

// The launcher in use.
IShellLauncher& ShellLauncher();
// Uses launcher (not owned) from now on; nullptr goes back to the shell. Returns the launcher it replaces (nullptr
// when that was the shell).
IShellLauncher* SetShellLauncher(IShellLauncher* launcher);

// Opens file (a path or an address) with the "open" verb, shown normally; true when the shell took it.
bool ShellOpen(rtl::UnicodeStringView file);

} // namespace vcl
