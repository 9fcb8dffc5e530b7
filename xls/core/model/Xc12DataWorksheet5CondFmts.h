#pragma once
// What the conditional formats of a sheet keep besides their rules: the colours of a colour scale, one for each of
// its value points, in file order.

#include "xls/core/formula/Xc12Utils5.h"

#include <cstdint>
#include <vector>

namespace xls {

// The colours of a colour scale, each a copy the list keeps.
class TXc12Colors {
public:
    // Appends a copy of color.
    void AddColor(const TXc12ColorRec& color) { FColors.push_back(color); }
    // The colour at index; outside the list raises the list's index error.
    const TXc12ColorRec& GetItem(int32_t index) const;
    int32_t Count() const { return static_cast<int32_t>(FColors.size()); }
    void Clear() { FColors.clear(); }

private:
    std::vector<TXc12ColorRec> FColors;
};

} // namespace xls
