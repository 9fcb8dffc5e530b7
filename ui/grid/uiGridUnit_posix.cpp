#include "ui/grid/common/uiGridRegisteredViews.h"
#include "ui/grid/customtable/uiGridStrs.h"
#include "ui/grid/uiGridUnit.h"

// The grid's hit tests and cursors live on Windows; elsewhere only the registry of view classes starts.

namespace ui {

void InitializeGridUnit() {
    detail::StartGridStrs();
    detail::StartGridRegisteredViews();
}

void FinalizeGridUnit() {
    detail::FinishGridRegisteredViews();
    detail::FinishGridStrs();
}

} // namespace ui
