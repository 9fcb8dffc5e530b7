#pragma once
// The start-up and shut-down of one editors' string unit: the first start-up lists the unit's strings in the
// resource-string repository under its product key, the shut-down that balances the last start-up takes them out.

#include "ui/core/system/uxResourceStrings.h"

#include <cstdint>

namespace ui {

class TuiEditStringUnit {
public:
    TuiEditStringUnit(const char16_t* productKey, TuxProductResourceStrings::TFillProc fill)
        : FProductKey(productKey), FFill(fill) {}

    void Initialize();
    // Nothing without a start-up to balance.
    void Finalize();
    bool Initialized() const { return FInitCount > 0; }

private:
    const char16_t* FProductKey;
    TuxProductResourceStrings::TFillProc FFill;
    int32_t FInitCount = 0;
};

} // namespace ui
