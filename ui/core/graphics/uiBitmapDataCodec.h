#pragma once
// The compressed form "XDBM" of a bitmap's data in form resources. The plain data is what the framework's bitmap
// writes as its "Data": a 32-bit length, then the BMP file. The compressed form is a 10-byte header (the size of what
// follows it, the signature "XDBM", the version 2), then for version 2 the block size B (the bytes of one pixel, 1 to
// 4) and R = L mod B with the first R plain bytes verbatim, then runs over the remaining B-byte blocks. A run is a
// control byte whose low seven bits count N blocks (at most 125): with bit 7 set N blocks follow verbatim, without it
// one block follows that stands N times. Version 1 has no B, R or verbatim bytes: its runs start at offset 10 with
// B = 1. All integers are little-endian.
//
// Reading treats the data as hostile: every size is checked against what remains, and the expanded data never grows
// past the length the plain data declares or past what an image within the image limits needs. Damaged data raises
// the framework's bitmap read error (EInvalidGraphic).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace rtl {
class TStream;
} // namespace rtl

namespace ui {

inline constexpr size_t uiBitmapDataHeaderSize = 10;
inline constexpr uint16_t uiBitmapDataVersion = 2;
inline constexpr uint8_t uiBitmapDataMaxRun = 125;

// The block size of a bitmap of that many bits per pixel: its bytes per pixel, at least 1.
uint8_t BitmapDataBlockSize(int32_t bitsPerPixel);

// The compressed form (header included) of plain, in blocks of blockSize bytes (1 to 4).
std::vector<uint8_t> CompressBitmapData(std::span<const uint8_t> plain, uint8_t blockSize);

// True when data begins with a compressed header (its signature at offset 4).
bool IsCompressedBitmapData(std::span<const uint8_t> data);

// The plain data of the compressed form that data begins with (data may go on after it); EInvalidGraphic when it is
// damaged.
std::vector<uint8_t> DecompressBitmapData(std::span<const uint8_t> data);

// Reads the compressed form from the stream's position and leaves the stream after it; without the signature the
// stream goes back to where it was and nothing is returned (the data is plain).
std::optional<std::vector<uint8_t>> ReadCompressedBitmapData(rtl::TStream& stream);

} // namespace ui
