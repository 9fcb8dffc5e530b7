#pragma once
// The three totals of a sales list (with tax, without tax, the tax), kept in 80-bit precision, the invoice limit
// chosen in the settings, and the texts that report them.

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace app {

class IUserMessages;

class TInvoiceTotals {
public:
    // Adds one line: its amount and rate as the import read them. With tax-inclusive amounts the tax is the amount's
    // share amount / (1 + rate) * rate, else amount * rate; the tax is rounded to cents, the totals are not.
    void AddLine(double amount, double rate, bool amountsIncludeTax);

    long double WithTax() const { return FWithTax; }
    long double WithoutTax() const { return FWithoutTax; }
    long double Tax() const { return FTax; }

private:
    long double FWithTax = 0;
    long double FWithoutTax = 0;
    long double FTax = 0;
};

// The totals as the window shows them, each with the pattern "0.00".
struct TTotalsTexts {
    rtl::UnicodeString WithTax;
    rtl::UnicodeString WithoutTax;
    rtl::UnicodeString Tax;
};
TTotalsTexts FormatTotals(const TInvoiceTotals& totals);

// The number of invoice limits in the limit list.
inline constexpr int32_t InvoiceLimitCount = 5;
// The invoice limit of an item of the limit list: 0 = 1000, 1 = 10000, 2 = 100000, 3 = 1000000, 4 = 10000000; any
// other index gives 0, so that every positive total exceeds it.
int32_t InvoiceLimit(int32_t limitIndex);

// The information box after an import: the three totals, their labels lined up with full-width blanks.
rtl::UnicodeString TotalsMessage(const TTotalsTexts& texts);
// The warning when the total without tax exceeds the limit; limitText is the limit list's text, trimmed here.
rtl::UnicodeString LimitWarning(rtl::UnicodeStringView limitText);
// Shows the totals in an information box, then the warning when the total without tax exceeds the limit of
// limitIndex (a total equal to it does not); returns the totals as the window shows them.
TTotalsTexts ReportTotals(IUserMessages& messages, const TInvoiceTotals& totals, int32_t limitIndex,
                          rtl::UnicodeStringView limitText);

} // namespace app
