#include "vcl/forms/HintController.h"

#include "vcl/controls/WinControl.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Screen.h"
#include "vcl/system/Win32.h"

namespace vcl {

namespace {

// The hint of a control that shows hints, or of its nearest parent with one.
rtl::UnicodeString ShownHintOf(const TControl* control) {
    if (!control || !control->ShowHint()) {
        return {};
    }
    while (control && control->Hint().empty()) {
        control = control->Parent();
    }
    return control ? GetShortHint(control->Hint()) : rtl::UnicodeString();
}

} // namespace

THintController::THintController() : FTimer(nullptr) {
    FTimer.SetEnabled(false);
    FTimer.SetOnTimer([this](rtl::TObject*) { Elapsed(); });
}

THintController::~THintController() = default;

void THintController::SetShowHint(bool value) {
    FShowHint = value;
    if (!value) {
        CancelHint();
    }
}

bool THintController::HintShowing() const {
    return FWindow && FWindow->HintShowing();
}

void THintController::MouseControlChanged(TControl* control) {
    if (HintShowing() && !FCursorRect.Contains(Mouse().CursorPos())) {
        CancelHint();
    }
    if (control == FHintControl && ControlAlive()) {
        return;
    }
    CancelHint();
    FHintControl = control;
    FControlLink.reset();
    if (!control || !FShowHint || ShownHintOf(control).empty()) {
        return;
    }
    FControlLink.emplace(control);
    FTimer.SetInterval(FHintPause);
    FTimer.SetEnabled(true);
}

void THintController::MessageArrived(uint32_t msg) {
    if (HintShowing() && FWindow->IsHintMsg(msg)) {
        CancelHint();
    }
}

// The pause ended (the hint shows) or the hide time did (the hint goes).
void THintController::Elapsed() {
    FTimer.SetEnabled(false);
    if (HintShowing()) {
        CancelHint();
    } else {
        ActivateHint();
    }
}

void THintController::CancelHint() {
    FTimer.SetEnabled(false);
    if (FWindow) {
        FWindow->ReleaseHandle();
    }
}

void THintController::ActivateHint() {
    if (!ControlAlive() || !FShowHint) {
        return;
    }
    TControl* control = FHintControl;
    const TPoint cursor = Mouse().CursorPos();
    THintInfo info;
    info.HintControl = control;
    info.HintWindowClass = HintWindowClass();
    info.HintPos = {cursor.X, cursor.Y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4};
    info.HintMaxWidth = Screen().Width();
    info.HintColor = FHintColor;
    info.CursorRect = control->ClientRect();
    info.CursorPos = control->ScreenToClient(cursor);
    info.HideTimeout = static_cast<int32_t>(FHintHidePause);
    info.HintStr = ShownHintOf(control);
    const TControlLink link(control);
    if (control->Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info)) != 0 || !link.Alive()) {
        return;
    }
    bool canShow = true;
    if (FOnShowHint) {
        FOnShowHint(info.HintStr, canShow, info);
    }
    if (!canShow || info.HintStr.empty() || !link.Alive()) {
        return;
    }
    const rtl::TMetaclass* windowClass = info.HintWindowClass ? info.HintWindowClass : HintWindowClass();
    if (!FWindow || FWindow->ClassType() != *windowClass) {
        FWindow.reset(static_cast<THintWindow*>(windowClass->CreateInstance(nullptr)));
    }
    FWindow->SetColor(info.HintColor);
    const TRect size = FWindow->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    const TPoint topLeft = control->ClientToScreen(info.CursorRect.TopLeft());
    const TPoint bottomRight = control->ClientToScreen(info.CursorRect.BottomRight());
    FCursorRect = {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
    FWindow->ActivateHintData(OffsetRect(size, info.HintPos.X, info.HintPos.Y), info.HintStr, info.HintData);
    if (info.HideTimeout > 0) {
        FTimer.SetInterval(static_cast<uint32_t>(info.HideTimeout));
        FTimer.SetEnabled(true);
    }
}

} // namespace vcl
