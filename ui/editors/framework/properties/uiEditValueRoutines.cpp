#include "ui/editors/framework/properties/uiEditValueRoutines.h"

#include "ui/data/values/uiVariants.h"

namespace ui {

bool VariantsEqualSameType(const rtl::Variant& a, const rtl::Variant& b) {
    return a.VarType() == b.VarType() && VariantsEqual(a, b);
}

bool VariantsEqualSameKind(const rtl::Variant& a, const rtl::Variant& b) {
    const bool sameKind = (IsNumericVariant(a) && IsNumericVariant(b)) || a.VarType() == b.VarType();
    return sameKind && VariantsEqual(a, b);
}

bool IsSpaceChar(char16_t ch) {
    switch (ch) {
    case u'\0':
    case u'\t':
    case u'\n':
    case u'\f':
    case u'\r':
    case u' ':
        return true;
    default:
        return false;
    }
}

} // namespace ui
