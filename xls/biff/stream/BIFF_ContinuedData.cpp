#include "xls/biff/stream/BIFF_ContinuedData.h"

#include "xls/biff/stream/BIFF_Bytes.h"
#include "xls/biff/stream/BIFF_Utils.h"

#include <algorithm>

namespace xls {

namespace {

// The bit of a string's option byte that says its characters are UTF-16 (MS-XLS 2.5.293).
constexpr uint8_t ContinuedCharactersWide = 0x01;

} // namespace

TBIFFContinuedData::TBIFFContinuedData(const char16_t* missingMessage, const char16_t* splitMessage)
    : FMissingMessage(missingMessage), FSplitMessage(splitMessage) {}

void TBIFFContinuedData::AddPiece(std::span<const uint8_t> body) {
    FData.insert(FData.end(), body.begin(), body.end());
    FPieceEnds.push_back(FData.size());
}

std::span<const uint8_t> TBIFFContinuedData::Take(size_t count) {
    if (count > BytesLeft()) {
        throw EBIFFError(FMissingMessage);
    }
    const std::span<const uint8_t> bytes(FData.data() + FPosition, count);
    FPosition += count;
    while (FPiece + 1 < FPieceEnds.size() && FPosition > FPieceEnds[FPiece]) {
        ++FPiece;
    }
    return bytes;
}

uint16_t TBIFFContinuedData::TakeWord() {
    return LoadUInt16LE(Take(2).data());
}

uint32_t TBIFFContinuedData::TakeDWord() {
    return LoadUInt32LE(Take(4).data());
}

void TBIFFContinuedData::SkipRecordEnd() {
    if (!FPieceEnds.empty() && AtPieceEnd() && FPiece + 1 < FPieceEnds.size()) {
        ++FPiece;
    }
}

rtl::UnicodeString TBIFFContinuedData::ReadCharacters(int32_t count, bool& wide) {
    rtl::UnicodeString text;
    text.reserve(std::min<size_t>(static_cast<size_t>(std::max(count, 0)), BytesLeft()));
    bool pieceWide = wide;
    while (static_cast<int32_t>(text.size()) < count) {
        if (FPieceEnds.empty() || AtPieceEnd()) {
            // The characters go on in the next record, after an option byte that gives their width there.
            if (FPieceEnds.empty() || FPiece + 1 >= FPieceEnds.size()) {
                throw EBIFFError(FMissingMessage);
            }
            ++FPiece;
            if (!AtPieceEnd()) {
                pieceWide = (Take(1)[0] & ContinuedCharactersWide) != 0;
                wide = wide || pieceWide;
            }
            continue;
        }
        const size_t width = pieceWide ? 2 : 1;
        const size_t fit = std::min((FPieceEnds[FPiece] - FPosition) / width, count - text.size());
        if (fit == 0) {
            throw EBIFFError(FSplitMessage);
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
