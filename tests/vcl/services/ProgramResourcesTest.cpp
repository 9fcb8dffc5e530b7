// The program's resources as linked into an executable (this test program links the program's resource object): the
// version information read back through GetFileVersionInfoW, the manifest found in the file, and the application icon.

#include "ProgramVersion.h"
#include "rtl/WindowsApi.h"
#include "rtl/io/FileUtils.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/DibSurface.h"
#include "vcl/services/FileVersionInfo.h"
#include "vcl/services/SpecialFolders.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using test_support::Utf8;

TEST(VersionInformation, TheProgramsVersionReadsBackAsFourNumbersAndItsChineseTexts) {
    EXPECT_EQ(Utf8(vcl::FileVersionText(vcl::ProgramFileName())), TALLYVANE_VERSION_TEXT);
    vcl::TFileVersionInfo info;
    ASSERT_TRUE(info.Load(vcl::ProgramFileName()));
    const vcl::TVersionNumber expected{TALLYVANE_VERSION_MAJOR, TALLYVANE_VERSION_MINOR, TALLYVANE_VERSION_RELEASE,
                                       TALLYVANE_VERSION_BUILD};
    EXPECT_EQ(info.FileVersion(), expected);
    EXPECT_EQ(info.ProductVersion(), expected);
    EXPECT_EQ(Utf8(info.StringValue(u"FileDescription")), "Tallyvane 销货清单开票文件生成工具");
    EXPECT_EQ(Utf8(info.StringValue(u"ProductName")), "Tallyvane（金税盘版）");
    EXPECT_EQ(Utf8(info.StringValue(u"FileVersion")), TALLYVANE_VERSION_TEXT);
    EXPECT_EQ(info.StringValue(u"NoSuchText"), u"");
}

TEST(VersionInformation, ACopyUnderAChinesePathHasTheSameVersion) {
    const rtl::UnicodeString copy = rtl::GetTempDirectory() + u"版本测试_副本.exe";
    ASSERT_TRUE(rtl::CopyFileTo(vcl::ProgramFileName(), copy, false));
    EXPECT_EQ(Utf8(vcl::FileVersionText(copy)), TALLYVANE_VERSION_TEXT);
    rtl::RemoveFile(copy);
}

TEST(VersionInformation, AFileWithoutAVersionResourceGivesEmptyText) {
    const test_support::TTempFile plain(u"无版本.txt", {'n', 'o', ' ', 'v', 'e', 'r', 's', 'i', 'o', 'n'});
    EXPECT_EQ(vcl::FileVersionText(plain.Name()), u"");
    EXPECT_EQ(vcl::FileVersionText(rtl::GetTempDirectory() + u"不存在.exe"), u"");
    vcl::TFileVersionInfo info;
    EXPECT_FALSE(info.Load(plain.Name()));
    EXPECT_EQ(info.FileVersion(), vcl::TVersionNumber{});
    EXPECT_EQ(info.StringValue(u"FileDescription"), u"");
}

// The executable opened as a file of data, not as the running program.
class TDataModule {
public:
    explicit TDataModule(const rtl::UnicodeString& path)
        : FModule(LoadLibraryExW(reinterpret_cast<const wchar_t*>(path.c_str()), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}
    ~TDataModule() {
        if (FModule) {
            FreeLibrary(FModule);
        }
    }
    TDataModule(const TDataModule&) = delete;
    TDataModule& operator=(const TDataModule&) = delete;
    HMODULE Module() const { return FModule; }

private:
    HMODULE FModule;
};

TEST(Manifest, TheLinkedFileCarriesTheManifestOfVersion6OfTheCommonControls) {
    const TDataModule file(vcl::ProgramFileName());
    ASSERT_NE(file.Module(), nullptr);
    HRSRC resource = FindResourceW(file.Module(), MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(resource, nullptr) << "the manifest resource, 1 of type RT_MANIFEST";
    const auto* data = static_cast<const char*>(LockResource(LoadResource(file.Module(), resource)));
    ASSERT_NE(data, nullptr);
    const std::string manifest(data, SizeofResource(file.Module(), resource));
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
}

TEST(ApplicationIcon, TheIconShowsTheInvoiceSheetOnTheBlueTile) {
    HICON icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(icon, nullptr);
    ui_test::TDibSurface surface(32, 32);
    surface.Fill(vcl::clFuchsia);
    DrawIconEx(surface.DC(), 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    DestroyIcon(icon);
    EXPECT_EQ(surface.Pixel(0, 0), static_cast<vcl::TColor>(vcl::clFuchsia)) << "a transparent rounded corner";
    EXPECT_EQ(surface.Pixel(16, 11), static_cast<vcl::TColor>(vcl::clWhite)) << "the sheet";
    EXPECT_EQ(surface.Pixel(3, 16), static_cast<vcl::TColor>(0x9A572B)) << "the tile";
    EXPECT_EQ(surface.Pixel(20, 23), static_cast<vcl::TColor>(0x2B33D8)) << "the seal";
}

} // namespace
