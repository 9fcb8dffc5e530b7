#include "ui/core/encoding/uxStream.h"

#include <gtest/gtest.h>
#include <string>

namespace ui {
namespace {

struct MarkerCase {
    std::string bytes;
    int64_t start;
    bool expectedWide;
    int64_t expectedPosition;
};

TEST(uxStream, ReadStreamFormatMarkerConsumesOnlyAMarker) {
    const MarkerCase cases[] = {
        {"UXAFMTdata", 0, false, 6}, {"UXUFMTdata", 0, true, 6},
        {"UXUFMT", 0, true, 6},      {"UXXFMTda", 0, false, 0}, // eight bytes of other text
        {"xxUXUFM", 2, false, 2},                               // five bytes left
        {"xxUXUFMT", 2, true, 8},                               // a marker after the start
        {"", 0, false, 0},
    };
    for (const MarkerCase& c : cases) {
        SCOPED_TRACE(c.bytes);
        rtl::TStringStream stream(c.bytes);
        stream.SetPosition(c.start);
        EXPECT_EQ(ReadStreamFormatMarker(stream), c.expectedWide);
        EXPECT_EQ(stream.Position(), c.expectedPosition);
    }
}

TEST(uxStream, WrapperReadsTheMarkerAndForwardsTransfers) {
    rtl::TStringStream wrapped("UXUFMTabc");
    TuxStream stream(wrapped);
    EXPECT_TRUE(stream.IsWideText());
    EXPECT_EQ(stream.Size(), 9);
    char read[3] = {};
    EXPECT_EQ(stream.Read(read, 3), 3);
    EXPECT_EQ(std::string(read, 3), "abc");
    stream.Seek(6, rtl::soBeginning);
    stream.WriteBuffer("xyz!", 4);
    EXPECT_EQ(wrapped.DataString(), "UXUFMTxyz!");
    EXPECT_EQ(wrapped.Position(), 10);

    rtl::TStringStream plain("abc");
    EXPECT_FALSE(TuxStream(plain).IsWideText());
    EXPECT_EQ(plain.Position(), 0);
}

TEST(uxStream, WriterPutsTheAnsiMarker) {
    rtl::TStringStream stream("");
    WriteAnsiFormatMarker(stream);
    EXPECT_EQ(stream.DataString(), "UXAFMT");
    stream.SetPosition(0);
    EXPECT_FALSE(ReadStreamFormatMarker(stream));
    EXPECT_EQ(stream.Position(), 6);
}

TEST(uxStream, ReadStreamIntoStringTakesTheBytesFromThePositionToTheEnd) {
    rtl::TStringStream stream(std::string("head\0tail", 9));
    stream.SetPosition(4);
    EXPECT_EQ(ReadStreamIntoString(stream), std::string("\0tail", 5));
    EXPECT_EQ(stream.Position(), 9);
    EXPECT_EQ(ReadStreamIntoString(stream), "");
    stream.SetPosition(20);
    EXPECT_EQ(ReadStreamIntoString(stream), "") << "a position beyond the end reads nothing";
}

TEST(uxStream, WritersPutLittleEndianIntegersAndBareBytes) {
    rtl::TStringStream stream("");
    WriteIntegerToStream(stream, -2);
    WriteIntegerToStream(stream, 0x01020304);
    WriteStringToStream(stream, "ab");
    WriteStringToStream(stream, "");
    EXPECT_EQ(stream.DataString(), std::string("\xfe\xff\xff\xff\x04\x03\x02\x01"
                                               "ab",
                                               10));
}

TEST(uxStream, MemoryStreamsAreTheSameWhenTheirBytesAre) {
    rtl::TMemoryStream a;
    rtl::TMemoryStream b;
    EXPECT_TRUE(SameMemoryStreams(a, b));
    WriteStringToStream(a, "abc");
    WriteStringToStream(b, "abd");
    EXPECT_FALSE(SameMemoryStreams(a, b));
    b.SetPosition(2);
    WriteStringToStream(b, "c");
    EXPECT_TRUE(SameMemoryStreams(a, b));
    WriteStringToStream(b, "d");
    EXPECT_FALSE(SameMemoryStreams(a, b)) << "sizes differ";
}

} // namespace
} // namespace ui
