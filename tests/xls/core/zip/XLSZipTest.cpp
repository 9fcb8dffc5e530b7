#include "xls/core/zip/XLSZip.h"

#include "ZipTestSupport.h"
#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "rtl/time/DateTime.h"
#include "tests/support/TestSupport.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/zip/DeflateStreams.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace xls {
namespace {

using test::BuildArchive;
using test::Crc32;
using test::FixtureBytes;
using test::NoiseBytes;
using test::ReadAll;
using test::StreamOf;
using test::TTestEntry;
using test::WriteAll;
using test_support::MessageOf;

// The members that tests/data/zip/make_fixtures.py writes.
struct TMember {
    const char16_t* name;
    std::string data;
};

std::string SheetXml() {
    std::string xml;
    for (int i = 1; i <= 200; ++i) {
        xml += "<row r=\"" + std::to_string(i) + "\"><c><v>" + std::to_string(i * i) + "</v></c></row>";
    }
    return xml;
}

std::vector<TMember> PythonMembers() {
    return {
        {u"[Content_Types].xml", R"(<?xml version="1.0" encoding="UTF-8"?><Types/>)"},
        {u"xl/workbook.xml", R"(<workbook><sheets><sheet name="Sales"/></sheets></workbook>)"},
        {u"xl/worksheets/sheet1.xml", SheetXml()},
        {u"xl/media/", ""},
        {u"docProps/stored.txt", "stored bytes, kept as they are\n"},
    };
}

std::string EntryData(TXLSZipArchive& archive, rtl::UnicodeStringView name) {
    const int32_t index = archive.Find(name);
    if (index < 0) {
        return "(missing)";
    }
    TXLSOwnerStream stream(archive.GetFile(index), rtl::UnicodeString(name));
    return ReadAll(stream);
}

std::vector<rtl::UnicodeString> EntryNames(const TXLSZipArchive& archive) {
    std::vector<rtl::UnicodeString> names;
    for (int32_t i = 0; i < archive.Count(); ++i) {
        names.push_back(archive.GetFile(i).Name());
    }
    return names;
}

std::vector<rtl::UnicodeString> NamesOf(const std::vector<TMember>& members) {
    std::vector<rtl::UnicodeString> names;
    for (const TMember& member : members) {
        names.emplace_back(member.name);
    }
    return names;
}

// The offset of the central directory, from the end-of-central-directory record of an archive without a comment.
size_t CentralDirOffsetOf(const std::string& archive) {
    return ReadUInt32LE(reinterpret_cast<const uint8_t*>(archive.data()) + archive.size() - 6);
}

TEST(XLSZipArchive, ReadsArchivesWrittenByPython) {
    const struct {
        const char* fixture;
        int64_t recordFromEnd;
        bool descriptors;
    } cases[] = {
        {"python-comment.zip", 22 + 100, false},
        {"python-streamed.zip", 22, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture);
        auto stream = StreamOf(FixtureBytes(c.fixture));
        TXLSZipArchive archive;
        archive.OpenRead(*stream);
        EXPECT_EQ(archive.Mode(), TXLSZipArchive::zmReading);
        EXPECT_EQ(archive.EndOfCentralDirPosition(), stream->Size() - c.recordFromEnd);
        const std::vector<TMember> members = PythonMembers();
        EXPECT_EQ(EntryNames(archive), NamesOf(members));
        for (const TMember& member : members) {
            SCOPED_TRACE(rtl::UnicodeToUtf8(member.name));
            EXPECT_EQ(EntryData(archive, member.name), member.data);
            const TXLSZipFile& entry = archive.GetFile(archive.Find(member.name));
            EXPECT_EQ((entry.Local().Header.Flags & ZipFlagDataDescriptor) != 0, c.descriptors);
            EXPECT_EQ(entry.UncompressedSize(), member.data.size());
            EXPECT_EQ(entry.Local().Header.Crc32, Crc32(member.data));
            EXPECT_EQ(entry.Directory(), rtl::UnicodeStringView(member.name).ends_with(u'/'));
        }
    }
}

TEST(XLSZipArchive, RecoversEntriesWhenTheCentralDirectoryIsMissing) {
    const std::string commented = FixtureBytes("python-comment.zip");
    const std::string streamed = FixtureBytes("python-streamed.zip");
    const std::vector<TMember> all = PythonMembers();
    TTestEntry noSignature{.Name = "a.xml", .Data = SheetXml(), .Flags = ZipFlagDataDescriptor};
    noSignature.DescriptorSignature = false;
    const std::string twoEntries =
        BuildArchive({{.Name = "a.txt", .Data = "alpha"}, {.Name = "b.txt", .Data = NoiseBytes(5000)}}).Bytes;
    const std::string innerRecord = "PK\x05\x06" + std::string(18, '\xff');
    const size_t secondOffset = BuildArchive({{.Name = "a.txt", .Data = "alpha"}}).CentralDirOffset;
    const struct {
        const char* name;
        std::string bytes;
        std::vector<TMember> expected;
    } cases[] = {
        {"python archive cut before its directory",
         commented.substr(0, CentralDirOffsetOf(commented.substr(0, commented.size() - 100))), all},
        // A stored member with a data descriptor has no size and no end mark: the scan stops there.
        {"python archive with data descriptors",
         streamed.substr(0, CentralDirOffsetOf(streamed)),
         {all[0], all[1], all[2]}},
        {"descriptor without its signature",
         BuildArchive({noSignature}, {.CentralDirectory = false}).Bytes,
         {{u"a.xml", SheetXml()}}},
        {"last entry's data cut short", twoEntries.substr(0, secondOffset + 100), {{u"a.txt", "alpha"}}},
        // The signature of an end-of-central-directory record inside the data is not taken for one.
        {"stored data holding a record signature",
         BuildArchive({{.Name = "inner.zip", .Data = innerRecord, .Method = 0}}, {.CentralDirectory = false}).Bytes,
         {{u"inner.zip", innerRecord}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto stream = StreamOf(c.bytes);
        TXLSZipArchive archive;
        archive.OpenRead(*stream);
        EXPECT_EQ(EntryNames(archive), NamesOf(c.expected));
        for (const TMember& member : c.expected) {
            EXPECT_EQ(EntryData(archive, rtl::UpperCase(rtl::UnicodeStringView(member.name))), member.data);
        }
        EXPECT_EQ(archive.EndOfCentralDir().TotalEntries, c.expected.size());
        EXPECT_EQ(archive.EndOfCentralDir().EntriesOnDisk, c.expected.size());
    }
}

TEST(XLSZipArchive, RecoveryStopsAtTheEntriesAnArchiveCanHold) {
    const std::vector<TTestEntry> entries(ZipMaxEntries + 1, TTestEntry{.Name = "a", .Data = "", .Method = 0});
    auto stream = StreamOf(BuildArchive(entries, {.CentralDirectory = false}).Bytes);
    TXLSZipArchive archive;
    archive.OpenRead(*stream);
    EXPECT_EQ(archive.Count(), ZipMaxEntries);
    EXPECT_EQ(archive.EndOfCentralDir().TotalEntries, ZipMaxEntries);
}

TEST(XLSZipArchive, OpensAStreamWithoutArchiveAsEmpty) {
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"ten bytes of text", "plain text"},
        {"a local header cut short", std::string("PK\x03\x04\x14\x00\x00\x00", 8)},
        {"text longer than the search", std::string(70000, 'x')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto stream = StreamOf(c.bytes);
        TXLSZipArchive archive;
        archive.OpenRead(*stream);
        EXPECT_EQ(archive.Count(), 0);
        EXPECT_EQ(archive.Find(u"a.txt"), -1);
    }
}

TEST(XLSZipArchive, RefusesABrokenDirectory) {
    const std::vector<TTestEntry> entries = {{.Name = "a.txt", .Data = "alpha"}, {.Name = "b.txt", .Data = "beta"}};
    const test::TTestArchive good = BuildArchive(entries);
    std::string badCentralSignature = good.Bytes;
    badCentralSignature[good.CentralDirOffset + 3] = 9;
    std::string badLocalOffset = good.Bytes;
    badLocalOffset[good.CentralDirOffset + 46 + 5 + 45] = 0x10; // b.txt's local header offset, high byte
    std::string badLocalSignature = good.Bytes;
    badLocalSignature[good.LocalHeaderOffsets[1] + 2] = 1;
    const struct {
        const char* name;
        std::string bytes;
        const char* error;
    } cases[] = {
        {"more entries counted than written", BuildArchive(entries, {.EntryCount = 3}).Bytes,
         "File is not a valid ZIP file"},
        {"a directory header without its signature", badCentralSignature, "File is not a valid ZIP file"},
        {"a local header offset past the end", badLocalOffset, "Unknown zip file"},
        {"a local header without its signature", badLocalSignature, "Unknown zip file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto stream = StreamOf(c.bytes);
        TXLSZipArchive archive;
        EXPECT_EQ(MessageOf([&] { archive.OpenRead(*stream); }), c.error);
    }
}

// Each entry may declare up to 4 GB; a small archive of many such entries must not make a reader take in more.
TEST(XLSZipArchive, RefusesEntriesThatTogetherHoldTooMuch) {
    const auto archiveDeclaring = [](uint32_t first, uint32_t second) {
        return BuildArchive({{.Name = "a.xml", .Data = "a", .UncompressedSize = first},
                             {.Name = "b.xml", .Data = "b", .UncompressedSize = second}})
            .Bytes;
    };
    const struct {
        const char* name;
        uint32_t first;
        uint32_t second;
        const char* error;
    } cases[] = {
        {"4 GB in all", 0x80000000u, 0x80000000u, "no exception"},
        {"one byte more", 0x80000000u, 0x80000001u, "ZIP file too large: its files hold more than 4096 MB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto stream = StreamOf(archiveDeclaring(c.first, c.second));
        TXLSZipArchive archive;
        EXPECT_EQ(MessageOf([&] { archive.OpenRead(*stream); }), c.error);
    }
}

TEST(XLSZipArchive, FindIgnoresAsciiCaseAndTheFirstMatchWins) {
    auto stream = StreamOf(BuildArchive({{.Name = "xl/workbook.xml", .Data = "first"},
                                         {.Name = "XL/Workbook.xml", .Data = "second"},
                                         {.Name = "docProps/app.xml", .Data = "app"}})
                               .Bytes);
    TXLSZipArchive archive;
    archive.OpenRead(*stream);
    const struct {
        const char16_t* name;
        int32_t expected;
    } cases[] = {
        {u"xl/Workbook.xml", 0}, {u"XL/WORKBOOK.XML", 0},   {u"DOCPROPS/App.xml", 2},
        {u"xl/workbook", -1},    {u"/xl/workbook.xml", -1}, {u"", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(rtl::UnicodeToUtf8(c.name));
        EXPECT_EQ(archive.Find(c.name), c.expected);
    }
}

TEST(XLSZipArchive, DescribesEachEntry) {
    auto stream = StreamOf(BuildArchive({{.Name = "normal.bin", .Data = "x"},
                                         {.Name = "maximum.bin", .Data = "x", .Flags = 2},
                                         {.Name = "fast.bin", .Data = "x", .Flags = 4},
                                         {.Name = "superfast.bin", .Data = "x", .Flags = 6},
                                         {.Name = "stored/", .Data = "", .Method = 0, .ExternalAttributes = 0x10},
                                         {.Name = "locked.bin", .Data = "x", .Method = 0, .Flags = 1}})
                               .Bytes);
    TXLSZipArchive archive;
    archive.OpenRead(*stream);
    const struct {
        TXLSZipCompressionKind kind;
        bool directory;
        bool encrypted;
    } expected[] = {
        {ckNormal, false, false},    {ckMaximum, false, false}, {ckFast, false, false},
        {ckSuperFast, false, false}, {ckOther, true, false},    {ckOther, false, true},
    };
    ASSERT_EQ(archive.Count(), static_cast<int32_t>(std::size(expected)));
    for (int32_t i = 0; i < archive.Count(); ++i) {
        const TXLSZipFile& entry = archive.GetFile(i);
        SCOPED_TRACE(rtl::UnicodeToUtf8(entry.Name()));
        EXPECT_EQ(entry.CompressionKind(), expected[i].kind);
        EXPECT_EQ(entry.Directory(), expected[i].directory);
        EXPECT_EQ(entry.Encrypted(), expected[i].encrypted);
        EXPECT_EQ(entry.DateTime(), rtl::EncodeDateTime({2024, 3, 5}, {9, 20, 30, 0}));
    }
    EXPECT_THROW(archive.GetFile(archive.Count()), rtl::EListError);
    EXPECT_THROW(archive.GetFile(-1), rtl::EListError);
}

TEST(XLSZipOwnerStream, ReturnsExactlyTheEntryBytes) {
    const std::string big = NoiseBytes(200000) + std::string(100000, 'z');
    const struct {
        const char* name;
        TTestEntry entry;
        int32_t pieceSize;
    } cases[] = {
        {"stored, asked for more", {.Name = "s.txt", .Data = "exactly these bytes", .Method = 0}, 4096},
        {"stored, empty", {.Name = "e.txt", .Data = "", .Method = 0}, 10},
        {"deflated over several input blocks, odd pieces", {.Name = "d.bin", .Data = big}, 999},
        {"deflated, one large read", {.Name = "d.bin", .Data = big}, 1 << 20},
        // The deflate data ends well before the declared compressed size: reading stops at its end.
        {"deflated, compressed size too large", {.Name = "d.txt", .Data = "short", .CompressedSize = 40}, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A second member follows so that a reader running past its entry would read foreign bytes.
        auto stream = StreamOf(BuildArchive({c.entry, {.Name = "next.bin", .Data = NoiseBytes(100, 7)}}).Bytes);
        TXLSZipArchive archive;
        archive.OpenRead(*stream);
        TXLSOwnerStream entryStream(archive.GetFile(0), u"opened name");
        EXPECT_EQ(entryStream.Size(), static_cast<int64_t>(c.entry.Data.size()));
        EXPECT_EQ(ReadAll(entryStream, c.pieceSize), c.entry.Data);
        char byte = 0;
        EXPECT_EQ(entryStream.Read(&byte, 1), 0);
        EXPECT_EQ(entryStream.Name(), u"opened name");
    }
}

TEST(XLSZipOwnerStream, ReportsDamagedEntriesInsteadOfReturningThem) {
    const std::string text = SheetXml();
    const std::string textSize = std::to_string(text.size());
    const struct {
        const char* name;
        TTestEntry entry;
        std::string error; // empty: any error
    } cases[] = {
        {"stored byte flipped",
         {.Name = "s.txt", .Data = text, .Method = 0, .FlipByte = 10},
         "CRC error in file s.txt in ZIP: stored " + rtl::UnicodeToUtf8(rtl::Format(u"%.8X", {Crc32(text)}))},
        {"deflated byte flipped", {.Name = "d.xml", .Data = text, .FlipByte = 100}, ""},
        {"deflated CRC wrong",
         {.Name = "d.xml", .Data = text, .Crc = 0x12345678},
         "CRC error in file d.xml in ZIP: stored 12345678"},
        {"declared smaller than the data",
         {.Name = "d.xml", .Data = text, .UncompressedSize = 1000},
         "File d.xml in ZIP holds more than its declared 1000 bytes"},
        {"declared larger than the data",
         {.Name = "d.xml", .Data = text, .UncompressedSize = 9000},
         "File d.xml in ZIP ends after " + textSize + " of its 9000 bytes"},
        {"stored sizes that differ",
         {.Name = "s.txt", .Data = text, .Method = 0, .UncompressedSize = 10},
         "File s.txt in ZIP declares impossible sizes: " + textSize + " bytes compressed, 10 bytes uncompressed"},
        {"deflated beyond what deflate can expand to",
         {.Name = "d.xml", .Data = text, .CompressedSize = 10, .UncompressedSize = 4000000000u},
         "File d.xml in ZIP declares impossible sizes: 10 bytes compressed, 4000000000 bytes uncompressed"},
        {"data past the end of the archive",
         {.Name = "d.xml", .Data = text, .CompressedSize = 3000000},
         "File d.xml in ZIP declares impossible sizes: 3000000 bytes compressed, " + textSize + " bytes uncompressed"},
        {"stored, empty, CRC wrong",
         {.Name = "e.txt", .Data = "", .Method = 0, .Crc = 1},
         "CRC error in file e.txt in ZIP: stored 00000001, computed 00000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto stream = StreamOf(BuildArchive({c.entry}).Bytes);
        TXLSZipArchive archive;
        archive.OpenRead(*stream);
        std::string data;
        const std::string message = MessageOf([&] {
            TXLSOwnerStream entryStream(archive.GetFile(0), archive.GetFile(0).Name());
            data = ReadAll(entryStream, 1000);
        });
        EXPECT_NE(message, "(none)");
        EXPECT_EQ(message.substr(0, c.error.size()), c.error);
        // The copy into memory fails the same way.
        rtl::TMemoryStream copy;
        EXPECT_THROW(archive.GetFile(0).CopyToStream(copy), rtl::Exception);
    }
}

// Deflate expands at most 1032 times: an entry may declare up to that many inflated bytes per compressed byte.
TEST(XLSZipOwnerStream, DeclaredSizesAreTakenUpToDeflatesRatio) {
    constexpr uint32_t compressed = 10;
    for (const uint64_t declared : {compressed * MaxDeflateRatio, compressed * MaxDeflateRatio + 1}) {
        SCOPED_TRACE(declared);
        const TTestEntry entry{.Name = "d.xml",
                               .Data = SheetXml(),
                               .CompressedSize = compressed,
                               .UncompressedSize = static_cast<uint32_t>(declared)};
        auto stream = StreamOf(BuildArchive({entry}).Bytes);
        TXLSZipArchive archive;
        archive.OpenRead(*stream);
        const std::string message =
            MessageOf([&] { TXLSOwnerStream entryStream(archive.GetFile(0), archive.GetFile(0).Name()); });
        EXPECT_EQ(message.find("declares impossible sizes") != std::string::npos,
                  declared > compressed * MaxDeflateRatio)
            << message;
    }
}

TEST(XLSZipOwnerStream, AnEntryOfAnotherMethodIsListedButNotRead) {
    auto stream = StreamOf(FixtureBytes("python-bzip2.zip"));
    TXLSZipArchive archive;
    archive.OpenRead(*stream);
    ASSERT_EQ(archive.Find(u"bzip2.txt"), 0);
    EXPECT_EQ(archive.GetFile(0).Central().Header.Method, 12);
    TXLSOwnerStream entryStream(archive.GetFile(0), u"bzip2.txt");
    char buffer[8];
    EXPECT_EQ(MessageOf([&] { entryStream.Read(buffer, sizeof(buffer)); }), "ZIP file is not open");
}

TEST(XLSZipOwnerStream, EntriesCanBeReadInterleaved) {
    const std::vector<TTestEntry> entries = {
        {.Name = "a.bin", .Data = NoiseBytes(150000, 1)},
        {.Name = "b.bin", .Data = NoiseBytes(90000, 2), .Method = 0},
        {.Name = "c.bin", .Data = NoiseBytes(120000, 3)},
    };
    auto stream = StreamOf(BuildArchive(entries).Bytes);
    TXLSZipArchive archive;
    archive.OpenRead(*stream);
    std::vector<std::unique_ptr<TXLSOwnerStream>> readers;
    std::vector<std::string> read(entries.size());
    for (int32_t i = 0; i < archive.Count(); ++i) {
        readers.push_back(std::make_unique<TXLSOwnerStream>(archive.GetFile(i), archive.GetFile(i).Name()));
    }
    for (bool progress = true; progress;) {
        progress = false;
        for (size_t i = 0; i < readers.size(); ++i) {
            char piece[7777];
            const int32_t count = readers[i]->Read(piece, sizeof(piece));
            read[i].append(piece, static_cast<size_t>(count));
            progress |= count > 0;
        }
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(read[i], entries[i].Data) << entries[i].Name;
    }
}

TEST(XLSZipOwnerStream, SeeksByReadingOnOrStartingOver) {
    const std::string data = NoiseBytes(100000);
    for (const uint16_t method : {uint16_t{0}, uint16_t{8}}) {
        SCOPED_TRACE(method);
        auto stream = StreamOf(BuildArchive({{.Name = "a.bin", .Data = data, .Method = method}}).Bytes);
        TXLSZipArchive archive;
        archive.OpenRead(*stream);
        TXLSOwnerStream entryStream(archive.GetFile(0), u"a.bin");
        char buffer[16];
        const auto readAt = [&](int64_t offset, rtl::TSeekOrigin origin) {
            const int64_t position = entryStream.Seek(offset, origin);
            entryStream.ReadBuffer(buffer, sizeof(buffer));
            EXPECT_EQ(std::string(buffer, sizeof(buffer)), data.substr(static_cast<size_t>(position), sizeof(buffer)));
            return position;
        };
        EXPECT_EQ(readAt(70000, rtl::soBeginning), 70000);
        EXPECT_EQ(readAt(-50000, rtl::soCurrent), 20016);
        EXPECT_EQ(readAt(-100, rtl::soEnd), 99900);
        EXPECT_EQ(entryStream.Seek(10, rtl::soEnd), 100000);
        EXPECT_EQ(entryStream.Read(buffer, sizeof(buffer)), 0);
        EXPECT_EQ(MessageOf([&] { entryStream.Write(buffer, 1); }), "Not implemented, write");
    }
}

TEST(XLSZipFile, CopyToStreamAppendsTheWholeEntry) {
    const std::string data = NoiseBytes(70000);
    auto stream = StreamOf(BuildArchive({{.Name = "a.bin", .Data = data}}).Bytes);
    TXLSZipArchive archive;
    archive.OpenRead(*stream);
    auto copy = StreamOf("head");
    copy->Seek(0, rtl::soEnd);
    archive.GetFile(0).CopyToStream(*copy);
    EXPECT_EQ(test::ContentOf(*copy), "head" + data);
}

// Writing

std::string WrittenArchive(const std::function<void(TXLSZipArchive&)>& write) {
    rtl::TMemoryStream output;
    TXLSZipArchive archive;
    archive.OpenWrite(output);
    write(archive);
    archive.Close();
    return test::ContentOf(output);
}

TEST(XLSZipArchive, WrittenArchivesReadBack) {
    const std::string small = "<a/>";
    const std::string big = NoiseBytes(100000) + std::string(200000, 'q');
    const std::string bytes = WrittenArchive([&](TXLSZipArchive& archive) {
        auto source = StreamOf(small);
        archive.AddFile(u"dir\\sub\\a.xml", *source);
        TCompressionStream& compression = archive.BeginFile(u"xl/big.bin");
        for (size_t done = 0, piece = 1; done < big.size(); done += piece, piece = piece * 3 % 20011 + 1) {
            WriteAll(compression, std::string_view(big).substr(done, piece));
        }
        archive.EndFile(compression);
        auto empty = StreamOf("");
        archive.AddFile(u"empty.txt", *empty);
        auto chinese = StreamOf("数据");
        archive.AddFile(u"数据/表.xml", *chinese);
    });

    auto stream = StreamOf(bytes);
    TXLSZipArchive archive;
    archive.OpenRead(*stream);
    EXPECT_EQ(EntryNames(archive),
              (std::vector<rtl::UnicodeString>{u"dir/sub/a.xml", u"xl/big.bin", u"empty.txt", u"数据/表.xml"}));
    EXPECT_EQ(EntryData(archive, u"dir/sub/a.xml"), small);
    EXPECT_EQ(EntryData(archive, u"xl/big.bin"), big);
    EXPECT_EQ(EntryData(archive, u"数据/表.xml"), "数据");
    EXPECT_EQ(archive.EndOfCentralDirPosition(), static_cast<int64_t>(bytes.size()) - EndOfCentralDirSize);
    EXPECT_EQ(archive.EndOfCentralDir().TotalEntries, 4);

    const TXLSZipFile& empty = archive.GetFile(2);
    EXPECT_EQ(empty.Local().Header.Method, ZipMethodStored);
    EXPECT_EQ(empty.Local().Header.CompressedSize, 0u);
    EXPECT_EQ(empty.Local().Header.UncompressedSize, 0u);
    EXPECT_EQ(empty.Local().DataPosition, empty.Central().Header.LocalHeaderOffset + LocalFileSize + 9);
    EXPECT_EQ(archive.GetFile(3).Local().FileName, "数据/表.xml");
    EXPECT_EQ(archive.GetFile(3).Central().Header.Flags, ZipFlagUtf8Name);
    for (int32_t i = 0; i < archive.Count(); ++i) {
        const TXLSZipFile& entry = archive.GetFile(i);
        SCOPED_TRACE(rtl::UnicodeToUtf8(entry.Name()));
        EXPECT_EQ(entry.Local().Header.CompressedSize, entry.Central().Header.CompressedSize);
        EXPECT_EQ(entry.Local().Header.Crc32, entry.Central().Header.Crc32);
        EXPECT_EQ(entry.Central().Header.ExternalAttributes, ZipAttributeArchive);
        EXPECT_NEAR(entry.DateTime(), rtl::Now(), 1.0 / 24);
    }
}

TEST(XLSZipArchive, NamesEntriesWithForwardSlashesAndNoPrefix) {
    const struct {
        const char16_t* path;
        bool keepPaths;
        const char16_t* expected;
    } cases[] = {
        {u"dir\\sub\\a.xml", true, u"dir/sub/a.xml"},
        {u"C:\\dir\\a.xml", true, u"dir/a.xml"},
        {u"\\\\server\\share\\dir\\a.xml", true, u"dir/a.xml"},
        {u"/xl/a.xml", true, u"xl/a.xml"},
        {u"dir/sub/a.xml", false, u"a.xml"},
        {u"C:\\dir\\a.xml", false, u"a.xml"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(rtl::UnicodeToUtf8(c.path));
        auto stream = StreamOf(WrittenArchive([&](TXLSZipArchive& archive) {
            archive.SetKeepPaths(c.keepPaths);
            auto source = StreamOf("x");
            archive.AddFile(c.path, *source);
        }));
        TXLSZipArchive archive;
        archive.OpenRead(*stream);
        EXPECT_EQ(EntryNames(archive), std::vector<rtl::UnicodeString>{c.expected});
    }
}

TEST(XLSZipArchive, RefusesWritesThatWouldBreakTheArchive) {
    const struct {
        const char* name;
        std::function<void(TXLSZipArchive&)> write;
        const char* error;
    } cases[] = {
        {"the same path twice",
         [](TXLSZipArchive& archive) {
             auto source = StreamOf("x");
             archive.AddFile(u"dir\\sub\\a.xml", *source);
             archive.AddFile(u"dir/sub/a.xml", *source);
         },
         "Duplicate file \"dir/sub/a.xml\" in Zip"},
        {"the same path in other case",
         [](TXLSZipArchive& archive) {
             archive.EndFile(archive.BeginFile(u"xl/a.xml"));
             archive.BeginFile(u"XL/A.xml");
         },
         "Duplicate file \"XL/A.xml\" in Zip"},
        {"a second entry while one is open",
         [](TXLSZipArchive& archive) {
             archive.BeginFile(u"a.xml");
             archive.BeginFile(u"b.xml");
         },
         "There is an active zip"},
        {"adding while an entry is open",
         [](TXLSZipArchive& archive) {
             archive.BeginFile(u"a.xml");
             auto source = StreamOf("x");
             archive.AddFile(u"b.xml", *source);
         },
         "There is an active zip"},
        {"ending with another kind of stream",
         [](TXLSZipArchive& archive) {
             archive.BeginFile(u"a.xml");
             rtl::TMemoryStream other;
             archive.EndFile(other);
         },
         "Stream is not TCompressionStream"},
        {"ending with a stream that is not the entry's",
         [](TXLSZipArchive& archive) {
             archive.BeginFile(u"a.xml");
             rtl::TMemoryStream other;
             TCompressionStream foreign(clFastest, other, true);
             archive.EndFile(foreign);
         },
         "Stream is not the active zip file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        rtl::TMemoryStream output;
        TXLSZipArchive archive;
        archive.OpenWrite(output);
        EXPECT_EQ(MessageOf([&] { c.write(archive); }), c.error);
    }
    TXLSZipArchive closed;
    EXPECT_EQ(MessageOf([&] { closed.BeginFile(u"a.xml"); }), "ZIP file is not open");
}

TEST(XLSZipArchive, CloseFinishesAnOpenEntry) {
    const std::string data = NoiseBytes(5000);
    auto stream = StreamOf(WrittenArchive([&](TXLSZipArchive& archive) { WriteAll(archive.BeginFile(u"a"), data); }));
    TXLSZipArchive archive;
    archive.OpenRead(*stream);
    EXPECT_EQ(EntryData(archive, u"a"), data);
}

TEST(XLSZipArchive, WritesNoMoreEntriesThanTheDirectoryCanCount) {
    rtl::TMemoryStream output;
    TXLSZipArchive archive;
    archive.OpenWrite(output);
    rtl::TMemoryStream empty;
    for (int32_t i = 0; i < ZipMaxEntries; ++i) {
        archive.AddFile(rtl::U16(std::to_string(i)), empty);
    }
    EXPECT_EQ(MessageOf([&] { archive.AddFile(u"one too many", empty); }),
              "ZIP format limit exceeded: at most 65535 files, 4 GB, and names of 65535 bytes");
    archive.Close();
    TXLSZipArchive reread;
    reread.OpenRead(output);
    EXPECT_EQ(reread.Count(), ZipMaxEntries);
}

} // namespace
} // namespace xls
