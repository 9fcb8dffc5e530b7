#include "xls/core/model/package/Xc12GraphicProbes.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace xls {
namespace {

// Byte readers for offsets the caller has checked against the data's size.
uint16_t BigEndian16(std::span<const uint8_t> data, size_t offset) {
    return static_cast<uint16_t>(data[offset] << 8 | data[offset + 1]);
}

uint32_t BigEndian32(std::span<const uint8_t> data, size_t offset) {
    return static_cast<uint32_t>(BigEndian16(data, offset)) << 16 | BigEndian16(data, offset + 2);
}

uint16_t LittleEndian16(std::span<const uint8_t> data, size_t offset) {
    return static_cast<uint16_t>(data[offset] | data[offset + 1] << 8);
}

uint32_t LittleEndian32(std::span<const uint8_t> data, size_t offset) {
    return LittleEndian16(data, offset) | static_cast<uint32_t>(LittleEndian16(data, offset + 2)) << 16;
}

int32_t LittleEndianSigned32(std::span<const uint8_t> data, size_t offset) {
    return static_cast<int32_t>(LittleEndian32(data, offset));
}

int16_t LittleEndianSigned16(std::span<const uint8_t> data, size_t offset) {
    return static_cast<int16_t>(LittleEndian16(data, offset));
}

// A size from extents that may be reversed or too large for a picture: nothing then.
std::optional<TXc12ImageSize> SizeFromExtents(int64_t width, int64_t height) {
    constexpr int64_t largest = std::numeric_limits<int32_t>::max();
    if (width < 0 || height < 0 || width > largest || height > largest)
        return std::nullopt;
    return TXc12ImageSize{static_cast<int32_t>(width), static_cast<int32_t>(height)};
}

// JPEG markers without a length field (ITU T.81 B.1.1.3): TEM, RST0 to RST7, SOI and EOI.
bool IsStandaloneJPEGMarker(uint8_t code) {
    return code == 0x01 || (code >= 0xD0 && code <= 0xD9);
}

// The bytes a JPEG marker must have after its 0xFF: code, length, precision, height and width of a frame header,
// with a byte to spare.
constexpr size_t JPEGMarkerTail = 9;

// The first bytes of a PNG file (PNG 5.2); the IHDR chunk follows, its type at 12 and its width and height at 16
// and 20 (PNG 11.2.2).
constexpr uint8_t PNGSignature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr uint8_t PNGHeaderChunk[] = {'I', 'H', 'D', 'R'};
constexpr size_t PNGHeaderEnd = 24;

// EMR_HEADER (MS-EMF 2.3.4.2): its fixed part, the record type, and the signature " EMF".
constexpr size_t EMFHeaderSize = 88;
constexpr uint32_t EMFHeaderRecord = 1;
constexpr uint32_t EMFSignature = 0x464D4520;

// META_PLACEABLE and META_HEADER (MS-WMF 2.3.2.3, 2.3.2.2).
constexpr uint32_t WMFPlaceableKey = 0x9AC6CDD7;
constexpr size_t WMFPlaceableSize = 22;
constexpr size_t WMFHeaderSize = 18;
constexpr uint16_t WMFHeaderWords = 9;
constexpr int64_t HundredthsOfMillimetrePerInch = 2540;

bool IsWMFHeader(std::span<const uint8_t> header) {
    if (header.size() < WMFHeaderSize)
        return false;
    const uint16_t type = LittleEndian16(header, 0);
    const uint16_t version = LittleEndian16(header, 4);
    const uint64_t bytes = uint64_t{LittleEndian32(header, 6)} * 2;
    return (type == 1 || type == 2) && LittleEndian16(header, 2) == WMFHeaderWords &&
           (version == 0x0100 || version == 0x0300) && bytes >= WMFHeaderSize && bytes <= header.size();
}

} // namespace

