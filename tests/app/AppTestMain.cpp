// The Windows test program's main: the libraries start before the first test and stop after the last, in the order
// the program starts them, so that the main window finds what it looks up.

#include "app/main/ProgramUnits.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    app::InitializeProgramUnits();
    const int result = RUN_ALL_TESTS();
    app::FinalizeProgramUnits();
    return result;
}
