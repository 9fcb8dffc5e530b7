#include "ui/data/common/uiDataConsts.h"

namespace ui {

#define UI_DATA_CONST(name, id, text) const TuxResourceString name{id, u"" #name, u"" text};
#define UI_LIBRARY_STR(name, id, text)
#include "ui/data/common/uiDataStrings.inc"
#undef UI_DATA_CONST
#undef UI_LIBRARY_STR

namespace {

void AddDataConsts(TuxProductResourceStrings& product) {
#define UI_DATA_CONST(name, id, text) product.AddResString(name);
#define UI_LIBRARY_STR(name, id, text)
#include "ui/data/common/uiDataStrings.inc"
#undef UI_DATA_CONST
#undef UI_LIBRARY_STR
}

const TuxProductRegistration dataConstsRegistration(uiDataConstsProductKey, AddDataConsts);

} // namespace

} // namespace ui
