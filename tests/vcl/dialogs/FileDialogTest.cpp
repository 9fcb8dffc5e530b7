// Open and save dialogs: what they ask the presenter to show, the user's choice coming back (Chinese paths, the filter
// chosen), cancelling, the program's windows disabled meanwhile, and the Windows dialog itself driven as a user would.

#include "rtl/WindowsApi.h"
#include "rtl/io/FileUtils.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/FileDialogs.h"
#include "tests/support/ui/MessageBoxes.h"
#include "tests/support/ui/TestForms.h"
#include "vcl/dialogs/FileDialogs.h"

#include <gtest/gtest.h>

namespace {

using test_support::Utf8;

constexpr char16_t ExcelFilter[] = u"开票清单(Excel表格)|*.xlsx;*.xls|All files (*.*)|*.*";

class FileDialogTest : public testing::Test {
protected:
    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm();
    std::unique_ptr<vcl::TOpenDialog, rtl::TComponentDeleter> Open{new vcl::TOpenDialog(nullptr)};
    std::unique_ptr<vcl::TSaveDialog, rtl::TComponentDeleter> Save{new vcl::TSaveDialog(nullptr)};
    ui_test::TScriptedFileDialogs Dialogs;
};

TEST_F(FileDialogTest, AnAcceptedOpenDialogGivesTheChinesePathAndTheFilterChosen) {
    Open->SetFilter(ExcelFilter);
    Open->SetInitialDir(u"C:\\用户\\桌面\\");
    Dialogs.Accept(u"C:\\用户\\桌面\\销货清单（三月）.xlsx", 2);
    ASSERT_TRUE(Open->Execute());
    EXPECT_EQ(Utf8(Open->FileName()), "C:\\用户\\桌面\\销货清单（三月）.xlsx");
    EXPECT_EQ(Open->FilterIndex(), 2);
    ASSERT_EQ(Dialogs.Shown.size(), 1u);
    const vcl::TFileDialogRequest& shown = Dialogs.Shown[0];
    EXPECT_EQ(shown.Kind, vcl::TFileDialogKind::Open);
    EXPECT_EQ(Utf8(shown.Filter), Utf8(ExcelFilter));
    EXPECT_EQ(Utf8(shown.InitialDir), "C:\\用户\\桌面\\");
    EXPECT_EQ(shown.FilterIndex, 1);
    EXPECT_EQ(shown.Options, (vcl::TOpenOptions{vcl::ofHideReadOnly, vcl::ofEnableSizing}));
    EXPECT_EQ(shown.Owner, Form->Handle()) << "the active form owns the dialog";
}

TEST_F(FileDialogTest, ACancelledDialogReturnsFalseAndChangesNothing) {
    Open->SetFileName(u"D:\\旧的.xls");
    Open->SetFilterIndex(2);
    Dialogs.Cancel();
    EXPECT_FALSE(Open->Execute());
    EXPECT_EQ(Utf8(Open->FileName()), "D:\\旧的.xls");
    EXPECT_EQ(Open->FilterIndex(), 2);
    ASSERT_EQ(Dialogs.Shown.size(), 1u);
    EXPECT_EQ(Utf8(Dialogs.Shown[0].FileName), "D:\\旧的.xls") << "the dialog proposes the name";
}

TEST_F(FileDialogTest, ASaveDialogPassesItsExtensionAndOptions) {
    Save->SetDefaultExt(u"*.xml");
    Save->SetFilter(u"XML发票文件(*.xml)|*.xml");
    Save->SetOptions({vcl::ofOverwritePrompt, vcl::ofHideReadOnly, vcl::ofEnableSizing});
    Save->SetTitle(u"保存");
    Dialogs.Accept(u"E:\\发票\\清单.xml");
    ASSERT_TRUE(Save->Execute());
    EXPECT_EQ(Utf8(Save->FileName()), "E:\\发票\\清单.xml");
    const vcl::TFileDialogRequest& shown = Dialogs.Shown.at(0);
    EXPECT_EQ(shown.Kind, vcl::TFileDialogKind::Save);
    EXPECT_EQ(Utf8(shown.DefaultExt), "*.xml");
    EXPECT_EQ(Utf8(shown.Title), "保存");
    EXPECT_TRUE(shown.Options.Contains(vcl::ofOverwritePrompt));
}

// Checks, while it shows, that the program's windows are disabled.
class TWindowCheckingDialogs final : public vcl::IFileDialogPresenter {
public:
    explicit TWindowCheckingDialogs(HWND form) : FForm(form), FPrevious(vcl::SetFileDialogPresenter(this)) {}
    ~TWindowCheckingDialogs() { vcl::SetFileDialogPresenter(FPrevious); }
    bool Execute(vcl::TFileDialogRequest&) override {
        FormEnabledMeanwhile = IsWindowEnabled(FForm) != FALSE;
        return false;
    }
    bool FormEnabledMeanwhile = true;

private:
    HWND FForm;
    vcl::IFileDialogPresenter* FPrevious;
};

TEST_F(FileDialogTest, TheProgramsWindowsAreDisabledWhileTheDialogShows) {
    TWindowCheckingDialogs checking(Form->Handle());
    Open->Execute();
    EXPECT_FALSE(checking.FormEnabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(Form->Handle()));
}

TEST(PlainDefaultExt, TheWindowsDialogTakesTheBareFirstExtension) {
    const struct {
        const char16_t* Given;
        const char* Plain;
    } cases[] = {{u"*.xml", "xml"}, {u".xml", "xml"}, {u"xml", "xml"}, {u"*.xls;*.xlsx", "xls"}, {u"", ""}};
    for (const auto& item : cases) {
        EXPECT_EQ(Utf8(vcl::PlainDefaultExt(item.Given)), item.Plain) << Utf8(item.Given);
    }
}

// The Windows dialog, driven as a user: the name typed into its file-name box comes back, Chinese and all.
class WindowsFileDialogTest : public testing::Test {
protected:
    void SetUp() override {
        FPrevious = vcl::SetFileDialogPresenter(nullptr);
        Folder = rtl::GetTempDirectory() + u"对话框测试\\";
        CreateDirectoryW(reinterpret_cast<const wchar_t*>(Folder.c_str()), nullptr);
    }
    void TearDown() override {
        RemoveDirectoryW(reinterpret_cast<const wchar_t*>(Folder.c_str()));
        vcl::SetFileDialogPresenter(FPrevious);
    }

