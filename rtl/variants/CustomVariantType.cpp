#include "rtl/variants/CustomVariantType.h"

#include <mutex>
#include <utility>
#include <vector>

namespace rtl {

namespace {

// The registered types by code - varFirstCustom; a freed code stays empty, so codes are stable for a run.
struct TCustomVariantRegistry {
    std::mutex Lock;
    std::vector<const TCustomVariantType*> Types;
};

TCustomVariantRegistry& Registry() {
    static TCustomVariantRegistry registry;
    return registry;
}

TVarType Register(const TCustomVariantType* type) {
    TCustomVariantRegistry& registry = Registry();
    const std::lock_guard guard(registry.Lock);
    if (varFirstCustom + registry.Types.size() > varTypeMask) {
        throw EVariantBadVarTypeError(RtlMessages::VarBadType);
    }
    registry.Types.push_back(type);
    return static_cast<TVarType>(varFirstCustom + registry.Types.size() - 1);
}

} // namespace

TCustomVariantType::TCustomVariantType(UnicodeString name) : FVarType(Register(this)), FName(std::move(name)) {}

TCustomVariantType::~TCustomVariantType() {
    TCustomVariantRegistry& registry = Registry();
    const std::lock_guard guard(registry.Lock);
    registry.Types[FVarType - varFirstCustom] = nullptr;
}

void TCustomVariantType::NumericValue(const Variant&, detail::TDecimal&, bool&) const {
    throw EVariantInvalidArgError(RtlMessages::VarInvalidArgument);
}

const TCustomVariantType* FindCustomVariantType(TVarType varType) {
    if (varType < varFirstCustom) {
        return nullptr;
    }
    TCustomVariantRegistry& registry = Registry();
    const std::lock_guard guard(registry.Lock);
    const size_t index = varType - varFirstCustom;
    return index < registry.Types.size() ? registry.Types[index] : nullptr;
}

} // namespace rtl
