#pragma once
// The shared-string table: every text of a workbook's text cells, once. Text cells keep only an index into it. Each
// string is one packed item (little-endian):
//   int32 reference count, uint16 character count n, uint8 flags (bit 0: 16-bit characters, bit 3: font runs follow)
//   plain:     the n characters (8-bit when every character is below 256, else 16-bit)
//   with runs: 1 unused byte, uint16 run count r, the n characters, then r runs (int32 first character, font)
// A string's reference count is the number of cells that use it; a string whose count drops to zero is freed and its
// slot reused. A hash from text to index finds plain strings; strings with font runs are never found.

#include "rtl/text/StringTypes.h"
#include "xls/core/cells/XLSCellUses.h"
#include "xls/core/model/common/XLSStyleObjects.h"
#include "xls/core/model/styles/Xc12DataStyleSheet5Fonts.h"

#include <cstdint>
#include <memory>
#include <set>
#include <vector>

namespace xls {

class TXc12DataStyleSheet;

// The fixed texts of the table's failures.
namespace SSTMessages {
inline constexpr char16_t IndexOutOfRange[] = u"Index out of range";
inline constexpr char16_t StringIsNil[] = u"SST String is Nil";
inline constexpr char16_t UnhandledStringType[] = u"SST: Unhandled string type.";
inline constexpr char16_t StringTooLong[] = u"Shared string too long (%d characters)";
inline constexpr char16_t TooManyFontRuns[] = u"Shared string has too many font runs (%d)";
} // namespace SSTMessages

// The longest string and the most font runs an item can hold: both counts are 16-bit.
inline constexpr int32_t XLSMaxSSTStringLength = 0xFFFF;
inline constexpr int32_t XLSMaxSSTFontRuns = 0xFFFF;

// Item flags.
inline constexpr uint8_t XLSSSTWideChars = 1;
inline constexpr uint8_t XLSSSTFontRuns = 8;

// The shared strings of a workbook.
class TXc12DataSST : public TXc12Data, public TXLSCellStrings {
public:
    // styleSheet, whose fonts the font runs refer to, is not owned and must outlive the table.
    explicit TXc12DataSST(TXc12DataStyleSheet* styleSheet);
    ~TXc12DataSST() override;

    // The adders append at index Count without a lookup and without entering the hash; the new string's reference
    // count is 0. A text over 65535 characters raises "Shared string too long".
    int32_t AddString(rtl::UnicodeStringView text);
    // Each run's font carries one use that the table gives back when it frees the string (the caller keeps the uses
    // when this raises).
    int32_t AddFormattedString(rtl::UnicodeStringView text, const TXc12DynFontRunArray& runs);
    int32_t AddCompressed8(int32_t count, const uint8_t* bytes);
    int32_t AddUncompressed16(int32_t count, const char16_t* characters);
    // The index of an equal plain string (the one entered last when several are equal), else of a new plain
    // string with reference count 0 in the lowest freed slot or at the end.
    int32_t FindOrAddString(rtl::UnicodeStringView text) override;
    // Enters every plain string into the hash, in index order.
    void BuildHash();
    // One more reference; returns the item. An index outside the table raises "Index out of range", a freed slot
    // "SST String is Nil".
    uint8_t* AddRef(int32_t index) override;
    // Raises as AddRef does; changes nothing.
    void CheckString(int32_t index) const override;
    // One reference fewer; at zero the string is freed (and its fonts' uses given back). A freed slot is left alone;
    // an index outside the table raises "Index out of range".
    void Release(int32_t index) override;
    // Raises as AddRef does.
    rtl::UnicodeString GetString(int32_t index) const override;
    // Gives back the fonts' uses of every string's runs and frees all strings.
    void Clear();

    // 1 + the highest index in use (freed slots below it count).
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    // Freed slots below Count.
    int32_t FreeSlots() const { return static_cast<int32_t>(FFreeSlots.size()); }
    bool HashValid() const { return FHashValid; }
    // The item at index, nullptr for a freed slot; an index outside the table raises "Index out of range".
    const uint8_t* Item(int32_t index) const;

    static int32_t ItemRefCount(const uint8_t* item);
    static int32_t ItemCharCount(const uint8_t* item);
    static uint8_t ItemFlags(const uint8_t* item) { return item[6]; }
    // The characters by the item's flags; an unknown flags value raises "SST: Unhandled string type.".
    static const uint8_t* ItemChars(const uint8_t* item);
    // The runs' bytes, nullptr without runs.
    static const uint8_t* ItemFontRuns(const uint8_t* item);
    static int32_t ItemRunCount(const uint8_t* item);
    static TXc12FontRun ItemFontRun(const uint8_t* item, int32_t run);
    static rtl::UnicodeString ItemToString(const uint8_t* item);

private:
    using TItem = std::unique_ptr<uint8_t[]>;

    static TItem MakeItem(rtl::UnicodeStringView text, bool wide, int32_t runCount);
    int32_t Append(TItem item);
    uint8_t* CheckedItem(int32_t index) const;
    void ReleaseFonts(const uint8_t* item);
    int32_t Find(rtl::UnicodeStringView text) const;
    void Enter(int32_t index);
    void Remove(int32_t index);
    void FreeSlot(int32_t index);

    TXc12DataStyleSheet* FStyleSheet; // not owned
    std::vector<TItem> FItems;
    std::set<int32_t> FFreeSlots;
    // The hash: the first index of each bucket's chain and each index's successor (NotHashed when the index is not
    // in the hash).
    std::vector<int32_t> FHashHeads;
    std::vector<int32_t> FHashNext;
    bool FHashValid = false;
};

} // namespace xls
