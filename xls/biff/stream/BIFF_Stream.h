#pragma once
// TXLSStream: the byte source of the BIFF reader and the sink of the BIFF record writers. It opens an .xls file or a
// caller's stream: a compound document (BIFF5, BIFF8) gives its record stream "Workbook" or "Book", a plain file
// (BIFF2-4) is its own record stream. It reads record headers and bodies, joins a drawing record with the records
// that continue it, decrypts the records of an encrypted workbook, and writes records, splitting long data into
// CONTINUE records.
//
// A BIFF record (MS-XLS 2.1.4) is a 16-bit id, a 16-bit body length and the body, little-endian.

#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"
#include "xls/biff/BIFF_RecordIds.h"
#include "xls/core/model/workbook/Xc12Manager5.h"

#include <cstdint>
#include <memory>
#include <span>

namespace xls {

class TBIFFDecryptor;
class TCompoundFile;
class TExtraObjects;
class TXLSErrorManager;
struct TBIFFEncryption;

// A HFPICTURE record that continues a drawing starts with 14 bytes of its own fields (MS-XLS 2.4.138) before the
// drawing data.
inline constexpr int32_t BIFFHFPictureHeaderSize = 14;

struct TBIFFHeader {
    uint16_t RecID = 0;
    uint16_t Length = 0;
};

// The record stream of one workbook, read or written.
class TXLSStream {
public:
    // Errors the error manager numbers (an encrypted package) go to errors, which must outlive the stream.
    explicit TXLSStream(TXLSErrorManager& errors);
    ~TXLSStream();
    TXLSStream(const TXLSStream&) = delete;
    TXLSStream& operator=(const TXLSStream&) = delete;

    // The caller's stream that OpenFile reads, from its position, instead of the named file; nullptr reads the file.
    // Not owned. OpenFile copies it and leaves its position at 0.
    void SetSourceStream(rtl::TStream* source) { FSource = source; }
    // The holder that receives a copy of the other elements of a compound document; nullptr keeps none. Not owned.
    void SetExtraObjects(TExtraObjects* holder) { FExtraObjects = holder; }

    // Closes what is open and opens the file (read-only, sharing it with every other reader and writer) or the source
    // stream. A compound document gives its "Workbook" stream, or else its "Book" stream (names compared without
    // case), and the BIFF version of the first BOF: xvExcel97 for 0x0600, xvExcel50 for 0x0500, otherwise by the
    // stream's name. A plain file must start with the BOF of BIFF2 (xvExcel21), BIFF3 (xvExcel30) or BIFF4
    // (xvExcel40). Anything else raises "The file is not an Excel workbook"; a damaged compound document or record
    // stream raises ECompoundFileError, while another damaged stream is reported as warning 2007. An encrypted .xlsx
    // package reports error 1002 to the error manager, which raises it with the words that the file is a
    // password-protected .xlsx workbook; when the manager does not raise it, nothing is open and the result is xvNone.
    TExcelVersion OpenFile(rtl::UnicodeStringView fileName);
    // Closes what is open and starts an empty in-memory stream to write records into (version xvExcel97).
    void CreateMemoryStream();
    void Close();

    TExcelVersion FileVersion() const { return FFileVersion; }
    int64_t Size() const;

    // Reads up to count bytes and returns how many it read, decrypted once a password is set. In continue-read mode a
    // read that reaches the end of the current record goes on in the next one, which must be CONTINUE, MSODRAWINGGROUP,
    // HFPICTURE (whose first 14 bytes are dropped) or GELFRAME, each contributing the body length its own header gives.
    int32_t Read(void* buffer, int32_t count);
    // Reads a 4-byte record header, which starts the current record; returns the bytes read (4 unless the stream
    // ended, when header is zeroed). Headers are never encrypted.
    int32_t ReadHeader(TBIFFHeader& header);
    // The id of the next record, leaving the position and the current record alone; 0 when fewer than 4 bytes remain.
    uint16_t PeekRecordId();
    // A flag byte (1: UTF-16 characters follow, otherwise 8-bit ones) and count characters; returns the bytes read.
    // A count that needs more bytes than are left in the current record (in continue-read mode, in the stream)
    // raises EBIFFError before anything is allocated.
    int32_t ReadUnicodeString(int32_t count, rtl::UnicodeString& text);

    int64_t Seek(int64_t offset, rtl::TSeekOrigin origin);
    int64_t Position() { return Seek(0, rtl::soCurrent); }

