// The test program's main: the UI core, the editor framework and the grid start before the first test and shut down
// after the last, as in the application.

#include "ui/core/uiCoreUnits.h"
#include "ui/editors/framework/uiEditFrameworkUnit.h"
#include "ui/grid/uiGridUnit.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    ui::InitializeUICore();
    ui::InitializeEditFrameworkUnit();
    ui::InitializeGridUnit();
    const int result = RUN_ALL_TESTS();
    ui::FinalizeGridUnit();
    ui::FinalizeEditFrameworkUnit();
    ui::FinalizeUICore();
    return result;
}
