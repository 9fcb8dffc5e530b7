#include "rtl/text/Format.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/numbers/NumberConversions.h"

namespace rtl {

namespace {

// Widths and precisions above this are taken as a broken format rather than allocated.
constexpr uint32_t MaxFieldLength = 1u << 20;

// One parsed directive: % [-] [width] [.precision] conversion.
struct TDirective {
    bool LeftAlign = false;
    uint32_t Width = 0;
    bool HasPrecision = false;
    uint32_t Precision = 0;
    char16_t Conversion = 0; // lower case
};

[[noreturn]] void RaiseInvalidFormat(UnicodeStringView format) {
    throw EConvertError(Format(RtlMessages::InvalidFormat, {format}));
}

// Walks the format once, taking the arguments in order.
class TFormatter {
public:
    TFormatter(UnicodeStringView format, std::initializer_list<TFormatArg> args, const TFormatSettings& settings)
        : FFormat(format), FArgs(args), FSettings(settings) {}

    UnicodeString Run();

private:
    bool ReadNumber(uint32_t& value);
    TDirective ReadDirective();
    const TFormatArg& NextArg(TFormatArg::TKind kind);
    UnicodeString Convert(const TDirective& directive);
    UnicodeString ConvertInteger(const TDirective& directive);
    UnicodeString ConvertFloat(const TDirective& directive);
    UnicodeString ConvertString(const TDirective& directive);

    UnicodeStringView FFormat;
    std::initializer_list<TFormatArg> FArgs;
    const TFormatSettings& FSettings;
    size_t FPosition = 0;
    size_t FArgIndex = 0;
};

void PadToWidth(UnicodeString& text, const TDirective& directive) {
    if (text.size() >= directive.Width) {
        return;
    }
    const size_t padding = directive.Width - text.size();
    if (directive.LeftAlign) {
        text.append(padding, u' ');
    } else {
        text.insert(0, padding, u' ');
    }
}

UnicodeString TFormatter::Run() {
    UnicodeString result;
    result.reserve(FFormat.size());
    while (FPosition < FFormat.size()) {
        const size_t percent = FFormat.find(u'%', FPosition);
        if (percent == UnicodeStringView::npos) {
            result += FFormat.substr(FPosition);
            break;
        }
        result += FFormat.substr(FPosition, percent - FPosition);
        FPosition = percent + 1;
        if (FPosition < FFormat.size() && FFormat[FPosition] == u'%') {
            result += u'%';
            ++FPosition;
            continue;
        }
        result += Convert(ReadDirective());
    }
    return result;
}

bool TFormatter::ReadNumber(uint32_t& value) {
    const size_t start = FPosition;
    value = 0;
    while (FPosition < FFormat.size() && FFormat[FPosition] >= u'0' && FFormat[FPosition] <= u'9') {
        value = value * 10 + (FFormat[FPosition] - u'0');
        if (value > MaxFieldLength) {
            RaiseInvalidFormat(FFormat);
        }
        ++FPosition;
    }
    return FPosition > start;
}

TDirective TFormatter::ReadDirective() {
    TDirective directive;
    if (FPosition < FFormat.size() && FFormat[FPosition] == u'-') {
        directive.LeftAlign = true;
        ++FPosition;
    }
    ReadNumber(directive.Width);
    if (FPosition < FFormat.size() && FFormat[FPosition] == u'.') {
        ++FPosition;
        directive.HasPrecision = ReadNumber(directive.Precision);
        if (!directive.HasPrecision) {
            RaiseInvalidFormat(FFormat);
        }
    }
    if (FPosition >= FFormat.size()) {
        RaiseInvalidFormat(FFormat);
    }
    const char16_t c = FFormat[FPosition++];
    directive.Conversion = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    return directive;
}

const TFormatArg& TFormatter::NextArg(TFormatArg::TKind kind) {
    if (FArgIndex >= FArgs.size() || FArgs.begin()[FArgIndex].Kind() != kind) {
        RaiseInvalidFormat(FFormat);
    }
    return FArgs.begin()[FArgIndex++];
}

UnicodeString TFormatter::Convert(const TDirective& directive) {
    UnicodeString text;
    switch (directive.Conversion) {
    case u'd':
    case u'u':
    case u'x':
        text = ConvertInteger(directive);
        break;
    case u'e':
    case u'f':
    case u'g':
    case u'n':
        text = ConvertFloat(directive);
        break;
    case u's':
        text = ConvertString(directive);
        break;
    default:
        RaiseInvalidFormat(FFormat);
    }
    PadToWidth(text, directive);
    return text;
}

UnicodeString TFormatter::ConvertInteger(const TDirective& directive) {
    const TFormatArg& arg = NextArg(TFormatArg::TKind::Integer);
    uint64_t bits = arg.IntegerBits();
    const bool negative = directive.Conversion == u'd' && arg.IsSigned() && static_cast<int64_t>(bits) < 0;
    if (negative) {
        bits = 0 - bits;
    } else if (!arg.Is64Bit()) {
        // %u and %x show a 32-bit argument's own two's complement, not its 64-bit extension.
        bits &= 0xFFFFFFFFu;
    }
    UnicodeString digits = directive.Conversion == u'x' ? IntToHex(bits, 0) : UIntToStr(bits);
    if (directive.Precision > digits.size()) {
        digits.insert(0, directive.Precision - digits.size(), u'0');
    }
    return negative ? u"-" + digits : digits;
}

UnicodeString TFormatter::ConvertFloat(const TDirective& directive) {
    const long double value = NextArg(TFormatArg::TKind::Float).FloatValue();
    const auto precisionOr = [&](int fallback) {
        return directive.HasPrecision ? static_cast<int>(directive.Precision) : fallback;
    };
    switch (directive.Conversion) {
    case u'e':
        return FloatToStrF(value, TFloatFormat::ffExponent, precisionOr(15), 3, FSettings);
    case u'f':
        return FloatToStrF(value, TFloatFormat::ffFixed, 18, precisionOr(2), FSettings);
    case u'g':
        return FloatToStrF(value, TFloatFormat::ffGeneral, precisionOr(15), 0, FSettings);
    default:
        return FloatToStrF(value, TFloatFormat::ffNumber, 18, precisionOr(2), FSettings);
    }
}

UnicodeString TFormatter::ConvertString(const TDirective& directive) {
    UnicodeStringView text = NextArg(TFormatArg::TKind::String).StringValue();
    if (directive.HasPrecision && directive.Precision < text.size()) {
        text = text.substr(0, directive.Precision);
    }
    return UnicodeString(text);
}

} // namespace

UnicodeString Format(UnicodeStringView format, std::initializer_list<TFormatArg> args) {
    return Format(format, args, FormatSettings());
}

UnicodeString Format(UnicodeStringView format, std::initializer_list<TFormatArg> args,
                     const TFormatSettings& settings) {
    return TFormatter(format, args, settings).Run();
}

} // namespace rtl
