#pragma once
// TuiGridTableBackgroundBitmaps: the pictures of a table view's bands: the footer, the header, the group rows, the
// group-by box, the indicator and the previews, each standing in for its style's bitmap, besides those of a view of
// records. A picture under a part that scrolls makes the view repaint rather than move its pixels.

#include "ui/grid/customtable/uiCustomGridTableBackgroundBitmaps.h"

namespace ui {

class TuiGridTableBackgroundBitmaps : public TuiCustomGridTableBackgroundBitmaps {
    RTL_DECLARE_CLASS(TuiGridTableBackgroundBitmaps, TuiCustomGridTableBackgroundBitmaps)
public:
    static constexpr int32_t bbFooter = 3;
    static constexpr int32_t bbHeader = 4;
    static constexpr int32_t bbGroup = 5;
    static constexpr int32_t bbGroupByBox = 6;
    static constexpr int32_t bbIndicator = 7;
    static constexpr int32_t bbPreview = 8;

    using TuiCustomGridTableBackgroundBitmaps::TuiCustomGridTableBackgroundBitmaps;
    // The six pictures of the bands, then those of a view of records.
    void Assign(const rtl::TPersistent* source) override;
    // Footer 9, Header 15, Group 10, GroupByBox 11, Indicator 17, Preview 18.
    int32_t GetStyleIndex(int32_t index) const override;
    vcl::TBitmap& Footer() { return GetByIndex(bbFooter); }
    vcl::TBitmap& Header() { return GetByIndex(bbHeader); }
    vcl::TBitmap& Group() { return GetByIndex(bbGroup); }
    vcl::TBitmap& GroupByBox() { return GetByIndex(bbGroupByBox); }
    vcl::TBitmap& Indicator() { return GetByIndex(bbIndicator); }
    vcl::TBitmap& Preview() { return GetByIndex(bbPreview); }
};

} // namespace ui
