#include "rtl/text/StringList.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace rtl {
namespace {

using Strings = std::vector<UnicodeString>;

Strings Contents(const TStringList& list) {
    Strings strings;
    for (int32_t i = 0; i < list.Count(); ++i) {
        strings.push_back(list.Get(i));
    }
    return strings;
}

void Fill(TStringList& list, const Strings& strings) {
    for (const auto& text : strings) {
        list.Add(text);
    }
}

// UTF-8 for readable failure output.
std::string Utf8(const Strings& strings) {
    std::string text = "[";
    for (const auto& item : strings) {
        text += "<" + UnicodeToUtf8(item) + ">";
    }
    return text + "]";
}

TObject* Tag(intptr_t value) {
    return reinterpret_cast<TObject*>(value);
}

TEST(StringList, SortedAddFollowsDuplicates) {
    struct Case {
        const char* name;
        TDuplicates duplicates;
        bool caseSensitive;
        Strings expected;
        std::vector<intptr_t> tags; // which Add each kept string came from
        const char* error;
    };
    const Case cases[] = {
        {"ignored", TDuplicates::dupIgnore, false, {u"a", u"b", u"c"}, {2, 1, 4}, nullptr},
        {"accepted after their equals",
         TDuplicates::dupAccept,
         false,
         {u"a", u"A", u"b", u"B", u"c"},
         {2, 5, 1, 3, 4},
         nullptr},
        {"rejected", TDuplicates::dupError, false, {u"a", u"b"}, {2, 1}, "String list does not allow duplicates"},
        {"case-sensitive", TDuplicates::dupError, true, {u"A", u"B", u"a", u"b", u"c"}, {5, 3, 2, 1, 4}, nullptr},
    };
    const Strings added = {u"b", u"a", u"B", u"c", u"A"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TStringList list;
        list.SetCaseSensitive(c.caseSensitive);
        list.SetDuplicates(c.duplicates);
        list.SetSorted(true);
        try {
            for (size_t i = 0; i < added.size(); ++i) {
                const int32_t index = list.AddObject(added[i], Tag(static_cast<intptr_t>(i + 1)));
                EXPECT_EQ(list.CompareStrings(list.Get(index), added[i]), 0);
            }
            EXPECT_EQ(c.error, nullptr);
        } catch (const EStringListError& e) {
            EXPECT_STREQ(e.what(), c.error);
        }
        EXPECT_EQ(Utf8(Contents(list)), Utf8(c.expected));
        for (size_t i = 0; i < c.tags.size() && i < static_cast<size_t>(list.Count()); ++i) {
            EXPECT_EQ(list.GetObject(static_cast<int32_t>(i)), Tag(c.tags[i])) << i;
        }
    }
}

TEST(StringList, FindIgnoresCaseAcrossScripts) {
    TStringList list;
    list.SetSorted(true);
    Fill(list, {u"ä", u"apple", u"Zebra", u"销售", u"Éclair", u"ωμέγα"});
    ASSERT_EQ(Utf8(Contents(list)), Utf8({u"apple", u"Zebra", u"ä", u"Éclair", u"ωμέγα", u"销售"}));
    struct Case {
        UnicodeString text;
        bool found;
        int32_t index;
    };
    const Case cases[] = {
        {u"Ä", true, 2},     {u"ÉCLAIR", true, 3}, {u"ΩΜΈΓΑ", true, 4},  {u"销售", true, 5},
        {u"APPLE", true, 0}, {u"销", false, 5},    {u"b", false, 1},     {u"zz", false, 2},
        {u"", false, 0},     {u"龍", false, 6},    {u"Äpfel", false, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.text));
        int32_t index = -1;
        EXPECT_EQ(list.Find(c.text, index), c.found);
        EXPECT_EQ(index, c.index);
        EXPECT_EQ(list.IndexOf(c.text), c.found ? c.index : -1);
    }
    list.SetCaseSensitive(true);
    EXPECT_EQ(Utf8(Contents(list)), Utf8({u"Zebra", u"apple", u"Éclair", u"ä", u"ωμέγα", u"销售"})); // code unit order
    EXPECT_EQ(list.IndexOf(u"Ä"), -1);
    EXPECT_EQ(list.IndexOf(u"ä"), 3);
}

