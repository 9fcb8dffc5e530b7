#pragma once
// The empty .xls workbook the spreadsheet component starts from when it is switched to the BIFF format.

#include <cstdint>
#include <span>

namespace xls {

// The workbook's bytes as a zlib stream (with its header), and their size inflated.
std::span<const uint8_t> EmptyWorkbookCompressed();
int32_t EmptyWorkbookSize();

} // namespace xls
