#include "vcl/graphics/Font.h"

#include "vcl/system/Win32.h"

#include <algorithm>
#include <utility>

namespace vcl {

int32_t ScreenPixelsPerInch() {
    static const int32_t pixelsPerInch = [] {
        HDC screen = GetDC(nullptr);
        const int32_t value = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return pixelsPerInch;
}

TFont::TFont() : FPixelsPerInch(ScreenPixelsPerInch()) {
    FHeight = -MulDiv(DefaultSize, FPixelsPerInch, 72);
}

TFont::~TFont() = default;

void TFont::Assign(const rtl::TPersistent* source) {
    const auto* font = dynamic_cast<const TFont*>(source);
    if (!font) {
        TPersistent::Assign(source);
        return;
    }
    if (SameAs(*font) && FPixelsPerInch == font->FPixelsPerInch) {
        return;
    }
    FName = font->FName;
    FHeight = font->FHeight;
    FCharset = font->FCharset;
    FStyle = font->FStyle;
    FColor = font->FColor;
    FPitch = font->FPitch;
    FOrientation = font->FOrientation;
    FPixelsPerInch = font->FPixelsPerInch;
    Changed();
}

void TFont::SetName(rtl::UnicodeStringView name) {
    if (!name.empty() && name != FName) {
        FName = name;
        Changed();
    }
}

void TFont::SetHeight(int32_t height) {
    if (height != FHeight) {
        FHeight = height;
        Changed();
    }
}

int32_t TFont::Size() const {
    return -MulDiv(FHeight, 72, FPixelsPerInch);
}

void TFont::SetSize(int32_t size) {
    SetHeight(-MulDiv(size, FPixelsPerInch, 72));
}

void TFont::SetCharset(TFontCharset charset) {
    if (charset != FCharset) {
        FCharset = charset;
        Changed();
    }
}

void TFont::SetStyle(TFontStyles style) {
    if (style != FStyle) {
        FStyle = style;
        Changed();
    }
}

void TFont::SetColor(TColor color) {
    if (color != FColor) {
        FColor = color;
        Changed();
    }
}

void TFont::SetPitch(TFontPitch pitch) {
    if (pitch != FPitch) {
        FPitch = pitch;
        Changed();
    }
}

void TFont::SetOrientation(int32_t orientation) {
    if (orientation != FOrientation) {
        FOrientation = orientation;
        Changed();
    }
}

HFONT TFont::Handle() {
    if (FHandle) {
        return FHandle.Get();
    }
    LOGFONTW description{};
    description.lfHeight = FHeight;
    description.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    description.lfItalic = FStyle.Contains(fsItalic);
    description.lfUnderline = FStyle.Contains(fsUnderline);
    description.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    description.lfEscapement = FOrientation;
    description.lfOrientation = FOrientation;
    description.lfCharSet = FCharset;
    // Only outline fonts turn; a raster font chosen for a turned description would stay upright.
    description.lfOutPrecision = FOrientation != 0 ? OUT_TT_ONLY_PRECIS : OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = FPitch == fpFixed ? FIXED_PITCH : FPitch == fpVariable ? VARIABLE_PITCH : 0;
    const size_t length = std::min(FName.size(), size_t{LF_FACESIZE - 1});
    std::copy_n(AsWide(FName.c_str()), length, description.lfFaceName);
    FHandle.Reset(CreateFontIndirectW(&description));
    return FHandle.Get();
}

void TFont::SetHandle(HFONT handle) {
    LOGFONTW description{};
    if (handle && GetObjectW(handle, sizeof(description), &description) == sizeof(description)) {
        FName = AsUtf16(description.lfFaceName);
        FHeight = description.lfHeight;
        FCharset = description.lfCharSet;
        FOrientation = description.lfEscapement;
        TFontStyles style;
        if (description.lfWeight >= FW_BOLD) {
            style.Include(fsBold);
        }
        if (description.lfItalic) {
            style.Include(fsItalic);
        }
        if (description.lfUnderline) {
            style.Include(fsUnderline);
        }
        if (description.lfStrikeOut) {
            style.Include(fsStrikeOut);
        }
        FStyle = style;
        const int pitch = description.lfPitchAndFamily & 3;
        FPitch = pitch == FIXED_PITCH ? fpFixed : pitch == VARIABLE_PITCH ? fpVariable : fpDefault;
    }
    Changed();
    FHandle.Reset(handle);
}

bool TFont::SameAs(const TFont& other) const {
    return FName == other.FName && FHeight == other.FHeight && FCharset == other.FCharset && FStyle == other.FStyle &&
           FColor == other.FColor && FPitch == other.FPitch && FOrientation == other.FOrientation;
}

// The old GDI font goes only after the listeners ran, so that a canvas can first select it out of its device context.
void TFont::Changed() {
    const TFontHandle previous = std::move(FHandle);
    if (FOnChange) {
        FOnChange(this);
    }
}

} // namespace vcl
