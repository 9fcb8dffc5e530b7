#pragma once
// TuiPCOneNotePainter (style 10, "OneNote"): notebook-divider tabs, each with a long diagonal at its start that
// overlaps the tab before it and small bevelled corners at its far edge, outlined in three colours (an outer line and
// an inner light and dark one) of the Office 2003 colour scheme in force. The active tab takes the hot gradient when
// hot, and the style cannot rotate its tabs. No look and feel chooses it.

#include "ui/pagecontrol/painters/uiPCSlantedPainter.h"

namespace ui {

class TuiPCOneNotePainter : public TuiPCSlantedPainter {
public:
    class TMetaclass : public TuiPCSlantedPainter::TMetaclass {
    public:
        TuiPCStyleID GetStyleID() const override { return 10; }
        rtl::UnicodeString GetStyleName() const override { return u"OneNote"; }
        bool AllowsRotate() const override { return false; }
        std::unique_ptr<TuiPCCustomPainter> CreatePainter(TuiCustomTabControl& control) const override;
    };

    static const TMetaclass& StaticClass();
    const TuiPCPainterMetaclass& ClassType() const override { return StaticClass(); }

    using TuiPCSlantedPainter::TuiPCSlantedPainter;

    vcl::TRect GetImageOffsets(int32_t /*visibleIndex*/) override { return {0, 3, 0, 1}; }
    vcl::TRect GetTextOffsets(int32_t /*visibleIndex*/) override { return {0, 4, 0, 1}; }
    TuiPCDistances GetContentOffsets(int32_t visibleIndex) override;
    TuiPCDistances GetTabsDistance() override;
    vcl::TRect GetTabsAreaMargins() override;
    vcl::TRect GetTabStripMargins() override;
    int32_t GetButtonsEdgeOffset() override;

    bool HotTracksActiveTab() override { return true; }
    int32_t GetSlantAreaWidth() override { return CutValue() + 4; }
    vcl::TColor GetTabOutlineColor() override;
    TuiTabSlantPositions GetSlantedSides() override { return {spLeft}; }
    int32_t CalcCutValue() override;
    std::unique_ptr<TuiRegion> GetTabRegion(int32_t visibleIndex, bool face) override;
    void DrawTabOutline(int32_t visibleIndex, const vcl::TRect& rect) override;
    void DrawTabHighlightBand(int32_t /*visibleIndex*/) override {}
    void DrawActiveTabBase(int32_t visibleIndex) override;

private:
    // The outer, inner light and inner dark outline colours of a tab in its state.
    struct TOutlineColors {
        vcl::TColor Outer;
        vcl::TColor Light;
        vcl::TColor Dark;
    };
    TOutlineColors GetOutlineColors(int32_t visibleIndex);
    // The face colour of the tab found at a point given in the tab's top-tab coordinates, or the control's colour.
    vcl::TColor ColorUnder(const vcl::TRect& rect, TuiTabPosition side, vcl::TPoint point);
    // The outline's points in top-tab coordinates for the face region, of rect changed as the side asks.
    std::vector<vcl::TPoint> FaceRegionPoints(vcl::TRect& rect, TuiTabPosition side) const;
    // The same for the clipping and hit-test region, of rect grown by 1.
    static std::vector<vcl::TPoint> ClipRegionPoints(const vcl::TRect& rect, TuiTabPosition side);
};

} // namespace ui
