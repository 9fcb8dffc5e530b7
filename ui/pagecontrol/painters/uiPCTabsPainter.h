#pragma once
// TuiPCTabsPainter (style 1, "Tabs"): classic three-dimensional notebook tabs, each a rectangle with two cut corners
// away from the page, outlined in two lines of the system's 3D colours; the active tab is larger than the others and
// opens into the page frame. It is the style of the standard and native looks; with the look and feel's native style
// and visual styles on it draws tabs, page and navigator buttons with the system theme (the tab, spin and window
// classes), each tab rendered upright in a bitmap and turned to its side.

#include "ui/pagecontrol/painters/uiPCStandardPainter.h"

namespace ui {

class TuiBitmap32;

class TuiPCTabsPainter : public TuiPCStandardPainter {
public:
    class TMetaclass : public TuiPCStandardPainter::TMetaclass {
    public:
        TuiPCStyleID GetStyleID() const override { return 1; }
        rtl::UnicodeString GetStyleName() const override { return u"Tabs"; }
        // The standard and native looks.
        bool IsDefaultForLookAndFeel(const TuiLookAndFeel& lookAndFeel) const override;
        bool IsDefaultForNativeStyle(const TuiLookAndFeel& lookAndFeel) const override;
        std::unique_ptr<TuiPCCustomPainter> CreatePainter(TuiCustomTabControl& control) const override;
    };

    static const TMetaclass& StaticClass();
    const TuiPCPainterMetaclass& ClassType() const override { return StaticClass(); }

    using TuiPCStandardPainter::TuiPCStandardPainter;

    // The control is not going, its look and feel asks for the native style, visual styles are on and the tab theme
    // class opens.
    bool IsNativePainting() override;
    vcl::TRect GetTabCorrection(int32_t visibleIndex) override;
    std::unique_ptr<TuiRegion> GetTabClipRegion(int32_t visibleIndex) override;
    TuiRegionOperation GetTabClipOperation(int32_t visibleIndex) override;
    vcl::TColor GetTabColor(int32_t visibleIndex) override;
    vcl::TRect GetImageOffsets(int32_t visibleIndex) override;
    vcl::TRect GetTextOffsets(int32_t visibleIndex) override;
    TuiPCDistances GetImageCenterOffsets(int32_t visibleIndex) override;
    TuiPCDistances GetContentOffsets(int32_t visibleIndex) override;
    TuiPCDistances GetCompactContentOffsets(int32_t visibleIndex) override;
    int32_t GetTabContentHeight() override;
    void SetTabImageAndTextRects(int32_t visibleIndex) override;
    bool HasFrame() override { return true; }
    int32_t GetMinFrameSize() override;
    vcl::TRect GetTabsAreaExtents() override;
    vcl::TRect GetPageClientExtents() override;
    vcl::TRect GetTabStripMargins() override { return {2, 2, 2, 0}; }
    int32_t GetButtonsEdgeOffset() override;
    int32_t GetButtonsEndOffset() override;
    int32_t GetNavigatorButtonHeight() override;
    int32_t GetNavigatorButtonWidth(TuiPCNavigatorButton button) override;
    vcl::TPoint GetNavigatorButtonGlyphOffset(TuiPCNavigatorButton button) override;
    void CalcNavigatorArea(TuiPCNavigatorButtons buttons, TuiPCTabsPosition& position) override;
    void InvalidateTab(int32_t visibleIndex) override;
    void TabChanged(int32_t visibleIndex, TuiTabChangeKind kind) override;
    void GetNativeTabPartAndState(int32_t visibleIndex, int32_t& part, int32_t& state) override;
    // The active tab first, so that it stays on top of its neighbours.
    void DrawTabs() override;
    void DrawPageArea() override;
    void DrawFrame() override;
    void DrawNavigatorButton(TuiPCNavigatorButton button, const vcl::TRect& rect) override;
    void DrawNativePageBackground(HDC dc, vcl::TPoint origin) override;
    void DrawTabBody(TuiTab& tab, int32_t visibleIndex) override;
    void DrawNativeTab(TuiTab& tab, int32_t visibleIndex) override;

    virtual vcl::TRect TabFocusRectOf(const vcl::TRect& bounds);
    virtual void DrawNativeTabBackground(HDC dc, int32_t visibleIndex, const vcl::TRect& rect);
    // What lies behind a tab, in its paint bitmap.
    virtual void FillTabBitmapBackground(TuiBitmap32& bitmap, const vcl::TRect& rect, TuiTab& tab);
    // The colours of the pixels outside the tab's two cut corners.
    virtual std::pair<vcl::TColor, vcl::TColor> GetTabEdgeColors(int32_t visibleIndex);
    virtual void DrawTabCorners(int32_t visibleIndex);
    virtual void DrawTabFrame(int32_t visibleIndex);
    virtual void DrawNativeFrame(TuiCanvas& canvas);

protected:
    // The colour a tab's body and its opening into the page are drawn in: clBtnFace in tab-strip mode.
    vcl::TColor TabBodyColor(int32_t visibleIndex);
    // The tab's full rectangle; the active one grown by 1 toward the page.
    vcl::TRect NativeTabRect(const TuiTab& tab) const;

private:
    void DrawNativeTabBody(TuiTab& tab, int32_t visibleIndex);
    void DrawActiveTabOpening(const TuiTab& tab, vcl::TColor color);
};

} // namespace ui
