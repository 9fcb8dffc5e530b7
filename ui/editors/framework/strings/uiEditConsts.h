#pragma once
// The editors' captions and messages, one TuxResourceString per text, named as the UI_EDIT_CONST lines of the table
// resources/strings/uiEditorsStrings.inc name them; load a text with LoadResStringText. From start-up to shut-down
// they are listed in the resource-string repository under uiEditConstsProductKey.

#include "ui/core/system/uxResourceStrings.h"

namespace ui {

inline constexpr char16_t uiEditConstsProductKey[] = u"Tallyvane Editors";

#define UI_EDIT_CONST(name, id, text) extern const TuxResourceString name;
#define UI_EXT_EDIT_CONST(name, id, text)
#include "resources/strings/uiEditorsStrings.inc"
#undef UI_EXT_EDIT_CONST
#undef UI_EDIT_CONST

// Start-up lists the strings (once, however often it is called); the balancing shut-down takes them out.
void InitializeEditConstsUnit();
void FinalizeEditConstsUnit();

} // namespace ui
