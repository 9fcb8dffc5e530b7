// Skins stored as resources of type "UXSKINS" in a module.
#include "rtl/text/CodePages.h"
#include "ui/core/skins/elements/uxSkin.h"
#include "vcl/resources/ResourceStream.h"

namespace ui {

TuxSkin::TuxSkin(rtl::AnsiString name, bool loadOnCreate, HINSTANCE instance) : TuxSkin(std::move(name)) {
    if (loadOnCreate) {
        LoadFromResource(instance);
    }
}

void TuxSkin::LoadFromResource(HINSTANCE instance) {
    vcl::TResourceStream stream(instance, rtl::AnsiToUnicode(Name()), u"UXSKINS");
    LoadFromStream(stream);
}

} // namespace ui
