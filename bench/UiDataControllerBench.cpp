// The grid's data controller under the import's load: 200,000 records of 14 items (a row number, eight texts of
// Chinese names in code page 936, three Currency amounts, two Integers) stored inside one update lock, then sorted
// by a text and by a Currency item and grouped by a text. Each reports its time and heap bytes per record, and both
// as ratios to the same work on a vector of structs (filled, then std::stable_sort), the best a caller could do by
// hand. Heap bytes are those the operation leaves allocated (the load) or the peak it adds (sort, group), counted by
// the global allocation functions of this program. The same rows kept in a vector behind a custom record source are
// loaded as handles (provider mode) and sorted by a text compared where it lies in the source.

#include "bench/HeapCounter.h"
#include "rtl/text/CodePages.h"
#include "ui/data/controller/provider/uiCustomRecordSource.h"
#include "ui/data/controller/provider/uiDataProvider.h"
#include "ui/data/controller/rows/uiDataControllerGroups.h"
#include "ui/data/controller/uiDataController.h"
#include "ui/data/values/uiReferenceValueTypes.h"
#include "ui/data/values/uiScalarValueTypes.h"

#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int32_t RecordCount = 200000;
constexpr int32_t TextCount = 8;
constexpr int32_t CurrencyCount = 3;
constexpr int32_t IntegerCount = 2;
// Items: the row number, the texts, the amounts, the integers.
constexpr int32_t FirstText = 1;
constexpr int32_t FirstCurrency = FirstText + TextCount;
constexpr int32_t FirstInteger = FirstCurrency + CurrencyCount;
constexpr int32_t ItemCount = FirstInteger + IntegerCount;
// What the benchmarks sort and group by: the first text (customer names), the second amount.
constexpr int32_t SortText = FirstText;
constexpr int32_t SortCurrency = FirstCurrency + 1;
// Grouped by the third text, which has few distinct values (regions).
constexpr int32_t GroupText = FirstText + 2;

struct TRow {
    int32_t Number;
    std::array<std::string, TextCount> Texts;
    std::array<int64_t, CurrencyCount> Amounts;
    std::array<int32_t, IntegerCount> Integers;
};

// A Chinese name of two or three characters in code page 936; the number of distinct names depends on the column.
std::string ChineseName(uint32_t seed, int32_t column) {
    static const char16_t surnames[] = u"王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗";
    static const char16_t given[] = u"伟芳娜秀英敏静丽强磊军洋勇艳杰娟涛明超兰霞平刚桂华";
    const uint32_t distinct = column == GroupText - FirstText ? 12u : 20000u;
    const uint32_t value = (seed / static_cast<uint32_t>(column + 1)) % distinct;
    std::u16string name;
    name += surnames[value % 20];
    name += given[(value / 20) % 26];
    if (value >= 520) {
        name += given[(value / 520) % 26];
    }
    return rtl::UnicodeToAnsi(name, rtl::cpSimplifiedChinese);
}

std::vector<TRow> MakeRows() {
    std::vector<TRow> rows(RecordCount);
    for (int32_t number = 0; number < RecordCount; ++number) {
        TRow& row = rows[static_cast<size_t>(number)];
        const uint32_t seed = static_cast<uint32_t>(number) * 2654435761u;
        row.Number = number + 1;
        for (int32_t column = 0; column < TextCount; ++column) {
            row.Texts[static_cast<size_t>(column)] = ChineseName(seed, column);
        }
        for (int32_t column = 0; column < CurrencyCount; ++column) {
            row.Amounts[static_cast<size_t>(column)] = static_cast<int64_t>((seed >> column) % 100000000u) * 100;
        }
        for (int32_t column = 0; column < IntegerCount; ++column) {
            row.Integers[static_cast<size_t>(column)] = static_cast<int32_t>((seed >> (column * 3)) % 1000u);
        }
    }
    return rows;
}

