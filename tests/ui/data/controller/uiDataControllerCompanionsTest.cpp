#include "ControllerTestSupport.h"
#include "rtl/numbers/FormatSettings.h"
#include "tests/support/TestSupport.h"
#include "ui/data/controller/details/uiDataRelations.h"
#include "ui/data/controller/filtering/uiDataControllerSearch.h"
#include "ui/data/controller/filtering/uiDataFilter.h"
#include "ui/data/controller/links/uiUpdateControlInfo.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/rows/uiDataControllerInfo.h"
#include "ui/data/controller/rows/uiDataSelection.h"
#include "ui/data/controller/summary/uiDataSummary.h"
#include "ui/data/controller/summary/uiSummaryFormats.h"
#include "ui/data/controller/uiDataControllerError.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using test::TNoticeLog;
using test::TTestDataController;

using StringList = std::vector<std::string>;

std::vector<int32_t> RowsOf(const TuiSelectionChangedInfo& info) {
    std::vector<int32_t> rows;
    for (int32_t i = 0; i < info.GetRowIndexCount(); ++i) {
        rows.push_back(info.GetRowIndex(i));
    }
    return rows;
}

// Companions of classes of their own, each a descendant of the base's.
#define TEST_COMPANION(Class, Base)                                                                                    \
    class Class : public Base {                                                                                        \
        RTL_DECLARE_CLASS(Class, Base)                                                                                 \
    public:                                                                                                            \
        using Base::Base;                                                                                              \
    }
TEST_COMPANION(TOwnProvider, TuiCustomDataProvider);
TEST_COMPANION(TOwnFilter, TuiDataFilterCriteria);
TEST_COMPANION(TOwnSearch, TuiDataControllerSearch);
TEST_COMPANION(TOwnSummary, TuiDataSummary);
TEST_COMPANION(TOwnSelection, TuiDataSelection);
TEST_COMPANION(TOwnRelation, TuiCustomDataRelation);
#undef TEST_COMPANION

class TOwnCompanionsController : public TTestDataController {
public:
    const rtl::TMetaclass& GetDataProviderClass() const override { return TOwnProvider::StaticClass(); }
    const rtl::TMetaclass& GetFilterCriteriaClass() const override { return TOwnFilter::StaticClass(); }
    const rtl::TMetaclass& GetSearchClass() const override { return TOwnSearch::StaticClass(); }
    const rtl::TMetaclass& GetSummaryClass() const override { return TOwnSummary::StaticClass(); }
    const rtl::TMetaclass& GetDataSelectionClass() const override { return TOwnSelection::StaticClass(); }
    const rtl::TMetaclass& GetRelationClass() const override { return TOwnRelation::StaticClass(); }
};

// A descendant's own items are set up in its constructor before any companion is asked for.
class TOwnCompanionsWithItems : public TOwnCompanionsController {
public:
    TOwnCompanionsWithItems() {
        AddTypedItem(&TuiIntegerValueType::Instance());
        AddRecord({1});
    }
};

template <class Controller>
void ExpectOwnCompanions(Controller& controller) {
    EXPECT_NE(dynamic_cast<TOwnProvider*>(&controller.Provider()), nullptr);
    EXPECT_NE(dynamic_cast<TOwnFilter*>(&controller.Filter()), nullptr);
    EXPECT_NE(dynamic_cast<TOwnSearch*>(&controller.Search()), nullptr);
    EXPECT_NE(dynamic_cast<TOwnSummary*>(&controller.Summary()), nullptr);
    EXPECT_NE(dynamic_cast<TOwnSelection*>(&controller.DataControllerInfo().Selection()), nullptr);
    rtl::TObject level;
    EXPECT_NE(dynamic_cast<TOwnRelation*>(&controller.GetRelations().AddRelation(&level)), nullptr);
    EXPECT_EQ(controller.GetRelations().GetItem(0).Item(), &level);
    EXPECT_NE(dynamic_cast<TOwnFilter*>(controller.AddFilterCriteria().get()), nullptr);
}

