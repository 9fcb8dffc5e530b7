#include "xls/xlsx/XLSReadXLSX.h"

#include "rtl/text/CodePages.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/model/package/Xc12FileData5.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"
#include "xls/core/opc/OPCPackage.h"
#include "xls/core/xml/XpgPErrors.h"
#include "xls/xlsx/XLSReadXLSXWorkbook.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <memory>

namespace xls {

using namespace xpgParserXLSX;

TXLSReadXLSX::TXLSReadXLSX(TXc12Manager& manager, TXLSFormulaHandler& handler)
    : FManager(manager), FStyles(manager.StyleSheet(), *manager.Errors(), manager.Palette()),
      FCells(manager, FStyles, handler) {}

void TXLSReadXLSX::LoadFromStream(rtl::TStream& stream) {
    try {
        ReadPackage(stream);
    } catch (...) {
        // No half-filled model: the caller gets an empty, usable workbook and the package is let go.
        FManager.Clear();
        FManager.Palette().Reset();
        throw;
    }
}

void TXLSReadXLSX::ReadPackage(rtl::TStream& stream) {
    TXc12FileData& fileData = FManager.FileData();
    fileData.ReadPackage(stream);
    ReadStyles();
    ReadSharedStrings();
    ReadWorkbook();
    ReadSheets();
    fileData.KeepUnreadParts();
    fileData.GetPackage().Close();
}

void TXLSReadXLSX::PrepareDocument(TXPGDocXLSX& document) {
    document.Errors().SetErrorHandler([this](TXpgPErrors& errors) { DoXmlError(errors); });
}

void TXLSReadXLSX::DoXmlError(TXpgPErrors& errors) {
    FManager.Errors()->ReportWarning(errors.Message(), XLSWarningXMLRead);
}

void TXLSReadXLSX::ReadStyles() {
    const std::unique_ptr<rtl::TStream> stream = FManager.FileData().GetPackage().OpenStyles();
    if (stream == nullptr) {
        return;
    }
    TXPGDocXLSX document;
    PrepareDocument(document);
    document.LoadFromStream(*stream);
    FStyles.ReadStyles(document.GetStyleSheet());
}

void TXLSReadXLSX::ReadSharedStrings() {
    const std::unique_ptr<rtl::TStream> stream = FManager.FileData().GetPackage().OpenSharedStrings();
    if (stream == nullptr) {
        return;
    }
    TXPGDocXLSX document;
    PrepareDocument(document);
    document.GetRoot().GetSst().SetOnStringItem([this](TCT_Rst& item) { FCells.DoSharedString(item); });
    document.LoadFromStream(*stream);
}

void TXLSReadXLSX::ReadWorkbook() {
    const std::unique_ptr<rtl::TStream> stream = FManager.FileData().GetPackage().OpenWorkbook();
    if (stream == nullptr) {
        return;
    }
    TXPGDocXLSX document;
    PrepareDocument(document);
    TXc12DefinedNames& names = FManager.Workbook().GetDefinedNames();
    document.GetWorkbook().GetDefinedNames().SetOnDefinedName(
        [&names](TCT_DefinedName& name) { DoDefinedName(name, names); });
    document.LoadFromStream(*stream);
    ReadWorkbookPart(document.GetWorkbook(), FManager.Workbook());
}

void TXLSReadXLSX::ReadSheets() {
    TXc12Sheets& entries = FManager.Workbook().GetSheets();
    TXc12DataWorksheets& sheets = FManager.Worksheets();
    for (int32_t i = 0; i < entries.Count(); ++i) {
        const TXc12Sheet& entry = *entries.GetItem(i);
        // The model counts sheet ids from 0; an entry without a usable id gets the next one.
        TXc12DataWorksheet* sheet = sheets.Add(entry.GetSheetId() > 0 ? entry.GetSheetId() - 1 : -1);
        sheet->SetName(entry.GetName());
        sheet->SetState(entry.GetState());
        sheet->SetRId(entry.GetRId());
    }
    TOPC_XLSX& package = FManager.FileData().GetPackage();
    for (int32_t i = 0; i < sheets.Count(); ++i) {
        FCurrentWorksheet = sheets.GetItem(i);
        const rtl::AnsiString& id = FCurrentWorksheet->GetRId();
        FManager.FileData().AddSheetId(rtl::AnsiToUnicode(id));
        FCurrentWorksheet->SetIsChartsheet(package.IsChartsheet(id));
        if (FCurrentWorksheet->GetIsChartsheet()) {
            ReadChartsheet(id);
        } else {
            ReadWorksheet(id);
        }
    }
    entries.Clear();
}

void TXLSReadXLSX::InstallCellCallbacks(TXPGDocXLSX& document) {
    document.GetWorksheet().GetMergeCells().SetOnMergeCell([this](TCT_MergeCell& cell) { FCells.DoMergeCell(cell); });
    TCT_SheetData& sheetData = document.GetWorksheet().GetSheetData();
    TCT_Row& row = sheetData.GetRow();
    if (FManager.GetDirectRead()) {
        // Nothing of the sheet data enters the cell store: each cell goes to the read-cell event.
        sheetData.SetOnRow([this](TCT_Row& item) { FCells.AdvanceRow(item); });
        row.SetOnCell([this, &row](TCT_Cell& cell) { FCells.DoCellEvent(row, cell); });
        return;
    }
    document.SetOnCol([this](TCT_Col& col) { FCells.DoCol(col); });
    sheetData.SetOnRow([this](TCT_Row& item) { FCells.DoRow(item); });
    row.SetOnCell([this, &row](TCT_Cell& cell) { FCells.DoCell(row, cell); });
}

void TXLSReadXLSX::CopyWorksheet(TXPGDocXLSX& document) {
    const TCT_Worksheet& worksheet = document.GetWorksheet();
    TXLSCellAreaRec dimension;
    // An absent or unreadable dimension leaves no area, to be computed from the cells.
    StrToCellArea(worksheet.GetDimension().GetRef(), dimension);
    FCurrentWorksheet->SetDimension(dimension);

    const TCT_SheetFormatPr& element = worksheet.GetSheetFormatPr();
    TXc12SheetFormatPr& format = FCurrentWorksheet->GetSheetFormatPr();
    format.SetBaseColWidth(element.GetBaseColWidth());
    format.SetDefaultColWidth(element.GetDefaultColWidth());
    format.SetDefaultRowHeight(element.GetDefaultRowHeight() * 20);
    format.SetCustomHeight(element.GetCustomHeight());
    format.SetZeroHeight(element.GetZeroHeight());
    format.SetThickTop(element.GetThickTop());
    format.SetThickBottom(element.GetThickBottom());
    format.SetOutlineLevelRow(element.GetOutlineLevelRow());
    format.SetOutlineLevelCol(element.GetOutlineLevelCol());
}

void TXLSReadXLSX::ReadWorksheet(const rtl::AnsiString& id) {
    FCells.BeginSheet(*FCurrentWorksheet);
    TOPC_XLSX& package = FManager.FileData().GetPackage();
    try {
        const std::unique_ptr<rtl::TStream> stream = package.OpenWorksheet(id);
        TXPGDocXLSX document;
        PrepareDocument(document);
        InstallCellCallbacks(document);
        document.LoadFromStream(*stream);
        CopyWorksheet(document);
    } catch (...) {
        package.CloseSheet();
        throw;
    }
    package.CloseSheet();
}

void TXLSReadXLSX::ReadChartsheet(const rtl::AnsiString& id) {
    // A chartsheet holds no cells. Its part must exist; what it draws is not read, as the chart model is not part
    // of this reader.
    TOPC_XLSX& package = FManager.FileData().GetPackage();
    const std::unique_ptr<rtl::TStream> stream = package.OpenChartsheet(id);
    package.CloseSheet();
}

} // namespace xls
