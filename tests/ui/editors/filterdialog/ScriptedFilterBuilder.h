#pragma once
// A presenter of filter builders for tests: it shows each builder modally and drives it as a user would, so that no
// test waits for a person.

#include "tests/support/ui/ScriptedDialogs.h"
#include "ui/editors/filterdialog/uiFilterControlDialog.h"

#include <functional>
#include <vector>

namespace ui_test {

using TFilterBuilderStep = std::function<void(ui::TfmFilterControlDialog&)>;

// Shows each builder modally and drives it through the steps while it exists.
class TScriptedFilterBuilder final : public ui::IuiFilterBuilderPresenter,
                                     public TDialogScript<ui::TfmFilterControlDialog> {
public:
    explicit TScriptedFilterBuilder(std::vector<TFilterBuilderStep> steps)
        : TDialogScript(std::move(steps)), FPrevious(ui::FilterBuilderPresenterSeam().Inject(this)) {}
    ~TScriptedFilterBuilder() { ui::FilterBuilderPresenterSeam().Inject(FPrevious); }
    TScriptedFilterBuilder(const TScriptedFilterBuilder&) = delete;
    TScriptedFilterBuilder& operator=(const TScriptedFilterBuilder&) = delete;

    vcl::TModalResult ShowFilterBuilder(ui::TfmFilterControlDialog& dialog) override { return Present(dialog); }

private:
    ui::IuiFilterBuilderPresenter* FPrevious;
};

} // namespace ui_test
