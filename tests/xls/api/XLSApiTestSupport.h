#pragma once
// Helpers of the component and facade tests: a component that frees itself, direct access to a sheet's model, and
// files written for one test.

#include "rtl/FileStream.h"
#include "rtl/FileUtils.h"
#include "rtl/StringTypes.h"
#include "rtl/StringUtils.h"
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

// A file in the temporary folder holding bytes, removed again by the destructor.
class TTempFile {
public:
    // The file is named after the running test too: ctest runs test cases side by side, each in its own process.
    TTempFile(rtl::UnicodeStringView name, const std::vector<uint8_t>& bytes)
        : FName(rtl::GetTempDirectory() + u"tallyvane-" +
                rtl::U16(testing::UnitTest::GetInstance()->current_test_info()->name()) + u"-" +
                rtl::UnicodeString(name)) {
        rtl::TFileStream file(FName, rtl::fmCreate);
        if (!bytes.empty()) {
            file.Write(bytes.data(), static_cast<int32_t>(bytes.size()));
        }
    }
    TTempFile(const TTempFile&) = delete;
    TTempFile& operator=(const TTempFile&) = delete;
    ~TTempFile() { rtl::RemoveFile(FName); }

    const rtl::UnicodeString& Name() const { return FName; }

private:
    rtl::UnicodeString FName;
};

// The path of a fixture of these tests.
inline rtl::UnicodeString FixturePath(const std::string& name) {
    return test_support::DataPath("api/" + name);
}

// The bytes of a fixture of these tests.
inline std::vector<uint8_t> FixtureBytes(const std::string& name) {
    rtl::TFileStream file(FixturePath(name), rtl::fmOpenRead);
    std::vector<uint8_t> bytes(static_cast<size_t>(file.Size()));
    file.Read(bytes.data(), static_cast<int32_t>(bytes.size()));
    return bytes;
}

} // namespace xls::api_test
