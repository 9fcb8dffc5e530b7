#pragma once
// EuxException: the base of the UI library's exceptions. The library raises its own failures (invalid arguments and
// states, bad streams) as this class or a descendant, so a caller can tell them from the runtime's.

#include "rtl/core/Exceptions.h"

namespace ui {

class EuxException : public rtl::Exception {
public:
    using rtl::Exception::Exception;
    ~EuxException() override;
};

} // namespace ui
