#include "ui/editors/filterdialog/uiFilterControlDialog.h"

#include "rtl/text/Format.h"
#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/editors/choice/uiButton.h"
#include "ui/editors/filter/uiFilterControlStrs.h"
#include "ui/editors/filtercontrol/uiFilterControl.h"
#include "vcl/controls/SizeConstraints.h"
#include "vcl/dialogs/FileDialogs.h"
#include "vcl/extctrls/Panel.h"
#include "vcl/forms/Application.h"
#include "vcl/forms/FormLoader.h"
#include "vcl/graphics/Font.h"

namespace ui {

namespace {

constexpr int32_t DialogClientWidth = 552;
constexpr int32_t DialogClientHeight = 316;
constexpr int32_t DialogMinWidth = 560;
constexpr int32_t DialogMinHeight = 165;
constexpr int32_t BottomPanelHeight = 38;
constexpr int32_t RightPanelWidth = 318;
constexpr int32_t ButtonTop = 8;
constexpr int32_t ButtonWidth = 100;
constexpr int32_t ButtonHeight = 23;

TuiFilterBuilderBounds LastBounds;

vcl::TComponentEntry<TfmFilterControlDialog> DialogPanel(rtl::UnicodeStringView name, rtl::UnicodeStringView parent,
                                                         vcl::TPanel* TfmFilterControlDialog::*field,
                                                         std::function<void(vcl::TPanel&)> place) {
    return vcl::Component<vcl::TPanel>(name, parent, field,
                                       [place = std::move(place)](TfmFilterControlDialog&, vcl::TPanel& panel) {
                                           panel.SetBevelOuter(vcl::bvNone);
                                           place(panel);
                                       });
}

vcl::TComponentEntry<TfmFilterControlDialog> DialogButton(rtl::UnicodeStringView name, rtl::UnicodeStringView parent,
                                                          TuiButton* TfmFilterControlDialog::*field, int32_t left,
                                                          vcl::TModalResult result) {
    return vcl::Component<TuiButton>(name, parent, field, [left, result](TfmFilterControlDialog&, TuiButton& button) {
        button.SetBounds(left, ButtonTop, ButtonWidth, ButtonHeight);
        button.SetModalResult(result);
        // Escape presses Cancel; an open drop-down list or an in-place editor takes the key first.
        button.SetCancel(result == vcl::mrCancel);
    });
}

void SetUpFileDialog(vcl::TOpenDialog& dialog, const TuxResourceString& title, rtl::UnicodeStringView initialFolder) {
    dialog.SetInitialDir(initialFolder);
    dialog.SetTitle(LoadResStringText(title));
    dialog.SetDefaultExt(LoadResStringText(uiSFilterControlDialogFileExt));
    dialog.SetFilter(LoadResStringText(uiSFilterControlDialogFileFilter));
}

void SetUpButton(TuiButton& button, const TuxResourceString& caption, const TuxResourceString* hint) {
    button.SetCaption(LoadResStringText(caption));
    if (hint != nullptr) {
        button.SetHint(LoadResStringText(*hint));
    }
}

class TModalFilterBuilderPresenter : public IuiFilterBuilderPresenter {
public:
    vcl::TModalResult ShowFilterBuilder(TfmFilterControlDialog& dialog) override { return dialog.ShowModal(); }
};

TModalFilterBuilderPresenter ModalFilterBuilderPresenter;
vcl::TSeam<IuiFilterBuilderPresenter> FilterBuilderPresenter(ModalFilterBuilderPresenter);

} // namespace

TuiFilterBuilderBounds& FilterBuilderBounds() {
    return LastBounds;
}

TfmFilterControlDialog::TfmFilterControlDialog(rtl::TComponent* owner) : TForm(owner) {
    LoadForm();
    FFilterControl = new TuiFilterControl(nullptr);
    FFilterControl->SetAlign(vcl::alClient);
    FFilterControl->SetParent(this);
}

TfmFilterControlDialog::~TfmFilterControlDialog() = default;

void TfmFilterControlDialog::LoadForm() {
    vcl::TFormDescription<TfmFilterControlDialog> description;
    description.Root = [](TfmFilterControlDialog& form) {
        form.SetBorderStyle(vcl::bsSizeable);
        form.SetBorderIcons({vcl::biSystemMenu});
        form.SetPosition(vcl::poDefault);
        form.SetClientWidth(DialogClientWidth);
        form.SetClientHeight(DialogClientHeight);
        form.Constraints().SetMinWidth(DialogMinWidth);
        form.Constraints().SetMinHeight(DialogMinHeight);
        form.SetColor(vcl::clBtnFace);
    };
    description.Components = {
        DialogPanel(u"pnlBottom", u"", &TfmFilterControlDialog::pnlBottom,
                    [](vcl::TPanel& panel) {
                        panel.SetAlign(vcl::alBottom);
                        panel.SetHeight(BottomPanelHeight);
                    }),
        DialogButton(u"btOpen", u"pnlBottom", &TfmFilterControlDialog::btOpen, 6, vcl::mrNone),
        DialogButton(u"btSave", u"pnlBottom", &TfmFilterControlDialog::btSave, 112, vcl::mrNone),
        DialogPanel(u"pnlBottomRight", u"pnlBottom", &TfmFilterControlDialog::pnlBottomRight,
                    [](vcl::TPanel& panel) {
                        panel.SetAlign(vcl::alRight);
                        panel.SetWidth(RightPanelWidth);
                    }),
        DialogButton(u"btOk", u"pnlBottomRight", &TfmFilterControlDialog::btOk, 0, vcl::mrOk),
        DialogButton(u"btCancel", u"pnlBottomRight", &TfmFilterControlDialog::btCancel, 106, vcl::mrCancel),
        DialogButton(u"btApply", u"pnlBottomRight", &TfmFilterControlDialog::btApply, 212, vcl::mrNone),
        vcl::Component<vcl::TOpenDialog>(u"OpenDialog", u"", &TfmFilterControlDialog::OpenDialog, nullptr),
        vcl::Component<vcl::TSaveDialog>(
            u"SaveDialog", u"", &TfmFilterControlDialog::SaveDialog,
            [](TfmFilterControlDialog&, vcl::TSaveDialog& dialog) {
                dialog.SetOptions({vcl::ofOverwritePrompt, vcl::ofHideReadOnly, vcl::ofEnableSizing});
            }),
    };
    vcl::LoadForm(*this, description);
    btOpen->SetOnClick([this](rtl::TObject*) { OpenFilter(); });
    btSave->SetOnClick([this](rtl::TObject*) { SaveFilter(); });
    btOk->SetOnClick([this](rtl::TObject*) { ApplyAndClose(); });
    btApply->SetOnClick([this](rtl::TObject*) { FFilterControl->ApplyFilter(); });
}

void TfmFilterControlDialog::SetFileName(rtl::UnicodeStringView fileName) {
    FFileName = fileName;
    SetCaption(rtl::Format(u"%s - [%s]", {LoadResStringText(uiSFilterControlDialogCaption), FFileName}));
}

void TfmFilterControlDialog::SetDialogLookAndFeel(TuiLookAndFeel& lookAndFeel) {
    for (TuiButton* button : {btOpen, btSave, btOk, btCancel, btApply}) {
        button->LookAndFeel().SetMaster(&lookAndFeel);
    }
    FFilterControl->LookAndFeel().SetMaster(&lookAndFeel);
}

void TfmFilterControlDialog::InitializeDialog(rtl::UnicodeStringView initialFolder) {
    SetFileName(LoadResStringText(uiSFilterControlDialogNewFile));
    SetUpFileDialog(*OpenDialog, uiSFilterControlDialogOpenDialogCaption, initialFolder);
    SetUpFileDialog(*SaveDialog, uiSFilterControlDialogSaveDialogCaption, initialFolder);
    SetUpButton(*btOpen, uiSFilterControlDialogActionOpenCaption, &uiSFilterControlDialogActionOpenHint);
    SetUpButton(*btSave, uiSFilterControlDialogActionSaveCaption, &uiSFilterControlDialogActionSaveHint);
    SetUpButton(*btOk, uiSFilterControlDialogActionOkCaption, nullptr);
    SetUpButton(*btCancel, uiSFilterControlDialogActionCancelCaption, nullptr);
    SetUpButton(*btApply, uiSFilterControlDialogActionApplyCaption, nullptr);
    const TuiFilterBuilderBounds& last = FilterBuilderBounds();
    if (last.Left == -1 || last.Top == -1) {
        SetPosition(vcl::poScreenCenter);
    } else {
        SetPosition(vcl::poDesigned);
        SetLeft(last.Left);
        SetTop(last.Top);
    }
    if (last.Width > 0) {
        SetWidth(last.Width);
    }
    if (last.Height > 0) {
        SetHeight(last.Height);
    }
}

void TfmFilterControlDialog::OpenFilter() {
    OpenDialog->SetFileName(u"");
    if (OpenDialog->Execute()) {
        FFilterControl->LoadFromFile(OpenDialog->FileName());
        SetFileName(OpenDialog->FileName());
    }
}

void TfmFilterControlDialog::SaveFilter() {
    SaveDialog->SetFileName(FFileName);
    if (SaveDialog->Execute()) {
        FFilterControl->SaveToFile(SaveDialog->FileName());
        SetFileName(SaveDialog->FileName());
    }
}

// The button has set the modal result before this runs: a filter that cannot be applied keeps the dialog open.
void TfmFilterControlDialog::ApplyAndClose() {
    try {
        FFilterControl->ApplyFilter();
    } catch (...) {
        SetModalResult(vcl::mrNone);
        throw;
    }
}

void TfmFilterControlDialog::DoClose(vcl::TCloseAction& action) {
    TForm::DoClose(action);
    FilterBuilderBounds() = {Left(), Top(), Width(), Height()};
}

vcl::TSeam<IuiFilterBuilderPresenter>& FilterBuilderPresenterSeam() {
    return FilterBuilderPresenter;
}

bool ShowFilterBuilderDialog(rtl::TComponent* view, TuiLookAndFeel* lookAndFeel, vcl::TColor color,
                             rtl::TNotifyEvent applyHandler, rtl::TNotifyEvent showHandler,
                             rtl::UnicodeStringView initialFolder, const vcl::TFont* font) {
    const std::unique_ptr<TfmFilterControlDialog, rtl::TComponentDeleter> dialog(
        new TfmFilterControlDialog(&vcl::Application()));
    TuiFilterControl& control = dialog->FilterControl();
    if (lookAndFeel != nullptr) {
        dialog->SetDialogLookAndFeel(*lookAndFeel);
    }
    if (font != nullptr) {
        dialog->Font().Assign(font);
    }
    if (const auto linkable = rtl::Supports<ILinkableFilterControl>(&control)) {
        linkable->AttachLinkComponent(view);
    }
    if (color != vcl::clDefault) {
        control.SetColor(color);
    }
    const TuiLookAndFeelPainterClass skin = lookAndFeel != nullptr ? lookAndFeel->SkinPainter() : nullptr;
    const vcl::TColor panelColor = skin != nullptr ? skin->ContentColor() : control.Color();
    dialog->pnlBottom->SetColor(panelColor);
    dialog->pnlBottomRight->SetColor(panelColor);
    control.SetOnApplyFilter(std::move(applyHandler));
    dialog->InitializeDialog(initialFolder);
    dialog->SetOnShow(std::move(showHandler));
    return FilterBuilderPresenter.Current().ShowFilterBuilder(*dialog) == vcl::mrOk;
}

} // namespace ui
