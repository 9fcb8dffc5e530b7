#pragma once
// The reader of .xlsx packages: it opens the package through the model's file data and takes its parts in the order
// in which they refer to each other (styles, shared strings, connections, the workbook with its external links and
// pivot caches, the tables, each sheet with what hangs under it), copying every parsed element into the workbook
// model. Cells stream into the cell stores, or to the read-cell event in direct-read mode. A read that fails leaves
// the model empty and the package closed.
//
// A part that only adds to the workbook (an external link, a pivot cache or table, the connections, a table, a
// drawing, a legacy drawing, the comments) and cannot be read is reported as warning 2007 and left out: the cells
// and the other parts still read. Sheet entries without a readable part (an empty relationship id, one that names
// nothing, macro and dialog sheets) stay as empty sheets, so that sheet positions keep their meaning, after warning
// 2008; a macro or dialog sheet's part is kept unread with the package.

#include "rtl/core/Object.h"
#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"
#include "xls/xlsx/XLSReadXLSXCells.h"
#include "xls/xlsx/XLSReadXLSXStyles.h"

#include <functional>

namespace xls {

class TXLSFormulaHandler;
class TXc12Manager;
class TXc12DataWorksheet;
class TXpgPErrors;

namespace xpgParserXLSX {
class TCT_Hyperlink;
class TCT_PageSetup;
class TCT_PivotCache;
class TCT_Workbook;
class TCT_Worksheet;
class TXPGDocXLSX;
} // namespace xpgParserXLSX

// Reads one .xlsx package into a workbook model; one reader per read.
class TXLSReadXLSX : public rtl::TObject {
public:
    // Neither reference is owned; the model should be empty. handler compiles the formulas of the cells.
    TXLSReadXLSX(TXc12Manager& manager, TXLSFormulaHandler& handler);

    // Reads the package on stream, which must stay alive during the call.
    void LoadFromStream(rtl::TStream& stream);

    int32_t CellCount() const { return FCells.CellCount(); }
    int32_t RowCount() const { return FCells.RowCount(); }

private:
    // The workbook level (XLSReadXLSX.cpp).
    void ReadPackage(rtl::TStream& stream);
    void ReportRejectedTargets();
    void ReadStyles();
    void ReadSharedStrings();
    void ReadConnections();
    void ReadWorkbook();
    void ReadExternalLinks(const xpgParserXLSX::TCT_Workbook& element);
    void ReadExternalLink(const rtl::AnsiString& id);
    void ReadPivotCaches(const xpgParserXLSX::TCT_Workbook& element);
    void ReadPivotCache(const xpgParserXLSX::TCT_PivotCache& element);
    // Runs read; an rtl::Exception it raises becomes warning 2007 naming part, and false. undo runs before the
    // warning, to take back what read added.
    bool ReadOptionalPart(rtl::UnicodeStringView part, const std::function<void()>& read,
                          const std::function<void()>& undo = {});
    // Gives a new part document the parse-error hook.
    void PrepareDocument(xpgParserXLSX::TXPGDocXLSX& document);
    // Unknown elements and attributes of a part become warnings, dropped unless asked for.
    void DoXmlError(TXpgPErrors& errors);

    // The sheet level (XLSReadXLSXSheets.cpp).
    void ReadSheets();
    void AddSheets();
    // Every worksheet's tables, before any cell: formulas name tables of their own and of later sheets.
    void ReadTables();
    void ReadTable(TXc12DataWorksheet& sheet, const rtl::AnsiString& id);
    void ReadSheet(TXc12DataWorksheet& sheet);
    void ReadWorksheet(const rtl::AnsiString& id);
    void ReadChartsheet(const rtl::AnsiString& id);
    void InstallCellCallbacks(xpgParserXLSX::TXPGDocXLSX& document);
    void CopyWorksheet(const xpgParserXLSX::TCT_Worksheet& worksheet);
    void ReadPrinterSettings(const xpgParserXLSX::TCT_PageSetup& element);
    void ReadDrawing(const rtl::UnicodeString& id);
    void ReadDrawingImages();
    void ReadVmlDrawing(const rtl::UnicodeString& id);
    void ReadPivotTables();
    void ReadComments();
    void DoHyperlink(const xpgParserXLSX::TCT_Hyperlink& element);

    TXc12Manager& FManager;
    TXLSReadXLSXStyles FStyles;
    TXLSReadXLSXCells FCells;
    TXc12DataWorksheet* FCurrentWorksheet = nullptr; // not owned
};

} // namespace xls
