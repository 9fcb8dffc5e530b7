// The reading of every part of a package beyond the cells: the workbook's elements, external links, pivot caches and
// connections, the sheet's settings, views, custom views, tables, comments and drawings, and what happens when one of
// those parts cannot be read: it is reported and left out, and the cells still read.

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/CodePages.h"
#include "tests/xls/xlsx/XLSReadXLSXTestSupport.h"
#include "xls/core/model/package/Xc12DrawingDocument.h"
#include "xls/core/model/package/Xc12GraphicManager.h"
#include "xls/core/model/workbook/Xc12DataWorkbook5.h"
#include "xls/core/model/workbook/Xc12DataXLinks5.h"
#include "xls/core/opc/OPCPackage.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls::xlsx_test {
namespace {

std::string Utf8(rtl::UnicodeStringView text) {
    return rtl::UnicodeToUtf8(rtl::UnicodeString(text));
}

std::string Relationships(const std::string& items) {
    return R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)" + items +
           "</Relationships>";
}

std::string Part(const std::string& root, const std::string& body, const std::string& attributes = {}) {
    return "<" + root + " xmlns=\"" + std::string(MainNs) + "\" xmlns:r=\"" + std::string(RelNs) + "\"" + attributes +
           ">" + body + "</" + root + ">";
}

// The cell value of A1 as text, to see that the cells read whatever else failed.
std::string A1(const TModel& model, int32_t sheet) {
    TXLSCellHandle handle;
    if (!model.Sheet(sheet).GetCells().FindCell(0, 0, handle)) {
        return "none";
    }
    return rtl::UnicodeToUtf8(rtl::FloatToStr(model.Sheet(sheet).GetCells().GetFloat(handle)));
}

const std::string OneCell = R"(<row r="1"><c r="A1"><v>1</v></c></row>)";

// One worksheet whose part gives body after its sheet data, and whose relationships are sheetRels.
TPackage SheetWith(const std::string& body, const std::string& sheetRels = {}) {
    TPackage package = TPackage::WithSheets({{"Sheet1", OneCell}});
    package.SetWorksheet(1, "<sheetData>" + OneCell + "</sheetData>" + body);
    if (!sheetRels.empty()) {
        package.Parts["xl/worksheets/_rels/sheet1.xml.rels"] = Relationships(sheetRels);
    }
    return package;
}

TEST(XLSReadXLSXParts, TheWorkbookPartsSettingsReachTheModel) {
    TPackage package = TPackage::WithSheets({{"Sheet1", OneCell}});
    package.Parts["xl/workbook.xml"] = TPackage::Workbook(
        R"(<sheet name="Sheet1" sheetId="1" r:id="rId1"/>)",
        R"(<fileVersion appName="" lastEdited="7"/><fileSharing readOnlyRecommended="1" userName="Ann"/>)"
        R"(<workbookPr date1904="1" codeName="Book"/><workbookProtection lockStructure="1" workbookPassword="CC1A"/>)"
        R"(<bookViews><workbookView activeTab="0"/><workbookView firstSheet="0" windowWidth="800"/></bookViews>)");
    // What follows the sheets comes after them in the part.
    std::string& workbook = package.Parts["xl/workbook.xml"];
    workbook.insert(workbook.find("</workbook>"),
                    R"(<functionGroups builtInGroupCount="17"><functionGroup name="Mine"/></functionGroups>)"
                    R"(<calcPr calcMode="manual" iterate="1"/><oleSize ref="A1:C9"/>)"
                    R"(<customWorkbookViews><customWorkbookView name="Wide" guid="{1}" windowWidth="900" )"
                    R"(activeSheetId="1"/><customWorkbookView name="Narrow" guid="{2}" windowWidth="300" )"
                    R"(activeSheetId="1"/></customWorkbookViews><smartTagPr embed="1"/><smartTagTypes>)"
                    R"(<smartTagType name="date"/></smartTagTypes><webPublishing dpi="120"/>)"
                    R"(<fileRecoveryPr repairLoad="1"/><webPublishObjects><webPublishObject id="4" divId="d" )"
                    R"(destinationFile="x.htm"/></webPublishObjects>)");
    TModel model;
    model.Read(package.Zip());
    TXc12DataWorkbook& book = model.Manager.Workbook();
    EXPECT_EQ(Utf8(book.GetFileVersion().GetAppName()), "xl");
    EXPECT_EQ(Utf8(book.GetFileVersion().GetLastEdited()), "7");
    EXPECT_TRUE(book.GetFileSharing().GetReadOnlyRecommended());
    EXPECT_EQ(Utf8(book.GetFileSharing().GetUserName()), "Ann");
    EXPECT_TRUE(book.GetWorkbookPr().GetDate1904());
    EXPECT_TRUE(book.GetWorkbookProtection().GetLockStructure());
    EXPECT_EQ(book.GetWorkbookProtection().GetWorkbookPassword(), 0xCC1A);
    EXPECT_EQ(book.GetBookViews().Count(), 2);
    EXPECT_EQ(book.GetFunctionGroups().GetBuiltInGroupCount(), 17);
    EXPECT_EQ(Utf8(book.GetFunctionGroups().GetItem(0)), "Mine");
    EXPECT_EQ(book.GetCalcPr().GetCalcMode(), 0);
    EXPECT_TRUE(book.GetCalcPr().GetIterate());
    EXPECT_EQ(book.GetOleSize().Col2, 2);
    EXPECT_EQ(book.GetOleSize().Row2, 8);
    ASSERT_EQ(book.GetCustomWorkbookViews().Count(), 2);
    EXPECT_EQ(Utf8(book.GetCustomWorkbookViews().GetItem(1)->GetName()), "Narrow");
    EXPECT_EQ(book.GetCustomWorkbookViews().GetItem(1)->GetWindow().GetWindowWidth(), 300);
    EXPECT_TRUE(book.GetSmartTagPr().GetEmbed());
    EXPECT_EQ(Utf8(book.GetSmartTagTypes().GetItem(0)->GetName()), "date");
    EXPECT_EQ(book.GetWebPublishing().GetDpi(), 120);
    ASSERT_EQ(book.GetFileRecoveryPrs().Count(), 1);
    EXPECT_TRUE(book.GetFileRecoveryPrs().GetItem(0)->GetRepairLoad());
    EXPECT_EQ(Utf8(book.GetWebPublishObjects().GetItem(0)->GetDestinationFile()), "x.htm");
    EXPECT_EQ(model.WarningNumbers(), std::vector<int32_t>{});
}

