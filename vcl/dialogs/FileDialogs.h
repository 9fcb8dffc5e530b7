#pragma once
// TOpenDialog and TSaveDialog: the components that ask the user for a file to open or to save. Execute shows the
// dialog (through the file-dialog presenter in use) modal to the whole program; when the user accepts, FileName holds
// the full path chosen and FilterIndex the filter chosen; when the user cancels, nothing changes.

#include "rtl/core/Component.h"
#include "vcl/dialogs/FileDialogSeam.h"

namespace vcl {

// The dialog that asks for an existing file to open.
class TOpenDialog : public rtl::TComponent {
    RTL_DECLARE_CLASS(TOpenDialog, rtl::TComponent)
public:
    explicit TOpenDialog(rtl::TComponent* owner);

    // True when the user chose a file.
    virtual bool Execute();

    // The caption of the dialog; the system's own when empty.
    const rtl::UnicodeString& Title() const { return FTitle; }
    void SetTitle(rtl::UnicodeStringView value) { FTitle = value; }
    // Descriptions and patterns separated by "|": "Excel (*.xls;*.xlsx)|*.xls;*.xlsx|All files (*.*)|*.*".
    const rtl::UnicodeString& Filter() const { return FFilter; }
    void SetFilter(rtl::UnicodeStringView value) { FFilter = value; }
    // The filter shown, from 1.
    int32_t FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int32_t value) { FFilterIndex = value; }
    // The extension added to a name typed without one.
    const rtl::UnicodeString& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(rtl::UnicodeStringView value) { FDefaultExt = value; }
    // The name proposed, and after an accepted Execute the full path chosen.
    const rtl::UnicodeString& FileName() const { return FFileName; }
    void SetFileName(rtl::UnicodeStringView value) { FFileName = value; }
    // The folder the dialog starts in; the system chooses when empty.
    const rtl::UnicodeString& InitialDir() const { return FInitialDir; }
    void SetInitialDir(rtl::UnicodeStringView value) { FInitialDir = value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions value) { FOptions = value; }

protected:
    // Runs the dialog of kind with the component's settings.
    bool ExecuteAs(TFileDialogKind kind);

private:
    rtl::UnicodeString FTitle;
    rtl::UnicodeString FFilter;
    int32_t FFilterIndex = 1;
    rtl::UnicodeString FDefaultExt;
    rtl::UnicodeString FFileName;
    rtl::UnicodeString FInitialDir;
    TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
};

// The dialog that asks for a file to save to.
class TSaveDialog : public TOpenDialog {
    RTL_DECLARE_CLASS(TSaveDialog, TOpenDialog)
public:
    using TOpenDialog::TOpenDialog;
    bool Execute() override;
};

} // namespace vcl
