#pragma once
// A record body as the handlers read it. A fixed field that lies beyond the body reads 0, so that a record whose
// writer left off trailing fields (a BIFF5 WINDOW2 has 10 of BIFF8's 18 bytes) reads as if they were zero; texts and
// counts are checked against what From gives before they are used.

#include "xls/biff/stream/BIFF_Bytes.h"

#include <bit>
#include <cstdint>
#include <span>

namespace xls {

// A view of the bytes of one record body; it owns nothing.
class TBIFFBody {
public:
    TBIFFBody() = default;
    explicit TBIFFBody(std::span<const uint8_t> bytes) : FBytes(bytes) {}

    int32_t Size() const { return static_cast<int32_t>(FBytes.size()); }
    std::span<const uint8_t> Bytes() const { return FBytes; }
    // The bytes from offset to the end; empty when offset is at or past the end.
    std::span<const uint8_t> From(int32_t offset) const { return Has(offset, 1) ? FBytes.subspan(offset) : Empty(); }

    uint8_t Byte(int32_t offset) const { return Has(offset, 1) ? FBytes[offset] : 0; }
    uint16_t Word(int32_t offset) const { return Has(offset, 2) ? LoadUInt16LE(&FBytes[offset]) : 0; }
    uint32_t DWord(int32_t offset) const { return Has(offset, 4) ? LoadUInt32LE(&FBytes[offset]) : 0; }
    double Double(int32_t offset) const {
        return Has(offset, 8) ? std::bit_cast<double>(LoadUInt64LE(&FBytes[offset])) : 0.0;
    }

private:
    bool Has(int32_t offset, int32_t count) const { return offset >= 0 && offset + count <= Size(); }
    static std::span<const uint8_t> Empty() { return {}; }

    std::span<const uint8_t> FBytes;
};

} // namespace xls
