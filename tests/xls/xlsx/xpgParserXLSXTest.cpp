#include "xls/xlsx/xpgParserXLSX.h"

#include "rtl/io/Streams.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "tests/xls/xlsx/xpgParserXLSXTestSupport.h"

#include <bit>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls::xpgParserXLSX {
namespace {

constexpr std::string_view MainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

using test_support::Utf8;

// A document that logs its reports, the string items and the rows and cells it streams.
class Part : public xlsx_test::TLoggedDocument<TXPGDocXLSX> {
public:
    Part() {
        Doc.GetRoot().GetSst().SetOnStringItem([this](TCT_Rst& item) { Log.push_back("si " + ItemText(item)); });
        TCT_SheetData& sheetData = Doc.GetWorksheet().GetSheetData();
        sheetData.SetOnRow([this](TCT_Row& row) { Log.push_back(RowText(row)); });
        sheetData.GetRow().SetOnCell([this, &sheetData](TCT_Cell& cell) {
            Log.push_back(CellText(cell) + " in row " + std::to_string(sheetData.GetRow().GetR()));
        });
    }

    // The plain text and each run's text, in brackets.
    static std::string ItemText(const TCT_Rst& item) {
        std::string text = "'" + Utf8(item.GetT()) + "'";
        for (int32_t i = 0; i < item.GetR().Count(); ++i) {
            text += "[" + Utf8(item.GetR().GetItem(i).GetT()) + "]";
        }
        return text;
    }

    static std::string RowText(const TCT_Row& row) {
        return "row " + std::to_string(row.GetR()) + " ht " + std::to_string(row.GetHt()).substr(0, 4);
    }

    static std::string CellText(const TCT_Cell& cell) {
        std::string text = Utf8(cell.GetR()) + " t" + std::to_string(cell.GetT()) + " v=" + Utf8(cell.GetV());
        if (cell.GetF().Assigned()) {
            const TCT_CellFormula& formula = cell.GetF();
            text += " f=" + Utf8(formula.GetText()) + " ft" + std::to_string(formula.GetT()) + " si" +
                    std::to_string(formula.GetSi());
        }
        if (cell.GetIs().Assigned()) {
            text += " is=" + ItemText(cell.GetIs());
        }
        return text;
    }
};

TEST(xpgParserXLSX, FindsEnumerationValuesByTheirNamesInAnyLetterCase) {
    const TEnums& enums = Enums();
    const struct {
        const TXpgEnumType& type;
        std::u16string_view value;
        int32_t ordinal;
    } cases[] = {
        {enums.ST_CellType, u"inlineStr", TST_CellType::InlineStr},
        {enums.ST_CellType, u"INLINESTR", 6},
        {enums.ST_CellType, u"b", 0},
        {enums.ST_CellType, u"num", -1},
        {enums.ST_UnderlineValues, u"doubleAccounting", TST_UnderlineValues::DoubleAccounting},
        {enums.ST_TableStyleType, u"pageFieldValues", 27},
        {enums.ST_IconSetType, u"5Quarters", 16},
        {enums.ST_DynamicFilterType, u"M12", 34},
        {enums.ST_TargetScreenSize, u"1920x1200", 10},
        {enums.ST_DvAspect, u"DVASPECT_ICON", 1},
        {enums.ST_TotalsRowFunction, u"custom", 9},
        {enums.ST_XmlDataType, u"anyType", 44},
        {enums.ST_XmlDataType, u"int", TST_XmlDataType::int_},
        {enums.ST_Orientation, u"landscape", 2},
        {enums.ST_Objects, u"landscape", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.type.Prefix()) + Utf8(c.value));
        EXPECT_EQ(c.type.Find(c.value), c.ordinal);
    }
    // The lookup alone gives the first value for a text the type lacks; attributes report such a text instead.
    EXPECT_EQ(TXPGBase::StrToEnum(enums.ST_PatternType, u"solidish"), 0);
}

TEST(xpgParserXLSX, TheDocumentElementSaysWhichPartIsRead) {
    const struct {
        std::string_view xml;
        bool sst;
        bool worksheet;
        std::string log;
    } cases[] = {
        {R"(<sst xmlns="MAIN" count="2" uniqueCount="1"/>)", true, false, ""},
        {R"(<worksheet xmlns="MAIN"/>)", false, true, ""},
        {R"(<x:sst xmlns:x="MAIN" x:count="2"/>)", true, false, ""},
        {R"(<x:sst xmlns:x="urn:other"/>)", false, false, R"(Row 0: Unknown Element "x:sst")"},
        {R"(<chartsheet xmlns="MAIN"><sheetData/></chartsheet>)", false, false,
         R"(Row 0: Unknown Element "sheetData")"},
        {R"(<macrosheet xmlns="MAIN"><sheetData/></macrosheet>)", false, false,
         R"(Row 0: Unknown Element "macrosheet")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xml);
        Part part;
        part.Load(c.xml);
        auto& root = part.Doc.GetRoot();
        EXPECT_EQ(root.GetSst().Assigned(), c.sst);
        EXPECT_EQ(root.GetWorksheet().Assigned(), c.worksheet);
        EXPECT_FALSE(root.GetWorksheet().GetSheetData().Assigned());
        EXPECT_EQ(part.Joined(), c.log);
    }
}

TEST(xpgParserXLSX, KeepsTheDocumentElementsOtherAttributesInTheirOrder) {
    Part part;
    part.Load(R"(<sst xmlns="MAIN" count="3" xmlns:mc="urn:mc" mc:Ignorable="x14ac" uniqueCount="2"/>)");
    const TCT_Sst& sst = part.Doc.GetRoot().GetSst();
    EXPECT_EQ(sst.GetCount(), 3);
    EXPECT_EQ(sst.GetUniqueCount(), 2);
    const TStringXpgList& kept = part.Doc.GetRoot().GetAttributes();
    std::vector<std::string> texts;
    for (int32_t i = 0; i < kept.GetCount(); ++i) {
        texts.push_back(Utf8(kept.GetItem(i)));
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"xmlns=\"" + std::string(MainNs) + "\"", "xmlns:mc=\"urn:mc\"",
                                               "mc:Ignorable=\"x14ac\""}));
    EXPECT_EQ(part.Joined(), R"(Row 0: Unknown Attribute "mc:Ignorable")");
}

