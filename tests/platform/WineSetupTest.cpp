// The test platform itself: the process runs in code page 936 and the "宋体" font draws Chinese and Latin glyphs.

#include "rtl/WindowsApi.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace {

// A 32-bit top-down DIB section selected into a memory DC, released in reverse order.
class DibCanvas {
public:
    DibCanvas(int width, int height) : FWidth(width), FHeight(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        FDC = CreateCompatibleDC(nullptr);
        FBitmap = CreateDIBSection(FDC, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&FPixels), nullptr, 0);
        FOldBitmap = SelectObject(FDC, FBitmap);
    }
    ~DibCanvas() {
        SelectObject(FDC, FOldBitmap);
        DeleteObject(FBitmap);
        DeleteDC(FDC);
    }
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    HDC DC() const { return FDC; }
    bool Valid() const { return FDC != nullptr && FBitmap != nullptr && FPixels != nullptr; }

    void Fill(uint32_t colour) { std::fill(FPixels, FPixels + FWidth * FHeight, colour); }

    int CountPixelsUnlike(uint32_t background) const {
        int count = 0;
        for (int i = 0; i < FWidth * FHeight; ++i) {
            count += (FPixels[i] & 0xFFFFFF) != (background & 0xFFFFFF);
        }
        return count;
    }

private:
    int FWidth;
    int FHeight;
    HDC FDC = nullptr;
    HBITMAP FBitmap = nullptr;
    HGDIOBJ FOldBitmap = nullptr;
    uint32_t* FPixels = nullptr;
};

int GlyphPixelsOf(const std::wstring& text) {
    DibCanvas canvas(200, 40);
    EXPECT_TRUE(canvas.Valid());
    canvas.Fill(0xFFFFFF);
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
    return canvas.CountPixelsUnlike(0xFFFFFF);
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
