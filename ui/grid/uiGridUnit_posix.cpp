#include "ui/grid/uiGridUnit.h"

// The grid's hit tests and cursors live on Windows; elsewhere only its portable bases build.

namespace ui {

void InitializeGridUnit() {}

void FinalizeGridUnit() {}

} // namespace ui
