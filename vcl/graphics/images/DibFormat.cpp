#include "vcl/graphics/images/DibFormat.h"

#include "rtl/text/Format.h"
#include "vcl/graphics/images/Graphic.h"
#include "vcl/graphics/images/ImageLimits.h"
#include "vcl/system/Win32.h"

#include <cstring>
#include <limits>

namespace vcl {

namespace {

constexpr size_t FileHeaderSize = 14;
constexpr size_t CoreHeaderSize = 12;
constexpr uint16_t BitmapSignature = 0x4D42; // "BM"

[[noreturn]] void InvalidBitmap() {
    throw EInvalidGraphic(VclMessages::InvalidBitmap);
}

template <class T>
T ReadLittle(const uint8_t* data) {
    T value{};
    std::memcpy(&value, data, sizeof(T));
    return value;
}

// The fields of any of the DIB headers (core, info, V4, V5) that the normal form needs.
struct TDibHeader {
    uint32_t Size = 0;
    int64_t Width = 0;
    int64_t Height = 0;
    uint16_t Planes = 0;
    uint16_t BitCount = 0;
    uint32_t Compression = BI_RGB;
    uint32_t ColorsUsed = 0;
    uint32_t Masks[3] = {};
    size_t MasksAfterHeader = 0; // bytes of colour masks between the header and the colour table
};

TDibHeader ReadDibHeader(const uint8_t* data, size_t size) {
    TDibHeader header;
    if (size < 4) {
        InvalidBitmap();
    }
    header.Size = ReadLittle<uint32_t>(data);
    if (header.Size > size || (header.Size != CoreHeaderSize && header.Size < sizeof(BITMAPINFOHEADER))) {
        InvalidBitmap();
    }
    if (header.Size == CoreHeaderSize) {
        header.Width = ReadLittle<uint16_t>(data + 4);
        header.Height = ReadLittle<uint16_t>(data + 6);
        header.Planes = ReadLittle<uint16_t>(data + 8);
        header.BitCount = ReadLittle<uint16_t>(data + 10);
        return header;
    }
    header.Width = ReadLittle<int32_t>(data + 4);
    header.Height = ReadLittle<int32_t>(data + 8);
    header.Planes = ReadLittle<uint16_t>(data + 12);
    header.BitCount = ReadLittle<uint16_t>(data + 14);
    header.Compression = ReadLittle<uint32_t>(data + 16);
    header.ColorsUsed = ReadLittle<uint32_t>(data + 32);
    if (header.Compression == BI_BITFIELDS) {
        // Headers from V2 (52 bytes) on hold the masks; a 40-byte header is followed by them.
        const size_t masksAt = header.Size >= 52 ? 40 : header.Size;
        header.MasksAfterHeader = header.Size >= 52 ? 0 : sizeof(header.Masks);
        if (masksAt + sizeof(header.Masks) > size) {
            InvalidBitmap();
        }
        std::memcpy(header.Masks, data + masksAt, sizeof(header.Masks));
    }
    return header;
}

void CheckDibHeader(const TDibHeader& header) {
    const uint16_t bits = header.BitCount;
    const bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    const bool knownCompression =
        header.Compression == BI_RGB || (header.Compression == BI_BITFIELDS && (bits == 16 || bits == 32));
    if (header.Planes != 1 || !knownDepth || !knownCompression || header.Width < 1 || header.Height == 0 ||
        header.Height == std::numeric_limits<int32_t>::min()) {
        InvalidBitmap();
    }
    const int64_t rows = header.Height < 0 ? -header.Height : header.Height;
    if (!ImageSizeAllowed(header.Width, rows)) {
        throw EInvalidGraphic(rtl::Format(VclMessages::ImageTooLarge, {header.Width, rows}));
    }
}

// The entries of the colour table: all of them for 1, 4 and 8 bits unless the header names fewer; any the header names
// for deeper images (they only take room there).
size_t ColorTableEntries(const TDibHeader& header) {
    const size_t full = header.BitCount <= 8 ? size_t{1} << header.BitCount : 0;
    if (header.Size == CoreHeaderSize) {
        return full;
    }
    if (header.BitCount <= 8) {
        if (header.ColorsUsed > full) {
            InvalidBitmap();
        }
        return header.ColorsUsed == 0 ? full : header.ColorsUsed;
    }
    return header.ColorsUsed;
}

} // namespace

size_t DibStride(int32_t width, uint16_t bitCount) {
    return static_cast<size_t>((static_cast<int64_t>(width) * bitCount + 31) / 32 * 4);
}

TDibImage ReadDib(const uint8_t* data, size_t size, size_t bitsOffset) {
    const TDibHeader header = ReadDibHeader(data, size);
    CheckDibHeader(header);
    const size_t entries = ColorTableEntries(header);
    const size_t entrySize = header.Size == CoreHeaderSize ? 3 : 4;
    const size_t tableAt = header.Size + header.MasksAfterHeader;
    if (entries > (size - tableAt) / entrySize) {
        InvalidBitmap();
    }
    const size_t tableEnd = tableAt + entries * entrySize;
    const size_t bitsAt = bitsOffset == DibBitsFollowTable ? tableEnd : bitsOffset;

    TDibImage image;
    image.Width = static_cast<int32_t>(header.Width);
    image.TopDown = header.Height < 0;
    image.Height = static_cast<int32_t>(image.TopDown ? -header.Height : header.Height);
    image.BitCount = header.BitCount;
    const size_t bitsSize = DibStride(image.Width, image.BitCount) * static_cast<size_t>(image.Height);
    if (bitsAt < tableEnd || bitsAt > size || bitsSize > size - bitsAt) {
        InvalidBitmap();
    }

    // Only the colours the pixels can name are kept (deeper images draw without a table).
    const size_t kept = header.BitCount <= 8 ? entries : 0;
    const bool masks = header.Compression == BI_BITFIELDS;
    image.Info.resize(sizeof(BITMAPINFOHEADER) + (masks ? sizeof(header.Masks) : 0) + kept * sizeof(RGBQUAD));
    BITMAPINFOHEADER info{};
    info.biSize = sizeof(BITMAPINFOHEADER);
    info.biWidth = image.Width;
    info.biHeight = image.TopDown ? -image.Height : image.Height;
    info.biPlanes = 1;
    info.biBitCount = image.BitCount;
    info.biCompression = header.Compression;
    info.biClrUsed = static_cast<DWORD>(kept);
    std::memcpy(image.Info.data(), &info, sizeof(info));
    uint8_t* table = image.Info.data() + sizeof(info);
    if (masks) {
        std::memcpy(table, header.Masks, sizeof(header.Masks));
        table += sizeof(header.Masks);
    }
    for (size_t i = 0; i < kept; ++i) {
        const uint8_t* entry = data + tableAt + i * entrySize;
        const RGBQUAD color{entry[0], entry[1], entry[2], 0};
        std::memcpy(table + i * sizeof(RGBQUAD), &color, sizeof(color));
    }
    image.Bits.assign(data + bitsAt, data + bitsAt + bitsSize);
    return image;
}

TDibImage ReadBitmapFile(rtl::TStream& stream) {
    uint8_t fileHeader[FileHeaderSize];
    if (stream.Read(fileHeader, sizeof(fileHeader)) != static_cast<int32_t>(sizeof(fileHeader)) ||
        ReadLittle<uint16_t>(fileHeader) != BitmapSignature) {
        InvalidBitmap();
    }
    const int64_t remaining = stream.Size() - stream.Position();
    const uint32_t fileSize = ReadLittle<uint32_t>(fileHeader + 2);
    const uint32_t bitsOffset = ReadLittle<uint32_t>(fileHeader + 10);
    // Writers that leave the file size 0 make the bitmap run to the end of the stream.
    const int64_t dibSize = fileSize == 0 ? remaining : static_cast<int64_t>(fileSize) - int64_t{FileHeaderSize};
    if (dibSize < 0 || dibSize > remaining || dibSize > std::numeric_limits<int32_t>::max() ||
        bitsOffset < FileHeaderSize) {
        InvalidBitmap();
    }
    std::vector<uint8_t> dib(static_cast<size_t>(dibSize));
    stream.ReadBuffer(dib.data(), static_cast<int32_t>(dib.size()));
    return ReadDib(dib.data(), dib.size(), bitsOffset - FileHeaderSize);
}

void WriteBitmapFile(rtl::TStream& stream, const std::vector<uint8_t>& info, const void* bits, size_t bitsSize) {
    const size_t bitsOffset = FileHeaderSize + info.size();
    const uint64_t fileSize = bitsOffset + bitsSize;
    if (fileSize > std::numeric_limits<int32_t>::max()) {
        throw EInvalidGraphicOperation(VclMessages::InvalidBitmap);
    }
    uint8_t fileHeader[FileHeaderSize] = {};
    const uint16_t signature = BitmapSignature;
    const auto size32 = static_cast<uint32_t>(fileSize);
    const auto offset32 = static_cast<uint32_t>(bitsOffset);
    std::memcpy(fileHeader, &signature, 2);
    std::memcpy(fileHeader + 2, &size32, 4);
    std::memcpy(fileHeader + 10, &offset32, 4);
    stream.WriteBuffer(fileHeader, sizeof(fileHeader));
    stream.WriteBuffer(info.data(), static_cast<int32_t>(info.size()));
    stream.WriteBuffer(bits, static_cast<int32_t>(bitsSize));
}

} // namespace vcl
