#pragma once
// The compact stream form of Variants and scalars that the record storage, the data-controller stream and the filter
// stream share, and the filers that read and write through it. All little-endian, no alignment:
// - string: int32 byte count, then the ANSI bytes; wide string: int32 count, then that many UTF-16 units;
// - Boolean and byte 1 byte, small integer and word 2, integer 4, large integer 8, extended float 10 (x87 80-bit),
//   currency 8 (the amount x 10,000), date-time 8 (the double);
// - Variant: a kind byte, then a payload (see WriteStreamVariant).
//
// Streams are read as hostile input: a length or count is checked against the bytes that remain before anything is
// allocated, arrays nest at most MaxStreamVariantDepth deep, and a kind byte outside the form fails. Every such
// failure raises EReadError "Stream read error"; a stream that simply ends early raises the stream's own EReadError.

#include "rtl/io/Streams.h"
#include "rtl/numbers/Currency.h"
#include "rtl/time/DateTime.h"
#include "rtl/variants/Variant.h"

#include <cstdint>
#include <string_view>

namespace ui {

// Arrays inside arrays, as deep as a stream may nest them.
inline constexpr int32_t MaxStreamVariantDepth = 32;

// EReadError and EWriteError with the data controller's texts.
[[noreturn]] void RaiseDataReadError();
[[noreturn]] void RaiseDataWriteError();

rtl::AnsiString ReadStreamString(rtl::TStream& stream);
void WriteStreamString(rtl::TStream& stream, std::string_view value);
rtl::UnicodeString ReadStreamWideString(rtl::TStream& stream);
void WriteStreamWideString(rtl::TStream& stream, rtl::UnicodeStringView value);
bool ReadStreamBoolean(rtl::TStream& stream);
void WriteStreamBoolean(rtl::TStream& stream, bool value);
uint8_t ReadStreamByte(rtl::TStream& stream);
void WriteStreamByte(rtl::TStream& stream, uint8_t value);
int16_t ReadStreamSmallInt(rtl::TStream& stream);
void WriteStreamSmallInt(rtl::TStream& stream, int16_t value);
uint16_t ReadStreamWord(rtl::TStream& stream);
void WriteStreamWord(rtl::TStream& stream, uint16_t value);
int32_t ReadStreamInteger(rtl::TStream& stream);
void WriteStreamInteger(rtl::TStream& stream, int32_t value);
int64_t ReadStreamLargeInt(rtl::TStream& stream);
void WriteStreamLargeInt(rtl::TStream& stream, int64_t value);
long double ReadStreamExtended(rtl::TStream& stream);
void WriteStreamExtended(rtl::TStream& stream, long double value);
rtl::Currency ReadStreamCurrency(rtl::TStream& stream);
void WriteStreamCurrency(rtl::TStream& stream, rtl::Currency value);
rtl::TDateTime ReadStreamDateTime(rtl::TStream& stream);
void WriteStreamDateTime(rtl::TStream& stream, rtl::TDateTime value);

// Reads a Variant in the form WriteStreamVariant writes.
rtl::Variant ReadStreamVariant(rtl::TStream& stream);
// Kind byte and payload by the value:
//   0 Null, 13 Empty, 8 false, 9 true (no payload);
//   2, 3, 4, 19 an integer kind (varSmallint, varInteger, varShortInt, varByte, varWord, varLongWord, varInt64) in
//     1, 2, 4 or 8 bytes, the first that holds it; read back as varShortInt, varSmallint, varInteger, varInt64;
//   15 Single (4 bytes), 5 Double (as a 10-byte extended), 16 Currency, 17 Date (8 bytes each);
//   6 an ANSI string of up to 255 bytes (1-byte length), 12 a longer one (int32 length), then the bytes;
//   18 a UTF-16 string in the wide string form;
//   1 an array: its count as a compact integer (kind 2, 3, 4 or 19 and its bytes), then each element;
//   the SQL time stamp as its date-time (17); any other value as its text (6 or 12).
// So a word comes back as a small integer and a BCD decimal as its text. A value whose text conversion fails, or
// arrays nested deeper than MaxStreamVariantDepth, raise EWriteError "Stream write error".
void WriteStreamVariant(rtl::TStream& stream, const rtl::Variant& value);

// A reader or writer over a stream (not owned) that has read the text-format marker at the stream's position when it
// was made; whoever streams texts through it reads IsWideText.
class TuiFiler : public rtl::TObject {
public:
    explicit TuiFiler(rtl::TStream& stream);

    bool IsWideText() const { return FIsWideText; }
    rtl::TStream& Stream() const { return FStream; }

private:
    bool FIsWideText;
    rtl::TStream& FStream;
};

class TuiReader : public TuiFiler {
public:
    using TuiFiler::TuiFiler;
    // The string form, whatever the marker said.
    rtl::AnsiString ReadString() { return ReadStreamString(Stream()); }
    int32_t ReadInteger() { return ReadStreamInteger(Stream()); }
};

class TuiWriter : public TuiFiler {
public:
    using TuiFiler::TuiFiler;
    void WriteString(std::string_view value) { WriteStreamString(Stream(), value); }
    void WriteInteger(int32_t value) { WriteStreamInteger(Stream(), value); }
};

} // namespace ui
