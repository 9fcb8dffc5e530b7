#include "vcl/extctrls/XPManifest.h"

#include "vcl/extctrls/CommonControls.h"
#include "vcl/system/Win32.h"

#include <commctrl.h>

namespace vcl {

TXPManifest::TXPManifest(rtl::TComponent* owner) : TComponent(owner) {
    InitCommonControlClasses(ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES);
}

} // namespace vcl
