// The parts beside the worksheets that the SpreadsheetML unit reads: comments, tables, chart sheets and dialog sheets.

#include "tests/support/TestSupport.h"
#include "tests/xls/xlsx/xpgParserXLSXTestSupport.h"
#include "xls/xlsx/xpgParseXLinks.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls::xpgParserXLSX {
namespace {

using test_support::Utf8;
using xlsx_test::Fields;
using xlsx_test::FieldText;

// A document that logs its reports and each comment it hands out: cell, author, guid and text with its runs.
class CommentsPart : public xlsx_test::TLoggedDocument<TXPGDocXLSX> {
public:
    CommentsPart() {
        Doc.GetRoot().GetComments().GetCommentList().SetOnComment([this](TCT_Comment& comment) {
            std::string text = Fields(comment.GetRef(), comment.GetAuthorId(), comment.GetGuid()) + " '" +
                               Utf8(comment.GetText().GetT()) + "'";
            for (int32_t i = 0; i < comment.GetText().GetR().Count(); ++i) {
                const TCT_RElt& run = comment.GetText().GetR().GetItem(i);
                text += "[" + Utf8(run.GetT()) + (run.GetRPr().GetB().Assigned() ? " bold" : "") + "]";
            }
            Comments.push_back(text);
        });
    }

    // The authors as a list of texts.
    std::string Authors() { return FieldText(Doc.GetRoot().GetComments().GetAuthors().GetAuthor()); }

