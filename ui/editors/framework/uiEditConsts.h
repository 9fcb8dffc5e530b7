#pragma once
// The editors' captions and messages, one TuxResourceString per text, named as the table uiEditorsStrings.inc names
// them; load a text with LoadResStringText. They are listed in the resource-string repository under
// uiEditConstsProductKey.

#include "ui/core/uxResourceStrings.h"

namespace ui {

inline constexpr char16_t uiEditConstsProductKey[] = u"Tallyvane Editors";

#define UI_EDIT_CONST(name, id, text) extern const TuxResourceString name;
#include "ui/editors/framework/uiEditorsStrings.inc"
#undef UI_EDIT_CONST

} // namespace ui
