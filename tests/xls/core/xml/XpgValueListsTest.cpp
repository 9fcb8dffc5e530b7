#include "xls/core/xml/XpgValueLists.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/FormatSettings.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

// Collects the parts a list reports as not converting.
struct TReported {
    std::vector<rtl::UnicodeString> Parts;
    void Watch(TBaseXpgList& list) {
        list.SetOnItemError([this](TBaseXpgList&, rtl::UnicodeStringView part) { Parts.emplace_back(part); });
    }
};

TEST(XpgValueLists, ConvertDelimitedTextsAndReportBadParts) {
    TBooleanXpgList booleans;
    TLongwordXpgList longwords;
    TExtendedXpgList extendeds;
    TTDateTimeXpgList dateTimes;
    struct Case {
        const char* name;
        TBaseXpgList& list;
        rtl::UnicodeStringView text;
        int32_t count;
        rtl::UnicodeStringView delimited;
        std::vector<rtl::UnicodeString> bad;
    };
    const Case cases[] = {
        {"booleans", booleans, u"true 0 FALSE", 2, u"True False", {u"0"}},
        {"integers with an empty part", longwords, u"1 2  3", 3, u"1 2 3", {u""}},
        {"integers with a trailing blank", longwords, u"4294967295 -1 x ", 2, u"4294967295 4294967295", {u"x"}},
        {"floats", extendeds, u"1.5 2.25 1,5", 2, u"1.5 2.25", {u"1,5"}},
        {"date-times",
         dateTimes,
         u"2010-03-02T04:05:06Z 2011-01-01 bad",
         2,
         u"2010-03-02T04:05:06Z 2011-01-01T00:00:00Z",
         {u"bad"}},
        {"empty date-times", dateTimes, u"", 0, u"", {}},
    };
    const char16_t savedSeparator = rtl::FormatSettings().DecimalSeparator;
    rtl::FormatSettings().DecimalSeparator = u',';
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TReported reported;
        reported.Watch(c.list);
        c.list.SetDelimitedText(u"stale 1");
        reported.Parts.clear();
        c.list.SetDelimitedText(c.text);
        EXPECT_EQ(c.list.GetCount(), c.count);
        EXPECT_EQ(c.list.GetDelimitedText(), c.delimited);
        EXPECT_EQ(reported.Parts, c.bad);
    }
    rtl::FormatSettings().DecimalSeparator = savedSeparator;
    EXPECT_TRUE(booleans.GetItem(0));
    EXPECT_FALSE(booleans.GetItem(1));
    EXPECT_EQ(booleans.GetItemText(0), u"true");
}

TEST(XpgValueLists, AddFromTextRaisesWhereTheConverterDoes) {
    TBooleanXpgList booleans;
    booleans.AddFromText(u"1");
    EXPECT_THROW(booleans.AddFromText(u"yes"), rtl::EConvertError);
    TLongwordXpgList longwords;
    longwords.AddFromText(u"5");
    EXPECT_THROW(longwords.AddFromText(u"five"), rtl::EConvertError);
    longwords.SetItemText(0, u"6");
    EXPECT_EQ(longwords.GetItem(0), 6u);
    EXPECT_THROW(longwords.SetItemText(1, u"6"), rtl::EListError);
    EXPECT_THROW(longwords.GetItemText(-1), rtl::EListError);
    TExtendedXpgList extendeds;
    extendeds.AddFromText(u"abc");
    EXPECT_EQ(extendeds.GetItem(0), 0.0L);
    EXPECT_EQ(booleans.GetCount(), 1);
    EXPECT_EQ(longwords.GetCount(), 1);
}

TEST(XpgValueLists, JoinsWithTheDelimiterItSplitsAt) {
    TLongwordXpgList list;
    list.SetDelimiter(u',');
    list.SetDelimitedText(u"1,2,3");
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetDelimitedText(), u"1,2,3");
    list.Clear();
    list.Add(9);
    EXPECT_EQ(list.GetDelimitedText(), u"9");
}

TEST(XpgValueLists, KeepsTexts) {
    TStringXpgList list;
    list.AddNameValue(u"xmlns", u"x");
    list.Add(u"\u4E2D\u6587");
    EXPECT_EQ(list.GetItem(0), u"xmlns=\"x\" ");
    EXPECT_EQ(list.GetItem(1), u"\u4E2D\u6587");
    EXPECT_EQ(list.GetText(), u"xmlns=\"x\" \r\n\u4E2D\u6587\r\n");
    list.SetDelimitedText(u"1:5 7:9");
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetItemText(1), u"7:9");
    list.SetDelimitedText(u"\"a b\" c");
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetItem(0), u"a b");
    EXPECT_EQ(list.GetDelimitedText(), u"\"a b\" c");
    EXPECT_THROW(list.GetItem(2), rtl::EListError);
}

} // namespace
} // namespace xls
