#include "xls/biff/stream/BIFF_Stream.h"

#include "rtl/io/FileStream.h"
#include "rtl/io/FileUtils.h"
#include "tests/support/TestSupport.h"
#include "tests/xls/biff/BIFFTestSupport.h"
#include "tests/xls/biff/CompoundFileWriter.h"
#include "xls/biff/stream/BIFF_ExtraObjects.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/core/base/XLSErrorManager.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using test::BOFRecord;
using test::Concat;
using test::Record;
using test::TBytes;
using test::TCompoundElement;
using test_support::MessageOf;
using test_support::TTempFile;
using test_support::Utf8;

// A stream with its error manager, opened on a caller's stream or a memory stream to write into.
struct TStreamFixture {
    TXLSErrorManager Errors;
    TXLSStream Stream{Errors};

    TExcelVersion Open(const TBytes& bytes) {
        const auto source = test::MemoryOf(bytes);
        Stream.SetSourceStream(source.get());
        const TExcelVersion version = Stream.OpenFile(u"");
        Stream.SetSourceStream(nullptr);
        return version;
    }

    // Opens raw record bytes, as written into memory, for reading from the start.
    void Load(const TBytes& records) {
        Stream.CreateMemoryStream();
        Stream.WriteBytes(records.data(), static_cast<int32_t>(records.size()));
        Stream.Seek(0, rtl::soBeginning);
    }

    TBytes ReadBytes(int32_t count) {
        TBytes bytes(static_cast<size_t>(count));
        bytes.resize(static_cast<size_t>(Stream.Read(bytes.data(), count)));
        return bytes;
    }

    TBytes Written() {
        const int64_t size = Stream.Size();
        Stream.Seek(0, rtl::soBeginning);
        return ReadBytes(static_cast<int32_t>(size));
    }
};

TBytes CompoundOf(const std::vector<TCompoundElement>& elements, uint32_t sectorSize = 512) {
    return test::WriteCompoundFile(elements, sectorSize);
}

TBytes Slice(const TBytes& bytes, size_t offset, size_t count) {
    return TBytes(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                  bytes.begin() + static_cast<std::ptrdiff_t>(offset + count));
}

TEST(TXLSStream, CompoundDocumentsGiveTheirRecordStreamAndTheVersionOfItsFirstBOF) {
    const TBytes biff8 = Concat({BOFRecord(0x0809, 0x0600), Record(0x000A, {})});
    const TBytes biff5 = Concat({BOFRecord(0x0809, 0x0500), Record(0x000A, {})});
    const TBytes noBOF = Record(0x0042, {0xE4, 0x04});
    const struct {
        const char* Name;
        std::vector<TCompoundElement> Elements;
        TExcelVersion Version;
        TBytes Records;
    } cases[] = {
        {"Workbook, BIFF8", {{u"Workbook", false, -1, biff8}}, xvExcel97, biff8},
        {"Book, BIFF5", {{u"Book", false, -1, biff5}}, xvExcel50, biff5},
        {"BOOK holding BIFF8", {{u"BOOK", false, -1, biff8}}, xvExcel97, biff8},
        {"Workbook holding BIFF5", {{u"workbook", false, -1, biff5}}, xvExcel50, biff5},
        {"both: Workbook is read", {{u"Book", false, -1, biff5}, {u"Workbook", false, -1, biff8}}, xvExcel97, biff8},
        {"no BOF: by name", {{u"Book", false, -1, noBOF}}, xvExcel50, noBOF},
        {"regular stream",
         {{u"Workbook", false, -1, Concat({biff8, test::PatternBytes(6000)})}},
         xvExcel97,
         Concat({biff8, test::PatternBytes(6000)})},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        for (const uint32_t sectorSize : {512U, 4096U}) {
            TStreamFixture fixture;
            EXPECT_EQ(fixture.Open(CompoundOf(test.Elements, sectorSize)), test.Version);
            EXPECT_EQ(fixture.Stream.FileVersion(), test.Version);
            EXPECT_EQ(fixture.Stream.Size(), static_cast<int64_t>(test.Records.size()));
            EXPECT_EQ(fixture.ReadBytes(static_cast<int32_t>(test.Records.size()) + 10), test.Records);
        }
    }
}

