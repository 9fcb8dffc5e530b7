#include "ui/editors/choice/uiButton.h"

#include "ui/core/controls/uiControlRoutines.h"
#include "ui/core/controls/uiInputRoutines.h"
#include "ui/core/controls/uiWindowRoutines.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiControlBackground.h"
#include "ui/core/graphics/uiSharedCanvases.h"
#include "ui/core/painters/looks/uiNativePainter.h"
#include "ui/core/painters/looks/uiStandardPainter.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/core/uiArithmetic.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/stdctrls/Mnemonics.h"
#include "vcl/system/Messages.h"
#include "vcl/system/Win32.h"

namespace ui {

namespace {

// The button's own requests, posted to itself: open the drop-down menu, and the menu has closed.
constexpr uint32_t buttonDropDownMessage = 0x8065;
constexpr uint32_t buttonCloseUpMessage = 0x8066;
// The arrow part of a split button; the main part ends 2 pixels inside it, so the two share an edge.
constexpr int32_t dropDownArrowWidth = 15;
constexpr int32_t dropDownContentIndent = 13;

bool IsDesigning(const rtl::TComponent& component) {
    return component.ComponentState().Contains(rtl::TComponentState::csDesigning);
}

// The face and text members of each state, in the order of TuiButtonState.
constexpr TuiButtonAssignedColor buttonFaceMembers[] = {uibcDefault, uibcNormal, uibcHot, uibcPressed, uibcDisabled};
constexpr TuiButtonAssignedColor buttonTextMembers[] = {uibcDefaultText, uibcNormalText, uibcHotText, uibcPressedText,
                                                        uibcDisabledText};

} // namespace

// TuiButtonColors

void TuiButtonColors::Assign(const rtl::TPersistent* source) {
    const auto* colors = dynamic_cast<const TuiButtonColors*>(source);
    if (colors == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    FColors = colors->FColors;
    FAssignedColors = colors->FAssignedColors;
    Changed();
}

vcl::TColor TuiButtonColors::Resolve(TuiButtonAssignedColor member, TuiButtonAssignedColor fallback) const {
    return IsAssigned(member) ? FColors[member] : FColors[fallback];
}

vcl::TColor TuiButtonColors::GetColor(TuiButtonState state) const {
    const TuiButtonAssignedColor member = buttonFaceMembers[state];
    return Resolve(member, member == uibcNormal ? uibcDefault : uibcNormal);
}

vcl::TColor TuiButtonColors::GetTextColor(TuiButtonState state) const {
    const TuiButtonAssignedColor member = buttonTextMembers[state];
    return Resolve(member, member == uibcNormalText ? uibcDefaultText : uibcNormalText);
}

void TuiButtonColors::SetColor(TuiButtonAssignedColor member, vcl::TColor value) {
    const uint16_t bit = static_cast<uint16_t>(1u << member);
    if (value == vcl::clDefault || value == vcl::clNone) {
        if (!IsAssigned(member)) {
            return;
        }
        FColors[member] = vcl::clDefault;
        FAssignedColors &= static_cast<uint16_t>(~bit);
    } else {
        if (IsAssigned(member) && FColors[member] == value) {
            return;
        }
        FColors[member] = value;
        FAssignedColors |= bit;
    }
    Changed();
}

void TuiButtonColors::Changed() {
    if (FOwner != nullptr) {
        FOwner->Invalidate();
    }
}

// TuiSpeedButtonOptions

void TuiSpeedButtonOptions::Assign(const rtl::TPersistent* source) {
    const auto* options = dynamic_cast<const TuiSpeedButtonOptions*>(source);
    if (options == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    SetGroupIndex(options->GroupIndex());
    SetAllowAllUp(options->AllowAllUp());
    SetCanBeFocused(options->CanBeFocused());
    SetDown(options->Down());
    SetFlat(options->Flat());
    SetTransparent(options->Transparent());
}

bool TuiSpeedButtonOptions::Down() const {
    return FOwner != nullptr && FOwner->DownBit();
}

void TuiSpeedButtonOptions::SetDown(bool value) {
    if (FGroupIndex == 0) {
        value = false;
    }
    const bool down = Down();
    if (value == down || (down && !FAllowAllUp && FGroupIndex != 0 && FLockCount == 0) || FOwner == nullptr) {
        return;
    }
    FOwner->SetDownBit(value);
    if (value) {
        UpdateGroup();
    }
    InvalidateOwner();
}

void TuiSpeedButtonOptions::SetGroupIndex(int32_t value) {
    if (value == FGroupIndex) {
        return;
    }
    FGroupIndex = value;
    if (value != 0) {
        UpdateGroup();
    } else {
        SetDown(false);
    }
}

void TuiSpeedButtonOptions::SetAllowAllUp(bool value) {
    if (value != FAllowAllUp) {
        FAllowAllUp = value;
        UpdateGroup();
    }
}

void TuiSpeedButtonOptions::SetCanBeFocused(bool value) {
    if (value == FCanBeFocused) {
        return;
    }
    FCanBeFocused = value;
    UpdateGroup();
    if (FOwner != nullptr) {
        FOwner->Repaint();
    }
}

void TuiSpeedButtonOptions::SetFlat(bool value) {
    if (value != FFlat) {
        FFlat = value;
        UpdateGroup();
        InvalidateOwner();
    }
}

void TuiSpeedButtonOptions::SetTransparent(bool value) {
    if (value != FTransparent) {
        FTransparent = value;
        UpdateGroup();
        InvalidateOwner();
    }
}

bool TuiSpeedButtonOptions::IsSpeedButtonMode() const {
    return FOwner != nullptr && (FGroupIndex != 0 || !FCanBeFocused);
}

void TuiSpeedButtonOptions::InvalidateOwner() {
    if (IsSpeedButtonMode()) {
        FOwner->Invalidate();
    }
}

void TuiSpeedButtonOptions::UpdateGroup() {
    if (FLockCount != 0 || !IsSpeedButtonMode() || FGroupIndex == 0 || FOwner->Parent() == nullptr) {
        return;
    }
    vcl::TMessage message{vcl::CM_BUTTONPRESSED, static_cast<uintptr_t>(FGroupIndex),
                          reinterpret_cast<intptr_t>(FOwner), 0};
    FOwner->Parent()->Broadcast(message);
}

void TuiSpeedButtonOptions::GroupButtonPressed(TuiCustomButton& sender) {
    const TuiSpeedButtonOptions& from = sender.SpeedButtonOptions();
    ++FLockCount;
    try {
        SetCanBeFocused(from.CanBeFocused());
        SetAllowAllUp(from.AllowAllUp());
        SetFlat(from.Flat());
        SetTransparent(from.Transparent());
        if (from.Down() && Down()) {
            SetDown(false);
        }
    } catch (...) {
        --FLockCount;
        throw;
    }
    --FLockCount;
    FOwner->Invalidate();
}

// TuiCustomButton

TuiCustomButton::TuiCustomButton(rtl::TComponent* owner)
    : vcl::TButton(owner), FColors(std::make_unique<TuiButtonColors>(this)),
      FLookAndFeel(std::make_unique<TuiLookAndFeel>(this)),
      FSpeedButtonOptions(std::make_unique<TuiSpeedButtonOptions>(this)), FGlyph(std::make_unique<TuiButtonGlyph>()) {
    FGlyph->SetOnChange([this](rtl::TObject*) { Invalidate(); });
    FLookAndFeel->SetOnChanged([this](TuiLookAndFeel*, TuiLookAndFeelValues) { LookAndFeelChanged(); });
    SetDoubleBuffered(true);
    vcl::TControlStyle style = ControlStyle();
    style.Include(vcl::csOpaque);
    SetControlStyle(style);
}

TuiCustomButton::~TuiCustomButton() {
    StopMouseTracking(this);
}

void TuiCustomButton::SetKind(TuiButtonKind value) {
    if (value != FKind) {
        FKind = value;
        RecreateWnd();
    }
}

// Both menus are watched, so that a menu freed elsewhere is never opened through a stale reference.
void TuiCustomButton::SetDropDownMenu(vcl::TPopupMenu* value) {
    if (value == FDropDownMenu) {
        return;
    }
    if (FDropDownMenu != nullptr && FDropDownMenu != FPopupMenu) {
        FDropDownMenu->RemoveFreeNotification(this);
    }
    FDropDownMenu = value;
    if (value != nullptr) {
        value->FreeNotification(this);
    }
}

void TuiCustomButton::SetPopupMenu(rtl::TComponent* value) {
    if (!IsPopupMenuComponent(value)) {
        value = nullptr;
    }
    if (value == FPopupMenu) {
        return;
    }
    if (FPopupMenu != nullptr && FPopupMenu != FDropDownMenu) {
        FPopupMenu->RemoveFreeNotification(this);
    }
    FPopupMenu = value;
    if (value != nullptr) {
        value->FreeNotification(this);
    }
}

void TuiCustomButton::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    vcl::TButton::Notification(component, operation);
    if (operation != rtl::TOperation::opRemove) {
        return;
    }
    if (component == FDropDownMenu) {
        FDropDownMenu = nullptr;
    }
    if (component == FPopupMenu) {
        FPopupMenu = nullptr;
    }
}

void TuiCustomButton::SetDownBit(bool value) {
    FStateFlags = value ? (FStateFlags | stateDown) : (FStateFlags & ~stateDown);
}

void TuiCustomButton::SetLayout(TButtonLayout value) {
    if (value != FLayout) {
        FLayout = value;
        Invalidate();
    }
}

void TuiCustomButton::SetMargin(int32_t value) {
    if (value != FMargin && value >= -1) {
        FMargin = value;
        Invalidate();
    }
}

void TuiCustomButton::SetSpacing(int32_t value) {
    if (value != FSpacing) {
        FSpacing = value;
        Invalidate();
    }
}

void TuiCustomButton::SetPaintStyle(TuiButtonPaintStyle value) {
    if (value != FGlyph->PaintStyle()) {
        FGlyph->SetPaintStyle(value);
        Invalidate();
    }
}

void TuiCustomButton::LookAndFeelChanged() {
    Invalidate();
}

TuiLookAndFeelPainterClass TuiCustomButton::GetPainterClass() const {
    if (TuiLookAndFeelPainterClass skin = FLookAndFeel->SkinPainter()) {
        return skin;
    }
    TuiLookAndFeelPainterClass painter = FLookAndFeel->ActivePainter();
    if (painter->StyleKind() != pskOffice11) {
        return painter;
    }
    if (IsThemedObjectTypeAvailable(totButton)) {
        return &TuiWinXPLookAndFeelPainter::Instance();
    }
    return &TuiStandardLookAndFeelPainter::Instance();
}

bool TuiCustomButton::IsSpeedButton() const {
    return !(FSpeedButtonOptions->CanBeFocused() && FSpeedButtonOptions->GroupIndex() == 0);
}

vcl::TSize TuiCustomButton::GetOptimalSize() const {
    TuiScreenCanvas* canvas = GetSharedScreenCanvas();
    if (canvas == nullptr) {
        return {Width(), Height()};
    }
    const rtl::UnicodeString caption = StripAccelCharsWide(Caption(), false);
    canvas->Font().Assign(&Font());
    const int captionWidth = canvas->GetTextWidth(caption.empty() ? rtl::UnicodeString(u" ") : caption);
    return {captionWidth + 3 * canvas->GetTextWidth(u"R"), MulDiv(canvas->GetTextHeight(u"Wg"), 14, 8)};
}

void TuiCustomButton::SetAutoSizeToCaption(bool value) {
    if (value != FAutoSizeToCaption) {
        FAutoSizeToCaption = value;
        AdjustSizeToCaption();
    }
}

bool TuiCustomButton::CanResize(int32_t& newWidth, int32_t& newHeight) {
    if (FAutoSizeToCaption) {
        const vcl::TSize optimal = GetOptimalSize();
        newWidth = optimal.cx;
        newHeight = optimal.cy;
    }
    return vcl::TButton::CanResize(newWidth, newHeight);
}

// Setting the bounds again lets CanResize apply the size the caption now asks for.
void TuiCustomButton::AdjustSizeToCaption() {
    if (FAutoSizeToCaption) {
        SetBounds(Left(), Top(), Width(), Height());
    }
}

TuiButtonState TuiCustomButton::GetButtonState() const {
    if (!Enabled()) {
        return uibsDisabled;
    }
    if (FPressedLook) {
        return uibsPressed;
    }
    if (IsHot() && GetPainterClass()->HotTracksButtons()) {
        return uibsHot;
    }
    return FDefaultLook ? uibsDefault : uibsNormal;
}

void TuiCustomButton::CreateParams(vcl::TCreateParams& params) {
    vcl::TButton::CreateParams(params);
    params.Style |= BS_OWNERDRAW;
}

void TuiCustomButton::CreateWnd() {
    vcl::TButton::CreateWnd();
    FGlyph->CreateButtonGlyph(Enabled() ? uibsNormal : uibsDisabled);
}

// The window stays owner-drawn; the default frame is the button's own to paint.
void TuiCustomButton::SetButtonStyle(bool isDefault) {
    if (isDefault != FActiveDefault) {
        FActiveDefault = isDefault;
        Invalidate();
    }
}

bool TuiCustomButton::CanFocus() const {
    return vcl::TButton::CanFocus() && (FSpeedButtonOptions->CanBeFocused() || IsDesigning(*this));
}

void TuiCustomButton::Click() {
    const bool mainPart = (FStateFlags & stateMainPressed) != 0 || (FStateFlags & stateArrowPressed) == 0;
    if (FSpeedButtonOptions->CanBeFocused() && mainPart && (FStateFlags & stateAccelerator) == 0) {
        SetDown(!Down());
    }
    if (FKind == uibkDropDown) {
        DropDown();
        return;
    }
    vcl::TButton::Click();
}

vcl::TRect TuiCustomButton::GetDropDownRect() const {
    const vcl::TRect client = ClientRect();
    switch (FKind) {
    case uibkDropDown:
        return client;
    case uibkDropDownButton:
        return {client.Right - dropDownArrowWidth, client.Top, client.Right, client.Bottom};
    default:
        return {};
    }
}

void TuiCustomButton::DropDown() {
    if (!IsMenuShowing() && !FSuppressNextDropDown && HandleAllocated()) {
        PostMessageW(WindowHandle(), buttonDropDownMessage, 0, 0);
    }
}

bool TuiCustomButton::DoDropDownMenuPopup(vcl::TPopupMenu*& menu) {
    bool handled = false;
    if (FOnDropDownMenuPopup) {
        FOnDropDownMenuPopup(this, menu, handled);
    }
    return handled;
}

bool TuiCustomButton::ShowPopupMenu(rtl::TComponent* menu, int32_t x, int32_t y) {
    return PopupMenuAt(this, menu, x, y);
}

// Below the button as PopupAlignment says; above it when the menu would pass the bottom of the work area.
vcl::TPoint TuiCustomButton::GetMenuPoint(vcl::TPopupMenu& menu) const {
    const int32_t x = FPopupAlignment == vcl::paRight ? Width() : FPopupAlignment == vcl::paCenter ? Width() / 2 : 0;
    vcl::TPoint point = ClientToScreen({x, Height()});
    const int32_t height = PopupMenuHeight(menu);
    if (DesktopWorkAreaAt(point).Bottom < point.Y + height) {
        point.Y -= height + Height() + 2;
    }
    return point;
}

vcl::TPopupAlignment TuiCustomButton::GetMenuAlignment(vcl::TPoint point) const {
    const vcl::TRect workArea = DesktopWorkAreaAt(point);
    if (point.X <= workArea.Left) {
        return vcl::paRight;
    }
    if (point.X >= workArea.Right) {
        return vcl::paLeft;
    }
    return FPopupAlignment;
}

void TuiCustomButton::CMDropDown() {
    if (FKind == uibkStandard) {
        return;
    }
    vcl::TPopupMenu* menu = FDropDownMenu;
    if (DoDropDownMenuPopup(menu) || menu == nullptr) {
        return;
    }
    FStateFlags = (FStateFlags & ~stateArrowPressed) | stateMenu;
    FSuppressNextDropDown = false;
    Repaint();
    const vcl::TPoint point = GetMenuPoint(*menu);
    const vcl::TPopupAlignment saved = menu->Alignment();
    menu->SetAlignment(GetMenuAlignment(point));
    menu->SetPopupComponent(this);
    try {
        menu->Popup(point.X, point.Y);
    } catch (...) {
        menu->SetAlignment(saved);
        throw;
    }
    menu->SetAlignment(saved);
    if (HandleAllocated()) {
        PostMessageW(WindowHandle(), buttonCloseUpMessage, 0, 0);
    }
}

// A press over the drop-down part that is waiting in the queue closed the menu; it must not open it again.
bool TuiCustomButton::ClickWaitsOnDropDownPart() const {
    MSG message{};
    if (!PeekMessageW(&message, WindowHandle(), WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_NOREMOVE) &&
        !PeekMessageW(&message, WindowHandle(), WM_LBUTTONDBLCLK, WM_LBUTTONDBLCLK, PM_NOREMOVE)) {
        return false;
    }
    return GetDropDownRect().Contains(ScreenToClient({message.pt.x, message.pt.y}));
}

void TuiCustomButton::CMCloseUp() {
    FSuppressNextDropDown = (FStateFlags & stateArrowPressed) != 0 || (HandleAllocated() && ClickWaitsOnDropDownPart());
    FStateFlags &= ~stateMenu;
    Repaint();
}

void TuiCustomButton::DestroyWindowHandle() {
    if (IsMenuShowing()) {
        Perform(buttonCloseUpMessage, 0, 0);
    }
    vcl::TButton::DestroyWindowHandle();
}

void TuiCustomButton::KeyDown(uint16_t& key, vcl::TShiftState shift) {
    vcl::TButton::KeyDown(key, shift);
    const bool arrowKey = key == VK_UP || key == VK_DOWN;
    if (FKind == uibkDropDownButton && arrowKey && (shift.Contains(vcl::ssAlt) || shift.Contains(vcl::ssShift))) {
        if (!IsMenuShowing()) {
            DropDown();
        }
        key = 0;
    }
}

void TuiCustomButton::DoContextPopup(vcl::TPoint mousePos, bool& handled) {
    vcl::TButton::DoContextPopup(mousePos, handled);
    if (handled || FPopupMenu == nullptr) {
        return;
    }
    const vcl::TPoint screen = ClientToScreen(mousePos == vcl::TPoint{-1, -1} ? vcl::TPoint{0, 0} : mousePos);
    handled = ShowPopupMenu(FPopupMenu, screen.X, screen.Y);
}

void TuiCustomButton::SetPressedPart(vcl::TPoint point) {
    if (FKind != uibkStandard && GetDropDownRect().Contains(point)) {
        FStateFlags |= stateArrowPressed;
    } else {
        FStateFlags |= stateMainPressed;
    }
}

void TuiCustomButton::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (IsSpeedButton() && !FSpeedButtonOptions->CanBeFocused() && !IsDesigning(*this)) {
            const vcl::TPoint point{static_cast<int16_t>(LOWORD(message.LParam)),
                                    static_cast<int16_t>(HIWORD(message.LParam))};
            MouseDown(vcl::mbLeft, vcl::KeysToShiftState(static_cast<uint32_t>(message.WParam)), point.X, point.Y);
            return;
        }
        if (message.Msg == WM_LBUTTONDBLCLK) {
            message.Msg = WM_LBUTTONDOWN;
        }
        return vcl::TButton::Dispatch(message);
    case WM_CAPTURECHANGED:
        vcl::TButton::Dispatch(message);
        return CaptureChanged();
    case vcl::CN_DRAWITEM:
        DrawItem(reinterpret_cast<const void*>(message.LParam));
        message.Result = 1;
        return;
    case vcl::CM_MOUSEENTER:
        vcl::TButton::Dispatch(message);
        if (!IsDesigning(*this)) {
            DoMouseEnter();
            MouseEnterHandling();
        }
        return;
    case vcl::CM_MOUSELEAVE:
        vcl::TButton::Dispatch(message);
        if (!IsDesigning(*this)) {
            DoMouseLeave();
            MouseLeaveHandling();
        }
        return;
    case vcl::CM_ENABLEDCHANGED:
        vcl::TButton::Dispatch(message);
        if (!Enabled()) {
            FStateFlags &= ~stateHot;
        }
        Invalidate();
        return;
    case vcl::CM_FONTCHANGED:
        vcl::TButton::Dispatch(message);
        AdjustSizeToCaption();
        Invalidate();
        return;
    case vcl::CM_TEXTCHANGED:
        vcl::TButton::Dispatch(message);
        AdjustSizeToCaption();
        return;
    case vcl::CM_DIALOGCHAR:
        return DialogChar(message);
    case vcl::CN_KEYDOWN:
    case vcl::CN_SYSKEYDOWN:
        // The context menu's short-cuts work while the button has the focus.
        if (FPopupMenu != nullptr && IsPopupMenuShortCut(FPopupMenu, message)) {
            message.Result = 1;
            return;
        }
        return vcl::TButton::Dispatch(message);
    case buttonDropDownMessage:
        return CMDropDown();
    case buttonCloseUpMessage:
        return CMCloseUp();
    case vcl::CN_COMMAND:
        // A press on the arrow part alone opened the menu; it is no click.
        if (vcl::HiWord(message.WParam) == BN_CLICKED && FKind == uibkDropDownButton &&
            (FStateFlags & (stateArrowPressed | stateMainPressed)) == stateArrowPressed) {
            return;
        }
        return vcl::TButton::Dispatch(message);
    case vcl::CM_BUTTONPRESSED: {
        auto* sender = dynamic_cast<TuiCustomButton*>(reinterpret_cast<rtl::TObject*>(message.LParam));
        const int32_t group = static_cast<int32_t>(message.WParam);
        if (sender != nullptr && sender != this && FSpeedButtonOptions->IsSpeedButtonMode() && group != 0 &&
            group == GroupIndex()) {
            FSpeedButtonOptions->GroupButtonPressed(*sender);
        }
        return;
    }
    default:
        return vcl::TButton::Dispatch(message);
    }
}

