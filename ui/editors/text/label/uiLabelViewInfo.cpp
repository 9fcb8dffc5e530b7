#include "ui/editors/text/label/uiLabelViewInfo.h"

#include "rtl/WindowsApi.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiControlBackground.h"
#include "ui/core/painters/uiLookAndFeelPainters.h"
#include "ui/editors/choice/uiEditSupportRoutines.h"
#include "vcl/graphics/Font.h"
#include "vcl/graphics/images/Bitmap.h"

#include <cmath>
#include <numbers>

namespace ui {

namespace {

// The canvas font comes back after the label drew.
class TLabelDrawFontScope {
public:
    explicit TLabelDrawFontScope(TuiCanvas& canvas) : FCanvas(canvas) { FSaved.Assign(&canvas.Font()); }
    ~TLabelDrawFontScope() { FCanvas.Font().Assign(&FSaved); }
    TLabelDrawFontScope(const TLabelDrawFontScope&) = delete;
    TLabelDrawFontScope& operator=(const TLabelDrawFontScope&) = delete;

private:
    TuiCanvas& FCanvas;
    vcl::TFont FSaved;
};

int32_t Sign(int32_t value) {
    return (value > 0) - (value < 0);
}

uint8_t BlendComponent(uint32_t from, uint32_t to, int32_t i, int32_t count, int shift) {
    const int32_t a = static_cast<int32_t>((from >> shift) & 0xFF);
    const int32_t b = static_cast<int32_t>((to >> shift) & 0xFF);
    return static_cast<uint8_t>(i * (b - a) / count + a);
}

// The colour i of count on the way from background to shadow.
vcl::TColor BlendLabelColor(vcl::TColor background, vcl::TColor shadow, int32_t i, int32_t count) {
    const uint32_t from = vcl::ColorToRGB(background);
    const uint32_t to = vcl::ColorToRGB(shadow);
    return static_cast<vcl::TColor>(BlendComponent(from, to, i, count, 0) | BlendComponent(from, to, i, count, 8) << 8 |
                                    BlendComponent(from, to, i, count, 16) << 16);
}

} // namespace

uint32_t LabelTextFlags(vcl::TAlignment horz, TuiEditVertAlignment vert, bool endEllipsis, bool wordWrap,
                        bool showPrefix) {
    uint32_t flags = horz == vcl::taRightJustify ? DT_RIGHT : horz == vcl::taCenter ? DT_CENTER : DT_LEFT;
    flags |= vert == taBottomJustify ? DT_BOTTOM : vert == taVCenter ? DT_VCENTER : DT_TOP;
    flags |= endEllipsis ? DT_END_ELLIPSIS : 0u;
    flags |= wordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    flags |= showPrefix ? 0u : DT_NOPREFIX;
    return flags;
}

TuiCustomLabelViewInfo::TuiCustomLabelViewInfo() = default;
TuiCustomLabelViewInfo::~TuiCustomLabelViewInfo() = default;

void TuiCustomLabelViewInfo::PaintContent(TuiCanvas& canvas) {
    DrawEditBackgroundAndButtons(canvas, true);
    DrawLabel(canvas);
}

void TuiCustomLabelViewInfo::Offset(int32_t dx, int32_t dy) {
    TuiCustomTextEditViewInfo::Offset(dx, dy);
    TextBounds = ShiftRect(TextBounds, dx, dy);
    LineBounds = ShiftRect(LineBounds, dx, dy);
    FOwnCache.Invalidate();
}

void TuiCustomLabelViewInfo::DrawLabel(TuiCanvas& canvas) {
    if (IsRectEmptyArea(ClientRect) || Font == nullptr) {
        return;
    }
    TLabelDrawFontScope fontScope(canvas);
    vcl::TRect textRect = TextBounds;
    if (IsInplace) {
        DeflateRectInPlace(textRect, TextOffsets);
    }
    // What shows through a transparent label changes without the label knowing, so it is always drawn anew.
    if (Transparent) {
        DrawLabelContent(canvas, ClientRect, textRect, LineBounds);
    } else {
        DrawCachedLabel(canvas, textRect);
    }
}

void TuiCustomLabelViewInfo::DrawCachedLabel(TuiCanvas& canvas, const vcl::TRect& textRect) {
    TuiLabelPictureCache& cache = PictureCache();
    const vcl::TRect content = ClientRect;
    const TuiLabelPictureKey key{content, BackgroundColor, TextColor};
    if (!cache.Holds(key)) {
        vcl::TBitmap& bitmap = cache.Prepare(key);
        TuiCanvas bitmapCanvas(bitmap.Canvas());
        const auto toBitmap = [&content](const vcl::TRect& r) { return ShiftRect(r, -content.Left, -content.Top); };
        DrawLabelContent(bitmapCanvas, toBitmap(content), toBitmap(textRect), toBitmap(LineBounds));
        cache.Validate();
    }
    vcl::TBitmap& bitmap = cache.Bitmap();
    BitBlt(canvas.Handle(), content.Left, content.Top, content.Width(), content.Height(), bitmap.Canvas().Handle(), 0,
           0, SRCCOPY);
}

// A transparent standalone label shows its parent; a transparent cell leaves the host's painting.
void TuiCustomLabelViewInfo::PaintLabelBackground(TuiCanvas& canvas, const vcl::TRect& rect) {
    if (!Transparent) {
        canvas.FillRectColor(rect, BackgroundColor);
    } else if (!IsInplace && Control != nullptr) {
        DrawTransparentControlBackground(*Control, canvas, rect, true);
    }
}

void TuiCustomLabelViewInfo::DrawLabelContent(TuiCanvas& canvas, const vcl::TRect& content, const vcl::TRect& textRect,
                                              const vcl::TRect& lineRect) {
    PaintLabelBackground(canvas, content);
    const bool isTrueType = SelectRotatedFont(canvas, *Font, Angle);
    const int32_t angle = NormalizeLabelAngle(Angle, isTrueType);
    vcl::TPoint origin;
    vcl::TPoint step;
    CalculateOrigin(canvas, textRect, angle, origin, step);
    const int oldMode = SetBkMode(canvas.Handle(), TRANSPARENT);
    DrawDepthCopies(canvas, textRect, angle, origin, step);
    if (step.X < 0) {
        origin.X -= StyleOffset;
    }
    if (step.Y < 0) {
        origin.Y -= StyleOffset;
    }
    DrawStyledText(canvas, textRect, angle, isTrueType, origin);
    SetBkMode(canvas.Handle(), oldMode);
    DrawLine(canvas, textRect, lineRect);
}

rtl::UnicodeString TuiCustomLabelViewInfo::TurnedText() const {
    return ShowAccelChar ? RemoveAccelerators(Text) : Text;
}

// A turned text is centred in the text rectangle less the depth; the depth copies start on the farther side of the
// orientation and step towards the text.
void TuiCustomLabelViewInfo::CalculateOrigin(TuiCanvas& canvas, const vcl::TRect& textRect, int32_t angle,
                                             vcl::TPoint& origin, vcl::TPoint& step) const {
    origin = {0, 0};
    if (angle != 0) {
        const rtl::UnicodeString text = TurnedText();
        RECT measured{0, 0, 0, 0};
        canvas.Canvas().RequireFont();
        DrawTextW(canvas.Handle(), reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()),
                  &measured, DT_CALCRECT | DT_NOPREFIX);
        const double w = measured.right - measured.left;
        const double h = measured.bottom - measured.top;
        const double theta = angle * std::numbers::pi / 180.0;
        origin.X = static_cast<int32_t>(std::nearbyint((textRect.Left + textRect.Right - DepthExtent.cx) / 2.0 -
                                                       w / 2 * std::cos(theta) - h / 2 * std::sin(theta)));
        origin.Y = static_cast<int32_t>(std::nearbyint((textRect.Top + textRect.Bottom - DepthExtent.cy) / 2.0 +
                                                       w / 2 * std::sin(theta) - h / 2 * std::cos(theta)));
    }
    step = {0, 0};
    if (LabelEffect == uileNormal || Depth == 0) {
        return;
    }
    step = {DepthExtent.cx, DepthExtent.cy};
    if (Orientation == uioRight || Orientation == uioRightTop || Orientation == uioRightBottom) {
        origin.X += DepthExtent.cx + StyleOffset;
        step.X = -step.X;
    }
    if (Orientation == uioBottom || Orientation == uioLeftBottom || Orientation == uioRightBottom) {
        origin.Y += DepthExtent.cy + StyleOffset;
        step.Y = -step.Y;
    }
    if (LabelEffect == uileFun || LabelEffect == uileExtrude) {
        step = {Sign(step.X), Sign(step.Y)};
    }
}

