#pragma once
// The texts of the GDI+ binding and its images, one TuxResourceString per text, named as the table
// uxGdiPlusStrings.inc names them; load a text with LoadResStringText. The GDI+ unit lists them in the resource-string
// repository under uxGdiPlusStrsProductKey while it runs.

#include "ui/core/system/uxResourceStrings.h"

namespace ui {

inline constexpr char16_t uxGdiPlusStrsProductKey[] = u"Tallyvane Graphics";

#define UX_GDIPLUS_STR(name, id, text) extern const TuxResourceString name;
#include "ui/core/gdiplus/uxGdiPlusStrings.inc"
#undef UX_GDIPLUS_STR

void RegisterGdiPlusStrs();
void UnregisterGdiPlusStrs();

} // namespace ui
