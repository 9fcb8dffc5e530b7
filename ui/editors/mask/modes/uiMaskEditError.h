#pragma once
// EuiMaskEditError: a mask the mask editor cannot take; the message is the one to show.

#include "ui/editors/framework/strings/uiEditExceptions.h"

namespace ui {

class EuiMaskEditError : public EuiEditError {
public:
    using EuiEditError::EuiEditError;
    ~EuiMaskEditError() override;
};

} // namespace ui
