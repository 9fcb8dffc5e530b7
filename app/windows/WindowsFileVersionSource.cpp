#include "app/windows/WindowsFileVersionSource.h"

#include "vcl/services/FileVersionInfo.h"

namespace app {

std::optional<TFileVersionNumbers> TWindowsFileVersionSource::ReadFileVersion(rtl::UnicodeStringView fileName) const {
    vcl::TFileVersionInfo info;
    if (!info.Load(fileName)) {
        return std::nullopt;
    }
    const vcl::TVersionNumber version = info.FileVersion();
    return TFileVersionNumbers{version.Major, version.Minor, version.Release, version.Build};
}

} // namespace app
