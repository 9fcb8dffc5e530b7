#include "tests/xls/biff/CompoundFileWriter.h"

#include "rtl/text/StringUtils.h"
#include "xls/biff/stream/BIFF_Bytes.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace xls::test {

namespace {

constexpr uint32_t FATSector = 0xFFFFFFFD;
constexpr uint32_t DIFATSector = 0xFFFFFFFC;
constexpr uint32_t FreeSector = 0xFFFFFFFF;
constexpr uint32_t MiniSectorSize = 64;
constexpr uint32_t MiniStreamCutoff = 4096;
constexpr uint32_t EntrySize = 128;
constexpr uint32_t HeaderDIFATCount = 109;
constexpr std::array<uint8_t, 8> Signature = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

uint32_t UnitsFor(size_t bytes, uint32_t unit) {
    return static_cast<uint32_t>((bytes + unit - 1) / unit);
}

// Appends a chain of count sectors starting at first to a FAT (or mini FAT); gives its first sector.
uint32_t AppendChain(std::vector<uint32_t>& table, uint32_t first, uint32_t count) {
    if (count == 0) {
        return CompoundEndOfChain;
    }
    table.resize(std::max<size_t>(table.size(), first + count), FreeSector);
    for (uint32_t i = 0; i < count; ++i) {
        table[first + i] = i + 1 < count ? first + i + 1 : CompoundEndOfChain;
    }
    return first;
}

// MS-CFB orders siblings by name length, then by upper-cased name.
bool SiblingBefore(const std::u16string& a, const std::u16string& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    return rtl::WideUpperCase(a) < rtl::WideUpperCase(b);
}

struct TEntryLinks {
    uint32_t Left = CompoundNoStream;
    uint32_t Right = CompoundNoStream;
    uint32_t Child = CompoundNoStream;
};

// Links the sorted siblings [first, last) as a balanced binary tree; gives its top entry.
uint32_t LinkSiblings(const std::vector<uint32_t>& siblings, size_t first, size_t last,
                      std::vector<TEntryLinks>& links) {
    if (first >= last) {
        return CompoundNoStream;
    }
    const size_t middle = first + (last - first) / 2;
    const uint32_t top = siblings[middle];
    links[top].Left = LinkSiblings(siblings, first, middle, links);
    links[top].Right = LinkSiblings(siblings, middle + 1, last, links);
    return top;
}

std::vector<TEntryLinks> LinkDirectory(const std::vector<TCompoundElement>& elements) {
    std::vector<TEntryLinks> links(elements.size() + 1);
    std::vector<std::vector<uint32_t>> children(elements.size() + 1);
    for (size_t i = 0; i < elements.size(); ++i) {
        children[static_cast<size_t>(elements[i].Parent + 1)].push_back(static_cast<uint32_t>(i + 1));
    }
    for (size_t storage = 0; storage < children.size(); ++storage) {
        std::vector<uint32_t>& siblings = children[storage];
        std::sort(siblings.begin(), siblings.end(),
                  [&](uint32_t a, uint32_t b) { return SiblingBefore(elements[a - 1].Name, elements[b - 1].Name); });
        links[storage].Child = LinkSiblings(siblings, 0, siblings.size(), links);
    }
    return links;
}

void PutDirectoryEntry(uint8_t* entry, const std::u16string& name, uint8_t type, const TEntryLinks& links,
                       uint32_t start, uint64_t size) {
    for (size_t i = 0; i < name.size(); ++i) {
        StoreUInt16LE(entry + 2 * i, name[i]);
    }
    StoreUInt16LE(entry + 64, static_cast<uint16_t>((name.size() + 1) * 2));
    entry[66] = type;
    entry[67] = 1; // black
    StoreUInt32LE(entry + DirectoryLeftSibling, links.Left);
    StoreUInt32LE(entry + DirectoryRightSibling, links.Right);
    StoreUInt32LE(entry + DirectoryChild, links.Child);
    StoreUInt32LE(entry + DirectoryStartSector, start);
    StoreUInt32LE(entry + DirectoryStreamSize, static_cast<uint32_t>(size));
    StoreUInt32LE(entry + DirectoryStreamSize + 4, static_cast<uint32_t>(size >> 32));
}

} // namespace

