// The test program's main: the UI core, the status bar unit and the tab control unit start before the first test and
// shut down after the last, as in the application.

#include "ui/core/uiCoreUnits.h"
#include "ui/pagecontrol/statusbar/uxStatusBarPanels.h"
#include "ui/pagecontrol/uiPageControlUnit.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    ui::InitializeUICore();
    ui::InitializeStatusBarUnit();
    ui::InitializePageControlUnit();
    const int result = RUN_ALL_TESTS();
    ui::FinalizePageControlUnit();
    ui::FinalizeStatusBarUnit();
    ui::FinalizeUICore();
    return result;
}
