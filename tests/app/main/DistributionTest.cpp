// The distribution folder the build makes: the program with its manifest and version, and the two templates, which
// read back with the thirteen headers and nothing below them.

#include "ProgramVersion.h"
#include "rtl/WindowsApi.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "vcl/services/FileVersionInfo.h"
#include "xls/api/XLSSpreadsheet.h"
#include "xls/api/XLSWorksheet.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using test_support::Utf8;

rtl::UnicodeString DistFile(std::string_view name) {
    return rtl::Utf8ToUnicode(std::string(TALLYVANE_DIST_DIR) + std::string(name));
}

TEST(Distribution, TheProgramCarriesItsVersionAndTheManifestOfTheCommonControls) {
    const rtl::UnicodeString program = DistFile("Tallyvane.exe");
    EXPECT_EQ(Utf8(vcl::FileVersionText(program)), TALLYVANE_VERSION_TEXT);
    HMODULE module = LoadLibraryExW(reinterpret_cast<const wchar_t*>(program.c_str()), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    HRSRC manifest = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    EXPECT_NE(manifest, nullptr);
    EXPECT_NE(FindResourceW(module, L"MAINICON", MAKEINTRESOURCEW(14)), nullptr) << "the icon group";
    EXPECT_NE(FindResourceW(module, L"GLYPH_IMPORT", MAKEINTRESOURCEW(2)), nullptr);
    FreeLibrary(module);
}

class TemplateTest : public testing::TestWithParam<const char*> {};

TEST_P(TemplateTest, ReadsBackWithTheThirteenHeadersAndNoRowBelowThem) {
    const char* headers[] = {"商品名称",   "规格型号",     "计量单位",        "数量",       "单价",
                             "金额",       "税率",         "税收分类编码",    "企业自编码", "是否使用优惠政策",
                             "零税率标识", "优惠政策说明", "差额税计算扣除额"};
    xls::TXLSSpreadsheet spreadsheet(nullptr);
    spreadsheet.SetFilename(DistFile(GetParam()));
    spreadsheet.Read();
    xls::TXLSWorksheet& sheet = *spreadsheet.GetSheet(0);
    sheet.CalcDimensions();
    EXPECT_EQ(sheet.GetFirstRow(), 0);
    EXPECT_EQ(sheet.GetLastRow(), 0);
    EXPECT_EQ(sheet.GetFirstCol(), 0);
    ASSERT_EQ(sheet.GetLastCol(), 12);
    for (int32_t col = 0; col <= 12; ++col) {
        EXPECT_EQ(Utf8(sheet.GetAsString(col, 0)), headers[col]) << col;
    }
}

INSTANTIATE_TEST_SUITE_P(Distribution, TemplateTest, testing::Values("开票清单模板.xlsx", "开票清单模板.xls"));

} // namespace
