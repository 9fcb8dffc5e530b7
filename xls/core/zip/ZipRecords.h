#pragma once
// The three fixed-size records of a zip archive (PKWARE APPNOTE 4.3.7, 4.3.12 and 4.3.16) and the constants around
// them. Each record is kept field by field in a plain struct and converted to and from exactly the little-endian byte
// layout of the format, so no code depends on structure packing or the host's byte order. Sizes and offsets are
// 32-bit: ZIP64 archives are not supported.

#include <array>
#include <cstdint>

namespace xls {

inline constexpr uint32_t LocalFileSignature = 0x04034B50;            // "PK", 3, 4
inline constexpr uint32_t CentralDirectoryFileSignature = 0x02014B50; // "PK", 1, 2
inline constexpr uint32_t EndOfCentralDirSignature = 0x06054B50;      // "PK", 5, 6
inline constexpr uint32_t DataDescriptorSignature = 0x08074B50;       // "PK", 7, 8 (optional, APPNOTE 4.3.9.3)

inline constexpr int32_t LocalFileSize = 30;
inline constexpr int32_t CentralDirectoryFileSize = 46;
inline constexpr int32_t EndOfCentralDirSize = 22;

inline constexpr uint16_t ZipMethodStored = 0;
inline constexpr uint16_t ZipMethodDeflated = 8;
inline constexpr uint16_t ZipMethodDeflate64 = 9;

// General-purpose flag bits (APPNOTE 4.4.4).
inline constexpr uint16_t ZipFlagEncrypted = 0x0001;
inline constexpr uint16_t ZipFlagDataDescriptor = 0x0008;
inline constexpr uint16_t ZipFlagUtf8Name = 0x0800;

// External attributes in the MS-DOS byte: directory and archive.
inline constexpr uint32_t ZipAttributeDirectory = 0x10;
inline constexpr uint32_t ZipAttributeArchive = 0x20;

// What this library writes as "version made by" and "version needed": 2.0, the first with deflate.
inline constexpr uint16_t ZipVersion20 = 20;

// The largest value of the 32-bit size and offset fields and of the 16-bit entry counts.
inline constexpr uint64_t ZipMaxSize = UINT32_MAX;
inline constexpr int32_t ZipMaxEntries = UINT16_MAX;

// Local file header, followed in the archive by the name and the extra field, then the entry's data.
struct TLocalFile {
    uint32_t Signature = LocalFileSignature;
    uint16_t VersionNeeded = 0;
    uint16_t Flags = 0;
    uint16_t Method = 0;
    uint32_t DosDateTime = 0; // date in the high word, time in the low word
    uint32_t Crc32 = 0;
    uint32_t CompressedSize = 0;
    uint32_t UncompressedSize = 0;
    uint16_t FileNameLength = 0;
    uint16_t ExtraFieldLength = 0;
};

// Central directory file header, followed by the name, the extra field and the comment.
struct TCentralDirectoryFile {
    uint32_t Signature = CentralDirectoryFileSignature;
    uint16_t VersionMadeBy = 0;
    uint16_t VersionNeeded = 0;
    uint16_t Flags = 0;
    uint16_t Method = 0;
    uint32_t DosDateTime = 0;
    uint32_t Crc32 = 0;
    uint32_t CompressedSize = 0;
    uint32_t UncompressedSize = 0;
    uint16_t FileNameLength = 0;
    uint16_t ExtraFieldLength = 0;
    uint16_t FileCommentLength = 0;
    uint16_t DiskNumberStart = 0;
    uint16_t InternalAttributes = 0;
    uint32_t ExternalAttributes = 0;
    uint32_t LocalHeaderOffset = 0;
};

// End of central directory record, followed by the archive comment.
struct TEndOfCentralDir {
    uint32_t Signature = EndOfCentralDirSignature;
    uint16_t DiskNumber = 0;
    uint16_t CentralDirDisk = 0;
    uint16_t EntriesOnDisk = 0;
    uint16_t TotalEntries = 0;
    uint32_t CentralDirSize = 0;
    uint32_t CentralDirOffset = 0;
    uint16_t CommentLength = 0;
};

// Decoding takes the signature as it stands; callers compare it with the expected one.
TLocalFile DecodeLocalFile(const std::array<uint8_t, LocalFileSize>& bytes);
TCentralDirectoryFile DecodeCentralDirectoryFile(const std::array<uint8_t, CentralDirectoryFileSize>& bytes);
TEndOfCentralDir DecodeEndOfCentralDir(const std::array<uint8_t, EndOfCentralDirSize>& bytes);

std::array<uint8_t, LocalFileSize> EncodeLocalFile(const TLocalFile& record);
std::array<uint8_t, CentralDirectoryFileSize> EncodeCentralDirectoryFile(const TCentralDirectoryFile& record);
std::array<uint8_t, EndOfCentralDirSize> EncodeEndOfCentralDir(const TEndOfCentralDir& record);

// The 32-bit little-endian value at bytes.
uint32_t ReadUInt32LE(const uint8_t* bytes);

} // namespace xls