TEST(xpgParserXLSX, HandsOutEachStringItemAsItEnds) {
    const struct {
        std::string_view items;
        std::string log;
    } cases[] = {
        {"<si><t>a</t></si><si><t>b</t></si><si><t>c</t></si><extLst><ext uri=\"u\"/></extLst>",
         "si 'a'|si 'b'|si 'c'"},
        {R"(<si><t xml:space="preserve">  two  blanks </t></si>)", "si '  two  blanks '"},
        {"<si><r><t>Ab</t></r><r><t>c</t></r></si><si><t>plain</t></si>", "si ''[Ab][c]|si 'plain'"},
        {"<si><t>x</t><rPh sb=\"0\" eb=\"1\"><t>y</t></rPh><phoneticPr fontId=\"1\"/></si>", "si 'x'"},
        {"<si><t>a &amp; b</t><i/></si>", R"(Row 0: Unknown Element "i"|si 'a & b')"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.items);
        Part part;
        part.Load(R"(<sst xmlns="MAIN">)" + std::string(c.items) + "</sst>");
        EXPECT_EQ(part.Joined(), c.log);
    }
}

TEST(xpgParserXLSX, ReadsTheFontPropertiesOfARunAsAnElementWithoutValMeansThem) {
    const struct {
        std::string_view properties;
        bool bold;
        uint8_t underline;
        double size;
        std::string log;
    } cases[] = {
        {"<b/><sz val=\"11.5\"/>", true, TST_UnderlineValues::None, 11.5, ""},
        {"<b val=\"0\"/>", false, TST_UnderlineValues::None, 0, ""},
        {"<b val=\"yes\"/>", true, TST_UnderlineValues::None, 0, ""},
        {"<b val=\"false\"/><b/>", true, TST_UnderlineValues::None, 0, ""},
        {"<u/>", false, TST_UnderlineValues::Single, 0, ""},
        {"<u val=\"double\"/>", false, TST_UnderlineValues::Double, 0, ""},
        // An underline of a kind the schema lacks is an underline all the same.
        {"<u val=\"wavy\"/>", false, TST_UnderlineValues::Single, 0, R"(Row 0: Unknown Attribute "val="wavy"")"},
        {"<sz val=\"11,5\"/>", false, TST_UnderlineValues::None, 0, ""},
    };
    // Numbers are read as XML writes them, whatever the user's decimal separator.
    rtl::TFormatSettings& settings = rtl::FormatSettings();
    const char16_t separator = settings.DecimalSeparator;
    settings.DecimalSeparator = u',';
    for (const auto& c : cases) {
        SCOPED_TRACE(c.properties);
        Part part;
        TCT_RPrElt* properties = nullptr;
        part.Doc.GetRoot().GetSst().SetOnStringItem([&](TCT_Rst& item) {
            ASSERT_EQ(item.GetR().Count(), 2);
            properties = &item.GetR().GetItem(0).GetRPr();
            EXPECT_EQ(item.GetR().GetItem(0).GetRPr().GetB().GetVal(), c.bold);
            EXPECT_EQ(item.GetR().GetItem(0).GetRPr().GetU().GetVal(), c.underline);
            EXPECT_EQ(item.GetR().GetItem(0).GetRPr().GetSz().GetVal(), c.size);
            EXPECT_FALSE(item.GetR().GetItem(1).GetRPr().Assigned());
            EXPECT_FALSE(item.GetR().GetItem(1).GetRPr().GetB().GetVal());
        });
        part.Load(R"(<sst xmlns="MAIN"><si><r><rPr>)" + std::string(c.properties) +
                  "</rPr><t>Ab</t></r><r><t>c</t></r></si></sst>");
        EXPECT_NE(properties, nullptr);
        EXPECT_EQ(part.Joined(), c.log);
    }
    settings.DecimalSeparator = separator;
}

