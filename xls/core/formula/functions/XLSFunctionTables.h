#pragma once
// The generated data of the worksheet function list and the BIFF function table (XLSFunctionTables.cpp, written by
// tools/xlsfuncgen). Read it through TXLSExcelFuncNames and BIFF_ExcelFunc.h.

#include "xls/core/formula/functions/BIFF_ExcelFunc.h"
#include "xls/core/formula/functions/XLSExcelFuncNames.h"
#include "xls/core/formula/functions/XLSFuncNameHash.h"

#include <cstdint>
#include <span>

namespace xls {

// The worksheet functions in ascending id order.
std::span<const TXc12FuncData> XLSFuncDataRecords();
// The name hash's slots: 0 for an empty slot, n + 1 for the record n of XLSFuncDataRecords.
std::span<const uint16_t, XLSFuncNameSlotCount> XLSFuncNameSlots();
// The BIFF function table, indexed by function number.
std::span<const TExcelFunctions, ExcelFunctionCount> ExcelFunctionRecords();

} // namespace xls
