#include "ui/core/skins/elements/uxSkinCanvas.h"

#include "rtl/WindowsApi.h"
#include "ui/core/gdiplus/uxGdiPlusClasses.h"
#include "ui/core/graphics/uiBitmaps.h"

namespace ui {

namespace {

class TSystemSkinColorDepth final : public TuxSkinColorDepth {
public:
    bool IsLowColorsMode(HDC dc) override {
        return GetDeviceCaps(dc, NUMCOLORS) > 1 || GetDeviceCaps(dc, BITSPIXEL) < 17;
    }
};

TSystemSkinColorDepth SystemSkinColorDepth;
vcl::TSeam<TuxSkinColorDepth> SkinColorDepth(SystemSkinColorDepth);

// GDI+'s default interpolation.
constexpr int32_t InterpolationModeDefault = 0;

} // namespace

vcl::TSeam<TuxSkinColorDepth>& SkinColorDepthSeam() {
    return SkinColorDepth;
}

TuxSkinCanvas::TuxSkinCanvas() = default;

TuxSkinCanvas::~TuxSkinCanvas() {
    try {
        EndPaint();
    } catch (...) {
        // A canvas ended by unwinding keeps the first failure, not one of its own cleanup.
    }
}

bool TuxSkinCanvas::IsLowColorsMode(HDC dc) {
    return SkinColorDepth.Current().IsLowColorsMode(dc);
}

void TuxSkinCanvas::BeginPaint(HDC dc, const vcl::TRect& rect) {
    FDC = dc;
    FRect = rect;
    HDC target = dc;
    if (IsLowColorsMode(dc)) {
        FBuffer = std::make_unique<TuiBitmap32>(rect.Width(), rect.Height());
        target = FBuffer->Canvas().Handle();
        BitBlt(target, 0, 0, rect.Width(), rect.Height(), dc, rect.Left, rect.Top, SRCCOPY);
    }
    FGraphics = CreateGpGraphics(target);
}

void TuxSkinCanvas::BeginPaintOnGraphics(TuxGpGraphicsHandle graphics, const vcl::TRect& rect) {
    FDC = nullptr;
    FRect = rect;
    FGraphics = std::move(graphics);
}

void TuxSkinCanvas::EndPaint() {
    FGraphics.Reset();
    if (!FBuffer) {
        return;
    }
    const int savedState = SaveDC(FDC);
    BitBlt(FDC, FRect.Left, FRect.Top, FRect.Width(), FRect.Height(), FBuffer->Canvas().Handle(), 0, 0, SRCCOPY);
    RestoreDC(FDC, savedState);
    FBuffer.reset();
}

vcl::TRect TuxSkinCanvas::ToSurface(const vcl::TRect& rect) const {
    return FBuffer ? vcl::OffsetRect(rect, -FRect.Left, -FRect.Top) : rect;
}

GpGraphics* TuxSkinCanvas::Graphics() const {
    CheckGdipSuccess(static_cast<bool>(FGraphics));
    return FGraphics.Get();
}

void TuxSkinCanvas::FillRectByColor(const vcl::TRect& rect, vcl::TColor color, uint8_t alpha) {
    if (!rect.IsEmpty()) {
        GpFillRectColor(Graphics(), ToSurface(rect), ColorToARGB(color, alpha));
    }
}

void TuxSkinCanvas::FillRectByGradient(const vcl::TRect& rect, vcl::TColor color1, vcl::TColor color2,
                                       TuxSkinGradientMode mode) {
    if (color1 == color2 || color2 == vcl::clNone || color2 == vcl::clDefault) {
        FillRectByColor(rect, color1);
    } else if (!rect.IsEmpty()) {
        GpFillRectGradient(Graphics(), ToSurface(rect), color1, color2, mode);
    }
}

void TuxSkinCanvas::DrawImage(TuxPNGImage& picture, const vcl::TRect& dest, const vcl::TRect& source,
                              TuxSkinStretchMode stretch) {
    if (!picture.Image() || !picture.Image()->HasHandle()) {
        return;
    }
    if (stretch == smTile) {
        GpDrawImageTiled(Graphics(), ToSurface(dest), source, picture.Image()->Handle());
    } else {
        GpDrawImage(Graphics(), ToSurface(dest), source, picture.Image()->Handle());
    }
}

void TuxSkinCanvas::SetInterpolationMode(int32_t mode) {
    CheckGdipStatus(gdip::SetInterpolationMode(Graphics(), mode));
}

} // namespace ui
