#include "vcl/extctrls/Frame3D.h"

namespace vcl {

void FillLine(TCanvas& canvas, const TRect& rect, TColor color) {
    canvas.Brush().SetColor(color);
    canvas.FillRect(rect);
}

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int32_t width) {
    for (int32_t i = 0; i < width && !rect.IsEmpty(); ++i) {
        FillLine(canvas, Rect(rect.Left, rect.Top, rect.Right - 1, rect.Top + 1), topColor);
        FillLine(canvas, Rect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom - 1), topColor);
        FillLine(canvas, Rect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom), bottomColor);
        FillLine(canvas, Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom), bottomColor);
        rect = Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1);
    }
}

} // namespace vcl