TEST(uiCustomDataController, ADescendantsClassFactoriesMakeItsCompanions) {
    TOwnCompanionsController controller;
    ExpectOwnCompanions(controller);
    TOwnCompanionsWithItems withItems;
    ExpectOwnCompanions(withItems);
    EXPECT_EQ(withItems.GetRowCount(), 1);
}

TEST(uiCustomDataController, TheBaseAnswersOfTheViewsHooks) {
    TTestDataController controller;
    rtl::AnsiString text = "kept";
    EXPECT_FALSE(controller.GetEditValueTextHook(0, text));
    EXPECT_EQ(text, "kept");
    EXPECT_FALSE(controller.IsDataChangeLocked());
    EXPECT_FALSE(controller.IsKeyNavigation());
    EXPECT_FALSE(controller.IsProviderDataChanging());
    EXPECT_FALSE(controller.IsSmartLoad());
    EXPECT_FALSE(controller.IsSmartRefresh());
    std::unique_ptr<TuiDataFilterCriteria> criteria = controller.AddFilterCriteria();
    EXPECT_EQ(&criteria->DataController(), &controller);
    EXPECT_NE(criteria.get(), &controller.Filter());
}

TEST(uiUpdateControlInfo, ASelectionNoticeListsEachNamedRowOnce) {
    EXPECT_EQ(RowsOf(TuiSelectionChangedInfo(3, 3)), std::vector<int32_t>{3});
    EXPECT_EQ(RowsOf(TuiSelectionChangedInfo(-1, 4)), std::vector<int32_t>{4});
    EXPECT_EQ(RowsOf(TuiSelectionChangedInfo(2, -1)), std::vector<int32_t>{2});
    EXPECT_EQ(RowsOf(TuiSelectionChangedInfo(5, 1)), (std::vector<int32_t>{5, 1}));
    EXPECT_TRUE(RowsOf(TuiSelectionChangedInfo()).empty());
    EXPECT_TRUE(RowsOf(TuiSelectionChangedInfo(-1, -1)).empty());
    EXPECT_TRUE(TuiSelectionChangedInfo::StaticClass().InheritsFrom(TuiUpdateControlInfo::StaticClass()));
}

