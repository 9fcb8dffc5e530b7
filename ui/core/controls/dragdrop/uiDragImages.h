#pragma once
// The small windows that show what a drag does: a semi-transparent image that follows the pointer, a ring-shaped
// frame that shows a new size, and an arrow that shows where a dragged item will land. The pointer passes through
// all of them to the windows below.

#include "ui/core/controls/popups/uiPopupWindow.h"

#include <array>
#include <cstdint>
#include <memory>

namespace vcl {
class TBitmap;
} // namespace vcl

namespace ui {

class TuiCanvas;
class TuiRegion;

// The side of a drop position the arrow stands on, pointing at it.
enum TuiArrowPlace : uint8_t { apLeft, apTop, apRight, apBottom };

// The arrow's box beside area (clamped into clip first unless clip is empty): 9 x 11 pixels left or right of the area
// on its top edge's line, 11 x 9 above or below it on its left edge's line.
vcl::TRect DragDropArrowBox(const vcl::TRect& area, const vcl::TRect& clip, TuiArrowPlace place);
// The arrow's seven points in box; widen 1 gives the window region, one pixel wider toward the right and bottom.
std::array<vcl::TPoint, 7> DragDropArrowPoints(const vcl::TRect& box, TuiArrowPlace place, int32_t widen);
// Draws the arrow in box, lime outlined in black.
void PaintDragDropArrow(TuiCanvas& canvas, const vcl::TRect& box, TuiArrowPlace place);

// Whether the system offers the attributes of layered windows (alpha and a transparent colour).
bool HasLayeredWindowAttributes();

// A borderless top-most window that follows the pointer, the origin of the drag kept under it.
class TuiCustomDragImage : public TuiPopupWindow {
    RTL_DECLARE_CLASS(TuiCustomDragImage, TuiPopupWindow)
public:
    explicit TuiCustomDragImage(rtl::TComponent* owner);
    void Dispatch(vcl::TMessage& message) override;

    // Takes the size of source and remembers where origin lies in it.
    void Init(const vcl::TRect& source, vcl::TPoint origin);
    // Places the window (created when needed) so that the origin lies on the screen point.
    void MoveTo(vcl::TPoint point);
    // Shows the window with the ShowWindow command and paints it at once.
    void ShowImage(int32_t showCommand);
    void HideImage();
    bool ImageVisible() const;
    // Shows without taking the activation, or hides.
    void SetImageVisible(bool value);

    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool value) { FAlphaBlend = value; }
    uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
    bool IsAlphaBlended() const { return FAlphaBlend && HasLayeredWindowAttributes(); }
    vcl::TPoint OriginOffset() const { return FOriginOffset; }
    // The form whose window owns the image's; the active form when none is set.
    vcl::TCustomForm* PopupParent() const { return FPopupParent; }
    void SetPopupParent(vcl::TCustomForm* value) { FPopupParent = value; }

protected:
    void CreateParams(vcl::TCreateParams& params) override;
    void CreateWnd() override;
    // Gives a layered window its attributes; here the alpha of an alpha-blended image.
    virtual void ApplyLayeredAttributes();

private:
    vcl::TPoint FOriginOffset;
    bool FAlphaBlend = true;
    uint8_t FAlphaBlendValue = 180;
    vcl::TCustomForm* FPopupParent = nullptr; // not owned
};

// A drag image that shows a picture its user draws on ImageCanvas.
class TuiDragImage : public TuiCustomDragImage {
    RTL_DECLARE_CLASS(TuiDragImage, TuiCustomDragImage)
public:
    explicit TuiDragImage(rtl::TComponent* owner);
    ~TuiDragImage() override;
    // The picture follows the window's size.
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

    vcl::TBitmap& Image() const { return *FImage; }
    TuiCanvas& ImageCanvas() const { return *FImageCanvas; }

protected:
    void Paint() override;

private:
    std::unique_ptr<vcl::TBitmap> FImage;
    std::unique_ptr<TuiCanvas> FImageCanvas;
};

// The frame shown while something is resized: a ring of FrameWidth pixels (or the whole rectangle with
// FillSelection) filled with a black and white pattern.
class TuiSizeFrame : public TuiCustomDragImage {
    RTL_DECLARE_CLASS(TuiSizeFrame, TuiCustomDragImage)
public:
    TuiSizeFrame(rtl::TComponent* owner, int32_t frameWidth);
    ~TuiSizeFrame() override;
    void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

    // Shows the frame round rect (screen coordinates).
    void DrawSizeFrame(const vcl::TRect& rect);
    int32_t FrameWidth() const { return FFrameWidth; }
    bool FillSelection() const { return FFillSelection; }
    void SetFillSelection(bool value) { FFillSelection = value; }

protected:
    void Paint() override;

private:
    int32_t FFrameWidth;
    std::unique_ptr<TuiRegion> FRegion;
    std::unique_ptr<vcl::TBitmap> FPattern;
    bool FFillSelection = false;
};

// The arrow that shows where a dragged item will be dropped.
class TuiDragAndDropArrow : public TuiDragImage {
    RTL_DECLARE_CLASS(TuiDragAndDropArrow, TuiDragImage)
public:
    TuiDragAndDropArrow(rtl::TComponent* owner, bool transparent);

    // Places the arrow beside area (owner's client coordinates, or the screen's without an owner), clamped into clip,
    // and draws it.
    void Init(vcl::TControl* owner, const vcl::TRect& area, const vcl::TRect& clip, TuiArrowPlace place);
    bool Transparent() const { return FTransparent && HasLayeredWindowAttributes(); }
    // The colour that shows what lies below a transparent arrow.
    virtual vcl::TColor GetTransparentColor() const { return 0xFF00FF; }

protected:
    void CreateParams(vcl::TCreateParams& params) override;
    void ApplyLayeredAttributes() override;

private:
    bool FTransparent;
};

} // namespace ui
