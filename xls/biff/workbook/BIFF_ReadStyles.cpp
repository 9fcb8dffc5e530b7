// The handlers of the records that fill the style sheet: fonts, number formats, cell formats (XF), the palette and
// the STYLE records the workbook object keeps. The model's font and cell-format lists start with a default item, so
// BIFF font n is model font n + 1 and BIFF XF n is model XF n + 1; BIFF font numbers skip 4, and a placeholder keeps
// the place. Number formats keep their ids.

#include "rtl/text/Format.h"
#include "xls/biff/BIFF_RecordIds.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/biff/workbook/BIFF5.h"
#include "xls/biff/workbook/BIFF_Read.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace xls {

namespace {

// The model list holds its default font and BIFF fonts 0 to 3 when the placeholder of the missing font 4 is due.
constexpr int32_t FontPlaceholderPosition = 5;
// Colour indexes of fonts beyond a byte are the system's window text colour; they read as index 0.
constexpr uint16_t MaxFontColorIndex = 255;
constexpr double TwipsPerPoint = 20;
constexpr uint16_t BoldWeight = 700;

// FONT of BIFF2-4, a layout MS-XLS does not describe: its option bits, of which BIFF5-8 keep a few.
constexpr std::pair<uint16_t, TXc12FontStyle> OldFontStyleBits[] = {
    {0x0001, xfsBold},   {0x0002, xfsItalic},   {0x0008, xfsStrikeOut}, {0x0010, xfsOutline},
    {0x0020, xfsShadow}, {0x0040, xfsCondense}, {0x0080, xfsExtend},
};
constexpr uint16_t OldFontUnderline = 0x0004;
// FONT of BIFF5-8 (MS-XLS 2.4.122).
constexpr uint16_t FontItalic = 0x0002;
constexpr uint16_t FontStrikeOut = 0x0008;
constexpr int32_t FontHeight = 0;
constexpr int32_t FontOptions = 2;
constexpr int32_t FontColor = 4;
constexpr int32_t FontWeight = 6;
constexpr int32_t FontEscapement = 8;
constexpr int32_t FontUnderline = 10;
constexpr int32_t FontFamily = 11;
constexpr int32_t FontCharset = 12;
constexpr int32_t FontName = 14;
constexpr int32_t Font2Name = 4;
constexpr int32_t Font3Name = 6;

// The number formats of BIFF2-4 cell formats are a byte.
constexpr int32_t MaxCollectedFormats = 256;

// XF of BIFF8 (MS-XLS 2.4.353).
constexpr int32_t XfFont = 0;
constexpr int32_t XfFormat = 2;
constexpr int32_t XfProtection = 4;
constexpr int32_t XfAlignment = 6;
constexpr int32_t XfRotation = 7;
constexpr int32_t XfIndent = 8;
constexpr int32_t XfBorderStyles = 10;
constexpr int32_t XfBorderColors = 12;
constexpr int32_t XfBorderColors2 = 14;
constexpr int32_t XfFillColors = 18;
constexpr uint8_t XfWrap = 0x08;
constexpr uint8_t XfShrink = 0x10;
constexpr uint32_t ColorIndexMask = 0x7F;
// The model's cell formats of a file start with its 21 style formats besides the model's default one.
constexpr int32_t PredefinedXFCount = 22;

// XF of BIFF3 and BIFF4 (the layout before MS-XLS).
constexpr int32_t Xf34Font = 0;
constexpr int32_t Xf34Format = 1;
constexpr int32_t Xf34Alignment = 4;
constexpr int32_t Xf34Fill = 6;
constexpr int32_t Xf34Borders = 8;
constexpr int32_t Xf34MaxColor = 23;
constexpr uint16_t Xf34AutomaticFill = 0xBFFF;

// PALETTE (MS-XLS 2.4.188): its colours replace palette entries 8 to 63.
constexpr int32_t PaletteFirstIndex = 8;
constexpr int32_t PaletteMaxCount = 56;
constexpr int32_t PaletteEntries = 64;

constexpr uint16_t StyleBuiltIn = 0x8000;

TXc12Underline UnderlineOf(uint8_t value) {
    switch (value) {
    case 0x01:
        return xulSingle;
    case 0x02:
        return xulDouble;
    case 0x21:
        return xulSingleAccount;
    case 0x22:
        return xulDoubleAccount;
    default:
        return xulNone;
    }
}

TXc12CellBorderStyle BorderStyleOf(uint32_t value) {
    return value <= cbsSlantedDashDot ? static_cast<TXc12CellBorderStyle>(value) : cbsNone;
}

TXc12FillPattern FillPatternOf(uint32_t value) {
    return value <= efpGray0625 ? static_cast<TXc12FillPattern>(value) : efpNone;
}

} // namespace

