#pragma once
// The four directions of a linear gradient, numbered as GDI+ numbers its linear-gradient modes. Portable: the skins'
// streams store them on every target.

#include <cstdint>

namespace ui {

enum TuxGpGradientMode : int32_t { gmHorizontal, gmVertical, gmForwardDiagonal, gmBackwardDiagonal };

} // namespace ui
