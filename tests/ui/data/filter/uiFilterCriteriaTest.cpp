#include "FilterTestSupport.h"
#include "tests/support/TestSupport.h"
#include "ui/data/filter/uiFilterOperators.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using test::Ansi;
using test::TTestFilterCriteria;
using test_support::Utf8;

std::string Expression(const TuiFilterCriteria& criteria) {
    return Utf8(criteria.GetFilterExpression());
}

std::string Caption(const TuiFilterCriteria& criteria) {
    return Utf8(criteria.GetFilterCaption());
}

// An OR root: Name = 'A', and a NOT AND group of Price > 10 and Qty < 5.
void BuildOrTree(TTestFilterCriteria& criteria) {
    criteria.Root().ChangeBoolOperator(fboOr);
    criteria.AddItem(nullptr, criteria.NameItem(), fokEqual, Ansi("A"), u"A");
    TuiFilterCriteriaItemList& group = criteria.Root().AddGroup(fboNotAnd);
    criteria.AddItem(&group, criteria.PriceItem(), fokGreater, 10, u"10");
    criteria.AddItem(&group, criteria.QtyItem(), fokLess, 5, u"5");
}

TEST(uiFilterCriteria, TreesReadAsExpressionsAndAsCaptions) {
    TTestFilterCriteria criteria;
    EXPECT_EQ(Expression(criteria), "");
    BuildOrTree(criteria);
    EXPECT_EQ(Expression(criteria), "(Name = 'A') OR (NOT ((Price > 10) AND (Qty < 5)))");
    EXPECT_EQ(Caption(criteria), "(Customer = A) or (not ((Unit price > 10) and (Quantity < 5)))");
    criteria.SetOptions({fcoShowOperatorDescription});
    EXPECT_EQ(Caption(criteria),
              "(Customer equals A) or (not ((Unit price is greater than 10) and (Quantity is less than 5)))");

    TTestFilterCriteria empty;
    empty.Root().ChangeBoolOperator(fboNotOr);
    EXPECT_EQ(Expression(empty), "NOT ()");
}

TEST(uiFilterCriteria, GroupsCombineTheirEntriesByTheirOperator) {
    TTestFilterCriteria criteria;
    for (const int32_t price : {5, 15, 25}) {
        criteria.AddRecord({Ansi("x"), price, 1});
    }
    using Records = std::vector<int32_t>;
    EXPECT_EQ(criteria.Passing(), (Records{0, 1, 2}));
    struct TCase {
        TuiFilterBoolOperatorKind Kind;
        Records Passing;
    };
    // Price > 10 and Price < 20 in one group.
    const TCase cases[] = {
        {fboAnd, {1}},
        {fboOr, {0, 1, 2}},
        {fboNotAnd, {0, 2}},
        {fboNotOr, {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.Kind));
        criteria.ClearConditions();
        TuiFilterCriteriaItemList& group = criteria.Root().AddGroup(c.Kind);
        EXPECT_EQ(criteria.Passing(), (Records{0, 1, 2})) << "an empty group passes everything";
        criteria.AddItem(&group, criteria.PriceItem(), fokGreater, 10, u"10");
        criteria.AddItem(&group, criteria.PriceItem(), fokLess, 20, u"20");
        EXPECT_EQ(criteria.Passing(), c.Passing);
    }
    criteria.ClearConditions();
    TuiFilterCriteriaItemList& notAnd = criteria.Root().AddGroup(fboNotAnd);
    criteria.AddItem(&notAnd, criteria.PriceItem(), fokGreater, 100, u"100");
    EXPECT_EQ(criteria.Passing(), (Records{0, 1, 2})) << "NOT AND with one failing condition";
}

TEST(uiFilterCriteria, OptionsDecideCaseNullsAndVariantErrors) {
    TTestFilterCriteria criteria;
    criteria.AddRecord({Ansi("abc"), 1, 1});
    criteria.AddRecord({Ansi(""), 2, 2});
    criteria.AddRecord({rtl::Variant::Null(), 3, 3});
    using Records = std::vector<int32_t>;

    TuiFilterCriteriaItem& condition = criteria.AddItem(nullptr, criteria.NameItem(), fokEqual, Ansi("ABC"), u"ABC");
    EXPECT_EQ(criteria.Passing(), Records{});
    criteria.SetOptions({fcoCaseInsensitive});
    EXPECT_EQ(criteria.Passing(), Records{0});

    // An empty string counts as blank only with fcoSoftNull, which also turns an equal test of "" into a blank test.
    condition.AssignValue(Ansi(""));
    EXPECT_EQ(dynamic_cast<TuiFilterNullOperator*>(&condition.Operator()), nullptr) << "Null is no empty string";
    EXPECT_EQ(criteria.Passing(), Records{1});
    criteria.SetOptions({fcoSoftNull});
    condition.AssignValue(Ansi(""));
    EXPECT_NE(dynamic_cast<TuiFilterNullOperator*>(&condition.Operator()), nullptr);
    EXPECT_EQ(criteria.Passing(), (Records{1, 2}));

    condition.ChangeOperatorKind(fokNotEqual);
    condition.AssignValue(Ansi("abc"));
    criteria.SetOptions({});
    EXPECT_EQ(criteria.Passing(), (Records{1, 2}));
    criteria.SetOptions({fcoIgnoreNull});
    EXPECT_EQ(criteria.Passing(), Records{1});

    // A value that has no text fails a LIKE test by a Variant error: propagated, unless compared softly.
    criteria.ClearConditions();
    criteria.AddItem(nullptr, criteria.NameItem(), fokLike, Ansi("a%"), u"a%");
    criteria.AddRecord({rtl::Variant::ArrayOf({1, 2}), 4, 4});
    EXPECT_THROW(criteria.Passing(), rtl::EVariantError);
    criteria.SetOptions({fcoSoftCompare});
    EXPECT_EQ(criteria.Passing(), Records{0});
}

