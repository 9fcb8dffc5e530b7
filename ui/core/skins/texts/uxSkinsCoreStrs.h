#pragma once
// The texts of the skin engine, one TuxResourceString per text, named as the table uxSkinsCoreStrings.inc names them;
// load a text with LoadResStringText. The skin core unit lists them in the resource-string repository under
// uxSkinsCoreStrsProductKey while it runs.

#include "ui/core/system/uxResourceStrings.h"

namespace ui {

inline constexpr char16_t uxSkinsCoreStrsProductKey[] = u"Tallyvane Skins";

#define UX_SKINS_STR(name, id, text) extern const TuxResourceString name;
#include "ui/core/skins/texts/uxSkinsCoreStrings.inc"
#undef UX_SKINS_STR

void RegisterSkinsCoreStrs();
void UnregisterSkinsCoreStrs();

} // namespace ui
