// The drag feedback windows: the translucent drag image, the size frame and the drop arrow.

#include "ui/core/controls/dragdrop/uiDragImages.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/containers/uiContainerPainting.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiRegion.h"
#include "vcl/forms/Screen.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/system/Messages.h"

#include <algorithm>

namespace ui {

namespace {

using TSetLayeredWindowAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

TSetLayeredWindowAttributes LayeredAttributesEntry() {
    static const auto entry = reinterpret_cast<TSetLayeredWindowAttributes>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetLayeredWindowAttributes")));
    return entry;
}

// The 8 x 8 pattern of alternating black and white pixels the size frame is filled with.
std::unique_ptr<vcl::TBitmap> MakeFramePattern() {
    auto pattern = std::make_unique<vcl::TBitmap>(8, 8);
    for (int32_t y = 0; y < 8; ++y) {
        for (int32_t x = 0; x < 8; ++x) {
            pattern->Canvas().SetPixel(x, y, (x + y) % 2 == 0 ? vcl::clWhite : vcl::clBlack);
        }
    }
    return pattern;
}

// The window takes a copy: a region it holds is its own, and the frame keeps its region for the next size.
void SetWindowRegionCopy(HWND window, HRGN region) {
    vcl::TRegionHandle copy(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(copy.Get(), region, nullptr, RGN_COPY);
    SetWindowRegionIfChanged(window, std::move(copy));
}

} // namespace

bool HasLayeredWindowAttributes() {
    return LayeredAttributesEntry() != nullptr;
}

vcl::TRect DragDropArrowBox(const vcl::TRect& area, const vcl::TRect& clip, TuiArrowPlace place) {
    vcl::TRect r = area;
    if (!clip.IsEmpty()) {
        r.Left = std::clamp(r.Left, clip.Left, clip.Right - 1);
        r.Right = std::clamp(r.Right, clip.Left, clip.Right - 1);
        r.Top = std::clamp(r.Top, clip.Top, clip.Bottom - 1);
        r.Bottom = std::clamp(r.Bottom, clip.Top, clip.Bottom - 1);
    }
    switch (place) {
    case apLeft:
        return {r.Left - 9, r.Top - 5, r.Left, r.Top + 6};
    case apRight:
        return {r.Right, r.Top - 5, r.Right + 9, r.Top + 6};
    case apTop:
        return {r.Left - 5, r.Top - 9, r.Left + 6, r.Top};
    case apBottom:
        break;
    }
    return {r.Left - 5, r.Bottom, r.Left + 6, r.Bottom + 9};
}

std::array<vcl::TPoint, 7> DragDropArrowPoints(const vcl::TRect& box, TuiArrowPlace place, int32_t widen) {
    const int32_t l = box.Left;
    const int32_t t = box.Top;
    const int32_t r = box.Right + widen;
    const int32_t b = box.Bottom + widen;
    switch (place) {
    case apLeft:
        return {{{l + 3, t - widen},
                 {l + 3, t + 3},
                 {l, t + 3},
                 {l, b - 4},
                 {l + 3, b - 4},
                 {l + 3, b - 1},
                 {r - 1, t + 5}}};
    case apTop:
        return {{{l + 3, t}, {r - 4, t}, {r - 4, t + 3}, {r - 1, t + 3}, {l + 5, b - 1}, {l, t + 3}, {l + 3, t + 3}}};
    case apRight:
        return {{{r - 4, t - widen},
                 {r - 4, t + 3},
                 {r - 1, t + 3},
                 {r - 1, b - 4},
                 {r - 4, b - 4},
                 {r - 4, b - 1},
                 {l, t + 5}}};
    case apBottom:
        break;
    }
    return {{{l + 3, b - 1},
             {r - 4, b - 1},
             {r - 4, b - 4},
             {r - 1, b - 4},
             {l + 5, t - widen},
             {l - widen, b - 4},
             {l + 3, box.Bottom - 4}}};
}

void PaintDragDropArrow(TuiCanvas& canvas, const vcl::TRect& box, TuiArrowPlace place) {
    const std::array<vcl::TPoint, 7> points = DragDropArrowPoints(box, place, 0);
    canvas.Brush().SetStyle(vcl::bsSolid);
    canvas.Brush().SetColor(vcl::clLime);
    canvas.Pen().SetStyle(vcl::psSolid);
    canvas.Pen().SetColor(vcl::clBlack);
    canvas.Polygon(points);
}

TuiCustomDragImage::TuiCustomDragImage(rtl::TComponent* owner) : TuiPopupWindow(owner) {
    SetBounds(0, 0, 0, 0);
}

void TuiCustomDragImage::CreateParams(vcl::TCreateParams& params) {
    TuiPopupWindow::CreateParams(params);
    params.WindowClass.Style |= CS_SAVEBITS;
    vcl::TCustomForm* parent = FPopupParent ? FPopupParent : vcl::Screen().ActiveForm();
    if (parent && parent != this) {
        params.WndParent = parent->Handle();
    }
    if (IsAlphaBlended()) {
        params.ExStyle |= WS_EX_LAYERED;
    }
}

void TuiCustomDragImage::CreateWnd() {
    TuiPopupWindow::CreateWnd();
    ApplyLayeredAttributes();
}

void TuiCustomDragImage::ApplyLayeredAttributes() {
    if (IsAlphaBlended()) {
        LayeredAttributesEntry()(WindowHandle(), 0, FAlphaBlendValue, LWA_ALPHA);
    }
}

void TuiCustomDragImage::Dispatch(vcl::TMessage& message) {
    switch (message.Msg) {
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_NCHITTEST:
        message.Result = HTTRANSPARENT;
        return;
    default:
        TuiPopupWindow::Dispatch(message);
    }
}

void TuiCustomDragImage::Init(const vcl::TRect& source, vcl::TPoint origin) {
    SetBounds(Left(), Top(), source.Width(), source.Height());
    FOriginOffset = {origin.X - source.Left, origin.Y - source.Top};
}

void TuiCustomDragImage::MoveTo(vcl::TPoint point) {
    HandleNeeded();
    SetBounds(point.X - FOriginOffset.X, point.Y - FOriginOffset.Y, Width(), Height());
}

void TuiCustomDragImage::ShowImage(int32_t showCommand) {
    ShowWindow(Handle(), showCommand);
    UpdateWindow(WindowHandle());
}

void TuiCustomDragImage::HideImage() {
    if (HandleAllocated()) {
        ShowWindow(WindowHandle(), SW_HIDE);
    }
}

bool TuiCustomDragImage::ImageVisible() const {
    return HandleAllocated() && IsWindowVisible(WindowHandle());
}

void TuiCustomDragImage::SetImageVisible(bool value) {
    if (value == ImageVisible()) {
        return;
    }
    if (value) {
        ShowImage(SW_SHOWNA);
    } else {
        HideImage();
    }
}

TuiDragImage::TuiDragImage(rtl::TComponent* owner)
    : TuiCustomDragImage(owner), FImage(std::make_unique<vcl::TBitmap>()),
      FImageCanvas(std::make_unique<TuiCanvas>(FImage->Canvas())) {}

TuiDragImage::~TuiDragImage() = default;

void TuiDragImage::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    TuiCustomDragImage::SetBounds(left, top, width, height);
    if (FImage) {
        FImage->SetSize(Width(), Height());
    }
}

void TuiDragImage::Paint() {
    TuiCustomDragImage::Paint();
    Canvas().Draw(0, 0, *FImage);
}

TuiSizeFrame::TuiSizeFrame(rtl::TComponent* owner, int32_t frameWidth)
    : TuiCustomDragImage(owner), FFrameWidth(frameWidth), FRegion(std::make_unique<TuiRegion>()),
      FPattern(MakeFramePattern()) {
    SetAlphaBlend(false);
    Canvas().Brush().SetBitmap(FPattern.get());
}

TuiSizeFrame::~TuiSizeFrame() {
    Canvas().Brush().SetBitmap(nullptr);
}

void TuiSizeFrame::DrawSizeFrame(const vcl::TRect& rect) {
    // The region is cut only for an existing window: made now, the first frame shows as a ring too.
    HandleNeeded();
    FRegion = std::make_unique<TuiRegion>(0, 0, rect.Width(), rect.Height());
    SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
}

void TuiSizeFrame::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
    TuiCustomDragImage::SetBounds(left, top, width, height);
    const int32_t w = FFrameWidth;
    if (!FRegion || !HandleAllocated() || 2 * w >= width || 2 * w >= height) {
        return;
    }
    if (!FFillSelection) {
        TuiRegion inner(FRegion->Bounds());
        for (const vcl::TPoint shift : {vcl::TPoint{w, 0}, vcl::TPoint{0, w}, vcl::TPoint{-w, 0}, vcl::TPoint{0, -w}}) {
            TuiRegion shifted(FRegion->Bounds());
            shifted.CombineWith(*FRegion, TuiRegionOperation::Intersection);
            shifted.MoveBy(shift);
            inner.CombineWith(shifted, TuiRegionOperation::Intersection);
        }
        FRegion->CombineWith(inner, TuiRegionOperation::Difference);
    }
    SetWindowRegionCopy(WindowHandle(), FRegion->Handle());
}

