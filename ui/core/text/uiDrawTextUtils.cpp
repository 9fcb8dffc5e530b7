#include "ui/core/text/uiDrawTextUtils.h"

#include "rtl/text/CodePages.h"
#include "ui/core/encoding/uxTextConversions.h"
#include "ui/core/graphics/uiDCServices.h"
#include "ui/core/system/uxSystemInfo.h"
#include "ui/core/text/uiTextBreakRules.h"
#include "ui/core/text/uiTextBreaking.h"
#include "ui/core/text/uiTextOutput.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/Font.h"
#include "vcl/graphics/GdiObjects.h"
#include "vcl/system/Win32.h"

#include <algorithm>
#include <cstdlib>

namespace ui {

namespace {

constexpr char16_t Ellipsis[] = u"...";
// Rows lower than this many device pixels cannot be read: patterned text draws them as bars.
constexpr int ReadableRowPixels = 6;

vcl::TBrushHandle SolidRowBrush;
vcl::TBrushHandle CheckeredRowBrush;

vcl::TBrushHandle CreateMonochromePatternBrush(const WORD (&rows)[8]) {
    const vcl::TBitmapHandle pattern(CreateBitmap(8, 8, 1, 1, rows));
    return vcl::TBrushHandle(CreatePatternBrush(pattern.Get()));
}

// Breaking measures in the device context's font; East Asian characters are those of the process's code page.
class TDCTextDevice final : public TuiTextDevice {
public:
    explicit TDCTextDevice(HDC dc) : FDC(dc) {}

    vcl::TSize TextExtent(rtl::UnicodeStringView text, bool expandTabs) override {
        return expandTabs ? MeasureTextExtent(FDC, text) : TextOutput().MeasureText(FDC, text);
    }
    bool IsDoubleByteCharacter(char16_t c) override { return EncodesInSeveralBytes(c, rtl::cpProcessAnsi); }

private:
    HDC FDC;
};

bool IsMetafileDC(HDC dc) {
    const DWORD type = GetObjectType(dc);
    return type == OBJ_METADC || type == OBJ_ENHMETADC || type == OBJ_METAFILE || type == OBJ_ENHMETAFILE;
}

bool IsRealColor(vcl::TColor color) {
    return color != vcl::clNone && color != vcl::clDefault;
}

// Logical units of count device pixels, horizontally (x) or vertically.
int32_t LogicalPixels(HDC dc, int count, bool vertical) {
    POINT points[2] = {{0, 0}, {vertical ? 0 : count, vertical ? count : 0}};
    DPtoLP(dc, points, 2);
    return std::max<int32_t>(1, std::abs(vertical ? points[1].y - points[0].y : points[1].x - points[0].x));
}

TuiTextFontMetrics FontMetricsOf(HDC dc) {
    TEXTMETRICW wide{};
    if (GetTextMetricsW(dc, &wide)) {
        return {wide.tmHeight,
                wide.tmExternalLeading,
                wide.tmWeight,
                wide.tmMaxCharWidth,
                static_cast<char16_t>(wide.tmBreakChar),
                wide.tmCharSet};
    }
    TEXTMETRICA ansi{};
    if (GetTextMetricsA(dc, &ansi)) {
        return {ansi.tmHeight,
                ansi.tmExternalLeading,
                ansi.tmWeight,
                ansi.tmMaxCharWidth,
                static_cast<char16_t>(static_cast<uint8_t>(ansi.tmBreakChar)),
                ansi.tmCharSet};
    }
    return {};
}

// Draws the rows of one text in one rectangle.
class TTextRowsPainter {
public:
    TTextRowsPainter(HDC dc, const vcl::TRect& rect, const TuiTextParams& params, const TuiTextRows& rows,
                     bool truncated)
        : FDC(dc), FRect(rect), FParams(params), FRows(rows), FTruncated(truncated), FMetafile(IsMetafileDC(dc)) {
        FPatterned = params.PatternedText && params.RowHeight < LogicalPixels(dc, ReadableRowPixels, true);
        FJustified = params.HorzAlign == thaJustify || params.HorzAlign == thaDistribute;
    }

    void SetHighlight(int32_t selStart, int32_t selLength, vcl::TColor backColor, vcl::TColor textColor) {
        FSelStart = selStart;
        FSelLength = FMetafile ? 0 : selLength;
        if (FSelLength >= 1 && IsRealColor(backColor)) {
            FHighlightBrush.Reset(CreateSolidBrush(ColorToRGB(backColor)));
        }
        FHighlightTextColor = textColor;
    }

    void PaintRows() {
        for (int32_t i = 0; i < FRows.Count(); ++i) {
            PaintRow(i);
        }
    }

private:
    vcl::TSize Extent(rtl::UnicodeStringView text) const {
        return FParams.ExpandTabs ? MeasureTextExtent(FDC, text) : TextOutput().MeasureText(FDC, text);
    }

