#include "xls/biff/workbook/BIFF_SSTReader.h"

#include "rtl/text/Format.h"
#include "xls/biff/BIFF_Messages.h"
#include "xls/biff/stream/BIFF_Utils.h"
#include "xls/core/model/styles/Xc12DataSST.h"

#include <algorithm>

namespace xls {

namespace {

// The option byte of a string (MS-XLS 2.5.293 XLUnicodeRichExtendedString).
constexpr uint8_t StringWide = 0x01;
constexpr uint8_t StringPhonetic = 0x04;
constexpr uint8_t StringRuns = 0x08;
constexpr uint8_t StringKnownOptions = StringWide | StringPhonetic | StringRuns;
constexpr size_t FontRunSize = 4;

} // namespace

TBIFFSSTReader::TBIFFSSTReader(TXc12DataSST& sst, TFontOfNumber fontOfNumber)
    : FSST(sst), FFontOfNumber(std::move(fontOfNumber)),
      FData(BIFFMessages::SSTContinueMissing, BIFFMessages::SSTSplitCharacter) {}

void TBIFFSSTReader::AddPiece(std::span<const uint8_t> body) {
    FData.AddPiece(body);
}

void TBIFFSSTReader::Read() {
    if (FData.AtEnd()) {
        return;
    }
    FData.TakeDWord(); // the count of string uses in the workbook
    const uint32_t unique = FData.TakeDWord();
    for (uint32_t i = 0; i < unique && !FData.AtEnd(); ++i) {
        ReadString();
    }
}

void TBIFFSSTReader::ReadString() {
    // A string that starts at a record's end starts in the next record, without an option byte of its own.
    FData.SkipRecordEnd();
    const uint16_t count = FData.TakeWord();
    const uint8_t options = FData.Take(1)[0];
    if ((options & ~StringKnownOptions) != 0) {
        throw EBIFFError(rtl::Format(BIFFMessages::SSTStringType, {options}));
    }
    const uint16_t runCount = (options & StringRuns) != 0 ? FData.TakeWord() : 0;
    const uint32_t phoneticSize = (options & StringPhonetic) != 0 ? FData.TakeDWord() : 0;
    bool wide = (options & StringWide) != 0;
    const rtl::UnicodeString text = FData.ReadCharacters(count, wide);
    if (runCount * FontRunSize > FData.BytesLeft()) {
        throw EBIFFError(BIFFMessages::SSTContinueMissing);
    }
    TXc12DynFontRunArray runs;
    runs.reserve(runCount);
    for (int32_t i = 0; i < runCount; ++i) {
        const uint16_t position = FData.TakeWord();
        TXc12Font* font = FFontOfNumber(FData.TakeWord());
        font->AddRef();
        runs.push_back({position, font});
    }
    FData.Take(phoneticSize);
    if (!runs.empty()) {
        FSST.AddFormattedString(text, runs);
    } else if (wide) {
        FSST.AddUncompressed16(count, text.data());
    } else {
        FSST.AddString(text);
    }
}

} // namespace xls
