// The presenter of the upgrader's modal forms.

#include "upgrade/auFormPresenter.h"

#include "vcl/forms/Form.h"
#include "vcl/graphics/Font.h"
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

} // namespace au
