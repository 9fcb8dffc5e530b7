#include "ui/editors/filter/uiFilterControlOperators.h"

#include "ui/core/system/uxResourceStrings.h"
#include "ui/editors/filter/uiFilterControlStrs.h"

#include <gtest/gtest.h>

namespace {

using namespace ui;

struct TOperatorNumberCase {
    int32_t Number;
    const char16_t* Caption;
    TuiFilterOperatorKind Kind;
};

// Numbers 1 to 8 are the first eight kinds, 9 and 10 the blank tests, 11 on the other kinds in kind order.
constexpr TOperatorNumberCase OperatorNumberCases[] = {
    {fcopEqual, u"equals", fokEqual},      {fcopNotLike, u"not like", fokNotLike},
    {fcopBlanks, u"is blank", fokEqual},   {fcopNonBlanks, u"is not blank", fokNotEqual},
    {fcopBetween, u"between", fokBetween}, {fcopNotInList, u"not in", fokNotInList},
    {15, u"is yesterday", fokYesterday},   {fcopFuture, u"is future", fokInFuture},
};

TEST(FilterControlOperators, NumbersNameTheirCaptionsAndKindsBothWays) {
    for (const TOperatorNumberCase& entry : OperatorNumberCases) {
        SCOPED_TRACE(entry.Number);
        EXPECT_EQ(GetFilterOperatorCaption(entry.Number), entry.Caption);
        EXPECT_EQ(FilterControlOperatorToKind(entry.Number), entry.Kind);
        const bool nullTest = entry.Number == fcopBlanks || entry.Number == fcopNonBlanks;
        EXPECT_EQ(KindToFilterControlOperator(entry.Kind, nullTest), entry.Number);
    }
    EXPECT_EQ(KindToFilterControlOperator(fokLess, true), fcopLess) << "only the equality tests become blank tests";
}

TEST(FilterControlOperators, NoneAndNumbersOutOfRangeHaveNoCaptionAndMeanEquals) {
    for (const int32_t number : {0, -1, 37, 255}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(GetFilterOperatorCaption(number), u"");
        EXPECT_EQ(FilterControlOperatorToKind(number), fokEqual);
    }
}

TEST(FilterControlStrs, TheUnitListsItsTextsWhileStarted) {
    InitializeFilterControlStrsUnit();
    InitializeFilterControlStrsUnit();
    EXPECT_EQ(LoadResStringText(uiSFilterDialogCaption), u"Custom Filter");
    EXPECT_EQ(LoadResStringText(uiSFilterControlDialogFileFilter), u"Filters (*.flt)|*.flt");
    EXPECT_GE(GetResourceStringsRepository().IndexOfProduct(uiFilterControlStrsProductKey), 0);
    FinalizeFilterControlStrsUnit();
    EXPECT_GE(GetResourceStringsRepository().IndexOfProduct(uiFilterControlStrsProductKey), 0)
        << "the second start-up still holds";
    FinalizeFilterControlStrsUnit();
    EXPECT_EQ(GetResourceStringsRepository().IndexOfProduct(uiFilterControlStrsProductKey), -1);
}

} // namespace
