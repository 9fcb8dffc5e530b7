#include "rtl/numbers/NumberConversions.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/DecimalDigits.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace rtl {

using detail::TDecimal;
using detail::TRounding;

namespace {

// An 80-bit value holds 19 significant decimal digits, not all of them exactly; 18 always round-trip.
constexpr int MaxPrecision = 18;
constexpr int MaxExponentDigits = 4;

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

int DigitValue(char16_t c, unsigned base) {
    if (IsAsciiDigit(c)) {
        return c - u'0';
    }
    if (base == 16 && c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    if (base == 16 && c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    return -1;
}

// Reads an integer of `bits` (32 or 64) bits, sign-extended into value.
bool ParseInteger(UnicodeStringView text, unsigned bits, int64_t& value) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    unsigned base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) {
        return false;
    }
    const uint64_t signBit = uint64_t{1} << (bits - 1);
    const uint64_t allBits = signBit * 2 - 1;
    // Hexadecimal may fill every bit; decimal must fit the signed range.
    const uint64_t limit = base == 16 ? allBits : negative ? signBit : signBit - 1;
    uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0 || magnitude > (limit - digit) / base) {
            return false;
        }
        magnitude = magnitude * base + digit;
    }
    if (magnitude & signBit) {
        magnitude |= ~allBits;
    }
    value = static_cast<int64_t>(negative ? 0 - magnitude : magnitude);
    return true;
}

// Copies text that follows the floating-point grammar into ASCII with '.' as the decimal point and no '+' in front
// (the form std::from_chars reads); empty when the text is no number.
std::string NumberToAscii(UnicodeStringView text, char16_t decimalSeparator) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    std::string ascii;
    size_t i = begin;
    const auto appendDigits = [&] {
        const size_t start = i;
        for (; i < end && IsAsciiDigit(text[i]); ++i) {
            ascii += static_cast<char>(text[i]);
        }
        return i - start;
    };
    const auto appendSign = [&] {
        if (i < end && (text[i] == u'-' || text[i] == u'+')) {
            if (text[i] == u'-') {
                ascii += '-';
            }
            ++i;
        }
    };
    appendSign();
    size_t mantissaDigits = appendDigits();
    if (i < end && text[i] == decimalSeparator) {
        ascii += '.';
        ++i;
        mantissaDigits += appendDigits();
    }
    if (mantissaDigits == 0) {
        return {};
    }
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        ascii += 'e';
        ++i;
        appendSign();
        if (appendDigits() == 0) {
            return {};
        }
    }
    return i == end ? ascii : std::string();
}

// strtold reads the C locale's decimal point, which the process may have changed; hand it that one.
bool AsciiToExtended(std::string ascii, long double& value) {
    const char* point = std::localeconv()->decimal_point;
    if (point != nullptr && std::strcmp(point, ".") != 0) {
        const size_t dot = ascii.find('.');
        if (dot != std::string::npos) {
            ascii.replace(dot, 1, point);
        }
    }
    errno = 0;
    char* end = nullptr;
    value = std::strtold(ascii.c_str(), &end);
    return *end == '\0' && !(errno == ERANGE && std::isinf(value));
}

bool AsciiToDouble(const std::string& ascii, double& value) {
    const char* end = ascii.data() + ascii.size();
    const auto [stop, error] = std::from_chars(ascii.data(), end, value);
    if (error == std::errc::result_out_of_range) {
        // Too small reads as zero, too large fails; the wider type tells which one it is.
        long double wide = 0;
        if (!AsciiToExtended(ascii, wide) || std::fabs(wide) >= 1) {
            return false;
        }
        value = ascii[0] == '-' ? -0.0 : 0.0;
        return true;
    }
    return error == std::errc() && stop == end;
}

void AppendExponent(UnicodeString& text, int exponent, bool alwaysSigned, int minimumDigits) {
    text += u'E';
    if (exponent < 0) {
        text += u'-';
    } else if (alwaysSigned) {
        text += u'+';
    }
    const UnicodeString digits = UIntToStr(static_cast<uint64_t>(std::abs(exponent)));
    if (static_cast<int>(digits.size()) < minimumDigits) {
        text.append(minimumDigits - digits.size(), u'0');
    }
    text += digits;
}

// The first digit, then the decimal separator and `fractionDigits` more when there are any.
UnicodeString Mantissa(const TDecimal& decimal, int fractionDigits, char16_t separator) {
    UnicodeString text(1, decimal.DigitAt(0));
    if (fractionDigits > 0) {
        text += separator;
        for (int i = 1; i <= fractionDigits; ++i) {
            text += decimal.DigitAt(i);
        }
    }
    return text;
}

