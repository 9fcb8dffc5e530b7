#include "ui/data/controller/uiDataControllerError.h"

namespace ui {

EuiInvalidDataControllerOperation::~EuiInvalidDataControllerOperation() = default;

void EuiInvalidDataControllerOperation::Raise(const TuxResourceString& message) {
    throw EuiInvalidDataControllerOperation(LoadResStringText(message));
}

} // namespace ui
