#pragma once
// What the layout and painting tests of the table view share: a view of a text, a currency and an integer column on
// a grid, filled with distinct values, laid out in given bounds, and a canvas over a 32-bit DIB to paint it on.

#include "tests/support/ui/DibSurface.h"
#include "tests/ui/grid/GridTestSupport.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/grid/tableview/viewinfo/uiGridTableViewInfo.h"
#include "vcl/graphics/Canvas.h"

#include <memory>

namespace ui_test {

// A TuiCanvas over a surface.
struct TGridCanvasSurface {
    TDibSurface Surface;
    vcl::TCanvas Frame;
    ui::TuiCanvas Canvas{Frame};

    TGridCanvasSurface(int width, int height, vcl::TColor fill = vcl::clFuchsia) : Surface(width, height) {
        Surface.Fill(fill);
        Frame.SetHandle(Surface.DC());
    }
    ~TGridCanvasSurface() { Frame.SetHandle(nullptr); }
};

class GridTableLayoutTest : public GridOnFormTest {
protected:
    static constexpr vcl::TRect DefaultBounds{0, 0, 360, 200};

    explicit GridTableLayoutTest(TFormPlacement placement = TFormPlacement::OffScreen) : GridOnFormTest(placement) {}

    void SetUp() override;
    // Three columns (text, currency, integer) and records rows of distinct values.
    void Fill(int records);
    ui::TuiGridTableViewInfo& Layout(const vcl::TRect& bounds = DefaultBounds);
    // The table controller scrolls the view to a top record (a left position).
    void ScrollTo(int top);
    void ScrollLeftTo(int leftPos);
    // The view painted on a surface of the bounds' size.
    std::unique_ptr<TGridCanvasSurface> Paint(const vcl::TRect& bounds = DefaultBounds);

    ui::TuiGridTableView* View = nullptr;
};

// The two surfaces hold the same pixels over area.
bool SameArea(const TDibSurface& a, const TDibSurface& b, const vcl::TRect& area);
// A colour as a surface's pixel shows it.
vcl::TColor RgbOf(vcl::TColor color);
// The pixels of area in rgb.
int CountPixels(const TDibSurface& surface, const vcl::TRect& area, vcl::TColor rgb);

// The layout's invariants: header cells side by side from the content left, the rows area as wide as the data, rows
// stacked without gaps under the header, a group row one cell inside its bounds, each cell (before merging) under its
// header with the header's width, nothing below the client bounds but the last row.
void ExpectLayoutInvariants(const ui::TuiGridTableViewInfo& viewInfo);

} // namespace ui_test
