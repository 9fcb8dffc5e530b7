#pragma once
// Routines that hand an editor control input as window messages (a host replays a click or a key into the editor it
// opens), and the look-and-feel kind an editor's buttons imply, for hosts that draw beside them in the same look.

#include "ui/core/painters/uiPainterTypes.h"
#include "vcl/controls/ControlTypes.h"
#include "vcl/system/Types.h"

#include <cstdint>

namespace vcl {
class TWinControl;
} // namespace vcl

namespace ui {

class TuiCustomEdit;

// Each sends to the control's window (made when missing) and answers the message's result. A mouse message carries
// point (client coordinates) as two 16-bit halves and the mouse buttons and keys of shift as its key flags.
intptr_t SendMouseMessage(vcl::TWinControl& control, uint32_t message, vcl::TShiftState shift, vcl::TPoint point);
intptr_t SendKeyMessage(vcl::TWinControl& control, uint32_t message, uintptr_t wParam);
// WM_KEYDOWN of a virtual key.
intptr_t SendKeyDown(vcl::TWinControl& control, uint16_t key);
// WM_CHAR of a character.
intptr_t SendChar(vcl::TWinControl& control, char16_t ch);

// The look the editor's buttons are drawn in: in place its style's kind; without buttons lfStandard; else by the first
// button's style (btsDefault and bts3D lfStandard; btsFlat, btsSimple and btsHotFlat lfFlat; btsUltraFlat
// lfUltraFlat; btsOffice11 lfOffice11).
TuiLookAndFeelKind GetButtonsLookAndFeelKind(TuiCustomEdit& editor);

} // namespace ui
