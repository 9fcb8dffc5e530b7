#include "rtl/numbers/NumberFormat.h"

#include "rtl/numbers/Currency.h"
#include "rtl/numbers/DecimalDigits.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/numbers/NumberConversions.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace rtl {

namespace {

using detail::TDecimal;
using detail::TRounding;

constexpr int FloatFormatPrecision = 15;
constexpr int CurrencyGeneralPrecision = 19;
// Beyond this many integer digits a float leaves fixed notation for the general format.
constexpr int MaxFixedIntegerDigits = 18;
constexpr int MaxPatternExponentDigits = 4;
constexpr size_t MaxSections = 3;

bool IsQuote(char16_t c) {
    return c == u'"' || c == u'\'';
}

// When a literal (quoted text or an escaped character) starts at i, appends its text and returns the index after
// it; otherwise returns i. An unterminated quote runs to the end.
size_t ReadLiteral(UnicodeStringView pattern, size_t i, UnicodeString& text) {
    if (IsQuote(pattern[i])) {
        const size_t close = pattern.find(pattern[i], i + 1);
        const size_t end = close == UnicodeStringView::npos ? pattern.size() : close;
        text.append(pattern.substr(i + 1, end - i - 1));
        return std::min(end + 1, pattern.size());
    }
    if (pattern[i] == u'\\' && i + 1 < pattern.size()) {
        text += pattern[i + 1];
        return i + 2;
    }
    return i;
}

std::vector<UnicodeStringView> SplitSections(UnicodeStringView pattern) {
    std::vector<UnicodeStringView> sections;
    size_t start = 0;
    UnicodeString ignored;
    for (size_t i = 0; i < pattern.size() && sections.size() + 1 < MaxSections;) {
        const size_t next = ReadLiteral(pattern, i, ignored);
        if (next != i) {
            i = next;
        } else if (pattern[i] == u';') {
            sections.push_back(pattern.substr(start, i - start));
            start = ++i;
        } else {
            ++i;
        }
    }
    const size_t end = std::min(pattern.find(u';', start), pattern.size());
    sections.push_back(pattern.substr(start, end - start));
    return sections;
}

enum class TTokenKind : uint8_t { Literal, IntegerDigit, Point, FractionDigit, Exponent };

struct TToken {
    TTokenKind Kind = TTokenKind::Literal;
    UnicodeString Text;        // a literal's text; an exponent's letter
    int Index = 0;             // which integer or fraction placeholder
    bool AlwaysSigned = false; // an exponent written with E+
    int ExponentDigits = 0;
};

// What a section asks of the number.
struct TSectionLayout {
    std::vector<TToken> Tokens;
    int IntegerPlaceholders = 0;
    int MinimumIntegerDigits = 0;
    int FractionPlaceholders = 0;
    int MinimumFractionDigits = 0;
    bool Thousands = false;
    bool Scientific = false;
};

void AddLiteral(TSectionLayout& layout, UnicodeStringView text) {
    if (layout.Tokens.empty() || layout.Tokens.back().Kind != TTokenKind::Literal) {
        layout.Tokens.push_back({});
    }
    layout.Tokens.back().Text += text;
}

// Reads "E+00" at i into an exponent token; returns the index after it.
size_t ReadExponent(UnicodeStringView section, size_t i, TSectionLayout& layout) {
    TToken token{TTokenKind::Exponent, UnicodeString(1, section[i])};
    token.AlwaysSigned = section[i + 1] == u'+';
    i += 2;
    for (; i < section.size() && (section[i] == u'0' || section[i] == u'#'); ++i) {
        token.ExponentDigits += section[i] == u'0' ? 1 : 0;
    }
    token.ExponentDigits = std::min(token.ExponentDigits, MaxPatternExponentDigits);
    layout.Tokens.push_back(token);
    layout.Scientific = true;
    return i;
}

void AddDigit(TSectionLayout& layout, char16_t placeholder, bool inFraction) {
    if (inFraction) {
        layout.Tokens.push_back({TTokenKind::FractionDigit, {}, layout.FractionPlaceholders++});
        if (placeholder == u'0') {
            layout.MinimumFractionDigits = layout.FractionPlaceholders;
        }
        return;
    }
    layout.Tokens.push_back({TTokenKind::IntegerDigit, {}, layout.IntegerPlaceholders++});
}

TSectionLayout ReadSection(UnicodeStringView section) {
    TSectionLayout layout;
    bool seenPoint = false;
    bool firstZeroSeen = false;
    int firstZero = 0;
    for (size_t i = 0; i < section.size();) {
        UnicodeString literal;
        const size_t next = ReadLiteral(section, i, literal);
        const char16_t c = section[i];
        if (next != i) {
            AddLiteral(layout, literal);
            i = next;
            continue;
        }
        if ((c == u'E' || c == u'e') && i + 1 < section.size() && (section[i + 1] == u'+' || section[i + 1] == u'-') &&
            !layout.Scientific) {
            i = ReadExponent(section, i, layout);
            continue;
        }
        if ((c == u'0' || c == u'#') && !layout.Scientific) {
            if (!seenPoint && c == u'0' && !firstZeroSeen) {
                firstZeroSeen = true;
                firstZero = layout.IntegerPlaceholders;
            }
            AddDigit(layout, c, seenPoint);
        } else if (c == u'.' && !layout.Scientific) {
            if (!seenPoint) {
                layout.Tokens.push_back({TTokenKind::Point});
            }
            seenPoint = true;
        } else if (c == u',' && !layout.Scientific) {
            layout.Thousands = true;
        } else {
            AddLiteral(layout, UnicodeStringView(&section[i], 1));
        }
        ++i;
    }
    layout.MinimumIntegerDigits = firstZeroSeen ? layout.IntegerPlaceholders - firstZero : 0;
    return layout;
}

// The digits a layout shows: the integer digits (padded to the minimum), the fraction digits (trailing zeros
// dropped down to the minimum) and, in scientific notation, the exponent.
struct TNumberParts {
    std::string Integer;
    std::string Fraction;
    int Exponent = 0;
    bool Zero = true;
};

TNumberParts SplitDigits(const TDecimal& decimal, const TSectionLayout& layout) {
    TNumberParts parts;
    parts.Zero = decimal.IsZero();
    for (int i = 0; i < decimal.Exponent; ++i) {
        parts.Integer += decimal.DigitAt(i);
    }
    if (static_cast<int>(parts.Integer.size()) < layout.MinimumIntegerDigits) {
        parts.Integer.insert(0, layout.MinimumIntegerDigits - parts.Integer.size(), '0');
    }
    for (int i = 0; i < layout.FractionPlaceholders; ++i) {
        parts.Fraction += decimal.DigitAt(decimal.Exponent + i);
    }
    const size_t lastShown = parts.Fraction.find_last_not_of('0');
    const size_t shown = lastShown == std::string::npos ? 0 : lastShown + 1;
    parts.Fraction.resize(std::max<size_t>(shown, layout.MinimumFractionDigits));
    return parts;
}

TNumberParts NumberParts(const TDecimal& value, const TSectionLayout& layout) {
    if (!layout.Scientific) {
        return SplitDigits(detail::RoundDecimal(value, TRounding::Decimals, layout.FractionPlaceholders), layout);
    }
    const int significant = std::max(layout.IntegerPlaceholders + layout.FractionPlaceholders, 1);
    TDecimal mantissa = detail::RoundDecimal(value, TRounding::Significant, significant);
    int exponent = 0;
    if (!mantissa.IsZero()) {
        exponent = mantissa.Exponent - layout.IntegerPlaceholders;
        mantissa.Exponent = layout.IntegerPlaceholders;
    }
    TNumberParts parts = SplitDigits(mantissa, layout);
    parts.Exponent = exponent;
    return parts;
}

// Writes the section's tokens with the number's parts in their places.
class TSectionWriter {
public:
    TSectionWriter(const TSectionLayout& layout, const TNumberParts& parts, const TFormatSettings& settings)
        : FLayout(layout), FParts(parts), FSettings(settings) {}

