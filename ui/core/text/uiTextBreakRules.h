#pragma once
// Where text may break into rows: the characters that end a word (spaces, tabs, line ends), East Asian characters,
// each a word of its own, and the characters that may not begin a row after an East Asian character (closing
// brackets and punctuation, full-width and half-width forms among them), which stay on the row of the character
// before them.

#include <cstdint>

namespace ui {

bool IsLineEndCharacter(char16_t c);
bool IsSpaceOrTab(char16_t c);
// A character that may not begin a row after an East Asian character.
bool IsLineStartProhibited(char16_t c);
// True when the code page encodes c in more than one byte (a character it cannot hold counts as one byte).
bool EncodesInSeveralBytes(char16_t c, uint32_t codePage);
// Whether c is East Asian by its code point alone: from U+0080 on, in the CJK ideographs (U+4E00-U+9FFF), Hiragana,
// Katakana or the Hangul syllables (U+AC00-U+D7A3). Any other character that the text's code page writes with more
// than one byte is East Asian too.
bool IsInEastAsianRanges(char16_t c);

} // namespace ui
