#pragma once
// The level indents at the left of a table view's rows: one per grouping level (the group rows' own level less one
// under the Office 2003 group-row style, which draws its groups without an indent of their own), one more in a master
// view for the master rows' expand buttons. Each indent is a background strip with the grid lines at its right and,
// under the last record of its group, at its bottom.

#include "ui/grid/tableview/layout/uiGridTableMetrics.h"
#include "vcl/system/Types.h"

namespace ui {

// The indents of every row of a view.
int TableLevelCount(int groupingCount, bool office11GroupRows, bool isMaster);

struct TuiGridLevelIndentRects {
    vcl::TRect Background;
    vcl::TRect RightLine;
    vcl::TRect BottomLine;
    bool operator==(const TuiGridLevelIndentRects&) const = default;
};

// Indent level of a row: levelIndent wide from the row's left. The right line is a grid line wide where the view
// has horizontal grid lines; where the row closes its group of that level, the bottom line (with horizontal grid
// lines) stands above the row's separator, which the indent leaves to the separator's own painting.
TuiGridLevelIndentRects LevelIndentRects(const vcl::TRect& row, int level, int levelIndent, TuiGridLines lines,
                                         bool closesGroup, int separatorWidth = 0);

// The expand button of a row in an indent: 3 pixels from the indent's left, centred vertically in the row.
vcl::TRect ExpandButtonInIndent(const vcl::TRect& row, int indentLeft, int buttonSize);

} // namespace ui
