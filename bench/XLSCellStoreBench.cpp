// The cell store under a sales list of 200,000 rows by 13 columns (2.6 million positions): dates, order numbers,
// quantities and money amounts, region, city, representative, product and category texts from the shared-string
// table, formatted blank discounts and a sparse remark column. Writing fills the store in row order, as the readers
// do; reading looks every position up and takes its kind and its number or text, as the application does. Both
// report the store's bytes per position.

#include "xls/core/cells/XLSCellMMU.h"
#include "xls/core/model/styles/Xc12DataSST.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <memory>
#include <string>

namespace {

constexpr int32_t Rows = 200000;
constexpr int32_t Cols = 13;

// Where each text column's strings start in the table, and how many it has.
struct TTextColumn {
    int32_t First;
    int32_t Count;
};
constexpr TTextColumn Regions{0, 5};
constexpr TTextColumn Cities{5, 40};
constexpr TTextColumn Reps{45, 120};
constexpr TTextColumn Products{165, 800};
constexpr TTextColumn Categories{965, 12};
constexpr TTextColumn Remarks{977, 20};
constexpr int32_t Strings = 997;

double Cents(int64_t cents) {
    return static_cast<double>(cents) / 100.0;
}

// A workbook's style sheet, string table and one sheet's store.
struct TWorkbook {
    TWorkbook() {
        for (int32_t i = 1; i < 4; ++i) {
            Styles.XFs().Add();
        }
        for (int32_t i = 0; i < Strings; ++i) {
            SST.AddString(i < Regions.Count ? u"Region " + std::u16string(1, static_cast<char16_t>(u'A' + i))
                                            : u"Text \u00E9 " + std::u16string(1, static_cast<char16_t>(0x100 + i)));
        }
    }

    int32_t Text(const TTextColumn& column, uint32_t seed) const {
        return column.First + static_cast<int32_t>(seed % static_cast<uint32_t>(column.Count));
    }

    void WriteRow(int32_t row) {
        const auto seed = static_cast<uint32_t>(row) * 2654435761u;
        const int64_t quantity = 1 + seed % 50;
        const int64_t price = 199 + seed % 99800;
        const int64_t amount = quantity * price;
        Cells.StoreFloat(0, row, 1, 44927 + row / 550);
        Cells.StoreFloat(1, row, 0, 100000 + row);
        Cells.StoreSSTIndex(2, row, 0, Text(Regions, seed >> 3));
        Cells.StoreSSTIndex(3, row, 0, Text(Cities, seed >> 5));
        Cells.StoreSSTIndex(4, row, 0, Text(Reps, seed >> 7));
        Cells.StoreSSTIndex(5, row, 0, Text(Products, seed >> 9));
        Cells.StoreSSTIndex(6, row, 0, Text(Categories, seed >> 11));
        Cells.StoreFloat(7, row, 0, static_cast<double>(quantity));
        Cells.StoreFloat(8, row, 2, Cents(price));
        Cells.StoreFloat(9, row, 2, Cents(amount));
        if (seed % 5 < 3) {
            Cells.StoreBlank(10, row, 3);
        } else {
            Cells.StoreFloat(10, row, 3, 0.05);
        }
        Cells.StoreFloat(11, row, 2, Cents((amount * 19 + 50) / 100));
        if (seed % 5 == 0) {
            Cells.StoreSSTIndex(12, row, 0, Text(Remarks, seed >> 13));
        }
    }

    xls::TXc12DataStyleSheet Styles;
    xls::TXc12DataSST SST{&Styles};
    xls::TXLSCellMMU Cells{0, Styles.XFEditor(), SST};
};

void ReportMemory(benchmark::State& state, const xls::TXLSCellMMU& cells) {
    const double positions = static_cast<double>(Rows) * Cols;
    state.counters["bytes_per_cell"] = static_cast<double>(cells.MemorySize()) / positions;
    state.counters["cells_per_second"] =
        benchmark::Counter(positions * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_WriteSalesList(benchmark::State& state) {
    std::unique_ptr<TWorkbook> book;
    for (auto _ : state) {
        state.PauseTiming();
        book = std::make_unique<TWorkbook>();
        state.ResumeTiming();
        for (int32_t row = 0; row < Rows; ++row) {
            book->WriteRow(row);
        }
        benchmark::ClobberMemory();
    }
    ReportMemory(state, book->Cells);
}
BENCHMARK(BM_WriteSalesList)->Unit(benchmark::kMillisecond);

void BM_ReadSalesList(benchmark::State& state) {
    TWorkbook book;
    for (int32_t row = 0; row < Rows; ++row) {
        book.WriteRow(row);
    }
    for (auto _ : state) {
        double sum = 0;
        size_t characters = 0;
        xls::TXLSCellHandle cell;
        for (int32_t row = 0; row < Rows; ++row) {
            for (int32_t col = 0; col < Cols; ++col) {
                book.Cells.FindCell(col, row, cell);
                const int32_t kind = book.Cells.GetKind(cell);
                if (kind == xls::XLSKindFloat) {
                    sum += book.Cells.GetFloat(cell);
                } else if (kind == xls::XLSKindString) {
                    characters += book.Cells.GetString(cell).size();
                }
            }
        }
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(characters);
    }
    ReportMemory(state, book.Cells);
}
BENCHMARK(BM_ReadSalesList)->Unit(benchmark::kMillisecond);

} // namespace
