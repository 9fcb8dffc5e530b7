#include "rtl/io/Streams.h"

#include "rtl/core/Exceptions.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

namespace rtl {
namespace {

constexpr int64_t Int64Max = std::numeric_limits<int64_t>::max();

std::string Content(TCustomMemoryStream& stream) {
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

std::unique_ptr<TMemoryStream> MemoryStreamOf(std::string_view bytes) {
    auto stream = std::make_unique<TMemoryStream>();
    stream->WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    stream->SetPosition(0);
    return stream;
}

// A stream that passes everything to another one and keeps the inherited Size and SetSize, as wrapper streams do.
class TForwardingStream : public TStream {
public:
    explicit TForwardingStream(TStream& target) : FTarget(target) {}
    int32_t Read(void* buffer, int32_t count) override { return FTarget.Read(buffer, count); }
    int32_t Write(const void* buffer, int32_t count) override { return FTarget.Write(buffer, count); }
    int64_t Seek(int64_t offset, TSeekOrigin origin) override { return FTarget.Seek(offset, origin); }

private:
    TStream& FTarget;
};

TEST(Streams, SeekFromEachOrigin) {
    struct Case {
        int64_t offset;
        TSeekOrigin origin;
        int64_t expected; // -1: refused
    };
    const Case cases[] = {
        {3, soBeginning, 3},
        {0, soCurrent, 4},
        {2, soCurrent, 6},
        {-4, soCurrent, 0},
        {0, soEnd, 10},
        {-1, soEnd, 9},
        {5, soEnd, 15},
        {100, soBeginning, 100},
        {-1, soBeginning, -1},
        {-5, soCurrent, -1},
        {-11, soEnd, -1},
        {Int64Max, soCurrent, -1},
        {Int64Max, soBeginning, Int64Max},
        {0, static_cast<TSeekOrigin>(7), -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.offset) + " from origin " + std::to_string(c.origin));
        auto stream = MemoryStreamOf("0123456789");
        stream->SetPosition(4);
        if (c.expected < 0) {
            EXPECT_THROW(stream->Seek(c.offset, c.origin), EStreamError);
            EXPECT_EQ(stream->Position(), 4);
            continue;
        }
        EXPECT_EQ(stream->Seek(c.offset, c.origin), c.expected);
        EXPECT_EQ(stream->Position(), c.expected);
        EXPECT_EQ(stream->Size(), 10);
    }
}

TEST(Streams, ReadStopsAtTheEndAndReadBufferRaisesOnAShortRead) {
    struct Case {
        int64_t position;
        int32_t count;
        int32_t read;
    };
    const Case cases[] = {{0, 4, 4}, {8, 4, 2}, {10, 1, 0}, {12, 1, 0}, {0, 0, 0}, {0, -3, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.position) + " + " + std::to_string(c.count));
        auto stream = MemoryStreamOf("0123456789");
        char buffer[8] = {};
        stream->SetPosition(c.position);
        EXPECT_EQ(stream->Read(buffer, c.count), c.read);
        EXPECT_EQ(stream->Position(), c.position + c.read);
        EXPECT_EQ(std::string(buffer, static_cast<size_t>(c.read)),
                  std::string("0123456789")
                      .substr(static_cast<size_t>(std::min<int64_t>(c.position, 10)), static_cast<size_t>(c.read)));
        stream->SetPosition(c.position);
        if (c.read == c.count) {
            EXPECT_NO_THROW(stream->ReadBuffer(buffer, c.count));
        } else {
            EXPECT_THROW(stream->ReadBuffer(buffer, c.count), EReadError);
        }
    }
}

TEST(Streams, CallerOwnedBlockNeverGrows) {
    struct Case {
        int64_t position;
        std::string data;
        int32_t written;
        std::string block;
    };
    const Case cases[] = {
        {0, "ab", 2, "ab2345"},
        {4, "abcd", 2, "0123ab"},
        {6, "x", 0, "012345"},
        {9, "x", 0, "012345"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.position) + " " + c.data);
        char block[7] = "012345";
        TCustomMemoryStream stream(block, 6);
        stream.SetPosition(c.position);
        EXPECT_EQ(stream.Write(c.data.data(), static_cast<int32_t>(c.data.size())), c.written);
        EXPECT_EQ(std::string(block, 6), c.block);
        EXPECT_EQ(stream.Size(), 6);
        EXPECT_EQ(stream.Memory(), block);
        stream.SetPosition(c.position);
        if (c.written < static_cast<int32_t>(c.data.size())) {
            EXPECT_THROW(stream.WriteBuffer(c.data.data(), static_cast<int32_t>(c.data.size())), EWriteError);
        }
    }
}

