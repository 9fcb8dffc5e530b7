#include "xls/core/model/styles/Xc12DataStyleSheet5Borders.h"

#include <iterator>

namespace xls {

namespace {

constexpr rtl::UnicodeStringView OptionNames[] = {u"DiagonalDown", u"DiagonalUp", u"Outline"};
constexpr rtl::UnicodeStringView SideNames[XC12BorderSideCount] = {
    u"Left: ", u"Top: ", u"Right: ", u"Bottom: ", u"Diagonal: ", u"Horizontal: ", u"Vertical: "};
constexpr rtl::UnicodeStringView BorderStyleNames[] = {
    u"None",
    u"Thin",
    u"Medium",
    u"Dashed",
    u"Dotted",
    u"Thick",
    u"Double",
    u"Hair",
    u"MediumDashed",
    u"DashDot",
    u"MediumDashDot",
    u"DashDotDot",
    u"MediumDashDotDot",
    u"SlantedDashDot",
};

void DumpSide(const TXc12BorderPr& side, rtl::UnicodeStringView name, int32_t level, rtl::UnicodeString& text) {
    AppendDumpLine(text, level, name);
    const rtl::UnicodeStringView style =
        side.GetStyle() < std::size(BorderStyleNames) ? BorderStyleNames[side.GetStyle()] : u"";
    AppendDumpLine(text, level + 1, rtl::UnicodeString(u"Style: ") + rtl::UnicodeString(style));
    AppendDumpLine(text, level + 1, u"Color: ");
    DumpColorText(side.GetColor(), level + 2, text);
}

} // namespace

void TXc12BorderPr::UpdateIndexedColors(const TXc12Palette& palette) {
    UpdateIndexedColor(FColor, palette);
}

bool TXc12BorderPr::Equals(const TXc12BorderPr& other) const {
    return FStyle == other.FStyle && SameColorRec(FColor, other.FColor);
}

uint32_t TXc12BorderPr::Hash() const {
    return HashColorRec(FColor) + FStyle;
}

void TXc12Border::Clear() {
    FOptions = 0;
    for (TXc12BorderPr& side : FSides) {
        side.Clear();
    }
}

void TXc12Border::UpdateIndexedColors(const TXc12Palette& palette) {
    for (TXc12BorderPr& side : FSides) {
        side.UpdateIndexedColors(palette);
    }
}

bool TXc12Border::Equals(const TXLSStyleObject& other) const {
    const auto* border = dynamic_cast<const TXc12Border*>(&other);
    if (border == nullptr || FOptions != border->FOptions) {
        return false;
    }
    for (size_t side = 0; side < FSides.size(); ++side) {
        if (!FSides[side].Equals(border->FSides[side])) {
            return false;
        }
    }
    return true;
}

void TXc12Border::DumpText(int32_t level, rtl::UnicodeString& text) const {
    if (FOptions != 0) {
        AppendDumpLine(text, level, u"Options: ");
        for (size_t option = 0; option < std::size(OptionNames); ++option) {
            if ((FOptions & (1u << option)) != 0) {
                AppendDumpLine(text, level + 1, OptionNames[option]);
            }
        }
    }
    for (size_t side = 0; side < FSides.size(); ++side) {
        if (FSides[side].GetStyle() != cbsNone) {
            DumpSide(FSides[side], SideNames[side], level, text);
        }
    }
}

void TXc12Border::CalcHash() {
    uint32_t hash = FOptions;
    for (const TXc12BorderPr& side : FSides) {
        hash ^= side.Hash();
    }
    SetHash(static_cast<int32_t>(hash));
}

void TXc12Borders::AddDefaults() {
    Add()->SetPredefined(true);
}

} // namespace xls
