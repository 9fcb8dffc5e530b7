#pragma once
// The measures of an editor's popup window: border and client edge widths by border style, the margins around the
// content (border, shadow strips, system panel), the size the editor's settings ask for, the corner of the size grip
// (away from the editor), and which edges a press on the border or the grip sizes, with the cursor that shows it.

#include "ui/core/controls/popups/uiPopupWindow.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "vcl/controls/ControlTypes.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace ui {

// Width of the drop shadow along the popup's right and bottom edges.
inline constexpr int32_t EditPopupShadowSize = 3;

// The corner of the size grip; the system panel lies on its side (top for the first two, bottom for the others).
enum TuiEditPopupGripCorner : uint8_t { epgcTopLeft, epgcTopRight, epgcBottomLeft, epgcBottomRight };

bool IsEditPopupGripAtLeft(TuiEditPopupGripCorner corner);
bool IsEditPopupGripAtTop(TuiEditPopupGripCorner corner);
// The grip corner for a popup that opened to the left or right of the editor, above or below it.
TuiEditPopupGripCorner EditPopupGripCornerFor(bool openedLeft, bool openedUp);

// Where the base placement put a popup of Size at Position beside the owner's screen bounds, within the work area.
struct TuiEditPopupPlacement {
    vcl::TPoint Position;
    vcl::TSize Size;
    vcl::TRect OwnerBounds;
    vcl::TRect WorkArea;
    TuiPopupAlignHorz AlignHorz = pahLeft;
    TuiPopupAlignVert AlignVert = pavBottom;
    bool Shadow = false;
};

// The side the popup opened on, as its grip corner, and its position: a popup with a shadow that opened upward
// moves down onto the editor by the shadow, whose strip then lies over the editor.
struct TuiEditPopupOpening {
    TuiEditPopupGripCorner GripCorner = epgcBottomRight;
    vcl::TPoint Position;
};

TuiEditPopupOpening EditPopupOpening(const TuiEditPopupPlacement& placement);

// How the popup's frame is drawn.
struct TuiEditPopupFrameLook {
    TuiEditPopupBorderStyle BorderStyle = epbsDefault;
    bool NativeOrSkinned = false; // drawn by visual styles or a skin: one thin line, whatever the style
    bool ClientEdge = false;
};

int32_t EditPopupClientEdgeWidth(const TuiEditPopupFrameLook& look);
int32_t EditPopupBorderWidth(const TuiEditPopupFrameLook& look, bool withClientEdge);

// What lies around the content.
struct TuiEditPopupExtentLayout {
    TuiEditPopupFrameLook Look;
    bool Shadow = false;
    int32_t SysPanelHeight = 0; // 0: no system panel
    TuiEditPopupGripCorner GripCorner = epgcBottomRight;
};

// The system panel's height: the minimum the editor asks for when it is larger than the measured one.
int32_t EditPopupEffectiveSysPanelHeight(int32_t measuredHeight, int32_t minimumHeight);

// The margins between the window's edges and its content.
vcl::TRect EditPopupClientExtent(const TuiEditPopupExtentLayout& layout);

// The settings that size a popup and the measures the editor and the window give.
struct TuiEditPopupSizeRule {
    bool AutoSize = false;
    bool Sizeable = false;
    int32_t PopupWidth = 0;  // 0: the owner's width
    int32_t PopupHeight = 0; // 0 or below: not set
    int32_t MinWidth = 0;
    int32_t MinHeight = 0;
    int32_t OwnerWidth = 0;
    vcl::TRect Extent;      // the client extent
    vcl::TSize MinimumSize; // the window's smallest size
    vcl::TSize ContentSize; // the size the content asks for
};

vcl::TSize EditPopupSize(const TuiEditPopupSizeRule& rule);

// The smallest popup: the margins, and on a sizeable popup with a system panel room for the close button and the
// grip side by side.
vcl::TSize EditPopupMinimumSize(const vcl::TRect& extent, bool sizeableWithPanel, int32_t closeButtonWidth,
                                int32_t gripWidth);

// The largest content that fits beside the owner's screen bounds within the work area, for a popup opening in
// direction with extent around its content.
vcl::TSize EditPopupMaxContentSize(const vcl::TRect& ownerBounds, const vcl::TRect& workArea,
                                   TuiPopupDirection direction, bool shadow, const vcl::TRect& extent);

// The edges a press moves: -1 the left (top) edge, 1 the right (bottom) edge, 0 none.
struct TuiEditPopupSizingDirections {
    int32_t X = 0;
    int32_t Y = 0;
    friend constexpr bool operator==(const TuiEditPopupSizingDirections&,
                                     const TuiEditPopupSizingDirections&) = default;
};

// The places that size a popup of Size.
struct TuiEditPopupSizingZones {
    vcl::TSize Size;
    vcl::TRect InnerRect;   // inside the border: content and system panel
    vcl::TRect GripHitRect; // empty without a grip
    int32_t SizingBorderWidth = 0;
    TuiEditPopupGripCorner GripCorner = epgcBottomRight;
};

// Whether a press at point sizes the popup; directions tells which edges move (both may be 0 on a corner away from
// the grip's sides).
bool EditPopupSizingHitTest(const TuiEditPopupSizingZones& zones, vcl::TPoint point,
                            TuiEditPopupSizingDirections& directions);
vcl::TCursor EditPopupSizingCursor(TuiEditPopupSizingDirections directions);

} // namespace ui
