#include "xls/core/opc/xpgParseOPC.h"

#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "rtl/text/CodePages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls::xpgParseOPC {
namespace {

constexpr char16_t RelationshipsNs[] = u"http://schemas.openxmlformats.org/package/2006/relationships";
constexpr std::string_view Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r";

void Load(TXPGDocOPC& doc, std::string_view xml) {
    rtl::TStringStream stream{std::string(xml)};
    doc.LoadFromStream(stream);
}

std::string Save(TXPGDocOPC& doc) {
    rtl::TStringStream stream;
    doc.SaveToStream(stream);
    return stream.DataString();
}

std::string Ids(const TCT_RelationshipXpgList& list) {
    std::string ids;
    for (int32_t i = 0; i < list.Count(); ++i) {
        ids += (i > 0 ? " " : "") + rtl::UnicodeToUtf8(list.GetItem(i).GetId());
    }
    return ids;
}

TEST(xpgParseOPC, ReadsTheRelationshipsOfAPart) {
    TXPGDocOPC doc;
    Load(doc, R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties" Target="docProps/app.xml"/><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/><Relationship Id="rId9" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/hyperlink" Target="https://example.com/a?b=1&amp;c=2" TargetMode="External"/></Relationships>)");
    const TCT_RelationshipXpgList& list = doc.GetRelationships().GetRelationship();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(Ids(list), "rId3 rId1 rId9");
    EXPECT_EQ(list.GetItem(1).GetTarget(), u"xl/workbook.xml");
    EXPECT_EQ(list.GetItem(1).GetType(),
              u"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument");
    EXPECT_EQ(list.GetItem(1).GetTargetMode(), 255);
    EXPECT_EQ(list.GetItem(2).GetTarget(), u"https://example.com/a?b=1&c=2");
    EXPECT_EQ(list.GetItem(2).GetTargetMode(), TST_TargetMode::External);
    EXPECT_EQ(rtl::UnicodeToUtf8(doc.GetRoot().GetAttributes().GetItem(0)),
              "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"");
}

TEST(xpgParseOPC, FindsTargetModesInAnyLetterCaseAndTakesOthersAsTheFirst) {
    struct Case {
        std::string_view attribute;
        int expected;
    };
    const Case cases[] = {
        {R"(TargetMode="External")", TST_TargetMode::External},
        {R"(TargetMode="INTERNAL")", TST_TargetMode::Internal},
        {R"(TargetMode="internal")", TST_TargetMode::Internal},
        {R"(TargetMode="Elsewhere")", 0},
        {R"(TargetMode="")", 0},
        {"", 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.attribute);
        TXPGDocOPC doc;
        Load(doc, "<Relationships><Relationship Id=\"rId1\" " + std::string(c.attribute) + "/></Relationships>");
        EXPECT_EQ(doc.GetRelationships().GetRelationship().GetItem(0).GetTargetMode(), c.expected);
    }
}

TEST(xpgParseOPC, ReadsADocumentElementThatIsOneRelationship) {
    TXPGDocOPC doc;
    Load(doc, R"(<Relationship xmlns="http://schemas.openxmlformats.org/package/2006/relationships" Id="rId1"
                 Type="t" Target="x.xml">note</Relationship>)");
    const TCT_Relationship& relationship = doc.GetRoot().GetRelationship();
    EXPECT_TRUE(relationship.Assigned());
    EXPECT_EQ(relationship.GetId(), u"rId1");
    EXPECT_EQ(relationship.GetTarget(), u"x.xml");
    EXPECT_EQ(relationship.GetText(), u"note");
    EXPECT_FALSE(doc.GetRelationships().Assigned());
    EXPECT_EQ(doc.GetRelationships().GetRelationship().Count(), 0);
}

TEST(xpgParseOPC, AnUnknownElementEndsTheReadWithoutAHandlerAndIsSkippedWithOne) {
    const std::string xml = R"(<Relationships><Relationship Id="rId1" Extra="dropped"/>
        <x:foo Id="rIdF"><Relationship Id="rIdX"/></x:foo><Relationship Id="rId2"/></Relationships>)";
    TXPGDocOPC strict;
    try {
        Load(strict, xml);
        FAIL() << "no exception";
    } catch (const rtl::Exception& error) {
        EXPECT_EQ(error.Message(), u"Row 0: Unknown Element \"x:foo\"");
    }

    TXPGDocOPC lenient;
    std::vector<rtl::UnicodeString> reports;
    lenient.Errors().SetErrorHandler([&reports](TXpgPErrors& errors) { reports.push_back(errors.Message()); });
    Load(lenient, xml);
    EXPECT_EQ(Ids(lenient.GetRelationships().GetRelationship()), "rId1 rId2");
    const std::vector<rtl::UnicodeString> expected = {u"Row 0: Unknown Attribute \"Extra\"",
                                                      u"Row 0: Unknown Element \"x:foo\""};
    EXPECT_EQ(reports, expected);
}

TEST(xpgParseOPC, WritesTargetModeFirstThenTargetTypeAndId) {
    TXPGDocOPC doc;
    doc.GetRoot().GetAttributes().AddNameValue(u"xmlns", RelationshipsNs);
    TCT_Relationship& external = doc.GetRelationships().GetRelationship().Add();
    external.SetId(u"rId1");
    external.SetType(u"t1");
    external.SetTarget(u"http://x/?a=1&b=2");
    external.SetTargetMode(TST_TargetMode::External);
    TCT_Relationship& internal = doc.GetRelationships().GetRelationship().Add();
    internal.SetId(u"rId2");
    internal.SetTarget(u"sheet1.xml");
    EXPECT_EQ(Save(doc), std::string(Declaration) +
                             "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\" >\r"
                             "<Relationship TargetMode=\"External\" Target=\"http://x/?a=1&amp;b=2\" Type=\"t1\" "
                             "Id=\"rId1\" />\r"
                             "<Relationship Target=\"sheet1.xml\" Type=\"\" Id=\"rId2\" />\r"
                             "</Relationships>\r");
}

TEST(xpgParseOPC, WritesBackWhatItRead) {
    struct Case {
        std::string_view xml;
        std::string_view expected;
    };
    const Case cases[] = {
        {R"(<Relationships xmlns="urn:r"><Relationship Id="rId1" Target="a.xml" Type="t">text &amp; more</Relationship>
            </Relationships>)",
         "<Relationships xmlns=\"urn:r\" >\r<Relationship Target=\"a.xml\" Type=\"t\" Id=\"rId1\" >text &amp; "
         "more</Relationship>\r</Relationships>\r"},
        {R"(<Relationships xmlns="urn:r" note="a&amp;&quot;b"/>)",
         "<Relationships xmlns=\"urn:r\" note=\"a&amp;&quot;b\" />\r"},
        {R"(<Relationship Id="rId1" TargetMode="INTERNAL"/>)",
         "<Relationship TargetMode=\"Internal\" Target=\"\" Type=\"\" Id=\"rId1\" />\r"},
        {"", "<Relationships/>\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml);
        TXPGDocOPC doc;
        Load(doc, c.xml);
        EXPECT_EQ(Save(doc), std::string(Declaration) + std::string(c.expected));
    }
}

} // namespace
} // namespace xls::xpgParseOPC
