#include "ui/editors/framework/control/uiEditControlRoutines.h"

#include "rtl/WindowsApi.h"
#include "ui/core/controls/routines/uiInputRoutines.h"
#include "ui/editors/framework/control/uiCustomEdit.h"

namespace ui {

intptr_t SendMouseMessage(vcl::TWinControl& control, uint32_t message, vcl::TShiftState shift, vcl::TPoint point) {
    const LPARAM at = MAKELPARAM(static_cast<uint16_t>(point.X), static_cast<uint16_t>(point.Y));
    return SendMessageW(control.Handle(), message, ShiftToMkFlags(shift), at);
}

intptr_t SendKeyMessage(vcl::TWinControl& control, uint32_t message, uintptr_t wParam) {
    return SendMessageW(control.Handle(), message, wParam, 0);
}

intptr_t SendKeyDown(vcl::TWinControl& control, uint16_t key) {
    return SendKeyMessage(control, WM_KEYDOWN, key);
}

intptr_t SendChar(vcl::TWinControl& control, char16_t ch) {
    return SendKeyMessage(control, WM_CHAR, ch);
}

TuiLookAndFeelKind GetButtonsLookAndFeelKind(TuiCustomEdit& editor) {
    if (editor.IsInplace()) {
        return editor.Style().LookAndFeel().Kind();
    }
    const TuiEditButtons& buttons = editor.GetEffectiveProperties().Buttons();
    if (buttons.Count() == 0) {
        return lfStandard;
    }
    switch (editor.ActiveEditStyle().ButtonStyle()) {
    case btsFlat:
    case btsSimple:
    case btsHotFlat:
        return lfFlat;
    case btsUltraFlat:
        return lfUltraFlat;
    case btsOffice11:
        return lfOffice11;
    default:
        return lfStandard;
    }
}

} // namespace ui
