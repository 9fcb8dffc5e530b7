// Whole chart parts read into the chart document: series and the settings the chart kinds share, the chart kinds
// and axes of a plot area, and the chart space with its chart, legend, 3-D view, print settings and root.

#include "tests/xls/drawing/DrawingTestSupport.h"

#include <bit>
#include <gtest/gtest.h>

namespace xls::drawing_test {
namespace {

const std::string ThreeSeries = R"(<c:ser><c:idx val="0"/></c:ser><c:ser><c:idx val="1"/></c:ser>)"
                                R"(<c:ser><c:idx val="2"/></c:ser>)";

template <class List>
std::vector<int32_t> SeriesIndexes(const List& list) {
    std::vector<int32_t> indexes;
    for (int32_t i = 0; i < list.Count(); ++i) {
        indexes.push_back(list.GetItem(i).GetShared().GetIdx()->GetVal());
    }
    return indexes;
}

TEST(ChartSeries, EachGroupKeepsItsSeriesInDocumentOrder) {
    TChart chart;
    chart.LoadPlotArea("<c:areaChart>" + ThreeSeries + "</c:areaChart><c:pieChart>" + ThreeSeries +
                       "</c:pieChart><c:surfaceChart>" + ThreeSeries + "</c:surfaceChart><c:barChart>" + ThreeSeries +
                       "</c:barChart><c:lineChart>" + ThreeSeries + "</c:lineChart>");
    EXPECT_EQ(chart.Log, std::vector<std::string>{});
    TCT_PlotArea& area = chart.PlotArea();
    const std::vector<int32_t> expected{0, 1, 2};
    EXPECT_EQ(SeriesIndexes(area.GetAreaCharts().GetItem(0).GetShared().GetSers()), expected);
    EXPECT_EQ(SeriesIndexes(area.GetPieCharts().GetItem(0).GetShared().GetSers()), expected);
    EXPECT_EQ(SeriesIndexes(area.GetSurfaceCharts().GetItem(0).GetShared().GetSers()), expected);
    EXPECT_EQ(SeriesIndexes(area.GetBarCharts().GetItem(0).GetShared().GetSers()), expected);
    EXPECT_EQ(SeriesIndexes(area.GetLineCharts().GetItem(0).GetShared().GetSers()), expected);
}

TEST(ChartSeries, ANameIsATextOrAReferenceWithItsCache) {
    TChart chart;
    chart.LoadPlotArea(R"(<c:barChart><c:ser><c:tx><c:v>Sales</c:v></c:tx><c:order val="4"/></c:ser>)"
                       R"(<c:ser><c:tx><c:strRef><c:f>Sheet1!$B$1</c:f><c:strCache><c:ptCount val="1"/>)"
                       R"(<c:pt idx="0"><c:v>Costs</c:v></c:pt></c:strCache></c:strRef></c:tx></c:ser></c:barChart>)");
    EXPECT_EQ(chart.Log, std::vector<std::string>{});
    const TCT_BarSerXpgList& series = chart.PlotArea().GetBarCharts().GetItem(0).GetShared().GetSers();
    const TEG_SerShared& text = series.GetItem(0).GetShared();
    EXPECT_EQ(text.GetTx()->GetV(), u"Sales");
    EXPECT_EQ(text.GetTx()->GetStrRef(), nullptr);
    EXPECT_EQ(text.GetOrder()->GetVal(), 4);
    const TEG_SerShared& reference = series.GetItem(1).GetShared();
    EXPECT_EQ(reference.GetTx()->GetStrRef()->GetF(), u"Sheet1!$B$1");
    EXPECT_EQ(reference.GetTx()->GetStrRef()->GetStrCache()->GetPts().GetItem(0).GetV(), u"Costs");
}

TEST(ChartSeries, AnOrderWithoutValStartsUnsetUnlikeATrendlinesOrder) {
    TChart chart;
    chart.LoadPlotArea(R"(<c:lineChart><c:ser><c:order/><c:trendline><c:order/></c:trendline></c:ser></c:lineChart>)");
    EXPECT_EQ(chart.Log, std::vector<std::string>{});
    const TCT_LineSer& series = chart.PlotArea().GetLineCharts().GetItem(0).GetShared().GetSers().GetItem(0);
    EXPECT_EQ(series.GetShared().GetOrder()->GetVal(), UnsetInt);
    EXPECT_EQ(series.GetTrendlines().GetItem(0).GetOrder()->GetVal(), 2);
}

TEST(ChartSeries, LineSeriesReadTwoErrorBarsIntoOneScatterSeriesKeepTwo) {
    const std::string bars =
        R"(<c:errBars><c:errDir val="y"/></c:errBars><c:errBars><c:noEndCap val="1"/></c:errBars>)";
    TChart chart;
    chart.LoadPlotArea("<c:lineChart><c:ser>" + bars + "</c:ser></c:lineChart><c:scatterChart><c:ser>" + bars +
                       "</c:ser></c:scatterChart>");
    EXPECT_EQ(chart.Log, std::vector<std::string>{});
    const TCT_ErrBars& merged =
        *chart.PlotArea().GetLineCharts().GetItem(0).GetShared().GetSers().GetItem(0).GetErrBars();
    EXPECT_EQ(merged.GetErrDir()->GetVal(), 1);
    EXPECT_NE(merged.GetNoEndCap(), nullptr);
    const TCT_ScatterSer& scatter = chart.PlotArea().GetScatterCharts().GetItem(0).GetSers().GetItem(0);
    ASSERT_EQ(scatter.GetErrBars().Count(), 2);
    EXPECT_EQ(scatter.GetErrBars().GetItem(0).GetNoEndCap(), nullptr);
    EXPECT_EQ(scatter.GetErrBars().GetItem(1).GetErrDir(), nullptr);
}

TEST(ChartSeries, AnUnknownElementInASeriesIsReportedOnceByTheSeries) {
    TChart chart;
    chart.LoadPlotArea(R"(<c:barChart><c:ser><c:foo/><c:idx val="3"/></c:ser><c:axId val="1"/></c:barChart>)");
    EXPECT_EQ(chart.Log.size(), 1U);
    EXPECT_NE(chart.Log.at(0).find("Unknown Element \"c:foo\""), std::string::npos);
    const TCT_BarChart& bar = chart.PlotArea().GetBarCharts().GetItem(0);
    EXPECT_EQ(bar.GetShared().GetSers().GetItem(0).GetShared().GetIdx()->GetVal(), 3);
    EXPECT_EQ(bar.GetAxIds().Count(), 1);
}

TEST(ChartSeries, TheSeriesListOfABarAreaPieOrSurfaceGroupCountsAsOneWhateverItsSeriesHold) {
    TChart chart;
    chart.LoadPlotArea("<c:barChart><c:ser/></c:barChart><c:areaChart><c:ser/><c:ser/></c:areaChart>"
                       "<c:pieChart/><c:lineChart><c:ser/></c:lineChart>");
    EXPECT_EQ(chart.Log, std::vector<std::string>{});
    TCT_PlotArea& area = chart.PlotArea();
    EXPECT_EQ(area.GetBarCharts().GetItem(0).CheckAssigned(), 1);
    EXPECT_EQ(area.GetAreaCharts().GetItem(0).CheckAssigned(), 1);
    EXPECT_EQ(area.GetPieCharts().GetItem(0).CheckAssigned(), 0);
    // A line group's series count what they hold.
    EXPECT_EQ(area.GetLineCharts().GetItem(0).CheckAssigned(), 0);
}

TEST(ChartKindValues, ValuesReadWithTheirDefaultsAndPercentSigns) {
    TChart chart;
    chart.LoadPlotArea(
        R"(<c:barChart><c:barDir/><c:ser><c:shape val="box"/></c:ser><c:ser><c:shape/></c:ser>)"
        R"(<c:ser><c:shape val="cylinder"/></c:ser><c:gapWidth val="150%"/><c:overlap val="-25"/></c:barChart>)"
        R"(<c:barChart><c:gapWidth val="150"/></c:barChart><c:barChart><c:gapWidth/><c:overlap val="50%"/></c:barChart>)"
        R"(<c:doughnutChart><c:firstSliceAng val="90"/><c:holeSize/></c:doughnutChart>)"
        R"(<c:doughnutChart><c:holeSize val="60%"/></c:doughnutChart>)"
        R"(<c:ofPieChart><c:splitType val="percent"/><c:secondPieSize val="50%"/></c:ofPieChart>)"
        R"(<c:scatterChart><c:scatterStyle/></c:scatterChart><c:bubbleChart><c:bubbleScale val="80%"/></c:bubbleChart>)");
    EXPECT_EQ(chart.Log, std::vector<std::string>{});
    TCT_PlotArea& area = chart.PlotArea();
    TCT_BarChart& first = area.GetBarCharts().GetItem(0);
    const TCT_BarSerXpgList& series = first.GetShared().GetSers();
    EXPECT_EQ(series.GetItem(0).GetShape()->GetVal(), 2);
    EXPECT_EQ(series.GetItem(1).GetShape()->GetVal(), 2);
    EXPECT_EQ(series.GetItem(2).GetShape()->GetVal(), 3);
    EXPECT_EQ(first.GetGapWidth()->GetVal(), 150);
    EXPECT_EQ(first.GetOverlap()->GetVal(), -25);
    EXPECT_EQ(first.GetShared().GetBarDir()->GetVal(), 1);
    EXPECT_EQ(first.GetShared().GetBarDir()->CheckAssigned(), 1);
    EXPECT_EQ(area.GetBarCharts().GetItem(1).GetGapWidth()->GetVal(), 150);
    EXPECT_EQ(area.GetBarCharts().GetItem(2).GetGapWidth()->GetVal(), 150);
    EXPECT_EQ(area.GetBarCharts().GetItem(2).GetOverlap()->GetVal(), 50);
    EXPECT_EQ(area.GetDoughnutCharts().GetItem(0).GetFirstSliceAng()->GetVal(), 90);
    EXPECT_EQ(area.GetDoughnutCharts().GetItem(0).GetHoleSize()->GetVal(), 10);
    EXPECT_EQ(area.GetDoughnutCharts().GetItem(1).GetHoleSize()->GetVal(), 60);
    EXPECT_EQ(area.GetOfPieCharts().GetItem(0).GetSplitType()->GetVal(), 2);
    EXPECT_EQ(area.GetOfPieCharts().GetItem(0).GetSecondPieSize()->GetVal(), 50);
    EXPECT_EQ(area.GetScatterCharts().GetItem(0).GetScatterStyle()->GetVal(), 3);
    EXPECT_EQ(area.GetBubbleCharts().GetItem(0).GetBubbleScale()->GetVal(), 80);
}

TEST(ChartKindValues, ASplitTypeOfAShapesNameIsReportedAndLeavesAuto) {
    TChart chart;
    chart.LoadPlotArea(R"(<c:ofPieChart><c:splitType val="pie"/></c:ofPieChart>)");
    EXPECT_EQ(chart.Log, std::vector<std::string>{"Can not find enum \"ststpie\""});
    EXPECT_EQ(chart.PlotArea().GetOfPieCharts().GetItem(0).GetSplitType()->GetVal(), 0);
}

TEST(ChartKindsAndAxes, EachKindKeepsItsAxisIdsAndEachKindItsOwnList) {
    TChart chart;
    chart.LoadPlotArea(R"(<c:barChart><c:axId val="1"/><c:axId val="2"/><c:axId val="3"/></c:barChart>)"
                       R"(<c:lineChart><c:axId val="7"/><c:axId val="8"/></c:lineChart>)"
                       R"(<c:barChart><c:axId val="4"/><c:axId val="5"/></c:barChart>)"
                       R"(<c:surface3DChart><c:axId val="9"/><c:axId val="10"/></c:surface3DChart>)"
                       R"(<c:catAx><c:axId val="1"/><c:crossAx val="2"/></c:catAx>)"
                       R"(<c:valAx><c:axId val="2"/><c:crossAx val="1"/></c:valAx>)");
    EXPECT_EQ(chart.Log, std::vector<std::string>{});
    TCT_PlotArea& area = chart.PlotArea();
    ASSERT_EQ(area.GetBarCharts().Count(), 2);
    ASSERT_EQ(area.GetLineCharts().Count(), 1);
    EXPECT_EQ(area.GetBarCharts().GetItem(0).GetAxIds().Count(), 3);
    EXPECT_EQ(area.GetBarCharts().GetItem(1).GetAxIds().GetItem(1).GetVal(), 5);
    EXPECT_EQ(area.GetLineCharts().GetItem(0).GetAxIds().GetItem(0).GetVal(), 7);
    EXPECT_EQ(area.GetSurface3DCharts().GetItem(0).GetAxIds().Count(), 2);
    EXPECT_EQ(area.GetCatAxes().GetItem(0).GetShared().GetCrossAx().GetVal(), 2);
    EXPECT_EQ(area.GetValAxes().GetItem(0).GetShared().GetCrossAx().GetVal(), 1);
}

TEST(ChartKindsAndAxes, AStockChartKeepsItsFourLineSeries) {
    TChart chart;
    chart.LoadPlotArea("<c:stockChart>" + ThreeSeries + R"(<c:ser><c:idx val="3"/></c:ser><c:hiLowLines/>)" +
                       "<c:upDownBars><c:gapWidth val=\"30\"/><c:upBars/></c:upDownBars></c:stockChart>");
    EXPECT_EQ(chart.Log, std::vector<std::string>{});
    const TCT_StockChart& stock = chart.PlotArea().GetStockCharts().GetItem(0);
    EXPECT_EQ(SeriesIndexes(stock.GetSers()), (std::vector<int32_t>{0, 1, 2, 3}));
    EXPECT_EQ(stock.GetUpDownBars()->GetGapWidth()->GetVal(), 30);
    EXPECT_NE(stock.GetUpDownBars()->GetUpBars(), nullptr);
}

TEST(ChartKindsAndAxes, AMarkerInABarChartIsReportedAndTheRestIsRead) {
    TChart chart;
    chart.LoadPlotArea(R"(<c:barChart><c:marker val="1"/><c:axId val="1"/></c:barChart><c:valAx/>)");
    EXPECT_EQ(chart.Log.size(), 1U);
    EXPECT_NE(chart.Log.at(0).find("Unknown Element \"c:marker\""), std::string::npos);
    EXPECT_EQ(chart.PlotArea().GetBarCharts().GetItem(0).GetAxIds().Count(), 1);
    EXPECT_EQ(chart.PlotArea().GetValAxes().Count(), 1);
}

TEST(ChartKindsAndAxes, ADataTableHoldsWhatItWasGiven) {
    TChart chart;
    chart.LoadPlotArea(R"(<c:dTable><c:showKeys val="1"/></c:dTable>)");
    EXPECT_EQ(chart.Log, std::vector<std::string>{});
    const TCT_DTable& table = *chart.PlotArea().GetDTable();
    EXPECT_NE(table.GetShowKeys(), nullptr);
    EXPECT_EQ(table.GetShowHorzBorder(), nullptr);
    EXPECT_EQ(table.GetShowVertBorder(), nullptr);
    EXPECT_EQ(table.GetShowOutline(), nullptr);
}

TEST(ChartSpace, AFloorAndATitleWithTheSameByteSumAreApart) {
    TChart chart;
    chart.Load(
        R"(<c:chart><c:title><c:overlay val="0"/></c:title><c:floor><c:thickness val="3"/></c:floor></c:chart>)");
    EXPECT_EQ(chart.Log, std::vector<std::string>{});
    EXPECT_NE(chart.Chart().GetTitle()->GetOverlay(), nullptr);
    EXPECT_EQ(chart.Chart().GetFloor()->GetThickness()->GetVal(), 3);
    EXPECT_EQ(chart.Chart().GetSideWall(), nullptr);
}

TEST(ChartSpace, LegendPositionsAndBlanksKeepTheirDefaults) {
    struct Case {
        std::string_view body;
        int16_t position; // -2: no position object
        int16_t blanks;
    };
    const Case cases[] = {
        {R"(<c:legend><c:overlay val="0"/></c:legend><c:dispBlanksAs/>)", -2, 2},
        {R"(<c:legend><c:legendPos val="t"/></c:legend><c:dispBlanksAs val="gap"/>)", 4, 1},
        {R"(<c:legend><c:legendPos/></c:legend><c:dispBlanksAs val="span"/>)", 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        TChart chart;
        chart.Load("<c:chart>" + std::string(c.body) + "</c:chart>");
        EXPECT_EQ(chart.Log, std::vector<std::string>{});
        const TCT_LegendPos* position = chart.Chart().GetLegend()->GetLegendPos();
        EXPECT_EQ(position == nullptr ? -2 : position->GetVal(), c.position);
        EXPECT_EQ(chart.Chart().GetDispBlanksAs()->GetVal(), c.blanks);
    }
}

TEST(ChartSpace, LegendEntriesKeepTheirOrderAndText) {
    TChart chart;
    chart.Load(R"(<c:chart><c:legend><c:legendEntry><c:idx val="1"/><c:delete val="1"/></c:legendEntry>)"
               R"(<c:legendEntry><c:idx val="0"/><c:txPr><a:bodyPr/></c:txPr></c:legendEntry></c:legend></c:chart>)");
    EXPECT_EQ(chart.Log, std::vector<std::string>{});
    const TCT_LegendEntryXpgList& entries = chart.Chart().GetLegend()->GetLegendEntries();
    ASSERT_EQ(entries.Count(), 2);
    EXPECT_EQ(entries.GetItem(0).GetIdx()->GetVal(), 1);
    EXPECT_NE(entries.GetItem(0).GetDelete(), nullptr);
    EXPECT_EQ(entries.GetItem(1).GetData().GetTxPr() != nullptr, true);
}

TEST(ChartSpace, PageMarginsAndSetupKeepWhatIsNotGiven) {
    TChart chart;
    chart.Load(R"(<c:printSettings><c:headerFooter differentFirst="1"><c:oddHeader>&amp;CPage</c:oddHeader>)"
               R"(</c:headerFooter><c:pageMargins l="0.7"/><c:pageSetup orientation="landscape" copies="x"/>)"
               R"(</c:printSettings>)");
    EXPECT_EQ(chart.Log, std::vector<std::string>{});
    const TCT_PrintSettings& print = *chart.Space().GetPrintSettings();
    EXPECT_EQ(print.GetHeaderFooter()->GetOddHeader(), u"&CPage");
    EXPECT_TRUE(print.GetHeaderFooter()->GetDifferentFirst());
    EXPECT_TRUE(print.GetHeaderFooter()->GetAlignWithMargins());
    const TCT_PageMargins& margins = *print.GetPageMargins();
    EXPECT_EQ(margins.GetL(), 0.7);
    for (double unset : {margins.GetR(), margins.GetT(), margins.GetB(), margins.GetHeader(), margins.GetFooter()}) {
        EXPECT_EQ(std::bit_cast<uint64_t>(unset), UnsetDoubleBits);
    }
    const TCT_PageSetup& setup = *print.GetPageSetup();
    EXPECT_EQ(setup.GetOrientation(), 2);
    EXPECT_EQ(setup.GetHorizontalDpi(), 600);
    EXPECT_EQ(setup.GetCopies(), 0);
    EXPECT_EQ(setup.GetPaperSize(), 1);
}

TEST(ChartSpace, AView3DHoldsOnlyWhatItWasGiven) {
    TChart chart;
    chart.Load(R"(<c:chart><c:view3D><c:rotX val="15"/></c:view3D></c:chart>)"
               R"(<c:chart><c:view3D><c:hPercent val="120%"/><c:depthPercent val="80"/></c:view3D></c:chart>)");
    EXPECT_EQ(chart.Log, std::vector<std::string>{});
    const TCT_View3D& view = *chart.Chart().GetView3D();
    EXPECT_EQ(view.GetRotX()->GetVal(), 15);
    EXPECT_EQ(view.GetRotY(), nullptr);
    EXPECT_EQ(view.GetPerspective(), nullptr);
    EXPECT_EQ(view.GetHPercent()->GetVal(), 120);
    EXPECT_EQ(view.GetDepthPercent()->GetVal(), 80);
}

TEST(ChartSpace, AStyleIsANumberReadFromTheFallbackOfAnAlternative) {
    TChart absent;
    absent.Load("<c:date1904 val=\"0\"/>");
    EXPECT_EQ(absent.Space().GetStyle(), nullptr);
    TChart letter;
    letter.Load(R"(<c:style val="x"/>)");
    EXPECT_EQ(letter.Space().GetStyle()->GetVal(), 0);
    TChart alternative;
    alternative.Load(R"(<mc:AlternateContent><mc:Choice Requires="c14"><c14:style val="102"/></mc:Choice>)"
                     R"(<mc:Fallback><c:style val="2"/></mc:Fallback></mc:AlternateContent>)");
    EXPECT_EQ(alternative.Log, std::vector<std::string>{});
    EXPECT_EQ(alternative.Space().GetStyle()->GetVal(), 2);
}

TEST(ChartSpace, TheRootKeepsTheNamespacesInOrder) {
    TChart chart;
    chart.Load(R"(<c:externalData r:id="rId1"><c:autoUpdate val="0"/></c:externalData><c:userShapes r:id="rId2"/>)");
    EXPECT_EQ(chart.Log, std::vector<std::string>{});
    const TStringXpgList& kept = chart.Doc.GetRoot().GetAttributes();
    ASSERT_EQ(kept.GetCount(), 5);
    EXPECT_EQ(kept.GetItem(0), u"xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\"");
    EXPECT_EQ(kept.GetItem(1), u"xmlns:c=\"http://schemas.openxmlformats.org/drawingml/2006/chart\"");
    EXPECT_TRUE(chart.Doc.GetChartSpace().Assigned());
    EXPECT_EQ(chart.Space().GetExternalData()->GetId(), u"rId1");
    EXPECT_NE(chart.Space().GetExternalData()->GetAutoUpdate(), nullptr);
    EXPECT_EQ(chart.Space().GetUserShapes()->GetId(), u"rId2");
}

TEST(ChartDocument, ASecondLoadAddsAndStyleDomsAreReplaced) {
    TChart chart;
    chart.LoadPlotArea("<c:barChart/>");
    chart.LoadPlotArea("<c:barChart/><c:lineChart/>");
    EXPECT_EQ(chart.PlotArea().GetBarCharts().Count(), 2);
    EXPECT_EQ(chart.PlotArea().GetLineCharts().Count(), 1);
    EXPECT_EQ(chart.Doc.GetStyleDOM(), nullptr);
    TXpgSimpleDOM& first = chart.Doc.CreateStyleDOM();
    first.LoadFromText(u"<cs:chartStyle id=\"201\"/>");
    TXpgSimpleDOM& second = chart.Doc.CreateStyleDOM();
    EXPECT_EQ(chart.Doc.GetStyleDOM(), &second);
    EXPECT_EQ(chart.Doc.GetColorStyleDOM(), nullptr);
    TXpgSimpleDOM& colors = chart.Doc.CreateColorStyleDOM();
    EXPECT_EQ(chart.Doc.GetColorStyleDOM(), &colors);
}

TEST(ChartDocument, WithoutAHandlerAnUnknownElementEndsTheRead) {
    TXPGDocXLSXChart doc;
    rtl::TStringStream stream(R"(<c:chartSpace xmlns:c="http://schemas.openxmlformats.org/drawingml/2006/chart">)"
                              R"(<c:chart><c:foo/></c:chart></c:chartSpace>)");
    EXPECT_ANY_THROW(doc.LoadFromStream(stream));
}

} // namespace
} // namespace xls::drawing_test
