#include "xls/core/model/package/Xc12FileData5.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/StringUtils.h"
#include "tests/support/TestSupport.h"
#include "xls/core/base/XLSErrorManager.h"
#include "xls/core/opc/OPCPackage.h"
#include "xls/core/opc/xpgParseContentType.h"
#include "xls/core/xml/XpgSimpleDOM.h"
#include "xls/core/zip/XLSZipIntf.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

std::unique_ptr<rtl::TMemoryStream> LoadFixture(const char* name) {
    auto stream = std::make_unique<rtl::TMemoryStream>();
    stream->LoadFromFile(test_support::DataPath(std::string("opc/") + name));
    return stream;
}

std::string Utf8(const rtl::UnicodeString& text) {
    return std::string(text.begin(), text.end());
}

std::vector<std::string> Paths(const TXLSSavedFileDataList& list) {
    std::vector<std::string> paths;
    for (int32_t i = 0; i < list.Count(); ++i) {
        paths.push_back(Utf8(list.GetItem(i).GetPartPath()));
    }
    return paths;
}

rtl::UnicodeString CoreText(TXc12FileData& data, const char16_t* path) {
    return data.GetCoreProperties().Root().GetChild(0).FindPath(path, true)->Text();
}

TEST(Xc12FileData5Test, ClearLeavesTheDefaultCoreProperties) {
    auto fixture = LoadFixture("handwritten.xlsx");
    TXc12FileData data;
    data.ReadPackage(*fixture);
    EXPECT_EQ(CoreText(data, u"dc:creator"), u"LibreOffice fixture");
    EXPECT_GT(data.GetContentTypes().GetTypes().GetOverride().Count(), 0);

    data.Clear();
    const TXpgDOMNode& root = data.GetCoreProperties().Root().GetChild(0);
    EXPECT_EQ(root.Name(), u"cp:coreProperties");
    EXPECT_EQ(root.GetChildCount(), 4);
    EXPECT_EQ(CoreText(data, u"dcterms:created"), u"2000-01-01T12:00:00Z");
    EXPECT_EQ(CoreText(data, u"dcterms:modified"), u"2000-01-01T12:00:00Z");
    EXPECT_EQ(data.GetContentTypes().GetTypes().GetOverride().Count(), 0);
    EXPECT_EQ(data.GetPackage().GetWorkbook(), nullptr);
    EXPECT_EQ(data.GetPackage().GetMode(), TOPCContainer::omClosed);
}

TEST(Xc12FileData5Test, PackageWithoutCorePropertiesKeepsTheDefault) {
    auto fixture = LoadFixture("openpyxl.xlsx");
    TXc12FileData data;
    data.ReadPackage(*fixture);
    EXPECT_EQ(CoreText(data, u"dc:creator"), u"fixture");

    // The same package, its core-properties relationship gone.
    data.Clear();
    rtl::TMemoryStream stripped;
    {
        TXLSZipArchiveIntfXLS in;
        in.OpenRead(*fixture);
        TXLSZipArchiveIntfXLS out;
        out.OpenWrite(stripped);
        const std::vector<const char16_t*> names = {u"[Content_Types].xml", u"xl/workbook.xml",
                                                    u"xl/_rels/workbook.xml.rels", u"xl/worksheets/sheet1.xml"};
        for (const char16_t* name : names) {
            out.AddFile(name, *in.OpenFile(name));
        }
        rtl::TStringStream rels(
            R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
            R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/></Relationships>)");
        out.AddFile(u"_rels/.rels", rels);
        out.Close();
    }
    data.ReadPackage(stripped);
    EXPECT_EQ(CoreText(data, u"dc:creator"), u"");
    EXPECT_EQ(CoreText(data, u"dcterms:created"), u"2000-01-01T12:00:00Z");
}

TEST(Xc12FileData5Test, KeepUnreadPartsRoutesEachPartToItsList) {
    auto fixture = LoadFixture("handwritten.xlsx");
    TXc12FileData data;
    data.ReadPackage(*fixture);
    TOPC_XLSX& package = data.GetPackage();
    package.OpenWorkbook();
    package.OpenWorksheet("rId2");
    package.CloseSheet();
    data.AddSheetId(u"rId2");
    TXLSErrorManager errors;
    data.KeepUnreadParts(errors);

    // app.xml and calcChain.xml are never kept, the read parts are not, the external hyperlink has no bytes.
    EXPECT_EQ(Paths(data.GetWorkbookParts()), std::vector<std::string>{"styles.xml"});
    EXPECT_EQ(Paths(data.GetParts()), std::vector<std::string>{"../media/image1.png"});
    ASSERT_NE(data.GetSheetParts(0), nullptr);
    EXPECT_EQ(Paths(data.GetSheetParts(0)->GetParts()),
              (std::vector<std::string>{"../drawings/drawing1.xml", "../comments1.xml"}));
    EXPECT_EQ(Paths(data.GetSheetParts(0)->GetTables()), std::vector<std::string>{"../tables/table1.xml"});
    const TXLSSavedFileData& table = data.GetSheetParts(0)->GetTables().GetItem(0);
    EXPECT_EQ(table.GetRelType(), OPCRelTypes::Table);
    EXPECT_EQ(table.GetContentType(), u"application/vnd.openxmlformats-officedocument.spreadsheetml.table+xml");
    EXPECT_GT(table.GetData().Size(), 0);
}

TEST(Xc12FileData5Test, UnreadPartsOfAnUnregisteredSheetStayWithThePackageAfterOneWarning) {
    auto fixture = LoadFixture("handwritten.xlsx");
    TXc12FileData data;
    data.ReadPackage(*fixture);
    data.AddSheetId(u"rId9");
    TXLSErrorManager errors;
    errors.SetSaveToList(true);
    data.KeepUnreadParts(errors);

    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0].Text, u"W2008: Sheet not read \"Unknown OPC sheet id rId2\"");
    EXPECT_EQ(data.GetSheetParts(0), nullptr);
    const std::vector<std::string> parts = Paths(data.GetParts());
    EXPECT_NE(std::find(parts.begin(), parts.end(), "../tables/table1.xml"), parts.end());
    EXPECT_NE(std::find(parts.begin(), parts.end(), "../comments1.xml"), parts.end());
}

TEST(Xc12FileData5Test, PivotHolders) {
    TXLSPivotCacheDefinitions definitions;
    definitions.Add().SetCacheId(4);
    TXLSPivotCacheDefinition& second = definitions.Add();
    second.SetCacheId(7);
    EXPECT_EQ(definitions.FindByCacheId(7), &second);
    EXPECT_EQ(second.Index(), 1);
    EXPECT_EQ(definitions.FindByCacheId(5), nullptr);
    second.IncUseCount();
    EXPECT_EQ(second.GetUseCount(), 1);

    TXLSPivotTables tables;
    TXLSPivotTable& table = tables.Add();
    EXPECT_EQ(table.GetCacheDefinition(), nullptr);
    EXPECT_EQ(table.GetDocument().Root().GetChildCount(), 0);
    EXPECT_THROW(tables.GetItem(1), rtl::EListError);
}

} // namespace
} // namespace xls
