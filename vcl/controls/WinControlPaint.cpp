// TWinControl: painting the window and its graphic children, double buffering, the background, invalidation.

#include "vcl/controls/WinControl.h"
#include "vcl/system/Win32.h"

#include <algorithm>
#include <optional>

namespace vcl {

namespace {

// BeginPaint / EndPaint of a window, ended on every way out.
class TWindowPaint {
public:
    explicit TWindowPaint(HWND window) : FWindow(window), FDC(BeginPaint(window, &FPaint)) {}
    ~TWindowPaint() { EndPaint(FWindow, &FPaint); }
    TWindowPaint(const TWindowPaint&) = delete;
    TWindowPaint& operator=(const TWindowPaint&) = delete;
    HDC DC() const { return FDC; }

private:
    HWND FWindow;
    PAINTSTRUCT FPaint{};
    HDC FDC;
};

// A memory device context with a bitmap compatible with another device context, released on every way out.
class TPaintBuffer {
public:
    TPaintBuffer(HDC compatibleWith, int32_t width, int32_t height)
        : FDC(CreateCompatibleDC(compatibleWith)), FBitmap(CreateCompatibleBitmap(compatibleWith, width, height)),
          FOldBitmap(SelectObject(FDC, FBitmap)) {}
    ~TPaintBuffer() {
        SelectObject(FDC, FOldBitmap);
        DeleteObject(FBitmap);
        DeleteDC(FDC);
    }
    TPaintBuffer(const TPaintBuffer&) = delete;
    TPaintBuffer& operator=(const TPaintBuffer&) = delete;
    HDC DC() const { return FDC; }

private:
    HDC FDC;
    HBITMAP FBitmap;
    HGDIOBJ FOldBitmap;
};

// SaveDC / RestoreDC around a piece of painting.
class TSavedDCState {
public:
    explicit TSavedDCState(HDC dc) : FDC(dc), FSaved(SaveDC(dc)) {}
    ~TSavedDCState() { RestoreDC(FDC, FSaved); }
    TSavedDCState(const TSavedDCState&) = delete;
    TSavedDCState& operator=(const TSavedDCState&) = delete;

private:
    HDC FDC;
    int FSaved;
};

// Moves the logical origin so that the point (dx, dy) of the current coordinates becomes (0, 0).
void ShiftWindowOrigin(HDC dc, int32_t dx, int32_t dy) {
    POINT origin{};
    GetWindowOrgEx(dc, &origin);
    SetWindowOrgEx(dc, origin.x - dx, origin.y - dy, nullptr);
}

} // namespace

// A double-buffered control paints into a bitmap (background included) and copies it to the screen at once.
void TWinControl::WMPaint(TMessage& message) {
    if (message.WParam != 0 || !FDoubleBuffered || !FHandle) {
        PaintHandler(message);
        return;
    }
    const TWindowPaint paint(FHandle);
    const TRect client = GetClientRect();
    const TPaintBuffer buffer(paint.DC(), client.Width(), client.Height());
    const auto bufferDC = reinterpret_cast<uintptr_t>(buffer.DC());
    const TControlLink link(this);
    Perform(WM_ERASEBKGND, bufferDC, static_cast<intptr_t>(bufferDC));
    if (!link.Alive()) {
        return;
    }
    TMessage bufferPaint{WM_PAINT, bufferDC, 0, 0};
    PaintHandler(bufferPaint);
    BitBlt(paint.DC(), 0, 0, client.Width(), client.Height(), buffer.DC(), 0, 0, SRCCOPY);
}

// Paints into the message's device context, or between BeginPaint and EndPaint when it carries none. Opaque graphic
// children are clipped out of the window's own painting.
void TWinControl::PaintHandler(TMessage& message) {
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    std::optional<TWindowPaint> paint;
    if (!dc) {
        paint.emplace(FHandle);
        dc = paint->DC();
    }
    const TControlLink link(this);
    {
        const TSavedDCState saved(dc);
        int clip = SIMPLEREGION;
        for (const TControl* child : FControls) {
            const bool graphic = dynamic_cast<const TWinControl*>(child) == nullptr;
            if (graphic && child->Visible() && child->ControlStyle().Contains(csOpaque)) {
                const TRect area = child->BoundsRect();
                clip = ExcludeClipRect(dc, area.Left, area.Top, area.Right, area.Bottom);
                if (clip == NULLREGION) {
                    break;
                }
            }
        }
        if (clip != NULLREGION) {
            PaintWindow(dc);
        }
    }
    if (link.Alive()) {
        PaintControls(dc, nullptr);
    }
}

void TWinControl::PaintWindow(HDC dc) {
    TMessage message{WM_PAINT, reinterpret_cast<uintptr_t>(dc), 0, 0};
    DefaultHandler(message);
}

void TWinControl::PaintControls(HDC dc, TControl* first) {
    auto child = FControls.begin();
    if (first) {
        child = std::find(FControls.begin(), FControls.end(), first);
    }
    const std::vector<TControl*> toPaint(child, FControls.end());
    const bool paintCopy = ControlState().Contains(csPaintCopy);
    for (TControl* control : toPaint) {
        const TRect area = control->BoundsRect();
        if (dynamic_cast<TWinControl*>(control) || !control->Visible() || !RectVisible(dc, AsRECT(&area))) {
            continue;
        }
        if (paintCopy) {
            control->FControlState.Include(csPaintCopy);
        }
        {
            const TSavedDCState saved(dc);
            ShiftWindowOrigin(dc, area.Left, area.Top);
            IntersectClipRect(dc, 0, 0, area.Width(), area.Height());
            control->Perform(WM_PAINT, reinterpret_cast<uintptr_t>(dc), 0);
        }
        control->FControlState.Exclude(csPaintCopy);
    }
}

// Erased into the buffer of a double-buffered paint (WParam = LParam), never on screen first.
void TWinControl::WMEraseBackground(TMessage& message) {
    message.Result = 1;
    if (FDoubleBuffered && message.WParam != static_cast<uintptr_t>(message.LParam)) {
        return;
    }
    HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (ParentBackground() && Parent()) {
        DrawParentBackground(dc);
        return;
    }
    const TRect client = GetClientRect();
    FillRect(dc, AsRECT(&client), FBrush.Handle());
}

// The parent erases and paints its client area into dc, shifted so that this control's area lands on dc's origin.
void TWinControl::DrawParentBackground(HDC dc) {
    const TPoint origin = ClientOrigin();
    const TPoint parentOrigin = Parent()->ClientOrigin();
    const TPoint offset{origin.X - parentOrigin.X, origin.Y - parentOrigin.Y};
    const TRect client = GetClientRect();
    const TSavedDCState saved(dc);
    ShiftWindowOrigin(dc, -offset.X, -offset.Y);
    IntersectClipRect(dc, offset.X, offset.Y, offset.X + client.Width(), offset.Y + client.Height());
    const auto parentDC = reinterpret_cast<uintptr_t>(dc);
    Parent()->Perform(WM_ERASEBKGND, parentDC, static_cast<intptr_t>(parentDC));
    Parent()->Perform(WM_PRINTCLIENT, parentDC, PRF_CLIENT);
}

void TWinControl::PaintTo(HDC dc, int32_t x, int32_t y) {
    SetControlState(ControlState() + TControlState{csPaintCopy});
    const TControlLink link(this);
    {
        const TSavedDCState saved(dc);
        ShiftWindowOrigin(dc, x, y);
        IntersectClipRect(dc, 0, 0, Width(), Height());
        const auto paintDC = reinterpret_cast<uintptr_t>(dc);
        Perform(WM_ERASEBKGND, paintDC, static_cast<intptr_t>(paintDC));
        if (link.Alive()) {
            Perform(WM_PAINT, paintDC, 0);
        }
    }
    if (!link.Alive()) {
        return;
    }
    for (TWinControl* child : std::vector<TWinControl*>(FTabList)) {
        if (child->Visible()) {
            child->PaintTo(dc, x + child->Left(), y + child->Top());
        }
    }
    SetControlState(ControlState() - TControlState{csPaintCopy});
}

void TWinControl::Invalidate() {
    Perform(CM_INVALIDATE);
}

// WParam 1 only tells a parent that a child invalidated itself. Children that show this control's background must
// be painted again with it.
void TWinControl::CMInvalidate(TMessage& message) {
    if (!FHandle || ComponentState().Contains(rtl::TComponentState::csDestroying)) {
        return;
    }
    if (Parent()) {
        Parent()->Perform(CM_INVALIDATE, 1);
    }
    if (message.WParam != 0) {
        return;
    }
    InvalidateRect(FHandle, nullptr, !ControlStyle().Contains(csOpaque));
    for (TWinControl* child : FTabList) {
        if (child->ParentBackground()) {
            child->Invalidate();
        }
    }
}

void TWinControl::Update() {
    if (FHandle) {
        UpdateWindow(FHandle);
    }
}

void TWinControl::Repaint() {
    Invalidate();
    Update();
}

} // namespace vcl
