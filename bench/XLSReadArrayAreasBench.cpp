// Reads sheets of N array formulas whose areas all stay open to the last row, followed by 10 * N plain cells (the
// shape of tests/data/fuzz/xlsx-array-areas.xlsx at several sizes). The read must take time proportional to the
// size: the fitted complexity the benchmark reports is O(N), where testing every cell against every open area made
// it O(N^2). The package is built as the reader tests build theirs.

#include "rtl/io/Streams.h"
#include "tests/xls/xlsx/XLSReadXLSXTestSupport.h"
#include "xls/api/XLSSpreadsheet.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// The rows of the sheet: N masters, then N rows of ten plain cells.
std::string ArrayAreaRows(int32_t areas) {
    std::string xml;
    for (int32_t row = 1; row <= areas; ++row) {
        const std::string r = std::to_string(row);
        xml += "<row r=\"" + r + "\"><c r=\"A" + r + "\"><f t=\"array\" ref=\"A" + r + ":B1048576\">" + r + "</f><v>" +
               r + "</v></c></row>";
    }
    for (int32_t row = areas + 1; row <= 2 * areas; ++row) {
        const std::string r = std::to_string(row);
        xml += "<row r=\"" + r + "\">";
        for (const char col : std::string_view("ABCDEFGHIJ")) {
            xml += "<c r=\"" + std::string(1, col) + r + "\"><v>" + r + "</v></c>";
        }
        xml += "</row>";
    }
    return xml;
}

void BM_ReadArrayAreasOpenToTheLastRow(benchmark::State& state) {
    const auto areas = static_cast<int32_t>(state.range(0));
    const std::string package = xls::xlsx_test::TPackage::WithSheets({{"Areas", ArrayAreaRows(areas)}}).Zip();
    for (auto _ : state) {
        rtl::TStringStream stream(package);
        xls::TXLSSpreadsheet book(nullptr);
        book.LoadFromStream(stream, true);
    }
    state.SetComplexityN(areas);
    state.counters["cells"] = 11.0 * areas;
}
BENCHMARK(BM_ReadArrayAreasOpenToTheLastRow)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 16)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
