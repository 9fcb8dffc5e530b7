#pragma once
// Driving a modal dialog as a user would, for the presenters that tests put in front of the library's dialogs: each
// step runs inside the dialog's own message loop, once the messages of the step before are handled. A dialog still
// open after the last step is cancelled and fails the test, so that no test waits for a person.

#include "tests/support/ui/MessagePump.h"
#include "tests/support/ui/SyntheticInput.h"
#include "vcl/forms/Form.h"

#include <cstddef>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace ui_test {

template <class TDialog>
using TDialogSteps = std::vector<std::function<void(TDialog&)>>;

// Runs steps from index on, one every round of the dialog's modal loop, while the dialog is shown modally.
template <class TDialog>
void RunDialogSteps(std::shared_ptr<const TDialogSteps<TDialog>> steps, TDialog& dialog, size_t index = 0) {
    RunLater(10, [steps, link = vcl::TControlLink(&dialog), dialog = &dialog, index] {
        if (!link.Alive() || !dialog->FormState().Contains(vcl::fsModal)) {
            return;
        }
        if (index == steps->size()) {
            ADD_FAILURE() << "the dialog is still open after the last step";
            dialog->SetModalResult(vcl::mrCancel);
            return;
        }
        (*steps)[index](*dialog);
        RunDialogSteps(steps, *dialog, index + 1);
    });
}

// A click near a dialog button's corner, as a user presses it.
inline void ClickDialogButton(vcl::TControl& button) {
    Click(button, {5, 5});
}

// What a test's presenter of one kind of dialog shares: the steps, and the count of dialogs shown.
template <class TDialog>
class TDialogScript {
public:
    explicit TDialogScript(TDialogSteps<TDialog> steps)
        : FSteps(std::make_shared<const TDialogSteps<TDialog>>(std::move(steps))) {}

    // Shows dialog modally, driven by the steps.
    vcl::TModalResult Present(TDialog& dialog) {
        ++Shown;
        RunDialogSteps(FSteps, dialog);
        return dialog.ShowModal();
    }

    int Shown = 0;

private:
    std::shared_ptr<const TDialogSteps<TDialog>> FSteps;
};

} // namespace ui_test
