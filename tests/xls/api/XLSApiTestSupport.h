#pragma once
// Helpers of the component and facade tests: a component that frees itself, direct access to a sheet's model, and
// files written for one test.

#include "rtl/io/FileStream.h"
#include "rtl/io/FileUtils.h"
#include "rtl/text/StringTypes.h"
#include "rtl/text/StringUtils.h"
#include "tests/support/TestSupport.h"
#include "xls/api/XLSSpreadsheet.h"
#include "xls/core/model/worksheet/Xc12DataWorksheet5.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace xls::api_test {

using TSpreadsheetPtr = std::unique_ptr<TXLSSpreadsheet, rtl::TComponentDeleter>;

inline TSpreadsheetPtr NewSpreadsheet() {
    return TSpreadsheetPtr(new TXLSSpreadsheet(nullptr));
}

inline TXc12DataWorksheet& DataSheet(TXLSWorksheet& sheet) {
    return *static_cast<TXc12DataWorksheet*>(sheet.GetObject(TXc12DataWorksheet::StaticClass()));
}

inline TXLSCellMMU& Cells(TXLSWorksheet& sheet) {
    return DataSheet(sheet).GetCells();
}

// The path of a fixture of these tests.
inline rtl::UnicodeString FixturePath(const std::string& name) {
    return test_support::DataPath("api/" + name);
}

// The bytes of a fixture of these tests.
inline std::vector<uint8_t> FixtureBytes(const std::string& name) {
    rtl::TFileStream file(FixturePath(name), rtl::fmOpenRead | rtl::fmShareDenyNone);
    std::vector<uint8_t> bytes(static_cast<size_t>(file.Size()));
    file.Read(bytes.data(), static_cast<int32_t>(bytes.size()));
    return bytes;
}

} // namespace xls::api_test