const std::vector<TRow>& SourceRows() {
    static const std::vector<TRow> rows = MakeRows();
    return rows;
}

class TBenchController : public ui::TuiDataController {
public:
    TBenchController() : TuiDataController(nullptr) {
        for (int32_t index = 0; index < ItemCount; ++index) {
            FItems.push_back(std::make_unique<rtl::TObject>());
            AddItem(FItems.back().get());
            ChangeValueTypeClass(index, ValueTypeOf(index));
        }
    }
    rtl::TObject* GetItem(int32_t index) const override { return FItems.at(static_cast<size_t>(index)).get(); }

private:
    static ui::TuiValueTypeClass ValueTypeOf(int32_t item) {
        if (item >= FirstText && item < FirstCurrency) {
            return &ui::TuiStringValueType::Instance();
        }
        if (item >= FirstCurrency && item < FirstInteger) {
            return &ui::TuiCurrencyValueType::Instance();
        }
        return &ui::TuiIntegerValueType::Instance();
    }

    std::vector<std::unique_ptr<rtl::TObject>> FItems;
};

// The import's load: one lock, the count, then every value; the grid shows the records by their row number.
void Load(TBenchController& controller, const std::vector<TRow>& rows) {
    controller.BeginUpdate();
    controller.ChangeSortOrder(0, ui::soAscending);
    controller.SetRecordCount(static_cast<int32_t>(rows.size()));
    for (int32_t record = 0; record < static_cast<int32_t>(rows.size()); ++record) {
        const TRow& row = rows[static_cast<size_t>(record)];
        controller.SetValue(record, 0, rtl::Variant(row.Number));
        for (int32_t column = 0; column < TextCount; ++column) {
            controller.SetValue(record, FirstText + column,
                                rtl::Variant::FromAnsiString(row.Texts[static_cast<size_t>(column)]));
        }
        for (int32_t column = 0; column < CurrencyCount; ++column) {
            controller.SetValue(record, FirstCurrency + column,
                                rtl::Variant(rtl::Currency::FromScaled(row.Amounts[static_cast<size_t>(column)])));
        }
        for (int32_t column = 0; column < IntegerCount; ++column) {
            controller.SetValue(record, FirstInteger + column, rtl::Variant(row.Integers[static_cast<size_t>(column)]));
        }
    }
    controller.EndUpdate();
}

using TPeerCompare = bool (*)(const TRow&, const TRow&);

bool ByText(const TRow& a, const TRow& b) {
    return a.Texts[SortText - FirstText] < b.Texts[SortText - FirstText];
}
bool ByCurrency(const TRow& a, const TRow& b) {
    return a.Amounts[SortCurrency - FirstCurrency] < b.Amounts[SortCurrency - FirstCurrency];
}
bool ByGroupText(const TRow& a, const TRow& b) {
    return a.Texts[GroupText - FirstText] < b.Texts[GroupText - FirstText];
}

// Seconds and heap bytes of one piece of work, the best of three runs.
struct TCost {
    double Seconds = 1e300;
    double Bytes = 0;
};

template <class Work>
TCost Measure(Work&& work) {
    TCost best;
    for (int run = 0; run < 3; ++run) {
        const int64_t liveBefore = bench::LiveHeapBytes();
        bench::ResetPeakHeapBytes();
        const auto start = std::chrono::steady_clock::now();
        const int64_t kept = work();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        best.Seconds = std::min(best.Seconds, elapsed.count());
        best.Bytes = static_cast<double>(kept >= 0 ? kept : bench::PeakHeapBytes() - liveBefore);
    }
    return best;
}

// The peer's load: the rows copied into a vector of structs; its heap bytes are those it keeps.
const TCost& PeerLoad() {
    static const TCost cost = Measure([] {
        const int64_t before = bench::LiveHeapBytes();
        std::vector<TRow> rows = SourceRows();
        benchmark::DoNotOptimize(rows.data());
        return bench::LiveHeapBytes() - before;
    });
    return cost;
}