// The integer part, with a thousand separator between groups of three unless it is 0, then `decimals` decimals.
UnicodeString FixedText(const TDecimal& decimal, int decimals, char16_t separator, char16_t thousands) {
    UnicodeString text;
    const int integerDigits = std::max(decimal.Exponent, 1);
    for (int i = 0; i < integerDigits; ++i) {
        if (thousands != 0 && i > 0 && (integerDigits - i) % 3 == 0) {
            text += thousands;
        }
        text += decimal.DigitAt(decimal.Exponent - integerDigits + i);
    }
    if (decimals > 0) {
        text += separator;
        for (int i = 0; i < decimals; ++i) {
            text += decimal.DigitAt(decimal.Exponent + i);
        }
    }
    return text;
}

UnicodeString GeneralText(const TDecimal& decimal, int precision, int exponentDigits, char16_t separator) {
    if (decimal.Digits.empty()) {
        return u"0";
    }
    const int digits = static_cast<int>(decimal.Digits.size());
    if (decimal.Exponent > precision || decimal.Exponent < -3) {
        UnicodeString text = Mantissa(decimal, digits - 1, separator);
        AppendExponent(text, decimal.Exponent - 1, false, exponentDigits);
        return text;
    }
    return FixedText(decimal, std::max(digits - decimal.Exponent, 0), separator, 0);
}

UnicodeString ExponentText(const TDecimal& decimal, int precision, int exponentDigits, char16_t separator) {
    UnicodeString text = Mantissa(decimal, precision - 1, separator);
    AppendExponent(text, decimal.Digits.empty() ? 0 : decimal.Exponent - 1, true, exponentDigits);
    return text;
}

// Windows numbers these layouts; '$' stands for the currency string and '1' for the amount.
constexpr const char16_t* PositiveCurrencyPatterns[] = {u"$1", u"1$", u"$ 1", u"1 $"};
constexpr const char16_t* NegativeCurrencyPatterns[] = {u"($1)", u"-$1",  u"$-1",   u"$1-",  u"(1$)", u"-1$",
                                                        u"1-$",  u"1$-",  u"-1 $",  u"-$ 1", u"1 $-", u"$ 1-",
                                                        u"$ -1", u"1- $", u"($ 1)", u"(1 $)"};

UnicodeString CurrencyText(const UnicodeString& amount, bool negative, const TFormatSettings& settings) {
    const UnicodeStringView pattern = negative ? NegativeCurrencyPatterns[std::min<size_t>(settings.NegCurrFormat, 15)]
                                               : PositiveCurrencyPatterns[std::min<size_t>(settings.CurrencyFormat, 3)];
    UnicodeString text;
    for (const char16_t c : pattern) {
        if (c == u'$') {
            text += settings.CurrencyString;
        } else if (c == u'1') {
            text += amount;
        } else {
            text += c;
        }
    }
    return text;
}

// The text of a magnitude without its sign; `zero` tells whether it shows as zero.
UnicodeString MagnitudeText(const detail::TDigitSource& source, TFloatFormat format, int precision, int digits,
                            const TFormatSettings& settings, bool& zero) {
    const TDecimal significant = source.Rounded(TRounding::Significant, precision);
    const int exponentDigits = std::clamp(digits, 0, MaxExponentDigits);
    zero = significant.Digits.empty();
    if (format == TFloatFormat::ffGeneral) {
        return GeneralText(significant, precision, exponentDigits, settings.DecimalSeparator);
    }
    if (format == TFloatFormat::ffExponent) {
        return ExponentText(significant, precision, exponentDigits, settings.DecimalSeparator);
    }
    if (significant.Exponent > precision) {
        return GeneralText(significant, precision, 0, settings.DecimalSeparator);
    }
    const int decimals = std::clamp(digits, 0, source.MaxDecimals());
    const TDecimal fixed =
        significant.Exponent + decimals >= precision ? significant : source.Rounded(TRounding::Decimals, decimals);
    zero = fixed.Digits.empty();
    const char16_t thousands = format == TFloatFormat::ffFixed ? u'\0' : settings.ThousandSeparator;
    return FixedText(fixed, decimals, settings.DecimalSeparator, thousands);
}

} // namespace

int32_t StrToInt(UnicodeStringView text) {
    int32_t value = 0;
    if (!TryStrToInt(text, value)) {
        throw EConvertError(Format(RtlMessages::InvalidInteger, {text}));
    }
    return value;
}

bool TryStrToInt(UnicodeStringView text, int32_t& value) {
    int64_t wide = 0;
    if (!ParseInteger(text, 32, wide)) {
        return false;
    }
    value = static_cast<int32_t>(wide);
    return true;
}

