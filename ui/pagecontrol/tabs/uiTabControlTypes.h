#pragma once
// The small types the tab control, its tabs and its painters share: the side the tabs sit on, the control's options,
// the navigator buttons with their positions and states, the kinds of change a tab reports, and the tabs-position
// data a painter lays out for the control.

#include "rtl/core/SmallSet.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace ui {

enum TuiTabPosition : uint8_t { tpTop, tpBottom, tpLeft, tpRight };

enum TuiPCOption : uint8_t {
    pcoAlwaysShowGoDialogButton,
    pcoCloseButton,
    pcoFixedTabWidthWhenRotated,
    pcoGoDialog,
    pcoGradient,
    pcoGradientClientArea,
    pcoNoArrows,
    pcoRedrawOnResize,
    pcoSort,
    pcoTopToBottomText,
    pcoUsePageColorForTab
};
using TuiPCOptions = rtl::TSmallSet<TuiPCOption>;
// 177.
inline constexpr TuiPCOptions uiPCDefaultOptions{pcoAlwaysShowGoDialogButton, pcoGradient, pcoGradientClientArea,
                                                 pcoRedrawOnResize};

enum TuiPCNavigatorButton : uint8_t { nbTopLeft, nbBottomRight, nbGoDialog, nbClose };
using TuiPCNavigatorButtons = rtl::TSmallSet<TuiPCNavigatorButton>;
inline constexpr int32_t uiPCNavigatorButtonCount = nbClose + 1;
enum TuiPCNavigatorPosition : uint8_t { npLeftTop, npLeftBottom, npRightTop, npRightBottom };
enum TuiPCNavigatorButtonState : uint8_t { nbsNormal, nbsPressed, nbsHot, nbsDisabled };

// What changed about a tab, so the control knows whether to lay out again or to repaint the one tab.
enum TuiTabChangeKind : uint8_t {
    tckImageOrCaption,
    tckColor,
    tckEnabled,
    tckControlFocus,
    tckHighlighted,
    tckHot,
    tckActive,
    tckLayout,
    tckPressed,
    tckMultiSelection,
    tckFocused
};

// The slanted styles' tab ends: slanted or with a corner cut, at the tab's left or right end or both.
enum TuiTabSlantKind : uint8_t { skCutCorner, skSlant };
enum TuiTabSlantPosition : uint8_t { spLeft, spRight };
using TuiTabSlantPositions = rtl::TSmallSet<TuiTabSlantPosition>;

// A painter style's identifier: 0 in a control's Style chooses the look and feel's style.
using TuiPCStyleID = int32_t;

// Where the painter lets the control lay its tabs: rows are placed across TabsRect and their clip rectangles reach
// out to ExtendedTabsRect; the corrections move the edge between the tab rows and the page, and the back rows' clip
// may overlap the front rows' by RowOverlap.
struct TuiPCTabsPosition {
    vcl::TRect ExtendedTabsRect;
    int32_t FrontRowBoundaryCorrection = 0;
    int32_t BackRowBoundaryCorrection = 0;
    int32_t RowOverlap = 0;
    int32_t LineLength = 0;
    vcl::TRect TabsRect;
};

// Two distances or margins along the tab line: before and after the content, or between tabs and between rows.
struct TuiPCDistances {
    int32_t First = 0;
    int32_t Second = 0;
};

// The text direction of a tab's caption.
enum TuiPCTextDirection : uint8_t { tdHorizontal, tdBottomToTop, tdTopToBottom };

} // namespace ui
