#pragma once
// The start-up and shut-down of the grid, after the UI core's and, on Windows, the tab control unit's (the level tabs
// are tab controls and need its painters): the registry of view classes and, on Windows, the shared hit-test
// instances and the row-selection cursor. Start-up runs once however often it is called; the shut-down that balances
// the first start-up undoes it.

#include "vcl/controls/ControlTypes.h"

namespace ui {

// The grid's cursors: the sizing, removing and dragging ones are the library's own; the row-selection cursor is the
// grid's.
inline constexpr vcl::TCursor crGridHorzSize = 2110;
inline constexpr vcl::TCursor crGridVertSize = 2109;
inline constexpr vcl::TCursor crGridRemove = 2108;
inline constexpr vcl::TCursor crGridNoDrop = 2112;
inline constexpr vcl::TCursor crGridDrag = 2113;
inline constexpr vcl::TCursor crGridMultiDrag = 2111;
inline constexpr vcl::TCursor crGridSelectRow = 4007;

void InitializeGridUnit();
void FinalizeGridUnit();

} // namespace ui
