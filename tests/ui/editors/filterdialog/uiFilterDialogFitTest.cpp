#include "ui/editors/filterdialog/uiFilterDialogFit.h"

#include "tests/ui/data/filter/FilterTestSupport.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

using ui::test::TTestFilterCriteria;

struct TFitCase {
    const char* Name;
    std::function<void(TTestFilterCriteria&)> Build;
    bool NeedsBuilder;
};

void AddPair(TTestFilterCriteria& criteria, ui::TuiFilterBoolOperatorKind kind, rtl::TObject* first,
             rtl::TObject* second) {
    ui::TuiFilterCriteriaItemList& group = criteria.Root().AddGroup(kind);
    criteria.AddItem(&group, first, ui::fokGreater, rtl::Variant(1), u"1");
    criteria.AddItem(&group, second, ui::fokLess, rtl::Variant(9), u"9");
}

const TFitCase FitCases[] = {
    {"an empty filter", [](TTestFilterCriteria&) {}, false},
    {"one condition per column and a pair on another",
     [](TTestFilterCriteria& c) {
         c.AddItem(nullptr, c.NameItem(), ui::fokLike, rtl::Variant(u"A%"), u"A%");
         c.AddItem(nullptr, c.QtyItem(), ui::fokEqual, rtl::Variant::Null(), u"blank");
         AddPair(c, ui::fboOr, c.PriceItem(), c.PriceItem());
     },
     false},
    {"an OR root",
     [](TTestFilterCriteria& c) {
         c.Root().ChangeBoolOperator(ui::fboOr);
         c.AddItem(nullptr, c.NameItem(), ui::fokEqual, rtl::Variant(u"A"), u"A");
     },
     true},
    {"two root conditions on one column",
     [](TTestFilterCriteria& c) {
         c.AddItem(nullptr, c.PriceItem(), ui::fokGreater, rtl::Variant(1), u"1");
         c.AddItem(nullptr, c.PriceItem(), ui::fokLess, rtl::Variant(9), u"9");
     },
     true},
    {"a pair over two columns", [](TTestFilterCriteria& c) { AddPair(c, ui::fboAnd, c.PriceItem(), c.QtyItem()); },
     true},
    {"a NOT pair", [](TTestFilterCriteria& c) { AddPair(c, ui::fboNotOr, c.PriceItem(), c.PriceItem()); }, true},
    {"an operator the dialog does not offer",
     [](TTestFilterCriteria& c) { c.AddItem(nullptr, c.PriceItem(), ui::fokToday, rtl::Variant::Null(), u""); }, true},
    {"a pair and a root condition on one column",
     [](TTestFilterCriteria& c) {
         AddPair(c, ui::fboOr, c.PriceItem(), c.PriceItem());
         c.AddItem(nullptr, c.PriceItem(), ui::fokEqual, rtl::Variant(5), u"5");
     },
     true},
    {"a group of three",
     [](TTestFilterCriteria& c) {
         AddPair(c, ui::fboOr, c.PriceItem(), c.PriceItem());
         c.AddItem(static_cast<ui::TuiFilterCriteriaItemList*>(c.Root().GetItem(0)), c.PriceItem(), ui::fokEqual,
                   rtl::Variant(5), u"5");
     },
     true},
};

TEST(FilterDialogFit, OnlyAnAndOfOneEntryPerColumnWithTheDialogsOperatorsFitsTheDialog) {
    for (const TFitCase& entry : FitCases) {
        SCOPED_TRACE(entry.Name);
        TTestFilterCriteria criteria;
        entry.Build(criteria);
        EXPECT_EQ(ui::NeedsFilterBuilder(criteria), entry.NeedsBuilder);
    }
}

} // namespace
