// Reading the update info file and the version test.

#include "upgrade/auInfoFile.h"

#include "rtl/text/StringUtils.h"
#include "upgrade/auUtils.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <string>

namespace au {

UnicodeString GetInfoFileValue(UnicodeStringView info, UnicodeStringView key, bool multiLine) {
    UnicodeString search = u"#" + UnicodeString(key) + u"=";
    if (multiLine) {
        search += u'{';
    }
    // ASCII lower case keeps every position, so the match indexes the original text.
    const size_t found = rtl::LowerCase(info).find(search);
    if (found == UnicodeString::npos) {
        return {};
    }
    const size_t start = found + search.size();
    size_t end = start;
    while (end < info.size() && (multiLine ? info[end] != u'}' : info[end] >= 32)) {
        ++end;
    }
    return UnicodeString(info.substr(start, end - start));
}

std::vector<UnicodeString> GetInfoFileURLs(UnicodeStringView info) {
    std::vector<UnicodeString> urls;
    for (const UnicodeStringView key : {u"url", u"url0"}) {
        if (UnicodeString url = GetInfoFileValue(info, key); !url.empty()) {
            urls.push_back(std::move(url));
        }
    }
    for (size_t number = urls.size() + 1; urls.size() < MaxInfoFileURLs; ++number) {
        const std::string digits = std::to_string(number);
        UnicodeString url = GetInfoFileValue(info, u"url" + UnicodeString(digits.begin(), digits.end()));
        if (url.empty()) {
            break;
        }
        urls.push_back(std::move(url));
    }
    return urls;
}

TacUpgradeMethod GetInfoFileUpgradeMethod(UnicodeStringView info) {
    const UnicodeString method = GetInfoFileValue(info, u"method");
    if (method.starts_with(u'1')) {
        return TacUpgradeMethod::umUseExternalSetup;
    }
    if (method.starts_with(u'2')) {
        return TacUpgradeMethod::umRedirectToURL;
    }
    return TacUpgradeMethod::umSelfUpgrade;
}

char16_t UpgradeMethodDigit(TacUpgradeMethod method) {
    return static_cast<char16_t>(u'0' + static_cast<int>(method));
}

namespace {

bool IsDownloadableFileName(UnicodeStringView name) {
    constexpr UnicodeStringView refused = u"<>\"|?*/\\:";
    if (name.empty() || name == u"." || name == u".." || name.back() == u'.' || name.back() == u' ') {
        return false;
    }
    for (const char16_t c : name) {
        if (c < 32 || refused.find(c) != UnicodeStringView::npos) {
            return false;
        }
    }
    return true;
}

} // namespace

bool HasDownloadableFileNames(const std::vector<UnicodeString>& urls) {
    std::vector<UnicodeString> names;
    for (const UnicodeString& url : urls) {
        UnicodeString name = rtl::WideUpperCase(ExtractURLFileName(url));
        if (!IsDownloadableFileName(name) || std::find(names.begin(), names.end(), name) != names.end()) {
            return false;
        }
        names.push_back(std::move(name));
    }
    return true;
}

namespace {

bool ParseDateField(UnicodeStringView text, int32_t& value) {
    const UnicodeString trimmed = rtl::Trim(text);
    std::string digits;
    for (const char16_t c : trimmed) {
        if (!rtl::IsAsciiDigit(c)) {
            return false;
        }
        digits.push_back(static_cast<char>(c));
    }
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return !digits.empty() && error == std::errc() && end == digits.data() + digits.size();
}

} // namespace

rtl::TDateTime ParseVersionDate(UnicodeStringView text, rtl::TDateTime today) {
    const size_t first = text.find(u'/');
    const size_t second = first == UnicodeStringView::npos ? first : text.find(u'/', first + 1);
    int32_t month = 0;
    int32_t day = 0;
    int32_t year = 0;
    rtl::TDateTime date = 0;
    if (second == UnicodeStringView::npos || !ParseDateField(text.substr(0, first), month) ||
        !ParseDateField(text.substr(first + 1, second - first - 1), day) ||
        !ParseDateField(text.substr(second + 1), year) || !rtl::TryEncodeDate(year, month, day, date)) {
        return today;
    }
    return date;
}

UnicodeString FormatVersionDate(rtl::TDateTime date) {
    const rtl::TDateParts parts = rtl::DecodeDate(date);
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%02d/%02d/%04d", static_cast<int>(parts.Month),
                                     static_cast<int>(parts.Day), static_cast<int>(parts.Year));
    return UnicodeString(text, text + length);
}

bool IsNewerVersion(UnicodeStringView info, const TauRunningVersion& running, rtl::TDateTime today) {
    if (running.Control == TauUpdaterVersionControl::byNumber) {
        return CompareVersions(GetInfoFileValue(info, u"version"), running.Number) > 0;
    }
    return ParseVersionDate(GetInfoFileValue(info, u"date"), today) > ParseVersionDate(running.Date, today);
}

} // namespace au
