#include "vcl/services/SpecialFolders.h"

#include "rtl/io/FileUtils.h"
#include "vcl/system/Win32.h"

#include <shlobj.h>
#include <vector>

namespace vcl {

rtl::UnicodeString ProgramFileName() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        // A path that does not fit is cut short and fills the buffer: try again with a larger one.
        if (length < buffer.size()) {
            return rtl::UnicodeString(AsUtf16(buffer.data()), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

rtl::UnicodeString ProgramFolder() {
    return rtl::ExtractFilePath(ProgramFileName());
}

rtl::UnicodeString SpecialFolderPath(TSpecialFolder folder) {
    static constexpr int FolderIds[] = {CSIDL_DESKTOPDIRECTORY, CSIDL_PERSONAL, CSIDL_APPDATA, CSIDL_LOCAL_APPDATA,
                                        CSIDL_PROGRAM_FILES};
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, FolderIds[folder], nullptr, SHGFP_TYPE_CURRENT, path))) {
        return {};
    }
    return rtl::UnicodeString(AsUtf16(path));
}

} // namespace vcl
