#include "rtl/io/Filer.h"

#include "rtl/core/Collection.h"
#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "rtl/text/CodePages.h"
#include "rtl/text/Format.h"

#include <limits>
#include <utility>

namespace rtl {

namespace {

enum TValueKind : uint8_t {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaBinary = 10,
    vaCollection = 14,
};

constexpr size_t MaxNameBytes = 255;
// Collections inside collections' items: deeper than any object model needs.
constexpr int32_t MaxPropertyDepth = 16;

constexpr char16_t PropertyMissing[] = u"Error reading property: property %s does not exist";
constexpr char16_t InvalidPropertyValue[] = u"Invalid property value";
constexpr char16_t PropertyNameTooLong[] = u"Property name too long: %s";
constexpr char16_t PropertiesTooDeep[] = u"Properties nested too deeply";

} // namespace

void TWriter::WriteByte(uint8_t value) {
    FStream.WriteBuffer(&value, 1);
}

void TWriter::WriteName(UnicodeStringView name) {
    const std::string bytes = UnicodeToUtf8(name);
    if (bytes.empty() || bytes.size() > MaxNameBytes) {
        throw EWriteError(Format(PropertyNameTooLong, {UnicodeString(name)}));
    }
    WriteByte(static_cast<uint8_t>(bytes.size()));
    FStream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}

void TWriter::WriteProperties(TPersistent& instance, const TPersistent* ancestor) {
    const TPersistent* outer = std::exchange(FAncestor, ancestor);
    instance.DefineProperties(*this);
    FAncestor = outer;
    WriteByte(vaNull);
}

void TWriter::DefineProperty(UnicodeStringView name, const TReaderProc&, const TWriterProc& write, bool hasData) {
    if (hasData) {
        WriteName(name);
        write(*this);
    }
}

void TWriter::DefineBinaryProperty(UnicodeStringView name, const TStreamProc&, const TStreamProc& write, bool hasData) {
    if (!hasData) {
        return;
    }
    TMemoryStream data;
    write(data);
    if (data.Size() > std::numeric_limits<int32_t>::max()) {
        throw EWriteError(RtlMessages::StreamWriteError);
    }
    WriteName(name);
    WriteByte(vaBinary);
    const auto size = static_cast<uint32_t>(data.Size());
    const uint8_t length[4] = {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8),
                               static_cast<uint8_t>(size >> 16), static_cast<uint8_t>(size >> 24)};
    FStream.WriteBuffer(length, 4);
    FStream.WriteBuffer(data.Memory(), static_cast<int32_t>(size));
}

void TWriter::WriteInteger(int32_t value) {
    const auto bytes = static_cast<uint32_t>(value);
    const int count = value >= -128 && value <= 127 ? 1 : value >= -32768 && value <= 32767 ? 2 : 4;
    WriteByte(count == 1 ? vaInt8 : count == 2 ? vaInt16 : vaInt32);
    for (int i = 0; i < count; ++i) {
        WriteByte(static_cast<uint8_t>(bytes >> (8 * i)));
    }
}

void TWriter::WriteCollection(TCollection& collection) {
    WriteByte(vaCollection);
    for (int32_t i = 0; i < collection.Count(); ++i) {
        WriteByte(vaList);
        WriteProperties(*collection.Items(i));
    }
    WriteByte(vaNull);
}

uint8_t TReader::ReadByte() {
    uint8_t value = 0;
    FStream.ReadBuffer(&value, 1);
    return value;
}

void TReader::ReadValueKind(uint8_t expected) {
    if (ReadByte() != expected) {
        throw EReadError(InvalidPropertyValue);
    }
}

void TReader::ReadProperties(TPersistent& instance) {
    if (FDepth >= MaxPropertyDepth) {
        throw EReadError(PropertiesTooDeep);
    }
    // A collection's items are read inside the property that holds it.
    const UnicodeString outerName = FPropertyName;
    const bool outerRead = FPropertyRead;
    ++FDepth;
    try {
        for (uint8_t length = ReadByte(); length != 0; length = ReadByte()) {
            std::string name(length, '\0');
            FStream.ReadBuffer(name.data(), length);
            const UnicodeString property = Utf8ToUnicode(name);
            FPropertyName = property;
            FPropertyRead = false;
            instance.DefineProperties(*this);
            if (!FPropertyRead) {
                throw EReadError(Format(PropertyMissing, {property}));
            }
        }
    } catch (...) {
        --FDepth;
        throw;
    }
    --FDepth;
    FPropertyName = outerName;
    FPropertyRead = outerRead;
}

void TReader::DefineProperty(UnicodeStringView name, const TReaderProc& read, const TWriterProc&, bool) {
    if (!FPropertyRead && name == FPropertyName) {
        FPropertyRead = true;
        read(*this);
    }
}

void TReader::DefineBinaryProperty(UnicodeStringView name, const TStreamProc& read, const TStreamProc&, bool) {
    if (FPropertyRead || name != FPropertyName) {
        return;
    }
    FPropertyRead = true;
    ReadValueKind(vaBinary);
    uint8_t length[4] = {};
    FStream.ReadBuffer(length, 4);
    const uint32_t size = length[0] | length[1] << 8 | length[2] << 16 | static_cast<uint32_t>(length[3]) << 24;
    if (size > FStream.Size() - FStream.Position()) {
        throw EReadError(RtlMessages::StreamReadError);
    }
    TMemoryStream data;
    data.CopyFrom(FStream, size);
    data.SetPosition(0);
    read(data);
}

int32_t TReader::ReadInteger() {
    const uint8_t kind = ReadByte();
    const int count = kind == vaInt8 ? 1 : kind == vaInt16 ? 2 : kind == vaInt32 ? 4 : 0;
    if (count == 0) {
        throw EReadError(InvalidPropertyValue);
    }
    uint32_t bytes = 0;
    for (int i = 0; i < count; ++i) {
        bytes |= static_cast<uint32_t>(ReadByte()) << (8 * i);
    }
    // Sign-extended from the width written.
    const int shift = 32 - 8 * count;
    return static_cast<int32_t>(bytes << shift) >> shift;
}

void TReader::ReadCollection(TCollection& collection) {
    ReadValueKind(vaCollection);
    collection.BeginUpdate();
    try {
        collection.Clear();
        for (uint8_t marker = ReadByte(); marker != vaNull; marker = ReadByte()) {
            if (marker != vaList) {
                throw EReadError(InvalidPropertyValue);
            }
            ReadProperties(*collection.Add());
        }
    } catch (...) {
        collection.EndUpdate();
        throw;
    }
    collection.EndUpdate();
}

} // namespace rtl
