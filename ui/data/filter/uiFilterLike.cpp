#include "ui/data/filter/uiFilterLike.h"

#include <vector>

namespace ui {

namespace {

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// The text as Unicode characters; a lone surrogate stands for itself.
std::vector<char32_t> CharactersOf(rtl::UnicodeStringView text) {
    std::vector<char32_t> characters;
    characters.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            characters.push_back(0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            characters.push_back(unit);
        }
    }
    return characters;
}

} // namespace

bool LikeMatches(rtl::UnicodeStringView value, rtl::UnicodeStringView pattern, char16_t multiWildcard,
                 char16_t singleWildcard) {
    const std::vector<char32_t> text = CharactersOf(value);
    const std::vector<char32_t> mask = CharactersOf(pattern);
    // Greedy matching that returns only to the latest multi-character wildcard: an earlier one can take whatever a
    // later one would have left, so trying its other lengths never finds a match the latest one misses.
    constexpr size_t none = static_cast<size_t>(-1);
    size_t t = 0;
    size_t m = 0;
    size_t starMask = none;
    size_t starText = 0;
    while (t < text.size()) {
        if (m < mask.size() && mask[m] == multiWildcard) {
            starMask = m++;
            starText = t;
        } else if (m < mask.size() && (mask[m] == singleWildcard || mask[m] == text[t])) {
            ++m;
            ++t;
        } else if (starMask != none) {
            m = starMask + 1;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == multiWildcard) {
        ++m;
    }
    return m == mask.size();
}

void CollapseDoubledWildcards(rtl::UnicodeString& text, char16_t wildcard) {
    rtl::UnicodeString collapsed;
    collapsed.reserve(text.size());
    for (const char16_t unit : text) {
        if (unit != wildcard || collapsed.empty() || collapsed.back() != wildcard) {
            collapsed.push_back(unit);
        }
    }
    text = std::move(collapsed);
}

TuiLikePatternShape StripLikeWildcards(rtl::UnicodeString& text, char16_t wildcard) {
    CollapseDoubledWildcards(text, wildcard);
    if (text.size() < 2) {
        return lpsLike;
    }
    const bool atStart = text.front() == wildcard;
    const bool atEnd = text.back() == wildcard;
    if (atStart) {
        text.erase(0, 1);
    }
    if (atEnd) {
        text.pop_back();
    }
    if (atStart && atEnd) {
        return lpsContains;
    }
    return atStart ? lpsEndsWith : (atEnd ? lpsBeginsWith : lpsLike);
}

} // namespace ui
