#include "ui/grid/customtable/uiGridStrs.h"

#include <cstdint>

namespace ui {

#define UI_GRID_STR(name, id, text) const TuxResourceString name{id, u"" #name, u"" text};
#include "ui/grid/customtable/uiGridStrings.inc"
#undef UI_GRID_STR

namespace {

void AddGridStrs(TuxProductResourceStrings& product) {
#define UI_GRID_STR(name, id, text) product.AddResString(name);
#include "ui/grid/customtable/uiGridStrings.inc"
#undef UI_GRID_STR
}

int32_t gridStrsStartCount = 0;

} // namespace

namespace detail {

void StartGridStrs() {
    if (gridStrsStartCount++ == 0) {
        GetResourceStringsRepository().RegisterProduct(uiGridStrsProductKey, AddGridStrs);
    }
}

void FinishGridStrs() {
    if (gridStrsStartCount > 0 && --gridStrsStartCount == 0) {
        GetResourceStringsRepository().UnregisterProduct(uiGridStrsProductKey);
    }
}

} // namespace detail

} // namespace ui
