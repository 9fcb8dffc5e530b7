// The test program's main: the UI core, the editor framework with the text, currency and label editors, and the
// grid start before the first test and shut down after the last, as in the application.

#include "ui/core/uiCoreUnits.h"
#include "ui/editors/framework/uiEditFrameworkUnit.h"
#include "ui/editors/text/uiCurrencyEdit.h"
#include "ui/editors/text/uiLabel.h"
#include "ui/editors/text/uiTextEdit.h"
#include "ui/grid/uiGridUnit.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    ui::InitializeUICore();
    ui::InitializeEditFrameworkUnit();
    ui::InitializeTextEditUnit();
    ui::InitializeCurrencyEditUnit();
    ui::InitializeLabelUnit();
    ui::InitializeGridUnit();
    const int result = RUN_ALL_TESTS();
    ui::FinalizeGridUnit();
    ui::FinalizeLabelUnit();
    ui::FinalizeCurrencyEditUnit();
    ui::FinalizeTextEditUnit();
    ui::FinalizeEditFrameworkUnit();
    ui::FinalizeUICore();
    return result;
}
