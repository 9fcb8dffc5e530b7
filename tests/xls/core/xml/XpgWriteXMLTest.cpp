#include "xls/core/xml/XpgWriteXML.h"

#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "xls/core/xml/XpgMessages.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

constexpr std::string_view Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r";

// Runs steps on a writer started on a fresh stream and returns what was written after the declaration.
std::string Written(const std::function<void(TXpgWriteXML&)>& steps) {
    rtl::TStringStream stream;
    TXpgWriteXML writer;
    writer.SetStream(stream);
    steps(writer);
    const std::string& all = stream.DataString();
    EXPECT_TRUE(all.starts_with(Declaration));
    return all.substr(Declaration.size());
}

TEST(XpgWriteXML, WritesTagsAttributesAndText) {
    struct Case {
        const char* name;
        std::function<void(TXpgWriteXML&)> steps;
        std::string expected;
    };
    const std::string longValue(40000, 'v');
    const Case cases[] = {
        {"escaped attribute",
         [](TXpgWriteXML& w) {
             w.AddAttribute(u"a", u"x<y & \"z\"");
             w.EmptyTag(u"e");
         },
         "<e a=\"x&lt;y &amp; &quot;z&quot;\" />\r"},
        {"begin and end",
         [](TXpgWriteXML& w) {
             w.BeginTag(u"r");
             w.EndTag();
         },
         "<r>\r</r>\r"},
        {"pending text in an empty tag",
         [](TXpgWriteXML& w) {
             w.SetPendingText(u"A&B");
             w.EmptyTag(u"t");
         },
         "<t>A&amp;B</t>\r"},
        {"nested with attributes",
         [](TXpgWriteXML& w) {
             w.AddAttribute(u"xmlns", u"urn:x");
             w.BeginTag(u"Types");
             w.AddAttribute(u"Extension", u"xml");
             w.AddAttribute(u"ContentType", u"application/xml");
             w.EmptyTag(u"Default");
             w.EndTag();
         },
         "<Types xmlns=\"urn:x\" >\r<Default Extension=\"xml\" ContentType=\"application/xml\" />\r</Types>\r"},
        {"pending text at an end tag",
         [](TXpgWriteXML& w) {
             w.BeginTag(u"p");
             w.SetPendingText(u"'>'");
             w.EndTag();
         },
         "<p>\r&apos;&gt;&apos;</p>\r"},
        {"text element with attributes",
         [](TXpgWriteXML& w) {
             w.AddAttribute(u"k", u"1");
             w.WriteTextElement(u"t", u"\u4E2D");
         },
         "<t k=\"1\" >\xE4\xB8\xAD</t>\r"},
        {"raw attributes",
         [](TXpgWriteXML& w) {
             w.AppendRaw(u"xmlns:r=\"urn:\u00E4\"");
             w.EmptyTag(u"root");
         },
         "<root xmlns:r=\"urn:\xC3\xA4\"/>\r"},
        {"values longer than any buffer",
         [&longValue](TXpgWriteXML& w) {
             w.AddAttribute(u"a", rtl::UnicodeString(longValue.begin(), longValue.end()));
             w.EmptyTag(u"e");
         },
         "<e a=\"" + longValue + "\" />\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Written(c.steps), c.expected);
    }
}

TEST(XpgWriteXML, RefusesAnEndTagWithNoOpenElement) {
    rtl::TStringStream stream;
    TXpgWriteXML writer;
    writer.SetStream(stream);
    writer.BeginTag(u"a");
    writer.EndTag();
    try {
        writer.EndTag();
        FAIL() << "no exception";
    } catch (const rtl::Exception& error) {
        EXPECT_EQ(error.Message(), XpgMessages::EmptyStack);
    }
    EXPECT_EQ(stream.DataString().substr(Declaration.size()), "<a>\r</a>\r");
}

TEST(XpgWriteXML, RefusesToWriteWithoutAStream) {
    TXpgWriteXML writer;
    EXPECT_THROW(writer.EmptyTag(u"a"), rtl::EWriteError);
}

} // namespace
} // namespace xls
