#include "xls/core/xml/XpgConvert.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/FormatSettings.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/Format.h"
#include "rtl/text/StringUtils.h"
#include "xls/core/xml/XpgMessages.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace xls {

namespace {

const rtl::TFormatSettings& XmlSettings() {
    return rtl::TFormatSettings::Invariant();
}

bool IsLineBreak(char16_t character) {
    return character == u'\r' || character == u'\n';
}

// Reads count digits (or, with maximum above count, up to maximum digits) at position into value.
bool ReadNumber(rtl::UnicodeStringView text, size_t& position, size_t count, size_t maximum, int32_t& value) {
    value = 0;
    size_t read = 0;
    while (read < maximum && position < text.size() && text[position] >= u'0' && text[position] <= u'9') {
        value = value * 10 + (text[position] - u'0');
        ++position;
        ++read;
    }
    return read >= count;
}

bool ReadLiteral(rtl::UnicodeStringView text, size_t& position, char16_t literal) {
    if (position < text.size() && text[position] == literal) {
        ++position;
        return true;
    }
    return false;
}

// The milliseconds of a fraction of a second after its ".", rounded down; any number of digits is read.
int32_t ReadMilliseconds(rtl::UnicodeStringView text, size_t& position) {
    int32_t milliseconds = 0;
    int32_t scale = 100;
    while (position < text.size() && text[position] >= u'0' && text[position] <= u'9') {
        milliseconds += (text[position] - u'0') * scale;
        scale /= 10;
        ++position;
    }
    return milliseconds;
}

bool ReadTime(rtl::UnicodeStringView text, size_t& position, rtl::TTimeParts& time) {
    if (!ReadNumber(text, position, 2, 2, time.Hour) || !ReadLiteral(text, position, u':') ||
        !ReadNumber(text, position, 2, 2, time.Minute)) {
        return false;
    }
    if (!ReadLiteral(text, position, u':')) {
        return true;
    }
    if (!ReadNumber(text, position, 2, 2, time.Second)) {
        return false;
    }
    if (ReadLiteral(text, position, u'.')) {
        time.Millisecond = ReadMilliseconds(text, position);
    }
    return true;
}

// "Z", or "+hh:mm" / "-hh:mm"; checked, not applied.
bool ReadZone(rtl::UnicodeStringView text, size_t& position) {
    if (ReadLiteral(text, position, u'Z')) {
        return true;
    }
    if (!ReadLiteral(text, position, u'+') && !ReadLiteral(text, position, u'-')) {
        return false;
    }
    int32_t hours = 0;
    int32_t minutes = 0;
    return ReadNumber(text, position, 2, 2, hours) && ReadLiteral(text, position, u':') &&
           ReadNumber(text, position, 2, 2, minutes) && hours <= 14 && minutes <= 59;
}

// The four words of XML booleans, letters in any case; the forms parts write are told without lowering a copy.
bool ReadBooleanWord(rtl::UnicodeStringView text, bool& value) {
    if (text == u"1" || text == u"0" || text == u"true" || text == u"false") {
        value = text == u"1" || text == u"true";
        return true;
    }
    const rtl::UnicodeString lowered = rtl::LowerCase(text);
    if (lowered == u"true" || lowered == u"1" || lowered == u"false" || lowered == u"0") {
        value = lowered == u"true" || lowered == u"1";
        return true;
    }
    return false;
}

bool IsDigit(char16_t character) {
    return character >= u'0' && character <= u'9';
}

// Most numbers in a part are a few plain digits (indices, sizes); those are read here, and every other form is left
// to the runtime's general reading, which gives the same value for these. Nine digits cannot overflow.
constexpr size_t PlainIntegerDigits = 9;

bool TryPlainInteger(rtl::UnicodeStringView text, int32_t& value) {
    if (text.empty() || text.size() > PlainIntegerDigits || !std::all_of(text.begin(), text.end(), IsDigit)) {
        return false;
    }
    value = 0;
    for (const char16_t digit : text) {
        value = value * 10 + (digit - u'0');
    }
    return true;
}

// Decimal numbers as spreadsheet parts write them ("-12.5", "1.5E-05") are narrowed and read by std::from_chars
// here, which the runtime's general reading also ends in; any other form (blanks, a leading "+" or ".", a result
// out of range) is left to it.
constexpr size_t PlainFloatLength = 40;

size_t CopyDigits(rtl::UnicodeStringView text, size_t position, char*& out) {
    const size_t start = position;
    for (; position < text.size() && IsDigit(text[position]); ++position) {
        *out++ = static_cast<char>(text[position]);
    }
    return position - start;
}

bool TryPlainFloat(rtl::UnicodeStringView text, double& value) {
    if (text.size() > PlainFloatLength) {
        return false;
    }
    std::array<char, PlainFloatLength> ascii;
    char* out = ascii.data();
    size_t position = 0;
    if (position < text.size() && text[position] == u'-') {
        *out++ = '-';
        ++position;
    }
    size_t digits = CopyDigits(text, position, out);
    if (digits == 0) {
        return false;
    }
    position += digits;
    if (position < text.size() && text[position] == u'.') {
        *out++ = '.';
        digits = CopyDigits(text, position + 1, out);
        if (digits == 0) {
            return false;
        }
        position += 1 + digits;
    }
    if (position < text.size() && (text[position] == u'e' || text[position] == u'E')) {
        *out++ = 'e';
        ++position;
        if (position < text.size() && (text[position] == u'-' || text[position] == u'+')) {
            if (text[position] == u'-') {
                *out++ = '-';
            }
            ++position;
        }
        digits = CopyDigits(text, position, out);
        if (digits == 0) {
            return false;
        }
        position += digits;
    }
    if (position != text.size()) {
        return false;
    }
    const auto [stop, error] = std::from_chars(ascii.data(), out, value);
    return error == std::errc() && stop == out;
}

} // namespace

