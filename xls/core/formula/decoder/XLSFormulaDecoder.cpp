#include "xls/core/formula/decoder/XLSFormulaDecoder.h"

#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/Format.h"
#include "xls/core/base/XLSPlatform.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/formula/decoder/XLSStringStack.h"
#include "xls/core/formula/functions/XLSExcelFuncNames.h"
#include "xls/core/formula/tokens/XLSFormulaError.h"
#include "xls/core/formula/tokens/XLSPtgs.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/core/model/workbook/Xc12DataXLinks5.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace xls {

namespace {

// The texts of PtgAdd to PtgNe, in id order.
constexpr std::array<std::u16string_view, 12> OperatorTexts = {u"+", u"-",  u"*", u"/",  u"^", u"&",
                                                               u"<", u"<=", u"=", u">=", u">", u"<>"};
// The special items of structured references by their code; 0 and unknown codes read "_ERROR_".
constexpr std::array<std::u16string_view, 6> SpecialItemTexts = {u"_ERROR_",  u"#All",    u"#Data",
                                                                 u"#Headers", u"#Totals", u"#This Row"};
// Rows of an array constant are separated as the tokenizer reads them, whatever the locale: the list separator
// would make the rows of a two-row array one row when it is a comma.
constexpr std::u16string_view ArrayRowSeparator = u";";

// Where a 3-D token's sheet fields start: after the cell or the area.
constexpr size_t CellSheetOffset = 7;
constexpr size_t AreaSheetOffset = 13;

rtl::UnicodeString Spaces(size_t count) {
    return rtl::UnicodeString(count, u' ');
}

// An error index outside the table reads as the table's first entry.
rtl::UnicodeString ErrorText(uint8_t index) {
    return rtl::UnicodeString(XLSErrorTexts[index < XLSErrorTexts.size() ? index : 0]);
}

// A table column's name in the brackets of a structured reference, with "'" before each # ' [ ].
rtl::UnicodeString TableItemText(rtl::UnicodeStringView name) {
    rtl::UnicodeString text = u"[";
    for (const char16_t c : name) {
        if (c == u'#' || c == u'\'' || c == u'[' || c == u']') {
            text += u'\'';
        }
        text += c;
    }
    text += u']';
    return text;
}

bool IsAreaToken(uint8_t id) {
    return id == ptgxArea3d || id == ptgxArea3dRange || id == ptgxAreaExt || id == ptgxAreaExtRange;
}

bool IsRangeToken(uint8_t id) {
    return id == ptgxRef3dRange || id == ptgxRefExtRange || id == ptgxArea3dRange || id == ptgxAreaExtRange;
}

bool IsExternalToken(uint8_t id) {
    return id == ptgxRefExt || id == ptgxRefExtRange || id == ptgxAreaExt || id == ptgxAreaExtRange;
}

// What every buffer of one Decode shares: the model, the separators, and the cells followed to get here.
struct TDecodeContext {
    TXc12Manager& Manager;
    TXLSCellMMU* Cells;
    int32_t SheetIndex;
    bool BookNumbers;
    const rtl::TFormatSettings& NumberSettings;
    rtl::UnicodeString ListSeparator;
    rtl::UnicodeString ArrayColumnSeparator;
    std::vector<TXLSPtgCell> Chain;
};

// Decodes one token buffer on a stack of its own.
class TDecodeRun {
public:
    explicit TDecodeRun(TDecodeContext& context)
        : FContext(context), FTables(context.SheetIndex >= 0 && context.SheetIndex < Worksheets().Count()
                                         ? &Worksheets().GetItem(context.SheetIndex)->GetTables()
                                         : nullptr) {}

    rtl::UnicodeString Decode(std::span<const uint8_t> ptgs) {
        while (!ptgs.empty()) {
            const TXLSPtgToken token = ReadPtgToken(ptgs);
            ptgs = ptgs.subspan(token.Size());
            if (token.Id() == ptgxSpace) {
                FSpaces = Spaces(token.Byte(1));
                continue;
            }
            DecodeToken(token);
            FSpaces.clear();
        }
        return FStack.Empty() ? rtl::UnicodeString(XLSUndecodedFormula) : FStack.Top();
    }

private:
    const TXc12DataWorksheets& Worksheets() const { return FContext.Manager.Worksheets(); }

    // Pushes text after the spaces written before the token.
    void PushSpaced(rtl::UnicodeStringView text, TStringStack::TEntryKind kind = TStringStack::ekText) {
        FStack.Push(FSpaces + rtl::UnicodeString(text), kind);
    }

