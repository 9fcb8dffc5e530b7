#pragma once
// Small routines every BIFF unit shares: RK numbers, error-code bytes, the clipping of cell areas to a BIFF sheet,
// and the BIFF string forms (MS-XLS 2.5.293 ff.) to and from text:
// - flagged string: a flag byte (0: 8-bit characters follow, the low bytes of UTF-16 code units; 1: UTF-16LE
//   characters follow), then the characters;
// - short string: a one-byte character count, then a flagged string;
// - unicode string: a 16-bit character count, then a flagged string;
// - NUL-terminated UTF-16 text of a given byte length (hyperlinks).
// The string helpers are given the bytes they may read; a count that asks for more raises EBIFFError, so no
// count from a file makes them read past a record or a buffer.

#include "rtl/core/Exceptions.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <span>
#include <vector>

namespace xls {

using TDynByteArray = std::vector<uint8_t>;

// A failure of BIFF reading or writing; the message is one of BIFFMessages.
class EBIFFError : public rtl::Exception {
public:
    using Exception::Exception;
};

// The number an RK value stands for (MS-XLS 2.5.218): bit 1 set, the signed 30-bit integer rk >> 2; clear, the
// double whose upper 32 bits are rk with its two low bits cleared. Bit 0 set divides the result by 100.
double DecodeRK(uint32_t rk);

// The model's error index (1 #NULL! to 7 #N/A) of a BIFF error byte (MS-XLS 2.5.10); 0 for a byte that is none.
int32_t ErrorByteToIndex(uint8_t code);
// The error text of a BIFF error byte; "#???" for a byte that is none.
rtl::UnicodeString ErrorByteToText(uint8_t code);

// Colour indexes above 64 read as 64, the automatic colour.
int32_t LimitTo64(int32_t value);

// Clips an area to the cells of a BIFF sheet: false, leaving it alone, when it lies wholly outside (col1 > 255,
// row1 > 65535, col2 < 0 or row2 < 0); otherwise clips col1 and row1 up to 0, col2 down to 255 and row2 down to
// 65535 and returns true.
bool ClipAreaToBIFF(int32_t& col1, int32_t& row1, int32_t& col2, int32_t& row2);

// The first count bytes as 8-bit characters, widened one by one (no code page).
rtl::UnicodeString BytesToWide(std::span<const uint8_t> bytes, int32_t count);
// A whole flagged string as text: after flag 0 8-bit characters, after flag 1 UTF-16 characters; with any other
// first byte the whole string is ANSI text of the process code page. Empty gives empty.
rtl::UnicodeString FlaggedToWide(std::span<const uint8_t> flagged);
// The flagged part of a short string with count characters, starting at its flag byte: 2 x count + 1 bytes after
// flag 1, count + 1 bytes otherwise, read as FlaggedToWide reads them. A count of 0 or less gives empty.
rtl::UnicodeString ShortStringToWide(std::span<const uint8_t> bytes, int32_t count);
// A flag byte and count characters after it: UTF-16 after flag 1, 8-bit otherwise. A count of 0 or less gives empty.
rtl::UnicodeString UnicodeBodyToWide(std::span<const uint8_t> bytes, int32_t count);
// The same for a string whose writer counted more characters than it wrote: as many whole characters, up to count, as
// the bytes hold after the flag byte.
rtl::UnicodeString UnicodeBodyToWideHeld(std::span<const uint8_t> bytes, int32_t count);
// The UTF-16 text in the first byteCount bytes, whose last character is its terminating NUL; the text ends at its
// first NUL. A byteCount of 0 or less gives empty.
rtl::UnicodeString ZeroTerminatedToWide(std::span<const uint8_t> bytes, int32_t byteCount);
// The flagged string of a flag byte and count characters after it: 2 x count bytes of characters after a non-zero
// flag, count bytes after flag 0.
TDynByteArray MakeFlaggedString(std::span<const uint8_t> bytes, int32_t count);
// Flag byte 1 and the text's UTF-16LE characters.
TDynByteArray WideToFlagged16(rtl::UnicodeStringView text);

// The bytes of the characters of a flagged string: 2 per character after flag 1, 1 per character after any other.
int64_t FlaggedCharacterBytes(uint8_t flag, int32_t count);
// Raises EBIFFError for a string of count characters that needs more bytes than are left.
void CheckStringBytes(int32_t count, int64_t needed, int64_t left);

} // namespace xls
