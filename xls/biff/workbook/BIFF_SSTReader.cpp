#include "xls/biff/workbook/BIFF_SSTReader.h"

#include "rtl/text/Format.h"
#include "xls/biff/BIFF_Messages.h"
#include "xls/biff/stream/BIFF_Bytes.h"
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
    : FSST(sst), FFontOfNumber(std::move(fontOfNumber)) {}

void TBIFFSSTReader::AddPiece(std::span<const uint8_t> body) {
    FData.insert(FData.end(), body.begin(), body.end());
    FPieceEnds.push_back(FData.size());
}

void TBIFFSSTReader::Read() {
    if (FPieceEnds.empty()) {
        return;
    }
    TakeDWord(); // the count of string uses in the workbook
    const uint32_t unique = TakeDWord();
    for (uint32_t i = 0; i < unique && !AtEnd(); ++i) {
        ReadString();
    }
}

std::span<const uint8_t> TBIFFSSTReader::Take(size_t count) {
    if (count > BytesLeft()) {
        throw EBIFFError(BIFFMessages::SSTContinueMissing);
    }
    const std::span<const uint8_t> bytes(FData.data() + FPosition, count);
    FPosition += count;
    while (FPiece + 1 < FPieceEnds.size() && FPosition > FPieceEnds[FPiece]) {
        ++FPiece;
    }
    return bytes;
}

uint16_t TBIFFSSTReader::TakeWord() {
    return LoadUInt16LE(Take(2).data());
}

uint32_t TBIFFSSTReader::TakeDWord() {
    return LoadUInt32LE(Take(4).data());
}

void TBIFFSSTReader::ReadString() {
    // A string that starts at a record's end starts in the next record, without an option byte of its own.
    if (AtPieceEnd()) {
        ++FPiece;
    }
    const uint16_t count = TakeWord();
    const uint8_t options = Take(1)[0];
    if ((options & ~StringKnownOptions) != 0) {
        throw EBIFFError(rtl::Format(BIFFMessages::SSTStringType, {options}));
    }
    const uint16_t runCount = (options & StringRuns) != 0 ? TakeWord() : 0;
    const uint32_t phoneticSize = (options & StringPhonetic) != 0 ? TakeDWord() : 0;
    bool wide = (options & StringWide) != 0;
    const rtl::UnicodeString text = ReadCharacters(count, wide);
    if (runCount * FontRunSize > BytesLeft()) {
        throw EBIFFError(BIFFMessages::SSTContinueMissing);
    }
    TXc12DynFontRunArray runs;
    runs.reserve(runCount);
    for (int32_t i = 0; i < runCount; ++i) {
        const uint16_t position = TakeWord();
        TXc12Font* font = FFontOfNumber(TakeWord());
        font->AddRef();
        runs.push_back({position, font});
    }
    Take(phoneticSize);
    if (!runs.empty()) {
        FSST.AddFormattedString(text, runs);
    } else if (wide) {
        FSST.AddUncompressed16(count, text.data());
    } else {
        FSST.AddString(text);
    }
}

rtl::UnicodeString TBIFFSSTReader::ReadCharacters(int32_t count, bool& wide) {
    rtl::UnicodeString text;
    text.reserve(std::min<size_t>(static_cast<size_t>(count), BytesLeft()));
    bool pieceWide = wide;
    while (static_cast<int32_t>(text.size()) < count) {
        if (AtPieceEnd()) {
            // The characters go on in the next record, after an option byte that gives their width there.
            if (FPiece + 1 >= FPieceEnds.size()) {
                throw EBIFFError(BIFFMessages::SSTContinueMissing);
            }
            ++FPiece;
            if (!AtPieceEnd()) {
                pieceWide = (Take(1)[0] & StringWide) != 0;
                wide = wide || pieceWide;
            }
            continue;
        }
        const size_t width = pieceWide ? 2 : 1;
        const size_t fit = std::min((FPieceEnds[FPiece] - FPosition) / width, count - text.size());
        if (fit == 0) {
            throw EBIFFError(BIFFMessages::SSTSplitCharacter);
        }
        const uint8_t* bytes = FData.data() + FPosition;
        for (size_t i = 0; i < fit; ++i) {
            text.push_back(pieceWide ? static_cast<char16_t>(LoadUInt16LE(bytes + 2 * i)) : char16_t{bytes[i]});
        }
        FPosition += fit * width;
    }
    return text;
}

} // namespace xls
