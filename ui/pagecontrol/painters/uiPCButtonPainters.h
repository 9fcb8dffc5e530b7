#pragma once
// The button styles: tabs drawn as push buttons instead of notebook tabs. TuiPCButtonedPainter holds what both share
// (colours, margins, the gap to the page); TuiPCButtonsPainter (style 2, "Buttons") draws raised 3D buttons pushed in
// while down, TuiPCFlatButtonsPainter (style 3, "FlatButtons") flat buttons with an edge only while hot, focused or
// down and an etched separator between neighbours. Their tabs act like buttons: pressed on mouse-down, selected on
// release, several selected with Ctrl, and the arrow keys move a focus frame. No look and feel chooses them.

#include "ui/pagecontrol/painters/uiPCStandardPainter.h"

namespace ui {

class TuiPCButtonedPainter : public TuiPCStandardPainter {
public:
    using TuiPCStandardPainter::TuiPCStandardPainter;

    // A highlighted tab is clHighlight; the default colour is clBtnHighlight for the active tab, else clBtnFace.
    vcl::TColor GetTabColor(int32_t visibleIndex) override;
    TuiPCDistances GetContentOffsets(int32_t visibleIndex) override;
    TuiPCDistances GetCompactContentOffsets(int32_t visibleIndex) override;
    vcl::TRect GetTabsAreaExtents() override;
    vcl::TRect GetTabStripMargins() override { return {2, 2, 2, 0}; }
    int32_t GetButtonsEdgeOffset() override;
    int32_t GetButtonsEndOffset() override;
    vcl::TPoint GetNavigatorButtonGlyphOffset(TuiPCNavigatorButton button) override;
    // Pressed, selected or active, unless the keyboard's focus frame is on the tab.
    bool IsTabDown(int32_t visibleIndex) override;

protected:
    // Pressed, selected or the active tab.
    bool IsTabPushed(int32_t visibleIndex) const;
};

class TuiPCButtonsPainter : public TuiPCButtonedPainter {
public:
    class TMetaclass : public TuiPCStandardPainter::TMetaclass {
    public:
        int32_t GetStandardStyle() const override { return 1; }
        TuiPCStyleID GetStyleID() const override { return 2; }
        rtl::UnicodeString GetStyleName() const override { return u"Buttons"; }
        std::unique_ptr<TuiPCCustomPainter> CreatePainter(TuiCustomTabControl& control) const override;
    };

    static const TMetaclass& StaticClass();
    const TuiPCPainterMetaclass& ClassType() const override { return StaticClass(); }

    using TuiPCButtonedPainter::TuiPCButtonedPainter;

    // Also down while the keyboard's focus frame is on the tab.
    bool IsTabDown(int32_t visibleIndex) override;
    void DrawTabBody(TuiTab& tab, int32_t visibleIndex) override;
};

class TuiPCFlatButtonsPainter : public TuiPCButtonedPainter {
public:
    class TMetaclass : public TuiPCStandardPainter::TMetaclass {
    public:
        int32_t GetStandardStyle() const override { return 2; }
        TuiPCStyleID GetStyleID() const override { return 3; }
        rtl::UnicodeString GetStyleName() const override { return u"FlatButtons"; }
        std::unique_ptr<TuiPCCustomPainter> CreatePainter(TuiCustomTabControl& control) const override;
    };

    static const TMetaclass& StaticClass();
    const TuiPCPainterMetaclass& ClassType() const override { return StaticClass(); }

    using TuiPCButtonedPainter::TuiPCButtonedPainter;

    // The tab, then the separator in the gap after it when its neighbour follows in the same row.
    void DrawTab(int32_t visibleIndex) override;
    void DrawTabBody(TuiTab& tab, int32_t visibleIndex) override;

private:
    bool HasSeparatorAfter(const TuiTab& tab, int32_t visibleIndex) const;
    // The gap after the tab that its separator is drawn in.
    vcl::TRect SeparatorGap(const TuiTab& tab) const;
    void DrawSeparator(const vcl::TRect& gap);
};

} // namespace ui
