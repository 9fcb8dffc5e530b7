// Speed of the XML reader on the part that dominates reading a workbook: a large sheet of cells. Three programs over
// the same generated part: the bare scan for "<" (the floor no tokenizer can beat), the tokenizer with hooks that
// only hash names, and hooks that do what the cell classes do (hash every attribute name, decode every attribute
// value, decode the text of <v>).

#include "rtl/io/Streams.h"
#include "xls/core/xml/XpgReadXML.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <string>

namespace {

// A worksheet part of about 32 MB: rows of ten cells <c r="A1" s="1" t="s"><v>12</v></c>.
const std::string& SheetPart() {
    static const std::string part = [] {
        constexpr int Rows = 90000;
        constexpr int Columns = 10;
        std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
                          "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                          "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
                          "<sheetData>";
        for (int row = 1; row <= Rows; ++row) {
            const std::string rowText = std::to_string(row);
            xml += "<row r=\"" + rowText + "\" spans=\"1:10\">";
            for (int column = 0; column < Columns; ++column) {
                xml += "<c r=\"";
                xml += static_cast<char>('A' + column);
                xml +=
                    rowText + "\" s=\"1\" t=\"s\"><v>" + std::to_string((row * Columns + column) % 5000) + "</v></c>";
            }
            xml += "</row>";
        }
        xml += "</sheetData></worksheet>";
        return xml;
    }();
    return part;
}

class THashingReader : public xls::TXpgReadXML {
public:
    uint32_t Sum = 0;
    void BeginTag() override { Sum += TagSumHash(); }
    void EndTag() override { Sum += TagSumHash(); }
};

class TCellReader : public xls::TXpgReadXML {
public:
    size_t Characters = 0;
    uint32_t Sum = 0;
    void BeginTag() override {
        if (LocalStartsWithV()) {
            Characters += GetText().size();
            return;
        }
        const xls::TXpgXMLAttributeList& attributes = Attributes();
        for (int32_t i = 0; i < attributes.GetCount(); ++i) {
            Sum += attributes.NameSumHash(i);
            Characters += attributes.GetValue(i).size();
        }
    }
};

template <class TReader>
void ParseSheet(benchmark::State& state) {
    const std::string& part = SheetPart();
    for (auto _ : state) {
        // The stream only reads the bytes it is given.
        rtl::TCustomMemoryStream stream(const_cast<char*>(part.data()), static_cast<int64_t>(part.size()));
        TReader reader;
        benchmark::DoNotOptimize(reader.Parse(stream));
        benchmark::DoNotOptimize(reader.Sum);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(part.size()));
}

void BM_ScanForLessThanOnly(benchmark::State& state) {
    const std::string& part = SheetPart();
    for (auto _ : state) {
        size_t count = 0;
        for (const char *p = part.data(), *end = p + part.size();
             (p = static_cast<const char*>(std::memchr(p, '<', static_cast<size_t>(end - p)))) != nullptr; ++p) {
            ++count;
        }
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(part.size()));
}

void BM_ParseSheetHashingNames(benchmark::State& state) {
    ParseSheet<THashingReader>(state);
}

void BM_ParseSheetDecodingCells(benchmark::State& state) {
    ParseSheet<TCellReader>(state);
}

BENCHMARK(BM_ScanForLessThanOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseSheetHashingNames)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseSheetDecodingCells)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
