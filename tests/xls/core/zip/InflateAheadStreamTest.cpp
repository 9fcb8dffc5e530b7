#include "xls/core/zip/InflateAheadStream.h"

#include "ZipTestSupport.h"
#include "rtl/core/Exceptions.h"
#include "tests/support/TestSupport.h"
#include "xls/core/zip/DeflateStreams.h"
#include "xls/core/zip/XLSZip.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace xls;
using test::NoiseBytes;
using test::RawDeflate;
using test::ReadAll;

namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

// Several blocks' worth of data that compresses, and some that does not.
std::string SampleData() {
    std::string data;
    for (int i = 0; data.size() < 3 * TInflateAheadStream::BlockSize; ++i) {
        data += "<row r=\"" + std::to_string(i) + "\"><c r=\"A" + std::to_string(i) + "\"><v>" + std::to_string(i * 7) +
                "</v></c></row>";
    }
    return data + NoiseBytes(100000);
}

} // namespace

TEST(InflateAheadStream, GivesTheDataWhateverThePiecesTheReaderAsksFor) {
    const std::string data = SampleData();
    for (const int32_t piece : {1, 4093, 65536, 1 << 20}) {
        SCOPED_TRACE(piece);
        TInflateAheadStream stream(Bytes(RawDeflate(data)));
        EXPECT_FALSE(stream.StreamEnded());
        EXPECT_EQ(ReadAll(stream, piece), data);
        EXPECT_TRUE(stream.StreamEnded());
        EXPECT_EQ(stream.Position(), static_cast<int64_t>(data.size()));
    }
}

TEST(InflateAheadStream, DamagedDataIsReportedToTheReader) {
    const std::string compressed = RawDeflate(SampleData());
    std::string corrupt = compressed;
    corrupt[0] = static_cast<char>(0xFF); // a reserved block type
    TInflateAheadStream broken(Bytes(corrupt));
    EXPECT_THROW(ReadAll(broken, 65536), EDecompressionError);

    TInflateAheadStream truncated(Bytes(compressed.substr(0, compressed.size() / 2)));
    const std::string part = ReadAll(truncated, 65536);
    EXPECT_LT(part.size(), SampleData().size());
    EXPECT_FALSE(truncated.StreamEnded());
}

TEST(InflateAheadStream, CanBeFreedBeforeTheDataIsRead) {
    // The worker has filled its blocks and waits for a reader that goes away.
    const std::string compressed = RawDeflate(std::string(16 * TInflateAheadStream::BlockSize, 'x'));
    for (const int32_t read : {0, 1000}) {
        SCOPED_TRACE(read);
        TInflateAheadStream stream(Bytes(compressed));
        std::string piece(static_cast<size_t>(read), '\0');
        EXPECT_EQ(stream.Read(piece.data(), read), read);
    }
}

TEST(InflateAheadStream, IsReadOnlyAndDoesNotMove) {
    TInflateAheadStream stream(Bytes(RawDeflate("abc")));
    EXPECT_THROW(stream.Write("x", 1), EDecompressionError);
    EXPECT_THROW(stream.Seek(1, rtl::soBeginning), EDecompressionError);
}

// Entries whose compressed size reaches the threshold take this road inside the archive's entry streams.
TEST(InflateAheadStream, LargeZipEntriesReadAndCheckTheirCrc) {
    const std::string data = NoiseBytes(MinInflateAheadSize + 4096) + SampleData();
    const struct {
        const char* name;
        std::optional<uint32_t> crc;
        const char* error;
    } cases[] = {{"intact", std::nullopt, "no exception"},
                 {"wrong CRC", 0x12345678u, "CRC error in file big.xml in ZIP"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const test::TTestArchive archive = test::BuildArchive({{.Name = "big.xml", .Data = data, .Crc = c.crc}});
        auto stream = test::StreamOf(archive.Bytes);
        TXLSZipArchive zip;
        zip.OpenRead(*stream);
        ASSERT_GE(zip.GetFile(0).Local().Header.CompressedSize, MinInflateAheadSize);
        TXLSOwnerStream entry(zip.GetFile(0), u"big.xml");
        const std::string message = test_support::MessageOf([&] { EXPECT_EQ(ReadAll(entry, 50000), data); });
        EXPECT_EQ(message.substr(0, std::string(c.error).size()), c.error);
        // Starting over inflates again from the start.
        if (!c.crc) {
            entry.SetPosition(0);
            EXPECT_EQ(ReadAll(entry, 1 << 20), data);
        }
    }
}
