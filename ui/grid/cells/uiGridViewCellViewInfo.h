#pragma once
// TuiCustomGridViewCellViewInfo: a cell of a view's layout. It measures on the layout's canvas, lies on the view's
// site, repaints through the view's change queue and offers a hint of its text: by default where the text does not
// fit. A cell that goes away leaves the layout's processing cells and takes down the hint it shows.

#include "ui/grid/cells/uiGridCellViewInfo.h"

namespace ui {

class TuiCustomGridViewInfo;

class TuiCustomGridViewCellViewInfo : public TuiCustomGridCellViewInfo {
    RTL_DECLARE_CLASS(TuiCustomGridViewCellViewInfo, TuiCustomGridCellViewInfo)
public:
    explicit TuiCustomGridViewCellViewInfo(TuiCustomGridViewInfo& gridViewInfo) : FGridViewInfo(gridViewInfo) {}
    ~TuiCustomGridViewCellViewInfo() override;

    TuiCustomGridViewInfo& GridViewInfo() const { return FGridViewInfo; }
    // The inherited handling, then the hint check while the cell offers hints.
    bool MouseMove(TuiCustomGridHitTest& hitTest, vcl::TShiftState shift) override;
    // The cell is shown and offers hints.
    bool ShowsHints() const { return Visible() && CanShowHint(); }
    // The hint at mousePos: its text, where its text lies and whether it breaks into lines; false without one.
    virtual bool NeedsHint(vcl::TPoint mousePos, rtl::UnicodeString& text, vcl::TRect& textRect, bool& multiLine);
    // Shows the hint the cell needs at mousePos through the view's controller, or hides the controller's hint.
    void CheckHint(vcl::TPoint mousePos);

protected:
    TuiControl* GetControl() const override;
    TuiCanvas* GetCanvas() const override;
    void Invalidate() override;
    virtual bool CanShowHint() const { return false; }
    // The hint's area is the text area within the clip (empty: none).
    virtual vcl::TRect GetHintAreaClip() const { return GetClippingBounds(); }
    virtual vcl::TRect GetHintAreaBounds() const { return GetTextAreaBounds(); }
    virtual rtl::UnicodeString GetHintText() const { return Text(); }
    virtual vcl::TRect GetHintTextRect(vcl::TPoint /*mousePos*/) const { return GetTextAreaBounds(); }
    bool IsPointInHintArea(vcl::TPoint point) const;
    virtual void GetHintInfo(vcl::TPoint mousePos, rtl::UnicodeString& text, vcl::TRect& textRect, bool& multiLine);
    // A hint only for text that does not fit.
    virtual bool HintOnlyWhenClipped() const { return true; }
    virtual bool IsHintMultiLine() const { return MultiLinePainting(); }
    // The font the hint shows its text in: the cell's.
    const vcl::TFont& HintFont() const;
    // The text is lower than it needs, narrower on one line, or its aligned bounds leave the hint area.
    bool IsTextClipped();

private:
    vcl::TRect HintArea() const;

    TuiCustomGridViewInfo& FGridViewInfo;
    bool FDestroying = false;
};

} // namespace ui
