#include "ui/core/objects/uxException.h"

namespace ui {

EuxException::~EuxException() = default;

} // namespace ui
