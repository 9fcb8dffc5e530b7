#include "ui/core/controls/uiDialogRoutines.h"

#include "ui/core/uiArithmetic.h"
#include "vcl/forms/Form.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/Font.h"

#include <vector>

namespace ui {

int32_t FormTextHeight(vcl::TCustomForm& form) {
    vcl::TCanvas& canvas = form.Canvas();
    canvas.Font().Assign(&form.Font());
    return canvas.TextHeight(u"Qq");
}

void SetFormFontScaled(vcl::TCustomForm& form, const vcl::TFont& font) {
    const int32_t before = FormTextHeight(form);
    form.Font().Assign(&font);
    const int32_t after = FormTextHeight(form);
    if (before <= 0 || after == before) {
        return;
    }
    std::vector<vcl::TControl*> children;
    for (int32_t index = 0; index < form.ControlCount(); ++index) {
        children.push_back(form.Controls(index));
    }
    for (vcl::TControl* child : children) {
        child->ChangeScale(after, before);
    }
    form.SetClientWidth(MulDiv(form.ClientWidth(), after, before));
    form.SetClientHeight(MulDiv(form.ClientHeight(), after, before));
}

} // namespace ui
