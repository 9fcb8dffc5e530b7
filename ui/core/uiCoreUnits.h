#pragma once
// The ordered start-up and shut-down of the UI core. Its units start in one fixed order (the library core with its
// operating-system flags, geometry, then on Windows visual styles and the theme manager, the msimg32 binding, the
// Office 2003 colours, the graphics: the halftone brush, DPI awareness, the bitmap classes, the screen resolution; the
// look-and-feel settings, the painters, desktop composition and styles), each registering what later code looks up,
// and shut down in the reverse order.
// Later units of the library join the table of their platform at their place in that order. The application and the
// test programs call these two functions from their main; nothing here runs from a static constructor.

#include <span>

namespace ui {

// Starts every unit of the UI core in order. A unit that fails shuts down the ones already started (in reverse) and
// the failure passes on. Calling it again while started does nothing.
void InitializeUICore();
// Shuts the started units down in reverse order; nothing when not started.
void FinalizeUICore();
bool UICoreInitialized();

namespace detail {

// One unit's start-up and shut-down (either may be nullptr when the unit has nothing to do).
struct TuiCoreUnit {
    const char* Name;
    void (*Initialize)();
    void (*Finalize)();
};

// The units of this platform, in start-up order.
std::span<const TuiCoreUnit> CoreUnits();

} // namespace detail

} // namespace ui
