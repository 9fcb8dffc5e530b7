// The XML invoice file: the product lines as the records give them, the numbers without tax, the texts the file
// cannot hold, the messages of an export, and whole sales lists against committed files, byte for byte.

#include "app/invoice/InvoiceExport.h"

#include "app/invoice/InvoiceRecords.h"
#include "app/invoice/SalesListImport.h"
#include "app/invoice/XmlDocument.h"
#include "rtl/core/Exceptions.h"
#include "rtl/io/FileUtils.h"
#include "rtl/text/CodePages.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/TestSupport.h"
#include "xls/api/XLSSpreadsheet.h"

#include <gtest/gtest.h>

namespace {

using test_support::Utf8;

const app::TInvoiceHeader SampleHeader{u"上海某某贸易有限公司",
                                       u"91310000MA1K000000",
                                       u"中国银行上海分行 123456789",
                                       u"上海市浦东新区某路1号 021-12345678",
                                       u"李四",
                                       u"王五",
                                       u"33.0"};

class InvoiceExport : public testing::Test {
protected:
    // Sets the items of a record, appending records up to it; items are given in item order from the name.
    void SetLine(int32_t record, std::initializer_list<rtl::Variant> values) {
        if (Records.GetRecordCount() <= record) {
            Records.SetRecordCount(record + 1);
        }
        int32_t item = app::iiProductName;
        for (const rtl::Variant& value : values) {
            Records.SetValue(record, item++, value);
        }
    }

    // The texts of the children of line (counted from 1) of the file written, as "name=text" joined by blanks.
    std::string LineTexts(int32_t line) {
        app::TXmlDocument document;
        document.LoadFromFile(FileName);
        const app::TXmlElement& products =
            *document.DocumentElement()->FindChild(u"Fpxx")->FindChild(u"Fpsj")->FindChild(u"Fp")->FindChild(u"Spxx");
        const app::TXmlElement& product = products.Child(line - 1);
        std::string texts;
        for (int32_t index = 0; index < product.ChildCount(); ++index) {
            texts +=
                (index > 0 ? " " : "") + Utf8(product.Child(index).Name()) + "=" + Utf8(product.Child(index).Text());
        }
        return texts;
    }

    bool Export(bool amountsIncludeTax, const app::TInvoiceHeader& header = SampleHeader) {
        app::TInvoiceExport invoiceExport(Records, Messages);
        return invoiceExport.Export(FileName, header, amountsIncludeTax);
    }

