#include "ui/pagecontrol/painters/uiPCUltraFlatPainter.h"

#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/pagecontrol/painters/uiPCPainterColors.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"

namespace ui {

bool TuiPCUltraFlatPainter::TMetaclass::IsDefaultForLookAndFeel(const TuiLookAndFeel& lookAndFeel) const {
    const TuiLookAndFeelPainterClass painter = lookAndFeel.ActivePainter();
    return painter && painter->StyleKind() == pskUltraFlat;
}

std::unique_ptr<TuiPCCustomPainter>
TuiPCUltraFlatPainter::TMetaclass::CreatePainter(TuiCustomTabControl& control) const {
    return std::make_unique<TuiPCUltraFlatPainter>(control);
}

const TuiPCUltraFlatPainter::TMetaclass& TuiPCUltraFlatPainter::StaticClass() {
    static const TMetaclass metaclass;
    return metaclass;
}

int32_t TuiPCUltraFlatPainter::GetNavigatorButtonWidth(TuiPCNavigatorButton button) {
    switch (button) {
    case nbGoDialog:
        return 11;
    case nbClose:
        return 14;
    default:
        return 15;
    }
}

int32_t TuiPCUltraFlatPainter::GetButtonsDistance(TuiPCNavigatorButton button, TuiPCNavigatorButton next) {
    return button == nbClose || next == nbClose ? 3 : 1;
}

vcl::TColor TuiPCUltraFlatPainter::GetNavigatorButtonColor(TuiPCNavigatorButtonState state) {
    switch (state) {
    case nbsPressed:
        return vcl::clBtnShadow;
    case nbsHot:
        return vcl::clBtnFace;
    default:
        return LightFaceColor();
    }
}

TuiPCStandardPainter::TNavigatorButtonInfo TuiPCUltraFlatPainter::GetNavigatorButtonInfo(TuiPCNavigatorButton button) {
    TNavigatorButtonInfo info;
    info.GlyphFillColor = GetNavigatorButtonGlyphColor(ParentInfo().NavigatorButtonState(button));
    info.GlyphOutlineColor = info.GlyphFillColor;
    info.Enabled = Control().Enabled();
    info.SmallCloseGlyph = button == nbClose;
    return info;
}

vcl::TPoint TuiPCUltraFlatPainter::GetNavigatorButtonGlyphOffset(TuiPCNavigatorButton button) {
    return TuiPCStandardPainter::GetNavigatorButtonGlyphOffset(button);
}

void TuiPCUltraFlatPainter::DrawNavigatorButtonFrame(vcl::TRect& rect, TuiPCNavigatorButtonState state) {
    const bool active = state == nbsPressed || state == nbsHot;
    ParentInfo().Canvas().FrameRect(rect, active ? vcl::clBlack : vcl::clBtnShadow);
    rect = InflateRectBy(rect, -1, -1);
}

vcl::TRect TuiPCUltraFlatPainter::GetActiveTabFocusRect() {
    const int32_t active = ParentInfo().MainTabVisibleIndex();
    return active == -1 ? vcl::TRect{} : GetRowRect(active, false);
}

void TuiPCUltraFlatPainter::DrawActiveTabAccent(vcl::TRect& rect) {
    DrawActiveTabAccentIn(rect, vcl::clBlack, vcl::clBlack);
}

void TuiPCUltraFlatPainter::DrawFrame() {
    DrawPageFrame(vcl::clBtnShadow, vcl::clBtnShadow);
}

void TuiPCUltraFlatPainter::DrawRowEdge(vcl::TRect& rect, int32_t row) {
    if (IsPageRow(row)) {
        DrawRowEdgeLines(rect, row, {vcl::clBtnFace, vcl::clBtnFace, vcl::clBlack});
    } else {
        DrawRowEdgeLines(rect, row, {vcl::clBtnFace, vcl::clBlack, vcl::clBtnFace});
    }
}

} // namespace ui
