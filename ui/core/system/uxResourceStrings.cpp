#include "ui/core/system/uxResourceStrings.h"

#include <algorithm>
#include <utility>

namespace ui {

TuxProductResourceStrings::TuxProductResourceStrings(rtl::UnicodeString key, TFillProc fill) : FKey(std::move(key)) {
    fill(*this);
}

void TuxProductResourceStrings::AddResString(const TuxResourceString& record) {
    const auto position =
        std::upper_bound(FStrings.begin(), FStrings.end(), rtl::UnicodeStringView(record.Name),
                         [](rtl::UnicodeStringView name, const TuxResourceString* item) { return name < item->Name; });
    FStrings.insert(position, &record);
}

const TuxResourceString* TuxProductResourceStrings::Find(rtl::UnicodeStringView name) const {
    const auto position = std::lower_bound(
        FStrings.begin(), FStrings.end(), name,
        [](const TuxResourceString* item, rtl::UnicodeStringView wanted) { return item->Name < wanted; });
    return position != FStrings.end() && (*position)->Name == name ? *position : nullptr;
}

void TuxResourceStringsRepository::RegisterProduct(rtl::UnicodeString key, TuxProductResourceStrings::TFillProc fill) {
    FProducts.push_back(std::make_unique<TuxProductResourceStrings>(std::move(key), fill));
}

void TuxResourceStringsRepository::UnregisterProduct(rtl::UnicodeStringView key) {
    const int32_t index = IndexOfProduct(key);
    if (index >= 0) {
        FProducts.erase(FProducts.begin() + index);
    }
}

int32_t TuxResourceStringsRepository::IndexOfProduct(rtl::UnicodeStringView key) const {
    for (size_t i = 0; i < FProducts.size(); ++i) {
        if (FProducts[i]->Key() == key) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

void TuxResourceStringsRepository::AddListener(IuxResourceStringsListener* listener) {
    if (listener && std::find(FListeners.begin(), FListeners.end(), listener) == FListeners.end()) {
        FListeners.push_back(listener);
    }
}

void TuxResourceStringsRepository::RemoveListener(IuxResourceStringsListener* listener) {
    std::erase(FListeners, listener);
}

TuxResourceStringsRepository& GetResourceStringsRepository() {
    static TuxResourceStringsRepository repository;
    return repository;
}

TuxProductRegistration::TuxProductRegistration(rtl::UnicodeString key, TuxProductResourceStrings::TFillProc fill)
    : FKey(key) {
    GetResourceStringsRepository().RegisterProduct(std::move(key), fill);
}

TuxProductRegistration::~TuxProductRegistration() {
    GetResourceStringsRepository().UnregisterProduct(FKey);
}

} // namespace ui
