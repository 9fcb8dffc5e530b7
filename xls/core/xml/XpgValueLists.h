#pragma once
// Typed lists for XML list-type values (a delimited text of items, blank-separated in XML): cell spans, reference
// lists, vectors of document properties, and the kept attributes of a document element. Each list converts its
// whole text and single items with the XML converters; a part of a text that does not convert is reported to
// OnItemError and left out.

#include "rtl/core/Object.h"
#include "rtl/text/StringList.h"
#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace xls {

// Base of the value lists: the delimiter and the report of parts that do not convert.
class TBaseXpgList : public rtl::TObject {
public:
    // Called with the list and the part of a delimited text that did not convert.
    using TItemErrorEvent = std::function<void(TBaseXpgList& list, rtl::UnicodeStringView part)>;

    // Item index as text; an index out of range raises rtl::EListError.
    virtual rtl::UnicodeString GetItemText(int32_t index) const = 0;
    // Replaces item index, converting text as AddFromText does.
    virtual void SetItemText(int32_t index, rtl::UnicodeStringView text) = 0;
    virtual void SetDelimiter(char16_t delimiter) { FDelimiter = delimiter; }
    // The items as text joined by the delimiter.
    virtual rtl::UnicodeString GetDelimitedText() const = 0;
    // Replaces the items by those of text, split at the delimiter.
    virtual void SetDelimitedText(rtl::UnicodeStringView text) = 0;
    virtual int32_t GetCount() const = 0;
    virtual void Clear() = 0;

    char16_t Delimiter() const { return FDelimiter; }
    const TItemErrorEvent& OnItemError() const { return FOnItemError; }
    void SetOnItemError(TItemErrorEvent handler) { FOnItemError = std::move(handler); }

protected:
    void ItemError(rtl::UnicodeStringView part);

private:
    char16_t FDelimiter = u' ';
    TItemErrorEvent FOnItemError;
};

// A list of values of one type, held in order of arrival; descendants fix the conversions of one item.
template <class T>
class TItemXpgList : public TBaseXpgList {
public:
    int32_t GetCount() const override { return static_cast<int32_t>(FItems.size()); }
    void Clear() override { FItems.clear(); }
    // An index out of range raises rtl::EListError.
    T GetItem(int32_t index) const;
    void Add(T value) { FItems.push_back(value); }
    // Adds the value of text; raises as the item conversion does.
    void AddFromText(rtl::UnicodeStringView text) { Add(ItemFromText(text)); }

    rtl::UnicodeString GetItemText(int32_t index) const override { return ItemToText(GetItem(index)); }
    void SetItemText(int32_t index, rtl::UnicodeStringView text) override;
    rtl::UnicodeString GetDelimitedText() const override;
    // Never raises for a bad part: it is reported to OnItemError. Two delimiters in a row give an empty part.
    void SetDelimitedText(rtl::UnicodeStringView text) override;

protected:
    // One item from text for AddFromText and SetItemText (may raise), from one part of a delimited text (false when
    // it does not convert), and back to text for GetItemText and for GetDelimitedText.
    virtual T ItemFromText(rtl::UnicodeStringView text) const = 0;
    virtual bool TryItemFromPart(rtl::UnicodeStringView part, T& value) const = 0;
    virtual rtl::UnicodeString ItemToText(T value) const = 0;
    virtual rtl::UnicodeString ItemToDelimitedText(T value) const { return ItemToText(value); }

private:
    size_t CheckedIndex(int32_t index) const;

    std::vector<T> FItems;
};

extern template class TItemXpgList<bool>;
extern template class TItemXpgList<uint32_t>;
extern template class TItemXpgList<long double>;
extern template class TItemXpgList<rtl::TDateTime>;

// Booleans: items "true"/"false" ("1"/"0" also taken one by one, not in a delimited text); the delimited text
// writes "True"/"False".
class TBooleanXpgList : public TItemXpgList<bool> {
protected:
    bool ItemFromText(rtl::UnicodeStringView text) const override;
    bool TryItemFromPart(rtl::UnicodeStringView part, bool& value) const override;
    rtl::UnicodeString ItemToText(bool value) const override;
    rtl::UnicodeString ItemToDelimitedText(bool value) const override;
};

// 32-bit unsigned integers (negative values kept as their bit pattern); a bad item text raises rtl::EConvertError.
class TLongwordXpgList : public TItemXpgList<uint32_t> {
protected:
    uint32_t ItemFromText(rtl::UnicodeStringView text) const override;
    bool TryItemFromPart(rtl::UnicodeStringView part, uint32_t& value) const override;
    rtl::UnicodeString ItemToText(uint32_t value) const override;
};

// Extended floating-point numbers with "." as the decimal separator; a bad item text gives 0.
class TExtendedXpgList : public TItemXpgList<long double> {
protected:
    long double ItemFromText(rtl::UnicodeStringView text) const override;
    bool TryItemFromPart(rtl::UnicodeStringView part, long double& value) const override;
    rtl::UnicodeString ItemToText(long double value) const override;
};

// Date-times in the form XmlDateTimeToStr writes; a bad item text gives 0.
class TTDateTimeXpgList : public TItemXpgList<rtl::TDateTime> {
protected:
    rtl::TDateTime ItemFromText(rtl::UnicodeStringView text) const override;
    bool TryItemFromPart(rtl::UnicodeStringView part, rtl::TDateTime& value) const override;
    rtl::UnicodeString ItemToText(rtl::TDateTime value) const override;
};

// Texts, kept as they are; the delimited text quotes items that hold blanks or quotes, as string lists do.
class TStringXpgList : public TBaseXpgList {
public:
    TStringXpgList();

    void Add(rtl::UnicodeStringView text) { FStrings.Add(text); }
    // Adds the text name="value" followed by a blank, as kept document-element attributes are written back.
    void AddNameValue(rtl::UnicodeStringView name, rtl::UnicodeStringView value);
    // An index out of range raises rtl::EListError.
    const rtl::UnicodeString& GetItem(int32_t index) const { return FStrings.Get(index); }
    // Every item followed by a carriage return and a line feed.
    rtl::UnicodeString GetText() const { return FStrings.GetText(); }
    const rtl::TStringList& Strings() const { return FStrings; }

    rtl::UnicodeString GetItemText(int32_t index) const override { return GetItem(index); }
    void SetItemText(int32_t index, rtl::UnicodeStringView text) override { FStrings.Put(index, text); }
    void SetDelimiter(char16_t delimiter) override;
    rtl::UnicodeString GetDelimitedText() const override { return FStrings.GetDelimitedText(); }
    void SetDelimitedText(rtl::UnicodeStringView text) override;
    int32_t GetCount() const override { return FStrings.Count(); }
    void Clear() override { FStrings.Clear(); }

private:
    rtl::TStringList FStrings;
};

} // namespace xls
