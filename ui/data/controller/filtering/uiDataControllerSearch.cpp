#include "ui/data/controller/filtering/uiDataControllerSearch.h"

#include "ui/data/common/uiDataUtils.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataField.h"

#include <algorithm>

namespace ui {

bool TuiDataControllerSearch::Locate(int32_t itemIndex, const rtl::AnsiString& text) {
    TuiCustomDataController& controller = FDataController;
    if (text.empty() || controller.GetFilteredRecordCount() == 0) {
        return false;
    }
    SetItemIndex(itemIndex);
    bool found = false;
    if (controller.IsProviderNavigation()) {
        found = controller.SearchInProvider(text, true, false);
    } else {
        const int32_t focusedRecord = controller.GetFocusedRecordIndex();
        const int32_t start =
            focusedRecord == uiNoIndex ? 0 : std::max(controller.GetFilteredIndexByRecordIndex(focusedRecord), 0);
        int32_t position = DoSearch(start, uiNoIndex, true, text);
        if (position == uiNoIndex && start > 0) {
            position = DoSearch(0, start - 1, true, text);
        }
        if (position != uiNoIndex) {
            SelectFound(position);
            found = true;
        }
    }
    if (found) {
        controller.FSearching = true;
        controller.FSearchText = text;
        controller.Change({dccSearch});
        SelectFocusedRowOnly();
    }
    return found;
}

bool TuiDataControllerSearch::LocateNext(bool forward) {
    TuiCustomDataController& controller = FDataController;
    if (!IsSearching() || controller.FSearchText.empty() || !controller.FSearchField ||
        controller.GetFilteredRecordCount() == 0) {
        return false;
    }
    if (controller.IsProviderNavigation()) {
        return controller.SearchInProvider(controller.FSearchText, forward, true);
    }
    const int32_t focusedRecord = controller.GetFocusedRecordIndex();
    if (focusedRecord == uiNoIndex) {
        return false;
    }
    const int32_t start = controller.GetFilteredIndexByRecordIndex(focusedRecord) + (forward ? 1 : -1);
    if (start < 0 || start >= controller.GetFilteredRecordCount()) {
        return false;
    }
    const int32_t position = DoSearch(start, uiNoIndex, forward, controller.FSearchText);
    if (position == uiNoIndex) {
        return false;
    }
    SelectFound(position);
    SelectFocusedRowOnly();
    return true;
}

void TuiDataControllerSearch::Cancel() {
    TuiCustomDataController& controller = FDataController;
    if (FLockCount > 0 || !controller.FSearching) {
        return;
    }
    controller.FSearchText.clear();
    controller.FSearching = false;
    controller.Change({dccSearch});
}

bool TuiDataControllerSearch::IsSearching() const {
    return FDataController.FSearching;
}

rtl::AnsiString TuiDataControllerSearch::GetSearchText() const {
    return FDataController.FSearchText;
}

int32_t TuiDataControllerSearch::GetItemIndex() const {
    const TuiCustomDataField* field = FDataController.FSearchField;
    return field ? field->GetPosition() : uiNoIndex;
}

void TuiDataControllerSearch::SetItemIndex(int32_t itemIndex) {
    FDataController.FSearchField = &FDataController.GetItemField(itemIndex);
}

int32_t TuiDataControllerSearch::DoSearch(int32_t fromPosition, int32_t toPosition, bool forward,
                                          const rtl::AnsiString& text) {
    TuiCustomDataController& controller = FDataController;
    if (toPosition == uiNoIndex) {
        toPosition = forward ? controller.GetFilteredRecordCount() - 1 : 0;
    }
    const int32_t itemIndex = GetItemIndex();
    const int32_t step = forward ? 1 : -1;
    for (int32_t position = fromPosition; forward ? position <= toPosition : position >= toPosition; position += step) {
        const int32_t recordIndex = controller.GetFilteredRecordIndex(position);
        if (MatchesTextPrefix(controller.GetDisplayTextForSearch(recordIndex, itemIndex), text, true)) {
            return position;
        }
    }
    return uiNoIndex;
}

void TuiDataControllerSearch::SelectFound(int32_t position) {
    TuiCustomDataController& controller = FDataController;
    const int32_t recordIndex = controller.GetFilteredRecordIndex(position);
    // One delivery for the focus and the selection, while the lock keeps the focus notice from ending the search.
    Lock();
    controller.BeginUpdate();
    try {
        controller.ChangeFocusedRecordIndex(recordIndex);
        controller.SyncSelectionWithFocus();
    } catch (...) {
        controller.EndUpdate();
        Unlock();
        throw;
    }
    controller.EndUpdate();
    Unlock();
}

void TuiDataControllerSearch::SelectFocusedRowOnly() {
    if (!FDataController.IsSingleSelect()) {
        FDataController.SelectFocusedRow();
    }
}

} // namespace ui
