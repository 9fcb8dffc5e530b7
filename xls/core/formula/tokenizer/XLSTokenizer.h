#pragma once
// The formula tokenizer: turns the text of a formula as .xlsx cells, defined names and hyperlinks store it (no
// leading "=") into a TXLSTokenList in reading order. It knows the A1 reference syntax with sheet and workbook
// prefixes, structured table references, constants of every kind, operators, names and function calls; it does not
// check nesting or argument counts beyond what each construct needs. Its syntax is fixed whatever the locale: "." is
// the decimal separator, "," separates arguments and ";" the rows of an array constant.
//
// Errors in the text go through the error manager with their numbers (4001 to 4013). By default that raises and
// ends tokenizing; with a manager that keeps errors instead, scanning goes on after the construct that failed.
//
// Characters are tested as whole UTF-16 units: no character outside ASCII passes for a letter, digit or operator,
// and every character from U+0080 on may be part of a name, so names in Chinese or other scripts read as names.

#include "rtl/text/StringTypes.h"
#include "xls/core/formula/tokenizer/XLSTokenList.h"

#include <cstdint>
#include <memory>

namespace xls {

class TXLSErrorManager;

// The numbers of the errors the tokenizer reports.
inline constexpr int32_t XLSErrorUnknownErrorConstant = 4001;
inline constexpr int32_t XLSErrorInvalidExponent = 4002;
inline constexpr int32_t XLSErrorInvalidFraction = 4003;
inline constexpr int32_t XLSErrorMissingEndQuote = 4004;
inline constexpr int32_t XLSErrorInvalidArray = 4005;
// Also a number too large for a double, a text too long, and constructs nested too deeply.
inline constexpr int32_t XLSErrorInFormula = 4006;
inline constexpr int32_t XLSErrorMissingRightParenthesis = 4007;
inline constexpr int32_t XLSErrorInvalidUse = 4008;
inline constexpr int32_t XLSErrorInvalidFormulaReference = 4010;
inline constexpr int32_t XLSErrorInvalidSheetName = 4011;
inline constexpr int32_t XLSErrorInvalidWorkbookName = 4012;
inline constexpr int32_t XLSErrorMissing = 4013;

// The longest formula text the tokenizer reads, as many characters as a spreadsheet program lets a formula have.
inline constexpr int32_t XLSMaxFormulaLength = 8192;
// How deeply constructs may nest in a formula text (parentheses, function calls, runs of operators and signs); far
// beyond the 64 levels of function calls a spreadsheet program allows, and well within the stack.
inline constexpr int32_t XLSMaxFormulaDepth = 256;
// After this many errors in one text, reported to a manager that does not raise, the rest of the text is left unread;
// so a hostile text costs no more than a few passes over it however its errors repeat.
inline constexpr int32_t XLSMaxFormulaErrors = 16;

class TXLSTokenizer {
public:
    // errors: not owned; must outlive the tokenizer.
    explicit TXLSTokenizer(TXLSErrorManager& errors) : FErrors(errors) {}

    // The text to tokenize next.
    void SetText(rtl::UnicodeStringView text) { FText = text; }
    // A new token list of the text; nullptr when the text is empty or holds only characters up to U+0020. A text
    // longer than XLSMaxFormulaLength, or nested deeper than XLSMaxFormulaDepth, is error 4006.
    std::unique_ptr<TXLSTokenList> Tokenize();

private:
    TXLSErrorManager& FErrors;
    rtl::UnicodeString FText;
};

} // namespace xls
