#pragma once
// The reader of .xlsx packages: it opens the package through the model's file data and takes its parts in the order
// in which they refer to each other (styles, shared strings, workbook, each sheet), copying every parsed element into
// the workbook model. Cells stream into the cell stores, or to the read-cell event in direct-read mode. A read that
// fails leaves the model empty and the package closed.

#include "rtl/core/Object.h"
#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"
#include "xls/xlsx/XLSReadXLSXCells.h"
#include "xls/xlsx/XLSReadXLSXStyles.h"

namespace xls {

class TXLSFormulaHandler;
class TXc12Manager;
class TXc12DataWorksheet;
class TXpgPErrors;

namespace xpgParserXLSX {
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
    void ReadPackage(rtl::TStream& stream);
    void ReadStyles();
    void ReadSharedStrings();
    void ReadWorkbook();
    void ReadSheets();
    void ReadWorksheet(const rtl::AnsiString& id);
    void ReadChartsheet(const rtl::AnsiString& id);
    void InstallCellCallbacks(xpgParserXLSX::TXPGDocXLSX& document);
    void CopyWorksheet(xpgParserXLSX::TXPGDocXLSX& document);
    // Gives a new part document the parse-error hook.
    void PrepareDocument(xpgParserXLSX::TXPGDocXLSX& document);
    // Unknown elements and attributes of a part become warnings, dropped unless asked for.
    void DoXmlError(TXpgPErrors& errors);

    TXc12Manager& FManager;
    TXLSReadXLSXStyles FStyles;
    TXLSReadXLSXCells FCells;
    TXc12DataWorksheet* FCurrentWorksheet = nullptr; // not owned
};

} // namespace xls
