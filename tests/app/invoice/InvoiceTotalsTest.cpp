// The rounding of amounts and taxes, the totals in 80-bit precision, the invoice limit and the texts that report them.

#include "app/invoice/InvoiceTotals.h"

#include "app/invoice/RoundDecimal.h"
#include "rtl/numbers/NumberConversions.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using test_support::Utf8;

TEST(RoundDecimal, RoundsTheFifteenDigitFormHalvesAwayFromZero) {
    const struct {
        double Value;
        double Rounded;
    } cases[] = {
        {1.005, 1.01},   {2.675, 2.68},  {12.345, 12.35}, {-0.5, -0.5},   {0, 0},
        {-1.005, -1.01}, {0.004, 0},     {0.995, 1},      {-0.004999, 0}, {1234567.125, 1234567.13},
        {100, 100},      {1e300, 1e300},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(app::RoundDecimal(2, c.Value), c.Rounded) << c.Value;
    }
    EXPECT_EQ(app::RoundDecimal(0, 2.5), 3);
    EXPECT_EQ(app::RoundDecimal(3, 0.0005), 0.001);
}

TEST(RoundDecimal, TheTextsWithoutLeadingZeroReadBack) {
    // Between -1 and 1 the pattern "#.00" writes ".00" and "-.50"; the conversion must take them.
    EXPECT_EQ(rtl::StrToFloat(u".00"), 0);
    EXPECT_EQ(rtl::StrToFloat(u"-.50"), -0.5);
    EXPECT_EQ(app::RoundDecimal(2, 0.001), 0);
    EXPECT_EQ(app::RoundDecimal(2, -0.499), -0.5);
}

TEST(InvoiceTotals, TaxInclusiveAndExclusiveAmountsGiveTheSameInvoice) {
    app::TInvoiceTotals inclusive;
    inclusive.AddLine(113, 0.13, true);
    app::TInvoiceTotals exclusive;
    exclusive.AddLine(100, 0.13, false);
    for (const app::TInvoiceTotals* totals : {&inclusive, &exclusive}) {
        const app::TTotalsTexts texts = app::FormatTotals(*totals);
        EXPECT_EQ(Utf8(texts.WithTax), "113.00");
        EXPECT_EQ(Utf8(texts.WithoutTax), "100.00");
        EXPECT_EQ(Utf8(texts.Tax), "13.00");
    }
}

TEST(InvoiceTotals, EachLineTaxIsRoundedToCentsAndTheTotalsAreNot) {
    app::TInvoiceTotals totals;
    // 10 / 1.13 * 0.13 = 1.1504...
    totals.AddLine(10, 0.13, true);
    totals.AddLine(10, 0.13, true);
    EXPECT_EQ(totals.Tax(), static_cast<long double>(1.15) + static_cast<long double>(1.15));
    EXPECT_EQ(totals.WithTax(), 20.0L);
    app::TInvoiceTotals exclusive;
    exclusive.AddLine(0.01, 0.13, false);
    exclusive.AddLine(0.01, 0.13, false);
    EXPECT_EQ(exclusive.Tax(), 0);
    EXPECT_EQ(exclusive.WithoutTax(), static_cast<long double>(0.01) * 2) << "amounts add up in 80 bits, unrounded";
    const app::TTotalsTexts texts = app::FormatTotals(exclusive);
    EXPECT_EQ(Utf8(texts.WithTax), "0.02");
}

TEST(InvoiceTotals, TheLimitOfEachIndexAndNoneOutsideTheList) {
    const int32_t limits[] = {1000, 10000, 100000, 1000000, 10000000};
    for (int32_t index = 0; index < 5; ++index) {
        EXPECT_EQ(app::InvoiceLimit(index), limits[index]);
    }
    EXPECT_EQ(app::InvoiceLimit(-1), 0);
    EXPECT_EQ(app::InvoiceLimit(5), 0);
}

TEST(InvoiceTotals, TheMessagesLineUpTheirLabelsAndTrimTheLimitText) {
    const app::TTotalsTexts texts{u"113.00", u"100.00", u"13.00"};
    EXPECT_EQ(Utf8(app::TotalsMessage(texts)), "本开票清单合计数\r\n\r\n"
                                               "　含税金额合计：113.00\r\n"
                                               "不含税金额合计：100.00\r\n"
                                               "　　　税额合计：13.00");
    EXPECT_EQ(Utf8(app::LimitWarning(u" 一千 ")), "请注意，这张发票的金额合计数超过了设置的发票开票限额【一千】!");
}

TEST(InvoiceTotals, TheReportWarnsOnlyAboveTheLimit) {
    const struct {
        double Amount;
        int32_t LimitIndex;
        bool Warns;
    } cases[] = {{1000.00, 0, false}, {1000.01, 0, true}, {99999.99, 2, false}, {0.01, 7, true}, {0, 7, false}};
    for (const auto& c : cases) {
        app::TInvoiceTotals totals;
        totals.AddLine(c.Amount, 0.13, false);
        app_test::TScriptedMessages messages;
        const app::TTotalsTexts texts = app::ReportTotals(messages, totals, c.LimitIndex, u" 一千 ");
        ASSERT_EQ(messages.Shown.size(), c.Warns ? 2u : 1u) << c.Amount;
        EXPECT_EQ(messages.Shown[0], "information: " + Utf8(app::TotalsMessage(texts)));
        if (c.Warns) {
            EXPECT_EQ(messages.Shown[1], "warning: 请注意，这张发票的金额合计数超过了设置的发票开票限额【一千】!");
        }
    }
}

} // namespace
