#pragma once
// The exception of the formula kit's own failures: a damaged token buffer, a value that does not fit its token
// field, an unknown function id. Errors in formula text go through the error manager instead.

#include "rtl/core/Exceptions.h"

namespace xls {

class EXLSFormulaError : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};

} // namespace xls