TEST(StringList, ReadsDelimitedText) {
    struct Case {
        UnicodeString text;
        bool strict;
        Strings expected;
    };
    const Case cases[] = {
        {u"a,b,c", false, {u"a", u"b", u"c"}},
        {u"  a b\tc  ", false, {u"a", u"b", u"c"}},
        {uR"( "a,b" , "say ""hi""")", false, {u"a,b", u"say \"hi\""}},
        {u"a,,b", false, {u"a", u"", u"b"}},
        {u"a,", false, {u"a", u""}},
        {u"\"\"", false, {u""}},
        {u"", false, {}},
        {u"\"unterminated, still one", false, {u"unterminated, still one"}},
        {u"a b,c", true, {u"a b", u"c"}},
        {u" a , b ", true, {u" a ", u" b "}},
        {uR"("x,y",z)", true, {u"x,y", u"z"}},
        {u"销售 额,利润", false, {u"销售", u"额", u"利润"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.text) + (c.strict ? " strict" : ""));
        TStringList list;
        Fill(list, {u"old"});
        list.SetStrictDelimiter(c.strict);
        list.SetDelimitedText(c.text);
        EXPECT_EQ(Utf8(Contents(list)), Utf8(c.expected));
    }
}

TEST(StringList, WritesDelimitedTextThatReadsBack) {
    struct Case {
        Strings items;
        bool strict;
        UnicodeString expected;
    };
    const Case cases[] = {
        {{u"a", u"b"}, false, u"a,b"},
        {{u"a b", u"c"}, false, u"\"a b\",c"},
        {{u"a b", u"c"}, true, u"a b,c"},
        {{u"x,y"}, true, u"\"x,y\""},
        {{u"say \"hi\""}, false, uR"("say ""hi""")"},
        {{u"tab\there"}, false, u"\"tab\there\""},
        {{u""}, false, u"\"\""},
        {{}, false, u""},
        {{u"a", u"", u"b"}, false, u"a,,b"},
        {{u"", u"a", u""}, true, u",a,"},
        {{u" 销售 "}, true, u" 销售 "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.items) + (c.strict ? " strict" : ""));
        TStringList list;
        list.SetStrictDelimiter(c.strict);
        Fill(list, c.items);
        EXPECT_EQ(UnicodeToUtf8(list.GetDelimitedText()), UnicodeToUtf8(c.expected));
        TStringList copy;
        copy.SetStrictDelimiter(c.strict);
        copy.SetDelimitedText(list.GetDelimitedText());
        EXPECT_EQ(Utf8(Contents(copy)), Utf8(c.items));
    }
}

TEST(StringList, DelimiterSettingsAndCommaText) {
    TStringList list;
    list.SetDelimiter(u';');
    list.SetQuoteChar(u'\'');
    list.SetStrictDelimiter(true);
    list.SetDelimitedText(u"'a;b';c d,e");
    EXPECT_EQ(Utf8(Contents(list)), Utf8({u"a;b", u"c d,e"}));
    EXPECT_EQ(UnicodeToUtf8(list.GetDelimitedText()), "'a;b';c d,e");
    // Comma text uses its own fixed settings, whatever the list's are.
    EXPECT_EQ(UnicodeToUtf8(list.GetCommaText()), "a;b,\"c d,e\"");
    list.SetCommaText(u"x y,\"p;q\"");
    EXPECT_EQ(Utf8(Contents(list)), Utf8({u"x", u"y", u"p;q"}));
}

