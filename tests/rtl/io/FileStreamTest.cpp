#include "rtl/io/FileStream.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/StringUtils.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace rtl {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(TStream& stream) {
    std::string bytes(static_cast<size_t>(stream.Size()), '\0');
    stream.SetPosition(0);
    stream.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    return bytes;
}

void Write(TStream& stream, std::string_view bytes) {
    stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}

// A fresh folder in the system's temporary folder, removed with everything in it afterwards.
class FileStreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        Folder = fs::temp_directory_path() / ("rtl-file-stream-" + std::to_string(random()));
        ASSERT_TRUE(fs::create_directory(Folder));
    }

    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(Folder, ignored);
    }

    UnicodeString PathOf(const UnicodeString& name) const { return (Folder / fs::path(name)).u16string(); }

    void MakeFile(const UnicodeString& name, std::string_view bytes) const {
        TFileStream file(PathOf(name), fmCreate);
        Write(file, bytes);
    }

    fs::path Folder;
};

TEST_F(FileStreamTest, FailuresToOpenNameTheFile) {
    MakeFile(u"present.bin", "x");
    struct Case {
        UnicodeString name;
        uint16_t mode;
        bool createError;
    };
    const Case cases[] = {
        {u"missing.xlsx", fmOpenRead | fmShareDenyNone, false},
        {u"缺少的清单.xlsx", fmOpenReadWrite, false},
        {u"no folder/new.xlsx", fmCreate, true},
        {u"", fmOpenRead, false}, // the folder itself
        {u"present.bin", 0x0003, false},
        {u"present.bin", fmOpenRead | 0x0030, false},
        {u"present.bin", fmOpenRead | 0x0050, false},
        {u"present.bin", fmCreate | fmOpenWrite, true},
    };
    for (const auto& c : cases) {
        const UnicodeString fileName = PathOf(c.name);
        SCOPED_TRACE(UnicodeToUtf8(fileName) + " mode " + std::to_string(c.mode));
        try {
            TFileStream file(fileName, c.mode);
            ADD_FAILURE() << "opened";
        } catch (const EFileStreamError& error) {
            EXPECT_EQ(dynamic_cast<const EFCreateError*>(&error) != nullptr, c.createError);
            const UnicodeString start = c.createError ? u"Cannot create file \"" : u"Cannot open file \"";
            EXPECT_EQ(Pos(start + fileName + u"\". ", error.Message()), 0) << error.what();
            EXPECT_GT(error.Message().size(), start.size() + fileName.size() + 3) << "no reason given";
        }
    }
}

TEST_F(FileStreamTest, ChineseFileNameRoundTrips) {
    const UnicodeString fileName = PathOf(u"销售清单.xlsx");
    {
        TFileStream file(fileName, fmCreate);
        EXPECT_EQ(file.FileName(), fileName);
        Write(file, "PK\x03\x04 workbook");
    }
    EXPECT_TRUE(fs::exists(Folder / fs::path(u"销售清单.xlsx")));
    TFileStream file(fileName, fmOpenRead | fmShareDenyNone);
    EXPECT_EQ(ReadAll(file), "PK\x03\x04 workbook");
}

TEST_F(FileStreamTest, ReadingWithDenyNoneLetsAnotherHandleWrite) {
    MakeFile(u"book.xlsx", "original");
    TFileStream reader(PathOf(u"book.xlsx"), fmOpenRead | fmShareDenyNone);
    EXPECT_EQ(ReadAll(reader), "original");
    {
        TFileStream writer(PathOf(u"book.xlsx"), fmOpenReadWrite | fmShareDenyNone);
        Write(writer, "ORIG");
    }
    EXPECT_EQ(ReadAll(reader), "ORIGinal");
    // Our read-only stream cannot write.
    EXPECT_THROW(Write(reader, "x"), EWriteError);
}

