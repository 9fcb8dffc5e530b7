#include "xls/biff/stream/BIFF_CompoundFile.h"

#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "xls/biff/BIFF_Limits.h"
#include "xls/biff/BIFF_Messages.h"
#include "xls/biff/stream/BIFF_Bytes.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <utility>

namespace xls {

namespace {

constexpr std::array<uint8_t, 8> CompoundSignature = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

// Sector numbers with a meaning of their own (MS-CFB 2.1).
constexpr uint32_t MaxRegularSector = 0xFFFFFFFA;
constexpr uint32_t EndOfChain = 0xFFFFFFFE;
constexpr uint32_t FreeSector = 0xFFFFFFFF;
constexpr uint32_t NoStream = 0xFFFFFFFF;

// The header (MS-CFB 2.2): its size and the offsets of the fields read.
constexpr int32_t HeaderSize = 512;
constexpr int32_t HeaderSectorShift = 30;
constexpr int32_t HeaderMiniSectorShift = 32;
constexpr int32_t HeaderFATSectorCount = 44;
constexpr int32_t HeaderFirstDirectorySector = 48;
constexpr int32_t HeaderFirstMiniFATSector = 60;
constexpr int32_t HeaderFirstDIFATSector = 68;
constexpr int32_t HeaderDIFAT = 76;
constexpr int32_t HeaderDIFATCount = 109;

// A directory entry (MS-CFB 2.6): its size and the offsets of its fields.
constexpr size_t DirectoryEntrySize = 128;
constexpr int32_t EntryNameLength = 64;
constexpr int32_t EntryType = 66;
constexpr int32_t EntryLeft = 68;
constexpr int32_t EntryRight = 72;
constexpr int32_t EntryChild = 76;
constexpr int32_t EntryStartSector = 116;
constexpr int32_t EntrySize = 120;
constexpr size_t EntryMaxNameCharacters = 32;

// Streams smaller than this live in the mini stream.
constexpr uint32_t MiniStreamCutoff = 4096;
constexpr uint32_t MiniSectorSize = 1U << CompoundMiniSectorShift;

[[noreturn]] void FailCompound(rtl::UnicodeStringView message, std::initializer_list<rtl::TFormatArg> args = {}) {
    throw ECompoundFileError(rtl::Format(message, args));
}

// The sectors of size unit that hold count bytes.
uint64_t UnitsFor(uint64_t count, uint64_t unit) {
    return (count + unit - 1) / unit;
}

TCompoundEntry ParseDirectoryEntry(const uint8_t* bytes) {
    TCompoundEntry entry;
    const size_t characters = std::min<size_t>(LoadUInt16LE(bytes + EntryNameLength) / 2, EntryMaxNameCharacters);
    for (size_t i = 0; i < characters; ++i) {
        const char16_t character = LoadUInt16LE(bytes + 2 * i);
        if (character == 0) {
            break;
        }
        entry.Name.push_back(character);
    }
    entry.Type = static_cast<TCompoundEntryType>(bytes[EntryType]);
    entry.StartSector = LoadUInt32LE(bytes + EntryStartSector);
    return entry;
}

} // namespace

bool TCompoundFile::HasSignature(rtl::TStream& stream) {
    std::array<uint8_t, CompoundSignature.size()> start{};
    const int64_t position = stream.Position();
    const int32_t got = stream.Read(start.data(), static_cast<int32_t>(start.size()));
    stream.Seek(position, rtl::soBeginning);
    return got == static_cast<int32_t>(start.size()) && start == CompoundSignature;
}

TCompoundFile::TCompoundFile(rtl::TStream& source) : FSource(source) {
    FFAT.OutOfRangeMessage = BIFFMessages::CompoundSectorOutOfRange;
    FFAT.UsedTwiceMessage = BIFFMessages::CompoundSectorUsedTwice;
    FMiniFAT.OutOfRangeMessage = BIFFMessages::CompoundMiniSectorOutOfRange;
    FMiniFAT.UsedTwiceMessage = BIFFMessages::CompoundMiniSectorUsedTwice;

    std::array<uint8_t, HeaderSize> header{};
    ReadHeader(header.data());
    ReadFAT(header.data());
    std::vector<TDirectoryRecord> records;
    ReadDirectory(LoadUInt32LE(&header[HeaderFirstDirectorySector]), records);
    BuildTree(records);
    ReadMiniStream(LoadUInt32LE(&header[HeaderFirstMiniFATSector]));
    ValidateStreams();
    // The maps of used sectors served validation only.
    FFAT.Used = {};
    FMiniFAT.Used = {};
}

int32_t TCompoundFile::FindChild(int32_t storage, rtl::UnicodeStringView name) const {
    for (const int32_t child : FChildren[storage]) {
        if (rtl::WideSameText(FEntries[child].Name, name)) {
            return child;
        }
    }
    return -1;
}

void TCompoundFile::ReadStream(int32_t stream, uint8_t* target) const {
    if (!FEntries[stream].Damage.empty()) {
        throw ECompoundFileError(FEntries[stream].Damage);
    }
    const uint32_t size = FEntries[stream].Size;
    const std::vector<uint32_t> chain = StreamChain(stream);
    if (!IsMiniStream(stream)) {
        ReadSectors(chain, target, size);
        return;
    }
    size_t done = 0;
    for (const uint32_t sector : chain) {
        const size_t offset = static_cast<size_t>(sector) * MiniSectorSize;
        const size_t wanted = std::min<size_t>(MiniSectorSize, size - done);
        const size_t present = offset < FMiniStream.size() ? std::min(wanted, FMiniStream.size() - offset) : 0;
        std::memcpy(target + done, FMiniStream.data() + offset, present);
        std::memset(target + done + present, 0, wanted - present);
        done += wanted;
    }
}

std::vector<uint8_t> TCompoundFile::ReadStream(int32_t stream) const {
    if (!FEntries[stream].Damage.empty()) {
        throw ECompoundFileError(FEntries[stream].Damage);
    }
    std::vector<uint8_t> bytes(FEntries[stream].Size);
    ReadStream(stream, bytes.data());
    return bytes;
}

std::vector<uint32_t> TCompoundFile::TAllocationTable::Walk(uint32_t start, size_t count) const {
    std::vector<uint32_t> chain;
    for (uint32_t sector = start; chain.size() < count && sector != EndOfChain; sector = Next[sector]) {
        if (sector >= SectorCount || sector >= Next.size()) {
            FailCompound(OutOfRangeMessage, {sector});
        }
        chain.push_back(sector);
    }
    return chain;
}

void TCompoundFile::TAllocationTable::Claim(const std::vector<uint32_t>& sectors) {
    for (size_t i = 0; i < sectors.size(); ++i) {
        const uint32_t sector = sectors[i];
        if (sector < SectorCount && !Used[sector]) {
            Used[sector] = true;
            continue;
        }
        for (size_t claimed = 0; claimed < i; ++claimed) {
            Used[sectors[claimed]] = false;
        }
        FailCompound(sector >= SectorCount ? OutOfRangeMessage : UsedTwiceMessage, {sector});
    }
}

void TCompoundFile::ReadHeader(uint8_t* header) {
    FSource.Seek(0, rtl::soBeginning);
    if (FSource.Read(header, HeaderSize) != HeaderSize) {
        FailCompound(BIFFMessages::CompoundTooShort);
    }
    if (!std::equal(CompoundSignature.begin(), CompoundSignature.end(), header)) {
        FailCompound(BIFFMessages::CompoundSignature);
    }
    const uint16_t sectorShift = LoadUInt16LE(header + HeaderSectorShift);
    const uint16_t miniSectorShift = LoadUInt16LE(header + HeaderMiniSectorShift);
    if ((sectorShift != CompoundSectorShift512 && sectorShift != CompoundSectorShift4096) ||
        miniSectorShift != CompoundMiniSectorShift) {
        FailCompound(BIFFMessages::CompoundSectorSize, {sectorShift, miniSectorShift});
    }
    FSectorShift = sectorShift;
    // The header fills the first sector; a last sector cut short by the end of the file still counts.
    const uint64_t sectorSize = uint64_t{1} << FSectorShift;
    const uint64_t fileSize = static_cast<uint64_t>(FSource.Size());
    const uint64_t sectors = fileSize > sectorSize ? UnitsFor(fileSize - sectorSize, sectorSize) : 0;
    FFAT.SectorCount = static_cast<uint32_t>(std::min<uint64_t>(sectors, uint64_t{MaxRegularSector} + 1));
    FFAT.Used.assign(FFAT.SectorCount, false);
}

void TCompoundFile::ReadFAT(const uint8_t* header) {
    const uint32_t declared = LoadUInt32LE(header + HeaderFATSectorCount);
    if (declared > FFAT.SectorCount) {
        FailCompound(BIFFMessages::CompoundTooManyFATSectors, {declared, FFAT.SectorCount});
    }
    std::vector<uint32_t> fatSectors;
    for (int32_t i = 0; i < HeaderDIFATCount && fatSectors.size() < declared; ++i) {
        fatSectors.push_back(LoadUInt32LE(header + HeaderDIFAT + 4 * i));
    }
    // DIFAT sectors continue the list, the last entry of each naming the next one (MS-CFB 2.5). Claiming each stops a
    // looping DIFAT at its first repeated sector.
    const size_t entriesPerDIFATSector = ((size_t{1} << FSectorShift) / 4) - 1;
    uint32_t difatSector = LoadUInt32LE(header + HeaderFirstDIFATSector);
    while (fatSectors.size() < declared && difatSector != EndOfChain && difatSector != FreeSector) {
        FFAT.Claim({difatSector});
        const std::vector<uint8_t> bytes = ReadChain({difatSector});
        for (size_t i = 0; i < entriesPerDIFATSector && fatSectors.size() < declared; ++i) {
            fatSectors.push_back(LoadUInt32LE(&bytes[4 * i]));
        }
        difatSector = LoadUInt32LE(&bytes[4 * entriesPerDIFATSector]);
    }
    FFAT.Claim(fatSectors);
    const std::vector<uint8_t> fat = ReadChain(fatSectors);
    FFAT.Next.resize(fat.size() / 4);
    for (size_t i = 0; i < FFAT.Next.size(); ++i) {
        FFAT.Next[i] = LoadUInt32LE(&fat[4 * i]);
    }
}

void TCompoundFile::ReadDirectory(uint32_t firstSector, std::vector<TDirectoryRecord>& records) {
    // A chain longer than the file's sectors repeats one of them, which claiming reports.
    const std::vector<uint32_t> chain = FFAT.Walk(firstSector, size_t{FFAT.SectorCount} + 1);
    FFAT.Claim(chain);
    const std::vector<uint8_t> bytes = ReadChain(chain);
    const size_t count = bytes.size() / DirectoryEntrySize;
    FEntries.reserve(count);
    records.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* entry = &bytes[i * DirectoryEntrySize];
        FEntries.push_back(ParseDirectoryEntry(entry));
        uint64_t size = LoadUInt64LE(entry + EntrySize);
        // Version 3 writers may leave garbage in the upper half (MS-CFB 2.6.3).
        if (FSectorShift == CompoundSectorShift512) {
            size &= 0xFFFFFFFF;
        }
        records.push_back({LoadUInt32LE(entry + EntryLeft), LoadUInt32LE(entry + EntryRight),
                           LoadUInt32LE(entry + EntryChild), size});
    }
}

