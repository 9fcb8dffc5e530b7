#pragma once
// TuiContainerViewInfo: the result of a container's layout calculation (state, border style and width, rectangles,
// colours, native theme part and state) and its painting: the classic frame, background and shadow, or the frame of
// the visual styles.

#include "ui/core/controls/uiContainerPainting.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/core/themes/uxThemeManager.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace ui {

// The flags of a container's state.
enum TuiContainerStateFlag : uint8_t { csfNormal = 1, csfFocused = 2, csfDisabled = 4, csfHot = 8 };

// Hot tracking in the view: off, on but neither focused nor hot, on and focused or hot.
enum TuiHotTrackState : uint8_t { htsOff, htsIdle, htsEmphasised };

class TuiContainerViewInfo {
public:
    virtual ~TuiContainerViewInfo() = default;

    // Frames rect (the border rectangle grown by the border width) in the border style.
    virtual void PaintBorder(TuiCanvas& canvas, const vcl::TRect& rect) const;
    virtual void PaintContents(TuiCanvas& canvas) const;
    void Draw(TuiCanvas& canvas) const { PaintContents(canvas); }
    // Moves the rectangles.
    void Shift(int32_t dx, int32_t dy);
    // The client rectangle the view's margins (between Bounds and ClientRect) leave in rect; rect itself before the
    // view is laid out.
    vcl::TRect ClientRectWithin(const vcl::TRect& rect) const;

    vcl::TColor BackgroundColor = vcl::clWindow;
    vcl::TColor BorderColor = vcl::clWindowFrame;
    vcl::TRect BorderRect;
    TuiContainerBorderStyle BorderStyle = cbsNone;
    int32_t BorderWidth = 0;
    vcl::TRect Bounds;
    vcl::TRect ClientRect;
    uint8_t ContainerState = csfNormal;
    TuiBorders Edges = uiAllBorders;
    TuiHotTrackState HotTrackState = htsOff;
    int32_t NativePart = 0;
    int32_t NativeState = 0;
    bool NativeStyle = false;
    // The skin's painter when a skin draws the container (its frames are single frames in the skin's colour).
    TuiLookAndFeelPainterClass Painter = nullptr;
    bool Shadow = false;
    TuxThemedObjectType ThemedObjectType = totEdit;

private:
    void PaintClassicContents(TuiCanvas& canvas) const;
    void PaintNativeContents(TuiCanvas& canvas) const;
};

} // namespace ui
