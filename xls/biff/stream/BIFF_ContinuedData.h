#pragma once
// The data of a record and of the CONTINUE records after it, read as one run of bytes (MS-XLS 2.1.4): the shared-string
// table and the string result of a formula go on this way once a record is full. A string whose characters go on in
// the next record starts that record with an option byte of its own telling whether they are 8-bit or UTF-16 there
// (MS-XLS 2.5.293); every other field just goes on.

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <span>
#include <vector>

namespace xls {

// The bytes of one record and its continuations, each record's place kept.
class TBIFFContinuedData {
public:
    // missingMessage is raised when data runs past the last record, splitMessage when a UTF-16 character is split
    // between two records; both name what is read.
    TBIFFContinuedData(const char16_t* missingMessage, const char16_t* splitMessage);

    // The body of the record first, then each CONTINUE record's.
    void AddPiece(std::span<const uint8_t> body);

    bool AtEnd() const { return FPosition == FData.size(); }
    size_t BytesLeft() const { return FData.size() - FPosition; }
    // Bytes, which may run on across record boundaries; more than are left raise the missing message.
    std::span<const uint8_t> Take(size_t count);
    uint16_t TakeWord();
    uint32_t TakeDWord();
    // A field that starts exactly at a record's end starts in the next record (a new string of a table does).
    void SkipRecordEnd();
    // count characters, 8-bit or UTF-16 as wide says for the first record and the option byte of each record they go
    // on in; wide is set when any record held them as UTF-16.
    rtl::UnicodeString ReadCharacters(int32_t count, bool& wide);

private:
    bool AtPieceEnd() const { return FPosition == FPieceEnds[FPiece]; }

    const char16_t* FMissingMessage;
    const char16_t* FSplitMessage;
    std::vector<uint8_t> FData;
    // Where each record's bytes end in FData.
    std::vector<size_t> FPieceEnds;
    size_t FPosition = 0;
    size_t FPiece = 0;
};

} // namespace xls
