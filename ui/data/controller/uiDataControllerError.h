#pragma once
// EuiInvalidDataControllerOperation: what a data controller and its row information raise when a check fails (a
// record, item or row index out of range, an item added twice, a bad stream). The message is one of the data texts
// (uiDataConsts.h), loaded when raised.

#include "ui/core/objects/uxException.h"
#include "ui/core/system/uxResourceStrings.h"

namespace ui {

class EuiInvalidDataControllerOperation : public EuxException {
public:
    using EuxException::EuxException;
    ~EuiInvalidDataControllerOperation() override;

    // Raises the exception with the text of message.
    [[noreturn]] static void Raise(const TuxResourceString& message);
};

} // namespace ui
