#include "ui/core/uiCoreUnits.h"

#include "rtl/core/ClassRegistry.h"
#include "ui/core/geometry/uiGeometry.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

TEST(uiCoreUnits, StartUpRunsOnceAndShutDownUndoesItInReverse) {
    ASSERT_TRUE(UICoreInitialized()) << "the test main starts the UI core";
    InitializeUICore();
    EXPECT_TRUE(UICoreInitialized());

    FinalizeUICore();
    EXPECT_FALSE(UICoreInitialized());
    EXPECT_EQ(rtl::GetClass(u"TuiRect"), nullptr) << "geometry's registration is undone";
    FinalizeUICore();

    InitializeUICore();
    EXPECT_TRUE(UICoreInitialized());
    EXPECT_EQ(rtl::GetClass(u"TuiRect"), &TuiRect::StaticClass());
}

TEST(uiCoreUnits, EveryUnitHasANameAndSomethingToDo) {
    for (const detail::TuiCoreUnit& unit : detail::CoreUnits()) {
        EXPECT_NE(unit.Name, nullptr);
        EXPECT_TRUE(unit.Initialize || unit.Finalize) << unit.Name;
    }
}

} // namespace
} // namespace ui
