#include "ui/grid/tableview/uiGridHeaderAreas.h"

#include <algorithm>

namespace ui {

namespace {

TuiGridHeaderSpan CentreHeaderArea(TuiGridHeaderSpan start, int width) {
    const int left = start.Left + (start.Width() - width) / 2;
    return {left, left + width};
}

TuiGridHeaderSpan PlaceHeaderArea(TuiGridHeaderSpan header, const TuiGridHeaderArea& area,
                                  const TuiGridHeaderCaption& caption, TuiGridHeaderSpan& textArea) {
    const TuiGridHeaderSpan start = area.PlacedInTextArea ? textArea : header;
    switch (area.Alignment) {
    case vcl::taLeftJustify: {
        const TuiGridHeaderSpan placed{start.Left, start.Left + area.Width};
        if (area.TakesRoomFromText) {
            textArea.Left = placed.Right;
        }
        return placed;
    }
    case vcl::taRightJustify: {
        const TuiGridHeaderSpan placed{start.Right - area.Width, start.Right};
        if (area.TakesRoomFromText) {
            textArea.Right = placed.Left;
        }
        return placed;
    }
    case vcl::taCenter:
        break;
    }
    const int captionRoom = caption.Width + 2 * HeaderTextInset;
    if (area.TakesRoomFromText && caption.Centred && area.Width + captionRoom < start.Width()) {
        const int left = start.Left + (start.Width() - area.Width - captionRoom) / 2;
        const TuiGridHeaderSpan placed{left, left + area.Width};
        textArea.Left = placed.Right;
        textArea.Right = std::min(textArea.Right, textArea.Left + captionRoom);
        return placed;
    }
    return CentreHeaderArea(start, area.Width);
}

} // namespace

TuiGridHeaderAreasLayout PlaceHeaderAreas(TuiGridHeaderSpan header, TuiGridHeaderSpan content,
                                          std::span<const TuiGridHeaderArea> areas,
                                          const TuiGridHeaderCaption& caption) {
    TuiGridHeaderAreasLayout layout;
    layout.TextArea = {content.Left + HeaderTextInset, content.Right - HeaderTextInset};
    layout.Areas.reserve(areas.size());
    bool roomTakenLeft = false;
    bool roomTakenRight = false;
    for (const TuiGridHeaderArea& area : areas) {
        layout.Areas.push_back(PlaceHeaderArea(header, area, caption, layout.TextArea));
        roomTakenLeft |= area.TakesRoomFromText && area.Alignment == vcl::taLeftJustify;
        roomTakenRight |= area.TakesRoomFromText && area.Alignment == vcl::taRightJustify;
    }
    if (!caption.Empty && roomTakenLeft) {
        layout.TextArea.Left += HeaderCaptionGap;
    }
    if (!caption.Empty && roomTakenRight) {
        layout.TextArea.Right -= HeaderCaptionGap;
    }
    return layout;
}

TuiBorders CellBordersForGridLines(TuiGridLines lines, bool isLastColumn) {
    switch (lines) {
    case glBoth:
        return {bRight, bBottom};
    case glNone:
        return {};
    case glVertical:
        return {bRight};
    case glHorizontal:
        return isLastColumn ? TuiBorders{bRight, bBottom} : TuiBorders{bBottom};
    }
    return {};
}

} // namespace ui
