#include "vcl/graphics/Canvas.h"

#include "rtl/core/Exceptions.h"
#include "vcl/system/Win32.h"

namespace vcl {

TCanvas::TCanvas() {
    FFont.SetOnChange([this](rtl::TObject*) { FontChanged(); });
    FBrush.SetOnChange([this](rtl::TObject*) { BrushChanged(); });
}

TCanvas::~TCanvas() {
    DeselectHandles();
}

HDC TCanvas::Handle() {
    if (!FHandle) {
        CreateHandle();
    }
    if (!FHandle) {
        throw rtl::EInvalidOperation(VclMessages::NoCanvasHandle);
    }
    return FHandle;
}

void TCanvas::SetHandle(HDC handle) {
    if (handle == FHandle) {
        return;
    }
    DeselectHandles();
    FHandle = handle;
}

void TCanvas::DeselectHandles() {
    if (!FHandle) {
        return;
    }
    if (FOriginalFont) {
        SelectObject(FHandle, FOriginalFont);
        FOriginalFont = nullptr;
    }
    if (FOriginalBrush) {
        SelectObject(FHandle, FOriginalBrush);
        FOriginalBrush = nullptr;
    }
}

void TCanvas::RequireFont() {
    HDC dc = Handle();
    HGDIOBJ previous = SelectObject(dc, FFont.Handle());
    if (!FOriginalFont) {
        FOriginalFont = previous;
    }
    SetTextColor(dc, ColorToRGB(FFont.Color()));
}

void TCanvas::RequireBrush() {
    HDC dc = Handle();
    HGDIOBJ previous = SelectObject(dc, FBrush.Handle());
    if (!FOriginalBrush) {
        FOriginalBrush = previous;
    }
    if (FBrush.Style() == bsClear) {
        SetBkMode(dc, TRANSPARENT);
    } else {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, ColorToRGB(FBrush.Color()));
    }
}

void TCanvas::FontChanged() {
    if (FHandle && FOriginalFont) {
        SelectObject(FHandle, FOriginalFont);
        FOriginalFont = nullptr;
    }
}

void TCanvas::BrushChanged() {
    if (FHandle && FOriginalBrush) {
        SelectObject(FHandle, FOriginalBrush);
        FOriginalBrush = nullptr;
    }
}

void TCanvas::FillRect(const TRect& rect) {
    RequireBrush();
    ::FillRect(FHandle, AsRECT(&rect), FBrush.Handle());
}

void TCanvas::TextOut(int32_t x, int32_t y, rtl::UnicodeStringView text) {
    RequireFont();
    RequireBrush();
    TextOutW(FHandle, x, y, AsWide(text.data()), static_cast<int>(text.size()));
}

TSize TCanvas::TextExtent(rtl::UnicodeStringView text) {
    RequireFont();
    SIZE size{};
    GetTextExtentPoint32W(FHandle, AsWide(text.data()), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

} // namespace vcl
