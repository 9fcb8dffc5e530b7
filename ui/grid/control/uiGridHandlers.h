#pragma once
// The grid's own handlers: its view info lays the top details site (the root level's, with the top level tabs and
// the active view) over the client area and answers hit tests; its painter paints that site; its controller hands
// the mouse to the cell under it.

#include "ui/grid/control/uiGridDetailsSite.h"
#include "vcl/controls/ControlTypes.h"

#include <memory>

namespace ui {

class TuiCustomGrid;
class TuiCustomGridHitTest;

// The details site of the root level: it fills the grid's client area and shows the grid's active view, under or
// beside a tab per top level; a tab chosen makes its level the grid's active level.
class TuiGridTopDetailsSiteViewInfo : public TuiCustomGridDetailsSiteViewInfo {
    RTL_DECLARE_CLASS(TuiGridTopDetailsSiteViewInfo, TuiCustomGridDetailsSiteViewInfo)
public:
    explicit TuiGridTopDetailsSiteViewInfo(TuiCustomGrid& grid);
    ~TuiGridTopDetailsSiteViewInfo() override;

    int32_t CalculateHeight() override;
    int32_t CalculateWidth() override;
    // The view the next site still shows stays where it is.
    void VisibilityChanged(bool visible) override;
    TuiGridLevel* GetActiveLevel() const override;
    vcl::TWinControl* GetContainer() const override;
    bool ShowTabAccelerators() const override { return true; }
    void InitTabHitTest(TuiGridDetailsSiteTabHitTest& hitTest) const override;
    void ActiveLevelChanged(TuiGridLevel& level) override;

protected:
    TuiCustomGridView* GetActiveGridViewValue() const override;
    // The level's view has rows.
    bool HasDetailData(const TuiGridLevel& level) const override;
    int32_t GetMaxHeight() const override;
    int32_t GetMaxWidth() const override;

private:
    TuiCustomGrid& FGrid;
};

class TuiGridViewInfo {
public:
    explicit TuiGridViewInfo(TuiCustomGrid& grid) : FGrid(grid) {}
    ~TuiGridViewInfo();
    TuiGridViewInfo(const TuiGridViewInfo&) = delete;
    TuiGridViewInfo& operator=(const TuiGridViewInfo&) = delete;

    // The top site, rebuilt (its tab strip keeps its scroll position), laid out over the client area when a top level
    // is visible.
    void Calculate();
    bool IsCalculating() const { return FCalculating; }
    // nullptr before the first layout.
    TuiGridTopDetailsSiteViewInfo* DetailsSite() const { return FDetailsSite.get(); }
    // Some top level is visible.
    bool IsDetailsSiteVisible() const;
    // The top site's hit test, else the grid's none hit test.
    TuiCustomGridHitTest& GetHitTestAt(int32_t x, int32_t y);

private:
    // A new top site in place of the old one, taking over its tabs' scroll position.
    void Recalculate();

    TuiCustomGrid& FGrid;
    std::unique_ptr<TuiGridTopDetailsSiteViewInfo, rtl::TComponentDeleter> FDetailsSite;
    bool FCalculating = false;
};

class TuiGridController {
public:
    explicit TuiGridController(TuiCustomGrid& grid) : FGrid(grid) {}
    void MouseDown(vcl::TMouseButton button, vcl::TShiftState shift, int32_t x, int32_t y);
    void MouseMove(vcl::TShiftState shift, int32_t x, int32_t y);

private:
    TuiCustomGrid& FGrid;
};

class TuiGridPainter {
public:
    explicit TuiGridPainter(TuiCustomGrid& grid) : FGrid(grid) {}
    // The top details site, when some top level is visible.
    void Paint();
    // The grid, and with sites the views' windows too.
    void Invalidate(bool withSites);

private:
    TuiCustomGrid& FGrid;
};

} // namespace ui
