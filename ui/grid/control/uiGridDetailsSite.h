#pragma once
// TuiCustomGridDetailsSiteViewInfo: the rectangle in which a level shows the view of one of its child levels, inside
// an optional frame: at the top of the grid for the root level, inside an expanded master row for the others. Its
// height and width follow the active view's wishes within the limits the concrete site gives; tabs are not laid out
// yet.

#include "ui/core/objects/uiComponents.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace ui {

class TuiCanvas;
class TuiCustomGrid;
class TuiCustomGridHitTest;
class TuiCustomGridView;
class TuiGridLevel;

class TuiCustomGridDetailsSiteViewInfo : public TuiComponent {
    RTL_DECLARE_CLASS(TuiCustomGridDetailsSiteViewInfo, TuiComponent)
public:
    explicit TuiCustomGridDetailsSiteViewInfo(TuiGridLevel& level);
    ~TuiCustomGridDetailsSiteViewInfo() override;

    TuiGridLevel& Level() const { return FLevel; }
    TuiCustomGrid* Control() const;
    const vcl::TRect& Bounds() const { return FBounds; }
    int32_t Height() const { return FBounds.Height(); }
    int32_t Width() const { return FBounds.Width(); }
    // The bounds less the frame.
    virtual vcl::TRect GetClientBounds() const;
    int32_t ClientHeight() const { return GetClientBounds().Height(); }
    int32_t ClientWidth() const { return GetClientBounds().Width(); }
    int32_t NonClientHeight() const { return Height() - ClientHeight(); }
    int32_t NonClientWidth() const { return Width() - ClientWidth(); }
    // The client bounds grown by the frame.
    vcl::TRect GetFrameBounds() const;
    vcl::TColor GetFrameColor() const;
    int32_t GetFrameWidth() const;
    virtual vcl::TColor GetBackgroundColor() const;
    bool FullyVisible() const { return FFullyVisible; }
    int32_t NormalHeight() const { return FNormalHeight; }

    // Bounds := (left, top) with the wanted size; the active view is laid out in the client bounds.
    void Calculate(int32_t left, int32_t top);
    virtual int32_t CalculateHeight();
    virtual int32_t CalculateWidth();
    // The active view (taken once, forgotten when it is freed), or nullptr.
    TuiCustomGridView* GetActiveGridView();
    // The active view's hit test at point (container coordinates), or nullptr.
    virtual TuiCustomGridHitTest* GetHitTest(vcl::TPoint point);
    // Tells the active view's view info; a concrete site's destructor tells it false (the base destructor cannot
    // reach the concrete site's answers any more).
    virtual void VisibilityChanged(bool visible);
    // Frame and background on canvas.
    void Paint(TuiCanvas& canvas);

protected:
    virtual TuiCustomGridView* GetActiveGridViewValue() const = 0;
    virtual int32_t GetMaxHeight() const = 0;
    virtual int32_t GetMaxWidth() const = 0;
    virtual int32_t GetMinWidth() const { return GetMaxWidth(); }
    virtual int32_t GetMaxNormalHeight() const { return INT32_MAX; }
    virtual int32_t GetEmptyClientHeight() const { return 100; }
    virtual int32_t GetEmptyClientWidth() const { return 200; }
    void Notification(rtl::TComponent* component, rtl::TOperation operation) override;

private:
    vcl::TSize MaxClientSize() const;

    TuiGridLevel& FLevel;
    TuiCustomGridView* FActiveGridView = nullptr; // not owned; forgotten when freed
    bool FActiveGridViewTaken = false;
    vcl::TRect FBounds;
    int32_t FNormalHeight = 0;
    bool FFullyVisible = false;
};

} // namespace ui
