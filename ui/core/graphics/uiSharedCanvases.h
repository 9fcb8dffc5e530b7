#pragma once
// The two canvases the library shares: a screen canvas for measuring text (on a device context of the desktop,
// obtained when first used and given back with FreeScreenDC), and a paint canvas that can be switched onto any device
// context or framework canvas for a while and back, in nested pairs. Both live from first use until the graphics unit
// shuts down; after that they are not made again.

#include "ui/core/graphics/uiCanvas.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/system/WinTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

namespace detail {

// The framework canvas a shared canvas owns and wraps; a base class, so that it exists before the wrapper does.
template <class TOwned>
struct TOwnedFrameworkCanvas {
    std::unique_ptr<TOwned> OwnedCanvas;
};

// A framework canvas on the desktop's device context, obtained when first needed.
class TScreenFrameworkCanvas : public vcl::TCanvas {
public:
    ~TScreenFrameworkCanvas() override;
    void ReleaseScreen();

protected:
    void CreateHandle() override;

private:
    HDC FDC = nullptr;
};

} // namespace detail

class TuiScreenCanvas : private detail::TOwnedFrameworkCanvas<detail::TScreenFrameworkCanvas>, public TuiCanvas {
public:
    TuiScreenCanvas();
    // Gives the desktop's device context back; the next drawing gets it again.
    void FreeScreenDC() { OwnedCanvas->ReleaseScreen(); }
};

class TuiPaintCanvas : private detail::TOwnedFrameworkCanvas<vcl::TCanvas>, public TuiCanvas {
public:
    TuiPaintCanvas();
    ~TuiPaintCanvas() override;

    // Paints on dc until EndPaint: the device context's state is saved and its objects become the canvas's; a device
    // context the canvas had before keeps its state on the stack.
    void BeginPaintDC(HDC dc);
    // Paints on canvas until EndPaint, with its state saved.
    void BeginPaintCanvas(vcl::TCanvas& canvas);
    // Back to what the matching Begin found; nothing when none is open.
    void EndPaint();

private:
    struct TPaintState {
        vcl::TCanvas* PreviousCanvas; // nullptr for an entry of BeginPaintDC
        HDC PreviousHandle;
        HDC DC;
        int32_t SavedIndex;
    };

    std::vector<TPaintState> FStates;
};

// nullptr once the graphics unit has begun to shut down.
TuiScreenCanvas* GetSharedScreenCanvas();
TuiPaintCanvas* GetSharedPaintCanvas();

// For the graphics unit: allows the shared canvases (start-up), or frees them and keeps them from being made again
// (shut-down).
void AllowSharedCanvases();
void FreeSharedCanvases();

} // namespace ui
