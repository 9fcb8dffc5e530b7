#pragma once
// The rules of the time editor's text (portable). The text shows hours, minutes and seconds (or fewer) as two digits
// each, "hh:nn:ss", and on the 12-hour clock the locale's AM or PM designator after them. Here are the display formats
// and standard masks of the three time formats on either clock, the time parts and where they stand, the seconds a
// text shows, the seconds one step of each part moves, and how a typed digit or designator letter is corrected part
// by part. Positions count from 0.

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace rtl {
struct TFormatSettings;
} // namespace rtl

namespace ui {

enum TuiTimeEditTimeFormat : uint8_t { tfHourMinSec, tfHourMin, tfHour };

enum TuiTimeEditPart : uint8_t { tepHours, tepMinutes, tepSeconds, tepDesignator };

inline constexpr int32_t TimeEditSecondsPerDay = 86400;
inline constexpr int32_t TimeEditSecondsPerHalfDay = 43200;

// The display formats and edit masks of the time formats. The 12-hour masks end in one optional character per
// character of the locale's designator, so they are built from the locale; until then they hold two.
class TuiTimeEditFormats {
public:
    TuiTimeEditFormats();

    // The date-time format that shows a time: "hh:nn:ss" and shorter, with " ampm" on the 12-hour clock.
    static rtl::UnicodeString DisplayFormat(TuiTimeEditTimeFormat format, bool use24Hours);
    // The standard mask of the text: "00:00:00;1;0" and shorter, with the designator's characters on the 12-hour
    // clock.
    const rtl::UnicodeString& EditMask(TuiTimeEditTimeFormat format, bool use24Hours) const;
    // Builds the 12-hour masks from the settings' PM designator as a time is formatted with it.
    void UpdateTwelveHourMasks(const rtl::TFormatSettings& settings);

private:
    rtl::UnicodeString FTwelveHourMasks[3];
};

// The program's table.
TuiTimeEditFormats& TimeEditFormats();

// What follows the time in a formatted time text, as mask characters: a space for a space, "c" (any character or
// none) for any other; trailing spaces leave nothing.
rtl::UnicodeString TimeDesignatorMask(rtl::UnicodeStringView formattedTime);

// The number of characters the time's numbers take: 8, 5 or 2.
int32_t TimeNumbersLength(TuiTimeEditTimeFormat format);
// Where a part starts in the text: 0, 3 or 6 for the numbers, after the numbers and a space for the designator.
int32_t TimePartStart(TuiTimeEditPart part, TuiTimeEditTimeFormat format);
// The part a text position belongs to; a position beyond maxLength (when positive) counts as the last. On the 12-hour
// clock a position after the numbers is the designator; otherwise the display format's letter there tells, a
// separator going by the letter after it.
TuiTimeEditPart TimePartAt(int32_t position, TuiTimeEditTimeFormat format, bool use24Hours, int32_t maxLength = 0);
// The seconds one step of a number part's increment moves: 3600, 60, 1.
int32_t TimePartSeconds(TuiTimeEditPart part);
// The step of the designator: half a day back from the afternoon, forward from the morning.
int32_t TimeDesignatorStep(int32_t seconds);
// The lowest and highest number of a part on the clock.
void TimePartLimits(TuiTimeEditPart part, bool use24Hours, int32_t& minimum, int32_t& maximum);
// The seconds of the day a text shows: its hours (modulo 12 on the 12-hour clock), minutes and seconds as far as the
// format has them, and half a day more when a 12-hour text ends with the PM designator. A place that holds no digit
// counts as 0.
int32_t TimeTextSeconds(rtl::UnicodeStringView text, TuiTimeEditTimeFormat format, bool use24Hours,
                        rtl::UnicodeStringView pmDesignator);
// Where the designator shows in a text: the first character after the numbers that is no space.
int32_t TimeDesignatorTextStart(rtl::UnicodeStringView text, TuiTimeEditTimeFormat format);

// How a character typed at a position of the time text goes in.
struct TuiTimeTyping {
    enum TKind : uint8_t {
        // Character goes in at the position (Text first replaces the text when it is not empty).
        ttAccept,
        // Text replaces the text and the caret steps on from Caret; the character itself is used up.
        ttRewrite,
        ttRefuse
    };
    TKind Kind = ttRefuse;
    char16_t Character = 0;
    rtl::UnicodeString Text;
    int32_t Caret = 0;
};

// A digit typed into the number part that starts at partStart, whose numbers run from minimum to maximum. The two
// digits with the typed one in place go in as they are when they make a number in range. Otherwise, as the first
// digit: '0' makes the part '0' and the digit that stood there; a digit above the maximum's first digit makes it '0'
// and the typed digit, the caret after the part; any other digit makes it that digit and '0'. As the second digit:
// '0' is refused, any other turns the first digit into '0'.
TuiTimeTyping TypeTimeDigit(const rtl::UnicodeString& text, int32_t position, int32_t partStart, int32_t minimum,
                            int32_t maximum, char16_t digit);
// A character typed into the designator that starts at designatorStart. Up to the first place where the AM and PM
// designators differ (ignoring case) it must be the AM designator's character there, after it the character already
// in the text; at that place it picks the designator it begins, which replaces the one shown, the caret after it.
TuiTimeTyping TypeTimeDesignator(const rtl::UnicodeString& text, int32_t position, int32_t designatorStart,
                                 rtl::UnicodeStringView am, rtl::UnicodeStringView pm, char16_t character);

} // namespace ui
