// The program end to end under Wine, driven from outside as a user drives it: started from a copy of the
// distribution folder, its controls found by class and text, clicked with the mouse and typed into, its message
// boxes read and answered, its files and settings checked when it has ended.

#include "tests/app/acceptance/AcceptanceSetup.h"
#include "tests/app/acceptance/MainWindow.h"
#include "tests/app/acceptance/ProgramProcess.h"
#include "tests/app/acceptance/ScreenCheck.h"
#include "tests/app/acceptance/ScreenRows.h"
#include "tests/app/acceptance/UserInput.h"
#include "tests/app/acceptance/WindowQueries.h"
#include "tests/support/TestSupport.h"
#include "tests/support/ui/FailureScreenshot.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace {

using acceptance::TMainWindow;
using acceptance::TProgram;
using acceptance::Utf8;

constexpr wchar_t SellerTaxNumber[] = L"91330100MA2B00000X";
constexpr wchar_t SalesList[] = L"acceptance-list";
// The invoicing software takes at most 8 bytes of code page 936 for the reviewer: four Chinese characters.
constexpr wchar_t ReviewerTyped[] = L"张三李四王五赵六";
constexpr wchar_t ReviewerKept[] = L"张三李四";
constexpr wchar_t Payee[] = L"王小明";

constexpr wchar_t ImportButton[] = L"导入销货清单";
constexpr wchar_t ReviewerLabel[] = L"复核人：";
constexpr wchar_t PayeeLabel[] = L"收款人：";
constexpr wchar_t CodeVersionLabel[] = L"商品编码版本：";
constexpr wchar_t LimitLabel[] = L"不含税开票限额：";

// The buyer's fields by their labels, and what the driver types into them (the invoice file written by hand holds
// the same).
const struct {
    const wchar_t* Label;
    const wchar_t* Text;
} BuyerFields[] = {
    {L"名        称：", L"上海某某贸易有限公司"},
    {L"纳税人识别号：", L"91310000MA1K000000"},
    {L"地 址、电 话：", L"上海市浦东新区某路1号 021-12345678"},
    {L"开户行及账号：", L"中国银行上海分行 123456789"},
};

std::wstring Wide(rtl::UnicodeStringView text) {
    return std::wstring(text.begin(), text.end());
}

std::string GoldenInvoiceFile() {
    return acceptance::ReadFileBytes(Wide(test_support::DataPath("app/acceptance-list.xml")));
}

