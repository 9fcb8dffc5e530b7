// The DrawingML lines: width, cap, fill, dash, join and arrow heads, what a line counts, and values it does not know.

#include "tests/xls/drawing/DrawingTestSupport.h"

#include <gtest/gtest.h>

namespace xls::drawing_test {
namespace {

// The line of a shape's properties whose a:ln holds body.
TCT_LineProperties& LineOf(TSample& sample, std::string_view body, std::string_view attributes = "") {
    sample.Load("<c:spPr><a:ln" + std::string(attributes) + ">" + std::string(body) + "</a:ln></c:spPr>");
    return *sample.SpPr().GetLn();
}

TEST(DrawingLines, ALineReadsItsWidthCapFillDashJoinAndEnds) {
    TSample sample;
    const TCT_LineProperties& line =
        LineOf(sample,
               R"(<a:solidFill><a:srgbClr val="FF0000"/></a:solidFill><a:prstDash val="sysDash"/><a:round/>)"
               R"(<a:tailEnd type="arrow"/>)",
               R"( w="12700" cap="flat")");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    EXPECT_EQ(line.GetW(), 12700);
    EXPECT_EQ(line.GetCap(), 2);
    EXPECT_EQ(line.GetCmpd(), UnsetEnum);
    ASSERT_NE(line.GetLineFill().GetSolidFill(), nullptr);
    EXPECT_EQ(line.GetLineFill().GetSolidFill()->GetColorChoice().GetSrgbClr()->GetVal(), 0xFF0000);
    EXPECT_EQ(line.GetLineDash().GetPrstDash()->GetVal(), 7);
    EXPECT_NE(line.GetLineJoin().GetRound(), nullptr);
    EXPECT_EQ(line.GetLineJoin().GetMiter(), nullptr);
    EXPECT_EQ(line.GetHeadEnd(), nullptr);
    const TCT_LineEndProperties& tail = *line.GetTailEnd();
    EXPECT_EQ((std::vector<int32_t>{tail.GetType(), tail.GetW(), tail.GetLen()}),
              (std::vector<int32_t>{5, UnsetEnum, UnsetEnum}));
}

TEST(DrawingLines, ACustomDashKeepsItsStopsInDocumentOrder) {
    TSample sample;
    TCT_LineProperties& line =
        LineOf(sample, R"(<a:custDash><a:ds d="400000" sp="100000"/><a:ds d="100000" sp="300000"/>)"
                       R"(<a:ds d="1" sp="2"/></a:custDash>)");
    const TCT_DashStopXpgList& stops = line.GetLineDash().GetCustDash()->GetDs();
    ASSERT_EQ(stops.Count(), 3);
    std::vector<int32_t> values;
    for (int32_t i = 0; i < stops.Count(); ++i) {
        values.push_back(stops.GetItem(i).GetD());
        values.push_back(stops.GetItem(i).GetSp());
    }
    EXPECT_EQ(values, (std::vector<int32_t>{400000, 100000, 100000, 300000, 1, 2}));
    EXPECT_EQ(line.CheckAssigned(), 3);

    TSample empty;
    TCT_DashStopList& dash = *LineOf(empty, "<a:custDash/>").GetLineDash().GetCustDash();
    EXPECT_EQ(dash.GetDs().Count(), 0);
    EXPECT_EQ(dash.CheckAssigned(), 0);
}

TEST(DrawingLines, ASecondEndOfTheSameSideReplacesTheValuesGivenAgain) {
    TSample sample;
    const TCT_LineEndProperties& head =
        *LineOf(sample, R"(<a:headEnd type="oval" w="sm"/><a:headEnd type="diamond" len="lg"/>)").GetHeadEnd();
    EXPECT_EQ((std::vector<int32_t>{head.GetType(), head.GetW(), head.GetLen()}), (std::vector<int32_t>{3, 0, 2}));
}

TEST(DrawingLines, CountsWhatALineHolds) {
    ExpectCounts(
        {
            {"<a:ln/>", 0},
            {"<a:ln><a:bevel/></a:ln>", 0},
            {"<a:ln><a:round/><a:bevel/></a:ln>", 0},
            {"<a:ln><a:noFill/></a:ln>", 1},
            {R"(<a:ln><a:noFill/><a:solidFill><a:schemeClr val="tx1"/></a:solidFill></a:ln>)", 2},
            {R"(<a:ln><a:miter lim="800000"/></a:ln>)", 1},
            {"<a:ln><a:miter/></a:ln>", 0},
            {R"(<a:ln w="0" cmpd="dbl" algn="in"/>)", 3},
            {R"(<a:ln><a:prstDash val="dot"/><a:custDash><a:ds d="1" sp="1"/></a:custDash></a:ln>)", 2},
            {R"(<a:ln><a:headEnd/><a:tailEnd type="none" len="med"/></a:ln>)", 2},
            {R"(<a:ln><a:extLst><a:ext uri="{X}"/></a:extLst></a:ln>)", 1},
        },
        [](TSample& sample, std::string_view text) -> TCT_LineProperties& {
            sample.Load("<c:spPr>" + std::string(text) + "</c:spPr>");
            return *sample.SpPr().GetLn();
        });
}

TEST(DrawingLines, AnEmptyJoinOccurredThoughItCountsNothing) {
    TSample sample;
    TCT_LineProperties& line = LineOf(sample, "<a:bevel/>");
    TCT_LineJoinBevel* bevel = line.GetLineJoin().GetBevel();
    ASSERT_NE(bevel, nullptr);
    EXPECT_TRUE(bevel->Assigned());
    EXPECT_EQ(line.CheckAssigned(), 0);
    EXPECT_FALSE(bevel->Assigned());
}

TEST(DrawingLines, AnotherAttributeBeforeTheDashsValueIsReportedAndTheValueRead) {
    TSample sample;
    const TCT_LineProperties& line = LineOf(sample, R"(<a:prstDash xmlns:x="urn:x" x:style="1" val="lgDashDotDot"/>)");
    EXPECT_EQ(line.GetLineDash().GetPrstDash()->GetVal(), 6);
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Row 0: Unknown Attribute \"x:style\""});
}

