#pragma once
// Picture values: a picture held in a Variant as the bytes its graphic class writes to a stream, a byte string
// (varString) or a byte array, passed byte for byte: a code-page or UTF-16 conversion would corrupt it. Reading
// skips an optional 8-byte header (16-bit 1, 16-bit 256, then the 32-bit count of the bytes that follow). Beside it,
// the list of graphic classes the image editors read pictures with: bitmap, icon, metafile, PNG (when the program
// registered it, with GDI+) and JPEG, made on first use.

#include "rtl/variants/Variant.h"
#include "vcl/graphics/images/Graphic.h"

#include <cstdint>
#include <vector>

namespace vcl {
class TPicture;
} // namespace vcl

namespace ui {

// The bytes of a picture value shorter than this hold no picture.
inline constexpr size_t MinPictureValueSize = 8;

// The graphic classes, each once, in their order; made on first use.
const std::vector<vcl::TGraphicClass>& GraphicClassList();
// Frees the list (the image unit's finalisation); the next use makes it again.
void FreeGraphicClassList();
// The class of the list with that name, in any letter case; nullptr when none is.
vcl::TGraphicClass FindGraphicClass(rtl::UnicodeStringView name);
// The first class of the list (the bitmap's); nullptr when the list is empty.
vcl::TGraphicClass DefaultGraphicClass();

// Reads the picture from the value with graphicClass (the picture's bitmap reads it when nullptr); a value that is no
// byte string or byte array, holds fewer than MinPictureValueSize bytes or that the class cannot read clears it.
void LoadPictureFromValue(vcl::TPicture& picture, vcl::TGraphicClass graphicClass, const rtl::Variant& value);
// The picture's graphic as a byte string, without the header; Null for an empty picture.
rtl::Variant PictureToValue(const vcl::TPicture& picture);
// Whether a picture holds a graphic that is not empty.
bool IsPictureEmpty(const vcl::TPicture& picture);

} // namespace ui
