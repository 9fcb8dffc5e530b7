// The portable functions of the upgrade utilities: texts, versions, percentages and HTTP dates.

#include "upgrade/auUtils.h"

#include "rtl/numbers/Rounding.h"
#include "rtl/text/StringUtils.h"
#include "rtl/time/DateTime.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace au {

namespace {

// A whole decimal number of ASCII digits (an optional sign first) that fits 32 bits.
std::optional<int32_t> ParseVersionInteger(UnicodeStringView text) {
    if (text.empty() || text.size() > 11) {
        return std::nullopt;
    }
    std::string digits;
    for (const char16_t c : text) {
        if (c > 0x7F) {
            return std::nullopt;
        }
        digits.push_back(static_cast<char>(c));
    }
    int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

int Sign(int value) {
    return (value > 0) - (value < 0);
}

} // namespace

UnicodeString ExtractURLFileName(UnicodeStringView url) {
    const size_t last = url.find_last_of(u"/\\:");
    return UnicodeString(last == UnicodeStringView::npos ? url : url.substr(last + 1));
}

namespace {

constexpr char16_t CommandQuote = u'"';

// text without its first count quotes.
UnicodeString WithoutQuotes(UnicodeStringView text, int count) {
    UnicodeString result(text);
    for (size_t quote = result.find(CommandQuote); count > 0 && quote != UnicodeString::npos;
         quote = result.find(CommandQuote, quote), --count) {
        result.erase(quote, 1);
    }
    return result;
}

// The folder of a Windows path, with its trailing separator.
UnicodeString WindowsFolderOf(UnicodeStringView path) {
    return UnicodeString(path.substr(0, path.size() - ExtractURLFileName(path).size()));
}

// rundll32 runs a function of the library named after it: the program is the runner, found in the library's folder
// when the command gives it without one, and the library with its function go to the parameters.
TauCommandLine RundllRunner(TauCommandLine split, UnicodeStringView command) {
    const UnicodeString program = rtl::UpperCase(split.Program);
    const size_t blank = split.Program.find(u' ');
    if (!program.ends_with(u".DLL") || rtl::UpperCase(command).find(u"RUNDLL") == UnicodeString::npos ||
        blank == UnicodeString::npos) {
        return split;
    }
    const UnicodeString runner = split.Program.substr(0, blank);
    const UnicodeString library = rtl::Trim(UnicodeStringView(split.Program).substr(blank));
    const bool runnerHasFolder = ExtractURLFileName(runner).size() != runner.size();
    return {runnerHasFolder ? runner : WindowsFolderOf(library) + runner,
            rtl::Trim(command.substr(command.find(runner) + runner.size()))};
}

TauCommandLine SplitUnquotedCommand(UnicodeStringView command) {
    constexpr UnicodeStringView separators[] = {u" -", u" /", u" \\", u" %", u","};
    for (size_t position = 0; position < command.size(); ++position) {
        const UnicodeStringView program = command.substr(0, position);
        if (ExtractURLFileName(program).find(u'.') == UnicodeString::npos) {
            continue;
        }
        for (const UnicodeStringView separator : separators) {
            if (command.substr(position).starts_with(separator)) {
                const size_t parameters = separator == u"," ? position + 1 : position;
                return RundllRunner({rtl::Trim(program), rtl::Trim(command.substr(parameters))}, command);
            }
        }
    }
    return {rtl::Trim(command), u""};
}

// The program quoted at the start (a doubled quote opening or closing it as one), or the program before a quote
// further in.
TauCommandLine SplitQuotedCommand(UnicodeStringView command, size_t firstQuote) {
    if (firstQuote > 0) {
        return {rtl::Trim(command.substr(0, firstQuote)), rtl::Trim(WithoutQuotes(command.substr(firstQuote), 2))};
    }
    const size_t start = command.size() > 1 && command[1] == CommandQuote ? 2 : 1;
    const size_t end = command.find(CommandQuote, start);
    if (end == UnicodeStringView::npos) {
        return SplitUnquotedCommand(command.substr(start));
    }
    const size_t after = end + 1 < command.size() && command[end + 1] == CommandQuote ? end + 2 : end + 1;
    return {rtl::Trim(command.substr(start, end - start)),
            rtl::Trim(WithoutQuotes(rtl::Trim(command.substr(after)), 2))};
}

} // namespace

TauCommandLine SplitCommandLine(UnicodeStringView command) {
    const UnicodeString trimmed = rtl::Trim(command);
    const size_t quote = trimmed.find(CommandQuote);
    return quote == UnicodeString::npos ? SplitUnquotedCommand(trimmed) : SplitQuotedCommand(trimmed, quote);
}

std::array<UnicodeString, 4> SplitVersion(UnicodeStringView version) {
    std::array<UnicodeString, 4> parts{u"0", u"0", u"0", u"0"};
    size_t start = 0;
    for (UnicodeString& part : parts) {
        if (start > version.size()) {
            break;
        }
        const size_t dot = version.find(u'.', start);
        const size_t end = dot == UnicodeStringView::npos ? version.size() : dot;
        part = UnicodeString(version.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

int CompareVersions(UnicodeStringView a, UnicodeStringView b) {
    const std::array<UnicodeString, 4> partsA = SplitVersion(a);
    const std::array<UnicodeString, 4> partsB = SplitVersion(b);
    for (size_t i = 0; i < partsA.size(); ++i) {
        const std::optional<int32_t> numberA = ParseVersionInteger(partsA[i]);
        const std::optional<int32_t> numberB = ParseVersionInteger(partsB[i]);
        if (!numberA || !numberB || *numberA < 0 || *numberB < 0) {
            return Sign(a.compare(b));
        }
        if (*numberA != *numberB) {
            return *numberA > *numberB ? 1 : -1;
        }
    }
    return 0;
}

uint8_t Percent(double part, double whole) {
    if (whole == 0) {
        return 0;
    }
    const long double value = rtl::RoundToWhole(static_cast<long double>(part) * 100 / whole);
    return value >= 0 && value <= 255 ? static_cast<uint8_t>(value) : 0;
}

UnicodeString UpgradeHelperCommandLine(UnicodeStringView helperPath, UnicodeStringView programPath,
                                       UnicodeStringView parameter) {
    return u"\"" + UnicodeString(helperPath) + u"\" \"" + UnicodeString(programPath) + u"\" " +
           UnicodeString(parameter);
}

namespace {

constexpr std::array<UnicodeStringView, 7> HTTPDayNames{u"SUN", u"MON", u"TUE", u"WED", u"THU", u"FRI", u"SAT"};
constexpr std::array<UnicodeStringView, 12> HTTPMonthNames{u"JAN", u"FEB", u"MAR", u"APR", u"MAY", u"JUN",
                                                           u"JUL", u"AUG", u"SEP", u"OCT", u"NOV", u"DEC"};

// 1..12 for a three-letter month name in any case, 0 otherwise.
int32_t HTTPMonthNumber(UnicodeStringView token) {
    const UnicodeString upper = rtl::UpperCase(token);
    for (size_t i = 0; i < HTTPMonthNames.size(); ++i) {
        if (upper == HTTPMonthNames[i]) {
            return static_cast<int32_t>(i) + 1;
        }
    }
    return 0;
}

// Reads the HTTP date's fields token by token; the rest of the text stays for the time and the zone.
class THTTPDateScanner {
public:
    explicit THTTPDateScanner(UnicodeStringView text) : FText(text) {}

    // The next token up to separator (which is consumed), blanks before it skipped.
    UnicodeStringView Next(char16_t separator) {
        SkipBlanks();
        const size_t end = std::min(FText.find(separator), FText.size());
        const UnicodeStringView token = FText.substr(0, end);
        FText.remove_prefix(std::min(end + 1, FText.size()));
        return token;
    }
    void SkipBlanks() {
        while (!FText.empty() && FText.front() == u' ') {
            FText.remove_prefix(1);
        }
    }
    UnicodeStringView Rest() const { return FText; }

private:
    UnicodeStringView FText;
};

std::optional<int32_t> HTTPNumber(UnicodeStringView token) {
    const std::optional<int32_t> number = ParseVersionInteger(token);
    return number && *number >= 0 ? number : std::nullopt;
}

// The zone offset in days of "+hhmm" or "-hhmm"; 0 for anything else (GMT, UTC, nothing).
double HTTPZoneOffset(UnicodeStringView rest) {
    if (rest.size() <= 4 || (rest[0] != u'+' && rest[0] != u'-')) {
        return 0;
    }
    const std::optional<int32_t> hours = HTTPNumber(rest.substr(1, 2));
    const std::optional<int32_t> minutes = HTTPNumber(rest.substr(3, 2));
    if (!hours || !minutes) {
        return 0;
    }
    const double offset = (*hours * 60.0 + *minutes) / (24 * 60);
    return rest[0] == u'-' ? -offset : offset;
}

// The time "hh:mm:ss" in days; missing or unreadable parts count 0, a field past the clock fails.
std::optional<double> HTTPTimeOfDay(UnicodeStringView token) {
    int32_t fields[3] = {0, 0, 0};
    THTTPDateScanner scanner(token);
    for (int32_t& field : fields) {
        field = HTTPNumber(scanner.Next(u':')).value_or(0);
    }
    rtl::TDateTime time = 0;
    if (!rtl::TryEncodeTime(fields[0], fields[1], fields[2], 0, time)) {
        return std::nullopt;
    }
    return time;
}

} // namespace

double ParseHTTPDateUTC(UnicodeStringView text) {
    const UnicodeString trimmed = rtl::Trim(text);
    THTTPDateScanner scanner(trimmed);
    for (const UnicodeStringView day : HTTPDayNames) {
        if (rtl::UpperCase(UnicodeStringView(trimmed).substr(0, 3)) == day) {
            scanner.Next(u' ');
            break;
        }
    }
    scanner.SkipBlanks();
    const UnicodeStringView rest = scanner.Rest();
    const size_t hyphen = rest.find(u'-');
    const char16_t separator =
        hyphen != UnicodeStringView::npos && hyphen >= 1 && hyphen < rest.find(u' ') ? u'-' : u' ';

    UnicodeStringView dayToken = scanner.Next(separator);
    int32_t month = HTTPMonthNumber(dayToken);
    if (month != 0) {
        dayToken = scanner.Next(separator);
    } else {
        month = HTTPMonthNumber(scanner.Next(separator));
    }
    const int32_t day = HTTPNumber(dayToken).value_or(1);
    UnicodeStringView timeToken;
    UnicodeStringView yearToken = scanner.Next(u' ');
    if (!HTTPNumber(yearToken)) {
        // asctime: the time stands before the year.
        timeToken = yearToken;
        yearToken = scanner.Next(u' ');
    }
    int32_t year = HTTPNumber(yearToken).value_or(1900);
    year += year < 80 ? 2000 : year < 100 ? 1900 : 0;

    rtl::TDateTime date = 0;
    if (!rtl::TryEncodeDate(year, month, day, date)) {
        return 0;
    }
    if (timeToken.empty() && scanner.Rest().find(u':') != UnicodeStringView::npos) {
        timeToken = scanner.Next(u' ');
    }
    if (!timeToken.empty()) {
        const std::optional<double> time = HTTPTimeOfDay(timeToken);
        if (!time) {
            return 0;
        }
        date += *time;
    }
    scanner.SkipBlanks();
    return date - HTTPZoneOffset(scanner.Rest());
}

} // namespace au