    void Output(int32_t x, int32_t y, rtl::UnicodeStringView text) const {
        if (FParams.ExpandTabs) {
            TabbedTextOutLimited(FDC, x, y, text, x);
        } else {
            TextOutput().OutputText(FDC, x, y, text);
        }
    }

    vcl::TRect Band(const TuiTextRow& row) const {
        return {FRect.Left, row.Y, FRect.Right, row.Y + FParams.FullRowHeight};
    }

    // The longest start of text that fits width; at least one character with left alignment.
    size_t FittingLength(rtl::UnicodeStringView text, int32_t width) const {
        size_t fits = FParams.HorzAlign == thaLeft ? 1 : 0;
        size_t tooWide = text.size() + 1;
        while (tooWide - fits > 1) {
            const size_t middle = fits + (tooWide - fits) / 2;
            if (Extent(text.substr(0, middle)).cx <= width) {
                fits = middle;
            } else {
                tooWide = middle;
            }
        }
        return std::min(fits, text.size());
    }

    void PaintRow(int32_t index) {
        const TuiTextRow& row = FRows[index];
        const vcl::TRect band = Band(row);
        const bool ellipsisRow =
            FParams.EndEllipsis && index == FRows.Count() - 1 && (FTruncated || row.Width > FRect.Width());
        if (row.Length == 0) {
            if (ellipsisRow && FTruncated) {
                PaintEllipsis(row.X, row);
            }
            return;
        }
        if (!FMetafile && !RectVisible(FDC, vcl::AsRECT(&band))) {
            return;
        }
        if (FPatterned) {
            PaintBar(row, band);
            return;
        }
        rtl::UnicodeStringView text = FRows.RowText(index);
        int32_t width = row.Width;
        if (ellipsisRow) {
            text = text.substr(0, FittingLength(text, FRect.Width() - FParams.EndEllipsisWidth));
            width = Extent(text).cx;
        }
        const int saved = SaveDC(FDC);
        if (FJustified && !ellipsisRow && row.BreakCount > 0) {
            SetTextJustification(FDC, FRect.Width() - row.Width, row.BreakCount);
        }
        if (!FParams.NoClip && !Fits(row.X, width, band)) {
            const vcl::TRect clip = vcl::IntersectRect(band, FRect);
            IntersectClipRect(FDC, clip.Left, clip.Top, clip.Right, clip.Bottom);
        }
        PaintHighlight(row, text, width, ellipsisRow);
        Output(row.X, row.Y, text);
        if (ellipsisRow) {
            PaintEllipsis(row.X + width, row);
        }
        SetTextJustification(FDC, 0, 0);
        RestoreDC(FDC, saved);
    }

    bool Fits(int32_t x, int32_t width, const vcl::TRect& band) const {
        return x >= FRect.Left && x + width <= FRect.Right && band.Top >= FRect.Top && band.Bottom <= FRect.Bottom;
    }

    // The selected part on the highlight brush in the highlight colour, then taken out of the clip region so the row
    // drawn afterwards leaves it; an ellipsis the selection runs into is highlighted too.
    void PaintHighlight(const TuiTextRow& row, rtl::UnicodeStringView text, int32_t width, bool ellipsisRow) {
        if (FSelLength < 1) {
            return;
        }
        const auto drawnEnd = row.Offset + static_cast<int32_t>(text.size());
        const int32_t from = std::max(FSelStart, row.Offset) - row.Offset;
        const int32_t to = std::min(FSelStart + FSelLength, drawnEnd) - row.Offset;
        if (to > from) {
            const vcl::TRect area{row.X + OffsetOf(text, from, width), row.Y, row.X + OffsetOf(text, to, width),
                                  row.Y + FParams.FullRowHeight};
            PaintHighlighted(area, [&] { Output(row.X, row.Y, text); });
        }
        if (ellipsisRow && FSelStart <= drawnEnd && FSelStart + FSelLength > drawnEnd) {
            const int32_t x = row.X + width;
            const vcl::TRect area{x, row.Y, x + FParams.EndEllipsisWidth, row.Y + FParams.FullRowHeight};
            PaintHighlighted(area, [&] { TextOutput().OutputClippedText(FDC, x, row.Y, nullptr, Ellipsis); });
        }
    }

    // Where character position lies in the drawn row: measured from the row's start, or for text drawn with the
    // rules of Chinese and Arabic scripts from its end.
    int32_t OffsetOf(rtl::UnicodeStringView text, int32_t position, int32_t width) const {
        const auto at = static_cast<size_t>(position);
        if (UsesSpecialCharset(FParams.CharSet, text)) {
            return width - Extent(text.substr(at)).cx;
        }
        return Extent(text.substr(0, at)).cx;
    }

