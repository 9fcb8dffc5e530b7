#include "ui/editors/dropdown/popup/uiEditPopupGeometry.h"

#include <algorithm>

namespace ui {

namespace {

int32_t EditPopupStyleBorderWidth(TuiEditPopupBorderStyle style) {
    switch (style) {
    case epbsSingle:
        return 1;
    case epbsFrame3D:
        return 4;
    case epbsFlat:
        return 2;
    case epbsDefault:
        break;
    }
    return 0;
}

int32_t EditPopupStyleClientEdgeWidth(TuiEditPopupBorderStyle style) {
    switch (style) {
    case epbsSingle:
    case epbsFrame3D:
        return 2;
    case epbsFlat:
        return 1;
    case epbsDefault:
        break;
    }
    return 0;
}

bool IsPointInPopup(vcl::TSize size, vcl::TPoint point) {
    return point.X >= 0 && point.Y >= 0 && point.X < size.cx && point.Y < size.cy;
}

} // namespace

bool IsEditPopupGripAtLeft(TuiEditPopupGripCorner corner) {
    return corner == epgcTopLeft || corner == epgcBottomLeft;
}

bool IsEditPopupGripAtTop(TuiEditPopupGripCorner corner) {
    return corner == epgcTopLeft || corner == epgcTopRight;
}

TuiEditPopupGripCorner EditPopupGripCornerFor(bool openedLeft, bool openedUp) {
    if (openedLeft)
        return openedUp ? epgcTopLeft : epgcBottomLeft;
    return openedUp ? epgcTopRight : epgcBottomRight;
}

TuiEditPopupOpening EditPopupOpening(const TuiEditPopupPlacement& placement) {
    const vcl::TPoint p = placement.Position;
    const vcl::TRect& owner = placement.OwnerBounds;
    const vcl::TRect& work = placement.WorkArea;
    const int32_t right = p.X + placement.Size.cx;
    const int32_t bottom = p.Y + placement.Size.cy;
    const bool openedLeft = (right == owner.Right && placement.AlignHorz == pahRight && p.X > work.Left) ||
                            right == owner.Left || (right == work.Right && p.X < owner.Right);
    const bool openedUp = (bottom == owner.Bottom && placement.AlignVert == pavBottom && p.Y > work.Top) ||
                          bottom == owner.Top || (bottom == work.Bottom && p.Y < owner.Bottom);
    TuiEditPopupOpening opening{EditPopupGripCornerFor(openedLeft, openedUp), p};
    if (placement.Shadow && openedUp)
        opening.Position.Y += EditPopupShadowSize;
    return opening;
}

int32_t EditPopupClientEdgeWidth(const TuiEditPopupFrameLook& look) {
    if (!look.ClientEdge)
        return 0;
    return look.NativeOrSkinned ? 2 : EditPopupStyleClientEdgeWidth(look.BorderStyle);
}

int32_t EditPopupBorderWidth(const TuiEditPopupFrameLook& look, bool withClientEdge) {
    const int32_t border = look.NativeOrSkinned ? 1 : EditPopupStyleBorderWidth(look.BorderStyle);
    return withClientEdge ? border + EditPopupClientEdgeWidth(look) : border;
}

int32_t EditPopupEffectiveSysPanelHeight(int32_t measuredHeight, int32_t minimumHeight) {
    return minimumHeight > 0 && minimumHeight > measuredHeight ? minimumHeight : measuredHeight;
}

vcl::TRect EditPopupClientExtent(const TuiEditPopupExtentLayout& layout) {
    const int32_t border = EditPopupBorderWidth(layout.Look, true);
    vcl::TRect extent{border, border, border, border};
    if (layout.Shadow) {
        extent.Right += EditPopupShadowSize;
        extent.Bottom += EditPopupShadowSize;
    }
    if (layout.SysPanelHeight > 0) {
        // The panel's separator line takes a pixel where a line is drawn between panel and content.
        const bool separated = layout.Look.NativeOrSkinned || layout.Look.BorderStyle == epbsSingle;
        const int32_t panel = layout.SysPanelHeight + (separated ? 1 : 0);
        (IsEditPopupGripAtTop(layout.GripCorner) ? extent.Top : extent.Bottom) += panel;
    }
    return extent;
}

vcl::TSize EditPopupSize(const TuiEditPopupSizeRule& rule) {
    const vcl::TRect& e = rule.Extent;
    int32_t width = 0;
    if (rule.AutoSize)
        width = e.Left + e.Right + rule.ContentSize.cx;
    else
        width = rule.PopupWidth != 0 ? rule.PopupWidth : rule.OwnerWidth;
    int32_t height = 0;
    if (rule.AutoSize)
        height = e.Top + e.Bottom + rule.ContentSize.cy;
    else if (rule.PopupHeight > 0)
        height = rule.PopupHeight;
    else
        height = std::max(rule.MinimumSize.cy, rule.MinHeight);
    if (rule.Sizeable) {
        width = std::max(width, rule.MinWidth);
        height = std::max(height, rule.MinHeight);
    }
    return {std::max(width, rule.MinimumSize.cx), std::max(height, rule.MinimumSize.cy)};
}

vcl::TSize EditPopupMinimumSize(const vcl::TRect& extent, bool sizeableWithPanel, int32_t closeButtonWidth,
                                int32_t gripWidth) {
    vcl::TSize size{extent.Left + extent.Right, extent.Top + extent.Bottom};
    if (sizeableWithPanel)
        size.cx += closeButtonWidth + gripWidth + 10;
    return size;
}

vcl::TSize EditPopupMaxContentSize(const vcl::TRect& ownerBounds, const vcl::TRect& workArea,
                                   TuiPopupDirection direction, bool shadow, const vcl::TRect& extent) {
    const int32_t shadowSize = shadow ? EditPopupShadowSize : 0;
    vcl::TSize size{workArea.Width(), workArea.Height()};
    if (direction == pdVertical)
        size.cy = std::max(workArea.Bottom - ownerBounds.Bottom, ownerBounds.Top + shadowSize - workArea.Top);
    else
        size.cx = std::max(workArea.Right - ownerBounds.Right, ownerBounds.Left + shadowSize - workArea.Left) + 1;
    return {size.cx - extent.Left - extent.Right, size.cy - extent.Top - extent.Bottom};
}

bool EditPopupSizingHitTest(const TuiEditPopupSizingZones& zones, vcl::TPoint point,
                            TuiEditPopupSizingDirections& directions) {
    directions = {};
    if (!IsPointInPopup(zones.Size, point))
        return false;
    const bool gripLeft = IsEditPopupGripAtLeft(zones.GripCorner);
    const bool gripTop = IsEditPopupGripAtTop(zones.GripCorner);
    if (!zones.GripHitRect.IsEmpty() && zones.GripHitRect.Contains(point)) {
        directions = {gripLeft ? -1 : 1, gripTop ? -1 : 1};
        return true;
    }
    if (zones.InnerRect.Contains(point))
        return false;
    const int32_t band = zones.SizingBorderWidth;
    if (gripLeft && point.X < band)
        directions.X = -1;
    else if (!gripLeft && point.X >= zones.Size.cx - band)
        directions.X = 1;
    if (gripTop && point.Y < band)
        directions.Y = -1;
    else if (!gripTop && point.Y >= zones.Size.cy - band)
        directions.Y = 1;
    return true;
}

vcl::TCursor EditPopupSizingCursor(TuiEditPopupSizingDirections directions) {
    if (directions.X != 0 && directions.Y != 0)
        return directions.X == directions.Y ? vcl::crSizeNWSE : vcl::crSizeNESW;
    if (directions.X != 0)
        return vcl::crSizeWE;
    if (directions.Y != 0)
        return vcl::crSizeNS;
    return vcl::crDefault;
}

} // namespace ui
