#include "xls/core/zip/XLSZip.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "xls/core/base/XLSReadLimits.h"
#include "xls/core/zip/DeflateStreams.h"
#include "xls/core/zip/InflateAheadStream.h"

#include <algorithm>
#include <array>
#include <utility>
#include <zlib.h>

namespace xls {

namespace {

// The end-of-central-directory record ends the archive unless a comment of up to 65535 bytes follows it (and some
// writers append a little more). The short tail is searched first: it holds the record of an archive without a
// comment, so most archives need only one small read.
constexpr int64_t QuickSearchSize = EndOfCentralDirSize + 256;
constexpr int64_t FullSearchSize = EndOfCentralDirSize + 1024 + UINT16_MAX;

// Whole entries are copied through blocks of this size.
constexpr int32_t CopyBlockSize = 65536;

[[noreturn]] void Raise(rtl::UnicodeString message) {
    throw rtl::Exception(std::move(message));
}

bool IsSupportedMethod(uint16_t method) {
    return method == ZipMethodStored || method == ZipMethodDeflated;
}

// Reads exactly count bytes at position; false when the stream ends first.
bool ReadAt(rtl::TStream& stream, int64_t position, void* buffer, int32_t count) {
    stream.SetPosition(position);
    return stream.Read(buffer, count) == count;
}

// Reads exactly text.size() bytes at the stream's position into text.
bool ReadText(rtl::TStream& stream, rtl::AnsiString& text) {
    return stream.Read(text.data(), static_cast<int32_t>(text.size())) == static_cast<int32_t>(text.size());
}

bool ReadLocalEntry(rtl::TStream& stream, int64_t position, TXLSZipLocalEntry& local) {
    std::array<uint8_t, LocalFileSize> bytes;
    if (!ReadAt(stream, position, bytes.data(), LocalFileSize)) {
        return false;
    }
    local.Header = DecodeLocalFile(bytes);
    if (local.Header.Signature != LocalFileSignature) {
        return false;
    }
    local.FileName.resize(local.Header.FileNameLength);
    local.ExtraField.resize(local.Header.ExtraFieldLength);
    local.DataPosition = position + LocalFileSize + local.Header.FileNameLength + local.Header.ExtraFieldLength;
    return ReadText(stream, local.FileName) && ReadText(stream, local.ExtraField);
}

// Reads the central directory header at the stream's position; false when it is cut short or not one.
bool ReadCentralEntry(rtl::TStream& stream, TXLSZipCentralEntry& central) {
    std::array<uint8_t, CentralDirectoryFileSize> bytes;
    if (stream.Read(bytes.data(), CentralDirectoryFileSize) != CentralDirectoryFileSize) {
        return false;
    }
    central.Header = DecodeCentralDirectoryFile(bytes);
    if (central.Header.Signature != CentralDirectoryFileSignature) {
        return false;
    }
    central.FileName.resize(central.Header.FileNameLength);
    central.ExtraField.resize(central.Header.ExtraFieldLength);
    central.FileComment.resize(central.Header.FileCommentLength);
    return ReadText(stream, central.FileName) && ReadText(stream, central.ExtraField) &&
           ReadText(stream, central.FileComment);
}

// The central directory header for a local header at offset: what the recovery scan rebuilds, and what a new entry
// starts with.
TXLSZipCentralEntry CentralFromLocal(const TXLSZipLocalEntry& local, int64_t offset) {
    const TLocalFile& l = local.Header;
    TXLSZipCentralEntry central;
    TCentralDirectoryFile& c = central.Header;
    c.VersionMadeBy = ZipVersion20;
    c.VersionNeeded = l.VersionNeeded;
    c.Flags = l.Flags;
    c.Method = l.Method;
    c.DosDateTime = l.DosDateTime;
    c.Crc32 = l.Crc32;
    c.CompressedSize = l.CompressedSize;
    c.UncompressedSize = l.UncompressedSize;
    c.FileNameLength = l.FileNameLength;
    c.ExtraFieldLength = l.ExtraFieldLength;
    c.ExternalAttributes = local.FileName.ends_with('/') ? ZipAttributeDirectory : ZipAttributeArchive;
    c.LocalHeaderOffset = static_cast<uint32_t>(offset);
    central.FileName = local.FileName;
    central.ExtraField = local.ExtraField;
    return central;
}

// Finds the end of a deflated entry written with a data descriptor, whose local header gives no sizes, by inflating
// it; fills in its sizes and the descriptor's CRC and returns where the next header starts, or -1 when the data or
// the descriptor does not end inside the stream.
int64_t MeasureDeflatedEntry(rtl::TStream& stream, TXLSZipLocalEntry& local) {
    uint64_t produced = 0;
    try {
        stream.SetPosition(local.DataPosition);
        TDecompressionStream inflater(stream);
        std::vector<uint8_t> block(CopyBlockSize);
        while (const int32_t count = inflater.Read(block.data(), CopyBlockSize)) {
            produced += static_cast<uint32_t>(count);
            if (produced > ZipMaxSize) {
                return -1;
            }
        }
        if (!inflater.StreamEnded()) {
            return -1;
        }
        // Freeing the inflater leaves the stream just after the deflate data.
    } catch (const EZlibError&) {
        return -1;
    }
    const int64_t dataEnd = stream.Position();
    // APPNOTE 4.3.9: CRC-32 and both sizes, optionally preceded by a signature.
    std::array<uint8_t, 16> descriptor{};
    const int32_t got = stream.Read(descriptor.data(), static_cast<int32_t>(descriptor.size()));
    const bool hasSignature = got >= 4 && ReadUInt32LE(descriptor.data()) == DataDescriptorSignature;
    const int32_t descriptorSize = hasSignature ? 16 : 12;
    if (got < descriptorSize) {
        return -1;
    }
    local.Header.Crc32 = ReadUInt32LE(descriptor.data() + (hasSignature ? 4 : 0));
    local.Header.CompressedSize = static_cast<uint32_t>(dataEnd - local.DataPosition);
    local.Header.UncompressedSize = static_cast<uint32_t>(produced);
    return dataEnd + descriptorSize;
}

// Where the header after a recovered entry starts, or -1 when the entry's data does not lie wholly in the stream.
int64_t RecoveredEntryEnd(rtl::TStream& stream, int64_t streamSize, TXLSZipLocalEntry& local) {
    if ((local.Header.Flags & ZipFlagDataDescriptor) == 0) {
        const int64_t end = local.DataPosition + local.Header.CompressedSize;
        return end <= streamSize ? end : -1;
    }
    // Stored data carries no mark of its end, so without a directory its size cannot be known.
    if (local.Header.Method != ZipMethodDeflated) {
        return -1;
    }
    return MeasureDeflatedEntry(stream, local);
}

rtl::UnicodeString DecodeName(const rtl::AnsiString& name, uint16_t flags) {
    return (flags & ZipFlagUtf8Name) != 0 ? rtl::Utf8ToUnicode(name) : rtl::AnsiToUnicode(name);
}

// Plain ASCII stays as it is; anything else is written in UTF-8 and flagged so, which every reader understands and
// which loses no character, where an ANSI code page would.
rtl::AnsiString EncodeName(rtl::UnicodeStringView name, uint16_t& flags) {
    if (std::all_of(name.begin(), name.end(), [](char16_t c) { return c < 0x80; })) {
        return rtl::AnsiString(name.begin(), name.end());
    }
    flags |= ZipFlagUtf8Name;
    return rtl::UnicodeToUtf8(name);
}

// The name an entry is written under: "/" separators, no drive or server prefix, no leading "/" (APPNOTE 4.4.17.1).
rtl::UnicodeString NormalizedEntryName(rtl::UnicodeStringView path, bool keepPaths) {
    rtl::UnicodeString name(path);
    std::replace(name.begin(), name.end(), u'\\', u'/');
    if (const size_t drive = name.find(u":/"); drive != rtl::UnicodeString::npos) {
        name.erase(0, drive + 2);
    }
    if (name.starts_with(u"//")) {
        const size_t server = name.find(u'/', 2);
        const size_t share = server == rtl::UnicodeString::npos ? server : name.find(u'/', server + 1);
        if (share != rtl::UnicodeString::npos) {
            name.erase(0, share + 1);
        }
    }
    if (!keepPaths) {
        name.erase(0, name.rfind(u'/') + 1);
    }
    name.erase(0, std::min(name.find_first_not_of(u'/'), name.size()));
    return name;
}

} // namespace

// TXLSZipFile

TXLSZipFile::TXLSZipFile(TXLSZipArchive& archive, const TXLSZipCentralEntry& central)
    : FArchive(archive), FCentral(central) {
    const TCentralDirectoryFile& header = central.Header;
    if (!rtl::TryFileDateToDateTime(header.DosDateTime, FDateTime)) {
        FDateTime = 0;
    }
    FEncrypted = (header.Flags & ZipFlagEncrypted) != 0;
    FDirectory = (header.ExternalAttributes & ZipAttributeDirectory) != 0;
    const bool deflated = header.Method == ZipMethodDeflated || header.Method == ZipMethodDeflate64;
    FCompressionKind = deflated ? static_cast<TXLSZipCompressionKind>((header.Flags >> 1) & 3) : ckOther;
}

void TXLSZipFile::SetLocal(TXLSZipLocalEntry local) {
    FLocal = std::move(local);
    FName = DecodeName(FLocal.FileName, FLocal.Header.Flags);
}

void TXLSZipFile::CopyToStream(rtl::TStream& stream) {
    TXLSOwnerStream reader(*this, FName);
    std::vector<uint8_t> block(CopyBlockSize);
    while (const int32_t count = reader.Read(block.data(), CopyBlockSize)) {
        stream.WriteBuffer(block.data(), count);
    }
}

// TXLSOwnerStream

TXLSOwnerStream::TXLSOwnerStream(TXLSZipFile& entry, rtl::UnicodeString name) : FEntry(entry), FName(std::move(name)) {
    if (IsSupportedMethod(FEntry.Local().Header.Method)) {
        CheckDeclaredSizes();
        Restart();
    }
}

TXLSOwnerStream::~TXLSOwnerStream() = default;

void TXLSOwnerStream::CheckDeclaredSizes() const {
    const TXLSZipLocalEntry& local = FEntry.Local();
    const uint64_t compressed = local.Header.CompressedSize;
    const uint64_t uncompressed = local.Header.UncompressedSize;
    const bool inArchive = local.DataPosition + static_cast<int64_t>(compressed) <= FEntry.Archive().Stream()->Size();
    const bool possible = local.Header.Method == ZipMethodStored ? compressed == uncompressed
                                                                 : uncompressed <= compressed * MaxDeflateRatio;
    if (!inArchive || !possible) {
        Raise(rtl::Format(ZipMessages::ImpossibleSizes, {FEntry.Name(), compressed, uncompressed}));
    }
}

void TXLSOwnerStream::Restart() {
    FProduced = 0;
    FCrc = 0;
    FChecked = false;
    FInflater.reset();
    FAhead.reset();
    if (FEntry.Local().Header.Method != ZipMethodDeflated) {
        return;
    }
    rtl::TStream& archive = *FEntry.Archive().Stream();
    archive.SetPosition(FEntry.Local().DataPosition);
    const uint32_t compressed = FEntry.Local().Header.CompressedSize;
    if (compressed < MinInflateAheadSize || compressed > MaxInflateAheadSize) {
        FInflater = std::make_unique<TDecompressionStream>(archive, compressed);
        return;
    }
    std::vector<uint8_t> bytes(compressed);
    archive.ReadBuffer(bytes.data(), static_cast<int32_t>(compressed));
    FAhead = std::make_unique<TInflateAheadStream>(std::move(bytes));
}

rtl::TStream* TXLSOwnerStream::Inflating() const {
    return FAhead ? static_cast<rtl::TStream*>(FAhead.get()) : FInflater.get();
}

bool TXLSOwnerStream::InflatingEnded() const {
    return FAhead ? FAhead->StreamEnded() : FInflater->StreamEnded();
}

int32_t TXLSOwnerStream::Read(void* buffer, int32_t count) {
    if (!IsSupportedMethod(FEntry.Local().Header.Method)) {
        Raise(ZipMessages::NotOpen);
    }
    const uint32_t size = FEntry.UncompressedSize();
    if (count <= 0) {
        return 0;
    }
    if (FProduced == size) {
        if (!FChecked) {
            CheckComplete();
        }
        return 0;
    }
    auto* bytes = static_cast<uint8_t*>(buffer);
    const int32_t got = ReadData(bytes, static_cast<int32_t>(std::min<uint32_t>(count, size - FProduced)));
    if (got <= 0) {
        Raise(rtl::Format(ZipMessages::FileTruncated, {FEntry.Name(), FProduced, size}));
    }
    FCrc = static_cast<uint32_t>(crc32(FCrc, bytes, static_cast<uInt>(got)));
    FProduced += static_cast<uint32_t>(got);
    if (FProduced == size) {
        CheckComplete();
    }
    return got;
}

int32_t TXLSOwnerStream::ReadData(uint8_t* buffer, int32_t count) {
    if (rtl::TStream* inflating = Inflating()) {
        return inflating->Read(buffer, count);
    }
    // A stored entry reads straight from the archive, from its own place.
    rtl::TStream& archive = *FEntry.Archive().Stream();
    archive.SetPosition(FEntry.Local().DataPosition + FProduced);
    return archive.Read(buffer, count);
}

void TXLSOwnerStream::CheckComplete() {
    const TLocalFile& header = FEntry.Local().Header;
    if (rtl::TStream* inflating = Inflating()) {
        uint8_t extra = 0;
        if (inflating->Read(&extra, 1) != 0) {
            Raise(rtl::Format(ZipMessages::FileOversized, {FEntry.Name(), header.UncompressedSize}));
        }
        if (!InflatingEnded()) {
            throw EDecompressionError(ZlibMessages::ZlibDecompressError);
        }
    }
    if (FCrc != header.Crc32) {
        Raise(rtl::Format(ZipMessages::CrcError, {FEntry.Name(), header.Crc32, FCrc}));
    }
    FChecked = true;
}

int32_t TXLSOwnerStream::Write(const void*, int32_t) {
    Raise(ZipMessages::NotImplementedWrite);
}

int64_t TXLSOwnerStream::Seek(int64_t offset, rtl::TSeekOrigin origin) {
    const int64_t target = std::min<int64_t>(SeekTarget(offset, origin, FProduced), FEntry.UncompressedSize());
    if (target < FProduced) {
        Restart();
    }
    std::array<uint8_t, 4096> discarded;
    while (FProduced < target) {
        const auto piece = static_cast<int32_t>(std::min<int64_t>(target - FProduced, discarded.size()));
        Read(discarded.data(), piece);
    }
    return FProduced;
}

int64_t TXLSOwnerStream::Size() {
    return FEntry.UncompressedSize();
}

// TXLSZipArchive: reading

TXLSZipArchive::TXLSZipArchive() = default;

TXLSZipArchive::~TXLSZipArchive() {
    try {
        Close();
    } catch (...) { // NOLINT(bugprone-empty-catch): a destructor cannot report; writers call Close themselves
    }
}

void TXLSZipArchive::OpenRead(rtl::TStream& stream) {
    Close();
    FMode = zmReading;
    FStream = &stream;
    if (FindEndOfCentralDir()) {
        ReadCentralDirectory();
        ReadLocalHeaders();
    } else {
        RecoverEntries();
    }
    CheckTotalSize();
}

void TXLSZipArchive::CheckTotalSize() const {
    uint64_t total = 0;
    for (const auto& file : FFiles) {
        total += file->UncompressedSize();
    }
    if (total > MaxArchiveDataSize) {
        Raise(rtl::Format(ZipMessages::ArchiveTooLarge, {static_cast<uint32_t>(MaxArchiveDataSize >> 20)}));
    }
}

bool TXLSZipArchive::FindEndOfCentralDir() {
    const int64_t size = FStream->Size();
    if (size < EndOfCentralDirSize) {
        return false;
    }
    for (const int64_t reach : {QuickSearchSize, FullSearchSize}) {
        const int64_t tailSize = std::min(size, reach);
        const int64_t tailStart = size - tailSize;
        std::vector<uint8_t> tail(static_cast<size_t>(tailSize));
        FStream->SetPosition(tailStart);
        FStream->ReadBuffer(tail.data(), static_cast<int32_t>(tailSize));
        for (int64_t i = tailSize - EndOfCentralDirSize; i >= 0; --i) {
            if (ReadUInt32LE(tail.data() + i) != EndOfCentralDirSignature) {
                continue;
            }
            std::array<uint8_t, EndOfCentralDirSize> bytes;
            std::copy_n(tail.begin() + i, EndOfCentralDirSize, bytes.begin());
            const TEndOfCentralDir record = DecodeEndOfCentralDir(bytes);
            // The signature can also occur inside a comment or stored data; a real record follows its directory.
            if (int64_t{record.CentralDirOffset} + record.CentralDirSize <= tailStart + i) {
                FEndOfCentralDir = record;
                FEndOfCentralDirPosition = tailStart + i;
                return true;
            }
        }
        if (tailSize == size) {
            break;
        }
    }
    return false;
}

void TXLSZipArchive::ReadCentralDirectory() {
    FStream->SetPosition(FEndOfCentralDir.CentralDirOffset);
    for (int32_t i = 0; i < FEndOfCentralDir.EntriesOnDisk; ++i) {
        TXLSZipCentralEntry central;
        if (!ReadCentralEntry(*FStream, central)) {
            Raise(ZipMessages::NotValidZip);
        }
        AddEntry(central);
    }
}

void TXLSZipArchive::ReadLocalHeaders() {
    for (int32_t i = 0; i < Count(); ++i) {
        TXLSZipFile& entry = *FFiles[static_cast<size_t>(i)];
        const TCentralDirectoryFile& central = entry.Central().Header;
        TXLSZipLocalEntry local;
        if (!ReadLocalEntry(*FStream, central.LocalHeaderOffset, local)) {
            Raise(ZipMessages::UnknownZip);
        }
        // The sizes and CRC follow the data in a descriptor; the directory repeats them.
        if ((local.Header.Flags & ZipFlagDataDescriptor) != 0) {
            local.Header.Crc32 = central.Crc32;
            local.Header.CompressedSize = central.CompressedSize;
            local.Header.UncompressedSize = central.UncompressedSize;
        }
        entry.SetLocal(std::move(local));
        IndexName(i);
    }
}

void TXLSZipArchive::RecoverEntries() {
    const int64_t size = FStream->Size();
    int64_t position = 0;
    uint64_t directorySize = 0;
    TXLSZipLocalEntry local;
    // An archive without ZIP64 holds at most ZipMaxEntries entries below 4 GB; a scan that finds more is reading a
    // crafted file, and would otherwise hold an entry for every 30 bytes of it.
    while (Count() < ZipMaxEntries && position <= static_cast<int64_t>(ZipMaxSize) &&
           ReadLocalEntry(*FStream, position, local)) {
        const int64_t next = RecoveredEntryEnd(*FStream, size, local);
        if (next < 0) {
            break;
        }
        TXLSZipFile& entry = AddEntry(CentralFromLocal(local, position));
        directorySize += CentralDirectoryFileSize + local.FileName.size() + local.ExtraField.size();
        entry.SetLocal(std::move(local));
        IndexName(Count() - 1);
        position = next;
    }
    FEndOfCentralDir = TEndOfCentralDir{};
    FEndOfCentralDir.EntriesOnDisk = static_cast<uint16_t>(Count());
    FEndOfCentralDir.TotalEntries = FEndOfCentralDir.EntriesOnDisk;
    FEndOfCentralDir.CentralDirSize = static_cast<uint32_t>(std::min(directorySize, ZipMaxSize));
    FEndOfCentralDir.CentralDirOffset = static_cast<uint32_t>(std::min<uint64_t>(position, ZipMaxSize));
}

TXLSZipFile& TXLSZipArchive::AddEntry(const TXLSZipCentralEntry& central) {
    FFiles.push_back(std::make_unique<TXLSZipFile>(*this, central));
    return *FFiles.back();
}

void TXLSZipArchive::IndexName(int32_t index) {
    FIndex.try_emplace(rtl::LowerCase(GetFile(index).Name()), index);
}

TXLSZipFile& TXLSZipArchive::GetFile(int32_t index) const {
    if (index < 0 || index >= Count()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
    return *FFiles[static_cast<size_t>(index)];
}

int32_t TXLSZipArchive::Find(rtl::UnicodeStringView name) const {
    const auto found = FIndex.find(rtl::LowerCase(name));
    return found == FIndex.end() ? -1 : found->second;
}

// TXLSZipArchive: writing

void TXLSZipArchive::OpenWrite(rtl::TStream& stream) {
    Close();
    FMode = zmWriting;
    FStream = &stream;
    FEndOfCentralDir = TEndOfCentralDir{};
}

TCompressionStream& TXLSZipArchive::BeginFile(rtl::UnicodeStringView path) {
    TXLSZipFile& entry = StartEntry(path, ZipMethodDeflated);
    FCurrent = &entry;
    FCurrentStream = std::make_unique<TCompressionStream>(clFastest, *FStream, true);
    return *FCurrentStream;
}

void TXLSZipArchive::EndFile(rtl::TStream& stream) {
    if (dynamic_cast<TCompressionStream*>(&stream) == nullptr) {
        Raise(ZipMessages::NotCompressionStream);
    }
    if (&stream != FCurrentStream.get()) {
        Raise(ZipMessages::NotActiveStream);
    }
    // Taken out first, so that a failure below leaves no active entry behind.
    const std::unique_ptr<TCompressionStream> compression = std::move(FCurrentStream);
    TXLSZipFile& entry = *FCurrent;
    FCurrent = nullptr;
    compression->Finish();
    FinishEntry(entry, compression->CRC32(), compression->UncompressedSize());
}

void TXLSZipArchive::AddFile(rtl::UnicodeStringView path, rtl::TStream& stream) {
    if (stream.Size() - stream.Position() <= 0) {
        FinishEntry(StartEntry(path, ZipMethodStored), 0, 0);
        return;
    }
    TCompressionStream& compression = BeginFile(path);
    std::vector<uint8_t> block(CopyBlockSize);
    while (const int32_t count = stream.Read(block.data(), CopyBlockSize)) {
        compression.WriteBuffer(block.data(), count);
    }
    EndFile(compression);
}

void TXLSZipArchive::CheckNoActiveEntry() const {
    if (FCurrent != nullptr) {
        Raise(ZipMessages::ActiveZip);
    }
}

TXLSZipFile& TXLSZipArchive::StartEntry(rtl::UnicodeStringView path, uint16_t method) {
    if (FMode != zmWriting) {
        Raise(ZipMessages::NotOpen);
    }
    CheckNoActiveEntry();
    const rtl::UnicodeString name = NormalizedEntryName(path, FKeepPaths);
    if (Find(name) >= 0) {
        Raise(rtl::Format(ZipMessages::DuplicateFile, {name}));
    }
    uint16_t flags = 0;
    rtl::AnsiString bytes = EncodeName(name, flags);
    const uint32_t offset = FEndOfCentralDir.CentralDirOffset;
    if (Count() >= ZipMaxEntries || bytes.size() > UINT16_MAX) {
        Raise(ZipMessages::FormatLimitExceeded);
    }

    TXLSZipLocalEntry local;
    TLocalFile& header = local.Header;
    header.VersionNeeded = ZipVersion20;
    header.Flags = flags;
    header.Method = method;
    header.DosDateTime = rtl::DateTimeToFileDate(rtl::Now());
    header.FileNameLength = static_cast<uint16_t>(bytes.size());
    local.FileName = std::move(bytes);
    local.DataPosition = int64_t{offset} + LocalFileSize + header.FileNameLength;

    FStream->SetPosition(offset);
    const auto encoded = EncodeLocalFile(header);
    FStream->WriteBuffer(encoded.data(), LocalFileSize);
    FStream->WriteBuffer(local.FileName.data(), header.FileNameLength);

    TXLSZipFile& entry = AddEntry(CentralFromLocal(local, offset));
    entry.SetLocal(std::move(local));
    IndexName(Count() - 1);
    return entry;
}

void TXLSZipArchive::FinishEntry(TXLSZipFile& entry, uint32_t crc, int64_t uncompressedSize) {
    const int64_t end = FStream->Position();
    if (end > static_cast<int64_t>(ZipMaxSize) || uncompressedSize > static_cast<int64_t>(ZipMaxSize)) {
        Raise(ZipMessages::FormatLimitExceeded);
    }
    const auto compressedSize = static_cast<uint32_t>(end - entry.FLocal.DataPosition);
    TCentralDirectoryFile& central = entry.FCentral.Header;
    TLocalFile& local = entry.FLocal.Header;
    central.Crc32 = local.Crc32 = crc;
    central.CompressedSize = local.CompressedSize = compressedSize;
    central.UncompressedSize = local.UncompressedSize = static_cast<uint32_t>(uncompressedSize);
    FStream->SetPosition(central.LocalHeaderOffset);
    const auto header = EncodeLocalFile(local);
    FStream->WriteBuffer(header.data(), LocalFileSize);
    FStream->SetPosition(end);
    FEndOfCentralDir.CentralDirOffset = static_cast<uint32_t>(end);
    ++FEndOfCentralDir.EntriesOnDisk;
    ++FEndOfCentralDir.TotalEntries;
}

void TXLSZipArchive::WriteCentralDirectory() {
    FStream->SetPosition(FEndOfCentralDir.CentralDirOffset);
    for (const auto& entry : FFiles) {
        const TXLSZipCentralEntry& central = entry->Central();
        const auto header = EncodeCentralDirectoryFile(central.Header);
        std::string record(header.begin(), header.end());
        record += central.FileName;
        record += central.ExtraField;
        record += central.FileComment;
        FStream->WriteBuffer(record.data(), static_cast<int32_t>(record.size()));
    }
    const int64_t end = FStream->Position();
    if (end > static_cast<int64_t>(ZipMaxSize)) {
        Raise(ZipMessages::FormatLimitExceeded);
    }
    FEndOfCentralDir.CentralDirSize = static_cast<uint32_t>(end - FEndOfCentralDir.CentralDirOffset);
    FEndOfCentralDirPosition = end;
    const auto record = EncodeEndOfCentralDir(FEndOfCentralDir);
    FStream->WriteBuffer(record.data(), EndOfCentralDirSize);
}

void TXLSZipArchive::Close() {
    const auto forget = [this] {
        FMode = zmClosed;
        FStream = nullptr;
        FCurrent = nullptr;
        FCurrentStream.reset();
        FFiles.clear();
        FIndex.clear();
        FEndOfCentralDir = TEndOfCentralDir{};
        FEndOfCentralDirPosition = -1;
    };
    try {
        if (FMode == zmWriting) {
            if (FCurrentStream) {
                EndFile(*FCurrentStream);
            }
            WriteCentralDirectory();
        }
    } catch (...) {
        forget();
        throw;
    }
    forget();
}

} // namespace xls
