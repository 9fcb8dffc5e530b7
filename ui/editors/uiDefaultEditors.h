#pragma once
// The default editors: which repository item of the framework's own repository edits a value of each type when a
// host (a grid column) has no editor of its own: a check box for Boolean values, a currency editor for Currency and
// FMTBcd values, the text editor for every other type. They are registered at version -1, so that an item a program
// registers for a type at version 0 or above answers instead, and the default item stays the text editor's. The same
// start-up lists the repository and its item classes in the class registry, for forms that name them. Start-up runs
// once however often it is called; the shut-down that balances the first start-up undoes it. It needs the editor
// framework started before it and shut down after it.

namespace ui {

void InitializeDefaultEditorsUnit();
void FinalizeDefaultEditorsUnit();

} // namespace ui
