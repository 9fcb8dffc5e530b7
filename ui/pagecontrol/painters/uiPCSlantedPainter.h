#pragma once
// TuiPCSlantedPainter (style 9, "Slanted"): tabs whose outline is a polygon, with slanted ends that overlap the
// neighbouring tabs or with cut corners, as the control's TabSlants say; faces are two-colour gradients, outlines one
// colour, hot and active tabs carry a highlight band along their far edge, and the active tab opens into the page. No
// look and feel chooses it. The OneNote style derives from it.
//
// Outlines are built as if the tab stood on top of the page (uiPCOutlines.h): for a tab of full rectangle (L, T, Rt,
// B) of length W along its line and thickness H across it, the base row next to the page is y = B - 1 and the far
// edge y = B - H.

#include "ui/pagecontrol/painters/uiPCOutlines.h"
#include "ui/pagecontrol/painters/uiPCStandardPainter.h"

#include <utility>

namespace ui {

class TuiPCSlantedPainter : public TuiPCStandardPainter {
public:
    class TMetaclass : public TuiPCStandardPainter::TMetaclass {
    public:
        TuiPCStyleID GetStyleID() const override { return 9; }
        rtl::UnicodeString GetStyleName() const override { return u"Slanted"; }
        std::unique_ptr<TuiPCCustomPainter> CreatePainter(TuiCustomTabControl& control) const override;
    };

    static const TMetaclass& StaticClass();
    const TuiPCPainterMetaclass& ClassType() const override { return StaticClass(); }

    using TuiPCStandardPainter::TuiPCStandardPainter;

    // The cut value of the last layout.
    int32_t CutValue() const { return FCutValue; }

    // Layout and metrics.
    void PrepareLayout() override;
    int32_t CalcTabNormalWidth(const TuiTab& tab) override;
    int32_t GetTabMinWidth(int32_t visibleIndex) override { return GetImageAreaWidth(visibleIndex); }
    int32_t GetMinTabHeight() override { return 0; }
    int32_t GetTabContentHeight() override;
    int32_t GetImageAreaWidth(int32_t visibleIndex) override;
    int32_t GetImageTextDistance() override { return 3; }
    vcl::TRect GetImageOffsets(int32_t visibleIndex) override;
    vcl::TRect GetTextOffsets(int32_t visibleIndex) override;
    TuiPCDistances GetContentOffsets(int32_t visibleIndex) override;
    TuiPCDistances GetCompactContentOffsets(int32_t visibleIndex) override { return GetContentOffsets(visibleIndex); }
    // Exchanged with Rotate, which the control exchanges again.
    TuiPCDistances GetTabsDistance() override;
    vcl::TRect GetTabsAreaMargins() override;
    vcl::TRect GetTabStripMargins() override;
    vcl::TRect GetPageClientExtents() override;
    int32_t GetFrameWidth() override { return 1; }
    bool IsTabDown(int32_t /*visibleIndex*/) override { return false; }

    // Navigator buttons.
    int32_t GetButtonsEdgeOffset() override;
    int32_t GetButtonsEndOffset() override;
    int32_t GetButtonsDistance(TuiPCNavigatorButton button, TuiPCNavigatorButton next) override;
    int32_t GetButtonsToTabsDistance() override { return 1; }
    int32_t GetNavigatorButtonHeight() override { return 17; }
    int32_t GetNavigatorButtonWidth(TuiPCNavigatorButton button) override;
    TNavigatorButtonInfo GetNavigatorButtonInfo(TuiPCNavigatorButton button) override;
    vcl::TColor GetNavigatorButtonColor(TuiPCNavigatorButtonState state) override;
    vcl::TColor GetNavigatorButtonGlyphColor(TuiPCNavigatorButtonState state) override;
    void DrawNavigatorButtonFrame(vcl::TRect& rect, TuiPCNavigatorButtonState state) override;

