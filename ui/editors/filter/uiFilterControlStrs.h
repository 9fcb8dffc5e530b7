#pragma once
// The texts of the filter control, the custom filter dialog and the filter builder, one TuxResourceString per text,
// named as the table resources/strings/uiFilterControlStrings.inc names them; load a text with LoadResStringText.
// From start-up to shut-down they are listed in the resource-string repository under uiFilterControlStrsProductKey.

#include "ui/core/system/uxResourceStrings.h"

namespace ui {

inline constexpr char16_t uiFilterControlStrsProductKey[] = u"Tallyvane Filter Control";

#define UI_FILTER_CONTROL_STR(name, id, text) extern const TuxResourceString name;
#include "resources/strings/uiFilterControlStrings.inc"
#undef UI_FILTER_CONTROL_STR

// Start-up lists the strings (once, however often it is called); the balancing shut-down takes them out.
void InitializeFilterControlStrsUnit();
void FinalizeFilterControlStrsUnit();

} // namespace ui
