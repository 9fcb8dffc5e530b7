#pragma once
// Test support for the zip layer: archives assembled byte by byte from a description (so malformed ones can be made
// on purpose), deflate data made with zlib directly, and stream helpers. Nothing here uses the code under test.

#include "rtl/io/Streams.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xls::test {

std::string RawDeflate(std::string_view data);
std::string ZlibCompress(std::string_view data);
uint32_t Crc32(std::string_view data);
// Bytes that do not compress, the same on every run.
std::string NoiseBytes(size_t size, uint32_t seed = 1);

// One member of an archive to build. The overrides replace what the member's data would give in both headers.
struct TTestEntry {
    std::string Name;
    std::string Data;
    uint16_t Method = 8; // 0 stored, 8 deflated (the data is deflated here), others: Data written as it is
    uint16_t Flags = 0;
    uint32_t DosDateTime = 0x58654A8F; // 2024-03-05 09:20:30
    uint32_t ExternalAttributes = 0x20;
    std::optional<uint32_t> Crc;
    std::optional<uint32_t> CompressedSize;
    std::optional<uint32_t> UncompressedSize;
    // With flag bit 3: the local header carries zeros and a data descriptor follows the data.
    bool DescriptorSignature = true;
    // Applied to the stored bytes of the data after compression: flips the byte at this offset.
    std::optional<size_t> FlipByte;
};

struct TTestArchive {
    std::string Bytes;
    std::vector<size_t> LocalHeaderOffsets;
    size_t CentralDirOffset = 0;
};

struct TTestArchiveOptions {
    bool CentralDirectory = true;
    std::string Comment;
    // Replace fields of the end-of-central-directory record.
    std::optional<uint16_t> EntryCount;
    std::optional<uint32_t> CentralDirOffset;
};

TTestArchive BuildArchive(const std::vector<TTestEntry>& entries, const TTestArchiveOptions& options = {});

std::unique_ptr<rtl::TMemoryStream> StreamOf(std::string_view bytes);
std::string ContentOf(rtl::TCustomMemoryStream& stream);
// Reads the stream to its end in pieces of the given size.
std::string ReadAll(rtl::TStream& stream, int32_t pieceSize = 4096);
void WriteAll(rtl::TStream& stream, std::string_view data);
std::string FixtureBytes(std::string_view name);

} // namespace xls::test
