#include "xls/core/opc/xpgParseContentType.h"

#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"

#include <gtest/gtest.h>
#include <string>

namespace xls::xpgParseContentType {
namespace {

void Load(TXPGDocContentType& doc, std::string_view xml) {
    rtl::TStringStream stream{std::string(xml)};
    doc.LoadFromStream(stream);
}

TEST(xpgParseContentType, ReadsDefaultsAndOverridesWhateverPrefixNamesTheirNamespace) {
    struct Case {
        std::string_view xml;
    };
    const Case cases[] = {
        {R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/><Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/></Types>)"},
        {R"(<ct:Types xmlns:ct="http://schemas.openxmlformats.org/package/2006/content-types"><ct:Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><ct:Default Extension="xml" ContentType="application/xml"/><ct:Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/></ct:Types>)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.xml);
        TXPGDocContentType doc;
        Load(doc, c.xml);
        const TCT_DefaultXpgList& defaults = doc.GetTypes().GetDefault();
        const TCT_OverrideXpgList& overrides = doc.GetTypes().GetOverride();
        ASSERT_EQ(defaults.Count(), 2);
        ASSERT_EQ(overrides.Count(), 1);
        EXPECT_EQ(defaults.GetItem(1).GetExtension(), u"xml");
        EXPECT_EQ(defaults.GetItem(1).GetContentType(), u"application/xml");
        EXPECT_EQ(overrides.GetItem(0).GetPartName(), u"/xl/workbook.xml");
        EXPECT_EQ(overrides.GetItem(0).GetContentType(),
                  u"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml");
    }
}

TEST(xpgParseContentType, AnElementOtherThanDefaultOrOverrideEndsTheRead) {
    TXPGDocContentType doc;
    try {
        Load(doc, R"(<Types><Default Extension="xml" ContentType="application/xml"/><Foo/></Types>)");
        FAIL() << "no exception";
    } catch (const rtl::Exception& error) {
        EXPECT_EQ(error.Message(), u"Row 0: Unknown Element \"Foo\"");
    }
}

TEST(xpgParseContentType, SavesTheTypesElementWithItsEntriesLineByLine) {
    TXPGDocContentType doc;
    doc.GetRoot().GetAttributes().AddNameValue(u"xmlns",
                                               u"http://schemas.openxmlformats.org/package/2006/content-types");
    TCT_Default& entry = doc.GetTypes().GetDefault().Add();
    entry.SetExtension(u"rels");
    entry.SetContentType(u"application/vnd.openxmlformats-package.relationships+xml");
    TCT_Override& override = doc.GetTypes().GetOverride().Add();
    override.SetPartName(u"/xl/workbook.xml");
    override.SetContentType(u"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml");
    rtl::TStringStream stream;
    doc.SaveToStream(stream);
    EXPECT_EQ(
        stream.DataString(),
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r"
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\" >\r"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\" />\r"
        "<Override ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\" "
        "PartName=\"/xl/workbook.xml\" />\r"
        "</Types>\r");

    TXPGDocContentType empty;
    rtl::TStringStream emptyStream;
    empty.SaveToStream(emptyStream);
    EXPECT_EQ(emptyStream.DataString(), "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r<Types/>\r");
}

} // namespace
} // namespace xls::xpgParseContentType
