#include "xls/core/model/package/Xc12GraphicProbes.h"

#include "rtl/io/FileStream.h"
#include "rtl/io/Streams.h"
#include "rtl/text/StringUtils.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace xls {
namespace {

using Bytes = std::vector<uint8_t>;

// Picture bytes put together field by field.
class TByteBuilder {
public:
    TByteBuilder& Raw(std::initializer_list<uint8_t> bytes) {
        FBytes.insert(FBytes.end(), bytes);
        return *this;
    }
    TByteBuilder& Zeros(size_t count) {
        FBytes.resize(FBytes.size() + count);
        return *this;
    }
    TByteBuilder& BE16(uint16_t value) { return Raw({static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value)}); }
    TByteBuilder& BE32(uint32_t value) {
        return BE16(static_cast<uint16_t>(value >> 16)).BE16(static_cast<uint16_t>(value));
    }
    TByteBuilder& LE16(uint16_t value) { return Raw({static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)}); }
    TByteBuilder& LE32(uint32_t value) {
        return LE16(static_cast<uint16_t>(value)).LE16(static_cast<uint16_t>(value >> 16));
    }
    Bytes Done() const { return FBytes; }

private:
    Bytes FBytes;
};

Bytes Fixture(const char* name) {
    rtl::TMemoryStream stream;
    stream.LoadFromFile(test_support::DataPath(std::string("pictures/") + name));
    const auto* memory = static_cast<const uint8_t*>(stream.Memory());
    return Bytes(memory, memory + stream.Size());
}

// SOI, then a frame header of the given size with padding behind it.
TByteBuilder JPEGStart() {
    return TByteBuilder().Raw({0xFF, 0xD8});
}
TByteBuilder& FrameHeader(TByteBuilder& bytes, uint8_t code, uint16_t width, uint16_t height) {
    return bytes.Raw({0xFF, code}).BE16(17).Raw({8}).BE16(height).BE16(width).Raw({3}).Zeros(9);
}
Bytes JPEGWithFrame(std::initializer_list<uint8_t> between, uint8_t code = 0xC0) {
    TByteBuilder bytes = JPEGStart().Raw(between);
    return FrameHeader(bytes, code, 3, 2).Done();
}

// The PNG signature and an IHDR chunk of the given size.
Bytes PNGHeader(uint32_t width, uint32_t height, char chunkFirst = 'I') {
    return TByteBuilder()
        .Raw({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A})
        .BE32(13)
        .Raw({static_cast<uint8_t>(chunkFirst), 'H', 'D', 'R'})
        .BE32(width)
        .BE32(height)
        .Raw({8, 2, 0, 0, 0})
        .Zeros(4)
        .Done();
}

// An EMR_HEADER with the given frame, record size and file size, padded to paddedSize bytes.
struct TEMFHeader {
    int32_t FrameLeft = 0, FrameTop = 0, FrameRight = 2540, FrameBottom = 1270;
    uint32_t RecordSize = 108;
    uint32_t FileSize = 128;
    uint32_t Signature = 0x464D4520;
    size_t PaddedSize = 128;
};
Bytes EMF(const TEMFHeader& header) {
    TByteBuilder bytes;
    bytes.LE32(1).LE32(header.RecordSize).Zeros(16);
    bytes.LE32(static_cast<uint32_t>(header.FrameLeft)).LE32(static_cast<uint32_t>(header.FrameTop));
    bytes.LE32(static_cast<uint32_t>(header.FrameRight)).LE32(static_cast<uint32_t>(header.FrameBottom));
    bytes.LE32(header.Signature).LE32(0x10000).LE32(header.FileSize);
    Bytes done = bytes.Done();
    done.resize(header.PaddedSize);
    return done;
}

