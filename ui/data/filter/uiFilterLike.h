#pragma once
// LIKE matching and the shapes of LIKE patterns. A pattern holds literal characters, the single-character wildcard
// ("_" by default), which takes exactly one character, and the multi-character wildcard ("%" by default), which takes
// any run of characters, none included; a run of multi-character wildcards counts as one. Characters are Unicode
// characters, not bytes or UTF-16 units: "_" takes one Chinese character or one surrogate pair, and the trail byte
// of a double-byte character is never a wildcard. Literals compare exactly (case-sensitive).

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace ui {

// In time proportional to the value's length times the pattern's at worst.
bool LikeMatches(rtl::UnicodeStringView value, rtl::UnicodeStringView pattern, char16_t multiWildcard,
                 char16_t singleWildcard);

// Shrinks every run of the wildcard to one.
void CollapseDoubledWildcards(rtl::UnicodeString& text, char16_t wildcard);

// What a pattern with wildcards at its ends asks for.
enum TuiLikePatternShape : uint8_t { lpsLike, lpsBeginsWith, lpsEndsWith, lpsContains };

// Collapses the runs of the wildcard, then takes a wildcard off each end that has one and tells which ends had it;
// a text shorter than two characters after collapsing is left as it is and is lpsLike.
TuiLikePatternShape StripLikeWildcards(rtl::UnicodeString& text, char16_t wildcard);

} // namespace ui
