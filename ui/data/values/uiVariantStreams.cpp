#include "ui/data/values/uiVariantStreams.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/Extended80.h"
#include "rtl/variants/SqlTimeStampVariant.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/core/encoding/uxStream.h"
#include "ui/data/common/uiDataConsts.h"

#include <limits>
#include <vector>

namespace ui {

namespace {

// The kind bytes of the Variant form.
enum TuiStreamVariantKind : uint8_t {
    svkNull = 0,
    svkArray = 1,
    svkShortInt = 2,
    svkSmallInt = 3,
    svkInteger = 4,
    svkDouble = 5,
    svkShortString = 6,
    svkFalse = 8,
    svkTrue = 9,
    svkLongString = 12,
    svkEmpty = 13,
    svkSingle = 15,
    svkCurrency = 16,
    svkDate = 17,
    svkWideString = 18,
    svkLargeInt = 19,
};

constexpr size_t MaxShortStringLength = 255;

// Both targets are little-endian, so the fixed-size forms are the values' own bytes.
template <typename T>
T ReadFixed(rtl::TStream& stream) {
    T value;
    stream.ReadBuffer(&value, sizeof(T));
    return value;
}

template <typename T>
void WriteFixed(rtl::TStream& stream, T value) {
    stream.WriteBuffer(&value, sizeof(T));
}

// Fails unless count items of itemSize bytes remain to be read and fit one transfer.
void CheckAvailable(rtl::TStream& stream, int64_t count, int64_t itemSize = 1) {
    if (count < 0 || count > std::numeric_limits<int32_t>::max() / itemSize ||
        count * itemSize > stream.Size() - stream.Position()) {
        RaiseDataReadError();
    }
}

rtl::AnsiString ReadBytes(rtl::TStream& stream, int64_t count) {
    CheckAvailable(stream, count);
    rtl::AnsiString bytes(static_cast<size_t>(count), '\0');
    stream.ReadBuffer(bytes.data(), static_cast<int32_t>(count));
    return bytes;
}

int32_t CheckedLength(size_t length) {
    if (length > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
        RaiseDataWriteError();
    }
    return static_cast<int32_t>(length);
}

void WriteCompactInteger(rtl::TStream& stream, int64_t value) {
    if (value >= std::numeric_limits<int8_t>::min() && value <= std::numeric_limits<int8_t>::max()) {
        WriteStreamByte(stream, svkShortInt);
        WriteFixed(stream, static_cast<int8_t>(value));
    } else if (value >= std::numeric_limits<int16_t>::min() && value <= std::numeric_limits<int16_t>::max()) {
        WriteStreamByte(stream, svkSmallInt);
        WriteFixed(stream, static_cast<int16_t>(value));
    } else if (value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max()) {
        WriteStreamByte(stream, svkInteger);
        WriteFixed(stream, static_cast<int32_t>(value));
    } else {
        WriteStreamByte(stream, svkLargeInt);
        WriteFixed(stream, value);
    }
}

// An array's element count: its kind byte gives the width (any kind but 2, 3 and 4 means 8 bytes). Every element
// takes at least its kind byte, so a count beyond the bytes left cannot be true.
int32_t ReadArrayCount(rtl::TStream& stream) {
    int64_t count = 0;
    switch (ReadStreamByte(stream)) {
    case svkShortInt:
        count = ReadFixed<int8_t>(stream);
        break;
    case svkSmallInt:
        count = ReadFixed<int16_t>(stream);
        break;
    case svkInteger:
        count = ReadFixed<int32_t>(stream);
        break;
    default:
        count = ReadFixed<int64_t>(stream);
        break;
    }
    CheckAvailable(stream, count);
    return static_cast<int32_t>(count);
}

void WriteAnsiText(rtl::TStream& stream, std::string_view text) {
    if (text.size() <= MaxShortStringLength) {
        WriteStreamByte(stream, svkShortString);
        WriteStreamByte(stream, static_cast<uint8_t>(text.size()));
        stream.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
    } else {
        WriteStreamByte(stream, svkLongString);
        WriteStreamString(stream, text);
    }
}

rtl::Variant ReadVariantAt(rtl::TStream& stream, int32_t depth);

rtl::Variant ReadArray(rtl::TStream& stream, int32_t depth) {
    if (depth >= MaxStreamVariantDepth) {
        RaiseDataReadError();
    }
    const int32_t count = ReadArrayCount(stream);
    // The elements are read before the array is made: what is allocated never runs ahead of the bytes read.
    std::vector<rtl::Variant> elements;
    for (int32_t i = 0; i < count; ++i) {
        elements.push_back(ReadVariantAt(stream, depth + 1));
    }
    rtl::Variant array = rtl::Variant::CreateArray(0, count - 1, rtl::varVariant);
    for (int32_t i = 0; i < count; ++i) {
        array.SetArrayElement(i, elements[static_cast<size_t>(i)]);
    }
    return array;
}

rtl::Variant ReadVariantAt(rtl::TStream& stream, int32_t depth) {
    switch (ReadStreamByte(stream)) {
    case svkNull:
        return rtl::Variant::Null();
    case svkArray:
        return ReadArray(stream, depth);
    case svkShortInt:
        return rtl::Variant(ReadFixed<int8_t>(stream));
    case svkSmallInt:
        return rtl::Variant(ReadStreamSmallInt(stream));
    case svkInteger:
        return rtl::Variant(ReadStreamInteger(stream));
    case svkDouble:
        return rtl::Variant(static_cast<double>(ReadStreamExtended(stream)));
    case svkShortString:
        return rtl::Variant::FromAnsiString(ReadBytes(stream, ReadStreamByte(stream)));
    case svkFalse:
        return rtl::Variant(false);
    case svkTrue:
        return rtl::Variant(true);
    case svkLongString:
        return rtl::Variant::FromAnsiString(ReadStreamString(stream));
    case svkEmpty:
        return rtl::Variant();
    case svkSingle:
        return rtl::Variant(ReadFixed<float>(stream));
    case svkCurrency:
        return rtl::Variant(ReadStreamCurrency(stream));
    case svkDate:
        return rtl::Variant::FromDateTime(ReadStreamDateTime(stream));
    case svkWideString:
        return rtl::Variant(ReadStreamWideString(stream));
    case svkLargeInt:
        return rtl::Variant(ReadStreamLargeInt(stream));
    default:
        RaiseDataReadError();
    }
}

void WriteVariantAt(rtl::TStream& stream, const rtl::Variant& value, int32_t depth);

void WriteArray(rtl::TStream& stream, const rtl::Variant& value, int32_t depth) {
    if (depth >= MaxStreamVariantDepth) {
        RaiseDataWriteError();
    }
    WriteStreamByte(stream, svkArray);
    WriteCompactInteger(stream, value.ArrayCount());
    for (int32_t i = value.ArrayLowBound(); i <= value.ArrayHighBound(); ++i) {
        WriteVariantAt(stream, value.ArrayElement(i), depth + 1);
    }
}

// A value of a kind the form does not name: a SQL time stamp as its date-time, anything else as its text.
void WriteOtherVariant(rtl::TStream& stream, const rtl::Variant& value) {
    if (rtl::VarIsSQLTimeStamp(value)) {
        WriteStreamByte(stream, svkDate);
        WriteStreamDateTime(stream, rtl::VarToDateTime(value));
        return;
    }
    rtl::AnsiString text;
    try {
        text = rtl::VarToAnsiStr(value);
    } catch (const rtl::Exception&) {
        RaiseDataWriteError();
    }
    WriteAnsiText(stream, text);
}

void WriteVariantAt(rtl::TStream& stream, const rtl::Variant& value, int32_t depth) {
    if (value.IsArray()) {
        WriteArray(stream, value, depth);
        return;
    }
    switch (value.VarType() & rtl::varTypeMask) {
    case rtl::varEmpty:
        WriteStreamByte(stream, svkEmpty);
        break;
    case rtl::varNull:
        WriteStreamByte(stream, svkNull);
        break;
    case rtl::varSmallint:
    case rtl::varInteger:
    case rtl::varShortInt:
    case rtl::varInt64:
        WriteCompactInteger(stream, value.StoredSigned());
        break;
    case rtl::varByte:
    case rtl::varWord:
    case rtl::varLongWord:
        WriteCompactInteger(stream, static_cast<int64_t>(value.StoredUnsigned()));
        break;
    case rtl::varSingle:
        WriteStreamByte(stream, svkSingle);
        WriteFixed(stream, value.StoredSingle());
        break;
    case rtl::varDouble:
        WriteStreamByte(stream, svkDouble);
        WriteStreamExtended(stream, value.StoredDouble());
        break;
    case rtl::varCurrency:
        WriteStreamByte(stream, svkCurrency);
        WriteStreamCurrency(stream, value.StoredCurrency());
        break;
    case rtl::varDate:
        WriteStreamByte(stream, svkDate);
        WriteStreamDateTime(stream, value.StoredDouble());
        break;
    case rtl::varOleStr:
        WriteStreamByte(stream, svkWideString);
        WriteStreamWideString(stream, value.StoredOleStr());
        break;
    case rtl::varBoolean:
        WriteStreamByte(stream, value.StoredBoolean() ? svkTrue : svkFalse);
        break;
    case rtl::varString:
        WriteAnsiText(stream, value.StoredAnsiString());
        break;
    default:
        WriteOtherVariant(stream, value);
        break;
    }
}

} // namespace

void RaiseDataReadError() {
    throw rtl::EReadError(LoadResStringText(uiSDataReadError));
}

void RaiseDataWriteError() {
    throw rtl::EWriteError(LoadResStringText(uiSDataWriteError));
}

rtl::AnsiString ReadStreamString(rtl::TStream& stream) {
    return ReadBytes(stream, ReadStreamInteger(stream));
}

void WriteStreamString(rtl::TStream& stream, std::string_view value) {
    const int32_t length = CheckedLength(value.size());
    WriteStreamInteger(stream, length);
    stream.WriteBuffer(value.data(), length);
}

rtl::UnicodeString ReadStreamWideString(rtl::TStream& stream) {
    const int32_t count = ReadStreamInteger(stream);
    CheckAvailable(stream, count, sizeof(char16_t));
    rtl::UnicodeString value(static_cast<size_t>(count), u'\0');
    stream.ReadBuffer(value.data(), count * static_cast<int32_t>(sizeof(char16_t)));
    return value;
}

void WriteStreamWideString(rtl::TStream& stream, rtl::UnicodeStringView value) {
    const int32_t count = CheckedLength(value.size());
    if (count > std::numeric_limits<int32_t>::max() / static_cast<int32_t>(sizeof(char16_t))) {
        RaiseDataWriteError();
    }
    WriteStreamInteger(stream, count);
    stream.WriteBuffer(value.data(), count * static_cast<int32_t>(sizeof(char16_t)));
}

bool ReadStreamBoolean(rtl::TStream& stream) {
    return ReadStreamByte(stream) != 0;
}

void WriteStreamBoolean(rtl::TStream& stream, bool value) {
    WriteStreamByte(stream, value ? 1 : 0);
}

uint8_t ReadStreamByte(rtl::TStream& stream) {
    return ReadFixed<uint8_t>(stream);
}

void WriteStreamByte(rtl::TStream& stream, uint8_t value) {
    WriteFixed(stream, value);
}

int16_t ReadStreamSmallInt(rtl::TStream& stream) {
    return ReadFixed<int16_t>(stream);
}

void WriteStreamSmallInt(rtl::TStream& stream, int16_t value) {
    WriteFixed(stream, value);
}

uint16_t ReadStreamWord(rtl::TStream& stream) {
    return ReadFixed<uint16_t>(stream);
}

void WriteStreamWord(rtl::TStream& stream, uint16_t value) {
    WriteFixed(stream, value);
}

int32_t ReadStreamInteger(rtl::TStream& stream) {
    return ReadFixed<int32_t>(stream);
}

void WriteStreamInteger(rtl::TStream& stream, int32_t value) {
    WriteFixed(stream, value);
}

int64_t ReadStreamLargeInt(rtl::TStream& stream) {
    return ReadFixed<int64_t>(stream);
}

void WriteStreamLargeInt(rtl::TStream& stream, int64_t value) {
    WriteFixed(stream, value);
}

long double ReadStreamExtended(rtl::TStream& stream) {
    return rtl::UnpackExtended80(ReadFixed<rtl::TExtended80Bytes>(stream));
}

void WriteStreamExtended(rtl::TStream& stream, long double value) {
    WriteFixed(stream, rtl::PackExtended80(value));
}

rtl::Currency ReadStreamCurrency(rtl::TStream& stream) {
    return rtl::Currency::FromScaled(ReadStreamLargeInt(stream));
}

void WriteStreamCurrency(rtl::TStream& stream, rtl::Currency value) {
    WriteStreamLargeInt(stream, value.Scaled());
}

rtl::TDateTime ReadStreamDateTime(rtl::TStream& stream) {
    return ReadFixed<double>(stream);
}

void WriteStreamDateTime(rtl::TStream& stream, rtl::TDateTime value) {
    WriteFixed(stream, value);
}

rtl::Variant ReadStreamVariant(rtl::TStream& stream) {
    return ReadVariantAt(stream, 0);
}

void WriteStreamVariant(rtl::TStream& stream, const rtl::Variant& value) {
    WriteVariantAt(stream, value, 0);
}

TuiFiler::TuiFiler(rtl::TStream& stream) : FIsWideText(ReadStreamFormatMarker(stream)), FStream(stream) {}

} // namespace ui