// A META_HEADER of a metafile of sizeInWords words (header and end record), and the same behind a placeable header.
Bytes WMFHeader(uint32_t sizeInWords = 12, uint16_t headerWords = 9) {
    return TByteBuilder()
        .LE16(1)
        .LE16(headerWords)
        .LE16(0x0300)
        .LE32(sizeInWords)
        .LE16(0)
        .LE32(3)
        .LE16(0)
        .LE32(3)
        .LE16(0)
        .Done();
}
Bytes PlaceableWMF(int16_t right, int16_t bottom, uint16_t unitsPerInch, const Bytes& header = WMFHeader()) {
    TByteBuilder bytes;
    bytes.LE32(0x9AC6CDD7)
        .LE16(0)
        .LE16(0)
        .LE16(0)
        .LE16(static_cast<uint16_t>(right))
        .LE16(static_cast<uint16_t>(bottom));
    bytes.LE16(unitsPerInch).LE32(0).LE16(0);
    Bytes done = bytes.Done();
    done.insert(done.end(), header.begin(), header.end());
    return done;
}

struct ProbeCase {
    const char* name;
    TXc12GraphicImageType type;
    Bytes data;
    std::optional<TXc12ImageSize> expected;
};

void RunProbeCases(const std::vector<ProbeCase>& cases) {
    for (const ProbeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<TXc12ImageSize> size = ProbeImage(c.type, c.data);
        ASSERT_EQ(size.has_value(), c.expected.has_value());
        if (size) {
            EXPECT_EQ(size->Width, c.expected->Width);
            EXPECT_EQ(size->Height, c.expected->Height);
        }
    }
}

constexpr std::nullopt_t Fails = std::nullopt;

TEST(Xc12GraphicProbes, JPEG) {
    Bytes eightBytes = JPEGWithFrame({});
    eightBytes.resize(8);
    Bytes frameTooNearTheEnd = JPEGWithFrame({});
    frameTooNearTheEnd.resize(11);
    RunProbeCases({
        {"a baseline file", xgitJPEG, Fixture("baseline.jpg"), TXc12ImageSize{3, 2}},
        {"a progressive file", xgitJPEG, Fixture("progressive.jpg"), TXc12ImageSize{5, 4}},
        {"frame right after the start", xgitJPEG, JPEGWithFrame({}), TXc12ImageSize{3, 2}},
        {"lossless frame", xgitJPEG, JPEGWithFrame({}, 0xC3), TXc12ImageSize{3, 2}},
        {"a fill byte before a marker", xgitJPEG, JPEGWithFrame({0xFF}), TXc12ImageSize{3, 2}},
        {"markers without length are stepped over", xgitJPEG, JPEGWithFrame({0xFF, 0xD0, 0xFF, 0x01}),
         TXc12ImageSize{3, 2}},
        {"a segment is skipped by its length", xgitJPEG, JPEGWithFrame({0xFF, 0xE1, 0x00, 0x04, 0xFF, 0xC0}),
         TXc12ImageSize{3, 2}},
        {"8 bytes", xgitJPEG, eightBytes, Fails},
        {"frame with fewer than nine bytes after its 0xFF", xgitJPEG, frameTooNearTheEnd, Fails},
        {"no start of image", xgitJPEG, Bytes{0xFF, 0xD9, 0xFF, 0xC0, 0, 17, 8, 0, 2, 0, 3, 3, 0, 0}, Fails},
        {"segment length 0", xgitJPEG, JPEGWithFrame({0xFF, 0xE0, 0x00, 0x00}), Fails},
        {"segment length 1", xgitJPEG, JPEGWithFrame({0xFF, 0xE0, 0x00, 0x01}), Fails},
        {"segment running past the end", xgitJPEG, JPEGWithFrame({0xFF, 0xE0, 0xFF, 0xF0}), Fails},
        {"no 0xFF where a marker must start", xgitJPEG, JPEGWithFrame({0xFF, 0xE0, 0x00, 0x02, 0x00}), Fails},
        {"no frame before the end", xgitJPEG, JPEGStart().Raw({0xFF, 0xE0, 0x00, 0x04, 0, 0}).Zeros(20).Done(), Fails},
        {"only fill bytes", xgitJPEG, JPEGStart().Raw({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}).Done(),
         Fails},
    });
}

