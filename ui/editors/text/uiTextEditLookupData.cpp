#include "ui/editors/text/uiTextEditLookupData.h"

#include "rtl/text/StringList.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/editors/text/uiTextEditProperties.h"

#include <algorithm>
#include <climits>

namespace ui {

namespace {

// Raises the owner's lookup-updating flag for a scope.
class TLookupUpdatingScope {
public:
    explicit TLookupUpdatingScope(TuiTextEditLookupOwner& owner) : FOwner(owner) { FOwner.SetLookupUpdating(true); }
    ~TLookupUpdatingScope() { FOwner.SetLookupUpdating(false); }
    TLookupUpdatingScope(const TLookupUpdatingScope&) = delete;
    TLookupUpdatingScope& operator=(const TLookupUpdatingScope&) = delete;

private:
    TuiTextEditLookupOwner& FOwner;
};

// A key outside the 32-bit range is no item.
int32_t KeyIndex(const rtl::Variant& key) {
    if (key.IsNull() || key.IsEmpty()) {
        return -1;
    }
    const int64_t index = rtl::VarToInt64(key);
    return index < -1 || index > INT32_MAX ? INT32_MIN : static_cast<int32_t>(index);
}

} // namespace

rtl::UnicodeString TuiCustomTextEditLookupData::GetItemText(int32_t index) {
    return Owner().LookupProperties().LookupItems().Get(index);
}

int32_t TuiCustomTextEditLookupData::GetItemCount() {
    return Owner().LookupProperties().LookupItems().Count();
}

int32_t TuiCustomTextEditLookupData::FindItemIndex(rtl::UnicodeStringView text) {
    const rtl::UnicodeString upper = rtl::WideUpperCase(text);
    const int32_t count = GetItemCount();
    for (int32_t i = 0; i < count; ++i) {
        if (rtl::WideUpperCase(GetItemText(i)) == upper) {
            return i;
        }
    }
    return -1;
}

rtl::UnicodeString TuiCustomTextEditLookupData::GetItemDisplayText(const rtl::Variant& key) {
    const int32_t index = KeyIndex(key);
    return index < 0 || index >= GetItemCount() ? rtl::UnicodeString() : GetItemText(index);
}

void TuiCustomTextEditLookupData::SetCurrentKeyIndex(int32_t index) {
    if (index < -1 || index >= GetItemCount()) {
        return;
    }
    FCurrentKey = index;
    SyncListSelection(index);
}

// Without a list box only the index of the list's item is kept.
void TuiCustomTextEditLookupData::SyncListSelection(int32_t index) {
    if (index < -1 || index >= GetItemCount() || (index == FListItemIndex && index != -1)) {
        return;
    }
    FListItemIndex = index;
}

void TuiCustomTextEditLookupData::SyncListWithCurrentKey() {
    if (!Owner().IsInEditingEvent()) {
        SyncListSelection(FCurrentKey);
    }
}

void TuiCustomTextEditLookupData::FireSelectItem() {
    if (FOnSelectItem) {
        FOnSelectItem(this);
    }
}

void TuiCustomTextEditLookupData::SetCurrentKey(const rtl::Variant& key) {
    const int32_t oldKey = FCurrentKey;
    SetCurrentKeyIndex(KeyIndex(key));
    TLookupUpdatingScope updating(Owner());
    if (FCurrentKey != oldKey) {
        FireSelectItem();
    } else if (FCurrentKey >= 0 && GetItemText(FCurrentKey) != Owner().LookupText()) {
        FireSelectItem();
    }
}

void TuiCustomTextEditLookupData::SelectItem() {
    if (FListItemIndex == -1) {
        return;
    }
    if (FCurrentKey != FListItemIndex && !Owner().CanEditForLookup()) {
        return;
    }
    const int32_t oldKey = FCurrentKey;
    SetCurrentKey(rtl::Variant(FListItemIndex));
    if (FCurrentKey == oldKey) {
        FireSelectItem();
    }
}

// The key goes where no item matched: in the free and locked styles always; assisted typing keeps it for a non-empty
// inexact search, the list-only style for every inexact one.
void TuiCustomTextEditLookupData::ClearKeyWithoutMatch(rtl::UnicodeStringView text, bool exact) {
    switch (Owner().LookupProperties().GetEditingStyle()) {
    case tesListAssisted:
        if (text.empty() || exact) {
            SetCurrentKeyIndex(-1);
        }
        break;
    case tesListOnly:
        if (exact) {
            SetCurrentKeyIndex(-1);
        }
        break;
    default:
        SetCurrentKeyIndex(-1);
        break;
    }
}

bool TuiCustomTextEditLookupData::Locate(rtl::UnicodeString& text, rtl::UnicodeString& tail, bool startAfterCurrent,
                                         bool exact) {
    TuiCustomTextEditProperties& properties = Owner().LookupProperties();
    const int32_t count = GetItemCount();
    if (count > 0 && exact && properties.RecentItemsMode()) {
        const int32_t index = FindItemIndex(text);
        if (index != -1) {
            tail.clear();
        }
        SetCurrentKeyIndex(index);
        return index != -1;
    }
    const size_t length = text.size();
    if (count > 0 && length > 0) {
        const rtl::UnicodeString prefix = rtl::WideUpperCase(text);
        for (int32_t i = startAfterCurrent ? FListItemIndex + 1 : 0; i < count; ++i) {
            const rtl::UnicodeString item = GetItemText(i);
            if (item.size() < length || rtl::WideUpperCase(rtl::UnicodeStringView(item).substr(0, length)) != prefix) {
                continue;
            }
            if (properties.GetEditingStyle() != tesFree) {
                text = item.substr(0, length);
            }
            tail = item.substr(length);
            SetCurrentKeyIndex(i);
            return true;
        }
    }
    ClearKeyWithoutMatch(text, exact);
    return false;
}

int32_t TuiCustomTextEditLookupData::NavigationTarget(TuiLookupNavigation direction, bool cycle, int32_t start,
                                                      int32_t count) {
    const int32_t last = count - 1;
    const int32_t page = std::max(Owner().LookupProperties().GetDropDownRowCount(), 1);
    switch (direction) {
    case lnFirst:
        return 0;
    case lnLast:
        return last;
    case lnNext:
        if (start == last) {
            return cycle ? 0 : start;
        }
        return start + 1;
    case lnPrevious:
        if (start <= 0) {
            return cycle ? last : start;
        }
        return start - 1;
    case lnPageUp:
        if (start == 0 && cycle) {
            return last;
        }
        if (start == -1) {
            return cycle ? last : -1;
        }
        return std::max(start - page + 1, 0);
    case lnPageDown:
        if (start == -1) {
            return std::min(page - 1, last);
        }
        if (start == last && cycle) {
            return 0;
        }
        return std::min(start + page - 1, last);
    }
    return start;
}

// Without a list box shown the move becomes the current key at once.
void TuiCustomTextEditLookupData::Navigate(TuiLookupNavigation direction, bool cycle) {
    const int32_t count = GetItemCount();
    if (count == 0) {
        return;
    }
    const int32_t start = FListItemIndex != -1 ? FListItemIndex : FCurrentKey;
    SetCurrentKey(rtl::Variant(NavigationTarget(direction, cycle, start, count)));
}

void TuiCustomTextEditLookupData::TextChanged() {
    if (Owner().IsInEditingEvent()) {
        return;
    }
    rtl::UnicodeString text = Owner().LookupText();
    if (FListItemIndex >= 0 && FListItemIndex < GetItemCount() &&
        rtl::WideUpperCase(GetItemText(FListItemIndex)) == rtl::WideUpperCase(text)) {
        return;
    }
    rtl::UnicodeString tail;
    Locate(text, tail, false, true);
}

} // namespace ui
