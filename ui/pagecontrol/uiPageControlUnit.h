#pragma once
// The start-up and shut-down of the tab control, after the UI core's: its messages join the resource-string
// repository, the lightened button face is computed and the painter styles are registered with the painters factory
// in their fixed order (a later style that is the default of the same look and feel wins). Shut-down undoes it.

namespace ui {

void InitializePageControlUnit();
void FinalizePageControlUnit();

} // namespace ui
