// The test program's main: the UI core starts before the first test and shuts down after the last, as in the
// application.

#include "ui/core/uiCoreUnits.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    ui::InitializeUICore();
    const int result = RUN_ALL_TESTS();
    ui::FinalizeUICore();
    return result;
}
