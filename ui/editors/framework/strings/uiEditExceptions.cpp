#include "ui/editors/framework/strings/uiEditExceptions.h"

namespace ui {

EuiEditError::~EuiEditError() = default;
EuiEditValidationError::~EuiEditValidationError() = default;

} // namespace ui