void TXLSReadBIFF::ReadFont() {
    if (FHeader.RecID == BIFFRecordFont3) {
        ReadFont3();
    } else if (FVersion == xvExcel21) {
        ReadFont2();
    } else {
        ReadFont5();
    }
}

void TXLSReadBIFF::ReadFont2() {
    ReadOldFont(Font2Name, false);
}

void TXLSReadBIFF::ReadFont3() {
    ReadOldFont(Font3Name, true);
}

void TXLSReadBIFF::ReadOldFont(int32_t nameOffset, bool hasColor) {
    const TBIFFBody body = Body();
    TXc12Font& font = AddFont();
    font.SetName(ByteCountText(nameOffset));
    const uint16_t options = body.Word(FontOptions);
    TXc12FontStyles style;
    for (const auto& [bit, member] : OldFontStyleBits) {
        if ((options & bit) != 0) {
            style.Include(member);
        }
    }
    font.SetStyle(style);
    font.SetUnderline((options & OldFontUnderline) != 0 ? xulSingle : xulNone);
    if (hasColor) {
        SetFontColor(font, body.Word(FontColor));
    }
    font.SetSize(body.Word(FontHeight) / TwipsPerPoint);
    FontAdded();
}

void TXLSReadBIFF::ReadFont5() {
    const TBIFFBody body = Body();
    TXc12Font& font = AddFont();
    font.SetName(ByteCountText(FontName));
    font.SetCharset(body.Byte(FontCharset));
    font.SetFamily(body.Byte(FontFamily));
    const uint16_t options = body.Word(FontOptions);
    TXc12FontStyles style;
    if (body.Word(FontWeight) >= BoldWeight) {
        style.Include(xfsBold);
    }
    if ((options & FontItalic) != 0) {
        style.Include(xfsItalic);
    }
    if ((options & FontStrikeOut) != 0) {
        style.Include(xfsStrikeOut);
    }
    font.SetStyle(style);
    font.SetUnderline(UnderlineOf(body.Byte(FontUnderline)));
    const uint8_t escapement = body.Byte(FontEscapement);
    font.SetSubSuperscript(escapement <= xssSubscript ? static_cast<TXc12SubSuperscript>(escapement) : xssNone);
    SetFontColor(font, body.Word(FontColor));
    font.SetSize(body.Word(FontHeight) / TwipsPerPoint);
    font.SetScheme(efsNone);
    FontAdded();
}

TXc12Font& TXLSReadBIFF::AddFont() {
    return *FManager.StyleSheet().Fonts().Add();
}

void TXLSReadBIFF::FontAdded() {
    TXc12Fonts& fonts = FManager.StyleSheet().Fonts();
    if (fonts.Count() == FontPlaceholderPosition) {
        // Cells that name the missing font 4 anyway get the file's first font.
        fonts.Add()->Assign(*fonts.GetItem(1));
    }
}

void TXLSReadBIFF::SetFontColor(TXc12Font& font, uint16_t index) const {
    TXc12ColorRec color;
    MakeIndexedColorRec(index > MaxFontColorIndex ? 0 : index, FManager.Palette(), color);
    font.SetColor(color);
}

void TXLSReadBIFF::ReadFormat() {
    if (FVersion < xvExcel50) {
        CollectFormat(2);
        return;
    }
    FManager.StyleSheet().NumberFormats().SetFormatAt(FormatText(2), Body().Word(0));
}

rtl::UnicodeString TXLSReadBIFF::FormatText(int32_t countOffset) const {
    const TBIFFBody body = Body();
    if (IsBIFF8()) {
        return UnicodeBodyToWideHeld(body.From(countOffset + 2), body.Word(countOffset));
    }
    const std::span<const uint8_t> characters = body.From(countOffset + 1);
    return Text8(characters.first(std::min<size_t>(body.Byte(countOffset), characters.size())));
}

void TXLSReadBIFF::ReadFormat2() {
    CollectFormat(0);
}

void TXLSReadBIFF::ReadFormat4() {
    CollectFormat(2);
}

void TXLSReadBIFF::CollectFormat(int32_t countOffset) {
    if (FFormatsCollected >= MaxCollectedFormats) {
        return;
    }
    const rtl::UnicodeString text = FormatText(countOffset);
    if (FFormatsCollected < static_cast<int32_t>(FCollectedFormats.size())) {
        FCollectedFormats[FFormatsCollected] = text;
    } else {
        FCollectedFormats.push_back(text);
    }
    ++FFormatsCollected;
}

