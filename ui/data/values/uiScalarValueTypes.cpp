#include "ui/data/values/uiScalarValueTypes.h"

#include "rtl/numbers/Bcd.h"
#include "rtl/numbers/Extended80.h"
#include "rtl/text/CodePages.h"
#include "rtl/time/DateTimeFormat.h"
#include "rtl/variants/BcdVariant.h"
#include "rtl/variants/SqlTimeStampVariant.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/encoding/uxStream.h"
#include "ui/data/values/uiBufferBytes.h"
#include "ui/data/values/uiVariantStreams.h"

#include <array>
#include <cmath>
#include <cstring>

namespace ui {

namespace {

template <typename T>
T StoredAs(TuiValueReference reference) {
    return ReadBufferBytes<T>(static_cast<const uint8_t*>(reference));
}

template <typename T>
int CompareOrdered(T a, T b) {
    return a < b ? -1 : b < a ? 1 : 0;
}

// Not-a-number first, so the order stays total when a stream brought one in.
int CompareFloats(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) {
        return CompareOrdered(!std::isnan(a), !std::isnan(b));
    }
    return CompareOrdered(a, b);
}

template <typename T>
int CompareDifference(TuiValueReference a, TuiValueReference b) {
    return static_cast<int>(StoredAs<T>(a)) - static_cast<int>(StoredAs<T>(b));
}

} // namespace

void TuiFixedSizeValueType::ReadValueFromStream(TuiValueSlots&, uint8_t* buffer, TuxStream& stream) const {
    // Read aside first: a stream that ends early leaves the value as it was.
    std::array<uint8_t, sizeof(int64_t)> bytes{};
    stream.ReadBuffer(bytes.data(), ValueSize());
    std::memcpy(buffer, bytes.data(), static_cast<size_t>(ValueSize()));
}

void TuiFixedSizeValueType::WriteValueToStream(const TuiValueSlots&, const uint8_t* buffer, TuxStream& stream) const {
    stream.WriteBuffer(buffer, ValueSize());
}

const TuiSmallintValueType& TuiSmallintValueType::Instance() {
    static const TuiSmallintValueType instance{};
    return instance;
}

rtl::Variant TuiSmallintValueType::GetStoredValue(TuiValueReference reference) const {
    return rtl::Variant(StoredAs<int16_t>(reference));
}

int TuiSmallintValueType::CompareStoredValues(TuiValueReference a, TuiValueReference b) const {
    return CompareDifference<int16_t>(a, b);
}

void TuiSmallintValueType::VariantToBuffer(TuiValueSlots&, uint8_t* buffer, const rtl::Variant& value) const {
    WriteBufferBytes(buffer, static_cast<int16_t>(rtl::VarAsType(value, rtl::varSmallint).StoredSigned()));
}

const TuiIntegerValueType& TuiIntegerValueType::Instance() {
    static const TuiIntegerValueType instance{};
    return instance;
}

rtl::Variant TuiIntegerValueType::GetStoredValue(TuiValueReference reference) const {
    return rtl::Variant(StoredAs<int32_t>(reference));
}

int TuiIntegerValueType::CompareStoredValues(TuiValueReference a, TuiValueReference b) const {
    return CompareOrdered(StoredAs<int32_t>(a), StoredAs<int32_t>(b));
}

void TuiIntegerValueType::VariantToBuffer(TuiValueSlots&, uint8_t* buffer, const rtl::Variant& value) const {
    WriteBufferBytes(buffer, rtl::VarToInteger(value));
}

const TuiWordValueType& TuiWordValueType::Instance() {
    static const TuiWordValueType instance{};
    return instance;
}

rtl::Variant TuiWordValueType::GetStoredValue(TuiValueReference reference) const {
    return rtl::Variant(StoredAs<uint16_t>(reference));
}

int TuiWordValueType::CompareStoredValues(TuiValueReference a, TuiValueReference b) const {
    return CompareDifference<uint16_t>(a, b);
}

