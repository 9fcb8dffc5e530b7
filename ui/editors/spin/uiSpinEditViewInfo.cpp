#include "ui/editors/spin/uiSpinEditViewInfo.h"

#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/editors/framework/buttons/uiEditButtonPainting.h"
#include "ui/editors/framework/view/uiEditDrawing.h"
#include "ui/editors/text/textedit/uiTextEditScopeExit.h"

#include <algorithm>

namespace ui {

namespace {

// The skin's edit-button kinds of the spin glyphs follow the arrow directions from here.
constexpr int32_t SkinSpinUpButtonKind = 4;

// The canvas draws only inside rect until the scope the answer lives in ends.
auto ClipForScope(TuiCanvas& canvas, const vcl::TRect& rect) {
    canvas.PushClipRegion();
    canvas.IntersectClipArea(rect);
    return TuiTextEditScopeExit([&canvas] { canvas.PopClipRegion(); });
}

bool IsPressedOrHot(const TuiEditButtonViewInfo& button) {
    return button.State == ebvsPressed || button.State == ebvsHot;
}

// The border kind of a 3D or hot-flat button: which of its edges are drawn in the shadow colour and which in its own
// colour, so that neighbouring buttons share one line.
int32_t FrameKind(TuiSpinEditButtonsPosition position, int32_t role, bool fast) {
    switch (role) {
    case sedFastDown:
        return position == sbpHorzLeftRight ? 0 : 3;
    case sedFastUp:
        return 2;
    case sedDown:
        if (position == sbpHorzLeftRight) {
            return 1;
        }
        if (position == sbpHorzRight) {
            return fast ? 2 : 3;
        }
        return fast ? 5 : 7;
    default:
        if (position == sbpHorzLeftRight) {
            return 3;
        }
        if (position == sbpHorzRight) {
            return 2;
        }
        return fast ? 4 : 6;
    }
}

void DrawFrameKind(TuiCanvas& canvas, vcl::TRect& rect, int32_t kind, vcl::TColor own) {
    TuiBorders shadowEdges = uiAllBorders;
    TuiBorders ownEdges;
    switch (kind) {
    case 0:
        shadowEdges = {bLeft, bTop, bBottom};
        ownEdges = {bRight};
        break;
    case 2:
    case 4:
        shadowEdges = {bTop, bRight, bBottom};
        ownEdges = {bLeft};
        break;
    case 5:
        shadowEdges = {bRight, bBottom};
        ownEdges = {bLeft, bTop};
        break;
    case 7:
        shadowEdges = {bLeft, bRight, bBottom};
        ownEdges = {bTop};
        break;
    default:
        break;
    }
    DrawRectEdges(canvas, rect, shadowEdges, vcl::clBtnShadow);
    DrawRectEdges(canvas, rect, ownEdges, own);
}

// The placement kind of a pressed or hot ultra-flat button inside a highlighted editor frame.
int32_t UltraFlatKind(TuiSpinEditButtonsPosition position, int32_t role, bool fast) {
    switch (role) {
    case sedFastDown:
        return position == sbpHorzLeftRight ? 0 : 1;
    case sedFastUp:
        return 2;
    case sedDown:
        if (position == sbpVert) {
            return fast ? 4 : 6;
        }
        return position == sbpHorzLeftRight && !fast ? 0 : 1;
    default:
        if (position == sbpVert) {
            return fast ? 3 : 5;
        }
        return fast ? 1 : 2;
    }
}

// The edges that separate the button from its neighbours; the editor's frame draws the others.
TuiBorders UltraFlatEdges(int32_t kind, bool onBorderLeft) {
    switch (kind) {
    case 0:
        return {bRight};
    case 1:
        return onBorderLeft ? TuiBorders{bRight} : TuiBorders{bLeft, bRight};
    case 2:
        return {bLeft};
    case 3:
        return {bLeft, bRight, bBottom};
    case 4:
        return {bLeft, bTop, bRight};
    case 5:
        return onBorderLeft ? TuiBorders{bBottom} : TuiBorders{bLeft, bBottom};
    default:
        return onBorderLeft ? TuiBorders{bTop} : TuiBorders{bLeft, bTop};
    }
}

vcl::TColor HotFlatArrowColor(const TuiEditButtonViewInfo& button) {
    if (!IsPressedOrHot(button)) {
        return vcl::clBtnText;
    }
    return button.Transparent && button.State == ebvsHot ? vcl::clBtnShadow : vcl::clBtnHighlight;
}

TuiEditArrowDirection ArrowDirection(TuiSpinEditButtonsPosition position, int32_t role) {
    const bool vertical = position == sbpVert;
    switch (role) {
    case sedDown:
        return vertical ? eadDown : eadLeft;
    case sedUp:
        return vertical ? eadUp : eadRight;
    case sedFastDown:
        return eadLeft;
    default:
        return eadRight;
    }
}

} // namespace

void TuiSpinEditViewInfo::PaintContent(TuiCanvas& canvas) {
    TuiCustomTextEditViewInfo::PaintContent(canvas);
    if (!HasSeparator || ButtonCount() == 0 || Buttons(0).ThemePart == 0 || IsButtonCustomDrawn(0)) {
        return;
    }
    const auto clip = ClipForScope(canvas, BorderRect);
    FillRectByColor(canvas,
                    {std::min(SeparatorStart.X, SeparatorEnd.X), std::min(SeparatorStart.Y, SeparatorEnd.Y),
                     std::max(SeparatorStart.X, SeparatorEnd.X) + 1, std::max(SeparatorStart.Y, SeparatorEnd.Y) + 1},
                    BackgroundColor);
}

int32_t TuiSpinEditViewInfo::GetPartAt(vcl::TPoint point) const {
    return point.X >= BorderRect.Left && point.X < BorderRect.Right && point.Y >= BorderRect.Top &&
                   point.Y < BorderRect.Bottom
               ? ephtText
               : ephtNone;
}

vcl::TRect TuiSpinEditViewInfo::GetPartRect(int32_t part) const {
    return part == ephtText ? BorderRect : vcl::TRect{};
}

void TuiSpinEditViewInfo::Offset(int32_t dx, int32_t dy) {
    TuiCustomTextEditViewInfo::Offset(dx, dy);
    for (vcl::TPoint* point : {&SeparatorStart, &SeparatorEnd}) {
        point->X += dx;
        point->Y += dy;
    }
}

bool TuiSpinEditViewInfo::IsButtonCustomDrawn(int32_t index) {
    return AskHandler(OnDrawButton, nullptr, index);
}

void TuiSpinEditViewInfo::SetSeparator(vcl::TPoint start, vcl::TPoint end) {
    HasSeparator = true;
    SeparatorStart = start;
    SeparatorEnd = end;
}

void TuiSpinEditViewInfo::DrawButton(TuiCanvas& canvas, int32_t index) {
    const TuiEditButtonViewInfo& button = Buttons(index);
    const TuiEditButtonPaintContext context = ButtonPaintContext();
    TuiEditButtonDrawHooks hooks;
    hooks.DrawBorder = [&](vcl::TColor& back, vcl::TColor& text, vcl::TRect& content, vcl::TRect& face) {
        if (AskHandler(OnDrawButtonBorder, &canvas, index)) {
            return true;
        }
        // A themed button draws no border of its own: the theme's part is all of it.
        if (button.ThemePart != 0) {
            content = IsButtonCustomDrawn(0) ? button.Bounds : vcl::TRect{};
            return true;
        }
        return context.SkinPainter == nullptr &&
               DrawSpinButtonBorder(canvas, context, button, back, text, content, face);
    };
    hooks.DrawBackground = [&](const vcl::TRect&) {
        if (AskHandler(OnDrawButtonBackground, &canvas, index)) {
            return true;
        }
        if (button.ThemePart == 0) {
            return false;
        }
        UxTheme().DrawThemeBackground(OpenThemeOfType(totSpin), canvas.Handle(), button.ThemePart, button.ThemeState,
                                      button.Bounds);
        return true;
    };
    hooks.DrawContent = [&](vcl::TColor text, const vcl::TRect& content) {
        DrawArrows(canvas, context, button, text, content);
        return true;
    };
    DrawEditButton(canvas, context, button, hooks);
}

bool TuiSpinEditViewInfo::DrawSpinButtonBorder(TuiCanvas& canvas, const TuiEditButtonPaintContext& context,
                                               const TuiEditButtonViewInfo& button, vcl::TColor& back,
                                               vcl::TColor& text, vcl::TRect& content, vcl::TRect& face) const {
    const bool fast = ButtonCount() == 4;
    vcl::TRect rect = button.Bounds;
    text = vcl::clBtnText;
    switch (EffectiveEditButtonStyle(button)) {
    case bts3D:
        back = EditButtonFaceColor(button);
        break;
    case btsHotFlat:
        back = EditButtonHotFlatFaceColor(button);
        text = HotFlatArrowColor(button);
        break;
    case btsUltraFlat:
    case btsOffice11:
        back = EditButtonUltraFlatFaceColor(button, button.Style == btsOffice11);
        DrawUltraFlatBorder(canvas, context, button, content, face);
        return true;
    default:
        return false;
    }
    DrawFrameKind(canvas, rect, FrameKind(ButtonsPosition, button.ButtonIndex, fast), back);
    content = face = rect;
    return true;
}

void TuiSpinEditViewInfo::DrawUltraFlatBorder(TuiCanvas& canvas, const TuiEditButtonPaintContext& context,
                                              const TuiEditButtonViewInfo& button, vcl::TRect& content,
                                              vcl::TRect& face) const {
    const vcl::TColor highlight = GetHighlightBorderColor(button.Style == btsOffice11);
    const bool editorHighlighted = context.Inplace ? context.HostHasOuterBorder : context.HasEditBorder;
    content = InflateRectBy(button.Bounds, -1, -1);
    face = content;
    if (!IsPressedOrHot(button)) {
        if (!context.Transparent) {
            canvas.FrameRect(button.Bounds, button.BackgroundColor);
        }
        return;
    }
    if (!editorHighlighted) {
        canvas.FrameRect(button.Bounds, highlight);
        return;
    }
    face = button.Bounds;
    const int32_t kind = UltraFlatKind(ButtonsPosition, button.ButtonIndex, ButtonCount() == 4);
    DrawRectEdges(canvas, face, UltraFlatEdges(kind, button.Bounds.Left == BorderRect.Left), highlight);
}

void TuiSpinEditViewInfo::DrawArrows(TuiCanvas& canvas, const TuiEditButtonPaintContext& context,
                                     const TuiEditButtonViewInfo& button, vcl::TColor color,
                                     const vcl::TRect& content) const {
    const TuiEditArrowDirection direction = ArrowDirection(ButtonsPosition, button.ButtonIndex);
    const auto clip = ClipForScope(canvas, content);
    if (context.SkinPainter != nullptr) {
        context.SkinPainter->PaintEditButton(canvas, content, SkinSpinUpButtonKind + direction,
                                             EditButtonPainterState(button.State), button.LeftAlignment ? 0 : 1);
        return;
    }
    const int32_t width = 2 * ArrowSize - 1;
    const bool vertical = direction == eadUp || direction == eadDown;
    const vcl::TSize size = vertical ? vcl::TSize{width, ArrowSize} : vcl::TSize{ArrowSize, width};
    const int32_t extraArrows = button.ButtonIndex >= sedFastDown ? 1 : 0;
    const bool pressed = button.State == ebvsPressed;
    if (button.State == ebvsDisabled) {
        DrawEditArrows(canvas, ShiftRect(content, 1, 1), size, false, vcl::clBtnHighlight, extraArrows, direction);
        DrawEditArrows(canvas, content, size, false, vcl::clBtnShadow, extraArrows, direction);
    } else {
        DrawEditArrows(canvas, content, size, pressed, color, extraArrows, direction);
    }
}

} // namespace ui
