#include "xls/api/XLSWorksheet.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/NumberConversions.h"
#include "xls/api/XLSHyperlinks.h"
#include "xls/api/XLSMoveCopyObjects.h"
#include "xls/api/XLSNames.h"
#include "xls/api/XLSSheetObjects.h"
#include "xls/core/formula/XLSFormulaHandler.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5XFs.h"
#include "xls/core/model/workbook/Xc12DataXLinks5.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

namespace xls {

namespace {

[[noreturn]] void RaiseCellMissingOrWrongType() {
    throw rtl::Exception(XLSCellMissingOrWrongType);
}

rtl::UnicodeString NumberText(double value) {
    return rtl::FloatToStr(value);
}

rtl::UnicodeString BooleanText(bool value) {
    return rtl::UnicodeString(value ? XLSTrueText : XLSFalseText);
}

// An index outside the table (a damaged cell) reads as no text.
rtl::UnicodeString ErrorText(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(XLSErrorTexts.size())) {
        return {};
    }
    return rtl::UnicodeString(XLSErrorTexts[static_cast<size_t>(index)]);
}

// The positive decimal number that digits spells, or 0 when it spells none.
int32_t PositiveNumber(rtl::UnicodeStringView digits) {
    if (digits.empty() || digits.size() > 9) {
        return 0;
    }
    int32_t value = 0;
    for (const char16_t c : digits) {
        if (c < u'0' || c > u'9') {
            return 0;
        }
        value = value * 10 + (c - u'0');
    }
    return value;
}

// A view of the wrapper's own for a sheet whose model has none.
std::unique_ptr<TXc12SheetView> OwnViewFor(TXc12DataWorksheet& sheet) {
    return sheet.GetSheetViews().Count() == 0 ? std::make_unique<TXc12SheetView>() : nullptr;
}

} // namespace

TXLSWorksheet::TXLSWorksheet(TXc12DataWorksheet* dataWorksheet, TXc12Manager* manager, TXLSFormulaHandler* handler)
    : FManager(manager), FFormulaHandler(handler), FDataSheet(dataWorksheet), FCells(&dataWorksheet->GetCells()),
      FOwnView(OwnViewFor(*dataWorksheet)),
      FView(FOwnView != nullptr ? FOwnView.get() : dataWorksheet->GetSheetViews().GetItem(0)),
      FCell(manager->StyleSheet(), *FCells), FRows(manager->StyleSheet(), *FCells),
      FColumns(manager->StyleSheet(), dataWorksheet->GetColumns()), FComments(dataWorksheet->GetComments()),
      FSelectedAreas(*FView),
      FPrintSettings(*dataWorksheet, dynamic_cast<TXLSNames*>(&manager->Workbook().GetDefinedNames())),
      FPane(FView->GetPane()), FProtection(dataWorksheet->GetSheetProtection()) {
    // A change of a column's format may move the notes anchored to it.
    FColumns.SetOnChange([this](int32_t, int32_t) { FComments.Refresh(); });
    if (FPrintSettings.GetPaperSize() == TXc12PageSetup::PaperSizeNotSet) {
        FPrintSettings.SetPaperSize(manager->GetDefaultPaperSize());
    }
}

TXLSWorksheet::~TXLSWorksheet() = default;

void TXLSWorksheet::CalcDimensions() {
    FCells->CalcDimension();
    FDataSheet->SetDimension(FCells->Dimension());
}

int32_t TXLSWorksheet::GetFirstRow() const {
    return FDataSheet->GetDimension().Row1;
}

int32_t TXLSWorksheet::GetLastRow() const {
    return FDataSheet->GetDimension().Row2;
}

int32_t TXLSWorksheet::GetFirstCol() const {
    return FDataSheet->GetDimension().Col1;
}

int32_t TXLSWorksheet::GetLastCol() const {
    return FDataSheet->GetDimension().Col2;
}

TXLSCellHandle TXLSWorksheet::FindCell(int32_t col, int32_t row) {
    TXLSCellHandle handle;
    FCells->FindCellRef(col, row, handle);
    return handle;
}

int32_t TXLSWorksheet::GetCellType(int32_t col, int32_t row) {
    return FCells->GetKind(FindCell(col, row));
}

double TXLSWorksheet::GetAsFloat(int32_t col, int32_t row) {
    const TXLSCellHandle cell = FindCell(col, row);
    switch (FCells->GetKind(cell)) {
    case XLSKindFloat:
        return FCells->GetFloat(cell);
    case XLSResultFloat:
        return FCells->GetFormulaFloatResult(cell);
    default:
        RaiseCellMissingOrWrongType();
    }
}

