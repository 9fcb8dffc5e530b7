#pragma once
// A PNG encoder for pictures drawn by our tools and tests (ISO/IEC 15948): truecolour with alpha (colour type 6),
// truecolour (type 2) and indexed colour (type 3) at 1, 4 or 8 bits per pixel, with a tRNS chunk when a palette
// colour is translucent. Rows are not filtered; the image data is one zlib stream.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tools {

enum class TPngColorType : uint8_t { Truecolor = 2, Indexed = 3, TruecolorAlpha = 6 };

// Pixels row by row from the top, each 0xAARRGGBB.
struct TPngPicture {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint32_t> Pixels;

    TPngPicture() = default;
    TPngPicture(int32_t width, int32_t height, uint32_t fill = 0)
        : Width(width), Height(height), Pixels(static_cast<size_t>(width) * static_cast<size_t>(height), fill) {}
    uint32_t& At(int32_t x, int32_t y) { return Pixels[static_cast<size_t>(y) * static_cast<size_t>(Width) + x]; }
};

// The PNG file of the picture. std::invalid_argument for an empty picture, a bit depth the colour type does not
// have (2 and 6: 8; 3: 1, 4 or 8), more colours than the depth indexes, or a translucent pixel in type 2.
std::vector<uint8_t> EncodePng(const TPngPicture& picture, TPngColorType colorType, int bitDepth = 8);

} // namespace tools
