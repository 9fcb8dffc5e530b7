#include "vcl/controls/ControlTypes.h"

#include "vcl/system/Win32.h"

namespace vcl {

namespace {

bool KeyIsDown(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

} // namespace

TShiftState KeysToShiftState(uint32_t keys) {
    TShiftState shift;
    if (keys & MK_SHIFT) {
        shift.Include(ssShift);
    }
    if (keys & MK_CONTROL) {
        shift.Include(ssCtrl);
    }
    if (keys & MK_LBUTTON) {
        shift.Include(ssLeft);
    }
    if (keys & MK_RBUTTON) {
        shift.Include(ssRight);
    }
    if (keys & MK_MBUTTON) {
        shift.Include(ssMiddle);
    }
    if (KeyIsDown(VK_MENU)) {
        shift.Include(ssAlt);
    }
    return shift;
}

TShiftState KeyDataToShiftState(intptr_t keyData) {
    constexpr intptr_t AltDownFlag = 0x20000000;
    TShiftState shift;
    if (KeyIsDown(VK_SHIFT)) {
        shift.Include(ssShift);
    }
    if (KeyIsDown(VK_CONTROL)) {
        shift.Include(ssCtrl);
    }
    if (keyData & AltDownFlag) {
        shift.Include(ssAlt);
    }
    return shift;
}

TShiftState KeyboardStateToShiftState(const uint8_t* keyboardState) {
    constexpr struct {
        int VirtualKey;
        TShiftStateFlag Flag;
    } keyFlags[] = {{VK_SHIFT, ssShift},  {VK_CONTROL, ssCtrl},  {VK_MENU, ssAlt},
                    {VK_LBUTTON, ssLeft}, {VK_RBUTTON, ssRight}, {VK_MBUTTON, ssMiddle}};
    TShiftState shift;
    for (const auto& keyFlag : keyFlags) {
        if (keyboardState[keyFlag.VirtualKey] & 0x80) {
            shift.Include(keyFlag.Flag);
        }
    }
    return shift;
}

TShiftState ReadShiftState() {
    uint8_t keyboardState[256] = {};
    GetKeyboardState(keyboardState);
    return KeyboardStateToShiftState(keyboardState);
}

} // namespace vcl
