// Writing out the helper program from the program's resource, and what the program knows of itself.

#include "upgrade/auUpgradeHelper.h"

#include "UpgradeTestSupport.h"
#include "rtl/WindowsApi.h"
#include "rtl/io/FileUtils.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

TEST(auUpgradeHelper, TheHelperIsWrittenWholeOrNotAtAll) {
    const fs::path path =
        fs::temp_directory_path() / ("auUpgradeHelper" + std::to_string(GetCurrentProcessId()) + ".exe");
    const rtl::UnicodeString name(path.u16string());
    std::ofstream(path, std::ios::binary) << "an older and longer helper program";
    EXPECT_TRUE(au::HasUpgradeHelper(GetModuleHandleW(nullptr)));
    ASSERT_TRUE(au::WriteUpgradeHelper(GetModuleHandleW(nullptr), name));
    EXPECT_EQ(au_test::ReadFileBytes(path), "stand-in helper");
    fs::remove(path);

    const HMODULE withoutHelper = GetModuleHandleW(L"kernel32.dll");
    EXPECT_FALSE(au::HasUpgradeHelper(withoutHelper));
    EXPECT_FALSE(au::WriteUpgradeHelper(withoutHelper, name));
    EXPECT_FALSE(fs::exists(path));
    EXPECT_FALSE(au::WriteUpgradeHelper(GetModuleHandleW(nullptr), name + u".missing\\helper.exe"));
}

TEST(auUpgradeHelper, TheProgramKnowsItsPathAndFirstParameter) {
    const rtl::UnicodeString path = au::ExecutablePath();
    EXPECT_TRUE(rtl::FileExists(path));
    EXPECT_EQ(rtl::ExtractFileName(path), u"upgrade_tests.exe");
    EXPECT_FALSE(au::StartProgram(path + u".missing"));
}

} // namespace
