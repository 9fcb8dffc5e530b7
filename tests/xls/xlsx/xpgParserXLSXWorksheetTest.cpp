// The worksheet's members: merged ranges, conditional formats, validations, hyperlinks, printing, scenarios and the
// other kept settings, views and pivot selections, autofilters; and the alternate content around them.

#include "tests/support/TestSupport.h"
#include "tests/xls/xlsx/xpgParserXLSXTestSupport.h"
#include "xls/xlsx/xpgParserXLSX.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls::xpgParserXLSX {
namespace {

using test_support::Utf8;
using xlsx_test::Fields;
using xlsx_test::FieldText;

// A worksheet document that logs its reports and the merged ranges and hyperlinks it hands out.
class SheetPart : public xlsx_test::TLoggedDocument<TXPGDocXLSX> {
public:
    SheetPart() {
        TCT_Worksheet& sheet = Doc.GetWorksheet();
        sheet.GetMergeCells().SetOnMergeCell([this](TCT_MergeCell& cell) { Handed.push_back(Utf8(cell.GetRef())); });
        sheet.GetHyperlinks().SetOnHyperlink([this](TCT_Hyperlink& link) {
            Handed.push_back(
                Fields(link.GetRef(), link.GetId(), link.GetLocation(), link.GetTooltip(), link.GetDisplay()));
        });
    }

    // Reads a worksheet whose members are written in short.
    const TCT_Worksheet& Sheet(std::string_view members) {
        Load(R"(<worksheet xmlns="MAIN" xmlns:r="REL">)" + std::string(members) + "</worksheet>");
        return Doc.GetWorksheet();
    }

