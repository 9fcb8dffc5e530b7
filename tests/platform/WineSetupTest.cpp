// The test platform itself: the process runs in code page 936 and the "宋体" font draws Chinese and Latin glyphs.

#include "rtl/WindowsApi.h"
#include "vcl/graphics/DibSection.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace {

// The pixels of the surface (0x00RRGGBB) that differ from background.
int CountPixelsUnlike(const vcl::TDibSection& surface, uint32_t background) {
    GdiFlush();
    const uint32_t* pixels = surface.Pixels();
    return static_cast<int>(std::count_if(pixels, pixels + surface.PixelCount(), [background](uint32_t pixel) {
        return (pixel & 0xFFFFFF) != (background & 0xFFFFFF);
    }));
}

int GlyphPixelsOf(const std::wstring& text) {
    const vcl::TDibSection canvas(200, 40);
    EXPECT_TRUE(canvas);
    std::fill(canvas.Pixels(), canvas.Pixels() + canvas.PixelCount(), 0xFFFFFFu);
    LOGFONTW font{};
    font.lfHeight = -12;
    font.lfCharSet = GB2312_CHARSET;
    wcscpy(font.lfFaceName, L"宋体");
    HFONT handle = CreateFontIndirectW(&font);
    HGDIOBJ old = SelectObject(canvas.DC(), handle);
    SetTextColor(canvas.DC(), RGB(0, 0, 0));
    SetBkMode(canvas.DC(), TRANSPARENT);
    TextOutW(canvas.DC(), 4, 4, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();
    SelectObject(canvas.DC(), old);
    DeleteObject(handle);
    return CountPixelsUnlike(canvas, 0xFFFFFF);
}

TEST(WineSetup, AnsiCodePageIs936) {
    EXPECT_EQ(GetACP(), 936u);
}

TEST(WineSetup, SongTiFontDrawsChineseAndLatinGlyphs) {
    EXPECT_GT(GlyphPixelsOf(L"销售发票"), 20);
    EXPECT_GT(GlyphPixelsOf(L"Invoice"), 20);
}

TEST(WineSetup, ScreenIsAt96Dpi) {
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96);
    ReleaseDC(nullptr, screen);
}

} // namespace
