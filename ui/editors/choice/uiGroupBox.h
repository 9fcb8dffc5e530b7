#pragma once
// TuiGroupBox: an editor control that holds no value but other controls, under a caption and inside a frame; or, in
// panel mode, a flat panel with its caption inside. The frame runs through the middle of a caption on its side and
// is broken by it; the children sit in the client area, which leaves the caption band and the border out. A skin's
// caption band reaches past the client area into the window's non-client area, which the box paints itself.

#include "ui/editors/choice/uiGroupBoxLayout.h"
#include "ui/editors/choice/uiPanelStyle.h"
#include "ui/editors/framework/control/uiCustomEdit.h"

#include <functional>
#include <memory>

namespace ui {

class TuiCustomGroupBox;

class TuiCustomGroupBox : public TuiCustomEdit {
    RTL_DECLARE_CLASS(TuiCustomGroupBox, TuiCustomEdit)
public:
    using TCustomDrawEvent = std::function<void(TuiCustomGroupBox* sender, bool& done)>;
    using TCustomDrawElementEvent =
        std::function<void(TuiCustomGroupBox* sender, vcl::TCanvas& canvas, const vcl::TRect& bounds,
                           TuiLookAndFeelPainterClass painter, bool& done)>;
    using TMeasureCaptionHeightEvent =
        std::function<void(TuiCustomGroupBox* sender, TuiLookAndFeelPainterClass painter, int32_t& captionHeight)>;

    explicit TuiCustomGroupBox(rtl::TComponent* owner);
    ~TuiCustomGroupBox() override;
    void Dispatch(vcl::TMessage& message) override;
    void WndProc(vcl::TMessage& message) override;

    TuiCaptionAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TuiCaptionAlignment value);
    TuiPanelStyle& PanelStyle() const { return *FPanelStyle; }
    // Copies value and lays the caption out again.
    void SetPanelStyle(const TuiPanelStyle& value) { FPanelStyle->Assign(&value); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // True while the caption's accelerator selects the first child.
    bool IsAcceleratorSelecting() const { return FAcceleratorSelecting; }
    void SetOnCustomDraw(TCustomDrawEvent handler) { FOnCustomDraw = std::move(handler); }
    void SetOnCustomDrawCaption(TCustomDrawElementEvent handler) { FOnCustomDrawCaption = std::move(handler); }
    void SetOnCustomDrawContentBackground(TCustomDrawElementEvent handler) {
        FOnCustomDrawContentBackground = std::move(handler);
    }
    // Asked for a skinned caption band's thickness across the box.
    void SetOnMeasureCaptionHeight(TMeasureCaptionHeightEvent handler) { FOnMeasureCaptionHeight = std::move(handler); }

    // The caption's band and text and the frame for the current size, font and look.
    TuiGroupBoxLayout CalculateLayout(TuiCanvas& canvas) const;
    // The room kept free at each side for border and caption: the children stay inside it.
    vcl::TRect ClientMargins(TuiCanvas& canvas) const;
    // The painter of the box: its skin's, or its look's.
    TuiLookAndFeelPainterClass Painter() const;
    bool HasSkin() const;
    bool IsPanel() const { return FPanelStyle->Active(); }
    bool HasCaptionShadow() const;
    bool IsVerticalCaption() const { return !IsPanel() && IsSideAlignment(FAlignment); }
    // Drawn through the visual styles' group-box parts: a native or Office 2003 look with a theme and no skin.
    bool IsNativeStyle() const;
    // A skinned caption whose band lies partly in the window's non-client area.
    bool HasNonClientCaption() const;
    // How far the client area lies inside the window on each side for the non-client caption band.
    vcl::TRect NonClientMargins() const;
    // Paints the caption's part in the non-client band on a device context whose origin is the window's corner.
    void PaintNonClientCaption(HDC windowDC);

protected:
    void Paint() override;
    void AdjustClientRect(vcl::TRect& rect) override;
    // Its children keep their own tab order and alignment.
    bool KeepsTabOrder() const override { return true; }
    vcl::TRect GetClientBounds() const override;
    bool HasShadow() const override { return HasCaptionShadow(); }
    // The box draws its frame itself, inside the outer rectangle: all of the box but the shadow.
    bool PaintsOwnBorder() const override { return false; }
    vcl::TRect OuterBorderRect() const override;
    // A frame round other controls keeps the size it is given.
    bool CanAutoSizeEditor() const override { return false; }
    // The caption layout changed: the children are realigned and the box repainted.
    void CaptionLayoutChanged();
    // Whether a skinned caption may leave the client area; descendants that lay items under it answer False.
    virtual bool AllowsNonClientCaption() const { return true; }
    // The window's frame is calculated again when the non-client band appears, changes or goes.
    void UpdateNonClientArea();
    void CreateWnd() override;
    void Resize() override;
    void TextChanged() override;
    void ContainerStyleChanged() override;
    bool DoCustomDrawContentBackground(TuiCanvas& canvas, const vcl::TRect& rect);

private:
    uint32_t CaptionTextFlags() const;
    vcl::TSize CaptionTextSize(TuiCanvas& canvas) const;
    void PrepareCaptionFont(TuiCanvas& canvas) const;
    int32_t CaptionFontHeight(TuiCanvas& canvas) const;
    int32_t BorderWidth() const;
    vcl::TRect BorderExtent(TuiCanvas& canvas) const;
    vcl::TColor FrameColor() const;
    vcl::TColor BackgroundColor() const;
    void PaintBackground(TuiCanvas& canvas, const TuiGroupBoxLayout& layout);
    void PaintFrame(TuiCanvas& canvas, const TuiGroupBoxLayout& layout);
    void PaintOffice11Panel(TuiCanvas& canvas, const vcl::TRect& rect);
    void PaintSkinBackground(TuiCanvas& canvas, const TuiGroupBoxLayout& layout);
    void PaintNativeBackground(TuiCanvas& canvas, const TuiGroupBoxLayout& layout);
    void PaintNativeFrame(TuiCanvas& canvas, const TuiGroupBoxLayout& layout);
    void PaintParentThemedBackground(TuiCanvas& canvas, const vcl::TRect& rect);
    void PaintSkinCaptionBand(TuiCanvas& canvas, const vcl::TRect& captionRect);
    void DrawParentBackground(TuiCanvas& canvas);
    TuiGroupBoxLayout CalculateSkinLayout(TuiCanvas& canvas) const;
    TuiLookAndFeelPainterClass CaptionColorPainter() const;
    int32_t CaptionExtra() const;
    void NonClientCalcSize(vcl::TMessage& message);
    void DrawCaption(TuiCanvas& canvas, const TuiGroupBoxLayout& layout);
    void DialogChar(vcl::TMessage& message);

    TuiCaptionAlignment FAlignment = alTopLeft;
    bool FTransparent = false;
    bool FAcceleratorSelecting = false;
    std::unique_ptr<TuiPanelStyle> FPanelStyle;
    TCustomDrawEvent FOnCustomDraw;
    TCustomDrawElementEvent FOnCustomDrawCaption;
    TCustomDrawElementEvent FOnCustomDrawContentBackground;
    TMeasureCaptionHeightEvent FOnMeasureCaptionHeight;
    // The margins the last frame calculation took for the band, so that a band that goes is given back.
    vcl::TRect FAppliedNonClientMargins;
};

// The group box with its properties published.
class TuiGroupBox : public TuiCustomGroupBox {
    RTL_DECLARE_CLASS(TuiGroupBox, TuiCustomGroupBox)
public:
    explicit TuiGroupBox(rtl::TComponent* owner) : TuiCustomGroupBox(owner) {}
};

} // namespace ui
