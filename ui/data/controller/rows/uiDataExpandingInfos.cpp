#include "ui/data/controller/rows/uiDataExpandingInfos.h"

#include "ui/data/common/uiDataConsts.h"
#include "ui/data/controller/uiDataControllerError.h"

#include <algorithm>

namespace ui {

void TuiDataExpandingInfos::AddField(TuiCustomDataField& field) {
    if (std::find(FFields.begin(), FFields.end(), &field) != FFields.end()) {
        EuiInvalidDataControllerOperation::Raise(uiSDataItemExistError);
    }
    FFields.push_back(&field);
    FItems.clear();
}

void TuiDataExpandingInfos::AddState(int32_t level, const rtl::Variant& value, TuiDataExpandingStates state) {
    FItems.push_back({level, value, state});
}

void TuiDataExpandingInfos::HandleFieldRemoval(const TuiCustomDataField& field) {
    if (std::find(FFields.begin(), FFields.end(), &field) != FFields.end()) {
        Clear();
    }
}

void TuiDataExpandingInfos::Clear() {
    FFields.clear();
    FItems.clear();
    FSaveMode = {};
}

} // namespace ui
