#pragma once
// The tokens of a formula text in reading order, as the tokenizer (XLSTokenizer.h) finds them and the formula encoder
// takes them: each token has its kind, where it stands in the text, and a payload (a count, a column or row, a
// number, a text or the character that started no token).

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <vector>

namespace xls {

// The kinds of tokens, with their payloads. The values leave gaps where kinds were dropped; they are kept stable.
enum TXLSTokenType : uint8_t {
    xttChar = 0,            // a character that starts no token (character)
    xttWhitespace = 1,      // whitespace kept for layout (integer: count)
    xttListSep = 2,         // ","
    xttColon = 3,           // ":" inside a reference or a sheet range
    xttArrayRowSep = 4,     // ";"
    xttBang = 6,            // "!" after a sheet name
    xttOpenParen = 7,       // "(" that opens no function call
    xttCloseParen = 8,      // ")"
    xttTableEnd = 10,       // "]" closing a structured reference
    xttSpace = 12,          // spaces between tokens (integer: count); gone once tokenizing ends
    xttErrNull = 13,        // #NULL!: the error constants, in the order of XLSErrorTexts
    xttErrDiv0 = 14,        // #DIV/0!
    xttErrValue = 15,       // #VALUE!
    xttErrRef = 16,         // #REF!
    xttErrName = 17,        // #NAME?
    xttErrNum = 18,         // #NUM!
    xttErrNA = 19,          // #N/A
    xttErrGettingData = 20, // #GETTING_DATA
    xttTrue = 21,           // TRUE
    xttFalse = 22,          // FALSE
    xttString = 23,         // a text constant (text, without its quotes, doubled quotes made single)
    xttArrayOpen = 24,      // "{"
    xttArrayClose = 25,     // "}"
    xttNumber = 26,         // a number constant, without sign (number)
    xttPower = 27,          // ^: the operators, from here to xttRange
    xttMul = 28,            // *
    xttDiv = 29,            // /
    xttAdd = 30,            // +
    xttSub = 31,            // -
    xttNeg = 32,            // unary -
    xttPlus = 33,           // unary +
    xttConcat = 34,         // &
    xttEQ = 35,             // =
    xttNE = 36,             // <>
    xttLT = 37,             // <
    xttLE = 38,             // <=
    xttGT = 39,             // >
    xttGE = 40,             // >=
    xttPercent = 41,        // postfix %
    xttRange = 42,          // ":" between two operands
    xttIsect = 43,          // spaces that intersect two references (integer: count)
    xttCol = 44,            // the column of a reference (integer: zero-based column)
    xttColAbs = 45,         // the same written with "$"
    xttRow = 46,            // the row of a reference (integer: zero-based row)
    xttRowAbs = 47,         // the same written with "$"
    xttName = 52,           // a name (text)
    xttFunc = 53,           // a function name before "(" (text)
    xttSheet = 54,          // a sheet name (text)
    xttWorkbook = 55,       // a workbook name between "[" and "]" (text)
    xttTable = 56,          // a table name before "[" (text)
    xttTableColumn = 57,    // a column item of a structured reference (text, escapes as written)
    xttTableSpecial = 58,   // a special item without its "#", such as "This Row" (text)
};

// What a token carries besides its kind.
enum class TXLSTokenPayload : uint8_t { None, Integer, Number, Character, Text };

// One token. Start and End are zero-based positions in the formula text, End one past the token's last character.
struct TXLSToken {
    int32_t Start = 0;
    int32_t End = 0;
    TXLSTokenType Kind = xttChar;
    TXLSTokenPayload Payload = TXLSTokenPayload::None;
    char16_t Character = 0;
    int32_t Integer = 0;
    double Number = 0;
    rtl::UnicodeString Text;
};

// The tokens of one formula text; owns them.
class TXLSTokenList {
public:
    int32_t Count() const { return static_cast<int32_t>(FTokens.size()); }
    const TXLSToken& GetToken(int32_t index) const { return FTokens.at(static_cast<size_t>(index)); }
    TXLSToken& GetToken(int32_t index) { return FTokens.at(static_cast<size_t>(index)); }
    // The text payload of the token at index.
    const rtl::UnicodeString& GetText(int32_t index) const { return GetToken(index).Text; }
    // The kind of the last token that is not xttSpace; xttChar (0) when there is none.
    TXLSTokenType LastKind() const;
    // The kind of the first token after index that is not xttSpace; xttChar (0) when there is none.
    TXLSTokenType NextKind(int32_t index) const;

    // Appends a token and gives it back for its payload to be set.
    TXLSToken& Add(TXLSTokenType kind, int32_t start, int32_t end);
    // Inserts a token before the one at index.
    TXLSToken& Insert(int32_t index, TXLSTokenType kind, int32_t start, int32_t end);
    TXLSToken& Last() { return FTokens.back(); }
    bool Empty() const { return FTokens.empty(); }

private:
    std::vector<TXLSToken> FTokens;
};

} // namespace xls
