#include "ui/core/graphics/uiCanvas.h"

#include "ui/core/system/uxSystemInfo.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/system/Win32.h"

#include <algorithm>

namespace ui {

namespace {

// The clip region of a device context without one.
constexpr vcl::TRect UnclippedArea{0, 0, 30000, 30000};

// A colour as the framework draws it, system colours taken from the system-info seam.
vcl::TColor SeamColor(vcl::TColor color) {
    return static_cast<vcl::TColor>(ColorToRGB(color));
}

vcl::TBrushStyle BrushStyleOf(const LOGBRUSH& brush) {
    if (brush.lbStyle == BS_NULL) {
        return vcl::bsClear;
    }
    if (brush.lbStyle == BS_HATCHED && brush.lbHatch <= HS_DIAGCROSS) {
        constexpr vcl::TBrushStyle hatches[] = {vcl::bsHorizontal, vcl::bsVertical, vcl::bsFDiagonal,
                                                vcl::bsBDiagonal,  vcl::bsCross,    vcl::bsDiagCross};
        return hatches[brush.lbHatch];
    }
    return vcl::bsSolid;
}

// Floor division, so that tiles left of or above the origin are counted as whole tiles.
int32_t FloorDiv(int32_t a, int32_t b) {
    const int32_t quotient = a / b;
    return a % b != 0 && (a < 0) != (b < 0) ? quotient - 1 : quotient;
}

} // namespace

TuiCanvas::~TuiCanvas() = default;

void TuiCanvas::SetPixel(int32_t x, int32_t y, vcl::TColor color) {
    FCanvas->SetPixel(x, y, SeamColor(color));
}

void TuiCanvas::SetBrushColor(vcl::TColor color) {
    const vcl::TColor resolved = SeamColor(color);
    if (Brush().Color() != resolved) {
        Brush().SetColor(resolved);
    }
}

vcl::TPoint TuiCanvas::GetWindowOrigin() const {
    POINT origin{};
    GetWindowOrgEx(Handle(), &origin);
    return vcl::ToPoint(origin);
}

void TuiCanvas::SetWindowOrigin(vcl::TPoint origin) {
    SetWindowOrgEx(Handle(), origin.X, origin.Y, nullptr);
}

vcl::TPoint TuiCanvas::GetViewportOrigin() const {
    POINT origin{};
    GetViewportOrgEx(Handle(), &origin);
    return vcl::ToPoint(origin);
}

vcl::TPoint TuiCanvas::GetDCOrigin() const {
    const vcl::TPoint viewport = GetViewportOrigin();
    const vcl::TPoint window = GetWindowOrigin();
    return {viewport.X - window.X, viewport.Y - window.Y};
}

void TuiCanvas::PushDCState() {
    FCanvas->Lock();
    HDC dc = Handle();
    FCanvas->DeselectHandles();
    FDCStates.push_back({dc, SaveDC(dc)});
}

void TuiCanvas::PopDCState() {
    if (FDCStates.empty()) {
        return;
    }
    const TDCState state = FDCStates.back();
    FDCStates.pop_back();
    FCanvas->SetHandle(state.DC);
    FCanvas->DeselectHandles();
    RestoreDC(state.DC, state.SavedIndex);
    FCanvas->Unlock();
}

void TuiCanvas::PushClipRegion() {
    std::unique_ptr<TuiRegion> region = std::make_unique<TuiRegion>();
    if (GetClipRgn(Handle(), region->Handle()) == 1) {
        const vcl::TPoint origin = GetDCOrigin();
        region->MoveBy(-origin.X, -origin.Y);
    } else {
        region.reset();
    }
    FSavedClipRegions.push_back(std::move(region));
}

void TuiCanvas::PopClipRegion() {
    if (FSavedClipRegions.empty()) {
        return;
    }
    const std::unique_ptr<TuiRegion> region = std::move(FSavedClipRegions.back());
    FSavedClipRegions.pop_back();
    if (region) {
        SetClipRegion(*region, TuiRegionOperation::Copy);
    } else {
        SelectClipRgn(Handle(), nullptr);
    }
}

void TuiCanvas::PushState() {
    PushDCState();
    TCanvasState state{std::make_unique<vcl::TFont>(), std::make_unique<vcl::TBrush>(), std::make_unique<vcl::TPen>()};
    state.Font->Assign(&Font());
    state.Brush->Assign(&Brush());
    state.Pen->Assign(&Pen());
    FCanvasStates.push_back(std::move(state));
}

void TuiCanvas::PopState() {
    if (FCanvasStates.empty()) {
        return;
    }
    const TCanvasState state = std::move(FCanvasStates.back());
    FCanvasStates.pop_back();
    Font().Assign(state.Font.get());
    Brush().Assign(state.Brush.get());
    Pen().Assign(state.Pen.get());
    PopDCState();
}

void TuiCanvas::TakeObjectsFromDC(HDC dc) {
    LOGFONTW font{};
    if (GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font) == sizeof(font)) {
        const vcl::TColor textColor = static_cast<vcl::TColor>(GetTextColor(dc));
        Font().SetHandle(CreateFontIndirectW(&font));
        Font().SetColor(textColor);
    }
    LOGBRUSH brush{};
    if (GetObjectW(GetCurrentObject(dc, OBJ_BRUSH), sizeof(brush), &brush) == sizeof(brush)) {
        Brush().SetColor(static_cast<vcl::TColor>(brush.lbColor));
        Brush().SetStyle(BrushStyleOf(brush));
    }
    LOGPEN pen{};
    if (GetObjectW(GetCurrentObject(dc, OBJ_PEN), sizeof(pen), &pen) == sizeof(pen)) {
        Pen().SetColor(static_cast<vcl::TColor>(pen.lopnColor));
        Pen().SetStyle(pen.lopnStyle <= PS_INSIDEFRAME ? static_cast<vcl::TPenStyle>(pen.lopnStyle) : vcl::psSolid);
        Pen().SetWidth(pen.lopnWidth.x);
        Pen().SetMode(vcl::ROP2ToPenMode(GetROP2(dc)));
    }
}

