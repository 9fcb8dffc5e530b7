#include "ui/grid/customtable/uiCustomGridTableViewStyles.h"

#include "ui/core/graphics/uiDrawParams.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/grid/customtable/data/uiCustomGridTableViewData.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"

namespace ui {

namespace {

// The record a style lookup was asked for: the record itself or the record of a cell position.
TuiCustomGridRecord* RecordOfStyleData(rtl::TObject* data) {
    if (auto* cellPos = dynamic_cast<TuiGridDataCellPos*>(data)) {
        return cellPos->GridRecord;
    }
    return dynamic_cast<TuiCustomGridRecord*>(data);
}

// The style an OnGetContentStyle handler names, or nullptr.
TuiStyle* HandlerContentStyle(const TuiGridGetCellStyleEvent& handler, TuiCustomGridTableView& gridView,
                              TuiCustomGridRecord* record, TuiCustomGridTableItem* item) {
    TuiStyle* style = nullptr;
    if (record && handler) {
        handler(gridView, record, item, style);
    }
    return style;
}

} // namespace

TuiCustomGridTableViewStyles::TuiCustomGridTableViewStyles(TuiCustomGridTableView& gridView)
    : TuiCustomGridViewStyles(gridView) {}

TuiCustomGridTableViewStyles::TuiCustomGridTableViewStyles(rtl::TPersistent* owner) : TuiCustomGridViewStyles(owner) {}

TuiCustomGridTableView& TuiCustomGridTableViewStyles::TableView() const {
    return static_cast<TuiCustomGridTableView&>(*GetGridView());
}

void TuiCustomGridTableViewStyles::Assign(const rtl::TPersistent* source) {
    if (const auto* styles = dynamic_cast<const TuiCustomGridTableViewStyles*>(source)) {
        SetOnGetContentStyle(styles->FOnGetContentStyle);
    }
    TuiCustomGridViewStyles::Assign(source);
}

void TuiCustomGridTableViewStyles::SetOnGetContentStyle(TuiGridGetCellStyleEvent handler) {
    FOnGetContentStyle = std::move(handler);
    ReportViewChanged();
}

void TuiCustomGridTableViewStyles::ReportViewChanged() {
    if (TuiCustomGridView* gridView = GetGridView()) {
        gridView->Changed(0);
    }
}

void TuiCustomGridTableViewStyles::GetDefaultDrawParams(int32_t index, rtl::TObject* data, TuiDrawParams& params) {
    TuiCustomGridViewStyles::GetDefaultDrawParams(index, data, params);
    if (!GetGridView()) {
        return;
    }
    const TuiCustomLookAndFeelPainter& painter = *TableView().LookAndFeelPainter();
    switch (index) {
    case vsContent:
        if (const TuiCustomGridRecord* record = dynamic_cast<TuiCustomGridRecord*>(data)) {
            GetDefaultDrawParams(record->Index() % 2 == 0 ? vsContentEven : vsContentOdd, nullptr, params);
        } else {
            params.Color = painter.ContentColor();
            params.TextColor = painter.ContentTextColor();
        }
        break;
    case vsContentEven:
        params.Color = painter.ContentEvenColor();
        params.TextColor = painter.ContentTextColor();
        break;
    case vsContentOdd:
        params.Color = painter.ContentOddColor();
        params.TextColor = painter.ContentTextColor();
        break;
    case vsFilterBox:
        params.Color = painter.FilterBoxColor();
        params.TextColor = painter.FilterBoxTextColor();
        break;
    case vsInactive:
    case vsSelection:
        if (auto* cellPos = dynamic_cast<TuiGridDataCellPos*>(data)) {
            GetDataCellParams(cellPos->GridRecord, cellPos->Item, params);
        }
        params.Color = index == vsInactive ? painter.FaceColor() : painter.SelectionColor();
        params.TextColor = index == vsInactive ? painter.FaceTextColor() : painter.SelectionTextColor();
        break;
    case vsIncSearch:
        params.Color = vcl::clDefault;
        params.TextColor = vcl::clDefault;
        break;
    default:
        break;
    }
}

void TuiCustomGridTableViewStyles::GetContentParams(TuiCustomGridRecord* record, TuiCustomGridTableItem* item,
                                                    TuiDrawParams& params) {
    TuiStyle* handlerStyle = HandlerContentStyle(FOnGetContentStyle, TableView(), record, item);
    if (record) {
        const bool even = record->Index() % 2 == 0;
        if ((even && ContentEven()) || (!even && ContentOdd())) {
            TuiGridDataCellPos cellPos(record, item);
            ResolveDrawParams(even ? vsContentEven : vsContentOdd, &cellPos, handlerStyle, params);
            return;
        }
    }
    ResolveDrawParams(vsContent, record, handlerStyle, params);
}

void TuiCustomGridTableViewStyles::GetDataCellParams(TuiCustomGridRecord* record, TuiCustomGridTableItem* item,
                                                     TuiDrawParams& params) {
    if (item) {
        item->Styles().GetContentParams(record, params);
    } else {
        GetContentParams(record, nullptr, params);
    }
}

void TuiCustomGridTableViewStyles::GetSelectionParams(TuiCustomGridRecord* record, TuiCustomGridTableItem* item,
                                                      TuiDrawParams& params) {
    TuiGridDataCellPos cellPos(record, item);
    ResolveDrawParams(TableView().HasFocus() ? vsSelection : vsInactive, record ? &cellPos : nullptr, nullptr, params);
    params.Bitmap = nullptr;
}

TuiCustomGridTableItemStyles::TuiCustomGridTableItemStyles(TuiCustomGridTableItem& item)
    : TuiCustomGridStyles(&item), FItem(item) {}

TuiCustomGridView* TuiCustomGridTableItemStyles::GetGridView() const {
    return FItem.GridView();
}

void TuiCustomGridTableItemStyles::Assign(const rtl::TPersistent* source) {
    if (const auto* styles = dynamic_cast<const TuiCustomGridTableItemStyles*>(source)) {
        SetOnGetContentStyle(styles->FOnGetContentStyle);
    }
    TuiCustomGridStyles::Assign(source);
}

void TuiCustomGridTableItemStyles::SetOnGetContentStyle(TuiGridGetCellStyleEvent handler) {
    FOnGetContentStyle = std::move(handler);
    FItem.Changed(0);
}

void TuiCustomGridTableItemStyles::GetDefaultDrawParams(int32_t index, rtl::TObject* data, TuiDrawParams& params) {
    TuiCustomGridTableView* gridView = FItem.GridView();
    if (index == isContent && gridView) {
        gridView->Styles().GetContentParams(RecordOfStyleData(data), &FItem, params);
        return;
    }
    TuiCustomGridStyles::GetDefaultDrawParams(index, data, params);
}

void TuiCustomGridTableItemStyles::GetContentParams(TuiCustomGridRecord* record, TuiDrawParams& params) {
    TuiStyle* handlerStyle = nullptr;
    if (TuiCustomGridTableView* gridView = FItem.GridView()) {
        handlerStyle = HandlerContentStyle(FOnGetContentStyle, *gridView, record, &FItem);
    }
    ResolveDrawParams(isContent, record, handlerStyle, params);
}

} // namespace ui
