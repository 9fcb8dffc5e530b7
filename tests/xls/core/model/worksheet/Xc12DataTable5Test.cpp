#include "xls/core/model/worksheet/Xc12DataTable5.h"

#include "rtl/text/CodePages.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace xls {
namespace {

// Adds a table of that name over columns col1 to col2 and rows row1 to row2, with the given column names.
TXc12Table* AddTable(TXc12Tables& tables, const char16_t* name, TXLSCellAreaRec area,
                     std::initializer_list<const char16_t*> columns = {}) {
    TXc12Table* table = tables.Add();
    table->SetName(name);
    table->SetArea(area);
    for (const char16_t* column : columns) {
        table->GetColumns().Add()->SetName(column);
    }
    return table;
}

TEST(Xc12DataTable5, FindByNameIgnoresCase) {
    TXc12Tables tables(nullptr);
    AddTable(tables, u"Sales", {});
    AddTable(tables, u"Straße", {});
    AddTable(tables, u"Ümsatz", {});
    AddTable(tables, u"SALES", {});
    struct Case {
        const char16_t* name;
        int32_t found;
    };
    const Case cases[] = {
        {u"SALES", 0}, {u"sales", 0}, {u"STRASSE", -1}, {u"STRAßE", 1}, {u"ümsatz", 2}, {u"Sale", -1}, {u"", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(rtl::UnicodeToUtf8(c.name));
        EXPECT_EQ(tables.FindByName(c.name), c.found);
    }
}

TEST(Xc12DataTable5, FindCellLooksInsideTheAreasBordersIncluded) {
    TXc12Tables tables(nullptr);
    tables.Add();                              // a table without an area holds no cell
    AddTable(tables, u"First", {1, 4, 1, 3});  // B2:D5
    AddTable(tables, u"Second", {2, 2, 1, 5}); // B3:F3, overlapping First
    struct Case {
        const char* name;
        int32_t col;
        int32_t row;
        int32_t found;
    };
    const Case cases[] = {
        {"top left corner", 1, 1, 1},
        {"bottom right corner", 3, 4, 1},
        {"overlap gives the first", 2, 2, 1},
        {"only in the second", 5, 2, 2},
        {"just right of the last column", 4, 1, -1},
        {"just below the last row", 1, 5, -1},
        {"just above", 1, 0, -1},
        {"cell A1", 0, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tables.FindCell(c.col, c.row), c.found);
    }
}

TEST(Xc12DataTable5, NormalizeColumnNameUndoesQuoteEscapes) {
    struct Case {
        const char16_t* name;
        const char16_t* normalized;
    };
    const Case cases[] = {
        {u"amount", u"AMOUNT"},
        {u"it''s", u"IT'S"},
        {u"'#total", u"#TOTAL"},
        {u"end'", u"END"},
        {u"'''", u"'"},
        {u"a'[b']", u"A[B]"},
        {u"größe", u"GRÖßE"}, // per character: ß has no one-character capital
        {u"", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(rtl::UnicodeToUtf8(c.name));
        EXPECT_EQ(rtl::UnicodeToUtf8(TXc12Tables::NormalizeColumnName(c.name)), rtl::UnicodeToUtf8(c.normalized));
    }
}

TEST(Xc12DataTable5, FindColumnGivesThePositionWithinItsTable) {
    TXc12Tables tables(nullptr);
    AddTable(tables, u"Sales", {}, {u"Region", u"Amount"});
    AddTable(tables, u"Costs", {}, {u"Item", u"It's", u"Amount", u"Größe"});
    struct Case {
        const char16_t* name;
        int32_t found;
    };
    const Case cases[] = {
        {u"amount", 1}, {u"ITEM", 0}, {u"it''s", 1}, {u"größe", 3}, {u"Price", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(rtl::UnicodeToUtf8(c.name));
        EXPECT_EQ(tables.FindColumn(c.name), c.found);
    }
}

TEST(Xc12DataTable5, ClearForgetsEverythingAFileGave) {
    TXc12Tables tables(nullptr);
    TXc12Table* table = AddTable(tables, u"Sales", {0, 9, 0, 2}, {u"Region"});
    table->SetId(3);
    table->SetHeaderRowCount(0);
    table->SetTotalsRowShown(false);
    table->SetDataCellStyle(u"Good");
    table->GetAutoFilter().GetFilterColumns().Add();
    table->GetSortState().SetCaseSensitive(true);
    table->GetStyleInfo().SetName(u"TableStyleMedium2");
    TXc12TableColumn* column = table->GetColumns().GetItem(0);
    column->SetTotalsRowFunction(1);
    column->GetCalculatedColumnFormula().SetText(u"[@Amount]*2");
    column->GetXmlColumnPr().SetMapId(4);
    table->GetExtLst().LoadFromText(u"<extLst><ext uri=\"{504A1905-F514-4f6f-8877-14C23A59335A}\"/></extLst>");
    ASSERT_NE(table->GetExtLst().Root().FindPath(u"extLst/ext", false), nullptr);

    column->Clear();
    EXPECT_TRUE(column->GetName().empty());
    EXPECT_EQ(column->GetTotalsRowFunction(), 0);
    EXPECT_TRUE(column->GetCalculatedColumnFormula().GetText().empty());
    EXPECT_EQ(column->GetXmlColumnPr().GetMapId(), 0);

    table->Clear();
    EXPECT_EQ(table->GetId(), 0);
    EXPECT_TRUE(table->GetName().empty());
    EXPECT_EQ(tables.FindByName(u"Sales"), -1);
    EXPECT_EQ(tables.FindCell(0, 0), -1);
    EXPECT_EQ(table->GetHeaderRowCount(), 1);
    EXPECT_TRUE(table->GetTotalsRowShown());
    EXPECT_TRUE(table->GetDataCellStyle().empty());
    EXPECT_EQ(table->GetAutoFilter().GetFilterColumns().Count(), 0);
    EXPECT_FALSE(table->GetSortState().GetCaseSensitive());
    EXPECT_TRUE(table->GetStyleInfo().GetName().empty());
    EXPECT_EQ(table->GetColumns().Count(), 0);
    EXPECT_EQ(table->GetExtLst().Root().GetChildCount(), 0);
}

} // namespace
} // namespace xls
