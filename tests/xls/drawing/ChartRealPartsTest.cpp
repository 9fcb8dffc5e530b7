// The series, axes, titles and data labels of charts that real producers wrote, cut from the chart parts of the
// corpus workbooks and read through the sample unit without a report.

#include "tests/xls/drawing/DrawingCorpusParts.h"
#include "tests/xls/drawing/DrawingTestSupport.h"

#include <gtest/gtest.h>
#include <map>

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
