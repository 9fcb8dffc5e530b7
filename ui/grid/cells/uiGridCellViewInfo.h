#pragma once
// TuiCustomGridCellViewInfo: the base of every rectangle a grid draws or hit-tests (a header, a cell, a button, a
// row part): where it is, how its text is aligned and bordered, whether the pointer is over it or pressing it, and
// which hit test names it.

#include "ui/core/controls/services/uiMouseTracking.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiCanvas.h"
#include "vcl/controls/ControlTypes.h"
#include "vcl/stdctrls/StdCtrlTypes.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace ui {

class TuiControl;
class TuiCustomGridHitTest;

enum TuiGridCellMouseState : uint8_t { cmsNormal, cmsHot, cmsPressed };

// The library's text flags a cell's text is drawn and measured with.
inline constexpr uint32_t uiGridTextLeft = 0x1;
inline constexpr uint32_t uiGridTextRight = 0x2;
inline constexpr uint32_t uiGridTextCenterHorz = 0x4;
inline constexpr uint32_t uiGridTextTop = 0x8;
inline constexpr uint32_t uiGridTextBottom = 0x10;
inline constexpr uint32_t uiGridTextCenterVert = 0x20;
inline constexpr uint32_t uiGridTextSingleLine = 0x40;
inline constexpr uint32_t uiGridTextWordBreak = 0x400;
inline constexpr uint32_t uiGridTextEndEllipsis = 0x800;

class TuiCustomGridCellViewInfo : public rtl::TObject,
                                  public IuiMouseTrackingCaller,
                                  public IuiMouseTrackingCallerArea {
    RTL_DECLARE_CLASS(TuiCustomGridCellViewInfo, rtl::TObject)
public:
    TuiCustomGridCellViewInfo() = default;
    ~TuiCustomGridCellViewInfo() override;

    // Calculates the parameters when needed; a width or height of -1 is the cell's own.
    virtual void Calculate(int32_t left, int32_t top, int32_t width = -1, int32_t height = -1);
    void CalculateInRect(const vcl::TRect& rect);
    void CalculateParamsIfNeeded();
    const vcl::TRect& Bounds() const { return FBounds; }
    bool Calculated() const { return FCalculated; }
    // The bounds less each border's width.
    vcl::TRect ClientBounds() const;
    vcl::TRect TextAreaBounds() const;

    vcl::TAlignment AlignmentHorz() const { return FAlignmentHorz; }
    TuiAlignmentVert AlignmentVert() const { return FAlignmentVert; }
    const rtl::UnicodeString& Text() const { return FText; }
    bool MultiLinePainting() const { return FMultiLinePainting; }
    // The text flags for painting (multi-line painting decides the line flag) or for measuring (multi-line does).
    uint32_t GetTextAttributes(bool forPainting) const;
    int32_t BorderWidth(TuiBorder side) const;
    TuiBorders Borders() const { return FBorders; }

    // The mouse. Each answers whether the cell handled the event.
    TuiGridCellMouseState State() const { return FState; }
    void SetState(TuiGridCellMouseState value);
    virtual bool MouseDown(TuiCustomGridHitTest& hitTest, vcl::TMouseButton button, vcl::TShiftState shift);
    virtual bool MouseMove(TuiCustomGridHitTest& hitTest, vcl::TShiftState shift);
    virtual bool MouseUp(TuiCustomGridHitTest& hitTest, vcl::TMouseButton button, vcl::TShiftState shift);
    void MouseLeave() override;
    bool PtInCaller(vcl::TPoint point) override { return ContainsPoint(point); }
    // The capture went elsewhere.
    void CaptureLost() { SetState(cmsNormal); }
    bool HasMouseCapture() const;
    void SetMouseCapture(bool capture);
    bool ContainsPoint(vcl::TPoint point) const;

    // The shared hit test of the cell's class at point, naming this cell; nullptr when the point misses it.
    TuiCustomGridHitTest* GetHitTest(vcl::TPoint point);
    TuiCustomGridHitTest* LinkedHitTest() const { return FLinkedHitTest; }
    // The hit test that named the cell before forgets it; hitTest names it.
    void SetLinkedHitTest(TuiCustomGridHitTest* hitTest);

protected:
    // The cell's hit test, from the shared instances (nullptr: the cell is never hit).
    virtual TuiCustomGridHitTest* CreateHitTest(vcl::TPoint /*point*/) { return nullptr; }
    virtual bool IsOwnHitTest(const TuiCustomGridHitTest& hitTest) const;
    virtual vcl::TAlignment GetAlignmentHorz() const { return vcl::taLeftJustify; }
    virtual TuiAlignmentVert GetAlignmentVert() const { return vaTop; }
    virtual TuiBorders GetBorders() const { return {}; }
    virtual int32_t GetBorderWidth(TuiBorder /*side*/) const { return 0; }
    virtual rtl::UnicodeString GetText() const { return {}; }
    virtual bool GetMultiLine() const { return false; }
    virtual bool GetMultiLinePainting() const { return FMultiLine; }
    virtual bool ShowEndEllipsis() const { return false; }
    virtual int32_t CalculateWidth() const { return FBounds.Width(); }
    virtual int32_t CalculateHeight() const { return FBounds.Height(); }
    virtual bool GetVisibleForHitTest() const { return FVisible; }
    // The area hit tests and mouse tracking use.
    virtual vcl::TRect GetAreaBounds() const { return FBounds; }
    // Empty: no clipping.
    virtual vcl::TRect GetClippingBounds() const { return {}; }
    // The control the cell lies on (its canvas draws there), or nullptr.
    virtual TuiControl* GetControl() const { return nullptr; }
    virtual bool HotTrack() const { return HasPopup(); }
    virtual bool HasPopup() const { return false; }
    virtual bool CaptureMouseOnPress() const { return false; }
    virtual bool InvalidateOnStateChange() const { return true; }
    virtual void BeforeStateChange() {}
    virtual void StateChanged(TuiGridCellMouseState oldState);
    // After a press released over the cell.
    virtual void Click() {}
    virtual void ShowPopup() {}
    virtual void Invalidate() {}

private:
    friend class TuiCustomGridHitTest;
    void CalculateParams();

    vcl::TRect FBounds;
    rtl::UnicodeString FText;
    TuiCustomGridHitTest* FLinkedHitTest = nullptr; // not owned
    vcl::TAlignment FAlignmentHorz = vcl::taLeftJustify;
    TuiAlignmentVert FAlignmentVert = vaTop;
    TuiBorders FBorders;
    TuiGridCellMouseState FState = cmsNormal;
    bool FCalculated = false;
    bool FCalculatingParams = false;
    bool FParamsCalculated = false;
    bool FMultiLine = false;
    bool FMultiLinePainting = false;
    bool FVisible = true;
};

} // namespace ui