    void DecodeToken(const TXLSPtgToken& token) {
        const uint8_t id = token.Id();
        if (id >= PtgAdd && id <= PtgNe) {
            FStack.Combine(FSpaces + rtl::UnicodeString(OperatorTexts[id - PtgAdd]));
            return;
        }
        if (id >= ptgxRef3d && id <= ptgxAreaExtRange) {
            DecodeReference3d(token);
            return;
        }
        if (id >= ptgxRef3dErr && id <= ptgxArea3dRangeErr) {
            const bool area = id == ptgxArea3dErr || id == ptgxArea3dRangeErr;
            PushSpaced(ErrorText(token.Byte(area ? AreaSheetOffset : CellSheetOffset)));
            return;
        }
        switch (id) {
        case PtgRange:
            FStack.Combine(FSpaces + u":");
            break;
        case PtgUnion:
            FStack.Combine(FSpaces + FContext.ListSeparator);
            break;
        case PtgIsect:
            FStack.Combine(Spaces(token.Byte(1)));
            break;
        case PtgUplus:
            FStack.Prefix(FSpaces + u"+");
            break;
        case PtgUminus:
            FStack.Prefix(FSpaces + u"-");
            break;
        case PtgPercent:
            FStack.Suffix(FSpaces + u"%");
            break;
        case PtgParen:
            FStack.Wrap(FSpaces + u"(", u")");
            break;
        case PtgErr:
            PushSpaced(ErrorText(token.Byte(1)));
            break;
        case PtgBool:
            PushSpaced(token.Byte(1) != 0 ? XLSTrueText : XLSFalseText);
            break;
        case PtgNum:
            PushSpaced(rtl::FloatToStr(token.Double(1), FContext.NumberSettings));
            break;
        case ptgxInt:
            PushSpaced(rtl::IntToStr(static_cast<int32_t>(token.Long(1))));
            break;
        case ptgxStr:
            PushSpaced(QuoteFormulaText(token.Text(1)));
            break;
        case ptgxArray:
            FStack.Array(token.Word(1), token.Long(3), FContext.ArrayColumnSeparator, ArrayRowSeparator);
            break;
        case ptgxFunc: {
            const int32_t function = token.Word(1);
            FStack.Call(FSpaces + rtl::UnicodeString(TXLSExcelFuncNames::GetName(function)),
                        TXLSExcelFuncNames::MinArgs(function), FContext.ListSeparator);
            break;
        }
        case ptgxFuncVar:
            FStack.Call(FSpaces + rtl::UnicodeString(TXLSExcelFuncNames::GetName(token.Word(2))), token.Byte(1),
                        FContext.ListSeparator);
            break;
        case ptgxUserFunc:
            FStack.Call(FSpaces + token.Text(2), token.Byte(1), FContext.ListSeparator);
            break;
        case ptgxMissArg:
            PushSpaced({});
            break;
        case ptgxName:
            PushSpaced(NameText(token.Word(1)));
            break;
        case ptgxRef: {
            const TXLSPtgCell cell = token.Cell(1);
            PushSpaced(PtgCellRefToStr(cell.ColWord, cell.RowWord));
            break;
        }
        case ptgxArea:
            PushSpaced(AreaText(token.Area(1)));
            break;
        case ptgxRefErr:
        case ptgxAreaErr:
            PushSpaced(XLSErrorTexts[XLSErrorIndexRef]);
            break;
        case ptgxExp:
        case ptgxTbl:
            PushSpaced(CellFormulaText(token.ColRowCell(1)));
            break;
        case ptgxDataTable:
            PushSpaced(DataTableText(token));
            break;
        case ptgxList:
            DecodeList(token);
            break;
        case ptgxListColumn:
            PushSpaced(TableItemText(TableColumnName(token.Word(1), token.Word(3))), TStringStack::ekTableItem);
            break;
        case ptgxListSpecial:
            DecodeListSpecial(token.Byte(1));
            break;
        default:
            throw EXLSFormulaError(rtl::Format(DecoderMessages::UnknownPtg, {id}));
        }
    }

    static rtl::UnicodeString AreaText(const TXLSPtgArea& area) {
        return PtgAreaRefToStr(area.Col1Word, area.Row1Word, area.Col2Word, area.Row2Word);
    }