    UnicodeString Write() {
        for (const TToken& token : FLayout.Tokens) {
            WriteToken(token);
        }
        return FText;
    }

private:
    void WriteToken(const TToken& token) {
        switch (token.Kind) {
        case TTokenKind::Literal:
            FText += token.Text;
            break;
        case TTokenKind::IntegerDigit:
            WriteIntegerPlaceholder(token.Index);
            break;
        case TTokenKind::Point:
            if (FLayout.IntegerPlaceholders == 0) {
                WriteIntegerDigits(0, FParts.Integer.size());
            }
            if (!FParts.Fraction.empty()) {
                FText += FSettings.DecimalSeparator;
            }
            break;
        case TTokenKind::FractionDigit:
            if (token.Index < static_cast<int>(FParts.Fraction.size())) {
                FText += static_cast<char16_t>(FParts.Fraction[token.Index]);
            }
            break;
        case TTokenKind::Exponent:
            WriteExponent(token);
            break;
        }
    }

    // Digits are right-aligned on the placeholders; the first placeholder also takes the digits that have none.
    void WriteIntegerPlaceholder(int placeholder) {
        const int digits = static_cast<int>(FParts.Integer.size());
        const int offset = FLayout.IntegerPlaceholders - digits;
        if (placeholder == 0 && offset < 0) {
            WriteIntegerDigits(0, static_cast<size_t>(1 - offset));
        } else if (placeholder >= offset) {
            WriteIntegerDigits(static_cast<size_t>(placeholder - offset), 1);
        }
    }