// A sheet with every settings element: each reaches its model object.
TEST(XLSReadXLSXParts, EverySheetElementReachesTheModel) {
    TPackage package = TPackage::WithSheets({{"Sheet1", OneCell}});
    package.SetWorksheet(
        1, R"(<sheetPr codeName="Prices" filterMode="1"><tabColor rgb="FFFF0000"/><outlinePr summaryBelow="0"/>)"
           R"(<pageSetUpPr fitToPage="1"/></sheetPr><dimension ref="A1:B2"/><sheetViews>)"
           R"(<sheetView zoomScale="80" workbookViewId="0"><pane xSplit="2" ySplit="3" topLeftCell="C4" )"
           R"(activePane="bottomRight" state="frozen"/><selection pane="bottomRight" activeCell="D5" )"
           R"(sqref="D5 F6:G7"/></sheetView></sheetViews><sheetFormatPr defaultRowHeight="15" baseColWidth="10"/>)"
           R"(<sheetData>)" +
               OneCell +
               R"(</sheetData><sheetCalcPr fullCalcOnLoad="1"/><sheetProtection password="CC1A" sheet="1" )"
               R"(sort="0"/><protectedRanges><protectedRange sqref="A1:B2 D4" name="Open"/></protectedRanges>)"
               R"(<scenarios current="0"><scenario name="High" user="Ann"><inputCells r="B2" val="20"/>)"
               R"(</scenario></scenarios><dataConsolidate function="max"><dataRefs count="1">)"
               R"(<dataRef ref="A1:B2" sheet="Other"/></dataRefs></dataConsolidate><customSheetViews>)"
               R"(<customSheetView guid="{A}" scale="90"><pane xSplit="1" state="frozen" topLeftCell="B1"/>)"
               R"(<pageSetup orientation="landscape"/><autoFilter ref="A1:B2"/></customSheetView>)"
               R"(<customSheetView guid="{B}" showGridLines="0"/></customSheetViews>)"
               R"(<phoneticPr fontId="1" type="Hiragana"/><printOptions gridLines="1"/>)"
               R"(<pageMargins left="0.25" right="0.25" top="1" bottom="1" header="0.5" footer="0.5"/>)"
               R"(<pageSetup paperSize="8" orientation="portrait" copies="2"/><headerFooter differentFirst="1">)"
               R"(<oddHeader>&amp;CTop</oddHeader><firstFooter>First</firstFooter></headerFooter>)"
               R"(<rowBreaks count="1"><brk id="10" max="16383" man="1"/></rowBreaks><colBreaks count="1">)"
               R"(<brk id="3" max="1048575"/></colBreaks><customProperties><customPr name="Note" r:id="rId9"/>)"
               R"(</customProperties><cellWatches><cellWatch r="B2"/></cellWatches><ignoredErrors>)"
               R"(<ignoredError sqref="A1:A9" numberStoredAsText="1"/></ignoredErrors><smartTags><cellSmartTags )"
               R"(r="A1"><cellSmartTag type="0"><cellSmartTagPr key="k" val="v"/></cellSmartTag></cellSmartTags>)"
               R"(</smartTags><oleObjects><oleObject progId="Paint" shapeId="1025" r:id="rId7"/></oleObjects>)"
               R"(<controls><control shapeId="1026" r:id="rId8" name="Button"/></controls><webPublishItems )"
               R"(count="1"><webPublishItem id="1" divId="d" sourceType="range" sourceRef="A1" )"
               R"(destinationFile="s.htm"/></webPublishItems>)");
    TModel model;
    model.Read(package.Zip());
    TXc12DataWorksheet& sheet = model.Sheet(0);
    EXPECT_EQ(Utf8(sheet.GetSheetPr().GetCodeName()), "Prices");
    EXPECT_FALSE(sheet.GetSheetPr().GetOutlinePr().GetSummaryBelow());
    EXPECT_TRUE(sheet.GetSheetPr().GetPageSetupPr().GetFitToPage());
    ASSERT_EQ(sheet.GetSheetViews().Count(), 1);
    TXc12SheetView& view = *sheet.GetSheetViews().GetItem(0);
    EXPECT_EQ(view.GetZoomScale(), 80);
    EXPECT_EQ(view.GetPane().GetState(), 1);
    EXPECT_EQ(view.GetPane().GetXSplit(), 2);
    EXPECT_EQ(view.GetPane().GetTopLeftCell().Row1, 3);
    ASSERT_EQ(view.GetSelections().Count(), 1);
    EXPECT_EQ(view.GetSelections().GetItem(0)->GetRanges().Count(), 2);
    EXPECT_EQ(sheet.GetSheetFormatPr().GetDefaultRowHeight(), 300);
    EXPECT_TRUE(sheet.GetSheetCalcPr().GetFullCalcOnLoad());
    EXPECT_TRUE(sheet.GetSheetProtection().GetSheet());
    EXPECT_EQ(sheet.GetSheetProtection().GetPassword(), 0xCC1A);
    ASSERT_EQ(sheet.GetProtectedRanges().Count(), 1);
    EXPECT_EQ(sheet.GetProtectedRanges().GetItem(0)->GetRanges().Count(), 2);
    ASSERT_EQ(sheet.GetScenarios().Count(), 1);
    EXPECT_EQ(Utf8(sheet.GetScenarios().GetItem(0)->GetInputCells().GetItem(0)->GetVal()), "20");
    EXPECT_EQ(Utf8(sheet.GetDataConsolidate().GetDataRefs().GetItem(0)->GetSheet()), "Other");
    ASSERT_EQ(sheet.GetCustomSheetViews().Count(), 2);
    TXc12CustomSheetView& custom = *sheet.GetCustomSheetViews().GetItem(0);
    EXPECT_EQ(custom.GetScale(), 90);
    EXPECT_EQ(custom.GetPane().GetState(), 1);
    EXPECT_EQ(custom.GetPageSetup().GetOrientation(), 2);
    EXPECT_EQ(custom.GetAutoFilter().GetArea().Col2, 1);
    EXPECT_FALSE(sheet.GetCustomSheetViews().GetItem(1)->GetShowGridLines());
    EXPECT_EQ(sheet.GetPhoneticPr().GetFontId(), 1);
    EXPECT_TRUE(sheet.GetPrintOptions().GetGridLines());
    EXPECT_EQ(sheet.GetPageMargins().GetLeft(), 0.25);
    EXPECT_EQ(sheet.GetPageSetup().GetPaperSize(), 8);
    EXPECT_EQ(sheet.GetPageSetup().GetCopies(), 2);
    EXPECT_EQ(Utf8(sheet.GetHeaderFooter().GetOddHeader()), "&CTop");
    EXPECT_EQ(Utf8(sheet.GetHeaderFooter().GetFirstFooter()), "First");
    ASSERT_EQ(sheet.GetRowBreaks().Count(), 1);
    EXPECT_EQ(sheet.GetRowBreaks().GetItem(0)->GetId(), 10);
    EXPECT_TRUE(sheet.GetRowBreaks().GetItem(0)->GetMan());
    EXPECT_EQ(sheet.GetColBreaks().GetItem(0)->GetId(), 3);
    EXPECT_EQ(Utf8(sheet.GetCustomProperties().GetItem(0)->GetName()), "Note");
    EXPECT_EQ(sheet.GetCellWatches().GetItem(0)->Col(), 1);
    EXPECT_TRUE(sheet.GetIgnoredErrors().GetItem(0)->GetNumberStoredAsText());
    EXPECT_EQ(Utf8(sheet.GetSmartTags().GetItem(0)->GetItem(0)->GetItem(0)->GetVal()), "v");
    EXPECT_EQ(sheet.GetOleObjects().GetItem(0)->GetShapeId(), 1025);
    EXPECT_EQ(Utf8(sheet.GetControls().GetItem(0)->GetName()), "Button");
    EXPECT_EQ(Utf8(sheet.GetWebPublishItems().GetItem(0)->GetDestinationFile()), "s.htm");
    EXPECT_EQ(A1(model, 0), "1");
}

