#include "xls/biff/stream/BIFF_Utils.h"

#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"
#include "xls/biff/BIFF_Limits.h"
#include "xls/biff/BIFF_Messages.h"
#include "xls/biff/stream/BIFF_Bytes.h"
#include "xls/core/base/Xc12Utils5.h"

#include <algorithm>
#include <bit>
#include <string_view>

namespace xls {

namespace {

constexpr uint8_t FlagUTF16 = 1;

rtl::UnicodeString WidenBytes(std::span<const uint8_t> bytes) {
    return rtl::UnicodeString(bytes.begin(), bytes.end());
}

rtl::UnicodeString UTF16Characters(std::span<const uint8_t> bytes) {
    rtl::UnicodeString text(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < text.size(); ++i) {
        text[i] = LoadUInt16LE(&bytes[2 * i]);
    }
    return text;
}

// The flag byte and count characters at the start of bytes, which must hold them.
std::span<const uint8_t> FlaggedPart(std::span<const uint8_t> bytes, int32_t count, int64_t characterBytes) {
    const int64_t needed = 1 + characterBytes;
    CheckStringBytes(count, needed, static_cast<int64_t>(bytes.size()));
    return bytes.first(static_cast<size_t>(needed));
}

uint8_t FlagOf(std::span<const uint8_t> bytes, int32_t count) {
    CheckStringBytes(count, 1, static_cast<int64_t>(bytes.size()));
    return bytes[0];
}

} // namespace

double DecodeRK(uint32_t rk) {
    double value = 0;
    if ((rk & 2) != 0) {
        value = static_cast<int32_t>(rk) >> 2;
    } else {
        value = std::bit_cast<double>(static_cast<uint64_t>(rk & 0xFFFFFFFC) << 32);
    }
    return (rk & 1) != 0 ? value / 100 : value;
}

int32_t ErrorByteToIndex(uint8_t code) {
    switch (code) {
    case 0x00:
        return 1; // #NULL!
    case 0x07:
        return 2; // #DIV/0!
    case 0x0F:
        return 3; // #VALUE!
    case 0x17:
        return 4; // #REF!
    case 0x1D:
        return 5; // #NAME?
    case 0x24:
        return 6; // #NUM!
    case 0x2A:
        return 7; // #N/A
    default:
        return 0;
    }
}

rtl::UnicodeString ErrorByteToText(uint8_t code) {
    const int32_t index = ErrorByteToIndex(code);
    return rtl::UnicodeString(index > 0 ? XLSErrorTexts[index] : u"#???");
}

int32_t LimitTo64(int32_t value) {
    return std::min(value, 64);
}

bool ClipAreaToBIFF(int32_t& col1, int32_t& row1, int32_t& col2, int32_t& row2) {
    if (col1 > BIFFMaxColumn || row1 > BIFFMaxRow || col2 < 0 || row2 < 0) {
        return false;
    }
    col1 = std::max(col1, 0);
    row1 = std::max(row1, 0);
    col2 = std::min(col2, BIFFMaxColumn);
    row2 = std::min(row2, BIFFMaxRow);
    return true;
}

rtl::UnicodeString BytesToWide(std::span<const uint8_t> bytes, int32_t count) {
    if (count <= 0) {
        return {};
    }
    CheckStringBytes(count, count, static_cast<int64_t>(bytes.size()));
    return WidenBytes(bytes.first(static_cast<size_t>(count)));
}

rtl::UnicodeString FlaggedToWide(std::span<const uint8_t> flagged) {
    if (flagged.empty()) {
        return {};
    }
    switch (flagged[0]) {
    case 0:
        return WidenBytes(flagged.subspan(1));
    case FlagUTF16:
        return UTF16Characters(flagged.subspan(1));
    default:
        return rtl::AnsiToUnicode(std::string_view(reinterpret_cast<const char*>(flagged.data()), flagged.size()));
    }
}

rtl::UnicodeString ShortStringToWide(std::span<const uint8_t> bytes, int32_t count) {
    if (count <= 0) {
        return {};
    }
    const uint8_t flag = FlagOf(bytes, count);
    return FlaggedToWide(FlaggedPart(bytes, count, FlaggedCharacterBytes(flag, count)));
}

rtl::UnicodeString UnicodeBodyToWide(std::span<const uint8_t> bytes, int32_t count) {
    if (count <= 0) {
        return {};
    }
    const uint8_t flag = FlagOf(bytes, count);
    const std::span<const uint8_t> characters =
        FlaggedPart(bytes, count, FlaggedCharacterBytes(flag, count)).subspan(1);
    return flag == FlagUTF16 ? UTF16Characters(characters) : WidenBytes(characters);
}

rtl::UnicodeString UnicodeBodyToWideHeld(std::span<const uint8_t> bytes, int32_t count) {
    if (count <= 0 || bytes.empty()) {
        return {};
    }
    const int64_t held = static_cast<int64_t>(bytes.size() - 1) / FlaggedCharacterBytes(bytes[0], 1);
    return UnicodeBodyToWide(bytes, static_cast<int32_t>(std::min<int64_t>(count, held)));
}

rtl::UnicodeString ZeroTerminatedToWide(std::span<const uint8_t> bytes, int32_t byteCount) {
    const int32_t count = byteCount / 2 - 1;
    if (count <= 0) {
        return {};
    }
    CheckStringBytes(count, int64_t{count} * 2, static_cast<int64_t>(bytes.size()));
    rtl::UnicodeString text = UTF16Characters(bytes.first(static_cast<size_t>(count) * 2));
    text.resize(std::min(text.find(u'\0'), text.size()));
    return text;
}

TDynByteArray MakeFlaggedString(std::span<const uint8_t> bytes, int32_t count) {
    const int32_t characters = std::max(count, 0);
    const uint8_t flag = FlagOf(bytes, characters);
    const int64_t characterBytes = flag != 0 ? int64_t{characters} * 2 : characters;
    const std::span<const uint8_t> flagged = FlaggedPart(bytes, characters, characterBytes);
    return TDynByteArray(flagged.begin(), flagged.end());
}

TDynByteArray WideToFlagged16(rtl::UnicodeStringView text) {
    TDynByteArray flagged(1 + 2 * text.size());
    flagged[0] = FlagUTF16;
    for (size_t i = 0; i < text.size(); ++i) {
        StoreUInt16LE(&flagged[1 + 2 * i], static_cast<uint16_t>(text[i]));
    }
    return flagged;
}

int64_t FlaggedCharacterBytes(uint8_t flag, int32_t count) {
    return flag == FlagUTF16 ? int64_t{count} * 2 : int64_t{count};
}

void CheckStringBytes(int32_t count, int64_t needed, int64_t left) {
    if (needed > left) {
        throw EBIFFError(rtl::Format(BIFFMessages::StringPastEnd, {count, needed, left}));
    }
}

} // namespace xls
