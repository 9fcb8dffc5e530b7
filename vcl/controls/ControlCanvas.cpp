#include "vcl/controls/ControlCanvas.h"

#include "vcl/controls/WinControl.h"
#include "vcl/system/Win32.h"

#include <algorithm>
#include <vector>

namespace vcl {

namespace {

// The canvases holding a device context they got themselves.
std::vector<TControlCanvas*>& CanvasesHoldingDC() {
    static std::vector<TControlCanvas*> canvases;
    return canvases;
}

} // namespace

TControlCanvas::TControlCanvas(TControl* control) : FControl(control) {}

TControlCanvas::~TControlCanvas() {
    FreeHandle();
}

void TControlCanvas::FreeHandle() {
    if (!FWindow) {
        return;
    }
    HDC dc = Handle();
    DeselectHandles();
    SetHandle(nullptr);
    ReleaseDC(FWindow, dc);
    FWindow = nullptr;
    std::erase(CanvasesHoldingDC(), this);
}

void TControlCanvas::PaintOn(HDC dc, const std::function<void()>& paint) {
    FreeHandle();
    Lock();
    SetHandle(dc);
    const TControlLink link(FControl);
    const auto release = [this, &link] {
        if (link.Alive()) {
            SetHandle(nullptr);
            Unlock();
        }
    };
    try {
        paint();
    } catch (...) {
        release();
        throw;
    }
    release();
}

void TControlCanvas::CreateHandle() {
    if (auto* windowed = dynamic_cast<TWinControl*>(FControl)) {
        FWindow = windowed->Handle();
        SetHandle(GetDCEx(FWindow, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS));
    } else {
        TWinControl* parent = FControl->Parent();
        if (!parent) {
            return;
        }
        FWindow = parent->Handle();
        HDC dc = GetDCEx(FWindow, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
        const TRect bounds = FControl->BoundsRect();
        SetViewportOrgEx(dc, bounds.Left, bounds.Top, nullptr);
        IntersectClipRect(dc, 0, 0, bounds.Width(), bounds.Height());
        SetHandle(dc);
    }
    CanvasesHoldingDC().push_back(this);
}

void FreeDeviceContexts() {
    const std::vector<TControlCanvas*> canvases = CanvasesHoldingDC();
    for (TControlCanvas* canvas : canvases) {
        canvas->FreeHandle();
    }
}

} // namespace vcl
