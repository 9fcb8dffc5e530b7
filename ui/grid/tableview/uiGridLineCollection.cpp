#include "ui/grid/tableview/uiGridLineCollection.h"

#include <cstdint>

namespace ui {

void TuiGridLineCollection::Add(const vcl::TRect& line) {
    if (!line.IsEmpty()) {
        FLines.push_back(line);
    }
}

void TuiGridLineCollection::AddBorders(const vcl::TRect& bounds, TuiBorders borders, int width) {
    const vcl::TRect& b = bounds;
    if (borders.Contains(bLeft)) {
        Add({b.Left, b.Top, b.Left + width, b.Bottom});
    }
    if (borders.Contains(bTop)) {
        Add({b.Left, b.Top, b.Right, b.Top + width});
    }
    if (borders.Contains(bRight)) {
        Add({b.Right - width, b.Top, b.Right, b.Bottom});
    }
    if (borders.Contains(bBottom)) {
        Add({b.Left, b.Bottom - width, b.Right, b.Bottom});
    }
}

void TuiGridLineCollection::Draw(TuiCanvas& canvas, vcl::TColor color) const {
    std::vector<vcl::TPoint> points;
    points.reserve(FLines.size() * 2);
    for (const vcl::TRect& line : FLines) {
        points.push_back(line.TopLeft());
        if (line.Height() == 1) {
            points.push_back({line.Right, line.Top});
        } else {
            points.push_back({line.Left, line.Bottom});
        }
    }
    const std::vector<uint32_t> counts(FLines.size(), 2);
    canvas.Pen().SetColor(color);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(vcl::psSolid);
    canvas.Pen().SetMode(vcl::pmCopy);
    canvas.PolyPolyline(points, counts);
}

} // namespace ui
