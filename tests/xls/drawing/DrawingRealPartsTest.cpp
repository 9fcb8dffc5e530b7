// The shape properties and texts of charts and pictures that real producers wrote, cut from the drawing and chart parts
// of the corpus workbooks and read through the sample unit without a report.

#include "rtl/io/FileStream.h"
#include "tests/xls/drawing/DrawingTestSupport.h"
#include "xls/core/zip/XLSZip.h"

#include <gtest/gtest.h>
#include <map>

namespace xls::drawing_test {
namespace {

using test_support::Utf8;

// The elements the sample reads as its producers write them in drawing and chart parts.
constexpr std::string_view CutNames[] = {"c:spPr", "c:txPr", "c:rich", "xdr:spPr", "xdr:grpSpPr", "xdr:sp"};

// The elements named name in a part's text, each whole with what it holds (an element of that name never holds
// another).
std::vector<std::string> Cut(const std::string& part, std::string_view name) {
    std::vector<std::string> elements;
    const std::string open = "<" + std::string(name);
    const std::string close = "</" + std::string(name) + ">";
    for (size_t at = part.find(open); at != std::string::npos; at = part.find(open, at + 1)) {
        const size_t next = at + open.size();
        if (next >= part.size() || std::string_view(" />").find(part[next]) == std::string_view::npos) {
            continue;
        }
        const size_t tagEnd = part.find('>', at);
        const size_t end = part[tagEnd - 1] == '/' ? tagEnd + 1 : part.find(close, at) + close.size();
        elements.push_back(part.substr(at, end - at));
    }
    return elements;
}

// The elements of CutNames in the drawing and chart parts of a corpus workbook, by name.
std::map<std::string, std::vector<std::string>> CutFromWorkbook(std::u16string_view file) {
    rtl::TFileStream stream(test_support::CorpusDir() + u"/calamine/tests/" + rtl::UnicodeString(file),
                            rtl::fmOpenRead | rtl::fmShareDenyNone);
    TXLSZipArchive archive;
    archive.OpenRead(stream);
    std::map<std::string, std::vector<std::string>> elements;
    for (int32_t i = 0; i < archive.Count(); ++i) {
        TXLSZipFile& entry = archive.GetFile(i);
        const rtl::UnicodeString& name = entry.Name();
        if (!(name.starts_with(u"xl/charts/chart") || name.starts_with(u"xl/drawings/drawing")) ||
            !name.ends_with(u".xml")) {
            continue;
        }
        rtl::TStringStream part;
        entry.CopyToStream(part);
        for (std::string_view name : CutNames) {
            for (std::string& element : Cut(part.DataString(), name)) {
                elements[std::string(name)].push_back(std::move(element));
            }
        }
    }
    return elements;
}

class DrawingRealParts : public testing::Test {
protected:
    void SetUp() override {
        if (!test_support::HasCorpus()) {
            GTEST_SKIP() << "no corpus at " << Utf8(test_support::CorpusDir());
        }
    }
};

TEST_F(DrawingRealParts, ChartsAndPicturesReadWithoutAReport) {
    struct Case {
        std::u16string_view file;
        std::map<std::string, size_t> counts;
    };
    const Case cases[] = {
        {u"issue438.xlsx", {{"c:spPr", 12}, {"c:txPr", 3}}},
        {u"any_sheets.xlsx", {{"c:spPr", 9}, {"c:txPr", 5}}},
        {u"issue_261.xlsx", {{"xdr:spPr", 1}}},
        {u"issue252.xlsx", {{"c:spPr", 2}, {"c:txPr", 2}, {"c:rich", 1}}},
        {u"issue_261_fixed_by_excel.xlsx", {{"xdr:spPr", 1}}},
        {u"picture.xlsx", {{"xdr:spPr", 2}}},
        {u"pictures_in_cell_and_over_cell.xlsx", {{"xdr:spPr", 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.file));
        const std::map<std::string, std::vector<std::string>> elements = CutFromWorkbook(c.file);
        std::map<std::string, size_t> counts;
        for (const auto& [name, cut] : elements) {
            counts[name] = cut.size();
            for (const std::string& element : cut) {
                SCOPED_TRACE(element);
                TSample sample;
                sample.Load(element);
                EXPECT_EQ(sample.Log, std::vector<std::string>{});
            }
        }
        EXPECT_EQ(counts, c.counts);
    }
}

TEST_F(DrawingRealParts, AChartsLineAndTitleKeepWhatTheProducerWrote) {
    const std::map<std::string, std::vector<std::string>> elements = CutFromWorkbook(u"issue438.xlsx");
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
    rich.Load(CutFromWorkbook(u"issue252.xlsx").at("c:rich").front());
    const TEG_TextRunXpgList& runs = rich.Root().GetRich()->GetParagraphs().GetItem(0).GetRuns();
    ASSERT_EQ(runs.Count(), 1);
    EXPECT_EQ(runs.GetItem(0).GetR()->GetText(), u"");
    EXPECT_EQ(runs.GetItem(0).GetR()->GetRPr()->GetB(), xtsFalse);

    TSample picture;
    picture.Load(CutFromWorkbook(u"issue_261.xlsx").at("xdr:spPr").front());
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
