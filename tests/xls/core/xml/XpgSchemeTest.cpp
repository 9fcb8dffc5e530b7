#include "xls/core/xml/XpgScheme.h"

#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "tests/xls/core/xml/xpgSchemeSample.h"
#include "xls/core/base/XLSReadLimits.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls::xpgSchemeSample {
namespace {

constexpr std::string_view MainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr std::string_view RelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr std::string_view DrawingNs = "http://schemas.openxmlformats.org/drawingml/2006/main";

using test_support::Utf8;

// Replaces MAIN, REL and DML by the namespaces they stand for, so that the test documents stay short.
std::string Expand(std::string xml) {
    for (const auto& [name, uri] : {std::pair{"MAIN", MainNs}, {"REL", RelNs}, {"DML", DrawingNs}}) {
        for (size_t at = xml.find(name); at != std::string::npos; at = xml.find(name, at)) {
            xml.replace(at, std::string_view(name).size(), uri);
        }
    }
    return xml;
}

// A sample document that logs its reports (or, without a handler, raises them) and the rows and cells it streams.
class Sample {
public:
    explicit Sample(bool handler = true) {
        if (handler) {
            Doc.Errors().SetErrorHandler([this](TXpgPErrors& errors) { Log.push_back(Utf8(errors.Message())); });
        }
        TCT_SheetData& sheetData = Doc.GetWorksheet().GetSheetData();
        sheetData.SetOnRow([this](TCT_Row& row) { Log.push_back(RowText(row)); });
        sheetData.GetRow().SetOnCell([this, &sheetData](TCT_Cell& cell) {
            Log.push_back(CellText(cell) + " in row " + std::to_string(sheetData.GetRow().GetR()));
        });
    }

    void Load(std::string_view xml) {
        rtl::TStringStream stream(Expand(std::string(xml)));
        Doc.LoadFromStream(stream);
    }

    static std::string RowText(const TCT_Row& row) {
        return "row " + std::to_string(row.GetR()) + " ht " + std::to_string(row.GetHt()).substr(0, 4) + " spans " +
               Utf8(row.GetSpans().GetDelimitedText());
    }

    static std::string CellText(const TCT_Cell& cell) {
        std::string text = Utf8(cell.GetR()) + " s" + std::to_string(cell.GetS()) + " t" + std::to_string(cell.GetT()) +
                           " v=" + Utf8(cell.GetV());
        if (cell.HasFormula()) {
            const TCT_CellFormula& formula = cell.GetFormula();
            text += " f=" + Utf8(formula.GetText()) + " ft" + std::to_string(formula.GetT()) + " si" +
                    std::to_string(formula.GetSi()) + " ref=" + Utf8(formula.GetRef());
        }
        if (cell.GetInlineString() != nullptr) {
            text += " is=" + Utf8(cell.GetInlineString()->GetT());
        }
        return text;
    }

    TXPGDocSample Doc;
    std::vector<std::string> Log;
};

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const rtl::Exception& error) {
        return Utf8(error.Message());
    }
    return "no exception";
}

TEST(XpgScheme, StreamsEachCellThenItsRowWithDefaultsRestoredBetweenThem) {
    Sample sample;
    sample.Load(R"(<worksheet><sheetData>
        <row r="1" spans="1:3" ht="15.5">
          <c r="A1" t="s"><v>0</v></c>
          <c r="B1" s="2"><f t="shared" si="0" ref="B1:B2">A1*2</f><v>4</v></c>
          <c r="C1" t="INLINESTR"><is><t>x</t></is></c>
        </row>
        <row r="2"><c r="A2"/></row>
        <row r="3"/>
      </sheetData></worksheet>)");
    const std::vector<std::string> expected = {
        "A1 s0 t4 v=0 in row 1",     "B1 s2 t1 v=4 f=A1*2 ft3 si0 ref=B1:B2 in row 1",
        "C1 s0 t6 v= is=x in row 1", "row 1 ht 15.5 spans 1:3",
        "A2 s0 t1 v= in row 2",      "row 2 ht 0.00 spans ",
        "row 3 ht 0.00 spans ",
    };
    EXPECT_EQ(sample.Log, expected);
}

