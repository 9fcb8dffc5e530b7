#include "xls/core/model/styles/Xc12DataStyleSheet5Fonts.h"

#include "rtl/numbers/FormatSettings.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace xls {

namespace {

constexpr int32_t FontWeightNormal = 400;
constexpr int32_t FontWeightBold = 700;
constexpr uint8_t OutputTrueTypeOnly = 7;
constexpr int32_t TwipsPerPoint = 20;

constexpr rtl::UnicodeStringView FontStyleNames[] = {u"Bold",   u"Italic",   u"StrikeOut", u"Outline",
                                                     u"Shadow", u"Condense", u"Extend"};
constexpr rtl::UnicodeStringView UnderlineLines[] = {u"", u"Underline: Single", u"Underline: Double",
                                                     u"Underline: SingleAccount", u"Underline: DoubleAccount"};
constexpr rtl::UnicodeStringView SubSuperscriptLines[] = {u"", u"SubSuperscript: Superscript",
                                                          u"SubSuperscript: Subscript"};
constexpr rtl::UnicodeStringView SchemeLines[] = {u"", u"Scheme : Major", u"Scheme : Minor"};

// The line for value from lines, whose entry 0 (no line) also stands for values beyond the table.
template <size_t N>
void AppendEnumLine(rtl::UnicodeString& text, int32_t level, const rtl::UnicodeStringView (&lines)[N], uint8_t value) {
    if (value != 0 && value < N) {
        AppendDumpLine(text, level, lines[value]);
    }
}

// A size that is not a number equals only another such size, so that a font read with one can still be found.
bool SameSize(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

bool SameName(const rtl::UnicodeString& a, const rtl::UnicodeString& b) {
    return a == b || rtl::WideSameText(a, b);
}

// Copies at most 31 code units of name, never half of a surrogate pair.
void CopyFaceName(const rtl::UnicodeString& name, TXc12LogFont& logFont) {
    size_t length = std::min(name.size(), logFont.lfFaceName.size() - 1);
    if (length < name.size() && length > 0 && name[length - 1] >= 0xD800 && name[length - 1] <= 0xDBFF) {
        --length;
    }
    std::copy_n(name.begin(), length, logFont.lfFaceName.begin());
}

} // namespace

void TXc12Font::SetName(rtl::UnicodeStringView name) {
    FName = name;
    Changed();
    FHandle.Free();
}

void TXc12Font::SetCharset(int32_t charset) {
    FCharset = charset;
    Changed();
}

void TXc12Font::SetFamily(int32_t family) {
    FFamily = family;
    Changed();
    FHandle.Free();
}

void TXc12Font::SetStyle(TXc12FontStyles style) {
    FStyle = style;
    Changed();
    FHandle.Free();
}

void TXc12Font::SetUnderline(TXc12Underline underline) {
    FUnderline = underline;
    Changed();
}

void TXc12Font::SetSubSuperscript(TXc12SubSuperscript subSuperscript) {
    FSubSuperscript = subSuperscript;
    Changed();
    FHandle.Free();
}

void TXc12Font::SetColor(const TXc12ColorRec& color) {
    FColor = color;
    Changed();
}

void TXc12Font::SetSize(double size) {
    FSize = size;
    Changed();
    FHandle.Free();
    auto* fonts = dynamic_cast<TXc12Fonts*>(Owner());
    if (size > 0 && fonts != nullptr && Index() == 0 && fonts->Count() > 0 && fonts->GetItem(0) == this) {
        fonts->CalcDigitWidth();
    }
}

void TXc12Font::SetScheme(TXc12FontScheme scheme) {
    FScheme = scheme;
    Changed();
}

void TXc12Font::Assign(const TXc12Font& other) {
    SetName(other.FName);
    SetCharset(other.FCharset);
    SetFamily(other.FFamily);
    SetStyle(other.FStyle);
    SetUnderline(other.FUnderline);
    SetSubSuperscript(other.FSubSuperscript);
    SetColor(other.FColor);
    SetSize(other.FSize);
    SetScheme(other.FScheme);
}

void TXc12Font::Clear() {
    SetName(u"");
    SetCharset(0);
    SetFamily(0);
    SetStyle({});
    SetUnderline(xulNone);
    SetSubSuperscript(xssNone);
    SetColor({});
    SetSize(0);
    SetScheme(efsNone);
}

void TXc12Font::UpdateIndexedColors(const TXc12Palette& palette) {
    UpdateIndexedColor(FColor, palette);
}

void TXc12Font::FillLogFont(TXc12LogFont& logFont, uint32_t& color) const {
    logFont = {};
    logFont.lfCharSet = static_cast<uint8_t>(FCharset);
    CopyFaceName(FName, logFont);
    logFont.lfHeight = RoundToInt32(FSize * TwipsPerPoint);
    logFont.lfItalic = FStyle.Contains(xfsItalic) ? 1 : 0;
    logFont.lfUnderline = FUnderline == xulSingle ? 1 : 0;
    logFont.lfWeight = FStyle.Contains(xfsBold) ? FontWeightBold : FontWeightNormal;
    logFont.lfStrikeOut = FStyle.Contains(xfsStrikeOut) ? 1 : 0;
    color = FColor.RGB;
}

TXc12LogFont TXc12Font::GetLogFont(int32_t dpi) const {
    TXc12LogFont logFont;
    uint32_t color = 0;
    FillLogFont(logFont, color);
    if (dpi > 0) {
        logFont.lfHeight = -FontPixelHeight(FSize, dpi);
        logFont.lfOutPrecision = OutputTrueTypeOnly;
    }
    return logFont;
}

TXLSFontDescription TXc12Font::GetDescription() const {
    TXLSFontDescription description;
    description.Name = FName;
    description.Size = FSize;
    description.Charset = static_cast<uint8_t>(FCharset);
    description.Bold = FStyle.Contains(xfsBold);
    description.Italic = FStyle.Contains(xfsItalic);
    description.Underline = FUnderline == xulSingle;
    description.StrikeOut = FStyle.Contains(xfsStrikeOut);
    return description;
}

bool TXc12Font::Equals(const TXLSStyleObject& other) const {
    const auto* font = dynamic_cast<const TXc12Font*>(&other);
    // The name goes last: folding its case is the dearest comparison.
    return font != nullptr && FCharset == font->FCharset && FFamily == font->FFamily && FStyle == font->FStyle &&
           FUnderline == font->FUnderline && FSubSuperscript == font->FSubSuperscript && FScheme == font->FScheme &&
           SameSize(FSize, font->FSize) && SameColorRec(FColor, font->FColor) && SameName(FName, font->FName);
}

void TXc12Font::DumpText(int32_t level, rtl::UnicodeString& text) const {
    AppendDumpLine(text, level, rtl::Format(u"Name   : %s", {FName}));
    AppendDumpLine(text, level, u"Size   : " + rtl::FloatToStr(FSize, rtl::TFormatSettings::Invariant()));
    if (FCharset != 0) {
        AppendDumpLine(text, level, rtl::Format(u"CharSet: %d", {FCharset}));
    }
    if (FFamily != 0) {
        AppendDumpLine(text, level, rtl::Format(u"Family : %d", {FFamily}));
    }
    if (!FStyle.IsEmpty()) {
        AppendDumpLine(text, level, u"Style  :");
        for (size_t style = 0; style < std::size(FontStyleNames); ++style) {
            if (FStyle.Contains(static_cast<TXc12FontStyle>(style))) {
                AppendDumpLine(text, level + 1, FontStyleNames[style]);
            }
        }
    }
    AppendEnumLine(text, level, UnderlineLines, FUnderline);
    AppendEnumLine(text, level, SubSuperscriptLines, FSubSuperscript);
    AppendEnumLine(text, level, SchemeLines, FScheme);
    AppendDumpLine(text, level, u"Color  :");
    DumpColorText(FColor, level + 1, text);
}

void TXc12Font::CalcHash() {
    // The name is hashed as Equals compares it, folded, so that equal fonts hash alike.
    uint32_t hash = 0;
    for (const char16_t unit : rtl::WideUpperCase(FName)) {
        hash += unit;
    }
    hash += static_cast<uint32_t>(FCharset) + static_cast<uint32_t>(FFamily) + static_cast<uint32_t>(FStyle.Bits()) +
            FUnderline + FSubSuperscript + HashColorRec(FColor) + static_cast<uint32_t>(RoundToInt32(FSize * 100)) +
            FScheme;
    SetHash(static_cast<int32_t>(hash));
    SetHashValid(true);
}

TXc12Font* TXc12Fonts::FindFont(const TXc12Font& font) const {
    for (int32_t i = 0; i < Count(); ++i) {
        TXc12Font* candidate = GetItem(i);
        if (candidate->Equals(font)) {
            return candidate;
        }
    }
    return nullptr;
}

void TXc12Fonts::CalcDigitWidth() {
    FMaxDigitWidth = 0;
    if (Count() == 0) {
        return;
    }
    const TXLSPlatform& platform = XLSPlatform();
    const TXc12Font* font = GetDefaultFont();
    FMaxDigitWidth = platform.MaxDigitWidth(font->GetDescription());
    FDefaultFontHeight = font->GetLogFont(platform.GetPixelsPerInch().Vertical).lfHeight;
}

void TXc12Fonts::AddDefaults() {
    TXc12Font* font = Add();
    font->SetPredefined(true);
    font->SetName(u"Calibri");
    TXc12ColorRec color;
    color.ColorType = exctTheme;
    color.Index = 1;
    font->SetColor(color);
    font->SetFamily(2);
    font->SetScheme(efsMinor);
    // Last, so that the digit width is measured for the whole default font.
    font->SetSize(11);
}

} // namespace xls
