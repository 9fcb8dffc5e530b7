#pragma once
// The start-up and shut-down of the skin painters of the page control library, after the status bar's and the tab
// control's: the status bar's skin painter is set, and cleared again.

namespace ui {

void InitializePageControlSkinsUnit();
void FinalizePageControlSkinsUnit();

} // namespace ui