TEST(XpgScheme, SkipsAnUnknownElementWithEverythingInside) {
    Sample sample;
    sample.Load(R"(<worksheet><sheetData><row r="3">
        <c r="A3" s="2" zz="1" xmlns:x="urn:x"><foo r="Z9" s="7"><v>9</v><c r="Q1"/></foo><v>1</v></c>
      </row><wor r="4"/></sheetData><bar><drawing r:id="rId9"/></bar><drawing r:id="rId1"/></worksheet>)");
    const std::vector<std::string> expected = {
        "Row 0: Unknown Attribute \"zz\"", "Row 0: Unknown Element \"foo\"",
        "A3 s2 t1 v=1 in row 3",           "row 3 ht 0.00 spans ",
        "Row 0: Unknown Element \"wor\"",  "Row 0: Unknown Element \"bar\"",
    };
    EXPECT_EQ(sample.Log, expected);
    EXPECT_EQ(sample.Doc.GetWorksheet().GetDrawing().GetId(), u"rId1");
}

TEST(XpgScheme, AnUnknownElementWithoutAHandlerEndsTheReadAndTheNextReadStartsAfresh) {
    Sample sample(false);
    EXPECT_EQ(ErrorOf([&] { sample.Load(R"(<worksheet><sheetData><x:foo/></sheetData></worksheet>)"); }),
              "Row 0: Unknown Element \"x:foo\"");
    sample.Load(R"(</worksheet><worksheet><drawing zz="1" r:id="rId4"/></worksheet>)");
    EXPECT_EQ(sample.Doc.GetWorksheet().GetDrawing().GetId(), u"rId4");
}

// Summarises what the namespace cases read.
std::string Summary(Sample& sample) {
    std::string text;
    TCT_Worksheet& worksheet = sample.Doc.GetWorksheet();
    if (worksheet.Assigned()) {
        text += "worksheet drawing=" + Utf8(worksheet.GetDrawing().GetId());
        for (int32_t i = 0; i < worksheet.GetSheetViews().GetSheetView().Count(); ++i) {
            text += " zoom=" + std::to_string(worksheet.GetSheetViews().GetSheetView().GetItem(i).GetZoomScale());
        }
    }
    TEG_FillProperties& fill = sample.Doc.GetShapeProperties().GetFill();
    if (fill.GetSolidFill() != nullptr) {
        TEG_ColorChoice& color = fill.GetSolidFill()->GetColor();
        text += color.GetSrgbClr() != nullptr ? "srgb=" + std::to_string(color.GetSrgbClr()->GetVal()) : "";
        text += color.GetSchemeClr() != nullptr ? "scheme=" + std::to_string(color.GetSchemeClr()->GetVal()) : "";
    }
    for (const std::string& report : sample.Log) {
        text += " | " + report;
    }
    return text;
}