void TuiWordValueType::VariantToBuffer(TuiValueSlots&, uint8_t* buffer, const rtl::Variant& value) const {
    WriteBufferBytes(buffer, static_cast<uint16_t>(rtl::VarAsType(value, rtl::varWord).StoredUnsigned()));
}

const TuiBooleanValueType& TuiBooleanValueType::Instance() {
    static const TuiBooleanValueType instance{};
    return instance;
}

rtl::Variant TuiBooleanValueType::GetStoredValue(TuiValueReference reference) const {
    return rtl::Variant(StoredAs<uint8_t>(reference) != 0);
}

int TuiBooleanValueType::CompareStoredValues(TuiValueReference a, TuiValueReference b) const {
    return CompareDifference<uint8_t>(a, b);
}

void TuiBooleanValueType::VariantToBuffer(TuiValueSlots&, uint8_t* buffer, const rtl::Variant& value) const {
    WriteBufferBytes(buffer, static_cast<uint8_t>(rtl::VarToBoolean(value) ? 1 : 0));
}

void TuiBooleanValueType::ReadValueFromStream(TuiValueSlots&, uint8_t* buffer, TuxStream& stream) const {
    WriteBufferBytes(buffer, static_cast<uint8_t>(ReadStreamBoolean(stream) ? 1 : 0));
}

const TuiFloatValueType& TuiFloatValueType::Instance() {
    static const TuiFloatValueType instance{};
    return instance;
}

rtl::Variant TuiFloatValueType::GetStoredValue(TuiValueReference reference) const {
    return rtl::Variant(StoredAs<double>(reference));
}

int TuiFloatValueType::CompareStoredValues(TuiValueReference a, TuiValueReference b) const {
    return CompareFloats(StoredAs<double>(a), StoredAs<double>(b));
}

void TuiFloatValueType::VariantToBuffer(TuiValueSlots&, uint8_t* buffer, const rtl::Variant& value) const {
    WriteBufferBytes(buffer, rtl::VarToDouble(value));
}

void TuiFloatValueType::ReadValueFromStream(TuiValueSlots&, uint8_t* buffer, TuxStream& stream) const {
    rtl::TExtended80Bytes bytes;
    stream.ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    WriteBufferBytes(buffer, rtl::Extended80ToDouble(bytes));
}

void TuiFloatValueType::WriteValueToStream(const TuiValueSlots&, const uint8_t* buffer, TuxStream& stream) const {
    WriteStreamExtended(stream, ReadBufferBytes<double>(buffer));
}

const TuiCurrencyValueType& TuiCurrencyValueType::Instance() {
    static const TuiCurrencyValueType instance{};
    return instance;
}

rtl::Variant TuiCurrencyValueType::GetStoredValue(TuiValueReference reference) const {
    return rtl::Variant(rtl::Currency::FromScaled(StoredAs<int64_t>(reference)));
}

int TuiCurrencyValueType::CompareStoredValues(TuiValueReference a, TuiValueReference b) const {
    return CompareOrdered(StoredAs<int64_t>(a), StoredAs<int64_t>(b));
}

void TuiCurrencyValueType::VariantToBuffer(TuiValueSlots&, uint8_t* buffer, const rtl::Variant& value) const {
    WriteBufferBytes(buffer, rtl::VarToCurrency(value).Scaled());
}

const TuiDateTimeValueType& TuiDateTimeValueType::Instance() {
    static const TuiDateTimeValueType instance{};
    return instance;
}

rtl::Variant TuiDateTimeValueType::GetStoredValue(TuiValueReference reference) const {
    return rtl::Variant::FromDateTime(StoredAs<double>(reference));
}

int TuiDateTimeValueType::CompareStoredValues(TuiValueReference a, TuiValueReference b) const {
    return CompareFloats(StoredAs<double>(a), StoredAs<double>(b));
}

void TuiDateTimeValueType::VariantToBuffer(TuiValueSlots&, uint8_t* buffer, const rtl::Variant& value) const {
    WriteBufferBytes(buffer, rtl::VarToDateTime(value));
}