TEST(StringList, TextSplitsAtEveryKindOfLineBreak) {
    struct Case {
        UnicodeString text;
        UnicodeString lineBreak;
        Strings expected;
    };
    const Case cases[] = {
        {u"a\r\nb\nc\rd\r\n\r\ne", u"\r\n", {u"a", u"b", u"c", u"d", u"", u"e"}},
        {u"a\n", u"\r\n", {u"a"}},
        {u"\r\n", u"\r\n", {u""}},
        {u"\n\r", u"\r\n", {u"", u""}},
        {u"", u"\r\n", {}},
        {u"a\r\nb", u"\n", {u"a", u"b"}},
        {u"a|b\nc|", u"|", {u"a", u"b\nc"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(UnicodeToUtf8(c.text));
        TStringList list;
        list.SetLineBreak(c.lineBreak);
        list.SetText(c.text);
        EXPECT_EQ(Utf8(Contents(list)), Utf8(c.expected));
    }
    TStringList list;
    Fill(list, {u"a", u"", u"b"});
    EXPECT_EQ(list.GetText(), u"a\r\n\r\nb\r\n");
    list.SetLineBreak(u"|");
    EXPECT_EQ(list.GetText(), u"a||b|");
}

TEST(StringList, NamesAndValues) {
    TStringList list;
    Fill(list, {u"a=1", u"Größe=2", u"no separator", u"c=", u"=x", u"d=e=f"});
    struct Case {
        UnicodeString name, value;
    };
    const Case byIndex[] = {{u"a", u"1"}, {u"Größe", u"2"}, {u"", u""}, {u"c", u""}, {u"", u"x"}, {u"d", u"e=f"}};
    for (int32_t i = 0; i < list.Count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(list.GetName(i), byIndex[i].name);
        EXPECT_EQ(list.GetValueFromIndex(i), byIndex[i].value);
    }
    EXPECT_EQ(list.GetValue(u"GRÖßE"), u"2");
    EXPECT_EQ(list.IndexOfName(u"C"), 3);
    EXPECT_EQ(list.IndexOfName(u"no separator"), -1);

    list.SetValue(u"A", u"9");
    list.SetValue(u"new", u"v");
    list.SetValue(u"größe", u"");
    list.SetValueFromIndex(0, u"10");
    EXPECT_EQ(Utf8(Contents(list)), Utf8({u"A=10", u"no separator", u"c=", u"=x", u"d=e=f", u"new=v"}));

    list.SetNameValueSeparator(u':');
    list.SetValue(u"k", u"v");
    EXPECT_EQ(list.Get(list.Count() - 1), u"k:v");
    EXPECT_EQ(list.GetValue(u"d=e=f"), u"");
}

TEST(StringList, CustomSortIsStableAndCarriesObjects) {
    TStringList list;
    const Strings strings = {u"ccc", u"a", u"bb", u"dd", u"e", u"fff"};
    for (size_t i = 0; i < strings.size(); ++i) {
        list.AddObject(strings[i], Tag(static_cast<intptr_t>(i)));
    }
    list.CustomSort([](const TStringList& l, int32_t a, int32_t b) {
        return static_cast<int>(l.Get(b).size()) - static_cast<int>(l.Get(a).size());
    });
    EXPECT_EQ(Utf8(Contents(list)), Utf8({u"ccc", u"fff", u"bb", u"dd", u"a", u"e"}));
    EXPECT_EQ(list.GetObject(1), Tag(5));

    std::mt19937 generator(3);
    list.CustomSort([&](const TStringList&, int32_t, int32_t) { return static_cast<int>(generator() % 3) - 1; });
    list.Sort();
    EXPECT_EQ(Utf8(Contents(list)), Utf8({u"a", u"bb", u"ccc", u"dd", u"e", u"fff"}));
    EXPECT_EQ(list.GetObject(2), Tag(0));

    // A sorted list keeps its own order.
    list.SetSorted(true);
    list.CustomSort([](const TStringList&, int32_t, int32_t) { return 1; });
    EXPECT_EQ(list.Get(0), u"a");
}

TEST(StringList, BadOperationsRaise) {
    struct Case {
        const char* name;
        std::function<void(TStringList&)> action;
        const char* message;
    };
    const Case cases[] = {
        {"Get(Count)", [](TStringList& l) { l.Get(2); }, "List index out of bounds (2)"},
        {"GetObject(-1)", [](TStringList& l) { l.GetObject(-1); }, "List index out of bounds (-1)"},
        {"Delete(Count)", [](TStringList& l) { l.Delete(2); }, "List index out of bounds (2)"},
        {"Insert past the end", [](TStringList& l) { l.Insert(3, u"x"); }, "List index out of bounds (3)"},
        {"Exchange", [](TStringList& l) { l.Exchange(0, 5); }, "List index out of bounds (5)"},
        {"ValueFromIndex", [](TStringList& l) { l.SetValueFromIndex(2, u"v"); }, "List index out of bounds (2)"},
        {"Capacity below count", [](TStringList& l) { l.SetCapacity(1); }, "List capacity out of bounds (1)"},
        {"Put on a sorted list",
         [](TStringList& l) {
             l.SetSorted(true);
             l.Put(0, u"x");
         },
         "Operation not allowed on sorted list"},
        {"Insert on a sorted list",
         [](TStringList& l) {
             l.SetSorted(true);
             l.Insert(0, u"x");
         },
         "Operation not allowed on sorted list"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TStringList list;
        Fill(list, {u"b", u"a"});
        try {
            c.action(list);
            ADD_FAILURE() << "no exception";
        } catch (const EStringListError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(StringList, UpdatesNotifyOnceAndOnlyOnChange) {
    struct Case {
        const char* name;
        std::function<void(TStringList&)> action;
        int notifications;
    };
    const Case cases[] = {
        {"one change", [](TStringList& l) { l.Add(u"x"); }, 1},
        {"changes in nested updates",
         [](TStringList& l) {
             l.BeginUpdate();
             l.Add(u"x");
             l.BeginUpdate();
             l.Delete(0);
             l.EndUpdate();
             l.Exchange(0, 1);
             l.EndUpdate();
         },
         1},
        {"update without change",
         [](TStringList& l) {
             l.BeginUpdate();
             EXPECT_EQ(l.IndexOf(u"a"), 0);
             l.EndUpdate();
             l.EndUpdate(); // unbalanced: ignored
         },
         0},
        {"text replaced", [](TStringList& l) { l.SetText(u"p\nq\nr"); }, 1},
        {"clearing an empty list",
         [](TStringList& l) {
             l.Clear();
             l.Clear();
         },
         1},
        {"raising inside an update",
         [](TStringList& l) {
             l.SetSorted(true);
             l.SetDuplicates(TDuplicates::dupError);
             EXPECT_THROW(l.SetCommaText(u"x,y,x"), EStringListError);
         },
         2}, // the sort, then the text
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TStringList list;
        Fill(list, {u"a", u"b"});
        int changing = 0;
        int changed = 0;
        list.SetOnChanging([&](TObject* sender) {
            EXPECT_EQ(sender, &list);
            EXPECT_EQ(changing, changed); // always before its change
            ++changing;
        });
        list.SetOnChange([&](TObject*) { ++changed; });
        c.action(list);
        EXPECT_EQ(changing, c.notifications);
        EXPECT_EQ(changed, c.notifications);
    }
}

TEST(StringList, OwnedObjectsAreFreed) {
    struct TCounted : TObject {
        explicit TCounted(int& destroyed) : FDestroyed(destroyed) {}
        ~TCounted() override { ++FDestroyed; }
        int& FDestroyed;
    };
    int destroyed = 0;
    {
        TStringList list;
        list.SetOwnsObjects(true);
        for (const auto* text : {u"a", u"b", u"c", u"d"}) {
            list.AddObject(text, new TCounted(destroyed));
        }
        list.Delete(0);
        EXPECT_EQ(destroyed, 1);
        list.SetText(u"x"); // clears the three others
        EXPECT_EQ(destroyed, 4);
        list.AddObject(u"y", new TCounted(destroyed));
    }
    EXPECT_EQ(destroyed, 5);

    TCounted kept(destroyed);
    {
        TStringList list;
        list.AddObject(u"k", &kept);
        list.Clear();
    }
    EXPECT_EQ(destroyed, 5);
}

TEST(StringList, AddStringsAndAssign) {
    TStringList list;
    list.AddObject(u"b", Tag(1));
    list.AddObject(u"a", Tag(2));
    list.AddStrings(list);
    EXPECT_EQ(Utf8(Contents(list)), Utf8({u"b", u"a", u"b", u"a"}));

    TStringList sorted;
    sorted.SetSorted(true);
    sorted.AddStrings(list);
    EXPECT_EQ(Utf8(Contents(sorted)), Utf8({u"a", u"b"}));
    EXPECT_EQ(sorted.GetObject(0), Tag(2));

    list.Assign(sorted);
    EXPECT_TRUE(list.Sorted());
    EXPECT_EQ(Utf8(Contents(list)), Utf8({u"a", u"b"}));
    EXPECT_EQ(list.Add(u"A"), 0); // the copied settings hold: sorted, duplicates ignored
}

// THashedStringList must answer exactly as the plain list does, whatever happened to it.
TEST(StringList, HashedListAgreesWithPlainList) {
    struct Step {
        const char* name;
        std::function<void(TStringList&)> edit;
    };
    const Step steps[] = {
        {"filled",
         [](TStringList& l) {
             Fill(l, {u"Apple=1", u"banana", u"apple=2", u"销售=3", u"Äpfel=4", u"ÄPFEL", u"cherry=5", u"=6"});
         }},
        {"deleted",
         [](TStringList& l) {
             l.Delete(0);
             l.Delete(3);
         }},
        {"inserted",
         [](TStringList& l) {
             l.Insert(0, u"äpfel=7");
             l.Insert(2, u"BANANA=8");
         }},
        {"replaced",
         [](TStringList& l) {
             l.Put(1, u"apple");
             l.SetValue(u"cherry", u"");
         }},
        {"exchanged", [](TStringList& l) { l.Exchange(0, l.Count() - 1); }},
        {"case-sensitive", [](TStringList& l) { l.SetCaseSensitive(true); }},
        {"sorted",
         [](TStringList& l) {
             l.SetSorted(true);
             l.Add(u"Banana=9");
         }},
        {"separator changed", [](TStringList& l) { l.SetNameValueSeparator(u'p'); }},
        {"case-insensitive again", [](TStringList& l) { l.SetCaseSensitive(false); }},
        {"cleared and refilled", [](TStringList& l) { l.SetCommaText(u"x=1,X=2,y"); }},
    };
    const UnicodeString lookups[] = {u"apple",  u"APPLE", u"Apple=1", u"apple=2", u"äpfel=4", u"ÄPFEL",   u"äpfel",
                                     u"销售=3", u"销售",  u"banana",  u"BANANA",  u"cherry",  u"",        u"=6",
                                     u"x",      u"X",     u"x=1",     u"y",       u"a",       u"Banana=9"};
    TStringList plain;
    THashedStringList hashed;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.edit(plain);
        step.edit(hashed);
        ASSERT_EQ(Utf8(Contents(hashed)), Utf8(Contents(plain)));
        for (const auto& text : lookups) {
            SCOPED_TRACE(UnicodeToUtf8(text));
            EXPECT_EQ(hashed.IndexOf(text), plain.IndexOf(text));
            EXPECT_EQ(hashed.IndexOfName(text), plain.IndexOfName(text));
        }
    }
}

} // namespace
} // namespace rtl
