#pragma once
// The grid's user-visible texts, one TuxResourceString per text, named as uiGridStrings.inc names them; load a text
// with LoadResStringText. The grid unit's start-up lists them in the resource-string repository under
// uiGridStrsProductKey, its shut-down takes them out.

#include "ui/core/system/uxResourceStrings.h"

namespace ui {

inline constexpr char16_t uiGridStrsProductKey[] = u"Tallyvane Grid";

#define UI_GRID_STR(name, id, text) extern const TuxResourceString name;
#include "ui/grid/customtable/uiGridStrings.inc"
#undef UI_GRID_STR

namespace detail {
void StartGridStrs();
void FinishGridStrs();
} // namespace detail

} // namespace ui