rtl::AnsiString TuiDateTimeValueType::DefaultDisplayText(const TuiValueSlots& slots, const uint8_t* buffer) const {
    try {
        return rtl::VarToAnsiStr(BufferToVariant(slots, buffer));
    } catch (const rtl::EVariantError&) {
        return rtl::UnicodeToAnsi(rtl::DateTimeToStr(ReadBufferBytes<double>(buffer)));
    }
}

const TuiLargeIntValueType& TuiLargeIntValueType::Instance() {
    static const TuiLargeIntValueType instance{};
    return instance;
}

rtl::Variant TuiLargeIntValueType::GetStoredValue(TuiValueReference reference) const {
    return rtl::Variant(StoredAs<int64_t>(reference));
}

int TuiLargeIntValueType::CompareStoredValues(TuiValueReference a, TuiValueReference b) const {
    return CompareOrdered(StoredAs<int64_t>(a), StoredAs<int64_t>(b));
}

void TuiLargeIntValueType::VariantToBuffer(TuiValueSlots&, uint8_t* buffer, const rtl::Variant& value) const {
    WriteBufferBytes(buffer, rtl::VarToInt64(value));
}

const TuiFMTBcdValueType& TuiFMTBcdValueType::Instance() {
    static const TuiFMTBcdValueType instance{};
    return instance;
}

rtl::TVarType TuiFMTBcdValueType::VariantTypeCode() const {
    return rtl::VarFMTBcd();
}

rtl::Variant TuiFMTBcdValueType::GetStoredValue(TuiValueReference reference) const {
    return rtl::VarFMTBcdCreate(StoredAs<rtl::TBcd>(reference));
}

int TuiFMTBcdValueType::CompareStoredValues(TuiValueReference a, TuiValueReference b) const {
    return rtl::BcdCompare(StoredAs<rtl::TBcd>(a), StoredAs<rtl::TBcd>(b));
}

void TuiFMTBcdValueType::VariantToBuffer(TuiValueSlots&, uint8_t* buffer, const rtl::Variant& value) const {
    WriteBufferBytes(buffer, rtl::VarToBcd(value));
}

rtl::AnsiString TuiFMTBcdValueType::DefaultDisplayText(const TuiValueSlots&, const uint8_t* buffer) const {
    return rtl::UnicodeToAnsi(rtl::BcdToStrF(ReadBufferBytes<rtl::TBcd>(buffer), rtl::TFloatFormat::ffGeneral, 0, 0));
}

const TuiSQLTimeStampValueType& TuiSQLTimeStampValueType::Instance() {
    static const TuiSQLTimeStampValueType instance{};
    return instance;
}

rtl::TVarType TuiSQLTimeStampValueType::VariantTypeCode() const {
    return rtl::VarSQLTimeStamp();
}

rtl::Variant TuiSQLTimeStampValueType::GetStoredValue(TuiValueReference reference) const {
    return rtl::VarAsType(rtl::VarSQLTimeStampCreate(StoredAs<rtl::TSQLTimeStamp>(reference)), rtl::varDate);
}

int TuiSQLTimeStampValueType::CompareStoredValues(TuiValueReference a, TuiValueReference b) const {
    return rtl::CompareSQLTimeStamps(StoredAs<rtl::TSQLTimeStamp>(a), StoredAs<rtl::TSQLTimeStamp>(b));
}

void TuiSQLTimeStampValueType::VariantToBuffer(TuiValueSlots&, uint8_t* buffer, const rtl::Variant& value) const {
    WriteBufferBytes(buffer, rtl::VarToSQLTimeStamp(value));
}

const TuiObjectValueType& TuiObjectValueType::Instance() {
    static const TuiObjectValueType instance{};
    return instance;
}

void TuiObjectValueType::ReleaseValueBuffer(TuiValueSlots& slots, uint8_t* buffer) const {
    slots.Objects().Remove(ReadHandle(buffer));
    WriteHandle(buffer, 0);
}

void TuiObjectValueType::ReadValueFromStream(TuiValueSlots&, uint8_t*, TuxStream&) const {}

void TuiObjectValueType::WriteValueToStream(const TuiValueSlots&, const uint8_t*, TuxStream&) const {}

} // namespace ui
