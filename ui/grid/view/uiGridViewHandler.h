#pragma once
// TuiGridViewHandler: the base of a view's handler objects (controller, painter, view info and its cache), each
// holding the view it works for.

namespace ui {

class TuiCustomGrid;
class TuiCustomGridView;

class TuiGridViewHandler {
public:
    explicit TuiGridViewHandler(TuiCustomGridView& gridView) : FGridView(gridView) {}
    virtual ~TuiGridViewHandler() = default;
    TuiGridViewHandler(const TuiGridViewHandler&) = delete;
    TuiGridViewHandler& operator=(const TuiGridViewHandler&) = delete;

    TuiCustomGridView& GridView() const { return FGridView; }
    // The grid the view belongs to, or nullptr.
    TuiCustomGrid* Control() const;

private:
    TuiCustomGridView& FGridView;
};

} // namespace ui
