#pragma once
// What the main window reaches outside the program through: the registry, the version resources, the update check
// and the program's own file (beside which lie the settings file, the templates and the help). The program uses the
// Windows ones; a test injects its own, before it creates the window.

#include "rtl/text/StringTypes.h"

namespace app {

class IFileVersionSource;
class IRegistryReader;
class IUpdateCheck;

struct TMainServices {
    const IRegistryReader* Registry = nullptr;
    const IFileVersionSource* Versions = nullptr;
    // nullptr: no update check.
    IUpdateCheck* Updates = nullptr;
    // The full path of the program's executable.
    rtl::UnicodeString ProgramFile;
};

// The services in use: the injected ones, or the Windows registry, the version resources, no update check and the
// running executable. The program injects the standard ones with its update check.
const TMainServices& MainServices();
// Uses services (not owned) from now on; nullptr goes back to the standard ones. Returns the injected ones it
// replaces (nullptr when those were the standard ones).
const TMainServices* SetMainServices(const TMainServices* services);

} // namespace app
