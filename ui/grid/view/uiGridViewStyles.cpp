#include "ui/grid/view/uiGridViewStyles.h"

#include "ui/core/graphics/uiDrawParams.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/view/uiCustomGridView.h"

namespace ui {

void TuiCustomGridStyles::GetDefaultDrawParams(int32_t index, rtl::TObject* data, TuiDrawParams& params) {
    TuiStyles::GetDefaultDrawParams(index, data, params);
    const TuiCustomGridView* gridView = GetGridView();
    if (TuiCustomGrid* grid = gridView ? gridView->Grid() : nullptr) {
        params.Font = &grid->Font();
    }
}

void TuiCustomGridStyles::Changed(int32_t /*index*/) {
    if (TuiCustomGridView* gridView = GetGridView()) {
        gridView->Changed(2);
    }
}

TuiCustomGridViewStyles::TuiCustomGridViewStyles(TuiCustomGridView& gridView)
    : TuiCustomGridStyles(&gridView), FGridView(&gridView) {}

TuiCustomGridViewStyles::TuiCustomGridViewStyles(rtl::TPersistent* owner)
    : TuiCustomGridStyles(owner), FGridView(dynamic_cast<TuiCustomGridView*>(owner)) {}

void TuiCustomGridViewStyles::GetDefaultDrawParams(int32_t index, rtl::TObject* data, TuiDrawParams& params) {
    TuiCustomGridStyles::GetDefaultDrawParams(index, data, params);
    if (index == vsBackground && FGridView) {
        params.Color = FGridView->LookAndFeelPainter()->ContentColor();
        params.TextColor = vcl::clGrayText;
    }
}

} // namespace ui
