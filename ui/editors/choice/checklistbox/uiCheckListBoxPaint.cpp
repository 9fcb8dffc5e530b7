// The rows of a check list box: the check in the list's look, the image, and the text in the colours of the row's
// state (selected, normal, disabled).

#include "rtl/WindowsApi.h"
#include "ui/editors/choice/checkbox/uiCheckGlyph.h"
#include "ui/editors/choice/checklistbox/uiCheckListBox.h"
#include "ui/editors/framework/view/uiEditDrawing.h"
#include "vcl/imagelists/ImageList.h"
#include "vcl/system/Win32.h"

namespace ui {

namespace {

// Single line, centred vertically, "&" shown as it is; tabs expanded to TabWidth when it is set.
constexpr uint32_t RowTextFlags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
constexpr uint32_t RowTextTabFlags = DT_EXPANDTABS | DT_TABSTOP;

TuiCheckHotState RowCheckHotState(bool enabled, int32_t index, const TuiCustomInnerCheckListBox& list) {
    if (!enabled) {
        return chsDisabled;
    }
    if (index == list.HotCheck()) {
        return chsHot;
    }
    return index == list.PressedCheck() ? chsPressed : chsNormal;
}

void DrawRowText(TuiCanvas& canvas, rtl::UnicodeStringView text, const vcl::TRect& rect, int32_t tabWidth,
                 bool rightToLeft, vcl::TColor color) {
    uint32_t flags = RowTextFlags | (tabWidth >= 1 ? RowTextTabFlags : 0) | (rightToLeft ? DT_RIGHT : 0);
    DRAWTEXTPARAMS params{};
    params.cbSize = sizeof params;
    params.iTabLength = tabWidth;
    RECT target{rect.Left, rect.Top, rect.Right, rect.Bottom};
    const HDC dc = canvas.Handle();
    canvas.Canvas().RequireFont();
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColor = SetTextColor(dc, static_cast<COLORREF>(vcl::ColorToRGB(color)));
    DrawTextExW(dc, const_cast<wchar_t*>(vcl::AsWide(text.data())), static_cast<int>(text.size()), &target, flags,
                &params);
    SetTextColor(dc, previousColor);
    SetBkMode(dc, previousMode);
}

bool IsDesigning(const rtl::TComponent& component) {
    return component.ComponentState().Contains(rtl::TComponentState::csDesigning);
}

} // namespace

void TuiCustomCheckListBox::RowColors(vcl::TOwnerDrawState state, bool enabled, vcl::TColor& background,
                                      vcl::TColor& text) const {
    const TuiLookAndFeelPainterClass painter = LookAndFeel().ActivePainter();
    const bool selected = state.Contains(vcl::odSelected) && !IsDesigning(*this);
    if (selected) {
        background = painter->SelectionColor();
        text = painter->SelectionTextColor();
    } else {
        background = ViewInfo().BackgroundColor;
        text = EffectiveFont().Color();
    }
    if (enabled || selected) {
        return;
    }
    text = painter->EditorTextColor(true);
    if (text == vcl::clDefault || StyleDisabled().IsStyleValueAssigned(csvTextColor)) {
        text = StyleDisabled().TextColor();
    }
}

void TuiCustomCheckListBox::DrawRow(TuiCanvas& canvas, TuiCheckListBoxItem& item, const vcl::TRect& rect,
                                    vcl::TOwnerDrawState state) {
    TuiCustomInnerCheckListBox& list = InnerCheckListBox();
    const TuiCheckListBoxMetrics& metrics = TuiCustomInnerCheckListBox::GetMetrics();
    const bool rightToLeft = UseRightToLeftAlignment();
    const int32_t region = list.GetCheckRegionWidth();
    vcl::TRect row = rect;
    vcl::TRect text = rect;
    if (rightToLeft) {
        row.Right += region;
        text.Right -= metrics.TextLeftMargin;
    } else {
        row.Left -= region;
        text.Left += metrics.TextLeftMargin;
    }
    // The list box paints every visible row even when only one check changed: rows outside the clip are skipped.
    const RECT visible{row.Left, row.Top, row.Right, row.Bottom};
    if (!RectVisible(canvas.Handle(), &visible)) {
        return;
    }
    canvas.SetFont(EffectiveFont());
    const bool enabled = Enabled() && item.Enabled();
    if (FShowChecks) {
        TuiEditorCheck check;
        check.State = item.State();
        check.HotState = RowCheckHotState(enabled, item.Index(), list);
        check.Glyph = list.HasGlyph() ? &list.Glyph() : nullptr;
        check.GlyphCount = list.GlyphCount();
        const bool hotOrPressed = check.HotState == chsHot || check.HotState == chsPressed;
        check.BorderStyle = FCheckBorderStyle == cbsFlat && hotOrPressed && !FNativeStyle ? cbs3D : FCheckBorderStyle;
        check.NativeStyle = FNativeStyle;
        check.BorderColor = vcl::clBtnText;
        check.BackgroundColor = list.Color();
        check.IsDesigning = IsDesigning(*this);
        check.SkinPainter = list.LookAndFeel().SkinPainter();
        check.NullStyle = nssGrayedChecked;
        PaintEditorCheck(canvas, list.GetCheckRect(row, true), check);
    }
    if (IsImageListDrawable(FImages) && item.ImageIndex() >= 0 && item.ImageIndex() < FImages->Count()) {
        DrawImageThroughBitmap(canvas, *FImages, item.ImageIndex(), list.GetImageRect(row), Color(), enabled);
    }
    vcl::TColor background = vcl::clWindow;
    vcl::TColor textColor = vcl::clWindowText;
    RowColors(state, enabled, background, textColor);
    canvas.FillRectColor(rect, background);
    DrawRowText(canvas, item.Text(), text, list.TabWidth(), rightToLeft, textColor);
}

} // namespace ui