    // Sheet!A1, First:Last!A1:B2, [Book]Sheet!A1 and the like, quoted as a whole where a part needs it.
    void DecodeReference3d(const TXLSPtgToken& token) {
        const uint8_t id = token.Id();
        const bool area = IsAreaToken(id);
        size_t offset = area ? AreaSheetOffset : CellSheetOffset;
        rtl::UnicodeString prefix;
        if (IsExternalToken(id)) {
            const int32_t book = token.Word(offset);
            const uint8_t first = token.Byte(offset + 2);
            const rtl::UnicodeString last =
                IsRangeToken(id) ? ExternalSheetName(book, token.Byte(offset + 3)) : rtl::UnicodeString();
            prefix = QuoteSheetReference(BookText(book), ExternalSheetName(book, first), last);
        } else {
            const rtl::UnicodeString last = IsRangeToken(id) ? SheetName(token.Byte(offset + 1)) : rtl::UnicodeString();
            prefix = QuoteSheetReference({}, SheetName(token.Byte(offset)), last);
        }
        const rtl::UnicodeString reference =
            area ? AreaText(token.Area(1)) : PtgCellRefToStr(token.Cell(1).ColWord, token.Cell(1).RowWord);
        PushSpaced(prefix + u"!" + reference);
    }

    const rtl::UnicodeString& SheetName(int32_t index) const {
        if (index >= Worksheets().Count()) {
            throw EXLSFormulaError(rtl::Format(DecoderMessages::UnknownSheet, {index}));
        }
        return Worksheets().GetItem(index)->GetName();
    }

    const TXc12XExternalBook& ExternalBook(int32_t book) const {
        const TXc12DataXLinks& links = FContext.Manager.XLinks();
        if (book >= links.Count()) {
            throw EXLSFormulaError(rtl::Format(DecoderMessages::UnknownBook, {book}));
        }
        return links.GetItem(book)->GetExternalBook();
    }

    rtl::UnicodeString BookText(int32_t book) const {
        return FContext.BookNumbers ? rtl::IntToStr(int64_t{book} + 1) : ExternalBook(book).GetPath();
    }

    const rtl::UnicodeString& ExternalSheetName(int32_t book, int32_t sheet) const {
        const rtl::TStringList& names = ExternalBook(book).GetSheetNames();
        if (sheet >= names.Count()) {
            throw EXLSFormulaError(rtl::Format(DecoderMessages::UnknownSheet, {sheet}));
        }
        return names.Get(sheet);
    }

    rtl::UnicodeString NameText(int32_t index) const {
        if (index == PtgNameUndefined) {
            return rtl::UnicodeString(XLSErrorTexts[XLSErrorIndexName]);
        }
        return DefinedNameText(FContext.Manager, index, FContext.SheetIndex);
    }

    // The formula of the cell a member stands for, followed in the cell store.
    rtl::UnicodeString CellFormulaText(const TXLSPtgCell& cell) {
        TXLSCellMMU* cells = FContext.Cells;
        if (cells == nullptr) {
            throw EXLSFormulaError(DecoderMessages::NoCells);
        }
        std::vector<TXLSPtgCell>& chain = FContext.Chain;
        const rtl::UnicodeString name = ColRowToStr(cell.Col(), cell.Row());
        if (std::find(chain.begin(), chain.end(), cell) != chain.end()) {
            throw EXLSFormulaError(rtl::Format(DecoderMessages::ChainLoops, {name}));
        }
        if (chain.size() >= static_cast<size_t>(XLSMaxFormulaChain)) {
            throw EXLSFormulaError(rtl::Format(DecoderMessages::ChainTooLong, {name, XLSMaxFormulaChain}));
        }
        TXLSCellHandle handle;
        if (!cells->FindCell(cell.Col(), cell.Row(), handle)) {
            return {};
        }
        if (!cells->IsFormulaCompiled(handle)) {
            return cells->GetFormulaText(handle);
        }
        int32_t length = 0;
        const uint8_t* ptgs = cells->GetFormulaPtgs(handle, length);
        chain.push_back(cell);
        rtl::UnicodeString text = TDecodeRun(FContext).Decode({ptgs, static_cast<size_t>(length)});
        chain.pop_back();
        return text;
    }

    // TABLE(row input, column input); a one-input table leaves the other argument empty.
    rtl::UnicodeString DataTableText(const TXLSPtgToken& token) const {
        const uint8_t flags = token.Byte(1);
        const auto cellText = [&](size_t offset, uint8_t errorFlag) {
            if ((flags & errorFlag) != 0) {
                return rtl::UnicodeString(XLSErrorTexts[XLSErrorIndexRef]);
            }
            const TXLSPtgCell cell = token.ColRowCell(offset);
            return PtgCellRefToStr(cell.ColWord, cell.RowWord);
        };
        rtl::UnicodeString first;
        rtl::UnicodeString second;
        if ((flags & PtgDataTableTwoInputs) != 0) {
            first = cellText(2, PtgDataTableRef1Error);
            second = cellText(8, PtgDataTableRef2Error);
        } else if ((flags & PtgDataTableRowInput) != 0) {
            first = cellText(2, PtgDataTableRef1Error);
        } else {
            second = cellText(2, PtgDataTableRef1Error);
        }
        return u"TABLE(" + first + FContext.ListSeparator + second + u")";
    }

