#pragma once
// The grid lines of a table view's records, collected while the data cells paint and drawn afterwards in one
// poly-polyline call in the grid line colour: a rectangle 1 pixel high stands for a horizontal line along its top,
// any other for a vertical line down its left side.

#include "ui/core/graphics/uiCanvas.h"
#include "vcl/system/Types.h"

#include <vector>

namespace ui {

class TuiGridLineCollection {
public:
    void Add(const vcl::TRect& line);
    // The lines of the borders a cell carries, each width pixels thick inside the cell's bounds.
    void AddBorders(const vcl::TRect& bounds, TuiBorders borders, int width = 1);
    const std::vector<vcl::TRect>& Lines() const { return FLines; }
    void Draw(TuiCanvas& canvas, vcl::TColor color) const;

private:
    std::vector<vcl::TRect> FLines;
};

} // namespace ui
