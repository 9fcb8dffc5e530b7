#pragma once
// TuxStatusBarTextPanelStyle: a panel's text on one line, aligned and shortened as asked, after an optional image of
// the bar's image list; the one text panel with AutoHint shows the application's hints.

#include "ui/pagecontrol/statusbar/uxStatusBarPanels.h"

namespace ui {

enum TuxStatusBarEllipsisType : uint8_t { uxetNone, uxetTruncate, uxetSmartPath };

using TuxStatusBarTextEvent =
    std::function<void(rtl::TObject* sender, const vcl::TRect& rect, rtl::UnicodeString& text)>;

class TuxStatusBarTextPanelStyle : public TuxStatusBarPanelStyle {
    RTL_DECLARE_CLASS(TuxStatusBarTextPanelStyle, TuxStatusBarPanelStyle)
public:
    explicit TuxStatusBarTextPanelStyle(TuxStatusBarPanel* owner) : TuxStatusBarPanelStyle(owner) {}

    bool AutoHint() const { return FAutoHint; }
    // Clears AutoHint on every other text panel of the bar first.
    void SetAutoHint(bool value);
    TuxStatusBarEllipsisType EllipsisType() const { return FEllipsisType; }
    void SetEllipsisType(TuxStatusBarEllipsisType value);
    // -1: no image.
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t value);
    const TuxStatusBarTextEvent& OnGetText() const { return FOnGetText; }
    void SetOnGetText(TuxStatusBarTextEvent handler) { FOnGetText = std::move(handler); }

    void DrawContent(TuiCanvas& canvas, const vcl::TRect& rect, const TuxStatusBarPainter& painter) override;
    // The library's text flags for the alignment and ellipsis, centred vertically on one line.
    uint16_t TextFlags() const;

protected:
    void DoAssign(const TuxStatusBarPanelStyle& source) override;

private:
    // Draws the image at the left of rect when the bar's list holds it; rect.Left moves past it.
    void DrawImage(TuiCanvas& canvas, vcl::TRect& rect);

    bool FAutoHint = false;
    TuxStatusBarEllipsisType FEllipsisType = uxetNone;
    int32_t FImageIndex = -1;
    TuxStatusBarTextEvent FOnGetText;
};

} // namespace ui