    // What the merged ranges and hyperlinks handed out held, in document order.
    std::vector<std::string> Handed;
};

std::string RuleText(const TCT_CfRule& rule) {
    return Fields(rule.GetType(), rule.GetDxfId(), rule.GetPriority(), rule.GetStopIfTrue(), rule.GetAboveAverage(),
                  rule.GetPercent(), rule.GetBottom(), rule.GetOperator(), rule.GetText(), rule.GetTimePeriod(),
                  rule.GetRank(), rule.GetStdDev(), rule.GetEqualAverage(), rule.GetFormula());
}

std::string CfvoText(const TCT_CfvoXpgList& points) {
    std::string text;
    for (int32_t i = 0; i < points.Count(); ++i) {
        const TCT_Cfvo& point = points.GetItem(i);
        text += "[" + Fields(point.GetType(), point.GetVal(), point.GetGte()) + "]";
    }
    return text;
}

std::string ValidationText(const TCT_DataValidation& item) {
    return Fields(item.GetType(), item.GetErrorStyle(), item.GetImeMode(), item.GetOperator(), item.GetAllowBlank(),
                  item.GetShowDropDown(), item.GetShowInputMessage(), item.GetShowErrorMessage(), item.GetErrorTitle(),
                  item.GetError(), item.GetPromptTitle(), item.GetPrompt(), item.GetSqref(), item.GetFormula1(),
                  item.GetFormula2());
}

std::string PrintOptionsText(const TCT_PrintOptions& options) {
    return Fields(options.GetHorizontalCentered(), options.GetVerticalCentered(), options.GetHeadings(),
                  options.GetGridLines(), options.GetGridLinesSet());
}

std::string MarginsText(const TCT_PageMargins& margins) {
    return Fields(margins.GetLeft(), margins.GetRight(), margins.GetTop(), margins.GetBottom(), margins.GetHeader(),
                  margins.GetFooter());
}

std::string PageSetupText(const TCT_PageSetup& setup) {
    return Fields(setup.GetPaperSize(), setup.GetScale(), setup.GetFirstPageNumber(), setup.GetFitToWidth(),
                  setup.GetFitToHeight(), setup.GetPageOrder(), setup.GetOrientation(), setup.GetUsePrinterDefaults(),
                  setup.GetBlackAndWhite(), setup.GetDraft(), setup.GetCellComments(), setup.GetUseFirstPageNumber(),
                  setup.GetErrors(), setup.GetHorizontalDpi(), setup.GetVerticalDpi(), setup.GetCopies(),
                  setup.GetId());
}

std::string HeaderFooterText(const TCT_HeaderFooter& headers) {
    return Fields(headers.GetDifferentOddEven(), headers.GetDifferentFirst(), headers.GetScaleWithDoc(),
                  headers.GetAlignWithMargins()) +
           " [" + Utf8(headers.GetOddHeader()) + "|" + Utf8(headers.GetOddFooter()) + "|" +
           Utf8(headers.GetEvenHeader()) + "|" + Utf8(headers.GetEvenFooter()) + "|" + Utf8(headers.GetFirstHeader()) +
           "|" + Utf8(headers.GetFirstFooter()) + "]";
}

std::string BreaksText(const TCT_PageBreak& breaks) {
    std::string text = std::to_string(breaks.GetManualBreakCount()) + ":";
    for (int32_t i = 0; i < breaks.GetBrk().Count(); ++i) {
        const TCT_Break& item = breaks.GetBrk().GetItem(i);
        text += " [" + Fields(item.GetId(), item.GetMin(), item.GetMax(), item.GetMan(), item.GetPt()) + "]";
    }
    return text;
}

std::string PaneText(const TCT_Pane& pane) {
    return Fields(pane.GetXSplit(), pane.GetYSplit(), pane.GetTopLeftCell(), pane.GetActivePane(), pane.GetState());
}

std::string SelectionText(const TCT_Selection& selection) {
    return Fields(selection.GetPane(), selection.GetActiveCell(), selection.GetActiveCellId(), selection.GetSqref());
}

std::string SheetViewText(const TCT_SheetView& view) {
    return Fields(view.GetWindowProtection(), view.GetShowFormulas(), view.GetShowGridLines(),
                  view.GetShowRowColHeaders(), view.GetShowZeros(), view.GetRightToLeft(), view.GetTabSelected(),
                  view.GetShowRuler(), view.GetShowOutlineSymbols(), view.GetDefaultGridColor(),
                  view.GetShowWhiteSpace(), view.GetView(), view.GetTopLeftCell(), view.GetColorId(),
                  view.GetZoomScale(), view.GetZoomScaleNormal(), view.GetZoomScaleSheetLayoutView(),
                  view.GetZoomScalePageLayoutView(), view.GetWorkbookViewId());
}

std::string CustomViewText(const TCT_CustomSheetView& view) {
    return Fields(view.GetGuid(), view.GetScale(), view.GetColorId(), view.GetShowPageBreaks(), view.GetShowFormulas(),
                  view.GetShowGridLines(), view.GetShowRowCol(), view.GetOutlineSymbols(), view.GetZeroValues(),
                  view.GetFitToPage(), view.GetPrintArea(), view.GetFilter(), view.GetShowAutoFilter(),
                  view.GetHiddenRows(), view.GetHiddenColumns(), view.GetState(), view.GetFilterUnique(),
                  view.GetView(), view.GetShowRuler(), view.GetTopLeftCell());
}

std::string FilterColumnText(const TCT_FilterColumn& column) {
    std::string text = Fields(column.GetColId(), column.GetHiddenButton(), column.GetShowButton());
    const TCT_Filters& filters = column.GetFilters();
    if (filters.Assigned()) {
        text += " filters " + Fields(filters.GetBlank(), filters.GetCalendarType());
        for (int32_t i = 0; i < filters.GetFilter().Count(); ++i) {
            text += " " + Utf8(filters.GetFilter().GetItem(i).GetVal());
        }
        for (int32_t i = 0; i < filters.GetDateGroupItem().Count(); ++i) {
            const TCT_DateGroupItem& group = filters.GetDateGroupItem().GetItem(i);
            text += " [" +
                    Fields(group.GetYear(), group.GetMonth(), group.GetDay(), group.GetHour(), group.GetMinute(),
                           group.GetSecond(), group.GetDateTimeGrouping()) +
                    "]";
        }
    }
    if (column.GetTop10().Assigned()) {
        const TCT_Top10& top = column.GetTop10();
        text += " top10 " + Fields(top.GetTop(), top.GetPercent(), top.GetVal(), top.GetFilterVal());
    }
    if (column.GetCustomFilters().Assigned()) {
        const TCT_CustomFilters& custom = column.GetCustomFilters();
        text += " custom " + Fields(custom.GetAnd());
        for (int32_t i = 0; i < custom.GetCustomFilter().Count(); ++i) {
            const TCT_CustomFilter& filter = custom.GetCustomFilter().GetItem(i);
            text += " [" + Fields(filter.GetOperator(), filter.GetVal()) + "]";
        }
    }
    if (column.GetDynamicFilter().Assigned()) {
        const TCT_DynamicFilter& dynamic = column.GetDynamicFilter();
        text += " dynamic " + Fields(dynamic.GetType(), dynamic.GetVal(), dynamic.GetMaxVal());
    }
    if (column.GetColorFilter().Assigned()) {
        text += " color " + Fields(column.GetColorFilter().GetDxfId(), column.GetColorFilter().GetCellColor());
    }
    if (column.GetIconFilter().Assigned()) {
        text += " icon " + Fields(column.GetIconFilter().GetIconSet(), column.GetIconFilter().GetIconId());
    }
    return text;
}

std::string SortStateText(const TCT_SortState& sort) {
    std::string text = Fields(sort.GetColumnSort(), sort.GetCaseSensitive(), sort.GetSortMethod(), sort.GetRef()) + ":";
    for (int32_t i = 0; i < sort.GetSortCondition().Count(); ++i) {
        const TCT_SortCondition& condition = sort.GetSortCondition().GetItem(i);
        text += " [" +
                Fields(condition.GetDescending(), condition.GetSortBy(), condition.GetRef(), condition.GetCustomList(),
                       condition.GetDxfId(), condition.GetIconSet(), condition.GetIconId()) +
                "]";
    }
    return text;
}

std::string AutoFilterText(const TCT_AutoFilter& filter) {
    std::string text = Utf8(filter.GetRef()) + ":";
    for (int32_t i = 0; i < filter.GetFilterColumn().Count(); ++i) {
        text += " {" + FilterColumnText(filter.GetFilterColumn().GetItem(i)) + "}";
    }
    if (filter.GetSortState().Assigned()) {
        text += " sort " + SortStateText(filter.GetSortState());
    }
    return text;
}

TEST(xpgParserXLSXWorksheet, ReadsASheetWrittenByOpenpyxl) {
    SheetPart part;
    part.LoadBytes(xlsx_test::FixturePart("xlsx/openpyxl-elements.xlsx", "xl/worksheets/sheet1.xml"));
    const TCT_Worksheet& sheet = part.Doc.GetWorksheet();
    EXPECT_EQ(part.Handed, (std::vector<std::string>{"E1:F2", "A2 rId1   ", "A3 rId2   "}));
    const TCT_ConditionalFormattingXpgList& formats = sheet.GetConditionalFormatting();
    ASSERT_EQ(formats.Count(), 2);
    EXPECT_EQ(FieldText(formats.GetItem(0).GetSqref()), "B2:B4");
    ASSERT_EQ(formats.GetItem(0).GetCfRule().Count(), 2);
    const TCT_CfRule& cellIs = formats.GetItem(0).GetCfRule().GetItem(0);
    EXPECT_EQ(RuleText(cellIs), "1 0 1 0 1 0 0 5  255 0 0 0 5");
    const TCT_DataBar& bar = formats.GetItem(0).GetCfRule().GetItem(1).GetDataBar();
    EXPECT_EQ(Fields(bar.GetMinLength(), bar.GetMaxLength(), bar.GetShowValue()) + CfvoText(bar.GetCfvo()),
              "10 90 1[0 0 1][0 10 1]");
    EXPECT_EQ(bar.GetColor().GetRgb(), 0x00638EC6);
    const TCT_ColorScale& scale = formats.GetItem(1).GetCfRule().GetItem(0).GetColorScale();
    EXPECT_EQ(CfvoText(scale.GetCfvo()), "[3  1][2  1]");
    ASSERT_EQ(scale.GetColor().Count(), 2);
    EXPECT_EQ(scale.GetColor().GetItem(1).GetRgb(), 0x0000FF00);
    const TCT_IconSet& icons = formats.GetItem(1).GetCfRule().GetItem(1).GetIconSet();
    EXPECT_EQ(Fields(icons.GetIconSet(), icons.GetShowValue()) + CfvoText(icons.GetCfvo()),
              "0 1[1 0 1][1 33 1][1 67 1]");
    ASSERT_EQ(sheet.GetDataValidations().GetDataValidation().Count(), 1);
    EXPECT_EQ(ValidationText(sheet.GetDataValidations().GetDataValidation().GetItem(0)),
              "1 0 0 0 1 0 1 1 Bad 1 to 100   B2:B4 1 100");
    EXPECT_EQ(PrintOptionsText(sheet.GetPrintOptions()), "0 0 0 1 1");
    EXPECT_EQ(MarginsText(sheet.GetPageMargins()), "0.5 0.75 1 1 0.5 0.5");
    EXPECT_EQ(PageSetupText(sheet.GetPageSetup()), "9 100 1 1 1 0 2 1 0 0 0 0 0 600 600 1 ");
    EXPECT_EQ(HeaderFooterText(sheet.GetHeaderFooter()), "0 0 1 1 [&CSales &D|||||]");
    EXPECT_EQ(BreaksText(sheet.GetRowBreaks()), "1: [2 0 16383 1 0]");
    EXPECT_EQ(BreaksText(sheet.GetColBreaks()), "1: [1 0 16383 1 0]");
    const TCT_SheetView& view = sheet.GetSheetViews().GetSheetView().GetItem(0);
    EXPECT_EQ(PaneText(view.GetPane()), "1 1 B2 0 1");
    ASSERT_EQ(view.GetSelection().Count(), 3);
    EXPECT_EQ(SelectionText(view.GetSelection().GetItem(0)), "1  0 A1");
    EXPECT_EQ(SelectionText(view.GetSelection().GetItem(2)), "0 A1 0 A1");
    EXPECT_EQ(Utf8(sheet.GetLegacyDrawing().GetId()), "anysvml");
    ASSERT_EQ(sheet.GetTableParts().GetTablePart().Count(), 1);
    EXPECT_EQ(Utf8(sheet.GetTableParts().GetTablePart().GetItem(0).GetId()), "rId3");
    EXPECT_EQ(part.Joined(), "");

    SheetPart filtered;
    filtered.LoadBytes(xlsx_test::FixturePart("xlsx/openpyxl-elements.xlsx", "xl/worksheets/sheet2.xml"));
    const TCT_Worksheet& second = filtered.Doc.GetWorksheet();
    EXPECT_EQ(AutoFilterText(second.GetAutoFilter()), "A1:C4: {0 0 1 filters 0 0 Apple Plum} sort 0 0 2 B2:B4: "
                                                      "[1 0 B2:B4  -1 0 0]");
    EXPECT_TRUE(second.GetSheetProtection().GetSheet());
    ASSERT_EQ(second.GetScenarios().GetScenario().Count(), 1);
    const TCT_Scenario& scenario = second.GetScenarios().GetScenario().GetItem(0);
    EXPECT_EQ(Fields(scenario.GetName(), scenario.GetUser(), scenario.GetCount()), "High Ann 1");
    ASSERT_EQ(scenario.GetInputCells().Count(), 1);
    EXPECT_EQ(Fields(scenario.GetInputCells().GetItem(0).GetR(), scenario.GetInputCells().GetItem(0).GetVal()),
              "B2 20");
    EXPECT_EQ(filtered.Joined(), "");
}

TEST(xpgParserXLSXWorksheet, ReadsASheetWrittenByLibreOffice) {
    SheetPart part;
    part.LoadBytes(xlsx_test::FixturePart("xlsx/libreoffice-elements.xlsx", "xl/worksheets/sheet1.xml"));
    const TCT_Worksheet& sheet = part.Doc.GetWorksheet();
    EXPECT_EQ(part.Handed, (std::vector<std::string>{"E1:F2", "A2 rId2   Apple", "A3 rId3 Sales!C3  Pear"}));
    const TCT_CfRule& cellIs = sheet.GetConditionalFormatting().GetItem(0).GetCfRule().GetItem(0);
    EXPECT_EQ(RuleText(cellIs), "1 6 2 0 0 0 0 5  255 0 0 0 5");
    const TCT_CfRule& dataBar = sheet.GetConditionalFormatting().GetItem(0).GetCfRule().GetItem(1);
    EXPECT_EQ(dataBar.GetExtLst().GetExt().Count(), 1);
    EXPECT_EQ(ValidationText(sheet.GetDataValidations().GetDataValidation().GetItem(0)),
              "1 0 0 0 1 0 1 1 Bad 1 to 100   B2:B4 1 100");
    EXPECT_EQ(SheetViewText(sheet.GetSheetViews().GetSheetView().GetItem(0)),
              "0 0 1 1 1 0 1 1 1 1 1 0 A1 64 100 100 0 60 0");
    EXPECT_EQ(PageSetupText(sheet.GetPageSetup()), "9 100 1 1 1 0 2 1 0 0 0 0 0 300 300 1 ");
    EXPECT_EQ(HeaderFooterText(sheet.GetHeaderFooter()), "0 0 1 1 [&CSales &D|||||]");
    EXPECT_EQ(BreaksText(sheet.GetColBreaks()), "1: [1 0 65535 1 0]");
    EXPECT_EQ(sheet.GetExtLst().GetExt().Count(), 1);
    EXPECT_EQ(part.Joined(), "");

    SheetPart filtered;
    filtered.LoadBytes(xlsx_test::FixturePart("xlsx/libreoffice-elements.xlsx", "xl/worksheets/sheet2.xml"));
    EXPECT_EQ(AutoFilterText(filtered.Doc.GetWorksheet().GetAutoFilter()),
              "A1:C4: {0 0 1 filters 0 0 Apple Plum} sort 0 0 2 A2:C4: [1 0 A2:A4  -1 0 0]");
    EXPECT_EQ(Utf8(filtered.Doc.GetWorksheet().GetDrawing().GetId()), "rId1");
    EXPECT_EQ(filtered.Joined(), "");
}

TEST(xpgParserXLSXWorksheet, ReadsEveryAttributeOfConditionalFormatsValidationsAndHyperlinks) {
    SheetPart part;
    const TCT_Worksheet& sheet = part.Sheet(
        R"(<mergeCells count="7"><mergeCell ref="B2:D4"/><mergeCell ref="F1:G1"/></mergeCells>)"
        R"(<conditionalFormatting pivot="1" sqref="A1:A9 C1"><cfRule type="timePeriod" dxfId="3" priority="2")"
        R"( stopIfTrue="1" aboveAverage="0" percent="1" bottom="1" operator="notBetween" text="x" timePeriod="last7Days")"
        R"( rank="5" stdDev="2" equalAverage="1"><formula>A1&gt;1</formula><formula/><formula>3</formula>)"
        R"(<colorScale><cfvo type="percentile" val="50" gte="0"/><color theme="4"/></colorScale>)"
        R"(<dataBar minLength="5" maxLength="95" showValue="0"><cfvo type="formula" val="$A$1"/><color indexed="8"/>)"
        R"(</dataBar><iconSet iconSet="5Quarters" showValue="0" percent="0" reverse="1"><cfvo type="num" val="1"/>)"
        R"(</iconSet></cfRule><cfRule/></conditionalFormatting>)"
        R"(<dataValidations disablePrompts="1" xWindow="10" yWindow="20" count="9">)"
        R"(<dataValidation type="list" errorStyle="warning" imeMode="fullKatakana" operator="greaterThanOrEqual")"
        R"( allowBlank="1" showDropDown="1" showInputMessage="1" showErrorMessage="1" errorTitle="T" error="E")"
        R"( promptTitle="PT" prompt="P" sqref="A1 B2:C3"><formula1>"a,b"</formula1><formula2/></dataValidation>)"
        R"(<dataValidation/></dataValidations>)"
        R"(<hyperlinks><hyperlink ref="A1" location="Sheet2!A1" tooltip="tip" display="Go"/>)"
        R"(<hyperlink ref="B1" r:id="rId4"/><hyperlink ref="C1" q:id="rId5" xmlns:q="urn:other"/></hyperlinks>)");
    EXPECT_EQ(part.Handed,
              (std::vector<std::string>{"B2:D4", "F1:G1", "A1  Sheet2!A1 tip Go", "B1 rId4   ", "C1    "}));
    EXPECT_EQ(sheet.GetMergeCells().GetCount(), 7);
    const TCT_ConditionalFormatting& format = sheet.GetConditionalFormatting().GetItem(0);
    EXPECT_EQ(Fields(format.GetPivot(), format.GetSqref()), "1 A1:A9,C1");
    const TCT_CfRule& rule = format.GetCfRule().GetItem(0);
    EXPECT_EQ(RuleText(rule), "16 3 2 1 0 1 1 7 x 3 5 2 1 A1>1,,3");
    EXPECT_EQ(CfvoText(rule.GetColorScale().GetCfvo()), "[5 50 0]");
    EXPECT_EQ(rule.GetColorScale().GetColor().GetItem(0).GetTheme(), 4);
    const TCT_DataBar& bar = rule.GetDataBar();
    EXPECT_EQ(Fields(bar.GetMinLength(), bar.GetMaxLength(), bar.GetShowValue(), bar.GetColor().GetIndexed()) +
                  CfvoText(bar.GetCfvo()),
              "5 95 0 8[4 $A$1 1]");
    const TCT_IconSet& icons = rule.GetIconSet();
    EXPECT_EQ(Fields(icons.GetIconSet(), icons.GetShowValue(), icons.GetPercent(), icons.GetReverse()) +
                  CfvoText(icons.GetCfvo()),
              "16 0 0 1[0 1 1]");
    // A rule without attributes holds what marks each absent value.
    EXPECT_EQ(RuleText(format.GetCfRule().GetItem(1)), "255 -1 0 0 1 0 0 255  255 0 0 0 ");
    const TCT_DataValidations& validations = sheet.GetDataValidations();
    EXPECT_EQ(Fields(validations.GetDisablePrompts(), validations.GetXWindow(), validations.GetYWindow(),
                     validations.GetCount()),
              "1 10 20 9");
    ASSERT_EQ(validations.GetDataValidation().Count(), 2);
    EXPECT_EQ(ValidationText(validations.GetDataValidation().GetItem(0)), "3 1 5 7 1 1 1 1 T E PT P A1,B2:C3 \"a,b\" ");
    EXPECT_EQ(ValidationText(validations.GetDataValidation().GetItem(1)), "0 0 0 0 0 0 0 0       ");
    EXPECT_EQ(part.Joined(), R"(Row 0: Unknown Attribute "q:id")");
}

TEST(xpgParserXLSXWorksheet, ReadsEveryAttributeOfThePrintSettings) {
    SheetPart part;
    const TCT_Worksheet& sheet = part.Sheet(
        R"(<printOptions horizontalCentered="1" verticalCentered="1" headings="1" gridLines="1" gridLinesSet="0"/>)"
        R"(<pageMargins left="0.25" right="0.5" top="0.75" bottom="1.25" header="0.3" footer="0.35"/>)"
        R"(<pageSetup paperSize="9" scale="85" firstPageNumber="3" fitToWidth="2" fitToHeight="0")"
        R"( pageOrder="overThenDown" orientation="portrait" usePrinterDefaults="0" blackAndWhite="1" draft="1")"
        R"( cellComments="atEnd" useFirstPageNumber="1" errors="NA" horizontalDpi="300" verticalDpi="200" copies="2")"
        R"( r:id="rId7" paperHeight="297mm"/>)"
        R"(<headerFooter differentOddEven="1" differentFirst="1" scaleWithDoc="0" alignWithMargins="0">)"
        R"(<oddHeader>&amp;L&amp;"Arial,Bold"Left</oddHeader><oddFooter>Page &amp;P</oddFooter><evenHeader>e</evenHeader>)"
        R"(<evenFooter>f</evenFooter><firstHeader>g</firstHeader><firstFooter/></headerFooter>)"
        R"(<rowBreaks count="3" manualBreakCount="2"><brk id="5" min="1" max="9" man="1" pt="1"/><brk/></rowBreaks>)");
    EXPECT_EQ(PrintOptionsText(sheet.GetPrintOptions()), "1 1 1 1 0");
    EXPECT_EQ(MarginsText(sheet.GetPageMargins()), "0.25 0.5 0.75 1.25 0.3 0.35");
    EXPECT_EQ(PageSetupText(sheet.GetPageSetup()), "9 85 3 2 0 1 1 0 1 1 2 1 3 300 200 2 rId7");
    EXPECT_EQ(HeaderFooterText(sheet.GetHeaderFooter()), "1 1 0 0 [&L&\"Arial,Bold\"Left|Page &P|e|f|g|]");
    // The breaks are the items, whatever count says.
    EXPECT_EQ(BreaksText(sheet.GetRowBreaks()), "2: [5 1 9 1 1] [0 0 0 0 0]");
    EXPECT_FALSE(sheet.GetColBreaks().Assigned());
    EXPECT_EQ(part.Joined(), R"(Row 0: Unknown Attribute "paperHeight")");

    SheetPart defaults;
    const TCT_Worksheet& plain = defaults.Sheet(
        R"(<printOptions/><pageMargins/><pageSetup orientation="landscape"/><headerFooter><oddHeader/></headerFooter>)");
    EXPECT_EQ(PrintOptionsText(plain.GetPrintOptions()), "0 0 0 0 1");
    EXPECT_EQ(PageSetupText(plain.GetPageSetup()), "1 100 1 1 1 0 2 1 0 0 0 0 0 600 600 1 ");
    EXPECT_EQ(HeaderFooterText(plain.GetHeaderFooter()), "0 0 1 1 [|||||]");
}

TEST(xpgParserXLSXWorksheet, ReadsEveryAttributeOfScenariosSmartTagsObjectsAndPartReferences) {
    SheetPart part;
    const TCT_Worksheet& sheet = part.Sheet(
        R"(<scenarios current="1" show="2" sqref="B2 B3"><scenario name="Low" locked="1" hidden="1" count="2")"
        R"( user="Ann" comment="c"><inputCells r="B2" deleted="1" undone="1" val="5" numFmtId="9"/><inputCells/>)"
        R"(</scenario></scenarios>)"
        R"(<dataConsolidate function="max" leftLabels="1" topLabels="1" link="1"><dataRefs count="4">)"
        R"(<dataRef ref="A1:B2" name="N" sheet="S" r:id="rId2"/></dataRefs></dataConsolidate>)"
        R"(<customProperties><customPr name="P" r:id="rId3"/></customProperties>)"
        R"(<cellWatches><cellWatch r="C3"/><cellWatch r="D4"/></cellWatches>)"
        R"(<ignoredErrors><ignoredError sqref="A1 B1" evalError="1" twoDigitTextYear="1" numberStoredAsText="1")"
        R"( formula="1" formulaRange="1" unlockedFormula="1" emptyCellReference="1" listDataValidation="1")"
        R"( calculatedColumn="1"/></ignoredErrors>)"
        R"(<smartTags><cellSmartTags r="A1"><cellSmartTag type="2" deleted="1" xmlBased="1">)"
        R"(<cellSmartTagPr key="k" val="v"/></cellSmartTag><cellSmartTag><cellSmartTagPr key="k2"/></cellSmartTag>)"
        R"(</cellSmartTags></smartTags>)"
        R"(<drawing r:id="rId10"/><legacyDrawing r:id="rId11"/><legacyDrawingHF r:id="rId12"/><picture r:id="rId13"/>)"
        R"(<oleObjects><oleObject progId="Word.Document.12" dvAspect="DVASPECT_ICON" link="l" oleUpdate="OLEUPDATE_ONCALL")"
        R"( autoLoad="1" shapeId="1025" r:id="rId14"><objectPr r:id="rId15"/></oleObject><oleObject/></oleObjects>)"
        R"(<controls><control shapeId="1026" r:id="rId16" name="Button 1"><controlPr r:id="rId17"/></control></controls>)"
        R"(<webPublishItems count="1"><webPublishItem id="3" divId="d" sourceType="printArea" sourceRef="A1:B2")"
        R"( sourceObject="o" destinationFile="f.htm" title="t" autoRepublish="1"/></webPublishItems>)"
        R"(<tableParts count="2"><tablePart r:id="rId20"/><tablePart r:id="rId21"/></tableParts>)");
    const TCT_Scenarios& scenarios = sheet.GetScenarios();
    EXPECT_EQ(Fields(scenarios.GetCurrent(), scenarios.GetShow(), scenarios.GetSqref()), "1 2 B2,B3");
    const TCT_Scenario& scenario = scenarios.GetScenario().GetItem(0);
    EXPECT_EQ(Fields(scenario.GetName(), scenario.GetLocked(), scenario.GetHidden(), scenario.GetCount(),
                     scenario.GetUser(), scenario.GetComment()),
              "Low 1 1 2 Ann c");
    ASSERT_EQ(scenario.GetInputCells().Count(), 2);
    const TCT_InputCells& input = scenario.GetInputCells().GetItem(0);
    EXPECT_EQ(Fields(input.GetR(), input.GetDeleted(), input.GetUndone(), input.GetVal(), input.GetNumFmtId()),
              "B2 1 1 5 9");
    const TCT_DataConsolidate& consolidate = sheet.GetDataConsolidate();
    EXPECT_EQ(Fields(consolidate.GetFunction(), consolidate.GetLeftLabels(), consolidate.GetTopLabels(),
                     consolidate.GetLink(), consolidate.GetDataRefs().GetCount()),
              "3 1 1 1 4");
    const TCT_DataRef& ref = consolidate.GetDataRefs().GetDataRef().GetItem(0);
    EXPECT_EQ(Fields(ref.GetRef(), ref.GetName(), ref.GetSheet(), ref.GetId()), "A1:B2 N S rId2");
    const TCT_CustomProperty& property = sheet.GetCustomProperties().GetCustomPr().GetItem(0);
    EXPECT_EQ(Fields(property.GetName(), property.GetId()), "P rId3");
    ASSERT_EQ(sheet.GetCellWatches().GetCellWatch().Count(), 2);
    EXPECT_EQ(Utf8(sheet.GetCellWatches().GetCellWatch().GetItem(1).GetR()), "D4");
    const TCT_IgnoredError& ignored = sheet.GetIgnoredErrors().GetIgnoredError().GetItem(0);
    EXPECT_EQ(Fields(ignored.GetSqref(), ignored.GetEvalError(), ignored.GetTwoDigitTextYear(),
                     ignored.GetNumberStoredAsText(), ignored.GetFormula(), ignored.GetFormulaRange(),
                     ignored.GetUnlockedFormula(), ignored.GetEmptyCellReference(), ignored.GetListDataValidation(),
                     ignored.GetCalculatedColumn()),
              "A1,B1 1 1 1 1 1 1 1 1 1");
    const TCT_CellSmartTags& tags = sheet.GetSmartTags().GetCellSmartTags().GetItem(0);
    EXPECT_EQ(Utf8(tags.GetR()), "A1");
    ASSERT_EQ(tags.GetCellSmartTag().Count(), 2);
    const TCT_CellSmartTag& tag = tags.GetCellSmartTag().GetItem(0);
    EXPECT_EQ(Fields(tag.GetType(), tag.GetDeleted(), tag.GetXmlBased(), tag.GetCellSmartTagPr().GetItem(0).GetKey(),
                     tag.GetCellSmartTagPr().GetItem(0).GetVal()),
              "2 1 1 k v");
    EXPECT_EQ(Utf8(tags.GetCellSmartTag().GetItem(1).GetCellSmartTagPr().GetItem(0).GetKey()), "k2");
    EXPECT_EQ(Fields(sheet.GetDrawing().GetId(), sheet.GetLegacyDrawing().GetId(), sheet.GetLegacyDrawingHF().GetId(),
                     sheet.GetPicture().GetId()),
              "rId10 rId11 rId12 rId13");
    // The property elements that later editions add inside objects and controls are passed over, so the object
    // keeps its own relationship.
    ASSERT_EQ(sheet.GetOleObjects().GetOleObject().Count(), 2);
    const TCT_OleObject& object = sheet.GetOleObjects().GetOleObject().GetItem(0);
    EXPECT_EQ(Fields(object.GetProgId(), object.GetDvAspect(), object.GetLink(), object.GetOleUpdate(),
                     object.GetAutoLoad(), object.GetShapeId(), object.GetId()),
              "Word.Document.12 1 l 1 1 1025 rId14");
    const TCT_OleObject& plainObject = sheet.GetOleObjects().GetOleObject().GetItem(1);
    EXPECT_EQ(Fields(plainObject.GetDvAspect(), plainObject.GetOleUpdate()), "0 255");
    const TCT_Control& control = sheet.GetControls().GetControl().GetItem(0);
    EXPECT_EQ(Fields(control.GetShapeId(), control.GetId(), control.GetName()), "1026 rId16 Button 1");
    const TCT_WebPublishItem& item = sheet.GetWebPublishItems().GetWebPublishItem().GetItem(0);
    EXPECT_EQ(sheet.GetWebPublishItems().GetCount(), 1);
    EXPECT_EQ(Fields(item.GetId(), item.GetDivId(), item.GetSourceType(), item.GetSourceRef(), item.GetSourceObject(),
                     item.GetDestinationFile(), item.GetTitle(), item.GetAutoRepublish()),
              "3 d 1 A1:B2 o f.htm t 1");
    const TCT_TablePartXpgList& tables = sheet.GetTableParts().GetTablePart();
    EXPECT_EQ(
        Fields(sheet.GetTableParts().GetCount(), tables.Count(), tables.GetItem(0).GetId(), tables.GetItem(1).GetId()),
        "2 2 rId20 rId21");
    EXPECT_EQ(part.Joined(), "");

    SheetPart defaults;
    const TCT_Worksheet& plain = defaults.Sheet(R"(<dataConsolidate/><webPublishItems><webPublishItem/>)"
                                                R"(</webPublishItems>)");
    EXPECT_EQ(plain.GetDataConsolidate().GetFunction(), TST_DataConsolidateFunction::Sum);
    EXPECT_EQ(plain.GetWebPublishItems().GetWebPublishItem().GetItem(0).GetSourceType(), 255);
}

TEST(xpgParserXLSXWorksheet, ReadsEveryAttributeOfViewsPanesAndSelections) {
    SheetPart part;
    const TCT_Worksheet& sheet = part.Sheet(
        R"(<sheetViews><sheetView windowProtection="1" showFormulas="1" showGridLines="0" showRowColHeaders="0")"
        R"( showZeros="0" rightToLeft="1" tabSelected="1" showRuler="0" showOutlineSymbols="0" defaultGridColor="0")"
        R"( showWhiteSpace="0" view="pageLayout" topLeftCell="C3" colorId="10" zoomScale="75" zoomScaleNormal="80")"
        R"( zoomScaleSheetLayoutView="90" zoomScalePageLayoutView="95" workbookViewId="1">)"
        R"(<pane xSplit="2.5" ySplit="3" topLeftCell="D5" activePane="bottomLeft" state="frozenSplit"/>)"
        R"(<selection pane="bottomLeft" activeCell="E6" activeCellId="1" sqref="A1:B2 E6"/><selection/>)"
        R"(</sheetView><sheetView/></sheetViews>)"
        R"(<customSheetViews><customSheetView guid="{5A0B}" scale="90" colorId="9" showPageBreaks="1")"
        R"( showFormulas="1" showGridLines="0" showRowCol="0" outlineSymbols="0" zeroValues="0" fitToPage="1")"
        R"( printArea="1" filter="1" showAutoFilter="1" hiddenRows="1" hiddenColumns="1" state="veryHidden")"
        R"( filterUnique="1" view="pageBreakPreview" showRuler="0" topLeftCell="B2">)"
        R"(<pane ySplit="1" state="frozen"/><selection activeCell="B3"/><rowBreaks><brk id="4"/></rowBreaks>)"
        R"(<colBreaks><brk id="2"/></colBreaks><pageMargins left="1"/><printOptions headings="1"/>)"
        R"(<pageSetup scale="50"/><headerFooter><oddFooter>v</oddFooter></headerFooter>)"
        R"(<autoFilter ref="A1:B9"/></customSheetView><customSheetView/></customSheetViews>)");
    const TCT_SheetViewXpgList& views = sheet.GetSheetViews().GetSheetView();
    ASSERT_EQ(views.Count(), 2);
    EXPECT_EQ(SheetViewText(views.GetItem(0)), "1 1 0 0 0 1 1 0 0 0 0 2 C3 10 75 80 90 95 1");
    EXPECT_EQ(PaneText(views.GetItem(0).GetPane()), "2.5 3 D5 2 2");
    ASSERT_EQ(views.GetItem(0).GetSelection().Count(), 2);
    EXPECT_EQ(SelectionText(views.GetItem(0).GetSelection().GetItem(0)), "2 E6 1 A1:B2,E6");
    EXPECT_EQ(SelectionText(views.GetItem(0).GetSelection().GetItem(1)), "3  0 A1");
    EXPECT_EQ(SheetViewText(views.GetItem(1)), "0 0 1 1 1 0 0 1 1 1 1 0  64 100 0 0 0 0");
    EXPECT_EQ(PaneText(views.GetItem(1).GetPane()), "0 0  3 0");

    const TCT_CustomSheetViewXpgList& custom = sheet.GetCustomSheetViews().GetCustomSheetView();
    ASSERT_EQ(custom.Count(), 2);
    const TCT_CustomSheetView& view = custom.GetItem(0);
    EXPECT_EQ(CustomViewText(view), "{5A0B} 90 9 1 1 0 0 0 0 1 1 1 1 1 1 2 1 1 0 B2");
    EXPECT_EQ(PaneText(view.GetPane()), "0 1  3 1");
    EXPECT_EQ(SelectionText(view.GetSelection()), "3 B3 0 A1");
    EXPECT_EQ(BreaksText(view.GetRowBreaks()) + BreaksText(view.GetColBreaks()), "0: [4 0 0 0 0]0: [2 0 0 0 0]");
    EXPECT_EQ(MarginsText(view.GetPageMargins()), "1 0 0 0 0 0");
    EXPECT_EQ(PrintOptionsText(view.GetPrintOptions()), "0 0 1 0 1");
    EXPECT_EQ(view.GetPageSetup().GetScale(), 50);
    EXPECT_EQ(Utf8(view.GetHeaderFooter().GetOddFooter()), "v");
    EXPECT_EQ(Utf8(view.GetAutoFilter().GetRef()), "A1:B9");
    // The view's settings are its own, not the sheet's.
    EXPECT_FALSE(sheet.GetPageSetup().Assigned());
    EXPECT_EQ(CustomViewText(custom.GetItem(1)), " 100 64 0 0 1 1 1 1 0 0 0 0 0 0 0 0 0 1 ");
    EXPECT_EQ(part.Joined(), "");
}

std::string PivotAreaText(const TCT_PivotArea& area) {
    return Fields(area.GetField(), area.GetType(), area.GetDataOnly(), area.GetLabelOnly(), area.GetGrandRow(),
                  area.GetGrandCol(), area.GetCacheIndex(), area.GetOutline(), area.GetOffset(),
                  area.GetCollapsedLevelsAreSubtotals(), area.GetAxis(), area.GetFieldPosition());
}

std::string ReferenceText(const TCT_PivotAreaReference& reference) {
    std::string text = Fields(reference.GetField(), reference.GetCount(), reference.GetSelected(),
                              reference.GetByPosition(), reference.GetRelative(), reference.GetDefaultSubtotal(),
                              reference.GetSumSubtotal(), reference.GetCountASubtotal(), reference.GetAvgSubtotal(),
                              reference.GetMaxSubtotal(), reference.GetMinSubtotal(), reference.GetProductSubtotal(),
                              reference.GetCountSubtotal(), reference.GetStdDevSubtotal(),
                              reference.GetStdDevPSubtotal(), reference.GetVarSubtotal(), reference.GetVarPSubtotal());
    text += " x";
    for (int32_t i = 0; i < reference.GetX().Count(); ++i) {
        text += " " + std::to_string(reference.GetX().GetItem(i).GetV());
    }
    return text;
}

TEST(xpgParserXLSXWorksheet, ReadsEveryAttributeOfPivotSelections) {
    SheetPart part;
    const TCT_Worksheet& sheet = part.Sheet(
        R"(<sheetViews><sheetView><pivotSelection pane="topRight" showHeader="1" label="1" data="1" extendable="1")"
        R"( count="2" axis="axisCol" dimension="1" start="2" min="3" max="4" activeRow="5" activeCol="6")"
        R"( previousRow="7" previousCol="8" click="9" r:id="rId1"><pivotArea field="-2" type="data" dataOnly="0")"
        R"( labelOnly="1" grandRow="1" grandCol="1" cacheIndex="1" outline="0" offset="A1:B1")"
        R"( collapsedLevelsAreSubtotals="1" axis="axisPage" fieldPosition="3"><references count="2">)"
        R"(<reference field="1" count="3" selected="0" byPosition="1" relative="1" defaultSubtotal="1")"
        R"( sumSubtotal="1" countASubtotal="1" avgSubtotal="1" maxSubtotal="1" minSubtotal="1" productSubtotal="1")"
        R"( countSubtotal="1" stdDevSubtotal="0" stdDevPSubtotal="1" varSubtotal="1" varPSubtotal="1">)"
        R"(<x v="4"/><x v="0"/><x v="2"/></reference><reference/></references></pivotArea></pivotSelection>)"
        R"(<pivotSelection/></sheetView></sheetViews>)");
    const TCT_PivotSelectionXpgList& selections = sheet.GetSheetViews().GetSheetView().GetItem(0).GetPivotSelection();
    ASSERT_EQ(selections.Count(), 2);
    const TCT_PivotSelection& selection = selections.GetItem(0);
    EXPECT_EQ(Fields(selection.GetPane(), selection.GetShowHeader(), selection.GetLabel(), selection.GetData(),
                     selection.GetExtendable(), selection.GetCount(), selection.GetAxis(), selection.GetDimension(),
                     selection.GetStart(), selection.GetMin(), selection.GetMax(), selection.GetActiveRow(),
                     selection.GetActiveCol(), selection.GetPreviousRow(), selection.GetPreviousCol(),
                     selection.GetClick(), selection.GetId()),
              "1 1 1 1 1 2 1 1 2 3 4 5 6 7 8 9 rId1");
    const TCT_PivotArea& area = selection.GetPivotArea();
    EXPECT_EQ(PivotAreaText(area), "-2 2 0 1 1 1 1 0 A1:B1 1 2 3");
    EXPECT_EQ(area.GetReferences().GetCount(), 2);
    ASSERT_EQ(area.GetReferences().GetReference().Count(), 2);
    // countASubtotal and stdDevSubtotal have the same byte sum.
    EXPECT_EQ(ReferenceText(area.GetReferences().GetReference().GetItem(0)),
              "1 3 0 1 1 1 1 1 1 1 1 1 1 0 1 1 1 x 4 0 2");
    EXPECT_EQ(ReferenceText(area.GetReferences().GetReference().GetItem(1)), "0 0 1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 x");
    const TCT_PivotSelection& plain = selections.GetItem(1);
    EXPECT_EQ(Fields(plain.GetPane(), plain.GetAxis()), "3 255");
    EXPECT_EQ(PivotAreaText(plain.GetPivotArea()), "0 1 1 0 0 0 0 1  0 255 0");
    EXPECT_EQ(part.Joined(), "");
}

TEST(xpgParserXLSXWorksheet, ReadsAPivotSelectionWrittenByExcel) {
    if (!test_support::HasCorpus()) {
        GTEST_SKIP() << "the shared corpus is absent";
    }
    SheetPart part;
    part.LoadBytes(
        xlsx_test::PackagePart(test_support::CorpusDir() + u"/calamine/tests/pivots.xlsx", "xl/worksheets/sheet1.xml"));
    const TCT_SheetView& view = part.Doc.GetWorksheet().GetSheetViews().GetSheetView().GetItem(0);
    ASSERT_EQ(view.GetPivotSelection().Count(), 1);
    const TCT_PivotSelection& selection = view.GetPivotSelection().GetItem(0);
    EXPECT_EQ(Fields(selection.GetPane(), selection.GetClick(), selection.GetId(), selection.GetAxis()),
              "0 1 rId1 255");
    EXPECT_EQ(PivotAreaText(selection.GetPivotArea()), "5 5 0 1 0 0 0 0  0 2 0");
    EXPECT_EQ(part.Joined().find("Unknown Element"), std::string::npos);
}

TEST(xpgParserXLSXWorksheet, ReadsEveryKindOfFilterAndSortCondition) {
    SheetPart part;
    const TCT_Worksheet& sheet = part.Sheet(
        R"(<autoFilter ref="A1:F20"><filterColumn colId="1" hiddenButton="1" showButton="0">)"
        R"(<filters blank="1" calendarType="japan"><filter val="a"/><filter val="b"/>)"
        R"(<dateGroupItem year="2024" month="2" day="3" hour="4" minute="5" second="6" dateTimeGrouping="month"/>)"
        R"(<dateGroupItem year="2025"/></filters></filterColumn>)"
        R"(<filterColumn colId="2"><top10 top="0" percent="1" val="10" filterVal="4.5"/></filterColumn>)"
        R"(<filterColumn colId="3"><customFilters and="1"><customFilter operator="greaterThan" val="5"/>)"
        R"(<customFilter val="9"/></customFilters></filterColumn>)"
        R"(<filterColumn colId="4"><dynamicFilter type="aboveAverage" val="2.5" maxVal="7"/></filterColumn>)"
        R"(<filterColumn colId="5"><colorFilter dxfId="2" cellColor="0"/></filterColumn>)"
        R"(<filterColumn colId="6"><iconFilter iconSet="3Flags" iconId="1"/></filterColumn>)"
        R"(<filterColumn colId="7"><top10/><dynamicFilter/><colorFilter/><iconFilter/></filterColumn>)"
        R"(<sortState columnSort="1" caseSensitive="1" sortMethod="pinYin" ref="A2:F20">)"
        R"(<sortCondition descending="1" sortBy="cellColor" ref="B2:B20" customList="x,y" dxfId="4")"
        R"( iconSet="5Rating" iconId="2"/><sortCondition ref="C2:C20"/></sortState></autoFilter>)");
    EXPECT_EQ(AutoFilterText(sheet.GetAutoFilter()),
              "A1:F20: {1 1 0 filters 1 3 a b [2024 2 3 4 5 6 1] [2025 0 0 0 0 0 255]} {2 0 1 top10 0 1 10 4.5}"
              " {3 0 1 custom 1 [5 5] [0 9]} {4 0 1 dynamic 1 2.5 7} {5 0 1 color 2 0} {6 0 1 icon 2 1}"
              " {7 0 1 top10 1 0 0 0 dynamic 255 0 0 color -1 1 icon 255 0} sort 1 1 1 A2:F20:"
              " [1 1 B2:B20 x,y 4 15 2] [0 0 C2:C20  -1 0 0]");
    EXPECT_FALSE(sheet.GetAutoFilter().GetFilterColumn().GetItem(0).GetTop10().Assigned());
    EXPECT_EQ(part.Joined(), "");
}

TEST(xpgParserXLSXWorksheet, AnEnumerationValueTheTypeLacksIsReportedAndReadsAsItsUnknownOrdinal) {
    SheetPart part;
    const TCT_Worksheet& sheet =
        part.Sheet(R"(<sheetViews><sheetView view="pageBreakPreview2"><pane activePane="middle" state="frozen"/>)"
                   R"(<selection pane="nowhere"/></sheetView></sheetViews>)"
                   R"(<conditionalFormatting><cfRule type="textContains" operator="lessThan"/></conditionalFormatting>)"
                   R"(<pageSetup orientation="sideways" pageOrder="overThenDown"/>)");
    const TCT_SheetView& view = sheet.GetSheetViews().GetSheetView().GetItem(0);
    // A value that is absent where it stands: the attribute's default, or 255 where there is none.
    EXPECT_EQ(view.GetView(), TST_SheetViewType::Normal);
    EXPECT_EQ(view.GetPane().GetActivePane(), TST_Pane::TopLeft);
    EXPECT_EQ(view.GetPane().GetState(), TST_PaneState::Frozen);
    EXPECT_EQ(view.GetSelection().GetItem(0).GetPane(), TST_Pane::TopLeft);
    const TCT_CfRule& rule = sheet.GetConditionalFormatting().GetItem(0).GetCfRule().GetItem(0);
    EXPECT_EQ(rule.GetType(), 255);
    EXPECT_EQ(rule.GetOperator(), TST_ConditionalFormattingOperator::LessThan);
    EXPECT_EQ(sheet.GetPageSetup().GetOrientation(), TST_Orientation::Default);
    EXPECT_EQ(sheet.GetPageSetup().GetPageOrder(), TST_PageOrder::OverThenDown);
    EXPECT_EQ(part.Joined(), R"(Row 0: Unknown Attribute "view="pageBreakPreview2""|)"
                             R"(Row 0: Unknown Attribute "activePane="middle""|)"
                             R"(Row 0: Unknown Attribute "pane="nowhere""|)"
                             R"(Row 0: Unknown Attribute "type="textContains""|)"
                             R"(Row 0: Unknown Attribute "orientation="sideways"")");
}

TEST(xpgParserXLSXWorksheet, ReadsTheFallbackViewWhenTheChoiceNeedsAnUnknownNamespace) {
    SheetPart part;
    part.Load(
        R"(<worksheet xmlns="MAIN" xmlns:mc="MC" xmlns:x14="http://schemas.microsoft.com/office/spreadsheetml/)"
        R"(2009/9/main" mc:Ignorable="x14"><mc:AlternateContent><mc:Choice Requires="x14">)"
        R"(<sheetViews><sheetView zoomScale="50" x14:extra="1"/></sheetViews><x14:unknown/></mc:Choice>)"
        R"(<mc:Fallback><sheetViews><sheetView zoomScale="120"/></sheetViews></mc:Fallback></mc:AlternateContent>)"
        R"(<mergeCells><mc:AlternateContent><mc:Choice Requires="mc"><mergeCell ref="A1:B1"/></mc:Choice>)"
        R"(<mc:Fallback><mergeCell ref="C1:D1"/></mc:Fallback></mc:AlternateContent></mergeCells></worksheet>)");
    const TCT_SheetViewXpgList& views = part.Doc.GetWorksheet().GetSheetViews().GetSheetView();
    ASSERT_EQ(views.Count(), 1);
    EXPECT_EQ(views.GetItem(0).GetZoomScale(), 120);
    EXPECT_EQ(part.Handed, std::vector<std::string>{"A1:B1"});
    EXPECT_EQ(part.Joined(), "");
}