TEST(TXLSStream, CompoundDocumentsWithoutRecordStreamAreRefused) {
    const struct {
        const char* Name;
        std::vector<TCompoundElement> Elements;
    } cases[] = {
        {"no streams", {}},
        {"other streams", {{u"Workbook2", false, -1, {1, 2}}, {u"Sheet", false, -1, {3}}}},
        {"Workbook is a storage", {{u"Workbook", true, -1, {}}}},
        {"Book below the root", {{u"Storage", true, -1, {}}, {u"Book", false, 0, {1}}}},
    };
    for (const auto& test : cases) {
        TStreamFixture fixture;
        EXPECT_EQ(MessageOf([&] { fixture.Open(CompoundOf(test.Elements)); }), "The file is not an Excel workbook")
            << test.Name;
    }
}

TEST(TXLSStream, EncryptedPackageReportsUnknownEncryption) {
    const std::vector<TCompoundElement> package = {
        {u"EncryptionInfo", false, -1, test::PatternBytes(200)},
        {u"EncryptedPackage", false, -1, test::PatternBytes(9000)},
    };
    TStreamFixture raising;
    EXPECT_EQ(MessageOf([&] { raising.Open(CompoundOf(package)); }),
              "E1002: Unknown type of encryption (the file is a password-protected .xlsx workbook, whose "
              "encrypted package cannot be opened)");

    TStreamFixture muted;
    muted.Errors.SetMuted(true);
    EXPECT_EQ(muted.Open(CompoundOf(package)), xvNone);
    EXPECT_EQ(muted.Errors.LastError(), XLSErrorUnknownEncryption);
    EXPECT_EQ(muted.Stream.Size(), 0);

    // Either stream alone is no encrypted package.
    TStreamFixture half;
    EXPECT_EQ(MessageOf([&] { half.Open(CompoundOf({package[1]})); }), "The file is not an Excel workbook");
}

TEST(TXLSStream, PlainFilesAreBIFF2To4ByTheirFirstRecord) {
    const struct {
        const char* Name;
        TBytes Bytes;
        TExcelVersion Version;
    } cases[] = {
        {"BIFF2", BOFRecord(0x0009, 2), xvExcel21},
        {"BIFF3", BOFRecord(0x0209, 3), xvExcel30},
        {"BIFF4", BOFRecord(0x0409, 4), xvExcel40},
        {"BIFF5/8 BOF outside a compound document", BOFRecord(0x0809, 0x0600), xvNone},
        {"chart BOF id", BOFRecord(0x1009, 0), xvNone},
        {"a zip package", {'P', 'K', 3, 4, 20, 0, 0, 0}, xvNone},
        {"CSV text", {'a', ',', 'b', '\n'}, xvNone},
        {"one byte", {0x09}, xvNone},
        {"nothing", {}, xvNone},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Name);
        TStreamFixture fixture;
        if (test.Version == xvNone) {
            EXPECT_EQ(MessageOf([&] { fixture.Open(test.Bytes); }), "The file is not an Excel workbook");
            EXPECT_EQ(fixture.Stream.FileVersion(), xvNone);
            continue;
        }
        EXPECT_EQ(fixture.Open(test.Bytes), test.Version);
        EXPECT_EQ(fixture.Stream.Position(), 0);
        EXPECT_EQ(fixture.ReadBytes(100), test.Bytes);
    }
}

TEST(TXLSStream, FilesOpenReadOnlyWhileAnotherProgramWritesThem) {
    const TBytes records = Concat({BOFRecord(0x0809, 0x0600), Record(0x000A, {})});
    const TTempFile compound(u"compound.xls", CompoundOf({{u"Workbook", false, -1, records}}));
    const TTempFile plain(u"plain.xls", BOFRecord(0x0409, 4));
    // As Excel holds a workbook it has open.
    rtl::TFileStream writer(compound.Name(), rtl::fmOpenReadWrite | rtl::fmShareDenyWrite);
    TStreamFixture fixture;
    EXPECT_EQ(fixture.Stream.OpenFile(compound.Name()), xvExcel97);
    EXPECT_EQ(fixture.ReadBytes(100), records);
    EXPECT_EQ(fixture.Stream.OpenFile(plain.Name()), xvExcel40);
    EXPECT_EQ(fixture.ReadBytes(100), BOFRecord(0x0409, 4));
    fixture.Stream.Close();
    EXPECT_NE(MessageOf([&] { fixture.Stream.OpenFile(compound.Name() + u".missing"); }), "no exception");
}

