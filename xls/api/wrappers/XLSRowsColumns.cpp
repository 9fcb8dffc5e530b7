#include "xls/api/wrappers/XLSRowsColumns.h"

#include "xls/core/model/styles/Xc12DataStyleSheet5.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5Props.h"

#include <memory>

namespace xls {

namespace {

// A copy of record for columns first to last, inserted at index; it counts one more use of its format.
TXc12Column& InsertPiece(TXc12Columns& records, const TXc12Column& record, int32_t index, int32_t first, int32_t last,
                         TXc12XFEditor& editor) {
    auto piece = std::make_unique<TXc12Column>();
    piece->Assign(record);
    piece->SetFirstCol(first);
    piece->SetLastCol(last);
    if (piece->GetStyle() != nullptr) {
        editor.UseXF(piece->GetStyle());
    }
    records.Insert(index, piece.get());
    return *piece.release();
}

} // namespace

// TXLSFormattedObj

TXLSFormattedObj::TXLSFormattedObj(TXc12DataStyleSheet& styleSheet)
    : FStyleSheet(styleSheet), FXF(styleSheet.XFs().GetDefaultXF()) {}

int32_t TXLSFormattedObj::GetXFIndex() const {
    return FXF->Index();
}

void TXLSFormattedObj::SetXF(TXc12XF* xf) {
    FXF = xf;
    ApplyFormat();
}

TXc12XF* TXLSFormattedObj::DefaultXF() const {
    return FStyleSheet.XFs().GetDefaultXF();
}

// TXLSCell

TXLSCell::TXLSCell(TXc12DataStyleSheet& styleSheet, TXLSCellMMU& cells) : TXLSFormattedObj(styleSheet), FCells(cells) {}

void TXLSCell::SetPosition(int32_t col, int32_t row) {
    FCol = col;
    FRow = row;
    FCells.FindCellRef(col, row, FCell);
    ShowXF(Exists() ? StyleSheet().XFs().GetItem(FCells.GetXF(FCell)) : DefaultXF());
}

void TXLSCell::ApplyFormat() {
    if (Exists()) {
        FCells.SetCellXF(FCol, FRow, GetXFIndex());
        // The store may have moved the cell while it changed it.
        FCells.FindCellRef(FCol, FRow, FCell);
    }
}

// TXLSRow

TXLSRow::TXLSRow(TXc12DataStyleSheet& styleSheet, TXLSCellMMU& cells) : TXLSFormattedObj(styleSheet), FCells(cells) {}

void TXLSRow::SetPosition(int32_t row) {
    FRow = row;
    const TXLSRowRecord record = FCells.GetRowRecord(row);
    ShowXF(record ? StyleSheet().XFs().GetItem(record.XF()) : DefaultXF());
}

void TXLSRow::ApplyFormat() {
    const TXLSRowRecord old = FCells.GetRowRecord(FRow);
    const bool hadRecord = static_cast<bool>(old);
    const uint8_t flags = hadRecord ? old.Flags() : 0;
    const uint8_t outlineLevel = hadRecord ? old.OutlineLevel() : 0;
    const int16_t height = hadRecord ? old.Height() : -1;
    TXLSRowRecord record = FCells.SetRowFormat(FRow, GetXFIndex());
    if (hadRecord) {
        record.SetFlags(flags);
        record.SetOutlineLevel(outlineLevel);
        record.SetHeight(height);
    }
}

TXLSRow& TXLSRows::GetRow(int32_t row) {
    FRow.SetPosition(row);
    return FRow;
}

// TXLSColumn

TXLSColumn::TXLSColumn(TXc12DataStyleSheet& styleSheet, TXLSColumns& columns)
    : TXLSFormattedObj(styleSheet), FColumns(columns) {}

void TXLSColumn::SetPosition(int32_t col, TXc12Column* record) {
    FCol = col;
    FRecord = record;
    ShowXF(record != nullptr && record->GetStyle() != nullptr ? record->GetStyle() : DefaultXF());
}

void TXLSColumn::SplitRecord() {
    TXc12Columns& records = FColumns.GetRecords();
    TXc12XFEditor& editor = StyleSheet().XFEditor();
    const int32_t index = records.IndexOf(FRecord);
    if (FCol < FRecord->GetLastCol()) {
        InsertPiece(records, *FRecord, index + 1, FCol + 1, FRecord->GetLastCol(), editor);
    }
    if (FCol > FRecord->GetFirstCol()) {
        InsertPiece(records, *FRecord, index, FRecord->GetFirstCol(), FCol - 1, editor);
    }
    FRecord->SetFirstCol(FCol);
    FRecord->SetLastCol(FCol);
}

void TXLSColumn::ApplyFormat() {
    TXc12XF* xf = GetXF();
    TXc12XFEditor& editor = StyleSheet().XFEditor();
    if (FRecord == nullptr) {
        if (xf->Index() == 0) {
            return;
        }
        TXc12Columns& records = FColumns.GetRecords();
        auto record = std::make_unique<TXc12Column>();
        record->SetFirstCol(FCol);
        record->SetLastCol(FCol);
        record->SetWidth(TXLSColumns::DefaultWidth);
        int32_t index = 0;
        while (index < records.Count() && records.GetItem(index)->GetFirstCol() < FCol) {
            ++index;
        }
        records.Insert(index, record.get());
        FRecord = record.release();
    } else if (FRecord->GetStyle() == xf) {
        return;
    } else {
        SplitRecord();
        if (FRecord->GetStyle() != nullptr) {
            editor.ReleaseXF(FRecord->GetStyle());
        }
    }
    FRecord->SetStyle(xf);
    editor.UseXF(xf);
    FColumns.Changed(FRecord->GetFirstCol(), FRecord->GetLastCol());
}

// TXLSColumns

TXLSColumns::TXLSColumns(TXc12DataStyleSheet& styleSheet, TXc12Columns& records)
    : FRecords(records), FColumn(styleSheet, *this) {
    FRecords.Sort([](void* first, void* second) {
        return static_cast<TXc12Column*>(first)->GetFirstCol() - static_cast<TXc12Column*>(second)->GetFirstCol();
    });
}

TXLSColumn& TXLSColumns::GetColumn(int32_t col) {
    FColumn.SetPosition(col, FindRecord(col));
    return FColumn;
}

TXc12Column* TXLSColumns::FindRecord(int32_t col) const {
    int32_t low = 0;
    int32_t high = FRecords.Count() - 1;
    while (low <= high) {
        const int32_t middle = low + (high - low) / 2;
        TXc12Column* record = FRecords.GetItem(middle);
        if (col >= record->GetFirstCol() && col <= record->GetLastCol()) {
            return record;
        }
        if (col < record->GetLastCol()) {
            high = middle - 1;
        } else {
            low = middle + 1;
        }
    }
    return nullptr;
}

void TXLSColumns::Changed(int32_t firstCol, int32_t lastCol) const {
    if (FOnChange) {
        FOnChange(firstCol, lastCol);
    }
}

} // namespace xls
