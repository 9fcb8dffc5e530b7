#include "app/invoice/TextEncoding.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/CodePages.h"

namespace app {

namespace {

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The length in code units of the character at index: 2 for a surrogate pair, else 1.
size_t CharacterLength(rtl::UnicodeStringView text, size_t index) {
    return IsHighSurrogate(text[index]) && index + 1 < text.size() && IsLowSurrogate(text[index + 1]) ? 2 : 1;
}

bool SurvivesRoundTrip(rtl::UnicodeStringView text, uint32_t codePage) {
    return rtl::AnsiToUnicode(rtl::UnicodeToAnsi(text, codePage), codePage) == text;
}

bool IsForbiddenInXml(char16_t unit) {
    return (unit < 0x20 && unit != u'\t' && unit != u'\n' && unit != u'\r') || unit == 0xFFFE || unit == 0xFFFF;
}

} // namespace

size_t FindCharacterNotInCodePage(rtl::UnicodeStringView text, uint32_t codePage) {
    if (SurvivesRoundTrip(text, codePage)) {
        return rtl::UnicodeStringView::npos;
    }
    // Rare: only now is the text taken apart to find the character.
    for (size_t index = 0; index < text.size();) {
        const size_t length = CharacterLength(text, index);
        if (!SurvivesRoundTrip(text.substr(index, length), codePage)) {
            return index;
        }
        index += length;
    }
    return 0;
}

size_t FindCharacterNotInXml(rtl::UnicodeStringView text, uint32_t codePage) {
    for (size_t index = 0; index < text.size(); ++index) {
        if (IsForbiddenInXml(text[index])) {
            return index;
        }
    }
    return FindCharacterNotInCodePage(text, codePage);
}

rtl::UnicodeString CharacterCode(rtl::UnicodeStringView text, size_t index) {
    uint32_t code = text[index];
    if (CharacterLength(text, index) == 2) {
        code = 0x10000 + ((code - 0xD800) << 10) + (text[index + 1] - 0xDC00);
    }
    return u"U+" + rtl::IntToHex(code, 4);
}

std::string EncodeExactly(rtl::UnicodeStringView text, uint32_t codePage) {
    const size_t bad = FindCharacterNotInCodePage(text, codePage);
    if (bad != rtl::UnicodeStringView::npos) {
        throw rtl::EConvertError(u"Code page " + rtl::IntToStr(codePage) + u" cannot hold the character " +
                                 CharacterCode(text, bad));
    }
    return rtl::UnicodeToAnsi(text, codePage);
}

} // namespace app
