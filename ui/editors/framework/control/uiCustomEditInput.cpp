// The input side of the editor control: in-place activation, keys, the mouse and its edit buttons, auto size with
// anchors, painting through the view info, and the messages the editor answers itself.

#include "rtl/WindowsApi.h"
#include "ui/core/controls/services/uiTimers.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "ui/editors/framework/control/uiCustomEdit.h"
#include "ui/editors/framework/control/uiEditControlRoutines.h"
#include "ui/editors/framework/view/uiEditViewData.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Form.h"
#include "vcl/hints/HintWindow.h"
#include "vcl/menus/Menus.h"
#include "vcl/services/Beeper.h"
#include "vcl/stdctrls/Mnemonics.h"
#include "vcl/system/Messages.h"

#include <algorithm>

namespace ui {

namespace {

// The distance from an anchor to the near edge of an extent: half of it (rounded up) when centred, else all of it.
int32_t AnchorOffset(int32_t extent, bool centred) {
    return centred ? (extent + 1) / 2 : extent;
}

bool IsNavigationKey(uint16_t key) {
    return key >= VK_PRIOR && key <= VK_DOWN;
}

} // namespace

// In-place activation.

void TuiCustomEdit::Activate(TuiCustomEditData*& data) {
    if (data == nullptr && GetEditDataClass() != nullptr) {
        data = static_cast<TuiCustomEditData*>(GetEditDataClass()->CreateInstance(this));
    }
    FActiveEditData = data;
    if (data != nullptr && data->Cleared()) {
        SaveEditData(*data);
        data->SetCleared(false);
    }
    SetVisible(true);
    if (HandleAllocated() && CanFocus()) {
        SetFocus();
        if (GetEffectiveProperties().AutoSelect()) {
            SelectAll();
        }
    }
    UpdateDisplay();
    SetChangedSinceEnter(false);
    Activated();
}

void TuiCustomEdit::ActivateByKey(char16_t key, TuiCustomEditData*& data) {
    Activate(data);
    if (ForwardsActivationKey(key) && HandleAllocated()) {
        SendChar(*this, key);
    }
}

void TuiCustomEdit::ActivateByMouse(vcl::TShiftState shift, int32_t x, int32_t y, TuiCustomEditData*& data) {
    Activate(data);
    if (!HandleAllocated()) {
        return;
    }
    const vcl::TPoint point =
        Parent() != nullptr ? ScreenToClient(Parent()->ClientToScreen({x, y})) : vcl::TPoint{x, y};
    if (shift.Contains(vcl::ssLeft)) {
        SendMouseMessage(*this, WM_MOUSEMOVE, {}, point);
        SendMouseMessage(*this, WM_LBUTTONDOWN, shift * vcl::TShiftState{vcl::ssLeft, vcl::ssShift, vcl::ssCtrl},
                         point);
        // The button may be up again before the editor showed (a host that opens its editor on the release): the
        // editor holding the capture of that press gets the release too, which ends the capture and completes the
        // click for an editor that acts on it (a check box toggles).
        const auto capturesReleasedPress = [this] {
            return HandleAllocated() && GetCapture() == WindowHandle() && (GetKeyState(VK_LBUTTON) & 0x8000) == 0;
        };
        if (capturesReleasedPress()) {
            SendMouseMessage(*this, WM_LBUTTONUP, {}, point);
            if (capturesReleasedPress()) {
                ReleaseCapture();
            }
        }
    } else {
        SendMouseMessage(*this, WM_LBUTTONUP, {}, point);
    }
    FDblClickTimer->SetEnabled(true);
}

bool TuiCustomEdit::Deactivate() {
    FDblClickTimer->SetEnabled(false);
    FUserEditInProgress = false;
    const bool valid = ValidateEnteredText(true);
    if (valid) {
        UpdateDisplay();
        FValueValidated = true;
    }
    return valid;
}

void TuiCustomEdit::ReleaseEditData(TuiCustomEditData& data) {
    if (&data == FActiveEditData) {
        SaveEditData(data);
    }
}

// Keys.

void TuiCustomEdit::KeyDown(uint16_t& key, vcl::TShiftState shift) {
    FEscapeHandled = false;
    const TuiCustomEditProperties& properties = GetEffectiveProperties();
    const bool isClickKey = properties.Buttons().Count() > 0 && vcl::ShortCut(key, shift) == properties.ClickKey();
    if (!isClickKey) {
        TuiContainer::KeyDown(key, shift);
    }
    if (key == 0) {
        return;
    }
    DoEditKeyDown(key, shift);
    if (key != 0 && WantsAfterKeyEvent(key, shift)) {
        DoAfterKeyDown(key, shift);
    }
}

void TuiCustomEdit::DoEditKeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (key == 0 || HandleClearKey(key, shift)) {
        return;
    }
    TuiCustomEditProperties& properties = GetEffectiveProperties();
    if (properties.Buttons().Count() > 0 && vcl::ShortCut(key, shift) == properties.ClickKey()) {
        MSG pending;
        while (HandleAllocated() && PeekMessageW(&pending, WindowHandle(), WM_CHAR, WM_CHAR, PM_REMOVE)) {
        }
        ClickDefaultButton();
        key = 0;
        return;
    }
    if (!CanProcessKey(key, shift)) {
        DoAfterKeyDown(key, shift);
        key = 0;
        return;
    }
    switch (key) {
    case VK_TAB:
        if (HandleTabKey(key, shift)) {
            return;
        }
        break;
    case VK_RETURN:
        HandleEnterKey(key);
        return;
    case VK_ESCAPE:
        if (HandleEscapeKey(key)) {
            return;
        }
        break;
    default:
        break;
    }
    if (HasInnerEditExtras() || !IsNavigationKey(key)) {
        return;
    }
    DoAfterKeyDown(key, shift);
    key = 0;
}

