#include "ui/editors/framework/uiExtEditConsts.h"

#include "ui/editors/framework/uiEditStringUnit.h"

namespace ui {

#define UI_EDIT_CONST(name, id, text)
#define UI_EXT_EDIT_CONST(name, id, text) const TuxResourceString name{id, u"" #name, u"" text};
#include "resources/strings/uiEditorsStrings.inc"
#undef UI_EXT_EDIT_CONST
#undef UI_EDIT_CONST

namespace {

void AddExtEditConsts(TuxProductResourceStrings& product) {
#define UI_EDIT_CONST(name, id, text)
#define UI_EXT_EDIT_CONST(name, id, text) product.AddResString(name);
#include "resources/strings/uiEditorsStrings.inc"
#undef UI_EXT_EDIT_CONST
#undef UI_EDIT_CONST
}

TuiEditStringUnit extEditConstsUnit(uiExtEditConstsProductKey, AddExtEditConsts);

} // namespace

void InitializeExtEditConstsUnit() {
    extEditConstsUnit.Initialize();
}

void FinalizeExtEditConstsUnit() {
    extEditConstsUnit.Finalize();
}

} // namespace ui
