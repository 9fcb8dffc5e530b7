#include "vcl/dialogs/FileDialogs.h"

#include "vcl/forms/Application.h"

namespace vcl {

TOpenDialog::TOpenDialog(rtl::TComponent* owner) : TComponent(owner) {}

bool TOpenDialog::Execute() {
    return ExecuteAs(TFileDialogKind::Open);
}

bool TOpenDialog::ExecuteAs(TFileDialogKind kind) {
    TFileDialogRequest request{kind,        nullptr,   FTitle,      FFilter, FFilterIndex,
                               FDefaultExt, FFileName, FInitialDir, FOptions};
    bool accepted = false;
    Application().RunTaskModal([&](HWND owner) {
        request.Owner = owner;
        accepted = FileDialogPresenter().Execute(request);
    });
    if (accepted) {
        FFileName = request.FileName;
        FFilterIndex = request.FilterIndex;
    }
    return accepted;
}

bool TSaveDialog::Execute() {
    return ExecuteAs(TFileDialogKind::Save);
}

} // namespace vcl
