#pragma once
// The owning list most plain holders of the workbook model live in: each item is made by the list, already cleared
// by its constructor, and freed with it.

#include "rtl/core/Lists.h"

#include <cstdint>
#include <memory>

namespace xls {

// An owning list whose items are all of class T; positions outside the list raise the list's index error.
template <class T>
class TXc12OwnedList : public rtl::TObjectList {
public:
    // Appends a new, cleared item and returns it.
    T* Add() {
        auto item = std::make_unique<T>();
        TObjectList::Add(item.get());
        return item.release();
    }
    T* GetItem(int32_t index) const { return static_cast<T*>(TObjectList::GetItem(index)); }
};

} // namespace xls
