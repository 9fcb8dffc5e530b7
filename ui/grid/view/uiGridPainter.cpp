#include "ui/grid/view/uiGridPainter.h"

#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiRegion.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridBackgroundBitmaps.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewInfo.h"
#include "ui/grid/view/uiGridViewStyles.h"

namespace ui {

TuiCustomGridPainter::TuiCustomGridPainter(TuiCustomGridView& gridView) : TuiGridViewHandler(gridView) {}

TuiCustomGridPainter::~TuiCustomGridPainter() = default;

void TuiCustomGridPainter::Paint(TuiCanvas* canvas) {
    FCanvas = canvas ? canvas : &GridView().ViewInfo().Canvas();
    try {
        BeforePaint();
        PaintContent();
        AfterPaint();
    } catch (...) {
        FBackgroundRegion.reset();
        FCanvas->PopClipRegion();
        FCanvas = nullptr;
        throw;
    }
    FCanvas = nullptr;
}

void TuiCustomGridPainter::BeforePaint() {
    FCanvas->PushClipRegion();
    FBackgroundRegion = std::make_unique<TuiRegion>(GridView().ViewInfo().ClientBounds());
}

void TuiCustomGridPainter::AfterPaint() {
    DrawBackground();
    FBackgroundRegion.reset();
    FCanvas->PopClipRegion();
}

void TuiCustomGridPainter::ExcludeFromBackground(const vcl::TRect& rect) {
    if (FBackgroundRegion) {
        FBackgroundRegion->CombineWith(TuiRegion(rect), TuiRegionOperation::Difference);
    }
}

void TuiCustomGridPainter::DrawBackground() {
    const TuiCustomGridViewInfo& viewInfo = GridView().ViewInfo();
    FCanvas->PushClipRegion();
    FCanvas->SetClipRegion(*FBackgroundRegion, TuiRegionOperation::Intersection);
    // The background's picture, when it has one, is tiled instead of the colour.
    if (vcl::TBitmap* bitmap = GridView().BackgroundBitmaps().GetBitmap(TuiCustomGridBackgroundBitmaps::bbBackground)) {
        FCanvas->FillRect(viewInfo.ClientBounds(), bitmap);
    } else {
        FCanvas->FillRectColor(viewInfo.ClientBounds(), viewInfo.GetBackgroundColor());
    }
    FCanvas->PopClipRegion();
}

void TuiCustomGridPainter::DrawFocusRect(const vcl::TRect& rect, bool hideFocusRect) {
    if (GridView().HasFocus()) {
        FCanvas->DrawFocusRect(rect);
        return;
    }
    if (hideFocusRect) {
        return;
    }
    FCanvas->InvertRect(vcl::Rect(rect.Left, rect.Top, rect.Right, rect.Top + 1));
    FCanvas->InvertRect(vcl::Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom));
    FCanvas->InvertRect(vcl::Rect(rect.Left, rect.Top + 1, rect.Left + 1, rect.Bottom - 1));
    FCanvas->InvertRect(vcl::Rect(rect.Right - 1, rect.Top + 1, rect.Right, rect.Bottom - 1));
}

void TuiCustomGridPainter::Invalidate() {
    GridView().Site().Invalidate();
}

void TuiCustomGridPainter::InvalidateRect(const vcl::TRect& rect) {
    GridView().Site().InvalidateRect(rect, false);
}

} // namespace ui
