#include "rtl/variants/Variant.h"

#include "rtl/numbers/NumberConversions.h"
#include "rtl/variants/CustomVariantType.h"
#include "rtl/variants/VariantConversions.h"

#include <bit>
#include <string>
#include <utility>
#include <vector>

namespace rtl {

namespace {

bool IsSignedCode(TVarType varType) {
    return varType == varSmallint || varType == varInteger || varType == varShortInt || varType == varInt64;
}

bool IsUnsignedCode(TVarType varType) {
    return varType == varByte || varType == varWord || varType == varLongWord || varType == varUInt64;
}

// The names the platform gives its type codes; empty where a code has none.
constexpr const char16_t* StandardTypeNames[] = {
    u"Empty",    u"Null", u"Smallint", u"Integer",  u"Single",  u"Double", u"Currency", u"Date",
    u"OleStr",   u"",     u"",         u"Boolean",  u"Variant", u"",       u"",         u"",
    u"ShortInt", u"Byte", u"Word",     u"LongWord", u"Int64",   u"UInt64"};

} // namespace

// What does not fit in the scalar: strings, array elements and custom values.
struct Variant::THeapValue {
    UnicodeString OleStr;
    AnsiString Ansi;
    int32_t LowBound = 0;
    std::vector<Variant> Elements;
    std::string Bytes;
    std::unique_ptr<TCustomVariantValue> Custom;

