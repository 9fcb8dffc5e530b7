// The tab control's input: presses on navigator buttons (arrows repeating on a timer while held), tabs selected or
// pressed by the mouse, hot tracking, the wheel over the tab line, keyboard navigation and accelerators.

#include "rtl/WindowsApi.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/stdctrls/Mnemonics.h"

#include <utility>

namespace ui {

namespace {

// The navigator arrows repeat after a first pause, then faster.
constexpr uint32_t ScrollFirstDelay = 300;
constexpr uint32_t ScrollRepeatInterval = 150;

bool IsArrowButton(TuiPCNavigatorButton button) {
    return button == nbTopLeft || button == nbBottomRight;
}

bool IsLeftButtonDown() {
    return (GetKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) & 0x8000) != 0;
}

} // namespace

int32_t TuiCustomTabControl::VisibleTabIndexAtPoint(int32_t x, int32_t y) {
    if (FFirstDisplayedIndex < 0) {
        return -1;
    }
    const int32_t first = FMultiLine ? 0 : FFirstDisplayedIndex;
    const int32_t last = FMultiLine ? FVisibleTabs->Count() - 1 : FLastDisplayedIndex;
    for (int32_t i = first; i <= last; ++i) {
        if (FVisibleTabs->Tab(i).GetVisibleRect().Contains({x, y}) && FPainter->IsPointInTab(i, x, y)) {
            return i;
        }
    }
    return -1;
}

int32_t TuiCustomTabControl::TabIndexAtPoint(int32_t x, int32_t y) {
    const int32_t visibleIndex = VisibleTabIndexAtPoint(x, y);
    return visibleIndex == -1 ? -1 : FVisibleTabs->TabIndex(visibleIndex);
}

bool TuiCustomTabControl::IsButtonLikePainter() const {
    return FPainter->ClassType().ShiftsDownTabContent();
}

// Mouse.

void TuiCustomTabControl::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    const bool goDialogJustClosed = std::exchange(FGoDialogJustClosed, false);
    const vcl::TControlLink link(this);
    TuiControl::MouseDown(button, shift, x, y);
    const bool designing = ComponentState().Contains(rtl::TComponentState::csDesigning);
    if (!link.Alive() || (!designing && (FHideTabs || button != vcl::mbLeft))) {
        return;
    }
    UpdateHotTrack();
    TuiPCNavigatorButton navigatorButton;
    if (FPainter->GetNavigatorButtonAt(x, y, navigatorButton) && FNavigatorButtons.Contains(navigatorButton)) {
        if (FNavigatorButtonStates[navigatorButton] != nbsDisabled &&
            !(navigatorButton == nbGoDialog && goDialogJustClosed)) {
            PressNavigatorButton(navigatorButton);
        }
        return;
    }
    const int32_t visibleIndex = VisibleTabIndexAtPoint(x, y);
    FMouseDownVisibleIndex = visibleIndex;
    if (visibleIndex == -1 || !(designing || CanSelectTab(FVisibleTabs->TabIndex(visibleIndex)))) {
        return;
    }
    if (IsButtonLikePainter()) {
        ChangePressedTab(visibleIndex);
    } else {
        SelectVisibleTab(visibleIndex, shift.Contains(vcl::ssCtrl), true);
    }
}

void TuiCustomTabControl::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    const vcl::TControlLink link(this);
    TuiControl::MouseMove(shift, x, y);
    if (!link.Alive()) {
        return;
    }
    if (FPressedNavigatorButton) {
        TuiPCNavigatorButton navigatorButton;
        if (!FPainter->GetNavigatorButtonAt(x, y, navigatorButton) || navigatorButton != *FPressedNavigatorButton) {
            StopScrollTimer();
            ReleaseNavigatorButton();
        }
    }
    if (FPressedVisibleIndex != -1 && VisibleTabIndexAtPoint(x, y) != FPressedVisibleIndex) {
        ChangePressedTab(-1);
    }
    UpdateHotTrackAt({x, y}, shift.Contains(vcl::ssLeft));
}

void TuiCustomTabControl::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    const vcl::TControlLink link(this);
    TuiControl::MouseUp(button, shift, x, y);
    if (!link.Alive() || button != vcl::mbLeft || FHideTabs || FGoDialogShown) {
        return;
    }
    StopScrollTimer();
    TuiPCNavigatorButton navigatorButton;
    if (FPainter->GetNavigatorButtonAt(x, y, navigatorButton) && FNavigatorButtons.Contains(navigatorButton)) {
        const bool wasPressed = FPressedNavigatorButton == navigatorButton;
        if (FNavigatorButtonStates[navigatorButton] == nbsDisabled) {
            return;
        }
        if (wasPressed && navigatorButton == nbGoDialog &&
            !ComponentState().Contains(rtl::TComponentState::csDesigning)) {
            FGoDialogShown = true;
            ShowGoDialog();
            return;
        }
        ReleaseNavigatorButton();
        UpdateHotTrack();
        if (wasPressed && navigatorButton == nbClose && CanCloseTab()) {
            CloseActiveTab();
        }
        return;
    }
    ReleaseNavigatorButton();
    const int32_t visibleIndex = VisibleTabIndexAtPoint(x, y);
    if (IsButtonLikePainter() && visibleIndex != -1 && visibleIndex == FPressedVisibleIndex) {
        ChangePressedTab(-1);
        SelectVisibleTab(visibleIndex, shift.Contains(vcl::ssCtrl), true);
        if (!link.Alive()) {
            return;
        }
    }
    UpdateHotTrack();
    if (visibleIndex != -1 && visibleIndex == FMouseDownVisibleIndex && visibleIndex < FVisibleTabs->Count()) {
        DrawTabHook2(FVisibleTabs->Tab(visibleIndex), shift);
    }
}

