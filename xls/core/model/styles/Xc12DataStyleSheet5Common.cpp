#include "xls/core/model/styles/Xc12DataStyleSheet5Common.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/Format.h"
#include "xls/core/base/XLSUtils.h"

#include <cmath>
#include <limits>

namespace xls {

namespace {

uint8_t ColorKind(const TXc12ColorRec& color) {
    return color.ColorType & 0x7F;
}

rtl::UnicodeString ColorKindLine(const TXc12ColorRec& color) {
    switch (ColorKind(color)) {
    case exctAuto:
        return u"Auto";
    case exctIndexed:
        return rtl::Format(u"Indexed: %d", {color.Index});
    case exctRgb:
        return rtl::Format(u"RGB: %.8X", {color.ARGB}, rtl::TFormatSettings::Invariant());
    case exctTheme:
        return rtl::Format(u"Theme: %d", {color.Index});
    default:
        return u"!UNASSIGNED!";
    }
}

} // namespace

void CheckListIndex(int32_t index, int32_t count) {
    if (index < 0 || index >= count) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
}

bool SameStyleObjects(const TXLSStyleObject* a, const TXLSStyleObject* b) {
    return a == b || (a != nullptr && b != nullptr && a->Equals(*b));
}

uint32_t StyleObjectHash(TXLSStyleObject* object) {
    return object != nullptr ? static_cast<uint32_t>(object->GetHash()) : 0;
}

void AppendDumpLine(rtl::UnicodeString& text, int32_t level, rtl::UnicodeStringView line) {
    text += IndentText(level);
    text += line;
    text += u'\r';
}

void DumpColorText(const TXc12ColorRec& color, int32_t level, rtl::UnicodeString& text) {
    const rtl::TFormatSettings& invariant = rtl::TFormatSettings::Invariant();
    AppendDumpLine(text, level, rtl::Format(u"ARGB: %.8X", {color.RGB}, invariant));
    AppendDumpLine(text, level, rtl::Format(u"Tint: %.2f", {color.Tint}, invariant));
    AppendDumpLine(text, level, u"Color type:");
    AppendDumpLine(text, level, ColorKindLine(color));
}

void UpdateIndexedColor(TXc12ColorRec& color, const TXc12Palette& palette) {
    if (ColorKind(color) == exctIndexed) {
        color.RGB = palette.GetColor(color.Index);
    }
}

int32_t RoundToInt32(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double Low = std::numeric_limits<int32_t>::min();
    constexpr double High = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::nearbyint(std::fmin(std::fmax(value, Low), High)));
}

void TXc12ColorObj::SetColor(const TXc12ColorRec& color) {
    FColor = color;
    SetHashValid(false);
}

void TXc12ColorObj::UpdateIndexedColors(const TXc12Palette& palette) {
    UpdateIndexedColor(FColor, palette);
}

bool TXc12ColorObj::Equals(const TXLSStyleObject& other) const {
    const auto* color = dynamic_cast<const TXc12ColorObj*>(&other);
    return color != nullptr && SameColorRec(FColor, color->FColor);
}

void TXc12ColorObj::CalcHash() {
    SetHash(static_cast<int32_t>(HashColorRec(FColor)));
    SetHashValid(true);
}

TXc12ColorObj* TXc12ColorObjs::AddColor(const TXc12ColorRec& color) {
    TXc12ColorObj* added = Add();
    added->SetColor(color);
    return added;
}

void TXc12IndexColorObj::SetRGB(uint32_t rgb) {
    FRGB = rgb;
    SetHashValid(false);
}

bool TXc12IndexColorObj::Equals(const TXLSStyleObject& other) const {
    const auto* color = dynamic_cast<const TXc12IndexColorObj*>(&other);
    return color != nullptr && FRGB == color->FRGB;
}

void TXc12IndexColorObj::CalcHash() {
    SetHash(static_cast<int32_t>(FRGB));
    SetHashValid(true);
}

} // namespace xls
