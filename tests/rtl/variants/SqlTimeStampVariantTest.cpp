#include "rtl/variants/SqlTimeStampVariant.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "rtl/time/DateTimeFormat.h"
#include "rtl/variants/VariantCompare.h"
#include "rtl/variants/VariantConversions.h"

#include <gtest/gtest.h>

namespace rtl {
namespace {

TEST(SqlTimeStampVariant, FieldsAndDateTimesConvertBothWays) {
    TSQLTimeStamp stamp;
    ASSERT_TRUE(TryDateTimeToSQLTimeStamp(EncodeDate(2026, 6, 10) + EncodeTime(13, 45, 30, 250), stamp));
    EXPECT_EQ(stamp.Year, 2026);
    EXPECT_EQ(stamp.Month, 6);
    EXPECT_EQ(stamp.Day, 10);
    EXPECT_EQ(stamp.Hour, 13);
    EXPECT_EQ(stamp.Minute, 45);
    EXPECT_EQ(stamp.Second, 30);
    EXPECT_EQ(stamp.Fractions, 250u);
    TDateTime back = 0;
    ASSERT_TRUE(TrySQLTimeStampToDateTime(stamp, back));
    EXPECT_NEAR(back, EncodeDate(2026, 6, 10) + EncodeTime(13, 45, 30, 250), 1e-9);

    EXPECT_FALSE(TryDateTimeToSQLTimeStamp(1e9, stamp));
    EXPECT_FALSE(TrySQLTimeStampToDateTime({2026, 2, 30, 0, 0, 0, 0}, back));
    EXPECT_FALSE(TrySQLTimeStampToDateTime({2026, 2, 3, 0, 0, 0, 1000}, back));
}

TEST(SqlTimeStampVariant, OrdersFieldByField) {
    const TSQLTimeStamp base{2026, 6, 10, 12, 0, 0, 0};
    TSQLTimeStamp later = base;
    later.Fractions = 1;
    EXPECT_EQ(CompareSQLTimeStamps(base, later), -1);
    EXPECT_EQ(CompareSQLTimeStamps(later, base), 1);
    EXPECT_EQ(CompareSQLTimeStamps(base, base), 0);
    TSQLTimeStamp earlierYear = later;
    earlierYear.Year = 2025;
    EXPECT_EQ(CompareSQLTimeStamps(earlierYear, base), -1);
    EXPECT_EQ(VarCompare(VarSQLTimeStampCreate(base), VarSQLTimeStampCreate(later)), -1);
}

TEST(SqlTimeStampVariant, VariantsConvertThroughTheirDateTime) {
    const Variant stamp = VarSQLTimeStampCreate({1899, 12, 31, 12, 0, 0, 0});
    EXPECT_TRUE(VarIsSQLTimeStamp(stamp));
    EXPECT_FALSE(VarIsNumeric(stamp));
    EXPECT_EQ(VarToDateTime(stamp), 1.5);
    EXPECT_EQ(VarToDouble(stamp), 1.5);
    EXPECT_EQ(VarToStr(stamp), DateTimeToStr(1.5));
    const TSQLTimeStamp fromText = VarToSQLTimeStamp(Variant(DateTimeToStr(1.5)));
    EXPECT_EQ(CompareSQLTimeStamps(fromText, {1899, 12, 31, 12, 0, 0, 0}), 0);
    EXPECT_EQ(VarToSQLTimeStamp(Variant::FromDateTime(2)).Day, 1);

    EXPECT_THROW(VarToSQLTimeStamp(Variant(u"no date")), EVariantTypeCastError);
    EXPECT_THROW(VarToSQLTimeStamp(Variant(1e9)), EVariantOverflowError);
    EXPECT_THROW(VarToSQLTimeStamp(Variant::Null()), EVariantTypeCastError);
    EXPECT_THROW(VarToDateTime(VarSQLTimeStampCreate({2026, 13, 1, 0, 0, 0, 0})), EVariantTypeCastError);
}

} // namespace
} // namespace rtl