void TuiSizeFrame::Paint() {
    TuiCustomDragImage::Paint();
    Canvas().FillRect(ClientRect());
}

TuiDragAndDropArrow::TuiDragAndDropArrow(rtl::TComponent* owner, bool transparent)
    : TuiDragImage(owner), FTransparent(transparent) {
    SetAlphaBlend(false);
}

void TuiDragAndDropArrow::CreateParams(vcl::TCreateParams& params) {
    TuiDragImage::CreateParams(params);
    if (Transparent()) {
        params.ExStyle |= WS_EX_LAYERED;
    }
}

void TuiDragAndDropArrow::ApplyLayeredAttributes() {
    if (Transparent()) {
        const vcl::TColor key = GetTransparentColor();
        LayeredAttributesEntry()(WindowHandle(), static_cast<COLORREF>(key), 0, LWA_COLORKEY);
    }
}

void TuiDragAndDropArrow::Init(vcl::TControl* owner, const vcl::TRect& area, const vcl::TRect& clip,
                               TuiArrowPlace place) {
    vcl::TRect box = DragDropArrowBox(area, clip, place);
    if (owner) {
        const vcl::TPoint origin = owner->ClientToScreen({0, 0});
        box = {box.Left + origin.X, box.Top + origin.Y, box.Right + origin.X, box.Bottom + origin.Y};
    }
    HandleNeeded();
    SetBounds(box.Left, box.Top, box.Width(), box.Height());
    const vcl::TRect image{0, 0, box.Width(), box.Height()};
    ImageCanvas().FillRectColor(image, GetTransparentColor());
    PaintDragDropArrow(ImageCanvas(), image, place);
    if (!Transparent()) {
        const std::array<vcl::TPoint, 7> points = DragDropArrowPoints(image, place, 1);
        std::array<POINT, 7> corners{};
        std::transform(points.begin(), points.end(), corners.begin(), [](vcl::TPoint point) {
            return POINT{point.X, point.Y};
        });
        SetWindowRegionIfChanged(WindowHandle(), vcl::TRegionHandle(CreatePolygonRgn(corners.data(), 7, WINDING)));
    }
}

} // namespace ui
