#pragma once
// TSQLTimeStamp: a date and time as databases and record buffers store it, field by field, and its custom Variant
// type ("SQLTimeStamp"), registered on first use. It converts through the date-time it stands for: to and from
// varDate, to text as DateTimeToStr, to numbers as the date-time's number; it is not numeric, so it orders after the
// numbers among the custom values.

#include "rtl/time/DateTime.h"
#include "rtl/variants/Variant.h"

#include <cstdint>

namespace rtl {

struct TSQLTimeStamp {
    int16_t Year = 0;
    uint16_t Month = 0;
    uint16_t Day = 0;
    uint16_t Hour = 0;
    uint16_t Minute = 0;
    uint16_t Second = 0;
    // Milliseconds.
    uint32_t Fractions = 0;
};
static_assert(sizeof(TSQLTimeStamp) == 16);

// The fields of a date-time, rounded to the millisecond; false for a value outside years 1 to 9999.
bool TryDateTimeToSQLTimeStamp(TDateTime value, TSQLTimeStamp& result);
// The date-time of the fields; false for fields outside the calendar or the clock.
bool TrySQLTimeStampToDateTime(const TSQLTimeStamp& value, TDateTime& result);
// Field by field from the year down, by the first field that differs: -1, 0 or 1.
int CompareSQLTimeStamps(const TSQLTimeStamp& left, const TSQLTimeStamp& right);

// The type code of SQL time-stamp Variants.
TVarType VarSQLTimeStamp();
Variant VarSQLTimeStampCreate(const TSQLTimeStamp& value);
bool VarIsSQLTimeStamp(const Variant& value);
// Any Variant as a time stamp, converted as VarAsType(value, VarSQLTimeStamp()) converts it: raises
// EVariantTypeCastError for what is no date-time, EVariantOverflowError for one outside years 1 to 9999.
TSQLTimeStamp VarToSQLTimeStamp(const Variant& value);

} // namespace rtl