    // A table of another sheet makes that sheet's tables the ones the items that follow name.
    void DecodeList(const TXLSPtgToken& token) {
        const int32_t sheet = token.Word(3);
        if (sheet < ListSheetLimit) {
            if (sheet >= Worksheets().Count()) {
                throw EXLSFormulaError(rtl::Format(DecoderMessages::UnknownSheet, {sheet}));
            }
            FTables = &Worksheets().GetItem(sheet)->GetTables();
        }
        FStack.Table(FSpaces + Table(token.Word(1)).GetName(), token.Byte(5), FContext.ListSeparator);
    }

    void DecodeListSpecial(uint8_t code) {
        if (code == 0 || code >= SpecialItemTexts.size()) {
            FStack.Push(rtl::UnicodeString(SpecialItemTexts[0]));
            return;
        }
        FStack.Push(u"[" + rtl::UnicodeString(SpecialItemTexts[code]) + u"]", TStringStack::ekTableItem);
    }

    const TXc12Table& Table(int32_t index) const {
        if (FTables == nullptr || index >= FTables->Count()) {
            throw EXLSFormulaError(rtl::Format(DecoderMessages::UnknownTable, {index}));
        }
        return *FTables->GetItem(index);
    }

    const rtl::UnicodeString& TableColumnName(int32_t table, int32_t column) const {
        const TXc12TableColumns& columns = Table(table).GetColumns();
        if (column >= columns.Count()) {
            throw EXLSFormulaError(rtl::Format(DecoderMessages::UnknownTableColumn, {column, table}));
        }
        return columns.GetItem(column)->GetName();
    }

    // The sheet indexes below this one name a sheet; a table of the formula's own sheet has PtgListOwnSheet.
    static constexpr int32_t ListSheetLimit = 255;

    TDecodeContext& FContext;
    TStringStack FStack;
    rtl::UnicodeString FSpaces;
    const TXc12Tables* FTables;
};

} // namespace

rtl::UnicodeString DefinedNameText(const TXc12Manager& manager, int32_t index, int32_t sheetIndex) {
    const TXc12DefinedNames& names = manager.Workbook().GetDefinedNames();
    if (index < 0 || index >= names.Count()) {
        return rtl::UnicodeString(XLSErrorTexts[XLSErrorIndexName]);
    }
    const TXc12DefinedName& name = *names.GetItem(index);
    rtl::UnicodeString text = name.GetBuiltIn() < Xc12BuiltinNames.size()
                                  ? rtl::UnicodeString(Xc12BuiltinNames[name.GetBuiltIn()])
                                  : name.GetName();
    const TXc12DataWorksheets& sheets = manager.Worksheets();
    const int32_t sheet = name.GetLocalSheetId();
    if (sheet >= 0 && sheet != sheetIndex && sheet < sheets.Count()) {
        text = QuoteSheetName(sheets.GetItem(sheet)->GetName()) + u"!" + text;
    }
    return text;
}

TXLSFormulaDecoder::TXLSFormulaDecoder(TXc12Manager& manager)
    : FManager(manager), FNumberSettings(rtl::TFormatSettings::Invariant()) {}

void TXLSFormulaDecoder::Decode(TXLSCellMMU* cells, int32_t sheetIndex, rtl::UnicodeString& text, bool bookNumbers,
                                std::span<const uint8_t> ptgs) {
    text = XLSUndecodedFormula;
    const TXLSPlatform& platform = XLSPlatform();
    FNumberSettings.DecimalSeparator = platform.GetDecimalSeparator();
    TDecodeContext context{.Manager = FManager,
                           .Cells = cells,
                           .SheetIndex = sheetIndex,
                           .BookNumbers = bookNumbers,
                           .NumberSettings = FNumberSettings,
                           .ListSeparator = rtl::UnicodeString(1, platform.GetListSeparator()),
                           .ArrayColumnSeparator = rtl::UnicodeString(1, FManager.GetDecoderSeparator()),
                           .Chain = {}};
    text = TDecodeRun(context).Decode(ptgs);
}

} // namespace xls
