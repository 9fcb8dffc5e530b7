// The compressed bitmap data "XDBM": the runs it forms, the verbatim remainder, round trips, plain data passed by,
// and damaged data refused with the framework's bitmap error.

#include "ui/core/graphics/uiBitmapDataCodec.h"

#include "rtl/io/Streams.h"
#include "tests/support/TestSupport.h"
#include "vcl/graphics/images/Graphic.h"

#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace ui {
namespace {

using TBytes = std::vector<uint8_t>;

TBytes Repeated(const TBytes& block, size_t times) {
    TBytes bytes;
    for (size_t i = 0; i < times; ++i) {
        bytes.insert(bytes.end(), block.begin(), block.end());
    }
    return bytes;
}

TBytes Joined(std::initializer_list<TBytes> parts) {
    TBytes bytes;
    for (const TBytes& part : parts) {
        bytes.insert(bytes.end(), part.begin(), part.end());
    }
    return bytes;
}

// What follows the ten header bytes.
TBytes BodyOf(const TBytes& packed) {
    return TBytes(packed.begin() + uiBitmapDataHeaderSize, packed.end());
}

TBytes LittleEndian32(uint32_t value) {
    return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
            static_cast<uint8_t>(value >> 24)};
}

// Plain data as the framework's bitmap writes it: the length, then that many bytes.
TBytes PlainData(const TBytes& file) {
    return Joined({LittleEndian32(static_cast<uint32_t>(file.size())), file});
}

// A compressed form written by hand: the header, then body.
TBytes Packed(uint16_t version, const TBytes& body) {
    return Joined({LittleEndian32(static_cast<uint32_t>(body.size())),
                   {'X', 'D', 'B', 'M'},
                   {static_cast<uint8_t>(version), static_cast<uint8_t>(version >> 8)},
                   body});
}

const TBytes A{1, 2, 3, 4};
const TBytes B{5, 6, 7, 8};
const TBytes C{9, 10, 11, 12};

TEST(uiBitmapDataCodec, HeaderAndRunsOfRepeatedAndChangingBlocks) {
    const TBytes packed = CompressBitmapData(Joined({A, A, A, B, C, C}), 4);
    ASSERT_GE(packed.size(), uiBitmapDataHeaderSize);
    EXPECT_EQ(TBytes(packed.begin(), packed.begin() + 10),
              Joined({LittleEndian32(static_cast<uint32_t>(packed.size() - 10)), {'X', 'D', 'B', 'M', 2, 0}}));
    EXPECT_EQ(BodyOf(packed), Joined({{4, 0}, {0x03}, A, {0x81}, B, {0x02}, C}))
        << "repeat 3 of A, literal 1 (B), repeat 2 of C";
}

TEST(uiBitmapDataCodec, RunsStopAt125Blocks) {
    EXPECT_EQ(BodyOf(CompressBitmapData(Repeated(A, 130), 4)), Joined({{4, 0}, {125}, A, {5}, A}));
    TBytes changing;
    for (uint8_t i = 0; i < 130; ++i) {
        changing.push_back(i);
    }
    const TBytes body = BodyOf(CompressBitmapData(changing, 1));
    ASSERT_EQ(body.size(), 2u + 1 + 125 + 1 + 5);
    EXPECT_EQ(body[2], 0x80 | 125);
    EXPECT_EQ(body[2 + 1 + 125], 0x80 | 5);
    EXPECT_EQ(BodyOf(CompressBitmapData(Joined({A, B, B}), 4)), Joined({{4, 0}, {0x81}, A, {0x02}, B}))
        << "a literal run ends before the block that starts a repeat";
    EXPECT_EQ(BodyOf(CompressBitmapData(Joined({A, A, B}), 4)), Joined({{4, 0}, {0x02}, A, {0x81}, B}))
        << "a last block without a successor is a literal run of 1";
}

TEST(uiBitmapDataCodec, TheRemainderOfTheBlocksIsCarriedVerbatim) {
    const TBytes plain = Joined({{0xAA, 0xBB, 0xCC}, A, A});
    EXPECT_EQ(BodyOf(CompressBitmapData(plain, 4)), Joined({{4, 3, 0xAA, 0xBB, 0xCC}, {0x02}, A}));
    EXPECT_EQ(BitmapDataBlockSize(32), 4);
    EXPECT_EQ(BitmapDataBlockSize(24), 3);
    EXPECT_EQ(BitmapDataBlockSize(4), 1) << "at least one byte";
}

