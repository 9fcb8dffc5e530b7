#pragma once
// Small services the whole spreadsheet library shares: searching and splitting UTF-16 text, the CRC-32 that style
// hashes use, the zip signature test that tells .xlsx packages from BIFF files, a memory stream over a block someone
// else owns, and the converters between English Metric Units and centimetres. Positions are 0-based.

#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"

#include <bitset>
#include <cstdint>

namespace xls {

// A set of the characters 0 to 255.
using TXLSCharSet = std::bitset<256>;

// Position of the first (CharPos) or last (LastCharPos) occurrence of character in text, -1 when absent.
int32_t CharPos(char16_t character, rtl::UnicodeStringView text);
// The 8-bit character stands for the UTF-16 character of the same code (so 0xE4 finds U+00E4).
int32_t CharPos(char character, rtl::UnicodeStringView text);
int32_t LastCharPos(char16_t character, rtl::UnicodeStringView text);

// True when every character is below 256, so that the text can be kept in 8 bits.
bool IsNarrowText(rtl::UnicodeStringView text);

// True when character is in set; characters above 255 are never members.
bool CharInSet(char16_t character, const TXLSCharSet& set);

// low when value < low, else high when value > high, else value.
int32_t Clamp(int32_t value, int32_t low, int32_t high);

// 2 * level blanks, for the indented lines of diagnostic dumps; none for a level below 1.
rtl::UnicodeString IndentText(int32_t level);

// CRC-32 (reflected polynomial 0xEDB88320) started at 0xFFFFFFFF and without the final inversion, so "abc" gives
// 0xCADBBE3D; 0xFFFFFFFF for count < 1.
uint32_t Crc32(const void* bytes, int32_t count);

// True when the stream at its position starts with a zip local file header signature ("PK", 3, 4; PKWARE APPNOTE
// 4.3.7). The position is unchanged afterwards, also when fewer than four bytes remain (the answer is then false).
bool IsZipStream(rtl::TStream& stream);

// English Metric Units: 360000 to the centimetre.
double EmuToCm(int64_t emu);
// Rounds to the nearest unit, halves to the even one; NaN gives 0 and values beyond 64 bits the nearest limit.
int64_t CmToEmu(double centimetres);

// A memory stream over a block it neither owns nor copies; the owner keeps the block alive while the stream uses it.
class TPointerMemoryStream : public rtl::TCustomMemoryStream {
public:
    TPointerMemoryStream() = default;
    TPointerMemoryStream(void* memory, int64_t size);

    // Points the stream at another block; the position stays where it is. A negative size, or a size without a
    // block, raises EStreamError.
    void SetMemory(void* memory, int64_t size);
};

} // namespace xls