void TuiCustomButton::DialogChar(vcl::TMessage& message) {
    if (vcl::IsAccel(static_cast<char16_t>(message.WParam), Caption()) && CanFocus()) {
        FStateFlags |= stateAccelerator;
        Click();
        FStateFlags &= ~stateAccelerator;
        message.Result = 1;
        return;
    }
    vcl::TButton::Dispatch(message);
}

void TuiCustomButton::CaptureChanged() {
    if (IsDesigning(*this)) {
        return;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    if (!HandleAllocated() || WindowFromPoint(cursor) != WindowHandle()) {
        FStateFlags &= ~(stateHot | stateMainPressed | stateArrowPressed);
        Invalidate();
    }
}

void TuiCustomButton::DrawItem(const void* drawItem) {
    if (ComponentState().Contains(rtl::TComponentState::csDestroying)) {
        return;
    }
    const auto& item = *static_cast<const DRAWITEMSTRUCT*>(drawItem);
    const bool speed = IsSpeedButton();
    FPressedLook =
        (item.itemState & ODS_SELECTED) != 0 ||
        (speed && (Down() || (FStateFlags & (stateHot | stateMainPressed)) == (stateHot | stateMainPressed)));
    FDefaultLook = ((item.itemState & ODS_FOCUS) != 0 || (Default() && IsDesigning(*this)) || FActiveDefault) &&
                   FSpeedButtonOptions->CanBeFocused();
    vcl::TCanvas frame;
    frame.SetHandle(item.hDC);
    TuiCanvas canvas(frame);
    try {
        Paint(canvas);
    } catch (...) {
        frame.SetHandle(nullptr);
        throw;
    }
    frame.SetHandle(nullptr);
}

vcl::TColor TuiCustomButton::GetDrawParams(TuiCanvas& canvas, TuiButtonState state) {
    canvas.Font().Assign(&Font());
    vcl::TColor face = FColors->GetColor(state);
    vcl::TColor text = FColors->GetTextColor(state);
    if (text == vcl::clDefault) {
        text = GetPainterClass()->ButtonGlyphColor(state, canvas.Font().Color());
    }
    canvas.Font().SetColor(text);
    if (FOnGetDrawParams) {
        FOnGetDrawParams(this, state, face, canvas.Font());
    }
    return face;
}

vcl::TRect TuiCustomButton::GetContentRect(TuiButtonState state) const {
    const int32_t frame = GetPainterClass()->ButtonFrameWidth(state);
    const vcl::TRect client = ClientRect();
    const int32_t arrowPart = FKind == uibkDropDownButton ? dropDownContentIndent : 0;
    return {client.Left + frame, client.Top + frame, client.Right - frame - arrowPart, client.Bottom - frame};
}

void TuiCustomButton::Paint(TuiCanvas& canvas) {
    const TuiLookAndFeelPainterClass painter = GetPainterClass();
    vcl::TRect rect = ClientRect();
    // Themed and skinned faces may leave parts open; what lies under the button shows there.
    const bool skinned = painter == FLookAndFeel->SkinPainter() && painter != nullptr;
    if (skinned || painter == &TuiWinXPLookAndFeelPainter::Instance()) {
        DrawTransparentControlBackground(*this, canvas, rect, false);
    }
    const vcl::TRect arrow{rect.Right - dropDownArrowWidth, rect.Top, rect.Right, rect.Bottom};
    if (FKind == uibkDropDownButton) {
        rect.Right -= dropDownContentIndent;
    }
    const TuiButtonState state = GetButtonState();
    const vcl::TColor faceColor = GetDrawParams(canvas, state);
    DrawBackground(canvas, rect, state, faceColor);
    const int32_t shift = state == uibsPressed ? painter->PressedCaptionShift() : 0;

    TuiButtonGlyphDrawArgs args;
    args.ContentRect = GetContentRect(uibsDefault);
    args.Offset = {shift, shift};
    args.Caption = Caption();
    args.Layout = FLayout;
    args.Margin = FMargin;
    args.Spacing = FSpacing;
    args.State = state;
    args.BiDiFlags = UseRightToLeftAlignment() ? (DT_RIGHT | DT_RTLREADING) : 0;
    args.NativePainter = painter == &TuiWinXPLookAndFeelPainter::Instance();
    args.WordWrap = WordWrap();
    args.Skin = FLookAndFeel->SkinPainter() != nullptr;
    canvas.PushClipRegion();
    try {
        canvas.IntersectClipArea(GetContentRect(state));
        FGlyph->Draw(canvas, args);
    } catch (...) {
        canvas.PopClipRegion();
        throw;
    }
    canvas.PopClipRegion();
    if (FKind == uibkDropDownButton) {
        PaintArrowPart(canvas, arrow, state, faceColor);
    }
    if (CanFocus() && Focused() && !IsMenuShowing()) {
        canvas.DrawFocusRect(painter->FocusRectOfButton(canvas, rect));
    }
}

// The arrow part shows pressed while the menu is open; a press of the main part does not press it.
void TuiCustomButton::PaintArrowPart(TuiCanvas& canvas, const vcl::TRect& arrow, TuiButtonState state,
                                     vcl::TColor faceColor) {
    TuiButtonState arrowState = state;
    if (IsMenuShowing()) {
        arrowState = uibsPressed;
    } else if (state == uibsPressed) {
        arrowState = FActiveDefault ? uibsHot : uibsNormal;
    }
    DrawBackground(canvas, arrow, arrowState, faceColor);
    GetPainterClass()->PaintStateArrow(canvas, arrow, arrowState, adDown);
}

void TuiCustomButton::DrawBackground(TuiCanvas& canvas, const vcl::TRect& rect, TuiButtonState state,
                                     vcl::TColor faceColor) {
    const TuiLookAndFeelPainterClass painter = GetPainterClass();
    const TuiSpeedButtonOptions& options = *FSpeedButtonOptions;
    const vcl::TColor textColor = canvas.Font().Color();
    if (options.CanBeFocused() || !(options.Flat() || options.Transparent())) {
        painter->PaintButton(canvas, rect, u"", state, true, faceColor, textColor, WordWrap(), false);
        return;
    }
    vcl::TRect face = rect;
    const bool hot = IsHot();
    const bool framed =
        FLookAndFeel->SkinPainter() == nullptr &&
        (!options.Flat() || IsDesigning(*this) || (state != uibsDisabled && (hot || state != uibsNormal))) &&
        !FLookAndFeel->NativeStyle() && FLookAndFeel->Kind() != lfOffice11;
    if (framed) {
        painter->PaintButtonFrame(canvas, face, state);
        const int32_t width = painter->ButtonFrameWidth(state);
        face = {face.Left + width, face.Top + width, face.Right - width, face.Bottom - width};
    }
    canvas.PushClipRegion();
    try {
        canvas.IntersectClipArea(face);
        const bool paintFace = !options.Transparent() || (hot && painter->HotTracksButtons()) ||
                               (!hot && (state == uibsDefault || state == uibsPressed));
        if (paintFace) {
            painter->PaintButton(canvas, face, u"", state, false, faceColor, textColor, WordWrap(), true);
        } else {
            DrawTransparentControlBackground(*this, canvas, ClientRect(), false);
        }
    } catch (...) {
        canvas.PopClipRegion();
        throw;
    }
    canvas.PopClipRegion();
}

void TuiCustomButton::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    if (!FSpeedButtonOptions->CanBeFocused() && HandleAllocated()) {
        SetCapture(WindowHandle());
    }
    vcl::TButton::MouseDown(button, shift, x, y);
    if (button == vcl::mbLeft) {
        SetPressedPart({x, y});
        if (FKind == uibkDropDownButton && GetDropDownRect().Contains({x, y}) && !IsMenuShowing() &&
            !FSuppressNextDropDown) {
            DropDown();
        }
    }
    Invalidate();
}

