#include "vcl/graphics/Canvas.h"

#include "rtl/core/Exceptions.h"
#include "vcl/graphics/images/Graphic.h"
#include "vcl/system/Win32.h"

namespace vcl {

namespace {

// Selects object into dc, remembering the device context's own object the first time.
void SelectKeepingOriginal(HDC dc, void* object, void*& original) {
    HGDIOBJ previous = SelectObject(dc, object);
    if (!original) {
        original = previous;
    }
}

void SelectOriginalBack(HDC dc, void*& original) {
    if (dc && original) {
        SelectObject(dc, original);
        original = nullptr;
    }
}

const POINT* AsPOINTs(std::span<const TPoint> points) {
    return reinterpret_cast<const POINT*>(points.data());
}

} // namespace

TCanvas::TCanvas() {
    FFont.SetOnChange([this](rtl::TObject*) { FontChanged(); });
    FBrush.SetOnChange([this](rtl::TObject*) { BrushChanged(); });
    FPen.SetOnChange([this](rtl::TObject*) { PenChanged(); });
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
    SelectOriginalBack(FHandle, FOriginalFont);
    SelectOriginalBack(FHandle, FOriginalBrush);
    SelectOriginalBack(FHandle, FOriginalPen);
}

void TCanvas::RequireFont() {
    HDC dc = Handle();
    SelectKeepingOriginal(dc, FFont.Handle(), FOriginalFont);
    SetTextColor(dc, ColorToRGB(FFont.Color()));
}

void TCanvas::RequireBrush() {
    HDC dc = Handle();
    SelectKeepingOriginal(dc, FBrush.Handle(), FOriginalBrush);
    // Hatch lines leave the background between them as it is; text and monochrome copies take the brush colour.
    SetBkColor(dc, ColorToRGB(FBrush.Color()));
    SetBkMode(dc, FBrush.Style() == bsSolid ? OPAQUE : TRANSPARENT);
}

void TCanvas::RequirePen() {
    HDC dc = Handle();
    SelectKeepingOriginal(dc, FPen.Handle(), FOriginalPen);
    SetROP2(dc, PenModeToROP2(FPen.Mode()));
}

void TCanvas::FontChanged() {
    SelectOriginalBack(FHandle, FOriginalFont);
}

void TCanvas::BrushChanged() {
    SelectOriginalBack(FHandle, FOriginalBrush);
}

void TCanvas::PenChanged() {
    SelectOriginalBack(FHandle, FOriginalPen);
}

TPoint TCanvas::PenPos() {
    POINT position{};
    GetCurrentPositionEx(Handle(), &position);
    return ToPoint(position);
}

void TCanvas::FillRect(const TRect& rect) {
    RequireBrush();
    ::FillRect(FHandle, AsRECT(&rect), FBrush.Handle());
}

void TCanvas::FrameRect(const TRect& rect) {
    RequireBrush();
    ::FrameRect(FHandle, AsRECT(&rect), FBrush.Handle());
}

void TCanvas::DrawFocusRect(const TRect& rect) {
    RequireBrush();
    ::DrawFocusRect(FHandle, AsRECT(&rect));
}

void TCanvas::Rectangle(const TRect& rect) {
    RequirePen();
    RequireBrush();
    ::Rectangle(FHandle, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::Ellipse(const TRect& rect) {
    RequirePen();
    RequireBrush();
    ::Ellipse(FHandle, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::Polygon(std::span<const TPoint> points) {
    RequirePen();
    RequireBrush();
    ::Polygon(FHandle, AsPOINTs(points), static_cast<int>(points.size()));
}

void TCanvas::Pie(const TRect& rect, TPoint start, TPoint end) {
    RequirePen();
    RequireBrush();
    ::Pie(FHandle, rect.Left, rect.Top, rect.Right, rect.Bottom, start.X, start.Y, end.X, end.Y);
}

void TCanvas::MoveTo(int32_t x, int32_t y) {
    MoveToEx(Handle(), x, y, nullptr);
}

void TCanvas::LineTo(int32_t x, int32_t y) {
    RequirePen();
    ::LineTo(FHandle, x, y);
}

void TCanvas::Polyline(std::span<const TPoint> points) {
    RequirePen();
    ::Polyline(FHandle, AsPOINTs(points), static_cast<int>(points.size()));
}

void TCanvas::PolyPolyline(std::span<const TPoint> points, std::span<const uint32_t> counts) {
    static_assert(sizeof(DWORD) == sizeof(uint32_t));
    if (counts.empty()) {
        return;
    }
    RequirePen();
    ::PolyPolyline(FHandle, AsPOINTs(points), reinterpret_cast<const DWORD*>(counts.data()),
                   static_cast<DWORD>(counts.size()));
}

TColor TCanvas::Pixel(int32_t x, int32_t y) {
    return static_cast<TColor>(GetPixel(Handle(), x, y));
}

void TCanvas::SetPixel(int32_t x, int32_t y, TColor color) {
    ::SetPixel(Handle(), x, y, ColorToRGB(color));
}

// Monochrome sources take the text and background colours of the destination: those of the font and brush.
void TCanvas::CopyRect(const TRect& destRect, TCanvas& source, const TRect& sourceRect) {
    RequireFont();
    RequireBrush();
    HDC sourceDC = source.Handle();
    if (destRect.Width() == sourceRect.Width() && destRect.Height() == sourceRect.Height()) {
        BitBlt(FHandle, destRect.Left, destRect.Top, destRect.Width(), destRect.Height(), sourceDC, sourceRect.Left,
               sourceRect.Top, FCopyMode);
        return;
    }
    SetStretchBltMode(FHandle, COLORONCOLOR);
    StretchBlt(FHandle, destRect.Left, destRect.Top, destRect.Width(), destRect.Height(), sourceDC, sourceRect.Left,
               sourceRect.Top, sourceRect.Width(), sourceRect.Height(), FCopyMode);
}

void TCanvas::Draw(int32_t x, int32_t y, TGraphic& graphic) {
    if (!graphic.Empty()) {
        graphic.Draw(*this, Bounds(x, y, graphic.Width(), graphic.Height()));
    }
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic& graphic) {
    if (!graphic.Empty()) {
        graphic.Draw(*this, rect);
    }
}

void TCanvas::TextOut(int32_t x, int32_t y, rtl::UnicodeStringView text) {
    RequireFont();
    RequireBrush();
    TextOutW(FHandle, x, y, AsWide(text.data()), static_cast<int>(text.size()));
    MoveToEx(FHandle, x + TextWidth(text), y, nullptr);
}

void TCanvas::TextRect(const TRect& rect, int32_t x, int32_t y, rtl::UnicodeStringView text) {
    RequireFont();
    RequireBrush();
    const UINT options = ETO_CLIPPED | (FBrush.Style() == bsClear ? 0 : ETO_OPAQUE);
    ExtTextOutW(FHandle, x, y, options, AsRECT(&rect), AsWide(text.data()), static_cast<UINT>(text.size()), nullptr);
}

int32_t TCanvas::DrawText(rtl::UnicodeStringView text, TRect& rect, uint32_t flags) {
    RequireFont();
    RequireBrush();
    return DrawTextW(FHandle, AsWide(text.data()), static_cast<int>(text.size()), AsRECT(&rect), flags);
}

TSize TCanvas::TextExtent(rtl::UnicodeStringView text) {
    RequireFont();
    SIZE size{};
    GetTextExtentPoint32W(FHandle, AsWide(text.data()), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

TRect TCanvas::ClipRect() {
    RECT rect{};
    GetClipBox(Handle(), &rect);
    return ToRect(rect);
}

} // namespace vcl
