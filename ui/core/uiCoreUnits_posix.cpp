#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/skins/uxSkinsCoreUnit.h"
#include "ui/core/system/uxSystemInfo.h"
#include "ui/core/uiCoreUnits.h"

namespace ui::detail {

std::span<const TuiCoreUnit> CoreUnits() {
    static constexpr TuiCoreUnit units[] = {
        {"library core", InitializeSystemInfoUnit, nullptr},
        {"geometry", InitializeGeometryUnit, FinalizeGeometryUnit},
        {"skin core", InitializeSkinsCoreUnit, FinalizeSkinsCoreUnit},
    };
    return units;
}

} // namespace ui::detail
