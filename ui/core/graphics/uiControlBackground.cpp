#include "ui/core/graphics/uiControlBackground.h"

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/themes/uxUxTheme.h"
#include "vcl/controls/WinControl.h"
#include "vcl/system/Win32.h"

#include <algorithm>

namespace ui {

namespace {

// Logical coordinates move so that what was at offset is drawn at (0, 0) plus offset.
void MoveWindowOrigin(TuiCanvas& canvas, vcl::TPoint offset) {
    const vcl::TPoint origin = canvas.GetWindowOrigin();
    canvas.SetWindowOrigin({origin.X - offset.X, origin.Y - offset.Y});
}

// Restores a control state flag when painting ends, also after a failure.
class TPaintCopyState {
public:
    explicit TPaintCopyState(vcl::TControl& control)
        : FControl(control), FLink(&control), FWasSet(control.ControlState().Contains(vcl::csPaintCopy)) {
        FControl.SetControlState(FControl.ControlState() + vcl::TControlState{vcl::csPaintCopy});
    }
    ~TPaintCopyState() {
        if (FLink.Alive() && !FWasSet) {
            FControl.SetControlState(FControl.ControlState() - vcl::TControlState{vcl::csPaintCopy});
        }
    }
    TPaintCopyState(const TPaintCopyState&) = delete;
    TPaintCopyState& operator=(const TPaintCopyState&) = delete;

private:
    vcl::TControl& FControl;
    vcl::TControlLink FLink;
    bool FWasSet;
};

// Pops the device-context state pushed for the duration, also after a failure.
class TPushedDCState {
public:
    explicit TPushedDCState(TuiCanvas& canvas) : FCanvas(canvas) { FCanvas.PushDCState(); }
    ~TPushedDCState() { FCanvas.PopDCState(); }
    TPushedDCState(const TPushedDCState&) = delete;
    TPushedDCState& operator=(const TPushedDCState&) = delete;

private:
    TuiCanvas& FCanvas;
};

bool WantsWindowEdge(vcl::TWinControl& control) {
    const rtl::TInterfacePtr<IuiWindowEdgePainting> edge = rtl::Supports<IuiWindowEdgePainting>(&control);
    return !edge || edge->PaintsWindowEdge();
}

// Draws the edge a client-edged or bordered window shows and moves the drawing inside it.
void DrawWindowEdge(vcl::TWinControl& control, TuiCanvas& canvas) {
    if (!control.HandleAllocated() || !WantsWindowEdge(control)) {
        return;
    }
    const auto style = static_cast<DWORD>(GetWindowLongW(control.WindowHandle(), GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(control.WindowHandle(), GWL_EXSTYLE));
    UINT edge = 0;
    UINT flags = BF_RECT | BF_ADJUST;
    if (exStyle & WS_EX_CLIENTEDGE) {
        edge = EDGE_SUNKEN;
    } else if (style & WS_BORDER) {
        edge = BDR_RAISEDOUTER | BDR_SUNKENOUTER;
        flags |= BF_MONO;
    } else {
        return;
    }
    RECT bounds{0, 0, control.Width(), control.Height()};
    ::DrawEdge(canvas.Handle(), &bounds, edge, flags);
    const vcl::TRect inside = vcl::ToRect(bounds);
    canvas.IntersectClipArea(inside);
    MoveWindowOrigin(canvas, inside.TopLeft());
}

void ClipToWindowRegion(vcl::TWinControl& control, TuiCanvas& canvas) {
    if (!control.HandleAllocated()) {
        return;
    }
    TuiRegion region;
    const int kind = GetWindowRgn(control.WindowHandle(), region.Handle());
    if (kind != SIMPLEREGION && kind != COMPLEXREGION) {
        return;
    }
    RECT window{};
    GetWindowRect(control.WindowHandle(), &window);
    POINT client{0, 0};
    ClientToScreen(control.WindowHandle(), &client);
    region.MoveBy(window.left - client.x, window.top - client.y);
    canvas.SetClipRegion(region, TuiRegionOperation::Intersection);
}

void PaintChildren(vcl::TWinControl& control, TuiCanvas& canvas, bool clipToWindowRegion,
                   std::span<vcl::TControl* const> excluded) {
    for (int32_t i = 0; i < control.ControlCount(); ++i) {
        vcl::TControl* child = control.Controls(i);
        if (std::find(excluded.begin(), excluded.end(), child) != excluded.end()) {
            return;
        }
        auto* windowed = dynamic_cast<vcl::TWinControl*>(child);
        if (windowed && windowed->Visible()) {
            PaintControlTo(*windowed, canvas, windowed->BoundsRect().TopLeft(),
                           {0, 0, windowed->Width(), windowed->Height()}, true, clipToWindowRegion, excluded, true);
        }
    }
}

} // namespace

void PaintControlTo(vcl::TWinControl& control, TuiCanvas& canvas, vcl::TPoint offset, const vcl::TRect& rect,
                    bool drawWindowEdge, bool clipToWindowRegion, std::span<vcl::TControl* const> excluded,
                    bool paintChildren) {
    if (control.ComponentState().Contains(rtl::TComponentState::csDestroying)) {
        return;
    }
    const TPushedDCState pushed(canvas);
    MoveWindowOrigin(canvas, offset);
    if (!canvas.RectVisible(rect)) {
        return;
    }
    const vcl::TControlLink link(&control);
    const TPaintCopyState paintCopy(control);
    if (drawWindowEdge) {
        DrawWindowEdge(control, canvas);
    }
    if (clipToWindowRegion) {
        ClipToWindowRegion(control, canvas);
    }
    canvas.IntersectClipArea(rect);
    const auto dc = reinterpret_cast<uintptr_t>(canvas.Handle());
    control.Perform(WM_ERASEBKGND, dc, static_cast<intptr_t>(dc));
    if (link.Alive()) {
        control.Perform(WM_PAINT, dc, 0);
    }
    if (link.Alive() && paintChildren) {
        PaintChildren(control, canvas, clipToWindowRegion, excluded);
    }
}

void DrawTransparentControlBackground(vcl::TControl& control, TuiCanvas& canvas, const vcl::TRect& rect,
                                      bool paintChildren) {
    vcl::TWinControl* parent = control.Parent();
    if (!parent) {
        return;
    }
    // The parent's point under the control's corner goes to the control's (0, 0), so the parent shows under rect
    // wherever rect lies in the control.
    const vcl::TRect inParent = vcl::OffsetRect(rect, control.Left(), control.Top());
    vcl::TControl* const excluded[] = {&control};
    PaintControlTo(*parent, canvas, {-control.Left(), -control.Top()}, inParent, false, true, excluded, paintChildren);
}

void DrawTransparentControlBackgroundOnCanvas(vcl::TControl& control, vcl::TCanvas& canvas, const vcl::TRect& rect,
                                              bool paintChildren) {
    TuiCanvas wrapper(canvas);
    DrawTransparentControlBackground(control, wrapper, rect, paintChildren);
}

void DrawTransparentControlBackgroundAt(vcl::TControl& control, TuiCanvas& canvas, const vcl::TRect& rect,
                                        vcl::TPoint origin, bool paintChildren) {
    const vcl::TPoint previous = canvas.GetWindowOrigin();
    MoveWindowOrigin(canvas, origin);
    try {
        DrawTransparentControlBackground(control, canvas, rect, paintChildren);
    } catch (...) {
        canvas.SetWindowOrigin(previous);
        throw;
    }
    canvas.SetWindowOrigin(previous);
}

void uiDrawThemeParentBackground(vcl::TWinControl& control, TuiCanvas& canvas, const vcl::TRect& rect) {
    canvas.Canvas().DeselectHandles();
    const vcl::TWinControl* parent = control.Parent();
    if ((parent != nullptr && parent->DoubleBuffered()) || !IsUxThemeLoaded()) {
        DrawTransparentControlBackground(control, canvas, rect, false);
        return;
    }
    UxTheme().DrawThemeParentBackground(control.WindowHandle(), canvas.Handle(), &rect);
}

void DrawThemeParentBackgroundOnCanvas(vcl::TWinControl& control, vcl::TCanvas& canvas, const vcl::TRect& rect) {
    TuiCanvas wrapper(canvas);
    uiDrawThemeParentBackground(control, wrapper, rect);
}

} // namespace ui
