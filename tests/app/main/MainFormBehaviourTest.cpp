// The main window at work: what it shows when it is created, the settings it reads and writes, the update check at
// each activation, the template copy, the help, and the import and export wired to the application's rules.

#include "app/invoice/InvoiceRecords.h"
#include "rtl/WindowsApi.h"
#include "rtl/io/FileUtils.h"
#include "rtl/text/CodePages.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/app/main/MainFormTestSupport.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/FileDialogs.h"
#include "tests/support/ui/MessageBoxes.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/ServiceDoubles.h"
#include "tests/support/ui/SyntheticInput.h"
#include "ui/editors/choice/uiButton.h"
#include "ui/editors/dropdown/combobox/uiComboBox.h"
#include "ui/editors/text/textedit/uiTextEdit.h"
#include "ui/grid/customtable/data/uiGridDataController.h"
#include "ui/grid/tableview/uiGridColumn.h"
#include "ui/grid/tableview/uiGridTableView.h"
#include "ui/pagecontrol/statusbar/uxStatusBar.h"
#include "vcl/forms/MessageBoxSeam.h"
#include "vcl/stdctrls/Edit.h"

#include <regex>

namespace {

using app_test::MainFormTest;
using test_support::Utf8;

std::string EditUtf8(const ui::TuiTextEdit& edit) {
    return Utf8(app::EditText(edit));
}

void ClickButton(ui::TuiButton& button) {
    ui_test::Click(button, vcl::Point(button.Width() / 2, button.Height() / 2));
}

std::vector<int32_t> ColumnWidths(const ui::TuiGridTableView& view) {
    std::vector<int32_t> widths;
    for (int32_t item = 0; item < view.ItemCount(); ++item) {
        widths.push_back(view.Columns(item)->Width());
    }
    return widths;
}

// FormCreate.

TEST_F(MainFormTest, TheCaptionNamesTheProgramsVersionAndTheStatusBarThanksTheUser) {
    app::TmainForm& form = CreateForm();
    EXPECT_EQ(Utf8(form.Caption()), "Tallyvane（金税盘版） V1.1.7.0");
    ASSERT_FALSE(Versions.Asked.empty());
    EXPECT_EQ(Versions.Asked.front(), ProgramFolder() + u"Tallyvane.exe");
    EXPECT_EQ(Utf8(form.uxStatusBar1->Panels().Item(0).Text()),
              "感谢支持！如有反馈意见或需软件定制服务请联系软件作者。");
    EXPECT_FALSE(form.uxStatusBar1->Panels().Item(1).Text().empty());
}

TEST_F(MainFormTest, WithoutAReadableVersionTheCaptionNamesNone) {
    Versions.Version.reset();
    EXPECT_EQ(Utf8(CreateForm().Caption()), "Tallyvane（金税盘版）");
    Versions.Raises = true;
    EXPECT_EQ(Utf8(CreateForm().Caption()), "Tallyvane（金税盘版）") << "a version that reads as -1";
}

TEST_F(MainFormTest, DesignTextsAreClearedAndTheCodeVersionStaysWithoutInvoicingSoftware) {
    app::TmainForm& form = CreateForm();
    for (ui::TuiTextEdit* edit : {form.Edit_GFMC, form.Edit_GFSH, form.Edit_GFDZDH, form.Edit_YHZH, form.Edit_FHR,
                                  form.Edit_SKR, form.Edit_JeHJ, form.Edit_JeBhsHJ, form.Edit_SeHJ}) {
        EXPECT_EQ(EditUtf8(*edit), "") << Utf8(edit->Name());
    }
    EXPECT_EQ(EditUtf8(*form.Edit_SPBMBBH), "13");
    EXPECT_TRUE(form.AmountsIncludeTax());
}

TEST_F(MainFormTest, TheInstalledInvoicingSoftwareOfTheSellerGivesTheCodeVersion) {
    const rtl::UnicodeString install = Folder.MakeFolder(u"Invoicing");
    const rtl::UnicodeString bin = Folder.MakeFolder(u"Invoicing\\913300001234567890\\bin");
    app_test::WriteFileBytes(bin + u"913300001234567890QYXXParams.xml",
                             "<FPXT><OUTPUT><DATA><SPBMBBH>33.0</SPBMBBH></DATA></OUTPUT></FPXT>");
    Registry.Add(app::rhLocalMachine, u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\开票软件",
                 u"DisplayIcon", install + u"Invoicing.exe");
    WriteSettings("[FPSetup]\r\nXFSH=913300001234567890\r\n");
    EXPECT_EQ(EditUtf8(*CreateForm().Edit_SPBMBBH), "33.0");
}

// Settings.

TEST_F(MainFormTest, AFirstStartHasTheDefaultLimitNoNamesAndBothDialogsOnTheDesktop) {
    app::TmainForm& form = ShowForm();
    EXPECT_EQ(form.Combo_KPXE->GetItemIndex(), 2);
    EXPECT_EQ(Utf8(form.Combo_KPXE->GetDisplayText()), " 十万");
    EXPECT_EQ(EditUtf8(*form.Edit_FHR), "");
    EXPECT_EQ(EditUtf8(*form.Edit_SKR), "");
    EXPECT_EQ(form.ImportFolder(), Desktop);
    EXPECT_EQ(form.ExportFolder(), Desktop);
    ui_test::TScriptedFileDialogs dialogs;
    dialogs.Cancel();
    ClickButton(*form.Btn_import);
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(dialogs.Shown[0].InitialDir, Desktop);
    EXPECT_EQ(EditUtf8(*form.Edit_JeHJ), "") << "a cancelled import changes nothing";
}

TEST_F(MainFormTest, StoredSettingsFillTheFieldsAndAFolderThatIsGoneFallsBackToTheDesktop) {
    const rtl::UnicodeString lists = Folder.MakeFolder(u"Lists");
    WriteSettings("[Files]\r\nRead=" + Utf8(lists) + "list.xlsx\r\nWrite=" + Utf8(Folder.Path()) +
                  "Gone\\list.xml\r\n[FPSetup]\r\nKPXE=4\r\nFHR=Reviewer\r\nSHR=Payee\r\n");
    app::TmainForm& form = CreateForm();
    EXPECT_EQ(form.ImportFolder(), lists);
    EXPECT_EQ(form.ExportFolder(), Desktop);
    EXPECT_EQ(form.Combo_KPXE->GetItemIndex(), 4);
    EXPECT_EQ(EditUtf8(*form.Edit_FHR), "Reviewer");
    EXPECT_EQ(EditUtf8(*form.Edit_SKR), "Payee");
}

// The invoicing software takes at most 8 bytes of code page 936 for reviewer and payee: a longer name written into
// the settings by hand comes back cut as typing would cut it.
TEST_F(MainFormTest, StoredNamesLongerThanTheEditsTakeAreCutToTheirBytes) {
    WriteSettings(rtl::UnicodeToAnsi(u"[FPSetup]\r\nFHR=张三李四王五赵六\r\nSHR=ab王小明王\r\n"));
    app::TmainForm& form = CreateForm();
    EXPECT_EQ(EditUtf8(*form.Edit_FHR), "张三李四");
    EXPECT_EQ(EditUtf8(*form.Edit_SKR), "ab王小明");
}

TEST_F(MainFormTest, ALimitOutsideTheListReadsAsTheDefault) {
    WriteSettings("[FPSetup]\r\nKPXE=7\r\n");
    EXPECT_EQ(CreateForm().Combo_KPXE->GetItemIndex(), 2);
}

TEST_F(MainFormTest, ClosingRightAfterStartKeepsTheFilesAndRewritesTheInvoiceSettings) {
    WriteSettings("[Files]\r\nRead=C:\\lists\\list.xlsx\r\nWrite=C:\\lists\\list.xml\r\n[FPSetup]\r\nKPXE=3\r\n");
    app::TmainForm& form = CreateForm();
    app::SetEditText(*form.Edit_FHR, u"张三");
    app::SetEditText(*form.Edit_SKR, u"李四");
    form.Combo_KPXE->SetItemIndex(0);
    FreeForm();
    EXPECT_EQ(Utf8(ReadSetting(u"Files", u"Read")), "C:\\lists\\list.xlsx");
    EXPECT_EQ(Utf8(ReadSetting(u"Files", u"Write")), "C:\\lists\\list.xml");
    EXPECT_EQ(Utf8(ReadSetting(u"FPSetup", u"KPXE")), "0");
    EXPECT_EQ(Utf8(ReadSetting(u"FPSetup", u"FHR")), "张三");
    EXPECT_EQ(Utf8(ReadSetting(u"FPSetup", u"SHR")), "李四");
}

// The exit button and the close box close the window; the window writes its settings as it goes.
TEST_F(MainFormTest, TheExitButtonAndTheCloseBoxBothCloseTheWindowWhichThenWritesItsSettings) {
    for (const bool closeBox : {false, true}) {
        rtl::RemoveFile(SettingsFile());
        app::TmainForm& form = ShowForm();
        app::SetEditText(*form.Edit_FHR, closeBox ? u"box" : u"button");
        if (closeBox) {
            SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        } else {
            ClickButton(*form.Btn_exit);
        }
        ui_test::ProcessPendingMessages();
        EXPECT_FALSE(form.Visible()) << closeBox;
        FreeForm();
        EXPECT_EQ(Utf8(ReadSetting(u"FPSetup", u"FHR")), closeBox ? "box" : "button");
    }
}

// Activation.

TEST_F(MainFormTest, EachActivationHandsTheCheckTheVersionAndStartsIt) {
    app::TmainForm& form = ShowForm();
    ASSERT_GE(Updates.Calls.size(), 2u);
    EXPECT_EQ(Updates.Calls[0], "version 1.1.7.0");
    EXPECT_EQ(Updates.Calls[1], "check");
    Updates.Calls.clear();
    {
        ui_test::TWindowsMessageBoxes windowsBoxes;
        ui_test::DismissDialogAfter(100, IDOK);
        vcl::MessageBoxPresenter().ShowMessageBox(form.Handle(), u"box", u"Tallyvane", MB_OK);
    }
    ui_test::PumpUntil([&] { return Updates.Calls.size() >= 2; });
    EXPECT_EQ(Updates.Calls, (std::vector<std::string>{"version 1.1.7.0", "check"})) << "active again after the box";
}

TEST_F(MainFormTest, AFailingCheckNeverReachesTheUser) {
    Updates.Raises = true;
    ui_test::TRecordedMessageBoxes boxes;
    ShowForm();
    EXPECT_FALSE(Updates.Calls.empty());
    EXPECT_TRUE(boxes.Shown.empty());
}

// The template copy and the help.

class TemplateCopyTest : public MainFormTest {
protected:
    void WriteTemplates() {
        app_test::WriteFileBytes(ProgramFolder() + u"开票清单模板.xlsx", "xlsx template");
        app_test::WriteFileBytes(ProgramFolder() + u"开票清单模板.xls", "xls template");
    }

