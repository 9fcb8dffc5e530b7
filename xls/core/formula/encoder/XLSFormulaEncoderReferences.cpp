// References of the formula encoder: cells, areas, whole columns and rows, with their sheet or external-book prefix,
// and names after a prefix.

#include "rtl/text/Format.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/formula/encoder/XLSFormulaEncoder.h"
#include "xls/core/formula/encoder/XLSFormulaEncoderRun.h"
#include "xls/core/formula/tokenizer/XLSTokenizer.h"
#include "xls/core/formula/tokens/XLSFormulaError.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/core/model/workbook/Xc12DataXLinks5.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <algorithm>

namespace xls {

namespace {

bool IsColumnKind(TXLSTokenType kind) {
    return kind == xttCol || kind == xttColAbs;
}

bool IsRowKind(TXLSTokenType kind) {
    return kind == xttRow || kind == xttRowAbs;
}

// The position of external book n ("[1]" names the first) when text is such a number of a book the workbook links
// to; -1 otherwise.
int32_t NumberedBook(rtl::UnicodeStringView text, int32_t bookCount) {
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; })) {
        return -1;
    }
    int32_t number = 0;
    for (const char16_t c : text) {
        number = number * 10 + (c - u'0');
    }
    return number >= 1 && number <= bookCount ? number - 1 : -1;
}

} // namespace

// A reference starts at its prefix, or at its first column or row token; every token it is made of is taken.
void TXLSEncoderRun::HandleReference() {
    const TPrefix prefix = ReadPrefix();
    const TXLSTokenType kind = KindAt(0);
    if (prefix.Kind != TPrefix::pkNone && kind == xttName) {
        HandlePrefixedName(prefix);
        Next();
        return;
    }
    if (prefix.Kind != TPrefix::pkNone && kind >= xttErrNull && kind <= xttErrGettingData) {
        HandleErrorReference(prefix);
        Next();
        return;
    }
    const TXLSTokenType second = KindAt(1);
    if (IsColumnKind(kind) && second == xttColon && IsColumnKind(KindAt(2))) {
        // Whole columns: every row of the sheet.
        const TXLSToken& first = Token();
        const TXLSToken& last = FTokens.GetToken(FIndex + 2);
        FIndex += 3;
        WriteArea(prefix, MakePtgArea(MakePtgCell(first.Integer, 0, first.Kind == xttColAbs),
                                      MakePtgCell(last.Integer, XLSMaxRow, last.Kind == xttColAbs)));
        return;
    }
    if (IsRowKind(kind) && second == xttColon && IsRowKind(KindAt(2))) {
        // Whole rows: every column of the sheet.
        const TXLSToken& first = Token();
        const TXLSToken& last = FTokens.GetToken(FIndex + 2);
        FIndex += 3;
        const bool valid =
            first.Integer >= 0 && first.Integer <= XLSMaxRow && last.Integer >= 0 && last.Integer <= XLSMaxRow;
        if (!valid) {
            Report(XLSErrorInvalidFormulaReference);
            return;
        }
        WriteArea(prefix, MakePtgArea(MakePtgCell(0, first.Integer, false, first.Kind == xttRowAbs),
                                      MakePtgCell(XLSMaxCol, last.Integer, false, last.Kind == xttRowAbs)));
        return;
    }
    if (!IsColumnKind(kind) || !IsRowKind(second)) {
        RaiseUnknownReference();
    }
    TXLSPtgCell first;
    if (!MakeCell(Token(), FTokens.GetToken(FIndex + 1), first)) {
        FIndex += 2;
        return;
    }
    FIndex += 2;
    // A colon not followed by a second cell is the range operator (A1:INDEX(...)), left for the next step.
    if (KindAt(0) != xttColon || !IsColumnKind(KindAt(1)) || !IsRowKind(KindAt(2))) {
        WriteReference(prefix, first);
        return;
    }
    TXLSPtgCell last;
    const bool valid = MakeCell(FTokens.GetToken(FIndex + 1), FTokens.GetToken(FIndex + 2), last);
    FIndex += 3;
    if (valid) {
        WriteArea(prefix, MakePtgArea(first, last));
    }
}

// [Book] Sheet [: Sheet] ! as the tokenizer writes it; the tokens are taken.
TXLSEncoderRun::TPrefix TXLSEncoderRun::ReadPrefix() {
    TPrefix prefix;
    const bool book = KindAt(0) == xttWorkbook;
    if (book) {
        prefix.Book = Token().Text;
        Next();
        if (KindAt(0) != xttSheet) {
            RaiseUnknownReference();
        }
    }
    if (KindAt(0) != xttSheet) {
        return prefix;
    }
    prefix.First = Token().Text;
    Next();
    const bool range = KindAt(0) == xttColon && KindAt(1) == xttSheet;
    if (range) {
        prefix.Last = FTokens.GetToken(FIndex + 1).Text;
        FIndex += 2;
    }
    if (KindAt(0) != xttBang) {
        RaiseUnknownReference();
    }
    Next();
    if (book) {
        prefix.Kind = range ? TPrefix::pkBookRange : TPrefix::pkBook;
    } else {
        prefix.Kind = range ? TPrefix::pkSheetRange : TPrefix::pkSheet;
    }
    return prefix;
}

