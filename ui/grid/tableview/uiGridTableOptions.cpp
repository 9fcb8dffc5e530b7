#include "ui/grid/tableview/uiGridTableOptions.h"

#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/grid/control/uiGridLevel.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/uiGridStrs.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridRows.h"
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
        SetDataRowSizing(customize->FDataRowSizing);
        SetGroupBySorting(customize->FGroupBySorting);
        SetGroupRowSizing(customize->FGroupRowSizing);
    }
    TuiCustomGridTableOptionsCustomize::Assign(source);
}

void TuiGridTableOptionsCustomize::SetPropertyFlag(bool& field, bool value) {
    if (field != value) {
        field = value;
        Changed(0);
    }
}

void TuiGridTableOptionsCustomize::SetDataRowSizing(bool value) {
    SetPropertyFlag(FDataRowSizing, value);
}

void TuiGridTableOptionsCustomize::SetGroupRowSizing(bool value) {
    SetPropertyFlag(FGroupRowSizing, value);
}

void TuiGridTableOptionsCustomize::SetGroupBySorting(bool value) {
    if (FGroupBySorting == value) {
        return;
    }
    auto& view = static_cast<TuiGridTableView&>(TableView());
    view.BeginUpdate();
    try {
        for (int32_t i = 0; i < view.ItemCount(); ++i) {
            if (view.Items(i)->GroupIndex() != -1) {
                view.Items(i)->SetVisible(true);
            }
        }
        view.DataController().Groups().ClearGrouping();
        view.DataController().ClearSortingExceptGrouping(false);
        FGroupBySorting = value;
        Changed(0);
    } catch (...) {
        view.EndUpdate();
        throw;
    }
    view.EndUpdate();
}

void TuiGridTableOptionsCustomize::SetColumnHidingOnGrouping(bool value) {
    SetPropertyFlag(FColumnHidingOnGrouping, value);
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
        SetDataRowHeight(view->FDataRowHeight);
        SetExpandButtonsForEmptyDetails(view->ExpandButtonsForEmptyDetails());
        SetFooter(view->FFooter);
        SetFooterAutoHeight(view->FFooterAutoHeight);
        SetFooterMultiSummaries(view->FFooterMultiSummaries);
        SetGridLineColor(view->FGridLineColor);
        SetGridLines(view->FGridLines);
        SetGroupByBox(view->FGroupByBox);
        SetGroupFooterMultiSummaries(view->FGroupFooterMultiSummaries);
        SetGroupFooters(view->FGroupFooters);
        FPrevGroupFooters = view->FPrevGroupFooters;
        SetGroupRowHeight(view->FGroupRowHeight);
        SetGroupRowStyle(view->FGroupRowStyle);
        SetGroupSummaryLayout(view->FGroupSummaryLayout);
        SetHeader(view->FHeader);
        SetHeaderHeight(view->FHeaderHeight);
        SetIndicator(view->FIndicator);
        SetIndicatorWidth(view->FIndicatorWidth);
        SetRowSeparatorColor(view->FRowSeparatorColor);
        SetRowSeparatorWidth(view->FRowSeparatorWidth);
    }
    TuiCustomGridTableOptionsView::Assign(source);
}

TuiGridTableView& TuiGridTableOptionsView::TableView() const {
    return static_cast<TuiGridTableView&>(GridView());
}

void TuiGridTableOptionsView::SetLayoutColor(vcl::TColor& field, vcl::TColor value) {
    if (field != value) {
        field = value;
        Changed(1);
    }
}

template <class TEnum>
void TuiGridTableOptionsView::SetSizeEnum(TEnum& field, TEnum value) {
    if (field != value) {
        field = value;
        Changed(2);
    }
}

void TuiGridTableOptionsView::SetDataRowHeight(int32_t value) {
    SetSizeValue(FDataRowHeight, CheckedRowHeight(value, TableView().MinDataRowHeight()));
}

void TuiGridTableOptionsView::SetGroupRowHeight(int32_t value) {
    SetSizeValue(FGroupRowHeight, CheckedRowHeight(value, TableView().MinGroupRowHeight()));
}

void TuiGridTableOptionsView::SetGridLineColor(vcl::TColor value) {
    SetLayoutColor(FGridLineColor, value);
}

