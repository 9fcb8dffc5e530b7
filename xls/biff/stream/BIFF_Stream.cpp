#include "xls/biff/stream/BIFF_Stream.h"

#include "rtl/io/FileStream.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "xls/biff/BIFF_Limits.h"
#include "xls/biff/BIFF_Messages.h"
#include "xls/biff/crypto/BIFF_Decryptor.h"
#include "xls/biff/stream/BIFF_Bytes.h"
#include "xls/biff/stream/BIFF_CompoundFile.h"
#include "xls/biff/stream/BIFF_CompoundStream.h"
#include "xls/biff/stream/BIFF_ExtraObjects.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/core/base/XLSErrorManager.h"

#include <algorithm>
#include <array>
#include <vector>

namespace xls {

namespace {

constexpr int32_t RecordHeaderSize = 4;

// The streams of an encrypted OOXML package (MS-OFFCRYPTO 2.3.4), which is a compound document but no workbook.
constexpr char16_t EncryptionInfoStreamName[] = u"EncryptionInfo";
constexpr char16_t EncryptedPackageStreamName[] = u"EncryptedPackage";

// The BOF version field of BIFF8 and of BIFF5/7 (MS-XLS 2.4.21).
constexpr uint16_t BOFVersionBIFF8 = 0x0600;
constexpr uint16_t BOFVersionBIFF5 = 0x0500;

// The records whose bodies an encrypted workbook stores in clear (MS-XLS 2.2.10) besides BOF and FILEPASS.
constexpr uint16_t RecordInterfaceHdr = 0x00E1;
constexpr uint16_t RecordRRDHead = 0x0138;
constexpr uint16_t RecordUsrExcl = 0x0194;
constexpr uint16_t RecordFileLock = 0x0195;
constexpr uint16_t RecordRRDInfo = 0x0196;
// A BOUNDSHEET's first field, the stream position of its sheet's BOF, is stored in clear too.
constexpr int64_t BoundSheetClearBytes = 4;

// How many bytes at the start of a record's body an encrypted workbook stores in clear.
int64_t ClearBodyBytes(uint16_t id) {
    switch (id) {
    case BIFFRecordFilePass:
    case RecordInterfaceHdr:
    case RecordRRDHead:
    case RecordUsrExcl:
    case RecordFileLock:
    case RecordRRDInfo:
        return INT64_MAX;
    case BIFFRecordBoundSheet:
        return BoundSheetClearBytes;
    default:
        return IsBIFFBOF(id) ? INT64_MAX : 0;
    }
}

bool ContinuesRecord(uint16_t id) {
    return id == BIFFRecordContinue || id == BIFFRecordMsoDrawingGroup || id == BIFFRecordHFPicture ||
           id == BIFFRecordGelFrame;
}

// The version the first BOF of a record stream names, or fallback when it starts otherwise.
TExcelVersion VersionOfFirstBOF(const uint8_t* bytes, int64_t size, TExcelVersion fallback) {
    if (size < RecordHeaderSize + 2 || LoadUInt16LE(bytes) != BIFFRecordBOF8 || LoadUInt16LE(bytes + 2) < 2) {
        return fallback;
    }
    switch (LoadUInt16LE(bytes + RecordHeaderSize)) {
    case BOFVersionBIFF8:
        return xvExcel97;
    case BOFVersionBIFF5:
        return xvExcel50;
    default:
        return fallback;
    }
}

// The version of a plain file by its first record id; xvNone for anything but the BOF of BIFF2, BIFF3 or BIFF4.
TExcelVersion VersionOfPlainFile(uint16_t firstId) {
    switch (firstId) {
    case BIFFRecordBOF2:
        return xvExcel21;
    case BIFFRecordBOF3:
        return xvExcel30;
    case BIFFRecordBOF4:
        return xvExcel40;
    default:
        return xvNone;
    }
}

// The record stream of a compound document: "Workbook" before "Book".
int32_t FindRecordStream(const TCompoundFile& document) {
    for (const char16_t* name : {BIFFWorkbookStreamName, BIFFBookStreamName}) {
        const int32_t entry = document.FindChild(TCompoundFile::RootEntry, name);
        if (entry >= 0 && document.Entry(entry).Type == cetStream) {
            return entry;
        }
    }
    return -1;
}

bool IsEncryptedPackage(const TCompoundFile& document) {
    return document.FindChild(TCompoundFile::RootEntry, EncryptionInfoStreamName) >= 0 &&
           document.FindChild(TCompoundFile::RootEntry, EncryptedPackageStreamName) >= 0;
}

// The record stream of the document read from source. A stream in sectors of its own is read from source as the
// records are walked, so source stays open with it; a small one in the mini stream is copied out whole.
std::unique_ptr<rtl::TStream> OpenRecordStream(const TCompoundFile& document, int32_t entry,
                                               std::unique_ptr<rtl::TStream> source) {
    const uint32_t size = document.Entry(entry).Size;
    if (!document.IsMiniStream(entry)) {
        return std::make_unique<TCompoundStream>(std::move(source), document.StreamExtents(entry), size);
    }
    auto records = std::make_unique<rtl::TMemoryStream>();
    records->SetSize(size);
    document.ReadStream(entry, static_cast<uint8_t*>(records->Memory()));
    return records;
}

} // namespace

TXLSStream::TXLSStream(TXLSErrorManager& errors) : FErrors(errors) {}

TXLSStream::~TXLSStream() = default;

TExcelVersion TXLSStream::OpenFile(rtl::UnicodeStringView fileName) {
    Close();
    if (FSource == nullptr) {
        // Excel keeps a workbook it has open locked against other writers only: reading must not ask for more.
        return OpenInput(
            std::make_unique<rtl::TFileStream>(rtl::UnicodeString(fileName), rtl::fmOpenRead | rtl::fmShareDenyNone));
    }
    auto copy = std::make_unique<rtl::TMemoryStream>();
    const int64_t remaining = FSource->Size() - FSource->Position();
    if (remaining > 0) {
        copy->CopyFrom(*FSource, remaining);
    }
    FSource->Seek(0, rtl::soBeginning);
    copy->Seek(0, rtl::soBeginning);
    return OpenInput(std::move(copy));
}

void TXLSStream::CreateMemoryStream() {
    Close();
    FStream = std::make_unique<rtl::TMemoryStream>();
    FFileVersion = xvExcel97;
}

void TXLSStream::Close() {
    FStream.reset();
    FFileVersion = xvNone;
    FContinueRead = false;
    FRecordId = 0;
    FPieceLength = 0;
    FPieceEnd = -1;
    FDecryptor.reset();
    FWrittenInRecord = 0;
    FPendingHeader = -1;
}

int64_t TXLSStream::Size() const {
    return FStream ? FStream->Size() : 0;
}

TExcelVersion TXLSStream::OpenInput(std::unique_ptr<rtl::TStream> input) {
    if (TCompoundFile::HasSignature(*input)) {
        FFileVersion = OpenCompound(std::move(input));
    } else {
        FFileVersion = OpenPlain(std::move(input));
    }
    return FFileVersion;
}

TExcelVersion TXLSStream::OpenCompound(std::unique_ptr<rtl::TStream> input) {
    const TCompoundFile document(*input);
    const int32_t entry = FindRecordStream(document);
    if (entry < 0) {
        if (!IsEncryptedPackage(document)) {
            throw EBIFFError(BIFFMessages::NotExcelWorkbook);
        }
        // Encrypted .xlsx packages (MS-OFFCRYPTO 2.3.4.4) are not decrypted: the error says what the file is. When the
        // manager takes the error there is nothing to read.
        try {
            static_cast<void>(FErrors.ReportError(u"", XLSErrorUnknownEncryption));
        } catch (const rtl::Exception& error) {
            throw EBIFFError(error.Message() + u" (" + BIFFMessages::EncryptedPackage + u")");
        }
        return xvNone;
    }
    ReportDamagedStreams(document, entry);
    if (FExtraObjects != nullptr) {
        FExtraObjects->Assign(document);
    }
    // The name is only a hint: some BIFF8 writers call their stream "Book" (or "BOOK").
    const TCompoundEntry& stream = document.Entry(entry);
    const TExcelVersion byName = rtl::WideSameText(stream.Name, BIFFWorkbookStreamName) ? xvExcel97 : xvExcel50;
    FStream = OpenRecordStream(document, entry, std::move(input));
    std::array<uint8_t, RecordHeaderSize + 2> start{};
    const int32_t got = FStream->Read(start.data(), static_cast<int32_t>(start.size()));
    FStream->Seek(0, rtl::soBeginning);
    return VersionOfFirstBOF(start.data(), got, byName);
}

void TXLSStream::ReportDamagedStreams(const TCompoundFile& document, int32_t recordStream) {
    for (int32_t entry = 0; entry < document.EntryCount(); ++entry) {
        const TCompoundEntry& stream = document.Entry(entry);
        if (entry != recordStream && !stream.Damage.empty()) {
            FErrors.ReportWarning(stream.Name + u": " + stream.Damage, XLSWarningPartNotRead);
        }
    }
}

TExcelVersion TXLSStream::OpenPlain(std::unique_ptr<rtl::TStream> input) {
    std::array<uint8_t, 2> id{};
    const int32_t got = input->Read(id.data(), static_cast<int32_t>(id.size()));
    const TExcelVersion version = got == 2 ? VersionOfPlainFile(LoadUInt16LE(id.data())) : xvNone;
    if (version == xvNone) {
        throw EBIFFError(BIFFMessages::NotExcelWorkbook);
    }
    input->Seek(0, rtl::soBeginning);
    FStream = std::move(input);
    return version;
}

int32_t TXLSStream::Read(void* buffer, int32_t count) {
    if (!FStream || count <= 0) {
        return 0;
    }
    if (FContinueRead) {
        return ReadContinued(static_cast<uint8_t*>(buffer), count);
    }
    return ReadStored(static_cast<uint8_t*>(buffer), count);
}

int32_t TXLSStream::ReadStored(uint8_t* target, int32_t count) {
    const int64_t offset = Position();
    const int32_t got = FStream->Read(target, count);
    if (FDecryptor != nullptr) {
        Decrypt(offset, target, got);
    }
    return got;
}

void TXLSStream::Decrypt(int64_t offset, uint8_t* bytes, int32_t count) {
    // The bytes of the current record's body that are stored in clear stay as they are; all others are decrypted.
    const int64_t end = offset + count;
    const int64_t bodyStart = FPieceEnd - FPieceLength;
    const int64_t clearStart = std::clamp(bodyStart, offset, end);
    const int64_t clearEnd =
        std::clamp(bodyStart + std::min<int64_t>(ClearBodyBytes(FRecordId), FPieceLength), clearStart, end);
    FDecryptor->Decrypt(offset, bytes, static_cast<int32_t>(clearStart - offset));
    FDecryptor->Decrypt(clearEnd, bytes + (clearEnd - offset), static_cast<int32_t>(end - clearEnd));
}

bool TXLSStream::SetPassword(const TBIFFEncryption& encryption, rtl::UnicodeStringView password) {
    std::unique_ptr<TBIFFDecryptor> decryptor = TBIFFDecryptor::Create(encryption, password);
    if (decryptor == nullptr) {
        return false;
    }
    FDecryptor = std::move(decryptor);
    return true;
}

int32_t TXLSStream::ReadContinued(uint8_t* target, int32_t count) {
    int32_t done = 0;
    while (done < count) {
        const int64_t left = std::max<int64_t>(FPieceEnd - Position(), 0);
        if (left == 0) {
            if (!OpenContinuation()) {
                break;
            }
            continue;
        }
        const auto wanted = static_cast<int32_t>(std::min<int64_t>(left, count - done));
        const int32_t got = ReadStored(target + done, wanted);
        done += got;
        if (got < wanted) {
            break;
        }
    }
    return done;
}

bool TXLSStream::OpenContinuation() {
    TBIFFHeader header;
    if (ReadHeader(header) < RecordHeaderSize) {
        return false;
    }
    if (!ContinuesRecord(header.RecID)) {
        throw EBIFFError(BIFFMessages::ContinueMissing);
    }
    if (header.RecID == BIFFRecordHFPicture) {
        if (header.Length < BIFFHFPictureHeaderSize) {
            throw EBIFFError(
                rtl::Format(BIFFMessages::PictureContinueTooShort, {header.Length, BIFFHFPictureHeaderSize}));
        }
        Seek(BIFFHFPictureHeaderSize, rtl::soCurrent);
    }
    return true;
}

int32_t TXLSStream::ReadHeader(TBIFFHeader& header) {
    std::array<uint8_t, RecordHeaderSize> bytes{};
    const int32_t got = FStream ? FStream->Read(bytes.data(), RecordHeaderSize) : 0;
    header = {};
    if (got == RecordHeaderSize) {
        header = {LoadUInt16LE(bytes.data()), LoadUInt16LE(bytes.data() + 2)};
        FRecordId = header.RecID;
        FPieceLength = header.Length;
        FPieceEnd = Position() + header.Length;
    }
    return got;
}

uint16_t TXLSStream::PeekRecordId() {
    if (!FStream) {
        return 0;
    }
    std::array<uint8_t, RecordHeaderSize> bytes{};
    const int32_t got = FStream->Read(bytes.data(), RecordHeaderSize);
    FStream->Seek(-got, rtl::soCurrent);
    return got == RecordHeaderSize ? LoadUInt16LE(bytes.data()) : 0;
}

int32_t TXLSStream::ReadUnicodeString(int32_t count, rtl::UnicodeString& text) {
    count = std::max(count, 0);
    CheckStringBytes(count, 1, BytesLeft());
    std::vector<uint8_t> flagged(1);
    Read(flagged.data(), 1);
    const int64_t characterBytes = FlaggedCharacterBytes(flagged[0], count);
    CheckStringBytes(count, characterBytes, BytesLeft());
    flagged.resize(static_cast<size_t>(1 + characterBytes));
    const int32_t got = Read(flagged.data() + 1, static_cast<int32_t>(characterBytes));
    CheckStringBytes(count, characterBytes, got);
    text = UnicodeBodyToWide(flagged, count);
    return static_cast<int32_t>(1 + characterBytes);
}

int64_t TXLSStream::BytesLeft() {
    const int64_t position = Position();
    const int64_t end = FContinueRead || FPieceEnd < 0 ? Size() : FPieceEnd;
    return std::max<int64_t>(end - position, 0);
}

int64_t TXLSStream::Seek(int64_t offset, rtl::TSeekOrigin origin) {
    return FStream ? FStream->Seek(offset, origin) : 0;
}

void TXLSStream::BeginContinueRead() {
    if (FContinueRead) {
        throw EBIFFError(BIFFMessages::ContinueReadActive);
    }
    FContinueRead = true;
}

int32_t TXLSStream::WriteBytes(const void* buffer, int32_t count) {
    return FStream && count > 0 ? FStream->Write(buffer, count) : 0;
}

int32_t TXLSStream::Write(const void* buffer, int32_t count) {
    if (FMaxBodySize > 0 && FPendingHeader >= 0) {
        return WriteSplit(static_cast<const uint8_t*>(buffer), count);
    }
    const int32_t written = WriteBytes(buffer, count);
    FWrittenInRecord += written;
    return written;
}

void TXLSStream::SetMaxBodySize(int32_t size) {
    FMaxBodySize = std::clamp(size, 0, 0xFFFF);
}

void TXLSStream::WriteHeader(uint16_t id, uint16_t length) {
    FPendingHeader = Position();
    FWrittenInRecord = 0;
    WriteRawHeader(id, length);
}

void TXLSStream::WriteRawHeader(uint16_t id, uint16_t length) {
    std::array<uint8_t, RecordHeaderSize> bytes{};
    StoreUInt16LE(bytes.data(), id);
    StoreUInt16LE(bytes.data() + 2, length);
    WriteBytes(bytes.data(), RecordHeaderSize);
}

int32_t TXLSStream::WriteSplit(const uint8_t* data, int32_t count) {
    int32_t done = 0;
    while (done < count) {
        if (FWrittenInRecord >= FMaxBodySize) {
            WriteHeader(BIFFRecordContinue, 0);
        }
        const int32_t wanted = std::min(count - done, FMaxBodySize - FWrittenInRecord);
        const int32_t written = WriteBytes(data + done, wanted);
        FWrittenInRecord += written;
        done += written;
        PatchPendingLength();
        if (written < wanted) {
            break;
        }
    }
    return done;
}

void TXLSStream::PatchPendingLength() {
    const int64_t end = Position();
    std::array<uint8_t, 2> length{};
    StoreUInt16LE(length.data(), static_cast<uint16_t>(FWrittenInRecord));
    Seek(FPendingHeader + 2, rtl::soBeginning);
    WriteBytes(length.data(), static_cast<int32_t>(length.size()));
    Seek(end, rtl::soBeginning);
}

void TXLSStream::WriteDWord(uint32_t value) {
    std::array<uint8_t, 4> bytes{};
    StoreUInt32LE(bytes.data(), value);
    Write(bytes.data(), static_cast<int32_t>(bytes.size()));
}

void TXLSStream::WriteWord(uint16_t value) {
    std::array<uint8_t, 2> bytes{};
    StoreUInt16LE(bytes.data(), value);
    Write(bytes.data(), static_cast<int32_t>(bytes.size()));
}

void TXLSStream::WriteByte(uint8_t value) {
    Write(&value, 1);
}

void TXLSStream::WriteShortString(std::span<const uint8_t> flagged) {
    if (flagged.empty()) {
        WriteByte(0);
        return;
    }
    const int64_t characters = flagged[0] == 1 ? (flagged.size() - 1) / 2 : flagged.size() - 1;
    if (characters > BIFFMaxShortStringLength) {
        throw EBIFFError(rtl::Format(BIFFMessages::ShortStringTooLong, {characters, BIFFMaxShortStringLength}));
    }
    WriteByte(static_cast<uint8_t>(characters));
    Write(flagged.data(), static_cast<int32_t>(flagged.size()));
}

void TXLSStream::WriteRecord(uint16_t id, const void* data, int32_t count) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    count = std::max(count, 0);
    // The record is complete when written: later body data does not belong under its headers.
    FPendingHeader = -1;
    int32_t done = 0;
    uint16_t pieceId = id;
    do {
        const int32_t piece = std::min(count - done, BIFFMaxRecordBody8);
        WriteRawHeader(pieceId, static_cast<uint16_t>(piece));
        WriteBytes(bytes + done, piece);
        done += piece;
        pieceId = BIFFRecordContinue;
    } while (done < count);
}

void TXLSStream::WriteEscherHeader(int32_t version, int32_t instance, uint16_t type, uint32_t length) {
    WriteWord(static_cast<uint16_t>(version + instance * 16));
    WriteWord(type);
    WriteDWord(length);
}

} // namespace xls
