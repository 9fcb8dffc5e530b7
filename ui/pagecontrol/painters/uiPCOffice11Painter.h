#pragma once
// TuiPCOffice11Painter (style 8, "Office11"): the UltraFlat style in the Office 2003 colours: rows, inactive tabs and
// the page in the bar gradient, the active tab and hot buttons in the hot gradient, pressed buttons in the pressed
// one, frames and accents in the selection frame colour, etched separators. Without pcoGradient every gradient is the
// even mix of its two colours. It is the style of the Office 2003 look without a skin.

#include "ui/pagecontrol/painters/uiPCUltraFlatPainter.h"

#include <utility>

namespace ui {

class TuiPCOffice11Painter : public TuiPCUltraFlatPainter {
public:
    class TMetaclass : public TuiPCUltraFlatPainter::TMetaclass {
    public:
        TuiPCStyleID GetStyleID() const override { return 8; }
        rtl::UnicodeString GetStyleName() const override { return u"Office11"; }
        // The Office 2003 look without a skin.
        bool IsDefaultForLookAndFeel(const TuiLookAndFeel& lookAndFeel) const override;
        std::unique_ptr<TuiPCCustomPainter> CreatePainter(TuiCustomTabControl& control) const override;
    };

    static const TMetaclass& StaticClass();
    const TuiPCPainterMetaclass& ClassType() const override { return StaticClass(); }

    using TuiPCUltraFlatPainter::TuiPCUltraFlatPainter;

    // A highlighted tab is clHighlight, else the tab's own colour; clDefault stays, for the gradient.
    vcl::TColor GetTabColor(int32_t visibleIndex) override;
    // An inactive tab without a colour of its own is painted with its row.
    bool ExcludesTabContentOnly(int32_t visibleIndex) override;
    vcl::TColor GetTabsBackgroundColor() override { return GetFrameColor(); }
    vcl::TRect GetPageClientExtents() override;
    void AdjustPageClientExtents(vcl::TRect& /*extents*/) override {}
    int32_t GetRowSpacing() override { return 1; }
    int32_t GetTabGap() override { return 2; }
    bool HasRowOffset() override { return HasFrame(); }
    TuiPCDistances GetTabSeparatorInsets() override;
    vcl::TColor GetRowBackgroundColor() override;
    vcl::TRect GetRowsAreaRect() override;
    bool NeedsRedrawOnResize() override;

    vcl::TColor GetNavigatorButtonGlyphColor(TuiPCNavigatorButtonState state) override;
    void FillNavigatorButton(const vcl::TRect& rect, TuiPCNavigatorButtonState state) override;
    void DrawNavigatorButtonFrame(vcl::TRect& rect, TuiPCNavigatorButtonState state) override;

    // The far-side line first, then the rows area and the page.
    void DrawPageArea() override;
    void DrawFrame() override;
    void FillBackground() override;
    // A tab of no colour of its own gets its gradient under its image and caption first.
    void DrawTabContent(TuiTab& tab, int32_t visibleIndex) override;
    void DrawTextBitmapBackground(TuiBitmap32& bitmap, int32_t visibleIndex) override;
    void FillTabsRow(TuiCanvas& canvas, const vcl::TRect& rect, int32_t visibleIndex) override;
    void DrawActiveTabAccent(vcl::TRect& rect) override;
    void DrawTabSeparator(const vcl::TRect& rect) override;
    void DrawRowEdge(vcl::TRect& rect, int32_t row) override;

    // The colour of frames and accents: the look's selection frame colour.
    virtual vcl::TColor GetFrameColor();

private:
    using TColorPair = std::pair<vcl::TColor, vcl::TColor>;

    // first and second, or both their even mix without pcoGradient.
    TColorPair Gradient(vcl::TColor first, vcl::TColor second) const;
    // The colours of a tab's background gradient: hot for the active tab, the bar's otherwise (and for -1).
    TColorPair TabGradient(int32_t visibleIndex) const;
    // A gradient over rect from first to second, across the tab line.
    void PaintGradient(TuiCanvas& canvas, const vcl::TRect& rect, const TColorPair& colors);
    // A line along the far edge of the page, when there is no frame and rows lie on that side.
    bool DrawsFarSideLine();
    // The first row's rectangle, the button's own without a row.
    vcl::TRect FirstRowRectOr(const vcl::TRect& rect);
    // The rectangle whose gradient lies under a tab: its face for the active tab, else its row.
    vcl::TRect TabBackgroundRect(int32_t visibleIndex);
};

} // namespace ui
