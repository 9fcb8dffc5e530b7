#pragma once
// The start-up and shut-down of the editor framework: the editors' string units, and the default edit style
// controller that every editor style without a controller of its own follows. Shut-down also frees what the framework
// made on first use (the registry of properties classes, the solid-brush cache). Start-up runs once however often it
// is called; the shut-down that balances the first start-up undoes it.

namespace ui {

void InitializeEditFrameworkUnit();
void FinalizeEditFrameworkUnit();

} // namespace ui
