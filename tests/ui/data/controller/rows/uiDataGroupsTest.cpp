#include "ui/data/controller/rows/uiDataGroups.h"

#include "../ControllerTestSupport.h"
#include "ui/data/controller/uiDataField.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

struct TGroupRange {
    int32_t Level;
    int32_t Begin;
    int32_t End;
};

// Group trees built by hand, their levels grouped by fields of a controller.
class GroupTree : public ::testing::Test {
protected:
    GroupTree() {
        FController.AddTypedItem(&TuiIntegerValueType::Instance());
        FController.AddTypedItem(&TuiIntegerValueType::Instance());
    }

    void Build(int32_t levels, std::initializer_list<TGroupRange> ranges) {
        FGroups.Clear();
        for (int32_t level = 0; level < levels; ++level) {
            FGroups.AddField(FController.GetItemField(level));
        }
        for (const TGroupRange& range : ranges) {
            TuiDataGroupInfo& group = FGroups.GetItem(FGroups.AddGroup());
            group.Level = range.Level;
            group.Begin = range.Begin;
            group.End = range.End;
        }
        FGroups.RebuildRowIndexes();
    }

    std::vector<int32_t> Rows() const {
        std::vector<int32_t> rows;
        for (int32_t i = 0; i < FGroups.GroupCount(); ++i) {
            rows.push_back(FGroups.GetItem(i).RowIndex);
        }
        return rows;
    }

    // One level: A holds positions 0-2, B 3-4.
    void BuildAB() { Build(1, {{0, 0, 2}, {0, 3, 4}}); }
    // Two levels: T0 with children 0-1 and 2, T1 with child 3-5.
    void BuildTwoLevels() { Build(2, {{0, 1, 2}, {1, 0, 1}, {1, 2, 2}, {0, 4, 4}, {1, 3, 5}}); }

    test::TTestDataController FController;
    TuiDataGroups FGroups;
};

void ExpectRowInfo(const TuiDataGroupRowInfo& info, bool expanded, int32_t level, int32_t position) {
    EXPECT_EQ(info.Expanded, expanded);
    EXPECT_EQ(info.Level, level);
    EXPECT_EQ(info.Position, position);
}

