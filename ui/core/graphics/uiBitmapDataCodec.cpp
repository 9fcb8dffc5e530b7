#include "ui/core/graphics/uiBitmapDataCodec.h"

#include "rtl/io/Streams.h"
#include "vcl/graphics/images/Graphic.h"
#include "vcl/graphics/images/ImageLimits.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace ui {

namespace {

constexpr uint8_t CompressedSignature[4] = {'X', 'D', 'B', 'M'};
constexpr uint8_t LiteralRunFlag = 0x80;
constexpr uint8_t RunLengthMask = 0x7F;
// The plain data of the largest image the framework reads: its pixels at 32 bits, with room for the length, the file
// and info headers, the colour masks and a full colour table.
constexpr int64_t MaxPlainDataLength = vcl::MaxImagePixels * 4 + 4096;

[[noreturn]] void FailBitmapData() {
    throw vcl::EInvalidGraphic(vcl::VclMessages::InvalidBitmap);
}

uint32_t ReadUInt32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

void WriteUInt32(uint8_t* bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

// The runs of one compressed body expanded into the plain data, which may not grow past the length it declares in its
// first four bytes.
class TBitmapDataExpander {
public:
    explicit TBitmapDataExpander(std::span<const uint8_t> body) : FBody(body) {}

    std::vector<uint8_t> Expand(uint16_t version) {
        if (version == 2) {
            ReadVerbatimPrefix();
        } else if (version != 1) {
            FailBitmapData();
        }
        while (FAt < FBody.size()) {
            ExpandRun();
        }
        return std::move(FPlain);
    }

private:
    void ReadVerbatimPrefix() {
        const std::span<const uint8_t> prefix = Take(2);
        FBlockSize = prefix[0];
        const uint8_t remainder = prefix[1];
        if (FBlockSize < 1 || FBlockSize > 4 || remainder >= FBlockSize) {
            FailBitmapData();
        }
        Append(Take(remainder), 1);
    }

    void ExpandRun() {
        const uint8_t control = Take(1)[0];
        const size_t count = control & RunLengthMask;
        if (control & LiteralRunFlag) {
            Append(Take(count * FBlockSize), 1);
        } else {
            Append(Take(FBlockSize), count);
        }
    }

    // The next size bytes of the body; a run past its end is damage.
    std::span<const uint8_t> Take(size_t size) {
        if (size > FBody.size() - FAt) {
            FailBitmapData();
        }
        const std::span<const uint8_t> taken = FBody.subspan(FAt, size);
        FAt += size;
        return taken;
    }

    // One run adds at most 125 blocks of 4 bytes, so checking after it bounds what is held.
    void Append(std::span<const uint8_t> bytes, size_t times) {
        for (size_t i = 0; i < times; ++i) {
            FPlain.insert(FPlain.end(), bytes.begin(), bytes.end());
        }
        if (static_cast<int64_t>(FPlain.size()) > PlainLimit()) {
            FailBitmapData();
        }
    }

    // The declared length and the four bytes that declare it, once they are there.
    int64_t PlainLimit() const {
        if (FPlain.size() < 4) {
            return MaxPlainDataLength;
        }
        const int64_t limit = int64_t{4} + static_cast<int32_t>(ReadUInt32(FPlain.data()));
        if (limit < 4 || limit > MaxPlainDataLength) {
            FailBitmapData();
        }
        return limit;
    }

    std::span<const uint8_t> FBody;
    size_t FAt = 0;
    size_t FBlockSize = 1;
    std::vector<uint8_t> FPlain;
};

// How many blocks from first on form a run, and whether it repeats one block.
struct TBitmapDataRun {
    size_t Count;
    bool Repeat;
};

class TBitmapDataRunFinder {
public:
    TBitmapDataRunFinder(std::span<const uint8_t> blocks, size_t blockSize)
        : FBlocks(blocks), FBlockSize(blockSize), FCount(blocks.size() / blockSize) {}

    size_t BlockCount() const { return FCount; }
    std::span<const uint8_t> Block(size_t index) const { return FBlocks.subspan(index * FBlockSize, FBlockSize); }

    TBitmapDataRun RunAt(size_t first) const {
        if (first + 1 < FCount && Same(first, first + 1)) {
            size_t count = 2;
            while (first + count < FCount && count < uiBitmapDataMaxRun && Same(first + count, first)) {
                ++count;
            }
            return {count, true};
        }
        size_t count = 1;
        while (first + count < FCount && count < uiBitmapDataMaxRun && !Same(first + count, first + count - 1)) {
            ++count;
        }
        // A block equal to its predecessor ends the literal run before that predecessor, which starts a repeat.
        if (first + count < FCount && count > 1 && Same(first + count, first + count - 1)) {
            --count;
        }
        return {count, false};
    }

private:
    bool Same(size_t a, size_t b) const { return std::equal(Block(a).begin(), Block(a).end(), Block(b).begin()); }

    std::span<const uint8_t> FBlocks;
    size_t FBlockSize;
    size_t FCount;
};

} // namespace

uint8_t BitmapDataBlockSize(int32_t bitsPerPixel) {
    return static_cast<uint8_t>(std::clamp(bitsPerPixel / 8, 1, 4));
}

std::vector<uint8_t> CompressBitmapData(std::span<const uint8_t> plain, uint8_t blockSize) {
    blockSize = std::clamp<uint8_t>(blockSize, 1, 4);
    const auto remainder = static_cast<uint8_t>(plain.size() % blockSize);
    std::vector<uint8_t> packed;
    // At worst every block is literal: one control byte for each 125 of them.
    packed.reserve(uiBitmapDataHeaderSize + 2 + plain.size() + plain.size() / blockSize / uiBitmapDataMaxRun + 1);
    packed.resize(uiBitmapDataHeaderSize);
    packed.push_back(blockSize);
    packed.push_back(remainder);
    packed.insert(packed.end(), plain.begin(), plain.begin() + remainder);

    const TBitmapDataRunFinder finder(plain.subspan(remainder), blockSize);
    for (size_t first = 0; first < finder.BlockCount();) {
        const TBitmapDataRun run = finder.RunAt(first);
        packed.push_back(static_cast<uint8_t>(run.Count | (run.Repeat ? 0 : LiteralRunFlag)));
        const size_t blocks = run.Repeat ? 1 : run.Count;
        for (size_t i = 0; i < blocks; ++i) {
            const std::span<const uint8_t> block = finder.Block(first + i);
            packed.insert(packed.end(), block.begin(), block.end());
        }
        first += run.Count;
    }

    if (packed.size() - uiBitmapDataHeaderSize > std::numeric_limits<uint32_t>::max()) {
        throw vcl::EInvalidGraphicOperation(vcl::VclMessages::InvalidBitmap);
    }
    WriteUInt32(packed.data(), static_cast<uint32_t>(packed.size() - uiBitmapDataHeaderSize));
    std::memcpy(packed.data() + 4, CompressedSignature, sizeof(CompressedSignature));
    packed[8] = static_cast<uint8_t>(uiBitmapDataVersion);
    packed[9] = static_cast<uint8_t>(uiBitmapDataVersion >> 8);
    return packed;
}

bool IsCompressedBitmapData(std::span<const uint8_t> data) {
    return data.size() >= uiBitmapDataHeaderSize &&
           std::memcmp(data.data() + 4, CompressedSignature, sizeof(CompressedSignature)) == 0;
}

std::vector<uint8_t> DecompressBitmapData(std::span<const uint8_t> data) {
    if (!IsCompressedBitmapData(data)) {
        FailBitmapData();
    }
    const uint32_t size = ReadUInt32(data.data());
    if (size > data.size() - uiBitmapDataHeaderSize) {
        FailBitmapData();
    }
    const auto version = static_cast<uint16_t>(data[8] | data[9] << 8);
    return TBitmapDataExpander(data.subspan(uiBitmapDataHeaderSize, size)).Expand(version);
}

std::optional<std::vector<uint8_t>> ReadCompressedBitmapData(rtl::TStream& stream) {
    const int64_t start = stream.Position();
    const int64_t remaining = stream.Size() - start;
    if (remaining < static_cast<int64_t>(uiBitmapDataHeaderSize)) {
        return std::nullopt;
    }
    std::vector<uint8_t> data(uiBitmapDataHeaderSize);
    stream.ReadBuffer(data.data(), static_cast<int32_t>(data.size()));
    if (!IsCompressedBitmapData(data)) {
        stream.SetPosition(start);
        return std::nullopt;
    }
    const int64_t size = ReadUInt32(data.data());
    if (size > remaining - static_cast<int64_t>(uiBitmapDataHeaderSize) || size > std::numeric_limits<int32_t>::max()) {
        FailBitmapData();
    }
    data.resize(uiBitmapDataHeaderSize + static_cast<size_t>(size));
    stream.ReadBuffer(data.data() + uiBitmapDataHeaderSize, static_cast<int32_t>(size));
    return DecompressBitmapData(data);
}

} // namespace ui
