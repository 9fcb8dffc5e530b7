#include "ui/grid/cells/uiGridCellPainter.h"

#include "ui/grid/cells/uiGridCellViewInfo.h"

namespace ui {

void TuiCustomGridCellPainter::MainPaint() {
    if (!CanPaint()) {
        return;
    }
    Paint();
}

bool TuiCustomGridCellPainter::CanPaint() const {
    return FViewInfo.Calculated() && FCanvas.RectVisible(FViewInfo.Bounds());
}

void TuiCustomGridCellPainter::Paint() {
    TuiDrawParams saved;
    FViewInfo.SaveParams(saved);
    try {
        if (!FViewInfo.CustomDraw(FCanvas)) {
            DrawContent();
        }
    } catch (...) {
        FViewInfo.RestoreParams(saved);
        throw;
    }
    FViewInfo.RestoreParams(saved);
    DrawBorders();
}

void TuiCustomGridCellPainter::DrawContent() {
    if (!FViewInfo.CustomDrawBackground(FCanvas)) {
        DrawBackground();
    }
    DrawText();
}

void TuiCustomGridCellPainter::DrawBackground() {
    DrawBackgroundRect(FViewInfo.ClientBounds());
}

void TuiCustomGridCellPainter::DrawBackgroundRect(const vcl::TRect& rect) {
    if (vcl::TBitmap* bitmap = FViewInfo.GetBackgroundBitmap()) {
        FCanvas.FillRect(rect, bitmap);
        return;
    }
    FCanvas.FillRectColor(rect, FViewInfo.Params().Color);
}

void TuiCustomGridCellPainter::DrawBorders() {
    for (const TuiBorder side : {bLeft, bTop, bRight, bBottom}) {
        if (FViewInfo.Borders().Contains(side)) {
            DrawBorder(side);
        }
    }
}

void TuiCustomGridCellPainter::DrawBorder(TuiBorder side) {
    FCanvas.FillRectColor(FViewInfo.GetBorderBounds(side), FViewInfo.GetBorderColor(side));
}

void TuiCustomGridCellPainter::DrawText() {
    if (FViewInfo.Text().empty()) {
        return;
    }
    const TuiDrawParams& params = FViewInfo.Params();
    if (params.Font) {
        FCanvas.SetFont(*params.Font);
    }
    if (params.TextColor != vcl::clDefault) {
        FCanvas.Font().SetColor(params.TextColor);
    }
    FCanvas.Brush().SetStyle(vcl::bsClear);
    FCanvas.DrawText(FViewInfo.Text(), FViewInfo.GetTextAreaBounds(),
                     static_cast<uint16_t>(FViewInfo.GetTextAttributes(true)));
    FCanvas.Brush().SetStyle(vcl::bsSolid);
}

} // namespace ui
