#pragma once
// What the cell store asks of the workbook it belongs to. Every stored cell and row record holds one use of its cell
// format (XF) and every text cell one reference to its string in the shared-string table; the store takes and gives
// them back through these two interfaces, which the style sheet's XF editor and the shared-string table implement.
// The store knows neither class, so the workbook model, which holds the stores, builds on the cells and not the other
// way round.

#include "rtl/text/StringTypes.h"

#include <cstdint>

namespace xls {

// The cell format a cell without a format of its own shows, and the one a new row record holds.
inline constexpr int32_t XLSDefaultXF = 0;

// The use counts of a workbook's cell formats, by index.
class TXLSCellFormatUses {
public:
    virtual ~TXLSCellFormatUses() = default;
    // One more use of the cell format at index; an index the workbook does not have raises.
    virtual void UseXFIndex(int32_t index) = 0;
    // One use fewer of the cell format at index.
    virtual void ReleaseXFIndex(int32_t index) = 0;
};

// The shared strings text cells refer to by index.
class TXLSCellStrings {
public:
    virtual ~TXLSCellStrings() = default;
    // The index of an equal string, or of a new one that nothing refers to yet.
    virtual int32_t FindOrAddString(rtl::UnicodeStringView text) = 0;
    // Raises, and changes nothing, when index names no string (outside the table, or a freed slot).
    virtual void CheckString(int32_t index) const = 0;
    // One more reference to the string at index, which raises as CheckString does; returns the string's packed item.
    virtual uint8_t* AddRef(int32_t index) = 0;
    // One reference fewer; a string nothing refers to any more is freed.
    virtual void Release(int32_t index) = 0;
    virtual rtl::UnicodeString GetString(int32_t index) const = 0;
};

} // namespace xls
