#pragma once
// The start-up and shut-down of the controls unit: the library's cursors join the screen's cursor table, the system
// controller is made; at shut-down every mouse tracking still running ends (its callers are not told), and the shared
// windows, the settings controller and the timers' window are freed and not made again until the next start-up.

#include "vcl/controls/ControlTypes.h"

namespace ui {

// The library's cursors, loaded from the program's resources at start-up.
inline constexpr vcl::TCursor crDragCopy = 2100;
inline constexpr vcl::TCursor crFullScroll = 2101;
inline constexpr vcl::TCursor crHorScroll = 2102;
inline constexpr vcl::TCursor crVerScroll = 2103;
inline constexpr vcl::TCursor crUpScroll = 2104;
inline constexpr vcl::TCursor crRightScroll = 2105;
inline constexpr vcl::TCursor crDownScroll = 2106;
inline constexpr vcl::TCursor crLeftScroll = 2107;
inline constexpr vcl::TCursor crRemove = 2108;
inline constexpr vcl::TCursor crVertSize = 2109;
inline constexpr vcl::TCursor crHorzSize = 2110;
inline constexpr vcl::TCursor crUiMultiDrag = 2111;
inline constexpr vcl::TCursor crUiNoDrop = 2112;
inline constexpr vcl::TCursor crUiDrag = 2113;
inline constexpr vcl::TCursor crUiHandPoint = -2099;
inline constexpr vcl::TCursor crColorPicker = 2114;
inline constexpr vcl::TCursor crMultiDragCopy = 2115;

void InitializeControlsUnit();
void FinalizeControlsUnit();
// True from the unit's shut-down until its next start-up.
bool IsControlsUnitFinalized();

} // namespace ui