bool TuiCustomEdit::HandleClearKey(uint16_t& key, vcl::TShiftState shift) {
    const uint16_t clearKey = GetEffectiveProperties().ClearKey();
    if (clearKey == 0 || vcl::ShortCut(key, shift) != clearKey) {
        return false;
    }
    LockChangeEvents(true);
    const bool wasInProgress = std::exchange(FUserEditInProgress, true);
    try {
        AssignEditValue(GetClearValue());
        PostWithImmediatePost();
        FValueValidated = true;
    } catch (...) {
        FUserEditInProgress = wasInProgress;
        LockChangeEvents(false);
        throw;
    }
    FUserEditInProgress = wasInProgress;
    LockChangeEvents(false);
    key = 0;
    return true;
}

bool TuiCustomEdit::HandleTabKey(uint16_t& key, vcl::TShiftState shift) {
    if (!(HandleAllocated() && Focused()) || shift.Contains(vcl::ssCtrl) || shift.Contains(vcl::ssAlt) ||
        GetEffectiveProperties().WantsTabKey()) {
        return false;
    }
    BeforeTabFocusMove(shift);
    DoAfterKeyDown(key, shift);
    if (key == 0) {
        return true;
    }
    key = 0;
    if (vcl::TCustomForm* form = vcl::GetParentForm(this)) {
        form->SelectNext(form->ActiveControl() != nullptr ? form->ActiveControl() : this, !shift.Contains(vcl::ssShift),
                         true);
    }
    if (HandleAllocated() && Focused()) {
        FocusInner();
    }
    return true;
}

void TuiCustomEdit::HandleEnterKey(uint16_t& key) {
    if (!GetEffectiveProperties().ValidateOnEnter()) {
        return;
    }
    key = 0;
    LockChangeEvents(true);
    try {
        if (ValidateEnteredText(true) && IsPostPending()) {
            CommitValue(false);
        }
    } catch (...) {
        LockChangeEvents(false);
        throw;
    }
    LockChangeEvents(false);
}

bool TuiCustomEdit::HandleEscapeKey(uint16_t& key) {
    if (!FChangedByUser || !(IsDataBound() || GetEffectiveProperties().CanResetValue())) {
        return false;
    }
    LockChangeEvents(true);
    try {
        FDataBinding->Reset();
        SetChangedSinceEnter(true);
    } catch (...) {
        LockChangeEvents(false);
        throw;
    }
    LockChangeEvents(false);
    FEscapeHandled = true;
    key = 0;
    return true;
}

void TuiCustomEdit::DoAfterKeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (FAfterKeyHandler) {
        FAfterKeyHandler(this, key, shift);
    }
}

bool TuiCustomEdit::CanProcessKey(uint16_t key, vcl::TShiftState shift) {
    return FDataBinding->GetModified() || !IsEditingKey(key, shift) || TryBeginEdit();
}

