#include "vcl/controls/Control.h"

#include "rtl/core/Exceptions.h"
#include "vcl/controls/SizeConstraints.h"
#include "vcl/controls/WinControl.h"
#include "vcl/controls/drag/DragSession.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/system/Win32.h"

namespace vcl {

namespace VclMessages {
inline constexpr char16_t ControlParentSelf[] = u"A control cannot have itself as its parent";
} // namespace VclMessages

TControl::TControl(rtl::TComponent* owner)
    : TComponent(owner), FConstraints(std::make_unique<TSizeConstraints>(this)), FFont(std::make_unique<TFont>()) {
    FFont->SetOnChange([this](rtl::TObject*) { FontChanged(); });
    FConstraints->SetOnChange([this](rtl::TObject*) { DoConstraintsChange(); });
}

TControl::~TControl() {
    *FAlive = false;
    ControlDestroyed(this);
    DragControlDestroyed(this);
    if (FParent) {
        FParent->RemoveControl(this);
    }
}

void TControl::BeforeDestruction() {
    TComponent::BeforeDestruction();
    DragControlDestroying(this);
}

void TControl::Loaded() {
    TComponent::Loaded();
    UpdateAnchorRules();
}

intptr_t TControl::Perform(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    TMessage message{msg, wParam, lParam, 0};
    WndProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& message) {
    if (message.Msg >= WM_MOUSEFIRST && message.Msg <= WM_MOUSELAST) {
        TranslateDoubleClick(message);
        if (BeginsAutoDrag(message)) {
            return BeginAutoDrag();
        }
        switch (message.Msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            FControlState.Include(csLButtonDown);
            break;
        case WM_LBUTTONUP:
            FControlState.Exclude(csLButtonDown);
            break;
        case WM_MOUSEMOVE: {
            const TControlLink link(this);
            SetMouseControl(this);
            if (!link.Alive()) {
                return;
            }
            break;
        }
        default:
            break;
        }
    }
    Dispatch(message);
}

bool TControl::BeginsAutoDrag(const TMessage& message) const {
    return (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) && FDragMode == dmAutomatic &&
           !ComponentState().Contains(rtl::TComponentState::csDesigning);
}

void TControl::TranslateDoubleClick(TMessage& message) const {
    if (FControlStyle.Contains(csDoubleClicks)) {
        return;
    }
    switch (message.Msg) {
    case WM_LBUTTONDBLCLK:
        message.Msg = WM_LBUTTONDOWN;
        break;
    case WM_RBUTTONDBLCLK:
        message.Msg = WM_RBUTTONDOWN;
        break;
    case WM_MBUTTONDBLCLK:
        message.Msg = WM_MBUTTONDOWN;
        break;
    default:
        break;
    }
}

void TControl::Dispatch(TMessage& message) {
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
        return WMMouseButtonDown(message, mbLeft, false);
    case WM_RBUTTONDOWN:
        return WMMouseButtonDown(message, mbRight, false);
    case WM_MBUTTONDOWN:
        return WMMouseButtonDown(message, mbMiddle, false);
    case WM_LBUTTONDBLCLK:
        return WMMouseButtonDown(message, mbLeft, true);
    case WM_RBUTTONDBLCLK:
        return WMMouseButtonDown(message, mbRight, true);
    case WM_MBUTTONDBLCLK:
        return WMMouseButtonDown(message, mbMiddle, true);
    case WM_LBUTTONUP:
        return WMMouseButtonUp(message, mbLeft);
    case WM_RBUTTONUP:
        return WMMouseButtonUp(message, mbRight);
    case WM_MBUTTONUP:
        return WMMouseButtonUp(message, mbMiddle);
    case WM_MOUSEMOVE:
        return WMMouseMove(message);
    case WM_MOUSEWHEEL:
        return MouseWheelHandler(message);
    case WM_CONTEXTMENU:
        return WMContextMenu(message);
    case WM_CANCELMODE:
        SetMouseCapture(false);
        return DefaultHandler(message);
    case CM_MOUSEWHEEL:
        return CMMouseWheel(message);
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        return CMMouseEnterLeave(message);
    case CM_DRAG:
        return CMDrag(message);
    case CM_PARENTCOLORCHANGED:
        return CMParentColorChanged(message);
    case CM_PARENTFONTCHANGED:
        return CMParentFontChanged(message);
    case CM_PARENTSHOWHINTCHANGED:
        return CMParentShowHintChanged();
    case CM_PARENTBIDIMODECHANGED:
        return CMParentBiDiModeChanged();
    case CM_VISIBLECHANGED:
        return InvalidateControl(true, FVisible && FControlStyle.Contains(csOpaque));
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_BIDIMODECHANGED:
        return Invalidate();
    default:
        return DefaultHandler(message);
    }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::SetParent(TWinControl* parent) {
    if (parent == FParent) {
        return;
    }
    if (parent == this) {
        throw rtl::EInvalidOperation(VclMessages::ControlParentSelf);
    }
    if (FParent) {
        FParent->RemoveControl(this);
    }
    if (parent) {
        parent->InsertControl(this);
    }
}

// The properties a control takes from its parent are applied once its own ones are read, so that a stored
// ParentFont or ParentColor decides.
void TControl::ReadState(TWinControl* parent, const std::function<void()>& readProperties) {
    FControlState.Include(csReadingState);
    SetParent(parent);
    readProperties();
    FControlState.Exclude(csReadingState);
    if (FParent) {
        Perform(CM_PARENTCOLORCHANGED);
        Perform(CM_PARENTFONTCHANGED);
        Perform(CM_PARENTSHOWHINTCHANGED);
        Perform(CM_PARENTBIDIMODECHANGED);
    }
}

void TControl::SetVisible(bool value) {
    if (value == FVisible) {
        return;
    }
    FVisible = value;
    const TControlLink link(this);
    Perform(CM_VISIBLECHANGED, value);
    if (link.Alive()) {
        RequestAlign();
    }
}

void TControl::SetEnabled(bool value) {
    if (value != FEnabled) {
        FEnabled = value;
        Perform(CM_ENABLEDCHANGED);
    }
}

void TControl::SetInheritance(bool& parentFlag, bool value, uint32_t parentChangedMessage) {
    if (value == parentFlag) {
        return;
    }
    parentFlag = value;
    if (FParent && !ComponentState().Contains(rtl::TComponentState::csReading)) {
        Perform(parentChangedMessage);
    }
}

void TControl::TakeParentValue(bool& parentFlag, const std::function<void()>& apply) {
    if (parentFlag && FParent) {
        apply();
        parentFlag = true;
    }
}

void TControl::SetColor(TColor value) {
    SetOwnValue(FColor, value, FParentColor, CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
    SetInheritance(FParentColor, value, CM_PARENTCOLORCHANGED);
}

void TControl::SetFont(const TFont& value) {
    FFont->Assign(&value);
}

void TControl::SetParentFont(bool value) {
    SetInheritance(FParentFont, value, CM_PARENTFONTCHANGED);
}

void TControl::FontChanged() {
    FParentFont = false;
    Perform(CM_FONTCHANGED);
}

rtl::UnicodeString TControl::GetText() const {
    return FText;
}

void TControl::SetText(rtl::UnicodeStringView value) {
    if (value == GetText()) {
        return;
    }
    FText = value;
    Perform(WM_SETTEXT, 0, reinterpret_cast<intptr_t>(FText.c_str()));
    Perform(CM_TEXTCHANGED);
}

void TControl::SetCursor(TCursor value) {
    if (value != FCursor) {
        FCursor = value;
        Perform(CM_CURSORCHANGED);
    }
}

void TControl::SetShowHint(bool value) {
    SetOwnValue(FShowHint, value, FParentShowHint, CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value) {
    SetInheritance(FParentShowHint, value, CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode value) {
    SetOwnValue(FBiDiMode, value, FParentBiDiMode, CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool value) {
    SetInheritance(FParentBiDiMode, value, CM_PARENTBIDIMODECHANGED);
}

// WParam non-zero: the colour comes in LParam instead of from the parent.
void TControl::CMParentColorChanged(TMessage& message) {
    TakeParentValue(FParentColor,
                    [&] { SetColor(message.WParam ? static_cast<TColor>(message.LParam) : FParent->Color()); });
}

// WParam non-zero: the font comes in LParam (a TFont) instead of from the parent.
void TControl::CMParentFontChanged(TMessage& message) {
    TakeParentValue(FParentFont, [&] {
        SetFont(message.WParam ? *reinterpret_cast<const TFont*>(message.LParam) : FParent->Font());
    });
}

void TControl::CMParentShowHintChanged() {
    TakeParentValue(FParentShowHint, [this] { SetShowHint(FParent->ShowHint()); });
}

void TControl::CMParentBiDiModeChanged() {
    TakeParentValue(FParentBiDiMode, [this] { SetBiDiMode(FParent->BiDiMode()); });
}

void TControl::InvalidateControl(bool isVisible, bool isOpaque) {
    if (!isVisible || !FParent || !FParent->HandleAllocated()) {
        return;
    }
    const TRect area = BoundsRect();
    const bool parentOpaque = FParent->ControlStyle().Contains(csOpaque);
    InvalidateRect(FParent->WindowHandle(), AsRECT(&area), !(isOpaque || parentOpaque));
}

void TControl::Invalidate() {
    InvalidateControl(FVisible, FControlStyle.Contains(csOpaque));
}

void TControl::Update() {
    if (FParent) {
        FParent->Update();
    }
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

void TControl::SetZOrder(bool topMost) {
    if (!FParent) {
        return;
    }
    auto& siblings = FParent->FControls;
    std::erase(siblings, this);
    siblings.insert(topMost ? siblings.end() : siblings.begin(), this);
    Invalidate();
}

} // namespace vcl
