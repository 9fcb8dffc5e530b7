#include "ui/editors/mask/regexpr/uiRegExprLexer.h"

#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/mask/regexpr/uiRegExprMatchItems.h"

namespace ui {

namespace {

// How the missing closing quote and a stray quote are named in messages: the quote between blanks.
constexpr char16_t quoteInMessage[] = u" ' ";

rtl::UnicodeString MessageWith(const TuxResourceString& message, rtl::UnicodeStringView argument) {
    return rtl::Format(LoadResStringText(message), {argument});
}

int HexadecimalDigitValue(char16_t character) {
    if (rtl::IsAsciiDigit(character)) {
        return character - u'0';
    }
    if (character >= u'A' && character <= u'F') {
        return character - u'A' + 10;
    }
    if (character >= u'a' && character <= u'f') {
        return character - u'a' + 10;
    }
    return -1;
}

// The lexem of a class escape (\d \D \w \W \s \S), or lkSymbol for any other letter.
TuiLexemCode ClassEscapeCode(char16_t letter) {
    switch (letter) {
    case u'd':
        return lkDigit;
    case u'D':
        return lkNonDigit;
    case u'w':
        return lkWordChar;
    case u'W':
        return lkNonWordChar;
    case u's':
        return lkSpace;
    case u'S':
        return lkNonSpace;
    default:
        return lkSymbol;
    }
}

// The control character of \a \e \f \n \r \t, or 0 for any other letter.
char16_t ControlEscape(char16_t letter) {
    switch (letter) {
    case u'a':
        return 7;
    case u'e':
        return 27;
    case u'f':
        return 12;
    case u'n':
        return 10;
    case u'r':
        return 13;
    case u't':
        return 9;
    default:
        return 0;
    }
}

} // namespace

TuiRegExprLexer::TuiRegExprLexer(rtl::UnicodeStringView source, char16_t decimalSeparator, TuiLexems& lexems,
                                 TuiRegExprErrors& errors)
    : FSource(source), FDecimalSeparator(decimalSeparator), FLexems(lexems), FErrors(errors) {}

char16_t TuiRegExprLexer::Read() {
    const char16_t character = FSource[FReadIndex++];
    if (character == u'\r') {
        ++FLine;
    }
    FColumn = character == u'\n' ? 0 : FColumn + 1;
    return character;
}

char16_t TuiRegExprLexer::PeekPastBlanks() const {
    for (size_t index = FReadIndex; index < FSource.size(); ++index) {
        if (!IsRegExprBlank(FSource[index])) {
            return FSource[index];
        }
    }
    return 0;
}

void TuiRegExprLexer::Add(TuiLexemCode code, rtl::UnicodeString value) {
    AddAt(code, std::move(value), FLine, FColumn);
}

void TuiRegExprLexer::AddAt(TuiLexemCode code, rtl::UnicodeString value, int32_t line, int32_t column) {
    FLexems.push_back({column, code, line, std::move(value)});
}

void TuiRegExprLexer::ErrorHere(rtl::UnicodeString message) {
    FErrors.Add(std::move(message), FLine, FColumn);
}

void TuiRegExprLexer::ErrorAfterEnd(rtl::UnicodeString message) {
    FErrors.Add(std::move(message), FLine, FColumn + 1);
}

void TuiRegExprLexer::Lex() {
    while (!AtEnd()) {
        const char16_t character = Read();
        if (!IsRegExprBlank(character)) {
            LexMain(character);
        }
    }
    if (FBalance > 0) {
        FErrors.Add(MessageWith(suiRegExprMissing, u")"));
    } else if (FBalance < 0) {
        FErrors.Add(MessageWith(suiRegExprUnnecessary, u")"));
    }
}

bool TuiRegExprLexer::LexQuoteSeparatorOrEscape(char16_t character) {
    switch (character) {
    case u'\'':
        LexQuoted();
        return true;
    case u'/':
        Add(lkDateSeparator, u"/");
        return true;
    case u':':
        Add(lkTimeSeparator, u":");
        return true;
    case u'\\':
        LexEscape();
        return true;
    default:
        return false;
    }
}

void TuiRegExprLexer::LexMain(char16_t character) {
    if (LexQuoteSeparatorOrEscape(character)) {
        return;
    }
    switch (character) {
    case u'(':
        ++FBalance;
        Add(lkSpecial, {character});
        return;
    case u')':
        --FBalance;
        Add(lkSpecial, {character});
        return;
    case u'*':
    case u'+':
    case u'?':
    case u'|':
        Add(lkSpecial, {character});
        return;
    case u'.':
        Add(lkAnyChar, u".");
        return;
    case u'[':
        Add(lkSpecial, {character});
        LexBracket();
        return;
    case u'{':
        Add(lkSpecial, {character});
        LexBrace();
        return;
    default:
        Add(lkSymbol, {character});
        return;
    }
}

void TuiRegExprLexer::LexQuoted() {
    while (!AtEnd()) {
        const char16_t character = Read();
        if (character != u'\'') {
            Add(lkSymbol, {character});
        } else if (!AtEnd() && FSource[FReadIndex] == u'\'') {
            Read();
            Add(lkSymbol, u"'");
        } else {
            return;
        }
    }
    ErrorAfterEnd(MessageWith(suiRegExprMissing, quoteInMessage));
}

void TuiRegExprLexer::LexEscape() {
    // The lexem stands where the backslash does.
    const int32_t line = FLine;
    const int32_t column = FColumn;
    if (AtEnd()) {
        return;
    }
    const char16_t character = Read();
    if (character >= u'1' && character <= u'9') {
        AddAt(lkReference, {character}, line, column);
    } else if (IsRegExprBlank(character)) {
        ErrorHere(LoadResStringText(suiRegExprIncorrectSpace));
    } else if (character == u'x') {
        LexHexadecimal(line, column);
    } else if (character == u'p') {
        AddAt(lkSymbol, {FDecimalSeparator}, line, column);
    } else if (const char16_t control = ControlEscape(character)) {
        AddAt(lkSymbol, {control}, line, column);
    } else {
        const TuiLexemCode code = ClassEscapeCode(character);
        AddAt(code, {character}, line, column);
    }
}

void TuiRegExprLexer::LexHexadecimal(int32_t line, int32_t column) {
    int code = 0;
    for (int digit = 0; digit < 2; ++digit) {
        if (AtEnd()) {
            ErrorAfterEnd(LoadResStringText(suiRegExprHexNumberExpected0));
            return;
        }
        const char16_t character = Read();
        const int value = HexadecimalDigitValue(character);
        if (value < 0) {
            ErrorHere(MessageWith(suiRegExprHexNumberExpected, {&character, 1}));
            return;
        }
        code = code * 16 + value;
    }
    AddAt(lkSymbol, {static_cast<char16_t>(code)}, line, column);
}

void TuiRegExprLexer::LexBracket() {
    bool first = true;
    while (!AtEnd()) {
        const char16_t character = Read();
        if (IsRegExprBlank(character)) {
            continue;
        }
        if (character == u']') {
            Add(lkSpecial, u"]");
            return;
        }
        LexBracketCharacter(character, first);
        first = false;
    }
    ErrorAfterEnd(MessageWith(suiRegExprMissing, u"]"));
}

void TuiRegExprLexer::LexBracketCharacter(char16_t character, bool first) {
    if (LexQuoteSeparatorOrEscape(character)) {
        return;
    }
    switch (character) {
    case u'^':
        Add(first ? lkSpecial : lkSymbol, {character});
        return;
    case u'-':
        // A minus first or last in the brackets stands for itself; between two characters it makes a range.
        Add(first || PeekPastBlanks() == u']' ? lkSymbol : lkSpecial, {character});
        return;
    default:
        Add(lkSymbol, {character});
        return;
    }
}

void TuiRegExprLexer::LexBrace() {
    while (!AtEnd()) {
        const char16_t character = Read();
        if (IsRegExprBlank(character)) {
            continue;
        }
        if (rtl::IsAsciiDigit(character)) {
            const int32_t line = FLine;
            const int32_t column = FColumn;
            rtl::UnicodeString digits{character};
            while (!AtEnd() && rtl::IsAsciiDigit(FSource[FReadIndex])) {
                digits += Read();
            }
            AddAt(lkInteger, std::move(digits), line, column);
        } else if (character == u',') {
            Add(lkSpecial, u",");
        } else if (character == u'}') {
            Add(lkSpecial, u"}");
            return;
        } else if (character == u'\'') {
            ErrorHere(MessageWith(suiRegExprIllegalSymbol, quoteInMessage));
        } else {
            ErrorHere(MessageWith(suiRegExprIllegalSymbol, {&character, 1}));
        }
    }
    ErrorAfterEnd(MessageWith(suiRegExprMissing, u"}"));
}

} // namespace ui
