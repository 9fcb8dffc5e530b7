#pragma once
// Desktop composition through dwmapi.dll, which the UI core loads by name on Windows Vista and later and binds entry
// point by entry point; without it composition counts as off.

namespace ui {

// dwmapi.dll was loaded when the UI core started.
bool IsDwmAvailable();
// Available, and the system reports composition on (false when it cannot tell).
bool IsDwmCompositionEnabled();

// Start-up (on Windows major version 6 and later): dwmapi.dll is loaded and bound. Shut-down frees it.
void InitializeDWMApiUnit();
void FinalizeDWMApiUnit();

} // namespace ui
