#pragma once
// Plain functions of the upgrade component: URL and command-line splitting, version comparison, percentages, HTTP
// dates, file times and sizes, the temporary folder, resource extraction, the network check, opening a web page and
// closing the application. None keeps state. The text functions are portable; the rest call Windows and exist only in
// the Windows build.

#include "rtl/text/StringTypes.h"

#include <array>
#include <cstdint>

namespace rtl {
class TStream;
}

namespace au {

using rtl::UnicodeString;
using rtl::UnicodeStringView;

// The text after the last "/", "\" or ":" of url.
UnicodeString ExtractURLFileName(UnicodeStringView url);

// A shell command as the registry keeps it ("C:\App\app.exe" "%1"), split into the program and its parameters.
struct TauCommandLine {
    UnicodeString Program;
    UnicodeString Parameters;
};
// A quoted program ends at its closing quote (a doubled quote counts as one) and the parameters lose their enclosing
// quotes; a quote further in starts the parameters. Without quotes the program ends before the first " -", " /",
// " \", " %" or "," that leaves it a file extension, the separator going with the parameters except the comma. A
// rundll command names the runner, in the folder of the library it runs. Both parts are trimmed.
TauCommandLine SplitCommandLine(UnicodeStringView command);

// The four dotted parts of a version text; missing parts are "0", parts past the fourth are dropped.
std::array<UnicodeString, 4> SplitVersion(UnicodeStringView version);
// -1, 0 or 1. Part by part as integers; when any part is no integer, the sign of the plain comparison of the texts.
int CompareVersions(UnicodeStringView a, UnicodeStringView b);

// part * 100 / whole rounded half to even; 0 when whole is 0 or the result does not fit a byte.
uint8_t Percent(double part, double whole);

// An HTTP date (RFC 1123, RFC 850 or asctime form) as universal time; 0 for empty or unreadable text.
double ParseHTTPDateUTC(UnicodeStringView text);

// The command line that starts the helper program: the helper and the program, each quoted (folders may hold
// blanks), then the parameter.
UnicodeString UpgradeHelperCommandLine(UnicodeStringView helperPath, UnicodeStringView programPath,
                                       UnicodeStringView parameter);

#ifdef _WIN32
struct TauURLParts {
    UnicodeString Scheme, Host, UserName, Password, Path, Extra;
    uint16_t Port = 0;
};
// Splits url with WinInet's cracker, "http://" put in front when it names no scheme; false when it cannot be read.
bool CrackURL(UnicodeStringView url, TauURLParts& parts);
UnicodeString ExtractURLHost(UnicodeStringView url);

// The HTTP date in local time; 0 for empty or unreadable text.
double ParseHTTPDate(UnicodeStringView text);
// The time-zone bias now, in days (local = universal - bias).
double TimeZoneBias();

bool IsExistingFolder(UnicodeStringView path);
// The system's temporary folder with a trailing backslash; the program's folder when that does not exist.
UnicodeString GetTempFolder();
// Sets the times that are not -1 (local date-times, two-second resolution); false when the file cannot be changed.
bool SetFileTimes(UnicodeStringView path, double creationTime, double lastWriteTime, double lastAccessTime);
// The size of the file, -1 when it cannot be opened.
int64_t GetFileSize64(UnicodeStringView path);
// Writes the bytes of a resource of module to stream; false when missing, empty or not written.
bool LoadResourceToStream(void* module, UnicodeStringView name, UnicodeStringView type, rtl::TStream* stream);

// Whether the machine is on a network: the remote-access service's flag, else a local address that is not loopback.
bool IsNetworkConnected();
bool IsLocalAddressNotLoopback();

// The program of the classes root's command that opens files of extension (".html"): the type's "open" command, else
// that of its first verb named with "open", else the first verb with a command; empty when none is registered.
UnicodeString GetFileAssociationCommand(UnicodeStringView extension);
// Opens url ("http://" put in front when it names no scheme) through the shell: with useHTMLHandler by the program
// registered for ".html" files, given the address as its parameter, else (or when none is registered) by the shell's
// own "open" of the address.
void OpenURL(UnicodeStringView url, bool useHTMLHandler);
// Closes the application's main form, when there is one, and ends the application.
void CloseApplication();
#endif

} // namespace au
