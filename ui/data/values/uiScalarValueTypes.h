#pragma once
// The value types that keep their value inline in the record buffer: integers, Boolean, floats, currency, dates, the
// BCD decimal and the SQL time stamp, and Object, whose value is the handle of an object owned by the storage.

#include "ui/data/values/uiValueType.h"

namespace ui {

// Inline values whose stream form is their own bytes.
class TuiFixedSizeValueType : public TuiValueType {
public:
    void ReadValueFromStream(TuiValueSlots& slots, uint8_t* buffer, TuxStream& stream) const override;
    void WriteValueToStream(const TuiValueSlots& slots, const uint8_t* buffer, TuxStream& stream) const override;
};

// int16; compares by the difference of the values. A value outside its range does not convert.
class TuiSmallintValueType : public TuiFixedSizeValueType {
public:
    static const TuiSmallintValueType& Instance();
    rtl::UnicodeStringView ClassName() const override { return u"TuiSmallintValueType"; }
    int32_t ValueSize() const override { return 2; }
    rtl::TVarType VariantTypeCode() const override { return rtl::varSmallint; }
    rtl::Variant GetStoredValue(TuiValueReference reference) const override;
    int CompareStoredValues(TuiValueReference a, TuiValueReference b) const override;
    void VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const override;
};

// int32.
class TuiIntegerValueType : public TuiFixedSizeValueType {
public:
    static const TuiIntegerValueType& Instance();
    rtl::UnicodeStringView ClassName() const override { return u"TuiIntegerValueType"; }
    int32_t ValueSize() const override { return 4; }
    rtl::TVarType VariantTypeCode() const override { return rtl::varInteger; }
    rtl::Variant GetStoredValue(TuiValueReference reference) const override;
    int CompareStoredValues(TuiValueReference a, TuiValueReference b) const override;
    void VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const override;
};

// uint16; compares by the difference of the values. A value outside its range does not convert.
class TuiWordValueType : public TuiFixedSizeValueType {
public:
    static const TuiWordValueType& Instance();
    rtl::UnicodeStringView ClassName() const override { return u"TuiWordValueType"; }
    int32_t ValueSize() const override { return 2; }
    rtl::TVarType VariantTypeCode() const override { return rtl::varWord; }
    rtl::Variant GetStoredValue(TuiValueReference reference) const override;
    int CompareStoredValues(TuiValueReference a, TuiValueReference b) const override;
    void VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const override;
};

// One byte, 0 or 1; false before true; shown as "True" or "False".
class TuiBooleanValueType : public TuiFixedSizeValueType {
public:
    static const TuiBooleanValueType& Instance();
    rtl::UnicodeStringView ClassName() const override { return u"TuiBooleanValueType"; }
    int32_t ValueSize() const override { return 1; }
    rtl::TVarType VariantTypeCode() const override { return rtl::varBoolean; }
    rtl::Variant GetStoredValue(TuiValueReference reference) const override;
    int CompareStoredValues(TuiValueReference a, TuiValueReference b) const override;
    void VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const override;
    void ReadValueFromStream(TuiValueSlots& slots, uint8_t* buffer, TuxStream& stream) const override;
};

// A double; streamed as a 10-byte extended, which holds every double exactly.
class TuiFloatValueType : public TuiFixedSizeValueType {
public:
    static const TuiFloatValueType& Instance();
    rtl::UnicodeStringView ClassName() const override { return u"TuiFloatValueType"; }
    int32_t ValueSize() const override { return 8; }
    rtl::TVarType VariantTypeCode() const override { return rtl::varDouble; }
    rtl::Variant GetStoredValue(TuiValueReference reference) const override;
    int CompareStoredValues(TuiValueReference a, TuiValueReference b) const override;
    void VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const override;
    void ReadValueFromStream(TuiValueSlots& slots, uint8_t* buffer, TuxStream& stream) const override;
    void WriteValueToStream(const TuiValueSlots& slots, const uint8_t* buffer, TuxStream& stream) const override;
};

// The amount x 10,000 as an int64.
class TuiCurrencyValueType : public TuiFixedSizeValueType {
public:
    static const TuiCurrencyValueType& Instance();
    rtl::UnicodeStringView ClassName() const override { return u"TuiCurrencyValueType"; }
    int32_t ValueSize() const override { return 8; }
    rtl::TVarType VariantTypeCode() const override { return rtl::varCurrency; }
    rtl::Variant GetStoredValue(TuiValueReference reference) const override;
    int CompareStoredValues(TuiValueReference a, TuiValueReference b) const override;
    void VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const override;
};

// The date-time's double.
class TuiDateTimeValueType : public TuiFixedSizeValueType {
public:
    static const TuiDateTimeValueType& Instance();
    rtl::UnicodeStringView ClassName() const override { return u"TuiDateTimeValueType"; }
    int32_t ValueSize() const override { return 8; }
    rtl::TVarType VariantTypeCode() const override { return rtl::varDate; }
    rtl::Variant GetStoredValue(TuiValueReference reference) const override;
    int CompareStoredValues(TuiValueReference a, TuiValueReference b) const override;
    void VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const override;
    // The date-time text; for a value beyond the calendar, the date-time text of its number.
    rtl::AnsiString DefaultDisplayText(const TuiValueSlots& slots, const uint8_t* buffer) const override;
};

// int64.
class TuiLargeIntValueType : public TuiFixedSizeValueType {
public:
    static const TuiLargeIntValueType& Instance();
    rtl::UnicodeStringView ClassName() const override { return u"TuiLargeIntValueType"; }
    int32_t ValueSize() const override { return 8; }
    rtl::TVarType VariantTypeCode() const override { return rtl::varInt64; }
    rtl::Variant GetStoredValue(TuiValueReference reference) const override;
    int CompareStoredValues(TuiValueReference a, TuiValueReference b) const override;
    void VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const override;
};

// The 34-byte BCD decimal (rtl/numbers/Bcd.h); streamed in the Variant form, as its text.
class TuiFMTBcdValueType : public TuiValueType {
public:
    static const TuiFMTBcdValueType& Instance();
    rtl::UnicodeStringView ClassName() const override { return u"TuiFMTBcdValueType"; }
    int32_t ValueSize() const override { return 34; }
    rtl::TVarType VariantTypeCode() const override;
    rtl::Variant GetStoredValue(TuiValueReference reference) const override;
    int CompareStoredValues(TuiValueReference a, TuiValueReference b) const override;
    void VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const override;
    // All the digits, in the general format.
    rtl::AnsiString DefaultDisplayText(const TuiValueSlots& slots, const uint8_t* buffer) const override;
};

// The 16-byte SQL time stamp (rtl/variants/SqlTimeStampVariant.h), read out as a date-time Variant; streamed in the
// Variant form, as its date-time.
class TuiSQLTimeStampValueType : public TuiValueType {
public:
    static const TuiSQLTimeStampValueType& Instance();
    rtl::UnicodeStringView ClassName() const override { return u"TuiSQLTimeStampValueType"; }
    int32_t ValueSize() const override { return 16; }
    rtl::TVarType VariantTypeCode() const override;
    rtl::Variant GetStoredValue(TuiValueReference reference) const override;
    int CompareStoredValues(TuiValueReference a, TuiValueReference b) const override;
    void VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const override;
};

// An Integer whose value is the handle of an object the storage owns (TuiDataStorage::AddObject): releasing the value
// frees the object. Streams carry none of it.
class TuiObjectValueType : public TuiIntegerValueType {
public:
    static const TuiObjectValueType& Instance();
    rtl::UnicodeStringView ClassName() const override { return u"TuiObjectValueType"; }
    void ReleaseValueBuffer(TuiValueSlots& slots, uint8_t* buffer) const override;
    void ReadValueFromStream(TuiValueSlots& slots, uint8_t* buffer, TuxStream& stream) const override;
    void WriteValueToStream(const TuiValueSlots& slots, const uint8_t* buffer, TuxStream& stream) const override;
};

} // namespace ui