// The peer's sort: std::stable_sort of a copy (the copy not counted).
TCost PeerSort(TPeerCompare compare) {
    std::vector<TRow> rows = SourceRows();
    return Measure([&] {
        std::vector<TRow> work = rows;
        const int64_t live = bench::LiveHeapBytes();
        bench::ResetPeakHeapBytes();
        std::stable_sort(work.begin(), work.end(), compare);
        benchmark::DoNotOptimize(work.data());
        return bench::PeakHeapBytes() - live;
    });
}

void Report(benchmark::State& state, double seconds, double bytes, const TCost& peer) {
    state.counters["ns_per_record"] = seconds * 1e9 / RecordCount;
    state.counters["heap_bytes_per_record"] = bytes / RecordCount;
    state.counters["time_ratio"] = seconds / peer.Seconds;
    state.counters["heap_ratio"] = peer.Bytes > 0 ? bytes / peer.Bytes : 0;
}

// The seconds and heap bytes of filling a fresh controller with load, against the peer's load.
template <class LoadWork>
void RunLoad(benchmark::State& state, LoadWork&& load) {
    double seconds = 0;
    double bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto controller = std::make_unique<TBenchController>();
        const int64_t before = bench::LiveHeapBytes();
        const auto start = std::chrono::steady_clock::now();
        state.ResumeTiming();
        load(*controller);
        state.PauseTiming();
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        bytes = static_cast<double>(bench::LiveHeapBytes() - before);
        controller.reset();
        state.ResumeTiming();
    }
    Report(state, seconds, bytes, PeerLoad());
}

void BM_LoadInOneLock(benchmark::State& state) {
    RunLoad(state, [](TBenchController& controller) { Load(controller, SourceRows()); });
}
BENCHMARK(BM_LoadInOneLock)->Unit(benchmark::kMillisecond)->Iterations(3);

// The rows behind a custom record source: a record's handle is its row's index; values are compared in place.
class TRowSource : public ui::TuiCustomRecordSource {
public:
    explicit TRowSource(const std::vector<TRow>& rows) : FRows(rows) {}

    int32_t AddRecord() override { throw std::logic_error("the benchmark's rows are fixed"); }
    void RemoveRecord(int32_t) override { throw std::logic_error("the benchmark's rows are fixed"); }
    void SetValue(int32_t, int32_t, const rtl::Variant&) override {
        throw std::logic_error("the benchmark's rows are fixed");
    }
    rtl::Variant GetValue(int32_t handle, int32_t item) override {
        ui::TuiValueReference reference = nullptr;
        GetValuePointer(handle, item, reference);
        if (item >= FirstText && item < FirstCurrency) {
            return rtl::Variant::FromAnsiString(*static_cast<const std::string*>(reference));
        }
        if (item >= FirstCurrency && item < FirstInteger) {
            return rtl::Variant(rtl::Currency::FromScaled(*static_cast<const int64_t*>(reference)));
        }
        return rtl::Variant(*static_cast<const int32_t*>(reference));
    }
    void LoadRecordHandles() override {
        ui::TuiCustomDataProvider& provider = *CurrentProvider();
        for (int32_t handle = 0; handle < static_cast<int32_t>(FRows.size()); ++handle) {
            provider.AddSourceRecord(handle);
        }
    }
    bool IsNativeCompare() override { return true; }
    bool GetValuePointer(int32_t handle, int32_t item, ui::TuiValueReference& reference) override {
        const TRow& row = FRows[static_cast<size_t>(handle)];
        if (item >= FirstText && item < FirstCurrency) {
            reference = &row.Texts[static_cast<size_t>(item - FirstText)];
        } else if (item >= FirstCurrency && item < FirstInteger) {
            reference = &row.Amounts[static_cast<size_t>(item - FirstCurrency)];
        } else {
            reference = item == 0 ? &row.Number : &row.Integers[static_cast<size_t>(item - FirstInteger)];
        }
        return true;
    }

private:
    const std::vector<TRow>& FRows;
};

