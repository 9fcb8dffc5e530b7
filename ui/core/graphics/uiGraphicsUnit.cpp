#include "ui/core/graphics/uiGraphicsUnit.h"

#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "ui/core/system/uxSystemInfo.h"
#include "vcl/graphics/GdiObjects.h"
#include "vcl/system/Win32.h"

namespace ui {

namespace {

vcl::TBrushHandle HalftoneBrush;
vcl::TPoint ScreenDPI{96, 96};

vcl::TBrushHandle CreateHalftoneBrush() {
    // Monochrome bitmap rows are word-aligned: one byte of pattern and one of padding each.
    constexpr WORD rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    const vcl::TBitmapHandle pattern(CreateBitmap(8, 8, 1, 1, rows));
    return vcl::TBrushHandle(CreatePatternBrush(pattern.Get()));
}

// Windows Vista and later scale the drawing of programs that do not declare themselves DPI-aware. The entry is
// looked up by name: older systems lack it.
void DeclareDpiAwareness() {
    if (!OSFlags().IsWinVistaOrLater) {
        return;
    }
    using TSetProcessDPIAware = BOOL(WINAPI*)();
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const auto setProcessDPIAware = user32 ? reinterpret_cast<TSetProcessDPIAware>(reinterpret_cast<void (*)()>(
                                                 GetProcAddress(user32, "SetProcessDPIAware")))
                                           : nullptr;
    if (setProcessDPIAware) {
        setProcessDPIAware();
    }
}

vcl::TPoint ReadScreenDPI() {
    const vcl::TScreenDC screen;
    return {GetDeviceCaps(screen.Get(), LOGPIXELSX), GetDeviceCaps(screen.Get(), LOGPIXELSY)};
}

} // namespace

HBRUSH GetHalftoneBrush() {
    return HalftoneBrush.Get();
}

vcl::TPoint GetScreenDPI() {
    return ScreenDPI;
}

void InitializeGraphicsUnit() {
    AllowSharedCanvases();
    HalftoneBrush = CreateHalftoneBrush();
    DeclareDpiAwareness();
    RegisterBitmapClasses();
    ScreenDPI = ReadScreenDPI();
}

void FinalizeGraphicsUnit() {
    FreeSharedCanvases();
    UnregisterBitmapClasses();
    HalftoneBrush.Reset();
}

} // namespace ui
