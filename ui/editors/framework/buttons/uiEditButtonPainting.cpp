#include "ui/editors/framework/buttons/uiEditButtonPainting.h"

#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/images/uiGlyphDrawing.h"
#include "ui/core/painters/looks/uiStandardPainter.h"
#include "ui/core/themes/uxOffice11.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/editors/framework/view/uiEditDrawing.h"
#include "ui/editors/framework/view/uiSolidBrushCache.h"
#include "vcl/graphics/images/Bitmap.h"

#include <algorithm>

namespace ui {

namespace {

bool IsPressedOrHot(const TuiEditButtonViewInfo& button) {
    return button.State == ebvsPressed || button.State == ebvsHot;
}

// The button lies next to the editor's text: the innermost button of its side.
bool IsNextToText(const TuiEditButtonViewInfo& button) {
    return button.LeftAlignment ? button.Rightmost : button.Leftmost;
}

void FillColumn(TuiCanvas& canvas, const vcl::TRect& rect, int32_t x, vcl::TColor color) {
    FillRectByColor(canvas, {x, rect.Top, x + 1, rect.Bottom}, color);
}

// A one-pixel column in color at each side of rect, which narrows by them.
void DrawSideColumnsAndShrink(TuiCanvas& canvas, vcl::TRect& rect, vcl::TColor color) {
    FillColumn(canvas, rect, rect.Left, color);
    FillColumn(canvas, rect, rect.Right - 1, color);
    ++rect.Left;
    --rect.Right;
}

void Draw3DBorder(TuiCanvas& canvas, const TuiEditButtonViewInfo& button, vcl::TColor back, vcl::TRect& rect) {
    if (button.State == ebvsPressed) {
        DrawSolidFrameAndShrink(canvas, rect, vcl::clBtnShadow);
        DrawSolidFrameAndShrink(canvas, rect, back);
    } else {
        DrawFrameAndShrink(canvas, rect, vcl::cl3DLight, vcl::cl3DDkShadow);
        DrawFrameAndShrink(canvas, rect, vcl::clBtnHighlight, vcl::clBtnShadow);
    }
}

void DrawFlatBorder(TuiCanvas& canvas, const TuiEditButtonViewInfo& button, vcl::TColor back, vcl::TRect& rect) {
    FillColumn(canvas, rect, rect.Left, back);
    ++rect.Left;
    if (button.State == ebvsPressed) {
        DrawFrameAndShrink(canvas, rect, vcl::clBtnShadow, vcl::clBtnHighlight);
    } else {
        DrawFrameAndShrink(canvas, rect, vcl::clBtnHighlight, vcl::clBtnShadow);
    }
    FillColumn(canvas, rect, rect.Right - 1, back);
    --rect.Right;
}

void DrawSimpleBorder(TuiCanvas& canvas, const TuiEditButtonPaintContext& context, const TuiEditButtonViewInfo& button,
                      vcl::TColor back, vcl::TRect& rect) {
    if (!context.Transparent) {
        canvas.FrameRect(rect, button.BackgroundColor);
    }
    rect = InflateRectBy(rect, -1, -1);
    DrawSideColumnsAndShrink(canvas, rect, back);
}

vcl::TColor HotFlatText(const TuiEditButtonViewInfo& button) {
    if (!IsPressedOrHot(button)) {
        return vcl::clBtnText;
    }
    return button.Transparent && button.State == ebvsHot ? vcl::clBtnShadow : vcl::clWindow;
}

void DrawHotFlatBorder(TuiCanvas& canvas, const TuiEditButtonViewInfo& button, vcl::TColor back, vcl::TRect& rect) {
    if (IsNextToText(button)) {
        DrawSolidFrameAndShrink(canvas, rect, vcl::clBtnShadow);
    } else {
        const TuiBorder outer = button.LeftAlignment ? bLeft : bRight;
        canvas.FrameRect(rect, vcl::clBtnShadow, 1, {bTop, bBottom, outer});
        FillColumn(canvas, rect, button.LeftAlignment ? rect.Right - 1 : rect.Left, back);
        rect = InflateRectBy(rect, -1, -1);
    }
    DrawSideColumnsAndShrink(canvas, rect, back);
}

// Returns the face rectangle; rect becomes the content.
vcl::TRect DrawUltraFlatBorder(TuiCanvas& canvas, const TuiEditButtonPaintContext& context,
                               const TuiEditButtonViewInfo& button, bool office11, vcl::TRect& rect) {
    const vcl::TColor frameColor = GetHighlightBorderColor(office11);
    const bool framedAllRound = !IsPressedOrHot(button) || (!context.Inplace && !context.HasEditBorder) ||
                                (context.Inplace && !context.HostHasOuterBorder);
    if (framedAllRound) {
        if (IsPressedOrHot(button)) {
            canvas.FrameRect(rect, frameColor);
        } else if (!context.Transparent) {
            canvas.FrameRect(rect, button.BackgroundColor);
        }
        rect = InflateRectBy(rect, -1, -1);
        const vcl::TRect face = rect;
        ++rect.Left;
        --rect.Right;
        return face;
    }
    // The editor's border frames the button: only its vertical edges are drawn, none on the editor's border.
    vcl::TRect face = rect;
    const bool drawLeft = button.LeftAlignment ? !button.Leftmost : rect.Left != context.BorderRect.Left;
    const bool drawRight = button.LeftAlignment ? rect.Right != context.BorderRect.Right : !button.Rightmost;
    if (drawLeft) {
        FillColumn(canvas, rect, rect.Left, frameColor);
    }
    if (drawRight) {
        FillColumn(canvas, rect, rect.Right - 1, frameColor);
    }
    ++face.Left;
    --face.Right;
    face.Left -= drawLeft ? 0 : 1;
    face.Right += drawRight ? 0 : 1;
    rect = InflateRectBy(face, -1, -1);
    return face;
}

// rect grown to the button's width (and in place its height), centred on the button as the arrow sits.
vcl::TRect DownArrowRect(const TuiEditButtonViewInfo& button, const vcl::TRect& content, bool pressedShift) {
    vcl::TRect rect = content;
    const int32_t dw = (button.Bounds.Right - button.Bounds.Left) - (content.Right - content.Left);
    const int32_t half = dw / 2;
    rect.Left -= half;
    rect.Right += half;
    if (dw % 2 != 0) {
        (pressedShift ? rect.Right : rect.Left) += dw > 0 ? 1 : -1;
    } else if (pressedShift) {
        ++rect.Left;
        ++rect.Right;
    }
    if (button.Inplace) {
        const int32_t dh = (button.Bounds.Bottom - button.Bounds.Top) - (content.Bottom - content.Top);
        rect.Top -= dh / 2;
        rect.Bottom += dh - dh / 2;
    }
    if (pressedShift) {
        ++rect.Top;
        ++rect.Bottom;
    }
    return rect;
}

// Enabled: once in color; disabled: embossed.
template <class TDraw>
void DrawEmbossable(bool enabled, vcl::TColor color, TDraw draw) {
    if (enabled) {
        draw(0, color);
    } else {
        draw(1, vcl::clBtnHighlight);
        draw(0, vcl::clBtnShadow);
    }
}

void DrawEditButtonGlyph(TuiCanvas& canvas, const TuiEditButtonViewInfo& button, bool pressedShift,
                         const vcl::TRect& content) {
    if (!IsBitmapDrawable(button.Glyph)) {
        return;
    }
    const int32_t width = std::min(content.Right - content.Left, button.Glyph->Width());
    const int32_t height = std::min(content.Bottom - content.Top, button.Glyph->Height());
    vcl::TRect rect{(content.Left + content.Right - width) / 2, (content.Top + content.Bottom - height) / 2, 0, 0};
    rect.Right = rect.Left + width;
    rect.Bottom = rect.Top + height;
    if (pressedShift && rect.Right < content.Right && rect.Bottom < content.Bottom) {
        rect = ShiftRect(rect, 1, 1);
    }
    DrawGlyphOrImage(canvas.Handle(), rect, rect, button.Glyph, nullptr, -1,
                     button.State == ebvsDisabled ? gdmDisabled : gdmNormal, false, nullptr, vcl::clNone, true);
}

void DrawEditButtonCaption(TuiCanvas& canvas, const TuiEditButtonPaintContext& context,
                           const TuiEditButtonViewInfo& button, bool pressedShift, vcl::TColor text,
                           const vcl::TRect& content) {
    if (context.Font != nullptr) {
        canvas.SetFont(*context.Font);
    }
    canvas.Brush().SetStyle(vcl::bsClear);
    vcl::TRect rect{content.Left + 1, content.Top, content.Right - 2, content.Bottom};
    if (!button.Inplace) {
        ++rect.Top;
        --rect.Bottom;
    }
    if (pressedShift) {
        rect = ShiftRect(rect, 1, 1);
    }
    vcl::TColor color = text;
    if (!(button.Style == btsHotFlat && IsPressedOrHot(button))) {
        color = button.TextColor == vcl::clDefault ? context.TextColor : button.TextColor;
    }
    static constexpr uint16_t alignments[] = {tfAlignLeft, tfAlignRight, tfAlignHCenter};
    const uint16_t flags = tfSingleLine | tfAlignVCenter | tfShowPrefix | tfShowEndEllipsis |
                           alignments[std::min<int>(button.ContentAlignment, 2)];
    canvas.Font().SetColor(color);
    canvas.DrawText(button.Caption, rect, flags, button.State != ebvsDisabled);
}

HTHEME NativeButtonTheme(const TuiEditButtonViewInfo& button) {
    return OpenThemeOfType(button.ComboLook ? totComboBox : totButton);
}

// A themed button's content: nothing for a drop-down, else the push button's content rectangle.
vcl::TRect NativeButtonContent(TuiCanvas& canvas, const TuiEditButtonViewInfo& button) {
    if (button.ComboLook) {
        return {};
    }
    vcl::TRect content = button.Bounds;
    UxTheme().GetThemeBackgroundContentRect(NativeButtonTheme(button), canvas.Handle(), 1, button.ThemeState,
                                            button.Bounds, content);
    return content;
}

bool HasGradientFace(const TuiEditButtonViewInfo& button) {
    return button.Style == btsOffice11 && button.Gradient && !button.Transparent && button.State != ebvsDisabled;
}

// The Office 2003 face: a gradient from top to bottom over the button's column of the editor's border rectangle (a
// normal button's one pixel taller at both ends), seen through face.
void DrawGradientFace(TuiCanvas& canvas, const TuiEditButtonPaintContext& context, const TuiEditButtonViewInfo& button,
                      const vcl::TRect& face) {
    const TuxOffice11Colors& colors = Office11Colors();
    vcl::TColor top = colors.Office11BarLightColor;
    vcl::TColor bottom = colors.Office11BarDarkColor;
    int32_t grow = 1;
    if (button.State == ebvsHot) {
        top = colors.Office11HotColor1;
        bottom = colors.Office11HotColor2;
        grow = 0;
    } else if (button.State == ebvsPressed) {
        top = colors.Office11PressedColor1;
        bottom = colors.Office11PressedColor2;
        grow = 0;
    }
    const vcl::TRect column{button.Bounds.Left, context.BorderRect.Top - grow, button.Bounds.Right,
                            context.BorderRect.Bottom + grow};
    canvas.PushClipRegion();
    canvas.IntersectClipArea(face);
    PaintGradientRect(canvas.Handle(), column, top, bottom, false);
    canvas.PopClipRegion();
}

// A skinned button's colour under its element: the editor's, or in a host's cell the window's (the face's when
// disabled).
vcl::TColor SkinButtonBackColor(const TuiEditButtonPaintContext& context, const TuiEditButtonViewInfo& button) {
    if (context.HasEditor) {
        return button.BackgroundColor;
    }
    return button.State == ebvsDisabled ? vcl::clBtnFace : vcl::clWindow;
}

// The skin's editor-button element (1 drop-down, 2 glyph or caption, 3 ellipsis; side 0 left, 1 right), then a
// glyph or caption of the button's own over it.
void DrawSkinEditButton(TuiCanvas& canvas, const TuiEditButtonPaintContext& context,
                        const TuiEditButtonViewInfo& button, vcl::TColor text, const vcl::TRect& content) {
    const int32_t kind = button.Kind == bkEllipsis ? 3 : button.Kind == bkDown ? 1 : 2;
    canvas.PushClipRegion();
    try {
        canvas.IntersectClipArea(content);
        context.SkinPainter->PaintEditButton(canvas, content, kind, EditButtonPainterState(button.State),
                                             button.LeftAlignment ? 0 : 1);
    } catch (...) {
        canvas.PopClipRegion();
        throw;
    }
    canvas.PopClipRegion();
    if (button.Kind == bkGlyph || button.Kind == bkText) {
        DrawEditButtonContent(canvas, context, button, button.State == ebvsPressed, text, content);
    }
}

} // namespace

TuiEditButtonStyle EffectiveEditButtonStyle(const TuiEditButtonViewInfo& button) {
    return button.Style == btsSimple && IsPressedOrHot(button) ? btsFlat : button.Style;
}

vcl::TColor EditButtonFaceColor(const TuiEditButtonViewInfo& button) {
    return button.Transparent ? button.BackgroundColor : vcl::clBtnFace;
}

vcl::TColor EditButtonHotFlatFaceColor(const TuiEditButtonViewInfo& button) {
    if (button.Transparent) {
        return button.BackgroundColor;
    }
    switch (button.State) {
    case ebvsPressed:
        return vcl::clBtnText;
    case ebvsHot:
        return vcl::clBtnShadow;
    default:
        return vcl::clBtnFace;
    }
}

vcl::TColor EditButtonUltraFlatFaceColor(const TuiEditButtonViewInfo& button, bool office11) {
    if (button.Transparent) {
        return button.BackgroundColor;
    }
    if (IsPressedOrHot(button)) {
        return GetFlatButtonColor(button.State == ebvsPressed, office11);
    }
    if (button.State == ebvsNormal && office11) {
        return Office11Colors().Office11FaceColor;
    }
    return vcl::clBtnFace;
}

TuiButtonState EditButtonPainterState(TuiEditButtonVisualState state) {
    switch (state) {
    case ebvsDisabled:
        return uibsDisabled;
    case ebvsPressed:
        return uibsPressed;
    case ebvsHot:
        return uibsHot;
    default:
        return uibsNormal;
    }
}

void DrawEditButtonBorder(TuiCanvas& canvas, const TuiEditButtonPaintContext& context,
                          const TuiEditButtonViewInfo& button, vcl::TColor& back, vcl::TColor& text,
                          vcl::TRect& content, vcl::TRect& face) {
    vcl::TRect rect = button.Bounds;
    text = vcl::clBtnText;
    switch (EffectiveEditButtonStyle(button)) {
    case btsHotFlat:
        back = EditButtonHotFlatFaceColor(button);
        text = HotFlatText(button);
        DrawHotFlatBorder(canvas, button, back, rect);
        break;
    case btsUltraFlat:
    case btsOffice11: {
        const bool office11 = button.Style == btsOffice11;
        back = EditButtonUltraFlatFaceColor(button, office11);
        face = DrawUltraFlatBorder(canvas, context, button, office11, rect);
        content = rect;
        return;
    }
    case btsFlat:
        back = EditButtonFaceColor(button);
        DrawFlatBorder(canvas, button, back, rect);
        break;
    case btsSimple:
        back = EditButtonFaceColor(button);
        DrawSimpleBorder(canvas, context, button, back, rect);
        break;
    default:
        back = EditButtonFaceColor(button);
        Draw3DBorder(canvas, button, back, rect);
        break;
    }
    face = rect;
    content = rect;
}

void DrawEditEllipsis(TuiCanvas& canvas, const vcl::TRect& rect, bool shift, vcl::TColor color) {
    const int32_t dot = rect.Right - rect.Left > 11 ? 2 : 1;
    const int32_t total = 3 * dot + 4;
    int32_t x = (rect.Left + rect.Right - total) / 2;
    int32_t y = (rect.Top + rect.Bottom - dot) / 2;
    if (shift && x + total < rect.Right && y + dot < rect.Bottom) {
        ++x;
        ++y;
    }
    for (int32_t i = 0; i < 3; ++i) {
        const int32_t left = x + i * (dot + 2);
        FillRectByColor(canvas, {left, y, left + dot, y + dot}, color);
    }
}

void DrawEditButtonContent(TuiCanvas& canvas, const TuiEditButtonPaintContext& context,
                           const TuiEditButtonViewInfo& button, bool pressedShift, vcl::TColor text,
                           const vcl::TRect& content) {
    const bool enabled = button.State != ebvsDisabled;
    canvas.PushState();
    canvas.PushClipRegion();
    canvas.IntersectClipArea(content);
    switch (button.Kind) {
    case bkEllipsis:
        DrawEmbossable(enabled, text, [&](int32_t d, vcl::TColor color) {
            DrawEditEllipsis(canvas, ShiftRect(content, d, d), pressedShift, color);
        });
        break;
    case bkDown: {
        const vcl::TRect arrow = DownArrowRect(button, content, pressedShift);
        DrawEmbossable(enabled, text, [&](int32_t d, vcl::TColor color) {
            TuiStandardLookAndFeelPainter::Instance().PaintDirectionArrow(canvas, ShiftRect(arrow, d, d), adDown,
                                                                          color);
        });
        break;
    }
    case bkGlyph:
        DrawEditButtonGlyph(canvas, button, pressedShift, content);
        break;
    case bkText:
        DrawEditButtonCaption(canvas, context, button, pressedShift, text, content);
        break;
    }
    canvas.PopClipRegion();
    canvas.PopState();
}

void DrawEditButton(TuiCanvas& canvas, const TuiEditButtonPaintContext& context, const TuiEditButtonViewInfo& button,
                    const TuiEditButtonDrawHooks& hooks) {
    const TuiSolidBrushPaintScope paint;
    vcl::TColor back = vcl::clBtnFace;
    vcl::TColor text = vcl::clBtnText;
    vcl::TRect content = button.Bounds;
    vcl::TRect face = button.Bounds;
    const bool themed = button.ThemePart != 0;
    const bool skinned = !themed && context.SkinPainter != nullptr;
    if (!(hooks.DrawBorder && hooks.DrawBorder(back, text, content, face))) {
        if (themed) {
            content = NativeButtonContent(canvas, button);
        } else if (skinned) {
            back = SkinButtonBackColor(context, button);
        } else {
            DrawEditButtonBorder(canvas, context, button, back, text, content, face);
        }
    }
    if (!(hooks.DrawBackground && hooks.DrawBackground(face))) {
        if (themed) {
            UxTheme().DrawThemeBackground(NativeButtonTheme(button), canvas.Handle(), button.ThemePart,
                                          button.ThemeState, button.Bounds);
        } else if (HasGradientFace(button) && !skinned) {
            DrawGradientFace(canvas, context, button, face);
        } else {
            FillRectByColor(canvas, face, back);
        }
    }
    if (content.Left >= content.Right || content.Top >= content.Bottom ||
        (hooks.DrawContent && hooks.DrawContent(text, content))) {
        return;
    }
    if (skinned) {
        DrawSkinEditButton(canvas, context, button, text, content);
        return;
    }
    DrawEditButtonContent(canvas, context, button, button.State == ebvsPressed, text, content);
}

} // namespace ui