void TuiCustomEdit::KeyPress(char16_t& key) {
    if (key == u'\x1b' && FEscapeHandled) {
        FEscapeHandled = false;
        key = 0;
        return;
    }
    TuiContainer::KeyPress(key);
    if (key != 0) {
        DoEditKeyPress(key);
    }
}

bool TuiCustomEdit::HandleKeyPress(char16_t& key) {
    if (key >= u' ' && !IsValidChar(key)) {
        key = 0;
        vcl::Beep();
    } else if (!FDataBinding->GetModified() && IsEditingChar(key) && !TryBeginEdit()) {
        key = 0;
    }
    return key != 0;
}

// Mouse and buttons.

int32_t TuiCustomEdit::GetButtonIndexAt(vcl::TPoint point) {
    if (!HandleAllocated()) {
        return -1;
    }
    const std::unique_ptr<TuiCustomEditViewInfo> viewInfo = CalculateViewInfoAt(UICanvas(), point);
    const int32_t slot = viewInfo->GetButtonAt(point);
    return slot >= 0 ? viewInfo->Buttons(slot).ButtonIndex : -1;
}

void TuiCustomEdit::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    const int32_t buttonIndex = button == vcl::mbLeft ? GetButtonIndexAt({x, y}) : -1;
    if (button == vcl::mbLeft && FDblClickTimer->Enabled()) {
        FDblClickTimer->SetEnabled(false);
        if (buttonIndex < 0) {
            DblClick();
        }
    }
    const vcl::TControlLink link(this);
    TuiContainer::MouseDown(button, shift, x, y);
    if (link.Alive()) {
        FPressedButtonIndex = buttonIndex;
    }
}

void TuiCustomEdit::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    const int32_t pressed = std::exchange(FPressedButtonIndex, -1);
    const vcl::TControlLink link(this);
    TuiContainer::MouseUp(button, shift, x, y);
    if (link.Alive() && button == vcl::mbLeft && pressed >= 0 && GetButtonIndexAt({x, y}) == pressed) {
        DoButtonClick(pressed);
    }
}

// A double click on an edit button is its second press (the press itself follows as a mouse-down).
void TuiCustomEdit::DblClick() {
    if (GetButtonIndexAt(ScreenToClient(vcl::Mouse().CursorPos())) < 0) {
        TuiContainer::DblClick();
    }
}

void TuiCustomEdit::DoButtonClick(int32_t index) {
    if (FProperties->OnButtonClick()) {
        FProperties->OnButtonClick()(this, index);
    }
    if (FRepositoryItem != nullptr && FRepositoryItem->Properties().OnButtonClick()) {
        FRepositoryItem->Properties().OnButtonClick()(this, index);
    }
}

void TuiCustomEdit::ClickDefaultButton() {
    TuiEditButtons& buttons = GetEffectiveProperties().Buttons();
    for (int32_t i = 0; i < buttons.Count(); ++i) {
        if (buttons.Items(i).Default()) {
            DoButtonClick(i);
            return;
        }
    }
}

void TuiCustomEdit::GetTabOrderList(std::vector<vcl::TWinControl*>& list) const {
    TuiContainer::GetTabOrderList(list);
    if (FIsInplace && Visible() && Parent() != nullptr) {
        std::erase(list, Parent());
    }
}

bool TuiCustomEdit::ClickButtonByAccelerator(char16_t key) {
    TuiEditButtons& buttons = GetEffectiveProperties().Buttons();
    for (int32_t i = 0; i < buttons.Count(); ++i) {
        const TuiEditButton& button = buttons.Items(i);
        if (button.Visible() && button.Enabled() && vcl::IsAccel(key, button.Caption())) {
            DoButtonClick(i);
            return true;
        }
    }
    return false;
}

// Auto size and anchors.

bool TuiCustomEdit::AreButtonsAutoWidth() const {
    const TuiCustomEditProperties& properties =
        FRepositoryItem != nullptr ? FRepositoryItem->Properties() : *FProperties;
    return properties.ButtonsOnlyMode() == 2;
}

void TuiCustomEdit::SetAutoSize(bool value) {
    if (value == FAutoSize || FIsInplace) {
        return;
    }
    FAutoSize = value;
    if (value) {
        AdjustSize();
    }
}

