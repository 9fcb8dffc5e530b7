#include "xls/core/xml/XpgTextDecoder.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"
#include "xls/core/xml/XpgMessages.h"

#include <cstdint>

namespace xls {

namespace {

using Byte = unsigned char;

constexpr char16_t ReplacementCharacter = 0xFFFD;
// The longest reference looked for, "&" and ";" included: room for "&#x10FFFF;" with a few leading zeros.
constexpr size_t MaxReferenceLength = 16;

bool IsSpecial(Byte byte) {
    return byte == '&' || byte == '<' || byte == '\r';
}

char16_t* AppendCodePoint(char32_t codePoint, char16_t* out) {
    if (codePoint < 0x10000) {
        *out++ = static_cast<char16_t>(codePoint);
        return out;
    }
    codePoint -= 0x10000;
    *out++ = static_cast<char16_t>(0xD800 + (codePoint >> 10));
    *out++ = static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
    return out;
}

// Decodes the multi-byte sequence at p into out; a malformed sequence consumes its lead byte only and gives U+FFFD,
// so that decoding picks up again at the next lead byte.
const Byte* AppendMultiByte(const Byte* p, const Byte* end, char16_t*& out) {
    const Byte lead = *p;
    size_t length = 0;
    char32_t codePoint = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07, minimum = 0x10000;
    }
    if (length == 0 || static_cast<size_t>(end - p) < length) {
        *out++ = ReplacementCharacter;
        return p + 1;
    }
    for (size_t i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) {
            *out++ = ReplacementCharacter;
            return p + 1;
        }
        codePoint = (codePoint << 6) | (p[i] & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        *out++ = ReplacementCharacter;
        return p + 1;
    }
    out = AppendCodePoint(codePoint, out);
    return p + length;
}

char16_t* AppendUtf8(const Byte* p, const Byte* end, char16_t* out) {
    while (p < end) {
        if (*p < 0x80) {
            *out++ = *p++;
        } else {
            p = AppendMultiByte(p, end, out);
        }
    }
    return out;
}

// A CR LF pair or a lone CR is one line feed (XML 1.0, 2.11); a CR written as a character reference stays.
const Byte* AppendLineEnd(const Byte* carriageReturn, const Byte* end, char16_t*& out) {
    *out++ = u'\n';
    return carriageReturn + 1 < end && carriageReturn[1] == '\n' ? carriageReturn + 2 : carriageReturn + 1;
}

// UTF-8 with its line ends read as AppendLineEnd reads them.
char16_t* AppendCharacters(const Byte* p, const Byte* end, char16_t* out) {
    while (p < end) {
        const Byte* carriageReturn = p;
        while (carriageReturn < end && *carriageReturn != '\r') {
            ++carriageReturn;
        }
        out = AppendUtf8(p, carriageReturn, out);
        if (carriageReturn == end) {
            break;
        }
        p = AppendLineEnd(carriageReturn, end, out);
    }
    return out;
}

rtl::UnicodeString NameForMessage(const Byte* first, const Byte* last) {
    return rtl::Utf8ToUnicode(
        std::string_view(reinterpret_cast<const char*>(first), static_cast<size_t>(last - first)));
}

// The value of the digits of a character reference, or 0 when they are not digits of the base or the value lies
// beyond the last code point.
char32_t CharacterReferenceValue(const Byte* first, const Byte* last, uint32_t base) {
    if (first == last) {
        return 0;
    }
    char32_t value = 0;
    for (const Byte* p = first; p < last; ++p) {
        uint32_t digit = 0;
        if (*p >= '0' && *p <= '9') {
            digit = *p - '0';
        } else if (base == 16 && *p >= 'a' && *p <= 'f') {
            digit = *p - 'a' + 10;
        } else if (base == 16 && *p >= 'A' && *p <= 'F') {
            digit = *p - 'A' + 10;
        } else {
            return 0;
        }
        value = value * base + digit;
        if (value > 0x10FFFF) {
            return 0;
        }
    }
    return value;
}

char16_t* AppendCharacterReference(const Byte* name, const Byte* semicolon, char16_t* out) {
    const bool hexadecimal = semicolon - name > 1 && name[1] == 'x';
    const Byte* digits = name + (hexadecimal ? 2 : 1);
    const char32_t codePoint = CharacterReferenceValue(digits, semicolon, hexadecimal ? 16 : 10);
    if (codePoint == 0 || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        throw rtl::Exception(rtl::Format(XpgMessages::InvalidCharacterReference, {NameForMessage(name, semicolon)}));
    }
    return AppendCodePoint(codePoint, out);
}

char16_t PredefinedEntity(std::string_view name) {
    if (name == "lt") {
        return u'<';
    }
    if (name == "gt") {
        return u'>';
    }
    if (name == "amp") {
        return u'&';
    }
    if (name == "apos") {
        return u'\'';
    }
    if (name == "quot") {
        return u'"';
    }
    return 0;
}

// The ";" that closes the reference opened by the "&" at ampersand, or nullptr when none does within a reference's
// length (blanks and markup end the search early).
const Byte* ReferenceEnd(const Byte* ampersand, const Byte* end) {
    const Byte* limit =
        end - ampersand > static_cast<ptrdiff_t>(MaxReferenceLength) ? ampersand + MaxReferenceLength : end;
    for (const Byte* p = ampersand + 1; p < limit; ++p) {
        switch (*p) {
        case ';':
            return p;
        case '&':
        case '<':
        case ' ':
        case '\t':
        case '\r':
        case '\n':
            return nullptr;
        default:
            break;
        }
    }
    return nullptr;
}

const Byte* AppendReference(const Byte* ampersand, const Byte* end, char16_t*& out) {
    const Byte* semicolon = ReferenceEnd(ampersand, end);
    if (semicolon == nullptr) {
        *out++ = u'&';
        return ampersand + 1;
    }
    const Byte* name = ampersand + 1;
    if (*name == '#') {
        out = AppendCharacterReference(name, semicolon, out);
        return semicolon + 1;
    }
    const char16_t entity =
        PredefinedEntity(std::string_view(reinterpret_cast<const char*>(name), static_cast<size_t>(semicolon - name)));
    if (entity == 0) {
        throw rtl::Exception(rtl::Format(XpgMessages::UnknownEntity, {NameForMessage(name, semicolon)}));
    }
    *out++ = entity;
    return semicolon + 1;
}

// A CDATA section stands for its content as written; any other "<" is taken as a character.
const Byte* AppendMarkup(const Byte* lessThan, const Byte* end, char16_t*& out) {
    const std::string_view rest(reinterpret_cast<const char*>(lessThan), static_cast<size_t>(end - lessThan));
    const size_t closer =
        rest.starts_with(XpgCDataOpener) ? rest.find(XpgCDataCloser, XpgCDataOpener.size()) : rest.npos;
    if (closer == rest.npos) {
        *out++ = u'<';
        return lessThan + 1;
    }
    out = AppendCharacters(lessThan + XpgCDataOpener.size(), lessThan + closer, out);
    return lessThan + closer + XpgCDataCloser.size();
}

} // namespace