TEST(XLSReadXLSXParts, FormulaStringResultsAsSharedOrInlineStringsKeepTheirText) {
    TPackage package = TPackage::WithSheets(
        {{"Sheet1", R"(<row r="1"><c r="A1" t="s"><f>"a"&amp;"b"</f><v>0</v></c><c r="B1" t="inlineStr">)"
                    R"(<f>"c"</f><is><t>c</t></is></c><c r="C1" t="s"><f>"x"</f><v>7</v></c></row>)"}});
    package.SetSharedStrings("<si><t>ab</t></si>");
    TModel model;
    model.Read(package.Zip());
    TXLSCellMMU& cells = model.Sheet(0).GetCells();
    TXLSCellHandle handle;
    ASSERT_TRUE(cells.FindCell(0, 0, handle));
    EXPECT_EQ(Utf8(cells.GetFormulaStringResult(handle)), "ab");
    ASSERT_TRUE(cells.FindCell(1, 0, handle));
    EXPECT_EQ(Utf8(cells.GetFormulaStringResult(handle)), "c");
    // A shared string that is not there gives the error a plain cell would get.
    ASSERT_TRUE(cells.FindCell(2, 0, handle));
    EXPECT_EQ(cells.GetFormulaErrorResult(handle), ErrorStrToIndex(u"#REF!"));
    EXPECT_EQ(model.WarningNumbers(), std::vector<int32_t>{XLSWarningSharedStringIndex});
}

