#include "ui/core/graphics/uiBufferedWindowPaint.h"

#include "rtl/WindowsApi.h"

#include <cstdint>

namespace ui {

namespace {

// The window prints the rectangle (client coordinates) into an opaque 32-bit buffer, which is copied onto target.
void PrintWindowThroughBuffer(HWND window, HDC target, const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(target, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        return;
    }
    const HDC buffer = CreateCompatibleDC(target);
    const HGDIOBJ oldBitmap = SelectObject(buffer, bitmap);
    SetViewportOrgEx(buffer, -rect.left, -rect.top, nullptr);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(buffer), PRF_CLIENT);
    SetViewportOrgEx(buffer, 0, 0, nullptr);
    GdiFlush();
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i) {
        pixels[i] |= 0xFF000000u;
    }
    BitBlt(target, rect.left, rect.top, width, height, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, oldBitmap);
    DeleteDC(buffer);
    DeleteObject(bitmap);
}

} // namespace

void PaintWindowBuffered(HWND window) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(window, &paint);
    if (dc != nullptr) {
        PrintWindowThroughBuffer(window, dc, paint.rcPaint);
    }
    EndPaint(window, &paint);
}

void RepaintWindowBuffered(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const HDC dc = GetDC(window);
    if (dc == nullptr) {
        return;
    }
    PrintWindowThroughBuffer(window, dc, client);
    ReleaseDC(window, dc);
}

} // namespace ui