    // Checks password against the encryption the FILEPASS record names. When it is right, every body read from then
    // on is decrypted, but those stored in clear (MS-XLS 2.2.10: BOF, FILEPASS, INTERFACEHDR, USREXCL, FILELOCK,
    // RRDINFO, RRDHEAD, and the stream position that starts a BOUNDSHEET), until the stream is closed; when it is
    // wrong, nothing changes and the result is false.
    bool SetPassword(const TBIFFEncryption& encryption, rtl::UnicodeStringView password);
    bool Encrypted() const { return FDecryptor != nullptr; }

    // Continue-read mode is entered and left around the reading of one drawing record with its continuations; entering
    // twice raises "CONTINUE read active".
    void BeginContinueRead();
    void EndContinueRead() { FContinueRead = false; }
    bool ContinueReadActive() const { return FContinueRead; }

    // Bytes as they are, outside any record bookkeeping.
    int32_t WriteBytes(const void* buffer, int32_t count);
    // Body data of the record that WriteHeader started. With a maximum body size set, data beyond it goes on in
    // CONTINUE records, and every header written keeps the length of the data written under it.
    int32_t Write(const void* buffer, int32_t count);
    // The largest body Write puts under one header, at most 65535; 0 (the default) never splits.
    void SetMaxBodySize(int32_t size);
    void WriteHeader(uint16_t id, uint16_t length);
    void WriteDWord(uint32_t value);
    void WriteWord(uint16_t value);
    void WriteByte(uint8_t value);
    // A count byte (characters, 0 for an empty string) and then the whole flagged string; an empty string writes the
    // count byte only. More than 255 characters raise EBIFFError: the count byte would wrap.
    void WriteShortString(std::span<const uint8_t> flagged);
    // A whole record: its first 8224 bytes under id, the rest in CONTINUE records of at most 8224 bytes each.
    void WriteRecord(uint16_t id, const void* data, int32_t count);
    // The 8-byte OfficeArt record header (MS-ODRAW 2.2.1): version + instance x 16, the type and the length.
    void WriteEscherHeader(int32_t version, int32_t instance, uint16_t type, uint32_t length);

private:
    TExcelVersion OpenInput(std::unique_ptr<rtl::TStream> input);
    TExcelVersion OpenCompound(std::unique_ptr<rtl::TStream> input);
    // Warning 2007 for every damaged stream of the document but the record stream, which fails when it is read: the
    // read goes on without them, and their copies stay empty.
    void ReportDamagedStreams(const TCompoundFile& document, int32_t recordStream);
    TExcelVersion OpenPlain(std::unique_ptr<rtl::TStream> input);
    int32_t ReadContinued(uint8_t* target, int32_t count);
    // Reads count bytes of the current record's body, decrypting what is encrypted.
    int32_t ReadStored(uint8_t* target, int32_t count);
    void Decrypt(int64_t offset, uint8_t* bytes, int32_t count);
    // Reads the header of the record that continues the current one; false at the end of the stream.
    bool OpenContinuation();
    // The bytes a string may still take: those of the current record, or of the stream in continue-read mode.
    int64_t BytesLeft();
    void WriteRawHeader(uint16_t id, uint16_t length);
    int32_t WriteSplit(const uint8_t* data, int32_t count);
    // Writes the bytes written under the pending header into its length field.
    void PatchPendingLength();

    TXLSErrorManager& FErrors;
    rtl::TStream* FSource = nullptr;        // not owned
    TExtraObjects* FExtraObjects = nullptr; // not owned
    std::unique_ptr<rtl::TStream> FStream;  // the record stream
    TExcelVersion FFileVersion = xvNone;
    bool FContinueRead = false;
    // The current record: its id, its body's length and where its body ends (-1 before the first header).
    uint16_t FRecordId = 0;
    int64_t FPieceLength = 0;
    int64_t FPieceEnd = -1;
    std::unique_ptr<TBIFFDecryptor> FDecryptor;
    int32_t FMaxBodySize = 0;
    int32_t FWrittenInRecord = 0;
    // Where the header that Write adds to starts; -1 when there is none.
    int64_t FPendingHeader = -1;
};

// The base of the small objects that read and write themselves on a TXLSStream (OfficeArt drawing records).
class TXLSStreamObj {
public:
    virtual ~TXLSStreamObj() = default;
    virtual void ReadFromStream(TXLSStream& stream) = 0;
    virtual void WriteToStream(TXLSStream& stream) = 0;
};

} // namespace xls
