#pragma once
// What the UI core's GDI+ tests share: the system's gdiplus.dll with one entry hidden (or none at all), and a scope
// in which GDI+ is bound through another library.

#include "rtl/WindowsApi.h"
#include "ui/core/gdiplus/uxGdiPlusAPI.h"

#include <string>
#include <vector>

namespace ui_test {

// The system's gdiplus.dll with the entry named Hidden missing, recording every name asked for; with Missing the
// library itself is missing.
class THidingGdiPlusLibrary final : public ui::TuxGdiPlusLibrary {
public:
    explicit THidingGdiPlusLibrary(std::string hidden = {}) : Hidden(std::move(hidden)) {}

    HMODULE Open() override { return Missing ? nullptr : LoadLibraryW(L"gdiplus.dll"); }
    ui::TuxProcAddress Lookup(HMODULE library, const char* name) override {
        Asked.emplace_back(name);
        return name == Hidden ? nullptr : reinterpret_cast<ui::TuxProcAddress>(GetProcAddress(library, name));
    }
    void Close(HMODULE library) override {
        ++Closed;
        FreeLibrary(library);
    }

    std::string Hidden;
    bool Missing = false;
    std::vector<std::string> Asked;
    int Closed = 0;
};

// GDI+ unloaded and library put in place of the system's for the scope; afterwards GDI+ is loaded again the system's
// way. GDI+ objects made inside the scope must be gone before it ends.
class TGdiPlusRebinding {
public:
    explicit TGdiPlusRebinding(ui::TuxGdiPlusLibrary& library) {
        ui::UnloadGdiPlus();
        ui::GdiPlusLibrarySeam().Inject(&library);
    }
    ~TGdiPlusRebinding() {
        ui::UnloadGdiPlus();
        ui::GdiPlusLibrarySeam().Inject(nullptr);
        ui::LoadGdiPlus();
    }
    TGdiPlusRebinding(const TGdiPlusRebinding&) = delete;
    TGdiPlusRebinding& operator=(const TGdiPlusRebinding&) = delete;
};

} // namespace ui_test
