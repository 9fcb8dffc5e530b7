#include "xls/xlsx/xpgParseXLinks.h"

#include "tests/support/TestSupport.h"
#include "tests/xls/xlsx/xpgParserXLSXTestSupport.h"

#include <gtest/gtest.h>
#include <string>

namespace xls::xpgParseXLinks {
namespace {

using test_support::Utf8;
using xlsx_test::Fields;

using LinkPart = xlsx_test::TLoggedDocument<TXPGDocXLink>;

// The cached workbook of a link: its sheet names, defined names and cells, sheet by sheet and row by row.
std::string BookText(const TCT_ExternalBook& book) {
    std::string text = Utf8(book.GetId()) + " sheets";
    for (int32_t i = 0; i < book.GetSheetNames().GetSheetName().Count(); ++i) {
        text += " " + Utf8(book.GetSheetNames().GetSheetName().GetItem(i).GetVal());
    }
    text += " names";
    for (int32_t i = 0; i < book.GetDefinedNames().GetDefinedName().Count(); ++i) {
        const TCT_ExternalDefinedName& name = book.GetDefinedNames().GetDefinedName().GetItem(i);
        text += " [" + Fields(name.GetName(), name.GetRefersTo(), name.GetSheetId()) + "]";
    }
    const TCT_ExternalSheetDataXpgList& sheets = book.GetSheetDataSet().GetSheetData();
    for (int32_t i = 0; i < sheets.Count(); ++i) {
        const TCT_ExternalSheetData& sheet = sheets.GetItem(i);
        text += " data " + Fields(sheet.GetSheetId(), sheet.GetRefreshError());
        for (int32_t j = 0; j < sheet.GetRow().Count(); ++j) {
            const TCT_ExternalRow& row = sheet.GetRow().GetItem(j);
            text += " row " + std::to_string(row.GetR());
            for (int32_t k = 0; k < row.GetCell().Count(); ++k) {
                const TCT_ExternalCell& cell = row.GetCell().GetItem(k);
                text += " [" + Fields(cell.GetR(), cell.GetT(), cell.GetVm(), cell.GetV()) + "]";
            }
        }
    }
    return text;
}

TEST(xpgParseXLinks, ReadsLinksWrittenByOpenpyxlAndLibreOffice) {
    const struct {
        std::string_view fixture;
        std::string book;
    } cases[] = {
        {"xlsx/openpyxl-elements.xlsx",
         "rId1 sheets Rates Notes names [Rate Rates!$B$1 0] data 0 0 row 1 [A1 4 0 VAT] [B1 1 0 0.13]"},
        {"xlsx/libreoffice-elements.xlsx", "rId1 sheets Rates Notes names data 0 0 row 1 [B1 1 0 0.13] data 1 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture);
        LinkPart part;
        part.LoadBytes(xlsx_test::FixturePart(c.fixture, "xl/externalLinks/externalLink1.xml"));
        const TCT_ExternalLink& link = part.Doc.GetExternalLink();
        EXPECT_TRUE(link.Assigned());
        EXPECT_TRUE(link.GetExternalBook().Assigned());
        EXPECT_FALSE(link.GetDdeLink().Assigned());
        EXPECT_FALSE(link.GetOleLink().Assigned());
        EXPECT_EQ(BookText(link.GetExternalBook()), c.book);
        EXPECT_EQ(part.Joined(), "");
    }
}

TEST(xpgParseXLinks, ReadsEveryAttributeOfABookReference) {
    LinkPart part;
    part.Load(R"(<externalLink xmlns="MAIN" xmlns:r="REL"><externalBook r:id="rId2"><sheetNames>)"
              R"(<sheetName val="A"/><sheetName val="B"/><sheetName val="C"/></sheetNames><definedNames>)"
              R"(<definedName name="N" refersTo="=A!$A$1" sheetId="2"/></definedNames><sheetDataSet>)"
              R"(<sheetData sheetId="1" refreshError="1"><row r="2"><cell r="A2" t="e" vm="3"><v>#N/A</v></cell>)"
              R"(<cell r="B2" t="B"><v>1</v></cell><cell r="C2" t="s"/><cell r="D2" t="inlineStr"><v/></cell>)"
              R"(<cell r="E2" t="d"><v>2024-01-02</v></cell></row><row/></sheetData></sheetDataSet></externalBook>)"
              R"(<extLst><ext uri="{U}"><anything at="all"/></ext></extLst></externalLink>)");
    const TCT_ExternalLink& link = part.Doc.GetExternalLink();
    // The types of external cells count without d: e is 2 where a worksheet cell's is 3, and d is no type.
    EXPECT_EQ(BookText(link.GetExternalBook()),
              "rId2 sheets A B C names [N =A!$A$1 2] data 1 1 row 2 [A2 2 3 #N/A] [B2 0 0 1] [C2 3 0 ] [D2 5 0 ]"
              " [E2 255 0 2024-01-02] row 0");
    EXPECT_EQ(Utf8(link.GetExtLst().GetExt().GetItem(0).GetUri()), "{U}");
    EXPECT_EQ(part.Joined(), R"(Row 0: Unknown Attribute "t="d"")");
}

TEST(xpgParseXLinks, ReadsEveryAttributeOfDdeAndOleLinks) {
    LinkPart part;
    part.Load(R"(<externalLink xmlns="MAIN" xmlns:r="REL"><ddeLink ddeService="Excel" ddeTopic="[Book1]Sheet1">)"
              R"(<ddeItems><ddeItem name="R1C1" ole="1" advise="1" preferPic="1"><values rows="2" cols="3">)"
              R"(<value t="str"><val>abc</val></value><value t="nil"/><value><val>4.5</val></value></values>)"
              R"(</ddeItem><ddeItem/></ddeItems></ddeLink><oleLink r:id="rId5" progId="Word.Document">)"
              R"(<oleItems><oleItem name="Item" icon="1" advise="1" preferPic="1"/><oleItem/></oleItems></oleLink>)"
              R"(</externalLink>)");
    const TCT_ExternalLink& link = part.Doc.GetExternalLink();
    const TCT_DdeLink& dde = link.GetDdeLink();
    EXPECT_EQ(Fields(dde.GetDdeService(), dde.GetDdeTopic()), "Excel [Book1]Sheet1");
    const TCT_DdeItemXpgList& items = dde.GetDdeItems().GetDdeItem();
    ASSERT_EQ(items.Count(), 2);
    const TCT_DdeItem& item = items.GetItem(0);
    EXPECT_EQ(Fields(item.GetName(), item.GetOle(), item.GetAdvise(), item.GetPreferPic(), item.GetValues().GetRows(),
                     item.GetValues().GetCols()),
              "R1C1 1 1 1 2 3");
    std::string values;
    for (int32_t i = 0; i < item.GetValues().GetValue().Count(); ++i) {
        const TCT_DdeValue& value = item.GetValues().GetValue().GetItem(i);
        values += "[" + Fields(value.GetT(), value.GetVal()) + "]";
    }
    EXPECT_EQ(values, "[4 abc][0 ][2 4.5]");
    const TCT_DdeItem& plain = items.GetItem(1);
    EXPECT_EQ(Fields(plain.GetName(), plain.GetOle(), plain.GetValues().GetRows(), plain.GetValues().GetCols()),
              "0 0 1 1");
    const TCT_OleLink& ole = link.GetOleLink();
    EXPECT_EQ(Fields(ole.GetId(), ole.GetProgId()), "rId5 Word.Document");
    const TCT_OleItem& oleItem = ole.GetOleItems().GetOleItem().GetItem(0);
    EXPECT_EQ(Fields(oleItem.GetName(), oleItem.GetIcon(), oleItem.GetAdvise(), oleItem.GetPreferPic()), "Item 1 1 1");
    EXPECT_EQ(ole.GetOleItems().GetOleItem().Count(), 2);
    EXPECT_FALSE(link.GetExternalBook().Assigned());
    EXPECT_EQ(part.Joined(), "");
}

TEST(xpgParseXLinks, SkipsUnknownNamesAndReadsOn) {
    LinkPart part;
    part.Load(R"(<x:externalLink xmlns:x="MAIN" xmlns:r="REL"><x:externalBook r:id="rId1" extra="1">)"
              R"(<x:sheetNames><x:sheetName val="S"/></x:sheetNames><x:later><x:sheetNames><x:sheetName val="no"/>)"
              R"(</x:sheetNames></x:later><x:definedNames><x:definedName name="N" scope="x"/></x:definedNames>)"
              R"(</x:externalBook></x:externalLink>)");
    EXPECT_EQ(BookText(part.Doc.GetExternalLink().GetExternalBook()), "rId1 sheets S names [N  0]");
    EXPECT_EQ(part.Joined(), R"(Row 0: Unknown Attribute "extra"|Row 0: Unknown Element "x:later"|)"
                             R"(Row 0: Unknown Attribute "scope")");
}

} // namespace
} // namespace xls::xpgParseXLinks
