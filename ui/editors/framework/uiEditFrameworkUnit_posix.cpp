#include "ui/editors/framework/strings/uiEditConsts.h"
#include "ui/editors/framework/strings/uiExtEditConsts.h"
#include "ui/editors/framework/uiEditFrameworkUnit.h"

// Natively the framework is its string units alone.

namespace ui {

void InitializeEditFrameworkUnit() {
    InitializeEditConstsUnit();
    InitializeExtEditConstsUnit();
}

void FinalizeEditFrameworkUnit() {
    FinalizeExtEditConstsUnit();
    FinalizeEditConstsUnit();
}

} // namespace ui