TEST(Xc12GraphicProbes, PNG) {
    Bytes truncated = PNGHeader(7, 3);
    truncated.resize(23);
    Bytes badSignature = PNGHeader(7, 3);
    badSignature[1] = 'J';
    RunProbeCases({
        {"a real file", xgitPNG, Fixture("picture.png"), TXc12ImageSize{7, 3}},
        {"sizes beyond 16 bits", xgitPNG, PNGHeader(70000, 65536), TXc12ImageSize{70000, 65536}},
        {"a size beyond 31 bits", xgitPNG, PNGHeader(0x80000000u, 3), Fails},
        {"header cut before the height ends", xgitPNG, truncated, Fails},
        {"bad signature", xgitPNG, badSignature, Fails},
        {"first chunk not IHDR", xgitPNG, PNGHeader(7, 3, 'X'), Fails},
        {"JPEG bytes", xgitPNG, Fixture("baseline.jpg"), Fails},
    });
}

TEST(Xc12GraphicProbes, EMF) {
    RunProbeCases({
        {"frame of 2540 by 1270", xgitEMF, EMF({}), TXc12ImageSize{2540, 1270}},
        {"frame away from the origin", xgitEMF,
         EMF({.FrameLeft = -100, .FrameTop = 50, .FrameRight = 100, .FrameBottom = 80}), TXc12ImageSize{200, 30}},
        {"reversed frame", xgitEMF, EMF({.FrameLeft = 100, .FrameRight = 0}), Fails},
        {"frame wider than 31 bits", xgitEMF, EMF({.FrameLeft = -2000000000, .FrameRight = 2000000000}), Fails},
        {"no signature", xgitEMF, EMF({.Signature = 0x20464D45}), Fails},
        {"header record smaller than its fields", xgitEMF, EMF({.RecordSize = 80}), Fails},
        {"header record larger than the file", xgitEMF, EMF({.RecordSize = 132}), Fails},
        {"file size beyond the data", xgitEMF, EMF({.PaddedSize = 127}), Fails},
        {"data shorter than the header's fields", xgitEMF, EMF({.RecordSize = 88, .FileSize = 87, .PaddedSize = 87}),
         Fails},
        {"WMF bytes", xgitEMF, PlaceableWMF(1440, 720, 1440), Fails},
    });
}

TEST(Xc12GraphicProbes, WMF) {
    Bytes truncatedPlaceable = PlaceableWMF(1440, 720, 1440);
    truncatedPlaceable.resize(30);
    RunProbeCases({
        {"placeable, one inch by half an inch", xgitWMF, PlaceableWMF(1440, 720, 1440), TXc12ImageSize{2540, 1270}},
        {"plain metafile gives no size", xgitWMF, WMFHeader(), TXc12ImageSize{0, 0}},
        {"placeable without units per inch", xgitWMF, PlaceableWMF(1440, 720, 0), Fails},
        {"placeable with a reversed box", xgitWMF, PlaceableWMF(-10, 720, 1440), Fails},
        {"placeable cut inside the metafile header", xgitWMF, truncatedPlaceable, Fails},
        {"metafile size beyond the data", xgitWMF, WMFHeader(13), Fails},
        {"metafile size below its header", xgitWMF, WMFHeader(8), Fails},
        {"header of the wrong size", xgitWMF, WMFHeader(12, 10), Fails},
        {"three bytes", xgitWMF, Bytes{0xD7, 0xCD, 0xC6}, Fails},
        {"EMF bytes", xgitWMF, EMF({}), Fails},
    });
}

TEST(Xc12GraphicProbes, TypesWithoutAProbeFail) {
    RunProbeCases({
        {"unknown type", xgitUnknown, Fixture("picture.png"), Fails},
        {"value beyond the types", static_cast<TXc12GraphicImageType>(200), Fixture("picture.png"), Fails},
        {"empty data", xgitJPEG, Bytes{}, Fails},
    });
}

} // namespace
} // namespace xls
