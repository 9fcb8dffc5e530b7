#include "vcl/controls/WinControl.h"

#include "rtl/core/Exceptions.h"
#include "vcl/controls/FormRoot.h"
#include "vcl/controls/WindowProcedure.h"
#include "vcl/controls/pointer/Cursors.h"
#include "vcl/controls/pointer/Mouse.h"
#include "vcl/system/Win32.h"

#include <algorithm>

namespace vcl {

TWinControl::TWinControl(rtl::TComponent* owner) : TControl(owner) {
    FBrush.SetColor(Color());
}

// Children are freed with their parent (a child owned by another component leaves that owner as it goes).
TWinControl::~TWinControl() {
    Destroying();
    if (Parent()) {
        RemoveFocus(true);
    }
    DestroyHandle();
    while (!FControls.empty()) {
        TControl* child = FControls.back();
        FControls.pop_back();
        std::erase_if(FTabList, [child](TWinControl* control) { return static_cast<TControl*>(control) == child; });
        child->FParent = nullptr;
        TComponent::Free(child);
    }
}

// The window goes while the whole object still stands, so descendants see the messages of its destruction.
void TWinControl::BeforeDestruction() {
    TControl::BeforeDestruction();
    if (Parent()) {
        RemoveFocus(true);
    }
    DestroyHandle();
}

void TWinControl::Loaded() {
    TControl::Loaded();
    Realign();
}

TControl* TWinControl::Controls(int32_t index) const {
    if (index < 0 || index >= ControlCount()) {
        throw rtl::EListError(u"Control index out of bounds");
    }
    return FControls[static_cast<size_t>(index)];
}

void TWinControl::InsertControl(TControl* control) {
    FControls.push_back(control);
    control->FParent = this;
    auto* windowed = dynamic_cast<TWinControl*>(control);
    if (windowed) {
        FTabList.push_back(windowed);
    }
    if (control->ComponentState().Contains(rtl::TComponentState::csReading)) {
        return;
    }
    control->Perform(CM_PARENTCOLORCHANGED);
    control->Perform(CM_PARENTFONTCHANGED);
    control->Perform(CM_PARENTSHOWHINTCHANGED);
    control->Perform(CM_PARENTBIDIMODECHANGED);
    if (windowed) {
        windowed->Perform(CM_PARENTCTL3DCHANGED);
        windowed->UpdateControlState();
    } else if (HandleAllocated()) {
        control->Invalidate();
    }
    AlignControl(control);
    control->UpdateAnchorRules();
}

void TWinControl::RemoveControl(TControl* control) {
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
        windowed->RemoveFocus(true);
        windowed->DestroyHandle();
    } else if (HandleAllocated()) {
        control->InvalidateControl(control->Visible(), false);
    }
    std::erase(FControls, control);
    std::erase_if(FTabList, [control](TWinControl* windowed) { return static_cast<TControl*>(windowed) == control; });
    control->FParent = nullptr;
    Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
    for (; control; control = control->Parent()) {
        if (control == this) {
            return true;
        }
    }
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint point, bool allowDisabled, bool allowWinControls) const {
    const auto takes = [&](const TControl* control, bool windowed) {
        return windowed == (dynamic_cast<const TWinControl*>(control) != nullptr) && control->Visible() &&
               (control->Enabled() || allowDisabled) && control->BoundsRect().Contains(point);
    };
    // Windows of windowed children always lie above the graphic children.
    for (bool windowed : {true, false}) {
        if (windowed && !allowWinControls) {
            continue;
        }
        for (auto child = FControls.rbegin(); child != FControls.rend(); ++child) {
            if (takes(*child, windowed)) {
                return *child;
            }
        }
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
    for (size_t i = 0; i < FControls.size(); ++i) {
        FControls[i]->WndProc(message);
        if (message.Result != 0) {
            return;
        }
    }
}

void TWinControl::NotifyControls(uint32_t msg, uintptr_t wParam, intptr_t lParam) {
    const std::vector<TControl*> children = FControls;
    for (TControl* child : children) {
        child->Perform(msg, wParam, lParam);
    }
}

void TWinControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_SETFOCUS: {
        const TControlLink link(this);
        TFormRoot* form = ParentFormRoot(this);
        if (form && !form->SetFocusedControl(this)) {
            return;
        }
        if (!link.Alive()) {
            return;
        }
        break;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        if (IsControlMouseMessage(message)) {
            return;
        }
        break;
    default:
        break;
    }
    TControl::WndProc(message);
}