// The sheets a prefix names; false after error 4012 or 4016 when the book or a sheet is not there. A book is named
// by its number in the external links ("[1]") or, for a range of its sheets always, by its path.
bool TXLSEncoderRun::ResolvePrefix(const TPrefix& prefix, TXLSPtgSheets& sheets) {
    if (prefix.Kind != TPrefix::pkBook && prefix.Kind != TPrefix::pkBookRange) {
        const TXc12DataWorksheets& worksheets = FManager.Worksheets();
        return FindSheets(prefix, sheets, [&](rtl::UnicodeStringView name) { return worksheets.Find(name); });
    }
    const TXc12DataXLinks& links = FManager.XLinks();
    sheets.Book = prefix.Kind == TPrefix::pkBook ? NumberedBook(prefix.Book, links.Count()) : -1;
    if (sheets.Book < 0) {
        sheets.Book = links.FindBook(prefix.Book);
    }
    if (sheets.Book < 0) {
        Report(XLSErrorInvalidWorkbookName, prefix.Book);
        return false;
    }
    const TXc12XExternalBook& book = links.GetItem(sheets.Book)->GetExternalBook();
    return FindSheets(prefix, sheets, [&](rtl::UnicodeStringView name) { return book.FindSheet(name); });
}

bool TXLSEncoderRun::FindSheets(const TPrefix& prefix, TXLSPtgSheets& sheets, const TFindSheet& find) {
    sheets.First = find(prefix.First);
    if (sheets.First < 0) {
        Report(XLSErrorUnknownSheet, prefix.First);
        return false;
    }
    if (prefix.Kind != TPrefix::pkSheetRange && prefix.Kind != TPrefix::pkBookRange) {
        return true;
    }
    sheets.Last = find(prefix.Last);
    if (sheets.Last < 0) {
        Report(XLSErrorUnknownSheet, prefix.Last);
        return false;
    }
    return true;
}

// [0]!Name is a name of the workbook itself, Sheet!Name one of the sheet's own names; a name that is not defined is
// written as such.
void TXLSEncoderRun::HandlePrefixedName(const TPrefix& prefix) {
    const TXc12DefinedNames& names = FManager.Workbook().GetDefinedNames();
    const rtl::UnicodeString& name = Token().Text;
    if (prefix.Kind == TPrefix::pkBook && prefix.First.empty()) {
        if (prefix.Book != u"0") {
            throw EXLSFormulaError(rtl::Format(EncoderMessages::UnknownWorkbookName, {prefix.Book}));
        }
        FOut.AddName(names.Find(name, -1));
    } else if (prefix.Kind == TPrefix::pkSheet) {
        const int32_t sheet = FManager.Worksheets().Find(prefix.First);
        if (sheet < 0) {
            Report(XLSErrorUnknownSheet, prefix.First);
            return;
        }
        FOut.AddName(names.FindLocal(name, sheet));
    } else {
        throw EXLSFormulaError(EncoderMessages::UnknownNameReference);
    }
    Wrote(ptgxName);
}

// Sheet1!#REF!: the error stands where the sheet would; a range of sheets or an external book keeps no more of its
// prefix than that.
void TXLSEncoderRun::HandleErrorReference(const TPrefix& prefix) {
    TXLSPtgSheets sheets;
    if (!ResolvePrefix(prefix, sheets)) {
        return;
    }
    const bool range = prefix.Kind == TPrefix::pkSheetRange || prefix.Kind == TPrefix::pkBookRange;
    const uint8_t id = range ? ptgxRef3dRangeErr : ptgxRef3dErr;
    FOut.Add3dErr(id, Token().Kind - xttErrNull + 1);
    Wrote(id);
}

bool TXLSEncoderRun::MakeCell(const TXLSToken& col, const TXLSToken& row, TXLSPtgCell& cell) {
    if (!IsValidCell(col.Integer, row.Integer)) {
        Report(XLSErrorInvalidFormulaReference);
        return false;
    }
    cell = MakePtgCell(col.Integer, row.Integer, col.Kind == xttColAbs, row.Kind == xttRowAbs);
    return true;
}

void TXLSEncoderRun::WriteReference(const TPrefix& prefix, const TXLSPtgCell& cell) {
    if (prefix.Kind == TPrefix::pkNone) {
        FOut.AddRef(cell);
        Wrote(ptgxRef);
        return;
    }
    TXLSPtgSheets sheets;
    if (ResolvePrefix(prefix, sheets)) {
        FOut.AddRef3d(cell, sheets);
        Wrote(ptgxRef3d);
    }
}

void TXLSEncoderRun::WriteArea(const TPrefix& prefix, const TXLSPtgArea& area) {
    if (prefix.Kind == TPrefix::pkNone) {
        FOut.AddArea(area);
        Wrote(ptgxArea);
        return;
    }
    TXLSPtgSheets sheets;
    if (ResolvePrefix(prefix, sheets)) {
        FOut.AddArea3d(area, sheets);
        Wrote(ptgxArea3d);
    }
}

void TXLSEncoderRun::RaiseUnknownReference() const {
    throw EXLSFormulaError(rtl::Format(EncoderMessages::UnknownSheetReferenceType, {static_cast<uint8_t>(KindAt(0))}));
}

} // namespace xls