void XpgDecodeText(std::string_view bytes, rtl::UnicodeString& target) {
    // No reference, section or UTF-8 sequence yields more code units than it has bytes.
    target.resize(bytes.size());
    char16_t* const first = target.data();
    char16_t* out = first;
    const Byte* p = reinterpret_cast<const Byte*>(bytes.data());
    const Byte* const end = p + bytes.size();
    // Plain ASCII, the usual case, is widened as it stands.
    while (p < end && *p < 0x80 && !IsSpecial(*p)) {
        *out++ = *p++;
    }
    while (p < end) {
        const Byte* special = p;
        while (special < end && !IsSpecial(*special)) {
            ++special;
        }
        out = AppendUtf8(p, special, out);
        if (special == end) {
            break;
        }
        switch (*special) {
        case '&':
            p = AppendReference(special, end, out);
            break;
        case '<':
            p = AppendMarkup(special, end, out);
            break;
        default:
            p = AppendLineEnd(special, end, out);
            break;
        }
    }
    target.resize(static_cast<size_t>(out - first));
}

void XpgWidenBytes(std::string_view bytes, rtl::UnicodeString& target) {
    target.resize(bytes.size());
    char16_t* out = target.data();
    for (const char byte : bytes) {
        *out++ = static_cast<Byte>(byte);
    }
}

} // namespace xls