vcl::TSize TuiCustomEdit::AutoSizedExtent(int32_t width, int32_t height) {
    if (!CanAutoSizeEditor()) {
        return {width, height};
    }
    const bool changesWidth = AreButtonsAutoWidth() && Align() != vcl::alTop && Align() != vcl::alBottom &&
                              Align() != vcl::alClient && Align() != vcl::alCustom;
    const bool freeWidth = changesWidth && !KeepsWidthWhenAutoSizing();
    TuiEditSizeRequest request;
    request.Height = -1;
    request.MaxLineCount = 1;
    request.Width = freeWidth ? INT32_MAX : width;
    std::unique_ptr<TuiCustomEditViewData> viewData = CreateViewData();
    const vcl::TSize measured = viewData->GetEditSize(*GetSharedScreenCanvas(), GetEditValue(), request);
    const bool keepsHeight =
        Align() == vcl::alLeft || Align() == vcl::alRight || Align() == vcl::alClient || Align() == vcl::alCustom;
    return {changesWidth ? measured.cx : width, keepsHeight ? height : measured.cy};
}

bool TuiCustomEdit::CanResize(int32_t& newWidth, int32_t& newHeight) {
    if (!TuiContainer::CanResize(newWidth, newHeight)) {
        return false;
    }
    if (!ComponentState().Contains(rtl::TComponentState::csLoading)) {
        const vcl::TSize size = AutoSizedExtent(newWidth, newHeight);
        newWidth = size.cx;
        newHeight = size.cy;
    }
    return true;
}

// Anchors read with a form wait for the first auto size, which keeps them.
void TuiCustomEdit::CalculateAnchors() {
    if (FAnchorsPending || ComponentState().Contains(rtl::TComponentState::csLoading) ||
        ComponentState().Contains(rtl::TComponentState::csReading)) {
        return;
    }
    if (UsesAnchorX()) {
        FAnchorX = Left() + AnchorOffset(Width(), IsHorzAnchorCentred());
    }
    if (UsesAnchorY()) {
        FAnchorY = Top() + AnchorOffset(Height(), IsVertAnchorCentred());
    }
}

void TuiCustomEdit::SetAnchorX(int32_t value) {
    FAnchorX = value;
    AdjustSize();
}

void TuiCustomEdit::SetAnchorY(int32_t value) {
    FAnchorY = value;
    AdjustSize();
}

void TuiCustomEdit::AdjustSize() {
    if (!HandleAllocated() || IsDestroying()) {
        return;
    }
    const vcl::TSize size = AutoSizedExtent(Width(), Height());
    int32_t left = Left();
    int32_t top = Top();
    if (UsesAnchors() && AreButtonsAutoWidth() && !KeepsWidthWhenAutoSizing()) {
        if (!std::exchange(FAnchorsPending, false)) {
            CalculateAnchors();
        }
        if (UsesAnchorX() && FAnchorX != INT32_MAX) {
            left = FAnchorX - AnchorOffset(size.cx, IsHorzAnchorCentred());
        }
        if (UsesAnchorY() && FAnchorY != INT32_MAX) {
            top = FAnchorY - AnchorOffset(size.cy, IsVertAnchorCentred());
        }
    }
    SetBounds(left, top, size.cx, size.cy);
}

// View data and painting.

std::unique_ptr<TuiCustomEditViewData> TuiCustomEdit::CreateViewData() {
    std::unique_ptr<TuiCustomEditViewData> viewData =
        GetEffectiveProperties().CreateViewData(ActiveEditStyle(), FIsInplace);
    InitViewData(*viewData);
    return viewData;
}

void TuiCustomEdit::InitViewData(TuiCustomEditViewData& viewData) {
    viewData.Enabled = Enabled();
    viewData.Focused = HandleAllocated() && Focused();
    viewData.IsDesigning = ComponentState().Contains(rtl::TComponentState::csDesigning);
    viewData.HoldsMouseCapture = HandleAllocated() && MouseCapture();
}

namespace {

// The mouse buttons held now.
vcl::TShiftState HeldMouseButtons() {
    vcl::TShiftState held;
    const std::pair<int, vcl::TShiftStateFlag> buttons[] = {
        {VK_LBUTTON, vcl::ssLeft}, {VK_RBUTTON, vcl::ssRight}, {VK_MBUTTON, vcl::ssMiddle}};
    for (const auto& [key, flag] : buttons) {
        if (GetKeyState(key) < 0) {
            held.Include(flag);
        }
    }
    return held;
}

} // namespace

