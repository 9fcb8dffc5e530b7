#include "ui/grid/view/uiGridViewOptions.h"

#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridSite.h"

namespace ui {

TuiCustomGridOptions::TuiCustomGridOptions(TuiCustomGridView& gridView)
    : TuiInterfacedPersistent(&gridView), FGridView(gridView) {
    FGridView.AddOptions(this);
}

TuiCustomGridOptions::~TuiCustomGridOptions() {
    FGridView.RemoveOptions(this);
}

void TuiCustomGridOptions::Assign(const rtl::TPersistent* source) {
    if (dynamic_cast<const TuiCustomGridOptions*>(source) == nullptr) {
        TuiInterfacedPersistent::Assign(source);
    }
}

void TuiCustomGridOptions::Changed(int32_t kind) {
    FGridView.Changed(kind);
}

void TuiCustomGridOptionsBehavior::Assign(const rtl::TPersistent* source) {
    if (const auto* behavior = dynamic_cast<const TuiCustomGridOptionsBehavior*>(source)) {
        FPostponedSynchronization = behavior->FPostponedSynchronization;
    }
    TuiCustomGridOptions::Assign(source);
}

void TuiCustomGridOptionsView::Assign(const rtl::TPersistent* source) {
    if (const auto* view = dynamic_cast<const TuiCustomGridOptionsView*>(source)) {
        SetScrollBars(view->ScrollBars());
    }
    TuiCustomGridOptions::Assign(source);
}

vcl::TScrollStyle TuiCustomGridOptionsView::ScrollBars() const {
    return GridView().Site().ScrollBars();
}

void TuiCustomGridOptionsView::SetScrollBars(vcl::TScrollStyle value) {
    if (ScrollBars() != value) {
        GridView().Site().SetScrollBars(value);
        Changed(1);
    }
}

} // namespace ui
