#include "ui/editors/text/textedit/uiTextEditViewInfo.h"

#include "rtl/WindowsApi.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/text/uiDrawTextUtils.h"

#include <algorithm>
#include <climits>

namespace ui {

// Background and buttons, the one-pixel frame of a standalone editor, the text (unless the inner edit shows it) and
// the focus rectangle of an editor without inner edit.
void TuiCustomTextEditViewInfo::PaintContent(TuiCanvas& canvas) {
    DrawEditBackgroundAndButtons(canvas, !SelectionBarVisible);
    vcl::TRect rect = ClientRect;
    if (!IsInplace) {
        if (!((NativeStyle && !SelectionBarVisible) || Transparent || EditingStyle == tesLocked)) {
            canvas.FrameRect(rect, BackgroundColor);
        }
        rect = InflateRectBy(rect, -1, -1);
    }
    if (OwnerDrawn && OnOwnerDraw) {
        OnOwnerDraw(*this, canvas, rect);
    } else {
        if (SelectionBarVisible) {
            canvas.FillRectColor(rect, vcl::clHighlight);
        }
        if (!InnerEditShown || IsPaintCopy) {
            DrawText(canvas);
        }
    }
    if (!InnerEditShown && Focused && !IsInplace && !PopupShown) {
        canvas.Font().SetColor(SelectionBarVisible ? vcl::clHighlightText : vcl::clBtnText);
        canvas.SetBrushColor(SelectionBarVisible ? vcl::clHighlight : BackgroundColor);
        canvas.DrawFocusRect(rect);
    }
}

void TuiCustomTextEditViewInfo::DrawText(TuiCanvas& canvas) {
    if (Text.empty()) {
        return;
    }
    if (Font != nullptr) {
        canvas.SetFont(*Font);
    }
    canvas.Font().SetColor(SelectionBarVisible ? vcl::clHighlightText : TextColor);
    AdjustTextParams(canvas);
    canvas.Canvas().RequireFont();
    PrepareTextOutData(canvas);
    if (TextLayout.Rows.Count() == 0) {
        return;
    }
    DrawTextRowsHighlighted(canvas.Handle(), TextLayout.Rect, TextLayout.Params, TextLayout.Rows, TextLayout.SelStart,
                            TextLayout.SelLength, TextLayout.SelBackColor, TextLayout.SelTextColor,
                            TextLayout.Truncated);
}

void TuiCustomTextEditViewInfo::PrepareTextOutData(TuiCanvas& canvas) {
    if (TextLayout.Done) {
        return;
    }
    TextLayout.Done = true;
    TextLayout.Rows.SetText(Text);
    TextLayout.Truncated = false;
    if (Text.empty()) {
        return;
    }
    TextLayout.Params = InitTextParams(canvas.Handle(), TextFlags);
    TextLayout.Rect = TextRect;
    if (IsRectEmptyArea(TextLayout.Rect)) {
        return;
    }
    TextLayout.Truncated =
        !BreakTextIntoRows(canvas.Handle(), Text, TextLayout.Rect, TextLayout.Params, TextLayout.Rows, LineLimit);
    LayOutTextRows(TextLayout.Rect, TextLayout.Params, TextLayout.Rows);
    const auto length = static_cast<int32_t>(Text.size());
    TextLayout.SelStart = SelStart;
    TextLayout.SelLength = SelStart < 0 || SelStart >= length ? 0 : std::min(SelLength, length - SelStart);
    TextLayout.SelBackColor = SelectionBackColor;
    TextLayout.SelTextColor = SelectionTextColor;
}

void TuiCustomTextEditViewInfo::Offset(int32_t dx, int32_t dy) {
    TuiCustomEditViewInfo::Offset(dx, dy);
    TextRect = ShiftRect(TextRect, dx, dy);
    if (!TextLayout.Done) {
        return;
    }
    TextLayout.Rect = ShiftRect(TextLayout.Rect, dx, dy);
    for (int32_t i = 0; i < TextLayout.Rows.Count(); ++i) {
        TextLayout.Rows[i].X += dx;
        TextLayout.Rows[i].Y += dy;
    }
}

bool TuiCustomTextEditViewInfo::GetHintInfoIn(TuiCanvas& canvas, vcl::TPoint point, vcl::TRect& hintRect,
                                              bool& multiLine, rtl::UnicodeString& hintText,
                                              const vcl::TRect& visibleBounds) {
    vcl::TRect visible = TextRect;
    if (!IsRectEmptyArea(visibleBounds)) {
        IntersectRects(visible, visibleBounds, TextRect);
    }
    if (!Text.empty() && visible.Contains(point)) {
        if (Font != nullptr) {
            canvas.SetFont(*Font);
        }
        canvas.Canvas().RequireFont();
        vcl::TRect needed{0, 0, TextRect.Width(), INT_MAX / 2};
        const uint32_t flags = (TextFlags & ~(tlSingleLine | tlVertAlignMask)) | tlCalcRect;
        DrawTextWide(canvas.Handle(), Text, needed, flags);
        if (needed.Height() > visible.Height() || needed.Width() > visible.Width()) {
            hintText = Text;
            hintRect = TextRect;
            multiLine = (TextFlags & tlWordBreak) != 0 && (TextFlags & tlSingleLine) == 0;
            return true;
        }
    }
    return TuiCustomEditViewInfo::GetHintInfoIn(canvas, point, hintRect, multiLine, hintText, visibleBounds);
}

} // namespace ui