void TuiCustomLabelViewInfo::DrawDepthCopies(TuiCanvas& canvas, const vcl::TRect& textRect, int32_t angle,
                                             vcl::TPoint& origin, vcl::TPoint step) {
    if (LabelEffect == uileNormal || Depth == 0) {
        return;
    }
    const int32_t stride = step.X != 0 ? std::abs(step.X) : std::abs(step.Y);
    if (stride == 0) {
        return;
    }
    const int32_t count = Depth / stride;
    for (int32_t i = 1; i <= count; ++i) {
        const vcl::TColor color =
            LabelEffect == uileFun ? BlendLabelColor(BackgroundColor, ShadowedColor, i, count) : ShadowedColor;
        DrawTextAt(canvas, textRect, angle, origin, color);
        origin.X += step.X;
        origin.Y += step.Y;
    }
}

void TuiCustomLabelViewInfo::DrawStyledText(TuiCanvas& canvas, const vcl::TRect& textRect, int32_t angle,
                                            bool isTrueType, vcl::TPoint origin) {
    const bool large = canvas.Font().Size() >= 12;
    const vcl::TPoint inner{origin.X + 1, origin.Y + 1};
    const vcl::TPoint farther{origin.X + 2, origin.Y + 2};
    switch (LabelStyle) {
    case uilsRaised:
        DrawTextAt(canvas, textRect, angle, origin, vcl::clBtnHighlight);
        if (large) {
            DrawTextAt(canvas, textRect, angle, farther, vcl::clBtnShadow);
        }
        DrawPlainOrGlyphText(canvas, textRect, angle, isTrueType, inner);
        break;
    case uilsLowered:
        if (large) {
            DrawTextAt(canvas, textRect, angle, origin, vcl::clBtnShadow);
        }
        DrawTextAt(canvas, textRect, angle, farther, vcl::clBtnHighlight);
        DrawPlainOrGlyphText(canvas, textRect, angle, isTrueType, inner);
        break;
    case uilsOutLine:
        if (isTrueType) {
            if (Glyph != nullptr) {
                DrawGlyphText(canvas, textRect, angle, origin);
            }
            const HDC dc = canvas.Handle();
            BeginPath(dc);
            DrawTextAt(canvas, textRect, angle, origin, TextColor);
            EndPath(dc);
            const HPEN pen = CreatePen(PS_SOLID, std::max(PenWidth, 1), vcl::ColorToRGB(TextColor));
            const HGDIOBJ old = SelectObject(dc, pen);
            StrokePath(dc);
            SelectObject(dc, old);
            DeleteObject(pen);
            break;
        }
        DrawTextAt(canvas, textRect, angle, origin, TextColor);
        break;
    default:
        DrawPlainOrGlyphText(canvas, textRect, angle, isTrueType, origin);
        break;
    }
}

