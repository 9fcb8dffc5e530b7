#pragma once
// Date and time format texts taken apart into their elements (year, month, day, hour, separators, literal text...),
// the form from which the format controller builds the masks and patterns of the date editors, and by which an editor
// finds the element under its caret. Formats use the runtime's pattern letters (rtl/FormatSettings.h).

#include "rtl/numbers/FormatSettings.h"
#include "rtl/text/StringTypes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace ui {

enum TuiDateTimeFormatItemKind : uint8_t {
    dtiLiteral,
    dtiYear,
    dtiMonth,
    dtiDay,
    dtiHour,
    dtiMinute,
    dtiSecond,
    dtiMillisecond,
    dtiDesignator,
    dtiDateSeparator,
    dtiTimeSeparator,
    dtiKindCount
};

// One element and the text it keeps: the literal characters; "YY" or "YYYY"; M to MMMM; D to DDDD (DDD and DDDD are
// day names); the hour as "12H", "12HH", "24H" or "24HH" (the clock it shows); N or NN; S or SS; Z to ZZZ; the
// designator as written ("AM/PM", "A/P" in any case) or "AMPM" (the locale's strings); nothing for separators.
struct TuiDateTimeFormatItem {
    TuiDateTimeFormatItemKind Kind = dtiLiteral;
    rtl::UnicodeString Text;
};

// The elements of a format in order, and which kinds occur among them.
struct TuiDateTimeFormatInfo {
    std::array<bool, dtiKindCount> DefinedItems{};
    std::vector<TuiDateTimeFormatItem> Items;
};

// Takes a format apart; settings give the formats that "c", "ddddd", "dddddd", "t" and "tt" stand for. Every kind but
// literals and separators is kept only the first time it occurs. Era letters (g) fail the parse: false with no
// elements. An empty format is read as "c".
bool ParseDateTimeFormat(rtl::UnicodeStringView format, const rtl::TFormatSettings& settings,
                         TuiDateTimeFormatInfo& info);

// How a designator element shows morning and afternoon.
enum TuiDesignatorKind : uint8_t { dkAP, dkAMPM, dkLocaleStrings };
TuiDesignatorKind DesignatorKindOf(const TuiDateTimeFormatItem& item);

// The characters an element takes in a masked editor; settings give the locale's designators.
int32_t FormatItemLength(const TuiDateTimeFormatItem& item, const rtl::TFormatSettings& settings);
int32_t FormatPatternLength(const TuiDateTimeFormatInfo& info, const rtl::TFormatSettings& settings);

// The element at a 0-based character position of masked text.
struct TuiDateFormatElementPosition {
    TuiDateTimeFormatItemKind Kind = dtiLiteral;
    int32_t Start = 0;
    int32_t Length = 0;
    // Meaningful for a designator only.
    TuiDesignatorKind DesignatorKind = dkAP;
};
std::optional<TuiDateFormatElementPosition> LocateDateFormatElement(const TuiDateTimeFormatInfo& info, int32_t position,
                                                                    const rtl::TFormatSettings& settings);

// The character repeated count times; empty for a count of 0 or less.
rtl::UnicodeString CreateRepeatedText(char16_t character, int32_t count);

} // namespace ui
