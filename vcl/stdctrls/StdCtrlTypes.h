#pragma once
// The small value types of the standard controls: text alignment and layout, scroll bars of a multi-line edit, the
// letter case an edit keeps, and the border of an edit or panel.

#include "vcl/forms/Form.h"

#include <cstdint>

namespace vcl {

// Where text stands across its area.
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
// Where text stands from top to bottom.
enum TTextLayout : uint8_t { tlTop, tlCenter, tlBottom };
// The scroll bars a multi-line edit shows.
enum TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
// The letter case an edit turns typed text into.
enum TEditCharCase : uint8_t { ecNormal, ecUpperCase, ecLowerCase };
// The border of an edit or a panel: bsNone or bsSingle.
using TBorderStyle = TFormBorderStyle;

} // namespace vcl
