#pragma once
// What the UI core's drawing tests share: a TuiCanvas over a 32-bit DIB surface filled white, pixel sets read back
// from a surface, and a windowed control painted in its colour (with a border when asked).

#include "tests/support/ui/DibSurface.h"
#include "tests/support/ui/GeometryPrinting.h"
#include "ui/core/graphics/uiCanvas.h"
#include "vcl/controls/CustomControl.h"
#include "vcl/graphics/Canvas.h"

#include <cstdint>
#include <set>
#include <utility>

namespace ui_test {

// A TuiCanvas drawing on a surface of its own, white at first.
struct TCanvasOnSurface {
    TDibSurface Surface;
    vcl::TCanvas Frame;
    ui::TuiCanvas Canvas{Frame};

    explicit TCanvasOnSurface(int width = 40, int height = 30) : Surface(width, height) {
        Surface.Fill(vcl::clWhite);
        Frame.SetHandle(Surface.DC());
    }
    ~TCanvasOnSurface() { Frame.SetHandle(nullptr); }
};

using TPixelSet = std::set<std::pair<int, int>>;
// The points of the surface whose colour is exactly color.
TPixelSet PixelsOfColor(const TDibSurface& surface, vcl::TColor color);
// The points whose colour is not background.
TPixelSet PixelsOtherThan(const TDibSurface& surface, vcl::TColor background);
// The smallest rectangle holding the points; empty for none.
vcl::TRect BoundsOf(const TPixelSet& pixels);
// True when every pixel of rect (clipped to the surface) has color.
bool AllPixelsAre(const TDibSurface& surface, const vcl::TRect& rect, vcl::TColor color);

// A windowed control that fills its client area with its colour; BorderStyle gives its window WS_BORDER or
// WS_EX_CLIENTEDGE.
class TFilledControl : public vcl::TCustomControl {
    RTL_DECLARE_CLASS(TFilledControl, vcl::TCustomControl)
public:
    enum class TBorder { None, Single, ClientEdge };

    explicit TFilledControl(rtl::TComponent* owner);
    TBorder Border = TBorder::None;

protected:
    void CreateParams(vcl::TCreateParams& params) override;
    void Paint() override;
};

} // namespace ui_test