    void WriteIntegerDigits(size_t first, size_t count) {
        const size_t digits = FParts.Integer.size();
        for (size_t i = first; i < first + count && i < digits; ++i) {
            FText += static_cast<char16_t>(FParts.Integer[i]);
            const size_t remaining = digits - 1 - i;
            if (FLayout.Thousands && remaining > 0 && remaining % 3 == 0) {
                FText += FSettings.ThousandSeparator;
            }
        }
    }

    void WriteExponent(const TToken& token) {
        FText += token.Text;
        if (FParts.Exponent < 0) {
            FText += u'-';
        } else if (token.AlwaysSigned) {
            FText += u'+';
        }
        const UnicodeString digits = UIntToStr(static_cast<uint64_t>(std::abs(FParts.Exponent)));
        if (static_cast<int>(digits.size()) < token.ExponentDigits) {
            FText.append(token.ExponentDigits - digits.size(), u'0');
        }
        FText += digits;
    }

    const TSectionLayout& FLayout;
    const TNumberParts& FParts;
    const TFormatSettings& FSettings;
    UnicodeString FText;
};

enum TSectionIndex : size_t { PositiveSection = 0, NegativeSection = 1, ZeroSection = 2 };

// The section for the index, or the first one when that is missing or empty; `fellBack` tells which.
UnicodeStringView ChooseSection(const std::vector<UnicodeStringView>& sections, size_t index, bool& fellBack) {
    fellBack = index >= sections.size() || sections[index].empty();
    return fellBack ? sections[PositiveSection] : sections[index];
}

// The value laid out by the pattern, or nothing when the general format has to show it: an empty section, or more
// integer digits than fixed notation takes.
std::optional<UnicodeString> FormatDecimal(UnicodeStringView pattern, const TDecimal& value, bool negative,
                                           const TFormatSettings& settings) {
    const std::vector<UnicodeStringView> sections = SplitSections(pattern);
    bool fellBack = false;
    const size_t index = value.IsZero() ? ZeroSection : negative ? NegativeSection : PositiveSection;
    TSectionLayout layout = ReadSection(ChooseSection(sections, index, fellBack));
    bool minus = negative && index == NegativeSection && fellBack;
    if (!layout.Scientific && value.Exponent > MaxFixedIntegerDigits) {
        return std::nullopt;
    }
    TNumberParts parts = NumberParts(value, layout);
    if (parts.Zero && !value.IsZero()) {
        layout = ReadSection(ChooseSection(sections, ZeroSection, fellBack));
        parts = NumberParts(TDecimal{}, layout);
        minus = false;
    }
    if (layout.Tokens.empty()) {
        return std::nullopt;
    }
    const UnicodeString text = TSectionWriter(layout, parts, settings).Write();
    return minus ? u"-" + text : text;
}

} // namespace

UnicodeString FormatFloat(UnicodeStringView format, long double value) {
    return FormatFloat(format, value, FormatSettings());
}

UnicodeString FormatFloat(UnicodeStringView format, long double value, const TFormatSettings& settings) {
    const auto general = [&] { return FloatToStrF(value, TFloatFormat::ffGeneral, FloatFormatPrecision, 0, settings); };
    if (!std::isfinite(value) || format.empty()) {
        return general();
    }
    const TDecimal digits =
        detail::TFloatDigits(std::fabs(value)).Rounded(TRounding::Significant, FloatFormatPrecision);
    const std::optional<UnicodeString> text = FormatDecimal(format, digits, std::signbit(value), settings);
    return text ? *text : general();
}

UnicodeString FormatCurr(UnicodeStringView format, Currency value) {
    return FormatCurr(format, value, FormatSettings());
}

UnicodeString FormatCurr(UnicodeStringView format, Currency value, const TFormatSettings& settings) {
    const bool negative = value.Scaled() < 0;
    const uint64_t scaled = static_cast<uint64_t>(value.Scaled());
    const TDecimal digits = detail::DecimalOfScaled(negative ? ~scaled + 1 : scaled, 4);
    const std::optional<UnicodeString> text =
        format.empty() ? std::nullopt : FormatDecimal(format, digits, negative, settings);
    if (text) {
        return *text;
    }
    return detail::DecimalToStrF(detail::TExactDigits(digits), negative, TFloatFormat::ffGeneral,
                                 CurrencyGeneralPrecision, 0, settings);
}

} // namespace rtl
