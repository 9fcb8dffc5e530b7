#include "ui/data/values/uiValueTypeClassList.h"

#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <algorithm>

namespace ui {

void TuiValueTypeClassList::Register(TuiValueTypeClass valueType) {
    if (std::find(FItems.begin(), FItems.end(), valueType) == FItems.end()) {
        FItems.push_back(valueType);
    }
}

void TuiValueTypeClassList::Unregister(TuiValueTypeClass valueType) {
    std::erase(FItems, valueType);
}

TuiValueTypeClass TuiValueTypeClassList::FindByCaption(rtl::UnicodeStringView caption) const {
    const auto found = std::find_if(FItems.begin(), FItems.end(),
                                    [caption](TuiValueTypeClass item) { return item->GetCaption() == caption; });
    return found != FItems.end() ? *found : nullptr;
}

TuiValueTypeClassList& GetValueTypeClassList() {
    static TuiValueTypeClassList list = [] {
        TuiValueTypeClassList library;
        for (TuiValueTypeClass valueType : std::initializer_list<TuiValueTypeClass>{
                 &TuiStringValueType::Instance(), &TuiWideStringValueType::Instance(),
                 &TuiSmallintValueType::Instance(), &TuiIntegerValueType::Instance(), &TuiWordValueType::Instance(),
                 &TuiBooleanValueType::Instance(), &TuiFloatValueType::Instance(), &TuiCurrencyValueType::Instance(),
                 &TuiDateTimeValueType::Instance(), &TuiLargeIntValueType::Instance(), &TuiFMTBcdValueType::Instance(),
                 &TuiSQLTimeStampValueType::Instance(), &TuiVariantValueType::Instance(),
                 &TuiObjectValueType::Instance()}) {
            library.Register(valueType);
        }
        return library;
    }();
    return list;
}

bool IsDateValueType(TuiValueTypeClass valueType) {
    return valueType == &TuiDateTimeValueType::Instance() || valueType == &TuiSQLTimeStampValueType::Instance();
}

} // namespace ui