TEST(xpgParserXLSX, ReadsColoursWithAbsentValuesMarked) {
    const struct {
        std::string_view attributes;
        int32_t indexed;
        int32_t rgb;
        int32_t theme;
        double tint;
    } cases[] = {
        {"", -1, -1, -1, 0},
        {R"(rgb="FF0000")", -1, 0xFF0000, -1, 0},
        {R"(rgb="FFFFFFFF")", -1, -1, -1, 0},
        {R"(rgb="FF00800080")", -1, 0, -1, 0},
        {R"(theme="1" tint="-0.25")", -1, -1, 1, -0.25},
        {R"(indexed="64")", 64, -1, -1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.attributes);
        Part part;
        part.Doc.GetRoot().GetSst().SetOnStringItem([&](TCT_Rst& item) {
            const TCT_Color& color = item.GetR().GetItem(0).GetRPr().GetColor();
            EXPECT_TRUE(color.Assigned());
            EXPECT_EQ(color.GetIndexed(), c.indexed);
            EXPECT_EQ(color.GetRgb(), c.rgb);
            EXPECT_EQ(color.GetTheme(), c.theme);
            EXPECT_EQ(color.GetTint(), c.tint);
        });
        part.Load(R"(<sst xmlns="MAIN"><si><r><rPr><color )" + std::string(c.attributes) +
                  "/></rPr><t>x</t></r></si></sst>");
    }
}

TEST(xpgParserXLSX, StartsEachStringItemEmpty) {
    Part part;
    std::vector<std::string> seen;
    part.Doc.GetRoot().GetSst().SetOnStringItem([&](TCT_Rst& item) {
        const TCT_PhoneticPr& phonetic = item.GetPhoneticPr();
        seen.push_back(std::to_string(item.GetR().Count()) + " runs " + std::to_string(item.GetRPh().Count()) +
                       " readings font " + std::to_string(phonetic.GetFontId()) + " type " +
                       std::to_string(phonetic.GetType()) + " alignment " + std::to_string(phonetic.GetAlignment()));
    });
    part.Load(R"(<sst xmlns="MAIN"><si><r><t>a</t></r><rPh sb="0" eb="1"><t>b</t></rPh>)"
              R"(<phoneticPr fontId="2" type="hiragana" alignment="center"/></si>)"
              R"(<si><t>c</t><phoneticPr fontId="3"/></si><si><t>d</t></si></sst>)");
    EXPECT_EQ(seen, (std::vector<std::string>{"1 runs 1 readings font 2 type 2 alignment 2",
                                              "0 runs 0 readings font 3 type 1 alignment 1",
                                              "0 runs 0 readings font -1 type 1 alignment 1"}));
}

TEST(xpgParserXLSX, AbsorbsExtensionsAndReportsOtherChildrenOfTheirList) {
    Part part;
    std::vector<std::string> uris;
    part.Load(R"(<sst xmlns="MAIN"><extLst><ext uri="{A}"><x:deep xmlns:x="urn:x" uri="no"><y/></x:deep></ext>)"
              R"(<other/><ext id="1" uri="{B}"/></extLst></sst>)");
    const TCT_ExtensionList& extensions = part.Doc.GetRoot().GetSst().GetExtLst();
    for (int32_t i = 0; i < extensions.GetExt().Count(); ++i) {
        uris.push_back(Utf8(extensions.GetExt().GetItem(i).GetUri()));
    }
    EXPECT_EQ(uris, (std::vector<std::string>{"{A}", "{B}"}));
    EXPECT_EQ(part.Joined(), R"(Row 0: Unknown Element "other"|Row 0: Unknown Attribute "id")");
}

TEST(xpgParserXLSX, StreamsEachCellThenItsRow) {
    const struct {
        std::string_view rows;
        std::string log;
    } cases[] = {
        {R"(<row r="2" ht="20.5"><c r="A2"><v>1</v></c><c r="B2" t="s"><v>0</v></c><c r="C2" t="b"/></row>)",
         "A2 t1 v=1 in row 2|B2 t4 v=0 in row 2|C2 t0 v= in row 2|row 2 ht 20.5"},
        {R"(<row r="1"><c r="A1"><f>SUM(B1:B9)</f><v>3</v></c><c r="A2"><v>4</v></c></row>)",
         "A1 t1 v=3 f=SUM(B1:B9) ft0 si65535 in row 1|A2 t1 v=4 in row 1|row 1 ht 0.00"},
        {R"(<row><c r="A1"><f t="shared" si="0" ref="A1:A3"/><v>5</v></c></row>)",
         "A1 t1 v=5 f= ft3 si0 in row 0|row 0 ht 0.00"},
        {R"(<row r="3"><c r="D3" t="inlineStr"><is><t>x</t></is></c><c r="E3" t="INLINESTR"/></row>)",
         "D3 t6 v= is='x' in row 3|E3 t6 v= in row 3|row 3 ht 0.00"},
        {R"(<row r="4"><cx r="A4"><v>9</v></cx><col/><c r="B4" t="num"><v>1</v></c></row>)",
         R"(Row 0: Unknown Element "cx"|Row 0: Unknown Element "col"|Row 0: Unknown Attribute "t="num""|)"
         "B4 t255 v=1 in row 4|row 4 ht 0.00"},
        {R"(<x:row xmlns:x="MAIN" x:r="5"><x:c x:r="A5"><x:v>7</x:v></x:c></x:row>)",
         "A5 t1 v=7 in row 5|row 5 ht 0.00"},
        {R"(<row r="6"><c r="A6"><v>1</v><extLst><ext uri="{C}"/></extLst></c><extLst/></row>)",
         "A6 t1 v=1 in row 6|row 6 ht 0.00"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows);
        Part part;
        part.Load(R"(<worksheet xmlns="MAIN"><sheetData>)" + std::string(c.rows) + "</sheetData></worksheet>");
        EXPECT_EQ(part.Joined(), c.log);
    }
}

