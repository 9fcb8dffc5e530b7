#include "FilterTestSupport.h"
#include "tests/support/TestSupport.h"
#include "tests/ui/data/DataTestSupport.h"
#include "tests/ui/data/FuzzSeedTestSupport.h"
#include "ui/data/values/uiVariantStreams.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using test::Ansi;
using test::BytesOfHex;
using test::HexOf;
using test::TTestFilterCriteria;
using test_support::Utf8;

std::string Written(const TuiFilterCriteria& criteria, uint8_t requestedVersion = 0) {
    rtl::TStringStream stream;
    criteria.WriteCriteriaStream(stream, requestedVersion);
    return stream.DataString();
}

TuiFilterDroppedEntries Load(TuiFilterCriteria& criteria, const std::string& bytes) {
    rtl::TStringStream stream(bytes);
    return criteria.ReadCriteriaStream(stream);
}

// Bytes of the stream's parts, put together by hand.
class TStreamBytes {
public:
    TStreamBytes& Integer(int32_t value) {
        WriteStreamInteger(FStream, value);
        return *this;
    }
    TStreamBytes& Byte(uint8_t value) {
        WriteStreamByte(FStream, value);
        return *this;
    }
    TStreamBytes& List(uint8_t kind, int32_t count) { return Byte(1).Byte(kind).Integer(count); }
    // A condition entry of version 3 (with a name) or of the versions before (nameless: nullptr).
    TStreamBytes& Condition(uint8_t kind, const char* displayText, int32_t id, const char* name,
                            const rtl::Variant& value) {
        Byte(0);
        FStream.WriteString("UXAFMT");
        Byte(kind);
        WriteStreamString(FStream, displayText);
        Integer(id);
        if (name) {
            WriteStreamString(FStream, name);
        }
        WriteStreamVariant(FStream, value);
        return *this;
    }
    std::string Bytes() const { return FStream.DataString(); }

private:
    rtl::TStringStream FStream;
};

// Three root entries in version 1: two conditions and a group, without names.
std::string VersionOneStream() {
    TStreamBytes stream;
    stream.Integer(3);
    stream.Condition(fokEqual, "A", 1, nullptr, Ansi("A"));
    stream.Condition(fokGreater, "1", 2, nullptr, 1);
    stream.List(fboOr, 1).Condition(fokLess, "5", 3, nullptr, 5);
    return stream.Bytes();
}

// Conditions of items the criteria does not know, among two it knows.
std::string GoneItemsStream() {
    TStreamBytes stream;
    stream.Integer(-2).Byte(fboOr).Integer(5);
    stream.Condition(fokEqual, "x", 99, "Gone", Ansi("x"));
    stream.List(fboAnd, 1).Condition(fokEqual, "y", 98, "Lost", Ansi("y"));
    // Named otherwise than the item of its ID: another item.
    stream.Condition(fokEqual, "z", 1, "Other", Ansi("z"));
    // Without a name the ID decides.
    stream.Condition(fokGreater, "2", 2, "", 2);
    stream.Condition(fokEqual, "A", 0, "Name", Ansi("A"));
    return stream.Bytes();
}

// A condition whose strings are UTF-16: the display text and value 中文.
std::string UnicodeStream() {
    TStreamBytes stream;
    stream.Integer(-2).Byte(fboAnd).Integer(1).Byte(0);
    return stream.Bytes() + "UXUFMT" +
           BytesOfHex("00 02 00 00 00 2D 4E 87 65 01 00 00 00 04 00 00 00 4E 00 61 00 6D 00 65 00 12 02 00 00 00 2D 4E "
                      "87 65");
}

// Every operator kind once, with a value of the shape it takes.
std::string EveryKindStream() {
    TTestFilterCriteria criteria;
    for (uint8_t kind = 0; kind < uiFilterOperatorKindCount; ++kind) {
        rtl::Variant value = static_cast<int32_t>(kind);
        if (kind == fokBetween || kind == fokNotBetween || kind == fokInList || kind == fokNotInList) {
            value = rtl::Variant::ArrayOf({1, 2.5, Ansi("c")});
        } else if (kind == fokLike || kind == fokNotLike) {
            value = Ansi("%b_");
        }
        criteria.AddItem(nullptr, criteria.Item(kind % 3), static_cast<TuiFilterOperatorKind>(kind), value, u"v");
    }
    return Written(criteria);
}