    // Runs the copy with the answer to the question and the dialog's answer.
    void Copy(int32_t answer, const rtl::UnicodeString& target) {
        Boxes.Answers.push_back(answer);
        if (target.empty()) {
            Dialogs.Cancel();
        } else {
            Dialogs.Accept(target);
        }
        ClickButton(*Form->Btn_Dir);
    }

    ui_test::TRecordedMessageBoxes Boxes;
    ui_test::TScriptedFileDialogs Dialogs;
    ui_test::TRecordedShellLaunches Shell;
};

TEST_F(TemplateCopyTest, YesOffersTheXlsxTemplateCopiesItAndOpensTheCopy) {
    WriteTemplates();
    ShowForm();
    const rtl::UnicodeString target = Folder.MakeFolder(u"Mine") + u"清单.xlsx";
    Copy(IDYES, target);
    ASSERT_EQ(Boxes.Shown.size(), 1u);
    EXPECT_EQ(Utf8(Boxes.Shown[0].Text), "请问这电脑上安装的Excel的版本是2007或更新的版本吗?");
    EXPECT_EQ(Boxes.Shown[0].Flags & MB_YESNO, static_cast<uint32_t>(MB_YESNO));
    ASSERT_EQ(Dialogs.Shown.size(), 1u);
    EXPECT_EQ(Dialogs.Shown[0].Kind, vcl::TFileDialogKind::Save);
    EXPECT_EQ(Utf8(Dialogs.Shown[0].FileName), "开票清单模板.xlsx");
    EXPECT_EQ(Utf8(Dialogs.Shown[0].Filter), "Excel文件(*.xlsx)|*.xlsx");
    EXPECT_EQ(vcl::PlainDefaultExt(Dialogs.Shown[0].DefaultExt), u"xlsx");
    EXPECT_EQ(Dialogs.Shown[0].InitialDir, Desktop);
    EXPECT_EQ(app_test::ReadFileBytes(target), "xlsx template");
    ASSERT_EQ(Shell.Launched.size(), 1u);
    EXPECT_EQ(Shell.Launched[0].Operation, u"open");
    EXPECT_EQ(Shell.Launched[0].File, target);
    EXPECT_EQ(Shell.Launched[0].ShowCommand, SW_SHOWNORMAL);
}

TEST_F(TemplateCopyTest, NoOffersTheXlsTemplateAndTheNextCopyStartsWhereTheLastWent) {
    WriteTemplates();
    ShowForm();
    const rtl::UnicodeString mine = Folder.MakeFolder(u"Mine");
    Copy(IDNO, mine + u"清单.xls");
    Copy(IDNO, {});
    ASSERT_EQ(Dialogs.Shown.size(), 2u);
    EXPECT_EQ(Utf8(Dialogs.Shown[0].FileName), "开票清单模板.xls");
    EXPECT_EQ(Utf8(Dialogs.Shown[0].Filter), "Excel文件(*.xls)|*.xls");
    EXPECT_EQ(vcl::PlainDefaultExt(Dialogs.Shown[0].DefaultExt), u"xls");
    EXPECT_EQ(app_test::ReadFileBytes(mine + u"清单.xls"), "xls template");
    EXPECT_EQ(Dialogs.Shown[1].InitialDir, mine);
    EXPECT_EQ(Shell.Launched.size(), 1u) << "a cancelled copy opens nothing";
}

TEST_F(TemplateCopyTest, AMissingTemplateIsReportedWithItsTargetAndNothingIsOpened) {
    ShowForm();
    const rtl::UnicodeString target = Folder.Path() + u"清单.xlsx";
    app_test::WriteFileBytes(target, "an older list");
    Copy(IDYES, target);
    ASSERT_EQ(Boxes.Shown.size(), 2u);
    EXPECT_NE(Boxes.Shown[1].Text.find(target), rtl::UnicodeString::npos);
    EXPECT_NE(Boxes.Shown[1].Flags & MB_ICONERROR, 0u);
    EXPECT_TRUE(Shell.Launched.empty());
    EXPECT_EQ(app_test::ReadFileBytes(target), "an older list");
}

TEST_F(MainFormTest, HelpOpensTheHelpFileBesideTheProgram) {
    app::TmainForm& form = ShowForm();
    ui_test::TRecordedShellLaunches shell;
    ClickButton(*form.btn_help);
    ASSERT_EQ(shell.Launched.size(), 1u);
    EXPECT_EQ(shell.Launched[0].Operation, u"open");
    EXPECT_EQ(Utf8(shell.Launched[0].File), Utf8(ProgramFolder()) + "Tallyvane操作说明.chm");
    EXPECT_EQ(shell.Launched[0].ShowCommand, SW_SHOWNORMAL);
}

// The import and the export.

TEST_F(MainFormTest, AnImportFillsTheGridTheTotalsAndTheCaptionsAndAnExportWritesTheFile) {
    app::TmainForm& form = ShowForm();
    form.Edit_XMLFilename->SetText(u"C:\\old.xml");
    form.Combo_KPXE->SetItemIndex(0);
    const rtl::UnicodeString list = test_support::DataPath("app/sales-list.xlsx");
    ui_test::TScriptedFileDialogs dialogs;
    ui_test::TRecordedMessageBoxes boxes;
    dialogs.Accept(list);
    boxes.Answers.push_back(IDNO);
    const std::vector<int32_t> widthsBefore = ColumnWidths(*form.uiGrid1TableView1);
    ClickButton(*form.Btn_import);
    ASSERT_EQ(dialogs.Shown.size(), 1u);
    EXPECT_EQ(Utf8(dialogs.Shown[0].Filter), "开票清单(Excel表格)|*.xlsx;*.xls|All files (*.*)|*.*");
    EXPECT_EQ(form.edReadFilename->Text(), list);
    EXPECT_EQ(form.Edit_XMLFilename->Text(), u"");
    EXPECT_FALSE(form.AmountsIncludeTax());
    EXPECT_EQ(Utf8(form.uiGrid1TableView1->Columns(app::iiUnitPrice)->Caption()), "单价(不含税)");
    EXPECT_EQ(Utf8(form.uiGrid1TableView1->Columns(app::iiAmount)->Caption()), "金额(不含税)");
    EXPECT_GT(form.uiGrid1TableView1->DataController().GetRecordCount(), 0);
    EXPECT_NE(ColumnWidths(*form.uiGrid1TableView1), widthsBefore) << "the columns fitted to their contents";
    const std::regex amount("-?[0-9]+\\.[0-9]{2}");
    for (ui::TuiTextEdit* total : {form.Edit_JeHJ, form.Edit_JeBhsHJ, form.Edit_SeHJ}) {
        EXPECT_TRUE(std::regex_match(EditUtf8(*total), amount)) << EditUtf8(*total);
    }
    bool totalsShown = false;
    for (const auto& box : boxes.Shown) {
        totalsShown |= box.Text.find(app::EditText(*form.Edit_JeHJ)) != rtl::UnicodeString::npos;
    }
    EXPECT_TRUE(totalsShown) << "the edits show what the totals box said";
    EXPECT_EQ(Utf8(boxes.Shown.back().Text), "请注意，这张发票的金额合计数超过了设置的发票开票限额【一千】!")
        << "the chosen limit's text, trimmed";

    const rtl::UnicodeString output = Folder.Path() + u"清单.xml";
    dialogs.Accept(output);
    ClickButton(*form.Btn_Output);
    ASSERT_EQ(dialogs.Shown.size(), 2u);
    EXPECT_EQ(Utf8(dialogs.Shown[1].FileName), "sales-list.xml");
    EXPECT_EQ(vcl::PlainDefaultExt(dialogs.Shown[1].DefaultExt), u"xml");
    EXPECT_EQ(dialogs.Shown[1].InitialDir, Desktop);
    EXPECT_EQ(form.Edit_XMLFilename->Text(), output);
    EXPECT_TRUE(rtl::FileExists(output));
}

TEST_F(MainFormTest, AnExportWithoutRecordsAsksForAnImportFirst) {
    app::TmainForm& form = ShowForm();
    ui_test::TRecordedMessageBoxes boxes;
    ClickButton(*form.Btn_Output);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(Utf8(boxes.Shown[0].Text), "请先导入按照模板格式填写的销货清单（Excel表格）！");
}

} // namespace
