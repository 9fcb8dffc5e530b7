#include "ui/editors/choice/checkbox/uiCheckBoxViewInfo.h"

#include "rtl/WindowsApi.h"
#include "ui/core/graphics/uiRegion.h"
#include "ui/core/painters/looks/uiNativeParts.h"
#include "vcl/controls/WinControl.h"
#include "vcl/graphics/Font.h"

namespace ui {

bool TuiCustomCheckBoxViewInfo::CheckLetsBackgroundThrough() const {
    if (SkinPainter != nullptr || HasGlyph) {
        return true;
    }
    const HTHEME theme = NativeStyle ? NativeTheme(totButton) : nullptr;
    return theme != nullptr &&
           UxTheme().IsThemeBackgroundPartiallyTransparent(theme, uiThemeCheckBoxPart, 4 * State + HotState + 1);
}

void TuiCustomCheckBoxViewInfo::PaintContent(TuiCanvas& canvas) {
    const bool transparent = IsBackgroundTransparent();
    const bool underCheckToo = transparent && CheckLetsBackgroundThrough();
    PaintBackground(canvas, Bounds, underCheckToo, CheckFrameRect());
    TuiEditorCheck check;
    check.State = State;
    check.HotState = HotState;
    check.Glyph = Glyph;
    check.GlyphCount = GlyphCount;
    check.BorderStyle = CheckBorderStyle;
    check.NativeStyle = NativeStyle;
    check.BorderColor = BorderColor;
    check.BackgroundColor = BackgroundColor;
    check.DrawBackground = !transparent;
    check.IsDesigning = IsDesigning;
    check.Focused = Focused;
    check.SkinPainter = SkinPainter;
    check.NullStyle = NullStyle;
    PaintEditorCheck(canvas, CheckRect, check);
    if (Alignment != cbaCheckCentred) {
        DrawCaption(canvas);
    }
    if (!IsRectEmptyArea(FocusRect)) {
        canvas.DrawFocusRect(FocusRect);
    }
}

void TuiCustomCheckBoxViewInfo::DrawCaption(TuiCanvas& canvas) {
    if (Text.empty()) {
        return;
    }
    if (Font != nullptr) {
        canvas.SetFont(*Font);
    }
    canvas.Font().SetColor(TextColor);
    AdjustTextParams(canvas);
    canvas.Brush().SetStyle(vcl::bsClear);
    canvas.DrawText(Text, TextRect, TextFlags, IsCaptionEnabled());
    canvas.Brush().SetStyle(vcl::bsSolid);
}

void TuiCustomCheckBoxViewInfo::Assign(const rtl::TPersistent* source) {
    if (const auto* other = dynamic_cast<const TuiCustomCheckBoxViewInfo*>(source)) {
        HotState = other->HotState;
        State = other->State;
    }
    TuiCustomEditViewInfo::Assign(source);
}

bool TuiCustomCheckBoxViewInfo::CheckDiffersFrom(const TuiCustomEditViewInfo& old) const {
    const auto* other = dynamic_cast<const TuiCustomCheckBoxViewInfo*>(&old);
    return other != nullptr && (other->HotState != HotState || other->State != State);
}

std::unique_ptr<TuiRegion> TuiCustomCheckBoxViewInfo::GetUpdateRegion(const TuiCustomEditViewInfo& old) const {
    std::unique_ptr<TuiRegion> region = TuiCustomEditViewInfo::GetUpdateRegion(old);
    if (CheckDiffersFrom(old)) {
        region->CombineWith(TuiRegion(CheckRect), TuiRegionOperation::Union);
    }
    return region;
}

bool TuiCustomCheckBoxViewInfo::InvalidateChanges(vcl::TWinControl& control, const vcl::TRect& inner,
                                                  const TuiCustomEditViewInfo* old) {
    if (!control.HandleAllocated()) {
        return false;
    }
    bool invalidated = TuiCustomEditViewInfo::InvalidateChanges(control, inner, old);
    if (old == nullptr || CheckDiffersFrom(*old)) {
        const RECT check{CheckRect.Left, CheckRect.Top, CheckRect.Right, CheckRect.Bottom};
        InvalidateRect(control.WindowHandle(), &check, FALSE);
        invalidated = true;
    }
    return invalidated;
}

void TuiCustomCheckBoxViewInfo::Offset(int32_t dx, int32_t dy) {
    TuiCustomEditViewInfo::Offset(dx, dy);
    for (vcl::TRect* rect : {&CheckRect, &FocusRect, &TextRect}) {
        *rect = ShiftRect(*rect, dx, dy);
    }
}

void TuiCustomCheckBoxViewInfo::SaveButtonStates() {
    TuiCustomEditViewInfo::SaveButtonStates();
    FPreviousHotState = HotState;
}

bool TuiCustomCheckBoxViewInfo::GetHintInfoIn(TuiCanvas&, vcl::TPoint, vcl::TRect&, bool&, rtl::UnicodeString& text,
                                              const vcl::TRect&) {
    text.clear();
    return false;
}

} // namespace ui
