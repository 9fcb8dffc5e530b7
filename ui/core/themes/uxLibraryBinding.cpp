#include "ui/core/themes/uxLibraryBinding.h"

#include "rtl/WindowsApi.h"

namespace ui {

bool TuxLibraryBinding::Load(const char* library, std::span<const char* const> functions) {
    Free();
    FLibrary = LoadLibraryA(library);
    if (!FLibrary) {
        return false;
    }
    for (const char* name : functions) {
        FFunctions.push_back(reinterpret_cast<TFunction>(GetProcAddress(FLibrary, name)));
    }
    return true;
}

void TuxLibraryBinding::Free() {
    FFunctions.clear();
    if (FLibrary) {
        FreeLibrary(FLibrary);
        FLibrary = nullptr;
    }
}

} // namespace ui
