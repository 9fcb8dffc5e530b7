#pragma once
// TfmFilterControlDialog: the "Filter builder" window, a sizeable dialog that holds a filter control linked to a
// component's filter (a grid's view), with buttons that open and save the filter as a ".flt" file, apply it, and
// close with OK or Cancel. ShowFilterBuilderDialog is its one entry point. The dialog remembers where it was and how
// large for the rest of the program run, and is shown through a presenter, which a test replaces so that it drives
// the dialog itself instead of waiting for a person.

#include "rtl/core/Events.h"
#include "rtl/text/StringTypes.h"
#include "vcl/forms/Form.h"
#include "vcl/graphics/Colors.h"
#include "vcl/system/Seam.h"

#include <cstdint>

namespace vcl {
class TFont;
class TOpenDialog;
class TPanel;
class TSaveDialog;
} // namespace vcl

namespace ui {

class TuiButton;
class TuiFilterControl;
class TuiLookAndFeel;

// The last filter builder's place and size on the screen; all -1 until one has closed.
struct TuiFilterBuilderBounds {
    int32_t Left = -1;
    int32_t Top = -1;
    int32_t Width = -1;
    int32_t Height = -1;
};
TuiFilterBuilderBounds& FilterBuilderBounds();

class TfmFilterControlDialog : public vcl::TForm {
    RTL_DECLARE_CLASS(TfmFilterControlDialog, vcl::TForm)
public:
    // The form and its filter control, not linked, not set up.
    explicit TfmFilterControlDialog(rtl::TComponent* owner);
    ~TfmFilterControlDialog() override;

    TuiFilterControl& FilterControl() const { return *FFilterControl; }
    // The file the filter was last opened from or saved to; "untitled.flt" at first. The caption shows it.
    const rtl::UnicodeString& FileName() const { return FFileName; }
    void SetFileName(rtl::UnicodeStringView fileName);
    // The five buttons and the filter control follow lookAndFeel.
    void SetDialogLookAndFeel(TuiLookAndFeel& lookAndFeel);
    // Texts, file dialogs starting in initialFolder, the filter control over the client area, and the place and size
    // the last dialog closed with (centred on the screen the first time).
    void InitializeDialog(rtl::UnicodeStringView initialFolder);

    // The form's controls, which its description fills.
    vcl::TPanel* pnlBottom = nullptr;
    TuiButton* btOpen = nullptr;
    TuiButton* btSave = nullptr;
    vcl::TPanel* pnlBottomRight = nullptr;
    TuiButton* btOk = nullptr;
    TuiButton* btCancel = nullptr;
    TuiButton* btApply = nullptr;
    vcl::TOpenDialog* OpenDialog = nullptr;
    vcl::TSaveDialog* SaveDialog = nullptr;

protected:
    // Remembers the dialog's place and size.
    void DoClose(vcl::TCloseAction& action) override;

private:
    void LoadForm();
    void OpenFilter();
    void SaveFilter();
    void ApplyAndClose();

    TuiFilterControl* FFilterControl = nullptr; // freed with the dialog, its parent
    rtl::UnicodeString FFileName;
};

// Shows a filter builder modally and answers how it closed.
class IuiFilterBuilderPresenter {
public:
    virtual vcl::TModalResult ShowFilterBuilder(TfmFilterControlDialog& dialog) = 0;

protected:
    ~IuiFilterBuilderPresenter() = default;
};

// The presenter in use: the dialog's own ShowModal, unless a test injects another.
vcl::TSeam<IuiFilterBuilderPresenter>& FilterBuilderPresenterSeam();

// Shows the filter builder over view (a component offering IuiFilterControl): its controls follow lookAndFeel and
// take font when given; a colour other than clDefault colours the filter control; applyHandler runs after each
// filter applied, showHandler when the dialog shows; the file dialogs start in initialFolder. Answers whether it
// closed with OK (what Apply applied stays applied either way).
bool ShowFilterBuilderDialog(rtl::TComponent* view, TuiLookAndFeel* lookAndFeel, vcl::TColor color = vcl::clDefault,
                             rtl::TNotifyEvent applyHandler = {}, rtl::TNotifyEvent showHandler = {},
                             rtl::UnicodeStringView initialFolder = {}, const vcl::TFont* font = nullptr);

} // namespace ui
