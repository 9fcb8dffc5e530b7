// The sheet level of the .xlsx reader: the sheet list, the tables of every worksheet, each worksheet or chartsheet
// part with its settings, views, filters, conditional formats, validations, hyperlinks, drawing, legacy drawing,
// pivot tables and comments.

#include "rtl/text/CodePages.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/model/package/Xc12DrawingDocument.h"
#include "xls/core/model/package/Xc12FileData5.h"
#include "xls/core/model/package/Xc12GraphicManager.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"
#include "xls/core/opc/OPCPackage.h"
#include "xls/core/xml/XpgSimpleDOM.h"
#include "xls/xlsx/XLSReadXLSX.h"
#include "xls/xlsx/XLSReadXLSXRawRows.h"
#include "xls/xlsx/sheet/XLSReadXLSXComments.h"
#include "xls/xlsx/sheet/XLSReadXLSXFilters.h"
#include "xls/xlsx/sheet/XLSReadXLSXSheetSettings.h"
#include "xls/xlsx/sheet/XLSReadXLSXSheetViews.h"
#include "xls/xlsx/sheet/XLSReadXLSXTables.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <memory>
#include <vector>

namespace xls {

using namespace xpgParserXLSX;

namespace {

// What a sheet part's relationship type says it is, for a warning.
rtl::UnicodeString SheetKind(const TOPCItem& part) {
    const rtl::UnicodeString& type = part.GetRelType();
    const size_t slash = type.find_last_of(u'/');
    return slash == rtl::UnicodeString::npos ? type : type.substr(slash + 1);
}

// The name of a part below the sheet for a warning: "Sheet1: table rId2".
rtl::UnicodeString SheetPartName(const TXc12DataWorksheet& sheet, rtl::UnicodeStringView kind,
                                 rtl::UnicodeStringView id) {
    return sheet.GetName() + u": " + rtl::UnicodeString(kind) + u" " + rtl::UnicodeString(id);
}

// The extension of a part path without its full stop; empty without one.
rtl::UnicodeString ExtensionOf(const rtl::UnicodeString& path) {
    const size_t dot = path.find_last_of(u'.');
    const size_t slash = path.find_last_of(u'/');
    if (dot == rtl::UnicodeString::npos || (slash != rtl::UnicodeString::npos && dot < slash)) {
        return {};
    }
    return path.substr(dot + 1);
}

} // namespace

void TXLSReadXLSX::ReadSheets() {
    AddSheets();
    ReadTables();
    TXc12DataWorksheets& sheets = FManager.Worksheets();
    for (int32_t i = 0; i < sheets.Count(); ++i) {
        ReadSheet(*sheets.GetItem(i));
    }
    FManager.Workbook().GetSheets().Clear();
}

void TXLSReadXLSX::AddSheets() {
    const TXc12Sheets& entries = FManager.Workbook().GetSheets();
    TXc12DataWorksheets& sheets = FManager.Worksheets();
    for (int32_t i = 0; i < entries.Count(); ++i) {
        const TXc12Sheet& entry = *entries.GetItem(i);
        // The model counts sheet ids from 0; an entry without a usable id gets the next one.
        TXc12DataWorksheet* sheet = sheets.Add(entry.GetSheetId() > 0 ? entry.GetSheetId() - 1 : -1);
        sheet->SetName(entry.GetName());
        sheet->SetState(entry.GetState());
        sheet->SetRId(entry.GetRId());
    }
}

void TXLSReadXLSX::ReadTables() {
    TOPC_XLSX& package = FManager.FileData().GetPackage();
    TXc12DataWorksheets& sheets = FManager.Worksheets();
    for (int32_t i = 0; i < sheets.Count(); ++i) {
        TXc12DataWorksheet& sheet = *sheets.GetItem(i);
        std::vector<rtl::AnsiString> ids;
        if (sheet.GetRId().empty() || !package.ListSheetTableIds(sheet.GetRId(), ids)) {
            continue;
        }
        for (const rtl::AnsiString& id : ids) {
            ReadTable(sheet, id);
        }
    }
}

void TXLSReadXLSX::ReadTable(TXc12DataWorksheet& sheet, const rtl::AnsiString& id) {
    TOPC_XLSX& package = FManager.FileData().GetPackage();
    TXc12Tables& tables = sheet.GetTables();
    const int32_t count = tables.Count();
    ReadOptionalPart(
        SheetPartName(sheet, u"table", rtl::AnsiToUnicode(id)),
        [&] {
            const std::unique_ptr<rtl::TStream> stream = package.OpenSheetTable(sheet.GetRId(), id);
            package.CloseTable();
            if (stream == nullptr) {
                return;
            }
            TXPGDocXLSX document;
            PrepareDocument(document);
            document.LoadFromStream(*stream);
            ReadTablePart(document.GetTable(), *tables.Add(), FManager.StyleSheet());
        },
        [&] {
            while (tables.Count() > count) {
                tables.Delete(tables.Count() - 1);
            }
        });
}

void TXLSReadXLSX::ReadSheet(TXc12DataWorksheet& sheet) {
    FCurrentWorksheet = &sheet;
    const rtl::AnsiString& id = sheet.GetRId();
    FManager.FileData().AddSheetId(rtl::AnsiToUnicode(id));
    const TOPCItem* part = id.empty() ? nullptr : FManager.FileData().GetPackage().FindWorkbookChild(id);
    if (part != nullptr && part->GetRelType() == OPCRelTypes::Chartsheet) {
        sheet.SetIsChartsheet(true);
        ReadChartsheet(id);
    } else if (part != nullptr && part->GetRelType() == OPCRelTypes::Worksheet) {
        ReadWorksheet(id);
    } else {
        // The entry stays as an empty sheet: defined names and formulas count sheets by their place.
        FManager.Errors()->ReportWarning(sheet.GetName() + u": " + (part == nullptr ? u"no part" : SheetKind(*part)),
                                         XLSWarningSheetNotRead);
    }
}

void TXLSReadXLSX::InstallCellCallbacks(TXPGDocXLSX& document) {
    TCT_Worksheet& worksheet = document.GetWorksheet();
    worksheet.GetMergeCells().SetOnMergeCell([this](TCT_MergeCell& cell) { FCells.DoMergeCell(cell); });
    worksheet.GetHyperlinks().SetOnHyperlink([this](TCT_Hyperlink& link) { DoHyperlink(link); });
    TCT_SheetData& sheetData = worksheet.GetSheetData();
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

void TXLSReadXLSX::ReadWorksheet(const rtl::AnsiString& id) {
    FCells.BeginSheet(*FCurrentWorksheet);
    TOPC_XLSX& package = FManager.FileData().GetPackage();
    try {
        const std::unique_ptr<rtl::TStream> stream = package.OpenWorksheet(id);
        TXPGDocXLSX document;
        PrepareDocument(document);
        InstallCellCallbacks(document);
        TXLSReadXLSXRawRows rawRows(document.Reader(), document.GetWorksheet().GetSheetData());
        document.Reader().SetRawConstructReader(&rawRows);
        document.LoadFromStream(*stream);
        CopyWorksheet(document.GetWorksheet());
        ReadPivotTables();
    } catch (...) {
        package.CloseSheet();
        throw;
    }
    package.CloseSheet();
    ReadComments();
}

void TXLSReadXLSX::CopyWorksheet(const TCT_Worksheet& worksheet) {
    TXc12DataWorksheet& sheet = *FCurrentWorksheet;
    TXc12DataStyleSheet& styleSheet = FManager.StyleSheet();
    // An absent or unreadable dimension leaves no area, to be computed from the cells.
    sheet.SetDimension(AreaOf(worksheet.GetDimension().GetRef()));
    ReadWorksheetSettings(worksheet, sheet, FStyles);
    if (worksheet.GetSheetViews().Assigned()) {
        ReadSheetViews(worksheet.GetSheetViews(), sheet);
    }
    if (worksheet.GetAutoFilter().Assigned()) {
        ReadAutoFilter(worksheet.GetAutoFilter(), sheet.GetAutofilter(), styleSheet);
    }
    if (worksheet.GetSortState().Assigned()) {
        ReadSortState(worksheet.GetSortState(), sheet.GetSortState());
    }
    ReadCustomSheetViews(worksheet.GetCustomSheetViews(), sheet, styleSheet);
    const TCT_ConditionalFormattingXpgList& formats = worksheet.GetConditionalFormatting();
    for (int32_t i = 0; i < formats.Count(); ++i) {
        ReadConditionalFormatting(formats.GetItem(i), *sheet.GetConditionalFormatting().Add(), FStyles, styleSheet);
    }
    if (worksheet.GetDataValidations().Assigned()) {
        ReadDataValidations(worksheet.GetDataValidations(), sheet.GetDataValidations());
    }
    ReadPrinterSettings(worksheet.GetPageSetup());
    if (!worksheet.GetDrawing().GetId().empty()) {
        ReadDrawing(worksheet.GetDrawing().GetId());
    }
    if (!worksheet.GetLegacyDrawing().GetId().empty()) {
        ReadVmlDrawing(worksheet.GetLegacyDrawing().GetId());
    }
}

void TXLSReadXLSX::ReadPrinterSettings(const TCT_PageSetup& element) {
    if (element.GetId().empty()) {
        return;
    }
    TXc12PageSetup& setup = FCurrentWorksheet->GetPageSetup();
    ReadOptionalPart(SheetPartName(*FCurrentWorksheet, u"printer settings", element.GetId()), [&] {
        if (std::unique_ptr<rtl::TStream> stream =
                FManager.FileData().GetPackage().OpenPrinterSettings(rtl::UnicodeToAnsi(element.GetId()))) {
            setup.SetPrinterSettings(std::move(stream));
        }
    });
}

// Without a drawing model (the class factory made no drawing document) the drawing part and its images are not
// opened: they stay with the package's unread parts, whole.
void TXLSReadXLSX::ReadDrawing(const rtl::UnicodeString& id) {
    TXc12DrawingDocument* drawing = FCurrentWorksheet->GetDrawing();
    if (drawing == nullptr) {
        return;
    }
    TOPC_XLSX& package = FManager.FileData().GetPackage();
    ReadOptionalPart(SheetPartName(*FCurrentWorksheet, u"drawing", id), [&] {
        try {
            const std::unique_ptr<rtl::TStream> stream = package.OpenDrawing(rtl::UnicodeToAnsi(id));
            ReadDrawingImages();
            drawing->LoadFromStream(*stream);
        } catch (...) {
            package.CloseDrawing();
            throw;
        }
        package.CloseDrawing();
    });
}

void TXLSReadXLSX::ReadDrawingImages() {
    TOPC_XLSX& package = FManager.FileData().GetPackage();
    const rtl::UnicodeString owner = package.GetCurrentDrawing()->ResolvePath();
    std::vector<rtl::AnsiString> ids;
    package.ListDrawingImageIds(ids);
    for (const rtl::AnsiString& id : ids) {
        const rtl::UnicodeString relId = rtl::AnsiToUnicode(id);
        ReadOptionalPart(SheetPartName(*FCurrentWorksheet, u"image", relId), [&] {
            rtl::UnicodeString path;
            const std::unique_ptr<rtl::TStream> stream = package.OpenImage(id, path);
            FManager.GraphicManager().Images().AddFromPart(*stream, ExtensionOf(path), path, owner, relId);
        });
    }
}

void TXLSReadXLSX::ReadVmlDrawing(const rtl::UnicodeString& id) {
    TXpgSimpleDOM& vml = FCurrentWorksheet->GetVmlDrawing();
    ReadOptionalPart(
        SheetPartName(*FCurrentWorksheet, u"legacy drawing", id),
        [&] {
            const std::unique_ptr<rtl::TStream> stream =
                FManager.FileData().GetPackage().OpenVmlDrawing(rtl::UnicodeToAnsi(id));
            vml.Parse(*stream);
        },
        [&] { vml.Clear(); });
}

void TXLSReadXLSX::ReadPivotTables() {
    TOPC_XLSX& package = FManager.FileData().GetPackage();
    std::vector<rtl::AnsiString> ids;
    package.ListSheetPivotTableIds(ids);
    TXLSPivotTables& tables = FCurrentWorksheet->GetPivotTables();
    for (const rtl::AnsiString& id : ids) {
        const int32_t count = tables.Count();
        ReadOptionalPart(
            SheetPartName(*FCurrentWorksheet, u"pivot table", rtl::AnsiToUnicode(id)),
            [&] {
                const std::unique_ptr<rtl::TStream> stream = package.OpenPivotTable(id);
                TXLSPivotTable& table = tables.Add();
                table.GetDocument().Parse(*stream);
                TXpgDOMNode& root = table.GetDocument().Root();
                if (root.GetChildCount() == 0) {
                    return;
                }
                const int32_t cacheId = root.GetChild(0).Attributes().GetIntValue(u"cacheId", -1);
                if (TXLSPivotCacheDefinition* definition =
                        FManager.Workbook().GetPivotCaches().FindByCacheId(cacheId)) {
                    table.SetCacheDefinition(definition);
                    definition->IncUseCount();
                }
            },
            [&] {
                if (tables.Count() > count) {
                    tables.Delete(count);
                }
            });
    }
}

void TXLSReadXLSX::ReadComments() {
    TXc12DataWorksheet& sheet = *FCurrentWorksheet;
    TXc12Comments& comments = sheet.GetComments();
    ReadOptionalPart(
        SheetPartName(sheet, u"comments", rtl::AnsiToUnicode(sheet.GetRId())),
        [&] {
            const std::unique_ptr<rtl::TStream> stream =
                FManager.FileData().GetPackage().OpenSheetComments(sheet.GetRId());
            if (stream == nullptr) {
                return;
            }
            TXPGDocXLSX document;
            PrepareDocument(document);
            TCT_Comments& element = document.GetRoot().GetComments();
            element.GetCommentList().SetOnComment([&](TCT_Comment& comment) { DoComment(comment, comments, FCells); });
            document.LoadFromStream(*stream);
            ReadCommentAuthors(element.GetAuthors(), comments);
            ReadCommentShapes(sheet.GetVmlDrawing(), comments, *FManager.Errors());
        },
        [&] { comments.Clear(); });
}

void TXLSReadXLSX::DoHyperlink(const TCT_Hyperlink& element) {
    TXLSCellAreaRec area;
    if (!StrToCellArea(element.GetRef(), area) || area.Col1 < 0) {
        FManager.Errors()->ReportWarning(element.GetRef(), XLSErrorInvalidCellReference);
        return;
    }
    TXc12Hyperlink& link = *FCurrentWorksheet->GetHyperlinks().Add();
    link.SetRect(area);
    // The address is the relationship's target as written; without a relationship it is the place in the workbook.
    link.SetAddress(element.GetId().empty() ? element.GetLocation()
                                            : FManager.FileData().GetPackage().GetSheetRelTarget(
                                                  FCurrentWorksheet->GetRId(), rtl::UnicodeToAnsi(element.GetId())));
    link.SetLocation(element.GetLocation());
    link.SetTooltip(element.GetTooltip());
    link.SetDisplay(element.GetDisplay());
}

void TXLSReadXLSX::ReadChartsheet(const rtl::AnsiString& id) {
    TOPC_XLSX& package = FManager.FileData().GetPackage();
    TXc12DataWorksheet& sheet = *FCurrentWorksheet;
    try {
        const std::unique_ptr<rtl::TStream> stream = package.OpenChartsheet(id);
        // What the chartsheet part says beside its chart only adds to the sheet.
        ReadOptionalPart(SheetPartName(sheet, u"chartsheet", rtl::AnsiToUnicode(id)), [&] {
            TXPGDocXLSX document;
            PrepareDocument(document);
            document.LoadFromStream(*stream);
            const TCT_Chartsheet& element = document.GetChartsheet();
            const TCT_ChartsheetPr& properties = element.GetSheetPr();
            sheet.GetSheetPr().SetCodeName(properties.GetCodeName());
            FStyles.ReadColor(properties.GetTabColor(), sheet.GetSheetPr().GetTabColor());
            sheet.GetSheetPr().SetPublished(properties.GetPublished());
            if (element.GetSheetViews().Assigned()) {
                ReadChartsheetViews(element.GetSheetViews(), sheet);
            }
            sheet.GetSheetProtection().SetPassword(static_cast<uint16_t>(element.GetSheetProtection().GetPassword()));
            sheet.GetSheetProtection().SetObjects(element.GetSheetProtection().GetObjects());
            ReadPageMargins(element.GetPageMargins(), sheet.GetPageMargins());
            ReadHeaderFooter(element.GetHeaderFooter(), sheet.GetHeaderFooter());
            ReadWebPublishItems(element.GetWebPublishItems(), sheet.GetWebPublishItems());
            if (!element.GetDrawing().GetId().empty()) {
                ReadDrawing(element.GetDrawing().GetId());
            }
            if (!element.GetLegacyDrawing().GetId().empty()) {
                ReadVmlDrawing(element.GetLegacyDrawing().GetId());
            }
        });
    } catch (...) {
        package.CloseSheet();
        throw;
    }
    package.CloseSheet();
}

} // namespace xls
