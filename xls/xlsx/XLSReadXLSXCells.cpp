#include "xls/xlsx/XLSReadXLSXCells.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/NumberConversions.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/formula/XLSFormulaHandler.h"
#include "xls/core/model/styles/Xc12DataSST.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"
#include "xls/core/xml/XpgConvert.h"
#include "xls/xlsx/XLSReadXLSXStyles.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <algorithm>
#include <cmath>

namespace xls {

using namespace xpgParserXLSX;

namespace {

// Serial day of 1904-01-01 in the 1900 date system.
constexpr double Date1904Offset = 1462;
// Outline levels a row can have.
constexpr int32_t XLSMaxOutlineLevel = 7;

constexpr uint8_t FormulaOptionAca = 1;
constexpr uint8_t FormulaOptionBx = 2;
constexpr uint8_t FormulaOptionCa = 4;

constexpr uint8_t TableOptionDel1 = 1;
constexpr uint8_t TableOptionDel2 = 2;
constexpr uint8_t TableOptionDt2D = 4;
constexpr uint8_t TableOptionDtr = 8;

// A height in points as twentieths of a point, rounded half to even; -1 (no height of its own) for none.
int16_t RowHeight(double points) {
    if (!(points > 0)) {
        return -1;
    }
    const double twips = std::nearbyint(points * 20);
    return static_cast<int16_t>(std::min(twips, static_cast<double>(INT16_MAX)));
}

uint8_t RowFlags(const TCT_Row& row) {
    return static_cast<uint8_t>((row.GetHidden() ? XLSRowHidden : 0) |
                                (row.GetCustomHeight() ? XLSRowCustomHeight : 0) |
                                (row.GetCollapsed() ? XLSRowCollapsed : 0) | (row.GetThickTop() ? XLSRowThickTop : 0) |
                                (row.GetThickBot() ? XLSRowThickBottom : 0) | (row.GetPh() ? XLSRowPhonetic : 0));
}

TXc12ColumnOptions ColumnOptions(const TCT_Col& col) {
    TXc12ColumnOptions options;
    const std::pair<bool, TXc12ColumnOption> flags[] = {{col.GetHidden(), xcoHidden},
                                                        {col.GetBestFit(), xcoBestFit},
                                                        {col.GetCustomWidth(), xcoCustomWidth},
                                                        {col.GetPhonetic(), xcoPhonetic},
                                                        {col.GetCollapsed(), xcoCollapsed}};
    for (const auto& [set, option] : flags) {
        if (set) {
            options.Include(option);
        }
    }
    return options;
}

uint8_t TableOptions(const TCT_CellFormula& formula) {
    return static_cast<uint8_t>((formula.GetDt2D() ? TableOptionDt2D : 0) | (formula.GetDtr() ? TableOptionDtr : 0) |
                                (formula.GetDel1() ? TableOptionDel1 : 0) | (formula.GetDel2() ? TableOptionDel2 : 0));
}

// Gives back the font uses that a string's runs hold unless they were handed on to the shared-string table, so that
// a string whose reading fails midway leaves every font's use count as it was.
class TFontRunUsesGuard {
public:
    TFontRunUsesGuard(TXc12XFEditor& editor, const TXc12DynFontRunArray& runs) : FEditor(editor), FRuns(runs) {}
    TFontRunUsesGuard(const TFontRunUsesGuard&) = delete;
    TFontRunUsesGuard& operator=(const TFontRunUsesGuard&) = delete;
    ~TFontRunUsesGuard() {
        if (!FHandedOn) {
            FEditor.ReleaseFontRuns(FRuns);
        }
    }