// A tree of every kind of entry: an OR root with a condition, a NOT AND group, a BETWEEN over an array, a blank
// test and a date range.
void BuildMixedTree(TTestFilterCriteria& criteria) {
    criteria.Root().ChangeBoolOperator(fboOr);
    criteria.AddItem(nullptr, criteria.NameItem(), fokEqual, Ansi("A"), u"A");
    TuiFilterCriteriaItemList& group = criteria.Root().AddGroup(fboNotAnd);
    criteria.AddItem(&group, criteria.PriceItem(), fokBetween, rtl::Variant::ArrayOf({5, 10.5}), u"5;10.5");
    criteria.AddItem(&group, criteria.QtyItem(), fokNotEqual, rtl::Variant::Null(), u"");
    criteria.AddItem(nullptr, criteria.NameItem(), fokThisWeek, rtl::Variant::Null(), u"");
}

TEST(uiFilterStream, AConditionWritesItsKindTextItemAndValue) {
    TTestFilterCriteria criteria;
    criteria.AddItem(nullptr, criteria.NameItem(), fokEqual, Ansi("A"), u"A");
    EXPECT_EQ(HexOf(Written(criteria)), "FE FF FF FF 00 01 00 00 00 00 55 58 41 46 4D 54 00 01 00 00 00 41 01 00 00 00 "
                                        "04 00 00 00 4E 61 6D 65 06 01 41");
    EXPECT_EQ(criteria.SavedStreamVersion(), 3);
    // Version 2 has no item names.
    EXPECT_EQ(HexOf(Written(criteria, 2)),
              "FF FF FF FF 00 01 00 00 00 00 55 58 41 46 4D 54 00 01 00 00 00 41 01 00 00 00 06 01 41");
    EXPECT_EQ(criteria.SavedStreamVersion(), 2);
    TTestFilterCriteria version2(2);
    version2.Assign(&criteria);
    EXPECT_EQ(HexOf(Written(version2)), HexOf(Written(criteria, 2)));
}

TEST(uiFilterStream, WhatIsWrittenReadsBackToTheSameTree) {
    TTestFilterCriteria source;
    BuildMixedTree(source);
    const std::string bytes = Written(source);
    TTestFilterCriteria target;
    const TuiFilterDroppedEntries dropped = Load(target, bytes);
    EXPECT_EQ(dropped.Conditions + dropped.Groups, 0);
    EXPECT_EQ(target.Changes, 1);
    EXPECT_EQ(target.LoadedStreamVersion(), 3);
    EXPECT_EQ(Utf8(target.GetFilterExpression()), Utf8(source.GetFilterExpression()));
    EXPECT_EQ(Utf8(target.GetFilterCaption()), Utf8(source.GetFilterCaption()));
    EXPECT_EQ(Written(target), bytes);
}

TEST(uiFilterStream, AVersionOneStreamCountsTheRootsEntries) {
    TTestFilterCriteria criteria;
    criteria.Root().ChangeBoolOperator(fboOr);
    Load(criteria, VersionOneStream());
    EXPECT_EQ(criteria.LoadedStreamVersion(), 1);
    EXPECT_EQ(criteria.Root().BoolOperator(), fboAnd);
    EXPECT_EQ(Utf8(criteria.GetFilterExpression()), "(Name = 'A') AND (Price > 1) AND ((Qty < 5))");
}

TEST(uiFilterStream, ConditionsOfItemsThatAreGoneAreDroppedAndCounted) {
    TTestFilterCriteria criteria;
    const TuiFilterDroppedEntries dropped = Load(criteria, GoneItemsStream());
    EXPECT_EQ(dropped.Conditions, 3);
    EXPECT_EQ(dropped.Groups, 1);
    EXPECT_EQ(criteria.Root().BoolOperator(), fboOr);
    EXPECT_EQ(Utf8(criteria.GetFilterExpression()), "(Price > 2) OR (Name = 'A')");

    TStreamBytes onlyGone;
    onlyGone.Integer(-2).Byte(fboNotOr).Integer(1).Condition(fokEqual, "x", 99, "Gone", Ansi("x"));
    Load(criteria, onlyGone.Bytes());
    EXPECT_TRUE(criteria.HasNoConditions());
    EXPECT_EQ(criteria.Root().BoolOperator(), fboNotOr) << "the root stays";
}

TEST(uiFilterStream, UnicodeConditionsReadTheirStringsAsUtf16) {
    TTestFilterCriteria criteria;
    Load(criteria, UnicodeStream());
    ASSERT_FALSE(criteria.HasNoConditions());
    const auto& condition = static_cast<const TuiFilterCriteriaItem&>(*criteria.Root().GetItem(0));
    EXPECT_EQ(condition.DisplayValue(), u"中文");
    EXPECT_EQ(condition.Value().VarType(), rtl::varOleStr);
    EXPECT_EQ(condition.ItemLink(), criteria.NameItem());
}