rtl::UnicodeString TXLSWorksheet::GetAsString(int32_t col, int32_t row) {
    const TXLSCellHandle cell = FindCell(col, row);
    switch (FCells->GetKind(cell)) {
    case XLSKindBoolean:
        return BooleanText(FCells->GetBoolean(cell));
    case XLSKindError:
        return ErrorText(FCells->GetError(cell));
    case XLSKindString:
        return FCells->GetString(cell);
    case XLSKindFloat:
        return NumberText(FCells->GetFloat(cell));
    case XLSResultFloat:
        return NumberText(FCells->GetFormulaFloatResult(cell));
    case XLSResultString:
        return FCells->GetFormulaStringResult(cell);
    case XLSResultBoolean:
        return BooleanText(FCells->GetFormulaBoolResult(cell));
    case XLSResultError:
        return ErrorText(FCells->GetFormulaErrorResult(cell));
    default:
        return {};
    }
}

rtl::UnicodeString TXLSWorksheet::GetFormulaText(int32_t col, int32_t row) {
    const TXLSCellHandle cell = FindCell(col, row);
    const int32_t kind = FCells->GetKind(cell);
    if (kind < XLSResultFloat || kind > XLSResultError) {
        RaiseCellMissingOrWrongType();
    }
    if (!FCells->IsFormulaCompiled(cell)) {
        return ReplaceExternalBook(FCells->GetFormulaText(cell));
    }
    int32_t length = 0;
    const uint8_t* ptgs = FCells->GetFormulaPtgs(cell, length);
    rtl::UnicodeString text;
    FFormulaHandler->DecodeFormula(FCells, FDataSheet->Index(), text, false, {ptgs, static_cast<size_t>(length)});
    return text;
}

// Formulas keep external books as "[n]" (1-based in the external links); the text shows the book's path. A number
// that names no link leaves the text as it is.
rtl::UnicodeString TXLSWorksheet::ReplaceExternalBook(const rtl::UnicodeString& formula) const {
    if (formula.empty() || formula.front() != u'[') {
        return formula;
    }
    const size_t close = formula.find(u']');
    if (close == rtl::UnicodeString::npos) {
        return formula;
    }
    const int32_t book = PositiveNumber(rtl::UnicodeStringView(formula).substr(1, close - 1));
    const TXc12DataXLinks& links = FManager->XLinks();
    if (book < 1 || book > links.Count()) {
        return formula;
    }
    return u"[" + links.GetItem(book - 1)->GetExternalBook().GetPath() + formula.substr(close);
}

int32_t TXLSWorksheet::GetDefaultXF(int32_t col, int32_t row) {
    const int32_t columnXF = FColumns.GetColumn(col).GetXFIndex();
    if (columnXF != 0) {
        return columnXF;
    }
    const TXLSRowRecord record = FCells->GetRowRecord(row);
    return record ? record.XF() : 0;
}

void TXLSWorksheet::SetAsString(int32_t col, int32_t row, rtl::UnicodeStringView text) {
    FCells->StoreString(col, row, text, GetDefaultXF(col, row));
}

bool TXLSWorksheet::IsEmpty() {
    return !FCells->BeginIterate(0) || !FCells->NextCell();
}

const rtl::UnicodeString& TXLSWorksheet::GetName() const {
    return FDataSheet->GetName();
}

rtl::TObject* TXLSWorksheet::GetObject(const rtl::TMetaclass& metaclass) {
    if (metaclass == TXc12DataWorksheet::StaticClass()) {
        return FDataSheet;
    }
    if (metaclass == TCellAreas::StaticClass()) {
        return &FSelectedAreas;
    }
    if (metaclass == TXLSColumns::StaticClass()) {
        return &FColumns;
    }
    if (metaclass == TXLSRows::StaticClass()) {
        return &FRows;
    }
    return nullptr;
}

TXLSCell& TXLSWorksheet::GetCell(int32_t col, int32_t row) {
    FCell.SetPosition(col, row);
    return FCell;
}

TXLSHyperlinks* TXLSWorksheet::GetHyperlinks() const {
    return dynamic_cast<TXLSHyperlinks*>(&FDataSheet->GetHyperlinks());
}

TXLSMergedCells* TXLSWorksheet::GetMergedCells() const {
    return dynamic_cast<TXLSMergedCells*>(&FDataSheet->GetMergedCells());
}

TXLSDataValidations* TXLSWorksheet::GetDataValidations() const {
    return dynamic_cast<TXLSDataValidations*>(&FDataSheet->GetDataValidations());
}

TXLSConditionalFormats* TXLSWorksheet::GetConditionalFormats() const {
    return dynamic_cast<TXLSConditionalFormats*>(&FDataSheet->GetConditionalFormatting());
}

TXLSAutofilter* TXLSWorksheet::GetAutofilter() const {
    return dynamic_cast<TXLSAutofilter*>(&FDataSheet->GetAutofilter());
}

} // namespace xls
