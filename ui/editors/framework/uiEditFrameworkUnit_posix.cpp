#include "ui/editors/framework/uiEditConsts.h"
#include "ui/editors/framework/uiEditFrameworkUnit.h"
#include "ui/editors/framework/uiExtEditConsts.h"

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
