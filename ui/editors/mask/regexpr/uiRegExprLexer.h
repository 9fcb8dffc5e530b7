#pragma once
// The lexer of the mask regular-expression language: cuts the mask text into lexems, each with the line and column
// of its character, and collects every lexical error instead of stopping at the first.

#include "rtl/text/StringTypes.h"
#include "ui/editors/mask/regexpr/uiRegExprErrors.h"

#include <cstdint>
#include <vector>

namespace ui {

enum TuiLexemCode : uint8_t {
    lkSymbol,        // a character standing for itself
    lkSpecial,       // ( ) * + ? | [ { outside brackets; ^ - ] inside brackets; , } inside braces
    lkInteger,       // a run of decimal digits inside braces
    lkAnyChar,       // .
    lkWordChar,      // \w
    lkNonWordChar,   // \W
    lkDigit,         // \d
    lkNonDigit,      // \D
    lkSpace,         // \s
    lkNonSpace,      // \S
    lkReference,     // \1 to \9
    lkDateSeparator, // /
    lkTimeSeparator, // :
};

struct TuiLexem {
    // The position of the lexem's character: line counted from 1, column from 1 (0 right after a line feed).
    int32_t Column = 0;
    TuiLexemCode Code = lkSymbol;
    int32_t Line = 0;
    // One character, but the digits of an integer.
    rtl::UnicodeString Value;

    bool IsSpecial(char16_t character) const { return Code == lkSpecial && Value[0] == character; }
};

using TuiLexems = std::vector<TuiLexem>;

class TuiRegExprLexer {
public:
    // decimalSeparator is what \p stands for.
    TuiRegExprLexer(rtl::UnicodeStringView source, char16_t decimalSeparator, TuiLexems& lexems,
                    TuiRegExprErrors& errors);

    // Lexes the whole text, appending lexems and errors.
    void Lex();

private:
    bool AtEnd() const { return FReadIndex >= FSource.size(); }
    char16_t Read();
    // The first character from the read position on that is not blank, or 0 at the end; nothing is read.
    char16_t PeekPastBlanks() const;

    void Add(TuiLexemCode code, rtl::UnicodeString value);
    void AddAt(TuiLexemCode code, rtl::UnicodeString value, int32_t line, int32_t column);
    void ErrorHere(rtl::UnicodeString message);
    void ErrorAfterEnd(rtl::UnicodeString message);

    // The characters that mean the same inside brackets as outside; false for any other.
    bool LexQuoteSeparatorOrEscape(char16_t character);
    void LexMain(char16_t character);
    void LexQuoted();
    void LexEscape();
    void LexHexadecimal(int32_t line, int32_t column);
    void LexBracket();
    void LexBracketCharacter(char16_t character, bool first);
    void LexBrace();

    rtl::UnicodeStringView FSource;
    char16_t FDecimalSeparator;
    TuiLexems& FLexems;
    TuiRegExprErrors& FErrors;
    size_t FReadIndex = 0;
    int32_t FLine = 1;
    int32_t FColumn = 0;
    // Opening parentheses less closing ones.
    int32_t FBalance = 0;
};

} // namespace ui
