#include "tests/xls/biff/crypto/CryptoTestSupport.h"
#include "xls/biff/stream/BIFF_FilePass.h"
#include "xls/biff/stream/BIFF_Stream.h"
#include "xls/core/base/XLSErrorManager.h"

#include <gtest/gtest.h>

namespace xls {
namespace {

using test::Concat;
using test::Record;
using test::TBytes;
using test::TRecordBytes;

constexpr uint16_t FillerId = 0x0203;
// Where the header of the record after the filler starts: across the first block boundary.
constexpr size_t StraddlingHeader = 1022;

// A workbook's first records: BOF, FILEPASS, INTERFACEHDR and BOUNDSHEET (stored in clear, the BOUNDSHEET's first
// 4 bytes only), a filler up to the header that straddles the first block boundary, records over several blocks, a
// record continued by a CONTINUE, and EOF.
TBytes PlainRecords() {
    const TBytes head = Concat({test::BOF8(test::SubstreamGlobals), Record(BIFFRecordFilePass, test::FilePassRC4()),
                                Record(0x00E1, test::Word(0x04B0)), test::BoundSheet8(u"Sheet")});
    return Concat({head, Record(FillerId, test::PatternBytes(StraddlingHeader - head.size() - 4, 9)),
                   Record(FillerId, test::PatternBytes(700, 1)), Record(FillerId, test::PatternBytes(1500, 2)),
                   Record(BIFFRecordMsoDrawingGroup, test::PatternBytes(500, 3)),
                   Record(BIFFRecordContinue, test::PatternBytes(300, 4)), Record(FillerId, test::PatternBytes(9, 5)),
                   test::EOFRecord()});
}

TBytes EncryptedRecords() {
    return test::EncryptRecords(PlainRecords(), test::ExampleEncryption(), test::ExamplePassword);
}

// An encrypted record stream in memory.
struct TEncryptedStream {
    TXLSErrorManager Errors;
    TXLSStream Stream{Errors};

    explicit TEncryptedStream(const TBytes& records) {
        Stream.CreateMemoryStream();
        Stream.WriteBytes(records.data(), static_cast<int32_t>(records.size()));
        Stream.Seek(0, rtl::soBeginning);
    }

    // Every record, its body read in pieces of piece bytes (0: whole) with a peek at the next record id before each
    // piece; FILEPASS answered with password.
    std::vector<TRecordBytes> ReadAll(int32_t piece, std::u16string_view password) {
        std::vector<TRecordBytes> records;
        TBIFFHeader header;
        while (Stream.PeekRecordId() != 0 && Stream.ReadHeader(header) == 4) {
            TRecordBytes& record = records.emplace_back();
            record.Id = header.RecID;
            record.Body.resize(header.Length);
            const int32_t step = piece > 0 ? piece : std::max<int32_t>(header.Length, 1);
            for (int32_t at = 0; at < header.Length; at += step) {
                Stream.PeekRecordId();
                Stream.Read(record.Body.data() + at, std::min<int32_t>(step, header.Length - at));
            }
            if (header.RecID == BIFFRecordFilePass) {
                EXPECT_EQ(Stream.SetPassword(FilePassEncryption(record.Body, xvExcel97), password),
                          password == test::ExamplePassword);
            }
        }
        return records;
    }
};

bool SameRecords(const std::vector<TRecordBytes>& a, const std::vector<TRecordBytes>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const auto& x, const auto& y) {
               return x.Id == y.Id && x.Body == y.Body;
           });
}

TEST(TXLSStream, EncryptedBodiesDecryptAlikeInAnyPieces) {
    const std::vector<TRecordBytes> plain = test::RecordsOf(PlainRecords());
    ASSERT_EQ(test::RecordsOf(PlainRecords()).size(), test::RecordsOf(EncryptedRecords()).size());
    ASSERT_FALSE(SameRecords(plain, test::RecordsOf(EncryptedRecords())));
    for (const int32_t piece : {1, 7, 0}) {
        TEncryptedStream fixture(EncryptedRecords());
        EXPECT_TRUE(SameRecords(fixture.ReadAll(piece, test::ExamplePassword), plain)) << piece;
        EXPECT_TRUE(fixture.Stream.Encrypted());
    }
}

TEST(TXLSStream, AWrongPasswordLeavesTheBodiesAsStored) {
    TEncryptedStream fixture(EncryptedRecords());
    EXPECT_TRUE(SameRecords(fixture.ReadAll(0, u"password2"), test::RecordsOf(EncryptedRecords())));
    EXPECT_FALSE(fixture.Stream.Encrypted());
}

TEST(TXLSStream, ABodyReadAgainAfterASeekAndAContinuedReadDecrypt) {
    const std::vector<TRecordBytes> plain = test::RecordsOf(PlainRecords());
    TEncryptedStream fixture(EncryptedRecords());
    TBIFFHeader header;
    TBytes body;
    while (fixture.Stream.ReadHeader(header) == 4 && header.RecID != BIFFRecordMsoDrawingGroup) {
        body.resize(header.Length);
        fixture.Stream.Read(body.data(), header.Length);
        if (header.RecID == BIFFRecordFilePass) {
            ASSERT_TRUE(fixture.Stream.SetPassword(FilePassEncryption(body, xvExcel97), test::ExamplePassword));
        }
    }
    // The previous record's body, read again from its middle: it was the 1500-byte one.
    const int64_t drawing = fixture.Stream.Position();
    fixture.Stream.Seek(drawing - 4 - 1000, rtl::soBeginning);
    TBytes tail(1000);
    fixture.Stream.Read(tail.data(), 1000);
    EXPECT_EQ(tail, TBytes(plain[6].Body.end() - 1000, plain[6].Body.end()));
    // The drawing group's 500 bytes go on in the CONTINUE record's 300.
    fixture.Stream.Seek(drawing, rtl::soBeginning);
    fixture.Stream.BeginContinueRead();
    TBytes joined(800);
    EXPECT_EQ(fixture.Stream.Read(joined.data(), 800), 800);
    fixture.Stream.EndContinueRead();
    EXPECT_EQ(joined, Concat({plain[7].Body, plain[8].Body}));
}

} // namespace
} // namespace xls
