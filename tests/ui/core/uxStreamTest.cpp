#include "ui/core/uxStream.h"

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

} // namespace
} // namespace ui
