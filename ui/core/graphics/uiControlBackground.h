#pragma once
// Painting what lies behind a control, so that see-through controls can draw over it: a windowed control painted into
// a canvas as it shows on screen (its window edge, window region, background and contents, and its windowed children),
// a control's parent painted under the control's rectangle, and the parent's themed background.

#include "rtl/core/Interfaces.h"
#include "vcl/system/Types.h"

#include <span>

namespace vcl {
class TCanvas;
class TControl;
class TWinControl;
} // namespace vcl

namespace ui {

class TuiCanvas;

// Offered by a control that decides itself whether PaintControlTo draws its window edge.
class IuiWindowEdgePainting : public virtual rtl::IInterface {
public:
    static constexpr rtl::TGUID IID = rtl::GUIDLiteral(u"{7EFAF634-E8D2-489D-9603-FCFC03ACA460}");
    virtual bool PaintsWindowEdge() = 0;

protected:
    ~IuiWindowEdgePainting() = default;
};

// Paints control into canvas with its origin at offset: only when rect (in the control's coordinates) is visible,
// clipped to it. With drawWindowEdge the edge of a client-edged or bordered window is drawn around it and the contents
// placed inside; with clipToWindowRegion the control's window region clips; with paintChildren its visible windowed
// children follow in z order up to the first one listed in excluded (those after it lie above it).
void PaintControlTo(vcl::TWinControl& control, TuiCanvas& canvas, vcl::TPoint offset, const vcl::TRect& rect,
                    bool drawWindowEdge, bool clipToWindowRegion, std::span<vcl::TControl* const> excluded,
                    bool paintChildren);
// Paints control's parent (without the control and what lies above it) under rect, given in the control's
// coordinates; nothing for a control without a parent.
void DrawTransparentControlBackground(vcl::TControl& control, TuiCanvas& canvas, const vcl::TRect& rect,
                                      bool paintChildren);
void DrawTransparentControlBackgroundOnCanvas(vcl::TControl& control, vcl::TCanvas& canvas, const vcl::TRect& rect,
                                              bool paintChildren);
// The same with the canvas's window origin moved by origin meanwhile.
void DrawTransparentControlBackgroundAt(vcl::TControl& control, TuiCanvas& canvas, const vcl::TRect& rect,
                                        vcl::TPoint origin, bool paintChildren);
// The themed background of control's parent under rect (in the control's coordinates), drawn by the visual styles; a
// parent that paints through a buffer of its own, or a system without the visual-styles library, gets the parent
// painted under the control instead (without its other children). The canvas's objects leave the device context
// first, as the parent's painting selects its own.
void uiDrawThemeParentBackground(vcl::TWinControl& control, TuiCanvas& canvas, const vcl::TRect& rect);
void DrawThemeParentBackgroundOnCanvas(vcl::TWinControl& control, vcl::TCanvas& canvas, const vcl::TRect& rect);

} // namespace ui
