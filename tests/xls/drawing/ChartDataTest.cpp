// The building blocks of a chart part: value elements, number formats, manual layouts, data references with their
// cached points, data sources, texts, extensions and the colour-mapping override, read through the sample unit.

#include "tests/xls/drawing/DrawingTestSupport.h"

#include <bit>
#include <functional>
#include <gtest/gtest.h>

namespace xls::drawing_test {
namespace {

using test_support::Utf8;

// A point as the tests compare it: its index, its value text and (number points) its own format.
struct TPointText {
    int32_t Idx;
    std::string V;
    std::string FormatCode;

    bool operator==(const TPointText&) const = default;
};

std::vector<TPointText> NumberPoints(const TCT_NumData& data) {
    std::vector<TPointText> points;
    for (int32_t i = 0; i < data.GetPts().Count(); ++i) {
        const TCT_NumVal& point = data.GetPts().GetItem(i);
        points.push_back({point.GetIdx(), Utf8(point.GetV()), Utf8(point.GetFormatCode())});
    }
    return points;
}

std::vector<TPointText> StringPoints(const TCT_StrValXpgList& list) {
    std::vector<TPointText> points;
    for (int32_t i = 0; i < list.Count(); ++i) {
        points.push_back({list.GetItem(i).GetIdx(), Utf8(list.GetItem(i).GetV()), ""});
    }
    return points;
}

void PrintTo(const TPointText& point, std::ostream* out) {
    *out << "{" << point.Idx << ", \"" << point.V << "\", \"" << point.FormatCode << "\"}";
}

TEST(ChartData, ANumberCacheKeepsItsFormatCountAndPointsAsWritten) {
    TSample sample;
    sample.Load(R"(<c:numCache><c:formatCode>General</c:formatCode><c:ptCount val="3"/>)"
                R"(<c:pt idx="2"><c:v>1.50</c:v></c:pt><c:pt idx="0" formatCode="0%"><c:v>0.5</c:v></c:pt>)"
                R"(</c:numCache>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TCT_NumData& cache = *sample.Root().GetNumCache();
    EXPECT_EQ(cache.GetFormatCode(), u"General");
    EXPECT_EQ(cache.GetPtCount()->GetVal(), 3);
    EXPECT_EQ(NumberPoints(cache), (std::vector<TPointText>{{2, "1.50", ""}, {0, "0.5", "0%"}}));
}

TEST(ChartData, TextsAreKeptAsWrittenWithTheirEntitiesDecoded) {
    struct Case {
        std::string_view body;
        std::function<rtl::UnicodeString(TCT_Sample&)> text;
        rtl::UnicodeString expected;
    };
    const Case cases[] = {
        {R"(<c:cat><c:strLit><c:pt idx="0"><c:v>a&amp;b</c:v></c:pt></c:strLit></c:cat>)",
         [](TCT_Sample& root) { return root.GetCat()->GetStrLit()->GetPts().GetItem(0).GetV(); }, u"a&b"},
        {R"(<c:ser><c:tx><c:v> Sales &lt;net&gt; </c:v></c:tx></c:ser>)",
         [](TCT_Sample& root) { return root.GetSeries()->GetTx()->GetV(); }, u" Sales <net> "},
        {R"(<c:val><c:numRef><c:f> Sheet1!$A$1:$A$3 </c:f></c:numRef></c:val>)",
         [](TCT_Sample& root) { return root.GetVal()->GetNumRef()->GetF(); }, u" Sheet1!$A$1:$A$3 "},
        {R"(<c:numCache><c:formatCode>0.00 </c:formatCode><c:formatCode>#,##0 </c:formatCode></c:numCache>)",
         [](TCT_Sample& root) { return root.GetNumCache()->GetFormatCode(); }, u"#,##0 "},
        {R"(<c:numCache><c:pt idx="1"><c:v>7</c:v><c:v/></c:pt></c:numCache>)",
         [](TCT_Sample& root) { return root.GetNumCache()->GetPts().GetItem(0).GetV(); }, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        TSample sample;
        sample.Load(c.body);
        EXPECT_EQ(sample.Log, std::vector<std::string>{});
        EXPECT_EQ(c.text(sample.Root()), c.expected);
    }
}

TEST(ChartData, ATextKeepsEveryChoiceAndARepeatedReferenceGrowsTheFirst) {
    TSample sample;
    sample.Load(R"(<c:tx><c:strRef><c:f>Sheet1!$A$1</c:f><c:strCache><c:ptCount val="1"/>)"
                R"(<c:pt idx="0"><c:v>x</c:v></c:pt></c:strCache></c:strRef>)"
                R"(<c:rich><a:bodyPr/><a:p><a:r><a:t>Title</a:t></a:r></a:p></c:rich>)"
                R"(<c:strRef><c:f>Sheet1!$B$1</c:f><c:strCache><c:pt idx="0"><c:v>y</c:v></c:pt></c:strCache>)"
                R"(</c:strRef></c:tx>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TCT_Tx& tx = *sample.Root().GetTx();
    ASSERT_NE(tx.GetRich(), nullptr);
    EXPECT_EQ(tx.GetRich()->GetParagraphs().GetItem(0).GetRuns().GetItem(0).GetR()->GetText(), u"Title");
    const TCT_StrRef& reference = *tx.GetStrRef();
    EXPECT_EQ(reference.GetF(), u"Sheet1!$B$1");
    EXPECT_EQ(reference.GetStrCache()->GetPtCount()->GetVal(), 1);
    EXPECT_EQ(StringPoints(reference.GetStrCache()->GetPts()), (std::vector<TPointText>{{0, "x", ""}, {0, "y", ""}}));
}

TEST(ChartData, DataSourcesKeepEveryChoiceAndMultiLevelLabelsByLevel) {
    TSample sample;
    sample.Load(R"(<c:cat><c:multiLvlStrRef><c:f>Sheet1!$A$2:$B$3</c:f><c:multiLvlStrCache><c:ptCount val="2"/>)"
                R"(<c:lvl><c:pt idx="0"><c:v>Jan</c:v></c:pt><c:pt idx="1"><c:v>Feb</c:v></c:pt></c:lvl>)"
                R"(<c:lvl><c:pt idx="0"><c:v>2024</c:v></c:pt></c:lvl></c:multiLvlStrCache></c:multiLvlStrRef>)"
                R"(<c:strLit><c:ptCount val="1"/><c:pt idx="0"><c:v>only</c:v></c:pt></c:strLit></c:cat>)"
                R"(<c:val><c:numLit><c:formatCode>General</c:formatCode><c:pt idx="0"><c:v>4</c:v></c:pt></c:numLit>)"
                R"(<c:numRef><c:f>Sheet1!$C$2:$C$3</c:f></c:numRef></c:val>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TCT_AxDataSource& categories = *sample.Root().GetCat();
    const TCT_MultiLvlStrData& levels = *categories.GetMultiLvlStrRef()->GetMultiLvlStrCache();
    EXPECT_EQ(categories.GetMultiLvlStrRef()->GetF(), u"Sheet1!$A$2:$B$3");
    EXPECT_EQ(levels.GetPtCount()->GetVal(), 2);
    ASSERT_EQ(levels.GetLvls().Count(), 2);
    EXPECT_EQ(StringPoints(levels.GetLvls().GetItem(0).GetPts()),
              (std::vector<TPointText>{{0, "Jan", ""}, {1, "Feb", ""}}));
    EXPECT_EQ(StringPoints(levels.GetLvls().GetItem(1).GetPts()), (std::vector<TPointText>{{0, "2024", ""}}));
    EXPECT_EQ(StringPoints(categories.GetStrLit()->GetPts()), (std::vector<TPointText>{{0, "only", ""}}));
    EXPECT_EQ(categories.GetNumRef(), nullptr);
    const TCT_NumDataSource& values = *sample.Root().GetVal();
    EXPECT_EQ(NumberPoints(*values.GetNumLit()), (std::vector<TPointText>{{0, "4", ""}}));
    EXPECT_EQ(values.GetNumRef()->GetF(), u"Sheet1!$C$2:$C$3");
    EXPECT_EQ(values.GetNumRef()->GetNumCache(), nullptr);
}

TEST(ChartValues, AnIntegerOrBooleanWithoutValKeepsItsStartValue) {
    struct Case {
        std::string_view body;
        int32_t idx;
        TXpgTriState deleted;
    };
    const Case cases[] = {
        {R"(<c:idx val="7"/><c:delete val="0"/>)", 7, xtsFalse},
        {R"(<c:idx val="abc"/><c:delete val="TRUE"/>)", 0, xtsTrue},
        {R"(<c:idx val="2.5"/><c:delete val="yes"/>)", 0, xtsTrue},
        {R"(<c:idx/><c:delete/>)", UnsetInt, xtsUnset},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        TSample sample;
        sample.Load(c.body);
        EXPECT_EQ(sample.Log, std::vector<std::string>{});
        EXPECT_EQ(sample.Root().GetIdx()->GetVal(), c.idx);
        EXPECT_EQ(sample.Root().GetDelete()->GetVal(), c.deleted);
    }
}

TEST(ChartValues, ADoubleIsReadWithAPointWhateverTheDecimalSeparator) {
    const test_support::TDecimalSeparator comma(u',');
    TSample sample;
    sample.Load(R"(<c:x val="0.25"/>)");
    EXPECT_EQ(sample.Root().GetX()->GetVal(), 0.25);
    sample.Load(R"(<c:x val="0,5"/>)");
    EXPECT_EQ(sample.Root().GetX()->GetVal(), 0.0);

    TSample unset;
    unset.Load(R"(<c:x/>)");
    EXPECT_EQ(std::bit_cast<uint64_t>(unset.Root().GetX()->GetVal()), UnsetDoubleBits);
}

TEST(ChartValues, ANumberFormatKeepsItsCodeAndWhetherItFollowsTheSource) {
    struct Case {
        std::string_view body;
        rtl::UnicodeString formatCode;
        TXpgTriState sourceLinked;
    };
    const Case cases[] = {
        {R"(<c:numFmt formatCode="0.00" sourceLinked="1"/>)", u"0.00", xtsTrue},
        {R"(<c:numFmt formatCode="0.00"/>)", u"0.00", xtsUnset},
        {R"(<c:numFmt sourceLinked="maybe" formatCode="&quot;$&quot;#,##0"/>)", u"\"$\"#,##0", xtsFalse},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        TSample sample;
        sample.Load(c.body);
        EXPECT_EQ(sample.Root().GetNumFmt()->GetFormatCode(), c.formatCode);
        EXPECT_EQ(sample.Root().GetNumFmt()->GetSourceLinked(), c.sourceLinked);
    }
}

TEST(ChartValues, AManualLayoutKeepsItsTargetModesAndFractions) {
    TSample sample;
    sample.Load(R"(<c:layout><c:manualLayout><c:layoutTarget val="INNER"/><c:xMode val="edge"/><c:yMode/>)"
                R"(<c:xMode val="factor"/><c:x val="0.125"/><c:y val="-0.5"/><c:w val="1e-1"/></c:manualLayout>)"
                R"(</c:layout>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TCT_ManualLayout& layout = *sample.Root().GetLayout()->GetManualLayout();
    EXPECT_EQ(layout.GetLayoutTarget()->GetVal(), 0);
    EXPECT_EQ(layout.GetXMode()->GetVal(), 1);
    EXPECT_EQ(layout.GetYMode()->GetVal(), 1);
    EXPECT_EQ(layout.GetWMode(), nullptr);
    EXPECT_EQ((std::vector<double>{layout.GetX()->GetVal(), layout.GetY()->GetVal(), layout.GetW()->GetVal()}),
              (std::vector<double>{0.125, -0.5, 0.1}));
    EXPECT_EQ(layout.GetH(), nullptr);
}

TEST(ChartValues, ALayoutTargetTheTypeLacksIsReportedAndLeavesOuter) {
    TSample sample;
    sample.Load(R"(<c:layout><c:manualLayout><c:layoutTarget val="middle"/></c:manualLayout></c:layout>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Can not find enum \"stltmiddle\""});
    EXPECT_EQ(sample.Root().GetLayout()->GetManualLayout()->GetLayoutTarget()->GetVal(), 1);
}

TEST(ChartValues, ValueElementsCountAsTheirKindsSay) {
    ExpectCounts({{R"(<c:idx/>)", 1}, {R"(<c:idx val="3"/>)", 1}},
                 ReadInto([](TCT_Sample& root) { return root.GetIdx(); }));
    ExpectCounts({{R"(<c:delete/>)", 0}, {R"(<c:delete val="0"/>)", 1}},
                 ReadInto([](TCT_Sample& root) { return root.GetDelete(); }));
    ExpectCounts({{R"(<c:x/>)", 1}}, ReadInto([](TCT_Sample& root) { return root.GetX(); }));
    ExpectCounts({{R"(<c:numFmt formatCode=""/>)", 1}, {R"(<c:numFmt formatCode="0" sourceLinked="0"/>)", 1}},
                 ReadInto([](TCT_Sample& root) { return root.GetNumFmt(); }));
    ExpectCounts({{R"(<c:layout><c:manualLayout><c:layoutTarget val="outer"/></c:manualLayout></c:layout>)", 0},
                  {R"(<c:layout><c:manualLayout><c:layoutTarget val="inner"/></c:manualLayout></c:layout>)", 1},
                  {R"(<c:layout><c:manualLayout><c:xMode val="factor"/><c:yMode val="edge"/><c:x/>)"
                   R"(</c:manualLayout></c:layout>)",
                   2}},
                 ReadInto([](TCT_Sample& root) { return root.GetLayout(); }));
    ExpectCounts({{R"(<c:numCache><c:pt idx="0"/></c:numCache>)", 1},
                  {R"(<c:numCache><c:pt idx="0"><c:v>1</c:v></c:pt></c:numCache>)", 2},
                  {R"(<c:numCache><c:formatCode>General</c:formatCode><c:ptCount/><c:pt idx="0"/><c:pt idx="1"/>)"
                   R"(</c:numCache>)",
                   4}},
                 ReadInto([](TCT_Sample& root) { return root.GetNumCache(); }));
}

TEST(ChartExtensions, AnExtensionKeepsItsUriAndItsElementsWhole) {
    TSample sample;
    sample.Load(R"(<c:extLst><c:ext uri="{C3380CC4}" xmlns:c16="urn:c16"><c16:uniqueId val="{1}">)"
                R"(<c16:inner a="b">lost</c16:inner></c16:uniqueId><c16:other x="y">kept</c16:other></c:ext>)"
                R"(<c:ext xmlns:c16r3="urn:c16r3" uri="{56B9EC1D}"><c16r3:dataDisplayOptions16/></c:ext></c:extLst>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    const TCT_ExtensionXpgList& extensions = sample.Root().GetChartExtLst()->GetExts();
    ASSERT_EQ(extensions.Count(), 2);
    TCT_Extension& first = extensions.GetItem(0);
    EXPECT_EQ(first.GetUri(), u"{C3380CC4}");
    const TXPGAnyElements& kept = first.GetAnyElements();
    ASSERT_EQ(kept.Count(), 2);
    EXPECT_EQ(kept.GetItem(0).GetName(), u"c16:uniqueId");
    EXPECT_EQ(KeptAttributes(kept.GetItem(0)), (std::vector<std::string>{"val=\"{1}\"", "a=\"b\""}));
    EXPECT_EQ(kept.GetItem(1).GetName(), u"c16:other");
    EXPECT_EQ(kept.GetItem(1).GetText(), u"kept");
    EXPECT_EQ(KeptAttributes(kept.GetItem(1)), std::vector<std::string>{"x=\"y\""});
    // A namespace declaration before uri leaves uri read.
    EXPECT_EQ(extensions.GetItem(1).GetUri(), u"{56B9EC1D}");
    EXPECT_EQ(extensions.GetItem(1).GetAnyElements().GetItem(0).GetName(), u"c16r3:dataDisplayOptions16");
    EXPECT_EQ(first.CheckAssigned(), 3);
    EXPECT_EQ(sample.Root().GetChartExtLst()->CheckAssigned(), 5);
}

TEST(ChartColorMapping, AnOverrideKeepsTheColoursGivenAndClearForgetsThemAll) {
    TSample sample;
    sample.Load(R"(<c:clrMapOvr bg1="lt1" tx1="dk1" folHlink="folHlink"><a:extLst><a:ext uri="{X}"/></a:extLst>)"
                R"(</c:clrMapOvr>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{});
    TCT_ColorMapping& mapping = *sample.Root().GetClrMapOvr();
    const auto colors = [&] {
        return std::vector<int32_t>{mapping.GetBg1(),     mapping.GetTx1(),     mapping.GetBg2(),
                                    mapping.GetTx2(),     mapping.GetAccent1(), mapping.GetAccent2(),
                                    mapping.GetAccent3(), mapping.GetAccent4(), mapping.GetAccent5(),
                                    mapping.GetAccent6(), mapping.GetHlink(),   mapping.GetFolHlink()};
    };
    EXPECT_EQ(colors(), (std::vector<int32_t>{1, 0, -1, -1, -1, -1, -1, -1, -1, -1, -1, 11}));
    EXPECT_EQ(mapping.CheckAssigned(), 2);
    mapping.Clear();
    EXPECT_EQ(colors(), std::vector<int32_t>(12, -1));
    EXPECT_EQ(mapping.GetExtLst(), nullptr);
    EXPECT_EQ(mapping.Flags(), 0);
    // The mapping's attributes are required: they count as one even when none is given.
    EXPECT_EQ(mapping.CheckAssigned(), 1);
}

TEST(ChartColorMapping, AColourTheTypeLacksIsReportedAndTheOthersAreRead) {
    TSample sample;
    sample.Load(R"(<c:clrMapOvr bg1="bg1" accent1="accent2"/>)");
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Can not find enum \"stcsibg1\""});
    EXPECT_EQ(sample.Root().GetClrMapOvr()->GetBg1(), UnsetEnum);
    EXPECT_EQ(sample.Root().GetClrMapOvr()->GetAccent1(), 5);
}

} // namespace
} // namespace xls::drawing_test
