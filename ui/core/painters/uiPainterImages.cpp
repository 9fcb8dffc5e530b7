#include "ui/core/painters/uiPainterImages.h"

#include "rtl/WindowsApi.h"
#include "ui/core/graphics/uiBitmaps.h"
#include "ui/core/painters/uiPainterRegistry.h"
#include "ui/core/painters/uiSystemPaletteNotifier.h"
#include "ui/core/system/uxSystemInfo.h"
#include "ui/core/themes/uxOffice11.h"
#include "vcl/graphics/GdiObjects.h"
#include "vcl/imagelists/ImageList.h"

#include <array>
#include <functional>

namespace ui {

namespace {

constexpr int32_t RadioImageKeyCount = 128;
constexpr uint16_t CheckBoxesBitmapId = 32759; // OBM_CHECKBOXES
constexpr std::array<const char16_t*, 6> IndicatorResourceNames = {
    u"UI_ARROWBITMAP",    u"UI_EDITBITMAP",       u"UI_INSERTBITMAP",
    u"UI_MULTIDOTBITMAP", u"UI_MULTIARROWBITMAP", u"UI_FILTERBITMAP",
};

enum TRadioCode : uint8_t { rcOutside, rcOuterRing, rcOuterRingLow, rcInnerRing, rcInnerRingLow, rcBody, rcDot };

std::unique_ptr<TuiRadioButtonImageList> RadioImages;
vcl::TSize CheckBoxSize;
std::unique_ptr<vcl::TCustomImageList> Indicators;
std::array<std::unique_ptr<TuiBitmap>, 2> ScrollBarPatterns;
std::unique_ptr<TuiSystemPaletteChangedNotifier> PaletteNotifier;

// A 32-bit bitmap that GDI draws on and whose pixels are then read back (Read) as RGB colours.
class TPixelSurface {
public:
    TPixelSurface(int32_t width, int32_t height) : FBitmap(width, height) {}

    HDC DC() { return FBitmap.Canvas().Handle(); }
    void Fill(const RECT& rect, int stockBrush) {
        FillRect(DC(), &rect, static_cast<HBRUSH>(GetStockObject(stockBrush)));
    }
    void Read() {
        GdiFlush();
        ReadBitmapColors(FBitmap, FPixels, true);
    }
    uint32_t Pixel(int32_t x, int32_t y) const {
        const uint32_t bgr =
            FPixels[static_cast<size_t>(y) * static_cast<size_t>(FBitmap.Width()) + static_cast<size_t>(x)];
        return (bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF);
    }

private:
    TuiBitmap32 FBitmap;
    TRGBColors FPixels;
};

vcl::TSize MeasureCheckBoxCell() {
    const vcl::TBitmapHandle bitmap(LoadBitmapW(nullptr, MAKEINTRESOURCEW(CheckBoxesBitmapId)));
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap.Get(), sizeof(info), &info)) {
        return {13, 13};
    }
    return {info.bmWidth / 4, info.bmHeight / 3};
}

// The first and the count of the lines (columns or rows) of the cell holding a pixel of colour.
void FindExtent(const TPixelSurface& surface, vcl::TSize cell, uint32_t colour, bool columns, int32_t& first,
                int32_t& count) {
    first = -1;
    count = 0;
    const int32_t lines = columns ? cell.cx : cell.cy;
    const int32_t across = columns ? cell.cy : cell.cx;
    for (int32_t line = 0; line < lines; ++line) {
        for (int32_t i = 0; i < across; ++i) {
            if (surface.Pixel(columns ? line : i, columns ? i : line) == colour) {
                first = first < 0 ? line : first;
                ++count;
                break;
            }
        }
    }
}

// From start along one axis within [0, limit): the last position still of colour backwards, and the first one not
// of colour forwards. False when start itself is not of colour.
bool ScanRun(const std::function<uint32_t(int32_t)>& pixelAt, int32_t start, int32_t limit, uint32_t colour,
             int32_t& low, int32_t& high) {
    if (start < 0 || start >= limit || pixelAt(start) != colour) {
        return false;
    }
    low = start;
    while (low > 0 && pixelAt(low - 1) == colour) {
        --low;
    }
    high = low;
    while (high < limit && pixelAt(high) == colour) {
        ++high;
    }
    return true;
}

