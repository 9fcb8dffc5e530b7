#pragma once
// The drop-down editors' start-up: the combo box and popup editor properties join the editor properties classes and
// the combo box's filter helper joins the filter edits controller; the shut-down removes them.
// Balanced calls nest: only the first start-up and the last shut-down act.

namespace ui {

void InitializeDropDownEditUnit();
void FinalizeDropDownEditUnit();

} // namespace ui
