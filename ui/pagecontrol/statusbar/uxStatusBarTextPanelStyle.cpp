#include "ui/pagecontrol/statusbar/uxStatusBarTextPanelStyle.h"

#include "ui/core/graphics/uiCanvas.h"
#include "ui/pagecontrol/statusbar/uxStatusBar.h"
#include "vcl/graphics/Brush.h"
#include "vcl/graphics/Font.h"
#include "vcl/imagelists/ImageList.h"

namespace ui {

void TuxStatusBarTextPanelStyle::SetAutoHint(bool value) {
    if (FAutoHint == value) {
        return;
    }
    TuxStatusBarPanels& panels = StatusBar().Panels();
    for (int32_t i = 0; i < panels.Count(); ++i) {
        if (auto* style = dynamic_cast<TuxStatusBarTextPanelStyle*>(panels.Item(i).PanelStyle())) {
            style->FAutoHint = false;
        }
    }
    FAutoHint = value;
}

void TuxStatusBarTextPanelStyle::SetEllipsisType(TuxStatusBarEllipsisType value) {
    if (FEllipsisType != value) {
        FEllipsisType = value;
        Changed();
    }
}

void TuxStatusBarTextPanelStyle::SetImageIndex(int32_t value) {
    if (FImageIndex != value) {
        FImageIndex = value;
        Changed();
    }
}

uint16_t TuxStatusBarTextPanelStyle::TextFlags() const {
    static constexpr uint16_t AlignmentFlags[] = {tfAlignLeft, tfAlignRight, tfAlignHCenter};
    static constexpr uint16_t EllipsisFlags[] = {0, tfShowEndEllipsis, tfShowPathEllipsis};
    return AlignmentFlags[Alignment()] | tfAlignVCenter | tfSingleLine | EllipsisFlags[FEllipsisType];
}

void TuxStatusBarTextPanelStyle::DrawContent(TuiCanvas& canvas, const vcl::TRect& rect,
                                             const TuxStatusBarPainter& painter) {
    TuxStatusBarPanelStyle::DrawContent(canvas, rect, painter);
    vcl::TRect textRect = rect;
    DrawImage(canvas, textRect);
    canvas.Brush().SetStyle(vcl::bsClear);
    vcl::TColor color = Font().Color();
    painter.AdjustTextColor(StatusBar(), color, true);
    AdjustTextColor(color, true);
    canvas.SetFont(Font());
    canvas.Font().SetColor(color);
    textRect.Left += 2;
    textRect.Right -= 2;
    rtl::UnicodeString text = Panel().Text();
    textRect = painter.GetPanelTextRect(StatusBar(), &Panel(), textRect);
    if (FOnGetText) {
        FOnGetText(this, textRect, text);
    }
    canvas.DrawText(text, textRect, TextFlags(), StatusBar().Enabled());
    canvas.Brush().SetStyle(vcl::bsSolid);
}

void TuxStatusBarTextPanelStyle::DoAssign(const TuxStatusBarPanelStyle& source) {
    TuxStatusBarPanelStyle::DoAssign(source);
    if (const auto* text = dynamic_cast<const TuxStatusBarTextPanelStyle*>(&source)) {
        SetAutoHint(text->FAutoHint);
        FEllipsisType = text->FEllipsisType;
        FImageIndex = text->FImageIndex;
        FOnGetText = text->FOnGetText;
    }
}

void TuxStatusBarTextPanelStyle::DrawImage(TuiCanvas& canvas, vcl::TRect& rect) {
    vcl::TCustomImageList* images = StatusBar().Images();
    if (!images || FImageIndex < 0 || FImageIndex >= images->Count()) {
        return;
    }
    const int32_t y = (rect.Top + rect.Bottom) / 2 - images->Height() / 2;
    images->Draw(canvas.Canvas(), rect.Left + 1, y, FImageIndex, StatusBar().Enabled());
    rect.Left += images->Width() + 2;
}

} // namespace ui