TEST(Streams, CallerOwnedBlockIsReadInPlace) {
    const char block[] = "PK\x03\x04rest";
    TCustomMemoryStream stream(const_cast<char*>(block), 8);
    char signature[4];
    stream.ReadBuffer(signature, 4);
    EXPECT_EQ(std::memcmp(signature, "PK\x03\x04", 4), 0);
    EXPECT_EQ(stream.Size(), 8);
    stream.SetSize(2); // not the stream's to change
    EXPECT_EQ(stream.Size(), 8);
}

TEST(Streams, GrowingStreamsZeroFillGaps) {
    std::vector<std::unique_ptr<TCustomMemoryStream>> streams;
    streams.push_back(std::make_unique<TMemoryStream>());
    streams.push_back(std::make_unique<TStringStream>());
    for (auto& stream : streams) {
        const TCustomMemoryStream& current = *stream;
        SCOPED_TRACE(typeid(current).name());
        stream->WriteBuffer("abcdef", 6);
        // Shrinking and growing again must not bring the old bytes back.
        stream->SetSize(2);
        EXPECT_EQ(stream->Position(), 6);
        stream->SetSize(4);
        stream->Seek(3, soEnd);
        stream->WriteBuffer("xy", 2);
        EXPECT_EQ(Content(*stream), std::string("ab\0\0\0\0\0xy", 9));
        EXPECT_EQ(stream->Position(), 9);
    }
}

TEST(Streams, MemoryStreamGrowsAcrossManyWritesAndClears) {
    TMemoryStream stream;
    std::string expected;
    for (int i = 0; i < 5000; ++i) {
        const std::string piece = std::to_string(i) + ",";
        stream.WriteBuffer(piece.data(), static_cast<int32_t>(piece.size()));
        expected += piece;
    }
    EXPECT_EQ(Content(stream), expected);
    stream.Clear();
    EXPECT_EQ(stream.Size(), 0);
    EXPECT_EQ(stream.Position(), 0);
    EXPECT_EQ(stream.Read(&expected[0], 1), 0);
}

TEST(Streams, WritingFromTheStreamsOwnBlockSurvivesGrowth) {
    auto stream = MemoryStreamOf(std::string(1000, 'a') + "z");
    stream->Seek(0, soEnd);
    stream->WriteBuffer(stream->Memory(), static_cast<int32_t>(stream->Size()));
    const std::string once = std::string(1000, 'a') + "z";
    EXPECT_EQ(Content(*stream), once + once);

    TStringStream text("abc");
    text.Seek(0, soEnd);
    text.WriteString(text.DataString());
    EXPECT_EQ(text.DataString(), "abcabc");
}

TEST(Streams, SizesThatCannotBeAllocatedRaiseOutOfMemory) {
    std::vector<std::unique_ptr<TCustomMemoryStream>> streams;
    streams.push_back(MemoryStreamOf("keep"));
    streams.push_back(std::make_unique<TStringStream>("keep"));
    for (auto& stream : streams) {
        const TCustomMemoryStream& current = *stream;
        SCOPED_TRACE(typeid(current).name());
        EXPECT_THROW(stream->SetSize(Int64Max), EOutOfMemory);
        // A write far beyond the end asks for the same impossible size.
        stream->Seek(Int64Max - 2, soBeginning);
        EXPECT_THROW(stream->WriteBuffer("abcd", 4), EOutOfMemory);
        EXPECT_THROW(stream->SetSize(-1), EStreamError);
        EXPECT_EQ(Content(*stream), "keep");
    }
}