// The circle's centre third, for a glyph whose dot is not where it is looked for.
vcl::TRect CentreThird(const vcl::TRect& radio) {
    const int32_t dx = radio.Width() / 3;
    const int32_t dy = radio.Height() / 3;
    return {radio.Left + dx, radio.Top + dy, radio.Right - dx, radio.Bottom - dy};
}

// Whether (row, column) lies in the lower-right half of a height x width square, below its anti-diagonal.
bool InLowerRightHalf(int32_t row, int32_t column, int32_t width, int32_t height) {
    return (height - 1) * (width - column - 1) < row * (width - 1);
}

vcl::TColor RgbOf(vcl::TColor color) {
    return static_cast<vcl::TColor>(ColorToRGB(color));
}

vcl::TColor BodyColor(TuiLookAndFeelKind kind, TuiButtonState state) {
    if (kind == lfOffice11) {
        return state == uibsNormal ? vcl::clWindow : Office11ButtonFaceColor(state);
    }
    if (state == uibsDisabled) {
        return vcl::clBtnFace;
    }
    if (kind == lfUltraFlat) {
        if (state == uibsHot) {
            return GetUltraFlatHotColor();
        }
        return state == uibsPressed ? GetUltraFlatPressedColor() : vcl::clWindow;
    }
    return state == uibsPressed ? vcl::clBtnFace : vcl::clWindow;
}

// The colour of every code of one image.
std::array<vcl::TColor, 7> RadioColors(TuiLookAndFeelKind kind, TuiButtonState state, bool checked, bool emphasisA,
                                       bool emphasisB) {
    const vcl::TColor body = BodyColor(kind, state);
    const bool disabled = state == uibsDisabled;
    const bool active = state == uibsHot || state == uibsPressed;
    std::array<vcl::TColor, 7> colors{};
    colors[rcOutside] = vcl::clBlack;
    colors[rcBody] = body;
    switch (kind) {
    case lfFlat:
        colors[rcOuterRing] = vcl::clBtnShadow;
        colors[rcOuterRingLow] = vcl::clBtnHighlight;
        colors[rcInnerRing] = vcl::cl3DLight;
        colors[rcInnerRingLow] = vcl::cl3DLight;
        break;
    case lfStandard:
        colors[rcOuterRing] = vcl::clBtnShadow;
        colors[rcOuterRingLow] = vcl::clBtnHighlight;
        colors[rcInnerRing] = vcl::cl3DDkShadow;
        colors[rcInnerRingLow] = vcl::cl3DLight;
        break;
    case lfUltraFlat:
        colors[rcOuterRing] = emphasisA || active || (emphasisB && !disabled) ? vcl::clHighlight : vcl::clBtnShadow;
        colors[rcOuterRingLow] = colors[rcOuterRing];
        colors[rcInnerRing] = body;
        colors[rcInnerRingLow] = body;
        break;
    case lfOffice11:
        if (disabled) {
            colors[rcOuterRing] = Office11Colors().Office11DisabledGlyphColor;
        } else {
            colors[rcOuterRing] =
                emphasisA || emphasisB || active ? Office11Colors().Office11HighlightBorderColor : vcl::clBtnText;
        }
        colors[rcOuterRingLow] = colors[rcOuterRing];
        colors[rcInnerRing] = body;
        colors[rcInnerRingLow] = body;
        break;
    }
    if (!checked) {
        colors[rcDot] = body;
    } else if (!disabled) {
        colors[rcDot] = vcl::clWindowText;
    } else {
        colors[rcDot] = kind == lfOffice11 ? Office11Colors().Office11DisabledGlyphColor : vcl::clBtnShadow;
    }
    for (vcl::TColor& color : colors) {
        color = RgbOf(color);
    }
    return colors;
}

int32_t RadioImageKey(TuiLookAndFeelKind kind, TuiButtonState state, bool checked, bool emphasisA, bool emphasisB) {
    return (state - 1) + 4 * checked + 8 * kind + 32 * emphasisB + 64 * emphasisA;
}

