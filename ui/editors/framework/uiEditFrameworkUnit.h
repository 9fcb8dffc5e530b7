#pragma once
// The start-up and shut-down of the editor framework: the editors' string units, the cursor shown while the mouse
// wheel scrolls an editor's value, and an edit style controller set as the global default controller, which every
// style without a controller of its own follows (shut-down clears it before freeing it). Shut-down also frees what the
// framework made on first use (the registry of properties classes, the default edit repository and the registry of
// default editors, the solid-brush cache). Start-up runs once however often it is called; the shut-down that balances
// the first start-up undoes it.

#include <cstdint>

namespace ui {

// The screen cursor of the mouse wheel scrolling an editor (the resource "UIEDIT_MOUSEWHEEL").
inline constexpr int16_t crEditMouseWheel = 4101;

void InitializeEditFrameworkUnit();
void FinalizeEditFrameworkUnit();

} // namespace ui