    app_test::TTempFolder Folder;
    const rtl::UnicodeString FileName = Folder.Path() + u"销货清单.xml";
    app::TInvoiceDataController Records;
    app_test::TScriptedMessages Messages;
};

TEST_F(InvoiceExport, PricesAndAmountsAreWrittenWithoutTax) {
    SetLine(0, {u"甲", u"规格", u"个", u"3", u"12.35", 12.35, 0.13, u"10101", u"SP1", u"0"});
    SetLine(1,
            {u"乙", rtl::Variant::Null(), rtl::Variant::Null(), u"1", u"113", 113.0, u"0.13", u"12345678901234567890"});
    SetLine(2, {u"丙", rtl::Variant::Null(), rtl::Variant::Null(), u"5", rtl::Variant::Null(), 0.5, u"0.06"});

    ASSERT_TRUE(Export(false));
    EXPECT_EQ(LineTexts(1), "Xh=1 Spmc=甲 Ggxh=规格 Jldw=个 Sl=3 Dj=12.35 Je=12.35 Slv=0.13 "
                            "Spbm=1010100000000000000 Qyspbm=SP1 Syyhzcbz=0 Kce=0 Lslbz= Yhzcsm=");
    EXPECT_EQ(LineTexts(2), "Xh=2 Spmc=乙 Ggxh= Jldw= Sl=1 Dj=113 Je=113 Slv=0.13 Spbm=1234567890123456789 "
                            "Qyspbm= Syyhzcbz=0 Kce=0 Lslbz= Yhzcsm=");
    EXPECT_EQ(LineTexts(3), "Xh=3 Spmc=丙 Ggxh= Jldw= Sl= Dj= Je=0.5 Slv=0.06 Spbm=0000000000000000000 Qyspbm= "
                            "Syyhzcbz=0 Kce=0 Lslbz= Yhzcsm=")
        << "a quantity without a price writes neither";

    ASSERT_TRUE(Export(true));
    EXPECT_EQ(LineTexts(1).substr(0, 70), "Xh=1 Spmc=甲 Ggxh=规格 Jldw=个 Sl=3 Dj=10.9292035398230088 Je=10.9");
    EXPECT_NE(LineTexts(1).find("Je=10.9292035398230088 "), std::string::npos);
    EXPECT_NE(LineTexts(2).find("Dj=100 Je=100 "), std::string::npos);
    EXPECT_NE(LineTexts(3).find("Je=0.47169811320754717 "), std::string::npos)
        << LineTexts(3) << ": 18 significant digits, the last a 0";
}

TEST_F(InvoiceExport, TheHeaderTakesTheFieldsAsTypedAndAnEmptyOneIsAnEmptyElement) {
    SetLine(0, {u"甲", rtl::Variant::Null(), rtl::Variant::Null(), rtl::Variant::Null(), rtl::Variant::Null(), 1.0,
                u"0.13"});
    app::TInvoiceHeader header = SampleHeader;
    header.BuyerName.clear();
    ASSERT_TRUE(Export(false, header));
    const std::string bytes = app_test::ReadFileBytes(FileName);
    const std::string text = Utf8(rtl::AnsiToUnicode(bytes, 936));
    EXPECT_TRUE(text.starts_with("<?xml version=\"1.0\" encoding=\"GBK\"?>\r\n<Kp>\r\n  <Version>2.0</Version>\r\n"
                                 "  <Fpxx>\r\n    <Zsl>1</Zsl>\r\n    <Fpsj>\r\n      <Fp>\r\n        <Djh>1</Djh>\r\n"
                                 "        <Gfmc/>\r\n        <Gfsh>91310000MA1K000000</Gfsh>\r\n"))
        << text;
    EXPECT_NE(text.find("        <Bz/>\r\n        <Fhr>李四</Fhr>\r\n        <Skr>王五</Skr>\r\n"
                        "        <Spbmbbh>33.0</Spbmbbh>\r\n        <Hsbz>0</Hsbz>\r\n        <Spxx>\r\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("      </Fp>\r\n    </Fpsj>\r\n  </Fpxx>\r\n</Kp>\r\n"));
    EXPECT_EQ(Messages.Shown.back(),
              "information: " + Utf8(FileName) + "\r\n文件导出成功！\r\n请在开票软件中导入该.xml文件并开具发票。");
}

TEST_F(InvoiceExport, NoRecordsGiveTheErrorAndNoFile) {
    app::TInvoiceExport invoiceExport(Records, Messages);
    EXPECT_FALSE(invoiceExport.CheckRecords());
    EXPECT_EQ(Messages.Shown, (std::vector<std::string>{"error: 请先导入按照模板格式填写的销货清单（Excel表格）！"}));
    SetLine(0, {u"甲"});
    EXPECT_TRUE(invoiceExport.CheckRecords());
}

TEST_F(InvoiceExport, RecordsBeforeTheFirstNamedOneEndTheLines) {
    SetLine(1, {u"乙", rtl::Variant::Null(), rtl::Variant::Null(), rtl::Variant::Null(), rtl::Variant::Null(), 1.0,
                u"0.13"});
    ASSERT_TRUE(Export(false));
    EXPECT_NE(app_test::ReadFileBytes(FileName).find("        <Spxx/>\r\n"), std::string::npos);
}

TEST_F(InvoiceExport, ATextTheFileCannotHoldStopsTheExportNamingLineAndElement) {
    app_test::WriteFileBytes(FileName, "the invoice written before");
    SetLine(0, {u"甲", rtl::Variant::Null(), rtl::Variant::Null(), rtl::Variant::Null(), rtl::Variant::Null(), 1.0,
                u"0.13"});
    SetLine(1, {u"乙", u"\x01", rtl::Variant::Null(), rtl::Variant::Null(), rtl::Variant::Null(), 1.0, u"0.13"});
    EXPECT_FALSE(Export(false));
    app::TInvoiceHeader header = SampleHeader;
    header.BuyerAddressPhone = u"电话\U0001F4DE";
    Records.SetRecordCount(1);
    EXPECT_FALSE(Export(false, header));
    ASSERT_EQ(Messages.Shown.size(), 2u) << "no success message";
    EXPECT_EQ(Messages.Shown[0], "error: 第2行Ggxh中的字符（U+0001）不能写入开票文件（GBK编码的XML文件），"
                                 "请修改后再生成开票文件。");
    EXPECT_EQ(Messages.Shown[1], "error: Gfdzdh中的字符（U+1F4DE）不能写入开票文件（GBK编码的XML文件），"
                                 "请修改后再生成开票文件。");
    EXPECT_EQ(app_test::ReadFileBytes(FileName), "the invoice written before");
}

TEST_F(InvoiceExport, ANumberThatDoesNotConvertRaisesAndWritesNothing) {
    SetLine(0, {u"甲", rtl::Variant::Null(), rtl::Variant::Null(), rtl::Variant::Null(), rtl::Variant::Null(), 1.0,
                rtl::Variant::Null()});
    EXPECT_THROW(Export(false), rtl::EConvertError);
    EXPECT_FALSE(rtl::FileExists(FileName));
    EXPECT_TRUE(Messages.Shown.empty());
    const rtl::UnicodeString folder = rtl::UnicodeString(u"清单") + rtl::PathDelim;
    EXPECT_EQ(Utf8(app::ProposedInvoiceFileName(folder + u"三月销货清单.xlsx")), "三月销货清单.xml");
}

// A whole sales list from the workbook to the file, against the file committed beside the workbook.
class SalesListToInvoiceFile : public InvoiceExport {
protected:
    void ImportAndExport(std::string_view workbook) {
        xls::TXLSSpreadsheet spreadsheet(nullptr);
        app_test::TRecordingView view;
        app::TSalesListImport import(spreadsheet, Records, view, Messages);
        import.Import(test_support::DataPath(workbook), true, 2, u" 十万");
        ASSERT_TRUE(Export(true));
    }

    void ExpectGoldenFile() {
        ASSERT_EQ(Messages.Shown.size(), 3u);
        EXPECT_EQ(Messages.Shown[0], "message: 第9行第13列数据格式错误，请参照模板填写开票清单表格。（String）");
        EXPECT_EQ(Messages.Shown[1], "information: 本开票清单合计数\r\n\r\n　含税金额合计：74462.30\r\n"
                                     "不含税金额合计：67195.59\r\n　　　税额合计：7266.71");
        EXPECT_EQ(Records.GetRecordCount(), 20);
        const std::string expected = app_test::ReadFileBytes(test_support::DataPath("app/sales-list.xml"));
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(app_test::ReadFileBytes(FileName), expected);
    }
};

TEST_F(SalesListToInvoiceFile, AnExcel2007WorkbookGivesTheCommittedFile) {
    ImportAndExport("app/sales-list.xlsx");
    ExpectGoldenFile();
}

TEST_F(SalesListToInvoiceFile, TheSameListAsAnExcel97WorkbookGivesTheSameFile) {
    ImportAndExport("app/sales-list.xls");
    ExpectGoldenFile();
}

// The list the end-to-end run of the program imports, with the fields its driver types, against the invoice file
// written by hand for it: the same records, messages and bytes from the .xlsx and from its .xls twin.
class AcceptanceListToInvoiceFile : public InvoiceExport, public testing::WithParamInterface<const char*> {};

TEST_P(AcceptanceListToInvoiceFile, GivesTheHandWrittenFile) {
    const app::TInvoiceHeader typed{u"上海某某贸易有限公司",
                                    u"91310000MA1K000000",
                                    u"中国银行上海分行 123456789",
                                    u"上海市浦东新区某路1号 021-12345678",
                                    u"张三李四",
                                    u"王小明",
                                    u"33.0"};
    xls::TXLSSpreadsheet spreadsheet(nullptr);
    app_test::TRecordingView view;
    app::TSalesListImport import(spreadsheet, Records, view, Messages);
    const std::optional<app::TTotalsTexts> totals =
        import.Import(test_support::DataPath(GetParam()), true, 0, u" 一千 ");
    ASSERT_TRUE(totals);
    EXPECT_EQ(Records.GetRecordCount(), 5) << "the totals row ends the list";
    ASSERT_TRUE(Export(true, typed));
    EXPECT_EQ(Messages.Shown,
              (std::vector<std::string>{
                  "message: 第6行第13列数据格式错误，请参照模板填写开票清单表格。（String）",
                  "information: 本开票清单合计数\r\n\r\n　含税金额合计：1485.65\r\n"
                  "不含税金额合计：1320.93\r\n　　　税额合计：164.72",
                  "warning: 请注意，这张发票的金额合计数超过了设置的发票开票限额【一千】!",
                  "information: " + Utf8(FileName) + "\r\n文件导出成功！\r\n请在开票软件中导入该.xml文件并开具发票。",
              }));
    const std::string expected = app_test::ReadFileBytes(test_support::DataPath("app/acceptance-list.xml"));
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(app_test::ReadFileBytes(FileName), expected);
}

INSTANTIATE_TEST_SUITE_P(ExcelFormats, AcceptanceListToInvoiceFile,
                         testing::Values("app/acceptance-list.xlsx", "app/acceptance-list.xls"));

} // namespace
