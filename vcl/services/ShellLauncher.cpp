#include "vcl/services/ShellLauncher.h"

#include "vcl/system/Seam.h"
#include "vcl/system/Win32.h"

#include <shellapi.h>

namespace vcl {

namespace {

class TWindowsShellLauncher final : public IShellLauncher {
public:
    intptr_t Launch(const TShellLaunch& launch) override {
        HINSTANCE result =
            ShellExecuteW(launch.Owner, AsWideOrNull(launch.Operation), AsWide(launch.File.c_str()),
                          AsWideOrNull(launch.Parameters), AsWideOrNull(launch.Directory), launch.ShowCommand);
        return reinterpret_cast<intptr_t>(result);
    }
};

TWindowsShellLauncher WindowsShellLauncher;
TSeam<IShellLauncher> ShellLauncherSeam(WindowsShellLauncher);

} // namespace

IShellLauncher& ShellLauncher() {
    return ShellLauncherSeam.Current();
}

IShellLauncher* SetShellLauncher(IShellLauncher* launcher) {
    return ShellLauncherSeam.Inject(launcher);
}

bool ShellOpen(rtl::UnicodeStringView file) {
    TShellLaunch launch;
    launch.Operation = u"open";
    launch.File = file;
    return ShellLauncher().Launch(launch) > ShellExecuteLastError;
}

} // namespace vcl
