#include "xls/core/model/common/XLSStyleObjects.h"

namespace xls {

TXLSStyleObject* TXLSStyleObject::AddRef() {
    ++FUseCount;
    return this;
}

void TXLSStyleObject::Release() {
    if (FUseCount > 0) {
        --FUseCount;
    }
}

int32_t TXLSStyleObject::GetHash() {
    if (!FHashValid) {
        CalcHash();
    }
    return FHash;
}

void TXLSStyleObject::DumpText(int32_t /*level*/, rtl::UnicodeString& /*text*/) const {}

int32_t TXLSStyleObjectList::Add(std::unique_ptr<TXLSStyleObject> object) {
    return TXLSIndexObjectList::Add(std::move(object));
}

TXLSStyleObject* TXLSStyleObjectList::GetItem(int32_t index) const {
    // Add admits only style objects.
    return static_cast<TXLSStyleObject*>(TXLSIndexObjectList::GetItem(index));
}

int32_t TXLSStyleObjectList::CountPredefined() const {
    int32_t count = 0;
    while (count < Count()) {
        const TXLSStyleObject* item = GetItem(count);
        if (item == nullptr || !item->Predefined()) {
            break;
        }
        ++count;
    }
    return count;
}

} // namespace xls
