#pragma once
// The tokenizer's scanner (internal to the formula kit): one pass over one formula text, filling a token list. The
// element parser lives in XLSTokenizer.cpp, constants in XLSTokenizerConstants.cpp, references, names and structured
// references in XLSTokenizerReferences.cpp.

#include "rtl/text/StringTypes.h"
#include "xls/core/formula/tokenizer/XLSTokenList.h"
#include "xls/core/formula/tokenizer/XLSTokenizer.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace xls {

class TXLSErrorManager;

// Character classes, on whole UTF-16 units.
inline bool IsFormulaDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}
inline bool IsFormulaLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}
// Letters and digits of ASCII, and every character from U+0080 on, which names in other scripts are made of.
inline bool IsFormulaNameChar(char16_t c) {
    return IsFormulaDigit(c) || IsFormulaLetter(c) || c >= 0x80;
}
// What may follow a cell reference without making it a name.
inline bool IsFormulaWordChar(char16_t c) {
    return IsFormulaNameChar(c) || c == u'.' || c == u'_';
}
inline bool IsFormulaDelimiter(char16_t c) {
    switch (c) {
    case u' ':
    case u'&':
    case u'*':
    case u'+':
    case u',':
    case u'-':
    case u'/':
    case u':':
    case u'<':
    case u'=':
    case u'>':
    case u'^':
        return true;
    default:
        return false;
    }
}
inline bool IsFormulaWhitespace(char16_t c) {
    return c == u' ' || c == u'\r' || c == u'\n';
}

class TXLSFormulaScanner {
public:
    // text: the formula without its trailing whitespace; errors: where errors in it are reported.
    TXLSFormulaScanner(TXLSErrorManager& errors, rtl::UnicodeStringView text, TXLSTokenList& tokens)
        : FErrors(errors), FText(text), FTokens(tokens) {}

    // Tokenizes the whole text.
    void Run();

private:
    // How a construct that may be there turned out.
    enum class TScan : uint8_t { scNone, scFound, scInvalid };

    // Where, from a position on, the next "!", the next ":" and the next character that ends an unquoted sheet name
    // stand; the text's size where there is none.
    struct TNextMarks {
        size_t Bang = 0;
        size_t Colon = 0;
        size_t NameEnd = 0;
    };

    // A column or row of an A1 reference, scanned but not yet taken.
    struct TScannedPart {
        size_t Start = 0;
        size_t End = 0;
        int32_t Value = 0;
        bool Absolute = false;
    };

    // Text access; at the end Current is 0, which no test takes for anything.
    bool AtEnd() const { return FPos >= FText.size(); }
    // Once XLSMaxFormulaErrors errors were reported to a manager that does not raise, the rest is left unread.
    bool Stopped() const { return FErrorCount >= XLSMaxFormulaErrors; }
    char16_t Current() const { return At(FPos); }
    char16_t At(size_t position) const { return position < FText.size() ? FText[position] : u'\0'; }
    bool LooksAt(rtl::UnicodeStringView word) const { return FText.substr(FPos).starts_with(word); }

    TXLSToken& Add(TXLSTokenType kind, size_t start, size_t end);
    void AddInteger(TXLSTokenType kind, size_t start, size_t end, int32_t value);
    void AddText(TXLSTokenType kind, size_t start, size_t end, rtl::UnicodeString text);
    // A token of the one character at the position, which it passes.
    void TakeChar(TXLSTokenType kind);
    // A column or row as relative (xttCol, xttRow) or, with its "$", the absolute kind after it.
    void AddPart(const TScannedPart& part, TXLSTokenType relative);
    // Two columns or rows around a colon, the scan going on after them.
    void AddPartRange(const TScannedPart& first, const TScannedPart& last, TXLSTokenType relative);
    // Takes the run of whitespace at the position into the last token when that is xttSpace, else into a new one.
    void AddSpaces();
    // Errors go on after a manager that does not raise, as the caller of each says.
    void Report(int32_t number, rtl::UnicodeStringView argument = {});

    // The element parser (XLSTokenizer.cpp).
    bool ParseElement();
    bool ParseElementSteps();
    bool ParseParenthesis();
    bool CanTakeSign() const;
    bool ParseOperator();
    void FinalPass();

    // Constants (XLSTokenizerConstants.cpp).
    bool ParseConstant();
    bool ParseErrorConstant();
    bool ParseBoolean();
    bool ParseWholeRowsConstant();
    bool ParseNumber();
    bool ParseText();
    bool ParseArray();
    bool ParseArrayRow();
    // An optional "$" and decimal digits at position; Value is the row they name (the number - 1).
    bool ScanRowNumber(size_t position, TScannedPart& row) const;
    // The rows of "1:3" from its first row number; the colon follows first.
    TScan ReadRowRange(const TScannedPart& first);

    // References, names and structured references (XLSTokenizerReferences.cpp).
    bool ParseReferenceOrName();
    TScan ParsePrefix();
    TScan ParseQuotedPrefix();
    bool ParseUnquotedPrefix(size_t bookStart, size_t bookEnd);
    void IndexNextMarks();
    bool ParseWorkbookPrefix();
    void AddSheets(size_t start, rtl::UnicodeStringView sheets, size_t colon);
    TScan ParseA1(bool prefixed);
    bool ScanColumn(size_t position, TScannedPart& col) const;
    bool ScanCellRow(size_t position, bool prefixed, TScannedPart& row) const;
    void AddCell(const TScannedPart& col, const TScannedPart& row);
    void ParseAreaEnd(bool prefixed);
    TScan ParseWholeColumns(const TScannedPart& first);
    bool ParseName();
    bool ParseTableReference();
    void ParseTableItemList();
    bool ParseTableItem();

    TXLSErrorManager& FErrors;
    rtl::UnicodeStringView FText;
    TXLSTokenList& FTokens;
    size_t FPos = 0;
    int32_t FDepth = 0;
    bool FTooDeepReported = false;
    int32_t FErrorCount = 0;
    // Built at the first unquoted sheet name tried, so that trying one at every name costs no scan of the rest.
    std::vector<TNextMarks> FNextMarks;
};

} // namespace xls
