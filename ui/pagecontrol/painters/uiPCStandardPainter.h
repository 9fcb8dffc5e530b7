#pragma once
// TuiPCStandardPainter: the base of every registered tab painter style. It draws one tab (clipped to its shape, owner
// drawn or through the style's body and the base's content), orders, places and draws the navigator buttons (scroll
// arrows, go-dialog and close buttons) with their glyphs, frames the page, and answers the tab metrics from small
// tables indexed by the style's standard style (tab-like, raised buttons, flat buttons). Every tab drawn leaves the
// clip region, so what is drawn first stays on top.

#include "ui/core/graphics/uiCanvas.h"
#include "ui/pagecontrol/tabs/uiPCPainter.h"

#include <initializer_list>
#include <utility>
#include <vector>

namespace ui {

// One-pixel lines along sides of rect, each in its colour and in the order given, each moving its side of rect inward
// by one; with exclude the band between the rectangle given and the one left is then taken out of the clip region.
void DrawRectSides(TuiCanvas& canvas, vcl::TRect& rect, std::initializer_list<std::pair<TuiBorder, vcl::TColor>> sides,
                   bool exclude = false);
// The band of thickness along side of rect: outside it when outward, else inside it.
vcl::TRect RectSideBand(const vcl::TRect& rect, TuiBorder side, int32_t thickness, bool outward);
// rect with its side moved inward by thickness.
vcl::TRect RectLessSide(const vcl::TRect& rect, TuiBorder side, int32_t thickness);

class TuiPCStandardPainter : public TuiPCCustomPainter {
public:
    // The class queries that follow from the standard style.
    class TMetaclass : public TuiPCPainterMetaclass {
    public:
        bool OffsetsFollowTabSide() const override { return GetStandardStyle() == 0; }
        bool AllowsMultiSelect() const override { return GetStandardStyle() != 0; }
        bool ShiftsDownTabContent() const override { return GetStandardStyle() != 0; }
    };

    // A shown navigator button and where it lies.
    struct TNavigatorButtonPosition {
        TuiPCNavigatorButton Button;
        vcl::TRect Bounds;
    };
    // How a navigator button's glyph is drawn; not Enabled draws it embossed.
    struct TNavigatorButtonInfo {
        vcl::TColor GlyphFillColor = vcl::clBtnText;
        vcl::TColor GlyphOutlineColor = vcl::clBtnText;
        bool Enabled = true;
        bool SmallCloseGlyph = false;
    };

    using TuiPCCustomPainter::TuiPCCustomPainter;

    // The navigator buttons in drawing order with their bounds, and the area they fill together.
    const std::vector<TNavigatorButtonPosition>& NavigatorButtonQueue() const { return FNavigatorButtonQueue; }
    const vcl::TRect& NavigatorArea() const { return FNavigatorArea; }

    int32_t CalcTabNormalWidth(const TuiTab& tab) override;
    int32_t CalcTabNormalHeight() override;
    int32_t GetTabMinWidth(int32_t visibleIndex) override;
    TuiPCDistances GetTabsDistance() override;
    int32_t GetFrameWidth() override { return 2; }
    void CalcNavigatorArea(TuiPCNavigatorButtons buttons, TuiPCTabsPosition& position) override;
    vcl::TRect GetImageOffsets(int32_t visibleIndex) override;
    TuiPCDistances GetImageCenterOffsets(int32_t /*visibleIndex*/) override { return {}; }
    vcl::TRect GetTextOffsets(int32_t visibleIndex) override;
    TuiPCDistances GetContentOffsets(int32_t visibleIndex) override;
    TuiPCDistances GetCompactContentOffsets(int32_t visibleIndex) override;
    int32_t GetImageTextDistance() override { return 6; }
    void SetTabImageAndTextRects(int32_t visibleIndex) override;
    bool GetNavigatorButtonAt(int32_t x, int32_t y, TuiPCNavigatorButton& button) override;
    // The active tab is down.
    bool IsTabDown(int32_t visibleIndex) override;
    vcl::TRect GetGoDialogButtonBounds() override;
    void GetGoDialogPoint(vcl::TSize menuSize, vcl::TPoint& point) override;
    // The base's drawing, then what the clip region still shows of the control in the tabs' background.
    void Paint() override;
    void DrawNavigatorButtons() override;
    void DrawTabs() override;
    void DrawFrame() override;
    void NavigatorButtonStateChanged(TuiPCNavigatorButton button, TuiPCNavigatorButtonState previous) override;
    void TabChanged(int32_t visibleIndex, TuiTabChangeKind kind) override;