class ProgramAcceptance : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(acceptance::DistFolder().empty()) << "TALLYVANE_DIST_DIR names no distribution folder";
        Work = std::make_unique<acceptance::TWorkFolder>(acceptance::DistFolder());
    }

    // Imports the list through the open dialog (the name as given: a full path, or a name alone for the folder the
    // dialog starts in) answering that the amounts include tax, and checks that the window shows the path chosen
    // (imported), every box the import shows and the totals.
    void ImportSalesList(TProgram& program, const TMainWindow& window, const std::wstring& nameTyped,
                         const std::wstring& imported) {
        program.ChooseFile(window.ClickForDialog(L"导入销货清单"), nameTyped);
        EXPECT_EQ(Utf8(program.AnswerMessageBox(IDYES)),
                  "开票清单Excel表格中的金额可以是【含税价】或【不含税价】，\r\n\r\n"
                  "请问这开票清单中的金额是【含税价】吗？");
        window.WaitForTextBeside(L"导入销货清单", imported);
        EXPECT_EQ(Utf8(program.AnswerMessageBox(IDOK)),
                  "第6行第13列数据格式错误，请参照模板填写开票清单表格。（String）");
        EXPECT_EQ(Utf8(program.AnswerMessageBox(IDOK)), "本开票清单合计数\r\n\r\n　含税金额合计：1485.65\r\n"
                                                        "不含税金额合计：1320.93\r\n　　　税额合计：164.72");
        EXPECT_EQ(Utf8(program.AnswerMessageBox(IDOK)),
                  "请注意，这张发票的金额合计数超过了设置的发票开票限额【一千】!");
        window.WaitForTextBeside(L"含税金额：", L"1485.65");
        window.WaitForTextBeside(L"不含税金额：", L"1320.93");
        window.WaitForTextBeside(L"税额：", L"164.72");
    }

    void TypeBuyerFields(const TMainWindow& window) {
        for (const auto& field : BuyerFields) {
            window.TypeInto(field.Label, field.Text, field.Text);
        }
    }

    // Exports through the save dialog, which must propose the list's name with ".xml", typing nameTyped; checks the
    // box and the file written (at written) against the invoice file written by hand.
    void ExportInvoice(TProgram& program, const TMainWindow& window, const std::wstring& nameTyped,
                       const std::wstring& written) {
        HWND dialog = window.ClickForDialog(L"生成开票文件");
        EXPECT_EQ(Utf8(program.ProposedFileName(dialog)), Utf8(SalesList) + ".xml");
        program.ChooseFile(dialog, nameTyped);
        EXPECT_EQ(Utf8(program.AnswerMessageBox(IDOK)),
                  Utf8(written) + "\r\n文件导出成功！\r\n请在开票软件中导入该.xml文件并开具发票。");
        EXPECT_EQ(acceptance::ReadFileBytes(written), GoldenInvoiceFile());
    }

    void Exit(TProgram& program, const TMainWindow& window) {
        window.ClickButton(L"退出");
        EXPECT_EQ(program.WaitForExit(), 0u);
    }

    // The program's own popups: the invoice limit's drop-down list, opened and closed by clicks on the combo, and the
    // hint of the import button under the resting pointer.
    void ShowLimitListAndAHint(TProgram& program, const TMainWindow& window) {
        HWND combo = window.Beside(LimitLabel);
        program.Click(combo);
        HWND list = program.WaitForPopup("the limit's drop-down list", window.Handle());
        program.WaitUntilPainted(list, program.NextStep("limit-drop-down"), list);
        program.Click(combo);
        program.WaitUntil("the drop-down list to close", [&] { return !IsWindowVisible(list); });

        const RECT button = acceptance::ScreenRectOf(acceptance::FindControl(window.Handle(), L"button", ImportButton));
        const int middle = (button.top + button.bottom) / 2;
        program.WaitUntil("the pointer over the import button", [&] {
            return acceptance::MovePointer({button.left + 8, middle}) &&
                   acceptance::MovePointer({button.left + 12, middle});
        });
        HWND hint = program.WaitForPopup("the import button's hint", window.Handle());
        program.WaitUntilPainted(hint, program.NextStep("hint"), hint);
        program.WaitUntil("the pointer away from the button", [&] { return acceptance::MovePointer({0, 0}); });
    }

    std::string Setting(const wchar_t* section, const wchar_t* key) {
        return Utf8(acceptance::ReadSetting(Work->SettingsFile(), section, key));
    }

    std::unique_ptr<acceptance::TWorkFolder> Work;
};

