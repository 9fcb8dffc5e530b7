#pragma once
// The extended editors' descriptions, captions and messages, one TuxResourceString per text, named as the
// UI_EXT_EDIT_CONST lines of the table resources/strings/uiEditorsStrings.inc name them; load a text with
// LoadResStringText. From start-up to shut-down they are listed in the resource-string repository under
// uiExtEditConstsProductKey. The unit also holds the tables of colour names: the platform's colour constants and the
// web colours.

#include "ui/core/system/uxResourceStrings.h"

#include <array>
#include <string_view>

namespace ui {

inline constexpr char16_t uiExtEditConstsProductKey[] = u"Tallyvane Extended Editors";

#define UI_EDIT_CONST(name, id, text)
#define UI_EXT_EDIT_CONST(name, id, text) extern const TuxResourceString name;
#include "resources/strings/uiEditorsStrings.inc"
#undef UI_EXT_EDIT_CONST
#undef UI_EDIT_CONST

// The names of the platform's colour constants: the sixteen basic colours, four more, then the system colours.
extern const std::array<std::u16string_view, 52> uiColorConstantNames;
// The sixteen basic web colours (HTML 4.01, 6.5).
extern const std::array<std::u16string_view, 16> uiBasicWebColorNames;
// The 140 extended web colours, alphabetically.
extern const std::array<std::u16string_view, 140> uiWebColorNames;
// The same colours grouped by hue, from pink round the colour wheel to red, then the greys from light to dark.
extern const std::array<std::u16string_view, 140> uiWebColorNamesByHue;

// Start-up lists the strings (once, however often it is called); the balancing shut-down takes them out.
void InitializeExtEditConstsUnit();
void FinalizeExtEditConstsUnit();

} // namespace ui