TEST_F(GroupTree, CollapsedGroupsAreOneRowEachAndAnExpandedOneShowsItsRecords) {
    BuildAB();
    EXPECT_EQ(Rows(), (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(FGroups.GetRowCount(), 2);

    FGroups.SetExpanded(0, true, false);
    EXPECT_EQ(Rows(), (std::vector<int32_t>{0, 4}));
    EXPECT_EQ(FGroups.GetRowCount(), 5);
    ExpectRowInfo(FGroups.GetRowInfo(0), true, 0, 0);
    ExpectRowInfo(FGroups.GetRowInfo(2), false, 1, 1);
    ExpectRowInfo(FGroups.GetRowInfo(3), false, 1, 2);
    ExpectRowInfo(FGroups.GetRowInfo(4), false, 0, 3);
    ExpectRowInfo(FGroups.GetRowInfo(5), false, 0, 0);

    // A data row is no group row; the search names the group whose records hold it.
    int32_t entry = -5;
    EXPECT_EQ(FGroups.FindByRowIndex(2, entry), -1);
    EXPECT_EQ(entry, 0);
    EXPECT_EQ(FGroups.FindByRowIndex(4, entry), 1);
    EXPECT_EQ(FGroups.GetGroupIndexByRowIndex(3, -1), 0);

    // The last group expanded: its records end the rows.
    FGroups.SetExpanded(4, true, false);
    EXPECT_EQ(FGroups.GetRowCount(), 7);
    ExpectRowInfo(FGroups.GetRowInfo(6), false, 1, 4);
    // A data row cannot be expanded.
    FGroups.SetExpanded(1, false, false);
    EXPECT_EQ(FGroups.GetRowCount(), 7);
}

TEST_F(GroupTree, ChildrenOfACollapsedGroupShareItsRowAndAreHidden) {
    BuildTwoLevels();
    EXPECT_EQ(Rows(), (std::vector<int32_t>{0, 0, 0, 1, 1}));
    EXPECT_EQ(FGroups.GetRowCount(), 2);
    EXPECT_EQ(FGroups.GetVisibleGroup(0, 2), 0);
    EXPECT_EQ(FGroups.GetVisibleGroup(1, 4), 3);
    EXPECT_TRUE(FGroups.IsGroupVisible(3));
    EXPECT_FALSE(FGroups.IsGroupVisible(1));
    int32_t entry = -1;
    EXPECT_EQ(FGroups.FindByRowIndex(1, entry), 3);
    // A hidden child that is itself expanded stays hidden.
    FGroups.GetItem(1).Expanded = true;
    FGroups.RebuildRowIndexes();
    EXPECT_EQ(FGroups.GetVisibleGroup(0, 2), 0);
    EXPECT_EQ(FGroups.GetRowCount(), 2);

    FGroups.SetExpanded(0, true, false);
    // T0, C0 expanded with its two records, C1, T1.
    EXPECT_EQ(Rows(), (std::vector<int32_t>{0, 1, 4, 5, 5}));
    ExpectRowInfo(FGroups.GetRowInfo(3), false, 2, 1);
    EXPECT_EQ(FGroups.GetGroupIndexByRowIndex(5, 1), 4);
    EXPECT_EQ(FGroups.GetGroupIndexByRowIndex(4, 0), 0);
    EXPECT_EQ(FGroups.FindGroupOfRecordListIndex(2, 1), 2);
    EXPECT_EQ(FGroups.FindGroupOfRecordListIndex(5, 0), 3);
    EXPECT_EQ(FGroups.FindGroupOfRecordListIndex(6, 0), -1);
    EXPECT_EQ(FGroups.GetGroupFirstDataRecord(3), 3);
}

TEST_F(GroupTree, ChildQueriesWalkTheTree) {
    BuildTwoLevels();
    EXPECT_EQ(FGroups.GetLevel(-1), -1);
    EXPECT_EQ(FGroups.GetLevel(FGroups.GroupCount()), -1);
    EXPECT_EQ(FGroups.GetTopGroupCount(), 2);
    EXPECT_EQ(FGroups.GetTopGroupIndex(1), 3);
    EXPECT_EQ(FGroups.GetTopGroupIndex(2), -1);
    EXPECT_EQ(FGroups.ChildCountOf(-1), 2);
    EXPECT_EQ(FGroups.ChildCountOf(0), 2);
    EXPECT_EQ(FGroups.ChildCountOf(4), 3);
    EXPECT_EQ(FGroups.ChildCountOf(9), 0);
    EXPECT_EQ(FGroups.GetChildIndex(-1, 1), 3);
    EXPECT_EQ(FGroups.GetChildIndex(0, 1), 2);
    EXPECT_EQ(FGroups.GetChildIndex(0, 2), -1);
    EXPECT_EQ(FGroups.GetChildIndex(1, 0), -1);
    EXPECT_EQ(FGroups.GetChildRecordListIndex(4, 2), 5);
    EXPECT_EQ(FGroups.GetChildRecordListIndex(4, 3), -1);
    EXPECT_EQ(FGroups.GetChildRecordListIndex(0, 0), -1);
    EXPECT_EQ(FGroups.GetParent(2), 0);
    EXPECT_EQ(FGroups.GetParent(3), -1);
}

TEST_F(GroupTree, RecursiveExpansionStopsAtTheNextTopGroup) {
    BuildTwoLevels();
    FGroups.SetExpanded(0, true, true);
    EXPECT_TRUE(FGroups.GetItem(1).Expanded);
    EXPECT_TRUE(FGroups.GetItem(2).Expanded);
    EXPECT_FALSE(FGroups.GetItem(3).Expanded);
    EXPECT_FALSE(FGroups.GetItem(4).Expanded);
    // T0, C0 and its two records, C1 and its record, T1.
    EXPECT_EQ(FGroups.GetRowCount(), 7);
    FGroups.SetExpanded(0, false, true);
    EXPECT_FALSE(FGroups.GetItem(1).Expanded);
    EXPECT_EQ(FGroups.GetRowCount(), 2);
}

TEST_F(GroupTree, MakeVisibleExpandsTheAncestorsAndTellsWhetherAnythingChanged) {
    BuildTwoLevels();
    EXPECT_TRUE(FGroups.MakeVisible(4, false));
    EXPECT_TRUE(FGroups.GetItem(3).Expanded);
    EXPECT_FALSE(FGroups.GetItem(4).Expanded);
    EXPECT_EQ(Rows(), (std::vector<int32_t>{0, 0, 0, 1, 2}));
    EXPECT_FALSE(FGroups.MakeVisible(4, false));
    EXPECT_TRUE(FGroups.MakeVisible(4, true));
    EXPECT_EQ(FGroups.GetRowCount(), 6);
    FGroups.SetAllExpanded(false);
    EXPECT_EQ(FGroups.GetRowCount(), 2);
}

TEST_F(GroupTree, NoGroupsNoRows) {
    Build(1, {});
    EXPECT_EQ(FGroups.GetRowCount(), 0);
    int32_t entry = 5;
    EXPECT_EQ(FGroups.FindByRowIndex(0, entry), -1);
    EXPECT_EQ(entry, -1);
    ExpectRowInfo(FGroups.GetRowInfo(0), false, 0, 0);
}

} // namespace
} // namespace ui
