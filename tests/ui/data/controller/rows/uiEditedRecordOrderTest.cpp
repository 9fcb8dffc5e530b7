#include "ui/data/controller/rows/uiEditedRecordOrder.h"

#include "ui/data/controller/uiDataControllerTypes.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

constexpr int32_t None = uiNoEditingRecordIndex;

struct TOrderCase {
    const char* Name;
    TuiEditedRecordState State;
    int32_t A;
    int32_t B;
    std::optional<int> Order;
    // The records whose keys decide when no order is given.
    int32_t KeyA;
    int32_t KeyB;
};

void RunCases(std::initializer_list<TOrderCase> cases,
              std::optional<int> (*order)(const TuiEditedRecordState&, int32_t&, int32_t&)) {
    for (const TOrderCase& c : cases) {
        SCOPED_TRACE(c.Name);
        int32_t a = c.A;
        int32_t b = c.B;
        EXPECT_EQ(order(c.State, a, b), c.Order);
        if (!c.Order) {
            EXPECT_EQ(a, c.KeyA);
            EXPECT_EQ(b, c.KeyB);
        }
    }
}

TEST(EditedRecordOrder, AnInsertedRecordSortsBeforeItsAnchorAndAnAppendedOneAfterAll) {
    RunCases(
        {
            {"nothing edited", {None, None, None, 0}, 3, 5, std::nullopt, 3, 5},
            {"edited without anchors", {3, None, None, 0}, 3, 5, std::nullopt, 3, 5},
            {"appended, first", {7, 6, None, 0}, 7, 2, 1, 0, 0},
            {"appended, second", {7, 6, None, 0}, 2, 7, -1, 0, 0},
            {"inserted against its anchor", {7, None, 4, 0}, 7, 4, -1, 0, 0},
            {"anchor against the inserted", {7, None, 4, 0}, 4, 7, 1, 0, 0},
            {"inserted takes its anchor's keys", {7, None, 4, 0}, 7, 2, std::nullopt, 4, 2},
            {"inserted second takes its anchor's keys", {7, None, 4, 0}, 2, 7, std::nullopt, 2, 4},
            {"other records", {7, None, 4, 0}, 1, 2, std::nullopt, 1, 2},
        },
        OrderEditedRecordForSorting);
}

TEST(EditedRecordOrder, GroupingComparesTheSavedCopyOrJoinsTheEditedRecordToItsNeighbours) {
    RunCases(
        {
            {"saved copy first", {3, None, None, -2}, 3, 5, std::nullopt, -2, 5},
            {"saved copy second", {3, 6, None, -2}, 5, 3, std::nullopt, 5, -2},
            {"appended joins any group", {7, 6, None, 0}, 7, 2, 0, 0, 0},
            {"inserted joins its anchor's group", {7, None, 4, 0}, 4, 7, 0, 0, 0},
            {"inserted takes its anchor's keys", {7, None, 4, 0}, 2, 7, std::nullopt, 2, 4},
            {"nothing edited", {None, None, None, 0}, 2, 7, std::nullopt, 2, 7},
        },
        OrderEditedRecordForGrouping);
}

} // namespace
} // namespace ui