std::optional<TXc12ImageSize> ProbeJPEG(std::span<const uint8_t> data) {
    if (data.size() < JPEGMarkerTail || data[0] != 0xFF || data[1] != 0xD8)
        return std::nullopt;
    size_t position = 2;
    while (position < data.size() && data[position] == 0xFF) {
        // Any number of 0xFF fill bytes may come before a marker's code (ITU T.81 B.1.1.2).
        while (position + 1 < data.size() && data[position + 1] == 0xFF)
            ++position;
        if (data.size() - position <= JPEGMarkerTail)
            return std::nullopt;
        const uint8_t code = data[position + 1];
        if (code >= 0xC0 && code <= 0xC3)
            return SizeFromExtents(BigEndian16(data, position + 7), BigEndian16(data, position + 5));
        if (IsStandaloneJPEGMarker(code)) {
            position += 2;
            continue;
        }
        // The length counts itself; a smaller one is corrupt and would never move on.
        const uint16_t length = BigEndian16(data, position + 2);
        if (length < 2)
            return std::nullopt;
        position += 2 + size_t{length};
    }
    return std::nullopt;
}

std::optional<TXc12ImageSize> ProbePNG(std::span<const uint8_t> data) {
    if (data.size() < PNGHeaderEnd || !std::equal(std::begin(PNGSignature), std::end(PNGSignature), data.begin()) ||
        !std::equal(std::begin(PNGHeaderChunk), std::end(PNGHeaderChunk), data.begin() + 12))
        return std::nullopt;
    return SizeFromExtents(BigEndian32(data, 16), BigEndian32(data, 20));
}

std::optional<TXc12ImageSize> ProbeEMF(std::span<const uint8_t> data) {
    if (data.size() < EMFHeaderSize || LittleEndian32(data, 0) != EMFHeaderRecord ||
        LittleEndian32(data, 40) != EMFSignature)
        return std::nullopt;
    const uint32_t recordSize = LittleEndian32(data, 4);
    const uint32_t fileSize = LittleEndian32(data, 48);
    if (recordSize < EMFHeaderSize || recordSize > fileSize || fileSize > data.size())
        return std::nullopt;
    // The frame (rclFrame) is in hundredths of a millimetre.
    const int64_t left = LittleEndianSigned32(data, 24);
    const int64_t top = LittleEndianSigned32(data, 28);
    const int64_t right = LittleEndianSigned32(data, 32);
    const int64_t bottom = LittleEndianSigned32(data, 36);
    return SizeFromExtents(right - left, bottom - top);
}

std::optional<TXc12ImageSize> ProbeWMF(std::span<const uint8_t> data) {
    if (data.size() < 4 || LittleEndian32(data, 0) != WMFPlaceableKey)
        return IsWMFHeader(data) ? std::optional(TXc12ImageSize{}) : std::nullopt;
    if (data.size() < WMFPlaceableSize || !IsWMFHeader(data.subspan(WMFPlaceableSize)))
        return std::nullopt;
    const int64_t unitsPerInch = LittleEndian16(data, 14);
    if (unitsPerInch == 0)
        return std::nullopt;
    const int64_t width = LittleEndianSigned16(data, 10) - int64_t{LittleEndianSigned16(data, 6)};
    const int64_t height = LittleEndianSigned16(data, 12) - int64_t{LittleEndianSigned16(data, 8)};
    return SizeFromExtents(width * HundredthsOfMillimetrePerInch / unitsPerInch,
                           height * HundredthsOfMillimetrePerInch / unitsPerInch);
}

std::optional<TXc12ImageSize> ProbeImage(TXc12GraphicImageType type, std::span<const uint8_t> data) {
    switch (type) {
    case xgitJPEG:
        return ProbeJPEG(data);
    case xgitPNG:
        return ProbePNG(data);
    case xgitEMF:
        return ProbeEMF(data);
    case xgitWMF:
        return ProbeWMF(data);
    default:
        return std::nullopt;
    }
}

} // namespace xls
