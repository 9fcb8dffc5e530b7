#include "xls/core/model/Xc12DataWorksheet5CondFmts.h"

#include "rtl/Exceptions.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

TEST(Xc12DataWorksheet5CondFmts, ColorsKeepCopiesInOrder) {
    TXc12Colors colors;
    TXc12ColorRec color;
    color.ColorType = exctRgb;
    color.ARGB = 0xFFF8696B;
    colors.AddColor(color);
    color.ARGB = 0xFF63BE7B;
    colors.AddColor(color);
    color.ARGB = 0;
    EXPECT_EQ(colors.GetItem(0).ARGB, 0xFFF8696Bu);
    EXPECT_EQ(colors.GetItem(1).ARGB, 0xFF63BE7Bu);
    EXPECT_THROW(colors.GetItem(2), rtl::EListError);
    EXPECT_THROW(colors.GetItem(-1), rtl::EListError);
    colors.Clear();
    EXPECT_EQ(colors.Count(), 0);
}

} // namespace
} // namespace xls