    ui_test::TFormPtr<vcl::TForm> Form = ui_test::ShowNewTestForm();
    std::unique_ptr<vcl::TSaveDialog, rtl::TComponentDeleter> Save{new vcl::TSaveDialog(nullptr)};
    rtl::UnicodeString Folder;

private:
    vcl::IFileDialogPresenter* FPrevious = nullptr;
};

// The file-name box of the common dialog (a combo box in the Explorer-style dialog, an edit in the older one).
constexpr int FileNameComboId = 0x47C;
constexpr int FileNameEditId = 0x480;

TEST_F(WindowsFileDialogTest, TheNameTypedComesBackAsTheFullChinesePath) {
    Save->SetFilter(u"XML发票文件(*.xml)|*.xml|All files (*.*)|*.*");
    Save->SetFilterIndex(2);
    Save->SetInitialDir(Folder);
    const rtl::UnicodeString chosen = Folder + u"开票文件.xml";
    ui_test::ActOnDialogAfter(100, [chosen](HWND dialog) {
        const auto* name = reinterpret_cast<const wchar_t*>(chosen.c_str());
        if (!SetDlgItemTextW(dialog, FileNameComboId, name)) {
            SetDlgItemTextW(dialog, FileNameEditId, name);
        }
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    ASSERT_TRUE(Save->Execute());
    EXPECT_EQ(Utf8(Save->FileName()), Utf8(chosen));
    EXPECT_EQ(Save->FilterIndex(), 2);
}

TEST_F(WindowsFileDialogTest, CancellingTheWindowsDialogReturnsFalse) {
    Save->SetFileName(u"不变.xml");
    ui_test::DismissDialogAfter(100, IDCANCEL);
    EXPECT_FALSE(Save->Execute());
    EXPECT_EQ(Utf8(Save->FileName()), "不变.xml");
}

} // namespace
