#pragma once
// Property streams: the properties a persistent defines for form data (TPersistent::DefineProperties), written to and
// read from a binary stream. A persistent defines each property by name with the procedures that read and write its
// value and whether it has a value worth writing; the writer asks for every property and writes those with data, the
// reader reads a name and asks the persistent's definitions for the one that reads it.
//
// The stream: a list of properties, each its name (one length byte, 1 to 255, then the UTF-8 bytes) and its value,
// the list closed by a zero byte. A value starts with its kind: 2, 3 or 4 an integer of 1, 2 or 4 bytes; 10 binary
// data (a 32-bit length, then the bytes); 14 a collection (each item a byte 1 and the item's property list, the items
// closed by a zero byte). Integers are little-endian. Read as hostile input: lengths are checked against what the
// stream holds, a name no definition reads or a value of another kind raises EReadError.

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <functional>

namespace rtl {

class TCollection;
class TPersistent;
class TReader;
class TStream;
class TWriter;

using TReaderProc = std::function<void(TReader& reader)>;
using TWriterProc = std::function<void(TWriter& writer)>;
using TStreamProc = std::function<void(TStream& stream)>;

// What DefineProperties talks to, reading or writing.
class TFiler {
public:
    explicit TFiler(TStream& stream) : FStream(stream) {}
    virtual ~TFiler() = default;
    TFiler(const TFiler&) = delete;
    TFiler& operator=(const TFiler&) = delete;

    virtual bool IsReading() const = 0;
    // What the properties are written against (an inherited form's object), nullptr for none: a property equal to the
    // ancestor's has no data to write.
    const TPersistent* Ancestor() const { return FAncestor; }

    // A property whose value read reads and write writes (one value each).
    virtual void DefineProperty(UnicodeStringView name, const TReaderProc& read, const TWriterProc& write,
                                bool hasData) = 0;
    // A property of binary data: read receives a stream of the data, write writes the data into one.
    virtual void DefineBinaryProperty(UnicodeStringView name, const TStreamProc& read, const TStreamProc& write,
                                      bool hasData) = 0;

protected:
    TStream& FStream;
    const TPersistent* FAncestor = nullptr;
};

class TWriter final : public TFiler {
public:
    using TFiler::TFiler;

    bool IsReading() const override { return false; }
    // The property list of instance, written against ancestor (nullptr: none).
    void WriteProperties(TPersistent& instance, const TPersistent* ancestor = nullptr);

    void DefineProperty(UnicodeStringView name, const TReaderProc& read, const TWriterProc& write,
                        bool hasData) override;
    void DefineBinaryProperty(UnicodeStringView name, const TStreamProc& read, const TStreamProc& write,
                              bool hasData) override;

    void WriteInteger(int32_t value);
    // The items of collection, each with its property list.
    void WriteCollection(TCollection& collection);

private:
    void WriteName(UnicodeStringView name);
    void WriteByte(uint8_t value);
};

class TReader final : public TFiler {
public:
    using TFiler::TFiler;

    bool IsReading() const override { return true; }
    // Reads a property list into instance.
    void ReadProperties(TPersistent& instance);

    void DefineProperty(UnicodeStringView name, const TReaderProc& read, const TWriterProc& write,
                        bool hasData) override;
    void DefineBinaryProperty(UnicodeStringView name, const TStreamProc& read, const TStreamProc& write,
                              bool hasData) override;

    int32_t ReadInteger();
    // Empties collection and reads its items, inside one update of the collection.
    void ReadCollection(TCollection& collection);

private:
    uint8_t ReadByte();
    // The value's kind, which must be expected.
    void ReadValueKind(uint8_t expected);

    UnicodeString FPropertyName;
    bool FPropertyRead = false;
    int32_t FDepth = 0;
};

} // namespace rtl
