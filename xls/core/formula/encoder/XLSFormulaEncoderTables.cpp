// Structured references of the formula encoder: Table1[Column], Table1[[#Headers],[Column]], [@Column] and the like.
// A run of items is checked as a whole before anything of it is written; after a table name it is written as a group
// that closes after its items, so that operators between the items (a range of columns) come before the table.

#include "rtl/text/StringUtils.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/base/Xc12Utils5.h"
#include "xls/core/formula/encoder/XLSFormulaEncoder.h"
#include "xls/core/formula/encoder/XLSFormulaEncoderRun.h"
#include "xls/core/model/workbook/Xc12Manager5.h"
#include "xls/core/model/worksheet/Xc12DataTable5.h"

#include <algorithm>
#include <string_view>

namespace xls {

namespace {

// The code that sorts column items after every special item.
constexpr int32_t TableColumnCode = 0xFFFF;

struct TSpecialItem {
    std::u16string_view Text;
    uint8_t Code;
};

constexpr TSpecialItem SpecialItems[] = {
    {u"ALL", PtgListSpecialAll},       {u"DATA", PtgListSpecialData},        {u"HEADERS", PtgListSpecialHeaders},
    {u"TOTALS", PtgListSpecialTotals}, {u"THIS ROW", PtgListSpecialThisRow},
};

// The code of a special item's text in any case, 0 for no special item.
int32_t SpecialCode(rtl::UnicodeStringView text) {
    const rtl::UnicodeString upper = rtl::WideUpperCase(text);
    for (const TSpecialItem& special : SpecialItems) {
        if (upper == special.Text) {
            return special.Code;
        }
    }
    return 0;
}

TXLSPtgArea RowsOfTable(const TXc12Table& table, int32_t row1, int32_t row2) {
    const TXLSCellAreaRec& area = table.GetArea();
    return MakePtgArea(MakePtgCell(area.Col1, row1), MakePtgCell(area.Col2, row2));
}

// The rows between the header and totals rows.
TXLSPtgArea DataArea(const TXc12Table& table) {
    const TXLSCellAreaRec& area = table.GetArea();
    return RowsOfTable(table, area.Row1 + table.GetHeaderRowCount(), area.Row2 - table.GetTotalsRowCount());
}

// The position of the table's column of that name, its escapes undone, in any case; -1 when it has none.
int32_t ColumnPosition(const TXc12Table& table, rtl::UnicodeStringView name) {
    const rtl::UnicodeString wanted = TXc12Tables::NormalizeColumnName(name);
    const TXc12TableColumns& columns = table.GetColumns();
    for (int32_t i = 0; i < columns.Count(); ++i) {
        if (rtl::WideUpperCase(columns.GetItem(i)->GetName()) == wanted) {
            return i;
        }
    }
    return -1;
}

} // namespace

bool TXLSEncoderRun::TTableItem::IsColumn() const {
    return Code == TableColumnCode;
}

// Table1[...]: the table as a whole when no item follows, else the run of items as the table's group.
void TXLSEncoderRun::HandleTableName() {
    const rtl::UnicodeString name = Token().Text;
    Next();
    if (KindAt(0) != xttTableColumn && KindAt(0) != xttTableSpecial) {
        TFoundTable found;
        if (FindNamedTable(name, found)) {
            FOut.AddList(found.Index, found.Sheet, 0, DataArea(*found.Table));
            Wrote(ptgxList);
        }
        return;
    }
    std::vector<TTableItem> items;
    if (!CollectTableItems(items)) {
        return;
    }
    TFoundTable found;
    if (!FindNamedTable(name, found)) {
        return;
    }
    PushGroup(TStackItem{
        .Id = ptgxList, .Count = 1, .Table = found.Index, .Sheet = found.Sheet, .Area = DataArea(*found.Table)});
    const size_t groups = FGroups.size();
    WriteTableItems(found, items, FGroups.back());
    if (KindAt(0) != xttTableEnd) {
        Report(XLSErrorTableEndBracket);
    }
    if (FGroups.size() == groups) {
        CloseGroup();
    }
}

// [Column] or [#This Row] without a table name: the table of the list that holds the formula's cell.
void TXLSEncoderRun::HandleTableItems() {
    std::vector<TTableItem> items;
    if (!CollectTableItems(items)) {
        return;
    }
    TFoundTable found;
    if (FindTableOfCell(found)) {
        WriteTableItems(found, items, NoListGroup);
    }
}

// The items of the run at the current token, each with the separator after it; the tokens are taken.
bool TXLSEncoderRun::CollectTableItems(std::vector<TTableItem>& items) {
    const bool afterName = KindAt(-1) == xttTable;
    while (KindAt(0) == xttTableColumn || KindAt(0) == xttTableSpecial) {
        TTableItem item{.Code = TableColumnCode, .Text = Token().Text};
        if (Token().Kind == xttTableSpecial) {
            item.Code = SpecialCode(item.Text);
            if (item.Code == 0) {
                Report(XLSErrorUnknownTableSpecial, item.Text);
                FRejected = true;
                return false;
            }
        }
        Next();
        const TXLSTokenType next = KindAt(0);
        const bool separated = next == xttListSep || next == xttColon || next == xttIsect;
        if (separated && !item.IsColumn() && next != xttListSep) {
            Report(XLSErrorTableOperator);
            FRejected = true;
            return false;
        }
        const bool last = !separated || (afterName && next == xttTableEnd);
        if (!last) {
            item.After = next;
            item.Spaces = Token().Integer;
            Next();
        }
        items.push_back(std::move(item));
        if (last) {
            break;
        }
    }
    if (!CheckTableItems(items)) {
        FRejected = true;
        return false;
    }
    return true;
}

// Special items come first, and only combinations a table has: a special item with columns, or the data rows with
// the header or totals rows.
bool TXLSEncoderRun::CheckTableItems(const std::vector<TTableItem>& items) {
    if (items.size() < 2) {
        return true;
    }
    std::vector<TTableItem> sorted = items;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const TTableItem& a, const TTableItem& b) { return a.Code < b.Code; });
    if (items.front().IsColumn() != sorted.front().IsColumn()) {
        Report(XLSErrorTableSpecialsFirst);
        return false;
    }
    if (sorted.front().IsColumn()) {
        return true;
    }
    const TTableItem& second = sorted[1];
    const bool secondFits =
        sorted.front().Code == PtgListSpecialData
            ? second.IsColumn() || second.Code == PtgListSpecialHeaders || second.Code == PtgListSpecialTotals
            : second.IsColumn();
    if (secondFits && (sorted.size() < 3 || sorted[2].IsColumn())) {
        return true;
    }
    const auto lastSpecial =
        std::find_if(items.rbegin(), items.rend(), [](const TTableItem& item) { return !item.IsColumn(); });
    Report(XLSErrorUnknownTableSpecial, lastSpecial->Text);
    return false;
}

