#include "ui/core/graphics/uiBufferedWindowPaint.h"

#include "rtl/WindowsApi.h"
#include "vcl/graphics/DibSection.h"

#include <cstddef>
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
    const vcl::TDibSection buffer(width, height);
    if (!buffer) {
        return;
    }
    SetViewportOrgEx(buffer.DC(), -rect.left, -rect.top, nullptr);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(buffer.DC()), PRF_CLIENT);
    SetViewportOrgEx(buffer.DC(), 0, 0, nullptr);
    GdiFlush();
    uint32_t* const pixels = buffer.Pixels();
    for (size_t i = 0; i < buffer.PixelCount(); ++i) {
        pixels[i] |= 0xFF000000u;
    }
    BitBlt(target, rect.left, rect.top, width, height, buffer.DC(), 0, 0, SRCCOPY);
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
