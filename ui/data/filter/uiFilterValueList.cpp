#include "ui/data/filter/uiFilterValueList.h"

#include "rtl/core/Exceptions.h"
#include "rtl/text/Format.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/data/filter/uiFilterCriteria.h"
#include "ui/data/locale/uiLocale.h"
#include "ui/data/values/uiVariants.h"

namespace ui {

const TuiFilterValueItem& TuiFilterValueList::GetItem(int32_t index) const {
    if (index < 0 || index >= GetCount()) {
        throw rtl::EListError(rtl::Format(rtl::RtlMessages::ListIndexError, {index}));
    }
    return FEntries[static_cast<size_t>(index)];
}

void TuiFilterValueList::DeleteItem(int32_t index) {
    GetItem(index);
    FEntries.erase(FEntries.begin() + index);
}

int TuiFilterValueList::CompareEntry(int32_t index, const rtl::Variant& value, rtl::UnicodeStringView text) const {
    const TuiFilterValueItem& entry = GetItem(index);
    return CompareValueKeys(ValueKeyOf(entry.Value, entry.DisplayText), ValueKeyOf(value, text));
}

TuiFilterValueList::TValueKey TuiFilterValueList::ValueKeyOf(const rtl::Variant& value,
                                                             rtl::UnicodeStringView text) const {
    TValueKey key{{}, FCriteria.PrepareCompareValue(value)};
    if (FCompareTexts) {
        key.Text =
            FCriteria.Options().Contains(fcoCaseInsensitive) ? GetLocale().UpperCase(text) : rtl::UnicodeString(text);
    }
    return key;
}

int TuiFilterValueList::CompareValueKeys(const TValueKey& a, const TValueKey& b) const {
    if (FCompareTexts) {
        const int result = GetLocale().CompareText(a.Text, b.Text, false);
        if (result != 0) {
            return result;
        }
    }
    return CompareVariants(a.Value, b.Value);
}

void TuiFilterValueList::AppendSortedValues(std::vector<TuiFilterValueItem> values) {
    FEntries.insert(FEntries.end(), std::make_move_iterator(values.begin()), std::make_move_iterator(values.end()));
}

void TuiFilterValueList::AddValueEntry(TuiFilterValueItemKind kind, const rtl::Variant& value,
                                       rtl::UnicodeStringView text, bool append) {
    if (kind == fviRecent) {
        int32_t separator = IndexOfSeparator();
        if (separator < 0) {
            Insert(0, fviSeparator, rtl::Variant::Null(), {});
            separator = 0;
        }
        Insert(separator, kind, value, text);
        return;
    }
    if (kind != fviValue) {
        Insert(IndexOfFirstValue(), kind, value, text);
        return;
    }
    if (append) {
        Insert(GetCount(), kind, value, text);
        FUnsortedTail = true;
        return;
    }
    const int32_t maxCount = MaxEntryCount();
    if (maxCount > 0 && GetCount() - IndexOfFirstValue() >= maxCount) {
        return;
    }
    int32_t index = 0;
    if (!FindValueEntry(value, text, index)) {
        Insert(index, kind, value, text);
    }
}

void TuiFilterValueList::ClearEntriesList() {
    FEntries.clear();
    FUnsortedTail = false;
}

bool TuiFilterValueList::FindValueEntry(const rtl::Variant& value, rtl::UnicodeStringView text, int32_t& index) const {
    for (int32_t recent = 0; recent < GetCount() && FEntries[static_cast<size_t>(recent)].Kind == fviRecent; ++recent) {
        if (CompareEntry(recent, value, text) == 0) {
            index = recent;
            return true;
        }
    }
    const int32_t firstValue = IndexOfFirstValue();
    int32_t low = firstValue;
    int32_t high = GetCount() - 1;
    bool found = false;
    while (low <= high) {
        const int32_t middle = low + (high - low) / 2;
        const int result = CompareEntry(middle, value, text);
        if (result < 0) {
            low = middle + 1;
        } else {
            high = middle - 1;
            found = found || result == 0;
        }
    }
    index = low;
    // Values appended unsorted are not where the bisection looks.
    if (found || !FUnsortedTail) {
        return found;
    }
    for (int32_t position = firstValue; position < GetCount(); ++position) {
        if (CompareEntry(position, value, text) == 0) {
            index = position;
            return true;
        }
    }
    return false;
}

int32_t TuiFilterValueList::IndexForCriteriaItem(const TuiFilterCriteriaItem* condition) const {
    if (!condition) {
        return IndexOfKind(fviAll);
    }
    const TuiFilterOperatorKind kind = condition->OperatorKind();
    if ((kind == fokEqual || kind == fokNotEqual) && condition->IsNullValue(condition->Value())) {
        return IndexOfKind(kind == fokEqual ? fviBlanks : fviNonBlanks);
    }
    int32_t index = 0;
    if (kind == fokEqual && FindValueEntry(condition->Value(), condition->DisplayValue(), index)) {
        return index;
    }
    return IndexOfKind(fviCustom);
}

int32_t TuiFilterValueList::IndexOfKind(TuiFilterValueItemKind kind) const {
    for (int32_t index = 0; index < GetCount(); ++index) {
        if (FEntries[static_cast<size_t>(index)].Kind == kind) {
            return index;
        }
    }
    return -1;
}

int32_t TuiFilterValueList::IndexOfKindValue(TuiFilterValueItemKind kind, const rtl::Variant& value) const {
    for (int32_t index = 0; index < GetCount(); ++index) {
        const TuiFilterValueItem& entry = FEntries[static_cast<size_t>(index)];
        if (entry.Kind == kind && (value.IsNull() || VariantsEqual(entry.Value, value))) {
            return index;
        }
    }
    return -1;
}

int32_t TuiFilterValueList::IndexOfValue(const rtl::Variant& value) const {
    int32_t index = 0;
    return FindValueEntry(value, rtl::VarToStr(value), index) ? index : -1;
}

int32_t TuiFilterValueList::IndexOfSeparator() const {
    for (int32_t index = 0; index < GetCount(); ++index) {
        const TuiFilterValueItemKind kind = FEntries[static_cast<size_t>(index)].Kind;
        if (kind == fviSeparator) {
            return index;
        }
        if (kind != fviRecent) {
            return -1;
        }
    }
    return -1;
}

int32_t TuiFilterValueList::IndexOfFirstValue() const {
    for (int32_t index = 0; index < GetCount(); ++index) {
        if (FEntries[static_cast<size_t>(index)].Kind == fviValue) {
            return index;
        }
    }
    return GetCount();
}

int32_t TuiFilterValueList::MaxEntryCount() const {
    return FCriteria.MaxValueListCount();
}

void TuiFilterValueList::Insert(int32_t index, TuiFilterValueItemKind kind, const rtl::Variant& value,
                                rtl::UnicodeStringView text) {
    FEntries.insert(FEntries.begin() + index, TuiFilterValueItem{kind, value, rtl::UnicodeString(text)});
}

} // namespace ui
