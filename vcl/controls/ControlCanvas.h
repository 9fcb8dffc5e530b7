#pragma once
// TControlCanvas: the canvas of one control. While the control paints, the canvas draws on the device context of
// the paint; outside painting it gets a device context of its own when asked (the control's window DC, or for a
// graphic control its parent's, moved to the control and clipped to it) and gives it back when the application
// goes idle, when the control's window goes, or with FreeHandle.

#include "vcl/graphics/Canvas.h"

#include <functional>

namespace vcl {

class TControl;

// A canvas that can draw on its control's window at any time.
class TControlCanvas : public TCanvas {
    RTL_DECLARE_CLASS(TControlCanvas, TCanvas)
public:
    explicit TControlCanvas(TControl* control);
    ~TControlCanvas() override;

    TControl* Control() const { return FControl; }
    // Gives back the device context the canvas got itself; nothing while it draws on one it was given.
    void FreeHandle();
    // Runs paint with the canvas drawing on dc, and gives dc back afterwards whatever paint does (unless paint
    // freed the control, and the canvas with it).
    void PaintOn(HDC dc, const std::function<void()>& paint);

protected:
    void CreateHandle() override;

private:
    TControl* FControl;     // not owned: the control owns its canvas
    HWND FWindow = nullptr; // the window whose device context the canvas got itself
};

// Gives back every device context that control canvases got themselves (the application does it when idle).
void FreeDeviceContexts();

} // namespace vcl
