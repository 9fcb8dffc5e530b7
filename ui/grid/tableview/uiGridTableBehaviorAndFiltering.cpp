#include "ui/grid/tableview/uiGridTableBehaviorAndFiltering.h"

namespace ui {

void TuiGridTableOptionsBehavior::Assign(const rtl::TPersistent* source) {
    if (const auto* behavior = dynamic_cast<const TuiGridTableOptionsBehavior*>(source)) {
        SetColumnHeaderHints(behavior->FColumnHeaderHints);
        SetCopyPreviewToClipboard(behavior->FCopyPreviewToClipboard);
        SetExpandMasterRowOnDblClick(behavior->FExpandMasterRowOnDblClick);
    }
    TuiCustomGridTableOptionsBehavior::Assign(source);
}

void TuiGridTableOptionsBehavior::SetFlag(bool& field, bool value) {
    if (field != value) {
        field = value;
        Changed(0);
    }
}

void TuiGridTableOptionsBehavior::SetColumnHeaderHints(bool value) {
    SetFlag(FColumnHeaderHints, value);
}

void TuiGridTableOptionsBehavior::SetCopyPreviewToClipboard(bool value) {
    SetFlag(FCopyPreviewToClipboard, value);
}

void TuiGridTableOptionsBehavior::SetExpandMasterRowOnDblClick(bool value) {
    SetFlag(FExpandMasterRowOnDblClick, value);
}

} // namespace ui
