#pragma once
// The filter's texts: the captions of the operators ("equals", "is last 7 days"), of the LIKE shapes ("begins
// with"), of the bool operators and of the value list's special entries ("(All)", "(Blanks)"), one TuxResourceString
// per text, named as uiFilterStrings.inc names them. They are listed in the resource-string repository under
// uiFilterConstsProductKey.

#include "rtl/text/StringTypes.h"
#include "ui/core/system/uxResourceStrings.h"

namespace ui {

inline constexpr char16_t uiFilterConstsProductKey[] = u"Tallyvane Filter";

#define UI_FILTER_CONST(name, id, text) extern const TuxResourceString name;
#include "ui/data/filter/uiFilterStrings.inc"
#undef UI_FILTER_CONST

// The text of one of them, as the string table holds it now.
rtl::UnicodeString GetFilterResourceString(const TuxResourceString& text);

} // namespace ui
