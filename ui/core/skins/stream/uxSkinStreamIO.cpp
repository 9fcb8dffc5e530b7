#include "ui/core/skins/stream/uxSkinStreamIO.h"

#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"
#include "ui/core/skins/texts/uxSkinsCoreStrs.h"

#include <bit>
#include <cstring>
#include <limits>

namespace ui {

EuxSkin::~EuxSkin() = default;

TuxSkinReader::TuxSkinReader(rtl::TStream& stream)
    : FStream(stream), FSize(stream.Size()), FPosition(stream.Position()) {}

void TuxSkinReader::Fail(std::string_view detail) const {
    throw EuxSkin(rtl::Format(LoadResStringText(suxSkinDamagedData), {FPosition, rtl::Utf8ToUnicode(detail)}));
}

void TuxSkinReader::Require(int64_t count, std::string_view what) const {
    if (count > Remaining()) {
        Fail(std::string(what) + " goes past the end of the data");
    }
}

void TuxSkinReader::ReadBytes(void* buffer, int32_t count) {
    Require(count, "a field");
    FStream.ReadBuffer(buffer, count);
    FPosition += count;
}

int32_t TuxSkinReader::ReadInt32() {
    uint8_t bytes[4];
    ReadBytes(bytes, 4);
    return static_cast<int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24);
}

uint8_t TuxSkinReader::ReadByte() {
    uint8_t value = 0;
    ReadBytes(&value, 1);
    return value;
}

uint16_t TuxSkinReader::ReadWord() {
    uint8_t bytes[2];
    ReadBytes(bytes, 2);
    return static_cast<uint16_t>(bytes[0] | bytes[1] << 8);
}

double TuxSkinReader::ReadDouble() {
    uint8_t bytes[8];
    ReadBytes(bytes, 8);
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) {
        bits = bits << 8 | bytes[i];
    }
    return std::bit_cast<double>(bits);
}

rtl::AnsiString TuxSkinReader::ReadAnsiString() {
    const int32_t length = ReadInt32();
    if (length <= 0) {
        return {};
    }
    Require(length, "a string of " + std::to_string(length) + " bytes");
    rtl::AnsiString value(static_cast<size_t>(length), '\0');
    ReadBytes(value.data(), length);
    return value;
}

rtl::UnicodeString TuxSkinReader::ReadWideString() {
    const int32_t count = ReadInt32();
    if (count <= 0) {
        return {};
    }
    Require(int64_t{count} * 2, "a wide string of " + std::to_string(count) + " characters");
    rtl::UnicodeString value(static_cast<size_t>(count), u'\0');
    for (char16_t& unit : value) {
        unit = ReadWord();
    }
    return value;
}

int32_t TuxSkinReader::ReadCount(int32_t minimumRecordSize) {
    const int32_t count = ReadInt32();
    if (count < 0 || int64_t{count} * minimumRecordSize > Remaining()) {
        Fail("a count of " + std::to_string(count) + " records does not fit in the data");
    }
    return count;
}

uint8_t TuxSkinReader::ReadEnumeration(uint8_t limit, std::string_view what) {
    const uint8_t value = ReadByte();
    if (value >= limit) {
        --FPosition;
        Fail(std::string(what) + " " + std::to_string(value) + " is out of range");
    }
    return value;
}

void TuxSkinReader::Skip(int64_t count) {
    Require(count, "a texture");
    FPosition += count;
    FStream.SetPosition(FPosition);
}

void TuxSkinWriter::WriteBytes(const void* buffer, int32_t count) {
    FStream.WriteBuffer(buffer, count);
}

void TuxSkinWriter::WriteInt32(int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    const uint8_t bytes[4] = {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
                              static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)};
    WriteBytes(bytes, 4);
}

void TuxSkinWriter::WriteByte(uint8_t value) {
    WriteBytes(&value, 1);
}

void TuxSkinWriter::WriteWord(uint16_t value) {
    const uint8_t bytes[2] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
    WriteBytes(bytes, 2);
}

void TuxSkinWriter::WriteDouble(double value) {
    uint64_t bits = std::bit_cast<uint64_t>(value);
    uint8_t bytes[8];
    for (uint8_t& byte : bytes) {
        byte = static_cast<uint8_t>(bits);
        bits >>= 8;
    }
    WriteBytes(bytes, 8);
}

void TuxSkinWriter::WriteAnsiString(std::string_view value) {
    WriteInt32(static_cast<int32_t>(value.size()));
    WriteBytes(value.data(), static_cast<int32_t>(value.size()));
}

void TuxSkinWriter::WriteWideString(rtl::UnicodeStringView value) {
    WriteInt32(static_cast<int32_t>(value.size()));
    for (const char16_t unit : value) {
        WriteWord(static_cast<uint16_t>(unit));
    }
}

} // namespace ui