    // Colours: a tab of no colour of its own takes the page's.
    bool UsesPageColorForTabs() override { return true; }
    vcl::TColor GetTabColor(int32_t visibleIndex) override;
    vcl::TColor GetPageColor() override;

    // Shapes and hit tests.
    std::unique_ptr<TuiRegion> GetTabClipRegion(int32_t visibleIndex) override;
    // Where a tab overlaps the next one and that one is active, the point is the active tab's.
    bool IsPointInTab(int32_t visibleIndex, int32_t x, int32_t y) override;

    // Drawing.
    void DrawTabs() override;
    // The face goes under the image and caption first, which keep no background of their own.
    void DrawTabContent(TuiTab& tab, int32_t visibleIndex) override;
    vcl::TColor GetTabContentBackgroundColor(int32_t /*visibleIndex*/) override { return vcl::clNone; }
    void DrawTabBody(TuiTab& tab, int32_t visibleIndex) override;
    void DrawTextBitmapBackground(TuiBitmap32& bitmap, int32_t visibleIndex) override;
    void DrawFrame() override;
    void FillBackground() override;

    // The active tab takes the hot gradient too when it is hot.
    virtual bool HotTracksActiveTab() { return false; }
    // rect filled with the tab's face: the active tab solid, the others in their gradient (exchanged on request),
    // running across rect when horizontal.
    virtual void FillTabFace(TuiCanvas& canvas, const vcl::TRect& rect, bool exchange, bool horizontal,
                             int32_t visibleIndex);
    // The line just beyond the active tab's page side in the tab's colour, so that the tab opens into the page.
    virtual void DrawActiveTabBase(int32_t visibleIndex);
    virtual std::pair<vcl::TColor, vcl::TColor> GetTabGradientColors(int32_t visibleIndex);
    // The least width of a tab's image area.
    virtual int32_t GetSlantAreaWidth();
    virtual vcl::TColor GetTabOutlineColor() { return vcl::clBtnShadow; }
    // The ends of the tabs drawn slanted.
    virtual TuiTabSlantPositions GetSlantedSides();
    // The image size, each dimension above 0 grown by the image border on both sides.
    virtual vcl::TSize GetImageSizeWithBorder();
    virtual int32_t CalcCutValue();
    // The tab's outline region: for clipping the face (face), or for clipping and hit tests.
    virtual std::unique_ptr<TuiRegion> GetTabRegion(int32_t visibleIndex, bool face);
    virtual void DrawTabOutline(int32_t visibleIndex, const vcl::TRect& rect);
    virtual void DrawTabHighlightBand(int32_t visibleIndex);

protected:
    // The outline of a tab in top-tab coordinates, from the start of its base to its end; the base stays open.
    TuiPCOutline TopTabOutline(const vcl::TRect& rect, TuiTabPosition side);
    // A polyline given in top-tab coordinates of a tab of rect on side, turned to the side, in color with its last
    // point.
    void DrawTopTabPolyline(const vcl::TRect& rect, TuiTabPosition side, std::span<const vcl::TPoint> points,
                            vcl::TColor color);
    // A pixel given in top-tab coordinates, turned to the side.
    void SetTopTabPixel(const vcl::TRect& rect, TuiTabPosition side, vcl::TPoint point, vcl::TColor color);
    // The one-pixel strip just beyond a tab's page side, as wide as its visible rectangle.
    static vcl::TRect PageSideStrip(const TuiTab& tab);

private:
    bool HasSlantPosition(TuiTabSlantPosition position) const;
    int32_t SlantPositionCount() const;
    void DrawRow(int32_t row, int32_t active);
    void DrawRowBase(int32_t row, int32_t first, int32_t last);
    // rect grown by 2 toward the tabs in tab-strip mode.
    vcl::TRect GrownTowardTabsInStrip(const vcl::TRect& rect) const;

    int32_t FCutValue = 0;
};

} // namespace ui