void TCompoundFile::BuildTree(const std::vector<TDirectoryRecord>& records) {
    if (FEntries.empty() || FEntries[RootEntry].Type != cetRoot) {
        FailCompound(BIFFMessages::CompoundNoRoot);
    }
    // A stream too large to be one is damaged; the root's mini stream holds every small stream, so it fails them all.
    const auto setSize = [&](int32_t entry) {
        if (records[entry].Size <= CompoundMaxStreamSize) {
            FEntries[entry].Size = static_cast<uint32_t>(records[entry].Size);
            return;
        }
        const rtl::UnicodeString damage =
            rtl::Format(BIFFMessages::CompoundStreamTooLarge, {FEntries[entry].Name, CompoundMaxStreamSize});
        if (entry == RootEntry) {
            throw ECompoundFileError(damage);
        }
        FEntries[entry].Damage = damage;
    };
    setSize(RootEntry);
    FChildren.assign(FEntries.size(), {});
    std::vector<bool> reached(FEntries.size());
    reached[RootEntry] = true;
    // Each storage's children form a binary tree of siblings under its child link; an explicit stack of (entry, its
    // storage) walks them all, so neither a deep tree nor a cycle can exhaust the call stack.
    std::vector<std::pair<uint32_t, int32_t>> pending{{records[RootEntry].Child, RootEntry}};
    while (!pending.empty()) {
        const auto [id, storage] = pending.back();
        pending.pop_back();
        if (id == NoStream) {
            continue;
        }
        if (id >= FEntries.size()) {
            FailCompound(BIFFMessages::CompoundEntryOutOfRange, {id});
        }
        if (reached[id]) {
            FailCompound(BIFFMessages::CompoundEntryReachedTwice, {id});
        }
        reached[id] = true;
        const auto entry = static_cast<int32_t>(id);
        const TCompoundEntryType type = FEntries[entry].Type;
        if (type != cetStorage && type != cetStream) {
            FailCompound(BIFFMessages::CompoundEntryInvalid, {id});
        }
        FChildren[storage].push_back(entry);
        pending.emplace_back(records[entry].Right, storage);
        pending.emplace_back(records[entry].Left, storage);
        if (type == cetStorage) {
            pending.emplace_back(records[entry].Child, entry);
        } else {
            setSize(entry);
        }
    }
}

