#pragma once
// Keys and saved state of a data controller. Around an operation that may reload the records (a deletion in provider
// mode) the controller saves by their key values which records show an expanded detail, with the detail controller's
// own state (TuiDetailKeys), and which are selected (TuiSelectedKeys); afterwards it finds them again: a record that
// moved keeps its expanded detail and its selection entry under its new index, one that disappeared loses them.
// Without usable keys (unbound mode) the restore only drops selected rows beyond the records and a lost bookmark.

#include "rtl/core/Object.h"
#include "rtl/variants/Variant.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiCustomDataController;
class TuiCustomDataField;
class TuiSaveObject;

struct TuiKeyInfo {
    rtl::Variant Key;
    // The position of the entry in the row information's selection.
    int32_t SelectionPosition = 0;
    // An expanded detail: its active relation and the saved state of its detail controller.
    int32_t ActiveRelationIndex = -1;
    std::shared_ptr<TuiSaveObject> DetailState;
};

// The key values of some records of a controller, found again after the records changed.
class TuiKeys : public rtl::TObject {
public:
    void SaveKeys(TuiCustomDataController& dataController);
    void RestoreKeys(TuiCustomDataController& dataController);
    // The first key equal to the record's key, by index; false when none.
    bool FindRecordKey(int32_t recordIndex, int32_t& index);
    void RemoveKey(int32_t index);
    void ClearKeys() { FKeys.clear(); }
    int32_t KeyCount() const { return static_cast<int32_t>(FKeys.size()); }
    const TuiKeyInfo& Key(int32_t index) const { return FKeys.at(static_cast<size_t>(index)); }

protected:
    virtual void DoSave() {}
    virtual void DoRestore() {}
    TuiCustomDataController& DataController() const { return *FDataController; }
    rtl::Variant RecordKey(int32_t recordIndex);
    void AddKey(TuiKeyInfo key) { FKeys.push_back(std::move(key)); }

private:
    void Bind(TuiCustomDataController& dataController);

    TuiCustomDataController* FDataController = nullptr;
    std::vector<TuiCustomDataField*> FKeyFields; // not owned
    std::vector<TuiKeyInfo> FKeys;
};

// The records whose details are expanded, by key; a key may match several records and is not used up.
class TuiDetailKeys : public TuiKeys {
protected:
    void DoSave() override;
    void DoRestore() override;
};

// The selected data rows by key.
class TuiSelectedKeys : public TuiKeys {
protected:
    void DoSave() override;
    void DoRestore() override;
};

// What BeginSaveState saves and EndSaveState restores.
class TuiSaveObject : public rtl::TObject {
public:
    // Nothing while the controller is being destroyed or cannot restore by keys.
    void SaveState(TuiCustomDataController& dataController);
    // Without keys the controller only checks its selection and bookmark.
    void RestoreState(TuiCustomDataController& dataController);

private:
    TuiDetailKeys FDetailKeys;
    TuiSelectedKeys FSelectedKeys;
};

} // namespace ui