TEST(XpgScheme, MatchesNamesByTheirNamespaceNotByThePrefixWritten) {
    struct Case {
        const char* xml;
        const char* expected;
    };
    const Case cases[] = {
        {R"(<worksheet xmlns="MAIN" xmlns:r="REL"><drawing r:id="rId1"/></worksheet>)", "worksheet drawing=rId1"},
        {R"(<x:worksheet xmlns:x="MAIN"><x:drawing xmlns:q="REL" q:id="rId7"/></x:worksheet>)",
         "worksheet drawing=rId7"},
        {R"(<s:worksheet xmlns:s="http://purl.oclc.org/ooxml/spreadsheetml/main"><s:drawing r:id="rId2"/></s:worksheet>)",
         "worksheet drawing=rId2"},
        {R"(<a:spPr xmlns:a="DML"><a:solidFill><a:srgbClr val="00FF00"/></a:solidFill></a:spPr>)", "srgb=65280"},
        {R"(<d:spPr xmlns:d="DML"><d:solidFill><d:srgbClr val="0000FF"/></d:solidFill></d:spPr>)", "srgb=255"},
        {R"(<spPr xmlns="DML"><solidFill><schemeClr val="accent1"/></solidFill></spPr>)", "scheme=4"},
        {R"(<worksheet><sheetViews xmlns:x="MAIN"><x:sheetView zoomScale="50"/></sheetViews><x:cols/></worksheet>)",
         "worksheet drawing= zoom=50 | Row 0: Unknown Element \"x:cols\""},
        {R"(<worksheet xmlns:a="MAIN"><a:spPr/></worksheet>)",
         "worksheet drawing= | Row 0: Unknown Element \"a:spPr\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml);
        Sample sample;
        sample.Load(c.xml);
        EXPECT_EQ(Summary(sample), c.expected);
    }
}

TEST(XpgScheme, ReadsOneBranchOfAlternateContentInPlaceOfTheBlock) {
    struct Case {
        const char* content;
        const char* expected;
    };
    // x14 is bound to a namespace the unit does not know, a to one it does.
    const Case cases[] = {
        {R"(<mc:AlternateContent><mc:Choice Requires="x14"><drawing r:id="rId1"/></mc:Choice>)"
         R"(<mc:Fallback><drawing r:id="rId2"/></mc:Fallback></mc:AlternateContent>)",
         "worksheet drawing=rId2"},
        {R"(<mc:AlternateContent><mc:Choice Requires="a"><drawing r:id="rId1"/></mc:Choice>)"
         R"(<mc:Fallback><drawing r:id="rId2"/></mc:Fallback></mc:AlternateContent>)",
         "worksheet drawing=rId1"},
        {R"(<mc:AlternateContent><mc:Choice Requires="x14 a"><drawing r:id="rId1"/></mc:Choice>)"
         R"(<mc:Choice Requires=" a  r "><drawing r:id="rId3"/></mc:Choice><mc:Choice Requires="a">)"
         R"(<drawing r:id="rId4"/></mc:Choice><mc:Fallback><drawing r:id="rId2"/></mc:Fallback></mc:AlternateContent>)",
         "worksheet drawing=rId3"},
        {R"(<mc:AlternateContent><mc:Choice Requires="undeclared"><drawing r:id="rId1"/></mc:Choice>)"
         R"(</mc:AlternateContent><drawing r:id="rId5"/>)",
         "worksheet drawing=rId5"},
        {R"(<sheetViews><mc:AlternateContent><mc:Choice Requires="x14"><sheetView zoomScale="10"/></mc:Choice>)"
         R"(<mc:Fallback><sheetView zoomScale="20"/><sheetView zoomScale="30"/></mc:Fallback></mc:AlternateContent>)"
         R"(<sheetView zoomScale="40"/></sheetViews>)",
         "worksheet drawing= zoom=20 zoom=30 zoom=40"},
        {R"(<m:AlternateContent xmlns:m="http://schemas.openxmlformats.org/markup-compatibility/2006">)"
         R"(<m:Choice xmlns:d="DML" Requires="d"><drawing r:id="rId6"/></m:Choice></m:AlternateContent>)",
         "worksheet drawing=rId6"},
        {R"(<mc:AlternateContent><mc:Fallback><mc:AlternateContent><mc:Choice Requires="x14">)"
         R"(<drawing r:id="rId1"/></mc:Choice><mc:Fallback><drawing r:id="rId7"/></mc:Fallback>)"
         R"(</mc:AlternateContent></mc:Fallback><mc:Fallback><drawing r:id="rId2"/></mc:Fallback>)"
         R"(</mc:AlternateContent>)",
         "worksheet drawing=rId7"},
        {R"(<mc:AlternateContent><drawing r:id="rId1"/><mc:Fallback><foo/><drawing r:id="rId8"/></mc:Fallback>)"
         R"(</mc:AlternateContent>)",
         "worksheet drawing=rId8 | Row 0: Unknown Element \"drawing\" | Row 0: Unknown Element \"foo\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        Sample sample;
        sample.Load(R"(<worksheet xmlns="MAIN" xmlns:r="REL" xmlns:a="DML" xmlns:x14="urn:x14")"
                    R"( xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006">)" +
                    std::string(c.content) + "</worksheet>");
        EXPECT_EQ(Summary(sample), c.expected);
    }
}

TEST(XpgScheme, ConvertsAttributesByTheirTypesAndKeepsDefaultsForAbsentOnes) {
    struct Case {
        const char* xml;
        const char* expected;
    };
    const Case cases[] = {
        {R"(<sheetView/>)", "grid 1 selected 0 zoom 100 view 0 workbook 0"},
        {R"(<sheetView showGridLines="0" tabSelected="TRUE" zoomScale="85" view="PAGELAYOUT" workbookViewId="2"/>)",
         "grid 0 selected 1 zoom 85 view 2 workbook 2"},
        {R"(<sheetView showGridLines="maybe" tabSelected="1" zoomScale="x" view="pageBreakPreview"/>)",
         "grid 1 selected 1 zoom 0 view 1 workbook 0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml);
        Sample sample;
        sample.Load("<worksheet><sheetViews>" + std::string(c.xml) + "</sheetViews></worksheet>");
        const TCT_SheetView& view = sample.Doc.GetWorksheet().GetSheetViews().GetSheetView().GetItem(0);
        const std::string text = "grid " + std::to_string(view.GetShowGridLines()) + " selected " +
                                 std::to_string(view.GetTabSelected()) + " zoom " +
                                 std::to_string(view.GetZoomScale()) + " view " + std::to_string(view.GetView()) +
                                 " workbook " + std::to_string(view.GetWorkbookViewId());
        EXPECT_EQ(text, c.expected);
    }

    Sample sample;
    sample.Load(R"(<worksheet><cols><col min="2" max="4" width="12.5" style="3" hidden="1" customWidth="true"/>
                   <col min="9"/></cols></worksheet>)");
    const TCT_ColXpgList& cols = sample.Doc.GetWorksheet().GetCols().GetCol();
    ASSERT_EQ(cols.Count(), 2);
    const TCT_Col& col = cols.GetItem(0);
    EXPECT_EQ(col.GetMin(), 2);
    EXPECT_EQ(col.GetMax(), 4);
    EXPECT_EQ(col.GetWidth(), 12.5);
    EXPECT_EQ(col.GetStyle(), 3);
    EXPECT_TRUE(col.GetHidden());
    EXPECT_TRUE(col.GetCustomWidth());
    EXPECT_EQ(cols.GetItem(1).GetMin(), 9);
    EXPECT_EQ(cols.GetItem(1).GetWidth(), 0);
    EXPECT_THROW(cols.GetItem(2), rtl::EListError);
}

TEST(XpgScheme, ReadsHexadecimalValuesAsThirtyTwoBitPatterns) {
    struct Case {
        const char* value;
        int32_t expected;
    };
    const Case cases[] = {
        {"FF0000", 16711680}, {"ffffffff", -1}, {"", 0}, {"GG", 0}, {"123456789", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        Sample sample;
        sample.Load(std::string(R"(<a:spPr><a:solidFill><a:srgbClr val=")") + c.value +
                    R"("/></a:solidFill></a:spPr>)");
        EXPECT_EQ(sample.Doc.GetShapeProperties().GetFill().GetSolidFill()->GetColor().GetSrgbClr()->GetVal(),
                  c.expected);
    }
}

TEST(XpgScheme, AnEnumerationValueMissingFromItsTypeRaisesWhereTheUnitSaysSo) {
    Sample sample;
    EXPECT_EQ(ErrorOf([&] { sample.Load(R"(<worksheet><sheetData><row><c t="num"/></row></sheetData></worksheet>)"); }),
              "Can not find enum \"stctnum\"");
}

TEST(XpgScheme, TellsApartNamesWhoseByteSumsCollide) {
    Sample sample;
    sample.Load(R"(<c:chart><c:floor><c:spPr><a:blipFill dpi="96"><a:tile tx="10" sy="20" flip="XY" algn="ctr"/>
                     </a:blipFill></c:spPr></c:floor><c:title><c:overlay val="0"/></c:title><c:autoTitleDeleted/>
                   </c:chart>)");
    TCT_Chart& chart = sample.Doc.GetChart();
    EXPECT_TRUE(chart.GetTitle().Assigned());
    EXPECT_FALSE(chart.GetTitle().GetOverlay().GetVal());
    EXPECT_TRUE(chart.GetAutoTitleDeleted().Assigned());
    EXPECT_TRUE(chart.GetAutoTitleDeleted().GetVal());
    const TCT_BlipFillProperties* blipFill = chart.GetFloor().GetShapeProperties().GetFill().GetBlipFill();
    ASSERT_NE(blipFill, nullptr);
    EXPECT_EQ(blipFill->GetDpi(), 96);
    const TCT_TileInfoProperties* tile = blipFill->GetFillMode().GetTile();
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->GetTx(), 10);
    EXPECT_EQ(tile->GetTy(), 0);
    EXPECT_EQ(tile->GetSx(), 0);
    EXPECT_EQ(tile->GetSy(), 20);
    EXPECT_EQ(tile->GetFlip(), TST_TileFlipMode::xy);
    EXPECT_EQ(tile->GetAlgn(), TST_RectAlignment::ctr);
    EXPECT_EQ(blipFill->GetFillMode().GetStretch(), nullptr);
    EXPECT_TRUE(sample.Log.empty());
}

TEST(XpgScheme, AClassWithOneAttributeReadsEveryAttributeOfItsTag) {
    Sample sample;
    sample.Load(R"(<worksheet><drawing xmlns:r="REL" foo="x" r:id="rId3"/></worksheet>)");
    EXPECT_EQ(sample.Doc.GetWorksheet().GetDrawing().GetId(), u"rId3");
    EXPECT_EQ(sample.Log, std::vector<std::string>{"Row 0: Unknown Attribute \"foo\""});
}

TEST(XpgScheme, OffersChildrenToEachGroupAndPassesSilentlyOverChildrenOfAClassWithout) {
    Sample sample;
    sample.Load(R"(<a:spPr><a:effectLst><a:glow rad="1"><a:srgbClr val="FF0000"/></a:glow></a:effectLst>
                   <a:solidFill><a:srgbClr val="00FF00"/></a:solidFill></a:spPr>)");
    TEG_FillProperties& fill = sample.Doc.GetShapeProperties().GetFill();
    EXPECT_NE(sample.Doc.GetShapeProperties().GetEffect().GetEffectList(), nullptr);
    ASSERT_NE(fill.GetSolidFill(), nullptr);
    EXPECT_EQ(fill.GetSolidFill()->GetColor().GetSrgbClr()->GetVal(), 0x00FF00);
    EXPECT_EQ(fill.GetBlipFill(), nullptr);
    EXPECT_EQ(fill.GetNoFill(), nullptr);
    EXPECT_TRUE(sample.Log.empty());
}

TEST(XpgScheme, KeepsTheDocumentElementsAttributesAndTellsWhichElementOccurred) {
    Sample sample;
    sample.Load(R"(<worksheet xmlns="MAIN" xmlns:r="REL" note="a&amp;b"><sheetViews><sheetView/></sheetViews>
                   </worksheet>)");
    const TStringXpgList& attributes = sample.Doc.GetRoot().GetAttributes();
    ASSERT_EQ(attributes.GetCount(), 3);
    EXPECT_EQ(Utf8(attributes.GetItem(0)), "xmlns=\"" + std::string(MainNs) + "\"");
    EXPECT_EQ(Utf8(attributes.GetItem(2)), "note=\"a&b\"");
    EXPECT_TRUE(sample.Doc.GetWorksheet().Assigned());
    EXPECT_FALSE(sample.Doc.GetChart().Assigned());
    EXPECT_FALSE(sample.Doc.GetWorksheet().GetCols().Assigned());
    EXPECT_TRUE(sample.Log.empty());
}

TEST(XpgScheme, CheckAssignedCountsWhatDiffersFromTheDefaults) {
    struct Case {
        const char* xml;
        int32_t count;
        uint8_t flags;
    };
    const Case cases[] = {
        {"<sheetView/>", 0, 0},
        {R"(<sheetView zoomScale="50" tabSelected="1" showGridLines="1"/>)", 2, xpgAttributesAssigned},
        {R"(<sheetView showGridLines="0"/>)", 1, xpgAttributesAssigned},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml);
        Sample sample;
        sample.Load("<worksheet><sheetViews>" + std::string(c.xml) + "</sheetViews></worksheet>");
        TCT_Worksheet& worksheet = sample.Doc.GetWorksheet();
        TCT_SheetView& view = worksheet.GetSheetViews().GetSheetView().GetItem(0);
        EXPECT_EQ(view.CheckAssigned(), c.count);
        EXPECT_EQ(view.Flags(), c.flags);
        // The sheet data, which streams its rows, always counts one.
        EXPECT_EQ(worksheet.CheckAssigned(), c.count + 1);
        EXPECT_EQ(worksheet.Flags(), xpgChildrenAssigned);
    }
}

std::string Repeat(std::string_view text, int count) {
    std::string result;
    for (int i = 0; i < count; ++i) {
        result += text;
    }
    return result;
}

TEST(XpgScheme, LimitsTheNestingOfElementsItKeepsButNotOfThoseItSkips) {
    Sample deep;
    const std::string cell = "<worksheet><sheetData><row><c>";
    EXPECT_EQ(ErrorOf([&] { deep.Load(cell + Repeat("<v>", XpgMaxElementDepth)); }),
              "Syntax error in XML: elements nested deeper than 1024");

    Sample skipped;
    skipped.Load("<worksheet><foo>" + Repeat("<x>", 5000) + Repeat("</x>", 5000) +
                 R"(</foo><drawing r:id="rId5"/></worksheet>)");
    EXPECT_EQ(skipped.Doc.GetWorksheet().GetDrawing().GetId(), u"rId5");
}

TEST(XpgScheme, WritesKeptAttributesEscapedAgain) {
    struct Case {
        rtl::UnicodeStringView kept;
        std::string_view expected;
    };
    const Case cases[] = {
        {u"xmlns=\"urn:x\"", "<e xmlns=\"urn:x\" />\r"},
        {u"xmlns:r=\"urn:r\" ", "<e xmlns:r=\"urn:r\" />\r"},
        {u"note=\"a&\"b<\"", "<e note=\"a&amp;&quot;b&lt;\" />\r"},
        {u"checked", "<e checked />\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf8(c.kept));
        rtl::TStringStream stream;
        TXpgWriteXML writer;
        writer.SetStream(stream);
        const size_t declaration = stream.DataString().size();
        XpgWriteKeptAttribute(writer, c.kept);
        writer.EmptyTag(u"e");
        EXPECT_EQ(stream.DataString().substr(declaration), c.expected);
    }
}

TEST(XpgScheme, FindsEnumerationValuesInAnyLetterCase) {
    const TXpgEnumType& cellType = Enums().ST_CellType;
    EXPECT_EQ(cellType.Find(u"INLINESTR"), 6);
    EXPECT_EQ(cellType.Find(u"b"), 0);
    EXPECT_EQ(cellType.Find(u"num"), -1);
    EXPECT_EQ(cellType.Find(u""), -1);
    // Values too long for the lookup's short road take the long one.
    EXPECT_EQ(cellType.Find(rtl::UnicodeString(100, u's')), -1);
    EXPECT_EQ(cellType.Find(u"inlineStr" + rtl::UnicodeString(100, u' ')), -1);
    EXPECT_EQ(cellType.Name(5), u"str");
    EXPECT_EQ(cellType.Name(7), u"");
    EXPECT_EQ(cellType.Name(-1), u"");
}

} // namespace
} // namespace xls::xpgSchemeSample
