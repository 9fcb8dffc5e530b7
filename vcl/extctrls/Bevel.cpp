#include "vcl/extctrls/Bevel.h"

#include "vcl/extctrls/Frame3D.h"

namespace vcl {

TBevel::TBevel(rtl::TComponent* owner) : TGraphicControl(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape value) {
    if (value != FShape) {
        FShape = value;
        Invalidate();
    }
}

void TBevel::SetStyle(TBevelStyle value) {
    if (value != FStyle) {
        FStyle = value;
        Invalidate();
    }
}

// A line is two lines of one pixel: the dark one first and the light one after it (the other way round when
// raised); a frame is two boxes, the light one offset by a pixel.
void TBevel::Paint() {
    const TColor dark = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor light = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    TCanvas& canvas = Canvas();
    const int32_t width = Width();
    const int32_t height = Height();
    TRect rect = ClientRect();
    switch (FShape) {
    case bsBox:
        Frame3D(canvas, rect, dark, light, 1);
        break;
    case bsFrame: {
        TRect outer = Rect(0, 0, width - 1, height - 1);
        Frame3D(canvas, outer, dark, dark, 1);
        TRect inner = Rect(1, 1, width, height);
        Frame3D(canvas, inner, light, light, 1);
        break;
    }
    case bsTopLine:
        FillLine(canvas, Rect(0, 0, width, 1), dark);
        FillLine(canvas, Rect(0, 1, width, 2), light);
        break;
    case bsBottomLine:
        FillLine(canvas, Rect(0, height - 2, width, height - 1), dark);
        FillLine(canvas, Rect(0, height - 1, width, height), light);
        break;
    case bsLeftLine:
        FillLine(canvas, Rect(0, 0, 1, height), dark);
        FillLine(canvas, Rect(1, 0, 2, height), light);
        break;
    case bsRightLine:
        FillLine(canvas, Rect(width - 2, 0, width - 1, height), dark);
        FillLine(canvas, Rect(width - 1, 0, width, height), light);
        break;
    case bsSpacer:
        break;
    }
}

} // namespace vcl
