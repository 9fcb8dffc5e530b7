#include "ui/grid/customtable/items/uiCustomGridTableItemOptions.h"

#include "ui/data/controller/filtering/uiDataControllerSearch.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/customtable/items/uiCustomGridTableItem.h"
#include "ui/grid/customtable/uiCustomGridTableView.h"

namespace ui {

void TuiCustomGridTableItemOptions::Assign(const rtl::TPersistent* source) {
    const auto* options = dynamic_cast<const TuiCustomGridTableItemOptions*>(source);
    if (!options) {
        rtl::TPersistent::Assign(source);
        return;
    }
    SetEditing(options->FEditing);
    SetFiltering(options->FFiltering);
    SetFilteringFilteredItemsList(options->FFilteringFilteredItemsList);
    SetFilteringMRUItemsList(options->FFilteringMRUItemsList);
    SetFilteringPopup(options->FFilteringPopup);
    SetFilteringPopupMultiSelect(options->FFilteringPopupMultiSelect);
    SetFocusing(options->FFocusing);
    SetGrouping(options->FGrouping);
    SetIgnoreTimeForFiltering(options->FIgnoreTimeForFiltering);
    SetIncSearch(options->FIncSearch);
    SetMoving(options->FMoving);
    SetShowCaption(options->FShowCaption);
    SetShowEditButtons(options->FShowEditButtons);
    SetSortByDisplayText(options->FSortByDisplayText);
    SetSorting(options->FSorting);
}

void TuiCustomGridTableItemOptions::Changed(int32_t kind) {
    FItem.Changed(kind);
}

void TuiCustomGridTableItemOptions::RebuildDataRows() {
    if (TuiCustomGridTableView* gridView = FItem.GridView()) {
        gridView->DataController().RebuildRows();
    }
}

void TuiCustomGridTableItemOptions::SetEditing(bool value) {
    if (FEditing == value) {
        return;
    }
    FEditing = value;
    Changed(1);
}

void TuiCustomGridTableItemOptions::SetFiltering(bool value) {
    if (FFiltering == value) {
        return;
    }
    FFiltering = value;
    Changed(1);
}

void TuiCustomGridTableItemOptions::SetFilteringFilteredItemsList(bool value) {
    if (FFilteringFilteredItemsList == value) {
        return;
    }
    FFilteringFilteredItemsList = value;
    Changed(0);
}

void TuiCustomGridTableItemOptions::SetFilteringMRUItemsList(bool value) {
    if (FFilteringMRUItemsList == value) {
        return;
    }
    FFilteringMRUItemsList = value;
    Changed(0);
}

void TuiCustomGridTableItemOptions::SetFilteringPopup(bool value) {
    if (FFilteringPopup == value) {
        return;
    }
    FFilteringPopup = value;
    Changed(2);
}

void TuiCustomGridTableItemOptions::SetFilteringPopupMultiSelect(bool value) {
    if (FFilteringPopupMultiSelect == value) {
        return;
    }
    FFilteringPopupMultiSelect = value;
    Changed(0);
}

void TuiCustomGridTableItemOptions::SetFocusing(bool value) {
    if (FFocusing == value) {
        return;
    }
    FFocusing = value;
    Changed(0);
}

void TuiCustomGridTableItemOptions::SetGrouping(bool value) {
    if (FGrouping == value) {
        return;
    }
    FGrouping = value;
    Changed(0);
}

void TuiCustomGridTableItemOptions::SetIgnoreTimeForFiltering(bool value) {
    if (FIgnoreTimeForFiltering == value) {
        return;
    }
    FIgnoreTimeForFiltering = value;
    RebuildDataRows();
}

void TuiCustomGridTableItemOptions::SetIncSearch(bool value) {
    if (FIncSearch == value) {
        return;
    }
    TuiCustomGridTableView* view = FItem.GridView();
    if (!value && view != nullptr) {
        TuiDataControllerSearch& search = view->DataController().Search();
        if (search.IsSearching() && search.GetItemIndex() == FItem.Index()) {
            search.Cancel();
        }
    }
    FIncSearch = value;
    Changed(0);
}

void TuiCustomGridTableItemOptions::SetMoving(bool value) {
    if (FMoving == value) {
        return;
    }
    FMoving = value;
    Changed(0);
}

void TuiCustomGridTableItemOptions::SetShowCaption(bool value) {
    if (FShowCaption == value) {
        return;
    }
    ShowCaptionChanging(value);
    FShowCaption = value;
    Changed(2);
}

void TuiCustomGridTableItemOptions::SetShowEditButtons(TuiGridItemShowEditButtons value) {
    if (FShowEditButtons == value) {
        return;
    }
    FShowEditButtons = value;
    Changed(2);
}

void TuiCustomGridTableItemOptions::SetSortByDisplayText(TuiGridItemSortByDisplayText value) {
    if (FSortByDisplayText == value) {
        return;
    }
    FSortByDisplayText = value;
    if (TuiCustomGridTableView* gridView = FItem.GridView()) {
        gridView->DataController().ResortIfItemSorted(FItem.Index());
    }
}

void TuiCustomGridTableItemOptions::SetSorting(bool value) {
    if (FSorting == value) {
        return;
    }
    FSorting = value;
    Changed(0);
}

} // namespace ui