int32_t XmlStrToIntDef(rtl::UnicodeStringView text, int32_t defaultValue) {
    int32_t value = 0;
    return TryPlainInteger(text, value) ? value : rtl::StrToIntDef(text, defaultValue);
}

bool TryXmlStrToInt(rtl::UnicodeStringView text, int32_t& value) {
    return TryPlainInteger(text, value) || rtl::TryStrToInt(text, value);
}

void XmlStrToAdjustable(rtl::UnicodeStringView text, TXpgAdjustable& value) {
    int32_t number = 0;
    if (TryXmlStrToInt(text, number)) {
        value.Value = number;
        value.Kind = 0;
    } else if (!text.empty()) {
        value.Name = text;
        value.Kind = 1;
    }
}

bool TryXmlStrToLongword(rtl::UnicodeStringView text, uint32_t& value) {
    int64_t wide = 0;
    if (!rtl::TryStrToInt64(text, wide) || wide < std::numeric_limits<int32_t>::min() ||
        wide > std::numeric_limits<uint32_t>::max()) {
        return false;
    }
    value = static_cast<uint32_t>(wide);
    return true;
}

int32_t XmlHexStrToIntDef(rtl::UnicodeStringView text, int32_t defaultValue) {
    if (!text.starts_with(u'#')) {
        return XmlStrToIntDef(text, defaultValue);
    }
    if (text.size() < 2 || text.size() > 9) {
        return defaultValue;
    }
    rtl::UnicodeString hexadecimal(u"$");
    hexadecimal += text.substr(1);
    int32_t value = 0;
    // The runtime's "$" form takes hexadecimal digits only (no blanks or sign after it).
    return rtl::TryStrToInt(hexadecimal, value) ? value : defaultValue;
}

int32_t XmlPercentStrToIntDef(rtl::UnicodeStringView text, int32_t defaultValue) {
    const rtl::UnicodeStringView number = text.ends_with(u'%') ? text.substr(0, text.size() - 1) : text;
    return XmlStrToIntDef(number, defaultValue);
}

double XmlStrToFloat(rtl::UnicodeStringView text) {
    return XmlStrToFloatDef(text, 0);
}

double XmlStrToFloatDef(rtl::UnicodeStringView text, double defaultValue) {
    double value = 0;
    return TryXmlStrToFloat(text, value) ? value : defaultValue;
}

bool TryXmlStrToFloat(rtl::UnicodeStringView text, double& value) {
    return TryPlainFloat(text, value) || rtl::TryStrToFloat(text, value, XmlSettings());
}

bool TryXmlStrToFloat(rtl::UnicodeStringView text, long double& value) {
    return rtl::TryStrToExtended(text, value, XmlSettings());
}

rtl::UnicodeString XmlFloatToStr(long double value) {
    return rtl::FloatToStrF(value, rtl::TFloatFormat::ffGeneral, 15, 0, XmlSettings());
}

bool XmlStrToBool(rtl::UnicodeStringView text) {
    bool value = false;
    if (!ReadBooleanWord(text, value)) {
        throw rtl::EConvertError(rtl::Format(XpgMessages::InvalidBoolean, {text}));
    }
    return value;
}

bool XmlStrToBoolDef(rtl::UnicodeStringView text, bool defaultValue) {
    bool value = false;
    return ReadBooleanWord(text, value) ? value : defaultValue;
}