// The handles of the rows loaded by assigning the source, one notice at the end; against the peer's copy of the rows.
void BM_ProviderLoadHandles(benchmark::State& state) {
    TRowSource source(SourceRows());
    RunLoad(state, [&source](TBenchController& controller) { controller.SetCustomDataSource(&source); });
}
BENCHMARK(BM_ProviderLoadHandles)->Unit(benchmark::kMillisecond)->Iterations(3);

// One rebuild of the rows by the controller.
template <class Change, class Undo>
void RunChange(benchmark::State& state, TBenchController& controller, Change&& change, Undo&& undo, const TCost& peer) {
    double seconds = 0;
    double bytes = 0;
    for (auto _ : state) {
        const int64_t live = bench::LiveHeapBytes();
        bench::ResetPeakHeapBytes();
        const auto start = std::chrono::steady_clock::now();
        change(controller);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        bytes = static_cast<double>(bench::PeakHeapBytes() - live);
        state.PauseTiming();
        undo(controller);
        state.ResumeTiming();
    }
    Report(state, seconds, bytes, peer);
}

// The same from the loaded records, shown by their row number.
template <class Change, class Undo>
void RunControllerChange(benchmark::State& state, Change&& change, Undo&& undo, const TCost& peer) {
    TBenchController controller;
    Load(controller, SourceRows());
    RunChange(state, controller, change, undo, peer);
}

// Sorted by one item instead of the row number.
void SortInsteadOfRowNumber(TBenchController& controller, int32_t item) {
    controller.BeginUpdate();
    controller.ChangeSortOrder(0, ui::soNone);
    controller.ChangeSortOrder(item, ui::soAscending);
    controller.EndUpdate();
}

void SortByRowNumber(TBenchController& controller, int32_t item) {
    controller.BeginUpdate();
    controller.ChangeSortOrder(item, ui::soNone);
    controller.ChangeSortOrder(0, ui::soAscending);
    controller.EndUpdate();
}

// Sorted by item instead of the row number, against the peer's sort by the same column.
void RunSort(benchmark::State& state, int32_t item, const TCost& peer) {
    RunControllerChange(
        state, [item](TBenchController& c) { SortInsteadOfRowNumber(c, item); },
        [item](TBenchController& c) { SortByRowNumber(c, item); }, peer);
}

void BM_SortByText(benchmark::State& state) {
    static const TCost peer = PeerSort(ByText);
    RunSort(state, SortText, peer);
}
BENCHMARK(BM_SortByText)->Unit(benchmark::kMillisecond)->Iterations(3);

// Sorted by a text in provider mode, the texts compared where they lie in the source.
void BM_ProviderSortByText(benchmark::State& state) {
    static const TCost peer = PeerSort(ByText);
    TRowSource source(SourceRows());
    TBenchController controller;
    controller.SetCustomDataSource(&source);
    controller.ChangeSortOrder(0, ui::soAscending);
    RunChange(
        state, controller, [](TBenchController& c) { SortInsteadOfRowNumber(c, SortText); },
        [](TBenchController& c) { SortByRowNumber(c, SortText); }, peer);
}
BENCHMARK(BM_ProviderSortByText)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SortByCurrency(benchmark::State& state) {
    static const TCost peer = PeerSort(ByCurrency);
    RunSort(state, SortCurrency, peer);
}
BENCHMARK(BM_SortByCurrency)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_GroupByText(benchmark::State& state) {
    static const TCost peer = PeerSort(ByGroupText);
    RunControllerChange(
        state, [](TBenchController& c) { c.Groups().ChangeItemGroupIndex(GroupText, 0); },
        [](TBenchController& c) { c.Groups().ClearGrouping(); }, peer);
}
BENCHMARK(BM_GroupByText)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
