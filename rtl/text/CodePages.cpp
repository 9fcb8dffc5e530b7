#include "rtl/text/CodePages.h"

namespace rtl {

namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

void AppendUtf16(UnicodeString& out, char32_t codePoint) {
    if (codePoint < 0x10000) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    codePoint -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (codePoint >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF)));
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

// Decodes one UTF-8 sequence at text[pos], advancing pos; overlong forms, surrogates and truncated sequences
// decode to U+FFFD and consume one byte, so decoding resynchronises on the next lead byte.
char32_t DecodeUtf8(std::string_view text, size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    size_t length;
    char32_t codePoint;
    char32_t minimum;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, codePoint = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, codePoint = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, codePoint = lead & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return ReplacementCharacter;
    }
    if (text.size() - pos < length) {
        ++pos;
        return ReplacementCharacter;
    }
    for (size_t i = 1; i < length; ++i) {
        const auto trail = static_cast<unsigned char>(text[pos + i]);
        if ((trail & 0xC0) != 0x80) {
            ++pos;
            return ReplacementCharacter;
        }
        codePoint = (codePoint << 6) | (trail & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        ++pos;
        return ReplacementCharacter;
    }
    pos += length;
    return codePoint;
}

uint32_t ResolveCodePage(uint32_t codePage) {
    return codePage == cpProcessAnsi ? ProcessAnsiCodePage() : codePage;
}

} // namespace

UnicodeString Utf8ToUnicode(std::string_view text) {
    UnicodeString out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        AppendUtf16(out, DecodeUtf8(text, pos));
    }
    return out;
}

std::string UnicodeToUtf8(UnicodeStringView text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t codePoint = text[i];
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            codePoint = ReplacementCharacter;
        }
        AppendUtf8(out, codePoint);
    }
    return out;
}

UnicodeString AnsiToUnicode(std::string_view text, uint32_t codePage) {
    codePage = ResolveCodePage(codePage);
    if (codePage == cpUtf8) {
        return Utf8ToUnicode(text);
    }
    return detail::PlatformAnsiToUnicode(text, codePage);
}

AnsiString UnicodeToAnsi(UnicodeStringView text, uint32_t codePage) {
    codePage = ResolveCodePage(codePage);
    if (codePage == cpUtf8) {
        return UnicodeToUtf8(text);
    }
    return detail::PlatformUnicodeToAnsi(text, codePage);
}

size_t AnsiFittingLength(UnicodeStringView text, size_t maxBytes, uint32_t codePage) {
    codePage = ResolveCodePage(codePage);
    size_t bytes = 0;
    size_t fitting = 0;
    while (fitting < text.size()) {
        const bool pair =
            IsHighSurrogate(text[fitting]) && fitting + 1 < text.size() && IsLowSurrogate(text[fitting + 1]);
        const size_t units = pair ? 2 : 1;
        bytes += UnicodeToAnsi(text.substr(fitting, units), codePage).size();
        if (bytes > maxBytes) {
            break;
        }
        fitting += units;
    }
    return fitting;
}

} // namespace rtl
