#include "ui/editors/mask/modes/uiMaskEditError.h"

namespace ui {

EuiMaskEditError::~EuiMaskEditError() = default;

} // namespace ui
