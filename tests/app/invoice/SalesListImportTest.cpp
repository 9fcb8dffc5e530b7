// The import of sales lists written by openpyxl and LibreOffice: what each kind of cell becomes, the cells that
// cannot be taken, where the list ends, where it starts, the totals and the view's batch.

#include "app/invoice/SalesListImport.h"

#include "app/invoice/InvoiceExport.h"
#include "app/invoice/InvoiceRecords.h"
#include "rtl/text/CodePages.h"
#include "rtl/variants/VariantConversions.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/TestSupport.h"
#include "xls/api/XLSSpreadsheet.h"

#include <gtest/gtest.h>

namespace {

using test_support::Utf8;

std::string BadCell(int row, int col, const char* kind) {
    return "message: 第" + std::to_string(row) + "行第" + std::to_string(col) +
           "列数据格式错误，请参照模板填写开票清单表格。（" + kind + "）";
}

class SalesListImport : public testing::Test {
protected:
    std::optional<app::TTotalsTexts> Import(std::string_view fixture, bool amountsIncludeTax, int32_t limitIndex = 4) {
        app::TSalesListImport import(Spreadsheet, Records, View, Messages);
        return import.Import(test_support::DataPath(fixture), amountsIncludeTax, limitIndex, u" 千万");
    }

    // The item's value as text, "Null" for Null.
    std::string Value(int32_t record, int32_t item) {
        const rtl::Variant value = Records.GetValue(record, item);
        return value.IsNull() ? "Null" : Utf8(rtl::VarToStr(value));
    }