TEST(xpgParserXLSX, ReadsEveryAttributeOfRowsCellsAndFormulas) {
    Part part;
    std::vector<std::string> seen;
    TCT_SheetData& sheetData = part.Doc.GetWorksheet().GetSheetData();
    sheetData.GetRow().SetOnCell([&](TCT_Cell& cell) {
        const TCT_CellFormula& f = cell.GetF();
        seen.push_back(Utf8(cell.GetR()) + " s" + std::to_string(cell.GetS()) + " cm" + std::to_string(cell.GetCm()) +
                       " vm" + std::to_string(cell.GetVm()) + " ph" + std::to_string(cell.GetPh()) + " | " +
                       std::to_string(f.GetT()) + std::to_string(f.GetAca()) + Utf8(f.GetRef()) +
                       std::to_string(f.GetDt2D()) + std::to_string(f.GetDtr()) + std::to_string(f.GetDel1()) +
                       std::to_string(f.GetDel2()) + Utf8(f.GetR1()) + Utf8(f.GetR2()) + std::to_string(f.GetCa()) +
                       std::to_string(f.GetSi()) + std::to_string(f.GetBx()));
    });
    sheetData.SetOnRow([&](TCT_Row& row) {
        seen.push_back(std::to_string(row.GetR()) + " " + Utf8(row.GetSpans().GetDelimitedText()) + " s" +
                       std::to_string(row.GetS()) + " " + std::to_string(row.GetCustomFormat()) +
                       std::to_string(row.GetHidden()) + std::to_string(row.GetCustomHeight()) + " level" +
                       std::to_string(row.GetOutlineLevel()) + " " + std::to_string(row.GetCollapsed()) +
                       std::to_string(row.GetThickTop()) + std::to_string(row.GetThickBot()) +
                       std::to_string(row.GetPh()));
    });
    part.Load(R"(<worksheet xmlns="MAIN"><sheetData>)"
              R"(<row r="7" spans="1:3 5:6" s="2" customFormat="1" hidden="true" customHeight="1" outlineLevel="3")"
              R"( collapsed="1" thickTop="1" thickBot="1" ph="1">)"
              R"(<c r="A7" s="4" cm="1" vm="2" ph="1"><f t="dataTable" aca="1" ref="A7:B8" dt2D="1" dtr="1" del1="1")"
              R"( del2="1" r1="C1" r2="D1" ca="1" si="12" bx="1"/></c>)"
              R"(<c r="B7"/></row></sheetData></worksheet>)");
    EXPECT_EQ(seen, (std::vector<std::string>{"A7 s4 cm1 vm2 ph1 | 21A7:B81111C1D11121",
                                              "B7 s0 cm0 vm0 ph0 | 0000000655350", "7 1:3 5:6 s2 111 level3 1111"}));
    EXPECT_EQ(part.Joined(), "");
}

TEST(xpgParserXLSX, HandsOutEachDefinedNameWithItsOwnAttributesAndFormula) {
    Part part;
    std::vector<std::string> names;
    TCT_Workbook& workbook = part.Doc.GetWorkbook();
    workbook.GetDefinedNames().SetOnDefinedName([&](TCT_DefinedName& name) {
        names.push_back(Utf8(name.GetName()) + " sheet " + std::to_string(name.GetLocalSheetId()) + " hidden " +
                        std::to_string(name.GetHidden()) + " = " + Utf8(name.GetFormula()));
    });
    workbook.SetOnDefinedNames([&](TCT_DefinedNames&) { names.push_back("end"); });
    part.Load(R"(<workbook xmlns="MAIN"><definedNames>)"
              R"(<definedName name="_xlnm.Print_Area" localSheetId="0" hidden="1">Sheet1!$A$1:$B$2</definedName>)"
              R"(<definedName name="Rate">0.05</definedName>)"
              R"(<definedName name="Empty"/>)"
              R"(<definedName name="Inner">A<x name="Other"/>B</definedName>)"
              R"(</definedNames></workbook>)");
    EXPECT_EQ(names, (std::vector<std::string>{"_xlnm.Print_Area sheet 0 hidden 1 = Sheet1!$A$1:$B$2",
                                               "Rate sheet -1 hidden 0 = 0.05",
                                               "Empty sheet -1 hidden 0 = ", "Inner sheet -1 hidden 0 = A", "end"}));
    EXPECT_EQ(part.Joined(), "");
}

