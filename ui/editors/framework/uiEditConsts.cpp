#include "ui/editors/framework/uiEditConsts.h"

namespace ui {

#define UI_EDIT_CONST(name, id, text) const TuxResourceString name{id, u"" #name, u"" text};
#include "ui/editors/framework/uiEditorsStrings.inc"
#undef UI_EDIT_CONST

namespace {

void AddEditConsts(TuxProductResourceStrings& product) {
#define UI_EDIT_CONST(name, id, text) product.AddResString(name);
#include "ui/editors/framework/uiEditorsStrings.inc"
#undef UI_EDIT_CONST
}

const TuxProductRegistration editConstsRegistration(uiEditConstsProductKey, AddEditConsts);

} // namespace

} // namespace ui