bool TryXmlStrToBool(rtl::UnicodeStringView text, bool& value) {
    const rtl::UnicodeString lowered = rtl::LowerCase(text);
    if (lowered != u"true" && lowered != u"false") {
        return false;
    }
    value = lowered == u"true";
    return true;
}

rtl::TDateTime XmlStrToDateTime(rtl::UnicodeStringView text) {
    rtl::TDateTime value = 0;
    return TryXmlStrToDateTime(text, value) ? value : 0;
}

bool TryXmlStrToDateTime(rtl::UnicodeStringView text, rtl::TDateTime& value) {
    const rtl::UnicodeString trimmed = rtl::Trim(text);
    const rtl::UnicodeStringView view = trimmed;
    size_t position = 0;
    rtl::TDateParts date;
    rtl::TTimeParts time;
    if (!ReadNumber(view, position, 4, 4, date.Year) || !ReadLiteral(view, position, u'-') ||
        !ReadNumber(view, position, 2, 2, date.Month) || !ReadLiteral(view, position, u'-') ||
        !ReadNumber(view, position, 2, 2, date.Day)) {
        return false;
    }
    if (ReadLiteral(view, position, u'T') && !ReadTime(view, position, time)) {
        return false;
    }
    if (position < view.size() && !ReadZone(view, position)) {
        return false;
    }
    return position == view.size() && rtl::TryEncodeDateTime(date, time, value);
}

rtl::UnicodeString XmlDateTimeToStr(rtl::TDateTime value) {
    const rtl::TDateParts date = rtl::DecodeDate(value);
    const rtl::TTimeParts time = rtl::DecodeTime(value);
    return rtl::Format(u"%d-%.2d-%.2dT%.2d:%.2d:%.2dZ",
                       {date.Year, date.Month, date.Day, time.Hour, time.Minute, time.Second}, XmlSettings());
}

namespace {

// The value of a hexadecimal digit, or -1.
int32_t XstringHexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    return c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
}

// The length of an escape _xHHHH_.
constexpr size_t XstringEscapeLength = 7;

// The unit of the escape _xHHHH_ at position, or -1 when none starts there.
int32_t XstringEscapeAt(rtl::UnicodeStringView text, size_t position) {
    if (text.size() - position < XstringEscapeLength || text[position + 1] != u'x' || text[position + 6] != u'_') {
        return -1;
    }
    int32_t unit = 0;
    for (size_t i = position + 2; i < position + 6; ++i) {
        const int32_t digit = XstringHexDigit(text[i]);
        if (digit < 0) {
            return -1;
        }
        unit = unit * 16 + digit;
    }
    return unit;
}

} // namespace

rtl::UnicodeStringView XmlDecodeXstring(rtl::UnicodeStringView text, rtl::UnicodeString& scratch) {
    size_t underscore = text.find(u'_');
    while (underscore != rtl::UnicodeStringView::npos && XstringEscapeAt(text, underscore) < 0) {
        underscore = text.find(u'_', underscore + 1);
    }
    if (underscore == rtl::UnicodeStringView::npos) {
        return text;
    }
    scratch.assign(text.substr(0, underscore));
    size_t i = underscore;
    while (i < text.size()) {
        const int32_t unit = text[i] == u'_' ? XstringEscapeAt(text, i) : -1;
        if (unit >= 0) {
            scratch += static_cast<char16_t>(unit);
            i += XstringEscapeLength;
        } else {
            scratch += text[i++];
        }
    }
    return scratch;
}

rtl::UnicodeString XmlNormalizeText(rtl::UnicodeStringView text) {
    while (!text.empty() && IsLineBreak(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsLineBreak(text.back())) {
        text.remove_suffix(1);
    }
    rtl::UnicodeString result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t character = text[i];
        if (character == u'\t') {
            continue;
        }
        if (!IsLineBreak(character)) {
            result += character;
            continue;
        }
        result += u' ';
        // CR LF and LF CR are one line break.
        if (i + 1 < text.size() && IsLineBreak(text[i + 1]) && text[i + 1] != character) {
            ++i;
        }
    }
    return result;
}

int32_t CharPosW(char16_t character, rtl::UnicodeStringView text) {
    const size_t position = text.find(character);
    return position == text.npos ? -1 : static_cast<int32_t>(position);
}

int32_t CharLastPosW(char16_t character, rtl::UnicodeStringView text) {
    const size_t position = text.rfind(character);
    return position == text.npos ? -1 : static_cast<int32_t>(position);
}

void SplitAtChar(char16_t character, rtl::UnicodeString& text, rtl::UnicodeString& head) {
    const size_t position = text.find(character);
    if (position == text.npos) {
        head = std::move(text);
        text.clear();
        return;
    }
    head = text.substr(0, position);
    text.erase(0, position + 1);
}

} // namespace xls
