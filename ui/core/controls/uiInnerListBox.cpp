// The inner list box: incremental search, the library's scroll bars over the native ones and their corner.

#include "ui/core/controls/uiInnerListBox.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/uiControlRoutines.h"
#include "ui/core/controls/uiWindowRoutines.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "vcl/services/Clock.h"
#include "vcl/system/Messages.h"

namespace ui {

namespace {

// The ANSI bytes of one typed character; nothing for a character the code page cannot hold.
std::string AnsiBytesOf(char16_t character) {
    char bytes[4] = {};
    BOOL usedDefault = FALSE;
    const wchar_t wide = static_cast<wchar_t>(character);
    const int length = WideCharToMultiByte(CP_ACP, 0, &wide, 1, bytes, sizeof bytes, nullptr, &usedDefault);
    if (length <= 0 || usedDefault) {
        return {};
    }
    return std::string(bytes, static_cast<size_t>(length));
}

std::wstring WideFromAnsi(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(std::max(length, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

// The messages after which the native bars may have moved, changed their range or appeared.
bool MovesNativeScrollBars(uint32_t message) {
    switch (message) {
    case WM_WINDOWPOSCHANGED:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
    case LB_SETCURSEL:
    case LB_SETHORIZONTALEXTENT:
    case LB_SETTOPINDEX:
    case LB_SETCARETINDEX:
    case WM_MOUSEWHEEL:
    case vcl::CM_WININICHANGE:
        return true;
    default:
        return false;
    }
}

} // namespace

size_t LastAnsiCharLength(std::string_view text) {
    size_t start = 0;
    size_t length = 0;
    while (start < text.size()) {
        const bool lead = IsDBCSLeadByte(static_cast<BYTE>(text[start])) && start + 1 < text.size();
        length = lead ? 2 : 1;
        start += length;
    }
    return length;
}

TuiCustomInnerListBox::TuiCustomInnerListBox(rtl::TComponent* owner)
    : TListBox(owner), FCanvas(std::make_unique<TuiCanvas>(Canvas())),
      FLookAndFeel(std::make_unique<TuiLookAndFeel>(nullptr)) {
    FLookAndFeel->SetOnChanged(
        [this](TuiLookAndFeel* sender, TuiLookAndFeelValues changed) { LookAndFeelChanged(sender, changed); });
    FHScrollBar = CreateLibraryScrollBar(sbHorizontal);
    FVScrollBar = CreateLibraryScrollBar(sbVertical);
    SetCtl3D(false);
    SetParentColor(false);
    SetParentFont(true);
    vcl::TControlStyle style = ControlStyle();
    style.Exclude(vcl::csOpaque);
    // The native list box reports clicks and double clicks itself (LBN_SELCHANGE, LBN_DBLCLK): the mouse messages
    // must not report them a second time.
    style.Exclude(vcl::csClickEvents);
    style.Include(vcl::csDoubleClicks);
    SetControlStyle(style);
}

TuiCustomInnerListBox::~TuiCustomInnerListBox() {
    for (TuiScrollBar* bar : {FHScrollBar, FVScrollBar}) {
        if (bar) {
            bar->RemoveFreeNotification(this);
            rtl::TComponent::Free(bar);
        }
    }
}

TuiScrollBar* TuiCustomInnerListBox::CreateLibraryScrollBar(TScrollBarKind kind) {
    auto* bar = new TuiScrollBar(nullptr);
    bar->SetKind(kind);
    bar->SetSmallChange(1);
    bar->SetVisible(false);
    bar->LookAndFeel().SetMaster(FLookAndFeel.get());
    bar->SetOnScroll([this, kind](rtl::TObject*, TScrollCode code, int32_t& position) {
        if (kind == sbHorizontal) {
            ScrollHorizontally(code, position);
        } else {
            ScrollVertically(code, position);
        }
    });
    bar->FreeNotification(this);
    return bar;
}

// The container draws the frame: the list box has no border of its own.
void TuiCustomInnerListBox::CreateParams(vcl::TCreateParams& params) {
    TListBox::CreateParams(params);
    params.Style &= ~static_cast<uint32_t>(WS_BORDER);
    params.ExStyle &= ~static_cast<uint32_t>(WS_EX_CLIENTEDGE);
}

void TuiCustomInnerListBox::Notification(rtl::TComponent* component, rtl::TOperation operation) {
    TListBox::Notification(component, operation);
    if (operation != rtl::TOperation::opRemove) {
        return;
    }
    if (component == FHScrollBar) {
        FHScrollBar = nullptr;
    }
    if (component == FVScrollBar) {
        FVScrollBar = nullptr;
    }
    if (component == FContainer) {
        FContainer = nullptr;
    }
}

void TuiCustomInnerListBox::SetContainer(TuiContainer* value) {
    if (value == FContainer) {
        return;
    }
    if (FContainer) {
        FContainer->RemoveFreeNotification(this);
    }
    FContainer = value;
    if (FContainer) {
        FContainer->FreeNotification(this);
    }
}

void TuiCustomInnerListBox::LookAndFeelChanged(TuiLookAndFeel*, TuiLookAndFeelValues) {
    if (HandleAllocated()) {
        Invalidate();
    }
}

void TuiCustomInnerListBox::ProcessAutoCompleteKey(char16_t& key) {
    if (!AutoComplete()) {
        return;
    }
    const uint64_t now = vcl::Clock().TickCount();
    if (static_cast<uint32_t>(now - FPrevKeyPressTime) >= FAutoCompleteDelay) {
        FAutoCompleteFilter.clear();
    }
    FPrevKeyPressTime = now;
    if (key == VK_BACK) {
        // Nothing typed, nothing to take back.
        if (FAutoCompleteFilter.empty()) {
            return;
        }
        FAutoCompleteFilter.resize(FAutoCompleteFilter.size() - LastAnsiCharLength(FAutoCompleteFilter));
    } else {
        FAutoCompleteFilter += AnsiBytesOf(key);
    }
    if (FAutoCompleteFilter.empty()) {
        SetItemIndex(0);
        Click();
        return;
    }
    const std::wstring prefix = WideFromAnsi(FAutoCompleteFilter);
    const auto found = static_cast<int32_t>(
        SendMessageW(Handle(), LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix.c_str())));
    if (found != LB_ERR) {
        SelectFoundItem(found);
    }
    if (key != VK_BACK && key != VK_RETURN && key != VK_ESCAPE) {
        key = 0;
    }
}

void TuiCustomInnerListBox::SelectFoundItem(int32_t index) {
    if (MultiSelect()) {
        SendMessageW(Handle(), LB_SELITEMRANGE, FALSE, MAKELPARAM(0, Count() - 1));
        SetSelected(index, true);
    }
    SetItemIndex(index);
    Click();
}

// Tab moves the focus and Enter is the container's to take (it closes a drop-down list): neither reaches the list
// box's own handling.
void TuiCustomInnerListBox::KeyPress(char16_t& key) {
    if (key == VK_TAB) {
        key = 0;
        return;
    }
    if (FContainer && key != 0) {
        const vcl::TControlLink link(this);
        FContainer->InnerKeyPress(key);
        if (!link.Alive()) {
            return;
        }
    }
    if (key == VK_RETURN) {
        key = 0;
    }
    if (key == 0) {
        return;
    }
    TListBox::KeyPress(key);
    if (key != 0) {
        ProcessAutoCompleteKey(key);
    }
}

// The container hears a key first; true when the list box still has a key to handle.
bool TuiCustomInnerListBox::ContainerLeavesKey(uint16_t& key, vcl::TShiftState shift, bool down) {
    if (FContainer) {
        const vcl::TControlLink link(this);
        if (down) {
            FContainer->InnerKeyDown(key, shift);
        } else {
            FContainer->InnerKeyUp(key, shift);
        }
        if (!link.Alive()) {
            return false;
        }
    }
    return key != 0;
}

void TuiCustomInnerListBox::KeyDown(uint16_t& key, vcl::TShiftState shift) {
    if (ContainerLeavesKey(key, shift, true)) {
        TListBox::KeyDown(key, shift);
    }
}

void TuiCustomInnerListBox::KeyUp(uint16_t& key, vcl::TShiftState shift) {
    if (key == VK_TAB) {
        key = 0;
        return;
    }
    if (ContainerLeavesKey(key, shift, false)) {
        TListBox::KeyUp(key, shift);
    }
}

void TuiCustomInnerListBox::Click() {
    TListBox::Click();
    if (FVScrollBar) {
        FVScrollBar->SetPosition(TopIndex());
    }
    if (FContainer) {
        FContainer->InnerClick();
    }
}

void TuiCustomInnerListBox::DblClick() {
    TListBox::DblClick();
    if (FContainer) {
        FContainer->InnerDblClick();
    }
}

void TuiCustomInnerListBox::MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    const vcl::TControlLink link(this);
    TListBox::MouseDown(button, shift, x, y);
    if (link.Alive() && FContainer) {
        FContainer->InnerMouseDown(button, shift, x + Left(), y + Top());
    }
}

void TuiCustomInnerListBox::MouseMove(vcl::TShiftState shift, int32_t x, int32_t y) {
    const vcl::TControlLink link(this);
    TListBox::MouseMove(shift, x, y);
    if (link.Alive() && FContainer) {
        FContainer->InnerMouseMove(shift, x + Left(), y + Top());
    }
}

void TuiCustomInnerListBox::MouseUp(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y) {
    const vcl::TControlLink link(this);
    TListBox::MouseUp(button, shift, x, y);
    if (link.Alive() && FContainer) {
        FContainer->InnerMouseUp(button, shift, x + Left(), y + Top());
    }
}

bool TuiCustomInnerListBox::DoMouseWheel(vcl::TShiftState shift, int32_t wheelDelta, vcl::TPoint mousePos) {
    if (FContainer) {
        const vcl::TControlLink link(this);
        if (FContainer->InnerMouseWheel(shift, wheelDelta, mousePos) || !link.Alive()) {
            return true;
        }
    }
    return TListBox::DoMouseWheel(shift, wheelDelta, mousePos);
}

vcl::TPopupMenu* TuiCustomInnerListBox::GetPopupMenu() const {
    return FContainer ? FContainer->InnerPopupMenu() : TListBox::GetPopupMenu();
}

void TuiCustomInnerListBox::DragOver(rtl::TObject* source, int32_t x, int32_t y, vcl::TDragState state, bool& accept) {
    if (FContainer) {
        FContainer->InnerDragOver(source, x + Left(), y + Top(), state, accept);
    } else {
        TListBox::DragOver(source, x, y, state, accept);
    }
}

void TuiCustomInnerListBox::DragDrop(rtl::TObject* source, int32_t x, int32_t y) {
    if (FContainer) {
        FContainer->InnerDragDrop(source, x + Left(), y + Top());
    } else {
        TListBox::DragDrop(source, x, y);
    }
}

void TuiCustomInnerListBox::ScrollHorizontally(TScrollCode code, int32_t& position) {
    SendMessageW(Handle(), WM_HSCROLL, MAKEWPARAM(code, position), 0);
    position = GetScrollPos(WindowHandle(), SB_HORZ);
}

void TuiCustomInnerListBox::ScrollVertically(TScrollCode code, int32_t& position) {
    switch (code) {
    case scLineUp:
    case scLineDown:
        SetTopIndex(position);
        break;
    case scPosition:
    case scTrack:
        SetTopIndex(position);
        position = TopIndex();
        break;
    default:
        SendMessageW(Handle(), WM_VSCROLL, MAKEWPARAM(code, position), 0);
        position = GetScrollPos(WindowHandle(), SB_VERT);
        break;
    }
}

void TuiCustomInnerListBox::UpdateScrollBars() {
    if (ComponentState().Contains(rtl::TComponentState::csDestroying) || FScrollBarsLockCount > 0 ||
        !IsScrollBarInfoAvailable() || FRedrawLocked || !HandleAllocated()) {
        return;
    }
    FScrollBarsCalculating = true;
    // A container that hosts the list box lays its own built-in bars over the native ones.
    const bool hosted = FContainer && FContainer->InnerControl() == this;
    for (TuiScrollBar* bar : {FHScrollBar, FVScrollBar}) {
        if (bar && hosted) {
            bar->SetVisible(false);
        }
    }
    if (hosted) {
        PostScrollBarsUpdate(*FContainer);
    } else {
        UpdateScrollBar(FHScrollBar, OBJID_HSCROLL, SB_HORZ);
        UpdateScrollBar(FVScrollBar, OBJID_VSCROLL, SB_VERT);
    }
    FScrollBarsCalculating = false;
}

void TuiCustomInnerListBox::UpdateScrollBar(TuiScrollBar* bar, int32_t objectId, int32_t nativeBar) {
    if (!bar) {
        return;
    }
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    bool visible = Parent() && QueryScrollBarInfo(WindowHandle(), objectId, info) &&
                   (info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) == 0;
    vcl::TRect rect;
    if (visible) {
        bar->SetEnabled((info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0 && Parent()->Enabled());
        const vcl::TPoint topLeft = Parent()->ScreenToClient({info.rcScrollBar.left, info.rcScrollBar.top});
        rect = {topLeft.X, topLeft.Y, topLeft.X + (info.rcScrollBar.right - info.rcScrollBar.left),
                topLeft.Y + (info.rcScrollBar.bottom - info.rcScrollBar.top)};
        visible = rect.Left >= 0 && rect.Top >= 0 && rect.Width() <= Width() && rect.Height() <= Height();
    }
    if (visible) {
        ++FScrollBarsLockCount;
        bar->SetParent(Parent());
        --FScrollBarsLockCount;
        bar->SetCtl3D(false);
        bar->BringToFront();
        bar->SetBoundsRect(rect);
    } else {
        bar->SetBoundsRect({});
    }
    bar->SetVisible(visible);
    if (visible) {
        SCROLLINFO scroll{};
        scroll.cbSize = sizeof scroll;
        scroll.fMask = SIF_ALL;
        GetScrollInfo(WindowHandle(), nativeBar, &scroll);
        const auto page = std::min(static_cast<int32_t>(scroll.nPage), static_cast<int32_t>(scroll.nMax));
        bar->SetScrollValues(scroll.nMin, scroll.nMax, scroll.nPos, page);
    }
}

vcl::TRect TuiCustomInnerListBox::SizeGripRect() const {
    // A container that hosts the list box lays its own bars over the native ones.
    if (FContainer && FContainer->InnerControl() == this) {
        return FContainer->InnerScrollBarsCorner();
    }
    if (!FHScrollBar || !FVScrollBar || !FHScrollBar->Visible() || !FVScrollBar->Visible()) {
        return {};
    }
    const int32_t left = FVScrollBar->Left() - Left();
    const int32_t top = FHScrollBar->Top() - Top();
    return {left, top, left + FVScrollBar->Width(), top + FHScrollBar->Height()};
}

void TuiCustomInnerListBox::PaintSizeGrip(HDC dc) {
    const vcl::TRect corner = SizeGripRect();
    if (corner.IsEmpty()) {
        return;
    }
    const RECT rect{corner.Left, corner.Top, corner.Right, corner.Bottom};
    const TuiLookAndFeel& look = FContainer ? FContainer->LookAndFeel() : *FLookAndFeel;
    const vcl::TColor color = look.ActivePainter()->FormContentColor();
    const HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(vcl::ColorToRGB(color)));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void TuiCustomInnerListBox::PaintSizeGripOnWindow() {
    if (!HandleAllocated()) {
        return;
    }
    const HDC dc = GetWindowDC(WindowHandle());
    PaintSizeGrip(dc);
    ReleaseDC(WindowHandle(), dc);
}

// The container is dragged, not the list box. A press on a selected item of a multi-select list box keeps the
// selection (the press does not reach the list box) unless Shift alone extends it; Shift or Ctrl presses that change
// a multiple selection start no drag.
void TuiCustomInnerListBox::PressStartingContainerDrag(vcl::TMessage& message) {
    const vcl::TControlLink link(this);
    SetDragMode(vcl::dmManual);
    const vcl::TPoint point{static_cast<int16_t>(vcl::LoWord(static_cast<uintptr_t>(message.LParam))),
                            static_cast<int16_t>(vcl::HiWord(static_cast<uintptr_t>(message.LParam)))};
    const bool shift = (message.WParam & MK_SHIFT) != 0;
    const bool ctrl = (message.WParam & MK_CONTROL) != 0;
    const int32_t item = ItemAtPos(point, true);
    if (MultiSelect() && item >= 0 && Selected(item) && (!shift || ctrl)) {
        FContainer->BeginDrag(false);
    } else {
        TListBox::WndProc(message);
        if (link.Alive() && FContainer && !(MultiSelect() && (shift || ctrl))) {
            FContainer->BeginDrag(false);
        }
    }
    if (link.Alive()) {
        SetDragMode(vcl::dmAutomatic);
    }
}

// The container's popup-menu short-cuts come first. The framework would start the list box's own automatic drag
// before any handler sees the press.
void TuiCustomInnerListBox::WndProc(vcl::TMessage& message) {
    if (FContainer && FContainer->HandleDialogKey(message)) {
        return;
    }
    if (message.Msg == WM_MOUSEWHEEL) {
        TListBox::WndProc(message);
        // A turn nobody handled scrolls the list.
        if (message.Result == 0 && HandleAllocated()) {
            DefaultHandler(message);
        }
        return;
    }
    if (message.Msg == WM_LBUTTONDOWN && FContainer && DragMode() == vcl::dmAutomatic &&
        !FContainer->ComponentState().Contains(rtl::TComponentState::csDesigning)) {
        PressStartingContainerDrag(message);
        return;
    }
    TListBox::WndProc(message);
}

void TuiCustomInnerListBox::DefaultHandler(vcl::TMessage& message) {
    if (FContainer && ContainerHandlesInnerMessage(*FContainer, message)) {
        return;
    }
    TListBox::DefaultHandler(message);
}

void TuiCustomInnerListBox::TellContainerFocusChanged(const vcl::TMessage& message) {
    if (!FContainer || FContainer->IsDestroying() || ComponentState().Contains(rtl::TComponentState::csDestroying)) {
        return;
    }
    // Focus the container hands on to the list box is one focus change, which the container told already.
    if (message.Msg == WM_SETFOCUS && FContainer->HandleAllocated() &&
        reinterpret_cast<HWND>(message.WParam) == FContainer->WindowHandle()) {
        return;
    }
    FContainer->NotifyFocusChanged();
}

void TuiCustomInnerListBox::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const vcl::TControlLink link(this);
        TListBox::Dispatch(message);
        if (link.Alive()) {
            TellContainerFocusChanged(message);
        }
        return;
    }
    case WM_GETDLGCODE:
        TListBox::Dispatch(message);
        // Inside a container the list box takes the characters it searches by, and Tab unless Ctrl is held.
        if (FContainer) {
            message.Result |= DLGC_WANTCHARS | (IsControlKeyDown() ? 0 : DLGC_WANTTAB);
        }
        return;
    case vcl::CM_MOUSELEAVE:
        TListBox::Dispatch(message);
        if (FContainer) {
            FContainer->UpdateContainerHotState(true);
        }
        return;
    case WM_NCCALCSIZE:
        TListBox::Dispatch(message);
        if (!FScrollBarsCalculating) {
            UpdateScrollBars();
        }
        return;
    case WM_NCPAINT:
        TListBox::Dispatch(message);
        PaintSizeGripOnWindow();
        return;
    case WM_PRINT:
        // The native frame would print the platform's bars' corner: the library's corner stands in its place.
        if ((message.LParam & PRF_NONCLIENT) != 0 && IsScrollBarInfoAvailable()) {
            message.LParam &= ~static_cast<intptr_t>(PRF_NONCLIENT);
            PaintSizeGrip(reinterpret_cast<HDC>(message.WParam));
        }
        break;
    case WM_SETREDRAW:
        TListBox::Dispatch(message);
        FRedrawLocked = message.WParam == 0;
        if (!FRedrawLocked) {
            UpdateScrollBars();
        }
        return;
    default:
        break;
    }
    TListBox::Dispatch(message);
    if (MovesNativeScrollBars(message.Msg)) {
        UpdateScrollBars();
        if (message.Msg == WM_WINDOWPOSCHANGED) {
            PaintSizeGripOnWindow();
        }
    }
}

} // namespace ui
