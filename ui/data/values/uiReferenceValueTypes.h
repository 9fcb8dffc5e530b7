#pragma once
// The value types whose values live on the heap, in the storage's slot tables: the buffer holds the value's 4-byte
// handle, 0 when nothing is stored. References are the heap values themselves (nullptr when absent).

#include "ui/data/values/uiValueType.h"

namespace ui {

// ANSI text (varString), kept as a display text is kept: an empty text is stored, absent reads as Null. Texts compare
// by their bytes, absent first. Streamed in the wide string form when the block is UTF-16, else in the string form.
class TuiStringValueType : public TuiValueType {
public:
    static const TuiStringValueType& Instance();
    rtl::UnicodeStringView ClassName() const override { return u"TuiStringValueType"; }
    int32_t ValueSize() const override { return uiSlotHandleSize; }
    rtl::TVarType VariantTypeCode() const override { return rtl::varString; }
    bool IsStringType() const override { return true; }
    TuiValueReference ResolveValueBuffer(const TuiValueSlots& slots, const uint8_t* buffer) const override;
    rtl::Variant GetStoredValue(TuiValueReference reference) const override;
    int CompareStoredValues(TuiValueReference a, TuiValueReference b) const override;
    void VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const override;
    void ReleaseValueBuffer(TuiValueSlots& slots, uint8_t* buffer) const override;
    void ReadValueFromStream(TuiValueSlots& slots, uint8_t* buffer, TuxStream& stream) const override;
    void WriteValueToStream(const TuiValueSlots& slots, const uint8_t* buffer, TuxStream& stream) const override;
};

// UTF-16 text (varOleStr); an empty text keeps no heap value and reads as Null. Texts compare by UTF-16 unit, absent
// as empty. Always streamed in the wide string form, unit for unit.
class TuiWideStringValueType : public TuiStringValueType {
public:
    static const TuiWideStringValueType& Instance();
    rtl::UnicodeStringView ClassName() const override { return u"TuiWideStringValueType"; }
    rtl::TVarType VariantTypeCode() const override { return rtl::varOleStr; }
    TuiValueReference ResolveValueBuffer(const TuiValueSlots& slots, const uint8_t* buffer) const override;
    rtl::Variant GetStoredValue(TuiValueReference reference) const override;
    int CompareStoredValues(TuiValueReference a, TuiValueReference b) const override;
    void VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const override;
    void ReleaseValueBuffer(TuiValueSlots& slots, uint8_t* buffer) const override;
    void ReadValueFromStream(TuiValueSlots& slots, uint8_t* buffer, TuxStream& stream) const override;
    void WriteValueToStream(const TuiValueSlots& slots, const uint8_t* buffer, TuxStream& stream) const override;
};

// Any Variant, kept as it is; absent first, then CompareVariants. Streamed in the Variant form.
class TuiVariantValueType : public TuiValueType {
public:
    static const TuiVariantValueType& Instance();
    rtl::UnicodeStringView ClassName() const override { return u"TuiVariantValueType"; }
    int32_t ValueSize() const override { return uiSlotHandleSize; }
    rtl::TVarType VariantTypeCode() const override { return rtl::varVariant; }
    TuiValueReference ResolveValueBuffer(const TuiValueSlots& slots, const uint8_t* buffer) const override;
    rtl::Variant GetStoredValue(TuiValueReference reference) const override;
    int CompareStoredValues(TuiValueReference a, TuiValueReference b) const override;
    void VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const override;
    void ReleaseValueBuffer(TuiValueSlots& slots, uint8_t* buffer) const override;
};

} // namespace ui
