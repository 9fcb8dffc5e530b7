#include "xls/core/model/worksheet/Xc12DataAutofilter5.h"

#include "rtl/core/Exceptions.h"
#include "tests/xls/core/model/worksheet/OneKindFactory.h"

#include <gtest/gtest.h>
#include <memory>

namespace xls {
namespace {

// The facade's filter column, as a component would make it.
class TFacadeFilterColumn : public TXc12FilterColumn {};

using TFilterColumnFactory = model_test::TOneKindFactory<TFacadeFilterColumn>;

TEST(Xc12DataAutofilter5, FilterColumnsComeFromTheClassFactory) {
    struct Case {
        const char* name;
        TFilterColumnFactory::TMakes makes;
        bool facadeClass;
        bool raises;
    };
    const Case cases[] = {
        {"facade class", TFilterColumnFactory::mkMade, true, false},
        {"factory makes nothing of the kind", TFilterColumnFactory::mkNothing, false, false},
        {"factory makes another class", TFilterColumnFactory::mkWrongClass, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TFilterColumnFactory factory(c.makes);
        TXc12AutoFilter autoFilter(&factory);
        TXc12FilterColumns& columns = autoFilter.GetFilterColumns();
        if (c.raises) {
            EXPECT_THROW(columns.Add(), rtl::EInvalidCast);
            EXPECT_EQ(columns.Count(), 0);
            continue;
        }
        TXc12FilterColumn* column = columns.Add();
        EXPECT_EQ(factory.Kind, xckAutofilterColumn);
        EXPECT_EQ(factory.Owner, &columns);
        EXPECT_EQ(dynamic_cast<TFacadeFilterColumn*>(column) != nullptr, c.facadeClass);
        EXPECT_EQ(columns.GetItem(0), column);
    }
}

TEST(Xc12DataAutofilter5, ANewFilterColumnHasEveryFilterCleared) {
    TXc12AutoFilter autoFilter(nullptr);
    TXc12FilterColumn* column = autoFilter.GetFilterColumns().Add();
    EXPECT_EQ(column->GetColId(), 0);
    EXPECT_FALSE(column->GetShowButton());
    EXPECT_EQ(column->GetDynamicFilter().GetType(), 255);
    EXPECT_FALSE(column->GetTop10().GetPresent());
    EXPECT_TRUE(column->GetTop10().GetTop());
    EXPECT_FALSE(column->GetCustomFilters().GetPresent());
    EXPECT_EQ(column->GetColorFilter().GetDXF(), nullptr);
    EXPECT_TRUE(column->GetColorFilter().GetCellColor());
    EXPECT_EQ(column->GetIconFilter().GetIconId(), -1);
    EXPECT_EQ(column->GetFilters().GetFilterValues().Count(), 0);
}

TEST(Xc12DataAutofilter5, ClearRestoresWhatAFileChanged) {
    TXc12AutoFilter autoFilter(nullptr);
    autoFilter.SetArea({0, 9, 0, 3});
    TXc12FilterColumn* column = autoFilter.GetFilterColumns().Add();
    column->SetColId(2);
    column->SetHiddenButton(true);
    TXc12Filters& filters = column->GetFilters();
    filters.SetBlank(true);
    filters.GetFilterValues().Add(u"北京");
    filters.GetDateGroupItems().Add()->SetYear(2024);
    TXc12CustomFilters& custom = column->GetCustomFilters();
    custom.SetPresent(true);
    custom.SetAnd(true);
    custom.GetFilter2().SetOperator(4);
    custom.GetFilter2().SetVal(u"10");
    column->GetTop10().SetTop(false);
    column->GetTop10().SetVal(5);
    column->GetDynamicFilter().SetType(4);
    column->GetDynamicFilter().SetMaxVal(1);
    column->GetColorFilter().SetCellColor(false);
    column->GetIconFilter().SetIconId(2);
    TXc12SortState& sortState = autoFilter.GetSortState();
    sortState.SetSortMethod(0);
    sortState.SetArea({1, 9, 0, 3});
    TXc12SortCondition* condition = sortState.GetSortConditions().Add();
    EXPECT_EQ(condition->GetArea(), (TXLSCellAreaRec{0, 0, 0, 0}));
    EXPECT_EQ(condition->GetDxfId(), -1);

    column->Clear();
    EXPECT_EQ(column->GetColId(), 0);
    EXPECT_FALSE(column->GetHiddenButton());
    EXPECT_FALSE(filters.GetBlank());
    EXPECT_EQ(filters.GetFilterValues().Count(), 0);
    EXPECT_EQ(filters.GetDateGroupItems().Count(), 0);
    EXPECT_FALSE(custom.GetPresent());
    EXPECT_FALSE(custom.GetAnd());
    EXPECT_EQ(custom.GetFilter2().GetOperator(), 0);
    EXPECT_TRUE(custom.GetFilter2().GetVal().empty());
    EXPECT_TRUE(column->GetTop10().GetTop());
    EXPECT_EQ(column->GetTop10().GetVal(), 0);
    EXPECT_EQ(column->GetDynamicFilter().GetType(), TXc12DynamicFilter::NoType);
    EXPECT_EQ(column->GetDynamicFilter().GetMaxVal(), 0);
    EXPECT_TRUE(column->GetColorFilter().GetCellColor());
    EXPECT_EQ(column->GetIconFilter().GetIconId(), -1);

    autoFilter.Clear();
    EXPECT_EQ(autoFilter.GetArea(), TXLSCellAreaRec{});
    EXPECT_EQ(autoFilter.GetFilterColumns().Count(), 0);
    EXPECT_EQ(sortState.GetSortMethod(), TXc12SortState::DefaultSortMethod);
    EXPECT_EQ(sortState.GetArea(), TXLSCellAreaRec{});
    EXPECT_EQ(sortState.GetSortConditions().Count(), 0);
}

} // namespace
} // namespace xls
