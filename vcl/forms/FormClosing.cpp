// TCustomForm: closing, releasing and modal showing.

#include "rtl/core/Exceptions.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/Form.h"
#include "vcl/system/Win32.h"

namespace vcl {

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (FOnCloseQuery) {
        FOnCloseQuery(this, canClose);
    }
    return canClose;
}

// A modal form closes by getting a modal result; closing the main form ends the application.
void TCustomForm::Close() {
    if (FFormState.Contains(fsModal)) {
        FModalResult = mrCancel;
        return;
    }
    const TControlLink link(this);
    if (!CloseQuery() || !link.Alive()) {
        return;
    }
    TCloseAction action = caHide;
    DoClose(action);
    if (!link.Alive() || action == caNone) {
        return;
    }
    if (Application().MainForm() == this) {
        Application().Terminate();
        return;
    }
    switch (action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    default:
        PostRelease();
        break;
    }
}

void TCustomForm::PostRelease() {
    PostMessageW(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::CloseModal() {
    TCloseAction action = caNone;
    const TControlLink link(this);
    if (FModalResult != mrCancel && ActiveControl() != nullptr && ActiveControl()->Perform(CM_MODALACCEPT) != 0) {
        if (link.Alive()) {
            FModalResult = mrNone;
        }
        return;
    }
    if (CloseQuery() && link.Alive()) {
        action = caHide;
        DoClose(action);
    }
    if (!link.Alive()) {
        return;
    }
    if (action == caNone) {
        FModalResult = mrNone;
    } else if (action == caFree) {
        PostRelease();
    }
}

// The other windows of the program are enabled again before the form hides, so that Windows can give the
// activation back to the window that had it.
TModalResult TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || FFormState.Contains(fsModal) || FFormStyle == fsMDIChild) {
        throw rtl::EInvalidOperation(VclMessages::CannotShowModal);
    }
    if (HWND capture = GetCapture()) {
        SendMessageW(capture, WM_CANCELMODE, 0, 0);
    }
    ReleaseCapture();
    HWND previousActive = GetActiveWindow();
    FFormState.Include(fsModal);
    const std::vector<HWND> disabled = DisableTaskWindows(Handle());
    const TControlLink link(this);
    const auto restore = [&] {
        EnableTaskWindows(disabled);
        if (link.Alive()) {
            Hide();
            FFormState.Exclude(fsModal);
        }
        if (previousActive && IsWindow(previousActive)) {
            SetActiveWindow(previousActive);
        }
    };
    TModalResult result = mrCancel;
    try {
        Show();
        FModalResult = mrNone;
        while (link.Alive() && FModalResult == mrNone) {
            Application().HandleMessage();
            if (!link.Alive()) {
                break;
            }
            if (Application().Terminated()) {
                FModalResult = mrCancel;
            } else if (FModalResult != mrNone) {
                CloseModal();
            }
        }
        if (link.Alive()) {
            result = FModalResult;
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
    return result;
}

} // namespace vcl
