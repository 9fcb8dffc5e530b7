#pragma once
// The three states of a check box, which painters draw and the check-state value formats encode; portable, so that the
// formats build everywhere.

#include <cstdint>

namespace ui {

enum TuiCheckBoxState : uint8_t { cbsUnchecked, cbsChecked, cbsGrayed };

} // namespace ui
