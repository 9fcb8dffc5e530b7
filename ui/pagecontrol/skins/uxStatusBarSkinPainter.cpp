#include "ui/pagecontrol/skins/uxStatusBarSkinPainter.h"

#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/graphics/uiRegion.h"
#include "ui/core/skins/elements/uxSkinElements.h"
#include "ui/core/skins/objects/uxSkinProperties.h"
#include "ui/pagecontrol/skins/uxPCSkinData.h"
#include "ui/pagecontrol/statusbar/uxStatusBar.h"
#include "ui/pagecontrol/statusbar/uxStatusBarContainerPanelStyle.h"

namespace ui {

namespace {

TuxSkinInfo* BarSkin(const TuxCustomStatusBar& bar) {
    return SkinInfoOf(bar.LookAndFeel());
}

TuxSkinElement* BarElement(const TuxCustomStatusBar& bar, TuxSkinElementId id) {
    return PresentSkinElement(BarSkin(bar), id);
}

// rect grown by the element's content offsets on the left, right and bottom: only its top border and face show.
vcl::TRect GrownBelowAndAside(const vcl::TRect& rect, const TuxSkinElement& element) {
    const vcl::TRect& offsets = element.ContentOffset();
    return {rect.Left - offsets.Left, rect.Top, rect.Right + offsets.Right, rect.Bottom + offsets.Bottom};
}

// The element drawn into rect with the clip region narrowed to clip (or set to it alone), restored afterwards.
void DrawClipped(TuiCanvas& canvas, TuxSkinElement& element, const vcl::TRect& rect, const vcl::TRect& clip,
                 TuiRegionOperation operation) {
    canvas.PushClipRegion();
    try {
        canvas.SetClipRegion(TuiRegion(clip), operation);
        element.Draw(canvas.Handle(), rect, 0, esNormal);
    } catch (...) {
        canvas.PopClipRegion();
        throw;
    }
    canvas.PopClipRegion();
}

} // namespace

const TuxStatusBarSkinPainter& TuxStatusBarSkinPainter::Instance() {
    static const TuxStatusBarSkinPainter instance;
    return instance;
}

void TuxStatusBarSkinPainter::DrawContainerControl(const TuxStatusBarContainerPanelStyle& style) const {
    TuxStatusBarContainerControl* container = style.Container();
    TuxSkinElement* element = BarElement(style.StatusBar(), seiBarsStatusBar);
    if (!container || !element) {
        TuxStatusBarStandardPainter::DrawContainerControl(style);
        return;
    }
    const vcl::TRect bounds = ShiftRect(style.StatusBar().GetClientBounds(), -container->Left(), -container->Top());
    DrawClipped(container->UICanvas(), *element, GrownBelowAndAside(bounds, *element), container->ClientRect(),
                TuiRegionOperation::Intersection);
}

bool TuxStatusBarSkinPainter::ExcludesSizeGripFromPanels(const TuxCustomStatusBar& bar) const {
    return BarSkin(bar) == nullptr;
}

void TuxStatusBarSkinPainter::AdjustTextColor(const TuxCustomStatusBar& bar, vcl::TColor& color, bool active) const {
    if (color != vcl::clWindowText) {
        return;
    }
    vcl::TColor skinColor = vcl::clDefault;
    if (active) {
        if (const TuxSkinElement* element = BarElement(bar, seiBarsStatusBar)) {
            skinColor = element->TextColor();
        }
    } else if (const TuxSkinInfo* info = BarSkin(bar)) {
        if (const TuxSkinColor* disabled = info->ColorProperty(spiBarsDisabledTextColor)) {
            skinColor = disabled->Value();
        }
    }
    if (skinColor != vcl::clDefault && skinColor != vcl::clNone) {
        color = skinColor;
    }
}

vcl::TRect TuxStatusBarSkinPainter::GetPanelContentMargins(const TuxStatusBarPanel* panel, bool hasBorder) const {
    // Without the bar at hand the active skin is unknown here: the margins of the panel's own bar's skin.
    const TuxCustomStatusBar* bar = panel ? &panel->StatusBar() : nullptr;
    const TuxSkinElement* element = bar ? BarElement(*bar, seiBarsLinkStatic) : nullptr;
    if (!hasBorder) {
        return {};
    }
    return element ? element->ContentOffset() : TuxStatusBarStandardPainter::GetPanelContentMargins(panel, hasBorder);
}

void TuxStatusBarSkinPainter::DrawBorder(const TuxCustomStatusBar& bar, TuiCanvas& canvas, vcl::TRect& rect) const {
    TuxSkinElement* element = BarElement(bar, seiBarsStatusBar);
    if (!element) {
        TuxStatusBarPainter::DrawBorder(bar, canvas, rect);
        return;
    }
    DrawClipped(canvas, *element, GrownBelowAndAside(bar.GetBounds(), *element), rect,
                TuiRegionOperation::Intersection);
    const int32_t width = bar.BorderWidth();
    rect = {rect.Left + 1 + width, rect.Top + element->ContentOffset().Top + width, rect.Right - 1 - width,
            rect.Bottom - 1 - width};
}

void TuxStatusBarSkinPainter::DrawEmptyPanel(const TuxCustomStatusBar& bar, TuiCanvas& canvas,
                                             const vcl::TRect& rect) const {
    TuxSkinElement* element = BarElement(bar, seiBarsStatusBar);
    if (!element) {
        TuxStatusBarPainter::DrawEmptyPanel(bar, canvas, rect);
        return;
    }
    DrawClipped(canvas, *element, GrownBelowAndAside(bar.GetBounds(), *element), rect, TuiRegionOperation::Copy);
}

void TuxStatusBarSkinPainter::DrawPanelBorder(const TuxCustomStatusBar& bar, TuxStatusBarPanelBevel bevel,
                                              vcl::TRect& rect, TuiCanvas& canvas) const {
    TuxSkinElement* element = BarElement(bar, seiBarsLinkStatic);
    if (!element) {
        TuxStatusBarStandardPainter::DrawPanelBorder(bar, bevel, rect, canvas);
        return;
    }
    if (bevel == uxpbNone) {
        return;
    }
    element->Draw(canvas.Handle(), rect, 0, esNormal);
    rect = DeflateRectByMargins(rect, element->ContentOffset());
}

void TuxStatusBarSkinPainter::DrawPanelSeparator(const TuxCustomStatusBar& bar, TuiCanvas& canvas,
                                                 const vcl::TRect& rect) const {
    if (!BarSkin(bar)) {
        TuxStatusBarStandardPainter::DrawPanelSeparator(bar, canvas, rect);
    }
}

void TuxStatusBarSkinPainter::DrawSizeGrip(const TuxCustomStatusBar& bar, TuiCanvas& canvas, bool overlapped,
                                           const vcl::TRect& rect) const {
    const TuxSkinElement* frame = BarElement(bar, seiBarsStatusBar);
    TuxSkinElement* grip = BarElement(bar, seiCommonSizeGrip);
    if (!frame || !grip) {
        TuxStatusBarPainter::DrawSizeGrip(bar, canvas, overlapped, rect);
        return;
    }
    const vcl::TRect area = DeflateRectByMargins(rect, frame->ContentOffset());
    const vcl::TSize size = grip->GetImageSize();
    grip->Draw(canvas.Handle(), {area.Right - size.cx, area.Bottom - size.cy, area.Right, area.Bottom}, 0, esNormal);
}

void TuxStatusBarSkinPainter::DrawPanelBackground(const TuxCustomStatusBar& bar, const TuxStatusBarPanel* panel,
                                                  const vcl::TRect& rect, TuiCanvas& canvas) const {
    if (!BarSkin(bar)) {
        TuxStatusBarStandardPainter::DrawPanelBackground(bar, panel, rect, canvas);
    }
}

namespace detail {

void RegisterStatusBarSkinPainter() {
    StatusBarSkinPainterClass = &TuxStatusBarSkinPainter::Instance();
}

void UnregisterStatusBarSkinPainter() {
    StatusBarSkinPainterClass = nullptr;
}

} // namespace detail

} // namespace ui
