#include "xls/biff/stream/BIFF_CompoundFile.h"

#include "rtl/text/CodePages.h"
#include "tests/support/TestSupport.h"
#include "tests/xls/biff/BIFFTestSupport.h"
#include "tests/xls/biff/CompoundFileWriter.h"
#include "xls/biff/stream/BIFF_Bytes.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace xls {
namespace {

using test::CompoundEndOfChain;
using test::TBytes;
using test::TCompoundElement;
using test::TCompoundLayout;
using test_support::MessageOf;
using test_support::Utf8;

// Opens the document in bytes and hands it to check.
void WithDocument(const TBytes& bytes, const std::function<void(TCompoundFile&)>& check) {
    auto stream = test::MemoryOf(bytes);
    TCompoundFile document(*stream);
    check(document);
}

std::string OpenFailure(const TBytes& bytes) {
    return MessageOf([&] { WithDocument(bytes, [](TCompoundFile&) {}); });
}

// The failure of reading one stream of a document that opens.
std::string ReadFailure(const TBytes& bytes, int32_t stream) {
    return MessageOf([&] { WithDocument(bytes, [&](TCompoundFile& document) { document.ReadStream(stream); }); });
}

TEST(TCompoundFile, StreamsOfEverySizeReadBackWithBothSectorSizes) {
    // Around the mini sector (64), the mini stream cutoff (4096, which is a regular stream) and both sector sizes.
    const size_t sizes[] = {0, 1, 63, 64, 65, 100, 511, 513, 4095, 4096, 4097, 20000};
    for (const uint32_t sectorSize : {512U, 4096U}) {
        SCOPED_TRACE(sectorSize);
        std::vector<TCompoundElement> elements;
        for (size_t i = 0; i < std::size(sizes); ++i) {
            elements.push_back({u"Stream" + std::u16string(1, u'A' + static_cast<char16_t>(i)), false, -1,
                                test::PatternBytes(sizes[i], static_cast<uint8_t>(i))});
        }
        WithDocument(test::WriteCompoundFile(elements, sectorSize), [&](TCompoundFile& document) {
            EXPECT_EQ(document.Children(TCompoundFile::RootEntry).size(), std::size(sizes));
            for (const TCompoundElement& element : elements) {
                const int32_t entry = document.FindChild(TCompoundFile::RootEntry, element.Name);
                ASSERT_GE(entry, 0) << Utf8(element.Name);
                EXPECT_EQ(document.Entry(entry).Type, cetStream);
                EXPECT_EQ(document.Entry(entry).Size, element.Data.size());
                EXPECT_EQ(document.ReadStream(entry), element.Data) << Utf8(element.Name);
            }
        });
    }
}

TEST(TCompoundFile, StoragesHoldTheirOwnChildrenAndNamesMatchWithoutCase) {
    const std::vector<TCompoundElement> elements = {
        {u"_VBA_PROJECT_CUR", true, -1, {}},           {u"VBA", true, 0, {}},
        {u"dir", false, 1, test::PatternBytes(300)},   {u"PROJECT", false, 0, test::PatternBytes(5000)},
        {u"BOOK", false, -1, test::PatternBytes(100)},
    };
    WithDocument(test::WriteCompoundFile(elements), [&](TCompoundFile& document) {
        EXPECT_EQ(document.Children(TCompoundFile::RootEntry).size(), 2U);
        const int32_t project = document.FindChild(TCompoundFile::RootEntry, u"_vba_project_cur");
        ASSERT_GE(project, 0);
        EXPECT_EQ(document.Entry(project).Type, cetStorage);
        EXPECT_EQ(document.Children(project).size(), 2U);
        const int32_t vba = document.FindChild(project, u"VBA");
        ASSERT_GE(vba, 0);
        EXPECT_EQ(document.ReadStream(document.FindChild(vba, u"DIR")), elements[2].Data);
        EXPECT_EQ(document.FindChild(TCompoundFile::RootEntry, u"dir"), -1);
        EXPECT_EQ(document.Entry(document.FindChild(TCompoundFile::RootEntry, u"Book")).Name, u"BOOK");
    });
}

TEST(TCompoundFile, DeeplyNestedStoragesAreWalkedWithoutRecursion) {
    constexpr int32_t Depth = 20000;
    std::vector<TCompoundElement> elements;
    for (int32_t i = 0; i < Depth; ++i) {
        elements.push_back({u"S", true, i - 1, {}});
    }
    elements.push_back({u"Leaf", false, Depth - 1, test::PatternBytes(10)});
    WithDocument(test::WriteCompoundFile(elements), [&](TCompoundFile& document) {
        int32_t storage = TCompoundFile::RootEntry;
        for (int32_t i = 0; i < Depth; ++i) {
            storage = document.FindChild(storage, u"S");
            ASSERT_GE(storage, 0);
        }
        EXPECT_EQ(document.ReadStream(document.FindChild(storage, u"Leaf")), elements.back().Data);
    });
}

TEST(TCompoundFile, FATBeyondTheHeaderIsFoundThroughDIFATSectors) {
    // 110 FAT sectors of 128 entries: more than the header's 109 DIFAT entries can name.
    const std::vector<TCompoundElement> elements = {{u"Workbook", false, -1, test::PatternBytes(7200000)}};
    TCompoundLayout layout;
    const TBytes bytes = test::WriteCompoundFile(elements, 512, &layout);
    ASSERT_GT(layout.FATSectors.size(), 109U);
    ASSERT_FALSE(layout.DIFATSectors.empty());
    WithDocument(bytes, [&](TCompoundFile& document) {
        EXPECT_EQ(document.ReadStream(document.FindChild(TCompoundFile::RootEntry, u"Workbook")), elements[0].Data);
    });
}

TEST(TCompoundFile, UpperHalfOfStreamSizesIsIgnoredWith512ByteSectors) {
    const std::vector<TCompoundElement> elements = {{u"Workbook", false, -1, test::PatternBytes(5000)}};
    TCompoundLayout layout;
    TBytes bytes = test::WriteCompoundFile(elements, 512, &layout);
    test::SetDirectoryField(bytes, layout, 1, test::DirectoryStreamSize + 4, 0xDEADBEEF);
    WithDocument(bytes, [&](TCompoundFile& document) { EXPECT_EQ(document.ReadStream(1), elements[0].Data); });

    bytes = test::WriteCompoundFile(elements, 4096, &layout);
    test::SetDirectoryField(bytes, layout, 1, test::DirectoryStreamSize + 4, 1);
    EXPECT_EQ(ReadFailure(bytes, 1),
              "Damaged compound document: stream \"Workbook\" declares more than 2147483647 bytes");
}

// A document with one storage holding a mini stream and two regular streams of ten sectors each, then damaged: the
// whole document, or only the stream DamagedEntry, which fails when it is read while the others read back.
struct THostileCase {
    const char* Name;
    std::function<void(TBytes& bytes, const TCompoundLayout& layout)> Damage;
    std::string Message;
    int32_t DamagedEntry = -1;
};

TEST(TCompoundFile, HostileContainersFailPromptlyAndDamagedStreamsWhenRead) {
    const std::vector<TCompoundElement> elements = {
        {u"Storage", true, -1, {}},
        {u"Small", false, 0, test::PatternBytes(200)},
        {u"First", false, -1, test::PatternBytes(5000)},
        {u"Second", false, -1, test::PatternBytes(5000)},
    };
    // Entries: 0 root, 1 Storage, 2 Small, 3 First, 4 Second.
    TCompoundLayout plain;
    const TBytes original = test::WriteCompoundFile(elements, 512, &plain);
    const uint32_t first = plain.StartSectors[3];
    const uint32_t second = plain.StartSectors[4];
    const auto sectorText = [](uint32_t sector) { return std::to_string(sector); };
    const THostileCase cases[] = {
        {"looping chain", [&](TBytes& b, const TCompoundLayout& l) { test::SetFATEntry(b, l, first + 1, first); },
         "Damaged compound document: sector " + sectorText(first) + " is used twice (a looping or shared sector chain)",
         3},
        {"two streams sharing sectors",
         [&](TBytes& b, const TCompoundLayout& l) {
             test::SetDirectoryField(b, l, 4, test::DirectoryStartSector, first);
         },
         // The stream claimed second is the damaged one; the directory tree puts Second before First.
         "is used twice (a looping or shared sector chain)", 3},
        {"sector outside the file",
         [&](TBytes& b, const TCompoundLayout& l) { test::SetFATEntry(b, l, second, 100000); },
         "Damaged compound document: sector 100000 is outside the file", 4},
        {"free sector inside a chain",
         [&](TBytes& b, const TCompoundLayout& l) { test::SetFATEntry(b, l, second, 0xFFFFFFFF); },
         "Damaged compound document: sector 4294967295 is outside the file", 4},
        {"stream larger than its chain",
         [](TBytes& b, const TCompoundLayout& l) {
             test::SetDirectoryField(b, l, 3, test::DirectoryStreamSize, 20000);
         },
         "Damaged compound document: stream \"First\" declares 20000 bytes, but its sector chain ends after 5120", 3},
        {"millions of FAT sectors declared",
         [](TBytes& b, const TCompoundLayout&) { test::SetHeaderField(b, 44, 8388609); },
         "Damaged compound document: 8388609 FAT sectors declared, but the file holds only " +
             std::to_string(original.size() / 512 - 1) + " sectors"},
        {"sibling cycle",
         [](TBytes& b, const TCompoundLayout& l) {
             for (int32_t entry = 1; entry <= 4; ++entry) {
                 test::SetDirectoryField(b, l, entry, test::DirectoryLeftSibling, 1);
             }
         },
         "(a looping directory tree)"},
        {"storage holding itself",
         [](TBytes& b, const TCompoundLayout& l) { test::SetDirectoryField(b, l, 1, test::DirectoryChild, 1); },
         "Damaged compound document: directory entry 1 is reached twice (a looping directory tree)"},
        {"root as a child",
         [](TBytes& b, const TCompoundLayout& l) { test::SetDirectoryField(b, l, 1, test::DirectoryChild, 0); },
         "Damaged compound document: directory entry 0 is reached twice (a looping directory tree)"},
        {"entry that does not exist",
         [](TBytes& b, const TCompoundLayout& l) { test::SetDirectoryField(b, l, 1, test::DirectoryChild, 77); },
         "Damaged compound document: directory entry 77 does not exist"},
        {"looping directory chain",
         [](TBytes& b, const TCompoundLayout& l) {
             test::SetFATEntry(b, l, l.DirectorySectors.back(), l.DirectorySectors.front());
         },
         "is used twice (a looping or shared sector chain)"},
        {"mini stream shorter than its streams",
         [](TBytes& b, const TCompoundLayout& l) { test::SetDirectoryField(b, l, 0, test::DirectoryStreamSize, 64); },
         "Damaged compound document: mini sector 1 is outside the mini stream", 2},
        {"first entry not the root",
         [](TBytes& b, const TCompoundLayout& l) { b[test::SectorOffset(l, l.DirectorySectors[0]) + 66] = 2; },
         "Damaged compound document: the first directory entry is not the root"},
        {"unsupported sector size", [](TBytes& b, const TCompoundLayout&) { b[30] = 10; },
         "Damaged compound document: unsupported sector shift 10 or mini sector shift 6"},
        {"cut inside the header", [](TBytes& b, const TCompoundLayout&) { b.resize(300); },
         "Damaged compound document: the file is shorter than its header"},
    };
    for (const THostileCase& hostile : cases) {
        SCOPED_TRACE(hostile.Name);
        TBytes bytes = original;
        hostile.Damage(bytes, plain);
        if (hostile.DamagedEntry < 0) {
            EXPECT_NE(OpenFailure(bytes).find(hostile.Message), std::string::npos) << OpenFailure(bytes);
            continue;
        }
        const std::string failure = ReadFailure(bytes, hostile.DamagedEntry);
        EXPECT_NE(failure.find(hostile.Message), std::string::npos) << failure;
        WithDocument(bytes, [&](TCompoundFile& document) {
            EXPECT_EQ(document.Entry(hostile.DamagedEntry).Damage, rtl::Utf8ToUnicode(failure));
            for (int32_t entry = 2; entry <= 4; ++entry) {
                if (entry != hostile.DamagedEntry && document.Entry(entry).Damage.empty()) {
                    EXPECT_EQ(document.ReadStream(entry), elements[entry - 1].Data) << entry;
                }
            }
        });
    }
}

TEST(TCompoundFile, LoopingDIFATFailsAtItsFirstRepeatedSector) {
    // The header declares more FAT sectors than its own 109 entries and one DIFAT sector name, and that DIFAT
    // sector names itself as the next one.
    const std::vector<TCompoundElement> elements = {{u"Workbook", false, -1, test::PatternBytes(150000)}};
    TCompoundLayout layout;
    TBytes bytes = test::WriteCompoundFile(elements, 512, &layout);
    const uint32_t difat = layout.StartSectors[1];
    test::SetHeaderField(bytes, 44, 109 + 127 + 10);
    test::SetHeaderField(bytes, 68, difat);
    test::SetHeaderField(bytes, 72, 1);
    std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(test::SectorOffset(layout, difat)), 508, 0);
    StoreUInt32LE(&bytes[test::SectorOffset(layout, difat) + 508], difat);
    EXPECT_EQ(OpenFailure(bytes), "Damaged compound document: sector " + std::to_string(difat) +
                                      " is used twice (a looping or shared sector chain)");
}