TEST(uiSummaryFormats, DefaultFormatsFollowCategoryKindAndPosition) {
    rtl::TFormatSettings settings = rtl::TFormatSettings::Invariant();
    settings.CurrencyString = rtl::UnicodeString(u"$");
    settings.CurrencyFormat = 0;
    settings.CurrencyDecimals = 2;
    struct TCase {
        int32_t Category;
        TuiSummaryKind Kind;
        TuiSummaryPosition Position;
        const char16_t* Expected;
    };
    const TCase cases[] = {
        {svcCurrency, skSum, spGroup, u"SUM=$,0.00;SUM=-$,0.00"},
        {svcCurrency, skSum, spFooter, u"$,0.00;-$,0.00"},
        {svcCurrency, skMin, spFooter, u"MIN=$,0.00;MIN=-$,0.00"},
        {svcCurrency, skAverage, spGroup, u"AVG=$,0.00;AVG=-$,0.00"},
        {svcDate, skSum, spGroup, u"SUM="},
        {svcDate, skSum, spFooter, u""},
        {svcDate, skMax, spFooter, u"MAX="},
        {svcNumber, skSum, spGroup, u"SUM=0.00;SUM=-0.00"},
        {svcNumber, skSum, spFooter, u"0.00;-0.00"},
        {7, skMax, spGroup, u"MAX=0.00;MAX=-0.00"},
        {svcCurrency, skCount, spGroup, u"COUNT=0"},
        {0, skCount, spFooter, u"0"},
        {svcDate, skCount, spFooter, u"0"},
        {svcCurrency, skNone, spGroup, u""},
        {0, skNone, spFooter, u""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(test_support::Utf8(c.Expected));
        EXPECT_EQ(test_support::Utf8(GetDefaultSummaryFormat(c.Category, c.Kind, c.Position, settings)),
                  test_support::Utf8(c.Expected));
    }
}

TEST(uiDataSummary, SelectionOptionsExcludeEachOtherAndAskForARecalculation) {
    TTestDataController controller;
    TuiDataSummary& summary = controller.Summary();
    TNoticeLog log(controller);

    summary.SetOptions({soSelectedRecords, soMultipleSelectedRecords});
    EXPECT_EQ(summary.Options(), TuiSummaryOptions{soMultipleSelectedRecords});
    EXPECT_EQ(log.Entries, StringList{"layout"});
    summary.SetOptions({soSelectedRecords, soMultipleSelectedRecords});
    EXPECT_EQ(summary.Options(), TuiSummaryOptions{soSelectedRecords});
    summary.SetOptions({soSelectedRecords, soMultipleSelectedRecords, soNullIgnore});
    EXPECT_EQ(summary.Options(), (TuiSummaryOptions{soMultipleSelectedRecords, soNullIgnore}));
    log.Entries.clear();
    summary.SetOptions(summary.Options());
    EXPECT_TRUE(log.Entries.empty());

    // With selection summaries a selection change is a summary change too.
    controller.DataControllerInfo().Selection().Add(-1, 0, 0, 0);
    EXPECT_TRUE(controller.DataControllerInfo().ChangeMask().Contains(dcicSummary));
}

TEST(uiDataSummary, TheAfterSummaryEventIgnoresRecalculationRequests) {
    TTestDataController controller;
    TNoticeLog log(controller);
    controller.Summary().SetOnAfterSummary([&](TuiDataSummary& summary) { summary.RequestRecalculation(false); });
    controller.Summary().DoAfterSummary();
    EXPECT_TRUE(log.Entries.empty());
}

TEST(uiDataFilter, ExtraFiltersAreOwnedByTheControllerAndLeaveItWhenFreed) {
    TTestDataController controller;
    EXPECT_FALSE(controller.Filter().IsExtraFilter());
    controller.ExtraFilters().Add(std::make_unique<TuiDataFilterCriteria>(&controller));
    controller.ExtraFilters().Add(std::make_unique<TuiDataFilterCriteria>(&controller));
    TuiDataFilterCriteria& first = controller.ExtraFilters().GetItem(0);
    EXPECT_TRUE(first.IsExtraFilter());
    delete &first;
    EXPECT_EQ(controller.ExtraFilters().Count(), 1);

    TuiDataFilterCriteria source(&controller);
    source.SetActive(true);
    controller.SetFilter(source);
    EXPECT_TRUE(controller.Filter().Active());
    EXPECT_FALSE(source.IsDestroying());
}

TEST(uiDataSelection, EntriesAreFoundByRowBySearchingInRowOrder) {
    TTestDataController controller;
    TuiDataSelection& selection = controller.DataControllerInfo().Selection();
    for (const int32_t row : {2, 5, 9}) {
        selection.Add(-1, row, 0, row * 10);
    }
    int32_t position = -1;
    EXPECT_TRUE(selection.FindByRowIndex(5, position));
    EXPECT_EQ(position, 1);
    EXPECT_FALSE(selection.FindByRowIndex(7, position));
    EXPECT_EQ(position, 2);
    EXPECT_FALSE(selection.FindByRowIndex(10, position));
    EXPECT_EQ(position, 3);
    selection.Add(position, 10, -1, 4);
    EXPECT_EQ(selection.GetEntry(3).Level, -1);
    selection.Delete(0);
    EXPECT_EQ(selection.GetEntry(0).Index, 50);
    EXPECT_THROW(selection.GetEntry(3), rtl::EListError);
}

TEST(uiCustomDataControllerInfo, TheRecordListHoldsEveryRecordAndARowIndexIsChecked) {
    TTestDataController controller;
    controller.AddTypedItem(&TuiIntegerValueType::Instance());
    controller.SetRecordCount(3);
    const TuiCustomDataControllerInfo& info = controller.DataControllerInfo();
    EXPECT_EQ(info.GetRecordListCount(), 3);
    EXPECT_EQ(info.GetRecordListItem(2), 2);
    EXPECT_EQ(info.IndexOfRecord(1), 1);
    EXPECT_EQ(info.IndexOfRecord(3), -1);
    EXPECT_TRUE(controller.IsRowInfoValid());
    // A failure of the controller's checks is one of the library's exceptions.
    EXPECT_THROW(controller.CheckItemIndex(1), EuxException);
}

} // namespace
} // namespace ui
