#pragma once
// What the framework's painting tests share: a TuiCanvas over a 32-bit DIB surface, and an editor description with
// its style, view data and view info, calculated for bounds and painted without any control.

#include "tests/support/ui/DibSurface.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/editors/framework/properties/uiEditProperties.h"
#include "ui/editors/framework/properties/uiEditStyle.h"
#include "ui/editors/framework/view/uiEditViewData.h"
#include "ui/editors/framework/view/uiEditViewInfo.h"
#include "vcl/graphics/Canvas.h"

#include <memory>

namespace ui_test {

// A TuiCanvas over a surface filled white.
struct TCanvasSurface {
    TDibSurface Surface;
    vcl::TCanvas Frame;
    ui::TuiCanvas Canvas{Frame};

    TCanvasSurface(int width, int height) : Surface(width, height) {
        Surface.Fill(vcl::clWhite);
        Frame.SetHandle(Surface.DC());
    }
    ~TCanvasSurface() { Frame.SetHandle(nullptr); }
};

vcl::TColor Rgb(vcl::TColor color);
// The smallest rectangle holding every pixel of colour; empty when there is none.
vcl::TRect InkBounds(const TDibSurface& surface, vcl::TColor colour);

// An editor with a single black border on a window-coloured background, calculated and painted on demand.
struct TPaintedEditor {
    ui::TuiCustomEditProperties Properties{nullptr};
    ui::TuiEditStyle Style{nullptr, false};
    std::unique_ptr<ui::TuiCustomEditViewData> ViewData;
    std::unique_ptr<ui::TuiCustomEditViewInfo> ViewInfo = Properties.CreateViewInfo();

    explicit TPaintedEditor(bool isInplace = false);
    // The view info for bounds, the mouse at mouse with shift held.
    void Calculate(ui::TuiCanvas& canvas, const vcl::TRect& bounds, vcl::TPoint mouse = {-1, -1},
                   vcl::TShiftState shift = {});
    // Calculated and painted on a white surface of width x height.
    std::unique_ptr<TCanvasSurface> Paint(const vcl::TRect& bounds, int width = 60, int height = 30,
                                          vcl::TPoint mouse = {-1, -1});
};

} // namespace ui_test
