#include "vcl/graphics/Brush.h"

#include "vcl/system/Win32.h"

#include <utility>

namespace vcl {

namespace {

void DeleteBrushHandle(HBRUSH handle) {
    if (handle && handle != GetStockObject(HOLLOW_BRUSH)) {
        DeleteObject(handle);
    }
}

} // namespace

TBrush::~TBrush() {
    DeleteBrushHandle(FHandle);
}

void TBrush::Assign(const rtl::TPersistent* source) {
    const auto* brush = dynamic_cast<const TBrush*>(source);
    if (!brush) {
        TPersistent::Assign(source);
        return;
    }
    if (brush->FColor != FColor || brush->FStyle != FStyle) {
        FColor = brush->FColor;
        FStyle = brush->FStyle;
        Changed();
    }
}

void TBrush::SetColor(TColor color) {
    if (color != FColor || FStyle == bsClear) {
        FColor = color;
        FStyle = bsSolid;
        Changed();
    }
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style != FStyle) {
        FStyle = style;
        Changed();
    }
}

HBRUSH TBrush::Handle() {
    if (!FHandle) {
        FHandle = FStyle == bsClear ? static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH))
                                    : CreateSolidBrush(ColorToRGB(FColor));
    }
    return FHandle;
}

// The old GDI brush goes only after the listeners ran, so that a canvas can first select it out of its device context.
void TBrush::Changed() {
    HBRUSH previous = std::exchange(FHandle, nullptr);
    if (FOnChange) {
        FOnChange(this);
    }
    DeleteBrushHandle(previous);
}

} // namespace vcl