void PaintScrollBarPattern(TuiBitmap& bitmap, vcl::TColor odd, vcl::TColor even) {
    for (int32_t y = 0; y < 8; ++y) {
        for (int32_t x = 0; x < 8; ++x) {
            bitmap.Canvas().SetPixel(x, y, (x + y) % 2 != 0 ? odd : even);
        }
    }
}

std::unique_ptr<vcl::TCustomImageList> LoadIndicatorImages() {
    std::unique_ptr<vcl::TCustomImageList> images;
    for (const char16_t* name : IndicatorResourceNames) {
        vcl::TBitmap bitmap;
        bitmap.LoadFromResourceName(nullptr, name);
        if (!images) {
            images = std::make_unique<vcl::TCustomImageList>(nullptr, bitmap.Width(), bitmap.Height());
        }
        images->AddMasked(bitmap, vcl::clWhite);
    }
    return images;
}

} // namespace

// TuiRadioButtonImageList

TuiRadioButtonImageList::TuiRadioButtonImageList() {
    const vcl::TSize cell = MeasureCheckBoxCell();
    TPixelSurface surface(cell.cx, cell.cy);
    RECT cellRect{0, 0, cell.cx, cell.cy};
    surface.Fill(cellRect, BLACK_BRUSH);
    DrawFrameControl(surface.DC(), &cellRect, DFC_BUTTON, DFCS_BUTTONRADIOMASK | DFCS_FLAT);
    surface.Read();
    int32_t left = 0;
    int32_t width = 0;
    int32_t top = 0;
    int32_t height = 0;
    FindExtent(surface, cell, 0, true, left, width);
    FindExtent(surface, cell, 0, false, top, height);
    FRadioRect = width > 0 && height > 0 ? vcl::Bounds(left, top, width, height) : vcl::Rect(0, 0, cell.cx, cell.cy);

    surface.Fill(cellRect, BLACK_BRUSH);
    DrawFrameControl(surface.DC(), &cellRect, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_FLAT | DFCS_CHECKED);
    surface.Read();
    // The platform draws the dot in its own window-text colour.
    const uint32_t dotColour = GetSysColor(COLOR_WINDOWTEXT);
    const int32_t column = FRadioRect.Left + FRadioRect.Width() / 2 - 1;
    const int32_t row = FRadioRect.Top + FRadioRect.Height() / 2 - 1;
    FDotRect = CentreThird(FRadioRect);
    int32_t dotTop = 0;
    int32_t dotBottom = 0;
    int32_t dotLeft = 0;
    int32_t dotRight = 0;
    if (column >= 0 && column < cell.cx && row >= 0 && row < cell.cy &&
        ScanRun([&](int32_t y) { return surface.Pixel(column, y); }, row - 1, cell.cy, dotColour, dotTop, dotBottom) &&
        ScanRun([&](int32_t x) { return surface.Pixel(x, row); }, column - 1, cell.cx, dotColour, dotLeft, dotRight)) {
        FDotRect = {dotLeft, dotTop, dotRight, dotBottom};
    }
    BuildPattern();
    Prepare();
}

TuiRadioButtonImageList::~TuiRadioButtonImageList() = default;

