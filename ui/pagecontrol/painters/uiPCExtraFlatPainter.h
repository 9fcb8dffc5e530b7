#pragma once
// TuiPCExtraFlatPainter (style 5, "ExtraFlat"): tabs as flat rectangles in full-width rows, the active tab in the
// button face with a one-pixel accent (white up and left, black down and right) open toward the page, inactive tabs
// in the lightened face with a shadow separator between neighbours, and a band between the rows and the page. It is
// the base of the UltraFlat and Office11 styles, which change its colours, lines and navigator buttons.

#include "ui/pagecontrol/painters/uiPCStandardPainter.h"

namespace ui {

class TuiPCExtraFlatPainter : public TuiPCStandardPainter {
public:
    class TMetaclass : public TuiPCStandardPainter::TMetaclass {
    public:
        TuiPCStyleID GetStyleID() const override { return 5; }
        rtl::UnicodeString GetStyleName() const override { return u"ExtraFlat"; }
        std::unique_ptr<TuiPCCustomPainter> CreatePainter(TuiCustomTabControl& control) const override;
    };

    static const TMetaclass& StaticClass();
    const TuiPCPainterMetaclass& ClassType() const override { return StaticClass(); }

    using TuiPCStandardPainter::TuiPCStandardPainter;

    // Metrics.
    // TabWidth when it is at least 1, else the image area, the caption and 9 (12 for no caption); never below the
    // image area.
    int32_t CalcTabNormalWidth(const TuiTab& tab) override;
    // The content's height, at least 17; TabHeight - 4 instead when that is more and at least 17.
    int32_t CalcTabNormalHeight() override;
    int32_t GetTabMinWidth(int32_t visibleIndex) override { return GetImageAreaWidth(visibleIndex); }
    int32_t GetMinTabHeight() override { return 17; }
    int32_t GetTabContentHeight() override;
    int32_t GetImageAreaWidth(int32_t visibleIndex) override;
    // The active tab is one pixel larger on every side.
    vcl::TRect GetTabCorrection(int32_t visibleIndex) override;
    vcl::TRect GetImageOffsets(int32_t visibleIndex) override;
    vcl::TRect GetTextOffsets(int32_t visibleIndex) override;
    TuiPCDistances GetContentOffsets(int32_t visibleIndex) override;
    TuiPCDistances GetCompactContentOffsets(int32_t visibleIndex) override;
    TuiPCDistances GetTabsDistance() override;
    int32_t GetFrameWidth() override { return 1; }
    vcl::TRect GetTabsAreaExtents() override;
    vcl::TRect GetPageClientExtents() override;
    void CalcNavigatorArea(TuiPCNavigatorButtons buttons, TuiPCTabsPosition& position) override;

    // Colours.
    vcl::TColor GetTabColor(int32_t visibleIndex) override;
    // The control's colour under a page, else the tabs' background.
    vcl::TColor GetDefaultPageColor() override;
    vcl::TColor GetTabsBackgroundColor() override { return vcl::clBtnFace; }

    // Navigator buttons.
    int32_t GetNavigatorButtonWidth(TuiPCNavigatorButton /*button*/) override { return 13; }
    int32_t GetNavigatorButtonHeight() override { return 13; }
    int32_t GetButtonsDistance(TuiPCNavigatorButton button, TuiPCNavigatorButton next) override;
    int32_t GetButtonsEdgeOffset() override { return 6; }
    int32_t GetButtonsEndOffset() override;
    vcl::TColor GetNavigatorButtonColor(TuiPCNavigatorButtonState state) override;
    vcl::TColor GetNavigatorButtonGlyphColor(TuiPCNavigatorButtonState state) override;
    // Glyphs drawn plainly; a disabled control's or button's glyph hollow (filled with the lightened face).
    TNavigatorButtonInfo GetNavigatorButtonInfo(TuiPCNavigatorButton button) override;
    vcl::TPoint GetNavigatorButtonGlyphOffset(TuiPCNavigatorButton button) override;
    // Only hot and pressed buttons have a frame.
    void DrawNavigatorButtonFrame(vcl::TRect& rect, TuiPCNavigatorButtonState state) override;

    // Drawing: the page area first, then the buttons and the tabs row by row.
    void DrawContent() override;
    void DrawPageArea() override;
    void DrawTabs() override;
    void DrawFrame() override;
    void DrawTabBody(TuiTab& tab, int32_t visibleIndex) override;
    void TabChanged(int32_t visibleIndex, TuiTabChangeKind kind) override;

    // The band between a tab row and the next row or the page.
    virtual int32_t GetRowSpacing() { return 3; }
    virtual vcl::TRect GetActiveTabFocusRect();
    // How far a separator keeps from the top (left) and the bottom (right) of its tab.
    virtual TuiPCDistances GetTabSeparatorInsets() { return {2, 2}; }
    // Fills a tab's rectangle, or with -1 the free part of a row.
    virtual void FillTabsRow(TuiCanvas& canvas, const vcl::TRect& rect, int32_t visibleIndex);
    virtual void AdjustPageClientExtents(vcl::TRect& extents);
    virtual vcl::TColor GetRowBackgroundColor();
    // The band between the tab rows and the page.
    virtual vcl::TRect GetRowsAreaRect();
    // A tab's share of its row; the active tab's own face without wholeRow.
    virtual vcl::TRect GetRowRect(int32_t visibleIndex, bool wholeRow);
    // The thickness of a separator, which is the gap between tabs.
    virtual int32_t GetTabGap() { return 1; }
    virtual vcl::TColor GetInactiveTabColor();
    // Rows start one frame width further in.
    virtual bool HasRowOffset() { return false; }
    // Draws the active tab's outline on its three sides away from the page and shrinks rect inside it.
    virtual void DrawActiveTabAccent(vcl::TRect& rect);
    virtual void DrawTabSeparator(const vcl::TRect& rect);
    // Lines along the side of a row facing the page; rect shrinks inside them.
    virtual void DrawRowEdge(vcl::TRect& rect, int32_t row);

protected:
    // Tabs shown in at least one row.
    bool AreTabsShown() const;
    // Some rows lie on the far side of the page.
    bool HasRowsOnFarSide() const;
    // The row next to the page: the active tab's, else the one on the page's side.
    bool IsPageRow(int32_t row) const;
    // The side the tabs of a row are drawn on.
    TuiTabPosition RowSide(int32_t row) const;
    // Top or left.
    static bool IsNearSide(TuiTabPosition side);
    // The side of a rectangle that faces side, and the one that faces the page from a tab drawn on side.
    static TuiBorder SideOf(TuiTabPosition side);
    static TuiBorder PageSideOf(TuiTabPosition side);
    // A row's rectangle across the whole control.
    vcl::TRect StretchedRowRect(int32_t row);
    // What FillTabsRow fills of a row: its rectangle inside the row's edge lines.
    vcl::TRect RowFillRect(int32_t row);
    void DrawActiveTabAccentIn(vcl::TRect& rect, vcl::TColor upLeft, vcl::TColor downRight);
    void DrawRowEdgeLines(vcl::TRect& rect, int32_t row, std::initializer_list<vcl::TColor> colors);
    // The page bounds framed away from the tabs (all round without tabs).
    void DrawPageFrame(vcl::TColor upLeft, vcl::TColor downRight);

private:
    // The separator after a tab, when it and the next tab of its row are both inactive.
    void DrawSeparatorAfter(int32_t visibleIndex, int32_t lastInRow);
};

} // namespace ui
