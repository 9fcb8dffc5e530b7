#pragma once
// TuiCustomTextEditLookupData: the link between a text editor's text and its lookup items. It answers the items'
// texts, finds the first item a typed prefix begins, keeps the current item (the current key, an item index; -1
// none) and the item selected in a drop-down list, and moves through the items for navigation keys. The editor that
// owns it answers through TuiTextEditLookupOwner.

#include "rtl/core/Events.h"
#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/core/objects/uiComponents.h"
#include "vcl/system/Types.h"

#include <cstdint>
#include <memory>

namespace vcl {
class TWinControl;
}

namespace ui {

class TuiCustomEditListBox;
class TuiCustomTextEditProperties;

// What the lookup data asks of the editor that owns it.
class TuiTextEditLookupOwner {
public:
    // The properties in force (a repository item's when the editor uses one).
    virtual TuiCustomTextEditProperties& LookupProperties() = 0;
    virtual rtl::UnicodeString LookupText() = 0;
    // The editor's OnEditing runs: the list stays as it is.
    virtual bool IsInEditingEvent() const = 0;
    // Raised while the lookup data sets the editor's text from an item.
    virtual void SetLookupUpdating(bool value) = 0;
    // Whether the user may change the value now.
    virtual bool CanEditForLookup() = 0;

protected:
    ~TuiTextEditLookupOwner() = default;
};

// Directions of Navigate.
enum TuiLookupNavigation : uint8_t { lnFirst, lnLast, lnNext, lnPrevious, lnPageUp, lnPageDown };

class TuiCustomTextEditLookupData : public TuiInterfacedPersistent {
    RTL_DECLARE_CLASS(TuiCustomTextEditLookupData, TuiInterfacedPersistent)
public:
    explicit TuiCustomTextEditLookupData(TuiTextEditLookupOwner* owner)
        : TuiInterfacedPersistent(nullptr), FOwner(owner) {}

    virtual rtl::UnicodeString GetItemText(int32_t index);
    virtual int32_t GetItemCount();
    bool IsEmpty() { return GetItemCount() == 0; }
    // The first item equal to text without regard to case; -1 when none.
    int32_t FindItemIndex(rtl::UnicodeStringView text);
    virtual bool HasItemWithText(rtl::UnicodeStringView text) { return FindItemIndex(text) != -1; }
    // The item's text; empty for a key outside the items.
    rtl::UnicodeString GetItemDisplayText(const rtl::Variant& key);

    rtl::Variant GetCurrentKey() const { return rtl::Variant(FCurrentKey); }
    int32_t CurrentKey() const { return FCurrentKey; }
    int32_t ListItemIndex() const { return FListItemIndex; }
    // Sets the current key; OnSelectItem fires when it changed, or when it stayed on an item whose text differs from
    // the editor's.
    void SetCurrentKey(const rtl::Variant& key);
    // The user chose the list's item.
    void SelectItem();
    void SyncListWithCurrentKey();
    // Finds the first item text begins (after the list's item when startAfterCurrent); text takes the item's letter
    // case outside the free style and tail the rest of the item.
    bool LocateText(rtl::UnicodeString& text, rtl::UnicodeString& tail, bool startAfterCurrent) {
        return Locate(text, tail, startAfterCurrent, false);
    }
    // Moves through the items; cycle wraps at either end.
    void Navigate(TuiLookupNavigation direction, bool cycle);
    virtual void TextChanged();
    virtual void PropertiesChanged() { UpdateListItemCount(); }

    // The list box class of a drop-down; none here, so the text editor makes no list.
    virtual const rtl::TMetaclass* GetListBoxClass() const { return nullptr; }
    // The list box, made on first use with parent as owner and parent; nullptr without a list box class.
    TuiCustomEditListBox* GetListControl() const { return FList; }
    void InitializeList(vcl::TWinControl* parent);
    void PositionList(const vcl::TRect& rect);
    // The screen point lies on the list box.
    bool IsPointInList(vcl::TPoint screenPoint) const;
    void UpdateListItemCount();

    const rtl::TNotifyEvent& OnCurrentKeyChanged() const { return FOnCurrentKeyChanged; }
    void SetOnCurrentKeyChanged(rtl::TNotifyEvent handler) { FOnCurrentKeyChanged = std::move(handler); }
    const rtl::TNotifyEvent& OnSelectItem() const { return FOnSelectItem; }
    void SetOnSelectItem(rtl::TNotifyEvent handler) { FOnSelectItem = std::move(handler); }

protected:
    virtual bool Locate(rtl::UnicodeString& text, rtl::UnicodeString& tail, bool startAfterCurrent, bool exact);
    void SetCurrentKeyIndex(int32_t index);
    void SyncListSelection(int32_t index);
    TuiTextEditLookupOwner& Owner() const { return *FOwner; }

private:
    void FireSelectItem();
    void ClearKeyWithoutMatch(rtl::UnicodeStringView text, bool exact);
    int32_t NavigationTarget(TuiLookupNavigation direction, bool cycle, int32_t start, int32_t count);

    bool IsListShown() const;

    int32_t FCurrentKey = -1;
    int32_t FListItemIndex = -1;
    TuiTextEditLookupOwner* FOwner;                   // not owned: the editor
    TuiCustomEditListBox* FList = nullptr;            // not owned: the parent given to InitializeList owns it
    std::unique_ptr<TuiFreeNotificator> FListWatcher; // forgets the list box when its owner frees it
    rtl::TNotifyEvent FOnCurrentKeyChanged;
    rtl::TNotifyEvent FOnSelectItem;
};

} // namespace ui
