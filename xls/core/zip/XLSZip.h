#pragma once
// Zip archives (PKWARE APPNOTE), the container of .xlsx packages: methods 0 (stored) and 8 (deflated), no ZIP64, no
// encryption. TXLSZipArchive lists the entries of an archive stream and appends new entries to a stream it writes;
// TXLSZipFile is one entry; TXLSOwnerStream reads one entry's data on demand, inflating it in blocks and checking it
// against the sizes and CRC-32 the archive declares. An archive whose central directory is missing is recovered by
// scanning its local headers.
//
// Names are UTF-16 at this interface. An entry's 8-bit name is read as UTF-8 when its flags say so (APPNOTE 4.4.4
// bit 11) and in the process ANSI code page otherwise; names written are plain ASCII, or UTF-8 with that flag set.

#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"
#include "xls/core/zip/ZipRecords.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace xls {

class TCompressionStream;
class TDecompressionStream;
class TInflateAheadStream;
class TXLSZipArchive;

namespace ZipMessages {
inline constexpr char16_t NotValidZip[] = u"File is not a valid ZIP file";
inline constexpr char16_t UnknownZip[] = u"Unknown zip file";
inline constexpr char16_t FileNotFound[] = u"Can not find file %s in ZIP";
inline constexpr char16_t NotOpen[] = u"ZIP file is not open";
inline constexpr char16_t NotImplementedWrite[] = u"Not implemented, write";
inline constexpr char16_t DuplicateFile[] = u"Duplicate file \"%s\" in Zip";
inline constexpr char16_t ActiveZip[] = u"There is an active zip";
inline constexpr char16_t NotCompressionStream[] = u"Stream is not TCompressionStream";
inline constexpr char16_t NotActiveStream[] = u"Stream is not the active zip file";
inline constexpr char16_t ImpossibleSizes[] =
    u"File %s in ZIP declares impossible sizes: %u bytes compressed, %u bytes uncompressed";
inline constexpr char16_t FileTruncated[] = u"File %s in ZIP ends after %u of its %u bytes";
inline constexpr char16_t FileOversized[] = u"File %s in ZIP holds more than its declared %u bytes";
inline constexpr char16_t CrcError[] = u"CRC error in file %s in ZIP: stored %.8X, computed %.8X";
inline constexpr char16_t ArchiveTooLarge[] = u"ZIP file too large: its files hold more than %u MB";
inline constexpr char16_t FormatLimitExceeded[] =
    u"ZIP format limit exceeded: at most 65535 files, 4 GB, and names of 65535 bytes";
} // namespace ZipMessages

// How a deflated entry was compressed, from its flags; ckOther for any other method.
enum TXLSZipCompressionKind : uint8_t { ckNormal, ckMaximum, ckFast, ckSuperFast, ckOther = 5 };

// The central directory header of an entry with its variable fields.
struct TXLSZipCentralEntry {
    TCentralDirectoryFile Header;
    rtl::AnsiString FileName;
    rtl::AnsiString ExtraField;
    rtl::AnsiString FileComment;
};

// The local header of an entry with its variable fields and where the entry's data starts.
struct TXLSZipLocalEntry {
    TLocalFile Header;
    rtl::AnsiString FileName;
    rtl::AnsiString ExtraField;
    int64_t DataPosition = 0;
};

// One entry of an archive, with both of its headers.
class TXLSZipFile {
public:
    TXLSZipFile(TXLSZipArchive& archive, const TXLSZipCentralEntry& central);

    TXLSZipArchive& Archive() const { return FArchive; }
    rtl::TDateTime DateTime() const { return FDateTime; }
    bool Encrypted() const { return FEncrypted; }
    bool Directory() const { return FDirectory; }
    TXLSZipCompressionKind CompressionKind() const { return FCompressionKind; }
    const TXLSZipCentralEntry& Central() const { return FCentral; }
    const TXLSZipLocalEntry& Local() const { return FLocal; }
    // The local header's name in UTF-16.
    const rtl::UnicodeString& Name() const { return FName; }
    uint32_t UncompressedSize() const { return FLocal.Header.UncompressedSize; }

    // Appends the entry's whole uncompressed data to stream.
    void CopyToStream(rtl::TStream& stream);

private:
    friend class TXLSZipArchive;
    void SetLocal(TXLSZipLocalEntry local);

    TXLSZipArchive& FArchive; // not owned
    rtl::TDateTime FDateTime = 0;
    bool FEncrypted = false;
    bool FDirectory = false;
    TXLSZipCompressionKind FCompressionKind = ckOther;
    TXLSZipCentralEntry FCentral;
    TXLSZipLocalEntry FLocal;
    rtl::UnicodeString FName;
};

// Deflated entries of this compressed size are inflated one block ahead on a worker thread (the compressed bytes are
// held in memory meanwhile); smaller ones are not worth a thread, larger ones not worth the memory.
inline constexpr uint32_t MinInflateAheadSize = 1024 * 1024;
inline constexpr uint32_t MaxInflateAheadSize = 64 * 1024 * 1024;

// Reads one entry's data from the archive stream. Each instance keeps its own place, so any number of entry streams
// may be read interleaved. The bytes are checked against the declared size and CRC-32: the read that reaches the end
// of the entry raises rather than return data that does not match. An entry stream must be freed before its archive
// is closed.
class TXLSOwnerStream : public rtl::TStream {
public:
    // Checks the entry's declared sizes against its method and the archive before anything is read.
    TXLSOwnerStream(TXLSZipFile& entry, rtl::UnicodeString name);
    ~TXLSOwnerStream() override;

