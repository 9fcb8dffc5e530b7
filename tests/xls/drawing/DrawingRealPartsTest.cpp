// The shape properties and texts of charts and pictures that real producers wrote, cut from the drawing and chart parts
// of the corpus workbooks and read through the sample unit without a report.

#include "tests/xls/drawing/DrawingCorpusParts.h"
#include "tests/xls/drawing/DrawingTestSupport.h"

#include <gtest/gtest.h>
#include <map>

namespace xls::drawing_test {
namespace {

using test_support::Utf8;

// The elements the sample reads as its producers write them in drawing and chart parts.
constexpr std::string_view ShapesAndTexts[] = {"c:spPr", "c:txPr", "c:rich", "xdr:spPr", "xdr:grpSpPr", "xdr:sp"};

std::map<std::string, std::vector<std::string>> CutShapesAndTexts(std::u16string_view file) {
    return CutFromWorkbook(file, ShapesAndTexts);
}

TEST_F(DrawingRealParts, ChartsAndPicturesReadWithoutAReport) {
    ExpectEachReadWithoutAReport(ShapesAndTexts, {
                                                     {u"issue438.xlsx", {{"c:spPr", 12}, {"c:txPr", 3}}},
                                                     {u"any_sheets.xlsx", {{"c:spPr", 9}, {"c:txPr", 5}}},
                                                     {u"issue_261.xlsx", {{"xdr:spPr", 1}}},
                                                     {u"issue252.xlsx", {{"c:spPr", 2}, {"c:txPr", 2}, {"c:rich", 1}}},
                                                     {u"issue_261_fixed_by_excel.xlsx", {{"xdr:spPr", 1}}},
                                                     {u"picture.xlsx", {{"xdr:spPr", 2}}},
                                                     {u"pictures_in_cell_and_over_cell.xlsx", {{"xdr:spPr", 1}}},
                                                 });
}

TEST_F(DrawingRealParts, AChartsLineAndTitleKeepWhatTheProducerWrote) {
    const std::map<std::string, std::vector<std::string>> elements = CutShapesAndTexts(u"issue438.xlsx");
    TSample space;
    space.Load(elements.at("c:spPr").back());
    const TCT_LineProperties& line = *space.SpPr().GetLn();
    EXPECT_EQ((std::vector<int32_t>{line.GetW(), line.GetCap(), line.GetCmpd(), line.GetAlgn()}),
              (std::vector<int32_t>{9525, 2, 0, 0}));
    EXPECT_NE(line.GetLineJoin().GetRound(), nullptr);
    const TCT_SchemeColor& color = *line.GetLineFill().GetSolidFill()->GetColorChoice().GetSchemeClr();
    EXPECT_EQ(color.GetVal(), 1);
    EXPECT_EQ(Transforms(color.GetColorTransform()), (std::vector<std::string>{"lumMod=15000", "lumOff=85000"}));
    EXPECT_EQ(space.SpPr().GetFill().GetSolidFill()->GetColorChoice().GetSchemeClr()->GetVal(), 0);
    EXPECT_NE(space.SpPr().GetEffect().GetEffectLst(), nullptr);

    TSample title;
    title.Load(elements.at("c:txPr").front());
    const TCT_TextBodyProperties& body = *title.TxPr().GetBodyPr();
    EXPECT_EQ(
        (std::vector<int32_t>{body.GetRot(), body.GetVertOverflow(), body.GetVert(), body.GetWrap(), body.GetAnchor()}),
        (std::vector<int32_t>{0, 1, 0, 1, 1}));
    EXPECT_EQ(body.GetSpcFirstLastPara(), xtsTrue);
    EXPECT_EQ(body.GetAnchorCtr(), xtsTrue);
    const TCT_TextParagraph& paragraph = title.TxPr().GetParagraphs().GetItem(0);
    const TCT_TextCharacterProperties& run = *paragraph.GetPPr()->GetDefRPr();
    EXPECT_EQ((std::vector<int32_t>{run.GetSz(), run.GetU(), run.GetStrike(), run.GetKern(), run.GetSpc()}),
              (std::vector<int32_t>{1400, 0, 0, 1200, 0}));
    EXPECT_EQ(run.GetB(), xtsFalse);
    EXPECT_EQ(run.GetLatin()->GetTypeface(), u"+mn-lt");
    EXPECT_EQ(paragraph.GetEndParaRPr()->GetLang(), u"en-US");
    EXPECT_EQ(paragraph.GetRuns().Count(), 0);
}

TEST_F(DrawingRealParts, AChartTitlesRichTextAndAPicturesShapePropertiesAreRead) {
    TSample rich;
    rich.Load(CutShapesAndTexts(u"issue252.xlsx").at("c:rich").front());
    const TEG_TextRunXpgList& runs = rich.Root().GetRich()->GetParagraphs().GetItem(0).GetRuns();
    ASSERT_EQ(runs.Count(), 1);
    EXPECT_EQ(runs.GetItem(0).GetR()->GetText(), u"");
    EXPECT_EQ(runs.GetItem(0).GetR()->GetRPr()->GetB(), xtsFalse);

    TSample picture;
    picture.Load(CutShapesAndTexts(u"issue_261.xlsx").at("xdr:spPr").front());
    TCT_ShapeProperties& properties = *picture.Root().GetPictureSpPr();
    EXPECT_EQ(properties.GetXfrm()->GetOff()->GetX(), 5910246);
    EXPECT_EQ(properties.GetXfrm()->GetExt()->GetCx(), 1651000);
    EXPECT_EQ(properties.GetGeometry().GetPrstGeom()->GetPrst(), 4);
    EXPECT_NE(properties.GetFill().GetNoFill(), nullptr);
    // A line of width 0 without fill: both count.
    EXPECT_EQ(properties.GetLn()->CheckAssigned(), 2);
}

} // namespace
} // namespace xls::drawing_test
