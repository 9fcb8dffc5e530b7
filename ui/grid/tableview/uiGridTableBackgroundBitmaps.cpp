#include "ui/grid/tableview/uiGridTableBackgroundBitmaps.h"

#include "ui/grid/tableview/uiGridTableViewStyles.h"

namespace ui {

void TuiGridTableBackgroundBitmaps::Assign(const rtl::TPersistent* source) {
    if (const auto* bitmaps = dynamic_cast<const TuiGridTableBackgroundBitmaps*>(source)) {
        AssignBitmaps(*bitmaps, {bbFooter, bbHeader, bbGroup, bbGroupByBox, bbIndicator, bbPreview});
    }
    TuiCustomGridTableBackgroundBitmaps::Assign(source);
}

int32_t TuiGridTableBackgroundBitmaps::GetStyleIndex(int32_t index) const {
    switch (index) {
    case bbFooter:
        return TuiGridTableViewStyles::vsFooter;
    case bbHeader:
        return TuiGridTableViewStyles::vsHeader;
    case bbGroup:
        return TuiGridTableViewStyles::vsGroup;
    case bbGroupByBox:
        return TuiGridTableViewStyles::vsGroupByBox;
    case bbIndicator:
        return TuiGridTableViewStyles::vsIndicator;
    case bbPreview:
        return TuiGridTableViewStyles::vsPreview;
    default:
        return TuiCustomGridTableBackgroundBitmaps::GetStyleIndex(index);
    }
}

} // namespace ui