TEST(xpgParserXLSXWorksheet, ReadsPrefixedNamesAsTheUnprefixedOnes) {
    SheetPart part;
    part.Load(R"(<x:worksheet xmlns:x="MAIN" xmlns:rel="REL"><x:sheetViews><x:sheetView zoomScale="85">)"
              R"(<x:pane ySplit="2" state="frozen"/></x:sheetView></x:sheetViews><x:hyperlinks>)"
              R"(<x:hyperlink x:ref="A1" rel:id="rId9"/></x:hyperlinks><x:tableParts><x:tablePart rel:id="rId3"/>)"
              R"(</x:tableParts></x:worksheet>)");
    const TCT_Worksheet& sheet = part.Doc.GetWorksheet();
    EXPECT_EQ(sheet.GetSheetViews().GetSheetView().GetItem(0).GetZoomScale(), 85);
    EXPECT_EQ(sheet.GetSheetViews().GetSheetView().GetItem(0).GetPane().GetState(), TST_PaneState::Frozen);
    EXPECT_EQ(part.Handed, std::vector<std::string>{"A1 rId9   "});
    EXPECT_EQ(Utf8(sheet.GetTableParts().GetTablePart().GetItem(0).GetId()), "rId3");
    EXPECT_EQ(part.Joined(), "");
}

} // namespace
} // namespace xls::xpgParserXLSX
