#pragma once
// The horizontal places of a column header's areas (sizing edge, filter button, sorting mark, glyph) and of the text
// area that remains for the caption, and the borders a cell carries for the view's grid lines.

#include "ui/core/graphics/uiCanvas.h"
#include "ui/grid/tableview/layout/uiGridTableMetrics.h"
#include "vcl/stdctrls/StdCtrlTypes.h"

#include <span>
#include <vector>

namespace ui {

// The pixels the text area keeps from the header's content on each side, and a caption from an area beside it.
inline constexpr int HeaderTextInset = 2;
inline constexpr int HeaderCaptionGap = 2;

struct TuiGridHeaderSpan {
    int Left = 0;
    int Right = 0;
    int Width() const { return Right - Left; }
    bool operator==(const TuiGridHeaderSpan&) const = default;
};

struct TuiGridHeaderArea {
    int Width = 0;
    vcl::TAlignment Alignment = vcl::taLeftJustify;
    bool TakesRoomFromText = true;
    bool PlacedInTextArea = true;
};

struct TuiGridHeaderCaption {
    int Width = 0;
    bool Empty = true;
    bool Centred = false;
};

struct TuiGridHeaderAreasLayout {
    TuiGridHeaderSpan TextArea;
    std::vector<TuiGridHeaderSpan> Areas;
};

// Places the areas in their order over the header: the text area starts as the content inset by 2, each area is
// aligned within the text area (or the header) and may take its room from the text; a centred caption and a centred
// area stand together in the middle when both fit. A caption keeps 2 pixels from an area beside it.
TuiGridHeaderAreasLayout PlaceHeaderAreas(TuiGridHeaderSpan header, TuiGridHeaderSpan content,
                                          std::span<const TuiGridHeaderArea> areas,
                                          const TuiGridHeaderCaption& caption);

TuiBorders CellBordersForGridLines(TuiGridLines lines, bool isLastColumn);

} // namespace ui