    virtual void DrawTab(int32_t visibleIndex);
    virtual TNavigatorButtonInfo GetNavigatorButtonInfo(TuiPCNavigatorButton button);
    virtual void CalcNavigatorButtonsBounds(TuiPCNavigatorButtons buttons);
    virtual void CalcNavigatorButtonPositions(TuiPCNavigatorButtons buttons);
    // The buttons' lengths and gaps along the tab line, with the end offset and the gap to the tabs when any shows.
    virtual int32_t GetNavigatorAreaWidth(TuiPCNavigatorButtons buttons);
    virtual vcl::TColor GetNavigatorButtonColor(TuiPCNavigatorButtonState /*state*/) { return vcl::clBtnFace; }
    virtual vcl::TColor GetNavigatorButtonGlyphColor(TuiPCNavigatorButtonState state);
    // Relative to the button's top-left corner.
    virtual vcl::TPoint GetNavigatorButtonGlyphOffset(TuiPCNavigatorButton button);
    virtual int32_t GetNavigatorButtonHeight() { return 20; }
    // Along the tab line.
    virtual int32_t GetNavigatorButtonWidth(TuiPCNavigatorButton button);
    virtual int32_t GetMinTabHeight();
    virtual int32_t GetTabMinWidthPart() { return 42; }
    virtual vcl::TColor GetTabsBackgroundColor();
    virtual int32_t GetMinFrameSize() { return 2 * GetFrameWidth(); }
    // -1: no particular tab.
    virtual int32_t GetImageAreaWidth(int32_t visibleIndex);
    virtual vcl::TRect GetTabsAreaMargins() { return {}; }
    virtual int32_t GetTabContentHeight();
    virtual void DrawFocusRect(int32_t visibleIndex, const vcl::TRect& rect);
    virtual void DrawNavigatorButton(TuiPCNavigatorButton button, const vcl::TRect& rect);
    virtual void FillNavigatorButton(const vcl::TRect& rect, TuiPCNavigatorButtonState state);
    // Draws the frame and shrinks rect to what lies inside it.
    virtual void DrawNavigatorButtonFrame(vcl::TRect& rect, TuiPCNavigatorButtonState state);
    virtual void DrawFrameBorder(const vcl::TRect& rect);
    virtual void DrawTabBody(TuiTab& tab, int32_t visibleIndex) = 0;
    virtual void DrawNativeTab(TuiTab& /*tab*/, int32_t /*visibleIndex*/) {}
    // The shown buttons of buttons in drawing order (bounds not filled): the close button outermost, the go-dialog
    // button next to the tabs.
    virtual std::vector<TNavigatorButtonPosition> GetNavigatorButtons(TuiPCNavigatorButtons buttons);

protected:
    int32_t StandardStyle() const { return ClassType().GetStandardStyle(); }
    bool IsHorizontalLine() const;
    // height made even against the image height when tabs are rotated, so that rotated images sit centred.
    int32_t EvenedTabHeight(int32_t height) const;
    // No image area: the control has no images, or the tab (not -1) shows none and tabs are not rotated.
    bool HasNoImageArea(int32_t visibleIndex) const;
    // Invalidates the clip rectangle of the rows the tab lies in (front or back rows).
    void InvalidateTabRows(const TuiTab& tab);
    // The navigator sits before the tabs (left of them, or above them).
    bool IsNavigatorAtStart() const;
    // The page bounds made at least GetMinFrameSize wide and high.
    vcl::TRect FrameRect();
    // The glyph offsets the Tabs and button styles use instead of centred ones.
    vcl::TPoint FixedGlyphOffset(TuiPCNavigatorButton button);
    // The displayed visible indexes: the scrolled window of a single-line control, all of a multi-line one; the last
    // is -1 when none is displayed.
    int32_t FirstDisplayedIndex() const;
    int32_t LastDisplayedIndex() const;
    void DrawNavigatorGlyph(TuiCanvas& canvas, TuiPCNavigatorButton button, vcl::TPoint origin, vcl::TColor fill,
                            vcl::TColor outline, bool smallClose);
    // The four-line raised (or sunken) frame of a button; flat, only its outer two lines.
    void DrawButtonFrame3D(TuiCanvas& canvas, const vcl::TRect& rect, bool sunken, bool flat = false);

private:
    vcl::TRect FNavigatorArea;
    std::vector<TNavigatorButtonPosition> FNavigatorButtonQueue;
};

} // namespace ui
