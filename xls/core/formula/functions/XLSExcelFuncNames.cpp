#include "xls/core/formula/functions/XLSExcelFuncNames.h"

#include "rtl/text/Format.h"
#include "xls/core/formula/functions/XLSFunctionTables.h"
#include "xls/core/formula/tokens/XLSFormulaError.h"

#include <algorithm>

namespace xls {

namespace {

// ASCII letters in upper case; every other unit as it is, so that no character outside ASCII folds onto a letter.
char16_t FoldFuncNameUnit(char16_t unit) {
    return unit >= u'a' && unit <= u'z' ? static_cast<char16_t>(unit - u'a' + u'A') : unit;
}

bool SameFuncName(rtl::UnicodeStringView name, rtl::UnicodeStringView upperName) {
    return name.size() == upperName.size() &&
           std::equal(name.begin(), name.end(), upperName.begin(),
                      [](char16_t unit, char16_t upper) { return FoldFuncNameUnit(unit) == upper; });
}

const TXc12FuncData& KnownFunction(int32_t id) {
    const TXc12FuncData* function = TXLSExcelFuncNames::FindId(id);
    if (function == nullptr) {
        throw EXLSFormulaError(rtl::Format(FuncNamesMessages::UnknownFunctionId, {id}));
    }
    return *function;
}

} // namespace

int32_t TXLSExcelFuncNames::FindName(rtl::UnicodeStringView name) {
    uint32_t hash = XLSFuncNameHashBasis;
    for (const char16_t unit : name) {
        hash = XLSFuncNameHashStep(hash, FoldFuncNameUnit(unit));
    }
    const auto records = XLSFuncDataRecords();
    const auto slots = XLSFuncNameSlots();
    // The generator leaves most slots empty, so every probe run ends.
    for (size_t slot = XLSFuncNameFirstSlot(hash); slots[slot] != 0; slot = (slot + 1) % slots.size()) {
        const TXc12FuncData& function = records[slots[slot] - 1];
        if (SameFuncName(name, function.Name)) {
            return function.Id;
        }
    }
    return -1;
}

rtl::UnicodeStringView TXLSExcelFuncNames::GetName(int32_t id) {
    if (id < 0 || id > XLSFuncDataRecords().back().Id) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {id}));
    }
    const TXc12FuncData* function = FindId(id);
    return function != nullptr ? function->Name : rtl::UnicodeStringView();
}

int32_t TXLSExcelFuncNames::MinArgs(int32_t id) {
    return KnownFunction(id).MinArgs;
}

bool TXLSExcelFuncNames::IsFixedArgs(int32_t id) {
    const TXc12FuncData& function = KnownFunction(id);
    return function.MinArgs == function.MaxArgs;
}

const TXc12FuncData* TXLSExcelFuncNames::FindId(int32_t id) {
    const auto records = XLSFuncDataRecords();
    const auto found = std::lower_bound(records.begin(), records.end(), id,
                                        [](const TXc12FuncData& function, int32_t key) { return function.Id < key; });
    return found != records.end() && found->Id == id ? &*found : nullptr;
}

} // namespace xls
