#include "ui/grid/customtable/uiCustomGridTableBackgroundBitmaps.h"

#include "ui/grid/customtable/uiCustomGridTableViewStyles.h"

namespace ui {

void TuiCustomGridTableBackgroundBitmaps::Assign(const rtl::TPersistent* source) {
    if (const auto* bitmaps = dynamic_cast<const TuiCustomGridTableBackgroundBitmaps*>(source)) {
        AssignBitmaps(*bitmaps, {bbContent, bbFilterBox});
    }
    TuiCustomGridBackgroundBitmaps::Assign(source);
}

int32_t TuiCustomGridTableBackgroundBitmaps::GetStyleIndex(int32_t index) const {
    switch (index) {
    case bbContent:
        return TuiCustomGridTableViewStyles::vsContent;
    case bbFilterBox:
        return TuiCustomGridTableViewStyles::vsFilterBox;
    default:
        return TuiCustomGridBackgroundBitmaps::GetStyleIndex(index);
    }
}

} // namespace ui
