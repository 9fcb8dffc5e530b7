#pragma once
// The streaming callbacks that carry a package's cells, rows, columns and shared strings into the workbook model:
// each element is copied into the current sheet's cell store (or, in direct-read mode, handed to the read-cell
// event) as it ends, so no cell is ever held as an element object. Elements without a reference follow the
// previous row or cell; damaged values (a shared-string index that names no string, a cell format that does not
// exist) become warnings and the rest of the sheet still reads.

#include "rtl/text/StringTypes.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/cells/XLSCellAreaIndex.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Fonts.h"
#include "xls/core/model/workbook/XLSReadCellValue.h"
#include "xls/xlsx/XLSSharedFormulaList.h"

#include <cstdint>
#include <vector>

namespace xls {

class TXc12Manager;
class TXc12DataWorksheet;
class TXLSCellMMU;
class TXLSFormulaHandler;
class TXLSReadXLSXStyles;

namespace xpgParserXLSX {
class TCT_Cell;
class TCT_CellFormula;
class TCT_Col;
class TCT_MergeCell;
class TCT_Row;
class TCT_Rst;
} // namespace xpgParserXLSX

// Copies the sheet data and shared-string elements of one read into the model. Formulas are compiled as they are read:
// every formula cell holds its tokens, a shared formula's other cells the master's tokens moved to their position. A
// formula that does not compile is reported as warning 2006 and keeps its text and cached result; it never ends the
// read.
class TXLSReadXLSXCells {
public:
    // No reference is owned; all must outlive the callbacks.
    TXLSReadXLSXCells(TXc12Manager& manager, TXLSReadXLSXStyles& styles, TXLSFormulaHandler& handler);

    // Starts a worksheet: the array and data-table areas, the shared formulas and the positions of the previous sheet
    // are forgotten.
    void BeginSheet(TXc12DataWorksheet& sheet);

    // A cell of row stored in the cell store.
    void DoCell(const xpgParserXLSX::TCT_Row& row, const xpgParserXLSX::TCT_Cell& cell);
    // A cell of row handed to the read-cell event; nothing is stored.
    void DoCellEvent(const xpgParserXLSX::TCT_Row& row, const xpgParserXLSX::TCT_Cell& cell);
    // A row, after its cells: its row record.
    void DoRow(const xpgParserXLSX::TCT_Row& row);
    // A row in direct-read mode: only the place of the next row without a reference.
    void AdvanceRow(const xpgParserXLSX::TCT_Row& row);
    void DoCol(const xpgParserXLSX::TCT_Col& col);
    // A merged range, appended without an overlap test; a range that names no cells is reported as an invalid
    // reference (and left out when the error manager takes it).
    void DoMergeCell(const xpgParserXLSX::TCT_MergeCell& cell);
    // One item of the shared-string part, appended in file order so that its position is its index.
    void DoSharedString(const xpgParserXLSX::TCT_Rst& item);

    // The text of a rich text and its runs. Each font run holds one use of its style-sheet font, which the caller
    // gives back when the reading fails.
    void ReadRichText(const xpgParserXLSX::TCT_Rst& rst, rtl::UnicodeString& text, TXc12DynPhoneticRunArray& phonetic,
                      TXc12DynFontRunArray& fonts);

    // Cells and rows delivered since construction.
    int32_t CellCount() const { return FCellCount; }
    int32_t RowCount() const { return FRowCount; }

private:
    // The master cell of an array formula or data table, and the kind the other cells of its area get.
    struct TFormulaArea {
        int32_t MasterCol = 0;
        int32_t MasterRow = 0;
        uint8_t MemberKind = 0;
    };