    std::vector<std::string> Comments;
};

TEST(xpgParserXLSXParts, ReadsCommentsWrittenByOpenpyxlAndLibreOffice) {
    CommentsPart openpyxl;
    openpyxl.LoadBytes(xlsx_test::FixturePart("xlsx/openpyxl-elements.xlsx", "xl/comments/comment1.xml"));
    EXPECT_EQ(openpyxl.Comments, (std::vector<std::string>{"A2 0  'Fresh apples'", "B3 1  'Check count'"}));
    EXPECT_EQ(openpyxl.Authors(), "Ann,Bob");
    // shapeId is not read.
    EXPECT_EQ(openpyxl.Joined(), R"(Row 0: Unknown Attribute "shapeId"|Row 0: Unknown Attribute "shapeId")");

    CommentsPart libreOffice;
    libreOffice.LoadBytes(xlsx_test::FixturePart("xlsx/libreoffice-elements.xlsx", "xl/comments1.xml"));
    EXPECT_EQ(libreOffice.Comments, (std::vector<std::string>{"A2 0  ''[Fresh apples]", "B3 0  ''[Check count]"}));
    EXPECT_EQ(libreOffice.Authors(), " ");
    EXPECT_EQ(libreOffice.Joined(), "");
}

TEST(xpgParserXLSXParts, HandsOutEachCommentWithItsOwnValues) {
    CommentsPart part;
    part.Load(R"(<x:comments xmlns:x="MAIN"><x:authors><x:author>a</x:author><x:author/><x:author>c</x:author>)"
              R"(</x:authors><x:commentList><x:comment x:ref="B3" x:authorId="2" x:guid="{G1}"><x:text>)"
              R"(<x:r><x:rPr><x:b/></x:rPr><x:t>Bold</x:t></x:r><x:r><x:t> plain</x:t></x:r></x:text></x:comment>)"
              R"(<x:comment x:ref="C4"><x:text><x:t>second</x:t></x:text><x:commentPr locked="0"><x:anchor/>)"
              R"(</x:commentPr></x:comment><x:comment x:ref="D5"/></x:commentList>)"
              R"(<x:extLst><x:ext x:uri="{E}"/></x:extLst></x:comments>)");
    EXPECT_EQ(part.Comments,
              (std::vector<std::string>{"B3 2 {G1} ''[Bold bold][ plain]", "C4 0  'second'", "D5 0  ''"}));
    EXPECT_EQ(part.Authors(), "a,,c");
    EXPECT_EQ(part.Doc.GetRoot().GetComments().GetExtLst().GetExt().Count(), 1);
    EXPECT_EQ(part.Joined(), R"(Row 0: Unknown Element "x:commentPr")");
}

std::string TableText(const TCT_Table& table) {
    return Fields(table.GetId(), table.GetName(), table.GetDisplayName(), table.GetComment(), table.GetRef(),
                  table.GetTableType(), table.GetHeaderRowCount(), table.GetInsertRow(), table.GetInsertRowShift(),
                  table.GetTotalsRowCount(), table.GetTotalsRowShown(), table.GetPublished(), table.GetHeaderRowDxfId(),
                  table.GetDataDxfId(), table.GetTotalsRowDxfId(), table.GetHeaderRowBorderDxfId(),
                  table.GetTableBorderDxfId(), table.GetTotalsRowBorderDxfId(), table.GetHeaderRowCellStyle(),
                  table.GetDataCellStyle(), table.GetTotalsRowCellStyle(), table.GetConnectionId());
}

std::string ColumnText(const TCT_TableColumn& column) {
    std::string text = Fields(column.GetId(), column.GetUniqueName(), column.GetName(), column.GetTotalsRowFunction(),
                              column.GetTotalsRowLabel(), column.GetQueryTableFieldId(), column.GetHeaderRowDxfId(),
                              column.GetDataDxfId(), column.GetTotalsRowDxfId(), column.GetHeaderRowCellStyle(),
                              column.GetDataCellStyle(), column.GetTotalsRowCellStyle());
    for (const TCT_TableFormula* formula : {&column.GetCalculatedColumnFormula(), &column.GetTotalsRowFormula()}) {
        text += formula->Assigned() ? " [" + Fields(formula->GetArray(), formula->GetText()) + "]" : " -";
    }
    const TCT_XmlColumnPr& xml = column.GetXmlColumnPr();
    if (xml.Assigned()) {
        text += " xml " + Fields(xml.GetMapId(), xml.GetXpath(), xml.GetDenormalized(), xml.GetXmlDataType());
    }
    return text;
}

std::string StyleInfoText(const TCT_TableStyleInfo& info) {
    return Fields(info.GetName(), info.GetShowFirstColumn(), info.GetShowLastColumn(), info.GetShowRowStripes(),
                  info.GetShowColumnStripes());
}

TEST(xpgParserXLSXParts, ReadsTablesWrittenByOpenpyxlAndLibreOffice) {
    const struct {
        std::string_view fixture;
        std::string table;
        std::string style;
    } cases[] = {
        {"xlsx/openpyxl-elements.xlsx", "1 Prices Prices  A1:C4 0 1 0 0 0 1 0          0", "TableStyleMedium9 0 0 1 0"},
        {"xlsx/libreoffice-elements.xlsx", "1 Prices Prices  A1:C4 0 1 0 0 0 0 0          0", " 0 0 0 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture);
        xlsx_test::TLoggedDocument<TXPGDocXLSX> part;
        part.LoadBytes(xlsx_test::FixturePart(c.fixture, "xl/tables/table1.xml"));
        const TCT_Table& table = part.Doc.GetTable();
        EXPECT_EQ(TableText(table), c.table);
        EXPECT_EQ(Utf8(table.GetAutoFilter().GetRef()), "A1:C4");
        const TCT_TableColumnXpgList& columns = table.GetTableColumns().GetTableColumn();
        ASSERT_EQ(columns.Count(), 3);
        EXPECT_EQ(ColumnText(columns.GetItem(2)), "3  Price 0  0       - -");
        EXPECT_EQ(StyleInfoText(table.GetTableStyleInfo()), c.style);
        EXPECT_EQ(part.Joined(), "");
    }
}

TEST(xpgParserXLSXParts, ReadsEveryAttributeOfATable) {
    xlsx_test::TLoggedDocument<TXPGDocXLSX> part;
    part.Load(
        R"(<table xmlns="MAIN" id="3" name="T" displayName="Sales" comment="c" ref="A1:D9" tableType="queryTable")"
        R"( headerRowCount="0" insertRow="1" insertRowShift="1" totalsRowCount="1" totalsRowShown="0")"
        R"( published="1" headerRowDxfId="1" dataDxfId="2" totalsRowDxfId="3" headerRowBorderDxfId="4")"
        R"( tableBorderDxfId="5" totalsRowBorderDxfId="6" headerRowCellStyle="H" dataCellStyle="D")"
        R"( totalsRowCellStyle="S" connectionId="7"><autoFilter ref="A1:D8"/><sortState ref="A2:D8">)"
        R"(<sortCondition ref="B2:B8"/></sortState><tableColumns count="9"><tableColumn id="1" uniqueName="u")"
        R"( name="Qty" totalsRowFunction="countNums" totalsRowLabel="L" queryTableFieldId="4" headerRowDxfId="8")"
        R"( dataDxfId="9" totalsRowDxfId="10" headerRowCellStyle="h" dataCellStyle="d" totalsRowCellStyle="t">)"
        R"(<calculatedColumnFormula>SUM(A1:A3)</calculatedColumnFormula>)"
        R"(<totalsRowFormula array="1">x</totalsRowFormula><xmlColumnPr mapId="2" xpath="/a/b")"
        R"( denormalized="1" xmlDataType="integer"><extLst/></xmlColumnPr></tableColumn><tableColumn id="2"/>)"
        R"(</tableColumns><tableStyleInfo name="TableStyleLight1" showFirstColumn="1" showLastColumn="1")"
        R"( showRowStripes="1" showColumnStripes="1"/><extLst><ext uri="{X}"/></extLst></table>)");
    const TCT_Table& table = part.Doc.GetTable();
    EXPECT_EQ(TableText(table), "3 T Sales c A1:D9 2 0 1 1 1 0 1 1 2 3 4 5 6 H D S 7");
    EXPECT_EQ(Utf8(table.GetAutoFilter().GetRef()), "A1:D8");
    EXPECT_EQ(Utf8(table.GetSortState().GetSortCondition().GetItem(0).GetRef()), "B2:B8");
    // The columns are the items, whatever count says.
    EXPECT_EQ(table.GetTableColumns().GetCount(), 9);
    const TCT_TableColumnXpgList& columns = table.GetTableColumns().GetTableColumn();
    ASSERT_EQ(columns.Count(), 2);
    EXPECT_EQ(ColumnText(columns.GetItem(0)), "1 u Qty 6 L 4 8 9 10 h d t [0 SUM(A1:A3)] [1 x] xml 2 /a/b 1 7");
    EXPECT_EQ(ColumnText(columns.GetItem(1)), "2   0  0       - -");
    EXPECT_EQ(StyleInfoText(table.GetTableStyleInfo()), "TableStyleLight1 1 1 1 1");
    EXPECT_EQ(table.GetExtLst().GetExt().Count(), 1);
    EXPECT_EQ(part.Joined(), "");

    xlsx_test::TLoggedDocument<TXPGDocXLSX> plain;
    plain.Load(R"(<table xmlns="MAIN"><tableColumns><tableColumn><xmlColumnPr/></tableColumn></tableColumns></table>)");
    EXPECT_EQ(TableText(plain.Doc.GetTable()), "0     0 1 0 0 0 1 0          0");
    EXPECT_EQ(ColumnText(plain.Doc.GetTable().GetTableColumns().GetTableColumn().GetItem(0)),
              "0   0  0       - - xml 0  0 255");
}

std::string CsPageSetupText(const TCT_CsPageSetup& setup) {
    return Fields(setup.GetPaperSize(), setup.GetFirstPageNumber(), setup.GetOrientation(),
                  setup.GetUsePrinterDefaults(), setup.GetBlackAndWhite(), setup.GetDraft(),
                  setup.GetUseFirstPageNumber(), setup.GetHorizontalDpi(), setup.GetVerticalDpi(), setup.GetCopies(),
                  setup.GetId());
}

TEST(xpgParserXLSXParts, ReadsAChartSheetWrittenByOpenpyxl) {
    xlsx_test::TLoggedDocument<TXPGDocXLSX> part;
    part.LoadBytes(xlsx_test::FixturePart("xlsx/openpyxl-elements.xlsx", "xl/chartsheets/sheet1.xml"));
    const TCT_Chartsheet& sheet = part.Doc.GetChartsheet();
    EXPECT_TRUE(sheet.Assigned());
    EXPECT_FALSE(sheet.GetSheetPr().Assigned());
    ASSERT_EQ(sheet.GetSheetViews().GetSheetView().Count(), 1);
    const TCT_ChartsheetView& view = sheet.GetSheetViews().GetSheetView().GetItem(0);
    EXPECT_EQ(Fields(view.GetTabSelected(), view.GetZoomScale(), view.GetWorkbookViewId(), view.GetZoomToFit()),
              "0 100 0 0");
    EXPECT_EQ(Utf8(sheet.GetDrawing().GetId()), "rId1");
    EXPECT_FALSE(part.Doc.GetWorksheet().Assigned());
    EXPECT_EQ(part.Joined(), "");
}

TEST(xpgParserXLSXParts, ReadsEveryAttributeOfAChartSheet) {
    xlsx_test::TLoggedDocument<TXPGDocXLSX> part;
    part.Load(R"(<chartsheet xmlns="MAIN" xmlns:r="REL"><sheetPr published="0" codeName="Chart1">)"
              R"(<tabColor rgb="FF00FF00"/></sheetPr><sheetViews><sheetView tabSelected="1" zoomScale="80")"
              R"( workbookViewId="2" zoomToFit="1"><extLst/></sheetView><sheetView/></sheetViews>)"
              R"(<sheetProtection password="cc1A" content="1" objects="1" hashValue="h"/>)"
              R"(<customSheetViews><customSheetView guid="{C}" scale="70" state="hidden" zoomToFit="1">)"
              R"(<pageMargins top="2"/><pageSetup copies="3"/><headerFooter><oddHeader>h</oddHeader></headerFooter>)"
              R"(</customSheetView></customSheetViews><pageMargins left="0.7"/><pageSetup paperSize="8")"
              R"( firstPageNumber="2" orientation="landscape" usePrinterDefaults="0" blackAndWhite="1" draft="1")"
              R"( useFirstPageNumber="1" horizontalDpi="300" verticalDpi="150" copies="2" r:id="rId3"/>)"
              R"(<headerFooter><oddFooter>f</oddFooter></headerFooter><drawing r:id="rId1"/>)"
              R"(<legacyDrawing r:id="rId4"/><legacyDrawing r:id="rId5"/><legacyDrawingHF r:id="rId6"/>)"
              R"(<picture r:id="rId7"/><webPublishItems><webPublishItem id="1" sourceType="chart"/></webPublishItems>)"
              R"(<drawingHF r:id="rId8" lho="1"/></chartsheet>)");
    const TCT_Chartsheet& sheet = part.Doc.GetChartsheet();
    EXPECT_EQ(Fields(sheet.GetSheetPr().GetPublished(), sheet.GetSheetPr().GetCodeName(),
                     sheet.GetSheetPr().GetTabColor().GetRgb()),
              "0 Chart1 " + std::to_string(static_cast<int32_t>(0xFF00FF00)));
    const TCT_ChartsheetViewXpgList& views = sheet.GetSheetViews().GetSheetView();
    ASSERT_EQ(views.Count(), 2);
    const TCT_ChartsheetView& view = views.GetItem(0);
    EXPECT_EQ(Fields(view.GetTabSelected(), view.GetZoomScale(), view.GetWorkbookViewId(), view.GetZoomToFit()),
              "1 80 2 1");
    const TCT_ChartsheetProtection& protection = sheet.GetSheetProtection();
    EXPECT_EQ(Fields(protection.GetPassword(), protection.GetContent(), protection.GetObjects()), "52250 1 1");
    const TCT_CustomChartsheetView& custom = sheet.GetCustomSheetViews().GetCustomSheetView().GetItem(0);
    EXPECT_EQ(Fields(custom.GetGuid(), custom.GetScale(), custom.GetState(), custom.GetZoomToFit(),
                     custom.GetPageMargins().GetTop(), custom.GetPageSetup().GetCopies(),
                     custom.GetHeaderFooter().GetOddHeader()),
              "{C} 70 1 1 2 3 h");
    EXPECT_EQ(sheet.GetPageMargins().GetLeft(), 0.7);
    EXPECT_EQ(CsPageSetupText(sheet.GetPageSetup()), "8 2 2 0 1 1 1 300 150 2 rId3");
    EXPECT_EQ(Utf8(sheet.GetHeaderFooter().GetOddFooter()), "f");
    // A member met twice keeps the second's values.
    EXPECT_EQ(Fields(sheet.GetDrawing().GetId(), sheet.GetLegacyDrawing().GetId(), sheet.GetLegacyDrawingHF().GetId(),
                     sheet.GetPicture().GetId()),
              "rId1 rId5 rId6 rId7");
    EXPECT_EQ(sheet.GetWebPublishItems().GetWebPublishItem().GetItem(0).GetSourceType(), TST_WebSourceType::Chart);
    EXPECT_EQ(part.Joined(), R"(Row 0: Unknown Attribute "hashValue"|Row 0: Unknown Element "drawingHF")");

    xlsx_test::TLoggedDocument<TXPGDocXLSX> plain;
    plain.Load(R"(<chartsheet xmlns="MAIN"><sheetPr><tabColor theme="3"/></sheetPr><pageSetup/></chartsheet>)");
    EXPECT_TRUE(plain.Doc.GetChartsheet().GetSheetPr().GetPublished());
    EXPECT_TRUE(plain.Doc.GetChartsheet().GetSheetPr().GetTabColor().Assigned());
    EXPECT_EQ(CsPageSetupText(plain.Doc.GetChartsheet().GetPageSetup()), "1 1 0 1 0 0 0 600 600 1 ");
}

TEST(xpgParserXLSXParts, ReadsADialogSheetWithTheWorksheetsClasses) {
    xlsx_test::TLoggedDocument<TXPGDocXLSX> part;
    part.Load(R"(<dialogsheet xmlns="MAIN" xmlns:r="REL"><sheetPr codeName="Dialog1"/><sheetViews><sheetView)"
              R"( zoomScale="90"/></sheetViews><sheetFormatPr defaultRowHeight="12.75"/><sheetProtection sheet="1"/>)"
              R"(<customSheetViews><customSheetView guid="{D}"/></customSheetViews><printOptions gridLines="1"/>)"
              R"(<pageMargins right="0.2"/><pageSetup scale="60"/><headerFooter><evenHeader>e</evenHeader>)"
              R"(</headerFooter><drawing r:id="rId1"/><legacyDrawing r:id="rId2"/><legacyDrawingHF r:id="rId3"/>)"
              R"(<oleObjects><oleObject progId="P" shapeId="3"/></oleObjects><extLst/><controls/></dialogsheet>)");
    const TCT_Dialogsheet& sheet = part.Doc.GetRoot().GetDialogsheet();
    EXPECT_TRUE(sheet.Assigned());
    EXPECT_EQ(Utf8(sheet.GetSheetPr().GetCodeName()), "Dialog1");
    EXPECT_EQ(sheet.GetSheetViews().GetSheetView().GetItem(0).GetZoomScale(), 90);
    EXPECT_EQ(sheet.GetSheetFormatPr().GetDefaultRowHeight(), 12.75);
    EXPECT_TRUE(sheet.GetSheetProtection().GetSheet());
    EXPECT_EQ(Utf8(sheet.GetCustomSheetViews().GetCustomSheetView().GetItem(0).GetGuid()), "{D}");
    EXPECT_TRUE(sheet.GetPrintOptions().GetGridLines());
    EXPECT_EQ(sheet.GetPageMargins().GetRight(), 0.2);
    EXPECT_EQ(sheet.GetPageSetup().GetScale(), 60);
    EXPECT_EQ(Utf8(sheet.GetHeaderFooter().GetEvenHeader()), "e");
    EXPECT_EQ(Fields(sheet.GetDrawing().GetId(), sheet.GetLegacyDrawing().GetId(), sheet.GetLegacyDrawingHF().GetId()),
              "rId1 rId2 rId3");
    EXPECT_EQ(Fields(sheet.GetOleObjects().GetOleObject().GetItem(0).GetProgId(),
                     sheet.GetOleObjects().GetOleObject().GetItem(0).GetShapeId()),
              "P 3");
    EXPECT_TRUE(sheet.GetExtLst().Assigned());
    EXPECT_EQ(part.Joined(), R"(Row 0: Unknown Element "controls")");
}

enum class CorpusPartKind { Other, SpreadsheetML, ExternalLink };

// Which unit reads the part at path.
CorpusPartKind KindOfPart(const std::string& path) {
    const auto under = [&](std::string_view folder) { return path.find(folder) != std::string::npos; };
    if (!path.ends_with(".xml") || under("_rels")) {
        return CorpusPartKind::Other;
    }
    if (under("externalLinks/")) {
        return CorpusPartKind::ExternalLink;
    }
    const bool read = under("worksheets/") || under("chartsheets/") || under("dialogsheets/") || under("tables/") ||
                      under("comments");
    return read ? CorpusPartKind::SpreadsheetML : CorpusPartKind::Other;
}

template <class TDocument>
std::vector<std::string> ReportsOfReading(const std::string& bytes) {
    xlsx_test::TLoggedDocument<TDocument> part;
    part.LoadBytes(bytes);
    return part.Log;
}

// Every element that Excel, LibreOffice and the other producers write in these parts has its class: what is
// reported are attributes of later editions at most. (Packages and parts the zip layer refuses are its tests'.)
TEST(xpgParserXLSXParts, ReadsEverySheetCommentTableAndLinkPartOfTheCorpusWithoutAnUnknownElement) {
    if (!test_support::HasCorpus()) {
        GTEST_SKIP() << "the shared corpus is absent";
    }
    int32_t parts = 0;
    for (const rtl::UnicodeString& file : test_support::CorpusFiles({u".xlsx", u".xlsm"})) {
        rtl::TFileStream stream(file, rtl::fmOpenRead | rtl::fmShareDenyNone);
        TXLSZipArchive archive;
        if (test_support::MessageOf([&] { archive.OpenRead(stream); }) != "no exception") {
            continue;
        }
        for (int32_t i = 0; i < archive.Count(); ++i) {
            const std::string path = Utf8(archive.GetFile(i).Name());
            const CorpusPartKind kind = KindOfPart(path);
            rtl::TStringStream bytes;
            if (kind == CorpusPartKind::Other ||
                test_support::MessageOf([&] { archive.GetFile(i).CopyToStream(bytes); }) != "no exception") {
                continue;
            }
            SCOPED_TRACE(Utf8(file) + " " + path);
            const std::vector<std::string> reports =
                kind == CorpusPartKind::ExternalLink
                    ? ReportsOfReading<xpgParseXLinks::TXPGDocXLink>(bytes.DataString())
                    : ReportsOfReading<TXPGDocXLSX>(bytes.DataString());
            for (const std::string& report : reports) {
                EXPECT_EQ(report.find("Unknown Element"), std::string::npos) << report;
            }
            ++parts;
        }
    }
    EXPECT_GT(parts, 100);
}

} // namespace
} // namespace xls::xpgParserXLSX
