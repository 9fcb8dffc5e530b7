// The element-class scheme as the drawing family reads with it: unknown content, names, alternate content, presence,
// repeated elements, kept extensions, lists in document order and the family's start values.

#include "tests/xls/drawing/DrawingTestSupport.h"

#include <bit>
#include <gtest/gtest.h>

namespace xls::drawing_test {
namespace {

using xpgDrawingSample::TCT_SamplePoint;
using xpgDrawingSample::TEG_SampleColors;

TEST(DrawingScheme, AnUnknownElementWithoutAHandlerEndsTheRead) {
    TSample sample(false);
    EXPECT_EQ(test_support::MessageOf([&] { sample.Load(R"(<a:foo/>)"); }), "Row 0: Unknown Element \"a:foo\"");
}

TEST(DrawingScheme, AnUnknownElementIsReportedAndSkippedWithWhatItHolds) {
    TSample sample;
    sample.Load(R"(<a:foo val="1"><a:srgbClr val="FF0000"/><a:solidFill/></a:foo>)"
                R"(<a:solidFill><a:bar><a:schemeClr val="tx2"/></a:bar><a:schemeClr val="accent1"/></a:solidFill>)");
    EXPECT_EQ(sample.Log,
              (std::vector<std::string>{"Row 0: Unknown Element \"a:foo\"", "Row 0: Unknown Element \"a:bar\""}));
    EXPECT_EQ(sample.Root().GetColors().Count(), 0);
    const TCT_SolidColorFillProperties* solid = sample.Fill().GetSolidFill();
    ASSERT_NE(solid, nullptr);
    EXPECT_EQ(solid->GetColorChoice().GetSchemeClr()->GetVal(), 4);
}

TEST(DrawingScheme, AnUnknownAttributeIsReportedAndTheOthersAreRead) {
    TSample sample(false);
    sample.Load(R"(<a:gradFill><a:lin ang="5400000" zz="2" scaled="1"/></a:gradFill>)");
    EXPECT_EQ(sample.Doc.Errors().Message(), u"Row 0: Unknown Attribute \"zz\"");
    const TCT_LinearShadeProperties* lin = sample.Fill().GetGradFill()->GetShadeProperties().GetLin();
    EXPECT_EQ(lin->GetAng(), 5400000);
    EXPECT_EQ(lin->GetScaled(), xtsTrue);
}

TEST(DrawingScheme, NamesMatchByNamespaceAndWholeName) {
    TSample sample;
    sample.Load(R"(<d:srgbClr xmlns:d="http://schemas.openxmlformats.org/drawingml/2006/main" val="00FF00"/>)"
                R"(<a:srgbCrl val="0000FF"/><x:srgbClr xmlns:x="urn:other" val="FF0000"/>)");
    EXPECT_EQ(sample.Log, (std::vector<std::string>{"Row 0: Unknown Element \"a:srgbCrl\"",
                                                    "Row 0: Unknown Element \"x:srgbClr\""}));
    ASSERT_EQ(sample.Root().GetColors().Count(), 1);
    EXPECT_EQ(sample.Root().GetColors().GetItem(0).GetSrgbClr()->GetVal(), 0x00FF00);
}

TEST(DrawingScheme, AlternateContentReadsTheFallbackWhenAChoiceNeedsAnotherNamespace) {
    struct Case {
        const char* name;
        std::string_view body;
        std::vector<int16_t> schemeColors;
    };
    const Case cases[] = {
        {"choice and fallback",
         R"(<mc:AlternateContent><mc:Choice Requires="c14"><a:foo/><a:schemeClr val="bg1"/></mc:Choice>)"
         R"(<mc:Fallback><a:schemeClr val="tx1"/></mc:Fallback></mc:AlternateContent>)",
         {1}},
        {"no fallback",
         R"(<mc:AlternateContent><mc:Choice Requires="c14"><a:foo/></mc:Choice></mc:AlternateContent>)",
         {}},
        {"a nested block leaves later elements of the outer branch in place",
         R"(<mc:AlternateContent><mc:Fallback><a:gradFill><mc:AlternateContent><mc:Fallback><a:lin ang="1"/>)"
         R"(</mc:Fallback></mc:AlternateContent></a:gradFill><a:schemeClr val="bg2"/></mc:Fallback>)"
         R"(</mc:AlternateContent><a:schemeClr val="tx2"/>)",
         {2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TSample sample;
        sample.Load(c.body);
        EXPECT_EQ(sample.Log, std::vector<std::string>{});
        std::vector<int16_t> read;
        for (int32_t i = 0; i < sample.Root().GetColors().Count(); ++i) {
            read.push_back(sample.Root().GetColors().GetItem(i).GetSchemeClr()->GetVal());
        }
        EXPECT_EQ(read, c.schemeColors);
    }
}

TEST(DrawingScheme, AssignedTellsWhatWasReadUntilTheCountRuns) {
    TSample sample;
    sample.Load(R"(<a:blipFill><a:stretch/></a:blipFill>)");
    TCT_StretchInfoProperties* stretch = sample.Fill().GetBlipFill()->GetFillMode().GetStretch();
    ASSERT_NE(stretch, nullptr);
    EXPECT_TRUE(stretch->Assigned());
    EXPECT_FALSE(stretch->GetFillRect().Assigned());
    stretch->CheckAssigned();
    EXPECT_FALSE(stretch->Assigned());
}

TEST(DrawingScheme, AnElementGivenTwiceIsReadIntoOneObject) {
    TSample sample;
    sample.Load(R"(<a:blipFill><a:srcRect l="1" t="2"/><a:srcRect t="5" r="3"/></a:blipFill>)");
    const TCT_RelativeRect& rect = *sample.Fill().GetBlipFill()->GetSrcRect();
    EXPECT_EQ((std::vector<int32_t>{rect.GetL(), rect.GetT(), rect.GetR(), rect.GetB()}),
              (std::vector<int32_t>{1, 5, 3, 0}));
}

TEST(DrawingScheme, AnExtensionKeepsItsElementsWholeWithTheirAttributesInDocumentOrder) {
    TSample sample;
    sample.Load(R"(<a:extLst><a:ext xmlns:x="urn:x" uri="{A}"><x:a p="1">kept<x:b q="2">lost</x:b><x:c r="3"/></x:a>)"
                R"(</a:ext><a:ext uri="{B}"><x:d xmlns:x="urn:x"/></a:ext></a:extLst>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TCT_OfficeArtExtension& extension = *sample.Root().GetExtLst()->GetExtensions().GetExtension();
    EXPECT_EQ(extension.GetUri(), u"{B}");
    const TXPGAnyElements& kept = extension.GetAnyElements();
    ASSERT_EQ(kept.Count(), 2);
    EXPECT_EQ(kept.GetItem(0).GetName(), u"x:a");
    EXPECT_EQ(kept.GetItem(0).GetText(), u"kept");
    EXPECT_EQ(KeptAttributes(kept.GetItem(0)), (std::vector<std::string>{"p=\"1\"", "q=\"2\"", "r=\"3\""}));
    EXPECT_EQ(kept.GetItem(1).GetName(), u"x:d");
    EXPECT_EQ(kept.GetItem(1).GetAttributes().GetCount(), 1);
}

TEST(DrawingScheme, ASequenceKeepsTheElementsOfAllItsNamesInDocumentOrder) {
    TSample sample;
    sample.Load(R"(<a:srgbClr val="000001"/><a:schemeClr val="dk1"/><a:srgbClr val="000002"/>)");
    const auto& colors = sample.Root().GetColors();
    ASSERT_EQ(colors.Count(), 3);
    EXPECT_EQ(colors.GetItem(0).GetSrgbClr()->GetVal(), 1);
    EXPECT_EQ(colors.GetItem(0).GetSchemeClr(), nullptr);
    EXPECT_EQ(colors.GetItem(1).GetSchemeClr()->GetVal(), 13);
    EXPECT_EQ(colors.GetItem(2).GetSrgbClr()->GetVal(), 2);
    EXPECT_EQ(sample.Root().CheckAssigned(), 3);
}

TEST(DrawingScheme, AttributesNotGivenKeepTheFamilysStartValues) {
    TSample sample;
    sample.Load(R"(<point/><a:blipFill><a:tile/></a:blipFill><a:srgbClr/>)");
    TCT_SamplePoint& point = *sample.Root().GetPoint();
    EXPECT_EQ(point.GetX().Kind, -1);
    EXPECT_EQ(std::bit_cast<uint64_t>(point.GetRatio()), 0xFFF8000000000000);
    EXPECT_EQ(point.GetFlag(), xtsUnset);
    EXPECT_EQ(point.CheckAssigned(), 0);
    const TCT_TileInfoProperties& tile = *sample.Fill().GetBlipFill()->GetFillMode().GetTile();
    EXPECT_EQ(tile.GetTx(), UnsetInt);
    EXPECT_EQ(tile.GetFlip(), UnsetEnum);
    EXPECT_EQ(sample.Root().GetColors().GetItem(0).GetSrgbClr()->GetVal(), UnsetColor);
    EXPECT_EQ(sample.Fill().GetBlipFill()->GetRotWithShape(), xtsUnset);
}

TEST(DrawingScheme, AnAdjustableValueIsANumberOrAGuideName) {
    TSample sample;
    sample.Load(R"(<point x="0" ang="ss" ratio="0.5" flag="0"/>)");
    TCT_SamplePoint& point = *sample.Root().GetPoint();
    EXPECT_EQ(point.GetX().Kind, 0);
    EXPECT_EQ(point.GetX().Value, 0);
    EXPECT_EQ(point.GetAng().Kind, 1);
    EXPECT_EQ(point.GetAng().Name, u"ss");
    EXPECT_EQ(point.GetRatio(), 0.5);
    EXPECT_EQ(point.GetFlag(), xtsFalse);
    EXPECT_EQ(point.CheckAssigned(), 4);
    sample.Load(R"(<point x="" ang="-3"/>)");
    EXPECT_EQ(point.GetX().Kind, 0);
    EXPECT_EQ(point.GetAng().Kind, 0);
    EXPECT_EQ(point.GetAng().Value, -3);
    EXPECT_EQ(point.GetAng().Name, u"ss");
}

} // namespace
} // namespace xls::drawing_test