// A mouse message over a graphic child (or for the graphic child holding the capture) goes to that child, in its
// own coordinates.
bool TWinControl::IsControlMouseMessage(TMessage& message) {
    TControl* target = nullptr;
    const TPoint point = MessagePoint(message.LParam);
    if (FHandle && GetCapture() == FHandle) {
        TControl* capture = CaptureControl();
        target = capture != this && capture && capture->Parent() == this ? capture : nullptr;
    } else {
        target = ControlAtPos(point, false);
    }
    if (!target) {
        return false;
    }
    const TPoint local{point.X - target->Left(), point.Y - target->Top()};
    message.Result = target->Perform(message.Msg, message.WParam, PointToLParam(local));
    return true;
}

void TWinControl::Dispatch(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT:
        return WMPaint(message);
    case WM_ERASEBKGND:
        return WMEraseBackground(message);
    case WM_PRINTCLIENT:
        if ((message.LParam & PRF_CHECKVISIBLE) == 0 || Visible()) {
            return PaintHandler(message);
        }
        return DefaultHandler(message);
    case WM_WINDOWPOSCHANGED:
        return WMWindowPosChanged(message);
    case WM_SETCURSOR:
        return WMSetCursor(message);
    case WM_CONTEXTMENU:
        return WMContextMenu(message);
    case WM_NCDESTROY:
        return WMNcDestroy(message);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (!DoKeyDown(message)) {
            DefaultHandler(message);
        }
        return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (!DoKeyUp(message)) {
            DefaultHandler(message);
        }
        return;
    case WM_CHAR:
        if (!DoKeyPress(message)) {
            DefaultHandler(message);
        }
        return;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        if (!ReflectToChild(message)) {
            TControl::Dispatch(message);
        }
        return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        return CNKeyDown(message);
    case CN_CHAR:
        return CNChar(message);
    case CN_SYSCHAR:
        return CNSysChar(message);
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC:
        return CNControlColor(message);
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
        return Broadcast(message);
    case CM_ENTER:
        return DoEnter();
    case CM_EXIT:
        return DoExit();
    case CM_SHOWINGCHANGED:
        return ShowingChanged();
    case CM_VISIBLECHANGED:
        if (!Visible() && Parent()) {
            RemoveFocus(false);
        }
        return UpdateControlState();
    case CM_ENABLEDCHANGED:
        return CMEnabledChanged();
    case CM_FONTCHANGED:
        return CMFontChanged();
    case CM_COLORCHANGED:
        return CMColorChanged();
    case CM_CTL3DCHANGED:
        return NotifyControls(CM_PARENTCTL3DCHANGED);
    case CM_PARENTCTL3DCHANGED:
        return TakeParentValue(FParentCtl3D, [this] { SetCtl3D(Parent()->Ctl3D()); });
    case CM_SHOWHINTCHANGED:
        return NotifyControls(CM_PARENTSHOWHINTCHANGED);
    case CM_BIDIMODECHANGED:
        NotifyControls(CM_PARENTBIDIMODECHANGED);
        return TControl::Dispatch(message);
    case CM_SYSCOLORCHANGE:
    case CM_WININICHANGE:
        return NotifyControls(message.Msg, message.WParam, message.LParam);
    case CM_INVALIDATE:
        return CMInvalidate(message);
    case CM_RECREATEWND:
        return CMRecreateWnd();
    default:
        return TControl::Dispatch(message);
    }
}

void TWinControl::DefaultHandler(TMessage& message) {
    if (!FHandle) {
        return;
    }
    auto* procedure = reinterpret_cast<WNDPROC>(FDefWndProc ? FDefWndProc : reinterpret_cast<void*>(DefWindowProcW));
    message.Result = CallWindowProcW(procedure, FHandle, message.Msg, message.WParam, message.LParam);
}