TEST(xpgParserXLSX, ReadsTheWorkbooksSettingsWithTheirDefaults) {
    Part part;
    part.Load(
        R"(<workbook xmlns="MAIN" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><workbookPr date1904="1" showObjects="placeholders"/>)"
        R"(<workbookProtection workbookPassword="CC1A" revisionsPassword="XYZ" lockStructure="1"/>)"
        R"(<sheets><sheet name="One" sheetId="1" r:id="rId1"/>)"
        R"(<sheet name="Two" sheetId="3" state="veryHidden" r:id="rId2"/></sheets>)"
        R"(<calcPr/><fileRecoveryPr repairLoad="1"/><fileRecoveryPr/></workbook>)");
    const TCT_Workbook& workbook = part.Doc.GetWorkbook();
    EXPECT_TRUE(workbook.GetWorkbookPr().GetDate1904());
    EXPECT_EQ(workbook.GetWorkbookPr().GetShowObjects(), TST_Objects::Placeholders);
    EXPECT_EQ(workbook.GetWorkbookProtection().GetWorkbookPassword(), 0xCC1A);
    EXPECT_EQ(workbook.GetWorkbookProtection().GetRevisionsPassword(), 0);
    const TCT_SheetXpgList& sheets = workbook.GetSheets().GetSheet();
    ASSERT_EQ(sheets.Count(), 2);
    EXPECT_EQ(Utf8(sheets.GetItem(1).GetName()), "Two");
    EXPECT_EQ(sheets.GetItem(1).GetSheetId(), 3);
    EXPECT_EQ(sheets.GetItem(1).GetState(), TST_SheetState::VeryHidden);
    EXPECT_EQ(Utf8(sheets.GetItem(0).GetId()) + Utf8(sheets.GetItem(1).GetId()), "rId1rId2");
    const TCT_CalcPr& calc = workbook.GetCalcPr();
    EXPECT_TRUE(calc.Assigned());
    EXPECT_EQ(calc.GetCalcId(), 125725);
    EXPECT_EQ(calc.GetCalcMode(), TST_CalcMode::Auto);
    EXPECT_EQ(calc.GetIterateCount(), 100);
    EXPECT_EQ(std::bit_cast<uint64_t>(calc.GetIterateDelta()), 0x3F50624DD2DFFFFEu);
    EXPECT_TRUE(calc.GetFullPrecision());
    ASSERT_EQ(workbook.GetFileRecoveryPr().Count(), 2);
    EXPECT_TRUE(workbook.GetFileRecoveryPr().GetItem(0).GetRepairLoad());
    EXPECT_TRUE(workbook.GetFileRecoveryPr().GetItem(1).GetAutoRecover());
    EXPECT_EQ(workbook.GetWebPublishing().GetTargetScreenSize(), TST_TargetScreenSize::_800x600);
    EXPECT_EQ(part.Joined(), "");
}

// Loads a styles part whose style sheet holds the given children.
const TCT_Stylesheet& LoadStyles(Part& part, std::string_view children) {
    part.Load(R"(<styleSheet xmlns="MAIN">)" + std::string(children) + "</styleSheet>");
    return part.Doc.GetStyleSheet();
}

TEST(xpgParserXLSX, ReadsTheFontsOfTheStyleSheetInOrderWithTheirProperties) {
    const struct {
        std::string_view properties;
        bool boldAssigned;
        bool bold;
        bool underlineAssigned;
        uint8_t underline;
        double size;
    } cases[] = {
        {"", false, false, false, TST_UnderlineValues::None, 0},
        {R"(<b/><sz val="11.5"/>)", true, true, false, TST_UnderlineValues::None, 11.5},
        {R"(<b val="0"/>)", true, false, false, TST_UnderlineValues::None, 0},
        {R"(<b val="true"/><u/>)", true, true, true, TST_UnderlineValues::Single, 0},
        {R"(<u val="doubleAccounting"/><sz val="8"/>)", false, false, true, TST_UnderlineValues::DoubleAccounting, 8},
    };
    rtl::TFormatSettings& settings = rtl::FormatSettings();
    const char16_t separator = settings.DecimalSeparator;
    settings.DecimalSeparator = u',';
    for (const auto& c : cases) {
        SCOPED_TRACE(c.properties);
        Part part;
        const TCT_Fonts& fonts = LoadStyles(part, R"(<fonts count="2"><font><name val="Arial"/>)" +
                                                      std::string(c.properties) + "</font><font/></fonts>")
                                     .GetFonts();
        EXPECT_EQ(fonts.GetCount(), 2);
        ASSERT_EQ(fonts.GetFont().Count(), 2);
        const TCT_Font& font = fonts.GetFont().GetItem(0);
        EXPECT_EQ(Utf8(font.GetName().GetVal()), "Arial");
        EXPECT_EQ(font.GetB().Assigned(), c.boldAssigned);
        EXPECT_EQ(font.GetB().GetVal(), c.bold);
        EXPECT_EQ(font.GetU().Assigned(), c.underlineAssigned);
        EXPECT_EQ(font.GetU().GetVal(), c.underline);
        EXPECT_EQ(font.GetSz().GetVal(), c.size);
        EXPECT_FALSE(fonts.GetFont().GetItem(1).GetB().Assigned());
        EXPECT_EQ(part.Joined(), "");
    }
    settings.DecimalSeparator = separator;
}

