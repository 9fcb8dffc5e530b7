#include "ui/core/themes/uxOffice11.h"

#include "rtl/WindowsApi.h"
#include "ui/core/geometry/uiArithmetic.h"
#include "ui/core/graphics/uiPixelOps.h"
#include "ui/core/system/uxSystemInfo.h"
#include "ui/core/themes/uxMsimg32.h"
#include "ui/core/themes/uxThemeManager.h"
#include "vcl/graphics/GdiObjects.h"
#include "vcl/graphics/images/Bitmap.h"

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

namespace ui {

namespace {

constexpr vcl::TColor Rgb(int red, int green, int blue) {
    return red | green << 8 | blue << 16;
}

int Red(uint32_t color) {
    return static_cast<int>(color & 0xFF);
}

int Green(uint32_t color) {
    return static_cast<int>(color >> 8 & 0xFF);
}

int Blue(uint32_t color) {
    return static_cast<int>(color >> 16 & 0xFF);
}

vcl::TColor ClampedRgb(int red, int green, int blue) {
    return Rgb(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
}

// The colours of the schemes' 49-colour records that the look reads, by slot: blue, olive, silver.
struct TSchemeSlot {
    uint8_t Slot;
    std::array<vcl::TColor, 3> Colors;
};

constexpr TSchemeSlot SchemeSlots[] = {
    {0, {Rgb(221, 236, 254), Rgb(244, 247, 222), Rgb(243, 244, 250)}},
    {1, {Rgb(129, 169, 226), Rgb(183, 198, 145), Rgb(153, 151, 181)}},
    {2, {Rgb(158, 190, 245), Rgb(217, 217, 167), Rgb(215, 215, 229)}},
    {3, {Rgb(195, 218, 249), Rgb(242, 240, 228), Rgb(243, 243, 247)}},
    {4, {Rgb(0, 53, 145), Rgb(96, 119, 107), Rgb(118, 116, 146)}},
    {11, {Rgb(123, 164, 224), Rgb(181, 196, 143), Rgb(147, 145, 176)}},
    {12, {Rgb(39, 65, 118), Rgb(81, 94, 51), Rgb(84, 84, 117)}},
    {13, {Rgb(255, 255, 255), Rgb(255, 255, 255), Rgb(255, 255, 255)}},
    {14, {Rgb(106, 140, 203), Rgb(96, 128, 88), Rgb(110, 109, 143)}},
    {15, {Rgb(241, 249, 255), Rgb(244, 247, 222), Rgb(255, 255, 255)}},
    {16, {Rgb(42, 102, 201), Rgb(116, 134, 94), Rgb(122, 121, 153)}},
    {18, {Rgb(0, 45, 150), Rgb(117, 141, 94), Rgb(124, 124, 148)}},
    {21, {Rgb(0, 0, 128), Rgb(63, 93, 56), Rgb(75, 75, 111)}},
    {22, {Rgb(255, 244, 204), Rgb(255, 244, 204), Rgb(255, 244, 204)}},
    {23, {Rgb(255, 208, 145), Rgb(255, 208, 145), Rgb(255, 208, 145)}},
    {24, {Rgb(255, 211, 142), Rgb(255, 211, 142), Rgb(255, 211, 142)}},
    {25, {Rgb(254, 145, 78), Rgb(254, 145, 78), Rgb(254, 145, 78)}},
    {30, {Rgb(0, 0, 0), Rgb(0, 0, 0), Rgb(0, 0, 0)}},
    {31, {Rgb(141, 141, 141), Rgb(141, 141, 141), Rgb(141, 141, 141)}},
    {32, {Rgb(190, 218, 251), Rgb(175, 186, 145), Rgb(229, 229, 235)}},
    {33, {Rgb(251, 230, 148), Rgb(251, 230, 148), Rgb(251, 230, 148)}},
    {34, {Rgb(196, 218, 250), Rgb(242, 241, 228), Rgb(243, 243, 247)}},
    {35, {Rgb(0, 45, 150), Rgb(96, 128, 88), Rgb(124, 124, 148)}},
    {36, {Rgb(55, 104, 185), Rgb(115, 137, 84), Rgb(112, 111, 145)}},
};

// The gradient percentage of no scheme, blue, olive and silver.
constexpr std::array<int32_t, 4> GradientPercents = {75, 41, 125, 40};

constexpr vcl::TColor SchemeGroupRowColor = Rgb(253, 238, 201);

vcl::TColor SchemeColor(TuxOffice11Scheme scheme, uint8_t slot) {
    const auto row = std::find_if(std::begin(SchemeSlots), std::end(SchemeSlots),
                                  [slot](const TSchemeSlot& candidate) { return candidate.Slot == slot; });
    return row->Colors.at(scheme - uxOffice11Blue);
}

TuxOffice11Scheme LoadedScheme = uxOffice11NoScheme;
bool SchemeActive = false;
TuxOffice11Colors LoadedColors{};
int32_t ColorsReferenceCount = 0;

vcl::TBrushHandle GripDarkBrush;
vcl::TBrushHandle GripLightBrush;
vcl::TBrushHandle SeparatorDarkBrush;
vcl::TBrushHandle SeparatorLightBrush;
std::unique_ptr<vcl::TBitmap> ExpandButtonMinus;
std::unique_ptr<vcl::TBitmap> ExpandButtonPlus;

using TGradientFill = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
bool SystemGradientFillEnabled = true;

TuxOffice11Colors SchemeColors(TuxOffice11Scheme scheme) {
    const auto slot = [scheme](uint8_t index) { return SchemeColor(scheme, index); };
    TuxOffice11Colors c{};
    c.Office11BarLightColor = slot(0);
    c.Office11BarDarkColor = slot(1);
    c.Office11FaceColor = slot(2);
    c.Office11AltFaceColor = slot(3);
    c.Office11GroupByBoxColor = MixColors(slot(4), slot(11), 50);
    c.Office11GripDarkColor = slot(12);
    c.Office11GripLightColor = slot(13);
    c.Office11SeparatorDarkColor = slot(14);
    c.Office11SeparatorLightColor = slot(15);
    c.Office11FilterBoxColor = slot(16);
    c.Office11FilterBoxTextColor = vcl::clWhite;
    c.Office11FrameColor = slot(18);
    c.Office11HighlightBorderColor = slot(21);
    c.Office11HotColor1 = slot(22);
    c.Office11HotColor2 = slot(23);
    c.Office11PressedColor1 = slot(24);
    c.Office11PressedColor2 = slot(25);
    c.Office11GlyphColor = slot(30);
    c.Office11DisabledGlyphColor = slot(31);
    c.Office11GroupRowFaceColor = slot(32);
    c.Office11SelectedDayColor = slot(33);
    c.Office11PaneColor = slot(34);
    c.Office11ContainerFrameColor = slot(35);
    c.Office11GroupTextColor = slot(36);
    c.Office11GroupRowColor = SchemeGroupRowColor;
    c.Office11GroupSeparatorColor = slot(11);
    return c;
}

TuxOffice11Colors SystemDerivedColors() {
    const auto rgb = [](vcl::TColor color) { return static_cast<vcl::TColor>(ColorToRGB(color)); };
    TuxOffice11Colors c{};
    c.Office11BarLightColor = MixColors(vcl::clBtnFace, vcl::clWindow, 22);
    c.Office11BarDarkColor = MixColors(vcl::clBtnFace, vcl::clWindow, 96);
    c.Office11FaceColor = rgb(vcl::clBtnFace);
    c.Office11AltFaceColor = MixColors(vcl::clBtnFace, vcl::clWindow, 20);
    c.Office11GroupByBoxColor = MixColors(vcl::clBtnShadow, vcl::clBtnFace, 50);
    c.Office11GripDarkColor = MixColors(vcl::clBtnShadow, vcl::clWindow, 76);
    c.Office11GripLightColor = rgb(vcl::clWindow);
    c.Office11SeparatorDarkColor = MixColors(vcl::clBtnShadow, vcl::clWindow, 70);
    c.Office11SeparatorLightColor = vcl::clWhite;
    c.Office11FilterBoxColor = rgb(vcl::clBtnShadow);
    c.Office11FilterBoxTextColor = rgb(vcl::clBtnHighlight);
    c.Office11FrameColor = rgb(vcl::clBtnShadow);
    c.Office11HighlightBorderColor = rgb(vcl::clHighlight);
    c.Office11HotColor1 = GetUltraFlatHotColor();
    c.Office11HotColor2 = c.Office11HotColor1;
    c.Office11PressedColor1 = GetUltraFlatPressedColor();
    c.Office11PressedColor2 = c.Office11PressedColor1;
    c.Office11GlyphColor = rgb(vcl::clBtnText);
    c.Office11DisabledGlyphColor = rgb(vcl::clGrayText);
    c.Office11GroupRowFaceColor = rgb(vcl::clBtnFace);
    c.Office11SelectedDayColor = rgb(MixSystemColorsWeighted(41, 11, 48));
    c.Office11PaneColor = rgb(vcl::clBtnFace);
    c.Office11ContainerFrameColor = rgb(vcl::clBtnShadow);
    c.Office11GroupTextColor = rgb(vcl::clBtnShadow);
    c.Office11GroupRowColor = rgb(vcl::clBtnFace);
    c.Office11GroupSeparatorColor = rgb(vcl::clBtnShadow);
    return c;
}

HBRUSH SolidBrush(vcl::TColor color) {
    return CreateSolidBrush(ColorToRGB(color));
}

std::unique_ptr<vcl::TBitmap> ResourceBitmap(const char16_t* name) {
    auto bitmap = std::make_unique<vcl::TBitmap>();
    bitmap->LoadFromResourceName(nullptr, name);
    return bitmap;
}

void CreateBrushesAndBitmaps() {
    GripDarkBrush.Reset(SolidBrush(LoadedColors.Office11GripDarkColor));
    GripLightBrush.Reset(SolidBrush(LoadedColors.Office11GripLightColor));
    SeparatorDarkBrush.Reset(SolidBrush(LoadedColors.Office11SeparatorDarkColor));
    SeparatorLightBrush.Reset(SolidBrush(LoadedColors.Office11SeparatorLightColor));
    ExpandButtonMinus = ResourceBitmap(u"UXEXPANDBUTTON_MINUS");
    ExpandButtonPlus = ResourceBitmap(u"UXEXPANDBUTTON_PLUS");
}

void FreeBrushesAndBitmaps() {
    GripDarkBrush.Reset();
    GripLightBrush.Reset();
    SeparatorDarkBrush.Reset();
    SeparatorLightBrush.Reset();
    ExpandButtonMinus.reset();
    ExpandButtonPlus.reset();
}

// The extent of rect along the gradient.
int32_t GradientExtent(const vcl::TRect& rect, bool horizontal) {
    return horizontal ? rect.Width() : rect.Height();
}

// The band of rect from offset first to offset last (exclusive) along the gradient.
vcl::TRect GradientBand(const vcl::TRect& rect, bool horizontal, int32_t first, int32_t last) {
    if (horizontal) {
        return {rect.Left + first, rect.Top, rect.Left + last, rect.Bottom};
    }
    return {rect.Left, rect.Top + first, rect.Right, rect.Top + last};
}

bool SystemGradientFill(HDC dc, const vcl::TRect& rect, uint32_t colour1, uint32_t colour2, bool horizontal) {
    const auto gradientFill = Msimg32Library().Function<TGradientFill>(msimg32GradientFill);
    if (!gradientFill || !SystemGradientFillEnabled) {
        return false;
    }
    const auto vertex = [](int32_t x, int32_t y, uint32_t color) {
        return TRIVERTEX{x,
                         y,
                         static_cast<COLOR16>(Red(color) << 8),
                         static_cast<COLOR16>(Green(color) << 8),
                         static_cast<COLOR16>(Blue(color) << 8),
                         0};
    };
    TRIVERTEX vertices[2] = {vertex(rect.Left, rect.Top, colour1), vertex(rect.Right, rect.Bottom, colour2)};
    GRADIENT_RECT gradient{0, 1};
    gradientFill(dc, vertices, 2, &gradient, 1, horizontal ? GRADIENT_FILL_RECT_H : GRADIENT_FILL_RECT_V);
    return true;
}

// The two-phase gradient's channel at band i of w, through middle m at band w div 2.
int TwoPhaseChannel(int c1, int c2, int m, int32_t i, int32_t w) {
    const int32_t h = w / 2;
    if (i < h) {
        const int end = c1 - MulDiv(c1 - m, w, h);
        return c1 + MulDiv(i, end - c1, w - 1);
    }
    if (i == h) {
        return m;
    }
    const int start = c2 + MulDiv(m - c2, w, h);
    return start + MulDiv(i, c2 - start, w - 1);
}

// A brush held by the colour set, or a temporary one of its colour while the set is not held.
class TGripBrush {
public:
    TGripBrush(HBRUSH held, vcl::TColor color) : FBrush(held) {
        if (!FBrush) {
            FTemporary.Reset(SolidBrush(color));
            FBrush = FTemporary.Get();
        }
    }
    HBRUSH Get() const { return FBrush; }

private:
    HBRUSH FBrush;
    vcl::TBrushHandle FTemporary;
};

} // namespace

TuxOffice11Scheme DetectOffice11ColorScheme() {
    rtl::UnicodeString fileName;
    rtl::UnicodeString colorName;
    if (!AreVisualStylesActive() || !UxTheme().GetCurrentThemeName(&fileName, &colorName, nullptr)) {
        return uxOffice11NoScheme;
    }
    const rtl::UnicodeString filePart = fileName.substr(fileName.find_last_of(u"\\/:") + 1);
    if (GetSystemInfo().OSVersion().Major < 6 && !TextEqualsIgnoreCase(filePart, u"LUNA.MSSTYLES")) {
        return uxOffice11NoScheme;
    }
    if (TextEqualsIgnoreCase(colorName, u"NORMALCOLOR")) {
        return uxOffice11Blue;
    }
    if (TextEqualsIgnoreCase(colorName, u"HOMESTEAD")) {
        return uxOffice11Olive;
    }
    return TextEqualsIgnoreCase(colorName, u"METALLIC") ? uxOffice11Silver : uxOffice11NoScheme;
}

TuxOffice11Scheme GetOffice11ColorScheme() {
    return LoadedScheme;
}

bool IsOffice11SchemeActive() {
    return SchemeActive;
}

const TuxOffice11Colors& Office11Colors() {
    return LoadedColors;
}

int32_t Office11GradientPercent() {
    return GradientPercents.at(SchemeActive ? LoadedScheme : uxOffice11NoScheme);
}

void LoadOffice11SchemeColors() {
    LoadedScheme = DetectOffice11ColorScheme();
    SchemeActive = AreVisualStylesActive() && LoadedScheme != uxOffice11NoScheme;
    LoadedColors = SchemeActive ? SchemeColors(LoadedScheme) : SystemDerivedColors();
}

void AcquireOffice11Colors() {
    if (ColorsReferenceCount++ == 0) {
        LoadOffice11SchemeColors();
        CreateBrushesAndBitmaps();
    }
}

void ReloadOffice11Colors() {
    LoadOffice11SchemeColors();
    if (ColorsReferenceCount > 0) {
        CreateBrushesAndBitmaps();
    }
}

void DropOffice11Colors() {
    if (ColorsReferenceCount > 0 && --ColorsReferenceCount == 0) {
        FreeBrushesAndBitmaps();
    }
}

int32_t Office11ColorsReferenceCount() {
    return ColorsReferenceCount;
}

HBRUSH Office11GripDarkBrush() {
    return GripDarkBrush.Get();
}

HBRUSH Office11GripLightBrush() {
    return GripLightBrush.Get();
}

HBRUSH Office11SeparatorDarkBrush() {
    return SeparatorDarkBrush.Get();
}

HBRUSH Office11SeparatorLightBrush() {
    return SeparatorLightBrush.Get();
}

vcl::TBitmap* Office11ExpandButtonBitmap(bool expanded) {
    return expanded ? ExpandButtonMinus.get() : ExpandButtonPlus.get();
}

vcl::TColor MixColors(vcl::TColor colour1, vcl::TColor colour2, int32_t percent) {
    const uint32_t c1 = ColorToRGB(colour1);
    const uint32_t c2 = ColorToRGB(colour2);
    const auto mix = [percent](int a, int b) {
        return std::min(255, MulDiv(b, 100 - percent, 100) + MulDiv(a, percent, 100));
    };
    return NearestScreenColor(ClampedRgb(mix(Red(c1), Red(c2)), mix(Green(c1), Green(c2)), mix(Blue(c1), Blue(c2))));
}

vcl::TColor ScaleColorByPercent(vcl::TColor color, int32_t percent) {
    const uint32_t c = ColorToRGB(color);
    return ClampedRgb(Red(c) * percent / 100, Green(c) * percent / 100, Blue(c) * percent / 100);
}

vcl::TColor NearestScreenColor(vcl::TColor color) {
    HDC screen = GetDC(nullptr);
    const COLORREF nearest = GetNearestColor(screen, ColorToRGB(color));
    ReleaseDC(nullptr, screen);
    return static_cast<vcl::TColor>(nearest);
}

vcl::TColor GetUltraFlatHotColor() {
    return NearestScreenColor(MixSystemColorsWeighted(-2, 30, 72));
}

vcl::TColor GetUltraFlatPressedColor() {
    return NearestScreenColor(MixSystemColorsWeighted(14, 44, 40));
}

void FillRectWithColor(HDC dc, const vcl::TRect& rect, vcl::TColor color) {
    const vcl::TBrushHandle brush(SolidBrush(color));
    FillRect(dc, reinterpret_cast<const RECT*>(&rect), brush.Get());
}

void PaintGradientRect(HDC dc, const vcl::TRect& rect, vcl::TColor colour1, vcl::TColor colour2, bool horizontal) {
    const uint32_t c1 = ColorToRGB(colour1);
    const uint32_t c2 = ColorToRGB(colour2);
    if (c1 == c2) {
        FillRectWithColor(dc, rect, static_cast<vcl::TColor>(c1));
        return;
    }
    if (SystemGradientFill(dc, rect, c1, c2, horizontal)) {
        return;
    }
    const int32_t extent = GradientExtent(rect, horizontal);
    const int32_t bands = std::min(extent, 256);
    const auto channel = [bands](int a, int b, int32_t i) { return bands == 1 ? a : a + MulDiv(i, b - a, bands - 1); };
    int32_t start = 0;
    for (int32_t i = 0; i < bands && start < extent; ++i) {
        const int32_t end = MulDiv(i + 1, extent, bands);
        if (end > start) {
            FillRectWithColor(dc, GradientBand(rect, horizontal, start, end),
                              ClampedRgb(channel(Red(c1), Red(c2), i), channel(Green(c1), Green(c2), i),
                                         channel(Blue(c1), Blue(c2), i)));
        }
        start = end;
    }
}

void PaintTwoPhaseGradient(HDC dc, const vcl::TRect& rect, vcl::TColor colour1, vcl::TColor colour2, bool horizontal) {
    const uint32_t c1 = ColorToRGB(colour1);
    const uint32_t c2 = ColorToRGB(colour2);
    if (c1 == c2) {
        FillRectWithColor(dc, rect, static_cast<vcl::TColor>(c1));
        return;
    }
    const int32_t extent = GradientExtent(rect, horizontal);
    const int32_t percent = Office11GradientPercent();
    const auto middle = [percent](int a, int b) { return a - MulDiv(a - b, percent, 200); };
    const int mr = middle(Red(c1), Red(c2));
    const int mg = middle(Green(c1), Green(c2));
    const int mb = middle(Blue(c1), Blue(c2));
    for (int32_t i = 0; i < extent; ++i) {
        FillRectWithColor(dc, GradientBand(rect, horizontal, i, i + 1),
                          ClampedRgb(TwoPhaseChannel(Red(c1), Red(c2), mr, i, extent),
                                     TwoPhaseChannel(Green(c1), Green(c2), mg, i, extent),
                                     TwoPhaseChannel(Blue(c1), Blue(c2), mb, i, extent)));
    }
}

void DrawGripDots(HDC dc, const vcl::TRect& rect, bool column, HBRUSH firstBrush, HBRUSH secondBrush) {
    const TGripBrush first(firstBrush ? firstBrush : GripDarkBrush.Get(), LoadedColors.Office11GripDarkColor);
    const TGripBrush second(secondBrush ? secondBrush : GripLightBrush.Get(), LoadedColors.Office11GripLightColor);
    const int32_t extent = column ? rect.Height() : rect.Width();
    const int32_t remainder = extent % 4;
    const int32_t shift = remainder < 2 ? remainder : remainder / 2;
    const int32_t step = 4;
    vcl::TRect cell{rect.Left, rect.Top, rect.Left + 4, rect.Top + 4};
    const auto advance = [column](vcl::TRect& r, int32_t by) {
        if (column) {
            r.Top += by;
            r.Bottom += by;
        } else {
            r.Left += by;
            r.Right += by;
        }
    };
    advance(cell, shift);
    const int32_t farEdge = column ? rect.Bottom : rect.Right;
    for (bool firstCell = true; firstCell || (column ? cell.Bottom : cell.Right) <= farEdge; firstCell = false) {
        const RECT dot{cell.Left + 1, cell.Top + 1, cell.Left + 3, cell.Top + 3};
        FillRect(dc, &dot, second.Get());
        const RECT shade{dot.left - 1, dot.top - 1, dot.right - 1, dot.bottom - 1};
        FillRect(dc, &shade, first.Get());
        advance(cell, step);
    }
}

void DrawOffice11SizeGrip(HDC dc, const vcl::TRect& rect, vcl::TColor colour1, vcl::TColor colour2) {
    vcl::TBrushHandle first(colour1 == vcl::clDefault ? nullptr : SolidBrush(colour1));
    vcl::TBrushHandle second(colour2 == vcl::clDefault ? nullptr : SolidBrush(colour2));
    for (int32_t row = 0; row < 3; ++row) {
        const vcl::TRect dots{rect.Right - 12 + 4 * row, rect.Bottom - 3 - 4 * row, rect.Right, rect.Bottom - 4 * row};
        DrawGripDots(dc, dots, false, first.Get(), second.Get());
    }
}

bool SetSystemGradientFillEnabled(bool enabled) {
    return std::exchange(SystemGradientFillEnabled, enabled);
}

void FinalizeOffice11Unit() {
    FreeBrushesAndBitmaps();
    ColorsReferenceCount = 0;
}

} // namespace ui
