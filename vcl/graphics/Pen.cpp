#include "vcl/graphics/Pen.h"

#include "vcl/system/Win32.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace vcl {

namespace {

constexpr int32_t PenModeROP2Codes[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,
                                        R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                                        R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,    R2_NOTMERGEPEN,
                                        R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};

constexpr int PenStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};

} // namespace

int32_t PenModeToROP2(TPenMode mode) {
    return PenModeROP2Codes[mode];
}

TPenMode ROP2ToPenMode(int32_t rop2) {
    const auto* found = std::find(std::begin(PenModeROP2Codes), std::end(PenModeROP2Codes), rop2);
    return found == std::end(PenModeROP2Codes) ? pmCopy : static_cast<TPenMode>(found - std::begin(PenModeROP2Codes));
}

TPen::~TPen() = default;

void TPen::Assign(const rtl::TPersistent* source) {
    const auto* pen = dynamic_cast<const TPen*>(source);
    if (!pen) {
        TPersistent::Assign(source);
        return;
    }
    if (pen->FColor != FColor || pen->FWidth != FWidth || pen->FStyle != FStyle || pen->FMode != FMode) {
        FColor = pen->FColor;
        FWidth = pen->FWidth;
        FStyle = pen->FStyle;
        FMode = pen->FMode;
        Changed();
    }
}

void TPen::SetColor(TColor color) {
    if (color != FColor) {
        FColor = color;
        Changed();
    }
}

void TPen::SetWidth(int32_t width) {
    width = std::max(width, 1);
    if (width != FWidth) {
        FWidth = width;
        Changed();
    }
}

void TPen::SetStyle(TPenStyle style) {
    if (style != FStyle) {
        FStyle = style;
        Changed();
    }
}

void TPen::SetMode(TPenMode mode) {
    if (mode != FMode) {
        FMode = mode;
        Changed();
    }
}

HPEN TPen::Handle() {
    if (!FHandle) {
        FHandle.Reset(CreatePen(PenStyles[FStyle], FWidth, ColorToRGB(FColor)));
    }
    return FHandle.Get();
}

void TPen::SetHandle(HPEN handle) {
    LOGPEN description{};
    if (handle && GetObjectW(handle, sizeof(description), &description) == sizeof(description)) {
        FColor = static_cast<TColor>(description.lopnColor);
        FWidth = std::max<int32_t>(description.lopnWidth.x, 1);
        const auto* style =
            std::find(std::begin(PenStyles), std::end(PenStyles), static_cast<int>(description.lopnStyle));
        FStyle = style == std::end(PenStyles) ? psSolid : static_cast<TPenStyle>(style - std::begin(PenStyles));
    }
    Changed();
    FHandle.Reset(handle);
}

// The old GDI pen goes only after the listeners ran, so that a canvas can first select it out of its device context.
void TPen::Changed() {
    const TPenHandle previous = std::move(FHandle);
    if (FOnChange) {
        FOnChange(this);
    }
}

} // namespace vcl
