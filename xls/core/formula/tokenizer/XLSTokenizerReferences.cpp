// References of formula text (A1 cells, areas, whole columns and rows, with sheet and workbook prefixes), names and
// structured table references.

#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/formula/tokenizer/XLSFormulaScanner.h"

#include <algorithm>
#include <string_view>

namespace xls {

namespace {

constexpr size_t MaxColumnLetters = 3;
constexpr size_t MaxRowDigits = 9;
constexpr size_t NotFound = std::u16string_view::npos;

// Characters that end an unquoted sheet or workbook name besides the delimiters.
bool EndsUnquotedName(char16_t c) {
    return std::u16string_view(u"'()?[\\]").find(c) != std::u16string_view::npos;
}

// The characters a "'" escapes in the column name of a structured reference.
bool IsTableEscapable(char16_t c) {
    return c == u'#' || c == u'\'' || c == u'[' || c == u']';
}

char16_t UpperLetter(char16_t c) {
    return c >= u'a' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

// A quoted name with its doubled quotes made single.
rtl::UnicodeString Undoubled(std::u16string_view quoted) {
    rtl::UnicodeString name;
    for (size_t index = 0; index < quoted.size(); ++index) {
        name += quoted[index];
        if (quoted[index] == u'\'' && index + 1 < quoted.size() && quoted[index + 1] == u'\'') {
            ++index;
        }
    }
    return name;
}

} // namespace

bool TXLSFormulaScanner::ParseReferenceOrName() {
    const TScan prefix = ParsePrefix();
    if (prefix == TScan::scInvalid) {
        return false;
    }
    const bool prefixed = prefix == TScan::scFound;
    if (prefixed && Current() == u'#') {
        return ParseErrorConstant();
    }
    return ParseA1(prefixed) != TScan::scNone || ParseName();
}

TXLSFormulaScanner::TScan TXLSFormulaScanner::ParsePrefix() {
    if (Current() == u'\'') {
        return ParseQuotedPrefix();
    }
    if (ParseUnquotedPrefix(FPos, FPos) || (Current() == u'[' && ParseWorkbookPrefix())) {
        return TScan::scFound;
    }
    return TScan::scNone;
}

// 'Sheet name'!, 'First:Last'!, '[Book]Sheet'!; a quote inside is written twice. A manager that does not raise: the
// prefix is not taken and the element fails at its quote.
TXLSFormulaScanner::TScan TXLSFormulaScanner::ParseQuotedPrefix() {
    size_t close = FText.size();
    for (size_t position = FPos + 1; position < FText.size(); ++position) {
        if (FText[position] == u'\'') {
            if (At(position + 1) != u'\'') {
                close = position;
                break;
            }
            ++position;
        }
    }
    if (close == FText.size()) {
        Report(XLSErrorMissing, u"'");
        return TScan::scInvalid;
    }
    if (At(close + 1) != u'!') {
        Report(XLSErrorMissing, u"!");
        return TScan::scInvalid;
    }
    const size_t bookStart = FPos + 1;
    size_t sheetsStart = bookStart;
    if (At(bookStart) == u'[') {
        const size_t bracket = FText.substr(bookStart, close - bookStart).find(u']');
        if (bracket == NotFound || bracket < 2 || bookStart + bracket + 1 == close) {
            Report(XLSErrorInvalidWorkbookName);
            return TScan::scInvalid;
        }
        sheetsStart = bookStart + bracket + 1;
    }
    const std::u16string_view sheets = FText.substr(sheetsStart, close - sheetsStart);
    const size_t colon = sheets.find(u':');
    if (sheets.empty() || colon == 0 || colon + 1 == sheets.size()) {
        Report(XLSErrorInvalidSheetName);
        return TScan::scInvalid;
    }
    if (sheetsStart != bookStart) {
        AddText(xttWorkbook, bookStart, sheetsStart,
                Undoubled(FText.substr(bookStart + 1, sheetsStart - bookStart - 2)));
    }
    AddSheets(sheetsStart, sheets, colon);
    Add(xttBang, close + 1, close + 2);
    FPos = close + 2;
    return TScan::scFound;
}

// Sheet!, First:Last!, and after a workbook also ! alone (a name of the workbook itself, as in [0]!Name). The workbook
// token, when bookStart < bookEnd, goes before the sheets.
bool TXLSFormulaScanner::ParseUnquotedPrefix(size_t bookStart, size_t bookEnd) {
    if (FNextMarks.empty()) {
        IndexNextMarks();
    }
    const size_t start = bookEnd == bookStart ? bookStart : bookEnd + 1;
    const TNextMarks& marks = FNextMarks[start];
    const size_t bang = marks.Bang;
    if (bang == FText.size() || marks.NameEnd < bang) {
        return false;
    }
    size_t colon = NotFound;
    if (marks.Colon < bang) {
        if (FNextMarks[marks.Colon + 1].Colon < bang) {
            return false;
        }
        colon = marks.Colon - start;
    }
    const std::u16string_view sheets = FText.substr(start, bang - start);
    const bool emptyAllowed = bookEnd != bookStart && colon == NotFound;
    if ((sheets.empty() && !emptyAllowed) || colon == 0 || (colon != NotFound && colon + 1 == sheets.size())) {
        return false;
    }
    if (bookEnd != bookStart) {
        AddText(xttWorkbook, bookStart, bookEnd + 1,
                rtl::UnicodeString(FText.substr(bookStart + 1, bookEnd - bookStart - 1)));
    }
    AddSheets(start, sheets, colon);
    Add(xttBang, bang, bang + 1);
    FPos = bang + 1;
    return true;
}

void TXLSFormulaScanner::IndexNextMarks() {
    FNextMarks.resize(FText.size() + 1);
    TNextMarks next{FText.size(), FText.size(), FText.size()};
    FNextMarks.back() = next;
    for (size_t position = FText.size(); position-- > 0;) {
        const char16_t c = FText[position];
        if (c == u'!') {
            next.Bang = position;
        } else if (c == u':') {
            next.Colon = position;
        } else if (IsFormulaDelimiter(c) || EndsUnquotedName(c)) {
            next.NameEnd = position;
        }
        FNextMarks[position] = next;
    }
}

// [Book]Sheet!: the book is one or more characters other than delimiters, quotes, "?" and brackets.
bool TXLSFormulaScanner::ParseWorkbookPrefix() {
    size_t close = FPos + 1;
    while (close < FText.size() && !IsFormulaDelimiter(FText[close]) && !EndsUnquotedName(FText[close])) {
        ++close;
    }
    return close > FPos + 1 && At(close) == u']' && ParseUnquotedPrefix(FPos, close);
}

// One sheet, or two around the colon at offset colon of sheets; quotes written twice are made single.
void TXLSFormulaScanner::AddSheets(size_t start, rtl::UnicodeStringView sheets, size_t colon) {
    const size_t firstLength = colon == NotFound ? sheets.size() : colon;
    AddText(xttSheet, start, start + firstLength, Undoubled(sheets.substr(0, firstLength)));
    if (colon == NotFound) {
        return;
    }
    Add(xttColon, start + colon, start + colon + 1);
    AddText(xttSheet, start + colon + 1, start + sheets.size(), Undoubled(sheets.substr(colon + 1)));
}

// A cell, an area of two cells, whole columns or whole rows; after a prefix, digits that are no whole rows are an
// invalid reference.
TXLSFormulaScanner::TScan TXLSFormulaScanner::ParseA1(bool prefixed) {
    TScannedPart col;
    if (ScanColumn(FPos, col)) {
        if (At(col.End) == u':') {
            return ParseWholeColumns(col);
        }
        TScannedPart row;
        if (ScanCellRow(col.End, prefixed, row)) {
            AddCell(col, row);
            FPos = row.End;
            ParseAreaEnd(prefixed);
            return TScan::scFound;
        }
    }
    TScannedPart row;
    if (!ScanRowNumber(FPos, row)) {
        return TScan::scNone;
    }
    if (At(row.End) == u':') {
        return ReadRowRange(row);
    }
    // A manager that does not raise: scanning goes on after the digits.
    Report(XLSErrorInvalidFormulaReference);
    FPos = row.End;
    return TScan::scInvalid;
}

// An optional "$" and one to three letters of either case naming a column of the sheet; a fourth letter makes no
// column.
bool TXLSFormulaScanner::ScanColumn(size_t position, TScannedPart& col) const {
    col = TScannedPart{.Start = position, .Absolute = At(position) == u'$'};
    const size_t lettersStart = col.Absolute ? position + 1 : position;
    size_t end = lettersStart;
    int32_t value = 0;
    for (; IsFormulaLetter(At(end)); ++end) {
        if (end - lettersStart == MaxColumnLetters) {
            return false;
        }
        value = value * 26 + (UpperLetter(At(end)) - u'A' + 1);
    }
    col.End = end;
    col.Value = value - 1;
    return end > lettersStart && col.Value <= XLSMaxCol;
}

// The row of a cell: an optional "$" and one to nine digits naming a row of the sheet, followed by no character that
// would make the whole a name. Without a prefix, "(" makes it a name too: LOG10( calls a function.
bool TXLSFormulaScanner::ScanCellRow(size_t position, bool prefixed, TScannedPart& row) const {
    if (!ScanRowNumber(position, row)) {
        return false;
    }
    const size_t digits = row.End - position - (row.Absolute ? 1 : 0);
    const char16_t next = At(row.End);
    return digits <= MaxRowDigits && row.Value >= 0 && row.Value <= XLSMaxRow && !IsFormulaWordChar(next) &&
           (prefixed || next != u'(');
}

void TXLSFormulaScanner::AddCell(const TScannedPart& col, const TScannedPart& row) {
    AddPart(col, xttCol);
    AddPart(row, xttRow);
}

// ":" and a second cell make an area; a colon before anything else is left for the range operator (A1:INDEX(...)).
void TXLSFormulaScanner::ParseAreaEnd(bool prefixed) {
    TScannedPart col;
    TScannedPart row;
    if (Current() != u':' || !ScanColumn(FPos + 1, col) || !ScanCellRow(col.End, prefixed, row)) {
        return;
    }
    Add(xttColon, FPos, FPos + 1);
    AddCell(col, row);
    FPos = row.End;
}

TXLSFormulaScanner::TScan TXLSFormulaScanner::ParseWholeColumns(const TScannedPart& first) {
    TScannedPart last;
    if (!ScanColumn(first.End + 1, last) || IsFormulaWordChar(At(last.End))) {
        // A manager that does not raise: scanning goes on after the colon.
        Report(XLSErrorInvalidFormulaReference);
        FPos = first.End + 1;
        return TScan::scInvalid;
    }
    AddPartRange(first, last, xttCol);
    return TScan::scFound;
}

// A name starts with a name character, "_" or "\", and goes on over name characters, "_" and ".". Directly before
// "[" it names a table.
bool TXLSFormulaScanner::ParseName() {
    const char16_t first = Current();
    if (!IsFormulaNameChar(first) && first != u'_' && first != u'\\') {
        return false;
    }
    size_t end = FPos + 1;
    while (IsFormulaNameChar(At(end)) || At(end) == u'_' || At(end) == u'.') {
        ++end;
    }
    AddText(xttName, FPos, end, rtl::UnicodeString(FText.substr(FPos, end - FPos)));
    FPos = end;
    if (Current() == u'[') {
        FTokens.Last().Kind = xttTable;
        ParseTableReference();
    }
    return true;
}

// "[" and either a list of bracketed items or a single item, then "]". False when neither an item nor the closing
// bracket was there.
bool TXLSFormulaScanner::ParseTableReference() {
    ++FPos;
    while (Current() == u' ') {
        ++FPos;
    }
    bool found = true;
    if (Current() == u'[') {
        ParseTableItemList();
    } else {
        found = ParseTableItem();
    }
    if (Current() != u']') {
        return found;
    }
    TakeChar(xttTableEnd);
    return true;
}

// [item] separated by ",", ":" or ";"; ends before "]", or after one element for any other character.
void TXLSFormulaScanner::ParseTableItemList() {
    while (!AtEnd()) {
        switch (Current()) {
        case u'[':
            ++FPos;
            ParseTableItem();
            if (Current() == u']') {
                ++FPos;
            }
            break;
        case u',':
            TakeChar(xttListSep);
            while (Current() == u' ') {
                ++FPos;
            }
            break;
        case u':':
            TakeChar(xttColon);
            break;
        case u';':
            TakeChar(xttArrayRowSep);
            break;
        case u']':
            return;
        default:
            ParseElement();
            return;
        }
    }
}

// "#" and the text up to "]" (a special item such as #This Row), or a column name: characters above U+0020 other
// than "#", "[" and "]", not starting with "+" or "-", where "'" escapes one of # ' [ ].
bool TXLSFormulaScanner::ParseTableItem() {
    if (Current() == u'#') {
        const size_t close = std::min(FText.find(u']', FPos), FText.size());
        AddText(xttTableSpecial, FPos, close, rtl::UnicodeString(FText.substr(FPos + 1, close - FPos - 1)));
        FPos = close;
        return true;
    }
    size_t end = FPos;
    while (end < FText.size()) {
        const char16_t c = FText[end];
        if (c == u'\'') {
            if (!IsTableEscapable(At(end + 1))) {
                break;
            }
            end += 2;
            continue;
        }
        const bool starting = end == FPos && (c == u'+' || c == u'-');
        if (c <= u' ' || c == u'#' || c == u'[' || c == u']' || starting) {
            break;
        }
        ++end;
    }
    if (end == FPos) {
        return false;
    }
    AddText(xttTableColumn, FPos, end, rtl::UnicodeString(FText.substr(FPos, end - FPos)));
    FPos = end;
    return true;
}

} // namespace xls
