#include "xls/biff/storage/BIFF_CellAreas.h"

#include "tests/support/TestSupport.h"
#include "xls/biff/storage/BIFF_MergedCells.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using test_support::MessageOf;

struct TRect {
    int32_t Col1, Row1, Col2, Row2;
    bool operator==(const TRect&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TRect& r) {
    return out << r.Col1 << ":" << r.Row1 << "-" << r.Col2 << ":" << r.Row2;
}

std::vector<TRect> RectsOf(const TBaseCellAreas97& areas) {
    std::vector<TRect> rects;
    for (int32_t i = 0; i < areas.Count(); ++i) {
        const TCellArea97& area = areas.Get(i);
        rects.push_back({area.Col1, area.Row1, area.Col2, area.Row2});
    }
    return rects;
}

template <class TAreas>
void AddAll(TAreas& areas, const std::vector<TRect>& rects) {
    for (const TRect& r : rects) {
        areas.Add(r.Col1, r.Row1, r.Col2, r.Row2);
    }
}

TEST(TCellAreas97, DeletingTheMiddleOfAThreeByThreeAreaLeavesFourPieces) {
    TCellAreas97 areas;
    areas.Add(1, 1, 3, 3);
    areas.DeleteCells(2, 2, 2, 2);
    EXPECT_EQ(RectsOf(areas), (std::vector<TRect>{{1, 1, 3, 1}, {1, 3, 3, 3}, {1, 2, 1, 2}, {3, 2, 3, 2}}));
}

TEST(TSolidCellAreas97, DeletingPartOfAMergedAreaRaisesAndChangesNothing) {
    TMergedCells merged;
    AddAll(merged, {{10, 10, 11, 11}, {1, 1, 3, 3}});
    EXPECT_EQ(MessageOf([&] { merged.DeleteCells(2, 2, 2, 2); }), "Can not change part of a merged cell");
    EXPECT_EQ(RectsOf(merged), (std::vector<TRect>{{10, 10, 11, 11}, {1, 1, 3, 3}}));
    // An area inside the block goes; one the block cuts to a single piece becomes that piece.
    merged.DeleteCells(0, 0, 5, 1);
    merged.DeleteCells(10, 10, 20, 20);
    EXPECT_EQ(RectsOf(merged), (std::vector<TRect>{{1, 2, 3, 3}}));
    EXPECT_EQ(MessageOf([&] { merged.Offset(1, 1); }), "TSolidCellAreas.Move not implemented");
}

TEST(TCellAreas97, CopiedPartsJoinTheAreasTheyExtend) {
    TCellAreas97 areas;
    AddAll(areas, {{0, 0, 1, 4}, {5, 0, 5, 1}});
    // B1:B5 copied to C1: the same rows as A1:B5 and adjoining it, so that area grows to A1:C5.
    areas.CopyCells(1, 0, 1, 4, 2, 0);
    EXPECT_EQ(RectsOf(areas), (std::vector<TRect>{{0, 0, 2, 4}, {5, 0, 5, 1}}));
    // F1:F2 copied to F3: the same columns, adjoining rows.
    areas.CopyCells(5, 0, 5, 1, 5, 2);
    EXPECT_EQ(RectsOf(areas), (std::vector<TRect>{{0, 0, 2, 4}, {5, 0, 5, 3}}));
    // The destination is cleared first: what the block held there goes, and the copy takes its place.
    areas.CopyCells(10, 10, 10, 10, 1, 1);
    EXPECT_EQ(RectsOf(areas),
              (std::vector<TRect>{{0, 0, 2, 0}, {0, 2, 2, 4}, {0, 1, 0, 1}, {2, 1, 2, 1}, {5, 0, 5, 3}}));
}

TEST(TCellAreas97, ClipOffsetAndMoveKeepOnlyCellsOfTheSheet) {
    TCellAreas97 areas;
    AddAll(areas, {{0, 0, 9, 9}, {250, 65530, 255, 65535}, {20, 20, 21, 21}});
    areas.ClipTo(5, 5, 255, 65535);
    EXPECT_EQ(RectsOf(areas), (std::vector<TRect>{{5, 5, 9, 9}, {250, 65530, 255, 65535}, {20, 20, 21, 21}}));
    areas.Offset(3, 3);
    EXPECT_EQ(RectsOf(areas), (std::vector<TRect>{{8, 8, 12, 12}, {253, 65533, 255, 65535}, {23, 23, 24, 24}}));
    areas.Offset(-10, -10);
    EXPECT_EQ(RectsOf(areas), (std::vector<TRect>{{0, 0, 2, 2}, {243, 65523, 245, 65525}, {13, 13, 14, 14}}));
    areas.Offset(-3, 0);
    EXPECT_EQ(RectsOf(areas), (std::vector<TRect>{{240, 65523, 242, 65525}, {10, 13, 11, 14}}));
    // The part of an area inside the block moves; the rest stays.
    areas.MoveCells(10, 13, 10, 14, 100, 0);
    EXPECT_EQ(RectsOf(areas), (std::vector<TRect>{{240, 65523, 242, 65525}, {11, 13, 11, 14}, {100, 0, 100, 1}}));
}

TEST(TSolidCellAreas97, AnInsertedBandMovesWholeAreasAndMustNotSplitOne) {
    TSolidCellAreas97 areas;
    AddAll(areas, {{2, 5, 3, 6}, {2, 1, 3, 1}});
    // Two rows inserted at row 4 (rows 4 to the end move down by 2).
    areas.MoveCells(0, 4, 255, 65535, 0, 2);
    EXPECT_EQ(RectsOf(areas), (std::vector<TRect>{{2, 7, 3, 8}, {2, 1, 3, 1}}));
    AddAll(areas, {{10, 10, 12, 12}});
    EXPECT_EQ(MessageOf([&] { areas.MoveCells(11, 11, 20, 20, 1, 0); }), "Can not change part of a merged cell");
}

TEST(TMergedCells, CopyAreasCopiesWholeRangesByTheOffsets) {
    TMergedCells merged;
    merged.Add(1, 1, 2, 2); // B2:C3
    merged.CopyAreas(0, 0, 3, 3, 10, 0);
    EXPECT_EQ(RectsOf(merged), (std::vector<TRect>{{1, 1, 2, 2}, {11, 1, 12, 2}})) << "L2:M3 beside B2:C3";
    // A range that only touches the block's edge is copied whole.
    TMergedCells edge;
    edge.Add(3, 3, 5, 5);
    edge.CopyCells(0, 0, 3, 3, 0, 20);
    EXPECT_EQ(RectsOf(edge), (std::vector<TRect>{{3, 3, 5, 5}, {3, 23, 5, 25}}));
}

TEST(TMergedCells, CopiesAreClippedToTheSheetOrDropped) {
    const struct {
        int32_t DCol;
        TRect Expected;
    } cases[] = {
        {-2, {0, 0, 0, 0}},      // starts left of column A: cut there
        {250, {251, 0, 252, 0}}, // inside
        {254, {255, 0, 255, 0}}, // reaches past the last column: cut there
    };
    for (const auto& c : cases) {
        TMergedCells merged;
        merged.Add(1, 0, 2, 0);
        merged.CopyAreas(1, 0, 2, 0, c.DCol, 0);
        ASSERT_EQ(merged.Count(), 2) << c.DCol;
        EXPECT_EQ(RectsOf(merged)[1], c.Expected) << c.DCol;
    }
    TMergedCells left;
    left.Add(1, 0, 2, 0);
    left.CopyAreas(1, 0, 2, 0, -5, 0);
    EXPECT_EQ(left.Count(), 1) << "a copy wholly left of column A is dropped";
}

TEST(TMergedCells, ACopyOverlappingAnotherRangePartlyRaisesAndAddsNothing) {
    TMergedCells merged;
    AddAll(merged, {{0, 0, 1, 1}, {5, 0, 6, 0}, {11, 1, 12, 2}});
    EXPECT_EQ(MessageOf([&] { merged.CopyAreas(0, 0, 6, 6, 6, 0); }), "Can not change part of a merged cell");
    EXPECT_EQ(merged.Count(), 3);
    // A copy equal to a range already there adds nothing.
    merged.CopyAreas(0, 0, 1, 1, 0, 0);
    EXPECT_EQ(merged.Count(), 3);
}

} // namespace
} // namespace xls