// First in the current tables, then on every sheet, which makes that sheet's tables the current ones.
bool TXLSEncoderRun::FindNamedTable(rtl::UnicodeStringView name, TFoundTable& found) {
    if (FTables != nullptr) {
        const int32_t index = FTables->FindByName(name);
        if (index >= 0) {
            found = {FTables->GetItem(index), index, -1};
            return true;
        }
    }
    TXc12Tables* tables = nullptr;
    int32_t sheet = -1;
    const int32_t index = FManager.FindTable(name, tables, sheet);
    if (index < 0) {
        Report(XLSErrorUnknownTable, name);
        return false;
    }
    FTables = tables;
    found = {tables->GetItem(index), index, sheet};
    return true;
}

bool TXLSEncoderRun::FindTableOfCell(TFoundTable& found) {
    const int32_t index = FTables != nullptr ? FTables->FindCell(FCol, FRow) : -1;
    if (index < 0) {
        Report(XLSErrorUnknownTable, u"at " + (IsValidCell(FCol, FRow) ? ColRowToStr(FCol, FRow) : u""));
        return false;
    }
    found = {FTables->GetItem(index), index, -1};
    return true;
}

// Writes the items; a separator between them counts one more item of the table's group (listGroup, a position in
// the stack, or NoListGroup), a colon makes a range of two columns. A column the table does not have ends the run.
void TXLSEncoderRun::WriteTableItems(const TFoundTable& table, const std::vector<TTableItem>& items, size_t listGroup) {
    for (const TTableItem& item : items) {
        if (!WriteTableItem(table, item)) {
            return;
        }
        if (item.After == xttListSep && listGroup != NoListGroup) {
            ++FStack[listGroup].Count;
        } else if (item.After == xttColon) {
            PushOperator(PtgRange);
        } else if (item.After == xttIsect) {
            PushOperator(TStackItem{.Id = PtgIsect, .Count = item.Spaces});
        }
    }
}

bool TXLSEncoderRun::WriteTableItem(const TFoundTable& found, const TTableItem& item) {
    const TXc12Table& table = *found.Table;
    const TXLSCellAreaRec& area = table.GetArea();
    if (item.IsColumn()) {
        const int32_t position = ColumnPosition(table, item.Text);
        if (position < 0) {
            Report(XLSErrorUnknownTableColumn, item.Text);
            return false;
        }
        const TXLSPtgArea data = DataArea(table);
        const int32_t col = area.Col1 + position;
        FOut.AddListColumn(found.Index, position,
                           MakePtgArea(MakePtgCell(col, data.First().Row()), MakePtgCell(col, data.Last().Row())));
        Wrote(ptgxListColumn);
        return true;
    }
    const int32_t headers = table.GetHeaderRowCount();
    const int32_t totals = table.GetTotalsRowCount();
    uint8_t error = 0;
    TXLSPtgArea rows = RowsOfTable(table, 0, 0);
    switch (item.Code) {
    case PtgListSpecialAll:
        rows = RowsOfTable(table, area.Row1, area.Row2);
        break;
    case PtgListSpecialData:
        rows = DataArea(table);
        break;
    case PtgListSpecialHeaders:
        error = headers > 0 ? 0 : PtgListNoSuchRows;
        rows = headers > 0 ? RowsOfTable(table, area.Row1, area.Row1 + headers - 1) : rows;
        break;
    case PtgListSpecialTotals:
        error = totals > 0 ? 0 : PtgListNoSuchRows;
        rows = totals > 0 ? RowsOfTable(table, area.Row2 - totals + 1, area.Row2) : rows;
        break;
    default:
        break;
    }
    FOut.AddListSpecial(static_cast<uint8_t>(item.Code), error, rows);
    Wrote(ptgxListSpecial);
    return true;
}

} // namespace xls
