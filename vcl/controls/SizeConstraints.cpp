#include "vcl/controls/SizeConstraints.h"

#include "vcl/controls/Control.h"
#include "vcl/system/Win32.h"

#include <algorithm>

namespace vcl {

namespace {

// Stores value in the limit and keeps the opposite limit (0: none) from crossing it.
bool SetLimit(int32_t& limit, int32_t& opposite, int32_t value, bool isMaximum) {
    value = std::max(value, 0);
    if (value == limit) {
        return false;
    }
    limit = value;
    if (value > 0 && opposite > 0 && (isMaximum ? opposite > value : opposite < value)) {
        opposite = value;
    }
    return true;
}

} // namespace

void TSizeConstraints::Assign(const rtl::TPersistent* source) {
    const auto* constraints = dynamic_cast<const TSizeConstraints*>(source);
    if (!constraints) {
        TPersistent::Assign(source);
        return;
    }
    FMinWidth = constraints->FMinWidth;
    FMinHeight = constraints->FMinHeight;
    FMaxWidth = constraints->FMaxWidth;
    FMaxHeight = constraints->FMaxHeight;
    Change();
}

rtl::TPersistent* TSizeConstraints::GetOwner() const {
    return FControl;
}

void TSizeConstraints::SetMinWidth(int32_t value) {
    if (SetLimit(FMinWidth, FMaxWidth, value, false)) {
        Change();
    }
}

void TSizeConstraints::SetMinHeight(int32_t value) {
    if (SetLimit(FMinHeight, FMaxHeight, value, false)) {
        Change();
    }
}

void TSizeConstraints::SetMaxWidth(int32_t value) {
    if (SetLimit(FMaxWidth, FMinWidth, value, true)) {
        Change();
    }
}

void TSizeConstraints::SetMaxHeight(int32_t value) {
    if (SetLimit(FMaxHeight, FMinHeight, value, true)) {
        Change();
    }
}

void TSizeConstraints::Apply(int32_t& width, int32_t& height) const {
    if (FMaxWidth > 0) {
        width = std::min(width, FMaxWidth);
    }
    width = std::max(width, FMinWidth);
    if (FMaxHeight > 0) {
        height = std::min(height, FMaxHeight);
    }
    height = std::max(height, FMinHeight);
}

void TSizeConstraints::Scale(int32_t multiplier, int32_t divisor) {
    FMinWidth = MulDiv(FMinWidth, multiplier, divisor);
    FMinHeight = MulDiv(FMinHeight, multiplier, divisor);
    FMaxWidth = MulDiv(FMaxWidth, multiplier, divisor);
    FMaxHeight = MulDiv(FMaxHeight, multiplier, divisor);
    Change();
}

void TSizeConstraints::Change() {
    if (FOnChange) {
        FOnChange(this);
    }
}

} // namespace vcl
