#include "xls/core/xml/XpgValueLists.h"

#include "rtl/core/Exceptions.h"
#include "rtl/numbers/NumberConversions.h"
#include "rtl/text/Format.h"
#include "xls/core/xml/XpgConvert.h"

namespace xls {

void TBaseXpgList::ItemError(rtl::UnicodeStringView part) {
    if (FOnItemError) {
        FOnItemError(*this, part);
    }
}

template <class T>
size_t TItemXpgList<T>::CheckedIndex(int32_t index) const {
    if (index < 0 || index >= GetCount()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
    return static_cast<size_t>(index);
}

template <class T>
T TItemXpgList<T>::GetItem(int32_t index) const {
    return FItems[CheckedIndex(index)];
}

template <class T>
void TItemXpgList<T>::SetItemText(int32_t index, rtl::UnicodeStringView text) {
    const size_t position = CheckedIndex(index);
    FItems[position] = ItemFromText(text);
}

template <class T>
rtl::UnicodeString TItemXpgList<T>::GetDelimitedText() const {
    rtl::UnicodeString text;
    for (size_t i = 0; i < FItems.size(); ++i) {
        if (i > 0) {
            text += Delimiter();
        }
        text += ItemToDelimitedText(FItems[i]);
    }
    return text;
}

template <class T>
void TItemXpgList<T>::SetDelimitedText(rtl::UnicodeStringView text) {
    Clear();
    while (!text.empty()) {
        const size_t delimiter = text.find(Delimiter());
        const rtl::UnicodeStringView part = text.substr(0, delimiter);
        text = delimiter == text.npos ? rtl::UnicodeStringView() : text.substr(delimiter + 1);
        T value{};
        if (TryItemFromPart(part, value)) {
            Add(value);
        } else {
            ItemError(part);
        }
    }
}

template class TItemXpgList<bool>;
template class TItemXpgList<uint32_t>;
template class TItemXpgList<long double>;
template class TItemXpgList<rtl::TDateTime>;

bool TBooleanXpgList::ItemFromText(rtl::UnicodeStringView text) const {
    return XmlStrToBool(text);
}

bool TBooleanXpgList::TryItemFromPart(rtl::UnicodeStringView part, bool& value) const {
    return TryXmlStrToBool(part, value);
}

rtl::UnicodeString TBooleanXpgList::ItemToText(bool value) const {
    return value ? u"true" : u"false";
}

rtl::UnicodeString TBooleanXpgList::ItemToDelimitedText(bool value) const {
    return value ? u"True" : u"False";
}

uint32_t TLongwordXpgList::ItemFromText(rtl::UnicodeStringView text) const {
    uint32_t value = 0;
    if (!TryXmlStrToLongword(text, value)) {
        throw rtl::EConvertError(rtl::Format(rtl::RtlMessages::InvalidInteger, {text}));
    }
    return value;
}

bool TLongwordXpgList::TryItemFromPart(rtl::UnicodeStringView part, uint32_t& value) const {
    return TryXmlStrToLongword(part, value);
}

rtl::UnicodeString TLongwordXpgList::ItemToText(uint32_t value) const {
    return rtl::UIntToStr(value);
}

long double TExtendedXpgList::ItemFromText(rtl::UnicodeStringView text) const {
    long double value = 0;
    return TryXmlStrToFloat(text, value) ? value : 0;
}

bool TExtendedXpgList::TryItemFromPart(rtl::UnicodeStringView part, long double& value) const {
    return TryXmlStrToFloat(part, value);
}

rtl::UnicodeString TExtendedXpgList::ItemToText(long double value) const {
    return XmlFloatToStr(value);
}

rtl::TDateTime TTDateTimeXpgList::ItemFromText(rtl::UnicodeStringView text) const {
    return XmlStrToDateTime(text);
}

bool TTDateTimeXpgList::TryItemFromPart(rtl::UnicodeStringView part, rtl::TDateTime& value) const {
    return TryXmlStrToDateTime(part, value);
}

rtl::UnicodeString TTDateTimeXpgList::ItemToText(rtl::TDateTime value) const {
    return XmlDateTimeToStr(value);
}

TStringXpgList::TStringXpgList() {
    FStrings.SetDelimiter(Delimiter());
    FStrings.SetQuoteChar(u'"');
}

void TStringXpgList::AddNameValue(rtl::UnicodeStringView name, rtl::UnicodeStringView value) {
    rtl::UnicodeString text(name);
    text += u"=\"";
    text += value;
    text += u"\" ";
    FStrings.Add(text);
}

void TStringXpgList::SetDelimiter(char16_t delimiter) {
    TBaseXpgList::SetDelimiter(delimiter);
    FStrings.SetDelimiter(delimiter);
}

void TStringXpgList::SetDelimitedText(rtl::UnicodeStringView text) {
    FStrings.Clear();
    FStrings.SetDelimitedText(text);
}

} // namespace xls
