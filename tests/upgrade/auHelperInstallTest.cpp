// The helper program's work: its parameter, the wait for the program to end, and the downloads put in place all or
// none.

#include "upgrade/auHelperInstall.h"

#include "UpgradeTestSupport.h"
#include "rtl/WindowsApi.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

TEST(auHelperInstall, TheParameterIsPlusTheRestartParametersAndTheMethodDigit) {
    au::TauHelperParameter parameter;
    ASSERT_TRUE(au::ParseHelperParameter(L"+/afterupgrade0", parameter));
    EXPECT_EQ(parameter.RestartParams, L"/afterupgrade");
    EXPECT_EQ(parameter.MethodDigit, L'0');
    ASSERT_TRUE(au::ParseHelperParameter(L"+ 1", parameter));
    EXPECT_EQ(parameter.RestartParams, L" ");
    EXPECT_EQ(parameter.MethodDigit, L'1');
    for (const wchar_t* refused : {L"", L"+0", L"/afterupgrade0", L"+/afterupgrade", L"+/afterupgrade2"}) {
        EXPECT_FALSE(au::ParseHelperParameter(refused, parameter)) << fs::path(refused).string();
    }
}

class HelperInstallFixture : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(Folder, Ignored);
        fs::create_directories(Folder);
    }
    void TearDown() override { fs::remove_all(Folder, Ignored); }

    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Folder / name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const { return au_test::ReadFileBytes(Folder / name); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const fs::directory_entry& entry : fs::directory_iterator(Folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::wstring FolderText() const { return Folder.wstring() + L"\\"; }
    // Installs while the file name is held open without sharing, so that it can be neither replaced nor moved.
    bool InstallWhileHeld(const std::string& name, std::vector<std::wstring>& installed) const {
        const HANDLE held = CreateFileW((Folder / name).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(held, INVALID_HANDLE_VALUE);
        const bool done = au::InstallDownloads(FolderText(), installed);
        CloseHandle(held);
        return done;
    }

    const fs::path Folder = fs::temp_directory_path() / ("auHelper" + std::to_string(GetCurrentProcessId()));
    std::error_code Ignored;
};

TEST_F(HelperInstallFixture, EveryDownloadReplacesItsFileOrJoinsTheFolder) {
    Write("Tallyvane.exe", "old program");
    Write("help.chm", "old help");
    Write("Tallyvane.exe.uTMP", "new program");
    Write("templates.xls.uTMP", "new templates");
    SetFileAttributesW((Folder / "Tallyvane.exe.uTMP").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY);
    std::vector<std::wstring> installed;
    ASSERT_TRUE(au::InstallDownloads(FolderText(), installed));
    EXPECT_EQ(installed, (std::vector<std::wstring>{FolderText() + L"Tallyvane.exe", FolderText() + L"templates.xls"}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Tallyvane.exe", "help.chm", "templates.xls"}));
    EXPECT_EQ(Read("Tallyvane.exe"), "new program");
    EXPECT_EQ(Read("templates.xls"), "new templates");
    EXPECT_EQ(Read("help.chm"), "old help");
    EXPECT_EQ(GetFileAttributesW((Folder / "Tallyvane.exe").c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

TEST_F(HelperInstallFixture, ADownloadThatCannotBePlacedLeavesEveryFileAsItWas) {
    Write("a.dll", "old a");
    Write("b.dll", "old b");
    Write("a.dll.uTMP", "new a");
    Write("b.dll.uTMP", "new b");
    Write("c.txt.uTMP", "new c");
    // A file in use cannot be replaced.
    std::vector<std::wstring> installed;
    EXPECT_FALSE(InstallWhileHeld("b.dll", installed));
    EXPECT_TRUE(installed.empty());
    EXPECT_EQ(Names(), (std::vector<std::string>{"a.dll", "b.dll"}));
    EXPECT_EQ(Read("a.dll"), "old a");
    EXPECT_EQ(Read("b.dll"), "old b");
}

TEST_F(HelperInstallFixture, ADownloadThatCannotBeMovedBringsTheFileItReplacedBack) {
    Write("a.dll", "old a");
    Write("a.dll.uTMP", "new a");
    // The download in use cannot be moved, after its file already went to the backup.
    std::vector<std::wstring> installed;
    EXPECT_FALSE(InstallWhileHeld("a.dll.uTMP", installed));
    EXPECT_TRUE(installed.empty());
    EXPECT_EQ(Read("a.dll"), "old a");
    EXPECT_FALSE(fs::exists(Folder / "a.dll.uBAK"));
}

TEST_F(HelperInstallFixture, TheWaitEndsWhenTheProgramLetsItsFileGo) {
    Write("Tallyvane.exe", "program");
    const std::wstring program = FolderText() + L"Tallyvane.exe";
    const HANDLE running =
        CreateFileW(program.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(running, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(au::WaitForFileRelease(program, 300));
    CloseHandle(running);
    EXPECT_TRUE(au::WaitForFileRelease(program, 300));
    EXPECT_TRUE(au::WaitForFileRelease(program + L".missing", 300));
}

// The helper program itself, on a folder whose "program" is no program: it installs and then fails quietly to start
// it again.
TEST_F(HelperInstallFixture, TheHelperProgramInstallsOnlyWhenToldProperly) {
    struct Case {
        const wchar_t* parameter;
        DWORD exitCode;
        const char* program;
    };
    const Case cases[] = {{L"/afterupgrade0", 2, "old program"}, {L"+/afterupgrade0", 0, "new program"}};
    for (const Case& c : cases) {
        Write("app.exe", "old program");
        Write("app.exe.uTMP", "new program");
        std::wstring line =
            L"\"" + au_test::UpdateHelperProgram() + L"\" \"" + FolderText() + L"app.exe\" " + c.parameter;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(
            CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
        DWORD exitCode = 99;
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        EXPECT_EQ(exitCode, c.exitCode);
        EXPECT_EQ(Read("app.exe"), c.program);
        fs::remove(Folder / "app.exe.uTMP", Ignored);
    }
}

} // namespace
