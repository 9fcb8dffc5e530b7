#include "ui/data/common/uiLibraryStrs.h"

namespace ui {

#define UI_DATA_CONST(name, id, text)
#define UI_LIBRARY_STR(name, id, text) const TuxResourceString name{id, u"" #name, u"" text};
#include "ui/data/common/uiDataStrings.inc"
#undef UI_DATA_CONST
#undef UI_LIBRARY_STR

namespace {

void AddLibraryStrs(TuxProductResourceStrings& product) {
#define UI_DATA_CONST(name, id, text)
#define UI_LIBRARY_STR(name, id, text) product.AddResString(name);
#include "ui/data/common/uiDataStrings.inc"
#undef UI_DATA_CONST
#undef UI_LIBRARY_STR
}

const TuxProductRegistration libraryStrsRegistration(uiLibraryStrsProductKey, AddLibraryStrs);

} // namespace

} // namespace ui
