#include "ui/data/values/uiVariants.h"

#include "rtl/variants/BcdVariant.h"
#include "rtl/variants/SqlTimeStampVariant.h"
#include "rtl/variants/VariantCompare.h"
#include "rtl/variants/VariantConversions.h"

namespace ui {

int CompareVariants(const rtl::Variant& a, const rtl::Variant& b) {
    return a.IsArray() || b.IsArray() ? CompareVariantArrays(a, b) : CompareScalarVariants(a, b);
}

int CompareVariantArrays(const rtl::Variant& a, const rtl::Variant& b) {
    if (a.IsArray() != b.IsArray()) {
        return a.IsArray() ? 1 : -1;
    }
    if (!a.IsArray()) {
        return CompareScalarVariants(a, b);
    }
    const int32_t byCount = a.ArrayCount() - b.ArrayCount();
    if (byCount != 0) {
        return byCount;
    }
    for (int32_t i = 0; i < a.ArrayCount(); ++i) {
        const int byElement =
            CompareVariants(a.ArrayElement(a.ArrayLowBound() + i), b.ArrayElement(b.ArrayLowBound() + i));
        if (byElement != 0) {
            return byElement;
        }
    }
    return 0;
}

int CompareScalarVariants(const rtl::Variant& a, const rtl::Variant& b) {
    return rtl::VarCompare(a, b);
}

bool VariantsCompareEqual(const rtl::Variant& a, const rtl::Variant& b) {
    return CompareVariants(a, b) == 0;
}

bool VariantsEqual(const rtl::Variant& a, const rtl::Variant& b) {
    const bool eitherNull = a.IsNull() || b.IsNull();
    const bool eitherBoolean = a.VarType() == rtl::varBoolean || b.VarType() == rtl::varBoolean;
    if (eitherNull || !eitherBoolean) {
        return VariantsCompareEqual(a, b);
    }
    try {
        return rtl::VarToAnsiStr(a) == rtl::VarToAnsiStr(b);
    } catch (const rtl::EVariantError&) {
        return false;
    }
}

bool IsDateVarType(rtl::TVarType varType) {
    return varType == rtl::varDate || varType == rtl::VarSQLTimeStamp();
}

bool IsDateVariant(const rtl::Variant& value) {
    return IsDateVarType(value.VarType());
}

bool IsNumericVariant(const rtl::Variant& value) {
    return rtl::VarIsNumeric(value);
}

bool IsCurrencyVarType(rtl::TVarType varType) {
    return varType == rtl::varCurrency || varType == rtl::VarFMTBcd();
}

bool IsBlankVariant(const rtl::Variant& value) {
    switch (value.VarType()) {
    case rtl::varNull:
        return true;
    case rtl::varString:
        return value.StoredAnsiString().empty();
    case rtl::varOleStr:
        return value.StoredOleStr().empty();
    default:
        return false;
    }
}

rtl::Variant MakeRangeVariant(const rtl::Variant& low, const rtl::Variant& high) {
    return rtl::Variant::ArrayOf({low, high});
}

rtl::Variant MakeSingleItemArray(const rtl::Variant& value) {
    return rtl::Variant::ArrayOf({value});
}

void AppendToVariantArray(rtl::Variant& arr, const rtl::Variant& value) {
    const int32_t count = arr.IsArray() ? arr.ArrayCount() : 0;
    rtl::Variant result = rtl::Variant::CreateArray(0, count, rtl::varVariant);
    for (int32_t i = 0; i < count; ++i) {
        result.SetArrayElement(i, arr.ArrayElement(arr.ArrayLowBound() + i));
    }
    result.SetArrayElement(count, value);
    arr = std::move(result);
}

} // namespace ui
