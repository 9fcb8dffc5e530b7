#include "ui/core/uiCoreUnits.h"

#include <cstddef>

namespace ui {

namespace {

// How many units have started, in order; shut-down walks back from here.
size_t StartedUnitCount = 0;
bool Started = false;

void FinalizeStartedUnits() {
    const std::span<const detail::TuiCoreUnit> units = detail::CoreUnits();
    while (StartedUnitCount > 0) {
        const detail::TuiCoreUnit& unit = units[--StartedUnitCount];
        if (unit.Finalize) {
            unit.Finalize();
        }
    }
}

} // namespace

void InitializeUICore() {
    if (Started) {
        return;
    }
    try {
        for (const detail::TuiCoreUnit& unit : detail::CoreUnits()) {
            if (unit.Initialize) {
                unit.Initialize();
            }
            ++StartedUnitCount;
        }
    } catch (...) {
        FinalizeStartedUnits();
        throw;
    }
    Started = true;
}

void FinalizeUICore() {
    if (!Started) {
        return;
    }
    Started = false;
    FinalizeStartedUnits();
}

bool UICoreInitialized() {
    return Started;
}

} // namespace ui