void TuiCustomTabControl::MouseLeave(vcl::TControl* control) {
    TuiControl::MouseLeave(control);
    if (!FGoDialogShown) {
        UpdateHotTrackAt({-1, -1}, false);
    }
}

void TuiCustomTabControl::PressNavigatorButton(TuiPCNavigatorButton button) {
    FPressedNavigatorButton = button;
    SetNavigatorButtonState(button, nbsPressed);
    if (!IsArrowButton(button)) {
        return;
    }
    ScrollTabs(button);
    if (FPressedNavigatorButton != button) {
        return;
    }
    if (!FScrollTimer) {
        FScrollTimer = std::make_unique<TuiTimer>(nullptr);
        FScrollTimer->SetEnabled(false);
        FScrollTimer->SetOnTimer([this](rtl::TObject*) { ScrollTimerTick(); });
    }
    FScrollTimer->SetInterval(ScrollFirstDelay);
    FScrollTimer->SetEnabled(true);
}

void TuiCustomTabControl::ScrollTimerTick() {
    if (!FPressedNavigatorButton || !IsArrowButton(*FPressedNavigatorButton)) {
        StopScrollTimer();
        return;
    }
    FScrollTimer->SetInterval(ScrollRepeatInterval);
    ScrollTabs(*FPressedNavigatorButton);
    if (!FPressedNavigatorButton) {
        StopScrollTimer();
    }
}

void TuiCustomTabControl::StopScrollTimer() {
    if (FScrollTimer) {
        FScrollTimer->SetEnabled(false);
    }
}

void TuiCustomTabControl::ReleaseNavigatorButton() {
    if (!FPressedNavigatorButton) {
        return;
    }
    const TuiPCNavigatorButton button = *FPressedNavigatorButton;
    FPressedNavigatorButton.reset();
    if (FNavigatorButtonStates[button] == nbsPressed) {
        SetNavigatorButtonState(button, nbsNormal);
    }
}

void TuiCustomTabControl::ReleaseNavigatorState() {
    FGoDialogShown = false;
    StopScrollTimer();
    ReleaseNavigatorButton();
    UpdateHotTrack();
}

void TuiCustomTabControl::SelectVisibleTab(int32_t visibleIndex, bool ctrl, bool byMouse) {
    TuiTab& tab = FVisibleTabs->Tab(visibleIndex);
    if (FMultiSelect && FPainter->ClassType().AllowsMultiSelect() && ctrl) {
        if (tab.IsActiveTab()) {
            SetTabIndex(-1);
        } else {
            tab.SetSelected(!tab.Selected());
        }
        return;
    }
    const vcl::TControlLink link(this);
    SetTabIndex(tab.Index());
    if (link.Alive() && byMouse && FocusOnClick() && CanFocus() && !Focused()) {
        SetFocus();
    }
}

// Hot tracking.

void TuiCustomTabControl::UpdateHotTrack() {
    if (!HandleAllocated()) {
        return;
    }
    UpdateHotTrackAt(ScreenToClient(vcl::Mouse().CursorPos()), IsLeftButtonDown());
}

void TuiCustomTabControl::UpdateHotTrackAt(vcl::TPoint point, bool leftButtonDown) {
    if (IsLoadingOrDestroying() || ComponentState().Contains(rtl::TComponentState::csDesigning) || !HandleAllocated() ||
        FGoDialogShown) {
        return;
    }
    std::optional<TuiPCNavigatorButton> hotButton;
    int32_t hotTab = -1;
    const bool inside = point.X >= 0 && point.Y >= 0 && point.X < Width() && point.Y < Height();
    if ((FHotTrack || FPainter->AlwaysHotTracks()) && Enabled() && inside) {
        TuiPCNavigatorButton button;
        if (FPainter->GetNavigatorButtonAt(point.X, point.Y, button) && FNavigatorButtons.Contains(button)) {
            if (!leftButtonDown && FNavigatorButtonStates[button] == nbsNormal) {
                hotButton = button;
            }
        } else if (!(leftButtonDown && IsButtonLikePainter())) {
            const int32_t visibleIndex = VisibleTabIndexAtPoint(point.X, point.Y);
            if (visibleIndex != -1 && FVisibleTabs->Tab(visibleIndex).IsEnabled()) {
                hotTab = visibleIndex;
            }
        }
    }
    if (FHotNavigatorButton != hotButton) {
        if (FHotNavigatorButton && FNavigatorButtonStates[*FHotNavigatorButton] == nbsHot) {
            SetNavigatorButtonState(*FHotNavigatorButton, nbsNormal);
        }
        FHotNavigatorButton = hotButton;
        if (hotButton) {
            SetNavigatorButtonState(*hotButton, nbsHot);
        }
    }
    ChangeHotTab(hotTab);
}

