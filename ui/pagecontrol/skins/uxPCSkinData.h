#pragma once
// What the page control's and status bar's skin painters read of a look and feel's skin: the skin info its skin
// painter was registered with, and an element that the skin really holds (the red-cross stand-in the info puts in for
// a missing element counts as missing, so that the painters take their fallbacks).

#include "ui/core/skins/painter/uxSkinInfo.h"

namespace ui {

class TuiLookAndFeel;

// nullptr when the look and feel's painter is no skin's or the registry holds no info for it.
TuxSkinInfo* SkinInfoOf(const TuiLookAndFeel& lookAndFeel);
// nullptr without info, or for an element the skin lacks.
TuxSkinElement* PresentSkinElement(const TuxSkinInfo* info, TuxSkinElementId id);

} // namespace ui