std::unique_ptr<TuiRegion> TuiCanvas::CopyClipRegion(bool considerOrigin) const {
    auto region = std::make_unique<TuiRegion>();
    if (GetClipRgn(Handle(), region->Handle()) != 1) {
        region = std::make_unique<TuiRegion>(UnclippedArea);
    }
    if (considerOrigin) {
        const vcl::TPoint origin = GetDCOrigin();
        region->MoveBy(-origin.X, -origin.Y);
    }
    return region;
}

void TuiCanvas::SetClipRegion(const TuiRegion& region, TuiRegionOperation operation, bool considerOrigin) {
    if (operation != TuiRegionOperation::Copy) {
        const std::unique_ptr<TuiRegion> combined = CopyClipRegion(considerOrigin);
        combined->CombineWith(region, operation);
        SetClipRegion(*combined, TuiRegionOperation::Copy, considerOrigin);
        return;
    }
    TuiRegion device;
    device.CombineWith(region, TuiRegionOperation::Copy);
    if (considerOrigin) {
        device.MoveBy(GetDCOrigin());
    }
    SelectClipRgn(Handle(), device.Handle());
}

void TuiCanvas::ExcludeClipArea(const vcl::TRect& rect) {
    ExcludeClipRect(Handle(), rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TuiCanvas::IntersectClipArea(const vcl::TRect& rect) {
    IntersectClipRect(Handle(), rect.Left, rect.Top, rect.Right, rect.Bottom);
}

bool TuiCanvas::RectVisible(const vcl::TRect& rect) const {
    return ::RectVisible(Handle(), vcl::AsRECT(&rect)) != FALSE;
}

void TuiCanvas::BeginPath() {
    ::BeginPath(Handle());
}

void TuiCanvas::EndPath() {
    ::EndPath(Handle());
}

std::unique_ptr<TuiRegion> TuiCanvas::PathToRegion(bool considerOrigin) {
    auto region = std::make_unique<TuiRegion>(vcl::TRegionHandle(::PathToRegion(Handle())));
    if (considerOrigin) {
        const vcl::TPoint origin = GetDCOrigin();
        region->MoveBy(-origin.X, -origin.Y);
    }
    return region;
}

void TuiCanvas::FillRectColor(const vcl::TRect& rect, vcl::TColor color) {
    if (color == vcl::clNone) {
        return;
    }
    if (color != vcl::clDefault) {
        SetBrushColor(color);
    }
    FCanvas->FillRect(rect);
}

void TuiCanvas::FillRect(const vcl::TRect& rect, vcl::TBitmap* bitmap, bool excludeRect) {
    if (rect.IsEmpty()) {
        return;
    }
    if (!bitmap || bitmap->Empty()) {
        FCanvas->FillRect(rect);
    } else {
        const int32_t width = bitmap->Width();
        const int32_t height = bitmap->Height();
        for (int32_t row = FloorDiv(rect.Top, height); row <= FloorDiv(rect.Bottom - 1, height); ++row) {
            for (int32_t column = FloorDiv(rect.Left, width); column <= FloorDiv(rect.Right - 1, width); ++column) {
                const vcl::TRect tile = vcl::Bounds(column * width, row * height, width, height);
                const vcl::TRect part = vcl::IntersectRect(tile, rect);
                FCanvas->CopyRect(part, bitmap->Canvas(), vcl::OffsetRect(part, -tile.Left, -tile.Top));
            }
        }
    }
    if (excludeRect) {
        SetClipRegion(TuiRegion(rect), TuiRegionOperation::Difference);
    }
}

void TuiCanvas::FrameRect(const vcl::TRect& rect, vcl::TColor color, int32_t width, TuiBorders borders,
                          bool excludeFrame) {
    if (rect.IsEmpty() || color == vcl::clNone) {
        return;
    }
    if (color != vcl::clDefault) {
        SetBrushColor(color);
    }
    const vcl::TRect bands[] = {
        {rect.Left, rect.Top, std::min(rect.Left + width, rect.Right), rect.Bottom},
        {std::max(rect.Right - width, rect.Left), rect.Top, rect.Right, rect.Bottom},
        {rect.Left, rect.Top, rect.Right, std::min(rect.Top + width, rect.Bottom)},
        {rect.Left, std::max(rect.Bottom - width, rect.Top), rect.Right, rect.Bottom},
    };
    const TuiBorder sides[] = {bLeft, bRight, bTop, bBottom};
    for (size_t i = 0; i < std::size(sides); ++i) {
        if (borders.Contains(sides[i])) {
            FillRect(bands[i], nullptr, excludeFrame);
        }
    }
}

void TuiCanvas::FillRectWithParams(const vcl::TRect& rect, const TuiDrawParams& params, TuiBorders borders,
                                   vcl::TColor borderColor, int32_t borderWidth, bool exclude) {
    FrameRect(rect, borderColor, borderWidth, borders, exclude);
    const auto inset = [&](TuiBorder side) { return borders.Contains(side) ? borderWidth : 0; };
    const vcl::TRect inner{rect.Left + inset(bLeft), rect.Top + inset(bTop), rect.Right - inset(bRight),
                           rect.Bottom - inset(bBottom)};
    if (params.Color != vcl::clDefault) {
        SetBrushColor(params.Color);
    }
    FillRect(inner, params.Bitmap, exclude);
}

void TuiCanvas::ReadDrawParams(TuiDrawParams& params) {
    params.Color = Brush().Color();
    params.Font = &Font();
    params.TextColor = Font().Color();
}

void TuiCanvas::ApplyDrawParams(const TuiDrawParams& params) {
    // Unset values leave the canvas's own.
    if (params.Color != vcl::clDefault) {
        SetBrushColor(params.Color);
    }
    if (params.Font) {
        SetFont(*params.Font);
    }
    if (params.TextColor != vcl::clDefault) {
        Font().SetColor(SeamColor(params.TextColor));
    }
}

void TuiCanvas::DrawComplexFrame(const vcl::TRect& rect, vcl::TColor leftTopColor, vcl::TColor rightBottomColor,
                                 TuiBorders borders, int32_t width) {
    if (borders.Contains(bLeft)) {
        FillRectColor({rect.Left, rect.Top, rect.Left + width, rect.Bottom}, leftTopColor);
    }
    if (borders.Contains(bTop)) {
        FillRectColor({rect.Left, rect.Top, rect.Right, rect.Top + width}, leftTopColor);
    }
    if (borders.Contains(bRight)) {
        FillRectColor({rect.Right - width, rect.Top, rect.Right, rect.Bottom}, rightBottomColor);
    }
    if (borders.Contains(bBottom)) {
        FillRectColor({rect.Left, rect.Bottom - width, rect.Right, rect.Bottom}, rightBottomColor);
    }
}

void TuiCanvas::DrawEdge(const vcl::TRect& rect, bool sunken, bool outer, TuiBorders borders) {
    struct TEdgeColors {
        vcl::TColor LeftTop;
        vcl::TColor RightBottom;
    };
    // Indexed [sunken][outer].
    constexpr TEdgeColors colors[2][2] = {
        {{vcl::clBtnHighlight, vcl::clBtnShadow}, {vcl::cl3DLight, vcl::cl3DDkShadow}},
        {{vcl::cl3DDkShadow, vcl::cl3DLight}, {vcl::clBtnShadow, vcl::clBtnHighlight}},
    };
    const TEdgeColors& edge = colors[sunken][outer];
    DrawComplexFrame(rect, edge.LeftTop, edge.RightBottom, borders, 1);
}

void TuiCanvas::DrawRegion(const TuiRegion& region, vcl::TColor fillColor, vcl::TColor frameColor, int32_t frameWidth,
                           int32_t frameHeight) {
    SetBrushColor(fillColor);
    FillRgn(Handle(), region.Handle(), Brush().Handle());
    SetBrushColor(frameColor);
    FrameRgn(Handle(), region.Handle(), Brush().Handle(), frameWidth, frameHeight);
}

void TuiCanvas::InvertRect(const vcl::TRect& rect) {
    SetCopyMode(vcl::cmDstInvert);
    FCanvas->CopyRect(rect, *FCanvas, rect);
    SetCopyMode(vcl::cmSrcCopy);
}

void TuiCanvas::DrawFocusRect(const vcl::TRect& rect) {
    SetBrushColor(vcl::clWhite);
    Font().SetColor(vcl::clBlack);
    FCanvas->RequireFont();
    FCanvas->DrawFocusRect(rect);
}

void TuiCanvas::DrawThickFocusRect(const vcl::TRect& rect, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        DrawFocusRect(InflateRectBy(rect, -i, -i));
    }
}

} // namespace ui
