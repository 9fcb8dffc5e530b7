#include "ui/core/themes/uiDWMApi.h"

#include "rtl/WindowsApi.h"
#include "ui/core/system/uxSystemInfo.h"
#include "ui/core/themes/uxLibraryBinding.h"

#include <array>

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

TuxLibraryBinding DwmLibrary;

} // namespace

bool IsDwmAvailable() {
    return DwmLibrary.Loaded();
}

bool IsDwmCompositionEnabled() {
    using TDwmIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
    const auto function = DwmLibrary.Function<TDwmIsCompositionEnabled>(dweIsCompositionEnabled);
    BOOL enabled = FALSE;
    return function && SUCCEEDED(function(&enabled)) && enabled;
}

void InitializeDWMApiUnit() {
    if (GetSystemInfo().OSVersion().Major > 5) {
        DwmLibrary.Load("dwmapi.dll", DwmEntryNames);
    }
}

void FinalizeDWMApiUnit() {
    DwmLibrary.Free();
}

} // namespace ui