void TuiCustomLabelViewInfo::DrawPlainOrGlyphText(TuiCanvas& canvas, const vcl::TRect& textRect, int32_t angle,
                                                  bool isTrueType, vcl::TPoint at) {
    if (isTrueType && Glyph != nullptr) {
        DrawGlyphText(canvas, textRect, angle, at);
    } else {
        DrawTextAt(canvas, textRect, angle, at, TextColor);
    }
}

// The letters' outline becomes the clip, inside the clip already there (a cell's), and the glyph tiles the text
// rectangle through it.
void TuiCustomLabelViewInfo::DrawGlyphText(TuiCanvas& canvas, const vcl::TRect& textRect, int32_t angle,
                                           vcl::TPoint at) {
    const HDC dc = canvas.Handle();
    BeginPath(dc);
    DrawTextAt(canvas, textRect, angle, at, TextColor);
    EndPath(dc);
    canvas.PushClipRegion();
    SelectClipPath(dc, RGN_AND);
    canvas.FillRect(textRect, Glyph.get());
    canvas.PopClipRegion();
}

// Turned text goes out at the point; unturned text fills the text rectangle less the depth, moved by the point.
void TuiCustomLabelViewInfo::DrawTextAt(TuiCanvas& canvas, const vcl::TRect& textRect, int32_t angle, vcl::TPoint at,
                                        vcl::TColor color) {
    canvas.Font().SetColor(color);
    canvas.Canvas().RequireFont();
    const HDC dc = canvas.Handle();
    SetTextColor(dc, vcl::ColorToRGB(color));
    if (angle != 0) {
        const rtl::UnicodeString text = TurnedText();
        ExtTextOutW(dc, at.X, at.Y, 0, nullptr, reinterpret_cast<const wchar_t*>(text.c_str()),
                    static_cast<UINT>(text.size()), nullptr);
        return;
    }
    RECT rect{textRect.Left + at.X, textRect.Top + at.Y, textRect.Right - DepthExtent.cx + at.X,
              textRect.Bottom - DepthExtent.cy + at.Y};
    const bool endEllipsis = IsInplace && (TextFlags & tlEndEllipsis) != 0;
    DrawTextW(dc, reinterpret_cast<const wchar_t*>(Text.c_str()), static_cast<int>(Text.size()), &rect,
              LabelTextFlags(LabelHorz, LabelVert, endEllipsis, WordWrap, ShowAccelChar));
}

void TuiCustomLabelViewInfo::DrawLine(TuiCanvas& canvas, const vcl::TRect& textRect, const vcl::TRect& lineRect) {
    if (IsRectEmptyArea(lineRect)) {
        return;
    }
    const TuiCustomLookAndFeelPainter& painter =
        Painter != nullptr ? *Painter : TuiCustomLookAndFeelPainter::Instance();
    canvas.PushClipRegion();
    canvas.ExcludeClipArea(LineVertical ? InflateRectBy(textRect, 0, 3) : InflateRectBy(textRect, 3, 0));
    painter.PaintEtchedLine(canvas, lineRect, LineInnerColor == vcl::clDefault ? vcl::clBtnShadow : LineInnerColor,
                            LineOuterColor == vcl::clDefault ? vcl::clBtnHighlight : LineOuterColor, LineVertical);
    canvas.PopClipRegion();
}

} // namespace ui
