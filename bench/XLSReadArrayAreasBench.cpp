// Reads sheets of N array formulas whose areas all stay open to the last row, followed by 10 * N plain cells (the
// shape of tests/data/fuzz/xlsx-array-areas.xlsx at several sizes). The read must take time proportional to the
// size: the fitted complexity the benchmark reports is O(N), where testing every cell against every open area made
// it O(N^2).

#include "rtl/Streams.h"
#include "xls/api/XLSSpreadsheet.h"
#include "xls/core/zip/XLSZip.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <map>
#include <string>

namespace {

constexpr std::string_view MainNs = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";
constexpr std::string_view RelNs = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr std::string_view PackageRelNs = "http://schemas.openxmlformats.org/package/2006/relationships";

std::string ArrayAreasSheet(int32_t areas) {
    std::string xml = "<worksheet xmlns=\"" + std::string(MainNs) + "\"><sheetData>";
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
    return xml + "</sheetData></worksheet>";
}

std::string ArrayAreasPackage(int32_t areas) {
    const std::string relType = std::string(RelNs) + "/";
    const std::map<std::string, std::string> parts = {
        {"[Content_Types].xml",
         R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
         R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
         R"(<Default Extension="xml" ContentType="application/xml"/></Types>)"},
        {"_rels/.rels", "<Relationships xmlns=\"" + std::string(PackageRelNs) +
                            "\"><Relationship Id=\"rId1\" Target=\"xl/workbook.xml\" Type=\"" + relType +
                            "officeDocument\"/></Relationships>"},
        {"xl/workbook.xml", "<workbook xmlns=\"" + std::string(MainNs) + "\" xmlns:r=\"" + std::string(RelNs) +
                                "\"><sheets><sheet name=\"Areas\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels", "<Relationships xmlns=\"" + std::string(PackageRelNs) +
                                           "\"><Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\" Type=\"" +
                                           relType + "worksheet\"/></Relationships>"},
        {"xl/worksheets/sheet1.xml", ArrayAreasSheet(areas)},
    };
    rtl::TStringStream out;
    xls::TXLSZipArchive archive;
    archive.OpenWrite(out);
    for (const auto& [path, text] : parts) {
        rtl::TStringStream data(text);
        archive.AddFile(rtl::UnicodeString(path.begin(), path.end()), data);
    }
    archive.Close();
    return out.DataString();
}

void BM_ReadArrayAreasOpenToTheLastRow(benchmark::State& state) {
    const auto areas = static_cast<int32_t>(state.range(0));
    const std::string package = ArrayAreasPackage(areas);
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
