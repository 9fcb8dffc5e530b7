#pragma once
// msimg32.dll, bound once for the whole UI core: its AlphaBlend serves the images' alpha blending and its
// GradientFill the Office 2003 gradients. Where the library or a function is missing, the callers draw without it.

#include "ui/core/themes/uxLibraryBinding.h"

#include <cstddef>

namespace ui {

// The functions of the binding, by their index in it.
enum TuxMsimg32Function : size_t { msimg32AlphaBlend, msimg32GradientFill };

// The binding; its functions are nullptr before start-up, after shut-down and where msimg32 lacks them.
const TuxLibraryBinding& Msimg32Library();

// Start-up: msimg32.dll is loaded and its functions looked up, before the units that draw with them. Shut-down frees
// it, after them.
void InitializeMsimg32Unit();
void FinalizeMsimg32Unit();

} // namespace ui