void TCompoundFile::ReadMiniStream(uint32_t firstMiniFATSector) {
    const uint32_t size = FEntries[RootEntry].Size;
    if (size == 0) {
        return;
    }
    const std::vector<uint32_t> miniFATChain = FFAT.Walk(firstMiniFATSector, size_t{FFAT.SectorCount} + 1);
    FFAT.Claim(miniFATChain);
    const std::vector<uint8_t> miniFAT = ReadChain(miniFATChain);
    FMiniFAT.Next.resize(miniFAT.size() / 4);
    for (size_t i = 0; i < FMiniFAT.Next.size(); ++i) {
        FMiniFAT.Next[i] = LoadUInt32LE(&miniFAT[4 * i]);
    }
    const std::vector<uint32_t> chain = StreamChain(RootEntry);
    FFAT.Claim(chain);
    FMiniStream.resize(size);
    ReadSectors(chain, FMiniStream.data(), size);
    FMiniFAT.SectorCount = static_cast<uint32_t>(UnitsFor(size, MiniSectorSize));
    FMiniFAT.Used.assign(FMiniFAT.SectorCount, false);
}

void TCompoundFile::ValidateStreams() {
    for (const std::vector<int32_t>& children : FChildren) {
        for (const int32_t child : children) {
            TCompoundEntry& entry = FEntries[child];
            if (entry.Type != cetStream || !entry.Damage.empty()) {
                continue;
            }
            try {
                (IsMiniStream(child) ? FMiniFAT : FFAT).Claim(StreamChain(child));
            } catch (const ECompoundFileError& error) {
                entry.Damage = error.Message();
            }
        }
    }
}

