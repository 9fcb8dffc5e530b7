#include "ui/grid/cells/uiGridViewCellViewInfo.h"

#include "ui/grid/cells/uiGridHitTests.h"
#include "ui/grid/view/uiCustomGridView.h"
#include "ui/grid/view/uiGridController.h"
#include "ui/grid/view/uiGridSite.h"
#include "ui/grid/view/uiGridViewInfo.h"

namespace ui {

TuiCustomGridViewCellViewInfo::~TuiCustomGridViewCellViewInfo() {
    FDestroying = true;
    FGridViewInfo.RemoveProcessingCell(this, true);
    TuiCustomGridView& view = FGridViewInfo.GridView();
    if (view.HasController() && view.Controller().HintCell() == this) {
        view.Controller().HideHint();
    }
}

TuiControl* TuiCustomGridViewCellViewInfo::GetControl() const {
    return &FGridViewInfo.Site();
}

TuiCanvas* TuiCustomGridViewCellViewInfo::GetCanvas() const {
    return &FGridViewInfo.MeasuringCanvas();
}

void TuiCustomGridViewCellViewInfo::Invalidate() {
    if (!FDestroying) {
        FGridViewInfo.GridView().InvalidateRect(Bounds());
    }
}

bool TuiCustomGridViewCellViewInfo::MouseMove(TuiCustomGridHitTest& hitTest, vcl::TShiftState shift) {
    const bool handled = TuiCustomGridCellViewInfo::MouseMove(hitTest, shift);
    if (ShowsHints()) {
        CheckHint(hitTest.Pos());
    }
    return handled;
}

void TuiCustomGridViewCellViewInfo::CheckHint(vcl::TPoint mousePos) {
    TuiCustomGridController& controller = FGridViewInfo.GridView().Controller();
    rtl::UnicodeString text;
    vcl::TRect textRect;
    bool multiLine = false;
    if (!NeedsHint(mousePos, text, textRect, multiLine)) {
        controller.HideHint();
        return;
    }
    const vcl::TRect clip = GetHintAreaClip();
    if (!clip.IsEmpty()) {
        const vcl::TRect clipped = vcl::IntersectRect(textRect, clip);
        if (!clipped.IsEmpty()) {
            textRect = clipped;
        }
    }
    controller.ShowHint(HintArea(), textRect, this, HintFont(), multiLine, text);
}

vcl::TRect TuiCustomGridViewCellViewInfo::HintArea() const {
    const vcl::TRect clip = GetHintAreaClip();
    return clip.IsEmpty() ? GetHintAreaBounds() : vcl::IntersectRect(GetHintAreaBounds(), clip);
}

bool TuiCustomGridViewCellViewInfo::IsPointInHintArea(vcl::TPoint point) const {
    return HintArea().Contains(point);
}

bool TuiCustomGridViewCellViewInfo::NeedsHint(vcl::TPoint mousePos, rtl::UnicodeString& text, vcl::TRect& textRect,
                                              bool& multiLine) {
    if (GetHintText().empty() || !IsPointInHintArea(mousePos)) {
        return false;
    }
    if (HintOnlyWhenClipped() && !IsTextClipped()) {
        return false;
    }
    GetHintInfo(mousePos, text, textRect, multiLine);
    return true;
}

void TuiCustomGridViewCellViewInfo::GetHintInfo(vcl::TPoint mousePos, rtl::UnicodeString& text, vcl::TRect& textRect,
                                                bool& multiLine) {
    text = GetHintText();
    textRect = GetHintTextRect(mousePos);
    multiLine = IsHintMultiLine();
}

bool TuiCustomGridViewCellViewInfo::IsTextClipped() {
    const vcl::TRect area = GetTextAreaBounds();
    if (area.Height() < TextHeight() || (!MultiLinePainting() && area.Width() < TextWidth())) {
        return true;
    }
    const vcl::TRect text = TextBounds(true, true);
    const vcl::TRect hintArea = HintArea();
    return vcl::IntersectRect(text, hintArea) != text;
}

const vcl::TFont& TuiCustomGridViewCellViewInfo::HintFont() const {
    TuiDrawParams params;
    SaveParams(params);
    return params.Font ? *params.Font : FGridViewInfo.MeasuringCanvas().Font();
}

} // namespace ui
