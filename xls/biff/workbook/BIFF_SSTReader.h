#pragma once
// The reading of a BIFF8 shared-string table (MS-XLS 2.4.265): the SST record and the CONTINUE records after it hold
// the strings one after the other. A string's characters may go on in the next record, which then starts with its
// own option byte telling whether they are 8-bit or UTF-16; its font runs and phonetic data go on without one. The
// table is read until its unique count or until the data ends, whichever comes first: files that claim more strings
// than they hold are read as far as they go, and nothing is allocated by a count before its bytes are there.

#include "xls/biff/stream/BIFF_ContinuedData.h"

#include <cstdint>
#include <functional>
#include <span>

namespace xls {

class TXc12DataSST;
class TXc12Font;

// Reads one table into the model's shared strings.
class TBIFFSSTReader {
public:
    // The font of a font run's BIFF font number; it never gives nullptr.
    using TFontOfNumber = std::function<TXc12Font*(int32_t biffFont)>;

    TBIFFSSTReader(TXc12DataSST& sst, TFontOfNumber fontOfNumber);

    // The body of the SST record first, then each CONTINUE record's.
    void AddPiece(std::span<const uint8_t> body);
    // Appends the strings to the model's table in order. A string cut short raises "CONTINUE record is missing in
    // SST"; an unknown option byte "STT: Unhandled string type in Read (%.2X)".
    void Read();

private:
    void ReadString();

    TXc12DataSST& FSST;
    TFontOfNumber FFontOfNumber;
    TBIFFContinuedData FData;
};

} // namespace xls
