#include "ui/data/controller/rows/uiDataControllerLocate.h"

#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiSortingFieldList.h"
#include "ui/data/controller/uiCustomDataController.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/storage/uiValueDefs.h"

#include <algorithm>

namespace ui {

TuiDataControllerLocateObject::TuiDataControllerLocateObject(TuiCustomDataController& dataController)
    : FDataController(dataController) {}

TuiDataControllerLocateObject::~TuiDataControllerLocateObject() {
    TuiDataControllerLocateObject::Clear();
}

void TuiDataControllerLocateObject::Clear() {
    if (FBufferRecordIndex != 0) {
        FDataController.DataStorage().RemoveInternalRecord(FBufferRecordIndex);
        FBufferRecordIndex = 0;
    }
}

void TuiDataControllerLocateObject::ReadValues(TuiValueDefReader& reader) {
    if (FBufferRecordIndex == 0) {
        FBufferRecordIndex = FDataController.DataStorage().AppendInternalRecord();
    }
    FDataController.BeforeLoad();
    try {
        FDataController.DataStorage().FillRecordFromReader(FBufferRecordIndex, reader);
    } catch (...) {
        FDataController.AfterLoad();
        throw;
    }
    FDataController.AfterLoad();
}

TuiDataControllerGroupLocateObject::TuiDataControllerGroupLocateObject(TuiCustomDataController& dataController)
    : TuiDataControllerLocateObject(dataController) {
    const TuiGroupingFieldList& grouping = dataController.DataControllerInfo().GroupingList();
    for (int32_t level = 0; level < grouping.GetCount(); ++level) {
        if (dataController.IsFieldSortedByDisplayText(*grouping.GetEntry(level).Field)) {
            FGroupDataSorted = false;
        }
    }
}

int32_t TuiDataControllerGroupLocateObject::FindRecordIndex() {
    if (BufferRecordIndex() == 0) {
        return -1;
    }
    // Display texts are not compared while the buffer record is found: it holds values only.
    TuiCustomDataController& controller = DataController();
    const bool wasFinding = controller.IsInInternalRecordFind();
    controller.SetInInternalRecordFind(true);
    int32_t recordIndex = -1;
    try {
        recordIndex = controller.FindRecordBySortingFields(BufferRecordIndex(), FLevel + 1, FGroupDataSorted);
    } catch (...) {
        controller.SetInInternalRecordFind(wasFinding);
        throw;
    }
    controller.SetInInternalRecordFind(wasFinding);
    return recordIndex;
}

rtl::Variant TuiValueDefUnboundReader::GetValue(const TuiValueDef& valueDef) {
    const auto* internal = dynamic_cast<const TuiInternalValueDef*>(&valueDef);
    const TuiValueDef* mainValueDef = internal ? &internal->MainValueDef() : &valueDef;
    const auto found = std::find(FValueDefs.begin(), FValueDefs.end(), mainValueDef);
    const auto index = static_cast<size_t>(found - FValueDefs.begin());
    if (found == FValueDefs.end() || index >= FValues.size() || !FValues[index]) {
        return rtl::Variant::Null();
    }
    return *FValues[index];
}

bool TuiValueDefUnboundReader::IsInternalDefinition(const TuiValueDef& valueDef) {
    const auto* field = dynamic_cast<const TuiCustomDataField*>(valueDef.LinkObjectOf());
    return field && field->IsInternalField();
}

void TuiValueDefUnboundReader::SetValue(const TuiValueDef& valueDef, const rtl::Variant& value) {
    auto found = std::find(FValueDefs.begin(), FValueDefs.end(), &valueDef);
    if (found == FValueDefs.end()) {
        FValueDefs.push_back(&valueDef);
        found = FValueDefs.end() - 1;
    }
    const auto index = static_cast<size_t>(found - FValueDefs.begin());
    if (FValues.size() < FValueDefs.size()) {
        FValues.resize(FValueDefs.size());
    }
    FValues[index] = value;
}

void TuiValueDefUnboundReader::Truncate(int32_t count) {
    if (count >= 0 && static_cast<size_t>(count) < FValues.size()) {
        FValues.resize(static_cast<size_t>(count));
    }
}

} // namespace ui
