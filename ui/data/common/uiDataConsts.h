#pragma once
// The data controller's message texts ("Stream read error", "RecordIndex out of range"...), one TuxResourceString
// per text, named as the table uiDataStrings.inc names them; load a text with LoadResStringText. They are listed in
// the resource-string repository under uiDataConstsProductKey.

#include "ui/core/system/uxResourceStrings.h"

namespace ui {

inline constexpr char16_t uiDataConstsProductKey[] = u"Tallyvane Data Controller";

#define UI_DATA_CONST(name, id, text) extern const TuxResourceString name;
#define UI_LIBRARY_STR(name, id, text)
#include "ui/data/common/uiDataStrings.inc"
#undef UI_DATA_CONST
#undef UI_LIBRARY_STR

} // namespace ui