TEST(xpgParserXLSX, ReadsCellFormatsWithTheirAlignmentAndProtection) {
    Part part;
    const TCT_Stylesheet& styles = LoadStyles(
        part, R"(<cellXfs count="2"><xf numFmtId="14" fontId="1" applyNumberFormat="1"><alignment wrapText="1"/>)"
              R"(<protection hidden="1"/></xf><xf xfId="3"><alignment horizontal="center" vertical="top"/></xf>)"
              R"(</cellXfs><cellStyleXfs><xf/></cellStyleXfs>)"
              R"(<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>)");
    const TCT_XfXpgList& xfs = styles.GetCellXfs().GetXf();
    ASSERT_EQ(xfs.Count(), 2);
    const TCT_Xf& first = xfs.GetItem(0);
    EXPECT_EQ(first.GetNumFmtId(), 14);
    EXPECT_EQ(first.GetFontId(), 1);
    EXPECT_TRUE(first.GetApplyNumberFormat());
    EXPECT_FALSE(first.GetApplyFont());
    EXPECT_EQ(first.GetAlignment().GetHorizontal(), 255);
    EXPECT_EQ(first.GetAlignment().GetVertical(), 255);
    EXPECT_TRUE(first.GetAlignment().GetWrapText());
    EXPECT_TRUE(first.GetProtection().Assigned());
    EXPECT_TRUE(first.GetProtection().GetLocked());
    EXPECT_TRUE(first.GetProtection().GetHidden());
    const TCT_Xf& second = xfs.GetItem(1);
    EXPECT_EQ(second.GetXfId(), 3);
    EXPECT_EQ(second.GetAlignment().GetHorizontal(), TST_HorizontalAlignment::Center);
    EXPECT_EQ(second.GetAlignment().GetVertical(), TST_VerticalAlignment::Top);
    EXPECT_FALSE(second.GetProtection().Assigned());
    EXPECT_TRUE(second.GetProtection().GetLocked());
    EXPECT_EQ(styles.GetCellStyleXfs().GetXf().Count(), 1);
    ASSERT_EQ(styles.GetCellStyles().GetCellStyle().Count(), 1);
    EXPECT_EQ(Utf8(styles.GetCellStyles().GetCellStyle().GetItem(0).GetName()), "Normal");
    EXPECT_EQ(part.Joined(), "");
}

TEST(xpgParserXLSX, ReadsFillsAndBorders) {
    Part part;
    const TCT_Stylesheet& styles = LoadStyles(
        part,
        R"(<fills><fill><patternFill patternType="solid"><fgColor rgb="FF00FF00"/></patternFill></fill>)"
        R"(<fill><gradientFill type="path" left="0.5"><stop position="0"><color theme="1"/></stop>)"
        R"(<stop position="1"><color indexed="9"/></stop></gradientFill></fill><fill><patternFill/></fill></fills>)"
        R"(<borders count="1"><border diagonalUp="1"><left style="thin"><color auto="1"/></left>)"
        R"(<start style="thick"/><horizontal style="wavy"/><bottom style="double"/></border></borders>)");
    const TCT_FillXpgList& fills = styles.GetFills().GetFill();
    ASSERT_EQ(fills.Count(), 3);
    const TCT_PatternFill& pattern = fills.GetItem(0).GetPatternFill();
    EXPECT_EQ(pattern.GetPatternType(), TST_PatternType::Solid);
    EXPECT_TRUE(pattern.GetFgColor().Assigned());
    EXPECT_EQ(pattern.GetFgColor().GetRgb(), static_cast<int32_t>(0xFF00FF00));
    EXPECT_FALSE(pattern.GetBgColor().Assigned());
    EXPECT_EQ(pattern.GetBgColor().GetRgb(), -1);
    EXPECT_FALSE(fills.GetItem(0).GetGradientFill().Assigned());
    const TCT_GradientFill& gradient = fills.GetItem(1).GetGradientFill();
    EXPECT_EQ(gradient.GetType(), TST_GradientType::Path);
    EXPECT_EQ(gradient.GetLeft(), 0.5);
    ASSERT_EQ(gradient.GetStop().Count(), 2);
    EXPECT_EQ(gradient.GetStop().GetItem(0).GetColor().GetTheme(), 1);
    EXPECT_EQ(gradient.GetStop().GetItem(1).GetPosition(), 1);
    EXPECT_TRUE(gradient.GetStop().GetItem(1).GetColor().Assigned());
    EXPECT_EQ(gradient.GetStop().GetItem(1).GetColor().GetIndexed(), 9);
    EXPECT_EQ(fills.GetItem(2).GetPatternFill().GetPatternType(), 255);

    ASSERT_EQ(styles.GetBorders().GetBorder().Count(), 1);
    const TCT_Border& border = styles.GetBorders().GetBorder().GetItem(0);
    EXPECT_TRUE(border.GetDiagonalUp());
    EXPECT_TRUE(border.GetOutline());
    EXPECT_EQ(border.GetLeft().GetStyle(), TST_BorderStyle::Thin);
    EXPECT_TRUE(border.GetLeft().GetColor().GetAuto());
    EXPECT_EQ(border.GetBottom().GetStyle(), TST_BorderStyle::Double);
    EXPECT_TRUE(border.GetHorizontal().Assigned());
    EXPECT_EQ(border.GetHorizontal().GetStyle(), TST_BorderStyle::None);
    EXPECT_FALSE(border.GetRight().Assigned());
    EXPECT_EQ(part.Joined(), R"(Row 0: Unknown Element "start"|Row 0: Unknown Attribute "style="wavy"")");
}

