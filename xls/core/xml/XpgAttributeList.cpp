#include "xls/core/xml/XpgAttributeList.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "xls/core/xml/XpgTextDecoder.h"

#include <algorithm>

namespace xls {

namespace {

// The list grows its array by this many entries at a time.
constexpr size_t AttributeArrayStep = 255;

// Bytes that decoding leaves as they are: ASCII without the openers of references and CDATA sections.
bool IsPlainAscii(char byte) {
    return static_cast<unsigned char>(byte) < 0x80 && byte != '&' && byte != '<';
}

} // namespace

void TXpgXmlAttribute::SetDecoded(rtl::UnicodeStringView name, rtl::UnicodeStringView value) {
    FRawName = {};
    FRawValue = {};
    FName = name;
    FValue = value;
    FNameDecoded = true;
    FValueDecoded = true;
}

const rtl::UnicodeString& TXpgXmlAttribute::Name() const {
    if (!FNameDecoded) {
        XpgWidenBytes(FRawName, FName);
        FNameDecoded = true;
    }
    return FName;
}

const rtl::UnicodeString& TXpgXmlAttribute::Value() const {
    if (!FValueDecoded) {
        XpgDecodeText(FRawValue, FValue);
        FValueDecoded = true;
    }
    return FValue;
}

rtl::UnicodeStringView TXpgXmlAttribute::PlainValue() const {
    if (FValueDecoded || FRawValue.size() > FPlainValue.size()) {
        return Value();
    }
    // Widened and tested in one pass: nearly every value turns out plain.
    char16_t* out = FPlainValue.data();
    for (const char byte : FRawValue) {
        if (!IsPlainAscii(byte)) {
            return Value();
        }
        *out++ = static_cast<char16_t>(byte);
    }
    return {FPlainValue.data(), FRawValue.size()};
}

bool TXpgXmlAttribute::NameIs(std::string_view name) const {
    if (!FRawName.empty()) {
        return FRawName == name;
    }
    const rtl::UnicodeString& widened = Name();
    return std::equal(widened.begin(), widened.end(), name.begin(), name.end(),
                      [](char16_t unit, char byte) { return unit == static_cast<unsigned char>(byte); });
}

TXpgXMLAttributeList::TXpgXMLAttributeList() : FItems(&FOwnItems) {}

void TXpgXMLAttributeList::SetRaw(TXpgXmlAttributeArray& array, int32_t count) {
    FItems = &array;
    FCount = count;
}

void TXpgXMLAttributeList::Clear() {
    FItems = &FOwnItems;
    FCount = 0;
}

void TXpgXMLAttributeList::MakeOwn() {
    if (FItems == &FOwnItems) {
        return;
    }
    const TXpgXmlAttributeArray& shared = *FItems;
    FItems = &FOwnItems;
    const int32_t count = FCount;
    FCount = 0;
    AddAttributes(shared, count);
}

void TXpgXMLAttributeList::EnsureRoom(size_t count) {
    if (count > FOwnItems.size()) {
        FOwnItems.resize((count + AttributeArrayStep - 1) / AttributeArrayStep * AttributeArrayStep);
    }
}

void TXpgXMLAttributeList::Add(rtl::UnicodeStringView name, rtl::UnicodeStringView value) {
    MakeOwn();
    EnsureRoom(static_cast<size_t>(FCount) + 1);
    FOwnItems[static_cast<size_t>(FCount)].SetDecoded(name, value);
    ++FCount;
}

// The room is made before copying, so that array may be the list's own entries.
void TXpgXMLAttributeList::AddAttributes(const TXpgXmlAttributeArray& array, int32_t count) {
    if (count < 0 || static_cast<size_t>(count) > array.size()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListCountError, {count}));
    }
    MakeOwn();
    EnsureRoom(static_cast<size_t>(FCount) + static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        const TXpgXmlAttribute& source = array[static_cast<size_t>(i)];
        FOwnItems[static_cast<size_t>(FCount)].SetDecoded(source.Name(), source.Value());
        ++FCount;
    }
}

void TXpgXMLAttributeList::IndexError(int32_t index) {
    throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
}

rtl::UnicodeString TXpgXMLAttributeList::FormatNameValue(int32_t index) const {
    const TXpgXmlAttribute& item = GetItem(index);
    rtl::UnicodeString text = item.Name();
    text += u"=\"";
    text += item.Value();
    text += u'"';
    return text;
}

} // namespace xls
