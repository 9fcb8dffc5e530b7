#include "ui/data/values/uiValueType.h"

#include "rtl/text/CodePages.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/encoding/uxStream.h"
#include "ui/data/values/uiBufferBytes.h"
#include "ui/data/values/uiVariantStreams.h"
#include "ui/data/values/uiVariants.h"

#include <memory>

namespace ui {

rtl::UnicodeString TuiValueType::GetCaption() const {
    rtl::UnicodeString caption(ClassName());
    if (caption.starts_with(u"Tui")) {
        caption.erase(0, 3);
    }
    const size_t suffix = caption.find(u"ValueType");
    if (suffix != rtl::UnicodeString::npos) {
        caption.erase(suffix, 9);
    }
    return caption;
}

TuiValueReference TuiValueType::ResolveValueBuffer(const TuiValueSlots&, const uint8_t* buffer) const {
    return buffer;
}

int TuiValueType::CompareStoredValues(TuiValueReference a, TuiValueReference b) const {
    return CompareVariants(GetStoredValue(a), GetStoredValue(b));
}

int TuiValueType::CompareBuffers(const TuiValueSlots& slots, const uint8_t* a, const uint8_t* b) const {
    return CompareStoredValues(ResolveValueBuffer(slots, a), ResolveValueBuffer(slots, b));
}

rtl::Variant TuiValueType::BufferToVariant(const TuiValueSlots& slots, const uint8_t* buffer) const {
    return GetStoredValue(ResolveValueBuffer(slots, buffer));
}

void TuiValueType::ReleaseValueBuffer(TuiValueSlots&, uint8_t*) const {}

rtl::AnsiString TuiValueType::DefaultDisplayText(const TuiValueSlots& slots, const uint8_t* buffer) const {
    try {
        return rtl::VarToAnsiStr(BufferToVariant(slots, buffer));
    } catch (const rtl::EVariantError&) {
        return {};
    }
}

bool TuiValueType::CoerceVariant(rtl::Variant& value) const {
    if (value.IsNull() || VariantTypeCode() == rtl::varVariant) {
        return true;
    }
    try {
        value = rtl::VarAsType(value, VariantTypeCode());
    } catch (const rtl::EVariantError&) {
        return false;
    }
    return true;
}

void TuiValueType::ReadValueFromStream(TuiValueSlots& slots, uint8_t* buffer, TuxStream& stream) const {
    VariantToBuffer(slots, buffer, ReadStreamVariant(stream));
}

void TuiValueType::WriteValueToStream(const TuiValueSlots& slots, const uint8_t* buffer, TuxStream& stream) const {
    WriteStreamVariant(stream, BufferToVariant(slots, buffer));
}

rtl::AnsiString TuiValueType::ReadTextSlot(const TuiValueSlots& slots, const uint8_t* slot) {
    const rtl::AnsiString* text = slots.Texts().Find(ReadHandle(slot));
    return text != nullptr ? *text : rtl::AnsiString();
}

void TuiValueType::StoreTextSlot(TuiValueSlots& slots, uint8_t* slot, const rtl::AnsiString& text) {
    if (rtl::AnsiString* stored = slots.Texts().Find(ReadHandle(slot))) {
        *stored = text;
        return;
    }
    WriteHandle(slot, slots.Texts().Add(std::make_unique<rtl::AnsiString>(text)));
}

void TuiValueType::ReleaseTextSlot(TuiValueSlots& slots, uint8_t* slot) {
    slots.Texts().Remove(ReadHandle(slot));
    WriteHandle(slot, 0);
}

void TuiValueType::ReadTextFromStream(TuiValueSlots& slots, uint8_t* slot, TuxStream& stream) {
    const rtl::AnsiString text =
        stream.IsWideText() ? rtl::UnicodeToAnsi(ReadStreamWideString(stream)) : ReadStreamString(stream);
    StoreTextSlot(slots, slot, text);
}

void TuiValueType::WriteTextToStream(const TuiValueSlots& slots, const uint8_t* slot, TuxStream& stream) {
    const rtl::AnsiString text = ReadTextSlot(slots, slot);
    if (stream.IsWideText()) {
        WriteStreamWideString(stream, rtl::AnsiToUnicode(text));
    } else {
        WriteStreamString(stream, text);
    }
}

uint32_t TuiValueType::ReadHandle(const uint8_t* buffer) {
    return ReadBufferBytes<uint32_t>(buffer);
}

void TuiValueType::WriteHandle(uint8_t* buffer, uint32_t handle) {
    WriteBufferBytes(buffer, handle);
}

} // namespace ui
