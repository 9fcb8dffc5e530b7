#include "xls/core/base/Xc12Utils5.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/Format.h"
#include "xls/core/base/XLSReadLimits.h"

#include <algorithm>
#include <utility>

namespace xls {

namespace {

using rtl::UnicodeString;
using rtl::UnicodeStringView;

constexpr size_t MaxColumnLetters = 3;

// Whole UTF-16 units are compared, so no character outside ASCII passes for a digit or a letter.
bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool IsColumnLetter(char16_t c) {
    return c >= u'A' && c <= u'Z';
}

// The column that one to three letters name ("A" is 0), or -1; three letters may name columns beyond the sheet.
int32_t LettersToCol(UnicodeStringView letters) {
    if (letters.empty() || letters.size() > MaxColumnLetters) {
        return -1;
    }
    int32_t value = 0;
    for (char16_t c : letters) {
        if (!IsColumnLetter(c)) {
            return -1;
        }
        value = value * 26 + (c - u'A' + 1);
    }
    return value - 1;
}

// The row that a row number in decimal digits names ("1" is 0), or -1 without digits. Numbers beyond the sheet stop
// growing once they are past it, so no length of digits overflows.
int32_t DigitsToRow(UnicodeStringView digits) {
    if (digits.empty()) {
        return -1;
    }
    int32_t value = 0;
    for (char16_t c : digits) {
        if (!IsDigit(c)) {
            return -1;
        }
        if (value <= XLSMaxRow + 1) {
            value = value * 10 + (c - u'0');
        }
    }
    return value - 1;
}

// The text after a "$" at its start.
UnicodeStringView WithoutDollar(UnicodeStringView text) {
    return !text.empty() && text.front() == u'$' ? text.substr(1) : text;
}

struct TScannedCell {
    int32_t Col = -1;
    int32_t Row = -1;
    bool ColAbs = false;
    bool RowAbs = false;
};

enum class TCellScan { csValid, csInvalid, csNoRowDigits };

// Reads "$A$1" from its end: the row digits, a "$", the letters, a "$", and nothing before them.
TCellScan ScanCell(UnicodeStringView text, TScannedCell& cell) {
    size_t digitsStart = text.size();
    while (digitsStart > 0 && IsDigit(text[digitsStart - 1])) {
        --digitsStart;
    }
    if (digitsStart == text.size()) {
        return TCellScan::csNoRowDigits;
    }
    size_t lettersEnd = digitsStart;
    cell.RowAbs = lettersEnd > 0 && text[lettersEnd - 1] == u'$';
    if (cell.RowAbs) {
        --lettersEnd;
    }
    size_t lettersStart = lettersEnd;
    while (lettersStart > 0 && IsColumnLetter(text[lettersStart - 1])) {
        --lettersStart;
    }
    cell.ColAbs = lettersStart > 0 && text[lettersStart - 1] == u'$';
    if (lettersStart != (cell.ColAbs ? 1u : 0u)) {
        return TCellScan::csInvalid;
    }
    cell.Col = LettersToCol(text.substr(lettersStart, lettersEnd - lettersStart));
    cell.Row = DigitsToRow(text.substr(digitsStart));
    return IsValidCell(cell.Col, cell.Row) ? TCellScan::csValid : TCellScan::csInvalid;
}

// Puts the smaller column and the smaller row first, each "$" flag going with its column or row.
void OrderCorners(TScannedCell& first, TScannedCell& last) {
    if (first.Col > last.Col) {
        std::swap(first.Col, last.Col);
        std::swap(first.ColAbs, last.ColAbs);
    }
    if (first.Row > last.Row) {
        std::swap(first.Row, last.Row);
        std::swap(first.RowAbs, last.RowAbs);
    }
}

// The two parts of an area text, split at its first ":"; without one both parts are the whole text.
std::pair<UnicodeStringView, UnicodeStringView> SplitArea(UnicodeStringView text) {
    const size_t colon = text.find(u':');
    if (colon == UnicodeStringView::npos) {
        return {text, text};
    }
    return {text.substr(0, colon), text.substr(colon + 1)};
}

// The reference after a sheet prefix such as "Sheet1!" or "'A!B'!".
UnicodeStringView WithoutSheet(UnicodeStringView text) {
    const size_t bang = text.rfind(u'!');
    return bang != UnicodeStringView::npos && bang > 0 ? text.substr(bang + 1) : text;
}

// A band of whole columns ("B:D") or rows ("3:5"): both parts read by toIndex, valid up to limit and in order.
bool ParseBand(UnicodeStringView first, UnicodeStringView last, int32_t (*toIndex)(UnicodeStringView), int32_t limit,
               int32_t& low, int32_t& high) {
    const int32_t a = toIndex(WithoutDollar(first));
    const int32_t b = toIndex(WithoutDollar(last));
    if (a < 0 || b < 0 || a > limit || b > limit || b < a) {
        return false;
    }
    low = a;
    high = b;
    return true;
}

// Bijective base 26, which the sheet's three letters are the start of.
UnicodeString ColToStr(int32_t col) {
    UnicodeString letters;
    for (int64_t n = int64_t{col} + 1; n > 0; n = (n - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char16_t>(u'A' + (n - 1) % 26));
    }
    return letters;
}

constexpr uint16_t PtgColAbsBit = 0x8000;
constexpr uint16_t PtgColMask = 0x3FFF;
constexpr uint32_t PtgRowAbsBit = 0x80000000u;
constexpr uint32_t PtgRowMask = 0x7FFFFFFFu;

int32_t PtgCol(uint16_t word) {
    return word & PtgColMask;
}

int32_t PtgRow(uint32_t word) {
    return static_cast<int32_t>(word & PtgRowMask);
}

bool IsAsciiLetter(char16_t c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool IsAsciiLetterOrDigit(char16_t c) {
    return IsDigit(c) || IsAsciiLetter(c);
}

// Whole UTF-16 units are tested, so a character outside ASCII whose low byte is a letter still needs the quotes.
bool IsPlainSheetName(UnicodeStringView name) {
    return !name.empty() && IsAsciiLetter(name.front()) &&
           std::all_of(name.begin(), name.end(), IsAsciiLetterOrDigit) && !name.starts_with(XLSTrueText) &&
           !name.starts_with(XLSFalseText);
}

bool IsPlainBookName(UnicodeStringView name) {
    return std::all_of(name.begin(), name.end(),
                       [](char16_t c) { return IsAsciiLetterOrDigit(c) || c == u'.' || c == u'_'; });
}

void AppendDoubledQuotes(UnicodeString& text, UnicodeStringView part) {
    for (const char16_t c : part) {
        text += c;
        if (c == u'\'') {
            text += c;
        }
    }
}

} // namespace

bool ParseCellRef(UnicodeStringView text, int32_t& col, int32_t& row) {
    TScannedCell cell;
    if (ScanCell(text, cell) != TCellScan::csValid) {
        return false;
    }
    col = cell.Col;
    row = cell.Row;
    return true;
}

bool ParseCellRefAbs(UnicodeStringView text, int32_t& col, int32_t& row, bool& colAbs, bool& rowAbs) {
    TScannedCell cell;
    const TCellScan scan = ScanCell(text, cell);
    if (scan == TCellScan::csNoRowDigits) {
        // The row number converted is empty.
        throw rtl::EConvertError(rtl::Format(rtl::RtlMessages::InvalidInteger, {u""}));
    }
    if (scan != TCellScan::csValid) {
        return false;
    }
    col = cell.Col;
    row = cell.Row;
    colAbs = cell.ColAbs;
    rowAbs = cell.RowAbs;
    return true;
}

bool ParseAreaRef(UnicodeStringView text, int32_t& col1, int32_t& row1, int32_t& col2, int32_t& row2) {
    const auto [first, last] = SplitArea(WithoutSheet(text));
    TScannedCell a;
    TScannedCell b;
    if (ScanCell(first, a) == TCellScan::csValid && ScanCell(last, b) == TCellScan::csValid) {
        OrderCorners(a, b);
        col1 = a.Col;
        row1 = a.Row;
        col2 = b.Col;
        row2 = b.Row;
        return true;
    }
    if (ParseBand(first, last, LettersToCol, XLSMaxCol, col1, col2)) {
        row1 = 0;
        row2 = XLSMaxRow;
        return true;
    }
    if (ParseBand(first, last, DigitsToRow, XLSMaxRow, row1, row2)) {
        col1 = 0;
        col2 = XLSMaxCol;
        return true;
    }
    return false;
}

bool ParseAreaRefAbs(UnicodeStringView text, int32_t& col1, int32_t& row1, int32_t& col2, int32_t& row2, bool& col1Abs,
                     bool& row1Abs, bool& col2Abs, bool& row2Abs) {
    if (text.find(u':') == UnicodeStringView::npos) {
        return false;
    }
    const auto [first, last] = SplitArea(text);
    TScannedCell a;
    TScannedCell b;
    if (ScanCell(first, a) != TCellScan::csValid || ScanCell(last, b) != TCellScan::csValid) {
        return false;
    }
    OrderCorners(a, b);
    col1 = a.Col;
    row1 = a.Row;
    col2 = b.Col;
    row2 = b.Row;
    col1Abs = a.ColAbs;
    row1Abs = a.RowAbs;
    col2Abs = b.ColAbs;
    row2Abs = b.RowAbs;
    return true;
}

bool StrToCellArea(UnicodeStringView text, TXLSCellAreaRec& area) {
    ClearCellArea(area);
    if (text.empty()) {
        return true;
    }
    TXLSCellAreaRec parsed;
    if (text.find(u':') == UnicodeStringView::npos) {
        if (!ParseCellRef(text, parsed.Col1, parsed.Row1)) {
            return false;
        }
        parsed.Col2 = parsed.Col1;
        parsed.Row2 = parsed.Row1;
    } else if (!ParseAreaRef(text, parsed.Col1, parsed.Row1, parsed.Col2, parsed.Row2)) {
        return false;
    }
    area = parsed;
    return true;
}

UnicodeString ColRowToStr(int32_t col, int32_t row) {
    return CellRefToStr(col, row, false, false);
}

UnicodeString CellRefToStr(int32_t col, int32_t row, bool colAbs, bool rowAbs) {
    UnicodeString text;
    if (colAbs) {
        text += u'$';
    }
    text += ColToStr(col);
    if (rowAbs) {
        text += u'$';
    }
    text += rtl::IntToStr(int64_t{row} + 1);
    return text;
}

UnicodeString AreaRefToStr(int32_t col1, int32_t row1, int32_t col2, int32_t row2, bool col1Abs, bool row1Abs,
                           bool col2Abs, bool row2Abs) {
    return CellRefToStr(col1, row1, col1Abs, row1Abs) + u':' + CellRefToStr(col2, row2, col2Abs, row2Abs);
}

UnicodeString PtgCellRefToStr(uint16_t colWord, uint32_t rowWord) {
    return CellRefToStr(PtgCol(colWord), PtgRow(rowWord), (colWord & PtgColAbsBit) != 0, (rowWord & PtgRowAbsBit) != 0);
}

// An area of whole rows or whole columns is written as the rows ("$1:$3") or columns ("A:$C") alone, as a spreadsheet
// shows it and the tokenizer reads it back.
UnicodeString PtgAreaRefToStr(uint16_t col1Word, uint32_t row1Word, uint16_t col2Word, uint32_t row2Word) {
    const auto mark = [](bool absolute) { return absolute ? UnicodeString(u"$") : UnicodeString(); };
    if (PtgCol(col1Word) == 0 && PtgCol(col2Word) == XLSMaxCol) {
        return mark((row1Word & PtgRowAbsBit) != 0) + rtl::IntToStr(int64_t{PtgRow(row1Word)} + 1) + u':' +
               mark((row2Word & PtgRowAbsBit) != 0) + rtl::IntToStr(int64_t{PtgRow(row2Word)} + 1);
    }
    if (PtgRow(row1Word) == 0 && PtgRow(row2Word) == XLSMaxRow) {
        return mark((col1Word & PtgColAbsBit) != 0) + ColToStr(PtgCol(col1Word)) + u':' +
               mark((col2Word & PtgColAbsBit) != 0) + ColToStr(PtgCol(col2Word));
    }
    return PtgCellRefToStr(col1Word, row1Word) + u':' + PtgCellRefToStr(col2Word, row2Word);
}

UnicodeString QuoteSheetReference(UnicodeStringView book, UnicodeStringView first, UnicodeStringView last) {
    UnicodeString prefix;
    if (!book.empty()) {
        prefix = u"[" + UnicodeString(book) + u"]";
    }
    prefix += first;
    if (!last.empty()) {
        prefix += u':';
        prefix += last;
    }
    if (IsPlainBookName(book) && IsPlainSheetName(first) && (last.empty() || IsPlainSheetName(last))) {
        return prefix;
    }
    UnicodeString quoted = u"'";
    AppendDoubledQuotes(quoted, prefix);
    quoted += u'\'';
    return quoted;
}

UnicodeString QuoteFormulaText(UnicodeStringView text) {
    UnicodeString quoted = u"\"";
    for (const char16_t c : text) {
        quoted += c;
        if (c == u'"') {
            quoted += c;
        }
    }
    return quoted + u'"';
}

UnicodeString QuoteSheetName(UnicodeStringView name) {
    return name.empty() ? UnicodeString() : QuoteSheetReference({}, name);
}

bool IsValidCell(int32_t col, int32_t row) {
    return col >= 0 && col <= XLSMaxCol && row >= 0 && row <= XLSMaxRow;
}

bool IsValidArea(int32_t col1, int32_t row1, int32_t col2, int32_t row2) {
    return IsValidCell(col1, row1) && IsValidCell(col2, row2);
}

int32_t ErrorStrToIndex(UnicodeStringView text) {
    for (size_t i = 1; i < XLSErrorTexts.size(); ++i) {
        if (XLSErrorTexts[i] == text) {
            return static_cast<int32_t>(i);
        }
    }
    return 0;
}

uint8_t PtgRefClassId(uint8_t id) {
    return id >= 0x40 && id <= 0x7F ? static_cast<uint8_t>((id & 0x3F) | 0x20) : id;
}

} // namespace xls
