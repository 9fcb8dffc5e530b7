// Loads the input as a chart part into the chart document: once as the drawing part loads it, where the first
// report ends the read, and once with a handler that lets the read go on past every report; then counts what was read.

#include "FuzzInput.h"
#include "rtl/core/Exceptions.h"
#include "xls/drawing/xpgParseChart.h"

namespace {

void Load(xls::xpgParseChart::TXPGDocXLSXChart& doc, const uint8_t* data, size_t size) {
    fuzz::TInputStream input(data, size);
    try {
        doc.LoadFromStream(input);
    } catch (const rtl::Exception&) {
    }
    static_cast<void>(doc.GetRoot().CheckAssigned());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    xls::xpgParseChart::TXPGDocXLSXChart strict;
    Load(strict, data, size);
    xls::xpgParseChart::TXPGDocXLSXChart lenient([](xls::TXpgPErrors&) {});
    Load(lenient, data, size);
    return 0;
}
