// The series, axes, titles and data labels of charts that real producers wrote, cut from the chart parts of the
// corpus workbooks and read through the sample unit without a report.

#include "tests/xls/drawing/DrawingCorpusParts.h"
#include "tests/xls/drawing/DrawingTestSupport.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <utility>

namespace xls::drawing_test {
namespace {

using test_support::Utf8;

constexpr std::string_view ChartElements[] = {"c:ser", "c:catAx", "c:valAx", "c:title", "c:dLbls"};

std::map<std::string, std::vector<std::string>> CutChartElements(std::u16string_view file) {
    return CutFromWorkbook(file, ChartElements);
}

TEST_F(DrawingRealParts, ChartSeriesAxesTitlesAndLabelsReadWithoutAReport) {
    ExpectEachReadWithoutAReport(
        ChartElements,
        {
            {u"issue438.xlsx", {{"c:ser", 2}, {"c:title", 1}, {"c:dLbls", 1}}},
            {u"any_sheets.xlsx", {{"c:ser", 2}, {"c:catAx", 1}, {"c:valAx", 1}, {"c:title", 1}, {"c:dLbls", 1}}},
            {u"issue252.xlsx", {{"c:ser", 1}, {"c:catAx", 1}, {"c:valAx", 1}, {"c:title", 1}}},
        });
}

TEST_F(DrawingRealParts, APieSeriesKeepsItsNameItsPointsAndItsCachedValues) {
    TSample sample;
    sample.Load(CutChartElements(u"issue438.xlsx").at("c:ser").front());
    const TCT_SampleSeries& series = *sample.Root().GetSeries();
    EXPECT_EQ(series.GetIdx()->GetVal(), 0);
    const TCT_StrRef& name = *series.GetTx()->GetStrRef();
    EXPECT_EQ(name.GetF(), u"Sheet1!$A$1");
    EXPECT_EQ(name.GetStrCache()->GetPts().GetItem(0).GetV(), u"x");
    ASSERT_EQ(series.GetDPts().Count(), 4);
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(series.GetDPts().GetItem(i).GetIdx()->GetVal(), i);
        EXPECT_EQ(series.GetDPts().GetItem(i).GetBubble3D()->GetVal(), xtsFalse);
    }
    const TCT_NumRef& values = *series.GetVal()->GetNumRef();
    EXPECT_EQ(values.GetF(), u"Sheet1!$A$2:$A$5");
    EXPECT_EQ(values.GetNumCache()->GetFormatCode(), u"General");
    EXPECT_EQ(values.GetNumCache()->GetPtCount()->GetVal(), 4);
    EXPECT_EQ(values.GetNumCache()->GetPts().GetItem(3).GetV(), u"4");
    const TCT_Extension& extension = series.GetExtLst()->GetExts().GetItem(0);
    EXPECT_EQ(extension.GetUri(), u"{C3380CC4-5D6E-409C-BE32-E72D297353CC}");
    EXPECT_EQ(KeptAttributes(extension.GetAnyElements().GetItem(0)),
              std::vector<std::string>{"val=\"{00000008-D51F-3448-81A8-50CA4622519E}\""});
}

TEST_F(DrawingRealParts, ACategoryAndAValueAxisKeepWhatTheProducerWrote) {
    const std::map<std::string, std::vector<std::string>> elements = CutChartElements(u"any_sheets.xlsx");
    TSample categories;
    categories.Load(elements.at("c:catAx").front());
    const TCT_SampleAxis& category = *categories.Root().GetCatAx();
    const TEG_AxShared& shared = category.GetShared();
    EXPECT_EQ((std::vector<int32_t>{shared.GetAxId().GetVal(), shared.GetCrossAx().GetVal()}),
              (std::vector<int32_t>{170227568, 180662016}));
    EXPECT_EQ((std::vector<int32_t>{shared.GetScaling().GetOrientation()->GetVal(), shared.GetAxPos().GetVal(),
                                    shared.GetMajorTickMark()->GetVal(), shared.GetMinorTickMark()->GetVal(),
                                    shared.GetTickLblPos()->GetVal(), shared.GetCrosses()->GetVal()}),
              (std::vector<int32_t>{1, 0, 2, 2, 2, 0}));
    EXPECT_EQ(shared.GetDelete()->GetVal(), xtsFalse);
    EXPECT_EQ(shared.GetNumFmt()->GetFormatCode(), u"General");
    EXPECT_EQ(shared.GetNumFmt()->GetSourceLinked(), xtsTrue);
    EXPECT_EQ(shared.GetSpPr()->GetLn()->GetW(), 9525);
    EXPECT_EQ(category.GetAuto()->GetVal(), xtsTrue);
    EXPECT_EQ(category.GetLblAlgn()->GetVal(), 0);
    EXPECT_EQ(category.GetLblOffset()->GetVal(), 100);
    EXPECT_EQ(category.GetNoMultiLvlLbl()->GetVal(), xtsFalse);

    TSample values;
    values.Load(elements.at("c:valAx").front());
    const TCT_SampleAxis& value = *values.Root().GetValAx();
    EXPECT_EQ(value.GetShared().GetMajorGridlines()->GetSpPr()->GetLn()->GetW(), 9525);
    EXPECT_EQ(value.GetShared().GetMinorGridlines(), nullptr);
    EXPECT_EQ(value.GetCrossBetween()->GetVal(), 0);
}

TEST_F(DrawingRealParts, AnAxisTitleAndAPieChartsLabelsKeepWhatTheProducerWrote) {
    TSample title;
    title.Load(CutChartElements(u"issue252.xlsx").at("c:title").front());
    const TCT_Title& axisTitle = *title.Root().GetTitle();
    EXPECT_EQ(axisTitle.GetTx()->GetRich()->GetParagraphs().GetItem(0).GetRuns().Count(), 1);
    EXPECT_EQ(axisTitle.GetOverlay()->GetVal(), xtsFalse);

    TSample labels;
    labels.Load(CutChartElements(u"issue438.xlsx").at("c:dLbls").front());
    const TCT_DLbls& pieLabels = *labels.Root().GetDLbls();
    EXPECT_EQ(pieLabels.GetDLbls().Count(), 0);
    EXPECT_EQ(pieLabels.GetLabels().GetShowLeaderLines()->GetVal(), xtsTrue);
    const TEG_DLblShared& shared = pieLabels.GetLabels().GetShared();
    for (const TCT_Boolean* shown : {shared.GetShowLegendKey(), shared.GetShowVal(), shared.GetShowCatName(),
                                     shared.GetShowSerName(), shared.GetShowPercent(), shared.GetShowBubbleSize()}) {
        EXPECT_EQ(shown->GetVal(), xtsFalse);
    }
}

} // namespace
} // namespace xls::drawing_test

