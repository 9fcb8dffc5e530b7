// The group box's skinned caption band outside its client area: the window's frame leaves room for it, the box paints
// it on the window's device context, and a change of skin, caption or layout makes Windows calculate the frame again.

#include "ui/core/graphics/uiSharedCanvases.h"
#include "ui/editors/choice/uiGroupBox.h"
#include "vcl/system/Messages.h"
#include "vcl/system/Win32.h"

namespace ui {

namespace {

// Posted after the frame changed, so that the window and its children are painted and aligned anew once the frame
// change has gone through.
UINT UpdateNonClientAreaMessage() {
    static const UINT message = RegisterWindowMessageW(L"WM_UXUPDATENONCLIENTAREA");
    return message;
}

} // namespace

bool TuiCustomGroupBox::HasNonClientCaption() const {
    return !IsPanel() && AllowsNonClientCaption() && HasSkin() && !Caption().empty() && FAlignment != alCenterCenter;
}

vcl::TRect TuiCustomGroupBox::NonClientMargins() const {
    if (!HasNonClientCaption()) {
        return {};
    }
    const int32_t extra = CaptionExtra();
    switch (AlignmentToCaptionPosition(FAlignment)) {
    case gcpTop:
        return {0, extra, 0, 0};
    case gcpBottom:
        return {0, 0, 0, extra};
    case gcpLeft:
        return {extra, 0, 0, 0};
    case gcpRight:
        return {0, 0, extra, 0};
    default:
        return {};
    }
}

// A band that goes needs the frame calculated again as much as one that comes.
void TuiCustomGroupBox::UpdateNonClientArea() {
    if (!HandleAllocated() || (!HasNonClientCaption() && FAppliedNonClientMargins == vcl::TRect{})) {
        return;
    }
    SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    PostMessageW(WindowHandle(), UpdateNonClientAreaMessage(), 0, 0);
}

void TuiCustomGroupBox::CreateWnd() {
    TuiCustomEdit::CreateWnd();
    UpdateNonClientArea();
}

void TuiCustomGroupBox::Resize() {
    TuiCustomEdit::Resize();
    if (HandleAllocated() && HasNonClientCaption()) {
        RedrawWindow(WindowHandle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    }
}

void TuiCustomGroupBox::TextChanged() {
    TuiCustomEdit::TextChanged();
    UpdateContainerHotState(false);
    UpdateNonClientArea();
}

void TuiCustomGroupBox::ContainerStyleChanged() {
    TuiCustomEdit::ContainerStyleChanged();
    UpdateNonClientArea();
}

void TuiCustomGroupBox::WndProc(vcl::TMessage& message) {
    if (message.Msg == WM_NCCALCSIZE) {
        TuiCustomEdit::WndProc(message);
        NonClientCalcSize(message);
        return;
    }
    if (message.Msg == WM_NCPAINT && HasNonClientCaption()) {
        HDC dc = GetWindowDC(WindowHandle());
        try {
            PaintNonClientCaption(dc);
        } catch (...) {
            ReleaseDC(WindowHandle(), dc);
            throw;
        }
        ReleaseDC(WindowHandle(), dc);
        message.Result = 0;
        return;
    }
    if (message.Msg == UpdateNonClientAreaMessage()) {
        if (AllowsNonClientCaption()) {
            RedrawWindow(WindowHandle(), nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
            Realign();
        }
        return;
    }
    TuiCustomEdit::WndProc(message);
}

// Both forms of the message start with the proposed client rectangle.
void TuiCustomGroupBox::NonClientCalcSize(vcl::TMessage& message) {
    const vcl::TRect margins = NonClientMargins();
    FAppliedNonClientMargins = margins;
    auto* rect = reinterpret_cast<RECT*>(message.LParam);
    rect->left += margins.Left;
    rect->top += margins.Top;
    rect->right -= margins.Right;
    rect->bottom -= margins.Bottom;
}

void TuiCustomGroupBox::PaintNonClientCaption(HDC windowDC) {
    TuiPaintCanvas* canvas = GetSharedPaintCanvas();
    if (!HasNonClientCaption() || canvas == nullptr) {
        return;
    }
    const vcl::TRect margins = NonClientMargins();
    const vcl::TRect client{0, 0, Width() - margins.Left - margins.Right, Height() - margins.Top - margins.Bottom};
    // The window in client coordinates, narrowed to the band on the caption's side.
    vcl::TRect band{-margins.Left, -margins.Top, client.Right + margins.Right, client.Bottom + margins.Bottom};
    if (margins.Top != 0) {
        band.Bottom = 0;
    } else if (margins.Bottom != 0) {
        band.Top = client.Bottom;
    } else if (margins.Left != 0) {
        band.Right = 0;
    } else {
        band.Left = client.Right;
    }
    canvas->BeginPaintDC(windowDC);
    try {
        canvas->SetWindowOrigin({-margins.Left, -margins.Top});
        canvas->IntersectClipArea(band);
        DrawCaption(*canvas, CalculateLayout(*canvas));
    } catch (...) {
        canvas->EndPaint();
        throw;
    }
    canvas->EndPaint();
}

} // namespace ui
