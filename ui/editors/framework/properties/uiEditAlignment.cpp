#include "ui/editors/framework/properties/uiEditAlignment.h"

namespace ui {

void TuiEditAlignment::Assign(const rtl::TPersistent* source) {
    const auto* alignment = dynamic_cast<const TuiEditAlignment*>(source);
    if (alignment == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    FVert = alignment->FVert;
    FHorz = alignment->FHorz;
    FIsHorzAssigned = alignment->FIsHorzAssigned;
    DoChanged();
}

void TuiEditAlignment::SetHorz(vcl::TAlignment value) {
    if (FIsHorzAssigned && value == FHorz) {
        return;
    }
    FIsHorzAssigned = true;
    FHorz = value;
    DoChanged();
}

void TuiEditAlignment::SetVert(TuiEditVertAlignment value) {
    if (value == FVert) {
        return;
    }
    FVert = value;
    DoChanged();
}

void TuiEditAlignment::Reset() {
    FIsHorzAssigned = false;
    DoChanged();
}

void TuiEditAlignment::DoChanged() {
    if (FOnChanged) {
        FOnChanged(this);
    }
}

} // namespace ui
