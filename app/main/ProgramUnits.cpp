#include "app/main/ProgramUnits.h"

#include "ui/core/uiCoreUnits.h"
#include "ui/editors/choice/checkbox/uiCheckBox.h"
#include "ui/editors/dropdown/mru/uiMRUEdit.h"
#include "ui/editors/dropdown/uiDropDownEditUnit.h"
#include "ui/editors/filter/uiFilterControlStrs.h"
#include "ui/editors/framework/uiEditFrameworkUnit.h"
#include "ui/editors/image/uiImage.h"
#include "ui/editors/mask/editor/uiMaskEdit.h"
#include "ui/editors/text/currency/uiCurrencyEdit.h"
#include "ui/editors/text/hyperlink/uiHyperLinkEdit.h"
#include "ui/editors/text/label/uiLabel.h"
#include "ui/editors/text/memo/uiMemo.h"
#include "ui/editors/text/textedit/uiTextEdit.h"
#include "ui/editors/uiDefaultEditors.h"
#include "ui/grid/uiGridUnit.h"
#include "ui/pagecontrol/skins/uxPCSkinsUnit.h"
#include "ui/pagecontrol/statusbar/uxStatusBarPanels.h"
#include "ui/pagecontrol/uiPageControlUnit.h"

namespace app {

// The editor framework's registries must exist before the editors register in them, and outlive them.
void InitializeProgramUnits() {
    ui::InitializeUICore();
    ui::InitializeEditFrameworkUnit();
    ui::InitializeFilterControlStrsUnit();
    ui::InitializeTextEditUnit();
    ui::InitializeCurrencyEditUnit();
    ui::InitializeHyperLinkEditUnit();
    ui::InitializeMaskEditUnit();
    ui::InitializeDropDownEditUnit();
    ui::InitializeMRUEditUnit();
    ui::InitializeLabelUnit();
    ui::InitializeCheckBoxUnit();
    ui::InitializeMemoUnit();
    ui::InitializeImageUnit();
    ui::InitializeDefaultEditorsUnit();
    ui::InitializeStatusBarUnit();
    ui::InitializePageControlUnit();
    ui::InitializePageControlSkinsUnit();
    ui::InitializeGridUnit();
}

void FinalizeProgramUnits() {
    ui::FinalizeGridUnit();
    ui::FinalizePageControlSkinsUnit();
    ui::FinalizePageControlUnit();
    ui::FinalizeStatusBarUnit();
    ui::FinalizeDefaultEditorsUnit();
    ui::FinalizeImageUnit();
    ui::FinalizeMemoUnit();
    ui::FinalizeCheckBoxUnit();
    ui::FinalizeLabelUnit();
    ui::FinalizeMRUEditUnit();
    ui::FinalizeDropDownEditUnit();
    ui::FinalizeMaskEditUnit();
    ui::FinalizeHyperLinkEditUnit();
    ui::FinalizeCurrencyEditUnit();
    ui::FinalizeTextEditUnit();
    ui::FinalizeFilterControlStrsUnit();
    ui::FinalizeEditFrameworkUnit();
    ui::FinalizeUICore();
}

} // namespace app