TEST(xpgParserXLSX, AppendsEveryNumberFormatAndReportsStrangeAttributes) {
    Part part;
    const TCT_Stylesheet& styles = LoadStyles(
        part, R"(<numFmts count="1"><numFmt numFmtId="164" formatCode="0.0%"/></numFmts>)"
              R"(<numFmts size="1" count="1"><numFmt numFmtId="165" formatCode="&quot;x&quot;@" id="2"/></numFmts>)"
              R"(<dxfs count="1"><dxf><font><i/></font><numFmt numFmtId="166" formatCode="0"/>)"
              R"(<fill><patternFill><bgColor rgb="FFFF0000"/></patternFill></fill></dxf></dxfs>)");
    const TCT_NumFmtXpgList& formats = styles.GetNumFmts().GetNumFmt();
    ASSERT_EQ(formats.Count(), 2);
    EXPECT_EQ(formats.GetItem(0).GetNumFmtId(), 164);
    EXPECT_EQ(Utf8(formats.GetItem(0).GetFormatCode()), "0.0%");
    EXPECT_EQ(formats.GetItem(1).GetNumFmtId(), 165);
    EXPECT_EQ(Utf8(formats.GetItem(1).GetFormatCode()), "\"x\"@");
    EXPECT_EQ(styles.GetNumFmts().GetCount(), 1);
    ASSERT_EQ(styles.GetDxfs().GetDxf().Count(), 1);
    const TCT_Dxf& dxf = styles.GetDxfs().GetDxf().GetItem(0);
    EXPECT_TRUE(dxf.GetFont().GetI().GetVal());
    EXPECT_FALSE(dxf.GetFont().GetB().Assigned());
    EXPECT_EQ(dxf.GetNumFmt().GetNumFmtId(), 166);
    EXPECT_EQ(dxf.GetFill().GetPatternFill().GetBgColor().GetRgb(), static_cast<int32_t>(0xFFFF0000));
    EXPECT_FALSE(dxf.GetBorder().Assigned());
    EXPECT_EQ(part.Joined(), R"(Row 0: Unknown Attribute "size"|Row 0: Unknown Attribute "id")");
}

TEST(xpgParserXLSX, ReadsTableStylesAndThePaletteInOrder) {
    std::string palette;
    for (int32_t i = 0; i < 64; ++i) {
        palette += R"(<rgbColor rgb="00)" + std::string(i < 16 ? "0" : "") +
                   rtl::UnicodeToUtf8(rtl::Format(u"%x", {i})) + R"(0000"/>)";
    }
    Part part;
    const TCT_Stylesheet& styles = LoadStyles(
        part, R"(<tableStyles count="1" defaultTableStyle="TableStyleMedium2">)"
              R"(<tableStyle name="Mine" pivot="0" count="2"><tableStyleElement type="headerRow" dxfId="1"/>)"
              R"(<tableStyleElement type="bogus"/></tableStyle></tableStyles><colors><indexedColors>)" +
                  palette + R"(</indexedColors><mruColors><color rgb="FF123456"/></mruColors></colors>)");
    const TCT_TableStyles& tableStyles = styles.GetTableStyles();
    EXPECT_EQ(Utf8(tableStyles.GetDefaultTableStyle()), "TableStyleMedium2");
    ASSERT_EQ(tableStyles.GetTableStyle().Count(), 1);
    const TCT_TableStyle& style = tableStyles.GetTableStyle().GetItem(0);
    EXPECT_FALSE(style.GetPivot());
    EXPECT_TRUE(style.GetTable());
    ASSERT_EQ(style.GetTableStyleElement().Count(), 2);
    EXPECT_EQ(style.GetTableStyleElement().GetItem(0).GetType(), TST_TableStyleType::HeaderRow);
    EXPECT_EQ(style.GetTableStyleElement().GetItem(0).GetSize(), 1);
    EXPECT_EQ(style.GetTableStyleElement().GetItem(0).GetDxfId(), 1);
    EXPECT_EQ(style.GetTableStyleElement().GetItem(1).GetType(), 255);

    const TCT_RgbColorXpgList& indexed = styles.GetColors().GetIndexedColors().GetRgbColor();
    ASSERT_EQ(indexed.Count(), 64);
    for (int32_t i = 0; i < indexed.Count(); ++i) {
        EXPECT_EQ(indexed.GetItem(i).GetRgb(), i << 16);
    }
    ASSERT_EQ(styles.GetColors().GetMruColors().GetColor().Count(), 1);
    EXPECT_EQ(styles.GetColors().GetMruColors().GetColor().GetItem(0).GetRgb(), static_cast<int32_t>(0xFF123456));
    EXPECT_EQ(part.Joined(), R"(Row 0: Unknown Attribute "type="bogus"")");
}

TEST(xpgParserXLSX, HandsOutTheColumnsOfEveryColsElementToTheDocument) {
    Part part;
    std::vector<std::string> columns;
    part.Doc.SetOnCol([&](TCT_Col& col) {
        columns.push_back(std::to_string(col.GetMin()) + "-" + std::to_string(col.GetMax()) + " w" +
                          std::to_string(col.GetWidth()).substr(0, 4) + " s" + std::to_string(col.GetStyle()) +
                          (col.GetHidden() ? " hidden" : ""));
    });
    part.Load(
        R"(<worksheet xmlns="MAIN"><cols><col min="1" max="2" width="9.5" style="3" hidden="1"/>)"
        R"(<col min="3" max="3"/><col max="4" width="2"><x/></col></cols><sheetData/>)"
        R"(<cols><col min="5" max="5" width="1"/><coll/><col/><col min="7" max="9" style="1"/></cols></worksheet>)");
    EXPECT_EQ(columns, (std::vector<std::string>{"1-2 w9.50 s3 hidden", "3-3 w0.00 s0", "0-4 w2.00 s0", "5-5 w1.00 s0",
                                                 "0-0 w0.00 s0", "7-9 w0.00 s1"}));
    EXPECT_EQ(part.Doc.GetWorksheet().GetCols().Count(), 2);
    EXPECT_EQ(part.Joined(), R"(Row 0: Unknown Element "coll")");
}

