#pragma once
// The worksheet facade: one sheet of the workbook model seen cell by cell (column first, then row, both zero-based):
// whether a cell is there, its kind, its value as number or text, its formula text and cell format, and the used area.

#include "rtl/core/Metaclass.h"
#include "rtl/text/StringTypes.h"
#include "xls/api/wrappers/XLSComments.h"
#include "xls/api/wrappers/XLSRowsColumns.h"
#include "xls/api/wrappers/XLSSheetSettings.h"
#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/model/common/XLSIndexObjects.h"

#include <cstdint>
#include <memory>

namespace xls {

class TXLSAutofilter;
class TXLSConditionalFormats;
class TXLSDataValidations;
class TXLSFormulaHandler;
class TXLSHyperlinks;
class TXLSMergedCells;
class TXc12DataWorksheet;
class TXc12Manager;
class TXc12SheetView;

// The text of a cell operation asked of a cell that is not there or is of another kind.
inline constexpr char16_t XLSCellMissingOrWrongType[] = u"Cell is missing/is of wrong type";

// One model worksheet as the facade offers it; its index is the sheet's position in the workbook. It owns the
// wrappers of the sheet's rows, columns, cells, comments and settings; the sheet's merged cells, hyperlinks,
// validations, conditional formats and autofilter are the model's own objects of the facade's classes.
class TXLSWorksheet : public TIndexObject {
public:
    // No reference is owned; all must outlive the wrapper. A page setup without a paper size takes the model's
    // default paper size.
    TXLSWorksheet(TXc12DataWorksheet* dataWorksheet, TXc12Manager* manager, TXLSFormulaHandler* handler);
    ~TXLSWorksheet() override;

    // Computes the used area of the cells and stores it as the sheet's dimension.
    void CalcDimensions();
    // The stored used area (a reader's dimension until CalcDimensions runs).
    int32_t GetFirstRow() const;
    int32_t GetLastRow() const;
    int32_t GetFirstCol() const;
    int32_t GetLastCol() const;

    // 0 no cell, 1 blank, 2 boolean, 3 error, 4 string, 5 float, 6 to 9 formula with float, string, boolean or
    // error result.
    int32_t GetCellType(int32_t col, int32_t row);
    // The number of a float cell or a float formula's result; any other position raises XLSCellMissingOrWrongType.
    double GetAsFloat(int32_t col, int32_t row);
    // The cell as text; numbers in the general format with 15 significant digits and the process decimal separator.
    rtl::UnicodeString GetAsString(int32_t col, int32_t row);
    // The formula of a formula cell: compiled tokens decoded with the process's list and decimal separators (a
    // damaged or circular formula raises EXLSFormulaError), a formula kept as text with an external book number "[n]"
    // replaced by the book's path; any other position raises XLSCellMissingOrWrongType.
    rtl::UnicodeString GetFormulaText(int32_t col, int32_t row);
    // The cell format of a position without a cell: the column's, else the row's, else 0.
    int32_t GetDefaultXF(int32_t col, int32_t row);
    // Stores a text cell with the position's default cell format.
    void SetAsString(int32_t col, int32_t row, rtl::UnicodeStringView text);
    // True when the first row that the cell store holds has no cell.
    bool IsEmpty();
    const rtl::UnicodeString& GetName() const;

    // The part of the sheet of exactly the class metaclass: the data worksheet, the selection (TCellAreas), the
    // columns or the rows; nullptr for any other class.
    rtl::TObject* GetObject(const rtl::TMetaclass& metaclass) override;

    // The one cell object, positioned at the position.
    TXLSCell& GetCell(int32_t col, int32_t row);
    TXLSRows& GetRows() { return FRows; }
    TXLSColumns& GetColumns() { return FColumns; }
    TXLSComments& GetComments() { return FComments; }
    TXLSSelectedAreas& GetSelectedAreas() { return FSelectedAreas; }
    TXLSPrintSettings& GetPrintSettings() { return FPrintSettings; }
    TXLSPane& GetPane() { return FPane; }
    TXLSSheetProtection& GetProtection() { return FProtection; }
    // The sheet's objects of the facade's classes; nullptr where the model was made without the component's class
    // factory.
    TXLSHyperlinks* GetHyperlinks() const;
    TXLSMergedCells* GetMergedCells() const;
    TXLSDataValidations* GetDataValidations() const;
    TXLSConditionalFormats* GetConditionalFormats() const;
    TXLSAutofilter* GetAutofilter() const;

private:
    // The cell at the position; Data is nullptr without one.
    TXLSCellHandle FindCell(int32_t col, int32_t row);
    rtl::UnicodeString ReplaceExternalBook(const rtl::UnicodeString& formula) const;

    TXc12Manager* FManager;              // not owned
    TXLSFormulaHandler* FFormulaHandler; // not owned
    TXc12DataWorksheet* FDataSheet;      // not owned
    TXLSCellMMU* FCells;                 // not owned: the data worksheet's
    // The sheet's own view when the model has none.
    std::unique_ptr<TXc12SheetView> FOwnView;
    TXc12SheetView* FView; // not owned unless it is FOwnView
    TXLSCell FCell;
    TXLSRows FRows;
    TXLSColumns FColumns;
    TXLSComments FComments;
    TXLSSelectedAreas FSelectedAreas;
    TXLSPrintSettings FPrintSettings;
    TXLSPane FPane;
    TXLSSheetProtection FProtection;
};

} // namespace xls