TEST(Streams, CopyFrom) {
    std::string source(200 * 1024 + 7, '\0');
    for (size_t i = 0; i < source.size(); ++i) {
        source[i] = static_cast<char>(i * 7 + i / 251);
    }
    struct Case {
        int64_t sourcePosition;
        int64_t count;
        int64_t copiedFrom; // -1: the copy fails
        int64_t copied;
    };
    const int64_t size = static_cast<int64_t>(source.size());
    const Case cases[] = {
        {5000, 0, 0, size},         // count 0: the whole source from its beginning
        {3, 10, 3, 10},             // from the source's position
        {0, size, 0, size},         // more than one pass through the copy buffer
        {size - 4, 4, size - 4, 4}, // up to the end exactly
        {size - 4, 5, -1, 0},       // the source ends early
        {0, -1, -1, 0},             // a negative count
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.sourcePosition) + " + " + std::to_string(c.count));
        auto from = MemoryStreamOf(source);
        from->SetPosition(c.sourcePosition);
        TMemoryStream to;
        to.WriteBuffer("head", 4);
        if (c.copiedFrom < 0) {
            EXPECT_THROW(to.CopyFrom(*from, c.count), EReadError);
            continue;
        }
        EXPECT_EQ(to.CopyFrom(*from, c.count), c.copied);
        EXPECT_EQ(Content(to),
                  "head" + source.substr(static_cast<size_t>(c.copiedFrom), static_cast<size_t>(c.copied)));
        EXPECT_EQ(from->Position(), c.copiedFrom + c.copied);
    }
}

TEST(Streams, InheritedSizeSeeksToTheEndAndBack) {
    auto target = MemoryStreamOf("0123456789");
    TForwardingStream stream(*target);
    stream.SetPosition(3);
    EXPECT_EQ(stream.Size(), 10);
    EXPECT_EQ(stream.Position(), 3);
    TMemoryStream copy;
    EXPECT_EQ(copy.CopyFrom(stream, 0), 10);
    EXPECT_EQ(Content(copy), "0123456789");
}

TEST(Streams, LoadFromStreamAndSaveToStream) {
    auto source = MemoryStreamOf("payload");
    source->SetPosition(4);
    TMemoryStream stream;
    stream.WriteBuffer("old content that is longer", 26);
    stream.LoadFromStream(*source);
    EXPECT_EQ(Content(stream), "payload");
    EXPECT_EQ(stream.Position(), 0);

    TStringStream saved("<");
    saved.Seek(0, soEnd);
    stream.SaveToStream(saved);
    EXPECT_EQ(saved.DataString(), "<payload");
}

TEST(Streams, StringStream) {
    TStringStream stream("hello world");
    EXPECT_EQ(stream.Size(), 11);
    EXPECT_EQ(stream.ReadString(5), "hello");
    EXPECT_EQ(stream.ReadString(100), " world");
    EXPECT_EQ(stream.ReadString(1), "");
    EXPECT_EQ(stream.ReadString(-1), "");
    stream.Seek(6, soBeginning);
    stream.WriteString("there!");
    EXPECT_EQ(stream.DataString(), "hello there!");
    EXPECT_EQ(stream.Position(), 12);
    stream.SetPosition(20);
    EXPECT_EQ(stream.ReadString(1), "");
    // Bytes of an ANSI text, whatever their values.
    TStringStream bytes(std::string("\xD6\xD0\0\xCE", 4));
    EXPECT_EQ(bytes.Size(), 4);
    EXPECT_EQ(bytes.ReadString(4), std::string("\xD6\xD0\0\xCE", 4));
}

} // namespace
} // namespace rtl