void TuiCustomButton::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    vcl::TButton::MouseMove(shift, x, y);
    if (ClientRect().Contains({x, y})) {
        MouseEnterHandling();
    } else if (IsHot()) {
        MouseLeaveHandling();
    }
}

void TuiCustomButton::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    const bool toggle =
        !FSpeedButtonOptions->CanBeFocused() && button == vcl::mbLeft && IsHot() &&
        ((FStateFlags & stateMainPressed) != 0 || ((FStateFlags & stateArrowPressed) != 0 && FKind == uibkDropDown));
    if (toggle) {
        SetDown(!Down());
    }
    vcl::TButton::MouseUp(button, shift, x, y);
    FStateFlags &= ~(stateMainPressed | stateArrowPressed);
    if (!FSpeedButtonOptions->CanBeFocused() && HandleAllocated() && GetCapture() == WindowHandle()) {
        ReleaseCapture();
    }
    if (toggle) {
        Click();
    }
    Invalidate();
    if (!IsMenuShowing()) {
        FSuppressNextDropDown = false;
    }
}

void TuiCustomButton::DoMouseEnter() {
    if (FOnMouseEnter) {
        FOnMouseEnter(this);
    }
}

void TuiCustomButton::DoMouseLeave() {
    if (FOnMouseLeave) {
        FOnMouseLeave(this);
    }
}

void TuiCustomButton::MouseEnterHandling() {
    StartMouseTracking(this, {0, 0, Width(), Height()}, this);
    FStateFlags |= stateHot;
    if (Enabled()) {
        Repaint();
    }
}

void TuiCustomButton::MouseLeaveHandling() {
    StopMouseTracking(this);
    FStateFlags &= ~stateHot;
    if (Enabled()) {
        Invalidate();
    }
}

} // namespace ui
