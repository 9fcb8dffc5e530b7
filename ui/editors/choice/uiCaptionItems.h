#pragma once
// Caption items: the items of the lists whose entries carry a caption and a tag (the check list box's items, and
// later the button groups'). The collection can keep its items sorted by caption, case-insensitively in the locale's
// order, and shows its captions to the check-state value formats through IuiCheckItems, so that the formats work with
// any such list.

#include "rtl/core/Collection.h"
#include "ui/core/objects/uiCollections.h"

#include <cstdint>

namespace ui {

// The captions of a list, in item order, as the check-state value formats read them.
class IuiCheckItems {
public:
    virtual rtl::UnicodeString GetCaption(int32_t index) const = 0;
    virtual int32_t GetCount() const = 0;

protected:
    ~IuiCheckItems() = default;
};

class TuiCaptionItem : public rtl::TCollectionItem {
    RTL_DECLARE_CLASS(TuiCaptionItem, rtl::TCollectionItem)
public:
    using rtl::TCollectionItem::TCollectionItem;

    // From another caption item: the caption (through SetCaption), then the tag.
    void Assign(const rtl::TPersistent* source) override;

    const rtl::UnicodeString& Caption() const { return FCaption; }
    // A caption that differs, if only in letter case, is a change: in a sorted collection the item moves to its place
    // at once, otherwise it reports its change.
    void SetCaption(rtl::UnicodeStringView value);
    int32_t Tag() const { return FTag; }
    void SetTag(int32_t value) { FTag = value; }
    bool IsTagStored() const { return FTag != 0; }

private:
    rtl::UnicodeString FCaption;
    int32_t FTag = 0;
};

class TuiCaptionItems : public TuiOwnedInterfacedCollection, public IuiCheckItems {
    RTL_DECLARE_CLASS(TuiCaptionItems, TuiOwnedInterfacedCollection)
public:
    TuiCaptionItems(rtl::TPersistent* owner, const rtl::TMetaclass& itemClass)
        : TuiOwnedInterfacedCollection(owner, itemClass) {}

    TuiCaptionItem* GetItem(int32_t index) const { return static_cast<TuiCaptionItem*>(Items(index)); }

    // Without an OnCompare handler a sorted collection orders its items by caption, ignoring case, in the locale's
    // order.
    int CompareByIndex(rtl::TCollectionItem& item1, rtl::TCollectionItem& item2) const override;

    // IuiCheckItems.
    rtl::UnicodeString GetCaption(int32_t index) const override { return GetItem(index)->Caption(); }
    int32_t GetCount() const override { return Count(); }
};

} // namespace ui
