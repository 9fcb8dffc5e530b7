// Property streams: a persistent's defined properties written and read back (integers of every width, binary data,
// collections of items, properties without data left out, the ancestor seen while writing), and streams that are no
// such data refused with EReadError.

#include "rtl/io/Filer.h"

#include "rtl/core/Collection.h"
#include "rtl/core/Exceptions.h"
#include "rtl/io/Streams.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

using test_support::MessageOf;

// An item with a number and, for nesting, a collection of items like itself.
class TFilerTestItem : public rtl::TCollectionItem {
    RTL_DECLARE_CLASS(TFilerTestItem, rtl::TCollectionItem)
public:
    explicit TFilerTestItem(rtl::TCollection* collection)
        : rtl::TCollectionItem(collection), Children(TFilerTestItem::StaticClass()) {}

    void DefineProperties(rtl::TFiler& filer) override {
        filer.DefineProperty(
            u"Number", [this](rtl::TReader& reader) { Number = reader.ReadInteger(); },
            [this](rtl::TWriter& writer) { writer.WriteInteger(Number); }, true);
        filer.DefineProperty(
            u"Children", [this](rtl::TReader& reader) { reader.ReadCollection(Children); },
            [this](rtl::TWriter& writer) { writer.WriteCollection(Children); }, Children.Count() > 0);
    }

    int32_t Number = 0;
    rtl::TCollection Children;
};

// A persistent with integers, binary data that is written only when there is some, and a collection.
class TFilerTestObject : public rtl::TPersistent {
public:
    void DefineProperties(rtl::TFiler& filer) override {
        SeenAncestor = filer.Ancestor();
        for (size_t i = 0; i < Numbers.size(); ++i) {
            filer.DefineProperty(
                u"N" + rtl::UnicodeString(1, static_cast<char16_t>(u'0' + i)),
                [this, i](rtl::TReader& reader) { Numbers[i] = reader.ReadInteger(); },
                [this, i](rtl::TWriter& writer) { writer.WriteInteger(Numbers[i]); }, true);
        }
        filer.DefineBinaryProperty(
            u"Data",
            [this](rtl::TStream& stream) {
                Data.resize(static_cast<size_t>(stream.Size()));
                stream.ReadBuffer(Data.data(), static_cast<int32_t>(Data.size()));
            },
            [this](rtl::TStream& stream) { stream.WriteBuffer(Data.data(), static_cast<int32_t>(Data.size())); },
            !Data.empty());
        filer.DefineProperty(
            u"Items", [this](rtl::TReader& reader) { reader.ReadCollection(Items); },
            [this](rtl::TWriter& writer) { writer.WriteCollection(Items); }, true);
    }

    std::vector<int32_t> Numbers = std::vector<int32_t>(6);
    std::string Data;
    rtl::TCollection Items{TFilerTestItem::StaticClass()};
    const rtl::TPersistent* SeenAncestor = nullptr;
};

TFilerTestItem& AddItem(rtl::TCollection& collection, int32_t number) {
    auto& item = static_cast<TFilerTestItem&>(*collection.Add());
    item.Number = number;
    return item;
}

std::string Written(TFilerTestObject& object, const rtl::TPersistent* ancestor = nullptr) {
    rtl::TMemoryStream stream;
    rtl::TWriter(stream).WriteProperties(object, ancestor);
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

void ReadInto(rtl::TPersistent& object, const std::string& bytes) {
    rtl::TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
    stream.SetPosition(0);
    rtl::TReader(stream).ReadProperties(object);
}

TEST(Filer, PropertiesWrittenReadBackTheSame) {
    TFilerTestObject written;
    written.Numbers = {0, -128, 127, -32768, 40000, INT32_MIN};
    written.Data = std::string("\0binary\xFF", 8);
    AddItem(written.Items, 7);
    AddItem(AddItem(written.Items, -9).Children, 123456);
    const TFilerTestObject ancestor;
    const std::string bytes = Written(written, &ancestor);
    EXPECT_EQ(written.SeenAncestor, &ancestor);

    TFilerTestObject read;
    AddItem(read.Items, 99);
    ReadInto(read, bytes);
    EXPECT_EQ(read.Numbers, written.Numbers);
    EXPECT_EQ(read.Data, written.Data);
    ASSERT_EQ(read.Items.Count(), 2) << "the collection read replaces what it held";
    EXPECT_EQ(static_cast<TFilerTestItem*>(read.Items.Items(0))->Number, 7);
    const auto* second = static_cast<TFilerTestItem*>(read.Items.Items(1));
    EXPECT_EQ(second->Number, -9);
    ASSERT_EQ(second->Children.Count(), 1);
    EXPECT_EQ(static_cast<TFilerTestItem*>(second->Children.Items(0))->Number, 123456);
    EXPECT_EQ(read.SeenAncestor, nullptr);

    // The smallest width that holds each integer: kind and bytes.
    const std::string start = bytes.substr(0, 3 + 3 + 4 + 5 + 4 + 5);
    EXPECT_EQ(start.substr(0, 6), std::string("\2N0\2\0\2", 6));
    EXPECT_EQ(bytes.find(std::string("\2N3\3\0\x80", 6)), 15u);
    EXPECT_EQ(bytes.find(std::string("\2N4\4\x40\x9C\0\0", 8)), 21u);
}

TEST(Filer, APropertyWithoutDataIsNotWritten) {
    TFilerTestObject object;
    const std::string bytes = Written(object);
    EXPECT_EQ(bytes.find("Data"), std::string::npos);
    EXPECT_EQ(bytes.back(), '\0');
    TFilerTestObject read;
    read.Data = "kept";
    ReadInto(read, bytes);
    EXPECT_EQ(read.Data, "kept");
}

TEST(Filer, WhatIsNoPropertyDataIsRefused) {
    TFilerTestObject object;
    object.Data = "0123456789";
    AddItem(object.Items, 1);
    const std::string valid = Written(object);
    const size_t dataLength = valid.find("Data") + 5;

    std::string longerData = valid;
    longerData[dataLength] = '\x7F';
    std::string wrongKind = valid;
    wrongKind[3] = '\x0A';
    std::string badItemMarker = valid;
    badItemMarker[valid.find("Items") + 6] = '\5';
    const struct {
        std::string Bytes;
        const char* Message;
    } cases[] = {
        {std::string("\7Unknown\2\1\0", 11), "Error reading property: property Unknown does not exist"},
        {valid.substr(0, valid.size() - 1), "Stream read error"},
        {valid.substr(0, dataLength + 2), "Stream read error"},
        {longerData, "Stream read error"},
        {wrongKind, "Invalid property value"},
        {badItemMarker, "Invalid property value"},
    };
    for (const auto& c : cases) {
        TFilerTestObject read;
        EXPECT_EQ(MessageOf([&] { ReadInto(read, c.Bytes); }), c.Message) << c.Bytes.size();
    }

    // Items nested inside items deeper than any form holds.
    std::string nested = std::string("\x06Number\2\1\0", 10);
    for (int depth = 0; depth < 20; ++depth) {
        nested = std::string("\x08"
                             "Children\x0E\x01",
                             11) +
                 nested + std::string("\0\0", 2);
    }
    TFilerTestItem root(nullptr);
    EXPECT_EQ(MessageOf([&] { ReadInto(root, nested); }), "Properties nested too deeply");
}

} // namespace
