#include "ui/data/locale/uiFormatElements.h"

#include "rtl/text/StringUtils.h"

#include <algorithm>

namespace ui {

namespace {

// Formats that "c", "ddddd", "t"... stand for are parsed inside the outer one; one level deeper they add nothing, so
// settings whose formats name each other cannot recurse.
constexpr int MaxFormatNesting = 1;

bool IsMultipleKind(TuiDateTimeFormatItemKind kind) {
    return kind == dtiLiteral || kind == dtiDateSeparator || kind == dtiTimeSeparator;
}

char16_t UpperAsciiLetter(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool IsAsciiLetter(char16_t c) {
    const char16_t upper = UpperAsciiLetter(c);
    return upper >= u'A' && upper <= u'Z';
}

// The length of the run of the character at pos, counted case-sensitively.
size_t SameCharacterRun(rtl::UnicodeStringView format, size_t pos) {
    size_t end = pos + 1;
    while (end < format.size() && format[end] == format[pos]) {
        ++end;
    }
    return end - pos;
}

// How many code units the non-ASCII character at pos takes: two for a surrogate pair, else one.
size_t CharacterUnits(rtl::UnicodeStringView text, size_t pos) {
    const bool pair = text[pos] >= 0xD800 && text[pos] <= 0xDBFF && pos + 1 < text.size() && text[pos + 1] >= 0xDC00 &&
                      text[pos + 1] <= 0xDFFF;
    return pair ? 2 : 1;
}

class TDateFormatParser {
public:
    TDateFormatParser(const rtl::TFormatSettings& settings, TuiDateTimeFormatInfo& info)
        : FSettings(settings), FInfo(info) {}

    bool Parse(rtl::UnicodeStringView format) {
        FInfo = {};
        if (!ParseLevel(format.empty() ? rtl::UnicodeStringView(u"C") : format, 0)) {
            FInfo = {};
            return false;
        }
        SetHourClock();
        return true;
    }

private:
    bool ParseLevel(rtl::UnicodeStringView format, int nesting) {
        char16_t lastLetter = u' ';
        size_t pos = 0;
        while (pos < format.size()) {
            const char16_t c = format[pos];
            if (c >= 0x80) {
                const size_t units = CharacterUnits(format, pos);
                AddLiteral(format.substr(pos, units));
                lastLetter = u' ';
                pos += units;
                continue;
            }
            char16_t letter = UpperAsciiLetter(c);
            if (IsAsciiLetter(c)) {
                letter = letter == u'M' && lastLetter == u'H' ? u'N' : letter;
                lastLetter = letter;
            }
            size_t taken = 0;
            if (!ParseElement(format, pos, letter, nesting, taken)) {
                return false;
            }
            pos += taken;
        }
        return true;
    }

    // Adds the element that starts at pos and sets how many characters it took; false when the format cannot be
    // parsed.
    bool ParseElement(rtl::UnicodeStringView format, size_t pos, char16_t letter, int nesting, size_t& taken) {
        const size_t run = SameCharacterRun(format, pos);
        taken = run;
        switch (letter) {
        case u'"':
        case u'\'': {
            const size_t close = std::min(format.find(format[pos], pos + 1), format.size());
            AddLiteral(format.substr(pos + 1, close - pos - 1));
            taken = std::min(close + 1, format.size()) - pos;
            return true;
        }
        case u'/':
            taken = 1;
            AddItem(dtiDateSeparator, {});
            return true;
        case u':':
            taken = 1;
            AddItem(dtiTimeSeparator, {});
            return true;
        case u'A':
            taken = ParseDesignatorOrDayName(format.substr(pos));
            return true;
        case u'C':
            taken = 1;
            if (!ParseNested(FSettings.ShortDateFormat, nesting)) {
                return false;
            }
            AddLiteral(u" ");
            return ParseNested(FSettings.LongTimeFormat, nesting);
        case u'D':
            if (run <= 4) {
                AddItem(dtiDay, rtl::UnicodeString(run, u'D'));
                return true;
            }
            return ParseNested(run == 5 ? FSettings.ShortDateFormat : FSettings.LongDateFormat, nesting);
        case u'E':
        case u'Y':
            AddItem(dtiYear, run > 2 ? u"YYYY" : u"YY");
            return true;
        case u'G':
            return false;
        case u'H':
        case u'M':
        case u'N':
        case u'S':
        case u'Z':
            AddNumberItem(letter, run);
            return true;
        case u'T':
            return ParseNested(run == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, nesting);
        default:
            taken = 1;
            AddLiteral(format.substr(pos, 1));
            return true;
        }
    }

    // An hour, month, minute, second or millisecond element: the letter repeated as often as the run, up to the
    // longest form of the element.
    void AddNumberItem(char16_t letter, size_t run) {
        struct TNumberElement {
            char16_t Letter;
            TuiDateTimeFormatItemKind Kind;
            size_t LongestForm;
        };
        static constexpr TNumberElement elements[] = {{u'H', dtiHour, 2},
                                                      {u'M', dtiMonth, 4},
                                                      {u'N', dtiMinute, 2},
                                                      {u'S', dtiSecond, 2},
                                                      {u'Z', dtiMillisecond, 3}};
        for (const TNumberElement& element : elements) {
            if (element.Letter == letter) {
                AddItem(element.Kind, rtl::UnicodeString(std::min(run, element.LongestForm), letter));
            }
        }
    }

    bool ParseNested(rtl::UnicodeStringView format, int nesting) {
        return nesting >= MaxFormatNesting || ParseLevel(format, nesting + 1);
    }

    size_t ParseDesignatorOrDayName(rtl::UnicodeStringView rest) {
        if (rtl::StartsText(u"AM/PM", rest)) {
            AddItem(dtiDesignator, rest.substr(0, 5));
            return 5;
        }
        if (rtl::StartsText(u"A/P", rest)) {
            AddItem(dtiDesignator, rest.substr(0, 3));
            return 3;
        }
        if (rtl::StartsText(u"AMPM", rest)) {
            AddItem(dtiDesignator, u"AMPM");
            return 4;
        }
        if (rtl::StartsText(u"AAAA", rest)) {
            AddItem(dtiDay, u"DDDD");
            return 4;
        }
        if (rtl::StartsText(u"AAA", rest)) {
            AddItem(dtiDay, u"DDD");
            return 3;
        }
        AddLiteral(rest.substr(0, 1));
        return 1;
    }

    void AddItem(TuiDateTimeFormatItemKind kind, rtl::UnicodeStringView text) {
        if (!IsMultipleKind(kind) && FInfo.DefinedItems[kind]) {
            return;
        }
        FInfo.DefinedItems[kind] = true;
        FInfo.Items.push_back({kind, rtl::UnicodeString(text)});
    }

    void AddLiteral(rtl::UnicodeStringView text) {
        if (!FInfo.Items.empty() && FInfo.Items.back().Kind == dtiLiteral) {
            FInfo.Items.back().Text += text;
        } else {
            AddItem(dtiLiteral, text);
        }
    }

    // The hour shows the 12-hour clock when a designator goes with it; a designator without an hour is dropped.
    void SetHourClock() {
        auto& items = FInfo.Items;
        const auto hour =
            std::find_if(items.begin(), items.end(), [](const auto& item) { return item.Kind == dtiHour; });
        if (hour != items.end()) {
            hour->Text.insert(0, FInfo.DefinedItems[dtiDesignator] ? u"12" : u"24");
            return;
        }
        if (FInfo.DefinedItems[dtiDesignator]) {
            std::erase_if(items, [](const auto& item) { return item.Kind == dtiDesignator; });
            FInfo.DefinedItems[dtiDesignator] = false;
        }
    }

    const rtl::TFormatSettings& FSettings;
    TuiDateTimeFormatInfo& FInfo;
};

} // namespace

bool ParseDateTimeFormat(rtl::UnicodeStringView format, const rtl::TFormatSettings& settings,
                         TuiDateTimeFormatInfo& info) {
    return TDateFormatParser(settings, info).Parse(format);
}

TuiDesignatorKind DesignatorKindOf(const TuiDateTimeFormatItem& item) {
    if (rtl::SameText(item.Text, u"A/P")) {
        return dkAP;
    }
    return rtl::SameText(item.Text, u"AM/PM") ? dkAMPM : dkLocaleStrings;
}

int32_t FormatItemLength(const TuiDateTimeFormatItem& item, const rtl::TFormatSettings& settings) {
    switch (item.Kind) {
    case dtiLiteral:
        return static_cast<int32_t>(item.Text.size());
    case dtiYear:
        return item.Text == u"YY" ? 2 : 4;
    case dtiMonth:
    case dtiDay:
        return item.Text.size() > 2 ? 3 : 2;
    case dtiHour:
    case dtiMinute:
    case dtiSecond:
        return 2;
    case dtiDesignator:
        switch (DesignatorKindOf(item)) {
        case dkAP:
            return 1;
        case dkAMPM:
            return 2;
        default:
            return static_cast<int32_t>(std::max(settings.TimeAMString.size(), settings.TimePMString.size()));
        }
    case dtiDateSeparator:
    case dtiTimeSeparator:
        return 1;
    default:
        return 0;
    }
}

int32_t FormatPatternLength(const TuiDateTimeFormatInfo& info, const rtl::TFormatSettings& settings) {
    int32_t length = 0;
    for (const TuiDateTimeFormatItem& item : info.Items) {
        length += FormatItemLength(item, settings);
    }
    return length;
}

std::optional<TuiDateFormatElementPosition> LocateDateFormatElement(const TuiDateTimeFormatInfo& info, int32_t position,
                                                                    const rtl::TFormatSettings& settings) {
    if (position < 0) {
        return std::nullopt;
    }
    int32_t start = 0;
    for (const TuiDateTimeFormatItem& item : info.Items) {
        const int32_t length = FormatItemLength(item, settings);
        if (position < start + length) {
            return TuiDateFormatElementPosition{item.Kind, start, length,
                                                item.Kind == dtiDesignator ? DesignatorKindOf(item) : dkAP};
        }
        start += length;
    }
    return std::nullopt;
}

rtl::UnicodeString CreateRepeatedText(char16_t character, int32_t count) {
    return count > 0 ? rtl::UnicodeString(static_cast<size_t>(count), character) : rtl::UnicodeString();
}

} // namespace ui
