#pragma once
// The registry of value types by caption, through which the data controller and the grid pick a column's type
// ("Integer", "Currency", "String"...). The fourteen types of the library are registered when the registry is first
// used, in the order String, WideString, Smallint, Integer, Word, Boolean, Float, Currency, DateTime, LargeInt,
// FMTBcd, SQLTimeStamp, Variant, Object.

#include "ui/data/values/uiValueType.h"

#include <vector>

namespace ui {

class TuiValueTypeClassList {
public:
    // Appends the class unless it is registered already.
    void Register(TuiValueTypeClass valueType);
    void Unregister(TuiValueTypeClass valueType);
    // The first class whose caption is exactly caption (case-sensitive), or nullptr.
    TuiValueTypeClass FindByCaption(rtl::UnicodeStringView caption) const;
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    TuiValueTypeClass Items(int32_t index) const { return FItems.at(index); }

private:
    std::vector<TuiValueTypeClass> FItems;
};

// The process-wide registry.
TuiValueTypeClassList& GetValueTypeClassList();

// The DateTime and SQLTimeStamp types themselves (no other type counts).
bool IsDateValueType(TuiValueTypeClass valueType);

} // namespace ui