// A load that fails at any point leaves the tree as it was and reports nothing.
TEST(uiFilterStream, ATruncatedStreamLeavesTheTree) {
    TTestFilterCriteria source;
    BuildMixedTree(source);
    const std::string bytes = Written(source);
    TTestFilterCriteria criteria;
    criteria.AddItem(nullptr, criteria.QtyItem(), fokEqual, 7, u"7");
    const int32_t changes = criteria.Changes;
    for (size_t length = 0; length < bytes.size(); ++length) {
        SCOPED_TRACE(length);
        EXPECT_THROW(Load(criteria, bytes.substr(0, length)), rtl::EReadError);
        EXPECT_EQ(Utf8(criteria.GetFilterExpression()), "(Qty = 7)");
        EXPECT_EQ(criteria.Changes, changes);
        // The lock is released: the next change is reported.
        criteria.SetMaxValueListCount(0);
    }
    Load(criteria, bytes);
    EXPECT_EQ(criteria.Changes, changes + 1);
}

TEST(uiFilterStream, KindsCountsAndDepthsOutOfRangeAreReadErrors) {
    const auto deepGroups = [](int32_t depth) {
        TStreamBytes stream;
        stream.Integer(-2).Byte(fboAnd).Integer(1);
        for (int32_t level = 0; level < depth; ++level) {
            stream.List(fboAnd, 1);
        }
        stream.Condition(fokEqual, "A", 1, "Name", Ansi("A"));
        return stream.Bytes();
    };
    const std::string streams[] = {
        TStreamBytes().Integer(-2).Byte(fboAnd).Integer(1).Condition(34, "", 1, "Name", 1).Bytes(),
        TStreamBytes().Integer(-2).Byte(4).Integer(0).Bytes(),
        TStreamBytes().Integer(-2).Byte(fboAnd).Integer(1).List(fboNotOr + 1, 0).Bytes(),
        TStreamBytes().Integer(-2).Byte(fboAnd).Integer(-1).Bytes(),
        TStreamBytes().Integer(-2).Byte(fboAnd).Integer(1000000000).Bytes(),
        TStreamBytes().Integer(2000000000).Bytes(),
        deepGroups(MaxFilterStreamDepth + 1),
    };
    for (const std::string& bytes : streams) {
        SCOPED_TRACE(HexOf(bytes.substr(0, 16)));
        TTestFilterCriteria criteria;
        criteria.AddItem(nullptr, criteria.QtyItem(), fokEqual, 7, u"7");
        EXPECT_EQ(test_support::MessageOf([&] { Load(criteria, bytes); }), "Stream read error");
        EXPECT_EQ(Utf8(criteria.GetFilterExpression()), "(Qty = 7)");
    }
    TTestFilterCriteria deep;
    Load(deep, deepGroups(MaxFilterStreamDepth));
    EXPECT_FALSE(deep.HasNoConditions());
}

// The fuzz target of the filter stream starts from the streams these tests write: the committed files
// (tests/data/fuzz/ui_filter_stream_fuzz/) are exactly those streams. TALLYVANE_WRITE_FUZZ_SEEDS=1 writes them anew.
TEST(uiFilterStream, TheFuzzSeedsAreTheStreamsTheTestsWrite) {
    TTestFilterCriteria mixed;
    BuildMixedTree(mixed);
    TTestFilterCriteria deep;
    TuiFilterCriteriaItemList* list = &deep.Root();
    for (int32_t level = 0; level < 8; ++level) {
        list = &list->AddGroup(static_cast<TuiFilterBoolOperatorKind>(level % uiFilterBoolOperatorKindCount));
    }
    deep.AddItem(list, deep.QtyItem(), fokLessEqual, 3, u"3");
    const test::TFuzzSeeds seeds = {
        {"mixed-v3.flt", Written(mixed)},      {"mixed-v2.flt", Written(mixed, 2)},
        {"version-1.flt", VersionOneStream()}, {"gone-items.flt", GoneItemsStream()},
        {"unicode.flt", UnicodeStream()},      {"every-kind.flt", EveryKindStream()},
        {"nested-groups.flt", Written(deep)},
    };
    test::ExpectFuzzSeeds("ui_filter_stream_fuzz", seeds);
    for (const auto& [name, bytes] : seeds) {
        SCOPED_TRACE(name);
        TTestFilterCriteria criteria;
        EXPECT_NO_THROW(Load(criteria, bytes));
    }
}

} // namespace
} // namespace ui
