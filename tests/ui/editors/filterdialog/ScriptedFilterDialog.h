#pragma once
// A presenter of custom filter dialogs for tests: it shows each dialog modally and drives it as a user would, so that
// no test waits for a person.

#include "rtl/WindowsApi.h"
#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/ScriptedDialogs.h"
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

// Shows each dialog modally and drives it through the steps while it exists.
class TScriptedFilterDialog final : public ui::IuiFilterDialogPresenter, public TDialogScript<ui::TuiFilterDialog> {
public:
    explicit TScriptedFilterDialog(std::vector<TFilterDialogStep> steps)
        : TDialogScript(std::move(steps)), FPrevious(ui::FilterDialogPresenterSeam().Inject(this)) {}
    ~TScriptedFilterDialog() { ui::FilterDialogPresenterSeam().Inject(FPrevious); }
    TScriptedFilterDialog(const TScriptedFilterDialog&) = delete;
    TScriptedFilterDialog& operator=(const TScriptedFilterDialog&) = delete;

    vcl::TModalResult ShowFilterDialog(ui::TuiFilterDialog& dialog) override { return Present(dialog); }

private:
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
