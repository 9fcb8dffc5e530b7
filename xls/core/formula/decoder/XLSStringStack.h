#pragma once
// The formula decoder's stack of texts: operands push their text, operators and functions replace their operands by
// the text that combines them. It holds at most XLSDecodeStackSize texts; taking more operands than it holds, or
// pushing beyond its size, raises EXLSFormulaError, so that a damaged or hostile token string gives an error and not
// a wrong text or an unbounded stack.

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <vector>

namespace xls {

inline constexpr int32_t XLSDecodeStackSize = 256;

// The messages of the decode stack.
namespace DecodeStackMessages {
inline constexpr char16_t Empty[] = u"Empty decode stack";
inline constexpr char16_t Full[] = u"Out of decode stack";
} // namespace DecodeStackMessages

class TStringStack {
public:
    // What an entry is: most are plain text; one item of a structured reference in its brackets ("[Col]") stands
    // alone after its table's name.
    enum TEntryKind : uint8_t { ekText, ekTableItem };

    void Reset() { FEntries.clear(); }
    bool Empty() const { return FEntries.empty(); }
    // The top entry's text; the stack must not be empty.
    const rtl::UnicodeString& Top() const { return FEntries.back().Text; }

    void Push(rtl::UnicodeString text, TEntryKind kind = ekText);
    // left + op + right, for the two top entries.
    void Combine(rtl::UnicodeStringView op);
    void Prefix(rtl::UnicodeStringView text);
    void Suffix(rtl::UnicodeStringView text);
    void Wrap(rtl::UnicodeStringView open, rtl::UnicodeStringView close);
    // name(a1<sep>a2...) of the top count entries, oldest first; name() for a count below 1.
    void Call(rtl::UnicodeStringView name, int32_t count, rtl::UnicodeStringView separator);
    // name[...] of the top count entries: one table item stands alone (Table1[Col]), others are listed inside the
    // brackets (Table1[[#Headers],[Col]]); name[] for a count below 1.
    void Table(rtl::UnicodeStringView name, int32_t count, rtl::UnicodeStringView separator);
    // {...} of the top cols x rows entries, row by row: entries of a row separated by columnSeparator, rows by
    // rowSeparator; {} when there are none.
    void Array(int64_t cols, int64_t rows, rtl::UnicodeStringView columnSeparator, rtl::UnicodeStringView rowSeparator);

private:
    struct TEntry {
        rtl::UnicodeString Text;
        TEntryKind Kind = ekText;
    };

    // Raises when fewer than count entries are on the stack.
    void Need(int64_t count) const;
    // The top count entries joined by separator, removed from the stack.
    rtl::UnicodeString Join(int32_t count, rtl::UnicodeStringView separator);

    std::vector<TEntry> FEntries;
};

} // namespace xls
