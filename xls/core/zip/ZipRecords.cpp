#include "xls/core/zip/ZipRecords.h"

#include <cstddef>

namespace xls {

namespace {

// Reads consecutive little-endian fields from a record's bytes.
class TFieldDecoder {
public:
    explicit TFieldDecoder(const uint8_t* bytes) : FBytes(bytes) {}

    void operator()(uint16_t& field) {
        field = static_cast<uint16_t>(FBytes[FOffset] | FBytes[FOffset + 1] << 8);
        FOffset += 2;
    }
    void operator()(uint32_t& field) {
        field = ReadUInt32LE(FBytes + FOffset);
        FOffset += 4;
    }

private:
    const uint8_t* FBytes;
    size_t FOffset = 0;
};

// Writes consecutive little-endian fields into a record's bytes.
class TFieldEncoder {
public:
    explicit TFieldEncoder(uint8_t* bytes) : FBytes(bytes) {}

    void operator()(uint16_t field) { Put(field, 2); }
    void operator()(uint32_t field) { Put(field, 4); }

private:
    void Put(uint32_t value, int32_t size) {
        for (int32_t i = 0; i < size; ++i) {
            FBytes[FOffset++] = static_cast<uint8_t>(value >> (8 * i));
        }
    }

    uint8_t* FBytes;
    size_t FOffset = 0;
};

// Each record's fields in their order in the file; one list serves both directions.
template <class TVisitor>
void VisitFields(TLocalFile& r, TVisitor&& visit) {
    visit(r.Signature);
    visit(r.VersionNeeded);
    visit(r.Flags);
    visit(r.Method);
    visit(r.DosDateTime);
    visit(r.Crc32);
    visit(r.CompressedSize);
    visit(r.UncompressedSize);
    visit(r.FileNameLength);
    visit(r.ExtraFieldLength);
}

template <class TVisitor>
void VisitFields(TCentralDirectoryFile& r, TVisitor&& visit) {
    visit(r.Signature);
    visit(r.VersionMadeBy);
    visit(r.VersionNeeded);
    visit(r.Flags);
    visit(r.Method);
    visit(r.DosDateTime);
    visit(r.Crc32);
    visit(r.CompressedSize);
    visit(r.UncompressedSize);
    visit(r.FileNameLength);
    visit(r.ExtraFieldLength);
    visit(r.FileCommentLength);
    visit(r.DiskNumberStart);
    visit(r.InternalAttributes);
    visit(r.ExternalAttributes);
    visit(r.LocalHeaderOffset);
}

template <class TVisitor>
void VisitFields(TEndOfCentralDir& r, TVisitor&& visit) {
    visit(r.Signature);
    visit(r.DiskNumber);
    visit(r.CentralDirDisk);
    visit(r.EntriesOnDisk);
    visit(r.TotalEntries);
    visit(r.CentralDirSize);
    visit(r.CentralDirOffset);
    visit(r.CommentLength);
}

template <class TRecord, size_t Size>
TRecord Decode(const std::array<uint8_t, Size>& bytes) {
    TRecord record;
    VisitFields(record, TFieldDecoder(bytes.data()));
    return record;
}

template <class TRecord, size_t Size>
std::array<uint8_t, Size> Encode(TRecord record) {
    std::array<uint8_t, Size> bytes{};
    VisitFields(record, TFieldEncoder(bytes.data()));
    return bytes;
}

} // namespace

uint32_t ReadUInt32LE(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

TLocalFile DecodeLocalFile(const std::array<uint8_t, LocalFileSize>& bytes) {
    return Decode<TLocalFile>(bytes);
}

TCentralDirectoryFile DecodeCentralDirectoryFile(const std::array<uint8_t, CentralDirectoryFileSize>& bytes) {
    return Decode<TCentralDirectoryFile>(bytes);
}

TEndOfCentralDir DecodeEndOfCentralDir(const std::array<uint8_t, EndOfCentralDirSize>& bytes) {
    return Decode<TEndOfCentralDir>(bytes);
}

std::array<uint8_t, LocalFileSize> EncodeLocalFile(const TLocalFile& record) {
    return Encode<TLocalFile, LocalFileSize>(record);
}

std::array<uint8_t, CentralDirectoryFileSize> EncodeCentralDirectoryFile(const TCentralDirectoryFile& record) {
    return Encode<TCentralDirectoryFile, CentralDirectoryFileSize>(record);
}

std::array<uint8_t, EndOfCentralDirSize> EncodeEndOfCentralDir(const TEndOfCentralDir& record) {
    return Encode<TEndOfCentralDir, EndOfCentralDirSize>(record);
}

} // namespace xls
