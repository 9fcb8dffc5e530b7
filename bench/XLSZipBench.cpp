// Zip entry throughput: inflating a worksheet-sized entry through the archive's entry stream, and deflating one
// through the compression stream in the short writes an XML writer makes, each beside zlib called directly on the
// same bytes (the floor those streams add their block handling, position restoring and CRC checks to).

#include "rtl/io/Streams.h"
#include "xls/core/zip/DeflateStreams.h"
#include "xls/core/zip/XLSZip.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>
#include <zlib.h>

namespace {

// About 16 MB of sheet XML: the shape of what a large .xlsx holds.
const std::string& SheetXml() {
    static const std::string xml = [] {
        std::string text;
        for (int row = 1; text.size() < (16u << 20); ++row) {
            text += "<row r=\"" + std::to_string(row) + "\">";
            text += "<c r=\"A" + std::to_string(row) + "\" t=\"s\"><v>" + std::to_string(row % 977) + "</v></c>";
            text += "<c r=\"B" + std::to_string(row) + "\"><v>" + std::to_string(row * 7919 % 100003) + ".25</v></c>";
            text += "</row>";
        }
        return text;
    }();
    return xml;
}

// The sheet stored as the one entry of an archive written by this library.
const std::string& Archive() {
    static const std::string bytes = [] {
        rtl::TMemoryStream output;
        xls::TXLSZipArchive archive;
        archive.OpenWrite(output);
        rtl::TStringStream source(SheetXml());
        archive.AddFile(u"xl/worksheets/sheet1.xml", source);
        archive.Close();
        return std::string(static_cast<const char*>(output.Memory()), static_cast<size_t>(output.Size()));
    }();
    return bytes;
}

void BM_ReadEntry(benchmark::State& state) {
    rtl::TStringStream stream(Archive());
    xls::TXLSZipArchive archive;
    archive.OpenRead(stream);
    std::vector<char> buffer(static_cast<size_t>(state.range(0)));
    for (auto _ : state) {
        xls::TXLSOwnerStream entry(archive.GetFile(0), u"sheet");
        while (entry.Read(buffer.data(), static_cast<int32_t>(buffer.size())) > 0) {
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(SheetXml().size()));
}
BENCHMARK(BM_ReadEntry)->Arg(4096)->Arg(65536);

void BM_ZlibInflateWithCrc(benchmark::State& state) {
    rtl::TStringStream stream(Archive());
    xls::TXLSZipArchive archive;
    archive.OpenRead(stream);
    const xls::TXLSZipLocalEntry& local = archive.GetFile(0).Local();
    const auto* compressed = reinterpret_cast<const Bytef*>(Archive().data() + local.DataPosition);
    std::vector<Bytef> output(SheetXml().size());
    for (auto _ : state) {
        z_stream z{};
        inflateInit2(&z, -15);
        z.next_in = const_cast<Bytef*>(compressed);
        z.avail_in = local.Header.CompressedSize;
        z.next_out = output.data();
        z.avail_out = static_cast<uInt>(output.size());
        inflate(&z, Z_FINISH);
        inflateEnd(&z);
        benchmark::DoNotOptimize(crc32(0, output.data(), static_cast<uInt>(output.size())));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(SheetXml().size()));
}
BENCHMARK(BM_ZlibInflateWithCrc);

void BM_WriteEntryInShortWrites(benchmark::State& state) {
    const std::string& xml = SheetXml();
    const size_t piece = static_cast<size_t>(state.range(0));
    for (auto _ : state) {
        rtl::TMemoryStream output;
        xls::TCompressionStream compression(xls::clFastest, output, true);
        for (size_t done = 0; done < xml.size(); done += piece) {
            compression.WriteBuffer(xml.data() + done, static_cast<int32_t>(std::min(piece, xml.size() - done)));
        }
        compression.Finish();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(xml.size()));
}
BENCHMARK(BM_WriteEntryInShortWrites)->Arg(40)->Arg(65536);

void BM_ZlibDeflateWithCrc(benchmark::State& state) {
    const std::string& xml = SheetXml();
    std::vector<Bytef> output(xml.size());
    for (auto _ : state) {
        z_stream z{};
        deflateInit2(&z, Z_BEST_SPEED, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(xml.data()));
        z.avail_in = static_cast<uInt>(xml.size());
        z.next_out = output.data();
        z.avail_out = static_cast<uInt>(output.size());
        deflate(&z, Z_FINISH);
        deflateEnd(&z);
        benchmark::DoNotOptimize(crc32(0, z.next_in - xml.size(), static_cast<uInt>(xml.size())));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(xml.size()));
}
BENCHMARK(BM_ZlibDeflateWithCrc);

} // namespace
