#include "ui/core/themes/uiDWMApi.h"

#include "rtl/WindowsApi.h"
#include "ui/core/uxSystemInfo.h"

#include <array>
#include <utility>

namespace ui {

namespace {

// The library's functions, in the order they are looked up.
enum TDwmEntry : uint8_t {
    dweDefWindowProc,
    dweEnableBlurBehindWindow,
    dweEnableComposition,
    dweEnableMMCSS,
    dweExtendFrameIntoClientArea,
    dweGetColorizationColor,
    dweGetWindowAttribute,
    dweIsCompositionEnabled,
    dweSetWindowAttribute,
    dweSetIconicThumbnail,
    dweSetIconicLivePreviewBitmap,
    dweInvalidateIconicBitmaps,
    dweEntryCount
};

constexpr std::array<const char*, dweEntryCount> DwmEntryNames = {
    "DwmDefWindowProc",      "DwmEnableBlurBehindWindow",     "DwmEnableComposition",
    "DwmEnableMMCSS",        "DwmExtendFrameIntoClientArea",  "DwmGetColorizationColor",
    "DwmGetWindowAttribute", "DwmIsCompositionEnabled",       "DwmSetWindowAttribute",
    "DwmSetIconicThumbnail", "DwmSetIconicLivePreviewBitmap", "DwmInvalidateIconicBitmaps",
};

HMODULE DwmLibrary = nullptr;
std::array<FARPROC, dweEntryCount> DwmEntries{};

} // namespace

bool IsDwmAvailable() {
    return DwmLibrary != nullptr;
}

bool IsDwmCompositionEnabled() {
    using TDwmIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
    const auto function =
        reinterpret_cast<TDwmIsCompositionEnabled>(reinterpret_cast<void (*)()>(DwmEntries[dweIsCompositionEnabled]));
    BOOL enabled = FALSE;
    return IsDwmAvailable() && function && SUCCEEDED(function(&enabled)) && enabled;
}

void InitializeDWMApiUnit() {
    if (GetSystemInfo().OSVersion().Major <= 5) {
        return;
    }
    DwmLibrary = LoadLibraryA("dwmapi.dll");
    if (!DwmLibrary) {
        return;
    }
    for (size_t entry = 0; entry < DwmEntries.size(); ++entry) {
        DwmEntries[entry] = GetProcAddress(DwmLibrary, DwmEntryNames[entry]);
    }
}

void FinalizeDWMApiUnit() {
    if (!DwmLibrary) {
        return;
    }
    DwmEntries.fill(nullptr);
    FreeLibrary(std::exchange(DwmLibrary, nullptr));
}

} // namespace ui
