#include "ui/grid/control/uiGridLevelStyles.h"

#include "ui/core/graphics/uiDrawParams.h"
#include "ui/grid/control/uiCustomGrid.h"
#include "ui/grid/control/uiGridLevel.h"

namespace ui {

TuiGridLevelStyles::TuiGridLevelStyles(TuiGridLevel& level) : TuiStyles(&level), FLevel(level) {}

void TuiGridLevelStyles::GetTabDrawParams(rtl::TObject* masterRecord, TuiGridLevel& tabLevel, TuiDrawParams& params) {
    TuiStyle* style = nullptr;
    if (FOnGetTabStyle) {
        FOnGetTabStyle(FLevel, tabLevel, style);
    }
    tabLevel.Styles().DoGetOwnTabStyle(masterRecord, style);
    ResolveDrawParams(lsTab, nullptr, style, params);
}

void TuiGridLevelStyles::DoGetOwnTabStyle(rtl::TObject* masterRecord, TuiStyle*& style) {
    if (FOnGetOwnTabStyle) {
        FOnGetOwnTabStyle(FLevel, masterRecord, style);
    }
}

void TuiGridLevelStyles::GetDefaultDrawParams(int32_t index, rtl::TObject* data, TuiDrawParams& params) {
    TuiStyles::GetDefaultDrawParams(index, data, params);
    TuiCustomGrid* grid = FLevel.Control();
    if (grid == nullptr) {
        return;
    }
    params.Font = &grid->Font();
    if (index == lsTab) {
        params.Color = grid->GetPainter()->AltFaceColor();
        params.TextColor = grid->GetPainter()->AltTextColor();
    } else if (index == lsTabsBackground) {
        params.Color = vcl::clDefault;
    }
}

void TuiGridLevelStyles::Changed(int32_t /*index*/) {
    FLevel.Changed(true);
}

} // namespace ui
