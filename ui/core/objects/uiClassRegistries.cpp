#include "ui/core/objects/uiClassRegistries.h"

#include "rtl/core/ClassRegistry.h"
#include "rtl/core/Lists.h"
#include "rtl/text/StringUtils.h"
#include "ui/core/encoding/uxTextConversions.h"

#include <algorithm>

namespace ui {

bool TuiRegisteredClassList::FindNearest(TuiClass itemClass, int32_t& index) const {
    for (int32_t i = GetCount() - 1; i >= 0; --i) {
        const TuiClass listed = FItems[i].ItemClass;
        if (itemClass->InheritsFrom(*listed)) {
            index = i;
            return true;
        }
        if (listed->InheritsFrom(*itemClass)) {
            index = i;
        }
    }
    return false;
}

void TuiRegisteredClassList::Register(TuiClass itemClass, TuiClass registeredClass) {
    int32_t index = GetCount();
    if (FindNearest(itemClass, index)) {
        ++index;
    }
    FItems.insert(FItems.begin() + index, {itemClass, registeredClass});
}

void TuiRegisteredClassList::Unregister(TuiClass itemClass, TuiClass registeredClass) {
    std::erase_if(FItems, [&](const TuiRegisteredClassListItemData& item) {
        return item.ItemClass == itemClass && item.RegisteredClass == registeredClass;
    });
}

TuiClass TuiRegisteredClassList::LookupClass(TuiClass itemClass) const {
    int32_t index = -1;
    return FindNearest(itemClass, index) ? FItems[index].RegisteredClass : nullptr;
}

void TuiRegisteredClasses::Register(TuiClass registeredClass, rtl::UnicodeStringView description) {
    if (IndexOfClass(registeredClass) >= 0) {
        return;
    }
    FItems.push_back({rtl::UnicodeString(description), registeredClass});
    if (FSorted) {
        SortByDescription();
    }
    if (FRegisterWithStreaming) {
        rtl::RegisterClass(*registeredClass);
    }
}

void TuiRegisteredClasses::Unregister(TuiClass registeredClass) {
    std::erase_if(FItems, [&](const TEntry& entry) { return entry.Class == registeredClass; });
}

int32_t TuiRegisteredClasses::IndexOfClass(TuiClass registeredClass) const {
    const auto found =
        std::find_if(FItems.begin(), FItems.end(), [&](const TEntry& entry) { return entry.Class == registeredClass; });
    return found == FItems.end() ? -1 : static_cast<int32_t>(found - FItems.begin());
}

rtl::UnicodeString TuiRegisteredClasses::GetDescriptionText(int32_t index) const {
    return TextBeforeBar(FItems.at(index).Description);
}

TuiClass TuiRegisteredClasses::FindClassByName(rtl::UnicodeStringView name) const {
    for (const TEntry& entry : FItems) {
        if (entry.Class->ClassName() == name) {
            return entry.Class;
        }
    }
    return nullptr;
}

void TuiRegisteredClasses::SetSortedMode(bool value) {
    if (value == FSorted) {
        return;
    }
    FSorted = value;
    if (FSorted) {
        SortByDescription();
    }
}

int TuiRegisteredClasses::CompareDescriptions(int32_t index1, int32_t index2) const {
    return rtl::WideCompareText(FItems[index1].Description, FItems[index2].Description);
}

void TuiRegisteredClasses::SortByDescription() {
    const std::vector<int32_t> order = rtl::StableSortOrder(
        GetCount(), [this](int32_t first, int32_t second) { return CompareDescriptions(first, second); });
    std::vector<TEntry> sorted;
    sorted.reserve(FItems.size());
    for (const int32_t position : order) {
        sorted.push_back(std::move(FItems[position]));
    }
    FItems = std::move(sorted);
}

} // namespace ui
