#pragma once
// The limits of BIFF reading, in one place: what the formats allow and what this reader takes from a hostile file.
// Everything else the reader allocates is bounded by the bytes the file really holds, never by a count it declares.

#include <cstdint>

namespace xls {

// The largest record body of BIFF8 and of BIFF2-7 (MS-XLS 2.1.4); longer data continues in CONTINUE records.
inline constexpr int32_t BIFFMaxRecordBody8 = 8224;
inline constexpr int32_t BIFFMaxRecordBody5 = 2080;

// The last column and row of a BIFF sheet: 256 columns by 65536 rows.
inline constexpr int32_t BIFFMaxColumn = 255;
inline constexpr int32_t BIFFMaxRow = 65535;

// A short string's character count is one byte.
inline constexpr int32_t BIFFMaxShortStringLength = 255;

// The most a compressed VBA stream (MS-OVBA 2.4.1) may give: a chunk of a few bytes gives up to 4096, so the
// output is bounded by this rather than by the input.
inline constexpr int32_t VBAMaxDecompressedSize = 16 * 1024 * 1024;

// Record-stream positions are 32-bit, so no stream of a compound document may be larger. A larger declared size
// fails before anything is read.
inline constexpr uint64_t CompoundMaxStreamSize = INT32_MAX;

// The sector sizes of MS-CFB 2.2 (versions 3 and 4) as shifts; any other fails the document.
inline constexpr uint16_t CompoundSectorShift512 = 9;
inline constexpr uint16_t CompoundSectorShift4096 = 12;
inline constexpr uint16_t CompoundMiniSectorShift = 6;

} // namespace xls