    template <class TOutput>
    void PaintHighlighted(const vcl::TRect& area, TOutput output) {
        if (FHighlightBrush) {
            FillRect(FDC, vcl::AsRECT(&area), FHighlightBrush.Get());
        }
        const int saved = SaveDC(FDC);
        IntersectClipRect(FDC, area.Left, area.Top, area.Right, area.Bottom);
        if (IsRealColor(FHighlightTextColor)) {
            SetTextColor(FDC, ColorToRGB(FHighlightTextColor));
        }
        output();
        RestoreDC(FDC, saved);
        ExcludeClipRect(FDC, area.Left, area.Top, area.Right, area.Bottom);
    }

    void PaintEllipsis(int32_t x, const TuiTextRow& row) const {
        if (x >= FRect.Right) {
            return;
        }
        const vcl::TRect clip = vcl::IntersectRect(Band(row), FRect);
        const bool clipped = !FParams.NoClip && x + FParams.EndEllipsisWidth > FRect.Right;
        TextOutput().OutputClippedText(FDC, x, row.Y, clipped ? &clip : nullptr, Ellipsis);
    }

    // A row too low to read: a bar over the window colour, solid for a bold font, half-toned otherwise.
    void PaintBar(const TuiTextRow& row, const vcl::TRect& band) const {
        vcl::TRect bar{row.X, band.Top + FParams.OnePixel, std::min(row.X + row.Width, FRect.Right),
                       band.Bottom - FParams.OnePixel};
        bar.Bottom = std::max(bar.Bottom, bar.Top + FParams.OnePixel);
        const COLORREF previousBackground = SetBkColor(FDC, ColorToRGB(vcl::clWindow));
        const vcl::TSelectedObject brush(FDC, FParams.Bold ? SolidRowBrush.Get() : CheckeredRowBrush.Get());
        PatBlt(FDC, bar.Left, bar.Top, bar.Width(), bar.Height(), PATCOPY);
        SetBkColor(FDC, previousBackground);
    }

