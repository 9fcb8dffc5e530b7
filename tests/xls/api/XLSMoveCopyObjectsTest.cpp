#include "xls/api/XLSMoveCopyObjects.h"

#include "XLSApiTestSupport.h"
#include "rtl/core/Exceptions.h"
#include "tests/support/TestSupport.h"
#include "xls/core/base/Xc12Utils5.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace xls {
namespace {

using api_test::NewSpreadsheet;

TXLSCellAreaRec Rect(int32_t col1, int32_t row1, int32_t col2, int32_t row2) {
    TXLSCellAreaRec rect;
    SetCellArea(rect, col1, row1, col2, row2);
    return rect;
}

std::vector<TXLSCellAreaRec> RectsOf(TCellAreas& areas) {
    std::vector<TXLSCellAreaRec> rects;
    for (int32_t i = 0; i < areas.Count(); ++i) {
        rects.push_back(static_cast<TCellArea*>(areas.GetItem(i))->GetRect());
    }
    return rects;
}

// Both kinds of item start with the areas B2:C3 and E5, get one operation and end with the same areas, except that a
// validation is never clipped.
TEST(XLSMoveCopyObjects, ItemsFollowTheirAreas) {
    const struct {
        const char* Name;
        std::function<void(TXLSMoveCopyItem&)> Operation;
        std::vector<TXLSCellAreaRec> Expected;
        std::vector<TXLSCellAreaRec> ExpectedValidation;
    } cases[] = {
        {"copy B2:C3 three rows down",
         [](TXLSMoveCopyItem& item) { item.CopyCells(Rect(1, 1, 2, 2), 0, 3); },
         {Rect(1, 1, 2, 2), Rect(4, 4, 4, 4), Rect(1, 4, 2, 5)},
         {Rect(1, 1, 2, 2), Rect(4, 4, 4, 4), Rect(1, 4, 2, 5)}},
        {"delete E5",
         [](TXLSMoveCopyItem& item) { item.DeleteCells(Rect(4, 4, 4, 4)); },
         {Rect(1, 1, 2, 2)},
         {Rect(1, 1, 2, 2)}},
        {"clip to A1:B9",
         [](TXLSMoveCopyItem& item) { item.ClipTo(Rect(0, 0, 1, 8)); },
         {Rect(1, 1, 1, 2)},
         {Rect(1, 1, 2, 2), Rect(4, 4, 4, 4)}},
        {"offset by one column",
         [](TXLSMoveCopyItem& item) { item.Offset(1, 0); },
         {Rect(2, 1, 3, 2), Rect(5, 4, 5, 4)},
         {Rect(2, 1, 3, 2), Rect(5, 4, 5, 4)}},
        {"move E5 to E1",
         [](TXLSMoveCopyItem& item) { item.MoveCells(Rect(4, 4, 4, 4), 0, -4); },
         {Rect(1, 1, 2, 2), Rect(4, 0, 4, 0)},
         {Rect(1, 1, 2, 2), Rect(4, 0, 4, 0)}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TXLSConditionalFormat format;
        TXLSDataValidation validation;
        for (TCellAreas* ranges : {&format.GetRanges(), &validation.GetRanges()}) {
            ranges->AddArea(1, 1, 2, 2);
            ranges->AddCell(4, 4);
        }
        test.Operation(format);
        test.Operation(validation);
        EXPECT_EQ(RectsOf(format.GetRanges()), test.Expected);
        EXPECT_EQ(RectsOf(validation.GetRanges()), test.ExpectedValidation);
    }
}

TEST(XLSMoveCopyObjects, IntersectsAsksEveryArea) {
    const struct {
        const char* Name;
        TXLSCellAreaRec Rect;
        bool Expected;
    } cases[] = {
        {"the second area's corner", Rect(4, 4, 9, 9), true},
        {"the first area's edge", Rect(0, 0, 1, 1), true},
        {"between the areas", Rect(3, 0, 3, 9), false},
    };
    TXLSConditionalFormat format;
    TXLSDataValidation validation;
    for (TCellAreas* ranges : {&format.GetRanges(), &validation.GetRanges()}) {
        ranges->AddArea(1, 1, 2, 2);
        ranges->AddCell(4, 4);
    }
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        EXPECT_EQ(format.Intersects(test.Rect), test.Expected);
        EXPECT_EQ(validation.Intersects(test.Rect), test.Expected);
    }
}

TEST(XLSMoveCopyObjects, AssignIsRefused) {
    TXLSConditionalFormat format;
    TXLSDataValidation validation;
    EXPECT_EQ(test_support::MessageOf([&] { format.Assign(validation); }), "Assign not implemented");
    EXPECT_EQ(test_support::MessageOf([&] { validation.Assign(format); }), "Assign not implemented");
}

// The sheets of a component make their lists and items through its class factory.
TEST(XLSMoveCopyObjects, SheetListsMakeFacadeItems) {
    auto book = NewSpreadsheet();
    TXc12DataWorksheet& sheet = api_test::DataSheet(*book->GetSheet(0));
    EXPECT_NE(dynamic_cast<TXLSConditionalFormats*>(&sheet.GetConditionalFormatting()), nullptr);
    EXPECT_NE(dynamic_cast<TXLSDataValidations*>(&sheet.GetDataValidations()), nullptr);
    EXPECT_NE(dynamic_cast<TXLSConditionalFormat*>(sheet.GetConditionalFormatting().AddItem()), nullptr);
    EXPECT_NE(dynamic_cast<TXLSDataValidation*>(sheet.GetDataValidations().AddItem()), nullptr);
}

} // namespace
} // namespace xls
