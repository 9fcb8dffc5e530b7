#include "app/invoice/InvoiceTotals.h"

#include "app/invoice/InvoiceTexts.h"
#include "app/invoice/RoundDecimal.h"
#include "app/invoice/UserMessages.h"
#include "rtl/numbers/NumberFormat.h"
#include "rtl/text/StringUtils.h"

#include <array>

namespace app {

void TInvoiceTotals::AddLine(double amount, double rate, bool amountsIncludeTax) {
    const long double wideAmount = amount;
    const long double wideRate = rate;
    if (amountsIncludeTax) {
        const long double tax = RoundDecimal(2, static_cast<double>(wideAmount / (wideRate + 1) * wideRate));
        FWithTax += wideAmount;
        FTax += tax;
        FWithoutTax += wideAmount - tax;
    } else {
        const long double tax = RoundDecimal(2, static_cast<double>(wideAmount * wideRate));
        FWithTax += wideAmount + tax;
        FTax += tax;
        FWithoutTax += wideAmount;
    }
}

TTotalsTexts FormatTotals(const TInvoiceTotals& totals) {
    return {rtl::FormatFloat(u"0.00", totals.WithTax()), rtl::FormatFloat(u"0.00", totals.WithoutTax()),
            rtl::FormatFloat(u"0.00", totals.Tax())};
}

int32_t InvoiceLimit(int32_t limitIndex) {
    constexpr std::array<int32_t, InvoiceLimitCount> Limits = {1000, 10000, 100000, 1000000, 10000000};
    if (limitIndex < 0 || limitIndex >= static_cast<int32_t>(Limits.size())) {
        return 0;
    }
    return Limits[static_cast<size_t>(limitIndex)];
}

rtl::UnicodeString TotalsMessage(const TTotalsTexts& texts) {
    rtl::UnicodeString message = InvoiceTexts::TotalsHeading;
    message += InvoiceTexts::TotalWithTaxLabel + texts.WithTax + u"\r\n";
    message += InvoiceTexts::TotalWithoutTaxLabel + texts.WithoutTax + u"\r\n";
    message += InvoiceTexts::TaxTotalLabel + texts.Tax;
    return message;
}

rtl::UnicodeString LimitWarning(rtl::UnicodeStringView limitText) {
    return InvoiceTexts::LimitWarningStart + rtl::Trim(limitText) + InvoiceTexts::LimitWarningEnd;
}

TTotalsTexts ReportTotals(IUserMessages& messages, const TInvoiceTotals& totals, int32_t limitIndex,
                          rtl::UnicodeStringView limitText) {
    TTotalsTexts texts = FormatTotals(totals);
    messages.ShowBox(mkInformation, TotalsMessage(texts));
    if (totals.WithoutTax() > InvoiceLimit(limitIndex)) {
        messages.ShowBox(mkWarning, LimitWarning(limitText));
    }
    return texts;
}

} // namespace app
