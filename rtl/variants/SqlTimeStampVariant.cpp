#include "rtl/variants/SqlTimeStampVariant.h"

#include "rtl/variants/CustomVariantType.h"
#include "rtl/variants/VariantConversions.h"

namespace rtl {

namespace {

class TSQLTimeStampVariantValue : public TCustomVariantValue {
public:
    explicit TSQLTimeStampVariantValue(const TSQLTimeStamp& value) : FValue(value) {}
    std::unique_ptr<TCustomVariantValue> Clone() const override {
        return std::make_unique<TSQLTimeStampVariantValue>(FValue);
    }
    const TSQLTimeStamp& Value() const { return FValue; }

private:
    TSQLTimeStamp FValue;
};

const TSQLTimeStamp& StoredSQLTimeStamp(const Variant& value) {
    return static_cast<const TSQLTimeStampVariantValue&>(value.StoredCustom()).Value();
}

class TSQLTimeStampVariantType : public TCustomVariantType {
public:
    TSQLTimeStampVariantType() : TCustomVariantType(u"SQLTimeStamp") {}

    Variant CastTo(const Variant& source, TVarType target) const override {
        TDateTime dateTime = 0;
        if (!TrySQLTimeStampToDateTime(StoredSQLTimeStamp(source), dateTime)) {
            detail::RaiseVariantCastError(source.VarType(), target);
        }
        return VarAsType(Variant::FromDateTime(dateTime), target);
    }

    Variant CastFrom(const Variant& source) const override {
        TSQLTimeStamp value;
        if (!TryDateTimeToSQLTimeStamp(VarToDateTime(source), value)) {
            detail::RaiseVariantOverflow(source.VarType(), VarType());
        }
        return VarSQLTimeStampCreate(value);
    }

    int Compare(const Variant& left, const Variant& right) const override {
        return CompareSQLTimeStamps(StoredSQLTimeStamp(left), StoredSQLTimeStamp(right));
    }
};

const TSQLTimeStampVariantType& SQLTimeStampVariantType() {
    static const TSQLTimeStampVariantType type;
    return type;
}

} // namespace

bool TryDateTimeToSQLTimeStamp(TDateTime value, TSQLTimeStamp& result) {
    const TDateParts date = DecodeDate(value);
    if (date.Year == 0) {
        return false;
    }
    const TTimeParts time = DecodeTime(value);
    result.Year = static_cast<int16_t>(date.Year);
    result.Month = static_cast<uint16_t>(date.Month);
    result.Day = static_cast<uint16_t>(date.Day);
    result.Hour = static_cast<uint16_t>(time.Hour);
    result.Minute = static_cast<uint16_t>(time.Minute);
    result.Second = static_cast<uint16_t>(time.Second);
    result.Fractions = static_cast<uint32_t>(time.Millisecond);
    return true;
}

bool TrySQLTimeStampToDateTime(const TSQLTimeStamp& value, TDateTime& result) {
    if (value.Fractions >= static_cast<uint32_t>(MSecsPerSecond)) {
        return false;
    }
    return TryEncodeDateTime({value.Year, value.Month, value.Day},
                             {value.Hour, value.Minute, value.Second, static_cast<int32_t>(value.Fractions)}, result);
}

int CompareSQLTimeStamps(const TSQLTimeStamp& left, const TSQLTimeStamp& right) {
    const int64_t differences[] = {
        int64_t{left.Year} - right.Year,
        int64_t{left.Month} - right.Month,
        int64_t{left.Day} - right.Day,
        int64_t{left.Hour} - right.Hour,
        int64_t{left.Minute} - right.Minute,
        int64_t{left.Second} - right.Second,
        int64_t{left.Fractions} - right.Fractions,
    };
    for (const int64_t difference : differences) {
        if (difference != 0) {
            return difference < 0 ? -1 : 1;
        }
    }
    return 0;
}

TVarType VarSQLTimeStamp() {
    return SQLTimeStampVariantType().VarType();
}

Variant VarSQLTimeStampCreate(const TSQLTimeStamp& value) {
    return Variant::FromCustom(VarSQLTimeStamp(), std::make_unique<TSQLTimeStampVariantValue>(value));
}

bool VarIsSQLTimeStamp(const Variant& value) {
    return value.VarType() == VarSQLTimeStamp();
}

TSQLTimeStamp VarToSQLTimeStamp(const Variant& value) {
    return StoredSQLTimeStamp(VarAsType(value, VarSQLTimeStamp()));
}

} // namespace rtl
