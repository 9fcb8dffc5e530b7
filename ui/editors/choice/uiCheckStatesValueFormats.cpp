#include "ui/editors/choice/uiCheckStatesValueFormats.h"

#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/data/values/uiVariants.h"
#include "ui/editors/choice/uiCaptionItems.h"

#include <algorithm>
#include <deque>
#include <string>
#include <unordered_map>

namespace ui {

namespace {

constexpr char16_t CheckedPartSeparator = u';';
constexpr char16_t IndexSeparator = u',';
constexpr char16_t CaptionLengthSeparator = u':';
constexpr int32_t LargestCheckStateNumber = 2147483647;

// The grayed part, then the checked part after ";" when there is one.
rtl::UnicodeString JoinStateParts(const rtl::UnicodeString& grayed, const rtl::UnicodeString& checked) {
    return checked.empty() ? grayed : grayed + CheckedPartSeparator + checked;
}

rtl::UnicodeString DecimalText(size_t number) {
    const std::string digits = std::to_string(number);
    return rtl::UnicodeString(digits.begin(), digits.end());
}

rtl::Variant CaptionsValue(const TuiCheckStates& states, const IuiCheckItems& items) {
    rtl::UnicodeString parts[2];
    const size_t count = std::min(states.size(), static_cast<size_t>(std::max(items.GetCount(), 0)));
    for (size_t i = 0; i < count; ++i) {
        if (states[i] == cbsUnchecked) {
            continue;
        }
        const rtl::UnicodeString caption = items.GetCaption(static_cast<int32_t>(i));
        parts[states[i] == cbsChecked] += DecimalText(caption.size()) + CaptionLengthSeparator + caption;
    }
    return rtl::Variant(JoinStateParts(parts[0], parts[1]));
}

rtl::Variant IndicesValue(const TuiCheckStates& states) {
    rtl::UnicodeString parts[2];
    for (size_t i = 0; i < states.size(); ++i) {
        if (states[i] == cbsUnchecked) {
            continue;
        }
        rtl::UnicodeString& part = parts[states[i] == cbsChecked];
        if (!part.empty()) {
            part += IndexSeparator;
        }
        part += DecimalText(i);
    }
    return rtl::Variant(JoinStateParts(parts[0], parts[1]));
}

rtl::Variant IntegerValue(const TuiCheckStates& states) {
    uint64_t bits = 0;
    const size_t count = std::min(states.size(), static_cast<size_t>(uiCheckStatesIntegerBits));
    for (size_t i = 0; i < count; ++i) {
        if (states[i] == cbsChecked) {
            bits |= uint64_t{1} << i;
        }
    }
    return rtl::Variant(static_cast<int64_t>(bits));
}

rtl::Variant StatesStringValue(const TuiCheckStates& states) {
    rtl::UnicodeString text;
    text.reserve(states.size());
    for (const TuiCheckBoxState state : states) {
        text += static_cast<char16_t>(u'0' + state);
    }
    return rtl::Variant(text);
}

// The text of a list format's value: Null reads as the empty text; anything but a string fails.
bool ListFormatText(const rtl::Variant& value, rtl::UnicodeString& text) {
    if (value.IsNull()) {
        text.clear();
        return true;
    }
    if (!rtl::VarIsStr(value)) {
        return false;
    }
    text = rtl::VarToStr(value);
    return true;
}

// One entry of a captions value: the caption and whether it stands in the checked part.
// The separator between the grayed entries and the checked ones, taken once.
void TakeCheckedPartSeparator(rtl::UnicodeStringView text, size_t& position, bool& checkedPart) {
    if (text[position] == CheckedPartSeparator && !checkedPart) {
        checkedPart = true;
        ++position;
    }
}

struct TCaptionEntry {
    rtl::UnicodeString Caption;
    bool Checked;
};

bool ParseCaptionEntries(rtl::UnicodeStringView text, std::vector<TCaptionEntry>& entries) {
    bool checkedPart = false;
    size_t position = 0;
    while (position < text.size()) {
        TakeCheckedPartSeparator(text, position, checkedPart);
        int32_t length = 0;
        if (!ReadCheckStateNumber(length, position, text) || position >= text.size() ||
            text[position] != CaptionLengthSeparator) {
            return false;
        }
        ++position;
        if (text.size() - position < static_cast<size_t>(length)) {
            return false;
        }
        entries.push_back({rtl::UnicodeString(text.substr(position, static_cast<size_t>(length))), checkedPart});
        position += static_cast<size_t>(length);
    }
    return true;
}

// Each entry names one item, found by caption in any case; two items of one caption need two entries, taken in the
// order of the text. Every entry must name an item.
bool DecodeCaptions(const rtl::Variant& value, const IuiCheckItems& items, TuiCheckStates& states) {
    rtl::UnicodeString text;
    std::vector<TCaptionEntry> entries;
    if (!ListFormatText(value, text) || !ParseCaptionEntries(text, entries)) {
        return false;
    }
    std::unordered_map<rtl::UnicodeString, std::deque<bool>> entriesByCaption;
    for (const TCaptionEntry& entry : entries) {
        entriesByCaption[rtl::WideUpperCase(entry.Caption)].push_back(entry.Checked);
    }
    size_t used = 0;
    for (size_t i = 0; i < states.size(); ++i) {
        const auto found = entriesByCaption.find(rtl::WideUpperCase(items.GetCaption(static_cast<int32_t>(i))));
        if (found == entriesByCaption.end() || found->second.empty()) {
            continue;
        }
        states[i] = found->second.front() ? cbsChecked : cbsGrayed;
        found->second.pop_front();
        ++used;
    }
    return used == entries.size();
}

// A later mention of an index overrides an earlier one; a "," after an index is optional.
bool DecodeIndices(const rtl::Variant& value, TuiCheckStates& states) {
    rtl::UnicodeString text;
    if (!ListFormatText(value, text)) {
        return false;
    }
    bool checkedPart = false;
    size_t position = 0;
    while (position < text.size()) {
        TakeCheckedPartSeparator(text, position, checkedPart);
        int32_t index = 0;
        if (!ReadCheckStateNumber(index, position, text) || static_cast<size_t>(index) >= states.size()) {
            return false;
        }
        states[static_cast<size_t>(index)] = checkedPart ? cbsChecked : cbsGrayed;
        if (position < text.size() && text[position] == IndexSeparator) {
            ++position;
        }
    }
    return true;
}

// The 64 bits of an integer value. A value no 64-bit integer holds (out of range, NaN) fails, except an unsigned one,
// whose bits are the checks themselves.
bool IntegerFormatBits(const rtl::Variant& value, uint64_t& bits) {
    if (value.IsNull()) {
        bits = 0;
        return true;
    }
    if (rtl::VarIsStr(value)) {
        int64_t number = 0;
        if (!rtl::TryStrToInt64(rtl::VarToStr(value), number)) {
            return false;
        }
        bits = static_cast<uint64_t>(number);
        return true;
    }
    if (!IsNumericVariant(value) && !IsDateVariant(value)) {
        return false;
    }
    if (value.VarType() == rtl::varUInt64) {
        bits = value.StoredUnsigned();
        return true;
    }
    try {
        bits = static_cast<uint64_t>(rtl::VarToInt64(value));
    } catch (const rtl::EVariantError&) {
        return false;
    }
    return true;
}

// Items past the 64th are unchecked.
bool DecodeInteger(const rtl::Variant& value, TuiCheckStates& states) {
    uint64_t bits = 0;
    if (!IntegerFormatBits(value, bits)) {
        return false;
    }
    const size_t count = std::min(states.size(), static_cast<size_t>(uiCheckStatesIntegerBits));
    for (size_t i = 0; i < count; ++i) {
        states[i] = (bits >> i) & 1 ? cbsChecked : cbsUnchecked;
    }
    return true;
}

// Items past the text are unchecked; characters past the items are ignored.
bool DecodeStatesString(const rtl::Variant& value, TuiCheckStates& states) {
    rtl::UnicodeString text;
    if (!ListFormatText(value, text)) {
        return false;
    }
    const size_t count = std::min(states.size(), text.size());
    for (size_t i = 0; i < count; ++i) {
        const char16_t c = text[i];
        if (c < u'0' || c > u'2') {
            return false;
        }
        states[i] = static_cast<TuiCheckBoxState>(c - u'0');
    }
    return true;
}

bool DecodeCheckStates(const rtl::Variant& value, const IuiCheckItems& items, TuiCheckStatesValueFormatEx format,
                       TuiCheckStates& states) {
    switch (format) {
    case cvfCaptions:
        return DecodeCaptions(value, items, states);
    case cvfIndices:
        return DecodeIndices(value, states);
    case cvfInteger:
        return DecodeInteger(value, states);
    case cvfStatesString:
        return DecodeStatesString(value, states);
    default:
        return false;
    }
}

} // namespace

rtl::Variant CheckStatesToEditValue(const TuiCheckStates& states, const IuiCheckItems& items,
                                    TuiCheckStatesValueFormatEx format) {
    switch (format) {
    case cvfCaptions:
        return CaptionsValue(states, items);
    case cvfIndices:
        return IndicesValue(states);
    case cvfInteger:
        return IntegerValue(states);
    case cvfStatesString:
        return StatesStringValue(states);
    default:
        return rtl::Variant::Null();
    }
}

bool EditValueToCheckStates(const rtl::Variant& value, const IuiCheckItems& items, TuiCheckStatesValueFormatEx format,
                            TuiCheckStates& states) {
    states.assign(static_cast<size_t>(std::max(items.GetCount(), 0)), cbsUnchecked);
    if (DecodeCheckStates(value, items, format, states)) {
        return true;
    }
    std::fill(states.begin(), states.end(), cbsUnchecked);
    return false;
}

bool ReadCheckStateNumber(int32_t& number, size_t& position, rtl::UnicodeStringView text) {
    if (position >= text.size() || !rtl::IsAsciiDigit(text[position])) {
        return false;
    }
    number = 0;
    for (; position < text.size() && rtl::IsAsciiDigit(text[position]); ++position) {
        const int32_t digit = text[position] - u'0';
        if (number > (LargestCheckStateNumber - digit) / 10) {
            return false;
        }
        number = number * 10 + digit;
    }
    return true;
}

} // namespace ui
