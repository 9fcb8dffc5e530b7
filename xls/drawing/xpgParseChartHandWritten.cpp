// The members of the chart document written by hand: its error handler and its style DOMs.

#include "xls/drawing/xpgParseChart.h"

#include <utility>

namespace xls::xpgParseChart {

TXPGDocXLSXChart::TXPGDocXLSXChart(TXpgPErrors::TErrorHandler handler) {
    Errors().SetErrorHandler(std::move(handler));
}

TXpgSimpleDOM& TXPGDocXLSXChart::CreateStyleDOM() {
    FStyleDOM = std::make_unique<TXpgSimpleDOM>();
    return *FStyleDOM;
}

TXpgSimpleDOM& TXPGDocXLSXChart::CreateColorStyleDOM() {
    FColorStyleDOM = std::make_unique<TXpgSimpleDOM>();
    return *FColorStyleDOM;
}

} // namespace xls::xpgParseChart
