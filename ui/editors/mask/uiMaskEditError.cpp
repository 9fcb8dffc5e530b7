#include "ui/editors/mask/uiMaskEditError.h"

namespace ui {

EuiMaskEditError::~EuiMaskEditError() = default;

} // namespace ui
