#pragma once
// The values painters and their callers exchange: button and check states, arrow directions, the drawing style codes
// of the looks and the look-and-feel kinds they map to, scroll-bar parts, group-box caption positions, the text layout
// inputs of the text-drawing operations, and the custom background hook.

#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiCheckBoxState.h"
#include "vcl/stdctrls/StdCtrlTypes.h"

#include <cstdint>
#include <functional>

namespace ui {

enum TuiButtonState : uint8_t { uibsDefault, uibsNormal, uibsHot, uibsPressed, uibsDisabled };
enum TuiArrowDirection : uint8_t { adUp, adDown, adLeft, adRight };

// The drawing style a painter reports (StyleKind).
enum TuiPainterStyleKind : uint8_t { pskFlat, pskStandard, pskUltraFlat, pskNative, pskOffice11 };
// The looks a look-and-feel chooses from.
enum TuiLookAndFeelKind : uint8_t { lfFlat, lfStandard, lfUltraFlat, lfOffice11 };
// lfFlat, lfUltraFlat and lfOffice11 for their style codes, lfStandard for every other.
TuiLookAndFeelKind StyleKindToLookAndFeelKind(TuiPainterStyleKind styleKind);

// The parts of a scroll bar, as the scroll-bar control numbers them.
enum TuiScrollBarPart : uint8_t { sbpNone, sbpLineUp, sbpLineDown, sbpThumb, sbpPageUp, sbpPageDown };
// Where a group box shows its caption.
enum TuiGroupCaptionPosition : uint8_t { gcpTop, gcpBottom, gcpLeft, gcpRight, gcpNone };

// How text sits in its rectangle: the four inputs of the painters' text flags.
struct TuiTextLayout {
    vcl::TAlignment Horizontal = vcl::taLeftJustify;
    TuiAlignmentVert Vertical = vaTop;
    bool MultiLine = false;
    bool EndEllipsis = false;
};
// The canvas text flags of a layout: alignments, word break or single line, end ellipsis.
uint16_t TextLayoutFlags(const TuiTextLayout& layout);

// Draws the background of rect itself and answers true, or answers false to have the painter draw it. An empty hook
// counts as false.
using TuiBackgroundHook = std::function<bool(TuiCanvas& canvas, const vcl::TRect& rect)>;

} // namespace ui
