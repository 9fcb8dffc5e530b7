#include "xls/core/xml/XpgTextDecoder.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "xls/core/xml/XpgMessages.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

rtl::UnicodeString Decoded(std::string_view bytes) {
    rtl::UnicodeString text = u"previous content";
    XpgDecodeText(bytes, text);
    return text;
}

TEST(XpgTextDecoder, DecodesReferencesAndUtf8) {
    struct Case {
        std::string_view bytes;
        rtl::UnicodeString expected;
    };
    const Case cases[] = {
        {"", u""},
        {"plain", u"plain"},
        {"a&amp;b&lt;c", u"a&b<c"},
        {"&gt;&quot;&apos;", u">\"'"},
        {"x&#10;y", u"x\ny"},
        {"&#x4E2D;&#20013;", u"\u4E2D\u4E2D"},
        {"&#x1F600;", u"\U0001F600"},
        {"a&b", u"a&b"},
        {"AT & T;", u"AT & T;"},
        {"&amp", u"&amp"},
        {"\xC3\xA4", u"\u00E4"},
        {"\xE4\xB8\xAD\xF0\x9F\x98\x80", u"\u4E2D\U0001F600"},
        {"a\xC3", u"a\uFFFD"},
        {"\xC3(", u"\uFFFD("},
        {"\xC0\xAF", u"\uFFFD\uFFFD"},
        {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        {"\xFF", u"\uFFFD"},
        {"<![CDATA[&amp;<b>\xC3\xA4]]>&amp;", u"&amp;<b>\u00E4&"},
        {"a<b", u"a<b"},
        {"<![CDATA[open", u"<![CDATA[open"},
        // Line ends as an XML parser reads them: CR LF and a lone CR are one LF, a CR written as a reference stays.
        {"two\r\nlines", u"two\nlines"},
        {"\r\r\n\n\r", u"\n\n\n\n"},
        {"\xE4\xB8\xAD\r\n\xE6\x96\x87\r", u"\u4E2D\n\u6587\n"},
        {"a&#13;&#10;b&#xD;", u"a\r\nb\r"},
        {"a\r&#10;b", u"a\n\nb"},
        {"<![CDATA[x\r\ny\rz]]>\r\n", u"x\ny\nz\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.bytes));
        EXPECT_EQ(Decoded(c.bytes), c.expected);
    }
}

TEST(XpgTextDecoder, RefusesUnknownEntitiesAndReferencesToNoCharacter) {
    struct Case {
        std::string_view bytes;
        rtl::UnicodeString expected;
    };
    const Case cases[] = {
        {"&nbsp;", rtl::Format(XpgMessages::UnknownEntity, {u"nbsp"})},
        {"a&;", rtl::Format(XpgMessages::UnknownEntity, {u""})},
        {"&Amp;", rtl::Format(XpgMessages::UnknownEntity, {u"Amp"})},
        {"&#0;", rtl::Format(XpgMessages::InvalidCharacterReference, {u"#0"})},
        {"&#;", rtl::Format(XpgMessages::InvalidCharacterReference, {u"#"})},
        {"&#xD800;", rtl::Format(XpgMessages::InvalidCharacterReference, {u"#xD800"})},
        {"&#x110000;", rtl::Format(XpgMessages::InvalidCharacterReference, {u"#x110000"})},
        {"&#99999999999;", rtl::Format(XpgMessages::InvalidCharacterReference, {u"#99999999999"})},
        {"&#xZZ;", rtl::Format(XpgMessages::InvalidCharacterReference, {u"#xZZ"})},
        {"&#12a;", rtl::Format(XpgMessages::InvalidCharacterReference, {u"#12a"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.bytes));
        try {
            Decoded(c.bytes);
            ADD_FAILURE() << "no exception";
        } catch (const rtl::Exception& error) {
            EXPECT_EQ(error.Message(), c.expected);
        }
    }
}

TEST(XpgTextDecoder, WidensNamesByteByByte) {
    rtl::UnicodeString name;
    XpgWidenBytes("x:\xC3\xA4", name);
    EXPECT_EQ(name, (rtl::UnicodeString{u'x', u':', 0xC3, 0xA4}));
}

} // namespace
} // namespace xls
