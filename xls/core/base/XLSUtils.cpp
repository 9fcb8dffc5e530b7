#include "xls/core/base/XLSUtils.h"

#include "rtl/core/Exceptions.h"

#include <array>
#include <cmath>
#include <cstring>

namespace xls {

namespace {

constexpr uint32_t Crc32Polynomial = 0xEDB88320;

constexpr std::array<uint32_t, 256> MakeCrc32Table() {
    std::array<uint32_t, 256> table{};
    for (uint32_t byte = 0; byte < 256; ++byte) {
        uint32_t crc = byte;
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1) != 0 ? (crc >> 1) ^ Crc32Polynomial : crc >> 1;
        }
        table[byte] = crc;
    }
    return table;
}

constexpr std::array<uint32_t, 256> Crc32Table = MakeCrc32Table();

int32_t PositionOf(size_t found) {
    return found == rtl::UnicodeStringView::npos ? -1 : static_cast<int32_t>(found);
}

constexpr double EmuPerCentimetre = 360000.0;

double RoundHalfToEven(double value) {
    const double floor = std::floor(value);
    // Exact for every double: value and its floor share their exponent range.
    const double fraction = value - floor;
    if (fraction > 0.5) {
        return floor + 1;
    }
    if (fraction < 0.5) {
        return floor;
    }
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

} // namespace

int32_t CharPos(char16_t character, rtl::UnicodeStringView text) {
    return PositionOf(text.find(character));
}

int32_t CharPos(char character, rtl::UnicodeStringView text) {
    return CharPos(static_cast<char16_t>(static_cast<unsigned char>(character)), text);
}

int32_t LastCharPos(char16_t character, rtl::UnicodeStringView text) {
    return PositionOf(text.rfind(character));
}

bool IsNarrowText(rtl::UnicodeStringView text) {
    for (const char16_t character : text) {
        if (character > 0xFF) {
            return false;
        }
    }
    return true;
}

bool CharInSet(char16_t character, const TXLSCharSet& set) {
    return character < set.size() && set.test(character);
}

int32_t Clamp(int32_t value, int32_t low, int32_t high) {
    if (value < low) {
        return low;
    }
    return value > high ? high : value;
}

rtl::UnicodeString IndentText(int32_t level) {
    return level > 0 ? rtl::UnicodeString(static_cast<size_t>(level) * 2, u' ') : rtl::UnicodeString();
}

uint32_t Crc32(const void* bytes, int32_t count) {
    uint32_t crc = 0xFFFFFFFF;
    const auto* data = static_cast<const uint8_t*>(bytes);
    for (int32_t i = 0; i < count; ++i) {
        crc = Crc32Table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    }
    return crc;
}

bool IsZipStream(rtl::TStream& stream) {
    constexpr uint8_t LocalFileHeaderSignature[4] = {0x50, 0x4B, 0x03, 0x04};
    uint8_t start[4] = {};
    const int64_t position = stream.Position();
    const int32_t read = stream.Read(start, sizeof(start));
    stream.SetPosition(position);
    return read == sizeof(start) && std::memcmp(start, LocalFileHeaderSignature, sizeof(start)) == 0;
}

double EmuToCm(int64_t emu) {
    return static_cast<double>(emu) / EmuPerCentimetre;
}

int64_t CmToEmu(double centimetres) {
    const double emu = RoundHalfToEven(centimetres * EmuPerCentimetre);
    if (std::isnan(emu)) {
        return 0;
    }
    // 2^63 is the first double beyond int64_t; every double below it converts exactly.
    constexpr double Limit = 9223372036854775808.0;
    if (emu >= Limit) {
        return INT64_MAX;
    }
    if (emu <= -Limit) {
        return INT64_MIN;
    }
    return static_cast<int64_t>(emu);
}

TPointerMemoryStream::TPointerMemoryStream(void* memory, int64_t size) {
    SetMemory(memory, size);
}

void TPointerMemoryStream::SetMemory(void* memory, int64_t size) {
    CheckSize(size);
    if (memory == nullptr && size > 0) {
        throw rtl::EStreamError(u"Memory stream without memory");
    }
    SetPointer(memory, size);
}

} // namespace xls
