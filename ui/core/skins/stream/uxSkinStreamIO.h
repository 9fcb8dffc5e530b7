#pragma once
// The fields of skin streams: little-endian integers, a float64 version, ANSI strings (an int32 length, then the bytes
// as they are; a length of zero or less is the empty string) and wide strings (an int32 count of UTF-16LE units).
// TuxSkinReader reads a stream as hostile input: every field, length and count is checked against what remains before
// anything is read or allocated, and what does not fit, or a value outside its range, raises EuxSkin with the offset.

#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"
#include "ui/core/objects/uxException.h"

#include <cstdint>
#include <string_view>

namespace ui {

// The exception of skin loading.
class EuxSkin : public EuxException {
public:
    using EuxException::EuxException;
    ~EuxSkin() override;
};

class TuxSkinReader {
public:
    // Reads from the stream's position to its end.
    explicit TuxSkinReader(rtl::TStream& stream);

    rtl::TStream& Stream() { return FStream; }
    int64_t Position() const { return FPosition; }
    int64_t Remaining() const { return FSize - FPosition; }

    int32_t ReadInt32();
    uint8_t ReadByte();
    uint16_t ReadWord();
    double ReadDouble();
    void ReadBytes(void* buffer, int32_t count);
    rtl::AnsiString ReadAnsiString();
    // A negative count reads as the empty string, as a negative length does.
    rtl::UnicodeString ReadWideString();
    // The count of a list whose records take at least minimumRecordSize bytes each: a negative count, or one that what
    // remains cannot hold, raises.
    int32_t ReadCount(int32_t minimumRecordSize);
    // A byte that must be below limit; what names the field in the message.
    uint8_t ReadEnumeration(uint8_t limit, std::string_view what);
    // Moves on by count bytes, which must remain.
    void Skip(int64_t count);

    // EuxSkin at the current position.
    [[noreturn]] void Fail(std::string_view detail) const;

private:
    // Raises unless count more bytes remain.
    void Require(int64_t count, std::string_view what) const;

    rtl::TStream& FStream;
    int64_t FSize;
    int64_t FPosition;
};

// Writes the same fields.
class TuxSkinWriter {
public:
    explicit TuxSkinWriter(rtl::TStream& stream) : FStream(stream) {}

    rtl::TStream& Stream() { return FStream; }
    void WriteInt32(int32_t value);
    void WriteByte(uint8_t value);
    void WriteWord(uint16_t value);
    void WriteDouble(double value);
    void WriteBytes(const void* buffer, int32_t count);
    void WriteAnsiString(std::string_view value);
    void WriteWideString(rtl::UnicodeStringView value);

private:
    rtl::TStream& FStream;
};

} // namespace ui