TEST_F(ProgramAcceptance, ImportAndExportThenTheXlsTwinOnTheSecondStart) {
    acceptance::WriteAnsiFile(Work->SettingsFile(),
                              std::wstring(L"[FPSetup]\r\nXFSH=") + SellerTaxNumber + L"\r\nKPXE=0\r\n");
    const acceptance::TInvoicingSoftware installation(Work->Path(), SellerTaxNumber, L"33.0");
    const std::wstring listFolder = Work->MakeFolder(L"清单");
    const std::wstring invoiceFolder = Work->MakeFolder(L"发票");
    for (const wchar_t* extension : {L".xlsx", L".xls"}) {
        std::filesystem::copy_file(
            std::filesystem::path(Wide(test_support::DataPath("app/acceptance-list" + Utf8(extension)))),
            std::filesystem::path(listFolder + SalesList + extension));
    }
    const std::wstring firstInvoice = invoiceFolder + SalesList + L".xml";
    {
        TProgram program(Work->Program(), Work->ProgramFolder());
        const TMainWindow window(program);
        program.WaitUntilPainted(window.Handle(), program.NextStep("main-window"));
        const std::wstring version = acceptance::FileVersionOf(Work->Program());
        EXPECT_FALSE(version.empty()) << "the program carries its version";
        EXPECT_EQ(Utf8(window.Caption()), "Tallyvane（金税盘版） V" + Utf8(version));
        EXPECT_EQ(Utf8(window.TextBeside(CodeVersionLabel)), "33.0");
        EXPECT_EQ(Utf8(window.TextBeside(LimitLabel)), " 一千 ");

        // The grid's rectangle on the screen: empty, it shows at most its no-data text; filled, a line per record.
        const RECT grid = window.GridRect();
        EXPECT_LE(acceptance::DarkRowBands(grid), 1) << "text in the empty grid";
        const std::wstring workbook = listFolder + SalesList + L".xlsx";
        ImportSalesList(program, window, workbook, workbook);
        program.WaitUntil("five lines of text in the grid", [&] { return acceptance::DarkRowBands(grid) >= 5; });
        program.WaitUntilPainted(window.Handle(), program.NextStep("main-window-imported"));

        TypeBuyerFields(window);
        window.TypeInto(ReviewerLabel, ReviewerTyped, ReviewerKept);
        window.TypeInto(PayeeLabel, Payee, Payee);
        EXPECT_EQ(Utf8(window.TextBeside(ReviewerLabel)), Utf8(ReviewerKept)) << "eight bytes at most";
        ExportInvoice(program, window, firstInvoice, firstInvoice);
        Exit(program, window);
    }
    EXPECT_EQ(Setting(L"Files", L"Read"), Utf8(listFolder + SalesList) + ".xlsx");
    EXPECT_EQ(Setting(L"Files", L"Write"), Utf8(firstInvoice));
    EXPECT_EQ(Setting(L"FPSetup", L"KPXE"), "0");
    EXPECT_EQ(Setting(L"FPSetup", L"FHR"), Utf8(ReviewerKept));
    EXPECT_EQ(Setting(L"FPSetup", L"SHR"), Utf8(Payee));
    EXPECT_EQ(Setting(L"FPSetup", L"XFSH"), Utf8(SellerTaxNumber));

    // The second start: the settings bring back reviewer and payee, and both dialogs start in the folders of the
    // first run, so names alone find the .xls twin and land the invoice beside the first one.
    TProgram program(Work->Program(), Work->ProgramFolder());
    const TMainWindow window(program);
    EXPECT_EQ(Utf8(window.TextBeside(ReviewerLabel)), Utf8(ReviewerKept));
    EXPECT_EQ(Utf8(window.TextBeside(PayeeLabel)), Utf8(Payee));
    ImportSalesList(program, window, std::wstring(SalesList) + L".xls", listFolder + SalesList + L".xls");
    TypeBuyerFields(window);
    ExportInvoice(program, window, L"second.xml", invoiceFolder + L"second.xml");
    Exit(program, window);
}

TEST_F(ProgramAcceptance, FirstStartWithoutSettingsOrInvoicingSoftware) {
    ASSERT_TRUE(acceptance::TInvoicingSoftware::RemoveUninstallKey());
    TProgram program(Work->Program(), Work->ProgramFolder());
    const TMainWindow window(program);
    program.WaitUntilPainted(window.Handle(), program.NextStep("main-window"));
    EXPECT_EQ(Utf8(window.TextBeside(CodeVersionLabel)), "13");
    EXPECT_EQ(Utf8(window.TextBeside(LimitLabel)), " 十万");
    ShowLimitListAndAHint(program, window);

    window.ClickButton(L"生成开票文件");
    EXPECT_EQ(Utf8(program.AnswerMessageBox(IDOK)), "请先导入按照模板格式填写的销货清单（Excel表格）！");

    // The template copies: Yes for Excel 2007 or newer gives the .xlsx template, No the .xls one; a name typed
    // without extension gets the template's.
    const struct {
        int Answer;
        const wchar_t* Template;
        const wchar_t* NameTyped;
        const wchar_t* Extension;
    } copies[] = {{IDYES, L"开票清单模板.xlsx", L"新清单", L".xlsx"}, {IDNO, L"开票清单模板.xls", L"旧清单", L".xls"}};
    for (const auto& copy : copies) {
        window.ClickButton(L"复制模板");
        EXPECT_EQ(Utf8(program.AnswerMessageBox(copy.Answer)), "请问这电脑上安装的Excel的版本是2007或更新的版本吗?");
        HWND dialog = program.WaitForDialog();
        EXPECT_EQ(Utf8(program.ProposedFileName(dialog)), Utf8(copy.Template));
        program.ChooseFile(dialog, Work->Path() + copy.NameTyped);
        const std::wstring copied = Work->Path() + copy.NameTyped + copy.Extension;
        const std::string shipped = acceptance::ReadFileBytes(Work->ProgramFolder() + copy.Template);
        ASSERT_FALSE(shipped.empty()) << "the template " << Utf8(copy.Template) << " is shipped";
        program.WaitUntil("the copy " + Utf8(copied), [&] { return acceptance::ReadFileBytes(copied) == shipped; });
    }

    window.ClickButton(L"操作说明");
    HWND help = program.WaitForStartedWindow(L"HH Parent");
    program.WaitUntil("the help's title on its window",
                      [&] { return acceptance::TextOf(help) == L"Tallyvane 操作说明"; });

    Exit(program, window);
    EXPECT_EQ(Setting(L"FPSetup", L"KPXE"), "2");
    EXPECT_EQ(Setting(L"Files", L"Read"), "(missing)");
}

