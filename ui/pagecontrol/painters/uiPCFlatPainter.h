#pragma once
// TuiPCFlatPainter (style 7, "Flat"): the Tabs painter's geometry drawn with single flat lines: one-pixel page and
// button frames, smaller navigator buttons, and tab outlines whose inner line is the tab's colour made brighter. It
// is the flat look's style and never uses the system theme.

#include "ui/pagecontrol/painters/uiPCTabsPainter.h"

namespace ui {

class TuiPCFlatPainter : public TuiPCTabsPainter {
public:
    class TMetaclass : public TuiPCTabsPainter::TMetaclass {
    public:
        TuiPCStyleID GetStyleID() const override { return 7; }
        rtl::UnicodeString GetStyleName() const override { return u"Flat"; }
        // The flat look.
        bool IsDefaultForLookAndFeel(const TuiLookAndFeel& lookAndFeel) const override;
        bool IsDefaultForNativeStyle(const TuiLookAndFeel& /*lookAndFeel*/) const override { return false; }
        std::unique_ptr<TuiPCCustomPainter> CreatePainter(TuiCustomTabControl& control) const override;
    };

    static const TMetaclass& StaticClass();
    const TuiPCPainterMetaclass& ClassType() const override { return StaticClass(); }

    using TuiPCTabsPainter::TuiPCTabsPainter;

    bool IsNativePainting() override { return false; }
    std::unique_ptr<TuiRegion> GetTabClipRegion(int32_t visibleIndex) override;
    TuiRegionOperation GetTabClipOperation(int32_t /*visibleIndex*/) override {
        return TuiRegionOperation::Intersection;
    }
    int32_t GetFrameWidth() override { return 1; }
    int32_t GetNavigatorButtonHeight() override;
    int32_t GetNavigatorButtonWidth(TuiPCNavigatorButton button) override;
    vcl::TPoint GetNavigatorButtonGlyphOffset(TuiPCNavigatorButton button) override;
    void DrawFrameBorder(const vcl::TRect& rect) override;
    void DrawNavigatorButtonFrame(vcl::TRect& rect, TuiPCNavigatorButtonState state) override;
    void DrawTabFrame(int32_t visibleIndex) override;
};

} // namespace ui