void TuiGridTableOptionsView::SetGroupFooterMultiSummaries(bool value) {
    SetSizeFlag(FGroupFooterMultiSummaries, value);
}

void TuiGridTableOptionsView::SetGroupRowStyle(TuiGridGroupRowStyle value) {
    SetSizeEnum(FGroupRowStyle, value);
}

void TuiGridTableOptionsView::SetGroupSummaryLayout(TuiGridGroupSummaryLayout value) {
    SetSizeEnum(FGroupSummaryLayout, value);
}

void TuiGridTableOptionsView::SetRowSeparatorColor(vcl::TColor value) {
    SetLayoutColor(FRowSeparatorColor, value);
}

void TuiGridTableOptionsView::ReadNewItemRow(bool value) {
    TableView().NewItemRow().SetVisible(value);
}

void TuiGridTableOptionsView::ReadNewItemRowInfoText(rtl::UnicodeStringView value) {
    TableView().NewItemRow().SetInfoText(value);
}

void TuiGridTableOptionsView::ReadNewItemRowSeparatorColor(vcl::TColor value) {
    TableView().NewItemRow().SetSeparatorColor(value);
}

void TuiGridTableOptionsView::ReadNewItemRowSeparatorWidth(int32_t value) {
    TableView().NewItemRow().SetSeparatorWidth(value);
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
    SetSizeEnum(FGridLines, value);
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
        SetSeparatorColor(row->FSeparatorColor);
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

void TuiGridSpecialRowOptions::SetSeparatorColor(vcl::TColor value) {
    if (FSeparatorColor != value) {
        FSeparatorColor = value;
        Changed(1);
    }
}

void TuiGridSpecialRowOptions::SetSeparatorWidth(int32_t value) {
    value = std::max(value, MinSeparatorWidth);
    if (FSeparatorWidth != value) {
        FSeparatorWidth = value;
        Changed(2);
    }
}

TuiGridTableView& TuiGridSpecialRowOptions::TableView() const {
    return static_cast<TuiGridTableView&>(GridView());
}

void TuiGridSpecialRowOptions::VisibleChanged() {
    Changed(2);
}

void TuiGridFilterRowOptions::VisibleChanged() {
    static_cast<TuiGridViewData&>(TableView().ViewData()).CheckFilterRow();
    TuiGridSpecialRowOptions::VisibleChanged();
}

void TuiGridNewItemRowOptions::VisibleChanged() {
    TableView().ViewData().CheckNewItemRecord();
    TableView().DataController().SetUseNewItemRowForEditing(Visible());
    TuiGridSpecialRowOptions::VisibleChanged();
}

void TuiGridSpecialRowOptions::SetVisible(bool value) {
    if (FVisible != value) {
        FVisible = value;
        VisibleChanged();
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
        SetAutoHeight(preview->FAutoHeight);
        if (!TableView().ComponentState().Contains(rtl::TComponentState::csLoading)) {
            const TuiGridColumn* column = preview->FColumn;
            SetColumn(column ? dynamic_cast<TuiGridColumn*>(TableView().FindItemByID(column->ID())) : nullptr);
        }
        SetLeftIndent(preview->FLeftIndent);
        SetMaxLineCount(preview->FMaxLineCount);
        SetPlace(preview->FPlace);
        SetRightIndent(preview->FRightIndent);
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

template <class T>
void TuiGridPreview::SetValue(T& field, T value) {
    if (field != value) {
        field = value;
        Changed(FVisible ? 2 : 0);
    }
}

void TuiGridPreview::SetAutoHeight(bool value) {
    SetValue(FAutoHeight, value);
}

void TuiGridPreview::SetLeftIndent(int32_t value) {
    SetValue(FLeftIndent, std::max(value, 0));
}

void TuiGridPreview::SetMaxLineCount(int32_t value) {
    SetValue(FMaxLineCount, std::max(value, 0));
}

void TuiGridPreview::SetPlace(TuiGridPreviewPlace value) {
    SetValue(FPlace, value);
}

void TuiGridPreview::SetRightIndent(int32_t value) {
    SetValue(FRightIndent, std::max(value, 0));
}

void TuiGridPreview::SetVisible(bool value) {
    if (FVisible != value) {
        FVisible = value;
        Changed(2);
    }
}

} // namespace ui
