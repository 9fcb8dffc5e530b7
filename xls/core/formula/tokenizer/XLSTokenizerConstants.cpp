// The constants of formula text: error constants, TRUE and FALSE, whole rows, numbers, texts and arrays.

#include "rtl/numbers/FormatSettings.h"
#include "rtl/numbers/NumberConversions.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/formula/tokenizer/XLSFormulaScanner.h"

#include <string_view>
#include <utility>

namespace xls {

namespace {

// The characters an unknown error constant is quoted with in its message.
constexpr std::u16string_view ErrorConstantChars = u"#/!?01234567890_ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Row numbers beyond the sheet stop growing once past it, so no run of digits overflows.
int32_t AppendRowDigit(int32_t number, char16_t digit) {
    return number > XLSMaxRow + 1 ? number : number * 10 + (digit - u'0');
}

} // namespace

bool TXLSFormulaScanner::ParseConstant() {
    return ParseErrorConstant() || ParseBoolean() || ParseWholeRowsConstant() || ParseNumber() || ParseText() ||
           ParseArray();
}

bool TXLSFormulaScanner::ParseErrorConstant() {
    if (Current() != u'#') {
        return false;
    }
    for (size_t index = 1; index < XLSErrorTexts.size(); ++index) {
        if (LooksAt(XLSErrorTexts[index])) {
            Add(static_cast<TXLSTokenType>(xttErrNull + index - 1), FPos, FPos + XLSErrorTexts[index].size());
            FPos += XLSErrorTexts[index].size();
            return true;
        }
    }
    size_t end = FPos;
    while (end < FText.size() && ErrorConstantChars.find(FText[end]) != std::u16string_view::npos) {
        ++end;
    }
    // The message quotes the constant only when something follows it.
    Report(XLSErrorUnknownErrorConstant, end < FText.size() ? FText.substr(FPos, end - FPos) : std::u16string_view());
    return false;
}

bool TXLSFormulaScanner::ParseBoolean() {
    for (const auto& [word, kind] : {std::pair{XLSTrueText, xttTrue}, std::pair{XLSFalseText, xttFalse}}) {
        if (LooksAt(word)) {
            Add(kind, FPos, FPos + word.size());
            FPos += word.size();
            return true;
        }
    }
    return false;
}

bool TXLSFormulaScanner::ScanRowNumber(size_t position, TScannedPart& row) const {
    row = TScannedPart{.Start = position, .End = position, .Absolute = At(position) == u'$'};
    size_t end = row.Absolute ? position + 1 : position;
    int32_t number = 0;
    const size_t digitsStart = end;
    for (; IsFormulaDigit(At(end)); ++end) {
        number = AppendRowDigit(number, At(end));
    }
    row.End = end;
    row.Value = number - 1;
    return end > digitsStart;
}

bool TXLSFormulaScanner::ParseWholeRowsConstant() {
    TScannedPart first;
    if (!ScanRowNumber(FPos, first) || At(first.End) != u':') {
        return false;
    }
    ReadRowRange(first);
    return true;
}

// Row numbers outside the sheet are refused rather than wrapped into other rows.
TXLSFormulaScanner::TScan TXLSFormulaScanner::ReadRowRange(const TScannedPart& first) {
    TScannedPart last;
    const bool onSheet = first.Value >= 0 && first.Value <= XLSMaxRow;
    if (!ScanRowNumber(first.End + 1, last) || !onSheet || last.Value < 0 || last.Value > XLSMaxRow) {
        // A manager that does not raise: scanning goes on after the colon.
        Report(XLSErrorInvalidFormulaReference);
        FPos = first.End + 1;
        return TScan::scInvalid;
    }
    AddPartRange(first, last, xttRow);
    return TScan::scFound;
}

bool TXLSFormulaScanner::ParseNumber() {
    size_t end = FPos;
    while (IsFormulaDigit(At(end))) {
        ++end;
    }
    const bool integerDigits = end > FPos;
    if (At(end) == u'.') {
        if (!IsFormulaDigit(At(end + 1))) {
            // A manager that does not raise: the number is passed over.
            Report(XLSErrorInvalidFraction);
            FPos = end + 1;
            return true;
        }
        for (++end; IsFormulaDigit(At(end)); ++end) {
        }
    } else if (!integerDigits) {
        return false;
    }
    if (At(end) == u'E' || At(end) == u'e') {
        size_t exponent = end + 1;
        if (At(exponent) == u'+' || At(exponent) == u'-') {
            ++exponent;
        }
        if (!IsFormulaDigit(At(exponent))) {
            Report(XLSErrorInvalidExponent);
            FPos = exponent;
            return true;
        }
        for (end = exponent; IsFormulaDigit(At(end)); ++end) {
        }
    }
    double value = 0;
    if (!rtl::TryStrToFloat(FText.substr(FPos, end - FPos), value, rtl::TFormatSettings::Invariant())) {
        // Too large for a double. A manager that does not raise: the number is passed over.
        Report(XLSErrorInFormula);
        FPos = end;
        return true;
    }
    TXLSToken& token = Add(xttNumber, FPos, end);
    token.Payload = TXLSTokenPayload::Number;
    token.Number = value;
    FPos = end;
    return true;
}

bool TXLSFormulaScanner::ParseText() {
    if (Current() != u'"') {
        return false;
    }
    rtl::UnicodeString text;
    for (size_t position = FPos + 1; position < FText.size(); ++position) {
        if (FText[position] != u'"') {
            text += FText[position];
        } else if (At(position + 1) == u'"') {
            text += u'"';
            ++position;
        } else {
            AddText(xttString, FPos, position + 1, std::move(text));
            FPos = position + 1;
            return true;
        }
    }
    // A manager that does not raise: the unclosed text is passed over.
    Report(XLSErrorMissingEndQuote);
    FPos = FText.size();
    return true;
}

// Rows separated by ";", each an optional sign and constants separated by ",". Only error, boolean, number and text
// constants stand in an array, so arrays do not nest.
bool TXLSFormulaScanner::ParseArray() {
    if (Current() != u'{') {
        return false;
    }
    TakeChar(xttArrayOpen);
    bool rowRead = ParseArrayRow();
    while (rowRead && Current() == u';') {
        TakeChar(xttArrayRowSep);
        rowRead = ParseArrayRow();
    }
    if (rowRead && Current() == u'}') {
        TakeChar(xttArrayClose);
        return true;
    }
    // A manager that does not raise: the array ends where it went wrong.
    Report(XLSErrorInvalidArray);
    return true;
}

bool TXLSFormulaScanner::ParseArrayRow() {
    if (Current() == u'-' || Current() == u'+') {
        TakeChar(Current() == u'-' ? xttNeg : xttPlus);
    }
    while (ParseErrorConstant() || ParseBoolean() || ParseNumber() || ParseText()) {
        if (Current() != u',') {
            return true;
        }
        TakeChar(xttListSep);
    }
    return false;
}

} // namespace xls
