// The settings file, the start folders of the file dialogs, the desktop folder and the version text of a file.

#include "app/invoice/InvoiceSettings.h"

#include "app/invoice/ProgramFiles.h"
#include "rtl/core/Exceptions.h"
#include "rtl/io/FileUtils.h"
#include "rtl/io/IniFiles.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using test_support::Utf8;

TEST(InvoiceSettings, AFirstStartReadsTheDefaultsAndWritesNothing) {
    app_test::TTempFolder folder;
    const rtl::UnicodeString fileName = folder.Path() + u"Tallyvane.ini";
    const rtl::TIniFile file(fileName);
    const app::TInvoiceSettings settings = app::ReadInvoiceSettings(file);
    EXPECT_EQ(settings.LimitIndex, 2);
    EXPECT_EQ(settings.Reviewer, u"");
    EXPECT_EQ(settings.Payee, u"");
    EXPECT_EQ(settings.ReadFileName, u"");
    EXPECT_EQ(settings.WriteFileName, u"");
    EXPECT_EQ(settings.SellerTaxNumber, u"");
    EXPECT_FALSE(rtl::FileExists(fileName));
}

TEST(InvoiceSettings, StoredValuesReadBackAndALimitOutsideTheListReadsAsTheDefault) {
    app_test::TTempFolder folder;
    const rtl::UnicodeString fileName = folder.Path() + u"Tallyvane.ini";
    const struct {
        const char* Limit;
        int32_t Index;
    } limits[] = {{"0", 0}, {"4", 4}, {"7", 2}, {"-1", 2}, {"abc", 2}};
    for (const auto& limit : limits) {
        app_test::WriteFileBytes(fileName, std::string("[Files]\r\nRead=/清单/三月.xlsx\r\nWrite=/发票/三月.xml\r\n"
                                                       "[FPSetup]\r\nKPXE=") +
                                               limit.Limit + "\r\nFHR=李四\r\nSHR=王五\r\nXFSH=91110108MA00000000\r\n");
        const rtl::TMemIniFile file(fileName, rtl::cpUtf8);
        const app::TInvoiceSettings settings = app::ReadInvoiceSettings(file);
        EXPECT_EQ(settings.LimitIndex, limit.Index) << limit.Limit;
        EXPECT_EQ(Utf8(settings.ReadFileName), "/清单/三月.xlsx");
        EXPECT_EQ(Utf8(settings.WriteFileName), "/发票/三月.xml");
        EXPECT_EQ(Utf8(settings.Reviewer), "李四");
        EXPECT_EQ(Utf8(settings.Payee), "王五");
        EXPECT_EQ(Utf8(settings.SellerTaxNumber), "91110108MA00000000");
    }
}

TEST(InvoiceSettings, ClosingWithoutImportOrExportKeepsTheLastFiles) {
    app_test::TTempFolder folder;
    const rtl::UnicodeString fileName = folder.Path() + u"Tallyvane.ini";
    {
        rtl::TIniFile file(fileName);
        app::TInvoiceSettings settings;
        settings.ReadFileName = u"C:\\清单\\三月.xlsx";
        settings.WriteFileName = u"C:\\发票\\三月.xml";
        settings.SellerTaxNumber = u"not written";
        app::WriteInvoiceSettings(file, settings);
    }
    {
        rtl::TIniFile file(fileName);
        app::TInvoiceSettings settings;
        settings.ReadFileName = u"  ";
        settings.LimitIndex = 0;
        settings.Reviewer = u"赵六";
        settings.Payee = u"";
        app::WriteInvoiceSettings(file, settings);
    }
    const rtl::TIniFile file(fileName);
    const app::TInvoiceSettings settings = app::ReadInvoiceSettings(file);
    EXPECT_EQ(Utf8(settings.ReadFileName), "C:\\清单\\三月.xlsx");
    EXPECT_EQ(Utf8(settings.WriteFileName), "C:\\发票\\三月.xml");
    EXPECT_EQ(settings.LimitIndex, 0);
    EXPECT_EQ(Utf8(settings.Reviewer), "赵六");
    EXPECT_EQ(settings.Payee, u"");
    EXPECT_EQ(settings.SellerTaxNumber, u"");
}

TEST(InvoiceSettings, AFolderThatNoLongerExistsFallsBackToTheDesktop) {
    app_test::TTempFolder folder;
    const rtl::UnicodeString existing = folder.MakeFolder(u"清单");
    EXPECT_EQ(app::StartFolder(existing + u"三月.xlsx", u"DESKTOP"), existing);
    EXPECT_EQ(app::StartFolder(folder.Path() + u"已删除" + rtl::PathDelim + u"三月.xlsx", u"DESKTOP"), u"DESKTOP");
    EXPECT_EQ(app::StartFolder(u"", u"DESKTOP"), u"DESKTOP");
    EXPECT_EQ(app::StartFolder(u"三月.xlsx", u"DESKTOP"), u"DESKTOP");
}

TEST(ProgramFiles, TheDesktopFolderComesFromTheExplorersShellFolders) {
    app_test::TTableRegistry registry;
    EXPECT_EQ(app::GetDesktopFolder(registry), u"");
    registry.Add(app::rhCurrentUser, u"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                 u"Desktop", u"C:\\Users\\张三\\Desktop");
    EXPECT_EQ(Utf8(app::GetDesktopFolder(registry)), "C:\\Users\\张三\\Desktop");
    EXPECT_EQ(app::ReadShellFolder(registry, u"Personal"), u"");
}

// Answers with the version it is given, or raises.
class TFixedVersionSource final : public app::IFileVersionSource {
public:
    explicit TFixedVersionSource(std::optional<app::TFileVersionNumbers> version, bool raises = false)
        : FVersion(version), FRaises(raises) {}

    std::optional<app::TFileVersionNumbers> ReadFileVersion(rtl::UnicodeStringView /*fileName*/) const override {
        if (FRaises) {
            throw rtl::EOSError(u"The version resource cannot be read");
        }
        return FVersion;
    }

private:
    std::optional<app::TFileVersionNumbers> FVersion;
    bool FRaises;
};

TEST(ProgramFiles, TheVersionTextIsFourNumbersOrEmptyOrMinusOne) {
    EXPECT_EQ(app::GetFileVersionString(TFixedVersionSource(app::TFileVersionNumbers{1, 1, 7, 0}), u"a.exe"),
              u"1.1.7.0");
    EXPECT_EQ(app::GetFileVersionString(TFixedVersionSource(app::TFileVersionNumbers{65535, 0, 12, 65535}), u"a"),
              u"65535.0.12.65535");
    EXPECT_EQ(app::GetFileVersionString(TFixedVersionSource(std::nullopt), u"a.exe"), u"");
    EXPECT_EQ(app::GetFileVersionString(TFixedVersionSource(std::nullopt, true), u"a.exe"), u"-1");
    EXPECT_EQ(Utf8(app::SettingsFileName(u"C:\\Program Files\\Tallyvane\\Tallyvane.exe")),
              "C:\\Program Files\\Tallyvane\\Tallyvane.ini");
}

} // namespace
