#include "ui/core/uxException.h"

namespace ui {

EuxException::~EuxException() = default;

} // namespace ui
