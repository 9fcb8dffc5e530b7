#include "ui/editors/filter/uiFilterControlStrs.h"

#include "ui/editors/framework/strings/uiEditStringUnit.h"

namespace ui {

#define UI_FILTER_CONTROL_STR(name, id, text) const TuxResourceString name{id, u"" #name, u"" text};
#include "resources/strings/uiFilterControlStrings.inc"
#undef UI_FILTER_CONTROL_STR

namespace {

void AddFilterControlStrs(TuxProductResourceStrings& product) {
#define UI_FILTER_CONTROL_STR(name, id, text) product.AddResString(name);
#include "resources/strings/uiFilterControlStrings.inc"
#undef UI_FILTER_CONTROL_STR
}

TuiEditStringUnit filterControlStrsUnit(uiFilterControlStrsProductKey, AddFilterControlStrs);

} // namespace

void InitializeFilterControlStrsUnit() {
    filterControlStrsUnit.Initialize();
}

void FinalizeFilterControlStrsUnit() {
    filterControlStrsUnit.Finalize();
}

} // namespace ui
