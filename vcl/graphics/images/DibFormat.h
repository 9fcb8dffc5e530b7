#pragma once
// The device-independent bitmap (DIB) form of bitmaps, checked before use: the BMP file (a file header, then a DIB)
// and the bare DIB of bitmap resources and clipboard data. Reading checks every size and offset against the data and
// the image limits and turns the header into one normal form (a 40-byte header, the colour masks of 16- and 32-bit
// bitfield images, the colour table as RGBQUADs), so that the result goes to CreateDIBSection as it is.

#include "rtl/io/Streams.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vcl {

// A checked DIB: its BITMAPINFO in normal form and its pixel rows as stored (bottom-up unless TopDown).
struct TDibImage {
    std::vector<uint8_t> Info;
    std::vector<uint8_t> Bits;
    int32_t Width = 0;
    int32_t Height = 0; // rows, always positive
    uint16_t BitCount = 0;
    bool TopDown = false;
};

// Where the pixel rows of a bare DIB start: right after its colour table (resources, clipboard) or at an offset from
// the start of the DIB (a BMP file's header says where).
inline constexpr size_t DibBitsFollowTable = SIZE_MAX;

// Reads the DIB in data[0, size); EInvalidGraphic when it is damaged, unsupported or beyond the image limits.
TDibImage ReadDib(const uint8_t* data, size_t size, size_t bitsOffset = DibBitsFollowTable);
// Reads a BMP file from the stream's position and leaves the stream after it.
TDibImage ReadBitmapFile(rtl::TStream& stream);
// Writes a BMP file of the DIB whose BITMAPINFO and rows are given.
void WriteBitmapFile(rtl::TStream& stream, const std::vector<uint8_t>& info, const void* bits, size_t bitsSize);
// The bytes of one row of a DIB of that width and bit count (rows are padded to four bytes).
size_t DibStride(int32_t width, uint16_t bitCount);

} // namespace vcl
