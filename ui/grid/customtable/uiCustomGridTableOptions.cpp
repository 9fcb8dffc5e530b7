#include "ui/grid/customtable/uiCustomGridTableOptions.h"

#include "rtl/core/Exceptions.h"
#include "ui/data/controller/filtering/uiDataControllerSearch.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/editors/filterdialog/uiFilterDialog.h"
#include "ui/editors/filterdialog/uiFilterDialogFit.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/items/uiGridItemDataBinding.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"
#include "ui/grid/customtable/uiGridStrs.h"

#include <algorithm>

namespace ui {

TuiCustomGridTableView& TuiCustomGridTableOptions::TableView() const {
    return static_cast<TuiCustomGridTableView&>(GridView());
}

namespace {

TuiCustomGridTableView& TableViewOfOptions(const TuiCustomGridOptions& options) {
    return static_cast<TuiCustomGridTableView&>(options.GridView());
}

} // namespace

void TuiCustomGridTableDateTimeHandling::Assign(const rtl::TPersistent* source) {
    if (const auto* handling = dynamic_cast<const TuiCustomGridTableDateTimeHandling*>(source)) {
        SetDateFormat(handling->FDateFormat);
        SetFilters(handling->FFilters);
        SetGrouping(handling->FGrouping);
        SetHourFormat(handling->FHourFormat);
        SetIgnoreTimeForFiltering(handling->FIgnoreTimeForFiltering);
        SetMonthFormat(handling->FMonthFormat);
        SetUseLongDateFormat(handling->FUseLongDateFormat);
        SetUseShortTimeFormat(handling->FUseShortTimeFormat);
        SetYearFormat(handling->FYearFormat);
    }
    TuiCustomGridTableOptions::Assign(source);
}

void TuiCustomGridTableDateTimeHandling::SetFormat(rtl::UnicodeString& field, rtl::UnicodeStringView value) {
    if (field != value) {
        field = rtl::UnicodeString(value);
        Changed(2);
    }
}

void TuiCustomGridTableDateTimeHandling::SetDateFormat(rtl::UnicodeStringView value) {
    SetFormat(FDateFormat, value);
}

void TuiCustomGridTableDateTimeHandling::SetHourFormat(rtl::UnicodeStringView value) {
    SetFormat(FHourFormat, value);
}

void TuiCustomGridTableDateTimeHandling::SetMonthFormat(rtl::UnicodeStringView value) {
    SetFormat(FMonthFormat, value);
}

void TuiCustomGridTableDateTimeHandling::SetYearFormat(rtl::UnicodeStringView value) {
    SetFormat(FYearFormat, value);
}

void TuiCustomGridTableDateTimeHandling::SetFilters(TuiGridDateTimeFilters value) {
    if (FFilters.Bits() != value.Bits()) {
        FFilters = value;
        Changed(0);
    }
}

void TuiCustomGridTableDateTimeHandling::SetGrouping(TuiGridDateTimeGrouping value) {
    if (value == dtgDefault) {
        value = dtgRelativeToToday;
    }
    if (FGrouping == value) {
        return;
    }
    FGrouping = value;
    TuiCustomGridTableView& gridView = TableView();
    if (gridView.ItemCount() == 0) {
        Changed(0);
        return;
    }
    gridView.BeginUpdate();
    try {
        for (int32_t i = 0; i < gridView.ItemCount(); ++i) {
            gridView.Items(i)->DateTimeGroupingChanged();
        }
    } catch (...) {
        gridView.EndUpdate();
        throw;
    }
    gridView.EndUpdate();
}

void TuiCustomGridTableDateTimeHandling::SetIgnoreTimeForFiltering(bool value) {
    if (FIgnoreTimeForFiltering != value) {
        FIgnoreTimeForFiltering = value;
        TableView().DataController().RebuildRows();
    }
}

rtl::UnicodeString
TuiCustomGridTableDateTimeHandling::EffectiveDateFormat(const rtl::UnicodeString& longDateFormat) const {
    if (!FDateFormat.empty()) {
        return FDateFormat;
    }
    return FUseLongDateFormat ? longDateFormat : rtl::UnicodeString();
}

rtl::UnicodeString
TuiCustomGridTableDateTimeHandling::EffectiveHourFormat(const rtl::UnicodeString& shortTimeFormat) const {
    if (!FHourFormat.empty()) {
        return FHourFormat;
    }
    return FUseShortTimeFormat ? shortTimeFormat : rtl::UnicodeString();
}

rtl::UnicodeString TuiCustomGridTableDateTimeHandling::EffectiveMonthFormat() const {
    return FMonthFormat.empty() ? LoadResStringText(suiGridMonthFormat) : FMonthFormat;
}

rtl::UnicodeString TuiCustomGridTableDateTimeHandling::EffectiveYearFormat() const {
    return FYearFormat.empty() ? LoadResStringText(suiGridYearFormat) : FYearFormat;
}

void TuiCustomGridTableDateTimeHandling::SetUseLongDateFormat(bool value) {
    if (FUseLongDateFormat == value) {
        return;
    }
    FUseLongDateFormat = value;
    Changed(2);
}

void TuiCustomGridTableDateTimeHandling::SetUseShortTimeFormat(bool value) {
    if (FUseShortTimeFormat == value) {
        return;
    }
    FUseShortTimeFormat = value;
    Changed(2);
}

void TuiGridFilterBox::Assign(const rtl::TPersistent* source) {
    if (const auto* box = dynamic_cast<const TuiGridFilterBox*>(source)) {
        SetCustomizeDialog(box->FCustomizeDialog);
        SetMRUItemsListDropDownCount(box->FMRUItemsListDropDownCount);
        SetPosition(box->FPosition);
        SetVisible(box->FVisible);
    }
    TuiCustomGridTableOptions::Assign(source);
}

void TuiGridFilterBox::SetCustomizeDialog(bool value) {
    if (FCustomizeDialog == value) {
        return;
    }
    FCustomizeDialog = value;
    Changed(1);
}

void TuiGridFilterBox::SetMRUItemsListDropDownCount(int32_t value) {
    value = std::max(value, 0);
    if (FMRUItemsListDropDownCount == value) {
        return;
    }
    FMRUItemsListDropDownCount = value;
    Changed(0);
}

void TuiGridFilterBox::SetPosition(TuiGridFilterPosition value) {
    if (FPosition == value) {
        return;
    }
    FPosition = value;
    Changed(1);
}

void TuiGridFilterBox::SetVisible(TuiGridFilterVisible value) {
    if (FVisible == value) {
        return;
    }
    FVisible = value;
    Changed(2);
}

void TuiGridItemFilterPopupOptions::Assign(const rtl::TPersistent* source) {
    if (const auto* popup = dynamic_cast<const TuiGridItemFilterPopupOptions*>(source)) {
        SetApplyMultiSelectChanges(popup->FApplyMultiSelectChanges);
        SetDropDownWidth(popup->FDropDownWidth);
        SetMaxDropDownItemCount(popup->FMaxDropDownItemCount);
        SetMultiSelect(popup->FMultiSelect);
    }
    TuiCustomGridTableOptions::Assign(source);
}

void TuiGridItemFilterPopupOptions::SetApplyMultiSelectChanges(TuiGridItemFilterPopupApplyChangesMode value) {
    if (FApplyMultiSelectChanges == value) {
        return;
    }
    FApplyMultiSelectChanges = value;
    Changed(0);
}

void TuiGridItemFilterPopupOptions::SetDropDownWidth(int32_t value) {
    value = std::max(value, 0);
    if (FDropDownWidth == value) {
        return;
    }
    FDropDownWidth = value;
    Changed(0);
}

void TuiGridItemFilterPopupOptions::SetMaxDropDownItemCount(int32_t value) {
    value = std::max(value, 0);
    if (FMaxDropDownItemCount == value) {
        return;
    }
    FMaxDropDownItemCount = value;
    Changed(0);
}

void TuiGridItemFilterPopupOptions::SetMultiSelect(bool value) {
    if (FMultiSelect == value) {
        return;
    }
    FMultiSelect = value;
    Changed(0);
}

TuiCustomGridTableFiltering::TuiCustomGridTableFiltering(TuiCustomGridView& gridView)
    : TuiCustomGridTableOptions(gridView), FItemPopup(std::make_unique<TuiGridItemFilterPopupOptions>(gridView)),
      FMRUItems(std::make_unique<TuiGridFilterMRUItems>(
          gridView.DataController(),
          [this](int32_t oldCount, int32_t newCount) { VisibleMRUItemCountChanged(oldCount, newCount); })) {
    FMRUItems->SetMaxCount(FMRUItemsListCount + 1);
}

TuiCustomGridTableFiltering::~TuiCustomGridTableFiltering() = default;

void TuiCustomGridTableFiltering::Assign(const rtl::TPersistent* source) {
    if (const auto* filtering = dynamic_cast<const TuiCustomGridTableFiltering*>(source)) {
        SetItemFilteredItemsList(filtering->FItemFilteredItemsList);
        SetItemMRUItemsList(filtering->FItemMRUItemsList);
        SetItemMRUItemsListCount(filtering->FItemMRUItemsListCount);
        FItemPopup->Assign(filtering->FItemPopup.get());
        SetMRUItemsList(filtering->FMRUItemsList);
        SetMRUItemsListCount(filtering->FMRUItemsListCount);
    }
    TuiCustomGridTableOptions::Assign(source);
}

void TuiCustomGridTableFiltering::SetItemMRUItemsListCount(int32_t value) {
    value = std::max(value, 0);
    if (FItemMRUItemsListCount == value) {
        return;
    }
    FItemMRUItemsListCount = value;
    TuiCustomGridTableView& gridView = TableView();
    for (int32_t i = 0; i < gridView.ItemCount(); ++i) {
        gridView.Items(i)->DataBinding().FilterMRUValueItems().SetMaxCount(value);
    }
    Changed(0);
}

void TuiCustomGridTableFiltering::SetMRUItemsListCount(int32_t value) {
    value = std::max(value, 0);
    if (FMRUItemsListCount == value) {
        return;
    }
    FMRUItemsListCount = value;
    FMRUItems->SetMaxCount(value == 0 ? 0 : value + 1);
    FMRUItems->RefreshVisibleItems();
    Changed(0);
}

void TuiCustomGridTableFiltering::AddFilterToMRU(const TuiFilterCriteria* filter) {
    FMRUItems->AddFilter(filter ? *filter : TableView().DataController().Filter());
}

void TuiCustomGridTableFiltering::CustomizeFilter(TuiCustomGridTableItem* item) {
    TuiCustomGridTableView& view = TableView();
    if (view.DoFilterDialogShow(item)) {
        return;
    }
    TuiDataFilterCriteria& filter = view.DataController().Filter();
    if (item == nullptr || NeedsFilterBuilder(filter)) {
        view.DoFilterCustomization();
        return;
    }
    TuiCustomEditProperties* properties = item->GetProperties();
    if (properties == nullptr) {
        return;
    }
    TuiCustomGrid* grid = view.Grid();
    if (ShowCustomFilterDialog(filter, item, *properties, item->FilterCaption(), item->DataBinding().ValueTypeClass(),
                               grid ? &grid->LookAndFeel() : nullptr, grid ? &grid->Font() : nullptr)) {
        filter.SetActive(true);
        AddFilterToMRU();
    }
}

void TuiCustomGridTableFiltering::CurrentFilterChanged() {
    FMRUItems->RefreshVisibleItems();
}

void TuiCustomGridTableFiltering::VisibleMRUItemCountChanged(int32_t oldCount, int32_t newCount) {
    if (FMRUItemsList && (oldCount == 0 || newCount == 0)) {
        Changed(2);
    }
}

void TuiCustomGridTableFiltering::ReadCustomizeDialog(bool value) {
    TableView().FilterBox().SetCustomizeDialog(value);
}

void TuiCustomGridTableFiltering::ReadDropDownWidth(int32_t value) {
    FItemPopup->SetDropDownWidth(value);
}

void TuiCustomGridTableFiltering::ReadMaxDropDownCount(int32_t value) {
    FItemPopup->SetMaxDropDownItemCount(value);
}

void TuiCustomGridTableFiltering::ReadMRUItemsListDropDownCount(int32_t value) {
    TableView().FilterBox().SetMRUItemsListDropDownCount(value);
}

namespace {

[[noreturn]] void RaiseUnknownIdentifier(rtl::UnicodeStringView identifier) {
    throw rtl::EConvertError(u"Invalid property value \"" + rtl::UnicodeString(identifier) + u"\"");
}

} // namespace

void TuiCustomGridTableFiltering::ReadPosition(rtl::UnicodeStringView identifier) {
    if (identifier == u"fpTop") {
        TableView().FilterBox().SetPosition(fpTop);
    } else if (identifier == u"fpBottom") {
        TableView().FilterBox().SetPosition(fpBottom);
    } else {
        RaiseUnknownIdentifier(identifier);
    }
}

void TuiCustomGridTableFiltering::ReadVisible(rtl::UnicodeStringView identifier) {
    constexpr const char16_t* names[] = {u"fvNever", u"fvNonEmpty", u"fvAlways"};
    const auto found = std::find_if(std::begin(names), std::end(names),
                                    [identifier](const char16_t* name) { return identifier == name; });
    if (found == std::end(names)) {
        RaiseUnknownIdentifier(identifier);
    }
    TableView().FilterBox().SetVisible(static_cast<TuiGridFilterVisible>(found - std::begin(names)));
}

void TuiCustomGridTableFiltering::SetItemFilteredItemsList(bool value) {
    if (FItemFilteredItemsList == value) {
        return;
    }
    FItemFilteredItemsList = value;
    Changed(0);
}

void TuiCustomGridTableFiltering::SetItemMRUItemsList(bool value) {
    if (FItemMRUItemsList == value) {
        return;
    }
    FItemMRUItemsList = value;
    Changed(0);
}

void TuiCustomGridTableFiltering::SetMRUItemsList(bool value) {
    if (FMRUItemsList == value) {
        return;
    }
    FMRUItemsList = value;
    Changed(2);
}

void TuiCustomGridTableOptionsBehavior::Assign(const rtl::TPersistent* source) {
    if (const auto* behavior = dynamic_cast<const TuiCustomGridTableOptionsBehavior*>(source)) {
        SetAlwaysShowEditor(behavior->FAlwaysShowEditor);
        SetBestFitMaxRecordCount(behavior->FBestFitMaxRecordCount);
        SetCellHints(behavior->FCellHints);
        SetCopyCaptionsToClipboard(behavior->FCopyCaptionsToClipboard);
        SetDragDropText(behavior->FDragDropText);
        SetDragFocusing(behavior->FDragFocusing);
        SetDragHighlighting(behavior->FDragHighlighting);
        SetDragOpening(behavior->FDragOpening);
        SetDragScrolling(behavior->FDragScrolling);
        SetFocusCellOnCycle(behavior->FFocusCellOnCycle);
        SetFocusCellOnTab(behavior->FFocusCellOnTab);
        SetFocusFirstCellOnNewRecord(behavior->FFocusFirstCellOnNewRecord);
        SetGoToNextCellOnEnter(behavior->FGoToNextCellOnEnter);
        SetImmediateEditor(behavior->FImmediateEditor);
        SetIncSearch(behavior->FIncSearch);
        SetIncSearchItem(behavior->FIncSearchItem);
        SetNavigatorHints(behavior->FNavigatorHints);
        SetPullFocusing(behavior->FPullFocusing);
    }
    TuiCustomGridOptionsBehavior::Assign(source);
}

void TuiCustomGridTableOptionsBehavior::SetAlwaysShowEditor(bool value) {
    if (FAlwaysShowEditor == value) {
        return;
    }
    FAlwaysShowEditor = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetBestFitMaxRecordCount(int32_t value) {
    value = std::max(value, 0);
    if (FBestFitMaxRecordCount == value) {
        return;
    }
    FBestFitMaxRecordCount = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetCellHints(bool value) {
    if (FCellHints == value) {
        return;
    }
    FCellHints = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetCopyCaptionsToClipboard(bool value) {
    if (FCopyCaptionsToClipboard == value) {
        return;
    }
    FCopyCaptionsToClipboard = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetDragDropText(bool value) {
    if (FDragDropText == value) {
        return;
    }
    FDragDropText = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetDragFocusing(TuiGridDragFocusing value) {
    if (FDragFocusing == value) {
        return;
    }
    FDragFocusing = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetDragHighlighting(bool value) {
    if (FDragHighlighting == value) {
        return;
    }
    FDragHighlighting = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetDragOpening(bool value) {
    if (FDragOpening == value) {
        return;
    }
    FDragOpening = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetDragScrolling(bool value) {
    if (FDragScrolling == value) {
        return;
    }
    FDragScrolling = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetFocusCellOnCycle(bool value) {
    if (FFocusCellOnCycle == value) {
        return;
    }
    FFocusCellOnCycle = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetFocusCellOnTab(bool value) {
    if (FFocusCellOnTab == value) {
        return;
    }
    FFocusCellOnTab = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetFocusFirstCellOnNewRecord(bool value) {
    if (FFocusFirstCellOnNewRecord == value) {
        return;
    }
    FFocusFirstCellOnNewRecord = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetGoToNextCellOnEnter(bool value) {
    if (FGoToNextCellOnEnter == value) {
        return;
    }
    FGoToNextCellOnEnter = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetImmediateEditor(bool value) {
    if (FImmediateEditor == value) {
        return;
    }
    FImmediateEditor = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetIncSearch(bool value) {
    if (FIncSearch == value) {
        return;
    }
    if (!value) {
        GridView().DataController().Search().Cancel();
    }
    FIncSearch = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetIncSearchItem(TuiCustomGridTableItem* value) {
    if (FIncSearchItem == value) {
        return;
    }
    FIncSearchItem = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetNavigatorHints(bool value) {
    if (FNavigatorHints == value) {
        return;
    }
    FNavigatorHints = value;
    Changed(0);
}

void TuiCustomGridTableOptionsBehavior::SetPullFocusing(bool value) {
    if (FPullFocusing == value) {
        return;
    }
    FPullFocusing = value;
    Changed(0);
}

void TuiCustomGridTableOptionsCustomize::Assign(const rtl::TPersistent* source) {
    if (const auto* customize = dynamic_cast<const TuiCustomGridTableOptionsCustomize*>(source)) {
        SetItemFiltering(customize->FItemFiltering);
        SetItemGrouping(customize->FItemGrouping);
        SetItemHiding(customize->FItemHiding);
        SetItemMoving(customize->FItemMoving);
        SetItemSorting(customize->FItemSorting);
        SetItemsQuickCustomization(customize->FItemsQuickCustomization);
        SetItemsQuickCustomizationMaxDropDownCount(customize->FItemsQuickCustomizationMaxDropDownCount);
        SetItemsQuickCustomizationReordering(customize->FItemsQuickCustomizationReordering);
    }
    TuiCustomGridTableOptions::Assign(source);
}

void TuiCustomGridTableOptionsCustomize::SetItemFiltering(bool value) {
    if (FItemFiltering == value) {
        return;
    }
    FItemFiltering = value;
    Changed(2);
}

void TuiCustomGridTableOptionsCustomize::SetItemGrouping(bool value) {
    if (FItemGrouping == value) {
        return;
    }
    FItemGrouping = value;
    Changed(0);
}

void TuiCustomGridTableOptionsCustomize::SetItemHiding(bool value) {
    if (FItemHiding == value) {
        return;
    }
    FItemHiding = value;
    Changed(0);
}

void TuiCustomGridTableOptionsCustomize::SetItemMoving(bool value) {
    if (FItemMoving == value) {
        return;
    }
    FItemMoving = value;
    Changed(0);
}

void TuiCustomGridTableOptionsCustomize::SetItemSorting(bool value) {
    if (FItemSorting == value) {
        return;
    }
    FItemSorting = value;
    Changed(0);
}

void TuiCustomGridTableOptionsCustomize::SetItemsQuickCustomization(bool value) {
    if (FItemsQuickCustomization == value) {
        return;
    }
    FItemsQuickCustomization = value;
    Changed(2);
}

void TuiCustomGridTableOptionsCustomize::SetItemsQuickCustomizationMaxDropDownCount(int32_t value) {
    value = std::max(value, 0);
    if (FItemsQuickCustomizationMaxDropDownCount == value) {
        return;
    }
    FItemsQuickCustomizationMaxDropDownCount = value;
    Changed(0);
}

void TuiCustomGridTableOptionsCustomize::SetItemsQuickCustomizationReordering(
    TuiGridQuickCustomizationReordering value) {
    if (FItemsQuickCustomizationReordering == value) {
        return;
    }
    FItemsQuickCustomizationReordering = value;
    Changed(0);
}

bool TuiCustomGridTableOptionsCustomize::SupportsItemsQuickCustomizationReordering() const {
    return GridView().ComponentState().Contains(rtl::TComponentState::csDesigning) ||
           FItemsQuickCustomizationReordering == qcrEnabled ||
           (FItemsQuickCustomizationReordering == qcrDefault && FItemMoving);
}

void TuiCustomGridTableOptionsData::Assign(const rtl::TPersistent* source) {
    if (const auto* data = dynamic_cast<const TuiCustomGridTableOptionsData*>(source)) {
        SetAppending(data->FAppending);
        SetCancelOnExit(data->FCancelOnExit);
        SetDeleting(data->FDeleting);
        SetDeletingConfirmation(data->FDeletingConfirmation);
        SetEditing(data->FEditing);
        SetInserting(data->FInserting);
    }
    TuiCustomGridOptionsData::Assign(source);
}

void TuiCustomGridTableOptionsData::RefreshNavigators() {
    TableViewOfOptions(*this).NavigatorNotifier().RefreshNavigators();
}

void TuiCustomGridTableOptionsData::SetAppending(bool value) {
    if (FAppending == value) {
        return;
    }
    FAppending = value;
    Changed(0);
}

void TuiCustomGridTableOptionsData::SetCancelOnExit(bool value) {
    if (FCancelOnExit == value) {
        return;
    }
    FCancelOnExit = value;
    Changed(0);
}

void TuiCustomGridTableOptionsData::SetDeleting(bool value) {
    if (FDeleting == value) {
        return;
    }
    FDeleting = value;
    RefreshNavigators();
    Changed(0);
}

void TuiCustomGridTableOptionsData::SetDeletingConfirmation(bool value) {
    if (FDeletingConfirmation == value) {
        return;
    }
    FDeletingConfirmation = value;
    Changed(0);
}

void TuiCustomGridTableOptionsData::SetEditing(bool value) {
    if (FEditing == value) {
        return;
    }
    FEditing = value;
    RefreshNavigators();
    Changed(1);
}

void TuiCustomGridTableOptionsData::SetInserting(bool value) {
    if (FInserting == value) {
        return;
    }
    FInserting = value;
    RefreshNavigators();
    Changed(0);
}

void TuiCustomGridTableOptionsSelection::Assign(const rtl::TPersistent* source) {
    if (const auto* selection = dynamic_cast<const TuiCustomGridTableOptionsSelection*>(source)) {
        SetCellSelect(selection->FCellSelect);
        SetHideFocusRectOnExit(selection->FHideFocusRectOnExit);
        SetHideSelection(selection->FHideSelection);
        SetInvertSelect(selection->FInvertSelect);
        SetMultiSelect(selection->MultiSelect());
        SetUnselectFocusedRecordOnExit(selection->FUnselectFocusedRecordOnExit);
    }
    TuiCustomGridOptionsSelection::Assign(source);
}

bool TuiCustomGridTableOptionsSelection::MultiSelect() const {
    return GridView().DataController().MultiSelect();
}

void TuiCustomGridTableOptionsSelection::SetMultiSelect(bool value) {
    if (MultiSelect() != value) {
        GridView().DataController().SetMultiSelect(value);
        Changed(0);
    }
}

void TuiCustomGridTableOptionsSelection::SetCellSelect(bool value) {
    if (FCellSelect == value) {
        return;
    }
    FCellSelect = value;
    Changed(0);
}

void TuiCustomGridTableOptionsSelection::SetHideFocusRectOnExit(bool value) {
    if (FHideFocusRectOnExit == value) {
        return;
    }
    FHideFocusRectOnExit = value;
    Changed(1);
}

void TuiCustomGridTableOptionsSelection::SetHideSelection(bool value) {
    if (FHideSelection == value) {
        return;
    }
    FHideSelection = value;
    Changed(1);
}

void TuiCustomGridTableOptionsSelection::SetInvertSelect(bool value) {
    if (FInvertSelect == value) {
        return;
    }
    FInvertSelect = value;
    Changed(1);
}

void TuiCustomGridTableOptionsSelection::SetUnselectFocusedRecordOnExit(bool value) {
    if (FUnselectFocusedRecordOnExit == value) {
        return;
    }
    FUnselectFocusedRecordOnExit = value;
    Changed(0);
}

void TuiCustomGridTableOptionsView::Assign(const rtl::TPersistent* source) {
    if (const auto* view = dynamic_cast<const TuiCustomGridTableOptionsView*>(source)) {
        SetCellAutoHeight(view->FCellAutoHeight);
        SetCellEndEllipsis(view->FCellEndEllipsis);
        SetCellTextMaxLineCount(view->FCellTextMaxLineCount);
        SetFocusRect(view->FFocusRect);
        SetItemCaptionAutoHeight(view->FItemCaptionAutoHeight);
        SetItemCaptionEndEllipsis(view->FItemCaptionEndEllipsis);
        SetNavigator(view->FNavigator);
        SetNavigatorOffset(view->FNavigatorOffset);
        SetShowEditButtons(view->FShowEditButtons);
        SetShowItemFilterButtons(view->FShowItemFilterButtons);
        SetNoDataToDisplayInfoText(view->NoDataToDisplayInfoText());
    }
    TuiCustomGridOptionsView::Assign(source);
}

void TuiCustomGridTableOptionsView::SetCellAutoHeight(bool value) {
    if (FCellAutoHeight == value) {
        return;
    }
    FCellAutoHeight = value;
    Changed(2);
}

void TuiCustomGridTableOptionsView::SetCellEndEllipsis(bool value) {
    if (FCellEndEllipsis == value) {
        return;
    }
    FCellEndEllipsis = value;
    Changed(1);
}

void TuiCustomGridTableOptionsView::SetCellTextMaxLineCount(int32_t value) {
    value = std::max(value, 0);
    if (FCellTextMaxLineCount == value) {
        return;
    }
    FCellTextMaxLineCount = value;
    Changed(2);
}

void TuiCustomGridTableOptionsView::SetFocusRect(bool value) {
    if (FFocusRect == value) {
        return;
    }
    FFocusRect = value;
    Changed(1);
}

void TuiCustomGridTableOptionsView::SetItemCaptionAutoHeight(bool value) {
    if (FItemCaptionAutoHeight == value) {
        return;
    }
    FItemCaptionAutoHeight = value;
    Changed(2);
}

void TuiCustomGridTableOptionsView::SetItemCaptionEndEllipsis(bool value) {
    if (FItemCaptionEndEllipsis == value) {
        return;
    }
    FItemCaptionEndEllipsis = value;
    Changed(1);
}

void TuiCustomGridTableOptionsView::SetNavigator(bool value) {
    if (FNavigator == value) {
        return;
    }
    FNavigator = value;
    Changed(2);
}

void TuiCustomGridTableOptionsView::SetNavigatorOffset(int32_t value) {
    value = std::max(value, 0);
    if (FNavigatorOffset == value) {
        return;
    }
    FNavigatorOffset = value;
    Changed(2);
}

void TuiCustomGridTableOptionsView::SetShowEditButtons(TuiGridShowEditButtons value) {
    if (FShowEditButtons == value) {
        return;
    }
    FShowEditButtons = value;
    Changed(2);
}

void TuiCustomGridTableOptionsView::SetShowItemFilterButtons(TuiGridShowItemFilterButtons value) {
    if (FShowItemFilterButtons == value) {
        return;
    }
    FShowItemFilterButtons = value;
    Changed(2);
}

rtl::UnicodeString TuiCustomGridTableOptionsView::NoDataToDisplayInfoText() const {
    return IsNoDataToDisplayInfoTextStored() ? FNoDataToDisplayInfoText : LoadResStringText(suiGridNoDataInfoText);
}

void TuiCustomGridTableOptionsView::SetNoDataToDisplayInfoText(rtl::UnicodeStringView value) {
    if (NoDataToDisplayInfoText() != value) {
        FNoDataToDisplayInfoText = rtl::UnicodeString(value);
        Changed(1);
    }
}

bool TuiCustomGridTableOptionsView::IsNoDataToDisplayInfoTextStored() const {
    return !FNoDataToDisplayInfoText.empty() && FNoDataToDisplayInfoText != LoadResStringText(suiGridNoDataInfoText);
}

} // namespace ui