// Wheel.

bool TuiCustomTabControl::DoMouseWheelDown(vcl::TShiftState shift, vcl::TPoint mousePos) {
    return TuiControl::DoMouseWheelDown(shift, mousePos) || ScrollByWheel(mousePos, true);
}

bool TuiCustomTabControl::DoMouseWheelUp(vcl::TShiftState shift, vcl::TPoint mousePos) {
    return TuiControl::DoMouseWheelUp(shift, mousePos) || ScrollByWheel(mousePos, false);
}

// Over the tab line of a single-line control, within the first displayed tab's extent across the line.
bool TuiCustomTabControl::ScrollByWheel(vcl::TPoint mousePos, bool towardEnd) {
    if (FMultiLine || FFirstDisplayedIndex < 0 || FHideTabs) {
        return false;
    }
    const vcl::TPoint point = ScreenToClient(mousePos);
    const vcl::TRect tab = FVisibleTabs->Tab(FFirstDisplayedIndex).GetNormalRect();
    const bool acrossLine =
        IsHorizontalLine() ? point.Y >= tab.Top && point.Y < tab.Bottom : point.X >= tab.Left && point.X < tab.Right;
    if (!acrossLine) {
        return false;
    }
    const TuiPCNavigatorButton towardEndButton = ButtonTowardEnd();
    ScrollTabs(towardEnd ? towardEndButton : (towardEndButton == nbTopLeft ? nbBottomRight : nbTopLeft));
    return true;
}

// Keyboard.

void TuiCustomTabControl::KeyDown(uint16_t& key, vcl::TShiftState shift) {
    TuiControl::KeyDown(key, shift);
    if (key != 0 && HandleKeyNavigation(key, shift)) {
        key = 0;
    }
}

int32_t TuiCustomTabControl::FindSelectableTab(int32_t start, int32_t step, bool wrap) const {
    const int32_t count = FVisibleTabs->Count();
    int32_t index = start;
    for (int32_t round = 0; round < count; ++round) {
        index += step;
        if (wrap) {
            index = (index + count) % count;
        } else if (index < 0 || index >= count) {
            return -1;
        }
        if (CanSelectTab(FVisibleTabs->TabIndex(index))) {
            return index;
        }
    }
    return -1;
}

bool TuiCustomTabControl::HandleKeyNavigation(uint16_t key, vcl::TShiftState shift) {
    const int32_t count = FVisibleTabs->Count();
    if (FHideTabs || count == 0 || shift.Contains(vcl::ssAlt)) {
        return false;
    }
    const int32_t current = FFocusedVisibleIndex != -1 ? FFocusedVisibleIndex : FSelectedVisibleIndex;
    const int32_t arrowStep = IsLineFilledBackward() ? -1 : 1;
    int32_t target = -1;
    switch (key) {
    case VK_TAB: {
        if (!shift.Contains(vcl::ssCtrl)) {
            return false;
        }
        const int32_t step = shift.Contains(vcl::ssShift) ? -1 : 1;
        target = FindSelectableTab(current != -1 ? current : (step > 0 ? -1 : count), step, true);
        if (target != -1) {
            SelectVisibleTab(target, false, false);
        }
        return true;
    }
    case VK_RETURN:
    case VK_SPACE:
        if (FFocusedVisibleIndex == -1) {
            return false;
        }
        SelectVisibleTab(FFocusedVisibleIndex, false, false);
        return true;
    case VK_HOME:
        target = FindSelectableTab(-1, 1, false);
        break;
    case VK_END:
        target = FindSelectableTab(count, -1, false);
        break;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        const int32_t step = key == VK_LEFT || key == VK_UP ? -arrowStep : arrowStep;
        target = FindSelectableTab(current != -1 ? current : (step > 0 ? -1 : count), step, false);
        break;
    }
    default:
        return false;
    }
    if (target == -1) {
        return true;
    }
    if (IsButtonLikePainter()) {
        ChangeFocusedTab(target);
    } else {
        SelectVisibleTab(target, false, false);
    }
    return true;
}

bool TuiCustomTabControl::HandleAccelerator(char16_t key) {
    if (!CanTakeAccelerators()) {
        return false;
    }
    for (int32_t i = 0; i < FTabs->Count(); ++i) {
        if (vcl::IsAccel(key, FTabs->Tab(i).Caption()) && CanSelectTab(i)) {
            SetTabIndex(i);
            return true;
        }
    }
    return false;
}

} // namespace ui
