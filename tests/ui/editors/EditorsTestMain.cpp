// The test program's main: the UI core and the editors' string units start before the first test and shut down after
// the last, as in the application.

#include "ui/core/uiCoreUnits.h"
#include "ui/editors/framework/uiEditConsts.h"
#include "ui/editors/framework/uiExtEditConsts.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    ui::InitializeUICore();
    ui::InitializeEditConstsUnit();
    ui::InitializeExtEditConstsUnit();
    const int result = RUN_ALL_TESTS();
    ui::FinalizeExtEditConstsUnit();
    ui::FinalizeEditConstsUnit();
    ui::FinalizeUICore();
    return result;
}