    TXLSCellMMU& Cells() const;
    int32_t RowIndex(const xpgParserXLSX::TCT_Row& row) const;
    // The cell's position from its reference, or the one after the previous cell; false for a reference that
    // names no cell (reported as an error, which raises unless the error manager takes it).
    bool CellPosition(const xpgParserXLSX::TCT_Row& row, const xpgParserXLSX::TCT_Cell& cell, int32_t& col,
                      int32_t& rowIndex);
    // xf when the style sheet has such a cell format, else 0 after a warning.
    int32_t CheckedXF(int32_t xf) const;
    // The area of the first array formula or data table registered that covers the cell.
    const TFormulaArea* FindFormulaArea(int32_t col, int32_t row);
    // Remembers the area of an array formula or data table whose master is at (col, row).
    void AddFormulaArea(rtl::UnicodeStringView ref, int32_t col, int32_t row, uint8_t memberKind);
    void RegisterFormulaArea(const xpgParserXLSX::TCT_Cell& cell, int32_t col, int32_t row);

    // The value of a plain cell; vkSharedString only for an index the table holds.
    TXLSCellValue PlainValue(const xpgParserXLSX::TCT_Cell& cell) const;
    // The cached result of a formula cell or of a member of an array formula or data table.
    TXLSCellValue FormulaValue(const xpgParserXLSX::TCT_Cell& cell) const;
    // A string value, its _xHHHH_ escapes decoded.
    static TXLSCellValue StringValue(rtl::UnicodeStringView text);
    TXLSCellValue DateValue(rtl::UnicodeStringView text) const;
    TXLSCellValue SharedStringValue(rtl::UnicodeStringView text) const;
    static rtl::UnicodeString InlineText(const xpgParserXLSX::TCT_Rst& rst);

    // Compiles text into FPtgs; false, after warning 2006 when it failed, when there are no tokens.
    bool Compile(rtl::UnicodeStringView text, int32_t col, int32_t row);
    // The tokens of text, or else the text itself, for the formula helper.
    void CompileIntoHelper(rtl::UnicodeStringView text, int32_t col, int32_t row);
    // A shared formula's master: compiled into FPtgs and recorded under its shared index. False when it did not
    // compile.
    bool RecordSharedFormula(const xpgParserXLSX::TCT_CellFormula& formula, int32_t col, int32_t row);
    // The master's tokens moved to a cell of its area, in FPtgs; false for a cell outside it or a master that is
    // missing or did not compile.
    bool MoveSharedFormula(int32_t si, int32_t col, int32_t row);
    // The formula text the read-cell event reports: as written, or for a shared formula's other cell the text of its
    // moved tokens.
    rtl::UnicodeString EventFormulaText(const xpgParserXLSX::TCT_CellFormula& formula, int32_t col, int32_t row);
    void StoreFormula(const xpgParserXLSX::TCT_Cell& cell, int32_t col, int32_t row, int32_t xf);
    void StoreMember(const xpgParserXLSX::TCT_Cell& cell, const TFormulaArea& area, int32_t col, int32_t row,
                     int32_t xf);
    // Whether a cell at (col, row), or a row record when col is -1, may be stored: positions after the last stored
    // one may; earlier ones may while the sheet's budget lasts, beyond it error 2005 is reported (raised unless
    // the error manager takes it; then the position is skipped).
    bool MayStore(int32_t col, int32_t row, rtl::UnicodeStringView reference);

    TXc12Manager& FManager;
    TXLSReadXLSXStyles& FStyles;
    TXLSFormulaHandler& FHandler;
    TXc12DataWorksheet* FSheet = nullptr; // not owned
    TXLSSharedFormulaList FSharedFormulas;
    // The tokens of the formula being stored, kept until the cell store has copied them.
    std::vector<uint8_t> FPtgs;
    // The decoded form of a shared string with escapes (XmlDecodeXstring), kept until the table has copied it.
    rtl::UnicodeString FXstring;
    // The areas of the sheet's array formulas and data tables, which follow the reading down the sheet, and their
    // masters by area number.
    TXLSCellAreaIndex FFormulaAreaIndex;
    std::vector<TFormulaArea> FFormulaAreas;
    // Where the next row or cell without a reference goes.
    int32_t FNextRow = 0;
    int32_t FNextCol = 0;
    // The last position stored in order, and how many came before it.
    int32_t FLastRow = -1;
    int32_t FLastCol = -1;
    int32_t FOutOfOrder = 0;
    int32_t FCellCount = 0;
    int32_t FRowCount = 0;
};

} // namespace xls
