#include "xls/core/model/styles/Xc12DataStyleSheet5Fills.h"

#include <cmath>
#include <iterator>

namespace xls {

namespace {

constexpr double GradientTolerance = 1e-6;

constexpr rtl::UnicodeStringView PatternNames[] = {
    u"None",     u"Solid",     u"MediumGray",   u"DarkGray",    u"LightGray",       u"DarkHorizontal", u"DarkVertical",
    u"DarkDown", u"DarkUp",    u"DarkGrid",     u"DarkTrellis", u"LightHorizontal", u"LightVertical",  u"LightDown",
    u"LightUp",  u"LightGrid", u"LightTrellis", u"Gray125",     u"Gray0625",
};

bool Near(double a, double b) {
    return std::fabs(a - b) <= GradientTolerance;
}

bool SameStop(const TXc12GradientStop& a, const TXc12GradientStop& b) {
    return SameColorRec(a.Color, b.Color) && Near(a.Position, b.Position);
}

} // namespace

TXc12GradientStop& TXc12GradientStopList::AddStop(const TXc12ColorRec& color, double position) {
    return FStops.emplace_back(TXc12GradientStop{color, position});
}

const TXc12GradientStop& TXc12GradientStopList::GetItem(int32_t index) const {
    CheckListIndex(index, Count());
    return FStops[static_cast<size_t>(index)];
}

TXc12GradientStop& TXc12GradientStopList::GetItem(int32_t index) {
    CheckListIndex(index, Count());
    return FStops[static_cast<size_t>(index)];
}

void TXc12GradientFill::SetLeft(double left) {
    FLeft = left;
    FLeftGiven = true;
}

void TXc12GradientFill::SetRight(double right) {
    FRight = right;
    FRightGiven = true;
}

void TXc12GradientFill::SetTop(double top) {
    FTop = top;
    FTopGiven = true;
}

void TXc12GradientFill::SetBottom(double bottom) {
    FBottom = bottom;
    FBottomGiven = true;
}

void TXc12GradientFill::Assign(const TXc12GradientFill& other) {
    FStops = other.FStops;
    FGradientType = other.FGradientType;
    FDegree = other.FDegree;
    FLeft = other.FLeft;
    FRight = other.FRight;
    FTop = other.FTop;
    FBottom = other.FBottom;
    FLeftGiven = other.FLeftGiven;
    FRightGiven = other.FRightGiven;
    FTopGiven = other.FTopGiven;
    FBottomGiven = other.FBottomGiven;
}

void TXc12GradientFill::UpdateIndexedColors(const TXc12Palette& palette) {
    for (int32_t i = 0; i < FStops.Count(); ++i) {
        UpdateIndexedColor(FStops.GetItem(i).Color, palette);
    }
}

bool TXc12GradientFill::Equals(const TXLSStyleObject& other) const {
    const auto* gradient = dynamic_cast<const TXc12GradientFill*>(&other);
    if (gradient == nullptr || FStops.Count() != gradient->FStops.Count() || FGradientType != gradient->FGradientType) {
        return false;
    }
    for (int32_t i = 0; i < FStops.Count(); ++i) {
        if (!SameStop(FStops.GetItem(i), gradient->FStops.GetItem(i))) {
            return false;
        }
    }
    return Near(FDegree, gradient->FDegree) && Near(FLeft, gradient->FLeft) && Near(FRight, gradient->FRight) &&
           Near(FTop, gradient->FTop) && Near(FBottom, gradient->FBottom);
}

void TXc12GradientFill::CalcHash() {
    SetHash(0);
}

TXc12Fill* TXc12Fill::SetPatternType(TXc12FillPattern patternType) {
    FPatternType = patternType;
    return this;
}

void TXc12Fill::SetFgColor(const TXc12ColorRec& color) {
    FFgColor = color;
}

void TXc12Fill::SetBgColor(const TXc12ColorRec& color) {
    FBgColor = color;
}

void TXc12Fill::SetIsGradient(bool isGradient) {
    if (!isGradient) {
        FGradient.reset();
    } else if (FGradient == nullptr) {
        FGradient = std::make_unique<TXc12GradientFill>();
    }
}

void TXc12Fill::Assign(const TXc12Fill& other) {
    if (&other == this) {
        return;
    }
    SetIsGradient(other.IsGradient());
    if (other.IsGradient()) {
        FGradient->Assign(*other.FGradient);
        return;
    }
    FPatternType = other.FPatternType;
    FFgColor = other.FFgColor;
    FBgColor = other.FBgColor;
}

void TXc12Fill::Clear() {
    FGradient.reset();
    FPatternType = efpNone;
    FFgColor = {};
    FBgColor = {};
}

void TXc12Fill::UpdateIndexedColors(const TXc12Palette& palette) {
    UpdateIndexedColor(FFgColor, palette);
    UpdateIndexedColor(FBgColor, palette);
    if (FGradient != nullptr) {
        FGradient->UpdateIndexedColors(palette);
    }
}

bool TXc12Fill::Equals(const TXLSStyleObject& other) const {
    const auto* fill = dynamic_cast<const TXc12Fill*>(&other);
    if (fill == nullptr || IsGradient() != fill->IsGradient()) {
        return false;
    }
    if (IsGradient()) {
        return FGradient->Equals(*fill->FGradient);
    }
    return FPatternType == fill->FPatternType && SameColorRec(FFgColor, fill->FFgColor) &&
           SameColorRec(FBgColor, fill->FBgColor);
}

void TXc12Fill::DumpText(int32_t level, rtl::UnicodeString& text) const {
    if (IsGradient()) {
        AppendDumpLine(text, level, u"[Gradient - not shown]");
        return;
    }
    AppendDumpLine(text, level, u"Pattern:");
    if (FPatternType < std::size(PatternNames)) {
        AppendDumpLine(text, level + 1, PatternNames[FPatternType]);
    }
    // The two colour headings stand at the margin whatever the level.
    AppendDumpLine(text, 0, u"Foreground color:");
    DumpColorText(FFgColor, level + 1, text);
    AppendDumpLine(text, 0, u"Background color:");
    DumpColorText(FBgColor, level + 1, text);
}

void TXc12Fill::CalcHash() {
    if (IsGradient()) {
        SetHash(FGradient->GetHash());
        return;
    }
    SetHash(static_cast<int32_t>(HashColorRec(FFgColor) + HashColorRec(FBgColor) + FPatternType));
}

void TXc12Fills::AddDefaults() {
    Add()->SetPredefined(true);
    TXc12Fill* gray = Add();
    gray->SetPredefined(true);
    gray->SetPatternType(efpGray125);
}

} // namespace xls
