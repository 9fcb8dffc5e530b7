#include "xls/core/xml/XpgAttributeList.h"

#include "rtl/core/Exceptions.h"
#include "xls/core/xml/XpgNameHash.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

// An array as a reader fills it, over bytes of a tag.
TXpgXmlAttributeArray RawArray(std::initializer_list<std::pair<std::string_view, std::string_view>> attributes) {
    TXpgXmlAttributeArray array(attributes.size() + 2);
    size_t i = 0;
    for (const auto& [name, value] : attributes) {
        array[i++].SetRaw(name, value);
    }
    return array;
}

TEST(XpgAttributeList, ShowsAReaderArrayDecoded) {
    TXpgXmlAttributeArray array = RawArray({{"r", "A1"}, {"r:id", "&lt;rId1&gt;"}, {"x", "unused"}});
    TXpgXMLAttributeList list;
    list.SetRaw(array, 2);
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetName(1), u"r:id");
    EXPECT_EQ(list.GetValue(1), u"<rId1>");
    EXPECT_EQ(list.NameSumHash(0), 114u);
    EXPECT_EQ(list.NameSumHash(1), StrSumHash(u"r:id"));
    EXPECT_EQ(list.NameMulHash(1), StrMulHash(u"r:id"));
    EXPECT_EQ(list.FormatNameValue(1), u"r:id=\"<rId1>\"");
    EXPECT_THROW(list.GetValue(2), rtl::EListError);
    EXPECT_THROW(list.GetName(-1), rtl::EListError);
    // A reused entry forgets its old decoding.
    array[1].SetRaw("t", "s");
    EXPECT_EQ(list.GetName(1), u"t");
    EXPECT_EQ(list.GetValue(1), u"s");
}

TEST(XpgAttributeList, PlainValuesEqualTheDecodedOnes) {
    const std::string longValue(40, '7');
    const std::string_view values[] = {
        "A1", "", "s", "1.5E-05", "a&amp;b", "&#49;", "\xE4\xB8\xAD", "x<y", "tab\there", longValue,
    };
    for (const std::string_view value : values) {
        SCOPED_TRACE(std::string(value));
        TXpgXmlAttribute plain;
        plain.SetRaw("v", value);
        TXpgXmlAttribute decoded;
        decoded.SetRaw("v", value);
        EXPECT_EQ(plain.PlainValue(), decoded.Value());
        // Asking for the plain form first leaves the decoded one as it is.
        EXPECT_EQ(plain.Value(), decoded.Value());
    }
    // An attribute given as text has no bytes to widen.
    TXpgXmlAttribute given;
    given.SetDecoded(u"v", u"\u4E2D&");
    EXPECT_EQ(given.PlainValue(), u"\u4E2D&");
    // A reused entry shows its new value.
    given.SetRaw("v", "42");
    EXPECT_EQ(given.PlainValue(), u"42");
}

TEST(XpgAttributeList, KeepsAddedAttributesOfItsOwn) {
    TXpgXmlAttributeArray array = RawArray({{"a", "1"}, {"b", "&amp;"}});
    TXpgXMLAttributeList list;
    list.SetRaw(array, 2);
    list.Add(u"c", u"3");
    // The shared entries were copied, so changing the reader's array changes nothing.
    array[0].SetRaw("z", "9");
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.FormatNameValue(0), u"a=\"1\"");
    EXPECT_EQ(list.FormatNameValue(1), u"b=\"&\"");
    EXPECT_EQ(list.FormatNameValue(2), u"c=\"3\"");
    // Added entries hash like names read from bytes.
    EXPECT_EQ(list.NameSumHash(2), uint32_t{'c'});
    EXPECT_EQ(list.NameMulHash(0), StrMulHash(u"a"));
    list.Clear();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(XpgAttributeList, AppendsCopiesOfAnotherArray) {
    TXpgXmlAttributeArray array = RawArray({{"uri", "{A}"}, {"v", "x&lt;y"}});
    TXpgXMLAttributeList kept;
    kept.Add(u"first", u"0");
    kept.AddAttributes(array, 2);
    // Appending a list to itself, past the growth step.
    for (int32_t i = 0; i < 8; ++i) {
        kept.AddAttributes(kept.Items(), kept.GetCount());
    }
    ASSERT_EQ(kept.GetCount(), 3 * 256);
    EXPECT_EQ(kept.FormatNameValue(2), u"v=\"x<y\"");
    EXPECT_EQ(kept.FormatNameValue(3 * 256 - 1), u"v=\"x<y\"");
    EXPECT_THROW(kept.AddAttributes(array, 5), rtl::EListError);
}

} // namespace
} // namespace xls
