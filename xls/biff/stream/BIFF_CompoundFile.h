#pragma once
// The compound document (MS-CFB) that holds BIFF5 and BIFF8 workbooks: a small file system of storages and streams
// laid out in fixed-size sectors, chained through the FAT (and, for streams under 4096 bytes, through the mini FAT
// inside the root's mini stream). TCompoundFile reads one on every platform, without the system's structured storage.
//
// The file is hostile input, so opening validates the whole container before anything is handed out: the directory
// tree is walked without recursion, each entry reached once, and every sector chain of every stream in the tree is
// walked once against a map of the sectors already used. A looping DIFAT, a cyclic directory tree or a damaged
// directory, FAT or mini stream fails the document with ECompoundFileError. A damaged stream (a looping chain, one
// sharing sectors with a stream before it, a sector outside the file, a size larger than its chain or than any stream
// may be) fails only when it is read, so a damaged stream that nobody reads, such as the summary information beside a
// workbook, costs nothing. What is allocated is bounded by the bytes the file holds, never by a count it declares.

#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <vector>

namespace xls {

// A compound document that cannot be read; the message says what is damaged.
class ECompoundFileError : public rtl::Exception {
public:
    using Exception::Exception;
};

// The kinds of directory entry (MS-CFB 2.6.1); the reader keeps storages, streams and the root.
enum TCompoundEntryType : uint8_t { cetUnknown = 0, cetStorage = 1, cetStream = 2, cetRoot = 5 };

// One storage or stream of the document.
struct TCompoundEntry {
    rtl::UnicodeString Name;
    TCompoundEntryType Type = cetUnknown;
    uint32_t StartSector = 0;
    // Bytes of a stream, or of the mini stream for the root; at most CompoundMaxStreamSize.
    uint32_t Size = 0;
    // Why a damaged stream cannot be read; empty for a sound one.
    rtl::UnicodeString Damage;
};

// A run of consecutive sectors of one stream: where its bytes lie in the document's source and where they start in
// the stream.
struct TCompoundExtent {
    uint64_t SourceOffset = 0;
    uint64_t StreamOffset = 0;
    uint64_t Size = 0;
};

// A compound document read from a stream, which must stay open and unchanged while the document is used.
class TCompoundFile {
public:
    static constexpr int32_t RootEntry = 0;

    // True when stream starts with the compound-document signature; the position is restored.
    static bool HasSignature(rtl::TStream& stream);

    // Reads and validates the document that fills source from its beginning.
    explicit TCompoundFile(rtl::TStream& source);

    const TCompoundEntry& Entry(int32_t index) const { return FEntries[index]; }
    int32_t EntryCount() const { return static_cast<int32_t>(FEntries.size()); }
    // The storages and streams directly inside a storage (or the root), in directory-tree order.
    const std::vector<int32_t>& Children(int32_t storage) const { return FChildren[storage]; }
    // The child of storage named name, compared without case as MS-CFB compares names; -1 when there is none.
    int32_t FindChild(int32_t storage, rtl::UnicodeStringView name) const;
    // The whole stream: Entry(stream).Size bytes into target. A damaged stream raises ECompoundFileError with its
    // damage.
    void ReadStream(int32_t stream, uint8_t* target) const;
    std::vector<uint8_t> ReadStream(int32_t stream) const;
    // True for a stream that lies in the root's mini stream rather than in sectors of its own.
    bool IsMiniStream(int32_t entry) const;
    // Where the bytes of a stream that is not a mini stream lie in the source, in stream order, the last run cut at
    // the stream's size; a damaged stream raises ECompoundFileError with its damage.
    std::vector<TCompoundExtent> StreamExtents(int32_t stream) const;

private:
    // The FAT or the mini FAT, the number of sectors it addresses, and which of them validated chains already use.
    struct TAllocationTable {
        std::vector<uint32_t> Next;
        uint32_t SectorCount = 0;
        std::vector<bool> Used;
        const char16_t* OutOfRangeMessage = nullptr;
        const char16_t* UsedTwiceMessage = nullptr;

        // The chain from start, ended by ENDOFCHAIN or after count sectors; a sector outside the table fails.
        std::vector<uint32_t> Walk(uint32_t start, size_t count) const;
        // Marks the sectors as used; one that is used already fails, and then none of them is marked.
        void Claim(const std::vector<uint32_t>& sectors);
    };
    // The fields of a directory entry that only opening needs.
    struct TDirectoryRecord {
        uint32_t Left = 0;
        uint32_t Right = 0;
        uint32_t Child = 0;
        uint64_t Size = 0;
    };

    void ReadHeader(uint8_t* header);
    void ReadFAT(const uint8_t* header);
    void ReadDirectory(uint32_t firstSector, std::vector<TDirectoryRecord>& records);
    void BuildTree(const std::vector<TDirectoryRecord>& records);
    void ReadMiniStream(uint32_t firstMiniFATSector);
    // Claims the chain of every stream; a stream whose chain is damaged is marked with its damage.
    void ValidateStreams();
    // The chain of a stream, which must cover its size.
    std::vector<uint32_t> StreamChain(int32_t stream) const;
    std::vector<uint8_t> ReadChain(const std::vector<uint32_t>& chain) const;
    // The runs of consecutive sectors that hold the first count bytes of the chain's sectors.
    std::vector<TCompoundExtent> Extents(const std::vector<uint32_t>& chain, size_t count) const;
    // The first count bytes of the chain's sectors; bytes past the end of the file read as zeros.
    void ReadSectors(const std::vector<uint32_t>& chain, uint8_t* target, size_t count) const;
    void ReadAt(uint64_t offset, uint8_t* target, size_t count) const;

    rtl::TStream& FSource; // not owned
    uint32_t FSectorShift = 0;
    TAllocationTable FFAT;
    TAllocationTable FMiniFAT;
    std::vector<TCompoundEntry> FEntries;
    std::vector<std::vector<int32_t>> FChildren;
    std::vector<uint8_t> FMiniStream;
};

} // namespace xls
