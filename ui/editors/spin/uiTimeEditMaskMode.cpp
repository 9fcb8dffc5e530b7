#include "ui/editors/spin/uiTimeEditMaskMode.h"

namespace ui {

// The designator's places are the mask's optional ones.
char16_t TuiTimeEditMaskMode::GetBlank(int32_t position) const {
    const int32_t index = position - 1;
    if (index >= 0 && index < Mask().ItemCount()) {
        const auto* place = dynamic_cast<const TuiStandardMaskManyItem*>(&Mask().ItemAt(index));
        if (place != nullptr && place->Optional()) {
            return 0;
        }
    }
    return u'0';
}

} // namespace ui
