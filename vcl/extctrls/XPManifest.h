#pragma once
// TXPManifest: the component that stands on a form for the program's manifest, the resource that makes Windows give
// the program version 6 of the common controls and with it the themed look of buttons, edits and the other Windows
// controls. The manifest itself is linked into the program from its resource script; the component makes sure the
// common controls are loaded before the form's controls make their windows.

#include "rtl/core/Component.h"

namespace vcl {

// The program's themed common controls, as a component of a form.
class TXPManifest : public rtl::TComponent {
    RTL_DECLARE_CLASS(TXPManifest, rtl::TComponent)
public:
    explicit TXPManifest(rtl::TComponent* owner);
};

} // namespace vcl
