// The presenter of the upgrader's modal forms.

#include "upgrade/auFormPresenter.h"

#include "rtl/WindowsApi.h"
#include "vcl/extctrls/Image.h"
#include "vcl/extctrls/Panel.h"
#include "vcl/forms/Form.h"
#include "vcl/graphics/Font.h"
#include "vcl/graphics/images/Bitmap.h"
#include "vcl/graphics/images/Picture.h"
#include "vcl/stdctrls/Button.h"
#include "vcl/stdctrls/Label.h"
#include "vcl/system/Seam.h"

namespace au {

namespace {

class TModalFormPresenter final : public IUpdaterFormPresenter {
public:
    vcl::TModalResult ShowModal(vcl::TCustomForm& form) override { return form.ShowModal(); }
};

TModalFormPresenter ModalFormPresenter;
vcl::TSeam<IUpdaterFormPresenter> FormPresenterSeam(ModalFormPresenter);

} // namespace

IUpdaterFormPresenter& UpdaterFormPresenter() {
    return FormPresenterSeam.Current();
}

IUpdaterFormPresenter* SetUpdaterFormPresenter(IUpdaterFormPresenter* presenter) {
    return FormPresenterSeam.Inject(presenter);
}

void PrepareUpdaterDialog(vcl::TForm& form, int32_t clientWidth, int32_t clientHeight) {
    form.SetBorderStyle(vcl::bsDialog);
    form.SetPosition(vcl::poScreenCenter);
    form.Font().SetName(u"Tahoma");
    form.Font().SetHeight(-12);
    form.SetClientWidth(clientWidth);
    form.SetClientHeight(clientHeight);
}

void FitUpdaterDialogToText(vcl::TForm& form, vcl::TLabel& label, const vcl::TControl& bottom,
                            rtl::UnicodeStringView text) {
    label.SetWidth(form.Width() - label.Left() - 11);
    label.SetCaption(text);
    form.SetClientHeight(label.Top() + label.Height() + bottom.Height());
}

vcl::TLabel* AddUpdaterDialogMessage(vcl::TForm& form, const char16_t* imageName, const char16_t* picture,
                                     vcl::TImage*& image) {
    auto* label = AddFormControl<vcl::TLabel>(form, form, u"Label1", 45, 5);
    label->SetWordWrap(true);
    image = AddFormControl<vcl::TImage>(form, form, imageName, 7, 5, 32, 32);
    image->Picture().Bitmap().LoadFromResourceName(GetModuleHandleW(nullptr), picture);
    image->SetTransparent(true);
    return label;
}

vcl::TPanel* AddUpdaterDialogBottomPanel(vcl::TForm& form, int32_t height) {
    auto* panel = AddFormControl<vcl::TPanel>(form, form, u"BottomPanel", 0, form.ClientHeight() - height,
                                              form.ClientWidth(), height);
    panel->SetAlign(vcl::alBottom);
    panel->SetBevelOuter(vcl::bvNone);
    return panel;
}

vcl::TButton* AddUpdaterDialogButton(vcl::TForm& form, vcl::TPanel& panel, const char16_t* name, int32_t left,
                                     int32_t top, vcl::TModalResult result) {
    auto* button = AddFormControl<vcl::TButton>(form, panel, name, left, top, 75, 23);
    button->SetModalResult(result);
    return button;
}

} // namespace au
