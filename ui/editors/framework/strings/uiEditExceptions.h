#pragma once
// EuiEditError: the editors' own failures (a value that cannot be converted, an unacceptable repository item, a mask
// engine used before it is compiled). Descendants name the narrower kinds.

#include "ui/core/objects/uxException.h"

namespace ui {

class EuiEditError : public EuxException {
public:
    using EuxException::EuxException;
    // Defined in one place, so the class's type information has one home.
    ~EuiEditError() override;
};

// An entered value the editor refuses; the message is the one to show.
class EuiEditValidationError : public EuiEditError {
public:
    using EuiEditError::EuiEditError;
    ~EuiEditValidationError() override;
};

} // namespace ui