std::vector<uint32_t> TCompoundFile::StreamChain(int32_t stream) const {
    const TCompoundEntry& entry = FEntries[stream];
    const bool mini = IsMiniStream(stream);
    const uint32_t unit = mini ? MiniSectorSize : uint32_t{1} << FSectorShift;
    const auto count = static_cast<size_t>(UnitsFor(entry.Size, unit));
    std::vector<uint32_t> chain = (mini ? FMiniFAT : FFAT).Walk(entry.StartSector, count);
    if (chain.size() < count) {
        FailCompound(BIFFMessages::CompoundStreamTruncated,
                     {entry.Name, entry.Size, static_cast<uint64_t>(chain.size()) * unit});
    }
    return chain;
}

bool TCompoundFile::IsMiniStream(int32_t entry) const {
    return entry != RootEntry && FEntries[entry].Size < MiniStreamCutoff;
}

std::vector<uint8_t> TCompoundFile::ReadChain(const std::vector<uint32_t>& chain) const {
    std::vector<uint8_t> bytes(chain.size() << FSectorShift);
    ReadSectors(chain, bytes.data(), bytes.size());
    return bytes;
}

std::vector<TCompoundExtent> TCompoundFile::StreamExtents(int32_t stream) const {
    if (!FEntries[stream].Damage.empty()) {
        throw ECompoundFileError(FEntries[stream].Damage);
    }
    return Extents(StreamChain(stream), FEntries[stream].Size);
}

std::vector<TCompoundExtent> TCompoundFile::Extents(const std::vector<uint32_t>& chain, size_t count) const {
    std::vector<TCompoundExtent> extents;
    size_t done = 0;
    // Writers lay most streams out contiguously, so a stream is mostly one run.
    for (size_t i = 0; i < chain.size() && done < count;) {
        size_t run = 1;
        while (i + run < chain.size() && chain[i + run] == chain[i] + run) {
            ++run;
        }
        const size_t bytes = std::min(run << FSectorShift, count - done);
        extents.push_back({(uint64_t{chain[i]} + 1) << FSectorShift, done, bytes});
        done += bytes;
        i += run;
    }
    return extents;
}

void TCompoundFile::ReadSectors(const std::vector<uint32_t>& chain, uint8_t* target, size_t count) const {
    for (const TCompoundExtent& extent : Extents(chain, count)) {
        ReadAt(extent.SourceOffset, target + extent.StreamOffset, extent.Size);
    }
}

void TCompoundFile::ReadAt(uint64_t offset, uint8_t* target, size_t count) const {
    FSource.Seek(static_cast<int64_t>(offset), rtl::soBeginning);
    constexpr size_t MaxTransfer = size_t{1} << 30;
    size_t done = 0;
    while (done < count) {
        const auto wanted = static_cast<int32_t>(std::min(count - done, MaxTransfer));
        const int32_t got = FSource.Read(target + done, wanted);
        done += static_cast<size_t>(std::max(got, 0));
        if (got < wanted) {
            break;
        }
    }
    std::memset(target + done, 0, count - done);
}

} // namespace xls
