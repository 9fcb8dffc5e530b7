#include "rtl/text/StringUtils.h"

#include "rtl/text/CodePages.h"

#include <algorithm>

namespace rtl {

namespace {

template <typename Char>
std::basic_string<Char> MapAscii(std::basic_string_view<Char> text, Char from, Char to) {
    std::basic_string<Char> result(text);
    for (auto& c : result) {
        if (c >= from && c <= to) {
            c = static_cast<Char>(c ^ 0x20);
        }
    }
    return result;
}

template <typename Char>
bool IsTrimmed(Char c) {
    return static_cast<std::make_unsigned_t<Char>>(c) <= ' ';
}

template <typename Char>
std::basic_string<Char> TrimRange(std::basic_string_view<Char> text, bool left, bool right) {
    size_t first = 0;
    size_t last = text.size();
    while (left && first < last && IsTrimmed(text[first])) {
        ++first;
    }
    while (right && last > first && IsTrimmed(text[last - 1])) {
        --last;
    }
    return std::basic_string<Char>(text.substr(first, last - first));
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

template <typename Map>
int CompareMapped(UnicodeStringView a, UnicodeStringView b, Map map) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const int difference = static_cast<int>(map(a[i])) - static_cast<int>(map(b[i]));
        if (difference != 0) {
            return Sign(difference);
        }
    }
    return Sign(static_cast<int>(a.size() > b.size()) - static_cast<int>(a.size() < b.size()));
}

char16_t AsciiUpper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 0x20) : c;
}

} // namespace

UnicodeString UpperCase(UnicodeStringView text) {
    return MapAscii<char16_t>(text, u'a', u'z');
}
UnicodeString LowerCase(UnicodeStringView text) {
    return MapAscii<char16_t>(text, u'A', u'Z');
}
AnsiString UpperCase(std::string_view text) {
    return MapAscii<char>(text, 'a', 'z');
}
AnsiString LowerCase(std::string_view text) {
    return MapAscii<char>(text, 'A', 'Z');
}

UnicodeString WideUpperCase(UnicodeStringView text) {
    UnicodeString result(text);
    detail::PlatformUpperCaseUnits(result.data(), result.size());
    return result;
}

UnicodeString WideLowerCase(UnicodeStringView text) {
    UnicodeString result(text);
    detail::PlatformLowerCaseUnits(result.data(), result.size());
    return result;
}

int CompareStr(UnicodeStringView a, UnicodeStringView b) {
    return Sign(a.compare(b));
}

int CompareText(UnicodeStringView a, UnicodeStringView b) {
    return CompareMapped(a, b, AsciiUpper);
}

int WideCompareText(UnicodeStringView a, UnicodeStringView b) {
    return CompareMapped(WideUpperCase(a), WideUpperCase(b), [](char16_t c) { return c; });
}

bool SameText(UnicodeStringView a, UnicodeStringView b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

bool WideSameText(UnicodeStringView a, UnicodeStringView b) {
    return a.size() == b.size() && WideCompareText(a, b) == 0;
}

UnicodeString Trim(UnicodeStringView text) {
    return TrimRange(text, true, true);
}
UnicodeString TrimLeft(UnicodeStringView text) {
    return TrimRange(text, true, false);
}
UnicodeString TrimRight(UnicodeStringView text) {
    return TrimRange(text, false, true);
}
AnsiString Trim(std::string_view text) {
    return TrimRange(text, true, true);
}
AnsiString TrimLeft(std::string_view text) {
    return TrimRange(text, true, false);
}
AnsiString TrimRight(std::string_view text) {
    return TrimRange(text, false, true);
}

int32_t Pos(UnicodeStringView pattern, UnicodeStringView text, int32_t start) {
    if (start < 0 || static_cast<size_t>(start) > text.size()) {
        return -1;
    }
    const size_t found = text.find(pattern, static_cast<size_t>(start));
    return found == UnicodeStringView::npos ? -1 : static_cast<int32_t>(found);
}

int32_t LastDelimiter(UnicodeStringView delimiters, UnicodeStringView text) {
    const size_t found = text.find_last_of(delimiters);
    return found == UnicodeStringView::npos ? -1 : static_cast<int32_t>(found);
}

bool StartsText(UnicodeStringView prefix, UnicodeStringView text) {
    return text.size() >= prefix.size() && WideSameText(prefix, text.substr(0, prefix.size()));
}

bool EndsText(UnicodeStringView suffix, UnicodeStringView text) {
    return text.size() >= suffix.size() && WideSameText(suffix, text.substr(text.size() - suffix.size()));
}

UnicodeString StringReplace(UnicodeStringView text, UnicodeStringView pattern, UnicodeStringView replacement,
                            TReplaceFlag flags) {
    const auto bits = static_cast<uint8_t>(flags);
    const bool replaceAll = bits & static_cast<uint8_t>(TReplaceFlag::rfReplaceAll);
    const bool ignoreCase = bits & static_cast<uint8_t>(TReplaceFlag::rfIgnoreCase);
    if (pattern.empty()) {
        return UnicodeString(text);
    }
    // Per-unit case mapping keeps lengths, so positions in the folded copies are positions in the originals.
    const UnicodeString searchedText = ignoreCase ? WideUpperCase(text) : UnicodeString(text);
    const UnicodeString searchedPattern = ignoreCase ? WideUpperCase(pattern) : UnicodeString(pattern);
    UnicodeString result;
    size_t position = 0;
    while (position <= text.size()) {
        const size_t found = searchedText.find(searchedPattern, position);
        if (found == UnicodeString::npos) {
            break;
        }
        result.append(text.substr(position, found - position)).append(replacement);
        position = found + pattern.size();
        if (!replaceAll) {
            break;
        }
    }
    result.append(text.substr(std::min(position, text.size())));
    return result;
}

std::vector<UnicodeString> SplitString(UnicodeStringView text, char16_t delimiter) {
    std::vector<UnicodeString> parts;
    size_t start = 0;
    for (size_t found; (found = text.find(delimiter, start)) != UnicodeStringView::npos; start = found + 1) {
        parts.emplace_back(text.substr(start, found - start));
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

UnicodeString JoinStrings(const std::vector<UnicodeString>& parts, UnicodeStringView separator) {
    UnicodeString result;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            result.append(separator);
        }
        result.append(parts[i]);
    }
    return result;
}

UnicodeString U16(std::string_view utf8) {
    return Utf8ToUnicode(utf8);
}

} // namespace rtl
