#include "ui/pagecontrol/skins/uxPCSkinData.h"

#include "ui/core/painters/uiLookAndFeels.h"
#include "ui/core/painters/uiPainterRegistry.h"
#include "ui/core/skins/elements/uxSkinElements.h"
#include "ui/core/skins/objects/uxSkinObjects.h"

namespace ui {

TuxSkinInfo* SkinInfoOf(const TuiLookAndFeel& lookAndFeel) {
    const TuiExtendedStylePainters* registry = ExtendedStylePainters();
    TuiLookAndFeelPainterClass painter = lookAndFeel.ActivePainter();
    rtl::TObject* data = nullptr;
    if (!registry || !painter || !registry->DataOfPainter(painter, data)) {
        return nullptr;
    }
    return dynamic_cast<TuxSkinInfo*>(data);
}

TuxSkinElement* PresentSkinElement(const TuxSkinInfo* info, TuxSkinElementId id) {
    TuxSkinElement* element = info ? info->Element(id) : nullptr;
    if (!element || (element->State() & sosCreatedForMissing) != 0) {
        return nullptr;
    }
    return element;
}

} // namespace ui
