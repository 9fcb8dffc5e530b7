#pragma once
// TuiCustomGridViewInfo: a view's layout. It owns the view's window (the site), works out the layout inside the
// site's bounds, shows or parks the site as the view comes and goes, and answers hit tests.

#include "rtl/core/Component.h"
#include "ui/grid/view/uiGridViewHandler.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"

#include <memory>
#include <vector>

namespace vcl {
class TFont;
}

namespace ui {

class TuiCanvas;
class TuiCustomGridCellViewInfo;
class TuiCustomGridHitTest;
class TuiGridSite;

// The left edge of a site kept alive off-screen (hidden while it holds the focus).
inline constexpr int32_t GridSiteParkingLeft = 30000;

class TuiCustomGridViewInfo : public TuiGridViewHandler {
public:
    explicit TuiCustomGridViewInfo(TuiCustomGridView& gridView);
    ~TuiCustomGridViewInfo() override;

    TuiGridSite& Site() const { return *FSite; }
    TuiCanvas& Canvas() const;
    // The canvas the layout measures on: the screen's, as the site may have no window yet.
    TuiCanvas& MeasuringCanvas() const;
    // The height of "Qq" in font (nullptr: the canvas's own) on the measuring canvas.
    int32_t FontHeight(const vcl::TFont* font) const;
    bool IsCalculating() const { return FIsCalculating; }
    bool IsVisibilityChanging() const { return FVisibilityChanging; }
    // The site's bars follow a new layout, which is worked out again when they change the client area.
    bool IsFollowingScrollBars() const { return FFollowingScrollBars; }
    bool IsCalculated() const { return !FClientBounds.IsEmpty(); }
    // The client rectangle of the last calculation.
    const vcl::TRect& ClientBounds() const { return FClientBounds; }

    // The site takes rect and the layout is worked out in it; a nested call is ignored. The site is shown or parked
    // afterwards, also when the calculation raised; then its scroll bars follow the layout.
    void CalculateInBounds(const vcl::TRect& rect);
    // With the site's current bounds.
    void Recalculate();
    // Shows the site when visible and the view is visible, else hides or parks it.
    void UpdateVisibility(bool visible);

    // The height the view wants within maxSize, and whether all its content fits in it.
    int32_t GetHeight(const vcl::TSize& maxSize, bool& fullyVisible);
    // The width the view wants within maxSize.
    int32_t GetWidth(const vcl::TSize& maxSize);
    // Size calculations (GetHeight, GetWidth) are running.
    bool IsSizeCalculating() const { return FSizeCalculating; }

    // The pointer in the site's coordinates when the layout was last worked out, or moved to then: far outside
    // while the site has no window or is parked.
    vcl::TPoint MousePos() const { return FMousePos; }
    void UpdateMousePos();

    // The cells running code that may free them or the whole layout (an event handler of a mouse press) stand here
    // meanwhile; a cell that goes away leaves the list, so that the code finds out before it touches the cell
    // again. A cell may stand more than once.
    void AddProcessingCell(TuiCustomGridCellViewInfo* cell);
    bool IsProcessingCell(const TuiCustomGridCellViewInfo* cell) const;
    // The first entry of cell, or every one with all.
    void RemoveProcessingCell(const TuiCustomGridCellViewInfo* cell, bool all);

    // Run by a queued focus change; nothing in the base.
    virtual void ControlFocusChanged() {}

    virtual bool CanPaint() const { return !FIsCalculating && !FVisibilityChanging; }
    virtual vcl::TColor GetBackgroundColor() const;
    // The none hit test of the view where no cell lies.
    virtual TuiCustomGridHitTest& GetHitTest(vcl::TPoint point);
    // The site may lose its parent (it does not hold the focus, nor does a view inside it).
    virtual bool CanHideSite() const;

protected:
    // Places the view's parts inside ClientBounds; nothing in the base.
    virtual void Calculate() {}
    // The site's bars follow the new layout (which is worked out again when they change the client area), and the
    // controller checks the positions it keeps.
    virtual void AfterCalculating();
    // Descendants measure their content first; the base adds the visible scroll bars.
    virtual void CalculateHeight(const vcl::TSize& maxSize, int32_t& height, bool& fullyVisible);
    virtual void CalculateWidth(const vcl::TSize& maxSize, int32_t& width);
    virtual void VisibilityChanged(bool visible);

private:
    std::unique_ptr<TuiGridSite, rtl::TComponentDeleter> FSite;
    std::vector<TuiCustomGridCellViewInfo*> FProcessingCells; // not owned
    vcl::TRect FClientBounds;
    vcl::TPoint FMousePos;
    bool FIsCalculating = false;
    bool FVisibilityChanging = false;
    bool FSizeCalculating = false;
    bool FRecalculatingForScrollBars = false;
    bool FFollowingScrollBars = false;
};

} // namespace ui