namespace {

// The window of the child control that sent a notification to its parent, or nullptr.
HWND NotifyingWindow(const TMessage& message, HWND parent) {
    const auto lParam = message.LParam;
    switch (message.Msg) {
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return item->CtlType == ODT_MENU ? nullptr : item->hwndItem;
    }
    case WM_MEASUREITEM: {
        const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        return item->CtlType == ODT_MENU ? nullptr : GetDlgItem(parent, static_cast<int>(item->CtlID));
    }
    case WM_DELETEITEM:
        return reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem;
    case WM_COMPAREITEM:
        return reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem;
    default:
        return reinterpret_cast<HWND>(lParam);
    }
}

} // namespace

bool TWinControl::ReflectToChild(TMessage& message) {
    if (message.LParam == 0) {
        return false;
    }
    TWinControl* child = FindControl(NotifyingWindow(message, FHandle));
    if (!child || child == this) {
        return false;
    }
    message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
    return true;
}

// A Windows control asks its parent for the colours it paints with; they are its own font colour and colour.
void TWinControl::CNControlColor(TMessage& message) {
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    SetBkColor(dc, ColorToRGB(Color()));
    message.Result = reinterpret_cast<intptr_t>(FBrush.Handle());
}

// The screen cursor wins; otherwise the graphic child under the pointer, then this control, name the cursor.
void TWinControl::WMSetCursor(TMessage& message) {
    TCursor cursor = ScreenCursor();
    const bool overClient = reinterpret_cast<HWND>(message.WParam) == FHandle && LoWord(message.LParam) == HTCLIENT;
    if (cursor == crDefault && overClient) {
        const TControl* graphic = ControlAtPos(ScreenToClient(Mouse().CursorPos()), false);
        cursor = graphic && graphic->Cursor() != crDefault ? graphic->Cursor() : Cursor();
    }
    if (cursor != crDefault) {
        ::SetCursor(CursorHandle(cursor));
        message.Result = 1;
        return;
    }
    DefaultHandler(message);
}

// A popup asked over a graphic child is that child's first.
void TWinControl::WMContextMenu(TMessage& message) {
    if (message.Result != 0) {
        return;
    }
    const TPoint screenPoint = MessagePoint(message.LParam);
    if (screenPoint != TPoint{-1, -1}) {
        if (TControl* graphic = ControlAtPos(ScreenToClient(screenPoint), false)) {
            const TControlLink link(this);
            message.Result = graphic->Perform(WM_CONTEXTMENU, 0, message.LParam);
            if (message.Result != 0 || !link.Alive()) {
                return;
            }
        }
    }
    TControl::Dispatch(message);
}

void TWinControl::WMNcDestroy(TMessage& message) {
    DefaultHandler(message);
    FShowing = false;
}

void TWinControl::CMEnabledChanged() {
    if (!Enabled() && Parent()) {
        RemoveFocus(false);
    }
    if (FHandle) {
        EnableWindow(FHandle, Enabled());
    }
    Invalidate();
}

void TWinControl::CMColorChanged() {
    FBrush.SetColor(Color());
    NotifyControls(CM_PARENTCOLORCHANGED);
    Invalidate();
}

void TWinControl::CMFontChanged() {
    if (FHandle) {
        Perform(WM_SETFONT, reinterpret_cast<uintptr_t>(Font().Handle()), 0);
    }
    NotifyControls(CM_PARENTFONTCHANGED);
    Invalidate();
}

void TWinControl::SetCtl3D(bool value) {
    SetOwnValue(FCtl3D, value, FParentCtl3D, CM_CTL3DCHANGED);
}

void TWinControl::SetParentCtl3D(bool value) {
    SetInheritance(FParentCtl3D, value, CM_PARENTCTL3DCHANGED);
}

void TWinControl::SetParentBackground(bool value) {
    if (value == ParentBackground()) {
        return;
    }
    TControlStyle style = ControlStyle();
    if (value) {
        style.Include(csParentBackground);
    } else {
        style.Exclude(csParentBackground);
    }
    SetControlStyle(style);
    Invalidate();
}

rtl::UnicodeString TWinControl::GetText() const {
    if (!FHandle) {
        return TControl::GetText();
    }
    const int length = GetWindowTextLengthW(FHandle);
    rtl::UnicodeString text(static_cast<size_t>(std::max(length, 0)) + 1, u'\0');
    const int copied = GetWindowTextW(FHandle, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

void TWinControl::SetParentWindow(HWND window) {
    if (Parent() || window == FParentWindow) {
        return;
    }
    DestroyHandle();
    FParentWindow = window;
    UpdateControlState();
}

} // namespace vcl
