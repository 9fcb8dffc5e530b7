#pragma once
// The BIFF units' lists of texts, each with a 32-bit value: the sheet names of a workbook with their visibility, the
// lines of a VBA project stream, the attributes of a VBA module.

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace xls {

// An ordered list of texts with values that reports its changes.
class TXLSWideStringList {
public:
    using TChangeEvent = std::function<void(TXLSWideStringList* sender)>;

    // Appending and clearing fire OnChange unless the list is updating.
    int32_t Add(rtl::UnicodeStringView text) { return AddWithValue(text, 0); }
    int32_t AddWithValue(rtl::UnicodeStringView text, int32_t value);
    void Clear();

    int32_t Count() const { return static_cast<int32_t>(FEntries.size()); }
    // Empty text and 0 for an index that names no entry.
    rtl::UnicodeString GetString(int32_t index) const;
    int32_t GetValue(int32_t index) const;

    // Clears the list and appends one entry per line of text. A line ends at LF, VT, FF, CR, U+2028 or U+2029, and
    // a CR or LF right after the break belongs to it (CR LF, LF CR, CR CR and LF LF each end one line); a break at
    // the very end adds no empty entry.
    void SetText(rtl::UnicodeStringView text);
    // Appends what follows the first space, trimmed, when that space is not the first character ("Attribute VB_Name
    // = ..." gives "VB_Name = ..."); otherwise the whole text.
    int32_t AddAfterSpace(rtl::UnicodeStringView text);

    const TChangeEvent& OnChange() const { return FOnChange; }
    void SetOnChange(TChangeEvent handler) { FOnChange = std::move(handler); }
    bool Updating() const { return FUpdating; }
    void SetUpdating(bool updating) { FUpdating = updating; }

private:
    void Changed();

    struct TEntry {
        rtl::UnicodeString Text;
        int32_t Value = 0;
    };
    std::vector<TEntry> FEntries;
    TChangeEvent FOnChange;
    bool FUpdating = false;
};

// A list of "name=value" texts with its separator character.
class TXLSValueWideStringList : public TXLSWideStringList {
public:
    char16_t NameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(char16_t separator) { FNameValueSeparator = separator; }

private:
    char16_t FNameValueSeparator = u'=';
};

} // namespace xls
