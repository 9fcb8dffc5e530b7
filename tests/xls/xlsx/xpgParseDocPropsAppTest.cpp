#include "xls/xlsx/xpgParseDocPropsApp.h"

#include "rtl/core/Exceptions.h"
#include "rtl/io/FileStream.h"
#include "rtl/io/Streams.h"
#include "rtl/text/StringUtils.h"
#include "rtl/time/DateTime.h"
#include "tests/support/TestSupport.h"
#include "xls/core/base/XLSReadLimits.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls::xpgParseDocPropsApp {
namespace {

constexpr std::string_view PropertiesNs = "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties";
constexpr std::string_view TypesNs = "http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes";

using test_support::MessageOf;
using test_support::Utf8;

// An app part whose Properties element holds body, with the two namespaces bound as producers bind them.
std::string Part(std::string_view body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<Properties xmlns=\"" +
           std::string(PropertiesNs) + "\" xmlns:vt=\"" + std::string(TypesNs) + "\">" + std::string(body) +
           "</Properties>";
}

// An app part whose heading pairs hold one variant with body inside.
std::string VariantPart(std::string_view body) {
    return Part("<HeadingPairs><vt:vector size=\"1\" baseType=\"variant\"><vt:variant>" + std::string(body) +
                "</vt:variant></vt:vector></HeadingPairs>");
}

// An app part whose titles of parts are the vector given.
std::string VectorPart(std::string_view vector) {
    return Part("<TitlesOfParts>" + std::string(vector) + "</TitlesOfParts>");
}

// A document that logs the names it does not know, when asked to.
class App {
public:
    explicit App(bool logUnknown = true) {
        if (logUnknown) {
            Doc.Errors().SetErrorHandler([this](TXpgPErrors& errors) { Log.push_back(Utf8(errors.Message())); });
        }
    }

    void Load(const std::string& xml) {
        rtl::TStringStream stream(xml);
        Doc.LoadFromStream(stream);
    }

    TCT_Properties& Properties() { return Doc.GetProperties(); }
    TCT_Vector& Titles() { return Properties().GetTitlesOfParts().GetVector(); }
    TCT_Variant& Variant() { return Properties().GetHeadingPairs().GetVector().GetVariant().GetItem(0); }

