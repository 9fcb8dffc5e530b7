#pragma once
// TuiTimeEditMaskMode: the standard mask mode of the time editor. A deleted digit becomes '0', so the numbers always
// stay whole; the designator's optional places have no blank, so deleting leaves the designator as it is.

#include "ui/editors/mask/modes/uiMaskEditStandardMode.h"

namespace ui {

class TuiTimeEditMaskMode : public TuiMaskEditStandardMode {
public:
    using TuiMaskEditStandardMode::TuiMaskEditStandardMode;

    char16_t GetBlank(int32_t position) const override;
};

} // namespace ui
