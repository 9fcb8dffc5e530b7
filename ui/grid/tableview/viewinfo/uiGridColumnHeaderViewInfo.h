#pragma once
// TuiGridColumnHeaderViewInfo: one column's header in the header band: its bounds, the neighbours and frame edges
// the look-and-feel painter draws, the area left for the caption and the places of the filter button, sorting mark and
// glyph beside it, and the hit tests of the header, its filter button and its sizing edge.

#include "ui/grid/cells/uiGridCellViewInfo.h"
#include "ui/grid/tableview/uiGridHeaderAreas.h"

#include <vector>

namespace ui {

class TuiCustomGridColumnHitTest;
class TuiCustomLookAndFeelPainter;
class TuiGridColumn;
class TuiGridTableViewInfo;
enum TuiButtonState : uint8_t;
enum TuiGridColumnContainerKind : uint8_t;

class TuiGridColumnHeaderViewInfo : public TuiCustomGridCellViewInfo {
public:
    // The half width of the sizing edge on each side of the header's right border.
    static constexpr int32_t SizingEdgeHalfWidth = 4;

    // In the header band, or in the group-by box where a header has all four borders and no sizing edge.
    TuiGridColumnHeaderViewInfo(TuiGridTableViewInfo& tableViewInfo, TuiGridColumn& column,
                                TuiGridColumnContainerKind container);

    TuiGridColumn& Column() const { return FColumn; }
    TuiGridTableViewInfo& TableViewInfo() const { return FTableViewInfo; }
    // Lays the header out in bounds; first and last name its place among the visible columns.
    void CalculateHeader(const vcl::TRect& bounds, bool first, bool last);
    // Moves the header and its areas sideways.
    void OffsetHeader(int32_t dx);

    // The sides on which another header stands. A header whose look leaves out a frame edge towards its neighbour
    // is painted one frame wider on that side with its full frame, overlapping the neighbour's border.
    TuiBorders Neighbours() const { return FNeighbours; }
    const vcl::TRect& PaintBounds() const { return FPaintBounds; }
    bool IsLast() const { return FIsLast; }
    // Where the caption is drawn, and the sorting mark's place (empty without a sort order).
    const vcl::TRect& CaptionBounds() const { return FCaptionBounds; }
    const vcl::TRect& SortingMarkBounds() const { return FSortingMarkBounds; }
    bool HasSortingMark() const;
    // The filter drop-down button: the column can be filtered, and the button shows always or while the header is hot
    // or pressed (as the header was when laid out); it looks active while the view's filter has a condition on the
    // column.
    bool ShowsFilterButton() const;
    bool HasFilterButton() const { return !FFilterButtonBounds.IsEmpty(); }
    const vcl::TRect& FilterButtonBounds() const { return FFilterButtonBounds; }
    bool IsFiltered() const;
    // The button's own look: hot while the pointer is over it.
    TuiButtonState FilterButtonState() const;
    // The column's HeaderGlyph beside the caption.
    bool HasGlyph() const;
    const vcl::TRect& GlyphBounds() const { return FGlyphBounds; }
    bool SortedAscending() const;
    // The caption's height: wrapped to its bounds' width when the headers take their captions' heights, else a line
    // of "Qq"; in the header's font.
    int32_t CaptionHeight() const;
    // The caption does not fit its bounds: wider than them on one line, or taller when painted wrapped.
    bool IsCaptionCut() const;
    // The width the header needs to show its whole caption beside its areas.
    int32_t BestFitWidth() const;
    // Pressed by the mouse, or the column the table controller holds pressed.
    bool IsShownPressed() const;
    vcl::TRect SizingEdgeBounds() const;
    bool HasSizingEdge() const;
    // The header's hit test at point, the sizing edge's first; nullptr outside both.
    TuiCustomGridHitTest* HitTestAt(vcl::TPoint point);
    // Follows the pointer over the header and its filter button.
    bool MouseMove(TuiCustomGridHitTest& hitTest, vcl::TShiftState shift) override;

protected:
    TuiCustomGridHitTest* CreateHitTest(vcl::TPoint point) override;
    vcl::TAlignment GetAlignmentHorz() const override;
    TuiAlignmentVert GetAlignmentVert() const override;
    rtl::UnicodeString GetText() const override;
    // Captions wrap when the headers take their heights from them, and are painted wrapped also in a stored height.
    bool GetMultiLine() const override;
    bool GetMultiLinePainting() const override;
    bool ShowEndEllipsis() const override;
    TuiControl* GetControl() const override;
    // The look decides whether headers light up under the pointer; a filter button shown only while the header is hot
    // needs the pointer followed whatever the look.
    bool HotTrack() const override;
    // A filter button that shows only while the header is hot or pressed comes and goes with the state: the caption
    // and the other areas make room for it, or take its room back.
    void StateChanged(TuiGridCellMouseState oldState) override;
    void Invalidate() override;

private:
    // An area beside the caption and the member it is placed in.
    struct TAreaEntry {
        TuiGridHeaderArea Area;
        vcl::TRect TuiGridColumnHeaderViewInfo::*Place;
        int32_t Height;
        TuiAlignmentVert Alignment;
    };

    const TuiCustomLookAndFeelPainter& Painter() const;
    std::vector<TAreaEntry> AreaEntries() const;
    void PlaceCaptionAndAreas();
    // The column can be filtered from its header.
    bool CanShowFilterButton() const;
    // The caption wrapped to the caption bounds' width, in the header's font.
    vcl::TSize WrappedCaptionSize(rtl::UnicodeStringView caption) const;
    // The caption's width in the header's font.
    int32_t CaptionWidth(const rtl::UnicodeString& caption) const;
    // The hit test names the header's view, column and container.
    TuiCustomGridColumnHitTest& NameColumn(TuiCustomGridColumnHitTest& hitTest) const;

    TuiGridTableViewInfo& FTableViewInfo;
    TuiGridColumn& FColumn;
    TuiGridColumnContainerKind FContainer;
    TuiBorders FNeighbours;
    vcl::TRect FPaintBounds;
    vcl::TRect FCaptionBounds;
    vcl::TRect FSortingMarkBounds;
    vcl::TRect FFilterButtonBounds;
    vcl::TRect FGlyphBounds;
    bool FIsLast = false;
    bool FFilterButtonHot = false;
};

} // namespace ui