TEST(TXLSStream, SourceStreamIsReadFromItsPositionAndLeftAtZero) {
    const TBytes records = Concat({BOFRecord(0x0809, 0x0600), Record(0x000A, {})});
    const TBytes document = CompoundOf({{u"Workbook", false, -1, records}, {u"Other", false, -1, {7, 8, 9}}});
    const auto source = test::MemoryOf(Concat({test::PatternBytes(333), document}));
    source->Seek(333, rtl::soBeginning);
    TStreamFixture fixture;
    TExtraObjects extras;
    fixture.Stream.SetSourceStream(source.get());
    fixture.Stream.SetExtraObjects(&extras);
    EXPECT_EQ(fixture.Stream.OpenFile(u"ignored.xls"), xvExcel97);
    EXPECT_EQ(source->Position(), 0);
    EXPECT_EQ(fixture.ReadBytes(100), records);
    ASSERT_EQ(extras.Count(), 1);
    EXPECT_EQ(extras.Item(0).Name, u"Other");
    EXPECT_EQ(extras.Item(0).Data, (TBytes{7, 8, 9}));
}

TEST(TXLSStream, DamagedCompoundDocumentFailsToOpen) {
    TBytes document = CompoundOf({{u"Workbook", false, -1, test::PatternBytes(5000)}});
    test::SetHeaderField(document, 44, 8388609);
    TStreamFixture fixture;
    EXPECT_NE(MessageOf([&] { fixture.Open(document); }).find("Damaged compound document"), std::string::npos);
    EXPECT_EQ(fixture.Stream.FileVersion(), xvNone);
}

TEST(TXLSStream, HeadersAndPeeking) {
    TStreamFixture fixture;
    fixture.Load(Concat({Record(0x0809, {1, 2}), Record(0x00FC, {})}));
    EXPECT_EQ(fixture.Stream.PeekRecordId(), 0x0809);
    EXPECT_EQ(fixture.Stream.Position(), 0);
    TBIFFHeader header;
    EXPECT_EQ(fixture.Stream.ReadHeader(header), 4);
    EXPECT_EQ(header.RecID, 0x0809);
    EXPECT_EQ(header.Length, 2);
    fixture.Stream.Seek(2, rtl::soCurrent);
    EXPECT_EQ(fixture.Stream.ReadHeader(header), 4);
    EXPECT_EQ(header.RecID, 0x00FC);
    EXPECT_EQ(fixture.Stream.PeekRecordId(), 0);
    EXPECT_EQ(fixture.Stream.ReadHeader(header), 0);
    EXPECT_EQ(header.RecID, 0);
    fixture.Stream.Seek(-2, rtl::soEnd);
    EXPECT_EQ(fixture.Stream.PeekRecordId(), 0);
    EXPECT_EQ(fixture.Stream.Position(), fixture.Stream.Size() - 2);
}

// A drawing record of first bytes followed by a continuing record of second bytes, read from the first body.
struct TContinued {
    TStreamFixture Fixture;
    TBytes First;
    TBytes Second;

    TContinued(size_t firstSize, uint16_t continuingId, size_t secondSize, const TBytes& after = {})
        : First(test::PatternBytes(firstSize, 1)), Second(test::PatternBytes(secondSize, 2)) {
        Fixture.Load(Concat({Record(0x00EC, First), Record(continuingId, Second), after}));
        TBIFFHeader header;
        Fixture.Stream.ReadHeader(header);
        Fixture.Stream.BeginContinueRead();
    }
};

