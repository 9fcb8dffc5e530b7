#pragma once
// TSmallSet: a set of values of one enumeration, held as bits in one 64-bit word (bit n for the value n), so that it
// copies, compares and combines like an integer. The enumeration's values must lie in 0..63; other values are never
// members and including them changes nothing.

#include <cstdint>
#include <initializer_list>

namespace rtl {

// A set of enumeration values with union (+), difference (-) and intersection (*).
template <class TEnum>
class TSmallSet {
public:
    constexpr TSmallSet() = default;
    constexpr TSmallSet(std::initializer_list<TEnum> values) {
        for (const TEnum value : values) {
            FBits |= Bit(value);
        }
    }
    // For sets stored as bit masks in files and streams: bits beyond the enumeration are kept as they are.
    static constexpr TSmallSet FromBits(uint64_t bits) {
        TSmallSet set;
        set.FBits = bits;
        return set;
    }
    constexpr uint64_t Bits() const { return FBits; }

    constexpr bool Contains(TEnum value) const { return (FBits & Bit(value)) != 0; }
    constexpr bool IsEmpty() const { return FBits == 0; }
    constexpr TSmallSet& Include(TEnum value) {
        FBits |= Bit(value);
        return *this;
    }
    constexpr TSmallSet& Exclude(TEnum value) {
        FBits &= ~Bit(value);
        return *this;
    }

    constexpr TSmallSet& operator+=(TSmallSet other) {
        FBits |= other.FBits;
        return *this;
    }
    constexpr TSmallSet& operator-=(TSmallSet other) {
        FBits &= ~other.FBits;
        return *this;
    }
    constexpr TSmallSet& operator*=(TSmallSet other) {
        FBits &= other.FBits;
        return *this;
    }
    friend constexpr TSmallSet operator+(TSmallSet a, TSmallSet b) { return a += b; }
    friend constexpr TSmallSet operator-(TSmallSet a, TSmallSet b) { return a -= b; }
    friend constexpr TSmallSet operator*(TSmallSet a, TSmallSet b) { return a *= b; }
    friend constexpr bool operator==(TSmallSet a, TSmallSet b) = default;

private:
    static constexpr uint64_t Bit(TEnum value) {
        const auto position = static_cast<uint64_t>(value);
        return position < 64 ? uint64_t{1} << position : 0;
    }

    uint64_t FBits = 0;
};

} // namespace rtl