    xls::TXLSSpreadsheet Spreadsheet{nullptr};
    app::TInvoiceDataController Records;
    app_test::TRecordingView View;
    app_test::TScriptedMessages Messages;
};

TEST_F(SalesListImport, EachKindOfCellIsStoredOrReportedOnce) {
    const std::optional<app::TTotalsTexts> totals = Import("app/cell-kinds.xlsx", true);

    // Text that is no number in the amount and rate columns, a text the deduction's Float cannot take, a text right
    // of column M and an amount too large for a Currency each give one message; a boolean and an error cell right of
    // column M give none.
    ASSERT_EQ(Messages.Shown.size(), 6u);
    EXPECT_EQ(Messages.Shown[0], BadCell(4, 6, "String"));
    EXPECT_EQ(Messages.Shown[1], BadCell(4, 7, "String"));
    EXPECT_EQ(Messages.Shown[2], BadCell(5, 13, "String"));
    EXPECT_EQ(Messages.Shown[3], BadCell(6, 14, "String"));
    EXPECT_EQ(Messages.Shown[4], BadCell(7, 6, "Float"));
    EXPECT_EQ(Messages.Shown[5], "information: 本开票清单合计数\r\n\r\n　含税金额合计：130.70\r\n"
                                 "不含税金额合计：116.08\r\n　　　税额合计：14.62");

    // Row 9 has no product name: it ends the list, and row 10 is not read.
    ASSERT_EQ(Records.GetRecordCount(), 7);
    const struct {
        int32_t Record;
        int32_t Item;
        const char* Value;
    } values[] = {
        {0, app::iiLineNumber, "1"},
        {0, app::iiProductName, "甲"},
        {0, app::iiQuantity, "2"}, // a number in a text column, as general text
        {0, app::iiUnitPrice, "6.17"},
        {0, app::iiAmount, "12.35"}, // the text 12.345, converted and rounded
        {0, app::iiTaxRate, "0.13"},
        {0, app::iiModel, "Null"},
        {1, app::iiProductName, "123"},     // a product name given as a number
        {1, app::iiAmount, "12.35"},        // the number 12.345, rounded
        {1, app::iiTaxRate, "0.123456789"}, // a rate is stored unrounded
        {1, app::iiTaxCode, "1234567890123456789"},
        {2, app::iiAmount, "Null"},
        {2, app::iiTaxRate, "Null"},
        {3, app::iiAmount, "6"}, // a float formula's result
        {3, app::iiTaxRate, "0.06"},
        {3, app::iiDeduction, "Null"},
        {4, app::iiModel, "规格"}, // a string formula's result
        {4, app::iiAmount, "100"},
        {5, app::iiAmount, "Null"},
        {6, app::iiLineNumber, "7"},
        {6, app::iiQuantity, "2"},
        {6, app::iiAmount, "7.5"}, // a string formula in the amount column: stored, not summed
        {6, app::iiTaxRate, "0.13"},
    };
    for (const auto& v : values) {
        EXPECT_EQ(Value(v.Record, v.Item), v.Value) << "record " << v.Record << " item " << v.Item;
    }
    EXPECT_EQ(Records.GetValue(0, app::iiLineNumber).VarType(), rtl::varInteger);
    EXPECT_EQ(Records.GetValue(0, app::iiAmount).VarType(), rtl::varCurrency);

    ASSERT_TRUE(totals);
    EXPECT_EQ(Utf8(totals->WithTax), "130.70");
    EXPECT_EQ(Utf8(totals->WithoutTax), "116.08");
    EXPECT_EQ(Utf8(totals->Tax), "14.62");
    EXPECT_EQ(View.Calls, (std::vector<std::string>{"begin", "end", "best fit"}));
}

TEST_F(SalesListImport, TaxExclusiveAmountsAddTheirTax) {
    const std::optional<app::TTotalsTexts> totals = Import("app/cell-kinds.xlsx", false);
    ASSERT_TRUE(totals);
    EXPECT_EQ(Utf8(totals->WithTax), "147.19");
    EXPECT_EQ(Utf8(totals->WithoutTax), "130.70");
    EXPECT_EQ(Utf8(totals->Tax), "16.49");
}

TEST_F(SalesListImport, TheRowThatEndsTheListIsNeitherARecordNorCounted) {
    for (const char* fixture :
         {"app/end-by-missing-name.xlsx", "app/end-by-blank-name.xlsx", "app/end-by-blank-text-name.xlsx"}) {
        Messages.Shown.clear();
        const std::optional<app::TTotalsTexts> totals = Import(fixture, false);
        EXPECT_EQ(Records.GetRecordCount(), 2) << fixture;
        ASSERT_TRUE(totals) << fixture;
        EXPECT_EQ(Utf8(totals->WithoutTax), "300.00") << fixture << ": the end row's 300 and the row below are out";
        EXPECT_EQ(Utf8(totals->WithTax), "339.00") << fixture;
        EXPECT_EQ(Messages.Shown.size(), 1u) << fixture;
    }
}

TEST_F(SalesListImport, AHeaderBelowTheTopStillFillsTheRecordsFromTheFirst) {
    const std::optional<app::TTotalsTexts> totals = Import("app/header-below-top.xlsx", true);
    ASSERT_EQ(Records.GetRecordCount(), 2);
    EXPECT_EQ(Value(0, app::iiLineNumber), "3") << "the sheet row is kept";
    EXPECT_EQ(Value(0, app::iiProductName), "甲");
    EXPECT_EQ(Value(1, app::iiLineNumber), "4");
    EXPECT_EQ(Value(1, app::iiAmount), "226");
    ASSERT_TRUE(totals);
    EXPECT_EQ(Utf8(totals->WithoutTax), "300.00");
}

TEST_F(SalesListImport, ASheetWithOnlyAHeaderGivesNoRecordsAndNoMessage) {
    Records.SetRecordCount(3);
    EXPECT_FALSE(Import("app/header-only.xlsx", true));
    EXPECT_EQ(Records.GetRecordCount(), 0);
    EXPECT_TRUE(Messages.Shown.empty());
    EXPECT_EQ(View.Calls, (std::vector<std::string>{"begin", "end"}));
}

TEST_F(SalesListImport, AWorkbookThatCannotBeReadEndsTheBatchAndLeavesNoRecords) {
    Records.SetRecordCount(3);
    EXPECT_THROW(Import("app/missing.xlsx", true), rtl::Exception);
    EXPECT_EQ(Records.GetRecordCount(), 0);
    EXPECT_TRUE(Messages.Shown.empty());
    EXPECT_EQ(View.Calls, (std::vector<std::string>{"begin", "end"}));
}

TEST_F(SalesListImport, TheLimitWarningFollowsTheTotals) {
    Import("app/header-below-top.xlsx", true, 0);
    ASSERT_EQ(Messages.Shown.size(), 1u) << "300.00 is within 1000";
    Messages.Shown.clear();
    Import("app/header-below-top.xlsx", true, 9);
    ASSERT_EQ(Messages.Shown.size(), 2u) << "with an index outside the list the limit is 0";
    EXPECT_EQ(Messages.Shown[1], "warning: 请注意，这张发票的金额合计数超过了设置的发票开票限额【千万】!");
}

TEST_F(SalesListImport, TheQuestionDecidesWhetherAmountsIncludeTax) {
    Messages.Answers = {false, true};
    app::TSalesListImport import(Spreadsheet, Records, View, Messages);
    EXPECT_FALSE(import.AskAmountsIncludeTax());
    EXPECT_TRUE(import.AskAmountsIncludeTax());
    EXPECT_EQ(Messages.Shown[0], "question: 开票清单Excel表格中的金额可以是【含税价】或【不含税价】，\r\n\r\n"
                                 "请问这开票清单中的金额是【含税价】吗？");
    EXPECT_EQ(Utf8(app::AmountCaptions(true).UnitPrice), "单价(含税)");
    EXPECT_EQ(Utf8(app::AmountCaptions(true).Amount), "金额(含税)");
    EXPECT_EQ(Utf8(app::AmountCaptions(false).UnitPrice), "单价(不含税)");
    EXPECT_EQ(Utf8(app::AmountCaptions(false).Amount), "金额(不含税)");
}

// Records keep ANSI text. Where the process code page cannot hold a character (936 on a Chinese Windows), the cell
// cannot be taken; a process whose code page holds every character (UTF-8) keeps it, and the export refuses it.
TEST_F(SalesListImport, ATextThatGbkCannotHoldNeverReachesTheInvoiceAsAnotherCharacter) {
    Import("app/unwritable-text.xlsx", true);
    ASSERT_EQ(Records.GetRecordCount(), 3);
    EXPECT_EQ(Value(1, app::iiAmount), "200");
    if (rtl::ProcessAnsiCodePage() == 936) {
        ASSERT_EQ(Messages.Shown.size(), 2u);
        EXPECT_EQ(Messages.Shown[0], BadCell(3, 2, "String"));
        EXPECT_EQ(Value(1, app::iiModel), "Null") << "never a '?' in its place";
        return;
    }
    EXPECT_EQ(Value(1, app::iiModel), "笑脸\xF0\x9F\x98\x80");
    app_test::TTempFolder folder;
    app::TInvoiceExport invoiceExport(Records, Messages);
    EXPECT_FALSE(invoiceExport.Export(folder.Path() + u"invoice.xml", {}, true));
    EXPECT_EQ(Messages.Shown.back(), "error: 第2行Ggxh中的字符（U+1F600）不能写入开票文件（GBK编码的XML文件），"
                                     "请修改后再生成开票文件。");
}

} // namespace
