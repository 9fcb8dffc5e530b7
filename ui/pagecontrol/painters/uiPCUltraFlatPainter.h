#pragma once
// TuiPCUltraFlatPainter (style 6, "UltraFlat"): the ExtraFlat style with black accents and edges, a shadow-coloured
// page frame and smaller navigator buttons framed in every state. It is the style of the ultra-flat look, the look a
// new look and feel has.

#include "ui/pagecontrol/painters/uiPCExtraFlatPainter.h"

namespace ui {

class TuiPCUltraFlatPainter : public TuiPCExtraFlatPainter {
public:
    class TMetaclass : public TuiPCExtraFlatPainter::TMetaclass {
    public:
        TuiPCStyleID GetStyleID() const override { return 6; }
        rtl::UnicodeString GetStyleName() const override { return u"UltraFlat"; }
        // The ultra-flat look.
        bool IsDefaultForLookAndFeel(const TuiLookAndFeel& lookAndFeel) const override;
        std::unique_ptr<TuiPCCustomPainter> CreatePainter(TuiCustomTabControl& control) const override;
    };

    static const TMetaclass& StaticClass();
    const TuiPCPainterMetaclass& ClassType() const override { return StaticClass(); }

    using TuiPCExtraFlatPainter::TuiPCExtraFlatPainter;

    int32_t GetNavigatorButtonWidth(TuiPCNavigatorButton button) override;
    int32_t GetNavigatorButtonHeight() override { return 15; }
    int32_t GetButtonsDistance(TuiPCNavigatorButton button, TuiPCNavigatorButton next) override;
    int32_t GetButtonsEdgeOffset() override { return 3; }
    vcl::TColor GetNavigatorButtonColor(TuiPCNavigatorButtonState state) override;
    // Glyphs filled and outlined in the glyph colour, embossed while the control is disabled.
    TNavigatorButtonInfo GetNavigatorButtonInfo(TuiPCNavigatorButton button) override;
    vcl::TPoint GetNavigatorButtonGlyphOffset(TuiPCNavigatorButton button) override;
    // A one-pixel frame in every state: black while pressed or hot, else the shadow colour.
    void DrawNavigatorButtonFrame(vcl::TRect& rect, TuiPCNavigatorButtonState state) override;
    vcl::TRect GetActiveTabFocusRect() override;
    void DrawActiveTabAccent(vcl::TRect& rect) override;
    void DrawFrame() override;
    // The page row's edge is black next to its tabs, the other rows' one line further in.
    void DrawRowEdge(vcl::TRect& rect, int32_t row) override;
};

} // namespace ui
