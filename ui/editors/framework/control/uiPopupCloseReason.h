#pragma once
// Why an editor's popup (a drop-down list, the image editor's load dialog) closes, as its close handlers hear it.

#include <cstdint>

namespace ui {

// The accepting ones (Tab, the toggle keys, Accept) take the popup's choice.
enum TuiPopupCloseReason : uint8_t { pcrNone, pcrTab, pcrToggleKey, pcrCancel, pcrAccept };

} // namespace ui
