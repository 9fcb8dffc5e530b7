#include "vcl/extctrls/CommonControls.h"

#include "vcl/system/Win32.h"

#include <commctrl.h>

namespace vcl {

void InitCommonControlClasses(uint32_t classes) {
    static uint32_t registered = 0;
    if ((registered & classes) == classes) {
        return;
    }
    INITCOMMONCONTROLSEX init{sizeof(init), classes};
    if (InitCommonControlsEx(&init)) {
        registered |= classes;
    }
}

} // namespace vcl