// A list longer than the grid: Ctrl+End brings its last line whole above the horizontal scroll bar, which the lines'
// model texts (wider than the grid) bring. A selected cell shows in the selection's colour, so the last line is
// found by its selected cell, as whole as the first line's was.
TEST_F(ProgramAcceptance, ALongListShowsItsLastLineWholeAfterCtrlEnd) {
    const std::wstring list = Work->Path() + L"long-list.xlsx";
    std::filesystem::copy_file(std::filesystem::path(Wide(test_support::DataPath("app/long-list.xlsx"))),
                               std::filesystem::path(list));
    TProgram program(Work->Program(), Work->ProgramFolder());
    const TMainWindow window(program);
    program.ChooseFile(window.ClickForDialog(ImportButton), list);
    program.AnswerMessageBox(IDYES);
    EXPECT_EQ(Utf8(program.AnswerMessageBox(IDOK)), "本开票清单合计数\r\n\r\n　含税金额合计：250.00\r\n"
                                                    "不含税金额合计：221.25\r\n　　　税额合计：28.75");
    const RECT grid = window.GridRect();
    program.WaitUntil("lines of text down the grid", [&] { return acceptance::DarkRowBands(grid) >= 10; });

    // The rows end where the horizontal scroll bar begins, inside the grid's frame.
    const RECT rows{grid.left, grid.top, grid.right, grid.bottom - GetSystemMetrics(SM_CYHSCROLL) - 1};
    const std::vector<acceptance::TRowBand> bands = acceptance::DarkRowBandsOf(rows);
    ASSERT_GE(bands.size(), 3u);
    // Below the header band: the first line, its line-number cell clicked. The cell's colour left of its number
    // changes to the selection's.
    const POINT firstCell{grid.left + 20, (bands[1].Top + bands[1].Bottom) / 2};
    const int x = firstCell.x - rows.left;
    const uint32_t unselected = acceptance::ReadScreenPicture(rows).At(x, firstCell.y - rows.top);
    program.WaitUntil("the pointer on the first line", [&] { return acceptance::ClickAt(firstCell); });
    std::optional<acceptance::TRowBand> first;
    uint32_t selection = unselected;
    program.WaitUntil("the first line's cell in the selection's colour", [&] {
        const acceptance::TScreenPicture picture = acceptance::ReadScreenPicture(rows);
        selection = picture.At(x, firstCell.y - rows.top);
        first = acceptance::RowsOfColour(picture, selection, x);
        return selection != unselected && first && first->Top <= firstCell.y && first->Bottom > firstCell.y;
    });

    // Ctrl+End moves the focus without selecting; Up and Down then select the last line as they focus it.
    acceptance::PressKey(VK_END, true);
    acceptance::PressKey(VK_UP);
    acceptance::PressKey(VK_DOWN);
    std::optional<acceptance::TRowBand> last;
    program.WaitUntil("the selected last line whole above the horizontal scroll bar", [&] {
        const acceptance::TScreenPicture picture = acceptance::ReadScreenPicture(rows);
        last = acceptance::RowsOfColour(picture, selection, x);
        return last && last->Top > first->Bottom && last->Height() == first->Height() && last->Bottom < rows.bottom;
    });
    program.WaitUntilPainted(window.Handle(), program.NextStep("main-window-at-the-end"));
    Exit(program, window);
}

} // namespace