TEST(uiFilterCriteria, ChangesAreReportedOnceWhenTheLockIsReleased) {
    TTestFilterCriteria criteria;
    criteria.AddItem(nullptr, criteria.NameItem(), fokEqual, Ansi("A"), u"A");
    EXPECT_EQ(criteria.Changes, 1);
    criteria.LockChanges();
    criteria.AddItem(nullptr, criteria.PriceItem(), fokGreater, 1, u"1");
    criteria.SetPercentWildcard(u'*');
    criteria.Root().ChangeBoolOperator(fboOr);
    EXPECT_EQ(criteria.Changes, 1);
    criteria.UnlockChanges();
    EXPECT_EQ(criteria.Changes, 2);
    criteria.SetPercentWildcard(u'*');
    criteria.Root().ChangeBoolOperator(fboOr);
    EXPECT_EQ(criteria.Changes, 2) << "setting what is set reports nothing";
    criteria.LockChanges();
    criteria.SetUnderscoreWildcard(u'?');
    criteria.CancelLock();
    EXPECT_EQ(criteria.Changes, 2);
    criteria.ClearConditions();
    EXPECT_EQ(criteria.Changes, 3);
    EXPECT_TRUE(criteria.HasNoConditions());
    EXPECT_EQ(criteria.Root().BoolOperator(), fboAnd);
}

TEST(uiFilterCriteria, RemovingAnItemTidiesTheGroupsItLeaves) {
    TTestFilterCriteria criteria;
    // Root AND: [OR (Name = 'A', Price > 1), Qty < 5].
    TuiFilterCriteriaItemList& orGroup = criteria.Root().AddGroup(fboOr);
    criteria.AddItem(&orGroup, criteria.NameItem(), fokEqual, Ansi("A"), u"A");
    criteria.AddItem(&orGroup, criteria.PriceItem(), fokGreater, 1, u"1");
    criteria.AddItem(nullptr, criteria.QtyItem(), fokLess, 5, u"5");
    const int32_t changes = criteria.Changes;
    criteria.RemoveItemsByLink(criteria.NameItem());
    EXPECT_EQ(Expression(criteria), "(Qty < 5) AND (Price > 1)");
    EXPECT_EQ(criteria.Changes, changes + 1);
    criteria.RemoveItemsByLink(criteria.NameItem());
    EXPECT_EQ(criteria.Changes, changes + 1) << "nothing removed, nothing reported";

    // A NOT group keeps its last entry: dissolving it would drop the NOT and invert the filter.
    criteria.ClearConditions();
    TuiFilterCriteriaItemList& notGroup = criteria.Root().AddGroup(fboNotAnd);
    criteria.AddItem(&notGroup, criteria.NameItem(), fokEqual, Ansi("A"), u"A");
    criteria.AddItem(&notGroup, criteria.PriceItem(), fokGreater, 1, u"1");
    criteria.RemoveItemsByLink(criteria.NameItem());
    EXPECT_EQ(Expression(criteria), "(NOT ((Price > 1)))");

    // Groups emptied go, up to the root, which stays.
    criteria.ClearConditions();
    TuiFilterCriteriaItemList& outer = criteria.Root().AddGroup(fboAnd);
    TuiFilterCriteriaItemList& inner = outer.AddGroup(fboOr);
    criteria.AddItem(&inner, criteria.NameItem(), fokEqual, Ansi("A"), u"A");
    criteria.AddItem(&inner, criteria.NameItem(), fokEqual, Ansi("B"), u"B");
    criteria.RemoveItemsByLink(criteria.NameItem());
    EXPECT_TRUE(criteria.HasNoConditions());
    EXPECT_EQ(criteria.FindConditionForItem(criteria.NameItem()), nullptr);
}

TEST(uiFilterCriteria, AssigningCopiesSettingsAndTreeAndReportsOnlyAChange) {
    TTestFilterCriteria source;
    BuildOrTree(source);
    source.SetOptions({fcoCaseInsensitive});
    source.SetPercentWildcard(u'*');
    source.SetMaxValueListCount(7);
    source.SetExpandIn(true);

    TTestFilterCriteria target;
    target.Assign(&source);
    EXPECT_EQ(Expression(target), Expression(source));
    EXPECT_EQ(target.Options(), TuiFilterCriteriaOptions{fcoCaseInsensitive});
    EXPECT_EQ(target.PercentWildcard(), u'*');
    EXPECT_EQ(target.MaxValueListCount(), 7);
    EXPECT_TRUE(target.ExpandIn());
    EXPECT_TRUE(target.IsSameCriteria(source, false));

    // OnChanged came along with the settings: the source counts the target's later changes.
    const int32_t sourceChanges = source.Changes;
    target.AssignItems(source, false);
    EXPECT_EQ(source.Changes, sourceChanges) << "the same tree is not loaded again";
    target.Root().ChangeBoolOperator(fboAnd);
    EXPECT_EQ(source.Changes, sourceChanges + 1);
    EXPECT_FALSE(target.IsSameCriteria(source, false));

    rtl::TPersistent other;
    EXPECT_THROW(target.Assign(&other), rtl::EConvertError);
}

} // namespace
} // namespace ui
