#pragma once
// The attributes of one XML tag as the reader hands them to its hooks. An attribute keeps its name and value as the
// bytes written in the reader's buffer and decodes each into UTF-16 on first request only, so that classes that
// dispatch on name hashes never pay for names they do not print; the decoded strings keep their capacity from tag to
// tag, so reading a part allocates no string per attribute once they have grown.

#include "rtl/text/StringTypes.h"
#include "xls/core/xml/XpgNameHash.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace xls {

// One attribute of a tag: name and value as written, and their decoded forms made on first request.
class TXpgXmlAttribute {
public:
    // Points at the bytes of a tag in the reader's buffer; they must stay in place while the attribute is read.
    void SetRaw(std::string_view rawName, std::string_view rawValue) {
        FRawName = rawName;
        FRawValue = rawValue;
        FNameDecoded = false;
        FValueDecoded = false;
    }
    // An attribute given as text rather than read: it has no bytes and its hashes come from its name.
    void SetDecoded(rtl::UnicodeStringView name, rtl::UnicodeStringView value);

    std::string_view RawName() const { return FRawName; }
    std::string_view RawValue() const { return FRawValue; }
    // The name widened byte by byte (never decoded as UTF-8), as names are compared.
    const rtl::UnicodeString& Name() const;
    // The value with references replaced and UTF-8 decoded; raises rtl::Exception for an unknown entity.
    const rtl::UnicodeString& Value() const;
    // The value as Value() gives it, for a conversion or a copy made at once: short ASCII bytes without "&" or "<"
    // decode to the same code units, so they are only widened into the attribute's own small buffer (the view lasts
    // until the attribute changes); any other value is decoded.
    rtl::UnicodeStringView PlainValue() const;
    // A widened name hashes as its bytes, so both forms give the same value.
    uint32_t NameSumHash() const { return FRawName.empty() ? StrSumHash(Name()) : XpgByteSumHash(FRawName); }
    uint32_t NameMulHash() const { return FRawName.empty() ? StrMulHash(Name()) : XpgByteMulHash(FRawName); }
    // Whether the name is name, compared byte by byte with its bytes or widened form.
    bool NameIs(std::string_view name) const;

private:
    std::string_view FRawName;
    std::string_view FRawValue;
    mutable rtl::UnicodeString FName;
    mutable rtl::UnicodeString FValue;
    // Typed attributes (indices, flags, enumerations, cell references) are short; longer values are decoded.
    mutable std::array<char16_t, 32> FPlainValue{};
    mutable bool FNameDecoded = false;
    mutable bool FValueDecoded = false;
};

using TXpgXmlAttributeArray = std::vector<TXpgXmlAttribute>;

// The attributes of the current tag (shared with the reader, which owns the array) or a list of attributes of its own.
class TXpgXMLAttributeList {
public:
    TXpgXMLAttributeList();
    TXpgXMLAttributeList(const TXpgXMLAttributeList&) = delete;
    TXpgXMLAttributeList& operator=(const TXpgXMLAttributeList&) = delete;

    // Shows the first count entries of a reader's array (not owned, not copied) in place of the list's content.
    void SetRaw(TXpgXmlAttributeArray& array, int32_t count);
    void Clear();
    // Appends a decoded attribute; a list that showed a reader's array first takes copies of its entries.
    void Add(rtl::UnicodeStringView name, rtl::UnicodeStringView value);
    // Appends copies of the decoded names and values of the first count entries of array.
    void AddAttributes(const TXpgXmlAttributeArray& array, int32_t count);

    int32_t GetCount() const { return FCount; }
    const TXpgXmlAttributeArray& Items() const { return *FItems; }
    // Entry index of the list; an index outside 0..GetCount()-1 raises rtl::EListError.
    const TXpgXmlAttribute& GetItem(int32_t index) const {
        if (index < 0 || index >= FCount) {
            IndexError(index);
        }
        return (*FItems)[static_cast<size_t>(index)];
    }
    const rtl::UnicodeString& GetName(int32_t index) const { return GetItem(index).Name(); }
    const rtl::UnicodeString& GetValue(int32_t index) const { return GetItem(index).Value(); }
    uint32_t NameSumHash(int32_t index) const { return GetItem(index).NameSumHash(); }
    uint32_t NameMulHash(int32_t index) const { return GetItem(index).NameMulHash(); }
    // The text name="value" with the value as decoded, not escaped again.
    rtl::UnicodeString FormatNameValue(int32_t index) const;

private:
    [[noreturn]] static void IndexError(int32_t index);
    // Replaces a shared reader array by copies of its first entries.
    void MakeOwn();
    // Grows the own array, by whole steps, to hold at least count entries.
    void EnsureRoom(size_t count);

    TXpgXmlAttributeArray FOwnItems;
    TXpgXmlAttributeArray* FItems; // FOwnItems, or a reader's array (not owned)
    int32_t FCount = 0;
};

} // namespace xls