TEST(uiBitmapDataCodec, DecompressingGivesThePlainDataBack) {
    std::mt19937 random(33);
    for (uint8_t blockSize = 1; blockSize <= 4; ++blockSize) {
        for (size_t length : {0u, 1u, 2u, 3u, 7u, 130u, 1000u, 4097u}) {
            TBytes file(length);
            for (size_t i = 0; i < length; ++i) {
                // Stretches of equal bytes between noise, so both kinds of run occur.
                file[i] = (i / 37) % 2 == 0 ? static_cast<uint8_t>(i / 37) : static_cast<uint8_t>(random());
            }
            const TBytes plain = PlainData(file);
            EXPECT_EQ(DecompressBitmapData(CompressBitmapData(plain, blockSize)), plain)
                << "block size " << int{blockSize} << ", length " << length;
        }
    }
}

TEST(uiBitmapDataCodec, VersionOneHasSingleByteRunsRightAfterTheHeader) {
    const TBytes plain = PlainData({7, 7, 7, 7, 1, 2});
    const TBytes body = Joined({{0x81, 6, 0x03, 0}, {0x04, 7}, {0x82, 1, 2}});
    EXPECT_EQ(DecompressBitmapData(Packed(1, body)), plain);
}

TBytes FixtureBytes(std::string_view name) {
    rtl::TMemoryStream stream;
    stream.LoadFromFile(test_support::DataPath(std::string("fuzz/ui_bitmap_data_fuzz/") + std::string(name)));
    const auto* bytes = static_cast<const uint8_t*>(stream.Memory());
    return TBytes(bytes, bytes + stream.Size());
}

TEST(uiBitmapDataCodec, FormsWrittenByAnotherEncoderExpandToThePlainData) {
    const TBytes plain = FixtureBytes("plain.bin");
    EXPECT_EQ(DecompressBitmapData(FixtureBytes("version2-24bit.bin")), plain);
    EXPECT_EQ(DecompressBitmapData(FixtureBytes("version1.bin")), plain);
    EXPECT_EQ(CompressBitmapData(plain, 3), FixtureBytes("version2-24bit.bin")) << "the same runs";
}

TEST(uiBitmapDataCodec, StreamsWithoutTheSignatureAreLeftToThePlainReader) {
    const TBytes plain = PlainData({'B', 'M', 1, 2, 3, 4, 5, 6, 7, 8});
    rtl::TMemoryStream stream;
    stream.WriteBuffer(plain.data(), static_cast<int32_t>(plain.size()));
    stream.SetPosition(2);
    EXPECT_FALSE(ReadCompressedBitmapData(stream).has_value());
    EXPECT_EQ(stream.Position(), 2) << "the position goes back";

    rtl::TMemoryStream packedStream;
    const TBytes packed = CompressBitmapData(plain, 1);
    packedStream.WriteBuffer(packed.data(), static_cast<int32_t>(packed.size()));
    packedStream.WriteBuffer("tail", 4);
    packedStream.SetPosition(0);
    EXPECT_EQ(ReadCompressedBitmapData(packedStream), plain);
    EXPECT_EQ(packedStream.Position(), static_cast<int64_t>(packed.size())) << "the stream is left after the data";
}

TEST(uiBitmapDataCodec, DamagedDataRaisesTheBitmapError) {
    const TBytes shortPlain = LittleEndian32(2);
    const struct {
        const char* What;
        TBytes Data;
    } cases[] = {
        {"no signature", Joined({LittleEndian32(0), {'X', 'D', 'B', 'N', 2, 0}})},
        {"a size beyond the data", Joined({LittleEndian32(50), {'X', 'D', 'B', 'M', 2, 0, 1, 0}})},
        {"version 0", Packed(0, {1, 0})},
        {"version 3", Packed(3, {1, 0, 0x01, 0})},
        {"no block size", Packed(2, {})},
        {"block size 0", Packed(2, {0, 0})},
        {"block size 5", Packed(2, {5, 0})},
        {"a remainder as large as the block", Packed(2, {2, 2, 1, 2})},
        {"a remainder past the end", Packed(2, {4, 3, 1})},
        {"a literal run past the end", Packed(2, Joined({{1, 0}, {0x85, 1, 2}}))},
        {"a repeat without its block", Packed(2, {4, 0, 0x05, 1, 2})},
        {"output beyond the declared length", Packed(1, Joined({{0x84}, shortPlain, {0x03, 9}}))},
        {"a negative declared length", Packed(1, Joined({{0x84}, LittleEndian32(0xFFFFFFF0)}))},
        {"a declared length beyond the image limits",
         Packed(1, Joined({{0x84}, LittleEndian32(0x7FFFFFFF), {0x7D, 0}}))},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(DecompressBitmapData(c.Data), vcl::EInvalidGraphic) << c.What;
    }

    rtl::TMemoryStream stream;
    const TBytes truncated = Joined({LittleEndian32(100), {'X', 'D', 'B', 'M', 2, 0, 1, 0}});
    stream.WriteBuffer(truncated.data(), static_cast<int32_t>(truncated.size()));
    stream.SetPosition(0);
    EXPECT_THROW(ReadCompressedBitmapData(stream), vcl::EInvalidGraphic) << "a size beyond the stream";
}

} // namespace
} // namespace ui
