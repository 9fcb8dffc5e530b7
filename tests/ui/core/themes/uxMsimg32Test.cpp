// The one msimg32 binding of the UI core: it serves both the images' AlphaBlend and the Office 2003 GradientFill, and
// starts before and stops after the units that draw with them.

#include "ui/core/themes/uxMsimg32.h"

#include "tests/ui/core/SystemInfoDouble.h"
#include "ui/core/images/uiAlphaBlend.h"
#include "ui/core/uiCoreUnits.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

bool Msimg32Bound(TuxMsimg32Function function) {
    return Msimg32Library().Function<TuxLibraryBinding::TFunction>(function) != nullptr;
}

TEST(uxMsimg32, OneBindingServesAlphaBlendingAndGradientsAndFollowsTheCoreAcrossARestart) {
    ASSERT_TRUE(UICoreInitialized());
    EXPECT_TRUE(Msimg32Bound(msimg32AlphaBlend));
    EXPECT_TRUE(Msimg32Bound(msimg32GradientFill));

    FinalizeUICore();
    EXPECT_FALSE(Msimg32Library().Loaded());
    EXPECT_FALSE(Msimg32Bound(msimg32AlphaBlend));
    EXPECT_FALSE(Msimg32Bound(msimg32GradientFill));

    InitializeUICore();
    EXPECT_TRUE(Msimg32Bound(msimg32AlphaBlend));
    EXPECT_TRUE(Msimg32Bound(msimg32GradientFill));
    const ui_test::TPinnedSystemInfo windows7;
    EXPECT_EQ(ChooseAlphaBlendPath(false), TuiAlphaBlendPath::System) << "alpha blending took the bound AlphaBlend";
}

} // namespace
} // namespace ui
