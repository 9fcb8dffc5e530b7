// The test program's main: the UI core, the editor framework (on Windows with the text, currency, label and check box
// editors, the default editors of the value types and the tab control's painters, which the level tabs use) and the
// grid start before the first test and shut down after the last, as in the application.

#include "ui/core/uiCoreUnits.h"
#include "ui/editors/framework/uiEditFrameworkUnit.h"
#include "ui/grid/uiGridUnit.h"

#ifdef _WIN32
#include "ui/editors/choice/checkbox/uiCheckBox.h"
#include "ui/editors/text/currency/uiCurrencyEdit.h"
#include "ui/editors/text/label/uiLabel.h"
#include "ui/editors/text/textedit/uiTextEdit.h"
#include "ui/editors/uiDefaultEditors.h"
#include "ui/pagecontrol/uiPageControlUnit.h"
#endif

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    ui::InitializeUICore();
    ui::InitializeEditFrameworkUnit();
#ifdef _WIN32
    ui::InitializeTextEditUnit();
    ui::InitializeCurrencyEditUnit();
    ui::InitializeLabelUnit();
    ui::InitializeCheckBoxUnit();
    ui::InitializeDefaultEditorsUnit();
    ui::InitializePageControlUnit();
#endif
    ui::InitializeGridUnit();
    const int result = RUN_ALL_TESTS();
    ui::FinalizeGridUnit();
#ifdef _WIN32
    ui::FinalizePageControlUnit();
    ui::FinalizeDefaultEditorsUnit();
    ui::FinalizeCheckBoxUnit();
    ui::FinalizeLabelUnit();
    ui::FinalizeCurrencyEditUnit();
    ui::FinalizeTextEditUnit();
#endif
    ui::FinalizeEditFrameworkUnit();
    ui::FinalizeUICore();
    return result;
}