    void HandOn() { FHandedOn = true; }

private:
    TXc12XFEditor& FEditor;
    const TXc12DynFontRunArray& FRuns;
    bool FHandedOn = false;
};

} // namespace

TXLSReadXLSXCells::TXLSReadXLSXCells(TXc12Manager& manager, TXLSReadXLSXStyles& styles, TXLSFormulaHandler& handler)
    : FManager(manager), FStyles(styles), FHandler(handler) {}

void TXLSReadXLSXCells::BeginSheet(TXc12DataWorksheet& sheet) {
    FSheet = &sheet;
    FFormulaAreaIndex.Clear();
    FFormulaAreas.clear();
    FSharedFormulas.Clear();
    FNextRow = 0;
    FNextCol = 0;
    FLastRow = -1;
    FLastCol = -1;
    FOutOfOrder = 0;
}

bool TXLSReadXLSXCells::MayStore(int32_t col, int32_t row, rtl::UnicodeStringView reference) {
    const bool rowRecord = col < 0;
    if (row > FLastRow || (row == FLastRow && (rowRecord || col > FLastCol))) {
        FLastCol = row > FLastRow ? col : std::max(col, FLastCol);
        FLastRow = row;
        return true;
    }
    if (++FOutOfOrder <= XLSMaxOutOfOrder) {
        return true;
    }
    static_cast<void>(FManager.Errors()->ReportError(reference, XLSErrorOutOfOrder));
    return false;
}

TXLSCellMMU& TXLSReadXLSXCells::Cells() const {
    return FSheet->GetCells();
}

void TXLSReadXLSXCells::DoMergeCell(const TCT_MergeCell& cell) {
    TXLSCellAreaRec area;
    if (!StrToCellArea(cell.GetRef(), area)) {
        static_cast<void>(FManager.Errors()->ReportError(cell.GetRef(), XLSErrorInvalidCellReference));
        return;
    }
    FSheet->GetMergedCells().AddRect(area);
}

int32_t TXLSReadXLSXCells::RowIndex(const TCT_Row& row) const {
    // A row without r follows the previous one.
    return row.GetR() > 0 ? row.GetR() - 1 : FNextRow;
}

bool TXLSReadXLSXCells::CellPosition(const TCT_Row& row, const TCT_Cell& cell, int32_t& col, int32_t& rowIndex) {
    if (cell.GetR().empty()) {
        // A cell without r follows the previous cell of its row.
        col = FNextCol;
        rowIndex = RowIndex(row);
    } else if (!ParseCellRef(cell.GetR(), col, rowIndex)) {
        // Raises unless the error manager takes it; then the cell is left out.
        static_cast<void>(FManager.Errors()->ReportError(cell.GetR(), XLSErrorInvalidCellReference));
        return false;
    }
    FNextCol = col + 1;
    return true;
}

int32_t TXLSReadXLSXCells::CheckedXF(int32_t xf) const {
    if (xf >= 0 && xf < FManager.StyleSheet().XFs().Count()) {
        return xf;
    }
    FManager.Errors()->ReportWarning(u"s=" + rtl::IntToStr(xf), XLSWarningStyleIndex);
    return 0;
}

const TXLSReadXLSXCells::TFormulaArea* TXLSReadXLSXCells::FindFormulaArea(int32_t col, int32_t row) {
    const int32_t number = FFormulaAreaIndex.Find(col, row);
    return number >= 0 ? &FFormulaAreas[static_cast<size_t>(number)] : nullptr;
}

void TXLSReadXLSXCells::AddFormulaArea(rtl::UnicodeStringView ref, int32_t col, int32_t row, uint8_t memberKind) {
    TXLSCellAreaRec area;
    if (!ref.empty() && StrToCellArea(ref, area)) {
        static_cast<void>(FFormulaAreaIndex.Add(area));
        FFormulaAreas.push_back({col, row, memberKind});
    }
}

void TXLSReadXLSXCells::RegisterFormulaArea(const TCT_Cell& cell, int32_t col, int32_t row) {
    const TCT_CellFormula& formula = cell.GetF();
    AddFormulaArea(formula.GetRef(), col, row,
                   formula.GetT() == TST_CellFormulaType::Array ? XLSFormulaArrayMember : XLSFormulaTableMember);
}

rtl::UnicodeString TXLSReadXLSXCells::InlineText(const TCT_Rst& rst) {
    rtl::UnicodeString scratch;
    if (rst.GetR().Count() == 0) {
        return rtl::UnicodeString(XmlDecodeXstring(rst.GetT(), scratch));
    }
    rtl::UnicodeString text;
    for (int32_t i = 0; i < rst.GetR().Count(); ++i) {
        text += XmlDecodeXstring(rst.GetR().GetItem(i).GetT(), scratch);
    }
    return text;
}

TXLSCellValue TXLSReadXLSXCells::StringValue(rtl::UnicodeStringView text) {
    rtl::UnicodeString scratch;
    return TXLSCellValue::OfString(XmlDecodeXstring(text, scratch));
}

TXLSCellValue TXLSReadXLSXCells::DateValue(rtl::UnicodeStringView text) const {
    rtl::TDateTime date = 0;
    if (!TryXmlStrToDateTime(text, date)) {
        // Shown as written rather than lost.
        return TXLSCellValue::OfString(text);
    }
    double serial = date;
    if (FManager.Workbook().GetWorkbookPr().GetDate1904()) {
        serial -= Date1904Offset;
    } else if (serial >= 1 && serial < 61) {
        // The 1900 system counts a 29 February 1900, so its serials before March are one below the calendar's.
        serial -= 1;
    }
    return TXLSCellValue::OfFloat(serial);
}

TXLSCellValue TXLSReadXLSXCells::SharedStringValue(rtl::UnicodeStringView text) const {
    const int32_t index = XmlStrToIntDef(text, 0);
    const TXc12DataSST& sst = FManager.SST();
    if (index >= 0 && index < sst.Count() && sst.Item(index) != nullptr) {
        return TXLSCellValue::OfIndex(TXLSCellValue::vkSharedString, index);
    }
    FManager.Errors()->ReportWarning(text, XLSWarningSharedStringIndex);
    return TXLSCellValue::OfIndex(TXLSCellValue::vkError, ErrorStrToIndex(u"#REF!"));
}

TXLSCellValue TXLSReadXLSXCells::PlainValue(const TCT_Cell& cell) const {
    const rtl::UnicodeString& v = cell.GetV();
    if (cell.GetT() == TST_CellType::InlineStr) {
        rtl::UnicodeString scratch;
        return TXLSCellValue::OfString(cell.GetIs().Assigned() || v.empty() ? InlineText(cell.GetIs())
                                                                            : XmlDecodeXstring(v, scratch));
    }
    if (v.empty()) {
        return {};
    }
    switch (cell.GetT()) {
    case TST_CellType::B:
        return TXLSCellValue::OfBoolean(XmlStrToBoolDef(v, false));
    case TST_CellType::N:
        return TXLSCellValue::OfFloat(XmlStrToFloatDef(v, 0));
    case TST_CellType::E:
        return TXLSCellValue::OfIndex(TXLSCellValue::vkError, ErrorStrToIndex(v));
    case TST_CellType::S:
        return SharedStringValue(v);
    case TST_CellType::Str:
        return StringValue(v);
    case TST_CellType::D:
        return DateValue(v);
    default:
        return {};
    }
}

TXLSCellValue TXLSReadXLSXCells::FormulaValue(const TCT_Cell& cell) const {
    const rtl::UnicodeString& v = cell.GetV();
    switch (cell.GetT()) {
    case TST_CellType::B:
        return TXLSCellValue::OfBoolean(XmlStrToBoolDef(v, false));
    case TST_CellType::N:
        return TXLSCellValue::OfFloat(XmlStrToFloatDef(v, 0));
    case TST_CellType::E: {
        // Error values of later versions (#SPILL!, #CALC!) have no index: they keep their text.
        const int32_t index = ErrorStrToIndex(v);
        return index > 0 ? TXLSCellValue::OfIndex(TXLSCellValue::vkError, index) : TXLSCellValue::OfString(v);
    }
    case TST_CellType::Str:
        return StringValue(v);
    case TST_CellType::D:
        return DateValue(v);
    // LibreOffice writes string results as shared or inline strings too: they are read as a plain cell's are.
    case TST_CellType::S:
    case TST_CellType::InlineStr: {
        const TXLSCellValue value = PlainValue(cell);
        return value.Kind == TXLSCellValue::vkSharedString
                   ? TXLSCellValue::OfString(FManager.SST().GetString(value.Index))
                   : value;
    }
    default:
        throw rtl::Exception(u"Unsupported type of formula cell: " + rtl::IntToStr(cell.GetT()));
    }
}

// The errors of a file's formula are the read's to judge, not the caller's: a failure becomes a warning naming the
// cell.
bool TXLSReadXLSXCells::Compile(rtl::UnicodeStringView text, int32_t col, int32_t row) {
    rtl::UnicodeString failure;
    const int32_t length = FHandler.TryEncodeFormula(text, FPtgs, FSheet->Index(), failure);
    if (!failure.empty()) {
        const rtl::UnicodeString cell = QuoteSheetName(FSheet->GetName()) + u"!" + ColRowToStr(col, row);
        FManager.Errors()->ReportWarning(cell + u": " + failure, XLSWarningFormulaNotCompiled);
    }
    return length > 0;
}

void TXLSReadXLSXCells::CompileIntoHelper(rtl::UnicodeStringView text, int32_t col, int32_t row) {
    TXLSFormulaHelper& helper = Cells().FormulaHelper();
    if (Compile(text, col, row)) {
        helper.AttachPtgs(FPtgs.data());
        helper.SetPtgsSize(static_cast<int32_t>(FPtgs.size()));
    } else {
        helper.SetFormulaText(text);
    }
}

bool TXLSReadXLSXCells::RecordSharedFormula(const TCT_CellFormula& formula, int32_t col, int32_t row) {
    TXLSSharedFormula shared{.MasterCol = col, .MasterRow = row};
    StrToCellArea(formula.GetRef(), shared.Area);
    const bool compiled = Compile(formula.GetText(), col, row);
    if (compiled) {
        shared.Ptgs = FPtgs;
    }
    FSharedFormulas.Add(formula.GetSi(), std::move(shared));
    return compiled;
}

bool TXLSReadXLSXCells::MoveSharedFormula(int32_t si, int32_t col, int32_t row) {
    const TXLSSharedFormula* shared = FSharedFormulas.GetItem(si);
    if (shared == nullptr || shared->Ptgs.empty() || !shared->Covers(col, row)) {
        return false;
    }
    FPtgs = TXLSFormulaHandler::TranslateRelativeRefs(shared->Ptgs, col - shared->MasterCol, row - shared->MasterRow);
    return true;
}

rtl::UnicodeString TXLSReadXLSXCells::EventFormulaText(const TCT_CellFormula& formula, int32_t col, int32_t row) {
    if (formula.GetT() != TST_CellFormulaType::Shared) {
        return formula.GetText();
    }
    if (!formula.GetText().empty()) {
        RecordSharedFormula(formula, col, row);
        return formula.GetText();
    }
    rtl::UnicodeString text;
    if (MoveSharedFormula(formula.GetSi(), col, row)) {
        FHandler.DecodeFormula(nullptr, FSheet->Index(), text, false, FPtgs);
    }
    return text;
}

void TXLSReadXLSXCells::StoreFormula(const TCT_Cell& cell, int32_t col, int32_t row, int32_t xf) {
    const TCT_CellFormula& formula = cell.GetF();
    TXLSFormulaHelper& helper = Cells().FormulaHelper();
    helper.Clear();
    helper.SetCell(col, row);
    helper.SetXF(xf);
    uint8_t options = (formula.GetBx() ? FormulaOptionBx : 0) | (formula.GetCa() ? FormulaOptionCa : 0);
    switch (formula.GetT()) {
    case TST_CellFormulaType::Array:
        RegisterFormulaArea(cell, col, row);
        helper.SetFormulaKind(XLSFormulaArray);
        helper.SetAreaText(formula.GetRef());
        CompileIntoHelper(formula.GetText(), col, row);
        options |= formula.GetAca() ? FormulaOptionAca : 0;
        break;
    case TST_CellFormulaType::DataTable:
        RegisterFormulaArea(cell, col, row);
        helper.SetFormulaKind(XLSFormulaDataTable);
        helper.SetAreaText(formula.GetRef());
        helper.SetHasTable(true);
        helper.SetTableOptions(TableOptions(formula));
        if (!formula.GetR1().empty() && helper.SetTableRef1Text(formula.GetR1()) && !formula.GetR2().empty()) {
            helper.SetTableRef2Text(formula.GetR2());
        }
        break;
    case TST_CellFormulaType::Shared: {
        // The master carries the text; another cell of its area takes the master's tokens, or without them keeps
        // only its cached result.
        const bool master = !formula.GetText().empty();
        const bool compiled =
            master ? RecordSharedFormula(formula, col, row) : MoveSharedFormula(formula.GetSi(), col, row);
        if (compiled) {
            helper.AttachPtgs(FPtgs.data());
            helper.SetPtgsSize(static_cast<int32_t>(FPtgs.size()));
        } else if (master) {
            helper.SetFormulaText(formula.GetText());
        }
        break;
    }
    default:
        CompileIntoHelper(formula.GetText(), col, row);
        break;
    }
    helper.SetOptions(options);
    FManager.Errors()->SetLastError(0);
    SetFormulaHelperResult(Cells().FormulaHelper(), FormulaValue(cell));
    Cells().StoreFormula();
}

void TXLSReadXLSXCells::StoreMember(const TCT_Cell& cell, const TFormulaArea& area, int32_t col, int32_t row,
                                    int32_t xf) {
    TXLSFormulaHelper& helper = Cells().FormulaHelper();
    helper.Clear();
    helper.SetCell(col, row);
    helper.SetMaster(area.MasterCol, area.MasterRow);
    helper.SetXF(xf);
    helper.SetFormulaKind(area.MemberKind);
    FManager.Errors()->SetLastError(0);
    SetFormulaHelperResult(Cells().FormulaHelper(), FormulaValue(cell));
    Cells().StoreFormula();
}

void TXLSReadXLSXCells::DoCell(const TCT_Row& row, const TCT_Cell& cell) {
    ++FCellCount;
    int32_t col = 0;
    int32_t rowIndex = 0;
    if (!CellPosition(row, cell, col, rowIndex)) {
        return;
    }
    FFormulaAreaIndex.Advance(rowIndex);
    if (!MayStore(col, rowIndex, cell.GetR())) {
        return;
    }
    const int32_t xf = CheckedXF(cell.GetS());
    if (cell.GetF().Assigned()) {
        StoreFormula(cell, col, rowIndex, xf);
    } else if (const TFormulaArea* area = FindFormulaArea(col, rowIndex)) {
        StoreMember(cell, *area, col, rowIndex, xf);
    } else {
        StoreCellValue(Cells(), col, rowIndex, xf, PlainValue(cell));
    }
}

void TXLSReadXLSXCells::DoCellEvent(const TCT_Row& row, const TCT_Cell& cell) {
    ++FCellCount;
    int32_t col = 0;
    int32_t rowIndex = 0;
    if (!CellPosition(row, cell, col, rowIndex)) {
        return;
    }
    FFormulaAreaIndex.Advance(rowIndex);
    const TCT_CellFormula& formula = cell.GetF();
    const bool isFormula = formula.Assigned();
    if (isFormula &&
        (formula.GetT() == TST_CellFormulaType::Array || formula.GetT() == TST_CellFormulaType::DataTable)) {
        RegisterFormulaArea(cell, col, rowIndex);
        return;
    }
    if (!isFormula && FindFormulaArea(col, rowIndex) != nullptr) {
        return;
    }
    const TXLSCellValue value = isFormula ? FormulaValue(cell) : PlainValue(cell);
    if (value.Kind == TXLSCellValue::vkNone) {
        return;
    }
    TXLSEventCell& event = FManager.EventCell();
    event.Clear();
    event.SetSheetIndex(FSheet->Index());
    event.SetCol(col);
    event.SetRow(rowIndex);
    if (isFormula) {
        event.SetFormula(EventFormulaText(formula, col, rowIndex));
        FManager.Errors()->SetLastError(0);
    }
    SetEventCellValue(event, FManager.SST(), value);
    FManager.FireReadCell();
}

void TXLSReadXLSXCells::AdvanceRow(const TCT_Row& row) {
    ++FRowCount;
    FNextRow = RowIndex(row) + 1;
    FNextCol = 0;
    // Rows come in ascending order, so areas that end above the next row can take no more members.
    FFormulaAreaIndex.Advance(FNextRow);
}

void TXLSReadXLSXCells::DoRow(const TCT_Row& row) {
    const int32_t rowIndex = RowIndex(row);
    if (!MayStore(-1, rowIndex, u"row " + rtl::IntToStr(rowIndex + 1))) {
        AdvanceRow(row);
        return;
    }
    TXLSRowRecord record = Cells().SetRowFormat(rowIndex, CheckedXF(row.GetS()));
    record.SetHeight(RowHeight(row.GetHt()));
    record.SetFlags(RowFlags(row));
    record.SetOutlineLevel(static_cast<uint8_t>(std::clamp(row.GetOutlineLevel(), 0, XLSMaxOutlineLevel)));
    AdvanceRow(row);
}

void TXLSReadXLSXCells::DoCol(const TCT_Col& col) {
    // Columns are 1-based in the file; a range reaching past the sheet is cut at its edge.
    const int32_t first = std::max(col.GetMin(), 1) - 1;
    const int32_t last = std::min(col.GetMax(), XLSMaxCol + 1) - 1;
    if (last < first) {
        return;
    }
    TXc12DataStyleSheet& styleSheet = FManager.StyleSheet();
    TXc12XF* xf = styleSheet.XFs().GetItem(CheckedXF(col.GetStyle()));
    TXc12Column* column = FSheet->GetColumns().Add(xf);
    styleSheet.XFEditor().UseXF(xf);
    column->SetFirstCol(first);
    column->SetLastCol(last);
    column->SetWidth(col.GetWidth());
    column->SetOutlineLevel(std::clamp(col.GetOutlineLevel(), 0, XLSMaxOutlineLevel));
    column->SetOptions(ColumnOptions(col));
}

void TXLSReadXLSXCells::ReadRichText(const TCT_Rst& rst, rtl::UnicodeString& text, TXc12DynPhoneticRunArray& phonetic,
                                     TXc12DynFontRunArray& fonts) {
    text.clear();
    phonetic.clear();
    fonts.clear();
    const TCT_REltXpgList& runs = rst.GetR();
    for (int32_t i = 0; i < runs.Count(); ++i) {
        const TCT_RElt& run = runs.GetItem(i);
        const bool hasProperties = run.GetRPr().Assigned();
        // A first run without properties shows in the cell's own font and needs no font run.
        if (i > 0 || hasProperties) {
            fonts.push_back(
                {static_cast<int32_t>(text.size()), hasProperties ? FStyles.ReadRunFont(run.GetRPr()) : nullptr});
        }
        text += XmlDecodeXstring(run.GetT(), FXstring);
    }
    for (int32_t i = 0; i < rst.GetRPh().Count(); ++i) {
        const TCT_PhoneticRun& run = rst.GetRPh().GetItem(i);
        phonetic.push_back({run.GetSb(), run.GetEb(), rtl::UnicodeString(XmlDecodeXstring(run.GetT(), FXstring))});
    }
}

void TXLSReadXLSXCells::DoSharedString(const TCT_Rst& item) {
    TXc12DataSST& sst = FManager.SST();
    if (item.GetR().Count() == 0) {
        sst.AddString(XmlDecodeXstring(item.GetT(), FXstring));
        return;
    }
    rtl::UnicodeString text;
    TXc12DynPhoneticRunArray phonetic;
    TXc12DynFontRunArray fonts;
    TFontRunUsesGuard uses(FManager.StyleSheet().XFEditor(), fonts);
    ReadRichText(item, text, phonetic, fonts);
    sst.AddFormattedString(text, fonts);
    uses.HandOn();
}

} // namespace xls
