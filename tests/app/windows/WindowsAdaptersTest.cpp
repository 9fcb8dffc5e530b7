// The Windows side of the application's interfaces: message dialogs, the registry read for reading alone, and
// version resources.

#include "app/invoice/ProgramFiles.h"
#include "app/windows/VclUserMessages.h"
#include "app/windows/WindowsFileVersionSource.h"
#include "app/windows/WindowsRegistryReader.h"
#include "rtl/WindowsApi.h"
#include "rtl/io/FileUtils.h"
#include "rtl/text/Format.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/MessageBoxes.h"
#include "vcl/services/Registry.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using test_support::Utf8;

TEST(VclUserMessages, EachMessageIsTheDialogOfItsKind) {
    ui_test::TRecordedMessageBoxes boxes;
    boxes.Answers = {IDOK, IDOK, IDOK, IDOK, IDNO, IDYES};
    app::TVclUserMessages messages;
    messages.ShowBox(app::mkError, u"请先导入按照模板格式填写的销货清单（Excel表格）！");
    messages.ShowBox(app::mkWarning, u"超过限额");
    messages.ShowBox(app::mkInformation, u"合计");
    messages.ShowMessage(u"第2行第6列数据格式错误");
    EXPECT_FALSE(messages.AskYesNo(u"含税价吗？"));
    EXPECT_TRUE(messages.AskYesNo(u"含税价吗？"));
    ASSERT_EQ(boxes.Shown.size(), 6u);
    const uint32_t flags[] = {MB_OK | MB_ICONERROR,       MB_OK | MB_ICONWARNING,    MB_OK | MB_ICONINFORMATION, MB_OK,
                              MB_YESNO | MB_ICONQUESTION, MB_YESNO | MB_ICONQUESTION};
    for (size_t index = 0; index < boxes.Shown.size(); ++index) {
        EXPECT_EQ(boxes.Shown[index].Flags, flags[index]) << index;
    }
    EXPECT_EQ(Utf8(boxes.Shown[0].Text), "请先导入按照模板格式填写的销货清单（Excel表格）！");
    EXPECT_EQ(Utf8(boxes.Shown[0].Caption), "错误");
}

class WindowsRegistryReader : public testing::Test {
protected:
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, reinterpret_cast<const wchar_t*>(KeyPath.c_str())); }

    const rtl::UnicodeString KeyPath =
        rtl::Format(u"Software\\Tallyvane应用测试_%d", {static_cast<int32_t>(GetCurrentProcessId())});
    app::TWindowsRegistryReader Reader;
};

TEST_F(WindowsRegistryReader, ReadsTextValuesAndNothingElse) {
    {
        vcl::TRegistry registry;
        ASSERT_TRUE(registry.OpenKey(KeyPath, true));
        registry.WriteString(u"DisplayIcon", u"C:\\开票软件\\开票.exe");
        registry.WriteInteger(u"Number", 7);
    }
    EXPECT_TRUE(Reader.KeyExists(app::rhCurrentUser, KeyPath));
    EXPECT_EQ(Utf8(Reader.ReadString(app::rhCurrentUser, KeyPath, u"DisplayIcon")), "C:\\开票软件\\开票.exe");
    EXPECT_EQ(Reader.ReadString(app::rhCurrentUser, KeyPath, u"Number"), u"") << "not text";
    EXPECT_EQ(Reader.ReadString(app::rhCurrentUser, KeyPath, u"Missing"), u"");
    EXPECT_FALSE(Reader.KeyExists(app::rhCurrentUser, KeyPath + u"\\不存在"));
    EXPECT_FALSE(Reader.KeyExists(app::rhLocalMachine, KeyPath));
    EXPECT_EQ(Reader.ReadString(app::rhCurrentUser, KeyPath + u"\\不存在", u"DisplayIcon"), u"");
    EXPECT_TRUE(Reader.KeyExists(app::rhLocalMachine, u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion"));
}

TEST_F(WindowsRegistryReader, TheDesktopFolderIsAFolderOfThisComputer) {
    const rtl::UnicodeString desktop = app::GetDesktopFolder(Reader);
    ASSERT_FALSE(desktop.empty());
    EXPECT_TRUE(rtl::DirectoryExists(desktop)) << Utf8(desktop);
}

TEST(WindowsFileVersionSource, ReadsTheFixedFileVersion) {
    const app::TWindowsFileVersionSource source;
    wchar_t system[MAX_PATH] = {};
    ASSERT_GT(GetSystemDirectoryW(system, MAX_PATH), 0u);
    const rtl::UnicodeString kernel = rtl::UnicodeString(reinterpret_cast<const char16_t*>(system)) + u"\\kernel32.dll";
    const std::optional<app::TFileVersionNumbers> version = source.ReadFileVersion(kernel);
    ASSERT_TRUE(version);
    EXPECT_GT((*version)[0], 0);
    const rtl::UnicodeString text = app::GetFileVersionString(source, kernel);
    EXPECT_EQ(std::count(text.begin(), text.end(), u'.'), 3) << Utf8(text);

    app_test::TTempFolder folder;
    const rtl::UnicodeString plain = folder.Path() + u"无版本.txt";
    app_test::WriteFileBytes(plain, "no version resource");
    EXPECT_EQ(source.ReadFileVersion(plain), std::nullopt);
    EXPECT_EQ(app::GetFileVersionString(source, plain), u"");
}

} // namespace
