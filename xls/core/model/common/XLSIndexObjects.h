#pragma once
// Lists the workbook model is built from: a list of integers that also serves as a stack, and owning lists whose items
// know their own position (sheets, images, pivot caches and style objects are found by position and report it).

#include "rtl/core/Metaclass.h"
#include "rtl/core/Object.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace xls {

// A list of 32-bit integers, used as a stack (Add, Pop) and as a list of positions.
class TIntegerList : public rtl::TObject {
public:
    int32_t Add(int32_t value);
    // Removes the last value and returns it; an empty list raises EListError.
    int32_t Pop();
    int32_t Get(int32_t index) const;
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    void Clear() { FItems.clear(); }

private:
    std::vector<int32_t> FItems;
};

// An object that knows its position in its TIndexObjectList.
class TIndexObject : public rtl::TObject {
public:
    int32_t Index() const { return FIndex; }
    void SetIndex(int32_t index) { FIndex = index; }
    // The part of this object that is of the class metaclass, for objects that combine several; none here.
    virtual rtl::TObject* GetObject(const rtl::TMetaclass& metaclass);

private:
    int32_t FIndex = 0;
};

// An owning list of TIndexObjects that keeps every item's Index equal to its position. Indexes are checked: a bad
// one raises EListError.
class TIndexObjectList : public rtl::TObject {
public:
    ~TIndexObjectList() override;

    // Appends item, which takes the position count - 1 as its Index; returns that position.
    int32_t Add(std::unique_ptr<TIndexObject> item);
    // Frees the item at index; the items after it move up and are renumbered.
    void Delete(int32_t index);
    // Hands the item at index back to the caller; the items after it move up and are renumbered.
    std::unique_ptr<TIndexObject> Extract(int32_t index);
    // Frees every item.
    void Clear();

    TIndexObject* GetItem(int32_t index) const;
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }

private:
    void CheckIndex(int32_t index) const;
    void RenumberFrom(int32_t index);

    std::vector<std::unique_ptr<TIndexObject>> FItems;
};

} // namespace xls