TEST(DrawingLines, ValuesALineDoesNotKnowAreReportedAndLeaveWhatWasThere) {
    TSample sample;
    const TCT_LineProperties& line = LineOf(
        sample, R"(<a:foo w="5"><a:round/></a:foo><a:prstDash val="longDash"/><a:tailEnd type="arrow" w="huge"/>)",
        R"( w="9525" cap="butt")");
    EXPECT_EQ(sample.Log,
              (std::vector<std::string>{"Can not find enum \"stlcbutt\"", "Row 0: Unknown Element \"a:foo\"",
                                        "Can not find enum \"stpldvlongDash\"", "Can not find enum \"stlewhuge\""}));
    EXPECT_EQ(line.GetW(), 9525);
    EXPECT_EQ(line.GetCap(), UnsetEnum);
    EXPECT_EQ(line.GetLineJoin().GetRound(), nullptr);
    EXPECT_EQ(line.GetLineDash().GetPrstDash()->GetVal(), UnsetEnum);
    EXPECT_EQ(line.GetTailEnd()->GetType(), 5);
    EXPECT_EQ(line.GetTailEnd()->GetW(), UnsetEnum);
}

TEST(DrawingLines, AnUnknownElementWithoutAHandlerEndsTheRead) {
    TSample sample(false);
    EXPECT_EQ(test_support::MessageOf([&] { LineOf(sample, "<a:dash/>"); }), "Row 0: Unknown Element \"a:dash\"");
}

TEST(DrawingLines, ClearReturnsAnEndToItsStartValues) {
    TSample sample;
    TCT_LineEndProperties& tail = *LineOf(sample, R"(<a:tailEnd type="stealth" w="lg" len="sm"/>)").GetTailEnd();
    tail.Clear();
    EXPECT_EQ((std::vector<int32_t>{tail.GetType(), tail.GetW(), tail.GetLen()}),
              (std::vector<int32_t>{UnsetEnum, UnsetEnum, UnsetEnum}));
    EXPECT_EQ(tail.Flags(), 0);
    EXPECT_FALSE(tail.Assigned());
    EXPECT_EQ(tail.CheckAssigned(), 0);
}

} // namespace
} // namespace xls::drawing_test
