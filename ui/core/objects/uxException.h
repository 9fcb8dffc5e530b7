#pragma once
// EuxException: the base of the UI library's own failures (argument and state checks, wrong pixel formats, missing
// platform services). The library raises it or a descendant, never a bare runtime exception of its own making.

#include "rtl/core/Exceptions.h"

namespace ui {

class EuxException : public rtl::Exception {
public:
    using Exception::Exception;
    // Defined in one place, so the class's type information has one home.
    ~EuxException() override;
};

} // namespace ui