void TuiRadioButtonImageList::BuildPattern() {
    const int32_t width = FRadioRect.Width();
    const int32_t height = FRadioRect.Height();
    FPattern.assign(static_cast<size_t>(width) * static_cast<size_t>(height), rcOutside);
    const auto code = [&](int32_t row, int32_t column) -> uint8_t& {
        return FPattern[static_cast<size_t>(row) * static_cast<size_t>(width) + static_cast<size_t>(column)];
    };
    TPixelSurface surface(width, height);
    const RECT all{0, 0, width, height};
    surface.Fill(all, WHITE_BRUSH);
    HGDIOBJ oldBrush = SelectObject(surface.DC(), GetStockObject(NULL_BRUSH));
    HGDIOBJ oldPen = SelectObject(surface.DC(), GetStockObject(BLACK_PEN));
    Ellipse(surface.DC(), 0, 0, width, height);
    surface.Read();
    for (int32_t row = 0; row < height; ++row) {
        for (int32_t column = 0; column < width; ++column) {
            if (surface.Pixel(column, row) == 0) {
                code(row, column) = InLowerRightHalf(row, column, width, height) ? rcOuterRingLow : rcOuterRing;
            }
        }
    }
    const auto isRing = [&](int32_t row, int32_t column) {
        return code(row, column) == rcOuterRing || code(row, column) == rcOuterRingLow;
    };
    for (int32_t row = 1; row < height - 1; ++row) {
        for (int32_t column = width / 2; column >= 0 && !isRing(row, column); --column) {
            code(row, column) = rcBody;
        }
        for (int32_t column = width / 2 + 1; column < width && !isRing(row, column); ++column) {
            code(row, column) = rcBody;
        }
    }
    const auto isInterior = [&](int32_t row, int32_t column) { return code(row, column) >= rcInnerRing; };
    const auto recode = [&](int32_t row, int32_t column) {
        const bool low = InLowerRightHalf(row, column, width, height) ||
                         ((height - 1) * (width - column - 1) == row * (width - 1) && column > width / 2);
        code(row, column) = low ? rcInnerRingLow : rcInnerRing;
    };
    // The first and last interior pixel of every line, and every interior pixel of the lines next to the edges.
    const auto innerRing = [&](bool rows) {
        const int32_t lines = rows ? height : width;
        const int32_t across = rows ? width : height;
        for (int32_t line = 1; line < lines - 1; ++line) {
            std::vector<int32_t> interior;
            for (int32_t i = 0; i < across; ++i) {
                if (rows ? isInterior(line, i) : isInterior(i, line)) {
                    interior.push_back(i);
                }
            }
            for (size_t k = 0; k < interior.size(); ++k) {
                if (line == 1 || line == lines - 2 || k == 0 || k + 1 == interior.size()) {
                    rows ? recode(line, interior[k]) : recode(interior[k], line);
                }
            }
        }
    };
    innerRing(true);
    innerRing(false);
    surface.Fill(all, WHITE_BRUSH);
    SelectObject(surface.DC(), GetStockObject(BLACK_BRUSH));
    const vcl::TRect dot = vcl::OffsetRect(FDotRect, -FRadioRect.Left, -FRadioRect.Top);
    Ellipse(surface.DC(), dot.Left, dot.Top, dot.Right, dot.Bottom);
    SelectObject(surface.DC(), oldPen);
    SelectObject(surface.DC(), oldBrush);
    surface.Read();
    for (int32_t row = 0; row < height; ++row) {
        for (int32_t column = 0; column < width; ++column) {
            if (surface.Pixel(column, row) == 0) {
                code(row, column) = rcDot;
            }
        }
    }
    FMask = std::make_unique<vcl::TBitmap>(width, height, vcl::pf1bit);
    vcl::TCanvas& mask = FMask->Canvas();
    mask.Brush().SetColor(vcl::clWhite);
    mask.FillRect({0, 0, width, height});
    mask.Brush().SetColor(vcl::clBlack);
    mask.Pen().SetColor(vcl::clBlack);
    mask.RequireBrush();
    mask.RequirePen();
    RoundRect(mask.Handle(), 0, 0, width, height, width - 1, height - 1);
}

void TuiRadioButtonImageList::Prepare() {
    FImages = std::make_unique<vcl::TCustomImageList>(nullptr, FRadioRect.Width(), FRadioRect.Height());
    FIndexes.assign(RadioImageKeyCount, -1);
    for (const bool emphasisA : {false, true}) {
        for (const bool emphasisB : {false, true}) {
            for (const TuiLookAndFeelKind kind : {lfFlat, lfStandard, lfUltraFlat, lfOffice11}) {
                for (const bool checked : {false, true}) {
                    for (const TuiButtonState state : {uibsNormal, uibsHot, uibsPressed, uibsDisabled}) {
                        AddImage(kind, state, checked, emphasisA, emphasisB);
                    }
                }
            }
        }
    }
}

