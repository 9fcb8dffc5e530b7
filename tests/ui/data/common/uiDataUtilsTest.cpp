#include "ui/data/common/uiDataUtils.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "rtl/time/DateTime.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <vector>

namespace ui {
namespace {

TEST(uiDataUtils, CurrencyDisplayFormatPlacesTheSymbol) {
    struct Case {
        rtl::UnicodeString symbol;
        uint8_t layout;
        uint8_t decimals;
        rtl::UnicodeString expected;
    };
    const Case cases[] = {
        {u"$", 0, 2, u"$,0.00"}, {u"$", 1, 2, u",0.00$"}, {u"$", 2, 2, u"$ ,0.00"},       {u"kr", 3, 2, u",0.00 kr"},
        {u"¥", 0, 0, u"¥,0."},   {u"", 0, 2, u",0.00"},   {u"kr.", 3, 2, u",0.00 kr'.'"}, {u"a,b", 0, 1, u"a','b,0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.expected));
        rtl::TFormatSettings settings = rtl::TFormatSettings::Invariant();
        settings.CurrencyString = c.symbol;
        settings.CurrencyFormat = c.layout;
        settings.CurrencyDecimals = c.decimals;
        EXPECT_EQ(test_support::Utf8(GetCurrencyDisplayFormat(settings)), test_support::Utf8(c.expected));
    }
}

TEST(uiDataUtils, DatePartsTruncateTowardZero) {
    EXPECT_EQ(DateTruncToDay(45000.75), 45000.0);
    EXPECT_EQ(TimeFraction(45000.75), 0.75);
    EXPECT_EQ(DateTruncToDay(-1.25), -1.0);
    EXPECT_EQ(TimeFraction(-1.25), -0.25);
}

TEST(uiDataUtils, WeekStartsOnTheGivenDay) {
    const rtl::TDateTime wednesday = rtl::EncodeDate(2026, 6, 10) + 0.625;
    const rtl::TDateTime monday = rtl::EncodeDate(2026, 6, 8);
    struct Case {
        rtl::TDateTime date;
        int32_t firstDay;
        rtl::TDateTime expected;
    };
    const Case cases[] = {
        {wednesday, 1, monday},                       // Monday before, time dropped
        {wednesday, 4, rtl::EncodeDate(2026, 6, 4)},  // Thursday of the week before
        {wednesday, 3, rtl::EncodeDate(2026, 6, 10)}, // the Wednesday itself
        {wednesday, 0, rtl::EncodeDate(2026, 6, 7)},  // Sunday
        {monday, 1, monday},
        {monday, 2, rtl::EncodeDate(2026, 6, 2)}, // Tuesday first: the Tuesday before
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firstDay);
        EXPECT_EQ(WeekStartDate(c.date, c.firstDay), c.expected);
    }
}

TEST(uiDataUtils, TextPrefixIgnoresCase) {
    struct Case {
        rtl::UnicodeString text, prefix;
        bool partial, expected;
    };
    const Case cases[] = {
        {u"Apple", u"ap", true, true},      {u"Apple", u"ap", false, false}, {u"Ap", u"apple", true, false},
        {u"apple", u"APPLE", false, true},  {u"", u"", true, true},          {u"abc", u"", true, false},
        {u"中文abc", u"中文A", true, true}, {u"中文", u"中", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.text) + " / " + test_support::Utf8(c.prefix));
        EXPECT_EQ(MatchesTextPrefix(rtl::UnicodeToAnsi(c.text), rtl::UnicodeToAnsi(c.prefix), c.partial), c.expected);
    }
}

class TTestCollectionItem : public rtl::TCollectionItem {
    RTL_DECLARE_CLASS(TTestCollectionItem, rtl::TCollectionItem)
public:
    explicit TTestCollectionItem(rtl::TCollection* collection) : rtl::TCollectionItem(collection) {}
    int Value = 0;

    void Assign(const rtl::TPersistent* source) override {
        if (const auto* item = dynamic_cast<const TTestCollectionItem*>(source)) {
            Value = item->Value;
            return;
        }
        rtl::TCollectionItem::Assign(source);
    }
};

class TTestCollection : public TuiCollection {
public:
    TTestCollection() : TuiCollection(TTestCollectionItem::StaticClass()) {}
    int Updates = 0;

    void Fill(std::initializer_list<int> values) {
        for (int value : values) {
            static_cast<TTestCollectionItem*>(Add())->Value = value;
        }
        Updates = 0;
    }
    std::vector<rtl::TCollectionItem*> ItemList() const {
        std::vector<rtl::TCollectionItem*> items;
        for (int32_t i = 0; i < Count(); ++i) {
            items.push_back(Items(i));
        }
        return items;
    }
    int ValueAt(int32_t index) const { return static_cast<TTestCollectionItem*>(Items(index))->Value; }

protected:
    void Update(rtl::TCollectionItem*) override { ++Updates; }
};

TEST(uiDataUtils, CollectionAssignKeepsItsItems) {
    TTestCollection source;
    source.Fill({7, 8});
    TTestCollection target;
    target.Fill({1, 2, 3, 4, 5});
    const std::vector<rtl::TCollectionItem*> before = target.ItemList();

    target.Assign(&source);
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(target.Items(0), before[0]);
    EXPECT_EQ(target.Items(1), before[1]);
    EXPECT_EQ(target.ValueAt(0), 7);
    EXPECT_EQ(target.ValueAt(1), 8);
    EXPECT_EQ(target.Updates, 1); // one change for the whole assignment

    source.Assign(&target);
    TTestCollection longer;
    longer.Fill({9, 9, 9});
    source.Assign(&longer);
    EXPECT_EQ(source.Count(), 3);
    EXPECT_EQ(source.ValueAt(2), 9);

    TTestCollection empty;
    TTestCollection alsoEmpty;
    empty.Assign(&alsoEmpty);
    EXPECT_EQ(empty.Updates, 0);
    EXPECT_THROW(target.Assign(nullptr), rtl::EConvertError);
}

} // namespace
} // namespace ui
