#include "tools/support/PngWriter.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <zlib.h>

namespace tools {

namespace {

void AppendPngBigEndian32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

// Length, type, data and the CRC over type and data (ISO/IEC 15948, 5.3).
void AppendPngChunk(std::vector<uint8_t>& out, const char (&type)[5], const std::vector<uint8_t>& data) {
    AppendPngBigEndian32(out, static_cast<uint32_t>(data.size()));
    const size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0L, out.data() + typeStart, static_cast<uInt>(out.size() - typeStart));
    AppendPngBigEndian32(out, static_cast<uint32_t>(crc));
}

std::vector<uint32_t> PngPaletteOf(const TPngPicture& picture, int bitDepth) {
    std::vector<uint32_t> palette;
    for (const uint32_t pixel : picture.Pixels) {
        if (std::find(palette.begin(), palette.end(), pixel) == palette.end()) {
            palette.push_back(pixel);
        }
    }
    if (palette.size() > (size_t{1} << bitDepth)) {
        throw std::invalid_argument(std::to_string(palette.size()) + " colours do not fit " + std::to_string(bitDepth) +
                                    " bits per pixel");
    }
    return palette;
}

// The rows with their filter byte (0, none), pixels packed as the colour type and depth store them.
std::vector<uint8_t> PngRawRows(const TPngPicture& picture, TPngColorType colorType, int bitDepth,
                                const std::vector<uint32_t>& palette) {
    std::vector<uint8_t> raw;
    for (int32_t y = 0; y < picture.Height; ++y) {
        raw.push_back(0);
        uint32_t bits = 0;
        int pending = 0;
        for (int32_t x = 0; x < picture.Width; ++x) {
            const uint32_t pixel = picture.Pixels[static_cast<size_t>(y) * static_cast<size_t>(picture.Width) + x];
            if (colorType == TPngColorType::Indexed) {
                const auto index =
                    static_cast<uint32_t>(std::find(palette.begin(), palette.end(), pixel) - palette.begin());
                bits = bits << bitDepth | index;
                pending += bitDepth;
                if (pending == 8) {
                    raw.push_back(static_cast<uint8_t>(bits));
                    bits = 0;
                    pending = 0;
                }
                continue;
            }
            raw.push_back(static_cast<uint8_t>(pixel >> 16));
            raw.push_back(static_cast<uint8_t>(pixel >> 8));
            raw.push_back(static_cast<uint8_t>(pixel));
            if (colorType == TPngColorType::TruecolorAlpha) {
                raw.push_back(static_cast<uint8_t>(pixel >> 24));
            }
        }
        if (pending > 0) {
            raw.push_back(static_cast<uint8_t>(bits << (8 - pending)));
        }
    }
    return raw;
}

std::vector<uint8_t> PngCompress(const std::vector<uint8_t>& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<uint8_t> compressed(size);
    if (compress2(compressed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK) {
        throw std::runtime_error("zlib could not compress the image data");
    }
    compressed.resize(size);
    return compressed;
}

void CheckPngFormat(const TPngPicture& picture, TPngColorType colorType, int bitDepth) {
    if (picture.Width <= 0 || picture.Height <= 0 ||
        picture.Pixels.size() != static_cast<size_t>(picture.Width) * static_cast<size_t>(picture.Height)) {
        throw std::invalid_argument("a PNG picture needs at least one pixel");
    }
    const bool indexedDepth = bitDepth == 1 || bitDepth == 4 || bitDepth == 8;
    if (colorType == TPngColorType::Indexed ? !indexedDepth : bitDepth != 8) {
        throw std::invalid_argument("colour type " + std::to_string(static_cast<int>(colorType)) + " has no depth " +
                                    std::to_string(bitDepth));
    }
    if (colorType == TPngColorType::Truecolor &&
        std::any_of(picture.Pixels.begin(), picture.Pixels.end(), [](uint32_t pixel) { return pixel >> 24 != 255; })) {
        throw std::invalid_argument("a truecolour picture without alpha must be opaque");
    }
}

} // namespace

std::vector<uint8_t> EncodePng(const TPngPicture& picture, TPngColorType colorType, int bitDepth) {
    CheckPngFormat(picture, colorType, bitDepth);
    const std::vector<uint32_t> palette =
        colorType == TPngColorType::Indexed ? PngPaletteOf(picture, bitDepth) : std::vector<uint32_t>{};
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<uint8_t> header;
    AppendPngBigEndian32(header, static_cast<uint32_t>(picture.Width));
    AppendPngBigEndian32(header, static_cast<uint32_t>(picture.Height));
    header.insert(header.end(), {static_cast<uint8_t>(bitDepth), static_cast<uint8_t>(colorType), 0, 0, 0});
    AppendPngChunk(png, "IHDR", header);
    if (!palette.empty()) {
        std::vector<uint8_t> colors;
        std::vector<uint8_t> alphas;
        for (const uint32_t color : palette) {
            colors.insert(colors.end(), {static_cast<uint8_t>(color >> 16), static_cast<uint8_t>(color >> 8),
                                         static_cast<uint8_t>(color)});
            alphas.push_back(static_cast<uint8_t>(color >> 24));
        }
        AppendPngChunk(png, "PLTE", colors);
        if (std::any_of(alphas.begin(), alphas.end(), [](uint8_t alpha) { return alpha != 255; })) {
            AppendPngChunk(png, "tRNS", alphas);
        }
    }
    AppendPngChunk(png, "IDAT", PngCompress(PngRawRows(picture, colorType, bitDepth, palette)));
    AppendPngChunk(png, "IEND", {});
    return png;
}

} // namespace tools
