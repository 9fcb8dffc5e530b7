#include "vcl/graphics/Colors.h"

#include "vcl/system/Win32.h"

namespace vcl {

uint32_t ColorToRGB(TColor color) {
    if ((static_cast<uint32_t>(color) & 0xFF000000u) == static_cast<uint32_t>(SystemColorBase)) {
        return GetSysColor(static_cast<int>(color & 0xFF));
    }
    return static_cast<uint32_t>(color);
}

} // namespace vcl
