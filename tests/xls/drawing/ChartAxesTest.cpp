// What the axes of a chart part share, their scaling, titles and display units and the value elements only axes use,
// read through the sample unit's axis, and the Clear of the value elements that start unset.

#include "tests/xls/drawing/DrawingTestSupport.h"

#include <gtest/gtest.h>

namespace xls::drawing_test {
namespace {

TEST(ChartAxes, TheIdCrossingAxisScalingAndPositionAreMadeWithTheAxis) {
    TSample sample;
    sample.Load(R"(<c:catAx/><c:valAx><c:axId val="500"/><c:axPos val="l"/><c:crossAx val="400"/></c:valAx>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TEG_AxShared& bare = sample.Root().GetCatAx()->GetShared();
    EXPECT_EQ(bare.GetAxId().GetVal(), UnsetInt);
    EXPECT_FALSE(bare.GetAxId().Assigned());
    EXPECT_EQ(bare.GetCrossAx().GetVal(), UnsetInt);
    EXPECT_FALSE(bare.GetCrossAx().Assigned());
    EXPECT_EQ(bare.GetAxPos().GetVal(), UnsetEnum);
    EXPECT_FALSE(bare.GetScaling().Assigned());
    EXPECT_EQ(bare.GetScaling().GetOrientation(), nullptr);
    EXPECT_EQ(bare.GetDelete(), nullptr);

    const TEG_AxShared& given = sample.Root().GetValAx()->GetShared();
    EXPECT_EQ(given.GetAxId().GetVal(), 500);
    EXPECT_TRUE(given.GetAxId().Assigned());
    EXPECT_EQ(given.GetCrossAx().GetVal(), 400);
    EXPECT_EQ(given.GetAxPos().GetVal(), 1);
    EXPECT_TRUE(given.GetAxPos().Assigned());
}

TEST(ChartAxes, AScalingHoldsWhatItWasGiven) {
    TSample sample;
    sample.Load(
        R"(<c:catAx><c:scaling><c:orientation val="maxMin"/></c:scaling></c:catAx>)"
        R"(<c:valAx><c:scaling><c:logBase val="10"/><c:max val="1e3"/><c:min val="-5"/></c:scaling></c:valAx>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TCT_Scaling& reversed = sample.Root().GetCatAx()->GetShared().GetScaling();
    EXPECT_EQ(reversed.GetOrientation()->GetVal(), 0);
    EXPECT_EQ(reversed.GetLogBase(), nullptr);
    const TCT_Scaling& bounded = sample.Root().GetValAx()->GetShared().GetScaling();
    EXPECT_EQ(bounded.GetOrientation(), nullptr);
    EXPECT_EQ(bounded.GetLogBase()->GetVal(), 10.0);
    EXPECT_EQ(bounded.GetMax()->GetVal(), 1000.0);
    EXPECT_EQ(bounded.GetMin()->GetVal(), -5.0);
}

TEST(ChartAxes, CrossingTickMarksAndLabelPositionsKeepTheirStartValuesWithoutVal) {
    struct Case {
        std::string_view body;
        // crosses, major and minor tick marks, tick label position
        std::vector<int16_t> values;
        double crossesAt;
    };
    const Case cases[] = {
        {R"(<c:crosses val="autoZero"/><c:crossesAt val="2.5"/><c:majorTickMark/><c:minorTickMark val="out"/>)"
         R"(<c:tickLblPos val="NextTo"/>)",
         {0, 0, 3, 2},
         2.5},
        {R"(<c:crosses/><c:crossesAt val="-1"/><c:majorTickMark val="none"/><c:minorTickMark/><c:tickLblPos/>)",
         {UnsetEnum, 2, 0, 2},
         -1.0},
        {R"(<c:crosses val="max"/><c:crossesAt val="x"/><c:majorTickMark val="in"/><c:minorTickMark val="cross"/>)"
         R"(<c:tickLblPos val="none"/>)",
         {1, 1, 0, 3},
         0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        TSample sample;
        sample.Load("<c:valAx>" + std::string(c.body) + "</c:valAx>");
        EXPECT_EQ(sample.Log, std::vector<std::string>{});
        const TEG_AxShared& shared = sample.Root().GetValAx()->GetShared();
        EXPECT_EQ((std::vector<int16_t>{shared.GetCrosses()->GetVal(), shared.GetMajorTickMark()->GetVal(),
                                        shared.GetMinorTickMark()->GetVal(), shared.GetTickLblPos()->GetVal()}),
                  c.values);
        EXPECT_EQ(shared.GetCrossesAt()->GetVal(), c.crossesAt);
    }
}

TEST(ChartAxes, DisplayUnitsKeepBothChoicesAndTheirLabel) {
    TSample sample;
    sample.Load(R"(<c:dispUnits><c:builtInUnit val="millions"/><c:custUnit val="250"/><c:dispUnitsLbl><c:layout/>)"
                R"(<c:tx><c:rich><a:p><a:r><a:t>Millions</a:t></a:r></a:p></c:rich></c:tx><c:spPr/></c:dispUnitsLbl>)"
                R"(</c:dispUnits>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TCT_DispUnits& units = *sample.Root().GetDispUnits();
    EXPECT_EQ(units.GetBuiltInUnit()->GetVal(), 4);
    EXPECT_EQ(units.GetCustUnit()->GetVal(), 250.0);
    const TCT_DispUnitsLbl& label = *units.GetDispUnitsLbl();
    EXPECT_NE(label.GetLayout(), nullptr);
    EXPECT_NE(label.GetSpPr(), nullptr);
    EXPECT_EQ(label.GetTx()->GetRich()->GetParagraphs().GetItem(0).GetRuns().GetItem(0).GetR()->GetText(), u"Millions");
}

TEST(ChartAxes, ABuiltInUnitTheTypeLacksIsReportedAndLeavesThousands) {
    struct Case {
        std::string_view body;
        int16_t unit;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {R"(<c:builtInUnit val="thousand"/>)", 1, {"Can not find enum \"stbiuthousand\""}},
        {R"(<c:builtInUnit/>)", 1, {}},
        {R"(<c:builtInUnit val="Trillions"/>)", 8, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        TSample sample;
        sample.Load("<c:dispUnits>" + std::string(c.body) + "</c:dispUnits>");
        EXPECT_EQ(sample.Log, c.log);
        EXPECT_EQ(sample.Root().GetDispUnits()->GetBuiltInUnit()->GetVal(), c.unit);
    }
}

TEST(ChartAxes, TheValuesOfCategoryDateAndValueAxesKeepTheirStartValues) {
    TSample sample;
    sample.Load(R"(<c:catAx><c:lblOffset/><c:tickLblSkip/><c:lblAlgn/><c:baseTimeUnit/><c:crossBetween/></c:catAx>)"
                R"(<c:valAx><c:lblOffset val="50"/><c:tickLblSkip val="3"/><c:lblAlgn val="r"/>)"
                R"(<c:baseTimeUnit val="months"/><c:crossBetween val="midCat"/><c:majorUnit val="0.5"/></c:valAx>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const auto values = [](const TCT_SampleAxis& axis) {
        return std::vector<int32_t>{axis.GetLblOffset()->GetVal(), axis.GetTickLblSkip()->GetVal(),
                                    axis.GetLblAlgn()->GetVal(), axis.GetBaseTimeUnit()->GetVal(),
                                    axis.GetCrossBetween()->GetVal()};
    };
    EXPECT_EQ(values(*sample.Root().GetCatAx()), (std::vector<int32_t>{100, UnsetInt, -1, 0, -1}));
    EXPECT_EQ(values(*sample.Root().GetValAx()), (std::vector<int32_t>{50, 3, 2, 1, 1}));
    EXPECT_EQ(sample.Root().GetValAx()->GetMajorUnit()->GetVal(), 0.5);
}

TEST(ChartAxes, ATitleKeepsItsRichTextAndOverlayAndASecondTitleMergesIntoIt) {
    TSample sample;
    sample.Load(R"(<c:catAx><c:title><c:tx><c:rich><a:p><a:r><a:t>Sales</a:t></a:r></a:p></c:rich></c:tx>)"
                R"(<c:overlay val="0"/></c:title><c:title><c:layout/></c:title></c:catAx>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TCT_Title& title = *sample.Root().GetCatAx()->GetShared().GetTitle();
    EXPECT_EQ(title.GetTx()->GetRich()->GetParagraphs().GetItem(0).GetRuns().GetItem(0).GetR()->GetText(), u"Sales");
    EXPECT_EQ(title.GetOverlay()->GetVal(), xtsFalse);
    EXPECT_NE(title.GetLayout(), nullptr);
}

TEST(ChartAxes, AnAxisCountsItsIdsAlwaysAndEachGridlineElementAsOne) {
    ExpectCounts({{R"(<c:catAx/>)", 2},
                  {R"(<c:catAx><c:axPos val="b"/><c:scaling><c:orientation val="minMax"/></c:scaling></c:catAx>)", 3},
                  {R"(<c:catAx><c:majorGridlines/></c:catAx>)", 3},
                  {R"(<c:catAx><c:majorGridlines/><c:minorGridlines><c:spPr><a:noFill/><a:ln w="1"/></c:spPr>)"
                   R"(</c:minorGridlines></c:catAx>)",
                   4},
                  {R"(<c:catAx><c:delete val="0"/><c:crosses/><c:crossesAt/></c:catAx>)", 4}},
                 ReadInto([](TCT_Sample& root) { return &root.GetCatAx()->GetShared(); }));
    ExpectCounts({{R"(<c:catAx><c:tickLblSkip/><c:lblOffset/><c:lblOffset val="100"/></c:catAx>)", 3}},
                 ReadInto([](TCT_Sample& root) { return root.GetCatAx(); }));
}

// Clears a value element that starts unset, after reading one.
template <class T>
void ExpectClearedToUnset(T* value) {
    ASSERT_NE(value, nullptr);
    EXPECT_NE(value->GetVal(), UnsetEnum);
    value->Clear();
    EXPECT_EQ(value->GetVal(), UnsetEnum);
    EXPECT_EQ(value->Flags(), 0);
    EXPECT_EQ(value->CheckAssigned(), 0);
}

TEST(ChartValues, ClearForgetsTheValueOfAnElementThatStartsUnset) {
    TSample sample;
    sample.Load(R"(<c:dLbls><c:dLblPos val="t"/></c:dLbls><c:marker><c:symbol val="star"/></c:marker>)"
                R"(<c:pictureOptions><c:pictureFormat val="stack"/></c:pictureOptions>)"
                R"(<c:errBars><c:errDir val="x"/></c:errBars><c:catAx><c:axPos val="r"/><c:crosses val="min"/>)"
                R"(<c:crossBetween val="between"/><c:lblAlgn val="ctr"/></c:catAx>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    TCT_Sample& root = sample.Root();
    ExpectClearedToUnset(root.GetDLbls()->GetLabels().GetShared().GetDLblPos());
    ExpectClearedToUnset(root.GetMarker()->GetSymbol());
    ExpectClearedToUnset(root.GetPictureOptions()->GetPictureFormat());
    ExpectClearedToUnset(root.GetErrBars()->GetErrDir());
    ExpectClearedToUnset(&root.GetCatAx()->GetShared().GetAxPos());
    ExpectClearedToUnset(root.GetCatAx()->GetShared().GetCrosses());
    ExpectClearedToUnset(root.GetCatAx()->GetCrossBetween());
    ExpectClearedToUnset(root.GetCatAx()->GetLblAlgn());
}

} // namespace
} // namespace xls::drawing_test