void TuiRadioButtonImageList::AddImage(TuiLookAndFeelKind kind, TuiButtonState state, bool checked, bool emphasisA,
                                       bool emphasisB) {
    const std::array<vcl::TColor, 7> colors = RadioColors(kind, state, checked, emphasisA, emphasisB);
    TuiBitmap32 image(FRadioRect.Width(), FRadioRect.Height());
    TRGBColors pixels(FPattern.size());
    for (size_t i = 0; i < FPattern.size(); ++i) {
        pixels[i] = ColorToBGRA(colors[FPattern[i]], 0);
    }
    WriteBitmapColors(image, pixels, true);
    FIndexes[static_cast<size_t>(RadioImageKey(kind, state, checked, emphasisA, emphasisB))] =
        FImages->Add(image, FMask.get());
}

int32_t TuiRadioButtonImageList::ImageCount() const {
    return FImages->Count();
}

void TuiRadioButtonImageList::Reset() {
    Prepare();
}

void TuiRadioButtonImageList::Draw(TuiCanvas& canvas, int32_t x, int32_t y, TuiLookAndFeelKind kind,
                                   TuiButtonState state, bool checked, bool emphasisA, bool emphasisB,
                                   vcl::TColor backgroundColor) {
    const TuiButtonState imageState = state == uibsDefault ? uibsNormal : state;
    const int32_t index =
        FIndexes.at(static_cast<size_t>(RadioImageKey(kind, imageState, checked, emphasisA, emphasisB)));
    if (backgroundColor == vcl::clDefault) {
        FImages->Draw(canvas.Canvas(), x, y, index, vcl::dsTransparent, vcl::itImage);
        return;
    }
    TuiBitmap square(FRadioRect.Width(), FRadioRect.Height());
    square.Canvas().FillRectColor(square.GetClientRect(), backgroundColor);
    FImages->Draw(square.Canvas().Canvas(), 0, 0, index, vcl::dsTransparent, vcl::itImage);
    canvas.CopyRectFrom(vcl::Bounds(x, y, square.Width(), square.Height()), square.Canvas(), square.GetClientRect());
}

vcl::TColor Office11ButtonFaceColor(TuiButtonState state) {
    switch (state) {
    case uibsHot:
        return Office11Colors().Office11HotColor1;
    case uibsPressed:
        return Office11Colors().Office11PressedColor1;
    case uibsDisabled:
        return vcl::clBtnFace;
    default:
        return Office11Colors().Office11FaceColor;
    }
}

TuiRadioButtonImageList& EnsureRadioButtonImageList() {
    if (!RadioImages) {
        RadioImages = std::make_unique<TuiRadioButtonImageList>();
    }
    return *RadioImages;
}

vcl::TSize CheckBoxGlyphSize() {
    return CheckBoxSize;
}

vcl::TCustomImageList* IndicatorImages() {
    return Indicators.get();
}

vcl::TBitmap* ScrollBarPatternBitmap(bool pressed) {
    return ScrollBarPatterns[pressed ? 1 : 0].get();
}

void UpdateScrollBarBitmaps() {
    for (std::unique_ptr<TuiBitmap>& pattern : ScrollBarPatterns) {
        if (!pattern) {
            pattern = std::make_unique<TuiBitmap>(8, 8);
        }
    }
    PaintScrollBarPattern(*ScrollBarPatterns[0], vcl::clBtnHighlight, vcl::clBtnFace);
    PaintScrollBarPattern(*ScrollBarPatterns[1], vcl::cl3DDkShadow, vcl::clBlack);
}

void InitializePaintersUnit() {
    detail::CreateExtendedStylePainters();
    Indicators = LoadIndicatorImages();
    UpdateScrollBarBitmaps();
    PaletteNotifier = std::make_unique<TuiSystemPaletteChangedNotifier>(true);
    PaletteNotifier->SetOnPaletteChange([] {
        if (RadioImages) {
            RadioImages->Reset();
        }
    });
    CheckBoxSize = MeasureCheckBoxCell();
}

void FinalizePaintersUnit() {
    PaletteNotifier.reset();
    for (std::unique_ptr<TuiBitmap>& pattern : ScrollBarPatterns) {
        pattern.reset();
    }
    Indicators.reset();
    RadioImages.reset();
    detail::FreeExtendedStylePainters();
}

} // namespace ui
