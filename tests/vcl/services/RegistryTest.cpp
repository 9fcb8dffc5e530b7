// The registry: values written and read back, keys opened with and without creating, read-only opening, paths from
// the root or from the open key, the names of subkeys, and the 32-bit view of the local machine from the 64-bit
// program.

#include "vcl/services/Registry.h"

#include "rtl/WindowsApi.h"
#include "rtl/text/Format.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using test_support::MessageOf;
using test_support::Utf8;

// A key of its own for each run under Software, removed with everything below it at the end.
class RegistryTest : public testing::Test {
protected:
    void TearDown() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(KeyPath.c_str()));
        for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
            HKEY software = nullptr;
            if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software", 0, KEY_ALL_ACCESS | view, &software) == ERROR_SUCCESS) {
                RegDeleteTreeW(software, reinterpret_cast<const wchar_t*>(KeyName.c_str()));
                RegCloseKey(software);
            }
        }
    }

    const rtl::UnicodeString KeyName = rtl::Format(u"Tallyvane测试_%d", {static_cast<int32_t>(GetCurrentProcessId())});
    const rtl::UnicodeString KeyPath = u"Software\\" + KeyName;
};

TEST_F(RegistryTest, ValuesWrittenUnderTheCurrentUserReadBack) {
    {
        vcl::TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(KeyPath, true));
        registry.WriteString(u"Read", u"C:\\用户\\桌面\\销货清单.xlsx");
        registry.WriteInteger(u"KPXE", -2);
        registry.WriteString(u"", u"默认值");
    }
    vcl::TRegistry registry;
    ASSERT_TRUE(registry.OpenKeyReadOnly(u"\\" + KeyPath));
    EXPECT_EQ(Utf8(registry.CurrentPath()), Utf8(KeyPath));
    EXPECT_EQ(Utf8(registry.ReadString(u"Read")), "C:\\用户\\桌面\\销货清单.xlsx");
    EXPECT_EQ(registry.ReadInteger(u"KPXE"), -2);
    EXPECT_EQ(Utf8(registry.ReadString(u"")), "默认值");
    EXPECT_TRUE(registry.ValueExists(u"KPXE"));
    EXPECT_FALSE(registry.ValueExists(u"Missing"));
    EXPECT_EQ(registry.ReadString(u"Missing"), u"") << "a missing text reads as empty";
    EXPECT_EQ(MessageOf([&] { registry.ReadInteger(u"Missing"); }), "Failed to get data for 'Missing'");
    EXPECT_EQ(MessageOf([&] { registry.ReadInteger(u"Read"); }), "Invalid data type for 'Read'");
    EXPECT_EQ(MessageOf([&] { registry.ReadString(u"KPXE"); }), "Invalid data type for 'KPXE'");
}

TEST_F(RegistryTest, AMissingKeyOpenedWithoutCreatingFailsAndCreatesNothing) {
    vcl::TRegistry registry;
    const rtl::UnicodeString missing = KeyPath + u"\\不存在";
    EXPECT_FALSE(registry.OpenKey(missing, false));
    EXPECT_FALSE(registry.OpenKeyReadOnly(missing));
    EXPECT_EQ(registry.CurrentKey(), nullptr);
    EXPECT_FALSE(registry.KeyExists(missing));
    EXPECT_FALSE(registry.KeyExists(KeyPath)) << "not even the key above it";
    EXPECT_EQ(MessageOf([&] { registry.WriteString(u"Value", u"x"); }), "No registry key is open for 'Value'");
    EXPECT_EQ(MessageOf([&] { registry.ReadString(u"Value"); }), "No registry key is open for 'Value'");
}

TEST_F(RegistryTest, APathIsFromTheOpenKeyUnlessItStartsAtTheRoot) {
    vcl::TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(KeyPath, true));
    ASSERT_TRUE(registry.OpenKey(u"子键\\更深\\", true));
    EXPECT_EQ(Utf8(registry.CurrentPath()), Utf8(KeyPath + u"\\子键\\更深"));
    registry.WriteInteger(u"Depth", 2);
    EXPECT_TRUE(registry.KeyExists(u"\\" + KeyPath + u"\\子键"));
    ASSERT_TRUE(registry.OpenKey(u"\\" + KeyPath, false));
    EXPECT_EQ(Utf8(registry.CurrentPath()), Utf8(KeyPath));
    EXPECT_TRUE(registry.KeyExists(u"子键\\更深"));
    ASSERT_TRUE(registry.OpenKey(u"第二", true));
    ASSERT_TRUE(registry.OpenKey(u"\\" + KeyPath, false));
    EXPECT_EQ(registry.GetKeyNames(), (std::vector<rtl::UnicodeString>{u"子键", u"第二"})) << "in the order listed";
    registry.CloseKey();
    EXPECT_TRUE(registry.GetKeyNames().empty()) << "no key open";
    EXPECT_TRUE(registry.KeyExists(KeyPath + u"\\子键")) << "without an open key a path starts at the root";
}

TEST_F(RegistryTest, AKeyOpenedReadOnlyIsReadButNotWritten) {
    {
        vcl::TRegistry writer;
        ASSERT_TRUE(writer.OpenKey(KeyPath, true));
        writer.WriteString(u"DisplayIcon", u"C:\\开票软件\\bin\\kp.exe");
    }
    vcl::TRegistry registry;
    ASSERT_TRUE(registry.OpenKeyReadOnly(KeyPath));
    EXPECT_EQ(Utf8(registry.ReadString(u"DisplayIcon")), "C:\\开票软件\\bin\\kp.exe");
    EXPECT_EQ(MessageOf([&] { registry.WriteString(u"DisplayIcon", u"x"); }), "Failed to set data for 'DisplayIcon'");
    EXPECT_EQ(Utf8(registry.ReadString(u"DisplayIcon")), "C:\\开票软件\\bin\\kp.exe");
}

TEST_F(RegistryTest, The32BitViewOfTheLocalMachineIsReachableThroughWow6432Node) {
    vcl::TRegistry writer(KEY_ALL_ACCESS | KEY_WOW64_32KEY);
    writer.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(writer.OpenKey(KeyPath, true));
    writer.WriteString(u"DisplayIcon", u"C:\\Program Files (x86)\\开票软件\\kp.exe");
    writer.CloseKey();

    vcl::TRegistry reader;
    reader.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(reader.OpenKeyReadOnly(u"SOFTWARE\\Wow6432Node\\" + KeyName));
    EXPECT_EQ(Utf8(reader.ReadString(u"DisplayIcon")), "C:\\Program Files (x86)\\开票软件\\kp.exe");
    EXPECT_FALSE(reader.KeyExists(u"\\" + KeyPath)) << "the 64-bit view has no such key";

    vcl::TRegistry view32(KEY_READ | KEY_WOW64_32KEY);
    view32.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_TRUE(view32.OpenKeyReadOnly(KeyPath)) << "read-only opening keeps the view";
}

} // namespace
