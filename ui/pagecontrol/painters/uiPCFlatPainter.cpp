#include "ui/pagecontrol/painters/uiPCFlatPainter.h"

#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/pagecontrol/painters/uiPCPainterColors.h"
#include "ui/pagecontrol/tabs/uiTabControl.h"

namespace ui {

bool TuiPCFlatPainter::TMetaclass::IsDefaultForLookAndFeel(const TuiLookAndFeel& lookAndFeel) const {
    const TuiLookAndFeelPainterClass painter = lookAndFeel.ActivePainter();
    return painter && painter->StyleKind() == pskFlat;
}

std::unique_ptr<TuiPCCustomPainter> TuiPCFlatPainter::TMetaclass::CreatePainter(TuiCustomTabControl& control) const {
    return std::make_unique<TuiPCFlatPainter>(control);
}

const TuiPCFlatPainter::TMetaclass& TuiPCFlatPainter::StaticClass() {
    static const TMetaclass metaclass;
    return metaclass;
}

std::unique_ptr<TuiRegion> TuiPCFlatPainter::GetTabClipRegion(int32_t visibleIndex) {
    return TuiPCCustomPainter::GetTabClipRegion(visibleIndex);
}

int32_t TuiPCFlatPainter::GetNavigatorButtonHeight() {
    return TuiPCTabsPainter::GetNavigatorButtonHeight() - 2;
}

int32_t TuiPCFlatPainter::GetNavigatorButtonWidth(TuiPCNavigatorButton button) {
    return TuiPCTabsPainter::GetNavigatorButtonWidth(button) - 2;
}

vcl::TPoint TuiPCFlatPainter::GetNavigatorButtonGlyphOffset(TuiPCNavigatorButton button) {
    const vcl::TPoint offset = TuiPCTabsPainter::GetNavigatorButtonGlyphOffset(button);
    return {offset.X - 1, offset.Y - 1};
}

void TuiPCFlatPainter::DrawFrameBorder(const vcl::TRect& rect) {
    ParentInfo().Canvas().DrawComplexFrame(rect, vcl::clBtnHighlight, vcl::clBtnShadow);
}

void TuiPCFlatPainter::DrawNavigatorButtonFrame(vcl::TRect& rect, TuiPCNavigatorButtonState state) {
    const bool pressed = state == nbsPressed;
    ParentInfo().Canvas().DrawComplexFrame(rect, pressed ? vcl::clBtnShadow : vcl::clBtnHighlight,
                                           pressed ? vcl::clBtnHighlight : vcl::clBtnShadow);
    rect = InflateRectBy(rect, -1, -1);
}

void TuiPCFlatPainter::DrawTabFrame(int32_t visibleIndex) {
    TuiCanvas& canvas = ParentInfo().Canvas();
    const TuiTab& tab = ParentInfo().VisibleTab(visibleIndex);
    const vcl::TColor inner = AdjustBrightness(GetTabColor(visibleIndex), 85);
    const auto [l, t, rt, b] = tab.GetFullRect();
    switch (tab.EffectiveTabPosition()) {
    case tpTop:
        DrawPolyline(canvas, {{l, b - 1}, {l, t + 2}, {l + 2, t}, {rt - 3, t}, {rt - 2, t + 1}}, vcl::clBtnHighlight);
        DrawPolyline(canvas, {{rt - 1, t + 2}, {rt - 1, b - 1}}, vcl::clBtnShadow);
        DrawPolyline(
            canvas, {{l + 1, b - 1}, {l + 1, t + 2}, {l + 2, t + 1}, {rt - 3, t + 1}, {rt - 2, t + 2}, {rt - 2, b - 1}},
            inner);
        break;
    case tpBottom:
        DrawPolyline(canvas, {{l, t}, {l, b - 3}, {l + 1, b - 2}}, vcl::clBtnHighlight);
        DrawPolyline(canvas, {{l + 2, b - 1}, {rt - 3, b - 1}, {rt - 1, b - 3}, {rt - 1, t}}, vcl::clBtnShadow);
        DrawPolyline(canvas, {{l + 1, t}, {l + 1, b - 3}}, inner);
        DrawPolyline(canvas, {{l + 2, b - 2}, {rt - 3, b - 2}, {rt - 2, b - 3}, {rt - 2, t}}, vcl::clBtnFace);
        break;
    case tpLeft:
        DrawPolyline(canvas, {{rt - 1, b - 1}, {l + 2, b - 1}}, vcl::clBtnShadow);
        DrawPolyline(canvas, {{l + 1, b - 2}, {l, b - 3}, {l, t + 2}, {l + 2, t}, {rt - 1, t}}, vcl::clBtnHighlight);
        DrawPolyline(canvas,
                     {{rt - 1, b - 2}, {l + 2, b - 2}, {l + 1, b - 3}, {l + 1, t + 2}, {l + 2, t + 1}, {rt - 1, t + 1}},
                     inner);
        break;
    case tpRight:
        DrawPolyline(canvas, {{l, t}, {rt - 3, t}, {rt - 2, t + 1}}, vcl::clBtnHighlight);
        DrawPolyline(canvas, {{rt - 1, t + 2}, {rt - 1, b - 3}, {rt - 3, b - 1}, {l, b - 1}}, vcl::clBtnShadow);
        DrawPolyline(canvas, {{l, t + 1}, {rt - 3, t + 1}}, inner);
        DrawPolyline(canvas, {{rt - 2, t + 2}, {rt - 2, b - 3}, {rt - 3, b - 2}, {l, b - 2}}, vcl::clBtnFace);
        break;
    }
    DrawTabCorners(visibleIndex);
}

} // namespace ui
