#include "xls/core/zip/DeflateStreams.h"

#include "ZipTestSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using test::Crc32;
using test::NoiseBytes;
using test::RawDeflate;
using test::ReadAll;
using test::StreamOf;
using test::ZlibCompress;
using test_support::MessageOf;

std::string Repeated(std::string_view text, size_t times) {
    std::string result;
    for (size_t i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

std::string Inflated(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

TEST(DeflateStreams, CompressionStreamRoundTripsWhateverTheWriteSizes) {
    const std::string text = Repeated("<c r=\"A1\"><v>12.5</v></c>", 4000);
    const std::string noise = NoiseBytes(300000);
    struct Case {
        const char* name;
        TCompressionLevel level;
        bool raw;
        std::string data;
        std::vector<size_t> writes; // sizes of consecutive writes; the last one repeats until the data is used up
    };
    const Case cases[] = {
        {"nothing written", clFastest, true, "", {1}},
        {"one-byte writes", clFastest, true, text.substr(0, 20000), {1}},
        {"around the small-write buffer", clDefault, true, text, {8191, 1, 8192, 8190, 2, 100}},
        {"one large incompressible write", clFastest, true, noise, {noise.size()}},
        {"stored level", clNone, true, noise.substr(0, 70000), {5000}},
        {"zlib format", clMax, false, text, {3000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        rtl::TMemoryStream output;
        output.WriteBuffer("head", 4);
        {
            TCompressionStream compression(c.level, output, c.raw);
            size_t done = 0;
            for (size_t i = 0; done < c.data.size(); i = std::min(i + 1, c.writes.size() - 1)) {
                const size_t size = std::min(c.writes[i], c.data.size() - done);
                compression.WriteBuffer(c.data.data() + done, static_cast<int32_t>(size));
                done += size;
            }
            EXPECT_EQ(compression.Seek(0, rtl::soCurrent), static_cast<int64_t>(c.data.size()));
            EXPECT_EQ(compression.CRC32(), Crc32(c.data));
            compression.Finish();
            EXPECT_EQ(compression.CRC32(), Crc32(c.data));
        }
        const std::string written = test::ContentOf(output);
        ASSERT_EQ(written.substr(0, 4), "head");
        const std::string compressed = written.substr(4);
        if (c.raw) {
            auto input = StreamOf(compressed);
            TDecompressionStream decompression(*input);
            EXPECT_EQ(ReadAll(decompression, 65536), c.data);
            EXPECT_TRUE(decompression.StreamEnded());
        } else {
            EXPECT_EQ(Inflated(InflateBuffer(compressed.data(), static_cast<uint32_t>(compressed.size()), 0)), c.data);
        }
    }
}

TEST(DeflateStreams, CompressionStreamRefusesWhatItCannotDo) {
    const char* invalid = "Invalid stream operation";
    rtl::TMemoryStream output;
    TCompressionStream compression(clDefault, output, true);
    char byte = 'x';
    EXPECT_EQ(MessageOf([&] { compression.Read(&byte, 1); }), invalid);
    EXPECT_EQ(MessageOf([&] { compression.Seek(1, rtl::soCurrent); }), invalid);
    EXPECT_EQ(MessageOf([&] { compression.Seek(0, rtl::soBeginning); }), invalid);
    EXPECT_THROW(compression.Seek(0, rtl::soEnd), ECompressionError);
    compression.Finish();
    EXPECT_EQ(MessageOf([&] { compression.Write(&byte, 1); }), invalid);
}

TEST(DeflateStreams, DecompressionStreamStopsAtTheEndOfTheDataOrTheInput) {
    const std::string data = Repeated("0123456789", 20000) + NoiseBytes(150000);
    const std::string compressed = RawDeflate(data);
    const std::string trailer = "PK\x01\x02 what follows the entry";
    const std::string archive = compressed + trailer;
    struct Case {
        const char* name;
        int64_t limit; // -1: none
        size_t inputSize;
        std::string expected;
        bool ends;
    };
    const Case cases[] = {
        {"limit is the data", static_cast<int64_t>(compressed.size()), archive.size(), data, true},
        {"limit reaches past the data", static_cast<int64_t>(archive.size()), archive.size(), data, true},
        {"no limit", -1, archive.size(), data, true},
        {"limit cuts the data short", 1000, archive.size(), "", false},
        {"input cut short", -1, compressed.size() / 2, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto input = StreamOf(archive.substr(0, c.inputSize));
        std::string got;
        {
            auto decompression = c.limit < 0
                                     ? std::make_unique<TDecompressionStream>(*input)
                                     : std::make_unique<TDecompressionStream>(*input, static_cast<uint32_t>(c.limit));
            got = ReadAll(*decompression, 7000);
            EXPECT_EQ(decompression->StreamEnded(), c.ends);
            EXPECT_EQ(decompression->Seek(0, rtl::soCurrent), static_cast<int64_t>(got.size()));
        }
        if (c.ends) {
            EXPECT_EQ(got, c.expected);
            // Freed, it gives back what it read ahead: the input stands just after the deflate data.
            EXPECT_EQ(input->Position(), static_cast<int64_t>(compressed.size()));
        } else {
            EXPECT_LT(got.size(), data.size());
            EXPECT_EQ(got, data.substr(0, got.size()));
        }
    }
}

TEST(DeflateStreams, DecompressionStreamRaisesOnCorruptData) {
    // BFINAL set with the reserved block type 3 (RFC 1951, 3.2.3).
    auto input = StreamOf("\xff\xff\xff\xff");
    TDecompressionStream decompression(*input);
    char buffer[16];
    EXPECT_THROW(decompression.Read(buffer, sizeof(buffer)), EDecompressionError);
    EXPECT_EQ(MessageOf([&] { decompression.Read(buffer, sizeof(buffer)); }), "ZLib decompress error");
}

TEST(DeflateStreams, DecompressionStreamSeeksOnlyForward) {
    const std::string data = NoiseBytes(20000);
    auto input = StreamOf(RawDeflate(data));
    TDecompressionStream decompression(*input);
    EXPECT_EQ(decompression.Seek(5000, rtl::soBeginning), 5000);
    EXPECT_EQ(decompression.Seek(1000, rtl::soCurrent), 6000);
    char buffer[10];
    decompression.ReadBuffer(buffer, sizeof(buffer));
    EXPECT_EQ(std::string(buffer, sizeof(buffer)), data.substr(6000, 10));
    EXPECT_EQ(decompression.Seek(100000, rtl::soBeginning), 20000);
    EXPECT_EQ(MessageOf([&] { decompression.Seek(0, rtl::soBeginning); }), "Invalid stream operation");
    EXPECT_THROW(decompression.Seek(-1, rtl::soCurrent), EDecompressionError);
    EXPECT_THROW(decompression.Seek(0, rtl::soEnd), EDecompressionError);
    EXPECT_THROW(decompression.Write(buffer, 1), EDecompressionError);
}

TEST(DeflateStreams, InflateBufferGrowsOrTrimsItsOutputToTheData) {
    const std::string data = Repeated("abcdefgh", 50000) + NoiseBytes(3000);
    const std::string compressed = ZlibCompress(data);
    const auto exact = static_cast<uint32_t>(data.size());
    for (const uint32_t estimate : {0u, 1u, exact - 1, exact, exact * 10, UINT32_MAX}) {
        SCOPED_TRACE(estimate);
        EXPECT_EQ(Inflated(InflateBuffer(compressed.data(), static_cast<uint32_t>(compressed.size()), estimate)), data);
    }
    const std::string empty = ZlibCompress("");
    EXPECT_TRUE(InflateBuffer(empty.data(), static_cast<uint32_t>(empty.size()), 0).empty());
}

TEST(DeflateStreams, InflateBufferRaisesOnBadData) {
    const std::string compressed = ZlibCompress(Repeated("row,", 1000));
    std::string flipped = compressed;
    flipped[flipped.size() - 2] ^= 0x10; // inside the Adler-32 checksum
    const struct {
        const char* name;
        std::string input;
    } cases[] = {
        {"empty input", ""},
        {"cut short", compressed.substr(0, compressed.size() / 2)},
        {"checksum damaged", flipped},
        {"raw deflate without the zlib header", RawDeflate("abc")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MessageOf([&] { InflateBuffer(c.input.data(), static_cast<uint32_t>(c.input.size()), 0); }),
                  "ZLib decompress error");
        EXPECT_THROW(InflateBuffer(c.input.data(), static_cast<uint32_t>(c.input.size()), 0), EDecompressionError);
    }
}

} // namespace
} // namespace xls