    HDC FDC;
    vcl::TRect FRect;
    const TuiTextParams& FParams;
    const TuiTextRows& FRows;
    bool FTruncated;
    bool FMetafile;
    bool FPatterned = false;
    bool FJustified = false;
    int32_t FSelStart = 0;
    int32_t FSelLength = 0;
    vcl::TBrushHandle FHighlightBrush;
    vcl::TColor FHighlightTextColor = vcl::clNone;
};

// The device context's font and text colour for the call, and back afterwards.
class TTextFontScope {
public:
    TTextFontScope(HDC dc, vcl::TFont* font, vcl::TColor textColor) : FDC(dc), FPreviousColor(GetTextColor(dc)) {
        if (font) {
            FPreviousFont = SelectObject(dc, font->Handle());
            SetTextColor(dc, ColorToRGB(font->Color()));
        }
        if (textColor != vcl::clDefault) {
            SetTextColor(dc, ColorToRGB(textColor));
        }
    }
    ~TTextFontScope() {
        if (FPreviousFont) {
            SelectObject(FDC, FPreviousFont);
        }
        SetTextColor(FDC, FPreviousColor);
    }
    TTextFontScope(const TTextFontScope&) = delete;
    TTextFontScope& operator=(const TTextFontScope&) = delete;

private:
    HDC FDC;
    COLORREF FPreviousColor;
    HGDIOBJ FPreviousFont = nullptr;
};

bool RectangleUnusable(const vcl::TRect& rect, const TuiTextParams& params) {
    return params.CalcRect ? rect.Width() <= 0 : rect.Width() < 1 || rect.Height() < 1;
}

// The rows made again in the width of the longest one and placed: the rectangle the text needs.
vcl::TRect CalculatedTextRect(HDC dc, vcl::TRect textRect, const TuiTextParams& params, TuiTextRows& rows,
                              int32_t maxRows) {
    textRect.Right = textRect.Left + LongestTextRowWidth(rows, rows.Count());
    if (!params.SingleLine) {
        BreakTextIntoRows(dc, rows.Text(), textRect, params, rows, maxRows);
    }
    LayOutTextRows(textRect, params, rows);
    textRect.Bottom = rows[rows.Count() - 1].Y + params.RowHeight;
    return textRect;
}

} // namespace

TuiTextParams InitTextParams(HDC dc, uint32_t flags, double lineSpacing) {
    const int32_t ellipsisWidth = (flags & tlEndEllipsis) ? TextOutput().MeasureText(dc, Ellipsis).cx : 0;
    return TextParamsOf(FontMetricsOf(dc), flags, lineSpacing, ellipsisWidth, LogicalPixels(dc, 1, false),
                        GetSystemMetrics(SM_DBCSENABLED) != 0);
}

TuiTextParams InitCanvasTextParams(vcl::TCanvas& canvas, uint32_t flags, double lineSpacing) {
    HDC dc = canvas.Handle();
    canvas.RequireFont();
    return InitTextParams(dc, flags, lineSpacing);
}

bool BreakTextIntoRows(HDC dc, rtl::UnicodeStringView text, const vcl::TRect& rect, const TuiTextParams& params,
                       TuiTextRows& rows, int32_t maxRows) {
    if (text.data() != rows.Text().data()) {
        rows.SetText(rtl::UnicodeString(text));
    }
    TDCTextDevice device(dc);
    return BreakTextIntoRows(device, rect, params, rows, maxRows);
}

bool BreakAnsiTextIntoRowsOnDC(HDC dc, std::string_view text, const vcl::TRect& rect, const TuiTextParams& params,
                               TuiTextRows& rows, int32_t maxRows) {
    rows.SetText(MultiByteToWideWithCodePage(text, CharsetToCodePage(params.CharSet)));
    return BreakTextIntoRows(dc, rows.Text(), rect, params, rows, maxRows);
}

bool BreakAnsiTextIntoRows(vcl::TCanvas& canvas, std::string_view text, const vcl::TRect& rect,
                           const TuiTextParams& params, TuiTextRows& rows, int32_t maxRows) {
    HDC dc = canvas.Handle();
    canvas.RequireFont();
    return BreakAnsiTextIntoRowsOnDC(dc, text, rect, params, rows, maxRows);
}

void DrawTextRowsHighlighted(HDC dc, const vcl::TRect& rect, const TuiTextParams& params, const TuiTextRows& rows,
                             int32_t selStart, int32_t selLength, vcl::TColor highlightBackColor,
                             vcl::TColor highlightTextColor, bool truncated) {
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    TTextRowsPainter painter(dc, rect, params, rows, truncated);
    painter.SetHighlight(selStart, selLength, highlightBackColor, highlightTextColor);
    painter.PaintRows();
    SetBkMode(dc, previousMode);
}

int32_t DrawTextWide(HDC dc, rtl::UnicodeStringView text, vcl::TRect& rect, uint32_t flags,
                     const TuiDrawTextOptions& options) {
    if (text.empty()) {
        return 0;
    }
    const TTextFontScope font(dc, options.Font, options.TextColor);
    const TuiTextParams params = InitTextParams(dc, flags, options.LineSpacing);
    vcl::TRect textRect = TextRectWithIndents(rect, params, options.LeftIndent, options.RightIndent);
    if (RectangleUnusable(textRect, params)) {
        return 0;
    }
    TuiTextRows rows;
    rows.SetText(params.HidePrefix ? RemoveAccelerators(text) : rtl::UnicodeString(text));
    if (rows.Text().empty()) {
        return 0;
    }
    const bool truncated = !BreakTextIntoRows(dc, rows.Text(), textRect, params, rows, options.MaxRows);
    if (params.CalcRect) {
        textRect = CalculatedTextRect(dc, textRect, params, rows, options.MaxRows);
        rect = TextRectWithoutIndents(textRect, params, options.LeftIndent, options.RightIndent);
    } else {
        LayOutTextRows(textRect, params, rows);
        const auto length = static_cast<int32_t>(rows.Text().size());
        const bool selected = options.SelStart >= 0 && options.SelStart < length;
        const int32_t selLength = selected ? std::min(options.SelLength, length - options.SelStart) : 0;
        DrawTextRowsHighlighted(dc, textRect, params, rows, options.SelStart, selLength, options.HighlightBackColor,
                                options.HighlightTextColor, truncated);
    }
    if (params.CalcRowCount) {
        return rows.Count();
    }
    const int32_t height = rows[rows.Count() - 1].Y + params.RowHeight - textRect.Top;
    return height != 0 ? height : rows.Count();
}

int32_t DrawTextAnsi(vcl::TCanvas& canvas, std::string_view text, vcl::TRect& rect, uint32_t flags,
                     const TuiDrawTextOptions& options) {
    HDC dc = canvas.Handle();
    const uint8_t charset = options.Font ? options.Font->Charset() : static_cast<uint8_t>(GetTextCharset(dc));
    TuiDrawTextOptions plain = options;
    plain.SelLength = 0;
    return DrawTextWide(dc, MultiByteToWideWithCodePage(text, CharsetToCodePage(charset)), rect, flags, plain);
}

void InitializeTextUnit() {
    constexpr WORD solid[8] = {};
    constexpr WORD checkered[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    SolidRowBrush = CreateMonochromePatternBrush(solid);
    CheckeredRowBrush = CreateMonochromePatternBrush(checkered);
}

void FinalizeTextUnit() {
    SolidRowBrush.Reset();
    CheckeredRowBrush.Reset();
}

} // namespace ui