int32_t StrToIntDef(UnicodeStringView text, int32_t defaultValue) {
    int32_t value = 0;
    return TryStrToInt(text, value) ? value : defaultValue;
}

int64_t StrToInt64(UnicodeStringView text) {
    int64_t value = 0;
    if (!TryStrToInt64(text, value)) {
        throw EConvertError(Format(RtlMessages::InvalidInteger, {text}));
    }
    return value;
}

bool TryStrToInt64(UnicodeStringView text, int64_t& value) {
    return ParseInteger(text, 64, value);
}

int64_t StrToInt64Def(UnicodeStringView text, int64_t defaultValue) {
    int64_t value = 0;
    return TryStrToInt64(text, value) ? value : defaultValue;
}

double StrToFloat(UnicodeStringView text) {
    return StrToFloat(text, FormatSettings());
}

double StrToFloat(UnicodeStringView text, const TFormatSettings& settings) {
    double value = 0;
    if (!TryStrToFloat(text, value, settings)) {
        throw EConvertError(Format(RtlMessages::InvalidFloat, {text}));
    }
    return value;
}

bool TryStrToFloat(UnicodeStringView text, double& value) {
    return TryStrToFloat(text, value, FormatSettings());
}

bool TryStrToFloat(UnicodeStringView text, double& value, const TFormatSettings& settings) {
    const std::string ascii = NumberToAscii(text, settings.DecimalSeparator);
    return !ascii.empty() && AsciiToDouble(ascii, value);
}

double StrToFloatDef(UnicodeStringView text, double defaultValue) {
    return StrToFloatDef(text, defaultValue, FormatSettings());
}

double StrToFloatDef(UnicodeStringView text, double defaultValue, const TFormatSettings& settings) {
    double value = 0;
    return TryStrToFloat(text, value, settings) ? value : defaultValue;
}

long double StrToExtended(UnicodeStringView text) {
    return StrToExtended(text, FormatSettings());
}

long double StrToExtended(UnicodeStringView text, const TFormatSettings& settings) {
    long double value = 0;
    if (!TryStrToExtended(text, value, settings)) {
        throw EConvertError(Format(RtlMessages::InvalidFloat, {text}));
    }
    return value;
}

bool TryStrToExtended(UnicodeStringView text, long double& value) {
    return TryStrToExtended(text, value, FormatSettings());
}

bool TryStrToExtended(UnicodeStringView text, long double& value, const TFormatSettings& settings) {
    // std::from_chars for long double reads only double precision with MinGW; strtold reads all 64 bits.
    const std::string ascii = NumberToAscii(text, settings.DecimalSeparator);
    return !ascii.empty() && AsciiToExtended(ascii, value);
}

UnicodeString FloatToStr(double value) {
    return FloatToStr(value, FormatSettings());
}

UnicodeString FloatToStr(double value, const TFormatSettings& settings) {
    return FloatToStrF(value, TFloatFormat::ffGeneral, 15, 0, settings);
}

UnicodeString FloatToStrF(long double value, TFloatFormat format, int precision, int digits) {
    return FloatToStrF(value, format, precision, digits, FormatSettings());
}

UnicodeString FloatToStrF(long double value, TFloatFormat format, int precision, int digits,
                          const TFormatSettings& settings) {
    if (std::isnan(value)) {
        return u"NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? u"-INF" : u"INF";
    }
    return detail::DecimalToStrF(detail::TFloatDigits(std::fabs(value)), std::signbit(value), format,
                                 std::clamp(precision, 1, MaxPrecision), digits, settings);
}

namespace detail {

UnicodeString DecimalToStrF(const TDigitSource& source, bool negative, TFloatFormat format, int precision, int digits,
                            const TFormatSettings& settings) {
    bool zero = true;
    const UnicodeString text = MagnitudeText(source, format, precision, digits, settings, zero);
    negative = negative && !zero;
    if (format == TFloatFormat::ffCurrency) {
        return CurrencyText(text, negative, settings);
    }
    return negative ? u"-" + text : text;
}

} // namespace detail

UnicodeString IntToStr(int64_t value) {
    const uint64_t magnitude = static_cast<uint64_t>(value);
    return value < 0 ? u"-" + UIntToStr(0 - magnitude) : UIntToStr(magnitude);
}

UnicodeString UIntToStr(uint64_t value) {
    char buffer[24];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return UnicodeString(buffer, end);
}

UnicodeString IntToHex(uint64_t value, int digits) {
    char buffer[24];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, value, 16).ptr;
    std::transform(buffer, end, buffer, [](char c) { return c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c; });
    UnicodeString text(buffer, end);
    if (static_cast<int>(text.size()) < digits) {
        text.insert(0, digits - text.size(), u'0');
    }
    return text;
}

} // namespace rtl
