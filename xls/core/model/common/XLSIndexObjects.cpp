#include "xls/core/model/common/XLSIndexObjects.h"

#include "rtl/core/Exceptions.h"
#include "rtl/core/Lists.h"
#include "rtl/text/Format.h"

namespace xls {

namespace {

[[noreturn]] void RaiseListError(const char16_t* message, int32_t value) {
    throw rtl::EListError(rtl::Format(message, {value}));
}

// Both lists stop where the runtime's lists stop, so that a hostile count cannot make them grow without end.
void CheckRoomForOneMore(size_t count) {
    if (count >= static_cast<size_t>(rtl::MaxListSize)) {
        RaiseListError(rtl::RtlMessages::ListCountError, static_cast<int32_t>(count) + 1);
    }
}

} // namespace

int32_t TIntegerList::Add(int32_t value) {
    CheckRoomForOneMore(FItems.size());
    FItems.push_back(value);
    return Count() - 1;
}

int32_t TIntegerList::Pop() {
    if (FItems.empty()) {
        RaiseListError(rtl::RtlMessages::ListIndexError, -1);
    }
    const int32_t value = FItems.back();
    FItems.pop_back();
    return value;
}

int32_t TIntegerList::Get(int32_t index) const {
    if (index < 0 || index >= Count()) {
        RaiseListError(rtl::RtlMessages::ListIndexError, index);
    }
    return FItems[static_cast<size_t>(index)];
}

rtl::TObject* TIndexObject::GetObject(const rtl::TMetaclass& /*metaclass*/) {
    return nullptr;
}

int32_t TIndexObjectList::Add(std::unique_ptr<TIndexObject> item) {
    CheckRoomForOneMore(FItems.size());
    const int32_t index = Count();
    if (item != nullptr) {
        item->SetIndex(index);
    }
    FItems.push_back(std::move(item));
    return index;
}

void TIndexObjectList::Delete(int32_t index) {
    Extract(index);
}

std::unique_ptr<TIndexObject> TIndexObjectList::Extract(int32_t index) {
    CheckIndex(index);
    std::unique_ptr<TIndexObject> item = std::move(FItems[static_cast<size_t>(index)]);
    FItems.erase(FItems.begin() + index);
    RenumberFrom(index);
    return item;
}

TIndexObjectList::~TIndexObjectList() {
    Clear();
}

void TIndexObjectList::Clear() {
    // The items are freed after the list is empty, so that an item whose destructor looks at its list finds it
    // consistent.
    const std::vector<std::unique_ptr<TIndexObject>> items = std::move(FItems);
    FItems.clear();
}

TIndexObject* TIndexObjectList::GetItem(int32_t index) const {
    CheckIndex(index);
    return FItems[static_cast<size_t>(index)].get();
}

void TIndexObjectList::CheckIndex(int32_t index) const {
    if (index < 0 || index >= Count()) {
        RaiseListError(rtl::RtlMessages::ListIndexError, index);
    }
}

// The items before index kept their positions, so only those from index on need new numbers.
void TIndexObjectList::RenumberFrom(int32_t index) {
    for (int32_t position = index; position < Count(); ++position) {
        if (TIndexObject* item = FItems[static_cast<size_t>(position)].get()) {
            item->SetIndex(position);
        }
    }
}

} // namespace xls
