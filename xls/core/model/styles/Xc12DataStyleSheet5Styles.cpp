#include "xls/core/model/styles/Xc12DataStyleSheet5Styles.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/StringUtils.h"
#include "xls/core/base/XLSUtils.h"

namespace xls {

bool TXc12CellStyle::Equals(const TXLSStyleObject& other) const {
    const auto* style = dynamic_cast<const TXc12CellStyle*>(&other);
    return style != nullptr && FBuiltInId == style->FBuiltInId && FCustomBuiltIn == style->FCustomBuiltIn &&
           FHidden == style->FHidden && FOutlineLevel == style->FOutlineLevel && FName == style->FName &&
           SameStyleObjects(FFormat, style->FFormat);
}

void TXc12CellStyle::CalcHash() {
    const uint32_t nameHash = Crc32(FName.data(), static_cast<int32_t>(FName.size() * sizeof(char16_t)));
    const uint32_t hash =
        nameHash + FCustomBuiltIn + static_cast<uint32_t>(FBuiltInId) + FHidden + static_cast<uint32_t>(FOutlineLevel);
    SetHash(static_cast<int32_t>(hash ^ StyleObjectHash(FFormat)));
}

TXc12CellStyle* TXc12CellStyles::Find(rtl::UnicodeStringView name) const {
    for (int32_t i = 0; i < Count(); ++i) {
        TXc12CellStyle* style = GetItem(i);
        if (rtl::WideSameText(style->GetName(), name)) {
            return style;
        }
    }
    return nullptr;
}

TXc12CellStyle* TXc12CellStyles::FindOrAdd(rtl::UnicodeStringView name) {
    if (TXc12CellStyle* style = Find(name)) {
        return style;
    }
    TXc12CellStyle* style = Add();
    style->SetName(name);
    return style;
}

void TXc12CellStyles::AddDefaults() {
    TXc12CellStyle* normal = Add();
    normal->SetPredefined(true);
    normal->SetName(u"Normal");
}

TXc12TableStyleElement* TXc12TableStyleElements::Add() {
    return FItems.emplace_back(std::make_unique<TXc12TableStyleElement>()).get();
}

TXc12TableStyleElement* TXc12TableStyleElements::GetItem(int32_t index) const {
    CheckListIndex(index, Count());
    return FItems[static_cast<size_t>(index)].get();
}

void TXc12TableStyle::Clear() {
    FElements.Clear();
    FName.clear();
    FPivot = true;
    FTable = true;
}

bool TXc12TableStyle::Equals(const TXLSStyleObject& /*other*/) const {
    throw rtl::EInvalidOperation(u"Table styles can not be compared");
}

void TXc12TableStyle::CalcHash() {
    throw rtl::EInvalidOperation(u"Table styles have no hash");
}

void TXc12TableStyles::Clear() {
    TXc12StyleObjectList::Clear();
    FDefaultTableStyle.clear();
    FDefaultPivotStyle.clear();
}

} // namespace xls
