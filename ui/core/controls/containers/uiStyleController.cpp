#include "ui/core/controls/containers/uiStyleController.h"

#include "ui/core/geometry/uiArithmetic.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "vcl/forms/Screen.h"

#include <algorithm>
#include <ranges>
#include <vector>

namespace ui {

namespace {

TuiStyleController*& GlobalController() {
    static TuiStyleController* controller = nullptr; // not owned
    return controller;
}

} // namespace

int32_t ScaleFontHeightToScreen(int32_t height, int32_t storedPixelsPerInch, int32_t screenPixelsPerInch) {
    if (storedPixelsPerInch <= 0 || storedPixelsPerInch == screenPixelsPerInch) {
        return height;
    }
    return MulDiv(height, screenPixelsPerInch, storedPixelsPerInch);
}

TuiStyleController::TuiStyleController(rtl::TComponent* owner) : TuiStyleController(owner, {}) {}

TuiStyleController::TuiStyleController(rtl::TComponent* owner, const TuiContainerStyleFactory& factory)
    : TComponent(owner), FStyles(std::make_unique<TuiContainerStyles>(this, factory)) {
    FStyles->SetOnChanged([this](rtl::TObject*) { NotifyStylesChanged(); });
}

TuiStyleController::~TuiStyleController() {
    FDestroying = true;
    // Nothing may attach to a controller that is gone.
    if (GlobalController() == this) {
        GlobalController() = nullptr;
    }
    for (const auto listeners = FListeners; TuiContainerStyle * style : std::views::reverse(listeners)) {
        if (HasStyleListener(style)) {
            style->StyleControllerFreed(this);
        }
    }
    FStyles.reset();
}

void TuiStyleController::AddStyleListener(TuiContainerStyle* style) {
    if (style == nullptr || HasStyleListener(style)) {
        return;
    }
    FListeners.push_back(style);
    style->LookAndFeel().SetMaster(&Style().LookAndFeel());
}

void TuiStyleController::RemoveStyleListener(TuiContainerStyle* style) {
    if (!HasStyleListener(style)) {
        return;
    }
    std::erase(FListeners, style);
    style->LookAndFeel().SetMaster(nullptr);
}

bool TuiStyleController::HasStyleListener(const TuiContainerStyle* style) const {
    return std::ranges::find(FListeners, style) != FListeners.end();
}

void TuiStyleController::NotifyStylesChanged() {
    if (FOnStyleChanged) {
        FOnStyleChanged(this);
    }
    if (FDestroying) {
        return;
    }
    for (TuiContainerStyle* style : std::vector<TuiContainerStyle*>(FListeners)) {
        if (HasStyleListener(style)) {
            style->StyleControllerChanged();
        }
    }
}

void TuiStyleController::Loaded() {
    TComponent::Loaded();
    NotifyStylesChanged();
}

void TuiStyleController::SetPixelsPerInch(int32_t value) {
    if (value <= 0 || value == FPixelsPerInch) {
        return;
    }
    FPixelsPerInch = value;
    const int32_t screen = vcl::Screen().PixelsPerInch();
    for (const TuiContainerStyleState state : {cssNormal, cssFocused, cssDisabled, cssHot}) {
        TuiContainerStyle& style = Styles(state);
        if (style.AssignedValues().Contains(csvFont)) {
            style.Font().SetHeight(ScaleFontHeightToScreen(style.Font().Height(), value, screen));
        }
    }
    NotifyStylesChanged();
}

TuiStyleController* GlobalStyleController() {
    return GlobalController();
}

void SetGlobalStyleController(TuiStyleController* controller) {
    GlobalController() = controller;
}

} // namespace ui
