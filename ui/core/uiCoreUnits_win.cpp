#include "ui/core/controls/uiControlsUnit.h"
#include "ui/core/gdiplus/uxGdiPlusAPI.h"
#include "ui/core/gdiplus/uxGdiPlusClasses.h"
#include "ui/core/geometry/uiGeometry.h"
#include "ui/core/graphics/uiGraphicsUnit.h"
#include "ui/core/images/uiImagesUnit.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/painters/uiPainterImages.h"
#include "ui/core/skins/painter/uxSkinsBuiltIn.h"
#include "ui/core/skins/uxSkinsCoreUnit.h"
#include "ui/core/styles/uiStyles.h"
#include "ui/core/system/uxSystemInfo.h"
#include "ui/core/text/uiDrawTextUtils.h"
#include "ui/core/themes/uiDWMApi.h"
#include "ui/core/themes/uxMsimg32.h"
#include "ui/core/themes/uxOffice11.h"
#include "ui/core/themes/uxThemeManager.h"
#include "ui/core/themes/uxUxTheme.h"
#include "ui/core/uiCoreUnits.h"

namespace ui::detail {

std::span<const TuiCoreUnit> CoreUnits() {
    static constexpr TuiCoreUnit units[] = {
        {"library core", InitializeSystemInfoUnit, nullptr},
        {"GDI+ binding", InitializeGdiPlusAPIUnit, FinalizeGdiPlusAPIUnit},
        {"GDI+ pictures", InitializeGdiPlusClassesUnit, FinalizeGdiPlusClassesUnit},
        {"geometry", InitializeGeometryUnit, FinalizeGeometryUnit},
        {"text engine", InitializeTextUnit, FinalizeTextUnit},
        {"visual styles", InitializeUxThemeUnit, FinalizeUxThemeUnit},
        {"theme manager", InitializeThemeManagerUnit, FinalizeThemeManagerUnit},
        {"msimg32 binding", InitializeMsimg32Unit, FinalizeMsimg32Unit},
        {"Office 2003 colours", nullptr, FinalizeOffice11Unit},
        {"canvas and bitmaps", InitializeGraphicsUnit, FinalizeGraphicsUnit},
        {"alpha blending and glyphs", InitializeImagesUnit, FinalizeImagesUnit},
        {"look-and-feel settings", InitializeLookAndFeelsUnit, FinalizeLookAndFeelsUnit},
        {"painters", InitializePaintersUnit, FinalizePaintersUnit},
        {"desktop composition", InitializeDWMApiUnit, FinalizeDWMApiUnit},
        {"controls", InitializeControlsUnit, FinalizeControlsUnit},
        {"styles", InitializeStylesUnit, FinalizeStylesUnit},
        {"skin core", InitializeSkinsCoreUnit, FinalizeSkinsCoreUnit},
        {"built-in skins", InitializeBuiltInSkinsUnit, FinalizeBuiltInSkinsUnit},
    };
    return units;
}

} // namespace ui::detail
