#include "ui/grid/tableview/uiGridColumnSummary.h"

#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"
#include "ui/grid/tableview/uiGridColumn.h"

namespace ui {

void TuiGridColumnSummary::Assign(const rtl::TPersistent* source) {
    const auto* summary = dynamic_cast<const TuiGridColumnSummary*>(source);
    if (!summary) {
        rtl::TPersistent::Assign(source);
        return;
    }
    SetFooterFormat(summary->FooterFormat());
    SetFooterKind(summary->FooterKind());
    SetGroupFooterFormat(summary->GroupFooterFormat());
    SetGroupFooterKind(summary->GroupFooterKind());
    SetGroupFormat(summary->GroupFormat());
    SetGroupKind(summary->GroupKind());
    SetSortByGroupFooterSummary(summary->SortByGroupFooterSummary());
    SetSortByGroupSummary(summary->SortByGroupSummary());
}

TuiDataSummaryItem* TuiGridColumnSummary::FindItem(TuiDataSummaryItems& items, TuiSummaryPosition position) const {
    return FColumn.Index() < 0 ? nullptr : items.FindItem(FColumn.Index(), position, skNone, false);
}

TuiGridColumnSummary::TItemPlace TuiGridColumnSummary::Footer() const {
    TuiCustomGridTableView* view = FColumn.GridView();
    return {view ? &view->DataController().Summary().FooterSummaryItems() : nullptr, spFooter};
}

TuiGridColumnSummary::TItemPlace TuiGridColumnSummary::Group(TuiSummaryPosition position) const {
    TuiCustomGridTableView* view = FColumn.GridView();
    return {view ? &view->DataController().Summary().DefaultGroupSummaryItems() : nullptr, position};
}

TuiSummaryKind TuiGridColumnSummary::Kind(TItemPlace place) const {
    const TuiDataSummaryItem* item = place.Items ? FindItem(*place.Items, place.Position) : nullptr;
    return item ? item->Kind() : skNone;
}

rtl::UnicodeString TuiGridColumnSummary::Format(TItemPlace place) const {
    const TuiDataSummaryItem* item = place.Items ? FindItem(*place.Items, place.Position) : nullptr;
    return item ? item->Format() : rtl::UnicodeString();
}

bool TuiGridColumnSummary::Sorted(TItemPlace place) const {
    const TuiDataSummaryItem* item = place.Items ? FindItem(*place.Items, place.Position) : nullptr;
    return item && item->Sorted();
}

void TuiGridColumnSummary::Change(TItemPlace place, bool setsValue,
                                  const std::function<void(TuiDataSummaryItem&)>& change) {
    if (!place.Items) {
        return;
    }
    TuiDataSummaryItem* item = FindItem(*place.Items, place.Position);
    if (!item) {
        if (!setsValue) {
            return;
        }
        item = &place.Items->AddItemForItem(FColumn.Index(), place.Position);
    }
    change(*item);
    if (item->Kind() == skNone && item->Format().empty() && !item->Sorted()) {
        place.Items->Delete(item->Index());
    }
}

void TuiGridColumnSummary::SetFooterKind(TuiSummaryKind value) {
    Change(Footer(), value != skNone, [value](TuiDataSummaryItem& item) { item.SetKind(value); });
}

void TuiGridColumnSummary::SetFooterFormat(rtl::UnicodeStringView value) {
    Change(Footer(), !value.empty(), [value](TuiDataSummaryItem& item) { item.SetFormat(value); });
}

void TuiGridColumnSummary::SetGroupFooterKind(TuiSummaryKind value) {
    Change(Group(spFooter), value != skNone, [value](TuiDataSummaryItem& item) { item.SetKind(value); });
}

void TuiGridColumnSummary::SetGroupFooterFormat(rtl::UnicodeStringView value) {
    Change(Group(spFooter), !value.empty(), [value](TuiDataSummaryItem& item) { item.SetFormat(value); });
}

void TuiGridColumnSummary::SetGroupKind(TuiSummaryKind value) {
    Change(Group(spGroup), value != skNone, [value](TuiDataSummaryItem& item) { item.SetKind(value); });
}

void TuiGridColumnSummary::SetGroupFormat(rtl::UnicodeStringView value) {
    Change(Group(spGroup), !value.empty(), [value](TuiDataSummaryItem& item) { item.SetFormat(value); });
}

void TuiGridColumnSummary::SetSortByGroupFooterSummary(bool value) {
    Change(Group(spFooter), value, [value](TuiDataSummaryItem& item) { item.SetSorted(value); });
}

void TuiGridColumnSummary::SetSortByGroupSummary(bool value) {
    Change(Group(spGroup), value, [value](TuiDataSummaryItem& item) { item.SetSorted(value); });
}

} // namespace ui
