#pragma once
// TuiCustomEditPopupWindowViewInfo: the picture of an editor's popup window: the margins round its content, the
// border in the popup border style (or the skin's one ring), the shadow strips, the client edge and the system panel
// with its size grip and close button, laid out for one window size and painted from that layout.

#include "ui/core/controls/containers/uiContainerViewInfo.h"
#include "ui/editors/dropdown/popup/uiEditPopupGeometry.h"
#include "ui/editors/dropdown/popup/uiEditPopupPanelLayout.h"

#include <cstdint>

namespace ui {

class TuiCustomLookAndFeelPainter;

// The states of the close button.
enum TuiEditPopupCloseButtonState : uint8_t { epcbsNormal = 1, epcbsHot = 2, epcbsPressed = 3 };

// The window part of the themed close button and the scroll bar part of the themed size box.
inline constexpr int32_t EditPopupThemedClosePart = 18;
inline constexpr int32_t EditPopupThemedSizeBoxPart = 10;

class TuiCustomEditPopupWindowViewInfo : public TuiContainerViewInfo {
public:
    // Lays the window of size out: client rectangle, inner rectangle, grip and close button.
    virtual void Calculate(vcl::TSize windowSize);
    void PaintContents(TuiCanvas& canvas) const override;
    // Draws the border along rect and moves rect inside it.
    virtual void DrawBorder(TuiCanvas& canvas, vcl::TRect& rect) const;

    // The margins between the window's edges and its content.
    vcl::TRect GetClientExtent() const;
    // The panel height the system metrics (and the theme, when it draws the panel) ask for.
    int32_t MeasuredSysPanelHeight() const;
    int32_t GetEffectiveSysPanelHeight() const;
    int32_t BorderWidth(bool withClientEdge) const { return EditPopupBorderWidth(FrameLook(), withClientEdge); }
    // Whether a press at point sizes the window, and which edges it moves.
    bool GetSizingHitTest(vcl::TPoint point, TuiEditPopupSizingDirections& directions) const;
    TuiEditPopupFrameLook FrameLook() const {
        return {PopupBorderStyle, NativeStyle || SkinPainter != nullptr, ClientEdge};
    }
    // The theme draws the panel's close button and size box.
    bool IsPanelThemed() const;

    // The skin of the window's look; nullptr without one.
    const TuiCustomLookAndFeelPainter* SkinPainter = nullptr;
    TuiEditPopupBorderStyle PopupBorderStyle = epbsDefault;
    bool ClientEdge = false;
    bool CloseButton = false;
    vcl::TRect CloseButtonRect;
    uint8_t CloseButtonState = epcbsNormal;
    // 0 when the theme does not draw the close button.
    int32_t CloseButtonThemeState = 0;
    // 0: the measured height.
    int32_t MinSysPanelHeight = 0;
    bool Sizeable = false;
    TuiEditPopupGripCorner GripCorner = epgcBottomRight;
    vcl::TRect GripRect;
    vcl::TRect GripHitRect;
    vcl::TRect InnerRect;
    int32_t SizingBorderWidth = 0;
    int32_t SysPanelHeight = 0;
    bool SysPanelStyle = false;
    vcl::TSize WindowSize;

private:
    vcl::TSize ThemedPartSize(TuxThemedObjectType type, int32_t part, int32_t state) const;
    vcl::TRect PanelStrip(const vcl::TRect& rect) const;
    void DrawSeparator(TuiCanvas& canvas) const;
    void DrawClientEdge(TuiCanvas& canvas, const vcl::TRect& rect) const;
    void DrawSizeGrip(TuiCanvas& canvas) const;
    void DrawCloseButton(TuiCanvas& canvas) const;
    // The skin's window face or the button face.
    void PaintFace(TuiCanvas& canvas, const vcl::TRect& rect) const;
    // The skin's border colour or the button text colour.
    vcl::TColor LineColor() const;
};

} // namespace ui
