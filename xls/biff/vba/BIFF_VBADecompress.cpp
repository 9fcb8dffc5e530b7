// The decompression of MS-OVBA 2.4.1: a signature byte, then chunks, each with a 16-bit header (its size less 3 in
// bits 0-11, the signature 3 in bits 12-14, and in bit 15 whether it is compressed) and at most 4096 bytes of
// output. A compressed chunk is groups of a flag byte and eight tokens: a literal byte, or a copy token that repeats
// bytes the chunk has already given, its split between offset and length depending on how many it has given.

#include "rtl/text/Format.h"
#include "xls/biff/BIFF_Limits.h"
#include "xls/biff/BIFF_Messages.h"
#include "xls/biff/stream/BIFF_Bytes.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/biff/vba/BIFF_VBA.h"

#include <algorithm>
#include <bit>

namespace xls {

namespace {

constexpr uint8_t ContainerSignature = 0x01;
constexpr size_t ChunkOutputSize = 4096;
constexpr uint16_t ChunkSizeMask = 0x0FFF;
constexpr int32_t ChunkSizeBias = 3;
constexpr uint16_t ChunkSignatureMask = 0x7000;
constexpr uint16_t ChunkSignature = 0x3000;
constexpr uint16_t ChunkCompressed = 0x8000;
constexpr int32_t CopyLengthBias = 3;
constexpr int32_t MinOffsetBits = 4;

// Decompresses one chunk's tokens, from at to end, appending to output.
class TChunkDecompressor {
public:
    TChunkDecompressor(std::span<const uint8_t> data, std::vector<uint8_t>& output)
        : FData(data), FOutput(output), FChunkStart(output.size()) {}

    void Run(size_t at, size_t end) {
        while (at < end) {
            const uint8_t flags = FData[at++];
            for (int32_t bit = 0; bit < 8 && at < end; ++bit) {
                if ((flags >> bit & 1) == 0) {
                    Append(at, FData[at]);
                    ++at;
                } else if (at + 2 <= end) {
                    Copy(at, LoadUInt16LE(&FData[at]));
                    at += 2;
                } else {
                    at = end;
                }
            }
        }
    }

private:
    size_t Given() const { return FOutput.size() - FChunkStart; }

    void Append(size_t at, uint8_t byte) {
        if (Given() >= ChunkOutputSize) {
            throw EBIFFError(rtl::Format(BIFFMessages::VBAChunkTooLong, {static_cast<int64_t>(at)}));
        }
        FOutput.push_back(byte);
    }

    void Copy(size_t at, uint16_t token) {
        // The offset takes as many bits as the output so far needs (at least 4), the length the rest.
        const int32_t offsetBits =
            std::max(MinOffsetBits, static_cast<int32_t>(std::bit_width(std::max<size_t>(Given(), 1) - 1)));
        const uint16_t lengthMask = static_cast<uint16_t>(0xFFFF >> offsetBits);
        const size_t length = static_cast<size_t>((token & lengthMask) + CopyLengthBias);
        const size_t offset = static_cast<size_t>((token >> (16 - offsetBits)) + 1);
        if (offset > Given()) {
            throw EBIFFError(
                rtl::Format(BIFFMessages::VBACopyBeforeOutput,
                            {static_cast<int64_t>(at), static_cast<int64_t>(offset), static_cast<int64_t>(Given())}));
        }
        for (size_t i = 0; i < length; ++i) {
            Append(at, FOutput[FOutput.size() - offset]);
        }
    }

    std::span<const uint8_t> FData;
    std::vector<uint8_t>& FOutput;
    size_t FChunkStart;
};

} // namespace

std::vector<uint8_t> TXLSVBA::Decompress(std::span<const uint8_t> data, size_t start) {
    std::vector<uint8_t> output;
    if (start >= data.size()) {
        return output;
    }
    if (data[start] != ContainerSignature) {
        throw EBIFFError(rtl::Format(BIFFMessages::VBACompressedSignature, {static_cast<int64_t>(start)}));
    }
    size_t at = start + 1;
    while (at + 2 <= data.size()) {
        const uint16_t header = LoadUInt16LE(&data[at]);
        if ((header & ChunkSignatureMask) != ChunkSignature) {
            throw EBIFFError(rtl::Format(BIFFMessages::VBAChunkHeader, {header, static_cast<int64_t>(at)}));
        }
        // A chunk ends where its size says or with the data, whichever comes first.
        const size_t end = std::min(data.size(), at + (header & ChunkSizeMask) + ChunkSizeBias);
        if ((header & ChunkCompressed) == 0) {
            if (end - at - 2 < ChunkOutputSize) {
                throw EBIFFError(rtl::Format(BIFFMessages::VBARawChunkShort,
                                             {static_cast<int64_t>(at), static_cast<int64_t>(end - at - 2)}));
            }
            output.insert(output.end(), data.begin() + static_cast<std::ptrdiff_t>(at + 2),
                          data.begin() + static_cast<std::ptrdiff_t>(at + 2 + ChunkOutputSize));
        } else {
            TChunkDecompressor(data, output).Run(at + 2, end);
        }
        if (output.size() > static_cast<size_t>(VBAMaxDecompressedSize)) {
            throw EBIFFError(rtl::Format(BIFFMessages::VBATooLarge, {VBAMaxDecompressedSize}));
        }
        at = end;
    }
    return output;
}

} // namespace xls