// The view info's place of a button: shown buttons take places in their order.
int32_t TuiCustomEdit::PressedButtonSlot() {
    if (FPressedButtonIndex < 0) {
        return -1;
    }
    TuiEditButtons& buttons = GetEffectiveProperties().Buttons();
    int32_t slot = 0;
    for (int32_t i = 0; i < FPressedButtonIndex && i < buttons.Count(); ++i) {
        slot += buttons.Items(i).Visible() ? 1 : 0;
    }
    return slot;
}

// The buttons held now decide the states: the button pressed on this editor stays pressed while the left button is
// held over it, and no button is hot while a mouse button is held.
std::unique_ptr<TuiCustomEditViewInfo> TuiCustomEdit::CalculateViewInfoAt(TuiCanvas& canvas, vcl::TPoint point,
                                                                          const rtl::Variant& value) {
    std::unique_ptr<TuiCustomEditViewData> viewData = CreateViewData();
    std::unique_ptr<TuiCustomEditViewInfo> viewInfo = GetEffectiveProperties().CreateViewInfo();
    viewInfo->Edit = this;
    viewInfo->PressedIndex = PressedButtonSlot();
    viewInfo->IsPaintCopy = ControlState().Contains(vcl::csPaintCopy);
    viewData->Calculate(canvas, {0, 0, Width(), Height()}, true, *viewInfo, HeldMouseButtons(), std::nullopt, point);
    viewData->ApplyDisplayValue(canvas, value, *viewInfo);
    return viewInfo;
}

std::unique_ptr<TuiCustomEditViewInfo> TuiCustomEdit::CalculateViewInfoAt(TuiCanvas& canvas, vcl::TPoint point) {
    return CalculateViewInfoAt(canvas, point, GetEditValue());
}

TuiCustomEditViewInfo& TuiCustomEdit::CurrentViewInfo() {
    if (!FCurrentViewInfo) {
        FCurrentViewInfo = GetEffectiveProperties().CreateViewInfo();
    }
    return *FCurrentViewInfo;
}

void TuiCustomEdit::CalculateCurrentViewInfo(TuiCanvas& canvas, vcl::TPoint point,
                                             std::optional<vcl::TMouseButton> button, vcl::TShiftState shift) {
    std::unique_ptr<TuiCustomEditViewData> viewData = CreateViewData();
    TuiCustomEditViewInfo& viewInfo = CurrentViewInfo();
    viewInfo.Edit = this;
    viewInfo.PressedIndex = PressedButtonSlot();
    viewInfo.IsPaintCopy = ControlState().Contains(vcl::csPaintCopy);
    viewData->Calculate(canvas, {0, 0, Width(), Height()}, true, viewInfo, shift, button, point);
    viewData->ApplyDisplayValue(canvas, GetEditValue(), viewInfo);
    FCurrentViewInfoValid = true;
}

void TuiCustomEdit::Invalidate() {
    FCurrentViewInfoValid = false;
    TuiContainer::Invalidate();
}

vcl::TRect TuiCustomEdit::InnerEditRect() const {
    const vcl::TWinControl* inner = InnerControl();
    return inner != nullptr && inner->Visible() ? inner->BoundsRect() : vcl::TRect{};
}

void TuiCustomEdit::InvalidateRecalculated(vcl::TPoint point, int32_t button, vcl::TShiftState shift) {
    static constexpr std::optional<vcl::TMouseButton> mouseButtons[] = {std::nullopt, vcl::mbLeft, vcl::mbRight,
                                                                        vcl::mbMiddle};
    std::unique_ptr<TuiCustomEditViewInfo> old;
    if (FCurrentViewInfo) {
        old = GetEffectiveProperties().CreateViewInfo();
        old->Assign(FCurrentViewInfo.get());
        FCurrentViewInfo->SaveButtonStates();
    }
    // Without a button event the buttons held are those a paint sees (the keyboard state of the message being
    // handled), so that the states the two calculate agree.
    if (button == 0) {
        shift = shift - vcl::TShiftState{vcl::ssLeft, vcl::ssRight, vcl::ssMiddle} + HeldMouseButtons();
    }
    CalculateCurrentViewInfo(UICanvas(), point, mouseButtons[std::clamp(button, 0, 3)], shift);
    FCurrentViewInfo->InvalidateChanges(*this, InnerEditRect(), old.get());
}

