// The presenter of the upgrader's modal forms.

#include "upgrade/auFormPresenter.h"

#include "vcl/forms/Form.h"
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

} // namespace au
