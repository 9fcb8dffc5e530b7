#pragma once
// A presenter of custom filter dialogs for tests: it shows each dialog modally and drives it as a user would, so that
// no test waits for a person.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "ui/editors/dropdown/combobox/uiComboBox.h"
#include "ui/editors/filterdialog/uiFilterDialog.h"
#include "ui/editors/text/textedit/uiTextEdit.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace ui_test {

using TFilterDialogStep = std::function<void(ui::TuiFilterDialog&)>;

// Shows each dialog modally and drives it as a user would: each step runs inside the dialog's own message loop,
// once the messages of the step before are handled. A dialog still open after the last step is cancelled and fails
// the test, so that no test waits for a person.
class TScriptedFilterDialog final : public ui::IuiFilterDialogPresenter {
public:
    explicit TScriptedFilterDialog(std::vector<TFilterDialogStep> steps)
        : FSteps(std::make_shared<std::vector<TFilterDialogStep>>(std::move(steps))),
          FPrevious(ui::FilterDialogPresenterSeam().Inject(this)) {}
    ~TScriptedFilterDialog() { ui::FilterDialogPresenterSeam().Inject(FPrevious); }
    TScriptedFilterDialog(const TScriptedFilterDialog&) = delete;
    TScriptedFilterDialog& operator=(const TScriptedFilterDialog&) = delete;

    vcl::TModalResult ShowFilterDialog(ui::TuiFilterDialog& dialog) override {
        ++Shown;
        RunStep(FSteps, vcl::TControlLink(&dialog), &dialog, 0);
        return dialog.ShowModal();
    }

    int Shown = 0;

private:
    static void RunStep(std::shared_ptr<std::vector<TFilterDialogStep>> steps, vcl::TControlLink link,
                        ui::TuiFilterDialog* dialog, size_t index) {
        RunLater(10, [steps, link, dialog, index] {
            if (!link.Alive() || !dialog->FormState().Contains(vcl::fsModal)) {
                return;
            }
            if (index == steps->size()) {
                ADD_FAILURE() << "the dialog is still open after the last step";
                dialog->SetModalResult(vcl::mrCancel);
                return;
            }
            (*steps)[index](*dialog);
            RunStep(steps, link, dialog, index + 1);
        });
    }

    std::shared_ptr<std::vector<TFilterDialogStep>> FSteps;
    ui::IuiFilterDialogPresenter* FPrevious;
};

// Picks an operator with the keyboard: the first entry, then down the list.
inline void PickOperator(ui::TuiFilterDialog& dialog, int32_t row, int32_t number) {
    ui::TuiComboBox& combo = dialog.OperatorCombo(row);
    combo.InnerEdit().SetFocus();
    PressKey(VK_HOME);
    while (dialog.RowOperator(row) != number && combo.GetItemIndex() + 1 < combo.ComboBoxProperties().Items().Count()) {
        PressKey(VK_DOWN);
    }
    ProcessPendingMessages();
    ASSERT_EQ(dialog.RowOperator(row), number);
}

inline void TypeValue(ui::TuiFilterDialog& dialog, int32_t row, const char16_t* text) {
    auto& editor = static_cast<ui::TuiCustomTextEdit&>(dialog.ValueEdit(row));
    editor.InnerEdit().SetFocus();
    editor.SelectAll();
    TypeText(text);
    ProcessPendingMessages();
}

} // namespace ui_test