TEST(TXLSStream, ContinueReadJoinsPiecesByTheirOwnLengths) {
    TContinued full(8224, BIFFRecordContinue, 100);
    EXPECT_EQ(full.Fixture.ReadBytes(8324), Concat({full.First, full.Second}));

    TContinued straddling(8224, BIFFRecordContinue, 100);
    straddling.Fixture.Stream.Seek(4 + 8220, rtl::soBeginning);
    EXPECT_EQ(straddling.Fixture.ReadBytes(12),
              Concat({Slice(straddling.First, 8220, 4), Slice(straddling.Second, 0, 8)}));
    EXPECT_EQ(straddling.Fixture.Stream.Position(), 4 + 8224 + 4 + 8);

    // The first piece is shorter than 8224 bytes: the continuation's header is no data.
    TContinued shorter(5000, BIFFRecordContinue, 3000);
    EXPECT_EQ(shorter.Fixture.ReadBytes(8000), Concat({shorter.First, shorter.Second}));

    // Small reads cross the boundary alike.
    TContinued piecewise(5000, BIFFRecordContinue, 3000);
    TBytes joined;
    for (int i = 0; i < 8000 / 7 + 1; ++i) {
        const TBytes piece = piecewise.Fixture.ReadBytes(7);
        joined.insert(joined.end(), piece.begin(), piece.end());
    }
    EXPECT_EQ(joined, Concat({piecewise.First, piecewise.Second}));
}

TEST(TXLSStream, ContinueReadTakesTheDrawingContinuations) {
    for (const uint16_t id : {BIFFRecordContinue, BIFFRecordMsoDrawingGroup, BIFFRecordGelFrame}) {
        TContinued continued(300, id, 200);
        EXPECT_EQ(continued.Fixture.ReadBytes(500), Concat({continued.First, continued.Second})) << id;
    }
    // HFPICTURE brings 14 bytes of its own fields before the drawing data.
    TContinued picture(300, BIFFRecordHFPicture, 214);
    EXPECT_EQ(picture.Fixture.ReadBytes(500), Concat({picture.First, Slice(picture.Second, 14, 200)}));

    TContinued pictureTooShort(300, BIFFRecordHFPicture, 13);
    EXPECT_EQ(MessageOf([&] { pictureTooShort.Fixture.ReadBytes(301); }),
              "HFPICTURE continuation of 13 bytes is shorter than its 14-byte header");

    // Empty continuations carry nothing; the end of the stream ends the read.
    TContinued ending(300, BIFFRecordContinue, 0, Record(BIFFRecordContinue, {}));
    EXPECT_EQ(ending.Fixture.ReadBytes(1000), ending.First);
}

TEST(TXLSStream, ContinueReadFailures) {
    TContinued other(300, 0x00EC, 200);
    EXPECT_EQ(other.Fixture.ReadBytes(300), other.First);
    EXPECT_EQ(MessageOf([&] { other.Fixture.ReadBytes(1); }), "CONTINUE record is missing");
    EXPECT_EQ(MessageOf([&] { other.Fixture.Stream.BeginContinueRead(); }), "CONTINUE read active");
    other.Fixture.Stream.EndContinueRead();
    EXPECT_FALSE(other.Fixture.Stream.ContinueReadActive());
    // Outside continue-read mode bytes are read as they lie: the header that stopped the read is behind.
    EXPECT_EQ(other.Fixture.ReadBytes(4), Slice(other.Second, 0, 4));
}

