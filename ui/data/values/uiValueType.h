#pragma once
// TuiValueType: how one column of a record is held. A value type says how many bytes a value takes in a record
// buffer, how a Variant goes in and comes out, how two stored values compare, what text shows a value, and how a value
// and a display text travel through a stream. Value types are classes that are never instantiated: each is one
// immutable singleton (Instance()), and a "value type class" is a reference to it.
//
// A value's buffer is its ValueSize bytes inside a record buffer, at any alignment. The String, WideString and
// Variant types keep a handle into the storage's slot tables there; a text slot is a 4-byte handle of a display text.
// A reference is what ResolveValueBuffer makes of a buffer: the buffer itself for the types that keep their value
// inline, the heap value (or nullptr when there is none) for the three others; GetStoredValue and
// CompareStoredValues read references, which stay valid until the value changes.

#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/data/values/uiValueSlots.h"

#include <cstdint>

namespace ui {

class TuxStream;

using TuiValueReference = const void*;

// The size of a text slot and of the handle of a heap value.
inline constexpr int32_t uiSlotHandleSize = 4;

class TuiValueType {
public:
    TuiValueType(const TuiValueType&) = delete;
    TuiValueType& operator=(const TuiValueType&) = delete;

    // "TuiCurrencyValueType".
    virtual rtl::UnicodeStringView ClassName() const = 0;
    // The class name without a leading "Tui" and its first "ValueType": "Currency", "SQLTimeStamp".
    rtl::UnicodeString GetCaption() const;
    virtual int32_t ValueSize() const = 0;
    // The Variant type code of the values: varVariant for the type that takes any Variant.
    virtual rtl::TVarType VariantTypeCode() const = 0;
    virtual bool IsStringType() const { return false; }

    virtual TuiValueReference ResolveValueBuffer(const TuiValueSlots& slots, const uint8_t* buffer) const;
    virtual rtl::Variant GetStoredValue(TuiValueReference reference) const = 0;
    // Negative, 0 or positive; absent heap values sort first.
    virtual int CompareStoredValues(TuiValueReference a, TuiValueReference b) const;
    int CompareBuffers(const TuiValueSlots& slots, const uint8_t* a, const uint8_t* b) const;
    rtl::Variant BufferToVariant(const TuiValueSlots& slots, const uint8_t* buffer) const;
    // Converts value to the type and stores it; when the conversion raises, the buffer is as it was.
    virtual void VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const = 0;
    // Frees what the value holds on the heap (and zeroes its handle).
    virtual void ReleaseValueBuffer(TuiValueSlots& slots, uint8_t* buffer) const;
    // The text that shows a value: its Variant's text, empty when that conversion fails.
    virtual rtl::AnsiString DefaultDisplayText(const TuiValueSlots& slots, const uint8_t* buffer) const;
    // Converts value to the type in place: true for Null, for the Variant type and after a successful conversion;
    // false, with value unchanged, when it cannot be converted.
    bool CoerceVariant(rtl::Variant& value) const;

    // The value's stream form: here the Variant form; the types with a fixed-size value use its bytes.
    virtual void ReadValueFromStream(TuiValueSlots& slots, uint8_t* buffer, TuxStream& stream) const;
    virtual void WriteValueToStream(const TuiValueSlots& slots, const uint8_t* buffer, TuxStream& stream) const;

    // Display texts in text slots: in the wide string form when the stream's block is UTF-16, else in the string form.
    static rtl::AnsiString ReadTextSlot(const TuiValueSlots& slots, const uint8_t* slot);
    static void StoreTextSlot(TuiValueSlots& slots, uint8_t* slot, const rtl::AnsiString& text);
    static void ReleaseTextSlot(TuiValueSlots& slots, uint8_t* slot);
    static void ReadTextFromStream(TuiValueSlots& slots, uint8_t* slot, TuxStream& stream);
    static void WriteTextToStream(const TuiValueSlots& slots, const uint8_t* slot, TuxStream& stream);

protected:
    TuiValueType() = default;
    virtual ~TuiValueType() = default;

    static uint32_t ReadHandle(const uint8_t* buffer);
    static void WriteHandle(uint8_t* buffer, uint32_t handle);
};

// A value type class: nullptr for none.
using TuiValueTypeClass = const TuiValueType*;

} // namespace ui