// Entries of the sheet list that have no worksheet to read stay as empty sheets, so that sheet positions keep their
// meaning; a macro sheet's part is kept with the package.
TEST(XLSReadXLSXParts, SheetEntriesWithoutAWorksheetStayEmpty) {
    TPackage package = TPackage::WithSheets({{"Data", OneCell}});
    package.Parts["xl/workbook.xml"] =
        TPackage::Workbook(R"(<sheet name="Data" sheetId="1" r:id="rId1"/><sheet name="NoId" sheetId="2" r:id=""/>)"
                           R"(<sheet name="Gone" sheetId="3" r:id="rId7"/><sheet name="Macro1" sheetId="4" )"
                           R"(r:id="rIdM"/><sheet name="Last" sheetId="5" r:id="rId5"/>)");
    package.WorkbookRels += TPackage::Relationship("rIdM", "xlMacrosheet", "macrosheets/sheet1.xml") +
                            TPackage::Relationship("rId5", "worksheet", "worksheets/sheet5.xml");
    package.Parts["xl/macrosheets/sheet1.xml"] = Part("xm:macrosheet", "");
    package.SetWorksheet(5, "<sheetData>" + OneCell + "</sheetData>");
    TModel model;
    model.Read(package.Zip());
    ASSERT_EQ(model.Manager.Worksheets().Count(), 5);
    EXPECT_EQ(A1(model, 0), "1");
    EXPECT_EQ(A1(model, 1), "none");
    EXPECT_EQ(Utf8(model.Sheet(3).GetName()), "Macro1");
    EXPECT_EQ(A1(model, 4), "1");
    EXPECT_EQ(model.WarningNumbers(),
              (std::vector<int32_t>{XLSWarningSheetNotRead, XLSWarningSheetNotRead, XLSWarningSheetNotRead}));
    EXPECT_EQ(Utf8(model.Errors.Messages()[2].Text), "W2008: Sheet not read \"Macro1: xlMacrosheet\"");
    const TXLSSavedFileDataList& kept = model.Manager.FileData().GetWorkbookParts();
    bool macroKept = false;
    for (int32_t i = 0; i < kept.Count(); ++i) {
        macroKept = macroKept || kept.GetItem(i).GetPartPath() == u"macrosheets/sheet1.xml";
    }
    EXPECT_TRUE(macroKept);
}

// Each bad name is reported and left out; the others read.
TEST(XLSReadXLSXParts, BadDefinedNamesAreSkippedOneByOne) {
    TPackage package = TPackage::WithSheets({{"Sheet1", OneCell}});
    std::string& workbook = package.Parts["xl/workbook.xml"];
    workbook.insert(workbook.find("</workbook>"),
                    R"(<definedNames><definedName name="">Sheet1!A1</definedName>)"
                    R"(<definedName name="Far" localSheetId="3">Sheet1!A1</definedName>)"
                    R"(<definedName name="Good">Sheet1!$A$1</definedName><definedName name="GOOD">1</definedName>)"
                    R"(<definedName name="Good" localSheetId="0">2</definedName></definedNames>)");
    TModel model;
    model.Read(package.Zip());
    const TXc12DefinedNames& names = model.Manager.Workbook().GetDefinedNames();
    ASSERT_EQ(names.Count(), 2);
    EXPECT_EQ(names.GetItem(0)->GetLocalSheetId(), -1);
    EXPECT_EQ(names.GetItem(1)->GetLocalSheetId(), 0);
    EXPECT_EQ(model.WarningNumbers(), (std::vector<int32_t>{XLSWarningDefinedNameSkipped, XLSWarningDefinedNameSkipped,
                                                            XLSWarningDefinedNameSkipped}));
    EXPECT_EQ(Utf8(model.Errors.Messages()[2].Text), "W2009: Defined name skipped \"GOOD: defined twice\"");
}

std::string LinkPart(const std::string& body) {
    return Part("externalLink", body);
}