void TXLSReadBIFF::AddCollectedFormats() {
    TXc12NumberFormats& formats = FManager.StyleSheet().NumberFormats();
    for (size_t i = 0; i < FCollectedFormats.size(); ++i) {
        formats.SetFormatAt(FCollectedFormats[i], FFormatBase + static_cast<int32_t>(i));
    }
    FFormatsAdded = true;
}

void TXLSReadBIFF::ReadXf() {
    TXc12DataStyleSheet& styleSheet = FManager.StyleSheet();
    auto xf = std::make_unique<TXc12XF>(&styleSheet.XFs());
    if (IsBIFF8()) {
        ReadXf8(*xf);
    } else {
        // The cell formats of BIFF5 are not read: each is the default one.
        styleSheet.ResetXF(*xf);
    }
    AppendXF(std::move(xf));
}

void TXLSReadBIFF::ReadXf8(TXc12XF& xf) {
    const TBIFFBody body = Body();
    TXc12DataStyleSheet& styleSheet = FManager.StyleSheet();
    xf.SetFont(ModelFont(body.Word(XfFont)));
    xf.SetNumberFormat(ModelNumberFormat(body.Word(XfFormat)));
    xf.SetProtection(body.Word(XfProtection) & (XC12ProtectionLocked | XC12ProtectionHidden));

    TXc12CellAlignment& alignment = xf.GetAlignment();
    const uint8_t align = body.Byte(XfAlignment);
    const uint8_t indent = body.Byte(XfIndent);
    alignment.SetHorizAlignment(align & 0x07);
    alignment.SetVertAlignment(std::min((align >> 4) & 0x07, 4));
    alignment.SetRotation(body.Byte(XfRotation));
    alignment.SetIndent(indent & 0x0F);
    alignment.SetOptions(((align & XfWrap) != 0 ? XC12AlignmentWrapText : 0) |
                         ((indent & XfShrink) != 0 ? XC12AlignmentShrinkToFit : 0));

    TXc12Border& border = *styleSheet.Borders().Add();
    const uint16_t styles = body.Word(XfBorderStyles);
    const uint16_t colors = body.Word(XfBorderColors);
    const uint32_t colors2 = body.DWord(XfBorderColors2);
    const std::pair<TXc12BorderSide, std::pair<uint32_t, uint32_t>> sides[] = {
        {xbsLeft, {styles & 0x0Fu, colors & ColorIndexMask}},
        {xbsRight, {(styles >> 4) & 0x0Fu, (colors >> 7) & ColorIndexMask}},
        {xbsTop, {(styles >> 8) & 0x0Fu, colors2 & ColorIndexMask}},
        {xbsBottom, {(styles >> 12) & 0x0Fu, (colors2 >> 7) & ColorIndexMask}},
    };
    for (const auto& [side, styleAndColor] : sides) {
        border.GetSide(side).SetStyle(BorderStyleOf(styleAndColor.first));
        border.GetSide(side).SetColor(IndexedColor(static_cast<int32_t>(styleAndColor.second)));
    }
    border.SetOptions(static_cast<uint8_t>(colors >> 14));
    xf.SetBorder(&border);

    TXc12Fill& fill = *styleSheet.Fills().Add();
    const uint16_t fillColors = body.Word(XfFillColors);
    fill.SetPatternType(FillPatternOf(colors2 >> 26));
    fill.SetFgColor(IndexedColor(LimitTo64(fillColors & ColorIndexMask)));
    fill.SetBgColor(IndexedColor(LimitTo64((fillColors >> 7) & ColorIndexMask)));
    xf.SetFill(&fill);
}

