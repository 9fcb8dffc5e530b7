#pragma once
// A small compound-document (MS-CFB) writer for the BIFF tests: it lays out storages and streams with 512- or
// 4096-byte sectors (version 3 or 4), mini streams under 4096 bytes, DIFAT sectors once the header's 109 FAT entries
// are not enough, and sibling trees ordered as MS-CFB orders them. The layout it reports lets a test damage the
// document on purpose: loop a chain, point outside the file, cycle the directory.

#include "xls/biff/stream/BIFF_ExtraObjects.h"

#include <cstdint>
#include <vector>

namespace xls::test {

// One storage or stream of a document to write, inside the storage Parent (an index into the element list, or -1
// for the root); a storage comes before the elements inside it, as in the copy the reader keeps.
using TCompoundElement = TExtraObject;

// Where the writer put the parts of a document. Directory entry 0 is the root, entry i + 1 the element i.
struct TCompoundLayout {
    uint32_t SectorSize = 0;
    std::vector<uint32_t> FATSectors;
    std::vector<uint32_t> DIFATSectors;
    std::vector<uint32_t> DirectorySectors;
    // The first sector of each directory entry's stream (the root's: the mini stream's), in FAT or mini FAT sectors.
    std::vector<uint32_t> StartSectors;
};

// Special sector numbers of MS-CFB 2.1.
inline constexpr uint32_t CompoundEndOfChain = 0xFFFFFFFE;
inline constexpr uint32_t CompoundNoStream = 0xFFFFFFFF;

// Offsets of fields inside a directory entry (MS-CFB 2.6).
inline constexpr uint32_t DirectoryLeftSibling = 68;
inline constexpr uint32_t DirectoryRightSibling = 72;
inline constexpr uint32_t DirectoryChild = 76;
inline constexpr uint32_t DirectoryStartSector = 116;
inline constexpr uint32_t DirectoryStreamSize = 120;

// The bytes of a document holding elements, with sectorSize 512 or 4096.
std::vector<uint8_t> WriteCompoundFile(const std::vector<TCompoundElement>& elements, uint32_t sectorSize = 512,
                                       TCompoundLayout* layout = nullptr);

// Byte offset of a sector in the file.
size_t SectorOffset(const TCompoundLayout& layout, uint32_t sector);
// The FAT's entry for sector.
void SetFATEntry(std::vector<uint8_t>& file, const TCompoundLayout& layout, uint32_t sector, uint32_t next);
// A 32-bit field (at one of the Directory... offsets) of directory entry index.
void SetDirectoryField(std::vector<uint8_t>& file, const TCompoundLayout& layout, int32_t entry, uint32_t offset,
                       uint32_t value);
// A 32-bit field of the header.
void SetHeaderField(std::vector<uint8_t>& file, uint32_t offset, uint32_t value);

} // namespace xls::test
