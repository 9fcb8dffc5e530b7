#include "ui/core/uxException.h"

namespace ui {

// Defined here so that the class's type information has one home for every library that catches it.
EuxException::~EuxException() = default;

} // namespace ui