TEST(TXLSStream, UnicodeStringsAreCheckedAgainstTheirRecord) {
    TStreamFixture fixture;
    fixture.Load(Concat({Record(0x0004, {0, 'a', 'b', 'c', 1, 0x00, 0x4E}), Record(0x0004, {1, 'x', 0})}));
    TBIFFHeader header;
    fixture.Stream.ReadHeader(header);
    rtl::UnicodeString text;
    EXPECT_EQ(fixture.Stream.ReadUnicodeString(3, text), 4);
    EXPECT_EQ(text, u"abc");
    // Two UTF-16 characters would need 4 bytes; the record has 2 left, though the stream has more.
    EXPECT_EQ(MessageOf([&] { fixture.Stream.ReadUnicodeString(2, text); }),
              "String of 2 characters needs 4 bytes, but only 2 are left");
    // The failed read took the flag byte.
    fixture.Stream.Seek(-1, rtl::soCurrent);
    EXPECT_EQ(fixture.Stream.ReadUnicodeString(1, text), 3);
    EXPECT_EQ(text, u"\u4E00");
    EXPECT_EQ(MessageOf([&] { fixture.Stream.ReadUnicodeString(0, text); }),
              "String of 0 characters needs 1 bytes, but only 0 are left");

    // In continue-read mode a string goes on in the next piece, up to the end of the stream.
    TStreamFixture continued;
    continued.Load(Concat({Record(0x00EC, {1, 'A', 0, 'B'}), Record(BIFFRecordContinue, {0, 'C', 0})}));
    continued.Stream.ReadHeader(header);
    continued.Stream.BeginContinueRead();
    EXPECT_EQ(continued.Stream.ReadUnicodeString(3, text), 7);
    EXPECT_EQ(text, u"ABC");
    EXPECT_EQ(MessageOf([&] { continued.Stream.ReadUnicodeString(40000, text); }),
              "String of 40000 characters needs 1 bytes, but only 0 are left");
}

TEST(TXLSStream, WriteRecordSplitsIntoContinueRecords) {
    const struct {
        int32_t Size;
        std::vector<uint16_t> Pieces;
    } cases[] = {
        {20000, {8224, 8224, 3552}},
        {8224, {8224}},
        {8225, {8224, 1}},
        {0, {0}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Size);
        TStreamFixture fixture;
        fixture.Stream.CreateMemoryStream();
        const TBytes data = test::PatternBytes(static_cast<size_t>(test.Size));
        fixture.Stream.WriteRecord(0x00EB, data.data(), test.Size);
        TBytes expected;
        size_t done = 0;
        for (size_t i = 0; i < test.Pieces.size(); ++i) {
            expected = Concat({expected, Record(i == 0 ? 0x00EB : 0x003C, Slice(data, done, test.Pieces[i]))});
            done += test.Pieces[i];
        }
        EXPECT_EQ(fixture.Written(), expected);
    }
}

TEST(TXLSStream, WriteWithMaximumBodySizeKeepsEveryHeaderTrue) {
    TStreamFixture fixture;
    fixture.Stream.CreateMemoryStream();
    fixture.Stream.SetMaxBodySize(10);
    const TBytes data = test::PatternBytes(25);
    fixture.Stream.WriteHeader(0x00EC, 0);
    fixture.Stream.Write(data.data(), 7);
    fixture.Stream.WriteWord(static_cast<uint16_t>(data[7] | data[8] << 8));
    fixture.Stream.WriteByte(data[9]);
    fixture.Stream.Write(data.data() + 10, 15);
    EXPECT_EQ(fixture.Written(), Concat({Record(0x00EC, Slice(data, 0, 10)), Record(0x003C, Slice(data, 10, 10)),
                                         Record(0x003C, Slice(data, 20, 5))}));

    // Data that ends exactly at the maximum leaves no empty CONTINUE behind; a new header starts a new record.
    TStreamFixture exact;
    exact.Stream.CreateMemoryStream();
    exact.Stream.SetMaxBodySize(10);
    exact.Stream.WriteHeader(0x00EC, 0);
    exact.Stream.Write(data.data(), 10);
    exact.Stream.WriteHeader(0x005D, 0);
    exact.Stream.WriteDWord(0x04030201);
    EXPECT_EQ(exact.Written(), Concat({Record(0x00EC, Slice(data, 0, 10)), Record(0x005D, {1, 2, 3, 4})}));
}