    // An entry whose method is neither stored nor deflated raises "ZIP file is not open".
    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    // Positions count uncompressed bytes. Forward moves read and discard; backward moves start over. A position past
    // the end stops at the end.
    int64_t Seek(int64_t offset, rtl::TSeekOrigin origin) override;
    // The entry's uncompressed size.
    int64_t Size() override;

    TXLSZipFile& Entry() const { return FEntry; }
    // The name the entry was opened under.
    const rtl::UnicodeString& Name() const { return FName; }

private:
    void CheckDeclaredSizes() const;
    void Restart();
    int32_t ReadData(uint8_t* buffer, int32_t count);
    // Checks the CRC and, for deflated data, that the data ends exactly at the declared size.
    void CheckComplete();

    TXLSZipFile& FEntry; // not owned
    rtl::UnicodeString FName;
    // The inflating stream of a deflated entry, and whether its data ended properly.
    rtl::TStream* Inflating() const;
    bool InflatingEnded() const;

    std::unique_ptr<TDecompressionStream> FInflater; // owned; deflated entries read in place
    std::unique_ptr<TInflateAheadStream> FAhead;     // owned; large deflated entries, inflated on a worker thread
    uint32_t FProduced = 0;
    uint32_t FCrc = 0;
    bool FChecked = false;
};

// A zip archive open for reading or writing on a stream that stays the caller's.
class TXLSZipArchive {
public:
    enum TMode : uint8_t { zmClosed, zmReading, zmWriting };

    TXLSZipArchive();
    // Closes the archive; an archive being written gets its directory, but a failure here cannot be reported, so
    // writers call Close themselves.
    ~TXLSZipArchive();
    TXLSZipArchive(const TXLSZipArchive&) = delete;
    TXLSZipArchive& operator=(const TXLSZipArchive&) = delete;

    // Lists the entries of the archive on stream. A stream without an end-of-central-directory record is scanned for
    // local headers instead; one with no local header at its start is an empty archive. Raises "File is not a valid
    // ZIP file" for an unreadable directory and "Unknown zip file" for an entry without its local header.
    void OpenRead(rtl::TStream& stream);
    // Starts a new archive at the start of stream.
    void OpenWrite(rtl::TStream& stream);
    // Writing: finishes an active entry and writes the central directory. Always: forgets the entries and the stream.
    void Close();

    int32_t Count() const { return static_cast<int32_t>(FFiles.size()); }
    // Raises EListError for an index outside 0..Count()-1.
    TXLSZipFile& GetFile(int32_t index) const;
    // The first entry whose name matches, ignoring ASCII case, or -1.
    int32_t Find(rtl::UnicodeStringView name) const;

    // Starts a deflated entry and returns the stream its data is written to; EndFile finishes it.
    TCompressionStream& BeginFile(rtl::UnicodeStringView path);
    void EndFile(rtl::TStream& stream);
    // Stores the rest of stream (from its position) as a new entry: deflated, or stored when there is nothing left.
    void AddFile(rtl::UnicodeStringView path, rtl::TStream& stream);

    TMode Mode() const { return FMode; }
    rtl::TStream* Stream() const { return FStream; }
    const TEndOfCentralDir& EndOfCentralDir() const { return FEndOfCentralDir; }
    int64_t EndOfCentralDirPosition() const { return FEndOfCentralDirPosition; }
    // Whether written entries keep the directories of their paths; true after construction.
    bool KeepPaths() const { return FKeepPaths; }
    void SetKeepPaths(bool keepPaths) { FKeepPaths = keepPaths; }

private:
    bool FindEndOfCentralDir();
    void ReadCentralDirectory();
    void ReadLocalHeaders();
    void RecoverEntries();
    // Refuses an archive whose entries together inflate to more than MaxArchiveDataSize.
    void CheckTotalSize() const;
    TXLSZipFile& AddEntry(const TXLSZipCentralEntry& central);
    // Makes entry index findable by its name, unless an earlier entry has the same name.
    void IndexName(int32_t index);

    rtl::AnsiString EntryName(rtl::UnicodeStringView path, uint16_t& flags) const;
    TXLSZipFile& StartEntry(rtl::UnicodeStringView path, uint16_t method);
    void FinishEntry(TXLSZipFile& entry, uint32_t crc, int64_t uncompressedSize);
    void WriteCentralDirectory();
    void CheckNoActiveEntry() const;

    TMode FMode = zmClosed;
    rtl::TStream* FStream = nullptr; // not owned
    int64_t FEndOfCentralDirPosition = -1;
    TEndOfCentralDir FEndOfCentralDir;
    bool FKeepPaths = true;
    std::vector<std::unique_ptr<TXLSZipFile>> FFiles;
    // The first entry of each name, keyed by the name in ASCII lower case.
    std::unordered_map<rtl::UnicodeString, int32_t> FIndex;
    TXLSZipFile* FCurrent = nullptr;                    // not owned: the entry being written through BeginFile
    std::unique_ptr<TCompressionStream> FCurrentStream; // owned: the data stream of FCurrent
};

} // namespace xls
