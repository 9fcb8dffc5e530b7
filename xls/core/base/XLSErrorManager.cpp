#include "xls/core/base/XLSErrorManager.h"

#include "rtl/core/Exceptions.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <string>

namespace xls {

namespace {

struct TMessageText {
    int32_t Number;
    const char16_t* Text;
};

// Sorted by number. The texts are shown to users and matched by callers exactly, misspellings included.
constexpr TMessageText MessageTexts[] = {
    {1002, u"Unknown type of encryption"},
    // The word is the default password of BIFF workbooks encrypted without a user password (MS-XLS 2.2.10).
    {1003, u"File is encrypted, password missing. If you think the file is unencrypted, try \"VelvetSweatshop\""},
    {1004, u"File is encrypted, password is wrong."},
    {1005, u"Direct write: Cell columna and row can not be the same as previous"},
    {2001, u"XML read error: \"%s\""},
    // Damaged parts of a package that the reader works around.
    {2002, u"Style index out of range \"%s\""},
    {2003, u"Too few %s in styles part"},
    {2004, u"Shared string index out of range \"%s\""},
    {2005, u"Too many cells out of order at \"%s\""},
    {2006, u"Formula not compiled \"%s\""},
    {2007, u"Part not read \"%s\""},
    {2008, u"Sheet not read \"%s\""},
    {2009, u"Defined name skipped \"%s\""},
    {2010, u"Relationship target outside the package \"%s\""},
    {2011, u"Invalid comment anchor \"%s\""},
    {2012, u"Record too short, skipped \"%s\""},
    {3001, u"Can not find Defined Name \"%s\""},
    {3002, u"Circular formula \"%s\""},
    {3003, u"There is allready a sheet with name \"%s\""},
    {3004, u"Invalid cell reference \"%s\""},
    {3005, u"Invalid cell value"},
    {3006, u"Unknown image type \"%s\""},
    {3007, u"Unsupported image type \"%s\" Use JPEG or PNG images"},
    {3008, u"Image error"},
    {3009, u"Can not change part of a merged cell"},
    {3101, u"Can not edit this shape as Text box"},
    {3102, u"Can not edit this shape"},
    {4001, u"Unknown error constant \"%s\""},
    {4002, u"Invalid exponent value"},
    {4003, u"Invalid fractional number"},
    {4004, u"Missing end quote character"},
    {4005, u"Invalid array constant"},
    {4006, u"Error in formula"},
    {4007, u"Missing right paranthesis"},
    {4008, u"Invalid use of \"%s\""},
    {4009, u"Missing expression after \"%s\""},
    {4010, u"Invalid cell reference"},
    {4011, u"Invalid sheet name"},
    {4012, u"Invalid workbook name"},
    {4013, u"Missing \"%s\""},
    {4014, u"Invalid R1C1 reference"},
    {4015, u"Missing operand"},
    {4016, u"Uknown sheet name \"%s\""},
    {4017, u"Uknown external sheet \"%s\""},
    {4018, u"Invalid use of operator"},
    {4019, u"Uknown name \"%s\""},
    {4020, u"Missing argument for function \"%s\""},
    {4021, u"To many arguments for function \"%s\""},
    {4022, u"Array constant columns not the same on each row"},
    {4023, u"Error in table \"%s\""},
    {4024, u"Unknown table \"%s\""},
    {4025, u"Unknown table columns \"%s\""},
    {4026, u"Unknown table special \"%s\""},
    {4027, u"Table \"%s\" is missing end bracket\""},
    {4028, u"Invalid use of operator in table"},
    {4029, u"Invalid combination if table specials"},
    {4030, u"Table specials must be first in expression"},
    {4031, u"Name text is empty"},
    {4032, u"Name \"%s\" is allready defined"},
    {4033, u"Invalid reference \"%s\" in hyperlink"},
    {5001, u"Unknown built in name \"%s\""},
    {5002, u"Can not find built in name \"%s\""},
    {6001, u"Filename is missing in %s"},
    {6002, u"No XLSSpreadsheet defined"},
    {6003, u"Workbook not empty. Data will be discarded when changing filetype."},
    {6004, u"%s can not be performed on multiple selected areas"},
    {6005, u"Invalid simple tag \"%s\""},
    {7001, u"Formula result in cell \"%s\" do not match."},
};

static_assert(std::is_sorted(std::begin(MessageTexts), std::end(MessageTexts),
                             [](const TMessageText& a, const TMessageText& b) { return a.Number < b.Number; }));

// The table text of number, empty for a number the table does not hold.
rtl::UnicodeStringView MessageText(int32_t number) {
    const auto found = std::lower_bound(std::begin(MessageTexts), std::end(MessageTexts), number,
                                        [](const TMessageText& entry, int32_t key) { return entry.Number < key; });
    if (found == std::end(MessageTexts) || found->Number != number) {
        return {};
    }
    return found->Text;
}

// Counters only grow; a run of reports long enough to reach the top stays there instead of overflowing.
void CountOne(int32_t& counter) {
    if (counter < std::numeric_limits<int32_t>::max()) {
        ++counter;
    }
}

rtl::UnicodeString DecimalText(int32_t number) {
    const std::string digits = std::to_string(number);
    return rtl::UnicodeString(digits.begin(), digits.end());
}

} // namespace

rtl::UnicodeString TXLSErrorManager::BuildMessage(rtl::UnicodeStringView argument, int32_t number) {
    rtl::UnicodeString message = DecimalText(number) + u": ";
    const rtl::UnicodeStringView text = MessageText(number);
    const size_t placeholder = text.find(u"%s");
    if (placeholder == rtl::UnicodeStringView::npos) {
        message += text;
        return message;
    }
    message += text.substr(0, placeholder);
    message += argument;
    message += text.substr(placeholder + 2);
    return message;
}

TXLSErrorOutcome TXLSErrorManager::ReportError(rtl::UnicodeStringView argument, int32_t number) {
    FLastError = number;
    const rtl::UnicodeString message = u"E" + BuildMessage(argument, number);
    FLastErrorText = message;
    if (FMuted) {
        return TXLSErrorOutcome::xeoMuted;
    }
    CountOne(FErrors);
    if (Dispatch(xelError, message, number)) {
        return TXLSErrorOutcome::xeoHandled;
    }
    if (!FSaveToList) {
        throw rtl::Exception(message);
    }
    return TXLSErrorOutcome::xeoListed;
}

void TXLSErrorManager::SetLastError(int32_t number) {
    FLastError = number;
    FLastErrorText.clear();
}

void TXLSErrorManager::ReportWarning(rtl::UnicodeStringView argument, int32_t number) {
    if (FDropXMLWarnings && number == XLSWarningXMLRead) {
        return;
    }
    CountOne(FWarnings);
    Dispatch(xelWarning, u"W" + BuildMessage(argument, number), number);
}

int32_t TXLSErrorManager::WarningCount() const {
    const int64_t sum = int64_t{FWarnings} + FErrors;
    return static_cast<int32_t>(std::min<int64_t>(sum, std::numeric_limits<int32_t>::max()));
}

bool TXLSErrorManager::Dispatch(TXLSErrorLevel level, const rtl::UnicodeString& message, int32_t number) {
    if (FSaveToList) {
        FMessages.push_back({message, number});
    }
    if (!FOnError || FFilter.Contains(level)) {
        return false;
    }
    FOnError(this, level, message);
    return true;
}

} // namespace xls
