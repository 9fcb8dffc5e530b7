#pragma once
// Conversions between the text of XML attributes and elements and typed values, as XML writes them whatever the
// user's locale: "." before decimals, booleans "true"/"1"/"false"/"0", colours "#RRGGBB", date-times
// "yyyy-mm-ddThh:nn:ssZ". Nothing here reads or changes process-wide settings. Also the small text helpers that the
// value lists and the simple DOM share.

#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"

#include <cstdint>

namespace xls {

// An integer: blanks may lead, a sign may precede, "$" or "0x" introduces hexadecimal digits (which may fill all 32
// bits). The Def form returns defaultValue for any other text; none of these raises.
int32_t XmlStrToIntDef(rtl::UnicodeStringView text, int32_t defaultValue);
bool TryXmlStrToInt(rtl::UnicodeStringView text, int32_t& value);
// As TryXmlStrToInt, also taking unsigned values up to 4294967295; a negative value is kept as its 32-bit pattern.
bool TryXmlStrToLongword(rtl::UnicodeStringView text, uint32_t& value);
// A value that is either a number or the name of a shape guide (DrawingML's ST_AdjCoordinate and ST_AdjAngle,
// ECMA-376 Part 1, 20.1.10.3 and 20.1.10.4). Kind is -1 until a value is read, 0 for a number (Value), 1 for a guide
// name (Name).
struct TXpgAdjustable {
    rtl::UnicodeString Name;
    int32_t Kind = -1;
    int32_t Value = 0;
};
using TST_AdjCoordinate = TXpgAdjustable;
using TST_AdjAngle = TXpgAdjustable;
// Reads text into value: an integer (as TryXmlStrToInt takes it) sets Value and Kind 0, leaving Name; any other
// non-empty text sets Name and Kind 1; an empty text changes nothing.
void XmlStrToAdjustable(rtl::UnicodeStringView text, TXpgAdjustable& value);
// "#" followed by up to eight hexadecimal digits (colours), else as XmlStrToIntDef.
int32_t XmlHexStrToIntDef(rtl::UnicodeStringView text, int32_t defaultValue);
// A percentage as the chart schema writes it: an integer as XmlStrToIntDef reads it, or one followed by "%" ("150%"),
// which gives the number before the sign; defaultValue for any other text.
int32_t XmlPercentStrToIntDef(rtl::UnicodeStringView text, int32_t defaultValue);

// A decimal number with "." as the decimal separator, an optional sign and an optional exponent. XmlStrToFloat gives
// 0 and XmlStrToFloatDef the default for other text.
double XmlStrToFloat(rtl::UnicodeStringView text);
double XmlStrToFloatDef(rtl::UnicodeStringView text, double defaultValue);
bool TryXmlStrToFloat(rtl::UnicodeStringView text, double& value);
bool TryXmlStrToFloat(rtl::UnicodeStringView text, long double& value);
// The general format of 15 significant digits with "." as the decimal separator and no thousands separators.
rtl::UnicodeString XmlFloatToStr(long double value);

// "true" and "1" are true, "false" and "0" false, letters in any case. XmlStrToBool raises rtl::EConvertError with
// "Invalid boolean value "%s"" for other text; TryXmlStrToBool takes only the two words.
bool XmlStrToBool(rtl::UnicodeStringView text);
bool XmlStrToBoolDef(rtl::UnicodeStringView text, bool defaultValue);
bool TryXmlStrToBool(rtl::UnicodeStringView text, bool& value);

// Date-times as XmlDateTimeToStr writes them and as XML Schema dates and date-times come: yyyy-mm-dd, optionally
// followed by "T", hh:nn, optionally :ss with a fraction, and a zone ("Z" or an offset). The clock fields are taken
// as written and the zone is not applied, as the writer does not apply one either. XmlStrToDateTime gives 0 for
// other text.
rtl::TDateTime XmlStrToDateTime(rtl::UnicodeStringView text);
bool TryXmlStrToDateTime(rtl::UnicodeStringView text, rtl::TDateTime& value);
// "yyyy-mm-ddThh:nn:ssZ" from the value's fields, milliseconds dropped, without conversion to universal time.
rtl::UnicodeString XmlDateTimeToStr(rtl::TDateTime value);

// The text of an ST_Xstring (ECMA-376 Part 1, 22.9.2.19), where characters XML cannot hold are written _xHHHH_ (four
// hexadecimal digits, either case): each such escape becomes the UTF-16 unit it names, so _x005F_ gives an underscore
// and whatever follows it stays as written ("_x005F_x0041_" reads "_x0041_"). Returns text itself when it holds no
// escape, else the decoded text, kept in scratch.
rtl::UnicodeStringView XmlDecodeXstring(rtl::UnicodeStringView text, rtl::UnicodeString& scratch);

// Removes the leading and trailing line breaks and every tab, then turns each inner line break (CR, LF, CR LF or
// LF CR) into one blank.
rtl::UnicodeString XmlNormalizeText(rtl::UnicodeStringView text);
// The position of the first or last occurrence of character in text, or -1.
int32_t CharPosW(char16_t character, rtl::UnicodeStringView text);
int32_t CharLastPosW(char16_t character, rtl::UnicodeStringView text);
// Splits text at the first occurrence of character: head gets the part before it and text keeps the part after it.
// Without one, head gets the whole text and text becomes empty.
void SplitAtChar(char16_t character, rtl::UnicodeString& text, rtl::UnicodeString& head);

} // namespace xls