TEST(TXLSStream, OfficeArtHeadersAndShortStrings) {
    TStreamFixture fixture;
    fixture.Stream.CreateMemoryStream();
    fixture.Stream.WriteEscherHeader(15, 2, 0xF000, 8);
    EXPECT_EQ(fixture.Written(), (TBytes{0x2F, 0x00, 0x00, 0xF0, 0x08, 0x00, 0x00, 0x00}));

    const struct {
        const char* Name;
        TBytes Flagged;
        TBytes Written;
    } cases[] = {
        {"empty", {}, {0}},
        {"8-bit", {0, 'a', 'b', 'c'}, {3, 0, 'a', 'b', 'c'}},
        {"UTF-16", {1, 0x00, 0x4E, 'x', 0}, {2, 1, 0x00, 0x4E, 'x', 0}},
        {"255 characters", Concat({{0}, test::PatternBytes(255)}), Concat({{255, 0}, test::PatternBytes(255)})},
    };
    for (const auto& test : cases) {
        TStreamFixture strings;
        strings.Stream.CreateMemoryStream();
        strings.Stream.WriteShortString(test.Flagged);
        EXPECT_EQ(strings.Written(), test.Written) << test.Name;
    }
    TStreamFixture tooLong;
    tooLong.Stream.CreateMemoryStream();
    const TBytes longText = Concat({{1}, test::PatternBytes(512)});
    EXPECT_EQ(MessageOf([&] { tooLong.Stream.WriteShortString(longText); }),
              "Short string of 256 characters is longer than 255");
    EXPECT_EQ(tooLong.Stream.Size(), 0);
}

// Every real-world .xls opens, or fails at once with a clear error; the records of those that open are walked.
TEST(TXLSStream, CorpusOpensOrFailsCleanly) {
    if (!test_support::HasCorpus()) {
        GTEST_SKIP() << "no corpus at " << Utf8(test_support::CorpusDir());
    }
    const struct {
        const char* Name;
        const char* Message;
    } refused[] = {
        {"too_small.xls", "The file is not an Excel workbook"},
        {"xls2csv_ole_read_MSAT_772.xls", "Damaged compound document: 8388609 FAT sectors declared"},
        {"xls2csv_ole_read_MSAT_body_637.xls", "Damaged compound document: 8388610 FAT sectors declared"},
        {"xls2csv_ole_read_MSAT_body_687.xls", "Damaged compound document: 8388609 FAT sectors declared"},
        {"xls2csv_ole_ole2_fread_327.xls", "Damaged compound document: 8389121 FAT sectors declared"},
        // Its directory chain runs out of the FAT.
        {"OOM_alloc3.xls", "Damaged compound document: sector 4294967039 is outside the file"},
    };
    const struct {
        const char* Name;
        TExcelVersion Version;
    } versions[] = {
        {"capitalized_wbook_stream.xls", xvExcel97},
        {"biff4_no_format_no_window2.xls", xvExcel40},
        {"gbk_biff7_gnumeric_zh.xls", xvExcel50},
        {"biff5_write.xls", xvExcel50},
        {"issue_385.xls", xvExcel97},
    };
    const std::vector<rtl::UnicodeString> files = test_support::CorpusFiles({u".xls"});
    EXPECT_GT(files.size(), 50U);
    for (const rtl::UnicodeString& file : files) {
        const std::string name = Utf8(rtl::ExtractFileName(file));
        SCOPED_TRACE(name);
        TStreamFixture fixture;
        TExtraObjects extras;
        fixture.Stream.SetExtraObjects(&extras);
        TExcelVersion version = xvNone;
        const std::string outcome = MessageOf([&] {
            version = fixture.Stream.OpenFile(file);
            TBIFFHeader header;
            while (fixture.Stream.ReadHeader(header) == 4) {
                fixture.Stream.Seek(header.Length, rtl::soCurrent);
            }
        });
        const char* expected = "no exception";
        for (const auto& known : refused) {
            expected = name == known.Name ? known.Message : expected;
        }
        EXPECT_EQ(outcome.substr(0, std::string(expected).size()), expected) << outcome;
        for (const auto& known : versions) {
            if (name == known.Name) {
                EXPECT_EQ(version, known.Version);
            }
        }
    }
}

TEST(TXLSStream, CorpusEncryptedPackageIsUnknownEncryption) {
    const rtl::UnicodeString file = test_support::CorpusDir() + u"/msoffcrypto/tests/inputs/example_password.xlsx";
    if (!rtl::FileExists(file)) {
        GTEST_SKIP() << "no " << Utf8(file);
    }
    TStreamFixture fixture;
    EXPECT_EQ(MessageOf([&] { fixture.Stream.OpenFile(file); }),
              "E1002: Unknown type of encryption (the file is a password-protected .xlsx workbook, whose "
              "encrypted package cannot be opened)");
}

} // namespace
} // namespace xls
