#include "ui/data/filter/uiFilterConsts.h"

namespace ui {

#define UI_FILTER_CONST(name, id, text) const TuxResourceString name{id, u"" #name, u"" text};
#include "ui/data/filter/uiFilterStrings.inc"
#undef UI_FILTER_CONST

namespace {

void AddFilterConsts(TuxProductResourceStrings& product) {
#define UI_FILTER_CONST(name, id, text) product.AddResString(name);
#include "ui/data/filter/uiFilterStrings.inc"
#undef UI_FILTER_CONST
}

const TuxProductRegistration filterConstsRegistration(uiFilterConstsProductKey, AddFilterConsts);

} // namespace

rtl::UnicodeString GetFilterResourceString(const TuxResourceString& text) {
    return LoadResStringText(text);
}

} // namespace ui
