// Text on a TuiCanvas: measuring, vertical alignment, the fast single-line path and the general path with rotation.

#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/graphics/uiCanvas.h"
#include "ui/core/system/uxSystemInfo.h"
#include "vcl/system/Win32.h"

#include <algorithm>

namespace ui {

namespace {

// Text flags that need DrawText rather than ExtTextOut.
constexpr uint16_t ComplexTextFlags = tfShowPrefix | tfShowEndEllipsis | tfShowPathEllipsis;
constexpr uint16_t HorizontalAlignmentMask = 0x0007;
constexpr uint16_t VerticalAlignmentMask = 0x0038;

struct TTextFlagMapping {
    uint16_t TextFlag;
    uint32_t DrawTextFlags;
};

constexpr TTextFlagMapping TextFlagMappings[] = {
    {tfAlignRight, DT_RIGHT},      {tfAlignHCenter, DT_CENTER},
    {tfAlignBottom, DT_BOTTOM},    {tfAlignVCenter, DT_VCENTER},
    {tfSingleLine, DT_SINGLELINE}, {tfDontClip, DT_NOCLIP},
    {tfExpandTabs, DT_EXPANDTABS}, {tfShowEndEllipsis, DT_END_ELLIPSIS},
    {tfCalcRect, DT_CALCRECT},     {tfShowPathEllipsis, DT_PATH_ELLIPSIS},
};

// The rotation that undoes angle.
TuiRotationAngle InverseAngle(TuiRotationAngle angle) {
    switch (angle) {
    case TuiRotationAngle::CounterClockwise:
        return TuiRotationAngle::Clockwise;
    case TuiRotationAngle::Clockwise:
        return TuiRotationAngle::CounterClockwise;
    default:
        return angle;
    }
}

} // namespace

uint32_t TextFlagsToDrawTextFlags(uint16_t flags) {
    uint32_t result = (flags & tfShowPrefix) ? 0 : DT_NOPREFIX;
    for (const TTextFlagMapping& mapping : TextFlagMappings) {
        if (flags & mapping.TextFlag) {
            result |= mapping.DrawTextFlags;
        }
    }
    if (flags & tfWordBreak) {
        if (!(flags & tfDontBreakChars)) {
            result |= DT_WORDBREAK | DT_EDITCONTROL;
        } else {
            result |= DT_WORDBREAK;
            if (flags & tfNoFullWidthCharBreak) {
                result |= DT_NOFULLWIDTHCHARBREAK;
            }
        }
    }
    return result;
}

int32_t DrawTextColored(HDC dc, rtl::UnicodeStringView text, vcl::TRect& rect, uint32_t drawTextFlags,
                        vcl::TColor color, bool transparent) {
    const COLORREF previousColor = color == vcl::clDefault ? CLR_INVALID : SetTextColor(dc, ColorToRGB(color));
    const int previousMode = SetBkMode(dc, transparent ? TRANSPARENT : OPAQUE);
    const int result =
        DrawTextW(dc, vcl::AsWide(text.data()), static_cast<int>(text.size()), vcl::AsRECT(&rect), drawTextFlags);
    SetBkMode(dc, previousMode);
    if (previousColor != CLR_INVALID) {
        SetTextColor(dc, previousColor);
    }
    return result;
}

void DrawRotatedText(TuiCanvas& canvas, rtl::UnicodeStringView text, const vcl::TRect& rect, uint32_t drawTextFlags,
                     vcl::TColor color, TuiRotationAngle angle) {
    HDC dc = canvas.Handle();
    canvas.Canvas().RequireFont();
    if (angle == TuiRotationAngle::None) {
        vcl::TRect target = rect;
        DrawTextColored(dc, text, target, drawTextFlags, color, true);
        return;
    }
    TuiBitmap bitmap(rect.Width(), rect.Height(), vcl::pf32bit);
    BitBlt(bitmap.Canvas().Handle(), 0, 0, rect.Width(), rect.Height(), dc, rect.Left, rect.Top, SRCCOPY);
    bitmap.Rotate(InverseAngle(angle));
    bitmap.Canvas().SetFont(canvas.Font());
    bitmap.Canvas().Canvas().RequireFont();
    vcl::TRect upright = bitmap.GetClientRect();
    DrawTextColored(bitmap.Canvas().Handle(), text, upright, drawTextFlags, color, true);
    bitmap.Rotate(angle);
    BitBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
}

vcl::TSize TuiCanvas::MeasureText(rtl::UnicodeStringView text) {
    return FCanvas->TextExtent(text);
}

int32_t TuiCanvas::FontHeight(const vcl::TFont& font) {
    SetFont(font);
    return GetTextHeight(u"Qq");
}

void TuiCanvas::MeasureTextRect(rtl::UnicodeStringView text, vcl::TRect& rect, uint16_t flags) {
    const int32_t width = rect.Width();
    const int32_t height = rect.Height();
    const uint32_t drawTextFlags = TextFlagsToDrawTextFlags(flags);
    if (width <= 0 && !text.empty()) {
        rect.Right = rect.Left + 1;
    }
    FCanvas->RequireFont();
    if (DrawTextColored(Handle(), text, rect, (drawTextFlags & ~DT_VCENTER) | DT_CALCRECT, vcl::clDefault, true) == 0) {
        rect = {rect.Left, rect.Top, rect.Left, rect.Top};
    }
    int32_t dx = 0;
    int32_t dy = 0;
    if (drawTextFlags & DT_CENTER) {
        dx = (width - rect.Width()) / 2;
    } else if (drawTextFlags & DT_RIGHT) {
        dx = width - rect.Width();
    }
    if (drawTextFlags & DT_VCENTER) {
        dy = (height - rect.Height()) / 2;
    } else if (drawTextFlags & DT_BOTTOM) {
        dy = height - rect.Height();
    }
    rect = vcl::OffsetRect(rect, dx, dy);
}

void TuiCanvas::AlignTextRectVertically(vcl::TRect& rect, rtl::UnicodeStringView text, TuiAlignmentVert alignment,
                                        bool wordBreak, bool showPrefix, bool enabled, bool dontBreakChars,
                                        bool endEllipsis) {
    if (alignment == vaTop) {
        return;
    }
    const int32_t disabledOffset = enabled ? 0 : 1;
    int32_t textHeight = 0;
    if (endEllipsis && wordBreak) {
        // Only whole lines show: the ellipsis ends the last one that fits.
        const int32_t lineHeight = GetTextHeight(u"Wg");
        textHeight =
            lineHeight > 0 ? std::max(lineHeight, lineHeight * ((rect.Height() - disabledOffset) / lineHeight)) : 0;
    } else {
        vcl::TRect measured{0, 0, rect.Width() - disabledOffset, 0};
        uint16_t flags = tfAlignLeft | tfAlignTop;
        flags |= wordBreak ? tfWordBreak : 0;
        flags |= showPrefix ? tfShowPrefix : 0;
        flags |= dontBreakChars ? tfDontBreakChars : 0;
        MeasureTextRect(text, measured, flags);
        textHeight = measured.Height();
    }
    if (alignment == vaBottom) {
        rect.Top = rect.Bottom - disabledOffset - textHeight;
    } else {
        rect.Top = (rect.Top + rect.Bottom - textHeight) / 2;
    }
}

void TuiCanvas::DrawText(rtl::UnicodeStringView text, const vcl::TRect& rect, uint16_t flags, bool enabled,
                         TuiRotationAngle angle) {
    if (text.empty()) {
        return;
    }
    const bool fastPath = (flags & tfSingleLine) && angle == TuiRotationAngle::None && !(flags & ComplexTextFlags);
    const vcl::TSize extent = MeasureText(text);
    if (rect.Width() >= extent.cx && rect.Height() >= extent.cy) {
        flags |= tfDontClip;
    }
    const int32_t disabledOffset = enabled ? 0 : 1;
    vcl::TRect target = rect;
    if (fastPath) {
        if (extent.cx < target.Width()) {
            if ((flags & HorizontalAlignmentMask) == tfAlignRight) {
                target.Left = target.Right - extent.cx - disabledOffset;
            } else if ((flags & HorizontalAlignmentMask) == tfAlignHCenter) {
                target.Left = (target.Left + target.Right - extent.cx) / 2;
            }
        }
        if (extent.cy < target.Height()) {
            if ((flags & VerticalAlignmentMask) == tfAlignBottom) {
                target.Top = target.Bottom - extent.cy - disabledOffset;
            } else if ((flags & VerticalAlignmentMask) == tfAlignVCenter) {
                target.Top = (target.Top + target.Bottom - extent.cy) / 2;
            }
        }
    } else if (!(flags & tfSingleLine) && (flags & (tfAlignBottom | tfAlignVCenter))) {
        AlignTextRectVertically(target, text, (flags & tfAlignBottom) ? vaBottom : vaCenter, flags & tfWordBreak,
                                flags & tfShowPrefix, enabled, flags & tfDontBreakChars, flags & tfShowEndEllipsis);
    }
    const vcl::TBrushStyle brushStyle = Brush().Style();
    const vcl::TColor fontColor = Font().Color();
    if (!enabled) {
        Brush().SetStyle(vcl::bsClear);
        Font().SetColor(static_cast<vcl::TColor>(ColorToRGB(vcl::clBtnHighlight)));
        OutputText(text, vcl::OffsetRect(target, 1, 1), flags, angle, fastPath);
        Font().SetColor(static_cast<vcl::TColor>(ColorToRGB(vcl::clBtnShadow)));
    }
    OutputText(text, target, flags, angle, fastPath);
    if (Brush().Style() != brushStyle) {
        Brush().SetStyle(brushStyle);
    }
    Font().SetColor(fontColor);
}

void TuiCanvas::OutputText(rtl::UnicodeStringView text, const vcl::TRect& rect, uint16_t flags, TuiRotationAngle angle,
                           bool fastPath) {
    if (!fastPath) {
        DrawRotatedText(*this, text, rect, TextFlagsToDrawTextFlags(flags), vcl::clDefault, angle);
        return;
    }
    FCanvas->RequireFont();
    FCanvas->RequireBrush();
    const UINT options = (flags & tfDontClip) ? 0 : ETO_CLIPPED;
    ExtTextOutW(Handle(), rect.Left, rect.Top, options, vcl::AsRECT(&rect), vcl::AsWide(text.data()),
                static_cast<UINT>(text.size()), nullptr);
}

void TuiCanvas::SetFontAngle(int32_t angle) {
    Font().SetOrientation(angle * 10);
}

} // namespace ui
