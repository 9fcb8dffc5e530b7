// The test program's main: the UI core and the editor framework start before the first test and shut down after the
// last, as in the application.

#include "ui/core/uiCoreUnits.h"
#include "ui/editors/framework/uiEditFrameworkUnit.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    ui::InitializeUICore();
    ui::InitializeEditFrameworkUnit();
    const int result = RUN_ALL_TESTS();
    ui::FinalizeEditFrameworkUnit();
    ui::FinalizeUICore();
    return result;
}
