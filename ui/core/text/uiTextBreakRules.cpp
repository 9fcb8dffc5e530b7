#include "ui/core/text/uiTextBreakRules.h"

#include "rtl/text/CodePages.h"

#include <algorithm>
#include <iterator>

namespace ui {

namespace {

// Sorted, so a binary search finds them; U+FFE0 to U+FFFF follow as a range.
constexpr char16_t LineStartProhibited[] = {
    0x0021, 0x0025, 0x0029, 0x002C, 0x002E, 0x003A, 0x003B, 0x003E, 0x003F, 0x005D, 0x007D, 0x00A8, 0x00B0,
    0x00B7, 0x02C7, 0x02C9, 0x2013, 0x2014, 0x2015, 0x2016, 0x2018, 0x2019, 0x201D, 0x2022, 0x2025, 0x2026,
    0x2027, 0x2032, 0x2033, 0x2103, 0x2236, 0x2574, 0x3001, 0x3002, 0x3003, 0x3005, 0x3009, 0x300B, 0x300D,
    0x300F, 0x3011, 0x3015, 0x3017, 0x301E, 0x309B, 0x309C, 0xFE30, 0xFE31, 0xFE33, 0xFE34, 0xFE36, 0xFE38,
    0xFE3A, 0xFE3C, 0xFE3E, 0xFE40, 0xFE42, 0xFE44, 0xFE4F, 0xFE50, 0xFE51, 0xFE52, 0xFE54, 0xFE55, 0xFE56,
    0xFE57, 0xFE5A, 0xFE5C, 0xFE5E, 0xFF01, 0xFF02, 0xFF05, 0xFF07, 0xFF09, 0xFF0C, 0xFF0D, 0xFF0E, 0xFF1A,
    0xFF1B, 0xFF1E, 0xFF1F, 0xFF3D, 0xFF5C, 0xFF5D, 0xFF5E, 0xFF61, 0xFF63, 0xFF64, 0xFF9E, 0xFF9F,
};
static_assert(std::is_sorted(std::begin(LineStartProhibited), std::end(LineStartProhibited)));

constexpr char16_t LastProhibitedRangeStart = 0xFFE0;

struct TCodePointRange {
    char16_t First;
    char16_t Last;
};

constexpr TCodePointRange EastAsianRanges[] = {
    {0x4E00, 0x9FFF}, // CJK unified ideographs
    {0x3040, 0x309F}, // Hiragana
    {0x30A0, 0x30FF}, // Katakana
    {0xAC00, 0xD7A3}, // Hangul syllables
};

} // namespace

bool IsLineEndCharacter(char16_t c) {
    return c == u'\r' || c == u'\n';
}

bool IsSpaceOrTab(char16_t c) {
    return c == u' ' || c == u'\t';
}

bool IsLineStartProhibited(char16_t c) {
    return c >= LastProhibitedRangeStart ||
           std::binary_search(std::begin(LineStartProhibited), std::end(LineStartProhibited), c);
}

bool EncodesInSeveralBytes(char16_t c, uint32_t codePage) {
    if (c < 0x80) {
        return false;
    }
    return rtl::UnicodeToAnsi(rtl::UnicodeStringView(&c, 1), codePage).size() > 1;
}

bool IsInEastAsianRanges(char16_t c) {
    return std::any_of(std::begin(EastAsianRanges), std::end(EastAsianRanges),
                       [c](const TCodePointRange& range) { return c >= range.First && c <= range.Last; });
}

} // namespace ui
