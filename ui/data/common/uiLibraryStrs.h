#pragma once
// The library's general message texts and the words of smart date input ("today", "eom", "Monday"...), one
// TuxResourceString per text, named as the table uiDataStrings.inc names them; load a text with LoadResStringText.
// They are listed in the resource-string repository under uiLibraryStrsProductKey.

#include "ui/core/system/uxResourceStrings.h"

namespace ui {

inline constexpr char16_t uiLibraryStrsProductKey[] = u"Tallyvane Library";

#define UI_DATA_CONST(name, id, text)
#define UI_LIBRARY_STR(name, id, text) extern const TuxResourceString name;
#include "ui/data/common/uiDataStrings.inc"
#undef UI_DATA_CONST
#undef UI_LIBRARY_STR

} // namespace ui
