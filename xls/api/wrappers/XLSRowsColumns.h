#pragma once
// The sheet facade's reusable objects for looking at and changing the cell format (XF) of a cell, a row or a column:
// each is positioned on its cell, row or column, shows the format that applies there, and gives it another cell
// format of the style sheet. Giving a column of a multi-column record its own format splits the record, so that the
// other columns keep theirs.

#include "rtl/core/Object.h"
#include "xls/core/cells/XLSCellMMU.h"

#include <cstdint>
#include <functional>

namespace xls {

class TXc12Column;
class TXc12Columns;
class TXc12DataStyleSheet;
class TXc12XF;

// An object with a cell format.
class TXLSFormattedObj {
public:
    explicit TXLSFormattedObj(TXc12DataStyleSheet& styleSheet);
    virtual ~TXLSFormattedObj() = default;
    TXLSFormattedObj(const TXLSFormattedObj&) = delete;
    TXLSFormattedObj& operator=(const TXLSFormattedObj&) = delete;

    // The cell format that applies where the object stands.
    TXc12XF* GetXF() const { return FXF; }
    int32_t GetXFIndex() const;
    // Gives the object xf, a cell format of the style sheet.
    void SetXF(TXc12XF* xf);

protected:
    // Gives the object the current format.
    virtual void ApplyFormat() = 0;
    void ShowXF(TXc12XF* xf) { FXF = xf; }
    // Cell format 0.
    TXc12XF* DefaultXF() const;
    TXc12DataStyleSheet& StyleSheet() const { return FStyleSheet; }

private:
    TXc12DataStyleSheet& FStyleSheet;
    TXc12XF* FXF; // not owned
};

// One cell position of a sheet.
class TXLSCell : public TXLSFormattedObj {
public:
    TXLSCell(TXc12DataStyleSheet& styleSheet, TXLSCellMMU& cells);

    // Moves to the position; the format is the cell's, or cell format 0 where there is no cell.
    void SetPosition(int32_t col, int32_t row);
    int32_t GetCol() const { return FCol; }
    int32_t GetRow() const { return FRow; }
    bool Exists() const { return FCell.Data != nullptr; }

protected:
    // A position without a cell keeps none: a format alone makes no cell.
    void ApplyFormat() override;

private:
    TXLSCellMMU& FCells;
    int32_t FCol = 0;
    int32_t FRow = 0;
    TXLSCellHandle FCell;
};

// One row of a sheet, reached through TXLSRows.
class TXLSRow : public TXLSFormattedObj {
public:
    TXLSRow(TXc12DataStyleSheet& styleSheet, TXLSCellMMU& cells);

    void SetPosition(int32_t row);
    int32_t GetRow() const { return FRow; }

protected:
    // The row record takes the format and keeps its height, flags and outline level.
    void ApplyFormat() override;

private:
    TXLSCellMMU& FCells;
    int32_t FRow = 0;
};

// The rows of a sheet.
class TXLSRows : public rtl::TObject {
    RTL_DECLARE_CLASS(TXLSRows, rtl::TObject)
public:
    TXLSRows(TXc12DataStyleSheet& styleSheet, TXLSCellMMU& cells) : FRow(styleSheet, cells) {}

    // The one row object, positioned on row.
    TXLSRow& GetRow(int32_t row);

private:
    TXLSRow FRow;
};

class TXLSColumns;

// One column of a sheet, reached through TXLSColumns.
class TXLSColumn : public TXLSFormattedObj {
public:
    TXLSColumn(TXc12DataStyleSheet& styleSheet, TXLSColumns& columns);

    // Moves to column col, held by record (nullptr for none).
    void SetPosition(int32_t col, TXc12Column* record);
    int32_t GetCol() const { return FCol; }
    // The column record that holds the column, nullptr for none.
    TXc12Column* GetRecord() const { return FRecord; }

protected:
    void ApplyFormat() override;

private:
    // Cuts the record's other columns into records of their own, so that the record holds the column alone.
    void SplitRecord();

    TXLSColumns& FColumns;
    int32_t FCol = 0;
    TXc12Column* FRecord = nullptr; // not owned
};

// Called with the first and last column whose format changed.
using TXLSColumnsChanged = std::function<void(int32_t firstCol, int32_t lastCol)>;

// The column records of a sheet, kept in column order.
class TXLSColumns : public rtl::TObject {
    RTL_DECLARE_CLASS(TXLSColumns, rtl::TObject)
public:
    // The width of a record made for a column that had none, in characters.
    static constexpr double DefaultWidth = 9.140625;

    // Sorts the records by column, as a file may list them in any order. records is not owned.
    TXLSColumns(TXc12DataStyleSheet& styleSheet, TXc12Columns& records);

    // The one column object, positioned on col.
    TXLSColumn& GetColumn(int32_t col);
    // The record that holds col, or nullptr (a binary search over the records).
    TXc12Column* FindRecord(int32_t col) const;
    TXc12Columns& GetRecords() const { return FRecords; }
    void SetOnChange(TXLSColumnsChanged handler) { FOnChange = std::move(handler); }
    void Changed(int32_t firstCol, int32_t lastCol) const;

private:
    TXc12Columns& FRecords;
    TXLSColumn FColumn;
    TXLSColumnsChanged FOnChange;
};

} // namespace xls
