#include "ui/editors/navigator/uiNavigatorViewInfo.h"

#include "ui/core/controls/containers/uiContainerPainting.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/editors/navigator/uiNavigatorButtons.h"
#include "vcl/controls/WinControl.h"

#include <algorithm>

namespace ui {

namespace {

constexpr uint32_t HintPause = 500;

// The frame of every button is measured as a middle button's of three.
constexpr int32_t MeasuredGroupCount = 3;
constexpr int32_t MeasuredGroupIndex = 1;

} // namespace

TuiNavigatorViewInfo::TuiNavigatorViewInfo(IuiNavigatorOwner& owner, bool inPlace)
    : FOwner(owner), FIsInPlace(inPlace), FPressTimer(new TuiTimer(nullptr)), FHintTimer(new TuiTimer(nullptr)) {
    FPressTimer->SetEnabled(false);
    FPressTimer->SetOnTimer([this](rtl::TObject*) { PressTimerTick(); });
    FHintTimer->SetEnabled(false);
    FHintTimer->SetInterval(HintPause);
    FHintTimer->SetOnTimer([this](rtl::TObject*) { ShowHint(true); });
}

TuiNavigatorViewInfo::~TuiNavigatorViewInfo() = default;

TuiLookAndFeelPainterClass TuiNavigatorViewInfo::Painter() const {
    return FOwner.GetNavigatorLookAndFeel().ActivePainter();
}

vcl::TSize TuiNavigatorViewInfo::ButtonSize(const TuiNavigatorButton& button, bool withGlyphHeight) const {
    const vcl::TSize glyph = button.GetGlyphSize();
    const vcl::TRect frame = Painter()->ButtonGroupFrameWidths(MeasuredGroupCount, MeasuredGroupIndex);
    const int32_t height = frame.Top + frame.Bottom + 1 + (withGlyphHeight ? glyph.cy : 0);
    return {glyph.cx + frame.Left + frame.Right + 1, height};
}

void TuiNavigatorViewInfo::BindVisibleButtons() {
    const TuiNavigatorButton* hot = FHotButton ? FHotButton->Button : nullptr;
    const TuiNavigatorButton* pressed = FPressedButton ? FPressedButton->Button : nullptr;
    FHotButton = nullptr;
    FPressedButton = nullptr;
    const TuiCustomNavigatorButtons& buttons = FOwner.GetNavigatorButtons();
    size_t count = 0;
    for (int32_t index = 0; index < uiNavigatorButtonCount; ++index) {
        TuiNavigatorButton& button = buttons.Buttons(index);
        if (!button.Visible()) {
            continue;
        }
        if (count == FButtons.size()) {
            FButtons.push_back(std::make_unique<TuiNavigatorButtonViewInfo>());
        }
        TuiNavigatorButtonViewInfo& viewInfo = *FButtons[count++];
        viewInfo.Button = &button;
        if (&button == hot) {
            FHotButton = &viewInfo;
        }
        if (&button == pressed) {
            FPressedButton = &viewInfo;
        }
    }
    FButtons.resize(count);
}

void TuiNavigatorViewInfo::ArrangeButtons(int32_t& width, int32_t& height, bool withGlyphHeight) {
    FIsDirty = true;
    BindVisibleButtons();
    std::vector<vcl::TSize> sizes;
    int32_t total = 0;
    int32_t largestHeight = 0;
    for (const auto& viewInfo : FButtons) {
        sizes.push_back(ButtonSize(*viewInfo->Button, withGlyphHeight));
        total += sizes.back().cx;
        largestHeight = std::max(largestHeight, sizes.back().cy);
    }
    height = std::max(height, largestHeight);
    int32_t extra = 0;
    if (width < total) {
        width = total;
    } else {
        const auto count = static_cast<int32_t>(FButtons.size());
        extra = count == 0 ? 0 : (width - total) / count;
        width = extra * count + total;
    }
    const vcl::TRect bounds = FOwner.GetNavigatorBounds();
    int32_t x = bounds.Left;
    for (size_t index = 0; index < FButtons.size(); ++index) {
        const int32_t buttonWidth = sizes[index].cx + extra;
        FButtons[index]->Bounds = {x, bounds.Top, x + buttonWidth, bounds.Top + height};
        x += buttonWidth;
    }
}

void TuiNavigatorViewInfo::Calculate() {
    const vcl::TRect bounds = FOwner.GetNavigatorBounds();
    int32_t width = bounds.Width();
    int32_t height = bounds.Height();
    ArrangeButtons(width, height, false);
    for (const auto& viewInfo : FButtons) {
        viewInfo->Enabled = viewInfo->Button->IsEnabled();
        viewInfo->Hint = viewInfo->Button->GetHintText();
    }
    FIsDirty = false;
}

void TuiNavigatorViewInfo::Clear() {
    FButtons.clear();
    FHotButton = nullptr;
    FPressedButton = nullptr;
    FIsDirty = true;
}

TuiNavigatorButtonViewInfo* TuiNavigatorViewInfo::HitTest(vcl::TPoint point) const {
    for (const auto& viewInfo : FButtons) {
        if (viewInfo->Bounds.Contains(point)) {
            return viewInfo.get();
        }
    }
    return nullptr;
}

TuiNavigatorButtonViewInfo* TuiNavigatorViewInfo::FindViewInfo(const TuiNavigatorButton* button) const {
    for (const auto& viewInfo : FButtons) {
        if (viewInfo->Button == button) {
            return viewInfo.get();
        }
    }
    return nullptr;
}

void TuiNavigatorViewInfo::UpdateButtonsEnabled() {
    for (const auto& viewInfo : FButtons) {
        const bool enabled = viewInfo->Button->IsEnabled();
        if (viewInfo->Enabled != enabled) {
            viewInfo->Enabled = enabled;
            InvalidateButton(*viewInfo);
        }
    }
}

void TuiNavigatorViewInfo::InvalidateButton(const TuiNavigatorButtonViewInfo& viewInfo) const {
    vcl::TWinControl& control = FOwner.GetNavigatorControl();
    if (control.HandleAllocated()) {
        InvalidateRectExcept(control.Handle(), viewInfo.Bounds, {}, false);
    }
}

TuiButtonState TuiNavigatorViewInfo::GetButtonState(const TuiNavigatorButtonViewInfo& viewInfo) const {
    if (!viewInfo.Enabled) {
        return uibsDisabled;
    }
    if (&viewInfo == FHotButton) {
        return &viewInfo == FPressedButton ? uibsPressed : uibsHot;
    }
    return uibsNormal;
}

TuiNavigatorButton* TuiNavigatorViewInfo::FocusedButton() const {
    if (FFocusedButton != nullptr && FFocusedButton->Visible()) {
        return FFocusedButton;
    }
    const TuiCustomNavigatorButtons& buttons = FOwner.GetNavigatorButtons();
    for (int32_t index = 0; index < uiNavigatorButtonCount; ++index) {
        if (buttons.Buttons(index).Visible()) {
            return &buttons.Buttons(index);
        }
    }
    return nullptr;
}

// Under a look that hot-tracks buttons, the bar's one-pixel ring shows whether the user works on it.
void TuiNavigatorViewInfo::UpdateSelected() {
    if (!Painter()->HotTracksButtons()) {
        return;
    }
    const bool selected = FHotButton != nullptr || FPressedButton != nullptr || FOwner.GetNavigatorFocused();
    if (selected == FIsSelected) {
        return;
    }
    FIsSelected = selected;
    vcl::TWinControl& control = FOwner.GetNavigatorControl();
    if (control.HandleAllocated()) {
        const vcl::TRect bounds = FOwner.GetNavigatorBounds();
        InvalidateRectExcept(control.Handle(), bounds, InflateRectBy(bounds, -1, -1), false);
    }
}

} // namespace ui
