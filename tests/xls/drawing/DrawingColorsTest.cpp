// The DrawingML colours: the six models, their transforms kept as texts, and what they count.

#include "tests/xls/drawing/DrawingTestSupport.h"

#include <gtest/gtest.h>

namespace xls::drawing_test {
namespace {

TEST(DrawingColors, ReadsEachModel) {
    TSample sample;
    sample.Load(R"(<a:clrFrom><a:srgbClr val="4F81BD"><a:lumMod val="75000"/><a:lumOff val="25000"/></a:srgbClr>)"
                R"(<a:schemeClr val="phClr"/><a:sysClr val="windowText" lastClr="000000"/><a:prstClr val="black"/>)"
                R"(<a:scrgbClr r="1" g="2" b="3"/><a:hslClr hue="4" sat="5" lum="6"/></a:clrFrom>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TEG_ColorChoice& color = sample.Color();
    EXPECT_EQ(color.GetSrgbClr()->GetVal(), 5210557);
    EXPECT_EQ(Transforms(color.GetSrgbClr()->GetColorTransform()),
              (std::vector<std::string>{"lumMod=75000", "lumOff=25000"}));
    EXPECT_EQ(color.GetSchemeClr()->GetVal(), 12);
    EXPECT_EQ(color.GetSysClr()->GetVal(), 8);
    EXPECT_EQ(color.GetSysClr()->GetLastClr(), 0);
    EXPECT_EQ(color.GetPrstClr()->GetVal(), 7);
    EXPECT_EQ(
        (std::vector<int32_t>{color.GetScrgbClr()->GetR(), color.GetScrgbClr()->GetG(), color.GetScrgbClr()->GetB()}),
        (std::vector<int32_t>{1, 2, 3}));
    EXPECT_EQ(
        (std::vector<int32_t>{color.GetHslClr()->GetHue(), color.GetHslClr()->GetSat(), color.GetHslClr()->GetLum()}),
        (std::vector<int32_t>{4, 5, 6}));
}

TEST(DrawingColors, ATransformKeepsItsValueAloneInDocumentOrder) {
    TSample sample;
    sample.Load(R"(<a:clrFrom><a:schemeClr val="tx1"><a:alpha val="5" extra="6"/><a:gray/><a:invGamma/>)"
                R"(<a:shade val="1"/><a:shade val="2"/><a:lumMod><a:foo/></a:lumMod></a:schemeClr></a:clrFrom>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Row 0: Unknown Element \"a:foo\""});
    EXPECT_EQ(sample.Color().GetSchemeClr()->GetVal(), 1);
    EXPECT_EQ(Transforms(sample.Color().GetSchemeClr()->GetColorTransform()),
              (std::vector<std::string>{"alpha=5", "gray=", "invGamma=", "shade=1", "shade=2", "lumMod="}));
}

TEST(DrawingColors, AnElementThatIsNoTransformIsReportedAndSkipped) {
    TSample sample;
    sample.Load(R"(<a:clrFrom><a:srgbClr val="FF0000"><a:tint2 val="1"><a:tint val="2"/></a:tint2>)"
                R"(<a:tint val="3"/></a:srgbClr></a:clrFrom>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Row 0: Unknown Element \"a:tint2\""});
    EXPECT_EQ(Transforms(sample.Color().GetSrgbClr()->GetColorTransform()), std::vector<std::string>{"tint=3"});
}

TEST(DrawingColors, ASecondElementOfAModelIsReadIntoTheSameColour) {
    TSample sample;
    sample.Load(R"(<a:clrFrom><a:srgbClr val="000001"><a:alpha val="1"/></a:srgbClr>)"
                R"(<a:srgbClr val="ZZ"><a:alpha val="2"/></a:srgbClr></a:clrFrom>)");
    EXPECT_EQ(sample.Color().GetSrgbClr()->GetVal(), 0);
    EXPECT_EQ(Transforms(sample.Color().GetSrgbClr()->GetColorTransform()),
              (std::vector<std::string>{"alpha=1", "alpha=2"}));
}

TEST(DrawingColors, CountsWhatTheColourHolds) {
    struct Case {
        const char* body;
        int32_t count;
        uint8_t flags;
    };
    const Case cases[] = {
        {R"(<a:srgbClr/>)", 0, 0},
        {R"(<a:srgbClr><a:alpha val="1"/></a:srgbClr>)", 0, 0},
        {R"(<a:srgbClr val="000000"/>)", 1, xpgAttributesAssigned},
        {R"(<a:srgbClr val="000000"><a:alpha val="1"/></a:srgbClr>)", 2, xpgAttributesAssigned | xpgChildrenAssigned},
        {R"(<a:schemeClr val="dk1"/>)", 1, xpgAttributesAssigned},
        {R"(<a:schemeClr val="nothing"/>)", 1, xpgAttributesAssigned},
        {R"(<a:sysClr val="window" lastClr="FFFFFF"><a:tint val="1"/></a:sysClr>)", 2,
         xpgAttributesAssigned | xpgChildrenAssigned},
        {R"(<a:scrgbClr r="1" g="2" b="3"/>)", 1, xpgAttributesAssigned},
        {R"(<a:prstClr/>)", 0, 0},
        {R"(<a:prstClr val="red"><a:tint val="1"/></a:prstClr>)", 2, xpgAttributesAssigned | xpgChildrenAssigned},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        TSample sample;
        sample.Load(std::string("<a:clrFrom>") + c.body + "</a:clrFrom>");
        TCT_Color& color = *sample.Root().GetColor();
        EXPECT_EQ(color.CheckAssigned(), c.count);
        TEG_ColorChoice& choice = color.GetColorChoice();
        for (TXPGBase* model :
             std::initializer_list<TXPGBase*>{choice.GetSrgbClr(), choice.GetSchemeClr(), choice.GetSysClr(),
                                              choice.GetScrgbClr(), choice.GetPrstClr()}) {
            if (model != nullptr) {
                EXPECT_EQ(model->Flags(), c.flags);
            }
        }
    }
}

TEST(DrawingColors, ATransformlessColourCountsNothingInItsTransforms) {
    TSample sample;
    sample.Load(R"(<a:clrFrom><a:schemeClr val="bg1"/></a:clrFrom>)");
    TEG_ColorTransform& transforms = sample.Color().GetSchemeClr()->GetColorTransform();
    EXPECT_EQ(transforms.CheckAssigned(), 0);
    EXPECT_EQ(transforms.Flags(), 0);
}

TEST(DrawingColors, ClearingASystemColourRestoresItsStart) {
    TSample sample;
    sample.Load(R"(<a:clrFrom><a:sysClr val="menu" lastClr="123456"><a:shade val="1"/></a:sysClr></a:clrFrom>)");
    TCT_SystemColor& color = *sample.Color().GetSysClr();
    color.Clear();
    EXPECT_EQ(color.GetVal(), UnsetEnum);
    EXPECT_EQ(color.GetLastClr(), UnsetColor);
    EXPECT_EQ(color.Flags(), 0);
    EXPECT_EQ(color.GetColorTransform().GetTransforms().GetCount(), 0);
    EXPECT_EQ(color.GetColorTransform().Flags(), 0);
}

} // namespace
} // namespace xls::drawing_test