std::vector<uint8_t> WriteCompoundFile(const std::vector<TCompoundElement>& elements, uint32_t sectorSize,
                                       TCompoundLayout* layout) {
    const uint32_t entriesPerSector = sectorSize / 4;
    const auto entryCount = static_cast<uint32_t>(elements.size() + 1);

    // The mini stream holds the small streams, each in whole mini sectors.
    std::vector<uint8_t> miniStream;
    std::vector<uint32_t> miniFAT;
    std::vector<uint32_t> starts(entryCount, CompoundEndOfChain);
    for (size_t i = 0; i < elements.size(); ++i) {
        const std::vector<uint8_t>& data = elements[i].Data;
        if (elements[i].IsStorage || data.empty() || data.size() >= MiniStreamCutoff) {
            continue;
        }
        const uint32_t first = UnitsFor(miniStream.size(), MiniSectorSize);
        starts[i + 1] = AppendChain(miniFAT, first, UnitsFor(data.size(), MiniSectorSize));
        miniStream.insert(miniStream.end(), data.begin(), data.end());
        miniStream.resize(static_cast<size_t>(UnitsFor(miniStream.size(), MiniSectorSize)) * MiniSectorSize);
    }

    // Sectors after the FAT and DIFAT: directory, mini FAT, mini stream, then the large streams.
    const uint32_t directorySectors = UnitsFor(size_t{entryCount} * EntrySize, sectorSize);
    const uint32_t miniFATSectors = UnitsFor(miniFAT.size() * 4, sectorSize);
    const uint32_t miniStreamSectors = UnitsFor(miniStream.size(), sectorSize);
    uint32_t dataSectors = directorySectors + miniFATSectors + miniStreamSectors;
    for (const TCompoundElement& element : elements) {
        if (!element.IsStorage && element.Data.size() >= MiniStreamCutoff) {
            dataSectors += UnitsFor(element.Data.size(), sectorSize);
        }
    }
    uint32_t fatSectors = 1;
    uint32_t difatSectors = 0;
    for (;;) {
        difatSectors =
            fatSectors > HeaderDIFATCount ? UnitsFor(fatSectors - HeaderDIFATCount, entriesPerSector - 1) : 0;
        if (size_t{fatSectors} * entriesPerSector >= size_t{fatSectors} + difatSectors + dataSectors) {
            break;
        }
        ++fatSectors;
    }

    TCompoundLayout placed;
    placed.SectorSize = sectorSize;
    std::vector<uint32_t> fat;
    uint32_t next = 0;
    for (uint32_t i = 0; i < fatSectors; ++i, ++next) {
        placed.FATSectors.push_back(next);
    }
    for (uint32_t i = 0; i < difatSectors; ++i, ++next) {
        placed.DIFATSectors.push_back(next);
    }
    fat.assign(next, FreeSector);
    for (const uint32_t sector : placed.FATSectors) {
        fat[sector] = FATSector;
    }
    for (const uint32_t sector : placed.DIFATSectors) {
        fat[sector] = DIFATSector;
    }
    const uint32_t firstDirectory = AppendChain(fat, next, directorySectors);
    for (uint32_t i = 0; i < directorySectors; ++i) {
        placed.DirectorySectors.push_back(next++);
    }
    const uint32_t firstMiniFAT = AppendChain(fat, next, miniFATSectors);
    next += miniFATSectors;
    starts[0] = AppendChain(fat, next, miniStreamSectors);
    const uint32_t miniStreamStart = next;
    next += miniStreamSectors;
    for (size_t i = 0; i < elements.size(); ++i) {
        const size_t size = elements[i].Data.size();
        if (!elements[i].IsStorage && size >= MiniStreamCutoff) {
            starts[i + 1] = AppendChain(fat, next, UnitsFor(size, sectorSize));
            next += UnitsFor(size, sectorSize);
        }
    }
    placed.StartSectors = starts;

    std::vector<uint8_t> file(size_t{next + 1} * sectorSize, 0);
    const auto sector = [&](uint32_t index) { return file.data() + SectorOffset(placed, index); };

    // Header (MS-CFB 2.2).
    std::copy(Signature.begin(), Signature.end(), file.begin());
    StoreUInt16LE(&file[24], 0x003E);
    StoreUInt16LE(&file[26], sectorSize == 512 ? 3 : 4);
    StoreUInt16LE(&file[28], 0xFFFE);
    StoreUInt16LE(&file[30], sectorSize == 512 ? 9 : 12);
    StoreUInt16LE(&file[32], 6);
    StoreUInt32LE(&file[40], sectorSize == 512 ? 0 : directorySectors);
    StoreUInt32LE(&file[44], fatSectors);
    StoreUInt32LE(&file[48], firstDirectory);
    StoreUInt32LE(&file[56], MiniStreamCutoff);
    StoreUInt32LE(&file[60], firstMiniFAT);
    StoreUInt32LE(&file[64], miniFATSectors);
    StoreUInt32LE(&file[68], difatSectors > 0 ? placed.DIFATSectors[0] : CompoundEndOfChain);
    StoreUInt32LE(&file[72], difatSectors);
    for (uint32_t i = 0; i < HeaderDIFATCount; ++i) {
        StoreUInt32LE(&file[76 + 4 * i], i < fatSectors ? placed.FATSectors[i] : FreeSector);
    }

    // DIFAT sectors: the FAT sectors beyond the header's, each sector's last entry naming the next DIFAT sector.
    for (uint32_t d = 0; d < difatSectors; ++d) {
        uint8_t* bytes = sector(placed.DIFATSectors[d]);
        for (uint32_t i = 0; i + 1 < entriesPerSector; ++i) {
            const size_t fatIndex = HeaderDIFATCount + size_t{d} * (entriesPerSector - 1) + i;
            StoreUInt32LE(bytes + 4 * i, fatIndex < fatSectors ? placed.FATSectors[fatIndex] : FreeSector);
        }
        const uint32_t following = d + 1 < difatSectors ? placed.DIFATSectors[d + 1] : CompoundEndOfChain;
        StoreUInt32LE(bytes + sectorSize - 4, following);
    }

    fat.resize(size_t{fatSectors} * entriesPerSector, FreeSector);
    for (uint32_t i = 0; i < fatSectors; ++i) {
        for (uint32_t j = 0; j < entriesPerSector; ++j) {
            StoreUInt32LE(sector(placed.FATSectors[i]) + 4 * j, fat[size_t{i} * entriesPerSector + j]);
        }
    }

    // Directory: the root, then one entry per element; the last sector's unused entries are left free.
    std::vector<uint8_t> directory(size_t{directorySectors} * sectorSize, 0);
    for (size_t offset = 0; offset < directory.size(); offset += EntrySize) {
        StoreUInt32LE(&directory[offset + DirectoryLeftSibling], CompoundNoStream);
        StoreUInt32LE(&directory[offset + DirectoryRightSibling], CompoundNoStream);
        StoreUInt32LE(&directory[offset + DirectoryChild], CompoundNoStream);
    }
    const std::vector<TEntryLinks> links = LinkDirectory(elements);
    PutDirectoryEntry(&directory[0], u"Root Entry", 5, links[0], starts[0], miniStream.size());
    for (size_t i = 0; i < elements.size(); ++i) {
        const TCompoundElement& element = elements[i];
        PutDirectoryEntry(&directory[(i + 1) * EntrySize], element.Name, element.IsStorage ? 1 : 2, links[i + 1],
                          element.IsStorage ? 0 : starts[i + 1], element.IsStorage ? 0 : element.Data.size());
    }
    for (uint32_t i = 0; i < directorySectors; ++i) {
        std::memcpy(sector(placed.DirectorySectors[i]), &directory[size_t{i} * sectorSize], sectorSize);
    }

    miniFAT.resize(size_t{miniFATSectors} * entriesPerSector, FreeSector);
    for (size_t i = 0; i < miniFAT.size(); ++i) {
        StoreUInt32LE(sector(firstMiniFAT + static_cast<uint32_t>(i / entriesPerSector)) + 4 * (i % entriesPerSector),
                      miniFAT[i]);
    }
    if (!miniStream.empty()) {
        std::memcpy(sector(miniStreamStart), miniStream.data(), miniStream.size());
    }
    for (size_t i = 0; i < elements.size(); ++i) {
        const std::vector<uint8_t>& data = elements[i].Data;
        if (!elements[i].IsStorage && data.size() >= MiniStreamCutoff) {
            std::memcpy(sector(starts[i + 1]), data.data(), data.size());
        }
    }
    if (layout != nullptr) {
        *layout = placed;
    }
    return file;
}

size_t SectorOffset(const TCompoundLayout& layout, uint32_t sector) {
    return (size_t{sector} + 1) * layout.SectorSize;
}

void SetFATEntry(std::vector<uint8_t>& file, const TCompoundLayout& layout, uint32_t sector, uint32_t next) {
    const uint32_t perSector = layout.SectorSize / 4;
    const uint32_t fatSector = layout.FATSectors[sector / perSector];
    StoreUInt32LE(&file[SectorOffset(layout, fatSector) + 4 * (sector % perSector)], next);
}

void SetDirectoryField(std::vector<uint8_t>& file, const TCompoundLayout& layout, int32_t entry, uint32_t offset,
                       uint32_t value) {
    const uint32_t perSector = layout.SectorSize / EntrySize;
    const uint32_t directorySector = layout.DirectorySectors[static_cast<uint32_t>(entry) / perSector];
    const size_t position =
        SectorOffset(layout, directorySector) + (static_cast<uint32_t>(entry) % perSector) * EntrySize + offset;
    StoreUInt32LE(&file[position], value);
}

void SetHeaderField(std::vector<uint8_t>& file, uint32_t offset, uint32_t value) {
    StoreUInt32LE(&file[offset], value);
}

} // namespace xls::test
