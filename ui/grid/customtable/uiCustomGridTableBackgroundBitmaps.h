#pragma once
// TuiCustomGridTableBackgroundBitmaps: the pictures of a view of records: its content (the Content style's bitmap
// stands for it) and its filter box (the FilterBox style's), besides the view's background.

#include "ui/grid/view/uiGridBackgroundBitmaps.h"

namespace ui {

class TuiCustomGridTableBackgroundBitmaps : public TuiCustomGridBackgroundBitmaps {
    RTL_DECLARE_CLASS(TuiCustomGridTableBackgroundBitmaps, TuiCustomGridBackgroundBitmaps)
public:
    static constexpr int32_t bbContent = 1;
    static constexpr int32_t bbFilterBox = 2;

    using TuiCustomGridBackgroundBitmaps::TuiCustomGridBackgroundBitmaps;
    // The content's and the filter box's pictures, then the base's.
    void Assign(const rtl::TPersistent* source) override;
    int32_t GetStyleIndex(int32_t index) const override;
    vcl::TBitmap& Content() { return GetByIndex(bbContent); }
    vcl::TBitmap& FilterBox() { return GetByIndex(bbFilterBox); }
};

} // namespace ui
