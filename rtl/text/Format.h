#pragma once
// Format: printf-style message building over UTF-16 text. A directive is
//   % [-] [width] [.precision] conversion
// with the conversions d (signed decimal), u (unsigned decimal), x and X (upper-case hexadecimal of the argument's
// two's complement at its own width), e (scientific), f (fixed), g (general), n (fixed with thousand separators),
// s (string) and %% for a percent sign. Letters may be given in either case. Width pads with spaces on the left, or on
// the right after '-'. Precision is the minimum digit count for d, u, x; the decimals for f and n (default 2); the
// significant digits for e and g (default 15); the maximum length for s. A directive whose argument is missing or of
// the wrong kind raises EConvertError.

#include "rtl/text/StringTypes.h"

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace rtl {

struct TFormatSettings;

// One argument of Format: an integer (with its width and signedness), a floating-point value, or a string.
class TFormatArg {
public:
    enum class TKind : uint8_t { Integer, Float, String };

    template <std::integral T>
    TFormatArg(T value)
        : FKind(TKind::Integer), FSigned(std::is_signed_v<T>), FIs64Bit(sizeof(T) > 4),
          FInteger(
              static_cast<uint64_t>(static_cast<std::conditional_t<std::is_signed_v<T>, int64_t, uint64_t>>(value))) {}
    TFormatArg(double value) : FKind(TKind::Float), FFloat(value) {}
    TFormatArg(long double value) : FKind(TKind::Float), FFloat(value) {}
    TFormatArg(const char16_t* value) : FKind(TKind::String), FString(value ? UnicodeStringView(value) : u"") {}
    TFormatArg(UnicodeStringView value) : FKind(TKind::String), FString(value) {}
    TFormatArg(const UnicodeString& value) : FKind(TKind::String), FString(value) {}

    TKind Kind() const { return FKind; }
    bool IsSigned() const { return FSigned; }
    bool Is64Bit() const { return FIs64Bit; }
    // The integer sign-extended (signed kinds) or zero-extended (unsigned kinds) to 64 bits.
    uint64_t IntegerBits() const { return FInteger; }
    long double FloatValue() const { return FFloat; }
    // Refers to the caller's text: valid while the call that received the argument runs.
    UnicodeStringView StringValue() const { return FString; }

private:
    TKind FKind;
    bool FSigned = false;
    bool FIs64Bit = false;
    uint64_t FInteger = 0;
    long double FFloat = 0;
    UnicodeStringView FString;
};

// Formats with the process-wide settings (FormatSettings()).
UnicodeString Format(UnicodeStringView format, std::initializer_list<TFormatArg> args);
UnicodeString Format(UnicodeStringView format, std::initializer_list<TFormatArg> args, const TFormatSettings& settings);

} // namespace rtl