// A link that cannot be read is reported and stays as an empty link, so that formulas still number the books by
// their place; an unknown element in a link is only a parse warning.
TEST(XLSReadXLSXParts, ExternalLinksThatDoNotReadStayEmpty) {
    TPackage package = TPackage::WithSheets({{"Sheet1", OneCell}});
    std::string& workbook = package.Parts["xl/workbook.xml"];
    workbook.insert(workbook.find("</workbook>"),
                    R"(<externalReferences><externalReference r:id="rIdX1"/><externalReference r:id="rIdMissing"/>)"
                    R"(<externalReference r:id="rIdX3"/><externalReference r:id="rIdX4"/></externalReferences>)");
    package.WorkbookRels += TPackage::Relationship("rIdX1", "externalLink", "externalLinks/externalLink1.xml") +
                            TPackage::Relationship("rIdX3", "externalLink", "externalLinks/externalLink3.xml") +
                            TPackage::Relationship("rIdX4", "externalLink", "externalLinks/externalLink4.xml");
    const std::string bookRels =
        Relationships(R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/)"
                      R"(relationships/externalLinkPath" Target="file:///C:/Books/A.xlsx" TargetMode="External"/>)");
    package.Parts["xl/externalLinks/externalLink1.xml"] =
        LinkPart(R"(<externalBook r:id="rId1"><unknown/><sheetNames><sheetName val="S"/></sheetNames>)"
                 R"(<sheetDataSet><sheetData sheetId="0"><row r="2"><cell r="B2" t="e"><v>#N/A</v></cell>)"
                 R"(</row></sheetData></sheetDataSet></externalBook>)");
    package.Parts["xl/externalLinks/_rels/externalLink1.xml.rels"] = bookRels;
    package.Parts["xl/externalLinks/externalLink3.xml"] =
        LinkPart(R"(<externalBook r:id="rId1"><sheetDataSet><sheetData sheetId="0"><row r="1">)"
                 R"(<cell r="A1" t="b"><v>maybe</v></cell></row></sheetData></sheetDataSet></externalBook>)");
    package.Parts["xl/externalLinks/externalLink4.xml"] =
        LinkPart(R"(<ddeLink ddeService="Excel" ddeTopic="Book"><ddeItems><ddeItem name="R1C1">)"
                 R"(<values rows="1" cols="2"><value t="n"><val>4.5</val></value><value t="str"><val>x</val>)"
                 R"(</value></values></ddeItem></ddeItems></ddeLink>)");
    TModel model;
    model.Errors.SetDropXMLWarnings(false);
    model.Read(package.Zip());
    TXc12DataXLinks& links = model.Manager.XLinks();
    ASSERT_EQ(links.Count(), 4);
    TXc12XExternalBook& first = links.GetItem(0)->GetExternalBook();
    EXPECT_EQ(Utf8(first.GetPath()), "file:///C:/Books/A.xlsx");
    EXPECT_EQ(first.GetSheetNames().Count(), 1);
    TXc12XCell& cell = *first.GetSheetDataSet().GetItem(0)->GetItem(0)->GetItem(0);
    EXPECT_EQ(cell.GetValueType(), xvtError);
    EXPECT_EQ(cell.GetError(), ErrorStrToIndex(u"#N/A"));
    EXPECT_EQ(links.GetItem(1)->GetExternalBook().GetSheetNames().Count(), 0);
    EXPECT_EQ(links.GetItem(2)->GetExternalBook().GetSheetDataSet().Count(), 0);
    TXc12DdeLink& dde = links.GetItem(3)->GetDdeLink();
    EXPECT_EQ(Utf8(dde.GetDdeTopic()), "Book");
    ASSERT_EQ(dde.GetItem(0)->GetValues().Count(), 2);
    EXPECT_EQ(dde.GetItem(0)->GetValues().GetItem(0)->GetNumber(), 4.5);
    EXPECT_EQ(model.WarningNumbers(),
              (std::vector<int32_t>{XLSWarningXMLRead, XLSWarningPartNotRead, XLSWarningPartNotRead}));
    EXPECT_EQ(Utf8(model.Errors.Messages()[2].Text),
              "W2007: Part not read \"external link rIdX3: Invalid boolean value \"maybe\"\"");
    EXPECT_EQ(A1(model, 0), "1");
}

// The sheet names of an external book keep every script, also one that no ANSI code page holds, so that a formula
// naming such a sheet compiles.
TEST(XLSReadXLSXParts, ExternalSheetNamesKeepEveryScript) {
    TPackage package = TPackage::WithSheets({{"Sheet1", ""}});
    package.SetWorksheet(1, R"(<sheetData><row r="1"><c r="A1"><f>[1]อัตรา!B1*2</f><v>4</v></c></row></sheetData>)");
    std::string& workbook = package.Parts["xl/workbook.xml"];
    workbook.insert(workbook.find("</workbook>"),
                    R"(<externalReferences><externalReference r:id="rIdX1"/></externalReferences>)");
    package.WorkbookRels += TPackage::Relationship("rIdX1", "externalLink", "externalLinks/externalLink1.xml");
    package.Parts["xl/externalLinks/externalLink1.xml"] =
        LinkPart(R"(<externalBook r:id="rId1"><sheetNames><sheetName val="อัตรา"/><sheetName val="汇率"/></sheetNames>)"
                 R"(</externalBook>)");
    package.Parts["xl/externalLinks/_rels/externalLink1.xml.rels"] =
        Relationships(R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/)"
                      R"(relationships/externalLinkPath" Target="rates.xlsx" TargetMode="External"/>)");
    TModel model;
    model.Read(package.Zip());
    ASSERT_EQ(model.Manager.XLinks().Count(), 1);
    TXc12XExternalBook& book = model.Manager.XLinks().GetItem(0)->GetExternalBook();
    ASSERT_EQ(book.GetSheetNames().Count(), 2);
    EXPECT_EQ(Utf8(book.GetSheetNames().Get(0)), "อัตรา");
    EXPECT_EQ(Utf8(book.GetSheetNames().Get(1)), "汇率");
    EXPECT_EQ(book.FindSheet(u"汇率"), 1);
    TXLSCellHandle handle;
    ASSERT_TRUE(model.Sheet(0).GetCells().FindCell(0, 0, handle));
    EXPECT_TRUE(model.Sheet(0).GetCells().IsFormulaCompiled(handle));
    EXPECT_EQ(model.WarningNumbers(), std::vector<int32_t>{});
}

TEST(XLSReadXLSXParts, PivotCachesAndTablesAreKeptAsDocuments) {
    TPackage package = SheetWith("", TPackage::Relationship("rIdP", "pivotTable", "../pivotTables/pivotTable1.xml"));
    std::string& workbook = package.Parts["xl/workbook.xml"];
    workbook.insert(workbook.find("</workbook>"),
                    R"(<pivotCaches><pivotCache cacheId="5" r:id="rIdC"/><pivotCache cacheId="6" r:id="rIdNone"/>)"
                    R"(</pivotCaches>)");
    package.WorkbookRels += TPackage::Relationship("rIdC", "pivotCacheDefinition", "pivotCache/definition1.xml");
    package.Parts["xl/pivotCache/definition1.xml"] = Part("pivotCacheDefinition", "", R"( r:id="rIdR")");
    package.Parts["xl/pivotCache/_rels/definition1.xml.rels"] =
        Relationships(TPackage::Relationship("rIdR", "pivotCacheRecords", "records1.xml"));
    package.Parts["xl/pivotCache/records1.xml"] = "<records/>";
    package.Parts["xl/pivotTables/pivotTable1.xml"] = Part("pivotTableDefinition", "", R"( cacheId="5")");
    TModel model;
    model.Read(package.Zip());
    TXLSPivotCacheDefinitions& caches = model.Manager.Workbook().GetPivotCaches();
    ASSERT_EQ(caches.Count(), 1);
    EXPECT_EQ(caches.GetItem(0).GetCacheId(), 5);
    EXPECT_EQ(caches.GetItem(0).GetRecords().Size(), 10);
    ASSERT_EQ(model.Sheet(0).GetPivotTables().Count(), 1);
    EXPECT_EQ(model.Sheet(0).GetPivotTables().GetItem(0).GetCacheDefinition(), &caches.GetItem(0));
    EXPECT_EQ(caches.GetItem(0).GetUseCount(), 1);
    EXPECT_EQ(model.WarningNumbers(), std::vector<int32_t>{XLSWarningPartNotRead});
}

