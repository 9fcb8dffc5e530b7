#pragma once
// Start-up and shut-down of the skin core, through the unit loader: its texts listed, its classes registered with the
// class registry, the shared empty element made, and on Windows GDI+ asked for and its PNG encoder found.

#include "ui/core/skins/elements/uxSkinElements.h"

namespace ui {

// The shared element that draws where a skin lacks one; nullptr while the skin core is not running.
TuxSkinEmptyElement* SkinEmptyElement();

void InitializeSkinsCoreUnit();
void FinalizeSkinsCoreUnit();

} // namespace ui