    std::unique_ptr<THeapValue> Clone() const {
        auto copy = std::make_unique<THeapValue>();
        copy->OleStr = OleStr;
        copy->Ansi = Ansi;
        copy->LowBound = LowBound;
        copy->Elements = Elements;
        copy->Bytes = Bytes;
        copy->Custom = Custom ? Custom->Clone() : nullptr;
        return copy;
    }
};

Variant::Variant() noexcept = default;

Variant::Variant(const Variant& other)
    : FVarType(other.FVarType), FBits(other.FBits), FHeap(other.FHeap ? other.FHeap->Clone() : nullptr) {}

Variant::Variant(Variant&& other) noexcept
    : FVarType(std::exchange(other.FVarType, varEmpty)), FBits(std::exchange(other.FBits, 0)),
      FHeap(std::move(other.FHeap)) {}

Variant& Variant::operator=(const Variant& other) {
    if (this != &other) {
        *this = Variant(other);
    }
    return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept {
    FVarType = std::exchange(other.FVarType, varEmpty);
    FBits = std::exchange(other.FBits, 0);
    FHeap = std::move(other.FHeap);
    return *this;
}

Variant::~Variant() = default;

Variant::Variant(TVarType varType, uint64_t bits) : FVarType(varType), FBits(bits) {}

Variant Variant::Null() {
    Variant result;
    result.FVarType = varNull;
    return result;
}

Variant::Variant(float value) : FVarType(varSingle), FBits(std::bit_cast<uint32_t>(value)) {}

Variant::Variant(double value) : FVarType(varDouble), FBits(std::bit_cast<uint64_t>(value)) {}

Variant::Variant(Currency value) : FVarType(varCurrency), FBits(static_cast<uint64_t>(value.Scaled())) {}

Variant::Variant(UnicodeString value) : FVarType(varOleStr), FHeap(std::make_unique<THeapValue>()) {
    FHeap->OleStr = std::move(value);
}

Variant::Variant(UnicodeStringView value) : Variant(UnicodeString(value)) {}

Variant::Variant(const char16_t* value) : Variant(UnicodeString(value ? value : u"")) {}

Variant Variant::FromDateTime(TDateTime value) {
    Variant result(value);
    result.FVarType = varDate;
    return result;
}

Variant Variant::FromAnsiString(AnsiString value) {
    Variant result;
    result.FVarType = varString;
    result.FHeap = std::make_unique<THeapValue>();
    result.FHeap->Ansi = std::move(value);
    return result;
}

Variant Variant::FromCustom(TVarType varType, std::unique_ptr<TCustomVariantValue> value) {
    if (FindCustomVariantType(varType) == nullptr || value == nullptr) {
        throw EVariantBadVarTypeError(RtlMessages::VarBadType);
    }
    Variant result;
    result.FVarType = varType;
    result.FHeap = std::make_unique<THeapValue>();
    result.FHeap->Custom = std::move(value);
    return result;
}

Variant Variant::CreateArray(int32_t lowBound, int32_t highBound, TVarType elementType) {
    if (elementType != varVariant && elementType != varByte) {
        throw EVariantBadVarTypeError(RtlMessages::VarBadType);
    }
    const int64_t count = int64_t{highBound} - lowBound + 1;
    if (count < 0) {
        throw EVariantInvalidArgError(RtlMessages::VarInvalidArgument);
    }
    Variant result;
    result.FVarType = varArray | elementType;
    result.FHeap = std::make_unique<THeapValue>();
    result.FHeap->LowBound = lowBound;
    if (elementType == varByte) {
        result.FHeap->Bytes.assign(static_cast<size_t>(count), '\0');
    } else {
        result.FHeap->Elements.resize(static_cast<size_t>(count));
    }
    return result;
}

Variant Variant::ArrayOf(std::initializer_list<Variant> elements) {
    Variant result = CreateArray(0, static_cast<int32_t>(elements.size()) - 1, varVariant);
    result.FHeap->Elements.assign(elements.begin(), elements.end());
    return result;
}

Variant Variant::ByteArrayOf(std::string_view bytes) {
    Variant result = CreateArray(0, static_cast<int32_t>(bytes.size()) - 1, varByte);
    result.FHeap->Bytes.assign(bytes);
    return result;
}

void Variant::CheckKind(bool matches) const {
    if (!matches) {
        throw EVariantInvalidArgError(RtlMessages::VarInvalidArgument);
    }
}

int64_t Variant::StoredSigned() const {
    CheckKind(IsSignedCode(FVarType));
    return static_cast<int64_t>(FBits);
}

uint64_t Variant::StoredUnsigned() const {
    CheckKind(IsUnsignedCode(FVarType));
    return FBits;
}

float Variant::StoredSingle() const {
    CheckKind(FVarType == varSingle);
    return std::bit_cast<float>(static_cast<uint32_t>(FBits));
}

double Variant::StoredDouble() const {
    CheckKind(FVarType == varDouble || FVarType == varDate);
    return std::bit_cast<double>(FBits);
}

Currency Variant::StoredCurrency() const {
    CheckKind(FVarType == varCurrency);
    return Currency::FromScaled(static_cast<int64_t>(FBits));
}

bool Variant::StoredBoolean() const {
    CheckKind(FVarType == varBoolean);
    return FBits != 0;
}

const UnicodeString& Variant::StoredOleStr() const {
    CheckKind(FVarType == varOleStr);
    return FHeap->OleStr;
}

const AnsiString& Variant::StoredAnsiString() const {
    CheckKind(FVarType == varString);
    return FHeap->Ansi;
}

const TCustomVariantValue& Variant::StoredCustom() const {
    CheckKind(FHeap != nullptr && FHeap->Custom != nullptr);
    return *FHeap->Custom;
}

Variant::THeapValue& Variant::ArrayValue() const {
    CheckKind(IsArray());
    return *FHeap;
}

int32_t Variant::ArrayLowBound() const {
    return ArrayValue().LowBound;
}

int32_t Variant::ArrayHighBound() const {
    return ArrayLowBound() + ArrayCount() - 1;
}

int32_t Variant::ArrayCount() const {
    const THeapValue& array = ArrayValue();
    return static_cast<int32_t>(FVarType == (varArray | varByte) ? array.Bytes.size() : array.Elements.size());
}

int32_t Variant::CheckedOffset(int32_t index) const {
    const int64_t offset = int64_t{index} - ArrayLowBound();
    if (offset < 0 || offset >= ArrayCount()) {
        throw EVariantBadIndexError(RtlMessages::VarArrayBounds);
    }
    return static_cast<int32_t>(offset);
}

Variant Variant::ArrayElement(int32_t index) const {
    const int32_t offset = CheckedOffset(index);
    if (FVarType == (varArray | varByte)) {
        return Variant(static_cast<uint8_t>(FHeap->Bytes[offset]));
    }
    return FHeap->Elements[offset];
}

void Variant::SetArrayElement(int32_t index, const Variant& value) {
    const int32_t offset = CheckedOffset(index);
    if (FVarType == (varArray | varByte)) {
        FHeap->Bytes[offset] = static_cast<char>(VarAsType(value, varByte).StoredUnsigned());
    } else {
        FHeap->Elements[offset] = value;
    }
}

std::string_view Variant::ArrayBytes() const {
    CheckKind(FVarType == (varArray | varByte));
    return FHeap->Bytes;
}

bool VarIsNumeric(const Variant& value) {
    const TVarType varType = value.VarType();
    if ((varType >= varSmallint && varType <= varCurrency) || varType == varBoolean ||
        (varType >= varShortInt && varType <= varUInt64)) {
        return true;
    }
    const TCustomVariantType* custom = FindCustomVariantType(varType);
    return custom != nullptr && custom->IsNumeric();
}

UnicodeString VarTypeAsText(TVarType varType) {
    const TVarType element = varType & varTypeMask;
    UnicodeString name;
    if (element < std::size(StandardTypeNames) && *StandardTypeNames[element] != u'\0') {
        name = StandardTypeNames[element];
    } else if (element == varString) {
        name = u"String";
    } else if (const TCustomVariantType* custom = FindCustomVariantType(element)) {
        name = custom->Name();
    } else {
        name = u"$" + IntToHex(element, 4);
    }
    return (varType & varArray) != 0 ? u"Array " + name : name;
}

} // namespace rtl
