#pragma once
// The units a filter control needs beyond the editor framework, started in the application's order while the object
// lives: for the filter control's and the filter builder's tests and the painter gallery.

#include "ui/editors/filter/uiFilterControlStrs.h"
#include "ui/editors/filtercontrol/uiFilterControl.h"
#include "ui/editors/text/currency/uiCurrencyEdit.h"
#include "ui/editors/text/textedit/uiTextEdit.h"

namespace ui_test {

class TFilterControlUnits {
public:
    TFilterControlUnits() {
        ui::InitializeFilterControlStrsUnit();
        ui::InitializeTextEditUnit();
        ui::InitializeCurrencyEditUnit();
        ui::InitializeFilterControlUnit();
    }
    ~TFilterControlUnits() {
        ui::FinalizeFilterControlUnit();
        ui::FinalizeCurrencyEditUnit();
        ui::FinalizeTextEditUnit();
        ui::FinalizeFilterControlStrsUnit();
    }
    TFilterControlUnits(const TFilterControlUnits&) = delete;
    TFilterControlUnits& operator=(const TFilterControlUnits&) = delete;
};

} // namespace ui_test