TEST(XLSReadXLSXParts, ConnectionsThatDoNotParseAreLeftOut) {
    TPackage package = TPackage::WithSheets({{"Sheet1", OneCell}});
    package.WorkbookRels += TPackage::Relationship("rIdK", "connections", "connections.xml");
    package.Parts["xl/connections.xml"] = R"(<?xml version="1.0" encoding="UTF-16"?><connections/>)";
    TModel model;
    model.Read(package.Zip());
    EXPECT_EQ(model.Manager.Workbook().GetConnections().Root().GetChildCount(), 0);
    EXPECT_EQ(model.WarningNumbers(), std::vector<int32_t>{XLSWarningPartNotRead});
    EXPECT_EQ(A1(model, 0), "1");
}

// A formula may name a table of its own sheet or of a later one: every table is read before the first cell.
TEST(XLSReadXLSXParts, FormulasNameTablesOfAnySheet) {
    TPackage package = TPackage::WithSheets(
        {{"Sheet1", R"(<row r="1"><c r="A1"><f>SUM(Later[Qty])</f><v>5</v></c></row>)"}, {"Sheet2", ""}});
    package.SetWorksheet(2, R"(<sheetData><row r="1"><c r="A1" t="str"><v>Qty</v></c></row><row r="2"><c r="A2">)"
                            R"(<v>5</v></c></row></sheetData><tableParts count="1"><tablePart r:id="rIdT"/>)"
                            R"(</tableParts>)");
    package.Parts["xl/worksheets/_rels/sheet2.xml.rels"] =
        Relationships(TPackage::Relationship("rIdT", "table", "../tables/table1.xml"));
    package.Parts["xl/tables/table1.xml"] =
        Part("table",
             R"(<autoFilter ref="A1:A2"/><tableColumns count="1"><tableColumn id="1" name="Qty"/>)"
             R"(</tableColumns><tableStyleInfo name="TableStyleLight1" showRowStripes="1"/>)",
             R"( id="1" name="Later" displayName="Later" ref="A1:A2")");
    TModel model;
    model.Read(package.Zip());
    EXPECT_EQ(model.WarningNumbers(), std::vector<int32_t>{});
    TXLSCellHandle handle;
    ASSERT_TRUE(model.Sheet(0).GetCells().FindCell(0, 0, handle));
    EXPECT_TRUE(model.Sheet(0).GetCells().IsFormulaCompiled(handle));
    ASSERT_EQ(model.Sheet(1).GetTables().Count(), 1);
    EXPECT_EQ(Utf8(model.Sheet(1).GetTables().GetItem(0)->GetStyleInfo().GetName()), "TableStyleLight1");
}

const std::string NoteVml = R"(<xml xmlns:v="urn:schemas-microsoft-com:vml" xmlns:x="urn:schemas-microsoft-com:office:)"
                            R"(excel"><v:shapetype id="t"/><v:shape id="s1" fillcolor="#c0ffee"><x:ClientData )"
                            R"(ObjectType="Note"><x:Anchor>1, 15, 0, 2, 3, 15, 4, 16</x:Anchor><x:Row>0</x:Row>)"
                            R"(<x:Column>0</x:Column></x:ClientData></v:shape><v:shape id="s2"><x:ClientData )"
                            R"(ObjectType="Note"><x:Anchor>1, 15, x, 2</x:Anchor><x:Row>1</x:Row><x:Column>0)"
                            R"(</x:Column></x:ClientData></v:shape><v:shape id="s3"><x:ClientData><x:Column>0)"
                            R"(</x:Column></x:ClientData></v:shape></xml>)";

