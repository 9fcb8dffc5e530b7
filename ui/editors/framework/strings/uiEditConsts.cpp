#include "ui/editors/framework/strings/uiEditConsts.h"

#include "ui/editors/framework/strings/uiEditStringUnit.h"

namespace ui {

#define UI_EDIT_CONST(name, id, text) const TuxResourceString name{id, u"" #name, u"" text};
#define UI_EXT_EDIT_CONST(name, id, text)
#include "resources/strings/uiEditorsStrings.inc"
#undef UI_EXT_EDIT_CONST
#undef UI_EDIT_CONST

namespace {

void AddEditConsts(TuxProductResourceStrings& product) {
#define UI_EDIT_CONST(name, id, text) product.AddResString(name);
#define UI_EXT_EDIT_CONST(name, id, text)
#include "resources/strings/uiEditorsStrings.inc"
#undef UI_EXT_EDIT_CONST
#undef UI_EDIT_CONST
}

TuiEditStringUnit editConstsUnit(uiEditConstsProductKey, AddEditConsts);

} // namespace

void InitializeEditConstsUnit() {
    editConstsUnit.Initialize();
}

void FinalizeEditConstsUnit() {
    editConstsUnit.Finalize();
}

} // namespace ui