    TXPGDocDocPropsApp Doc;
    std::vector<std::string> Log;
};

std::string Texts(const TStringXpgList& list) {
    std::string text;
    for (int32_t i = 0; i < list.GetCount(); ++i) {
        text += (i == 0 ? "" : "|") + Utf8(list.GetItem(i));
    }
    return text;
}

std::string Delimited(const TBaseXpgList& list) {
    return Utf8(list.GetDelimitedText());
}

TEST(xpgParseDocPropsApp, ReadsTheAppPartThatOpenpyxlWrites) {
    rtl::TFileStream file(test_support::DataPath("docprops/openpyxl-app.xml"), rtl::fmOpenRead | rtl::fmShareDenyNone);
    App app;
    app.Doc.LoadFromStream(file);
    EXPECT_TRUE(app.Properties().Assigned());
    EXPECT_EQ(Utf8(app.Properties().GetApplication()), "Microsoft Excel");
    EXPECT_EQ(Utf8(app.Properties().GetAppVersion()), "3.0");
    EXPECT_FALSE(app.Properties().GetHeadingPairs().Assigned());
    EXPECT_EQ(Texts(app.Doc.GetRoot().GetAttributes()), "xmlns=\"" + std::string(PropertiesNs) + "\"");
    EXPECT_TRUE(app.Log.empty());
}

// The part as spreadsheet applications write it: statistics, flags, and the sheets named in two vectors.
const std::string SpreadsheetApp = Part(R"(<Application>Microsoft Excel</Application><DocSecurity>0</DocSecurity>
<ScaleCrop>false</ScaleCrop><HeadingPairs><vt:vector size="2" baseType="variant"><vt:variant><vt:lpstr>Worksheets</vt:lpstr>
</vt:variant><vt:variant><vt:i4>2</vt:i4></vt:variant></vt:vector></HeadingPairs><TitlesOfParts><vt:vector size="2"
baseType="lpstr"><vt:lpstr>Sales</vt:lpstr><vt:lpstr>Notes &amp; plans</vt:lpstr></vt:vector></TitlesOfParts>
<Company>Tally &amp; Vane</Company><LinksUpToDate>false</LinksUpToDate><SharedDoc>1</SharedDoc>
<HyperlinkBase>http://example.com/</HyperlinkBase><HyperlinksChanged>true</HyperlinksChanged><AppVersion>16.0300</AppVersion>
<TotalTime>42</TotalTime><Pages>3</Pages><CharactersWithSpaces>1200</CharactersWithSpaces><Template>Normal</Template>
<DigSig><vt:blob>123</vt:blob></DigSig>)");

TEST(xpgParseDocPropsApp, ReadsHeadingPairsTitlesAndTypedProperties) {
    App app;
    app.Load(SpreadsheetApp);
    TCT_Properties& properties = app.Properties();
    EXPECT_EQ(Utf8(properties.GetCompany()), "Tally & Vane");
    EXPECT_EQ(Utf8(properties.GetTemplate()), "Normal");
    EXPECT_EQ(Utf8(properties.GetAppVersion()), "16.0300");
    EXPECT_EQ(Utf8(properties.GetHyperlinkBase()), "http://example.com/");
    EXPECT_EQ(properties.GetDocSecurity(), 0);
    EXPECT_EQ(properties.GetTotalTime(), 42);
    EXPECT_EQ(properties.GetPages(), 3);
    EXPECT_EQ(properties.GetCharactersWithSpaces(), 1200);
    EXPECT_FALSE(properties.GetScaleCrop());
    EXPECT_FALSE(properties.GetLinksUpToDate());
    EXPECT_TRUE(properties.GetSharedDoc());
    EXPECT_TRUE(properties.GetHyperlinksChanged());
    EXPECT_EQ(properties.GetDigSig().GetBlob(), 123);

    const TCT_Vector& pairs = properties.GetHeadingPairs().GetVector();
    EXPECT_EQ(pairs.GetBaseType(), TST_VectorBaseType::variant);
    EXPECT_EQ(pairs.GetSize(), 2);
    ASSERT_EQ(pairs.GetVariant().Count(), 2);
    EXPECT_EQ(Utf8(pairs.GetVariant().GetItem(0).GetLpstr()), "Worksheets");
    EXPECT_EQ(pairs.GetVariant().GetItem(1).GetI4(), 2);

    const TCT_Vector& titles = app.Titles();
    EXPECT_EQ(titles.GetBaseType(), TST_VectorBaseType::lpstr);
    EXPECT_EQ(Texts(titles.GetLpstr()), "Sales|Notes & plans");
    EXPECT_EQ(titles.GetVariant().Count(), 0);
    EXPECT_FALSE(properties.GetHLinks().Assigned());
    EXPECT_TRUE(app.Log.empty());
}

TEST(xpgParseDocPropsApp, ConvertsTypedPropertiesAndGivesDefaultsForBadText) {
    using Field = std::function<std::string(TCT_Properties&)>;
    const Field pages = [](TCT_Properties& p) { return std::to_string(p.GetPages()); };
    const Field scaleCrop = [](TCT_Properties& p) { return std::to_string(p.GetScaleCrop()); };
    const Field company = [](TCT_Properties& p) { return Utf8(p.GetCompany()); };
    const Field blob = [](TCT_Properties& p) { return std::to_string(p.GetDigSig().GetBlob()); };
    const struct {
        std::string_view body;
        Field field;
        std::string expected;
    } cases[] = {
        {"<Pages>7</Pages>", pages, "7"},
        {"<Pages>-2</Pages>", pages, "-2"},
        {"<Pages>seven</Pages>", pages, "0"},
        {"<Pages>4294967296</Pages>", pages, "0"},
        {"<Pages>2.5</Pages>", pages, "0"},
        {"<Pages/>", pages, "0"},
        {"<ScaleCrop>TRUE</ScaleCrop>", scaleCrop, "1"},
        {"<ScaleCrop>1</ScaleCrop>", scaleCrop, "1"},
        {"<ScaleCrop>yes</ScaleCrop>", scaleCrop, "0"},
        {"<Company/>", company, ""},
        {"<Company>&#x5B8B;&#x4F53;</Company>", company, "宋体"},
        // A base64 signature is no number.
        {"<DigSig><vt:blob>MIIB</vt:blob></DigSig>", blob, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        App app;
        app.Load(Part(c.body));
        EXPECT_EQ(c.field(app.Properties()), c.expected);
        EXPECT_TRUE(app.Log.empty());
    }
}

TEST(xpgParseDocPropsApp, ReadsEachKindOfVariantIntoItsOwnField) {
    using Field = std::function<std::string(TCT_Variant&)>;
    const Field i4 = [](TCT_Variant& v) { return std::to_string(v.GetI4()); };
    const Field i8 = [](TCT_Variant& v) { return std::to_string(v.GetI8()); };
    const Field r8 = [](TCT_Variant& v) { return std::to_string(static_cast<double>(v.GetR8())); };
    const Field date = [](TCT_Variant& v) { return std::to_string(v.GetDate()); };
    const Field boolean = [](TCT_Variant& v) { return std::to_string(v.GetBool()); };
    // Names whose byte sums collide (null and bstr, variant and storage) must still reach their own fields.
    const Field bstrOrNull = [](TCT_Variant& v) { return Utf8(v.GetBstr()) + (v.GetNull().Assigned() ? " null" : ""); };
    const Field storageOrVariant = [](TCT_Variant& v) {
        return std::to_string(v.GetStorage()) +
               (v.GetVariant() ? " variant " + std::to_string(v.GetVariant()->GetI4()) : "");
    };
    const Field empty = [](TCT_Variant& v) { return std::to_string(v.GetEmpty().Assigned()); };
    const Field cf = [](TCT_Variant& v) {
        return std::to_string(v.GetCf().Assigned()) + " " + Utf8(v.GetCf().GetFormat()) + " " +
               std::to_string(v.GetCf().GetContent());
    };
    const Field vstream = [](TCT_Variant& v) {
        return Utf8(v.GetVstream().GetVersion()) + " " + std::to_string(v.GetVstream().GetContent());
    };
    const Field vector = [](TCT_Variant& v) {
        return v.GetVector() ? std::to_string(v.GetVector()->GetBaseType()) + " " + Delimited(v.GetVector()->GetI4())
                             : "none";
    };
    const Field array = [](TCT_Variant& v) {
        const TCT_Array* a = v.GetArray();
        return a ? std::to_string(a->GetLBounds()) + ".." + std::to_string(a->GetUBounds()) + " " +
                       std::to_string(a->GetBaseType()) + " " + Delimited(a->GetInt()) + " " + Delimited(a->GetR8())
                 : "none";
    };
    const struct {
        std::string_view body;
        Field field;
        std::string expected;
    } cases[] = {
        {"<vt:i4>7</vt:i4>", i4, "7"},
        {"<vt:i4>x</vt:i4>", i4, "0"},
        {"<vt:i8>-9</vt:i8>", i8, "-9"},
        {"<vt:i8>5000000000</vt:i8>", i8, "0"},
        {"<vt:r8>2.5</vt:r8>", r8, "2.500000"},
        {"<vt:r8>1,5</vt:r8>", r8, "0.000000"},
        {"<vt:date>2024-03-01T12:00:00Z</vt:date>", date, "45352.500000"},
        {"<vt:date>01/03/2024</vt:date>", date, "0.000000"},
        {"<vt:bool>false</vt:bool>", boolean, "0"},
        {"<vt:bool>true</vt:bool>", boolean, "1"},
        {"<vt:bstr>abc</vt:bstr>", bstrOrNull, "abc"},
        {"<vt:null/>", bstrOrNull, " null"},
        {"<vt:storage>5</vt:storage>", storageOrVariant, "5"},
        {"<vt:variant><vt:i4>3</vt:i4></vt:variant>", storageOrVariant, "0 variant 3"},
        {"<vt:empty/>", empty, "1"},
        {"<vt:i4>1</vt:i4>", empty, "0"},
        {"<vt:cf format=\"-3\">iVBORw0KGgo=</vt:cf>", cf, "1 -3 0"},
        {"<vt:cf>12</vt:cf>", cf, "1  12"},
        {"<vt:vstream version=\"{0C9B6B58-7C53-4A8B-9D2F-2A1B4F3E5D6C}\">8</vt:vstream>", vstream,
         "{0C9B6B58-7C53-4A8B-9D2F-2A1B4F3E5D6C} 8"},
        {"<vt:vector baseType=\"i4\" size=\"2\"><vt:i4>1</vt:i4><vt:i4>-1</vt:i4></vt:vector>", vector,
         "3 1 4294967295"},
        {"<vt:i4>1</vt:i4>", vector, "none"},
        {"<vt:array lBounds=\"1\" uBounds=\"2\" baseType=\"INT\"><vt:int>5</vt:int><vt:int>6</vt:int></vt:array>",
         array, "1..2 4 5 6 "},
        {"<vt:array baseType=\"r8\"><vt:r8>0.25</vt:r8></vt:array>", array, "0..0 10  0.25"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        App app;
        app.Load(VariantPart(c.body));
        EXPECT_EQ(c.field(app.Variant()), c.expected);
        EXPECT_TRUE(app.Log.empty());
    }
}

TEST(xpgParseDocPropsApp, FillsAVectorsValueListsFromItsChildren) {
    using Field = std::function<std::string(TCT_Vector&)>;
    const Field lpstr = [](TCT_Vector& v) { return Texts(v.GetLpstr()); };
    const Field ui4 = [](TCT_Vector& v) { return Delimited(v.GetUi4()); };
    const Field r8 = [](TCT_Vector& v) { return Delimited(v.GetR8()); };
    const Field boolean = [](TCT_Vector& v) { return Delimited(v.GetBool()); };
    const Field date = [](TCT_Vector& v) { return std::to_string(v.GetFiletime().GetItem(0)); };
    const Field cf = [](TCT_Vector& v) {
        return std::to_string(v.GetCf().Count()) + " " + Utf8(v.GetCf().GetItem(1).GetFormat());
    };
    const Field variants = [](TCT_Vector& v) {
        return std::to_string(v.GetVariant().Count()) + " " + Utf8(v.GetVariant().GetItem(1).GetLpwstr());
    };
    const Field baseType = [](TCT_Vector& v) {
        return std::to_string(v.GetBaseType()) + " " + std::to_string(v.GetSize());
    };
    const struct {
        std::string_view vector;
        Field field;
        std::string expected;
    } cases[] = {
        {"<vt:vector baseType=\"lpstr\" size=\"2\"><vt:lpstr>a b</vt:lpstr><vt:lpstr/></vt:vector>", lpstr, "a b|"},
        {"<vt:vector baseType=\"lpstr\" size=\"2\"/>", baseType, "11 2"},
        {"<vt:vector baseType=\"LPWSTR\"/>", baseType, "12 0"},
        {"<vt:vector baseType=\"i16\" size=\"many\"/>", baseType, "0 0"},
        {"<vt:vector/>", baseType, "255 0"},
        {"<vt:vector><vt:ui4>4294967295</vt:ui4><vt:ui4>$10</vt:ui4></vt:vector>", ui4, "4294967295 16"},
        {"<vt:vector><vt:r8>1.5</vt:r8><vt:r8>x</vt:r8></vt:vector>", r8, "1.5 0"},
        {"<vt:vector><vt:bool>1</vt:bool><vt:bool>false</vt:bool></vt:vector>", boolean, "True False"},
        {"<vt:vector><vt:filetime>1900-01-01T00:00:00Z</vt:filetime></vt:vector>", date, "2.000000"},
        {"<vt:vector><vt:cf format=\"a\"/><vt:cf format=\"b\">AA==</vt:cf></vt:vector>", cf, "2 b"},
        {"<vt:vector><vt:variant/><vt:variant><vt:lpwstr>w</vt:lpwstr></vt:variant></vt:vector>", variants, "2 w"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.vector);
        App app;
        app.Load(VectorPart(c.vector));
        EXPECT_EQ(c.field(app.Titles()), c.expected);
        EXPECT_TRUE(app.Log.empty());
    }
}

TEST(xpgParseDocPropsApp, AnItemOfAVectorThatIsNoNumberOrBooleanEndsTheRead) {
    const struct {
        std::string_view vector;
        std::string message;
    } cases[] = {
        {"<vt:vector><vt:i4>abc</vt:i4></vt:vector>", "'abc' is not a valid integer value"},
        {"<vt:vector><vt:i4/></vt:vector>", "'' is not a valid integer value"},
        {"<vt:vector><vt:i8>5000000000</vt:i8></vt:vector>", "'5000000000' is not a valid integer value"},
        {"<vt:vector><vt:bool>maybe</vt:bool></vt:vector>", "Invalid boolean value \"maybe\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.vector);
        App app;
        EXPECT_EQ(MessageOf([&] { app.Load(VectorPart(c.vector)); }), c.message);
        // The document reads the next part from the start.
        app.Load(SpreadsheetApp);
        EXPECT_EQ(app.Properties().GetTotalTime(), 42);
    }
}

TEST(xpgParseDocPropsApp, ReportsUnknownNamesAndReadsOnWithAHandler) {
    const struct {
        std::string_view body;
        std::vector<std::string> log;
    } cases[] = {
        {"<Foo><Company>Inside</Company></Foo><Company>After</Company>", {"Row 0: Unknown Element \"Foo\""}},
        {"<HeadingPairs><vt:list/></HeadingPairs><Company>After</Company>", {"Row 0: Unknown Element \"vt:list\""}},
        {"<HeadingPairs><vt:vector foo=\"1\" baseType=\"i4\"><vt:i4>1</vt:i4><vt:i16>2</vt:i16></vt:vector>"
         "</HeadingPairs><Company>After</Company>",
         {"Row 0: Unknown Attribute \"foo\"", "Row 0: Unknown Element \"vt:i16\""}},
        // Classes without children pass over what is inside them.
        {"<HeadingPairs><vt:vector><vt:variant><vt:cf><x/></vt:cf><vt:empty><y/></vt:empty></vt:variant>"
         "</vt:vector></HeadingPairs><Company>After</Company>",
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        App app;
        app.Load(Part(c.body));
        EXPECT_EQ(app.Log, c.log);
        EXPECT_EQ(Utf8(app.Properties().GetCompany()), "After");
    }
}

TEST(xpgParseDocPropsApp, WithoutAHandlerAnUnknownElementRaisesAndAnUnknownAttributeIsIgnored) {
    App app(false);
    EXPECT_EQ(MessageOf([&] { app.Load(Part("<Foo/>")); }), "Row 0: Unknown Element \"Foo\"");
    app.Load(VectorPart("<vt:vector foo=\"1\" size=\"4\"/>"));
    EXPECT_EQ(app.Titles().GetSize(), 4);
}

TEST(xpgParseDocPropsApp, MatchesVariantTypesByNamespaceWhateverTheirPrefix) {
    const std::string xml = "<ep:Properties xmlns:ep=\"" + std::string(PropertiesNs) + "\" xmlns:t=\"" +
                            std::string(TypesNs) +
                            "\"><ep:TitlesOfParts><t:vector baseType=\"lpstr\"><t:lpstr>Sales</t:lpstr></t:vector>"
                            "</ep:TitlesOfParts><ep:Pages>2</ep:Pages></ep:Properties>";
    App app;
    app.Load(xml);
    EXPECT_EQ(Texts(app.Titles().GetLpstr()), "Sales");
    EXPECT_EQ(app.Properties().GetPages(), 2);
    EXPECT_TRUE(app.Log.empty());
}

// Variants nest in variants as deep as a part says; the reader's depth limit bounds the objects made.
TEST(xpgParseDocPropsApp, NestsVariantsUpToTheReadersDepthLimit) {
    const auto nested = [](int32_t depth) {
        std::string body;
        for (int32_t i = 0; i < depth; ++i) {
            body += "<vt:variant>";
        }
        body += "<vt:i4>9</vt:i4>";
        for (int32_t i = 0; i < depth; ++i) {
            body += "</vt:variant>";
        }
        return VariantPart(body);
    };
    // Properties, HeadingPairs, the vector and its variant are open around the nested ones.
    const int32_t deepest = XpgMaxElementDepth - 5;
    App app;
    app.Load(nested(deepest));
    const TCT_Variant* variant = &app.Variant();
    for (int32_t i = 0; i < deepest && variant != nullptr; ++i) {
        variant = variant->GetVariant();
    }
    ASSERT_NE(variant, nullptr);
    EXPECT_EQ(variant->GetI4(), 9);
    EXPECT_EQ(MessageOf([&] { app.Load(nested(deepest + 1)); }),
              "Syntax error in XML: elements nested deeper than " + std::to_string(XpgMaxElementDepth));
}

TEST(xpgParseDocPropsApp, ClearingTheRootForgetsEverythingRead) {
    App app;
    app.Load(SpreadsheetApp);
    app.Doc.GetRoot().Clear();
    TCT_Properties& properties = app.Properties();
    EXPECT_EQ(app.Doc.GetRoot().GetAttributes().GetCount(), 0);
    EXPECT_FALSE(properties.Assigned());
    EXPECT_EQ(Utf8(properties.GetCompany() + properties.GetApplication() + properties.GetHyperlinkBase()), "");
    EXPECT_EQ(properties.GetTotalTime() + properties.GetPages() + properties.GetDigSig().GetBlob(), 0);
    EXPECT_FALSE(properties.GetSharedDoc() || properties.GetHyperlinksChanged());
    for (TCT_Vector* vector : {&properties.GetHeadingPairs().GetVector(), &app.Titles()}) {
        EXPECT_EQ(vector->GetBaseType(), 255);
        EXPECT_EQ(vector->GetSize(), 0);
        EXPECT_EQ(vector->GetVariant().Count() + vector->GetLpstr().GetCount(), 0);
        EXPECT_FALSE(vector->Assigned());
    }
    // A cleared document reads a part afresh.
    app.Load(SpreadsheetApp);
    EXPECT_EQ(Texts(app.Titles().GetLpstr()), "Sales|Notes & plans");
}

} // namespace
} // namespace xls::xpgParseDocPropsApp
