#include "ui/core/graphics/uiDCServices.h"

#include "ui/core/encoding/uxTextConversions.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "vcl/graphics/Font.h"
#include "vcl/graphics/GdiObjects.h"
#include "vcl/system/Win32.h"

#include <algorithm>
#include <vector>

namespace ui {

namespace {

constexpr UINT SingleLineMeasure = DT_CALCRECT | DT_SINGLELINE;
constexpr UINT WrappedMeasure = DT_CALCRECT | DT_WORDBREAK | DT_NOFULLWIDTHCHARBREAK;
constexpr int32_t UnlimitedTextHeight = 32000;

int32_t LeadingLength(rtl::UnicodeStringView text, int32_t length) {
    return length < 0 ? static_cast<int32_t>(text.size()) : std::min(length, static_cast<int32_t>(text.size()));
}

// The rectangle text takes in dc when measured from (0, 0, width, 1) with the flags.
vcl::TRect MeasuredText(HDC dc, rtl::UnicodeStringView text, int32_t width, UINT flags) {
    vcl::TRect rect{0, 0, width, 1};
    if (DrawTextColored(dc, text, rect, flags, vcl::clDefault, true) == 0) {
        return {};
    }
    return rect;
}

// The logical record of an object of the kind; records of other kinds may have the same size, so the kind is checked.
template <class TRecord>
bool ReadObjectRecord(HGDIOBJ object, DWORD kind, TRecord& data) {
    return GetObjectType(object) == kind && GetObjectW(object, sizeof(data), &data) == sizeof(data);
}

// How many bytes of block follow the first one that differs from background; 0 when none differs.
size_t BytesAfterFirstDifferent(const uint8_t* block, size_t size, uint8_t background) {
    const uint8_t* found = std::find_if(block, block + size, [&](uint8_t byte) { return byte != background; });
    return found == block + size ? 0 : static_cast<size_t>(block + size - found - 1);
}

// The rows of a monochrome bitmap as a bottom-up DIB.
std::vector<uint8_t> MonochromeRows(HBITMAP bitmap, int32_t width, int32_t height, size_t rowSize) {
    struct {
        BITMAPINFOHEADER Header;
        RGBQUAD Colors[2];
    } info{};
    info.Header.biSize = sizeof(info.Header);
    info.Header.biWidth = width;
    info.Header.biHeight = height;
    info.Header.biPlanes = 1;
    info.Header.biBitCount = 1;
    info.Header.biCompression = BI_RGB;
    std::vector<uint8_t> rows(rowSize * static_cast<size_t>(height));
    const vcl::TScreenDC screen;
    if (GetDIBits(screen.Get(), bitmap, 0, height, rows.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) !=
        height) {
        rows.clear();
    }
    return rows;
}

} // namespace

bool GetDCTextExtent(HDC dc, rtl::UnicodeStringView text, vcl::TSize& size, int32_t length) {
    SIZE extent{};
    const bool measured = GetTextExtentPoint32W(dc, vcl::AsWide(text.data()), LeadingLength(text, length), &extent);
    size = {extent.cx, extent.cy};
    return measured;
}

void DrawTextOnCanvasRect(TuiCanvas& canvas, rtl::UnicodeStringView text, vcl::TRect& rect, uint32_t drawTextFlags,
                          vcl::TColor color) {
    canvas.Canvas().RequireFont();
    DrawTextColored(canvas.Handle(), text, rect, drawTextFlags, color, true);
}

bool ExtTextOutText(HDC dc, rtl::UnicodeStringView text, vcl::TPoint point, const vcl::TRect* rect, uint32_t options,
                    int32_t length) {
    return ExtTextOutW(dc, point.X, point.Y, options, vcl::AsRECT(rect), vcl::AsWide(text.data()),
                       static_cast<UINT>(LeadingLength(text, length)), nullptr) != FALSE;
}

vcl::TSize GetFontTextExtent(const vcl::TFont& font, rtl::UnicodeStringView text, int32_t pointSize) {
    TuiScreenCanvas* canvas = GetSharedScreenCanvas();
    if (!canvas) {
        return {};
    }
    canvas->SetFont(font);
    if (pointSize != 0) {
        canvas->Font().SetSize(pointSize);
    }
    const vcl::TSize size = canvas->MeasureText(text);
    canvas->FreeScreenDC();
    return size;
}

int32_t GetFontTextWidth(const vcl::TFont& font, rtl::UnicodeStringView text, int32_t pointSize) {
    return GetFontTextExtent(font, text, pointSize).cx;
}

int32_t GetFontTextHeight(const vcl::TFont& font, rtl::UnicodeStringView text, int32_t pointSize) {
    return GetFontTextExtent(font, text, pointSize).cy;
}

vcl::TSize GetDCTextSize(HDC dc, rtl::UnicodeStringView text) {
    const vcl::TRect rect = GetTextRect(dc, text, 1);
    return {rect.Right, rect.Bottom};
}

vcl::TRect GetTextRect(HDC dc, rtl::UnicodeStringView text, int32_t lineCount, bool fixedHeight) {
    if (lineCount == 1) {
        vcl::TRect rect;
        DrawTextColored(dc, text, rect, SingleLineMeasure, vcl::clDefault, true);
        return rect;
    }
    const int32_t allowedHeight = lineCount > 0 ? lineCount * GetDCTextSize(dc, u"Wg").cy : UnlimitedTextHeight;
    int32_t narrowest = MeasuredText(dc, text, 1, WrappedMeasure).Right;
    int32_t widest = MeasuredText(dc, text, 1, SingleLineMeasure).Right;
    while (widest - narrowest > 1) {
        const int32_t middle = (narrowest + widest) / 2;
        if (MeasuredText(dc, text, middle, WrappedMeasure).Bottom > allowedHeight) {
            narrowest = middle;
        } else {
            widest = middle;
        }
    }
    vcl::TRect rect = MeasuredText(dc, text, narrowest, WrappedMeasure);
    if (rect.Bottom > allowedHeight) {
        rect = MeasuredText(dc, text, widest, WrappedMeasure);
    }
    if (fixedHeight) {
        rect.Bottom = allowedHeight;
    }
    return rect;
}

void InvalidateWindowRect(HWND window, const vcl::TRect& rect, bool erase) {
    const RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
    InvalidateRect(window, &area, erase);
}

void InvalidateWindow(HWND window, bool erase) {
    InvalidateRect(window, nullptr, erase);
}

bool GetBitmapData(HBITMAP bitmap, BITMAP& data) {
    return ReadObjectRecord(bitmap, OBJ_BITMAP, data);
}

bool GetBrushData(HBRUSH brush, LOGBRUSH& data) {
    return ReadObjectRecord(brush, OBJ_BRUSH, data);
}

bool GetFontData(HFONT font, LOGFONTW& data) {
    return ReadObjectRecord(font, OBJ_FONT, data);
}

bool GetPenData(HPEN pen, LOGPEN& data) {
    return ReadObjectRecord(pen, OBJ_PEN, data);
}

uint8_t SystemDefaultCharset() {
    CHARSETINFO info{};
    const auto codePage = static_cast<uintptr_t>(GetACP());
    if (!TranslateCharsetInfo(reinterpret_cast<DWORD*>(codePage), &info, TCI_SRCCODEPAGE)) {
        return ANSI_CHARSET;
    }
    return static_cast<uint8_t>(info.ciCharset);
}

bool UsesSpecialCharset(uint8_t charset, rtl::UnicodeStringView text) {
    return UsesSpecialCharset(charset, text, SystemDefaultCharset());
}

vcl::TSize GetCursorSize() {
    vcl::TSize size{GetSystemMetrics(SM_CXCURSOR), GetSystemMetrics(SM_CYCURSOR)};
    ICONINFO icon{};
    HCURSOR cursor = GetCursor();
    if (!cursor || !GetIconInfo(cursor, &icon)) {
        return size;
    }
    const vcl::TBitmapHandle mask(icon.hbmMask);
    const vcl::TBitmapHandle color(icon.hbmColor);
    BITMAP description{};
    if (!GetBitmapData(mask.Get(), description) || description.bmBitsPixel != 1) {
        return size;
    }
    const int32_t width = description.bmWidth;
    const int32_t height = description.bmHeight;
    // The AND mask is the top width rows; a mask lower than that holds no such block.
    if (width <= 0 || height < width) {
        return size;
    }
    const size_t rowSize = static_cast<size_t>((width + 31) / 32) * 4;
    const std::vector<uint8_t> rows = MonochromeRows(mask.Get(), width, height, rowSize);
    if (rows.empty()) {
        return size;
    }
    const size_t blockSize = rowSize * static_cast<size_t>(width);
    const uint8_t* andMask = rows.data() + rows.size() - blockSize;
    size_t visibleBytes = BytesAfterFirstDifferent(andMask, blockSize, 0xFF);
    // A monochrome cursor draws through its XOR half (just before the AND mask) where the AND mask is all clear.
    if (visibleBytes == 0 && height >= 2 * width) {
        visibleBytes = BytesAfterFirstDifferent(andMask - blockSize, blockSize, 0);
    }
    return {width, static_cast<int32_t>(visibleBytes / rowSize) - static_cast<int32_t>(icon.yHotspot)};
}

} // namespace ui
