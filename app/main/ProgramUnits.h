#pragma once
// The ordered start-up and shut-down of the libraries the program stands on. Each library's units register what the
// main window looks up by name (properties classes, default editors, panel styles, grid views, skins); the linker
// would drop registrations made by static constructors, so the program calls them here, from main.

namespace app {

// The UI core first, then the editor framework, the editors, the combo box, the label, the status bar and the grid.
void InitializeProgramUnits();
// The reverse order.
void FinalizeProgramUnits();

} // namespace app
