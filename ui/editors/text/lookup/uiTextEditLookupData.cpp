#include "ui/editors/text/lookup/uiTextEditLookupData.h"

#include "rtl/text/StringList.h"
#include "rtl/text/StringUtils.h"
#include "rtl/variants/VariantConversions.h"
#include "ui/editors/text/lookup/uiEditListBox.h"
#include "ui/editors/text/textedit/uiTextEditProperties.h"

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

// No selection goes through the first item, so that the list box scrolls back to its top.
void TuiCustomTextEditLookupData::SyncListSelection(int32_t index) {
    if (index < -1 || index >= GetItemCount() || (index == FListItemIndex && index != -1)) {
        return;
    }
    if (FList != nullptr && GetItemCount() > 0) {
        if (index == -1) {
            FList->SetItemIndex(0);
        }
        FList->SetItemIndex(index);
    }
    FListItemIndex = index;
}

void TuiCustomTextEditLookupData::UpdateListItemCount() {
    if (FList != nullptr) {
        FList->SetItemCount(GetItemCount());
    }
}

void TuiCustomTextEditLookupData::InitializeList(vcl::TWinControl* parent) {
    if (FList == nullptr) {
        const rtl::TMetaclass* listClass = GetListBoxClass();
        if (listClass == nullptr) {
            return;
        }
        FList = static_cast<TuiCustomEditListBox*>(listClass->CreateInstance(parent));
        FListWatcher = std::make_unique<TuiFreeNotificator>(nullptr);
        FListWatcher->SetOnFreeNotification([this](rtl::TComponent* component) {
            if (component == FList) {
                FList = nullptr;
            }
        });
        FListWatcher->WatchComponent(FList);
    }
    FList->SetParent(parent);
    FList->SetOnSelectionChanged([this](rtl::TObject*) { FListItemIndex = FList->ItemIndex(); });
    FList->SetItemCount(GetItemCount());
    for (int32_t i = 0; i < GetItemCount(); ++i) {
        FList->Items().Put(i, GetItemText(i));
    }
    FList->SetItemIndex(FListItemIndex);
    FList->UpdateItemMetrics();
    TextChanged();
}

void TuiCustomTextEditLookupData::PositionList(const vcl::TRect& rect) {
    if (FList != nullptr) {
        FList->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
    }
}

bool TuiCustomTextEditLookupData::IsPointInList(vcl::TPoint screenPoint) const {
    if (FList == nullptr || !FList->HandleAllocated()) {
        return false;
    }
    const vcl::TPoint client = FList->ScreenToClient(screenPoint);
    return vcl::TRect{0, 0, FList->Width(), FList->Height()}.Contains(client);
}

bool TuiCustomTextEditLookupData::IsListShown() const {
    return FList != nullptr && FList->IsListVisible();
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

// Without a list box shown the move becomes the current key at once; in a shown list only the list's selection moves
// and waits for SelectItem, unless the text follows the list and may change.
void TuiCustomTextEditLookupData::Navigate(TuiLookupNavigation direction, bool cycle) {
    const int32_t count = GetItemCount();
    if (count == 0) {
        return;
    }
    const int32_t start = FListItemIndex != -1 ? FListItemIndex : FCurrentKey;
    const int32_t target = NavigationTarget(direction, cycle, start, count);
    if (!IsListShown() || (Owner().LookupProperties().ImmediateTextSync() && Owner().CanEditForLookup())) {
        SetCurrentKey(rtl::Variant(target));
    } else {
        SyncListSelection(target);
    }
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
