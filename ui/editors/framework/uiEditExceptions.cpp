#include "ui/editors/framework/uiEditExceptions.h"

namespace ui {

EuiEditError::~EuiEditError() = default;
EuiEditValidationError::~EuiEditValidationError() = default;

} // namespace ui
