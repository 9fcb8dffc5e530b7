#pragma once
// Where things are on this computer: the running program's own file and the shell's special folders of the user.

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace vcl {

// The full path of the running program's executable.
rtl::UnicodeString ProgramFileName();
// The folder of the running program's executable, with its trailing separator.
rtl::UnicodeString ProgramFolder();

enum TSpecialFolder : uint8_t {
    sfDesktop,      // the user's desktop folder
    sfPersonal,     // the user's documents
    sfAppData,      // the user's roaming application data
    sfLocalAppData, // the user's local application data
    sfProgramFiles, // the folder programs are installed in
};

// The path of a special folder, without a trailing separator; empty when the shell has none.
rtl::UnicodeString SpecialFolderPath(TSpecialFolder folder);

} // namespace vcl
