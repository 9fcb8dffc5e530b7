#include "ui/editors/choice/checkbox/uiCheckGlyph.h"

#include "rtl/WindowsApi.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/painters/looks/uiNativePainter.h"
#include "ui/core/painters/looks/uiNativeParts.h"
#include "ui/core/painters/looks/uiStandardPainter.h"
#include "ui/editors/framework/view/uiEditDrawing.h"
#include "ui/editors/framework/view/uiSolidBrushCache.h"
#include "vcl/graphics/GdiObjects.h"
#include "vcl/graphics/images/Bitmap.h"

#include <algorithm>
#include <memory>

namespace ui {

namespace {

constexpr uint16_t checkBoxesBitmapId = 32759; // OBM_CHECKBOXES
// The images of a glyph's group: unchecked, checked, grayed.
constexpr int32_t checkImagesPerGroup = 3;
// The raster operation that paints the brush where the source is black and keeps the destination where it is white.
constexpr DWORD maskedBrushRop = 0x00B8074A;

// Black where the platform's checked image differs from its unchecked one: the check sign.
vcl::TBitmapHandle& CheckSignMask() {
    static vcl::TBitmapHandle mask;
    return mask;
}

vcl::TBitmapHandle MakeCheckSignMask() {
    const vcl::TSize size = TuiStandardLookAndFeelPainter::Instance().CheckBoxSize();
    vcl::TBitmapHandle mask(CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
    const vcl::TBitmapHandle boxes(LoadBitmapW(nullptr, MAKEINTRESOURCEW(checkBoxesBitmapId)));
    const vcl::TMemoryDCHandle maskDC(CreateCompatibleDC(nullptr));
    const vcl::TMemoryDCHandle boxesDC(CreateCompatibleDC(nullptr));
    const vcl::TSelectedObject maskSelected(maskDC.Get(), mask.Get());
    PatBlt(maskDC.Get(), 0, 0, size.cx, size.cy, WHITENESS);
    if (!boxes) {
        return mask;
    }
    const vcl::TSelectedObject boxesSelected(boxesDC.Get(), boxes.Get());
    for (int32_t y = 0; y < size.cy; ++y) {
        for (int32_t x = 0; x < size.cx; ++x) {
            if (GetPixel(boxesDC.Get(), x, y) != GetPixel(boxesDC.Get(), x + size.cx, y)) {
                SetPixel(maskDC.Get(), x, y, RGB(0, 0, 0));
            }
        }
    }
    return mask;
}

TuiButtonState ButtonStateOf(TuiCheckHotState hotState) {
    static constexpr TuiButtonState states[] = {uibsNormal, uibsHot, uibsPressed, uibsDisabled};
    return states[hotState];
}

// A bitmap of size holding the glyph's image, with the glyph's transparent colour.
std::unique_ptr<vcl::TBitmap> CheckGlyphImage(vcl::TBitmap& glyph, int32_t glyphCount, int32_t index, vcl::TSize size) {
    auto image = std::make_unique<vcl::TBitmap>();
    image->Assign(&glyph);
    image->SetTransparentColor(glyph.TransparentColor());
    image->SetSize(size.cx, size.cy);
    const int32_t imageWidth = glyph.Width() / glyphCount;
    BitBlt(image->Canvas().Handle(), 0, 0, size.cx, size.cy, glyph.Canvas().Handle(), index * imageWidth,
           (glyph.Height() - size.cy) / 2, SRCCOPY);
    return image;
}

void PaintCheckGlyph(TuiCanvas& canvas, const vcl::TRect& rect, const TuiEditorCheck& check, vcl::TColor background) {
    const int32_t index = CheckGlyphImageIndex(check.State, check.HotState == chsPressed, check.GlyphCount);
    const std::unique_ptr<vcl::TBitmap> image =
        CheckGlyphImage(*check.Glyph, check.GlyphCount, index, {rect.Width(), rect.Height()});
    DrawGlyph(canvas, rect.Left, rect.Top, *image, check.HotState != chsDisabled, background);
}

bool IsFlatCheck(TuiContainerBorderStyle style) {
    return style == cbsUltraFlat || style == cbsOffice11;
}

vcl::TColor FlatCheckFrameColor(const TuiEditorCheck& check) {
    const bool office11 = check.BorderStyle == cbsOffice11;
    if (office11 && check.HotState == chsNormal && !check.IsDesigning && !check.Focused) {
        return vcl::clBtnText;
    }
    const bool highlighted = check.HotState == chsHot || check.HotState == chsPressed ||
                             (check.IsDesigning && check.HotState != chsDisabled) ||
                             (check.HotState == chsNormal && check.Focused);
    return highlighted ? GetHighlightBorderColor(office11) : vcl::clBtnShadow;
}

// The ring of the background, then the frame of the border style, which together leave 2 pixels on every side.
void PaintCheckFrame(TuiCanvas& canvas, vcl::TRect rect, const TuiEditorCheck& check) {
    const int32_t offset = GetCheckBorderOffset(check.BorderStyle, false, false, nullptr);
    if (check.DrawBackground && offset > 0) {
        canvas.FrameRect(rect, check.BackgroundColor, offset);
    }
    rect = InflateRectBy(rect, -offset, -offset);
    switch (check.BorderStyle) {
    case cbsSingle:
    case cbsThick:
        canvas.FrameRect(rect, check.BorderColor, check.BorderStyle == cbsThick ? 2 : 1);
        break;
    case cbsFlat:
        canvas.DrawEdge(rect, true, true);
        rect = InflateRectBy(rect, -1, -1);
        canvas.FrameRect(rect, vcl::clBtnFace);
        break;
    case cbs3D:
        canvas.DrawEdge(rect, true, true);
        rect = InflateRectBy(rect, -1, -1);
        canvas.DrawComplexFrame(rect, vcl::cl3DDkShadow, vcl::cl3DLight);
        break;
    case cbsUltraFlat:
    case cbsOffice11:
        canvas.FrameRect(rect, FlatCheckFrameColor(check));
        break;
    case cbsNone:
        break;
    }
}

// A grayed check that shows the sign.
bool ShowsGrayedSign(const TuiEditorCheck& check) {
    return check.State == cbsGrayed && check.NullStyle == nssGrayedChecked;
}

void PaintFlatCheckContent(TuiCanvas& canvas, const vcl::TRect& content, const TuiEditorCheck& check) {
    vcl::TColor face = vcl::clWindow;
    if (check.HotState == chsDisabled) {
        face = vcl::clBtnFace;
    } else if (check.HotState == chsHot || check.HotState == chsPressed) {
        face = GetFlatButtonColor(check.HotState == chsPressed, check.BorderStyle == cbsOffice11);
    } else if (check.State == cbsGrayed && check.NullStyle == nssInactive) {
        face = vcl::clBtnFace;
    }
    FillRectByColor(canvas, content, face);
    if (check.State == cbsChecked || ShowsGrayedSign(check)) {
        const bool plain = check.State == cbsChecked && check.HotState != chsDisabled;
        DrawCheckSign(canvas, content, plain ? vcl::clBtnText : vcl::clBtnShadow);
    }
}

UINT FrameControlFlags(const TuiEditorCheck& check) {
    UINT flags = 0;
    const bool showsSign = check.State == cbsChecked || ShowsGrayedSign(check);
    if (check.HotState == chsDisabled) {
        flags = DFCS_BUTTON3STATE | DFCS_PUSHED | (showsSign ? DFCS_CHECKED : DFCS_INACTIVE);
    } else {
        if (check.State == cbsChecked) {
            flags = DFCS_CHECKED;
        } else if (check.State == cbsGrayed) {
            flags = DFCS_BUTTON3STATE | (check.NullStyle == nssInactive ? DFCS_INACTIVE : DFCS_CHECKED);
        }
        flags |= check.HotState == chsPressed ? DFCS_PUSHED : 0;
    }
    return flags | (check.BorderStyle == cbs3D ? 0 : DFCS_FLAT);
}

// The platform's check drawing, its own frame cut away by the clip.
void PaintClassicCheckContent(TuiCanvas& canvas, const vcl::TRect& content, const TuiEditorCheck& check) {
    canvas.PushClipRegion();
    canvas.IntersectClipArea(content);
    RECT frame{content.Left - 2, content.Top - 2, content.Right + 2, content.Bottom + 2};
    DrawFrameControl(canvas.Handle(), &frame, DFC_BUTTON, FrameControlFlags(check));
    canvas.PopClipRegion();
}

} // namespace

bool IsCheckGlyphUsable(const vcl::TBitmap* glyph, int32_t glyphCount) {
    return glyphCount > 0 && glyph != nullptr && !glyph->Empty();
}

int32_t CheckGlyphImageIndex(TuiCheckBoxState state, bool pressed, int32_t glyphCount) {
    int32_t index = static_cast<int32_t>(state) + (pressed ? checkImagesPerGroup : 0);
    if (index >= glyphCount && index >= checkImagesPerGroup) {
        index %= checkImagesPerGroup;
    }
    // A glyph of fewer images than states shows its images again rather than reading past its strip.
    return index >= glyphCount ? index % glyphCount : index;
}

void PaintEditorCheck(TuiCanvas& canvas, const vcl::TRect& rect, const TuiEditorCheck& shown) {
    TuiEditorCheck check = shown;
    const vcl::TColor background = check.DrawBackground ? check.BackgroundColor : vcl::clNone;
    if (check.State == cbsGrayed && check.NullStyle == nssUnchecked) {
        check.State = cbsUnchecked;
    }
    if (IsCheckGlyphUsable(check.Glyph, check.GlyphCount)) {
        PaintCheckGlyph(canvas, rect, check, background);
        return;
    }
    if (check.SkinPainter != nullptr) {
        FillRectByColor(canvas, rect, background);
        check.SkinPainter->PaintCheckBox(canvas, rect, ButtonStateOf(check.HotState), check.State);
        return;
    }
    if (check.NativeStyle) {
        if (const HTHEME theme = NativeTheme(totButton)) {
            DrawNativePart(theme, canvas, uiThemeCheckBoxPart, 4 * check.State + check.HotState + 1, rect);
            return;
        }
    }
    PaintCheckFrame(canvas, rect, check);
    const vcl::TRect content = InflateRectBy(rect, -2, -2);
    if (IsFlatCheck(check.BorderStyle)) {
        PaintFlatCheckContent(canvas, content, check);
    } else {
        PaintClassicCheckContent(canvas, content, check);
    }
}

vcl::TSize GetEditorCheckSize(bool nativeStyle, const vcl::TBitmap* glyph, int32_t glyphCount,
                              TuiLookAndFeelPainterClass skinPainter) {
    if (IsCheckGlyphUsable(glyph, glyphCount)) {
        return {glyph->Width() / glyphCount, glyph->Height()};
    }
    if (skinPainter != nullptr) {
        return skinPainter->CheckBoxSize();
    }
    if (nativeStyle && NativeTheme(totButton) != nullptr) {
        return TuiWinXPLookAndFeelPainter::Instance().CheckBoxSize();
    }
    return TuiStandardLookAndFeelPainter::Instance().CheckBoxSize();
}

int32_t GetCheckBorderOffset(TuiContainerBorderStyle borderStyle, bool nativeStyle, bool hasGlyph,
                             TuiLookAndFeelPainterClass skinPainter) {
    if (nativeStyle || hasGlyph || skinPainter != nullptr) {
        return 0;
    }
    return 2 - GetContainerBorderWidth(borderStyle);
}

int32_t GetCheckBorderIndent(TuiLookAndFeelKind kind, bool nativeStyle, bool hasGlyph,
                             TuiLookAndFeelPainterClass skinPainter) {
    if (nativeStyle || hasGlyph || skinPainter != nullptr) {
        return 0;
    }
    return kind == lfUltraFlat || kind == lfOffice11 ? 1 : 0;
}

void DrawCheckSign(TuiCanvas& canvas, const vcl::TRect& content, vcl::TColor color) {
    vcl::TBitmapHandle& mask = CheckSignMask();
    if (!mask) {
        mask = MakeCheckSignMask();
    }
    const vcl::TSize size = TuiStandardLookAndFeelPainter::Instance().CheckBoxSize();
    const vcl::TMemoryDCHandle maskDC(CreateCompatibleDC(canvas.Handle()));
    const vcl::TSelectedObject maskSelected(maskDC.Get(), mask.Get());
    canvas.PushClipRegion();
    canvas.IntersectClipArea(content);
    const HDC dc = canvas.Handle();
    // A monochrome source takes the text colour for its black pixels and the background colour for its white ones.
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    const HGDIOBJ oldBrush = SelectObject(dc, SolidBrushCache().GetSolidBrush(color));
    BitBlt(dc, content.Left - 2, content.Top - 2, size.cx, size.cy, maskDC.Get(), 0, 0, maskedBrushRop);
    SelectObject(dc, oldBrush);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
    canvas.PopClipRegion();
}

void FreeCheckSignMask() {
    CheckSignMask().Reset();
}

} // namespace ui
