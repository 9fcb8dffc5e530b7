// The facade's rows, columns and cells: the format that applies where they stand and the giving of another, with a
// column's record split so that its neighbours keep theirs.

#include "tests/xls/api/XLSApiTestSupport.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <gtest/gtest.h>
#include <string>

namespace xls {
namespace {

using api_test::DataSheet;
using api_test::NewSpreadsheet;
using api_test::TSpreadsheetPtr;

class RowsColumns : public testing::Test {
protected:
    RowsColumns() {
        // Two formats beside format 0; the column records hold uses of theirs as a reader leaves them.
        TXc12XFs& xfs = StyleSheet().XFs();
        Old = xfs.Add();
        New = xfs.Add();
        StyleSheet().ResetXF(*Old);
        StyleSheet().ResetXF(*New);
        Old->SetQuotePrefix(true);
    }

    TXc12DataStyleSheet& StyleSheet() const { return Book->GetManager()->StyleSheet(); }
    // The model's records, which outlive the wrappers that RebuildSheets makes anew.
    TXc12Columns& Records() const { return Book->GetManager()->Worksheets().GetItem(0)->GetColumns(); }

    // One record over columns first to last with format xf, as a file gives it.
    void AddRecord(int32_t first, int32_t last, TXc12XF* xf) const {
        TXc12Column* record = Records().Add(xf);
        record->SetFirstCol(first);
        record->SetLastCol(last);
        record->SetWidth(12);
        StyleSheet().XFEditor().UseXF(xf);
    }

    std::string RecordsText() const {
        std::string text;
        for (int32_t i = 0; i < Records().Count(); ++i) {
            const TXc12Column& record = *Records().GetItem(i);
            text += (i > 0 ? " " : "") + std::to_string(record.GetFirstCol()) + "-" +
                    std::to_string(record.GetLastCol()) + ":" + std::to_string(record.GetStyle()->Index());
        }
        return text;
    }

    TSpreadsheetPtr Book = NewSpreadsheet();
    TXLSWorksheet& Sheet = *Book->GetSheet(0);
    TXc12XF* Old = nullptr;
    TXc12XF* New = nullptr;
};

TEST_F(RowsColumns, AColumnInsideARecordGetsARecordOfItsOwn) {
    AddRecord(3, 8, Old);
    const int32_t oldUses = Old->UseCount();
    Book->RebuildSheets();
    TXLSWorksheet& sheet = *Book->GetSheet(0);
    sheet.GetColumns().GetColumn(5).SetXF(New);
    EXPECT_EQ(RecordsText(), "3-4:1 5-5:2 6-8:1");
    // Each piece of the old record holds a use of the old format, the column one of the new.
    EXPECT_EQ(Old->UseCount(), oldUses + 1);
    EXPECT_EQ(New->UseCount(), 1);
    EXPECT_EQ(Records().GetItem(1)->GetWidth(), 12);
    EXPECT_EQ(sheet.GetDefaultXF(5, 0), 2);
    EXPECT_EQ(sheet.GetDefaultXF(4, 0), 1);
}

TEST_F(RowsColumns, TheFirstOrLastColumnOfARecordSplitsItInTwo) {
    AddRecord(3, 8, Old);
    AddRecord(10, 12, Old);
    Book->RebuildSheets();
    TXLSColumns& columns = Book->GetSheet(0)->GetColumns();
    columns.GetColumn(3).SetXF(New);
    columns.GetColumn(12).SetXF(New);
    EXPECT_EQ(RecordsText(), "3-3:2 4-8:1 10-11:1 12-12:2");
}

TEST_F(RowsColumns, AColumnWithoutARecordGetsOneOfTheDefaultWidth) {
    AddRecord(3, 3, Old);
    Book->RebuildSheets();
    TXLSColumns& columns = Book->GetSheet(0)->GetColumns();
    TXLSColumn& column = columns.GetColumn(7);
    EXPECT_EQ(column.GetRecord(), nullptr);
    EXPECT_EQ(column.GetXFIndex(), 0);
    column.SetXF(New);
    column.SetXF(New);
    EXPECT_EQ(RecordsText(), "3-3:1 7-7:2");
    EXPECT_EQ(Records().GetItem(1)->GetWidth(), TXLSColumns::DefaultWidth);
    EXPECT_EQ(New->UseCount(), 1);
    // Format 0 on a column without a record changes nothing.
    columns.GetColumn(9).SetXF(StyleSheet().XFs().GetDefaultXF());
    EXPECT_EQ(Records().Count(), 2);
}

TEST_F(RowsColumns, RecordsGivenOutOfOrderAreFound) {
    AddRecord(20, 25, New);
    AddRecord(0, 4, Old);
    AddRecord(10, 10, Old);
    Book->RebuildSheets();
    TXLSColumns& columns = Book->GetSheet(0)->GetColumns();
    EXPECT_EQ(RecordsText(), "0-4:1 10-10:1 20-25:2");
    for (const auto& [col, xf] : {std::pair{0, 1}, {4, 1}, {5, 0}, {10, 1}, {11, 0}, {22, 2}, {26, 0}}) {
        EXPECT_EQ(columns.GetColumn(col).GetXFIndex(), xf) << col;
    }
}

TEST_F(RowsColumns, RowsAndCellsTakeAFormatAndKeepTheRest) {
    TXLSCellMMU& cells = DataSheet(Sheet).GetCells();
    TXLSRowRecord record = cells.SetRowFormat(4, 0);
    record.SetHeight(600);
    cells.StoreFloat(2, 4, 0, 1.5);
    TXLSRow& row = Sheet.GetRows().GetRow(4);
    EXPECT_EQ(row.GetXFIndex(), 0);
    row.SetXF(Old);
    EXPECT_EQ(cells.GetRowRecord(4).XF(), 1);
    EXPECT_EQ(cells.GetRowRecord(4).Height(), 600);
    EXPECT_EQ(Sheet.GetDefaultXF(0, 4), 1);

    TXLSCell& cell = Sheet.GetCell(2, 4);
    ASSERT_TRUE(cell.Exists());
    cell.SetXF(New);
    EXPECT_EQ(Sheet.GetCell(2, 4).GetXFIndex(), 2);
    EXPECT_EQ(Sheet.GetAsFloat(2, 4), 1.5);
    // A format alone makes no cell.
    TXLSCell& empty = Sheet.GetCell(3, 4);
    EXPECT_FALSE(empty.Exists());
    empty.SetXF(New);
    EXPECT_EQ(Sheet.GetCellType(3, 4), 0);
}

} // namespace
} // namespace xls
