#include "ui/data/filter/uiFilterValueList.h"

#include "FilterTestSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using test::TTestFilterCriteria;

std::string EntriesOf(const TuiFilterValueList& list) {
    std::string text;
    for (int32_t index = 0; index < list.GetCount(); ++index) {
        const TuiFilterValueItem& entry = list.GetItem(index);
        text += (text.empty() ? "" : " ") + std::to_string(entry.Kind) + ":" + test_support::Utf8(entry.DisplayText);
    }
    return text;
}

TEST(uiFilterValueList, ValuesStaySortedAndDistinctAfterTheSpecialEntries) {
    TTestFilterCriteria criteria;
    auto list = criteria.CreateValueList();
    for (const int32_t value : {5, 3, 9, 3}) {
        list->AddValueEntry(fviValue, value, rtl::UnicodeString(1, static_cast<char16_t>(u'0' + value)), false);
    }
    list->AddValueEntry(fviAll, rtl::Variant::Null(), u"(All)", false);
    list->AddValueEntry(fviBlanks, rtl::Variant::Null(), u"(Blanks)", false);
    EXPECT_EQ(EntriesOf(*list), "0:(All) 2:(Blanks) 5:3 5:5 5:9");
    EXPECT_EQ(list->IndexOfValue(5), 3);
    EXPECT_EQ(list->IndexOfValue(4), -1);
    EXPECT_EQ(list->IndexOfFirstValue(), 2);
    EXPECT_EQ(list->IndexOfKindValue(fviValue, 9), 4);
    EXPECT_EQ(list->IndexOfKindValue(fviValue, rtl::Variant::Null()), 2);

    // Appended values go to the end unsorted and are still found.
    list->AddValueEntry(fviValue, 1, u"1", true);
    EXPECT_EQ(list->IndexOfValue(1), 5);
    list->ClearEntriesList();
    EXPECT_EQ(list->GetCount(), 0);
}

// The limit counts values, not the special entries: with 3 the fourth distinct value is refused.
TEST(uiFilterValueList, TheLimitCountsValuesOnly) {
    TTestFilterCriteria criteria;
    criteria.SetMaxValueListCount(3);
    auto list = criteria.CreateValueList();
    list->AddValueEntry(fviAll, rtl::Variant::Null(), u"(All)", false);
    list->AddValueEntry(fviCustom, rtl::Variant::Null(), u"(Custom...)", false);
    for (const int32_t value : {1, 2, 2, 3, 4}) {
        list->AddValueEntry(fviValue, value, rtl::UnicodeString(1, static_cast<char16_t>(u'0' + value)), false);
    }
    EXPECT_EQ(EntriesOf(*list), "0:(All) 1:(Custom...) 5:1 5:2 5:3");
    list->AddValueEntry(fviValue, 4, u"4", true);
    EXPECT_EQ(list->GetCount(), 6);
}

TEST(uiFilterValueList, RecentFiltersGoAboveASeparator) {
    TTestFilterCriteria criteria;
    auto list = criteria.CreateValueList();
    list->AddValueEntry(fviAll, rtl::Variant::Null(), u"(All)", false);
    list->AddValueEntry(fviRecent, 1, u"first", false);
    EXPECT_EQ(EntriesOf(*list), "6:first 7: 0:(All)");
    list->AddValueEntry(fviRecent, 2, u"second", false);
    EXPECT_EQ(EntriesOf(*list), "6:first 6:second 7: 0:(All)");
    EXPECT_EQ(list->IndexOfSeparator(), 2);
    int32_t index = -1;
    EXPECT_TRUE(list->FindValueEntry(2, u"second", index));
    EXPECT_EQ(index, 1);
}

TEST(uiFilterValueList, ConditionsMapToTheEntriesThatStandForThem) {
    TTestFilterCriteria criteria;
    auto list = criteria.CreateValueList();
    for (const TuiFilterValueItemKind kind : {fviAll, fviCustom, fviBlanks, fviNonBlanks}) {
        list->AddValueEntry(kind, rtl::Variant::Null(), u"", false);
    }
    list->AddValueEntry(fviValue, 5, u"5", false);
    EXPECT_EQ(list->IndexForCriteriaItem(nullptr), 0);
    const auto indexFor = [&](TuiFilterOperatorKind kind, const rtl::Variant& value) {
        criteria.ClearConditions();
        return list->IndexForCriteriaItem(&criteria.AddItem(nullptr, criteria.PriceItem(), kind, value, u"5"));
    };
    EXPECT_EQ(indexFor(fokEqual, rtl::Variant::Null()), 2);
    EXPECT_EQ(indexFor(fokNotEqual, rtl::Variant::Null()), 3);
    EXPECT_EQ(indexFor(fokEqual, 5), 4);
    EXPECT_EQ(indexFor(fokEqual, 6), 1);
    EXPECT_EQ(indexFor(fokLike, rtl::Variant::FromAnsiString("5%")), 1);
}

TEST(uiFilterValueList, TextsAreComparedFirstWhenTheListSaysSo) {
    TTestFilterCriteria criteria;
    criteria.SetOptions({fcoCaseInsensitive});
    auto list = criteria.CreateValueList();
    list->SetCompareTexts(true);
    list->AddValueEntry(fviValue, 2, u"b", false);
    list->AddValueEntry(fviValue, 1, u"C", false);
    list->AddValueEntry(fviValue, 3, u"a", false);
    list->AddValueEntry(fviValue, 2, u"B", false);
    EXPECT_EQ(EntriesOf(*list), "5:a 5:b 5:C");
}

} // namespace
} // namespace ui
