#include "ui/core/gdiplus/uxGdiPlusStrs.h"

namespace ui {

#define UX_GDIPLUS_STR(name, id, text) const TuxResourceString name{id, u"" #name, u"" text};
#include "ui/core/gdiplus/uxGdiPlusStrings.inc"
#undef UX_GDIPLUS_STR

namespace {

void AddGdiPlusStrs(TuxProductResourceStrings& product) {
#define UX_GDIPLUS_STR(name, id, text) product.AddResString(name);
#include "ui/core/gdiplus/uxGdiPlusStrings.inc"
#undef UX_GDIPLUS_STR
}

} // namespace

void RegisterGdiPlusStrs() {
    GetResourceStringsRepository().RegisterProduct(uxGdiPlusStrsProductKey, AddGdiPlusStrs);
}

void UnregisterGdiPlusStrs() {
    GetResourceStringsRepository().UnregisterProduct(uxGdiPlusStrsProductKey);
}

} // namespace ui