TEST(TCompoundFile, LastSectorCutShortByTheEndOfTheFileReadsAsZeros) {
    const std::vector<TCompoundElement> elements = {{u"Workbook", false, -1, test::PatternBytes(5000)}};
    TBytes bytes = test::WriteCompoundFile(elements);
    bytes.resize(bytes.size() - 300);
    WithDocument(bytes, [&](TCompoundFile& document) {
        const TBytes read = document.ReadStream(1);
        TBytes expected = elements[0].Data;
        std::fill(expected.end() - 300 + (5120 - 5000), expected.end(), 0);
        EXPECT_EQ(read, expected);
    });
}

TEST(TCompoundFile, SignatureIsRecognisedWithoutMovingTheStream) {
    auto document = test::MemoryOf(test::WriteCompoundFile({}));
    document->Seek(0, rtl::soBeginning);
    EXPECT_TRUE(TCompoundFile::HasSignature(*document));
    EXPECT_EQ(document->Position(), 0);
    auto plain = test::MemoryOf(test::Record(0x0009, {0, 0, 0x10, 0}));
    EXPECT_FALSE(TCompoundFile::HasSignature(*plain));
    EXPECT_EQ(plain->Position(), 0);
    EXPECT_EQ(OpenFailure(test::PatternBytes(600)), "The file is not a compound document");
}

} // namespace
} // namespace xls
