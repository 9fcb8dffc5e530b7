// The DrawingML effects: the lists of an effect graph, each effect's defaults, and what they count.

#include "tests/xls/drawing/DrawingTestSupport.h"

#include <gtest/gtest.h>

namespace xls::drawing_test {
namespace {

TEST(DrawingEffects, AGraphKeepsEachKindInItsOwnList) {
    TSample sample;
    sample.Load(R"(<a:effectDag name="g" type="tree"><a:outerShdw dist="1"/><a:blur rad="5" grow="0"/>)"
                R"(<a:outerShdw dist="2"/></a:effectDag>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TEG_Effect& effects = sample.Effects();
    ASSERT_EQ(effects.GetOuterShdw().Count(), 2);
    EXPECT_EQ(effects.GetOuterShdw().GetItem(0).GetDist(), 1);
    EXPECT_EQ(effects.GetOuterShdw().GetItem(1).GetDist(), 2);
    ASSERT_EQ(effects.GetBlur().Count(), 1);
    EXPECT_EQ(effects.GetBlur().GetItem(0).GetGrow(), xtsFalse);
    EXPECT_EQ(effects.GetSoftEdge().Count(), 0);
    EXPECT_EQ(sample.Root().GetEffectDag()->GetType(), 1);
    EXPECT_EQ(sample.Root().GetEffectDag()->GetName(), u"g");
}

TEST(DrawingEffects, AShadowKeepsTheDefaultsOfWhatItDoesNotGive) {
    TSample sample;
    sample.Load(R"(<a:effectDag><a:outerShdw blurRad="40000" dist="23000" dir="5400000" rotWithShape="0">)"
                R"(<a:srgbClr val="000000"><a:alpha val="35000"/></a:srgbClr></a:outerShdw></a:effectDag>)");
    const TCT_OuterShadowEffect& shadow = sample.Effects().GetOuterShdw().GetItem(0);
    EXPECT_EQ((std::vector<int32_t>{shadow.GetBlurRad(), shadow.GetDist(), shadow.GetDir(), shadow.GetSx(),
                                    shadow.GetSy(), shadow.GetKx(), shadow.GetKy(), shadow.GetAlgn()}),
              (std::vector<int32_t>{40000, 23000, 5400000, 100000, 100000, 0, 0, 7}));
    EXPECT_EQ(shadow.GetRotWithShape(), xtsFalse);
    EXPECT_EQ(Transforms(shadow.GetColorChoice().GetSrgbClr()->GetColorTransform()),
              std::vector<std::string>{"alpha=35000"});
}

TEST(DrawingEffects, TellsApartAttributesOfTheSameByteSum) {
    TSample sample;
    sample.Load(R"(<a:effectDag><a:tint hue="100" amt="200"/><a:xfrm tx="10" sy="50000"/></a:effectDag>)");
    const TCT_TintEffect& tint = sample.Effects().GetTint().GetItem(0);
    EXPECT_EQ(tint.GetHue(), 100);
    EXPECT_EQ(tint.GetAmt(), 200);
    const TCT_TransformEffect& transform = sample.Effects().GetXfrm().GetItem(0);
    EXPECT_EQ(transform.GetTx(), 10);
    EXPECT_EQ(transform.GetSy(), 50000);
    EXPECT_EQ(transform.GetSx(), 100000);
}

TEST(DrawingEffects, CountsWhatDiffersFromTheDefaults) {
    struct Case {
        const char* body;
        int32_t count;
    };
    const Case cases[] = {
        {R"(<a:reflection/>)", 0},
        {R"(<a:reflection fadeDir="5400000" algn="b" rotWithShape="1"/>)", 0},
        {R"(<a:reflection endPos="65000"/>)", 1},
        {R"(<a:prstShdw prst="shdw13"/>)", 1},
        {R"(<a:prstShdw prst="shdw13" dist="5" dir="6"><a:prstClr val="red"/></a:prstShdw>)", 2},
        {R"(<a:alphaBiLevel/>)", 1},
        {R"(<a:alphaCeiling/><a:alphaFloor/><a:grayscl/>)", 0},
        {R"(<a:alphaModFix amt="100000"/><a:alphaModFix amt="1"/>)", 1},
        {R"(<a:blur grow="1"/><a:blur grow="0"/><a:glow rad="1"/>)", 2},
        {R"(<a:clrChange useA="0"><a:clrFrom><a:srgbClr val="1"/></a:clrFrom><a:clrTo/></a:clrChange>)", 2},
        {R"(<a:effect ref="fx"/><a:cont type="sib"/><a:cont type="tree"/>)", 2},
        {R"(<a:blend blend="mult"/><a:fillOverlay blend="screen"><a:noFill/></a:fillOverlay>)", 2},
        {R"(<a:fill><a:solidFill><a:srgbClr val="2"/></a:solidFill></a:fill>)", 1},
        {R"(<a:hsl sat="1"/><a:lum contrast="1"/><a:relOff ty="1"/><a:innerShdw dir="1"/>)", 4},
        {R"(<a:softEdge/><a:alphaRepl/><a:biLevel thresh="1"/><a:alphaOutset/>)", 3},
        {R"(<a:duotone><a:prstClr val="red"/><a:srgbClr val="1"/></a:duotone><a:alphaInv/><a:clrRepl/>)", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        TSample sample;
        sample.Load(std::string("<a:effectDag>") + c.body + "</a:effectDag>");
        EXPECT_EQ(sample.Log, std::vector<std::string>{});
        EXPECT_EQ(sample.Effects().CheckAssigned(), c.count);
    }
}

TEST(DrawingEffects, APresetShadowReadsItsPreset) {
    TSample sample;
    sample.Load(R"(<a:effectDag><a:prstShdw prst="shdw13"/><a:prstShdw prst="shdw21"/></a:effectDag>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Can not find enum \"stpsvshdw21\""});
    EXPECT_EQ(sample.Effects().GetPrstShdw().GetItem(0).GetPrst(), 12);
    EXPECT_EQ(sample.Effects().GetPrstShdw().GetItem(1).GetPrst(), UnsetEnum);
    EXPECT_EQ(sample.Effects().GetPrstShdw().GetItem(1).CheckAssigned(), 1);
}

TEST(DrawingEffects, ADuotoneHoldsItsColoursInOneChoice) {
    TSample sample;
    sample.Load(R"(<a:effectDag><a:duotone><a:srgbClr val="000001"/><a:srgbClr val="000002"/></a:duotone>)"
                R"(<a:duotone><a:prstClr val="red"/><a:srgbClr val="000003"/></a:duotone></a:effectDag>)");
    const TEG_ColorChoice& same = sample.Effects().GetDuotone().GetItem(0).GetColorChoice();
    EXPECT_EQ(same.GetSrgbClr()->GetVal(), 2);
    EXPECT_EQ(same.GetPrstClr(), nullptr);
    const TEG_ColorChoice& two = sample.Effects().GetDuotone().GetItem(1).GetColorChoice();
    EXPECT_EQ(two.GetPrstClr()->GetVal(), 113);
    EXPECT_EQ(two.GetSrgbClr()->GetVal(), 3);
}

TEST(DrawingEffects, AnAlphaModulationCountsItsGraph) {
    TSample sample;
    sample.Load(R"(<a:effectDag><a:alphaMod/><a:alphaMod><a:cont><a:alphaFloor/></a:cont></a:alphaMod>)"
                R"(</a:effectDag>)");
    TCT_AlphaModulateEffect& bare = sample.Effects().GetAlphaMod().GetItem(0);
    EXPECT_EQ(bare.CheckAssigned(), 0);
    EXPECT_EQ(bare.GetCont(), nullptr);
    TCT_AlphaModulateEffect& graph = sample.Effects().GetAlphaMod().GetItem(1);
    EXPECT_EQ(graph.CheckAssigned(), 0);
    ASSERT_NE(graph.GetCont(), nullptr);
    EXPECT_EQ(graph.GetCont()->GetEffect().GetAlphaFloor().Count(), 1);
}

TEST(DrawingEffects, AnEffectWithoutElementsPassesOverWhatItHolds) {
    TSample sample;
    sample.Load(R"(<a:effectDag><a:blur rad="3"><a:glow rad="9"/></a:blur><a:cont><a:foo/></a:cont></a:effectDag>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Row 0: Unknown Element \"a:foo\""});
    EXPECT_EQ(sample.Effects().GetBlur().GetItem(0).GetRad(), 3);
    EXPECT_EQ(sample.Effects().GetGlow().Count(), 0);
}

} // namespace
} // namespace xls::drawing_test
