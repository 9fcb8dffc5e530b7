#pragma once
// TGraphicControl: a control without a window of its own. Its parent paints it (Paint on Canvas, in the parent's
// window, with the origin moved to the control and the drawing clipped to it) and hands it the mouse messages over
// its area.

#include "vcl/controls/Control.h"
#include "vcl/controls/ControlCanvas.h"

#include <memory>

namespace vcl {

// A control drawn by its parent through its Paint.
class TGraphicControl : public TControl {
    RTL_DECLARE_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(rtl::TComponent* owner);

    void Dispatch(TMessage& message) override;
    TCanvas& Canvas() const { return *FCanvas; }

protected:
    // Draws the control on Canvas, in its own coordinates; here nothing.
    virtual void Paint();

private:
    void WMPaint(TMessage& message);

    std::unique_ptr<TControlCanvas> FCanvas;
};

} // namespace vcl
