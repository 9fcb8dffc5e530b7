// Reads the generated sales list (200,001 rows by 13 columns; bench/sales/make_sales_list.py, written by `make bench`
// to build/bench-data/sales-200k.xlsx, or the file named by TALLYVANE_SALES_LIST) through the import's calls: Read,
// then every cell's type and its number or text. The same rows as an .xls workbook (build/bench-data/sales-200k.xls,
// four sheets of 50,000 rows, or TALLYVANE_SALES_LIST_XLS) are read the same way, every sheet. Each prints its time per
// million cells beside the rate, of wall time, as the .xlsx read inflates on a second thread.

#include "WorkbookVisit.h"
#include "rtl/text/CodePages.h"
#include "xls/api/XLSSpreadsheet.h"
#include "xls/api/XLSWorksheet.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string PathOf(const char* variable, const char* fallback) {
    const char* path = std::getenv(variable);
    return path != nullptr ? path : fallback;
}

int64_t TouchCells(xls::TXLSWorksheet& sheet) {
    int64_t cells = 0;
    bench::VisitUsedArea(sheet, [&](int32_t col, int32_t row, int32_t kind) {
        ++cells;
        if (bench::IsNumberKind(kind)) {
            benchmark::DoNotOptimize(sheet.GetAsFloat(col, row));
        } else {
            benchmark::DoNotOptimize(sheet.GetAsString(col, row));
        }
    });
    return cells;
}

// Reads the workbook at path and touches every cell of its first sheet, or of all its sheets.
void ReadSalesList(benchmark::State& state, const std::string& path, bool allSheets) {
    if (!std::filesystem::exists(path)) {
        state.SkipWithError(("no sales list at " + path + ": run `make bench`").c_str());
        return;
    }
    int64_t cells = 0;
    for (auto _ : state) {
        xls::TXLSSpreadsheet book(nullptr);
        book.SetFilename(rtl::Utf8ToUnicode(path));
        book.Read();
        cells = 0;
        for (int32_t sheet = 0; sheet < (allSheets ? book.GetSheetCount() : 1); ++sheet) {
            cells += TouchCells(*book.GetSheet(sheet));
        }
    }
    state.counters["cells"] = static_cast<double>(cells);
    state.counters["cells/s"] =
        benchmark::Counter(static_cast<double>(cells), benchmark::Counter::kIsIterationInvariantRate);
    // Seconds per million cells: the figure that compares the two formats and runs of different sizes.
    state.counters["s/Mcell"] = benchmark::Counter(
        static_cast<double>(cells) / 1e6, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ReadSalesList(benchmark::State& state) {
    ReadSalesList(state, PathOf("TALLYVANE_SALES_LIST", "build/bench-data/sales-200k.xlsx"), false);
}
BENCHMARK(BM_ReadSalesList)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_ReadSalesListXls(benchmark::State& state) {
    ReadSalesList(state, PathOf("TALLYVANE_SALES_LIST_XLS", "build/bench-data/sales-200k.xls"), true);
}
BENCHMARK(BM_ReadSalesListXls)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
