// The table item's part in its cells: custom drawing, hints, the text shown and the editor's buttons.

#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/items/uiCustomGridTableItemOptions.h"
#include "ui/grid/customtable/uiCustomGridTableOptions.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"
#include "ui/grid/customtable/uiGridEventSetter.h"

namespace ui {

void TuiCustomGridTableItem::DoCustomDrawCell(TuiCanvas& canvas, TuiGridTableDataCellViewInfo* cell, bool& done) {
    if (FOnCustomDrawCell && FGridView) {
        FOnCustomDrawCell(*FGridView, canvas, cell, done);
    }
}

void TuiCustomGridTableItem::DoGetCellHint(TuiCustomGridRecord* record, TuiGridTableDataCellViewInfo* cell,
                                           vcl::TPoint mousePos, rtl::UnicodeString& text, bool& multiLine,
                                           vcl::TRect& textRect) {
    if (FOnGetCellHint) {
        FOnGetCellHint(*this, record, cell, mousePos, text, multiLine, textRect);
    }
}

void TuiCustomGridTableItem::DoGetDisplayText(TuiCustomGridRecord* record, rtl::UnicodeString& text) {
    if (FOnGetDisplayText) {
        FOnGetDisplayText(*this, record, text);
    }
}

void TuiCustomGridTableItem::SetOnCustomDrawCell(TuiGridTableDataCellCustomDrawEvent handler) {
    SetGridEventHandler(FOnCustomDrawCell, std::move(handler), [this] { Changed(0); });
}

void TuiCustomGridTableItem::SetOnGetCellHint(TuiGridGetCellHintEvent handler) {
    SetGridEventHandler(FOnGetCellHint, std::move(handler), [this] { Changed(0); });
}

// The texts shown set the columns' widths fitted to them and the rows' measured heights.
void TuiCustomGridTableItem::SetOnGetDisplayText(TuiGridGetDisplayTextEvent handler) {
    SetGridEventHandler(FOnGetDisplayText, std::move(handler), [this] { Changed(1); });
}

bool TuiCustomGridTableItem::ShowButtons(bool focused) {
    switch (Options().ShowEditButtons()) {
    case isebAlways:
        return true;
    case isebNever:
        return false;
    case isebDefault:
        break;
    }
    if (FGridView == nullptr) {
        return false;
    }
    switch (FGridView->OptionsView().ShowEditButtons()) {
    case gsebAlways:
        return true;
    case gsebForFocusedRecord:
        return focused;
    case gsebNever:
        break;
    }
    return false;
}

} // namespace ui
