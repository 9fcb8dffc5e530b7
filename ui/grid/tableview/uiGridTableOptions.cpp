#include "ui/grid/tableview/uiGridTableOptions.h"

#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/uiGridStrs.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableView.h"

#include <algorithm>

namespace ui {

void TuiGridTableOptionsSelection::Assign(const rtl::TPersistent* source) {
    if (const auto* selection = dynamic_cast<const TuiGridTableOptionsSelection*>(source)) {
        SetCellMultiSelect(selection->FCellMultiSelect);
    }
    TuiCustomGridTableOptionsSelection::Assign(source);
}

void TuiGridTableOptionsSelection::SetCellMultiSelect(bool value) {
    if (FCellMultiSelect == value) {
        return;
    }
    FCellMultiSelect = value;
    TuiCustomGridTableOptionsSelection::SetCellSelect(true);
    TuiCustomGridTableOptionsSelection::SetInvertSelect(!value);
    TuiCustomGridTableOptionsSelection::SetMultiSelect(value);
    Changed(0);
}

void TuiGridTableOptionsSelection::SetCellSelect(bool value) {
    if (!FCellMultiSelect || value) {
        TuiCustomGridTableOptionsSelection::SetCellSelect(value);
    }
}

void TuiGridTableOptionsSelection::SetInvertSelect(bool value) {
    if (!FCellMultiSelect || !value) {
        TuiCustomGridTableOptionsSelection::SetInvertSelect(value);
    }
}

void TuiGridTableOptionsSelection::SetMultiSelect(bool value) {
    if (!FCellMultiSelect || value) {
        TuiCustomGridTableOptionsSelection::SetMultiSelect(value);
    }
}

bool TuiGridTableOptionsSelection::IsInvertSelectStored() const {
    return !FCellMultiSelect && TuiCustomGridTableOptionsSelection::IsInvertSelectStored();
}

bool TuiGridTableOptionsSelection::IsMultiSelectStored() const {
    return !FCellMultiSelect && TuiCustomGridTableOptionsSelection::IsMultiSelectStored();
}

void TuiGridTableOptionsCustomize::Assign(const rtl::TPersistent* source) {
    if (const auto* customize = dynamic_cast<const TuiGridTableOptionsCustomize*>(source)) {
        SetColumnHidingOnGrouping(customize->FColumnHidingOnGrouping);
        SetColumnHorzSizing(customize->FColumnHorzSizing);
    }
    TuiCustomGridTableOptionsCustomize::Assign(source);
}

void TuiGridTableOptionsCustomize::SetColumnHidingOnGrouping(bool value) {
    if (FColumnHidingOnGrouping != value) {
        FColumnHidingOnGrouping = value;
        Changed(0);
    }
}

void TuiGridTableOptionsCustomize::SetColumnHorzSizing(bool value) {
    if (FColumnHorzSizing != value) {
        FColumnHorzSizing = value;
        Changed(1);
    }
}

void TuiGridTableOptionsView::Assign(const rtl::TPersistent* source) {
    if (const auto* view = dynamic_cast<const TuiGridTableOptionsView*>(source)) {
        SetColumnAutoWidth(view->FColumnAutoWidth);
        SetExpandButtonsForEmptyDetails(view->ExpandButtonsForEmptyDetails());
        SetFooter(view->FFooter);
        SetFooterAutoHeight(view->FFooterAutoHeight);
        SetFooterMultiSummaries(view->FFooterMultiSummaries);
        SetGridLines(view->FGridLines);
        SetGroupByBox(view->FGroupByBox);
        SetGroupFooters(view->FGroupFooters);
        FPrevGroupFooters = view->FPrevGroupFooters;
        SetHeader(view->FHeader);
        SetHeaderHeight(view->FHeaderHeight);
        SetIndicator(view->FIndicator);
        SetIndicatorWidth(view->FIndicatorWidth);
        SetRowSeparatorWidth(view->FRowSeparatorWidth);
    }
    TuiCustomGridTableOptionsView::Assign(source);
}

void TuiGridTableOptionsView::SetSizeFlag(bool& field, bool value) {
    if (field != value) {
        field = value;
        Changed(2);
    }
}

void TuiGridTableOptionsView::SetSizeValue(int32_t& field, int32_t value) {
    value = std::max(value, 0);
    if (field != value) {
        field = value;
        Changed(2);
    }
}

void TuiGridTableOptionsView::SetColumnAutoWidth(bool value) {
    SetSizeFlag(FColumnAutoWidth, value);
}

bool TuiGridTableOptionsView::ExpandButtonsForEmptyDetails() const {
    const TuiGridLevel* level = GridView().Level();
    return FExpandButtonsForEmptyDetails && (!level || level->Options().TabsForEmptyDetails());
}

void TuiGridTableOptionsView::SetExpandButtonsForEmptyDetails(bool value) {
    if (FExpandButtonsForEmptyDetails != value) {
        FExpandButtonsForEmptyDetails = value;
        Changed(1);
    }
}

void TuiGridTableOptionsView::SetFooter(bool value) {
    SetSizeFlag(FFooter, value);
}

void TuiGridTableOptionsView::SetFooterAutoHeight(bool value) {
    SetSizeFlag(FFooterAutoHeight, value);
}

void TuiGridTableOptionsView::SetFooterMultiSummaries(bool value) {
    SetSizeFlag(FFooterMultiSummaries, value);
}

void TuiGridTableOptionsView::SetGroupByBox(bool value) {
    SetSizeFlag(FGroupByBox, value);
}

void TuiGridTableOptionsView::SetGroupFooters(TuiGridGroupFootersMode value) {
    if (FGroupFooters != value) {
        FPrevGroupFooters = FGroupFooters;
        FGroupFooters = value;
        Changed(2);
    }
}

void TuiGridTableOptionsView::SetGridLines(TuiGridLines value) {
    if (FGridLines != value) {
        FGridLines = value;
        Changed(2);
    }
}

void TuiGridTableOptionsView::SetHeader(bool value) {
    SetSizeFlag(FHeader, value);
}

void TuiGridTableOptionsView::SetHeaderHeight(int32_t value) {
    SetSizeValue(FHeaderHeight, value);
}

void TuiGridTableOptionsView::SetIndicator(bool value) {
    SetSizeFlag(FIndicator, value);
}

void TuiGridTableOptionsView::SetIndicatorWidth(int32_t value) {
    SetSizeValue(FIndicatorWidth, value);
}

void TuiGridTableOptionsView::SetRowSeparatorWidth(int32_t value) {
    SetSizeValue(FRowSeparatorWidth, value);
}

void TuiGridSpecialRowOptions::Assign(const rtl::TPersistent* source) {
    if (const auto* row = dynamic_cast<const TuiGridSpecialRowOptions*>(source)) {
        SetInfoText(row->InfoText());
        SetSeparatorWidth(row->FSeparatorWidth);
        SetVisible(row->FVisible);
    }
    TuiCustomGridOptions::Assign(source);
}

rtl::UnicodeString TuiGridSpecialRowOptions::InfoText() const {
    return FIsInfoTextAssigned ? FInfoText : DefaultInfoText();
}

void TuiGridSpecialRowOptions::SetInfoText(rtl::UnicodeStringView value) {
    if (InfoText() == value) {
        return;
    }
    FInfoText = rtl::UnicodeString(value);
    FIsInfoTextAssigned = FInfoText != DefaultInfoText();
    Changed(1);
}

void TuiGridSpecialRowOptions::SetSeparatorWidth(int32_t value) {
    value = std::max(value, MinSeparatorWidth);
    if (FSeparatorWidth != value) {
        FSeparatorWidth = value;
        Changed(2);
    }
}

void TuiGridSpecialRowOptions::SetVisible(bool value) {
    if (FVisible != value) {
        FVisible = value;
        Changed(2);
    }
}

void TuiGridFilterRowOptions::Assign(const rtl::TPersistent* source) {
    if (const auto* row = dynamic_cast<const TuiGridFilterRowOptions*>(source)) {
        SetApplyChanges(row->FApplyChanges);
    }
    TuiGridSpecialRowOptions::Assign(source);
}

void TuiGridFilterRowOptions::SetApplyChanges(TuiGridFilterRowApplyChangesMode value) {
    if (FApplyChanges != value) {
        FApplyChanges = value;
        Changed(0);
    }
}

rtl::UnicodeString TuiGridFilterRowOptions::DefaultInfoText() const {
    return LoadResStringText(suiGridFilterRowInfoText);
}

rtl::UnicodeString TuiGridNewItemRowOptions::DefaultInfoText() const {
    return LoadResStringText(suiGridNewItemRowInfoText);
}

void TuiGridPreview::Assign(const rtl::TPersistent* source) {
    if (const auto* preview = dynamic_cast<const TuiGridPreview*>(source)) {
        const TuiGridColumn* column = preview->FColumn;
        SetColumn(column ? dynamic_cast<TuiGridColumn*>(TableView().FindItemByID(column->ID())) : nullptr);
        SetVisible(preview->FVisible);
    }
    TuiCustomGridOptions::Assign(source);
}

TuiGridTableView& TuiGridPreview::TableView() const {
    return static_cast<TuiGridTableView&>(GridView());
}

void TuiGridPreview::SetColumn(TuiGridColumn* value) {
    if (value && value->GridView() != &GridView()) {
        value = nullptr;
    }
    if (FColumn == value) {
        return;
    }
    TuiGridColumn* oldColumn = FColumn;
    FColumn = value;
    TuiGridTableView& view = TableView();
    view.BeginUpdate();
    for (TuiGridColumn* column : {oldColumn, value}) {
        if (column) {
            view.ChangeItemVisible(column, column->Visible());
        }
    }
    view.EndUpdate();
}

void TuiGridPreview::SetVisible(bool value) {
    if (FVisible != value) {
        FVisible = value;
        Changed(2);
    }
}

} // namespace ui