void TXLSReadBIFF::ReadXf34() {
    if (!FFormatsAdded) {
        AddCollectedFormats();
    }
    const TBIFFBody body = Body();
    TXc12DataStyleSheet& styleSheet = FManager.StyleSheet();
    auto xf = std::make_unique<TXc12XF>(&styleSheet.XFs());
    styleSheet.ResetXF(*xf);
    xf->SetFont(ModelFont(body.Byte(Xf34Font)));
    xf->SetNumberFormat(ModelNumberFormat(FFormatBase + body.Byte(Xf34Format)));

    const uint16_t fillWord = body.Word(Xf34Fill);
    const int32_t foreground = (fillWord >> 6) & 0x1F;
    const int32_t background = (fillWord >> 11) & 0x1F;
    if (foreground <= Xf34MaxColor || fillWord <= Xf34AutomaticFill) {
        TXc12Fill& fill = *styleSheet.Fills().Add();
        if (foreground <= Xf34MaxColor) {
            fill.SetFgColor(IndexedColor(foreground));
        }
        if (background <= Xf34MaxColor) {
            fill.SetBgColor(IndexedColor(background));
        }
        fill.SetPatternType(FillPatternOf(fillWord & 0x3F));
        xf->SetFill(&fill);
    }

    const std::span<const uint8_t> sideBytes =
        body.Bytes().size() >= Xf34Borders + 4 ? body.Bytes().subspan(Xf34Borders, 4) : std::span<const uint8_t>();
    if (std::any_of(sideBytes.begin(), sideBytes.end(), [](uint8_t side) { return side != 0; })) {
        TXc12Border& border = *styleSheet.Borders().Add();
        const TXc12BorderSide sides[] = {xbsTop, xbsLeft, xbsBottom, xbsRight};
        for (size_t i = 0; i < sideBytes.size(); ++i) {
            if (sideBytes[i] != 0) {
                border.GetSide(sides[i]).SetStyle(BorderStyleOf(sideBytes[i] & 0x07));
                border.GetSide(sides[i]).SetColor(IndexedColor(sideBytes[i] >> 3));
            }
        }
        xf->SetBorder(&border);
    }

    TXc12CellAlignment& alignment = xf->GetAlignment();
    const uint8_t align = body.Byte(Xf34Alignment);
    alignment.SetHorizAlignment(align & 0x07);
    alignment.SetOptions((align & XfWrap) != 0 ? XC12AlignmentWrapText : 0);
    // The vertical alignment and the orientation came with BIFF4.
    if (FHeader.RecID == BIFFRecordXF4) {
        alignment.SetVertAlignment((align >> 4) & 0x03);
        const int32_t orientation = align >> 6;
        alignment.SetRotation(orientation == 2 ? 90 : orientation == 3 ? 180 : 0);
    }
    AppendXF(std::move(xf));
}

void TXLSReadBIFF::AppendXF(std::unique_ptr<TXc12XF> xf) {
    TXc12DataStyleSheet& styleSheet = FManager.StyleSheet();
    TXc12XF* appended = xf.get();
    styleSheet.XFs().AddXF(std::move(xf));
    if (styleSheet.XFs().Count() <= PredefinedXFCount) {
        appended->SetPredefined(true);
    }
    styleSheet.XFEditor().UseXF(appended);
}

TXc12ColorRec TXLSReadBIFF::IndexedColor(int32_t index) const {
    TXc12ColorRec color;
    MakeIndexedColorRec(index, FManager.Palette(), color);
    return color;
}

void TXLSReadBIFF::ReadPalette() {
    const TBIFFBody body = Body();
    const int32_t count = std::min({static_cast<int32_t>(body.Word(0)), PaletteMaxCount, (body.Size() - 2) / 4});
    TXc12IndexColorObjs& colors = FManager.StyleSheet().IndexedColors();
    TXc12Palette& palette = FManager.Palette();
    while (colors.Count() < PaletteEntries) {
        const int32_t index = colors.Count();
        colors.Add()->SetRGB(palette.GetColor(index));
    }
    for (int32_t i = 0; i < count; ++i) {
        const uint32_t rgb = body.DWord(2 + 4 * i) & 0x00FFFFFF;
        colors.GetItem(PaletteFirstIndex + i)->SetRGB(rgb);
        palette.SetColor(PaletteFirstIndex + i, rgb);
    }
}

void TXLSReadBIFF::ReadStyle() {
    const TBIFFBody body = Body();
    int32_t count = 0;
    int64_t length = 4;
    if ((body.Word(0) & StyleBuiltIn) == 0) {
        // A style of the workbook's own: its name follows, a flagged string in BIFF8, 8-bit characters before.
        count = IsBIFF8() ? body.Word(2) : body.Byte(2);
        if (IsBIFF8() && count > 0) {
            length = 5 + FlaggedCharacterBytes(body.Byte(4), count);
        } else if (!IsBIFF8()) {
            length = 3 + count;
        }
    }
    CheckStringBytes(count, length, body.Size());
    FBIFF.Styles().emplace_back(FBody.begin(), FBody.begin() + static_cast<std::ptrdiff_t>(length));
}

TXc12Font* TXLSReadBIFF::ModelFont(int32_t biffFont) const {
    TXc12Fonts& fonts = FManager.StyleSheet().Fonts();
    if (biffFont + 1 < fonts.Count()) {
        return fonts.GetItem(biffFont + 1);
    }
    FManager.Errors()->ReportWarning(rtl::Format(u"font %d", {biffFont}), XLSWarningStyleIndex);
    return fonts.GetDefaultFont();
}

TXc12NumberFormat* TXLSReadBIFF::ModelNumberFormat(int32_t id) const {
    TXc12NumberFormats& formats = FManager.StyleSheet().NumberFormats();
    if (id < formats.Count()) {
        return formats.GetItem(id);
    }
    FManager.Errors()->ReportWarning(rtl::Format(u"number format %d", {id}), XLSWarningStyleIndex);
    return formats.GetDefault();
}

} // namespace xls