#ifdef _WIN32
// Sharing is enforced on Windows only; POSIX has no mandatory file locks.
TEST_F(FileStreamTest, SharingModesRefuseWhatTheyDeny) {
    MakeFile(u"book.xlsx", "data");
    struct Case {
        uint16_t held;
        uint16_t second;
        bool opens;
    };
    const Case cases[] = {
        {fmOpenRead | fmShareDenyWrite, fmOpenRead | fmShareDenyNone, true},
        {fmOpenRead | fmShareDenyWrite, fmOpenReadWrite | fmShareDenyNone, false},
        {fmOpenRead | fmShareExclusive, fmOpenRead | fmShareDenyNone, false},
        {fmOpenRead, fmOpenRead | fmShareDenyNone, false},
        // The second asks to deny writing, but the first already writes.
        {fmOpenReadWrite | fmShareDenyNone, fmOpenRead | fmShareDenyWrite, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.held) + " then " + std::to_string(c.second));
        TFileStream held(PathOf(u"book.xlsx"), c.held);
        if (c.opens) {
            EXPECT_NO_THROW({ TFileStream second(PathOf(u"book.xlsx"), c.second); });
        } else {
            EXPECT_THROW({ TFileStream second(PathOf(u"book.xlsx"), c.second); }, EFOpenError);
        }
    }
}
#endif

TEST_F(FileStreamTest, CreateEmptiesAnExistingFile) {
    MakeFile(u"out.bin", std::string(100, 'x'));
    TFileStream file(PathOf(u"out.bin"), fmCreate);
    EXPECT_EQ(file.Size(), 0);
    Write(file, "new");
    EXPECT_EQ(ReadAll(file), "new");
}

TEST_F(FileStreamTest, SeekingAndSizing) {
    TFileStream file(PathOf(u"data.bin"), fmCreate | fmShareDenyWrite);
    Write(file, "abcdef");
    EXPECT_EQ(file.Seek(-2, soEnd), 4);
    EXPECT_EQ(file.Seek(1, soCurrent), 5);
    EXPECT_THROW(file.Seek(-7, soEnd), EStreamError);
    EXPECT_EQ(file.Position(), 5);
    // Writing past the end leaves zeros in the gap.
    file.Seek(2, soEnd);
    Write(file, "xy");
    EXPECT_EQ(ReadAll(file), std::string("abcdef\0\0xy", 10));
    // Cutting and extending keep the position.
    file.SetPosition(3);
    file.SetSize(2);
    EXPECT_EQ(file.Position(), 3);
    file.SetSize(4);
    EXPECT_EQ(ReadAll(file), std::string("ab\0\0", 4));
    char byte;
    EXPECT_EQ(file.Read(&byte, 1), 0);
}

TEST_F(FileStreamTest, PositionsBeyondFourGigabytes) {
    // Sparse on the file systems we test on; the offsets need their high 32 bits on every target.
    constexpr int64_t Far = (int64_t(5) << 30) + 3;
    TFileStream file(PathOf(u"large.bin"), fmCreate);
    file.Seek(Far, soBeginning);
    Write(file, "end");
    EXPECT_EQ(file.Size(), Far + 3);
    EXPECT_EQ(file.Seek(-3, soEnd), Far);
    char bytes[4] = {};
    EXPECT_EQ(file.Read(bytes, 4), 3);
    EXPECT_EQ(std::string(bytes), "end");
    file.SetPosition(Far - 1);
    EXPECT_EQ(file.Read(bytes, 1), 1);
    EXPECT_EQ(bytes[0], '\0');
    file.SetSize(0);
}

TEST_F(FileStreamTest, MemoryStreamSavesAndLoadsFiles) {
    std::string bytes;
    for (int i = 0; i < 70000; ++i) {
        bytes.push_back(static_cast<char>(i % 253));
    }
    TMemoryStream saved;
    Write(saved, bytes);
    saved.SaveToFile(PathOf(u"图片.png"));
    EXPECT_EQ(fs::file_size(Folder / fs::path(u"图片.png")), bytes.size());

    // Another handle keeps the file open for writing, as a spreadsheet program does.
    TFileStream other(PathOf(u"图片.png"), fmOpenReadWrite | fmShareDenyNone);
    TMemoryStream loaded;
    loaded.LoadFromFile(PathOf(u"图片.png"));
    EXPECT_EQ(loaded.Position(), 0);
    EXPECT_EQ(ReadAll(loaded), bytes);
    EXPECT_THROW(loaded.LoadFromFile(PathOf(u"missing.png")), EFOpenError);
}

} // namespace
} // namespace rtl