TEST(XLSReadXLSXParts, CommentsTakeTheirNoteShapes) {
    TPackage package = SheetWith(R"(<legacyDrawing r:id="rIdV"/>)",
                                 TPackage::Relationship("rIdC", "comments", "../comments1.xml") +
                                     TPackage::Relationship("rIdV", "vmlDrawing", "../drawings/vmlDrawing1.vml"));
    package.Parts["xl/comments1.xml"] =
        Part("comments", R"(<authors><author>Ann</author><author>Bob</author></authors><commentList>)"
                         R"(<comment ref="A1" authorId="1"><text><r><rPr><b/></rPr><t>Bold</t></r><r><t> plain</t>)"
                         R"(</r></text></comment><comment ref="A2" authorId="7"><text><t>Two</t></text></comment>)"
                         R"(<comment ref="A3" authorId="0"><text><t>Three</t></text></comment></commentList>)");
    package.Parts["xl/drawings/vmlDrawing1.vml"] = NoteVml;
    TModel model;
    model.Read(package.Zip());
    TXc12Comments& comments = model.Sheet(0).GetComments();
    ASSERT_EQ(comments.Count(), 3);
    TXc12Comment& first = *comments.GetItem(0);
    EXPECT_EQ(Utf8(first.GetText()), "Bold plain");
    EXPECT_EQ(first.GetFontRuns().size(), 2u);
    ASSERT_NE(first.GetAuthor(), nullptr);
    EXPECT_EQ(Utf8(first.GetAuthor()->GetName()), "Bob");
    EXPECT_EQ(first.GetFillColor(), 0xC0FFEE);
    EXPECT_EQ(first.GetNoteAnchor(), (TXc12NoteAnchor{1, 15, 0, 2, 3, 15, 4, 16}));
    ASSERT_NE(first.GetShape(), nullptr);
    // The second note's box is no box: it keeps none, and the read goes on.
    TXc12Comment& second = *comments.GetItem(1);
    EXPECT_EQ(second.GetAuthor(), nullptr);
    ASSERT_NE(second.GetShape(), nullptr);
    EXPECT_EQ(second.GetNoteAnchor(), TXc12NoteAnchor{});
    EXPECT_EQ(second.GetFillColor(), TXc12Comment::DefaultFillColor);
    // A shape without a row belongs to no comment and stays in the drawing.
    EXPECT_EQ(comments.GetItem(2)->GetShape(), nullptr);
    EXPECT_EQ(model.Sheet(0).GetVmlDrawing().Root().GetChild(0).GetChildCount(), 2);
    EXPECT_EQ(model.WarningNumbers(), std::vector<int32_t>{XLSWarningCommentAnchor});
}

TEST(XLSReadXLSXParts, CommentsThatDoNotParseAreLeftOut) {
    TPackage package = SheetWith("", TPackage::Relationship("rIdC", "comments", "../comments1.xml"));
    package.Parts["xl/comments1.xml"] =
        R"(<?xml version="1.0" encoding="UTF-16"?>)" +
        Part("comments", R"(<commentList><comment ref="A1"><text><t>One</t></text></comment></commentList>)");
    TModel model;
    model.Read(package.Zip());
    EXPECT_EQ(model.Sheet(0).GetComments().Count(), 0);
    EXPECT_EQ(model.WarningNumbers(), std::vector<int32_t>{XLSWarningPartNotRead});
    EXPECT_EQ(A1(model, 0), "1");
}

TEST(XLSReadXLSXParts, HyperlinksTakeTheirTargets) {
    TPackage package = SheetWith(
        R"(<hyperlinks><hyperlink ref="A1" r:id="rIdH" tooltip="Go"/><hyperlink ref="B2:C3" location="Sheet1!D4")"
        R"( display="Here"/><hyperlink ref="A0" location="Sheet1!A1"/><hyperlink ref="D1" r:id="rIdNone"/>)"
        R"(</hyperlinks>)",
        R"(<Relationship Id="rIdH" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/)"
        R"(hyperlink" Target="https://example.com/a b" TargetMode="External"/>)");
    TModel model;
    model.Read(package.Zip());
    TXc12Hyperlinks& links = model.Sheet(0).GetHyperlinks();
    ASSERT_EQ(links.Count(), 3);
    EXPECT_EQ(Utf8(links.GetItem(0)->GetAddress()), "https://example.com/a b");
    EXPECT_EQ(Utf8(links.GetItem(0)->GetTooltip()), "Go");
    EXPECT_EQ(links.GetItem(1)->GetRect(), (TXLSCellAreaRec{1, 2, 1, 2}));
    EXPECT_EQ(Utf8(links.GetItem(1)->GetAddress()), "Sheet1!D4");
    EXPECT_EQ(Utf8(links.GetItem(1)->GetDisplay()), "Here");
    EXPECT_EQ(Utf8(links.GetItem(2)->GetAddress()), "");
    EXPECT_EQ(model.WarningNumbers(), std::vector<int32_t>{XLSErrorInvalidCellReference});
}

// A drawing document that keeps the bytes it is given.
class TRecordingDrawing : public TXc12DrawingDocument {
public:
    void LoadFromStream(rtl::TStream& stream) override {
        rtl::TStringStream bytes;
        bytes.CopyFrom(stream, 0);
        Loaded = bytes.DataString();
    }
    std::string Loaded;
};

class TDrawingFactory : public model_test::TPlainModelFactory {
public:
    std::unique_ptr<rtl::TObject> CreateObject(int32_t kind, rtl::TObject* owner) override {
        if (kind == xckDrawingDocument) {
            return std::make_unique<TRecordingDrawing>();
        }
        return TPlainModelFactory::CreateObject(kind, owner);
    }
};

TEST(XLSReadXLSXParts, DrawingsGoToTheDrawingDocumentAndTheirImagesToThePictureStore) {
    TPackage package =
        SheetWith(R"(<drawing r:id="rIdD"/>)", TPackage::Relationship("rIdD", "drawing", "../drawings/drawing1.xml"));
    package.Parts["xl/drawings/drawing1.xml"] = "<xdr:wsDr/>";
    package.Parts["xl/drawings/_rels/drawing1.xml.rels"] =
        Relationships(TPackage::Relationship("rIdI", "image", "../media/image1.png"));
    package.Parts["xl/media/image1.png"] = std::string("\x89PNG\r\n\x1a\n", 8) + "rest";
    TXLSErrorManager errors;
    TDrawingFactory factory;
    TXc12Manager manager(&factory, &errors);
    manager.CreateParts();
    TXLSFormulaHandler handler(manager);
    rtl::TStringStream stream(package.Zip());
    TXLSReadXLSX(manager, handler).LoadFromStream(stream);
    auto* drawing = dynamic_cast<TRecordingDrawing*>(manager.Worksheets().GetItem(0)->GetDrawing());
    ASSERT_NE(drawing, nullptr);
    EXPECT_EQ(drawing->Loaded, "<xdr:wsDr/>");
    TXc12GraphicImages& images = manager.GraphicManager().Images();
    ASSERT_EQ(images.Count(), 1);
    EXPECT_NE(images.FindByRelId(u"xl/drawings/drawing1.xml", u"rIdI"), nullptr);
}

