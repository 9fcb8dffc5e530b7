#include "ui/editors/framework/uiEditExceptions.h"

namespace ui {

EuiEditError::~EuiEditError() = default;

} // namespace ui
