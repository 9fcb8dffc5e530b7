#include "rtl/WindowsApi.h"
#include "ui/core/controls/popups/uiControlQueries.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/core/graphics/uiDCServices.h"
#include "ui/editors/navigator/uiNavigatorButtons.h"
#include "ui/editors/navigator/uiNavigatorViewInfo.h"
#include "vcl/controls/WinControl.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Screen.h"
#include "vcl/hints/HintWindow.h"

namespace ui {

namespace {

constexpr uint32_t FirstRepeatPause = 400;
constexpr uint32_t RepeatPause = 100;

bool RepeatsWhileHeld(const TuiNavigatorButton& button) {
    return button.DefaultIndex() == nbiPrior || button.DefaultIndex() == nbiNext;
}

} // namespace

void TuiNavigatorViewInfo::TrackMouseDown(int32_t x, int32_t y) {
    HideHint();
    TuiNavigatorButtonViewInfo* viewInfo = HitTest({x, y});
    if (viewInfo != nullptr && viewInfo->Enabled) {
        FPressTimer->SetInterval(FirstRepeatPause);
        FPressTimer->SetEnabled(true);
        FPressedButton = viewInfo;
        FFocusedButton = viewInfo->Button;
        InvalidateButton(*viewInfo);
    }
    UpdateSelected();
}

void TuiNavigatorViewInfo::TrackMouseMove(int32_t x, int32_t y) {
    TuiNavigatorButtonViewInfo* viewInfo = HitTest({x, y});
    if (viewInfo != FHotButton) {
        SetHotButton(viewInfo);
    }
    if (FHotButton == nullptr) {
        HideHint();
    }
    UpdateSelected();
}

void TuiNavigatorViewInfo::SetHotButton(TuiNavigatorButtonViewInfo* viewInfo) {
    for (const TuiNavigatorButtonViewInfo* changed : {FHotButton, viewInfo}) {
        if (changed != nullptr && changed->Enabled) {
            InvalidateButton(*changed);
        }
    }
    FHotButton = viewInfo;
    if (FHintWindow) {
        ShowHint(true);
    } else {
        RestartHintTimer();
    }
}

void TuiNavigatorViewInfo::TrackMouseUp(int32_t x, int32_t y) {
    FinishPress({x, y}, true);
}

void TuiNavigatorViewInfo::FinishPress(vcl::TPoint point, bool mayClick) {
    FPressTimer->SetEnabled(false);
    TuiNavigatorButtonViewInfo* pressed = FPressedButton;
    FPressedButton = nullptr;
    if (pressed != nullptr) {
        InvalidateButton(*pressed);
    }
    RestartHintTimer();
    UpdateSelected();
    if (mayClick && pressed != nullptr && pressed->Bounds.Contains(point) && pressed->Enabled) {
        pressed->Button->DoClick();
    }
}

// A held Prior or Next clicks again on every tick after the first pause; a released mouse button ends the press
// without a click (its release went elsewhere).
void TuiNavigatorViewInfo::PressTimerTick() {
    if (!vcl::ReadShiftState().Contains(vcl::ssLeft)) {
        FinishPress({}, false);
        return;
    }
    FPressTimer->SetInterval(RepeatPause);
    TuiNavigatorButtonViewInfo* pressed = FPressedButton;
    if (pressed == nullptr || pressed != FHotButton || !pressed->Enabled || !RepeatsWhileHeld(*pressed->Button)) {
        return;
    }
    try {
        pressed->Button->DoClick();
    } catch (...) {
        FPressTimer->SetEnabled(false);
        throw;
    }
}

void TuiNavigatorViewInfo::RestartHintTimer() {
    FHintTimer->SetEnabled(false);
    FHintTimer->SetEnabled(true);
}

void TuiNavigatorViewInfo::HideHint() {
    FHintWindow.reset();
    FHintTimer->SetEnabled(false);
}

void TuiNavigatorViewInfo::ShowHint(bool show) {
    HideHint();
    if (!show || FHotButton == nullptr) {
        return;
    }
    const rtl::UnicodeString text = vcl::GetShortHint(FHotButton->Hint);
    if (text.empty() || !FOwner.GetNavigatorShowHint() || !IsMouseOverActiveControl(&FOwner.GetNavigatorControl())) {
        return;
    }
    FHintWindow.reset(static_cast<vcl::THintWindow*>(vcl::HintWindowClass()->CreateInstance(nullptr)));
    FHintWindow->SetColor(vcl::Application().HintColor());
    vcl::TRect rect = FHintWindow->CalcHintRect(vcl::Screen().Width(), text, nullptr);
    POINT cursor{};
    GetCursorPos(&cursor);
    rect = vcl::OffsetRect(rect, cursor.x, cursor.y + GetCursorSize().cy);
    FHintWindow->ActivateHint(rect, text);
}

} // namespace ui
