// What a chart part says about the decoration of its data: data labels through their groups, markers, points,
// picture options, trendlines, error bars, chart lines, pivot formats and legend entries, read through the sample
// unit.

#include "tests/xls/drawing/DrawingTestSupport.h"

#include <functional>
#include <gtest/gtest.h>

namespace xls::drawing_test {
namespace {

using test_support::Utf8;

TEST(ChartLabels, ALabelKeepsItsIndexAndDeletionAndItsSettingsInItsSharedGroup) {
    TSample sample;
    sample.Load(R"(<c:dLbl><c:idx val="2"/><c:delete val="1"/><c:showVal val="1"/><c:layout/>)"
                R"(<c:tx><c:rich><a:p><a:r><a:t>peak</a:t></a:r></a:p></c:rich></c:tx>)"
                R"(<c:numFmt formatCode="0%" sourceLinked="0"/><c:dLblPos val="outEnd"/><c:separator>, </c:separator>)"
                R"(</c:dLbl>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TCT_DLbl& label = *sample.Root().GetDLbl();
    EXPECT_EQ(label.GetIdx()->GetVal(), 2);
    EXPECT_EQ(label.GetDelete()->GetVal(), xtsTrue);
    EXPECT_NE(label.GetLabel().GetLayout(), nullptr);
    EXPECT_EQ(label.GetLabel().GetTx()->GetRich()->GetParagraphs().Count(), 1);
    const TEG_DLblShared& shared = label.GetLabel().GetShared();
    EXPECT_EQ(shared.GetShowVal()->GetVal(), xtsTrue);
    EXPECT_EQ(shared.GetShowPercent(), nullptr);
    EXPECT_EQ(shared.GetNumFmt()->GetFormatCode(), u"0%");
    EXPECT_EQ(shared.GetDLblPos()->GetVal(), 6);
    EXPECT_EQ(shared.GetSeparator(), u", ");
}

TEST(ChartLabels, ACollectionKeepsItsLabelsInOrderAndItsOwnSettingsApart) {
    TSample sample;
    sample.Load(R"(<c:dLbls><c:dLbl><c:idx val="3"/><c:showCatName val="1"/></c:dLbl>)"
                R"(<c:dLbl><c:idx val="1"/><c:delete val="1"/></c:dLbl><c:showVal val="1"/>)"
                R"(<c:showLeaderLines val="0"/><c:leaderLines><c:spPr><a:noFill/></c:spPr></c:leaderLines>)"
                R"(<c:delete val="0"/></c:dLbls>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TCT_DLbls& labels = *sample.Root().GetDLbls();
    ASSERT_EQ(labels.GetDLbls().Count(), 2);
    const TCT_DLbl& first = labels.GetDLbls().GetItem(0);
    EXPECT_EQ(first.GetIdx()->GetVal(), 3);
    EXPECT_EQ(first.GetLabel().GetShared().GetShowCatName()->GetVal(), xtsTrue);
    EXPECT_EQ(first.GetLabel().GetShared().GetShowVal(), nullptr);
    EXPECT_EQ(labels.GetDLbls().GetItem(1).GetIdx()->GetVal(), 1);
    EXPECT_EQ(labels.GetDLbls().GetItem(1).GetDelete()->GetVal(), xtsTrue);
    EXPECT_EQ(labels.GetLabels().GetShared().GetShowVal()->GetVal(), xtsTrue);
    EXPECT_EQ(labels.GetLabels().GetShowLeaderLines()->GetVal(), xtsFalse);
    EXPECT_NE(labels.GetLabels().GetLeaderLines()->GetSpPr()->GetFill().GetNoFill(), nullptr);
    EXPECT_EQ(labels.GetDelete()->GetVal(), xtsFalse);
}

TEST(ChartLabels, AnElementNoGroupKnowsIsReportedOnceAndSkipped) {
    struct Case {
        std::string_view body;
        std::function<const TEG_DLblShared&(TCT_Sample&)> shared;
    };
    const Case cases[] = {
        {R"(<c:dLbl><c:foo><c:showVal val="1"/></c:foo><c:showPercent val="1"/></c:dLbl>)",
         [](TCT_Sample& root) -> const TEG_DLblShared& { return root.GetDLbl()->GetLabel().GetShared(); }},
        {R"(<c:dLbls><c:foo><c:showVal val="1"/></c:foo><c:showPercent val="1"/></c:dLbls>)",
         [](TCT_Sample& root) -> const TEG_DLblShared& { return root.GetDLbls()->GetLabels().GetShared(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        TSample sample;
        sample.Load(c.body);
        EXPECT_EQ(sample.Log, std::vector<std::string>{"Row 0: Unknown Element \"c:foo\""});
        EXPECT_EQ(c.shared(sample.Root()).GetShowVal(), nullptr);
        EXPECT_EQ(c.shared(sample.Root()).GetShowPercent()->GetVal(), xtsTrue);
    }
}

TEST(ChartLabels, ALabelPositionIsLookedUpInAnyLetterCase) {
    struct Case {
        std::string_view position;
        int16_t val;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {R"(<c:dLblPos val="outEnd"/>)", 6, {}},
        {R"(<c:dLblPos val="OUTEND"/>)", 6, {}},
        {R"(<c:dLblPos val="bestFit"/>)", 0, {}},
        {R"(<c:dLblPos/>)", UnsetEnum, {}},
        {R"(<c:dLblPos val="above"/>)", UnsetEnum, {"Can not find enum \"stdlpabove\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        TSample sample;
        sample.Load("<c:dLbls>" + std::string(c.position) + "</c:dLbls>");
        EXPECT_EQ(sample.Log, c.log);
        EXPECT_EQ(sample.Root().GetDLbls()->GetLabels().GetShared().GetDLblPos()->GetVal(), c.val);
    }
}

TEST(ChartLabels, LabelsCountWhatTheyHold) {
    ExpectCounts({{R"(<c:dLbl/>)", 0},
                  {R"(<c:dLbl><c:idx val="0"/></c:dLbl>)", 1},
                  {R"(<c:dLbl><c:dLblPos/><c:showVal/></c:dLbl>)", 0},
                  {R"(<c:dLbl><c:dLblPos val="ctr"/><c:separator> </c:separator></c:dLbl>)", 2},
                  {R"(<c:dLbl><c:tx><c:strRef><c:f>A1</c:f></c:strRef></c:tx><c:delete val="0"/></c:dLbl>)", 2}},
                 ReadInto([](TCT_Sample& root) { return root.GetDLbl(); }));
    ExpectCounts({{R"(<c:dLbls><c:dLbl/><c:dLbl><c:idx/></c:dLbl><c:showVal val="1"/></c:dLbls>)", 2},
                  {R"(<c:dLbls><c:leaderLines/></c:dLbls>)", 0}},
                 ReadInto([](TCT_Sample& root) { return root.GetDLbls(); }));
}

TEST(ChartLabels, APivotFormatReadsItsLabelsIntoOne) {
    TSample sample;
    sample.Load(R"(<c:pivotFmt><c:idx val="0"/><c:dLbl><c:idx val="1"/><c:showVal val="1"/></c:dLbl>)"
                R"(<c:dLbl><c:idx val="2"/><c:showPercent val="0"/></c:dLbl><c:marker><c:symbol val="none"/>)"
                R"(</c:marker><c:txPr><a:bodyPr/></c:txPr></c:pivotFmt>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TCT_PivotFmt& format = *sample.Root().GetPivotFmt();
    EXPECT_EQ(format.GetIdx()->GetVal(), 0);
    const TCT_DLbl& label = *format.GetDLbl();
    EXPECT_EQ(label.GetIdx()->GetVal(), 2);
    EXPECT_EQ(label.GetLabel().GetShared().GetShowVal()->GetVal(), xtsTrue);
    EXPECT_EQ(label.GetLabel().GetShared().GetShowPercent()->GetVal(), xtsFalse);
    EXPECT_EQ(format.GetMarker()->GetSymbol()->GetVal(), 4);
    EXPECT_NE(format.GetTxPr()->GetBodyPr(), nullptr);
}

TEST(ChartMarkers, AMarkerKeepsItsSymbolAndSizeAsWritten) {
    struct Case {
        std::string_view body;
        int16_t symbol;
        int32_t size;
        int32_t count;
    };
    const Case cases[] = {
        {R"(<c:symbol val="none"/><c:size val="7"/>)", 4, 7, 2},
        {R"(<c:symbol val="auto"/><c:size val="7.5"/>)", 11, 0, 2},
        {R"(<c:symbol val="Triangle"/><c:size/>)", 9, 2147483647, 1},
        {R"(<c:symbol/><c:size val="2147483647"/>)", UnsetEnum, 2147483647, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        TSample sample;
        sample.Load("<c:marker>" + std::string(c.body) + "</c:marker>");
        EXPECT_EQ(sample.Log, std::vector<std::string>{});
        TCT_Marker& marker = *sample.Root().GetMarker();
        EXPECT_EQ(marker.GetSymbol()->GetVal(), c.symbol);
        EXPECT_EQ(marker.GetSize()->GetVal(), c.size);
        EXPECT_EQ(marker.CheckAssigned(), c.count);
    }
}

TEST(ChartPoints, ASeriesKeepsItsPointsInOrderAndAPointsRepeatedMarkerInOne) {
    TSample sample;
    sample.Load(R"(<c:ser><c:dPt><c:idx val="3"/><c:marker><c:symbol val="dot"/></c:marker>)"
                R"(<c:marker><c:size val="9"/></c:marker><c:explosion val="12"/></c:dPt>)"
                R"(<c:dPt><c:idx val="1"/><c:invertIfNegative val="0"/><c:bubble3D val="1"/>)"
                R"(<c:pictureOptions><c:applyToFront val="1"/><c:pictureFormat val="stackScale"/>)"
                R"(<c:pictureStackUnit val="2.5"/></c:pictureOptions></c:dPt><c:dPt><c:idx val="3"/></c:dPt></c:ser>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const auto& points = sample.Root().GetSeries()->GetDPts();
    ASSERT_EQ(points.Count(), 3);
    const TCT_DPt& first = points.GetItem(0);
    EXPECT_EQ(first.GetIdx()->GetVal(), 3);
    EXPECT_EQ(first.GetMarker()->GetSymbol()->GetVal(), 3);
    EXPECT_EQ(first.GetMarker()->GetSize()->GetVal(), 9);
    EXPECT_EQ(first.GetExplosion()->GetVal(), 12);
    const TCT_DPt& second = points.GetItem(1);
    EXPECT_EQ(second.GetIdx()->GetVal(), 1);
    EXPECT_EQ(second.GetInvertIfNegative()->GetVal(), xtsFalse);
    EXPECT_EQ(second.GetBubble3D()->GetVal(), xtsTrue);
    const TCT_PictureOptions& options = *second.GetPictureOptions();
    EXPECT_EQ(options.GetApplyToFront()->GetVal(), xtsTrue);
    EXPECT_EQ(options.GetApplyToSides(), nullptr);
    EXPECT_EQ(options.GetPictureFormat()->GetVal(), 2);
    EXPECT_EQ(options.GetPictureStackUnit()->GetVal(), 2.5);
    EXPECT_EQ(points.GetItem(2).GetIdx()->GetVal(), 3);
}

TEST(ChartTrendlines, ATrendlineKeepsItsNameUntrimmedAndItsStartValues) {
    TSample sample;
    sample.Load(R"(<c:trendline><c:name> Linear (Sales) </c:name><c:trendlineType/><c:order/><c:period/>)"
                R"(</c:trendline>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    TCT_Trendline& trendline = *sample.Root().GetTrendline();
    EXPECT_EQ(trendline.GetName(), u" Linear (Sales) ");
    EXPECT_EQ(trendline.GetTrendlineType()->GetVal(), 1);
    EXPECT_EQ(trendline.GetOrder()->GetVal(), 2);
    EXPECT_EQ(trendline.GetPeriod()->GetVal(), 2);
    EXPECT_EQ(trendline.CheckAssigned(), 1);
}

TEST(ChartTrendlines, ATrendlineKeepsItsSettingsAndOneLabel) {
    TSample sample;
    sample.Load(R"(<c:ser><c:trendline><c:trendlineType val="movingAvg"/><c:period val="4"/></c:trendline>)"
                R"(<c:trendline><c:spPr/><c:trendlineType val="poly"/><c:order val="3"/><c:forward val="1.5"/>)"
                R"(<c:backward val="0"/><c:intercept val="-2"/><c:dispRSqr val="1"/><c:dispEq val="0"/>)"
                R"(<c:trendlineLbl><c:numFmt formatCode="0.00"/><c:tx><c:rich><a:p/></c:rich></c:tx></c:trendlineLbl>)"
                R"(<c:trendlineLbl><c:layout/></c:trendlineLbl></c:trendline></c:ser>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const auto& trendlines = sample.Root().GetSeries()->GetTrendlines();
    ASSERT_EQ(trendlines.Count(), 2);
    EXPECT_EQ(trendlines.GetItem(0).GetTrendlineType()->GetVal(), 3);
    EXPECT_EQ(trendlines.GetItem(0).GetPeriod()->GetVal(), 4);
    const TCT_Trendline& poly = trendlines.GetItem(1);
    EXPECT_EQ(poly.GetTrendlineType()->GetVal(), 4);
    EXPECT_EQ(poly.GetOrder()->GetVal(), 3);
    EXPECT_EQ(
        (std::vector<double>{poly.GetForward()->GetVal(), poly.GetBackward()->GetVal(), poly.GetIntercept()->GetVal()}),
        (std::vector<double>{1.5, 0.0, -2.0}));
    EXPECT_EQ(poly.GetDispRSqr()->GetVal(), xtsTrue);
    EXPECT_EQ(poly.GetDispEq()->GetVal(), xtsFalse);
    const TCT_TrendlineLbl& label = *poly.GetTrendlineLbl();
    EXPECT_EQ(label.GetNumFmt()->GetFormatCode(), u"0.00");
    EXPECT_NE(label.GetTx()->GetRich(), nullptr);
    EXPECT_NE(label.GetLayout(), nullptr);
}

TEST(ChartErrorBars, ErrorBarsKeepTheirKindsAndValues) {
    struct Case {
        std::string_view body;
        std::vector<int16_t> kinds;
        int32_t count;
    };
    const Case cases[] = {
        {R"(<c:errDir/><c:errBarType/><c:errValType/>)", {UnsetEnum, 0, 1}, 0},
        {R"(<c:errDir val="y"/><c:errBarType val="plus"/><c:errValType val="percentage"/>)", {1, 2, 2}, 3},
        {R"(<c:errDir/><c:errBarType val="both"/><c:errValType val="StdErr"/><c:noEndCap val="0"/><c:val val="5"/>)",
         {UnsetEnum, 0, 4},
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        TSample sample;
        sample.Load("<c:errBars>" + std::string(c.body) + "</c:errBars>");
        EXPECT_EQ(sample.Log, std::vector<std::string>{});
        TCT_ErrBars& bars = *sample.Root().GetErrBars();
        EXPECT_EQ((std::vector<int16_t>{bars.GetErrDir()->GetVal(), bars.GetErrBarType()->GetVal(),
                                        bars.GetErrValType()->GetVal()}),
                  c.kinds);
        EXPECT_EQ(bars.CheckAssigned(), c.count);
    }
}

TEST(ChartErrorBars, CustomErrorBarsKeepTheirDataAndASeriesKeepsEveryErrorBar) {
    TSample sample;
    sample.Load(R"(<c:ser><c:errBars><c:errDir val="x"/></c:errBars><c:errBars><c:errValType val="cust"/>)"
                R"(<c:plus><c:numLit><c:pt idx="0"><c:v>0.5</c:v></c:pt></c:numLit></c:plus>)"
                R"(<c:minus><c:numRef><c:f>Sheet1!$D$2</c:f></c:numRef></c:minus><c:val val="1e-2"/>)"
                R"(<c:spPr><a:ln w="12700"/></c:spPr></c:errBars></c:ser>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const auto& bars = sample.Root().GetSeries()->GetErrBars();
    ASSERT_EQ(bars.Count(), 2);
    EXPECT_EQ(bars.GetItem(0).GetErrDir()->GetVal(), 0);
    const TCT_ErrBars& custom = bars.GetItem(1);
    EXPECT_EQ(custom.GetErrValType()->GetVal(), 0);
    EXPECT_EQ(custom.GetPlus()->GetNumLit()->GetPts().GetItem(0).GetV(), u"0.5");
    EXPECT_EQ(custom.GetMinus()->GetNumRef()->GetF(), u"Sheet1!$D$2");
    EXPECT_EQ(custom.GetVal()->GetVal(), 0.01);
    EXPECT_EQ(custom.GetSpPr()->GetLn()->GetW(), 12700);
}

TEST(ChartLines, AnEmptyLineElementOccurredAndHoldsNoLook) {
    TSample sample;
    sample.Load(R"(<c:majorGridlines/>)");
    TCT_ChartLines& lines = *sample.Root().GetGridlines();
    EXPECT_TRUE(lines.Assigned());
    EXPECT_EQ(lines.GetSpPr(), nullptr);
    EXPECT_EQ(lines.CheckAssigned(), 0);

    TSample drawn;
    drawn.Load(R"(<c:majorGridlines><c:spPr><a:ln w="9525"/></c:spPr><c:spPr><a:noFill/></c:spPr></c:majorGridlines>)");
    const TCT_ShapeProperties& look = *drawn.Root().GetGridlines()->GetSpPr();
    EXPECT_EQ(look.GetLn()->GetW(), 9525);
    EXPECT_NE(look.GetFill().GetNoFill(), nullptr);
}

TEST(ChartLegendEntries, AnEntryKeepsItsTextAndReportsWhatItsGroupDoesNotKnow) {
    TSample sample;
    sample.Load(R"(<c:legendEntry><c:txPr><a:bodyPr rot="0"/></c:txPr><c:foo/></c:legendEntry>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Row 0: Unknown Element \"c:foo\""});
    EXPECT_EQ(sample.Root().GetLegendEntry()->GetData().GetTxPr()->GetBodyPr()->GetRot(), 0);
}

} // namespace
} // namespace xls::drawing_test
