#include "ui/data/controller/provider/uiDataKeys.h"

#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiDataSelection.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/values/uiVariants.h"

#include <algorithm>

namespace ui {

void TuiKeys::Bind(TuiCustomDataController& dataController) {
    FDataController = &dataController;
    FKeyFields.clear();
    dataController.GetKeyFields(FKeyFields);
}

rtl::Variant TuiKeys::RecordKey(int32_t recordIndex) {
    return FDataController->GetKeyValue(recordIndex, FKeyFields);
}

void TuiKeys::SaveKeys(TuiCustomDataController& dataController) {
    ClearKeys();
    Bind(dataController);
    DoSave();
    std::stable_sort(FKeys.begin(), FKeys.end(),
                     [](const TuiKeyInfo& a, const TuiKeyInfo& b) { return CompareVariants(a.Key, b.Key) < 0; });
}

void TuiKeys::RestoreKeys(TuiCustomDataController& dataController) {
    Bind(dataController);
    if (!FKeys.empty()) {
        DoRestore();
        ClearKeys();
    }
}

bool TuiKeys::FindRecordKey(int32_t recordIndex, int32_t& index) {
    const rtl::Variant key = RecordKey(recordIndex);
    for (size_t i = 0; i < FKeys.size(); ++i) {
        if (CompareVariants(FKeys[i].Key, key) == 0) {
            index = static_cast<int32_t>(i);
            return true;
        }
    }
    return false;
}

void TuiKeys::RemoveKey(int32_t index) {
    FKeys.erase(FKeys.begin() + index);
}

void TuiDetailKeys::DoSave() {
    TuiCustomDataController& controller = DataController();
    for (int32_t recordIndex = 0; recordIndex < controller.GetRecordCount(); ++recordIndex) {
        if (!controller.IsDetailExpanded(recordIndex)) {
            continue;
        }
        TuiKeyInfo key{RecordKey(recordIndex), 0, controller.GetDetailActiveRelationIndex(recordIndex),
                       std::make_shared<TuiSaveObject>()};
        if (TuiCustomDataController* detail =
                controller.GetDetailDataController(recordIndex, key.ActiveRelationIndex)) {
            key.DetailState->SaveState(*detail);
        }
        AddKey(std::move(key));
    }
}

void TuiDetailKeys::DoRestore() {
    TuiCustomDataController& controller = DataController();
    for (int32_t recordIndex = 0; recordIndex < controller.GetRecordCount(); ++recordIndex) {
        int32_t index = 0;
        if (!FindRecordKey(recordIndex, index)) {
            continue;
        }
        const TuiKeyInfo& key = Key(index);
        controller.ChangeDetailExpanding(recordIndex, true);
        controller.SetDetailActiveRelation(recordIndex, key.ActiveRelationIndex);
        if (!controller.IsDetailExpanded(recordIndex) ||
            controller.GetDetailActiveRelationIndex(recordIndex) != key.ActiveRelationIndex) {
            continue;
        }
        if (TuiCustomDataController* detail =
                controller.GetDetailDataController(recordIndex, key.ActiveRelationIndex)) {
            key.DetailState->RestoreState(*detail);
        }
    }
}

void TuiSelectedKeys::DoSave() {
    TuiCustomDataController& controller = DataController();
    const TuiDataSelection& selection = controller.DataControllerInfo().Selection();
    for (int32_t position = 0; position < selection.GetCount(); ++position) {
        const TuiDataSelectionEntry& entry = selection.GetEntry(position);
        if (!entry.IsGroupEntry() && entry.Index < controller.GetRecordCount()) {
            AddKey({RecordKey(entry.Index), position});
        }
    }
}

void TuiSelectedKeys::DoRestore() {
    TuiCustomDataController& controller = DataController();
    TuiCustomDataControllerInfo& info = controller.DataControllerInfo();
    TuiDataSelection& selection = info.Selection();
    if (selection.GetCount() == 0) {
        return;
    }
    std::vector<TuiDataSelectionEntry> entries;
    for (int32_t position = 0; position < selection.GetCount(); ++position) {
        entries.push_back(selection.GetEntry(position));
    }
    // A key is taken by the first record that has it; the entries of keys nobody took go.
    std::vector<bool> found(entries.size(), false);
    for (int32_t recordIndex = 0; recordIndex < controller.GetRecordCount() && KeyCount() > 0; ++recordIndex) {
        int32_t index = 0;
        if (!FindRecordKey(recordIndex, index)) {
            continue;
        }
        const auto position = static_cast<size_t>(Key(index).SelectionPosition);
        if (position < entries.size()) {
            entries[position].Index = recordIndex;
            found[position] = true;
        }
        RemoveKey(index);
    }
    for (int32_t index = 0; index < KeyCount(); ++index) {
        const auto position = static_cast<size_t>(Key(index).SelectionPosition);
        if (position < entries.size() && !found[position]) {
            entries[position].Index = uiNoIndex;
        }
    }
    std::erase_if(entries, [](const TuiDataSelectionEntry& entry) { return entry.Index == uiNoIndex; });
    selection.ReplaceEntries(entries);
    info.ExpandingChanged();
}

void TuiSaveObject::SaveState(TuiCustomDataController& dataController) {
    if (dataController.IsCreatingLinkObject() || dataController.IsDestroying() || !dataController.CanRestoreByKeys()) {
        return;
    }
    FDetailKeys.SaveKeys(dataController);
    FSelectedKeys.SaveKeys(dataController);
}

void TuiSaveObject::RestoreState(TuiCustomDataController& dataController) {
    if (dataController.IsCreatingLinkObject()) {
        return;
    }
    if (dataController.CanRestoreByKeys()) {
        FDetailKeys.RestoreKeys(dataController);
        FSelectedKeys.RestoreKeys(dataController);
        return;
    }
    dataController.DataControllerInfo().CheckSelectionRange();
    dataController.CheckBookmarkValid(uiNoIndex);
}

} // namespace ui
