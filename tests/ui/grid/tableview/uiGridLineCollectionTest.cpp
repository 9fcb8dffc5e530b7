#include "ui/grid/tableview/uiGridLineCollection.h"

#include "tests/support/ui/DibSurface.h"
#include "ui/grid/tableview/layout/uiGridTablePlacement.h"
#include "ui/grid/tableview/uiGridHeaderAreas.h"
#include "vcl/graphics/Canvas.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

constexpr vcl::TColor GridLineTestColor = static_cast<vcl::TColor>(0x00336699);

// The grid lines of every laid-out data cell for the grid lines mode, drawn on a white surface.
struct TPaintedGridLines {
    TuiGridTablePlacement Placement;
    TuiGridLineCollection Collection;
    ui_test::TDibSurface Surface{160, 80};

    explicit TPaintedGridLines(TuiGridLines lines) {
        static const std::vector<int> widths{30, 50, 40};
        static const std::vector<int> heights{18, 18, 18, 18, 18};
        TuiGridTableMeasures measures;
        measures.ClientBounds = {0, 0, 160, 80};
        measures.HeaderHeight = 20;
        measures.ColumnWidths = widths;
        measures.RecordHeights = heights;
        Placement = PlaceTableView(measures);

        for (const TuiGridRowPlacement& row : Placement.Rows) {
            for (size_t c = 0; c < row.Cells.size(); ++c) {
                Collection.AddBorders(row.Cells[c], CellBordersForGridLines(lines, c + 1 == row.Cells.size()));
            }
        }
        Surface.Fill(vcl::clWhite);
        Draw();
    }

    void Draw() {
        vcl::TCanvas frame;
        frame.SetHandle(Surface.DC());
        TuiCanvas canvas(frame);
        Collection.Draw(canvas, GridLineTestColor);
        frame.SetHandle(nullptr);
    }

    int LinePixelsInColumn(int x, int top, int bottom) const {
        int count = 0;
        for (int y = top; y < std::min(bottom, Surface.Height()); ++y) {
            count += Surface.Pixel(x, y) == GridLineTestColor ? 1 : 0;
        }
        return count;
    }
    int LinePixelsInRow(int y, int left, int right) const {
        int count = 0;
        for (int x = left; x < std::min(right, Surface.Width()); ++x) {
            count += Surface.Pixel(x, y) == GridLineTestColor ? 1 : 0;
        }
        return count;
    }
};

TEST(GridLineCollection, EachCellGetsTheLinesOfItsBordersInTheGridLineColour) {
    struct Case {
        TuiGridLines Lines;
        bool Vertical;
        bool Horizontal;
    };
    for (const Case c : {Case{glBoth, true, true}, Case{glVertical, true, false}, Case{glHorizontal, false, true},
                         Case{glNone, false, false}}) {
        SCOPED_TRACE(static_cast<int>(c.Lines));
        const TPaintedGridLines painted(c.Lines);
        size_t linePixels = 0;
        for (const TuiGridRowPlacement& row : painted.Placement.Rows) {
            for (size_t i = 0; i < row.Cells.size(); ++i) {
                const vcl::TRect& cell = row.Cells[i];
                const bool last = i + 1 == row.Cells.size();
                // Above the bottom row, where a horizontal line may cross.
                const int innerBottom = std::min(cell.Bottom - 1, painted.Surface.Height());
                const bool hasVertical = c.Vertical || last; // the last column closes the rows under glHorizontal
                EXPECT_EQ(painted.LinePixelsInColumn(cell.Right - 1, cell.Top, innerBottom),
                          hasVertical && c.Lines != glNone ? innerBottom - cell.Top : 0)
                    << "record " << row.RecordIndex << " column " << i;
                if (cell.Bottom <= painted.Surface.Height()) {
                    EXPECT_GE(painted.LinePixelsInRow(cell.Bottom - 1, cell.Left, cell.Right),
                              c.Horizontal ? cell.Width() : 0);
                }
                EXPECT_EQ(painted.LinePixelsInColumn(cell.Left + cell.Width() / 2, cell.Top, cell.Bottom - 1), 0)
                    << "nothing inside the cell";
            }
        }
        for (const uint32_t pixel : painted.Surface.Pixels()) {
            linePixels += (pixel & 0x00FFFFFF) != 0x00FFFFFF ? 1 : 0;
        }
        EXPECT_EQ(linePixels == 0, c.Lines == glNone) << "no line at all under glNone";
    }
}

TEST(GridLineCollection, DrawingTwiceGivesTheSamePixels) {
    TPaintedGridLines painted(glBoth);
    const std::vector<uint32_t> once = painted.Surface.Pixels();
    painted.Draw();
    EXPECT_EQ(painted.Surface.Pixels(), once);
}

} // namespace
} // namespace ui