// The picture the last recalculation made, unless something changed since without one: then the view info is
// calculated again for the pointer where it is now (a button pressed on the editor keeps its state).
void TuiCustomEdit::Paint() {
    if (IsPaintCopy()) {
        PaintCopy(UICanvas());
        return;
    }
    if (!FCurrentViewInfoValid) {
        const vcl::TPoint cursor = HandleAllocated() ? ScreenToClient(vcl::Mouse().CursorPos()) : vcl::TPoint{-1, -1};
        CalculateCurrentViewInfo(UICanvas(), cursor, std::nullopt, HeldMouseButtons());
    }
    PaintViewInfo(UICanvas(), CurrentViewInfo());
}

void TuiCustomEdit::PaintCopy(TuiCanvas& canvas) {
    rtl::Variant value;
    FDataBinding->GetStoredValue(value);
    PaintViewInfo(canvas, *CalculateViewInfoAt(canvas, {-1, -1}, value));
    canvas.ExcludeClipArea({0, 0, Width(), Height()});
}

void TuiCustomEdit::PaintViewInfo(TuiCanvas& canvas, TuiCustomEditViewInfo& viewInfo) {
    // A see-through editor shows what lies under it, or its parent's themed face, before its border and buttons.
    const int32_t mode = viewInfo.GetBackgroundMode();
    if (mode == 4 || mode == 5) {
        viewInfo.PaintBackground(canvas, viewInfo.Bounds, true, {});
    }
    viewInfo.Paint(canvas);
}

bool TuiCustomEdit::IsPaintCopy() const {
    return IsDataBound() && ControlState().Contains(vcl::csPaintCopy);
}

bool TuiCustomEdit::NeedsParentBackground() const {
    return UsesParentThemedBackground() || IsTransparentStandalone();
}

bool TuiCustomEdit::IsNativeBackground() const {
    return TuiCustomEditViewData::IsNativeStyle(EditStyle(essNormal).LookAndFeel());
}

// The hint of the part under the pointer: an edit button's own hint, else the editor's; the hint goes when the
// pointer leaves that part.
bool TuiCustomEdit::PrepareHint(vcl::THintInfo& info) {
    const std::unique_ptr<TuiCustomEditViewInfo> viewInfo = CalculateViewInfoAt(UICanvas(), info.CursorPos);
    const int32_t part = viewInfo->GetPartAt(info.CursorPos);
    if (part == ephtNone) {
        return false;
    }
    rtl::UnicodeString hint = part >= 0 ? viewInfo->Buttons(part).Hint : rtl::UnicodeString();
    if (hint.empty() && ShowHint()) {
        hint = Hint();
    }
    info.HintStr = vcl::GetShortHint(hint);
    info.CursorRect = viewInfo->GetPartRect(part);
    return true;
}

// Messages.

void TuiCustomEdit::HandleClipboardMessage(uint32_t message) {
    if (message == WM_COPY) {
        CopyToClipboard();
        return;
    }
    const bool modifiable = !GetEffectiveProperties().GetReadOnly() && FDataBinding->IsDataAvailable();
    if (message == WM_PASTE && !modifiable) {
        return;
    }
    const bool wasInProgress = std::exchange(FUserEditInProgress, true);
    try {
        if (message == WM_PASTE) {
            PasteFromClipboard();
        } else if (modifiable) {
            CutToClipboard();
        } else {
            CopyToClipboard();
        }
    } catch (...) {
        FUserEditInProgress = wasInProgress;
        throw;
    }
    FUserEditInProgress = wasInProgress;
}

void TuiCustomEdit::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    case WM_COPY:
    case WM_CUT:
    case WM_PASTE:
        HandleClipboardMessage(message.Msg);
        return;
    case vcl::CM_HINTSHOW:
        message.Result = PrepareHint(*reinterpret_cast<vcl::THintInfo*>(message.LParam)) ? 0 : -1;
        return;
    case vcl::CM_MODALACCEPT:
        message.Result = ValidateOnModalClose() ? 0 : 1;
        return;
    case WM_CONTEXTMENU:
        if (FIsInplace) {
            return;
        }
        break;
    case vcl::CM_SHOWINGCHANGED:
        TuiContainer::Dispatch(message);
        AdjustSize();
        return;
    case vcl::CM_DIALOGCHAR:
        if (ClickButtonByAccelerator(static_cast<char16_t>(message.WParam))) {
            message.Result = 1;
            return;
        }
        break;
    default:
        break;
    }
    TuiContainer::Dispatch(message);
}

} // namespace ui
