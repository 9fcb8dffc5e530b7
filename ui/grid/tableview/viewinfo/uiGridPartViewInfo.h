#pragma once
// TuiCustomGridPartViewInfo: a band stacked at the top or bottom of a table view (the filter bar is one). It shows
// by its visibility: a hidden part is 0 high with empty bounds. The view's OnCustomDrawPartBackground paints its
// background first when assigned.

#include "ui/grid/cells/uiGridViewCellViewInfo.h"

#include <cstdint>

namespace ui {

class TuiGridTableViewInfo;

enum TuiGridPartPosition : uint8_t { gppTop, gppBottom };

class TuiCustomGridPartViewInfo : public TuiCustomGridViewCellViewInfo {
public:
    explicit TuiCustomGridPartViewInfo(TuiGridTableViewInfo& tableViewInfo);

    virtual bool Visible() const = 0;
    virtual TuiGridPartPosition Position() const = 0;
    bool AtTop() const { return Position() == gppTop; }
    int32_t Height() const { return FHeight; }

    // Measures a visible part; a hidden one calculates hidden and measures 0.
    int32_t MeasureHeight();
    // Places a measured part in bounds; a 0-high one stays hidden.
    void CalculateShown(const vcl::TRect& bounds);
    void CalculateHidden();

    bool HasCustomDrawBackground() const override;

protected:
    TuiGridTableViewInfo& TableViewInfo() const { return FTableViewInfo; }
    // The view's handler paints the background.
    bool DoCustomDrawBackground(TuiCanvas& canvas) override;
    // The part's own measuring and layout of what it shows.
    virtual int32_t MeasureShownHeight() = 0;
    virtual void PlaceContent() {}
    virtual void ClearContent() {}

private:
    TuiGridTableViewInfo& FTableViewInfo;
    int32_t FHeight = 0;
};

} // namespace ui