// Without a drawing model the drawing and its images are not opened: they are kept with the package, whole.
TEST(XLSReadXLSXParts, WithoutADrawingModelTheDrawingIsKept) {
    TPackage package =
        SheetWith(R"(<drawing r:id="rIdD"/>)", TPackage::Relationship("rIdD", "drawing", "../drawings/drawing1.xml"));
    package.Parts["xl/drawings/drawing1.xml"] = "<xdr:wsDr/>";
    TModel model;
    model.Read(package.Zip());
    ASSERT_NE(model.Manager.FileData().GetSheetParts(0), nullptr);
    EXPECT_EQ(model.Manager.FileData().GetSheetParts(0)->GetParts().GetItem(0).GetPartPath(),
              u"../drawings/drawing1.xml");
}

TEST(XLSReadXLSXParts, ChartsheetsKeepTheirViewsAndReadNoComments) {
    TPackage package = TPackage::WithSheets({{"Sheet1", OneCell}});
    package.Parts["xl/workbook.xml"] = TPackage::Workbook(
        R"(<sheet name="Sheet1" sheetId="1" r:id="rId1"/><sheet name="Chart1" sheetId="2" r:id="rIdCh"/>)");
    package.WorkbookRels += TPackage::Relationship("rIdCh", "chartsheet", "chartsheets/sheet1.xml");
    package.Parts["xl/chartsheets/sheet1.xml"] =
        Part("chartsheet", R"(<sheetPr codeName="Pie"/><sheetViews><sheetView zoomScale="75" workbookViewId="0"/>)"
                           R"(</sheetViews><sheetProtection objects="1"/><pageMargins left="0.1" right="0.1" )"
                           R"(top="0.1" bottom="0.1" header="0" footer="0"/>)");
    package.Parts["xl/chartsheets/_rels/sheet1.xml.rels"] =
        Relationships(TPackage::Relationship("rIdC", "comments", "../comments9.xml"));
    package.Parts["xl/comments9.xml"] = Part("comments", R"(<commentList><comment ref="A1"><text><t>x</t></text>)"
                                                         R"(</comment></commentList>)");
    TModel model;
    model.Read(package.Zip());
    TXc12DataWorksheet& chart = model.Sheet(1);
    EXPECT_TRUE(chart.GetIsChartsheet());
    EXPECT_EQ(Utf8(chart.GetSheetPr().GetCodeName()), "Pie");
    EXPECT_EQ(chart.GetSheetViews().GetItem(0)->GetZoomScale(), 75);
    EXPECT_TRUE(chart.GetSheetProtection().GetObjects());
    EXPECT_EQ(chart.GetPageMargins().GetLeft(), 0.1);
    EXPECT_EQ(chart.GetComments().Count(), 0);
}

// A target that climbs out of the package is no part of it: reported, and the relationship is left out.
TEST(XLSReadXLSXParts, TargetsOutsideThePackageAreReportedAndIgnored) {
    TPackage package = SheetWith("", TPackage::Relationship("rIdC", "comments", "../../../comments1.xml"));
    package.Parts["../comments1.xml"] =
        Part("comments", R"(<commentList><comment ref="A1"><text><t>x</t></text></comment></commentList>)");
    TModel model;
    model.Read(package.Zip());
    EXPECT_EQ(model.Sheet(0).GetComments().Count(), 0);
    EXPECT_EQ(model.WarningNumbers(), std::vector<int32_t>{XLSWarningTargetOutsidePackage});
    EXPECT_EQ(Utf8(model.Errors.Messages()[0].Text),
              "W2010: Relationship target outside the package \"xl/worksheets/_rels/sheet1.xml.rels: "
              "../../../comments1.xml\"");
}

// Every real-world package that reads at all reads every part it has: none is left out.
TEST(XLSReadXLSXParts, CorpusPackagesLeaveNoPartOut) {
    if (!test_support::HasCorpus()) {
        GTEST_SKIP() << "no corpus at " << Utf8(test_support::CorpusDir());
    }
    for (const rtl::UnicodeString& file : test_support::CorpusFiles({u".xlsx", u".xlsm"})) {
        SCOPED_TRACE(Utf8(file));
        TModel model;
        try {
            rtl::TFileStream stream(file, rtl::fmOpenRead | rtl::fmShareDenyNone);
            TXLSReadXLSX(model.Manager, model.Handler).LoadFromStream(stream);
        } catch (const rtl::Exception&) {
            // Packages that fail, and why, are the component's tests' concern.
            continue;
        }
        for (const TXLSErrorMessage& message : model.Errors.Messages()) {
            EXPECT_TRUE(message.Number < XLSWarningPartNotRead || message.Number > XLSWarningCommentAnchor)
                << Utf8(message.Text);
        }
    }
}

} // namespace
} // namespace xls::xlsx_test
