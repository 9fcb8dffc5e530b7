#include "ui/data/values/uiReferenceValueTypes.h"

#include "rtl/text/CodePages.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/encoding/uxStream.h"
#include "ui/data/values/uiVariantStreams.h"
#include "ui/data/values/uiVariants.h"

#include <memory>

namespace ui {

namespace {

template <typename T>
int CompareTexts(const T& a, const T& b) {
    const int order = a.compare(b);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

// Absent heap values first, two absent ones equal.
int CompareAbsence(TuiValueReference a, TuiValueReference b) {
    return (a != nullptr) - (b != nullptr);
}

} // namespace

const TuiStringValueType& TuiStringValueType::Instance() {
    static const TuiStringValueType instance{};
    return instance;
}

TuiValueReference TuiStringValueType::ResolveValueBuffer(const TuiValueSlots& slots, const uint8_t* buffer) const {
    return slots.Texts().Find(ReadHandle(buffer));
}

rtl::Variant TuiStringValueType::GetStoredValue(TuiValueReference reference) const {
    const auto* text = static_cast<const rtl::AnsiString*>(reference);
    return text != nullptr ? rtl::Variant::FromAnsiString(*text) : rtl::Variant::Null();
}

int TuiStringValueType::CompareStoredValues(TuiValueReference a, TuiValueReference b) const {
    if (a == nullptr || b == nullptr) {
        return CompareAbsence(a, b);
    }
    return CompareTexts(*static_cast<const rtl::AnsiString*>(a), *static_cast<const rtl::AnsiString*>(b));
}

void TuiStringValueType::VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const {
    StoreTextSlot(slots, buffer, rtl::VarToAnsiStr(value));
}

void TuiStringValueType::ReleaseValueBuffer(TuiValueSlots& slots, uint8_t* buffer) const {
    ReleaseTextSlot(slots, buffer);
}

void TuiStringValueType::ReadValueFromStream(TuiValueSlots& slots, uint8_t* buffer, TuxStream& stream) const {
    ReadTextFromStream(slots, buffer, stream);
}

void TuiStringValueType::WriteValueToStream(const TuiValueSlots& slots, const uint8_t* buffer,
                                            TuxStream& stream) const {
    WriteTextToStream(slots, buffer, stream);
}

const TuiWideStringValueType& TuiWideStringValueType::Instance() {
    static const TuiWideStringValueType instance{};
    return instance;
}

TuiValueReference TuiWideStringValueType::ResolveValueBuffer(const TuiValueSlots& slots, const uint8_t* buffer) const {
    return slots.WideTexts().Find(ReadHandle(buffer));
}

rtl::Variant TuiWideStringValueType::GetStoredValue(TuiValueReference reference) const {
    const auto* text = static_cast<const rtl::UnicodeString*>(reference);
    return text != nullptr && !text->empty() ? rtl::Variant(*text) : rtl::Variant::Null();
}

int TuiWideStringValueType::CompareStoredValues(TuiValueReference a, TuiValueReference b) const {
    static const rtl::UnicodeString absent;
    const auto* textA = static_cast<const rtl::UnicodeString*>(a);
    const auto* textB = static_cast<const rtl::UnicodeString*>(b);
    return CompareTexts(textA != nullptr ? *textA : absent, textB != nullptr ? *textB : absent);
}

void TuiWideStringValueType::VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const {
    rtl::UnicodeString text = rtl::VarToStr(value);
    ReleaseValueBuffer(slots, buffer);
    if (!text.empty()) {
        WriteHandle(buffer, slots.WideTexts().Add(std::make_unique<rtl::UnicodeString>(std::move(text))));
    }
}

void TuiWideStringValueType::ReleaseValueBuffer(TuiValueSlots& slots, uint8_t* buffer) const {
    slots.WideTexts().Remove(ReadHandle(buffer));
    WriteHandle(buffer, 0);
}

void TuiWideStringValueType::ReadValueFromStream(TuiValueSlots& slots, uint8_t* buffer, TuxStream& stream) const {
    VariantToBuffer(slots, buffer, rtl::Variant(ReadStreamWideString(stream)));
}

void TuiWideStringValueType::WriteValueToStream(const TuiValueSlots& slots, const uint8_t* buffer,
                                                TuxStream& stream) const {
    const auto* text = static_cast<const rtl::UnicodeString*>(ResolveValueBuffer(slots, buffer));
    WriteStreamWideString(stream, text != nullptr ? *text : rtl::UnicodeString());
}

const TuiVariantValueType& TuiVariantValueType::Instance() {
    static const TuiVariantValueType instance{};
    return instance;
}

TuiValueReference TuiVariantValueType::ResolveValueBuffer(const TuiValueSlots& slots, const uint8_t* buffer) const {
    return slots.Variants().Find(ReadHandle(buffer));
}

rtl::Variant TuiVariantValueType::GetStoredValue(TuiValueReference reference) const {
    const auto* value = static_cast<const rtl::Variant*>(reference);
    return value != nullptr ? *value : rtl::Variant::Null();
}

int TuiVariantValueType::CompareStoredValues(TuiValueReference a, TuiValueReference b) const {
    if (a == nullptr || b == nullptr) {
        return CompareAbsence(a, b);
    }
    return CompareVariants(*static_cast<const rtl::Variant*>(a), *static_cast<const rtl::Variant*>(b));
}

void TuiVariantValueType::VariantToBuffer(TuiValueSlots& slots, uint8_t* buffer, const rtl::Variant& value) const {
    if (rtl::Variant* stored = slots.Variants().Find(ReadHandle(buffer))) {
        *stored = value;
        return;
    }
    WriteHandle(buffer, slots.Variants().Add(std::make_unique<rtl::Variant>(value)));
}

void TuiVariantValueType::ReleaseValueBuffer(TuiValueSlots& slots, uint8_t* buffer) const {
    slots.Variants().Remove(ReadHandle(buffer));
    WriteHandle(buffer, 0);
}

} // namespace ui
