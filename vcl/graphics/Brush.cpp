#include "vcl/graphics/Brush.h"

#include "vcl/graphics/images/Bitmap.h"
#include "vcl/system/Win32.h"

#include <utility>

namespace vcl {

namespace {

constexpr int HatchStyles[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};

} // namespace

TBrush::~TBrush() = default;

void TBrush::Assign(const rtl::TPersistent* source) {
    const auto* brush = dynamic_cast<const TBrush*>(source);
    if (!brush) {
        TPersistent::Assign(source);
        return;
    }
    if (brush->FColor != FColor || brush->FStyle != FStyle || brush->FBitmap != FBitmap) {
        FColor = brush->FColor;
        FStyle = brush->FStyle;
        FBitmap = brush->FBitmap;
        Changed();
    }
}

void TBrush::SetColor(TColor color) {
    if (color != FColor || FStyle == bsClear) {
        FColor = color;
        if (FStyle == bsClear) {
            FStyle = bsSolid;
        }
        Changed();
    }
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style != FStyle) {
        FStyle = style;
        Changed();
    }
}

void TBrush::SetBitmap(TBitmap* bitmap) {
    if (bitmap != FBitmap) {
        FBitmap = bitmap;
        Changed();
    }
}

HBRUSH TBrush::Handle() {
    if (FHandle) {
        return FHandle.Get();
    }
    if (FBitmap && !FBitmap->Empty()) {
        FHandle.Reset(CreatePatternBrush(FBitmap->Handle()));
    } else if (FStyle == bsClear) {
        return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
    } else if (FStyle == bsSolid) {
        FHandle.Reset(CreateSolidBrush(ColorToRGB(FColor)));
    } else {
        FHandle.Reset(CreateHatchBrush(HatchStyles[FStyle - bsHorizontal], ColorToRGB(FColor)));
    }
    return FHandle.Get();
}

void TBrush::SetHandle(HBRUSH handle) {
    LOGBRUSH description{};
    if (handle && GetObjectW(handle, sizeof(description), &description) == sizeof(description)) {
        FColor = static_cast<TColor>(description.lbColor);
        FStyle = bsSolid;
        if (description.lbStyle == BS_NULL) {
            FStyle = bsClear;
        } else if (description.lbStyle == BS_HATCHED && description.lbHatch <= HS_DIAGCROSS) {
            FStyle = static_cast<TBrushStyle>(bsHorizontal + description.lbHatch);
        }
        FBitmap = nullptr;
    }
    Changed();
    FHandle.Reset(handle);
}

// The old GDI brush goes only after the listeners ran, so that a canvas can first select it out of its device context.
void TBrush::Changed() {
    const TBrushHandle previous = std::move(FHandle);
    if (FOnChange) {
        FOnChange(this);
    }
}

} // namespace vcl
