#include "ui/core/graphics/uiSharedCanvases.h"

#include "vcl/system/Win32.h"

namespace ui {

namespace detail {

TScreenFrameworkCanvas::~TScreenFrameworkCanvas() {
    ReleaseScreen();
}

void TScreenFrameworkCanvas::ReleaseScreen() {
    if (!FDC) {
        return;
    }
    SetHandle(nullptr);
    ReleaseDC(GetDesktopWindow(), FDC);
    FDC = nullptr;
}

void TScreenFrameworkCanvas::CreateHandle() {
    FDC = GetDCEx(GetDesktopWindow(), nullptr, DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    SetHandle(FDC);
}

} // namespace detail

namespace {

bool SharedCanvasesAllowed = true;
std::unique_ptr<TuiScreenCanvas> SharedScreenCanvas;
std::unique_ptr<TuiPaintCanvas> SharedPaintCanvas;

} // namespace

TuiScreenCanvas::TuiScreenCanvas()
    : TOwnedFrameworkCanvas{std::make_unique<detail::TScreenFrameworkCanvas>()}, TuiCanvas(*OwnedCanvas) {}

TuiPaintCanvas::TuiPaintCanvas() : TOwnedFrameworkCanvas{std::make_unique<vcl::TCanvas>()}, TuiCanvas(*OwnedCanvas) {}

TuiPaintCanvas::~TuiPaintCanvas() {
    OwnedCanvas->SetHandle(nullptr);
}

void TuiPaintCanvas::BeginPaintDC(HDC dc) {
    HDC previous = Canvas().HandleAllocated() ? Canvas().Handle() : nullptr;
    if (previous) {
        PushState();
    }
    FStates.push_back({nullptr, previous, dc, SaveDC(dc)});
    TakeObjectsFromDC(dc);
    Canvas().SetHandle(dc);
}

void TuiPaintCanvas::BeginPaintCanvas(vcl::TCanvas& canvas) {
    FStates.push_back({&Canvas(), nullptr, nullptr, 0});
    SetCanvas(canvas);
    PushState();
}

void TuiPaintCanvas::EndPaint() {
    if (FStates.empty()) {
        return;
    }
    const TPaintState state = FStates.back();
    FStates.pop_back();
    if (state.PreviousCanvas) {
        PopState();
        SetCanvas(*state.PreviousCanvas);
        return;
    }
    Canvas().SetHandle(state.PreviousHandle);
    RestoreDC(state.DC, state.SavedIndex);
    if (state.PreviousHandle) {
        PopState();
    }
}

TuiScreenCanvas* GetSharedScreenCanvas() {
    if (!SharedScreenCanvas && SharedCanvasesAllowed) {
        SharedScreenCanvas = std::make_unique<TuiScreenCanvas>();
    }
    return SharedScreenCanvas.get();
}

TuiPaintCanvas* GetSharedPaintCanvas() {
    if (!SharedPaintCanvas && SharedCanvasesAllowed) {
        SharedPaintCanvas = std::make_unique<TuiPaintCanvas>();
    }
    return SharedPaintCanvas.get();
}

void AllowSharedCanvases() {
    SharedCanvasesAllowed = true;
}

void FreeSharedCanvases() {
    SharedCanvasesAllowed = false;
    SharedPaintCanvas.reset();
    SharedScreenCanvas.reset();
}

} // namespace ui