TEST(xpgParserXLSX, ReadsTheSheetPropertiesInAnyOrder) {
    Part part;
    std::vector<std::string> rows;
    part.Doc.GetWorksheet().GetSheetData().SetOnRow(
        [&](TCT_Row& row) { rows.push_back("row " + std::to_string(row.GetR())); });
    part.Load(
        R"(<worksheet xmlns="MAIN"><sheetProtection sheet="1" password="CC1A"/><sheetData><row r="1"/></sheetData>)"
        R"(<sheetViews><sheetView workbookViewId="0"><selection activeCell="B2"/></sheetView></sheetViews>)"
        R"(<dimension ref="A1:M120"/><sheetFormatPr defaultRowHeight="15" x14ac:dyDescent="0.25")"
        R"( xmlns:x14ac="urn:x14ac"/><sheetPr codeName="Sheet1" filterMode="1"><tabColor rgb="FFFF0000"/>)"
        R"(<outlinePr summaryBelow="0"/></sheetPr><sheetCalcPr fullCalcOnLoad="1"/>)"
        R"(<protectedRanges><protectedRange sqref="A1:B2 D4" name="Edit"/><protectedRange name="Two"/>)"
        R"(</protectedRanges><phoneticPr fontId="1"/></worksheet>)");
    const TCT_Worksheet& sheet = part.Doc.GetWorksheet();
    EXPECT_EQ(rows, std::vector<std::string>{"row 1"});
    EXPECT_EQ(Utf8(sheet.GetDimension().GetRef()), "A1:M120");
    EXPECT_EQ(sheet.GetSheetFormatPr().GetDefaultRowHeight(), 15);
    EXPECT_EQ(sheet.GetSheetFormatPr().GetBaseColWidth(), 8);
    EXPECT_EQ(Utf8(sheet.GetSheetPr().GetCodeName()), "Sheet1");
    EXPECT_TRUE(sheet.GetSheetPr().GetFilterMode());
    EXPECT_TRUE(sheet.GetSheetPr().GetPublished());
    EXPECT_EQ(sheet.GetSheetPr().GetTabColor().GetRgb(), static_cast<int32_t>(0xFFFF0000));
    EXPECT_FALSE(sheet.GetSheetPr().GetOutlinePr().GetSummaryBelow());
    EXPECT_TRUE(sheet.GetSheetPr().GetOutlinePr().GetSummaryRight());
    EXPECT_FALSE(sheet.GetSheetPr().GetPageSetUpPr().Assigned());
    EXPECT_TRUE(sheet.GetSheetCalcPr().GetFullCalcOnLoad());
    ASSERT_EQ(sheet.GetProtectedRanges().GetProtectedRange().Count(), 2);
    const TCT_ProtectedRange& range = sheet.GetProtectedRanges().GetProtectedRange().GetItem(0);
    EXPECT_EQ(range.GetSqref().GetCount(), 2);
    EXPECT_EQ(Utf8(range.GetName()), "Edit");
    EXPECT_EQ(sheet.GetPhoneticPr().GetFontId(), 1);
    ASSERT_EQ(sheet.GetSheetViews().GetSheetView().Count(), 1);
    EXPECT_EQ(Utf8(sheet.GetSheetViews().GetSheetView().GetItem(0).GetSelection().GetItem(0).GetActiveCell()), "B2");
    EXPECT_EQ(part.Joined(), R"(Row 0: Unknown Attribute "x14ac:dyDescent")");
}

TEST(xpgParserXLSX, ReadsSheetProtectionWithItsPermissions) {
    const struct {
        std::string_view attributes;
        int32_t password;
        bool formatCells;
        bool selectLockedCells;
        std::string log;
    } cases[] = {
        {R"(sheet="1")", 0, true, false, ""},
        {R"(sheet="1" password="CC1A" formatCells="0" selectLockedCells="1")", 0xCC1A, false, true, ""},
        {R"(sheet="1" password="xyz")", 0, true, false, ""},
        {R"(algorithmName="SHA-512" hashValue="aGFzaA==" saltValue="c2FsdA==" spinCount="100000" sheet="1")", 0, true,
         false,
         R"(Row 0: Unknown Attribute "algorithmName"|Row 0: Unknown Attribute "hashValue"|)"
         R"(Row 0: Unknown Attribute "saltValue"|Row 0: Unknown Attribute "spinCount")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.attributes);
        Part part;
        part.Load(R"(<worksheet xmlns="MAIN"><sheetProtection )" + std::string(c.attributes) + "/></worksheet>");
        const TCT_SheetProtection& protection = part.Doc.GetWorksheet().GetSheetProtection();
        EXPECT_TRUE(protection.GetSheet());
        EXPECT_EQ(protection.GetPassword(), c.password);
        EXPECT_EQ(protection.GetFormatCells(), c.formatCells);
        EXPECT_TRUE(protection.GetDeleteRows());
        EXPECT_TRUE(protection.GetInsertColumns());
        EXPECT_EQ(protection.GetSelectLockedCells(), c.selectLockedCells);
        EXPECT_FALSE(protection.GetSelectUnlockedCells());
        EXPECT_EQ(part.Joined(), c.log);
    }
}

} // namespace
} // namespace xls::xpgParserXLSX
