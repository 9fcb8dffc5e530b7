#include "xls/xlsx/XLSReadXLSXStyles.h"

#include "rtl/text/Format.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <algorithm>

namespace xls {

using namespace xpgParserXLSX;

namespace {

constexpr uint8_t AbsentOrdinal = 255;

// The ordinal of an enumeration attribute, or fallback when the file did not give it.
uint8_t OrdinalOr(TUnit::TOrdinal ordinal, uint8_t fallback) {
    return ordinal == AbsentOrdinal ? fallback : ordinal;
}

// Palette and theme indexes are bytes in the model; a larger index points beyond both tables, and 255 keeps it there
// instead of wrapping round to a real entry.
uint8_t IndexByte(int32_t index) {
    return static_cast<uint8_t>(std::clamp(index, 0, 255));
}

// Of a font's on/off properties, the file states each as an element whose val defaults to true.
bool IsOn(const TCT_BooleanProperty& property) {
    return property.Assigned() && property.GetVal();
}

// Fonts of the style sheet and fonts of rich-text runs are described by the same properties under two element types;
// one conversion serves both, so that a run font equal to a listed font finds it.
template <class TFontElement>
void ConvertFont(const TFontElement& element, const TCT_FontName& name, const TXLSReadXLSXStyles& reader,
                 TXc12Font& font) {
    font.SetName(name.GetVal());
    font.SetCharset(element.GetCharset().GetVal());
    if (element.GetFamily().Assigned()) {
        font.SetFamily(element.GetFamily().GetVal());
    }
    if (element.GetScheme().Assigned()) {
        font.SetScheme(static_cast<TXc12FontScheme>(OrdinalOr(element.GetScheme().GetVal(), efsNone)));
    }
    const TCT_UnderlineProperty& underline = element.GetU();
    if (underline.Assigned() && underline.GetVal() != TST_UnderlineValues::None) {
        font.SetUnderline(static_cast<TXc12Underline>(underline.GetVal() + 1));
    }
    if (element.GetVertAlign().Assigned()) {
        font.SetSubSuperscript(static_cast<TXc12SubSuperscript>(OrdinalOr(element.GetVertAlign().GetVal(), xssNone)));
    }
    TXc12FontStyles style;
    const std::pair<const TCT_BooleanProperty&, TXc12FontStyle> styleBits[] = {
        {element.GetB(), xfsBold},          {element.GetI(), xfsItalic},      {element.GetStrike(), xfsStrikeOut},
        {element.GetOutline(), xfsOutline}, {element.GetShadow(), xfsShadow}, {element.GetCondense(), xfsCondense},
        {element.GetExtend(), xfsExtend},
    };
    for (const auto& [property, bit] : styleBits) {
        if (IsOn(property)) {
            style.Include(bit);
        }
    }
    font.SetStyle(style);
    TXc12ColorRec color;
    reader.ReadColor(element.GetColor(), color);
    font.SetColor(color);
    // Last: font 0 of the list measures its digit width when it gets its size, and should be complete by then.
    font.SetSize(element.GetSz().GetVal());
}

// The file's first items overwrite the list's predefined ones; the rest are appended.
template <class TFileList, class TModelList, class TConvert>
void ReadOverPredefined(const TFileList& items, TModelList& list, TConvert convert) {
    const int32_t predefined = list.CountPredefined();
    for (int32_t i = 0; i < items.Count(); ++i) {
        auto* item = i < predefined ? list.GetItem(i) : list.Add();
        item->Clear();
        convert(items.GetItem(i), *item);
    }
}

uint8_t ApplyFlags(const TCT_Xf& element) {
    const std::pair<bool, uint8_t> flags[] = {
        {element.GetApplyNumberFormat(), XC12ApplyNumberFormat},
        {element.GetApplyFont(), XC12ApplyFont},
        {element.GetApplyFill(), XC12ApplyFill},
        {element.GetApplyBorder(), XC12ApplyBorder},
        {element.GetApplyAlignment(), XC12ApplyAlignment},
        {element.GetApplyProtection(), XC12ApplyProtection},
    };
    uint8_t result = 0;
    for (const auto& [on, bit] : flags) {
        result |= on ? bit : 0;
    }
    return result;
}

} // namespace

TXLSReadXLSXStyles::TXLSReadXLSXStyles(TXc12DataStyleSheet& styleSheet, TXLSErrorManager& errors, TXc12Palette& palette)
    : FStyleSheet(styleSheet), FErrors(errors), FPalette(palette) {}

void TXLSReadXLSXStyles::ReadStyles(const TCT_Stylesheet& element) {
    ReadNumFmts(element);
    ReadFonts(element);
    ReadFills(element);
    ReadBorders(element);
    ReadXfs(element.GetCellStyleXfs().GetXf(), FStyleSheet.StyleXFs());
    ReadXfs(element.GetCellXfs().GetXf(), FStyleSheet.XFs());
    ReadCellStyles(element);
    ReadDxfs(element);
    ReadTableStyles(element);
    ReadColors(element);
}

TXc12Font* TXLSReadXLSXStyles::ReadRunFont(const TCT_RPrElt& rPr) {
    TXc12Font font;
    ConvertFont(rPr, rPr.GetRFont(), *this, font);
    TXc12Font* found = FindRunFont(font);
    if (found == nullptr) {
        found = FStyleSheet.Fonts().Add();
        found->Assign(font);
    }
    found->AddRef();
    return found;
}

TXc12Font* TXLSReadXLSXStyles::FindRunFont(TXc12Font& font) {
    TXc12Fonts& fonts = FStyleSheet.Fonts();
    if (fonts.Count() < FIndexedFonts) {
        // Fonts went away since the index was made: start it again.
        FRunFontIndex.clear();
        FIndexedFonts = 0;
    }
    for (; FIndexedFonts < fonts.Count(); ++FIndexedFonts) {
        FRunFontIndex.emplace(fonts.GetItem(FIndexedFonts)->GetHash(), FIndexedFonts);
    }
    const auto [first, last] = FRunFontIndex.equal_range(font.GetHash());
    for (auto entry = first; entry != last; ++entry) {
        TXc12Font* candidate = fonts.GetItem(entry->second);
        if (candidate->Equals(font)) {
            return candidate;
        }
    }
    return nullptr;
}

void TXLSReadXLSXStyles::ReadColor(const TCT_Color& element, TXc12ColorRec& color) const {
    color = {};
    // A side, fill or stop without a colour is drawn in the automatic colour; the element
    // must not be read as its attribute defaults, which would make white of it.
    if (!element.Assigned() || element.GetAuto()) {
        return;
    }
    color.Tint = element.GetTint();
    if (element.GetTheme() >= 0) {
        color.ColorType = exctTheme;
        color.Index = IndexByte(element.GetTheme());
    } else if (element.GetIndexed() >= 0) {
        color.ColorType = exctIndexed;
        color.Index = IndexByte(element.GetIndexed());
    } else {
        // rgb is not told apart from absent: FFFFFFFF, opaque white, reads as -1 too.
        color.ColorType = exctRgb;
        color.ARGB = static_cast<uint32_t>(element.GetRgb());
    }
    color.RGB = ColorRecToRGB(color, FPalette);
}

void TXLSReadXLSXStyles::ReadNumFmts(const TCT_Stylesheet& element) {
    const TCT_NumFmtXpgList& numFmts = element.GetNumFmts().GetNumFmt();
    TXc12NumberFormats& formats = FStyleSheet.NumberFormats();
    for (int32_t i = 0; i < numFmts.Count(); ++i) {
        const TCT_NumFmt& numFmt = numFmts.GetItem(i);
        // Ids are 16-bit in every workbook format; a larger one would only grow the list.
        if (IndexInList(numFmt.GetNumFmtId(), TXc12NumberFormats::MaxId + 1, u"numFmtId")) {
            formats.SetFormatAt(numFmt.GetFormatCode(), numFmt.GetNumFmtId());
        }
    }
}

void TXLSReadXLSXStyles::ReadFonts(const TCT_Stylesheet& element) {
    const TCT_FontXpgList& fonts = element.GetFonts().GetFont();
    CheckPredefinedCount(fonts.Count(), FStyleSheet.Fonts().CountPredefined(), u"fonts");
    ReadOverPredefined(fonts, FStyleSheet.Fonts(), [this](const TCT_Font& from, TXc12Font& to) { ReadFont(from, to); });
}

void TXLSReadXLSXStyles::ReadFills(const TCT_Stylesheet& element) {
    const TCT_FillXpgList& fills = element.GetFills().GetFill();
    CheckPredefinedCount(fills.Count(), FStyleSheet.Fills().CountPredefined(), u"fills");
    ReadOverPredefined(fills, FStyleSheet.Fills(), [this](const TCT_Fill& from, TXc12Fill& to) { ReadFill(from, to); });
}

void TXLSReadXLSXStyles::ReadBorders(const TCT_Stylesheet& element) {
    const TCT_BorderXpgList& borders = element.GetBorders().GetBorder();
    CheckPredefinedCount(borders.Count(), FStyleSheet.Borders().CountPredefined(), u"borders");
    ReadOverPredefined(borders, FStyleSheet.Borders(),
                       [this](const TCT_Border& from, TXc12Border& to) { ReadBorder(from, to); });
}

void TXLSReadXLSXStyles::ReadXfs(const TCT_XfXpgList& elements, TXc12XFs& xfs) {
    const int32_t predefined = xfs.CountPredefined();
    TXc12XFs& styleXFs = FStyleSheet.StyleXFs();
    for (int32_t i = 0; i < elements.Count(); ++i) {
        const TCT_Xf& element = elements.GetItem(i);
        TXc12XF* xf = i < predefined ? xfs.GetItem(i) : xfs.Add();
        xf->SetApplyFlags(ApplyFlags(element));
        xf->SetFill(
            FStyleSheet.Fills().GetItem(IndexOrDefault(element.GetFillId(), FStyleSheet.Fills().Count(), u"fillId")));
        xf->SetBorder(FStyleSheet.Borders().GetItem(
            IndexOrDefault(element.GetBorderId(), FStyleSheet.Borders().Count(), u"borderId")));
        xf->SetFont(
            FStyleSheet.Fonts().GetItem(IndexOrDefault(element.GetFontId(), FStyleSheet.Fonts().Count(), u"fontId")));
        xf->SetNumberFormat(FStyleSheet.NumberFormats().GetItem(
            IndexOrDefault(element.GetNumFmtId(), FStyleSheet.NumberFormats().Count(), u"numFmtId")));
        xf->SetStyleXF(styleXFs.GetItem(IndexOrDefault(element.GetXfId(), styleXFs.Count(), u"xfId")));
        if (element.GetAlignment().Assigned()) {
            ReadAlignment(element.GetAlignment(), xf->GetAlignment());
        }
        if (element.GetProtection().Assigned()) {
            xf->SetProtection(ReadProtection(element.GetProtection()));
        }
        xf->SetQuotePrefix(element.GetQuotePrefix());
        xf->SetPivotButton(element.GetPivotButton());
    }
}

void TXLSReadXLSXStyles::ReadCellStyles(const TCT_Stylesheet& element) {
    const TCT_CellStyleXpgList& cellStyles = element.GetCellStyles().GetCellStyle();
    TXc12XFs& styleXFs = FStyleSheet.StyleXFs();
    for (int32_t i = 0; i < cellStyles.Count(); ++i) {
        const TCT_CellStyle& cellStyle = cellStyles.GetItem(i);
        TXc12CellStyle* style = FStyleSheet.CellStyles().FindOrAdd(cellStyle.GetName());
        style->SetBuiltInId(cellStyle.GetBuiltinId());
        style->SetCustomBuiltIn(cellStyle.GetCustomBuiltin());
        style->SetHidden(cellStyle.GetHidden());
        style->SetOutlineLevel(cellStyle.GetILevel());
        const int32_t xfIndex = IndexOrDefault(cellStyle.GetXfId(), styleXFs.Count(), u"xfId");
        style->SetFormat(styleXFs.GetItem(xfIndex));
        FStyleSheet.XFEditor().UseStyleXF(xfIndex);
    }
}

void TXLSReadXLSXStyles::ReadDxfs(const TCT_Stylesheet& element) {
    const TCT_DxfXpgList& dxfs = element.GetDxfs().GetDxf();
    for (int32_t i = 0; i < dxfs.Count(); ++i) {
        const TCT_Dxf& from = dxfs.GetItem(i);
        TXc12DXF* dxf = FStyleSheet.DXFs().Add();
        if (from.GetFont().Assigned()) {
            ReadFont(from.GetFont(), *dxf->AddFont());
        }
        if (from.GetNumFmt().Assigned()) {
            dxf->AddNumberFormat()->SetText(from.GetNumFmt().GetFormatCode());
        }
        if (from.GetFill().Assigned()) {
            ReadFill(from.GetFill(), *dxf->AddFill());
        }
        if (from.GetAlignment().Assigned()) {
            ReadAlignment(from.GetAlignment(), *dxf->AddAlignment());
        }
        if (from.GetBorder().Assigned()) {
            ReadBorder(from.GetBorder(), *dxf->AddBorder());
        }
        if (from.GetProtection().Assigned()) {
            dxf->SetProtection(ReadProtection(from.GetProtection()));
        }
    }
}

void TXLSReadXLSXStyles::ReadTableStyles(const TCT_Stylesheet& element) {
    const TCT_TableStyles& tableStyles = element.GetTableStyles();
    TXc12TableStyles& styles = FStyleSheet.TableStyles();
    styles.SetDefaultTableStyle(tableStyles.GetDefaultTableStyle());
    styles.SetDefaultPivotStyle(tableStyles.GetDefaultPivotStyle());
    const TXc12DXFs& dxfs = FStyleSheet.DXFs();
    for (int32_t i = 0; i < tableStyles.GetTableStyle().Count(); ++i) {
        const TCT_TableStyle& from = tableStyles.GetTableStyle().GetItem(i);
        TXc12TableStyle* style = styles.Add();
        style->SetName(from.GetName());
        style->SetPivot(from.GetPivot());
        style->SetTable(from.GetTable());
        for (int32_t j = 0; j < from.GetTableStyleElement().Count(); ++j) {
            const TCT_TableStyleElement& fromElement = from.GetTableStyleElement().GetItem(j);
            TXc12TableStyleElement* styleElement = style->GetElements().Add();
            styleElement->SetElementType(fromElement.GetType());
            styleElement->SetSize(fromElement.GetSize());
            // Without its format the element still names its part of the table; it just changes nothing.
            if (IndexInList(fromElement.GetDxfId(), dxfs.Count(), u"dxfId")) {
                styleElement->SetDXF(dxfs.GetItem(fromElement.GetDxfId()));
            }
        }
    }
}

void TXLSReadXLSXStyles::ReadColors(const TCT_Stylesheet& element) {
    const TCT_RgbColorXpgList& indexed = element.GetColors().GetIndexedColors().GetRgbColor();
    for (int32_t i = 0; i < indexed.Count(); ++i) {
        TXc12ColorRec color;
        color.ColorType = exctRgb;
        color.ARGB = static_cast<uint32_t>(indexed.GetItem(i).GetRgb());
        const uint32_t rgb = ColorRecToRGB(color, FPalette);
        FStyleSheet.IndexedColors().Add()->SetRGB(rgb);
        FPalette.SetColor(i, rgb);
    }
    const TCT_ColorXpgList& recent = element.GetColors().GetMruColors().GetColor();
    for (int32_t i = 0; i < recent.Count(); ++i) {
        TXc12ColorRec color;
        ReadColor(recent.GetItem(i), color);
        FStyleSheet.RecentColors().AddColor(color);
    }
}

void TXLSReadXLSXStyles::ReadFont(const TCT_Font& element, TXc12Font& font) const {
    ConvertFont(element, element.GetName(), *this, font);
}

void TXLSReadXLSXStyles::ReadFill(const TCT_Fill& element, TXc12Fill& fill) const {
    TXc12ColorRec color;
    if (element.GetPatternFill().Assigned()) {
        const TCT_PatternFill& pattern = element.GetPatternFill();
        fill.SetPatternType(static_cast<TXc12FillPattern>(OrdinalOr(pattern.GetPatternType(), efpNone)));
        ReadColor(pattern.GetFgColor(), color);
        fill.SetFgColor(color);
        ReadColor(pattern.GetBgColor(), color);
        fill.SetBgColor(color);
        return;
    }
    if (!element.GetGradientFill().Assigned()) {
        return;
    }
    const TCT_GradientFill& from = element.GetGradientFill();
    fill.SetIsGradient(true);
    TXc12GradientFill& gradient = *fill.GetGradient();
    for (int32_t i = 0; i < from.GetStop().Count(); ++i) {
        const TCT_GradientStop& stop = from.GetStop().GetItem(i);
        ReadColor(stop.GetColor(), color);
        gradient.GetStops().AddStop(color, stop.GetPosition());
    }
    gradient.SetGradientType(static_cast<TXc12GradientType>(from.GetType()));
    gradient.SetDegree(from.GetDegree());
    gradient.SetLeft(from.GetLeft());
    gradient.SetRight(from.GetRight());
    gradient.SetTop(from.GetTop());
    gradient.SetBottom(from.GetBottom());
}

void TXLSReadXLSXStyles::ReadBorder(const TCT_Border& element, TXc12Border& border) const {
    uint8_t options = element.GetDiagonalUp() ? XC12BorderDiagonalUp : 0;
    options |= element.GetDiagonalDown() ? XC12BorderDiagonalDown : 0;
    options |= element.GetOutline() ? XC12BorderOutline : 0;
    border.SetOptions(options);
    const std::pair<const TCT_BorderPr&, TXc12BorderSide> sides[] = {
        {element.GetLeft(), xbsLeft},
        {element.GetRight(), xbsRight},
        {element.GetTop(), xbsTop},
        {element.GetBottom(), xbsBottom},
        {element.GetDiagonal(), xbsDiagonal},
        {element.GetVertical(), xbsVertical},
        {element.GetHorizontal(), xbsHorizontal},
    };
    for (const auto& [from, side] : sides) {
        ReadBorderPr(from, border.GetSide(side));
    }
}

void TXLSReadXLSXStyles::ReadBorderPr(const TCT_BorderPr& element, TXc12BorderPr& side) const {
    TXc12ColorRec color;
    ReadColor(element.GetColor(), color);
    side.SetColor(color);
    side.SetStyle(static_cast<TXc12CellBorderStyle>(element.GetStyle()));
}

void TXLSReadXLSXStyles::ReadAlignment(const TCT_CellAlignment& element, TXc12CellAlignment& alignment) {
    alignment.SetHorizAlignment(OrdinalOr(element.GetHorizontal(), TST_HorizontalAlignment::General));
    alignment.SetVertAlignment(OrdinalOr(element.GetVertical(), XC12VertAlignmentBottom));
    alignment.SetRotation(element.GetTextRotation());
    uint8_t options = element.GetWrapText() ? XC12AlignmentWrapText : 0;
    options |= element.GetShrinkToFit() ? XC12AlignmentShrinkToFit : 0;
    options |= element.GetJustifyLastLine() ? XC12AlignmentJustifyLastLine : 0;
    alignment.SetOptions(options);
    alignment.SetIndent(element.GetIndent());
    alignment.SetRelativeIndent(element.GetRelativeIndent());
    alignment.SetReadingOrder(static_cast<uint8_t>(element.GetReadingOrder()));
}

uint8_t TXLSReadXLSXStyles::ReadProtection(const TCT_CellProtection& element) {
    return (element.GetLocked() ? XC12ProtectionLocked : 0) | (element.GetHidden() ? XC12ProtectionHidden : 0);
}

bool TXLSReadXLSXStyles::IndexInList(int32_t index, int32_t count, rtl::UnicodeStringView attribute) const {
    if (index >= 0 && index < count) {
        return true;
    }
    FErrors.ReportWarning(rtl::Format(u"%s %d", {attribute, index}), XLSWarningStyleIndex);
    return false;
}

int32_t TXLSReadXLSXStyles::IndexOrDefault(int32_t index, int32_t count, rtl::UnicodeStringView attribute) const {
    return IndexInList(index, count, attribute) ? index : 0;
}

void TXLSReadXLSXStyles::CheckPredefinedCount(int32_t fileCount, int32_t predefinedCount,
                                              rtl::UnicodeStringView items) const {
    if (fileCount < predefinedCount) {
        FErrors.ReportWarning(items, XLSWarningStyleCount);
    }
}

} // namespace xls
