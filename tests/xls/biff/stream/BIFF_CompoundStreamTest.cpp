#include "xls/biff/stream/BIFF_CompoundStream.h"

#include "tests/xls/biff/BIFFTestSupport.h"
#include "tests/xls/biff/CompoundFileWriter.h"
#include "xls/biff/stream/BIFF_CompoundFile.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

using test::TBytes;

// Reads the whole stream in pieces of count bytes.
TBytes ReadInPieces(rtl::TStream& stream, int32_t count) {
    TBytes read;
    TBytes piece(static_cast<size_t>(count));
    for (int32_t got = 0; (got = stream.Read(piece.data(), count)) > 0;) {
        read.insert(read.end(), piece.begin(), piece.begin() + got);
    }
    return read;
}

// The stream named Workbook of the document in bytes, opened as the record reader opens it.
std::unique_ptr<TCompoundStream> OpenWorkbook(const TBytes& bytes, TBytes& whole) {
    auto source = test::MemoryOf(bytes);
    const TCompoundFile document(*source);
    const int32_t entry = document.FindChild(TCompoundFile::RootEntry, u"Workbook");
    whole = document.ReadStream(entry);
    return std::make_unique<TCompoundStream>(std::move(source), document.StreamExtents(entry),
                                             document.Entry(entry).Size);
}

TEST(TCompoundStream, ReadsWhatTheWholeStreamReadGivesInPiecesOfAnySize) {
    // Past one 64 KB window, with both sector sizes; the record reader reads 4-byte headers and bodies up to 8224.
    for (const uint32_t sectorSize : {512U, 4096U}) {
        SCOPED_TRACE(sectorSize);
        const TBytes bytes =
            test::WriteCompoundFile({{u"Workbook", false, -1, test::PatternBytes(200001)}}, sectorSize);
        for (const int32_t piece : {1, 4, 8224, 70000, 300000}) {
            TBytes whole;
            const auto stream = OpenWorkbook(bytes, whole);
            EXPECT_EQ(stream->Size(), 200001);
            EXPECT_EQ(ReadInPieces(*stream, piece), whole) << piece;
            EXPECT_EQ(stream->Position(), 200001);
        }
    }
}

TEST(TCompoundStream, SeeksAnywhereAndReadsNothingPastItsEnd) {
    TBytes whole;
    const auto stream =
        OpenWorkbook(test::WriteCompoundFile({{u"Workbook", false, -1, test::PatternBytes(150000)}}), whole);
    TBytes piece(6);
    for (const int64_t position : {int64_t{140000}, int64_t{3}, int64_t{65535}, int64_t{149997}}) {
        EXPECT_EQ(stream->Seek(position, rtl::soBeginning), position);
        const int32_t got = stream->Read(piece.data(), 6);
        const int32_t expected = static_cast<int32_t>(std::min<int64_t>(6, 150000 - position));
        ASSERT_EQ(got, expected) << position;
        EXPECT_TRUE(std::equal(piece.begin(), piece.begin() + got, whole.begin() + position)) << position;
    }
    EXPECT_EQ(stream->Seek(-4, rtl::soCurrent), 149996);
    EXPECT_EQ(stream->Seek(10, rtl::soEnd), 150010);
    EXPECT_EQ(stream->Read(piece.data(), 6), 0);
    EXPECT_EQ(stream->Write(piece.data(), 6), 0);
    EXPECT_EQ(stream->Size(), 150000);
}

TEST(TCompoundStream, ExtentsOutOfOrderInTheSourceReadInStreamOrder) {
    // A stream whose second half lies before its first in the source, the way a chain may jump back.
    const TBytes source = test::PatternBytes(100000);
    const std::vector<TCompoundExtent> extents = {{70000, 0, 30000}, {1000, 30000, 69000}};
    TCompoundStream stream(test::MemoryOf(source), extents, 99000);
    TBytes expected(source.begin() + 70000, source.end());
    expected.insert(expected.end(), source.begin() + 1000, source.begin() + 70000);
    EXPECT_EQ(ReadInPieces(stream, 4096), expected);
}

TEST(TCompoundStream, BytesPastTheEndOfTheSourceReadAsZerosAsInTheWholeRead) {
    // The stream's last sector is the file's last, 112 bytes of it padding: the cut takes 188 bytes of the stream.
    TBytes bytes = test::WriteCompoundFile({{u"Workbook", false, -1, test::PatternBytes(90000)}});
    bytes.resize(bytes.size() - 300);
    TBytes whole;
    const auto stream = OpenWorkbook(bytes, whole);
    EXPECT_EQ(ReadInPieces(*stream, 8224), whole);
    EXPECT_EQ(whole.back(), 0);
}

} // namespace
} // namespace xls