namespace xls::drawing_test {
namespace {

// The first chart part among parts, with its style parts, read into a chart document as the drawing part reads it;
// any report fails the test.
std::unique_ptr<TXPGDocXLSXChart> ReadChart(const std::map<std::string, std::string>& parts) {
    auto doc = std::make_unique<TXPGDocXLSXChart>(
        [](TXpgPErrors& errors) { ADD_FAILURE() << test_support::Utf8(errors.Message()); });
    for (const auto& [name, create] : {std::pair{"xl/charts/style1.xml", &TXPGDocXLSXChart::CreateStyleDOM},
                                       std::pair{"xl/charts/colors1.xml", &TXPGDocXLSXChart::CreateColorStyleDOM}}) {
        if (parts.contains(name)) {
            rtl::TStringStream style(parts.at(name));
            ((*doc).*create)().Parse(style);
        }
    }
    rtl::TStringStream chart(parts.at("xl/charts/chart1.xml"));
    doc->LoadFromStream(chart);
    return doc;
}

std::unique_ptr<TXPGDocXLSXChart> ReadChart(std::u16string_view file) {
    return ReadChart(DrawingParts(file));
}

// The name (empty for a series without one) and the cached values of a series, as written.
template <class Series>
std::pair<std::u16string, std::vector<std::u16string>> NameAndValues(const Series& series) {
    const TCT_SerTx* tx = series.GetShared().GetTx();
    std::u16string name;
    if (tx != nullptr) {
        name = tx->GetStrRef() != nullptr ? tx->GetStrRef()->GetStrCache()->GetPts().GetItem(0).GetV() : tx->GetV();
    }
    std::vector<std::u16string> values;
    const TCT_NumValXpgList& points = series.GetVal()->GetNumRef()->GetNumCache()->GetPts();
    for (int32_t i = 0; i < points.Count(); ++i) {
        values.emplace_back(points.GetItem(i).GetV());
    }
    return {name, values};
}

TEST_F(DrawingRealParts, APieChartKeepsItsSeriesAndItsStyleParts) {
    const std::unique_ptr<TXPGDocXLSXChart> doc = ReadChart(u"issue438.xlsx");
    const TCT_PlotArea& area = *doc->GetChartSpace().GetChart()->GetPlotArea();
    ASSERT_EQ(area.GetPieCharts().Count(), 1);
    const TCT_PieSerXpgList& series = area.GetPieCharts().GetItem(0).GetShared().GetSers();
    ASSERT_EQ(series.Count(), 2);
    EXPECT_EQ(NameAndValues(series.GetItem(0)),
              (std::pair<std::u16string, std::vector<std::u16string>>{u"x", {u"1", u"2", u"3", u"4"}}));
    EXPECT_EQ(NameAndValues(series.GetItem(1)),
              (std::pair<std::u16string, std::vector<std::u16string>>{u"y", {u"2", u"6", u"9", u"11"}}));
    ASSERT_NE(doc->GetStyleDOM(), nullptr);
    ASSERT_NE(doc->GetColorStyleDOM(), nullptr);
    EXPECT_GT(doc->GetStyleDOM()->Root().GetChildCount(), 0);
    EXPECT_GT(doc->GetColorStyleDOM()->Root().GetChildCount(), 0);
}

// The bar chart of any_sheets: two series (1, 3, 5 and 2, 4, 6) and a category and a value axis naming each other.
void ExpectTheBarChartOfAnySheets(TXPGDocXLSXChart& doc) {
    const TCT_PlotArea& area = *doc.GetChartSpace().GetChart()->GetPlotArea();
    ASSERT_EQ(area.GetBarCharts().Count(), 1);
    const TCT_BarChart& bar = area.GetBarCharts().GetItem(0);
    const TCT_BarSerXpgList& series = bar.GetShared().GetSers();
    ASSERT_EQ(series.Count(), 2);
    EXPECT_EQ(NameAndValues(series.GetItem(0)).second, (std::vector<std::u16string>{u"1", u"3", u"5"}));
    EXPECT_EQ(NameAndValues(series.GetItem(1)).second, (std::vector<std::u16string>{u"2", u"4", u"6"}));
    ASSERT_EQ(area.GetCatAxes().Count(), 1);
    ASSERT_EQ(area.GetValAxes().Count(), 1);
    const TEG_AxShared& category = area.GetCatAxes().GetItem(0).GetShared();
    const TEG_AxShared& value = area.GetValAxes().GetItem(0).GetShared();
    EXPECT_EQ(category.GetCrossAx().GetVal(), value.GetAxId().GetVal());
    EXPECT_EQ(value.GetCrossAx().GetVal(), category.GetAxId().GetVal());
    EXPECT_EQ(bar.GetAxIds().GetItem(0).GetVal(), category.GetAxId().GetVal());
}

TEST_F(DrawingRealParts, ABarChartsAxesNameEachOther) {
    const std::unique_ptr<TXPGDocXLSXChart> doc = ReadChart(u"any_sheets.xlsx");
    ExpectTheBarChartOfAnySheets(*doc);
    const TCT_BarChart& bar = doc->GetChartSpace().GetChart()->GetPlotArea()->GetBarCharts().GetItem(0);
    EXPECT_EQ(bar.GetGapWidth()->GetVal(), 219);
    EXPECT_EQ(bar.GetOverlap()->GetVal(), -27);
    EXPECT_EQ(doc->GetChartSpace().GetStyle()->GetVal(), 2);
}

// The chart part LibreOffice headless writes when it converts any_sheets.ods to .xlsx
// (soffice --headless --convert-to xlsx any_sheets.ods; its xl/charts/chart1.xml).
TEST(ChartRealParts, TheBarChartLibreOfficeWritesReadsLikewise) {
    rtl::TFileStream file(test_support::DataPath("xlsx/libreoffice-any-sheets-chart.xml"),
                          rtl::fmOpenRead | rtl::fmShareDenyNone);
    rtl::TStringStream part;
    part.CopyFrom(file, 0);
    const std::unique_ptr<TXPGDocXLSXChart> doc = ReadChart({{"xl/charts/chart1.xml", part.DataString()}});
    ExpectTheBarChartOfAnySheets(*doc);
    EXPECT_EQ(doc->GetChartSpace().GetLang()->GetVal(), u"en-US");
}

TEST_F(DrawingRealParts, ABarChartWithAnEmptyCacheAndAnEmptyTitleRun) {
    const std::unique_ptr<TXPGDocXLSXChart> doc = ReadChart(u"issue252.xlsx");
    const TCT_PlotArea& area = *doc->GetChartSpace().GetChart()->GetPlotArea();
    ASSERT_EQ(area.GetBarCharts().Count(), 1);
    const TCT_BarSerXpgList& series = area.GetBarCharts().GetItem(0).GetShared().GetSers();
    ASSERT_EQ(series.Count(), 1);
    EXPECT_EQ(series.GetItem(0).GetVal()->GetNumRef()->GetNumCache()->GetPts().Count(), 0);
    std::vector<const TCT_Title*> titles;
    for (int32_t i = 0; i < area.GetCatAxes().Count(); ++i) {
        titles.push_back(area.GetCatAxes().GetItem(i).GetShared().GetTitle());
    }
    for (int32_t i = 0; i < area.GetValAxes().Count(); ++i) {
        titles.push_back(area.GetValAxes().GetItem(i).GetShared().GetTitle());
    }
    std::erase(titles, nullptr);
    ASSERT_EQ(titles.size(), 1U);
    const TCT_RegularTextRun* run =
        titles[0]->GetTx()->GetRich()->GetParagraphs().GetItem(0).GetRuns().GetItem(0).GetR();
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->GetText(), u"");
    EXPECT_EQ(doc->GetStyleDOM(), nullptr);
}

} // namespace
} // namespace xls::drawing_test
