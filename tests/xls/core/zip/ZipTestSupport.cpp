#include "ZipTestSupport.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/StringUtils.h"
#include "tests/support/TestSupport.h"

#include <stdexcept>
#include <zlib.h>

namespace xls::test {

namespace {

std::string Deflate(std::string_view data, int windowBits) {
    z_stream z{};
    if (deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
        throw std::runtime_error("deflateInit2");
    }
    std::string out(deflateBound(&z, static_cast<uLong>(data.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    if (result != Z_STREAM_END) {
        throw std::runtime_error("deflate");
    }
    return out;
}

void Put16(std::string& out, uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// The fields shared by the local and the central header, from "version needed" to "extra length".
void PutCommonFields(std::string& out, const TTestEntry& entry, uint32_t crc, uint32_t compressed,
                     uint32_t uncompressed) {
    Put16(out, 20);
    Put16(out, entry.Flags);
    Put16(out, entry.Method);
    Put32(out, entry.DosDateTime);
    Put32(out, crc);
    Put32(out, compressed);
    Put32(out, uncompressed);
    Put16(out, static_cast<uint32_t>(entry.Name.size()));
    Put16(out, 0);
}

} // namespace

std::string RawDeflate(std::string_view data) {
    return Deflate(data, -15);
}

std::string ZlibCompress(std::string_view data) {
    return Deflate(data, 15);
}

uint32_t Crc32(std::string_view data) {
    return static_cast<uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

std::string NoiseBytes(size_t size, uint32_t seed) {
    std::string bytes(size, '\0');
    uint32_t state = seed;
    for (char& byte : bytes) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<char>(state >> 24);
    }
    return bytes;
}

TTestArchive BuildArchive(const std::vector<TTestEntry>& entries, const TTestArchiveOptions& options) {
    TTestArchive archive;
    std::string central;
    for (const TTestEntry& entry : entries) {
        std::string stored = entry.Method == 8 ? RawDeflate(entry.Data) : entry.Data;
        if (entry.FlipByte) {
            stored.at(*entry.FlipByte) ^= 0x01;
        }
        const uint32_t crc = entry.Crc.value_or(Crc32(entry.Data));
        const uint32_t compressed = entry.CompressedSize.value_or(static_cast<uint32_t>(stored.size()));
        const uint32_t uncompressed = entry.UncompressedSize.value_or(static_cast<uint32_t>(entry.Data.size()));
        const bool descriptor = (entry.Flags & 0x0008) != 0;
        const auto offset = static_cast<uint32_t>(archive.Bytes.size());
        archive.LocalHeaderOffsets.push_back(offset);

        std::string& out = archive.Bytes;
        Put32(out, 0x04034B50);
        PutCommonFields(out, entry, descriptor ? 0 : crc, descriptor ? 0 : compressed, descriptor ? 0 : uncompressed);
        out += entry.Name;
        out += stored;
        if (descriptor) {
            if (entry.DescriptorSignature) {
                Put32(out, 0x08074B50);
            }
            Put32(out, crc);
            Put32(out, compressed);
            Put32(out, uncompressed);
        }

        Put32(central, 0x02014B50);
        Put16(central, 20);
        PutCommonFields(central, entry, crc, compressed, uncompressed);
        Put16(central, 0); // comment length
        Put16(central, 0); // disk
        Put16(central, 0); // internal attributes
        Put32(central, entry.ExternalAttributes);
        Put32(central, offset);
        central += entry.Name;
    }
    archive.CentralDirOffset = archive.Bytes.size();
    if (!options.CentralDirectory) {
        return archive;
    }
    archive.Bytes += central;
    std::string& out = archive.Bytes;
    const auto count = options.EntryCount.value_or(static_cast<uint16_t>(entries.size()));
    Put32(out, 0x06054B50);
    Put16(out, 0);
    Put16(out, 0);
    Put16(out, count);
    Put16(out, count);
    Put32(out, static_cast<uint32_t>(central.size()));
    Put32(out, options.CentralDirOffset.value_or(static_cast<uint32_t>(archive.CentralDirOffset)));
    Put16(out, static_cast<uint32_t>(options.Comment.size()));
    out += options.Comment;
    return archive;
}

std::unique_ptr<rtl::TMemoryStream> StreamOf(std::string_view bytes) {
    auto stream = std::make_unique<rtl::TMemoryStream>();
    stream->WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    stream->SetPosition(0);
    return stream;
}

std::string ContentOf(rtl::TCustomMemoryStream& stream) {
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

std::string ReadAll(rtl::TStream& stream, int32_t pieceSize) {
    std::string result;
    std::string piece(static_cast<size_t>(pieceSize), '\0');
    while (const int32_t count = stream.Read(piece.data(), pieceSize)) {
        result.append(piece, 0, static_cast<size_t>(count));
    }
    return result;
}

void WriteAll(rtl::TStream& stream, std::string_view data) {
    stream.WriteBuffer(data.data(), static_cast<int32_t>(data.size()));
}

std::string FixtureBytes(std::string_view name) {
    rtl::TMemoryStream stream;
    stream.LoadFromFile(test_support::DataPath("zip/" + std::string(name)));
    return ContentOf(stream);
}

} // namespace xls::test
