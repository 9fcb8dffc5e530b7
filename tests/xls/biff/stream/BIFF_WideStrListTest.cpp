#include "xls/biff/stream/BIFF_WideStrList.h"

#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

std::vector<std::u16string> Entries(const TXLSWideStringList& list) {
    std::vector<std::u16string> entries;
    for (int32_t i = 0; i < list.Count(); ++i) {
        entries.push_back(list.GetString(i));
    }
    return entries;
}

TEST(TXLSWideStringList, SetTextMakesOneEntryPerLine) {
    const struct {
        std::u16string Text;
        std::vector<std::u16string> Lines;
    } cases[] = {
        {u"first\r\nsecond\r\n", {u"first", u"second"}},
        {u"only\n", {u"only"}},
        {u"a\n\nb", {u"a", u"b"}},
        {u"a\r\rb\n\rc", {u"a", u"b", u"c"}},
        {u"a\n\n\nb", {u"a", u"", u"b"}},
        {u"a\vb\fc\u2028d\u2029e", {u"a", u"b", u"c", u"d", u"e"}},
        {u"no break", {u"no break"}},
        {u"\r\nafter", {u"", u"after"}},
        {u"", {}},
    };
    TXLSWideStringList list;
    list.Add(u"replaced");
    for (const auto& test : cases) {
        SCOPED_TRACE(test_support::Utf8(test.Text));
        list.SetText(test.Text);
        EXPECT_EQ(Entries(list), test.Lines);
    }
}

TEST(TXLSWideStringList, AddAfterSpaceKeepsWhatFollowsTheFirstSpace) {
    TXLSWideStringList list;
    list.AddAfterSpace(u"Attribute VB_Name = \"Module1\"  ");
    list.AddAfterSpace(u" leading space");
    list.AddAfterSpace(u"nospace");
    EXPECT_EQ(Entries(list), (std::vector<std::u16string>{u"VB_Name = \"Module1\"", u" leading space", u"nospace"}));
}

TEST(TXLSWideStringList, ValuesMissingEntriesAndChangeEvents) {
    TXLSWideStringList list;
    int32_t changes = 0;
    list.SetOnChange([&](TXLSWideStringList* sender) {
        EXPECT_EQ(sender, &list);
        ++changes;
    });
    EXPECT_EQ(list.AddWithValue(u"Sheet1", 2), 0);
    EXPECT_EQ(list.Add(u"Sheet2"), 1);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(list.GetValue(0), 2);
    EXPECT_EQ(list.GetValue(1), 0);
    EXPECT_EQ(list.GetString(2), u"");
    EXPECT_EQ(list.GetValue(-1), 0);

    list.SetUpdating(true);
    list.Add(u"quiet");
    list.Clear();
    EXPECT_EQ(changes, 2);
    list.SetUpdating(false);
    list.Clear();
    EXPECT_EQ(changes, 3);

    TXLSValueWideStringList attributes;
    EXPECT_EQ(attributes.NameValueSeparator(), u'=');
}

} // namespace
} // namespace xls
