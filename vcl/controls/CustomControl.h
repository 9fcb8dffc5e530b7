#pragma once
// TCustomControl: a windowed control that paints itself on a canvas: Paint draws the control on Canvas, whose device
// context is the one of the paint under way.

#include "vcl/controls/ControlCanvas.h"
#include "vcl/controls/WinControl.h"

#include <memory>

namespace vcl {

// A windowed control drawn by its own Paint.
class TCustomControl : public TWinControl {
    RTL_DECLARE_CLASS(TCustomControl, TWinControl)
public:
    explicit TCustomControl(rtl::TComponent* owner);

    void Dispatch(TMessage& message) override;
    TCanvas& Canvas() const { return *FCanvas; }

protected:
    // Draws the control on Canvas; here nothing.
    virtual void Paint();
    void PaintWindow(HDC dc) override;
    void DestroyWindowHandle() override;

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};

} // namespace vcl
