#include "ui/core/encoding/uxTextConversions.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "rtl/variants/Variant.h"
#include "rtl/variants/VariantConversions.h"

#include <cstring>
#include <string>

namespace ui {

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

int HexDigitOf(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

int CheckedHexDigit(std::string_view text, size_t position) {
    const int digit = HexDigitOf(text[position]);
    if (digit < 0) {
        throw rtl::EConvertError(rtl::Utf8ToUnicode("'" + std::string(1, text[position]) + "' at position " +
                                                    std::to_string(position) + " is not a hexadecimal digit"));
    }
    return digit;
}

// Font character sets (the platform's *_CHARSET values).
constexpr uint8_t DefaultCharset = 1;
constexpr uint8_t GB2312Charset = 134;
constexpr uint8_t ChineseBig5Charset = 136;
constexpr uint8_t ArabicCharset = 178;

struct TCharsetCodePage {
    uint8_t Charset;
    uint32_t CodePage;
};

constexpr TCharsetCodePage CharsetCodePages[] = {
    {128, 932},  {129, 949},  {130, 949},  {134, 936},  {136, 950}, {161, 1253}, {162, 1254},
    {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874}, {238, 1250},
};

template <class TView>
TView LeadingUnits(TView text, int32_t length) {
    return length < 0 ? text : text.substr(0, static_cast<size_t>(length));
}

bool IsByteArray(const rtl::Variant& value) {
    return value.VarType() == (rtl::varArray | rtl::varByte);
}

} // namespace

rtl::AnsiString StringToHexText(std::string_view bytes) {
    return BufferToHexText(bytes.data(), bytes.size());
}

rtl::AnsiString BufferToHexText(const void* buffer, size_t length) {
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    rtl::AnsiString text(2 * length, '\0');
    for (size_t i = 0; i < length; ++i) {
        text[2 * i] = HexDigits[bytes[i] >> 4];
        text[2 * i + 1] = HexDigits[bytes[i] & 0xF];
    }
    return text;
}

rtl::AnsiString HexTextToString(std::string_view text) {
    rtl::AnsiString bytes(text.size() / 2, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(CheckedHexDigit(text, 2 * i) << 4 | CheckedHexDigit(text, 2 * i + 1));
    }
    return bytes;
}

rtl::AnsiString HexPCharToString(const char* text) {
    return HexTextToString(text ? std::string_view(text, std::strlen(text)) : std::string_view());
}

bool IsCharInSet(char16_t c, const TuxCharSet& set) {
    return c < 256 && (set[c / 32] >> (c % 32) & 1) != 0;
}

uint32_t CharsetToCodePage(uint8_t charset) {
    for (const TCharsetCodePage& entry : CharsetCodePages) {
        if (entry.Charset == charset) {
            return entry.CodePage;
        }
    }
    return 0;
}

rtl::UnicodeString MultiByteToWideWithCodePage(std::string_view text, uint32_t codePage, int32_t length) {
    return rtl::AnsiToUnicode(LeadingUnits(text, length), codePage);
}

rtl::AnsiString WideToMultiByteWithCodePage(rtl::UnicodeStringView text, uint32_t codePage, int32_t length) {
    return rtl::UnicodeToAnsi(LeadingUnits(text, length), codePage);
}

rtl::AnsiString VariantToAnsiString(const rtl::Variant& value) {
    if (IsByteArray(value)) {
        return rtl::AnsiString(value.ArrayBytes());
    }
    return rtl::VarToAnsiStr(value);
}

rtl::UnicodeString VariantToWideString(const rtl::Variant& value) {
    if (rtl::VarIsStr(value)) {
        return rtl::VarToStr(value);
    }
    return rtl::AnsiToUnicode(VariantToAnsiString(value));
}

bool IsStringOrByteArrayVariant(const rtl::Variant& value) {
    return rtl::VarIsStr(value) || rtl::VarIsArray(value);
}

rtl::UnicodeString TextBeforeBar(rtl::UnicodeStringView text) {
    return rtl::UnicodeString(text.substr(0, text.find(u'|')));
}

bool UsesSpecialCharset(uint8_t charset, rtl::UnicodeStringView text, uint8_t defaultCharset) {
    if (charset == DefaultCharset) {
        charset = defaultCharset;
    }
    if (text.empty() || text[0] < 0x80) {
        return false;
    }
    return charset == GB2312Charset || charset == ChineseBig5Charset || charset == ArabicCharset;
}

} // namespace ui
