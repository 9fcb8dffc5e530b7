#pragma once
// The summary items of a data controller's summary (uiDataSummary.h): each item computes one kind of summary (sum,
// minimum, maximum, count, average) over one field and formats the result. Items live in collections: the footer
// items, the default group items, and the items of summary groups, which tie a set of grouping items (through their
// links) to group items of their own. Changing what an item computes asks the summary for a recalculation; changing
// only how it shows asks for a redraw.

#include "rtl/core/Collection.h"
#include "rtl/text/StringTypes.h"
#include "rtl/variants/Variant.h"
#include "ui/data/common/uiDataUtils.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace ui {

class TuiCustomDataController;
class TuiCustomDataField;
class TuiDataSummary;
class TuiDataSummaryGroup;
class TuiDataSummaryItem;
class TuiDataSummaryItems;

enum TuiSummaryKind : uint8_t { skNone, skSum, skMin, skMax, skCount, skAverage };
enum TuiSummaryPosition : uint8_t { spGroup, spFooter };

struct TuiSummaryEventArguments {
    int32_t RecordIndex;
    TuiDataSummaryItem* SummaryItem;
};
struct TuiSummaryEventOutArguments {
    // The record's value.
    rtl::Variant Value;
    // The running summary and count, which the handler may change.
    rtl::Variant SummaryValue;
    int32_t CountValue;
    // Set by a handler that has accumulated the record itself.
    bool Done;
};
using TuiSummaryEvent = std::function<void(TuiDataSummaryItems& sender, const TuiSummaryEventArguments& arguments,
                                           TuiSummaryEventOutArguments& outArguments)>;
using TuiDataSummaryItemGetTextEvent =
    std::function<void(TuiDataSummaryItem& sender, const rtl::Variant& value, bool isFooter, rtl::UnicodeString& text)>;

// An item bound to a field of a controller (or to none).
class TuiCustomDataSummaryItem : public rtl::TCollectionItem {
    RTL_DECLARE_CLASS(TuiCustomDataSummaryItem, rtl::TCollectionItem)
public:
    using rtl::TCollectionItem::TCollectionItem;

    // From another item: bound to this controller's item for the source's item, with its format and kind.
    void Assign(const rtl::TPersistent* source) override;
    virtual void AssignLinkedItem(const TuiCustomDataSummaryItem& source);
    virtual TuiCustomDataController* GetDataController() const = 0;

    TuiCustomDataField* Field() const { return FField; }
    // The view's item of the field, nullptr without one.
    rtl::TObject* GetLinkedItem() const;
    // Binds the item to the field of a view's item (nullptr: none); the whole collection is reported changed.
    void SetLinkedItem(rtl::TObject* item);
    // Unbinds the item without a report; the caller reports.
    void ClearField() { FField = nullptr; }

    const rtl::UnicodeString& Format() const { return FFormat; }
    // Reports a change of this item: a redraw.
    void SetFormat(rtl::UnicodeStringView format);
    TuiSummaryKind Kind() const { return FKind; }
    // Reports a change of every item: a recalculation.
    void SetKind(TuiSummaryKind kind);

    // The format for a value of category (svcNumber, svcCurrency, svcDate): the item's Format.
    virtual rtl::UnicodeString GetFormatText(int32_t category, bool footer) const;
    // The value as text: empty for Null, its own text for skNone, else the format applied to it (a date after the
    // format's prefix).
    virtual rtl::UnicodeString FormatSummaryText(const rtl::Variant& value, bool footer) const;

protected:
    // The item is about to be bound to newField; nothing here.
    virtual void LinkedItemChanging(TuiCustomDataField* newField);
    void ReportChanged(bool allItems) { Changed(allItems); }

private:
    TuiCustomDataField* FField = nullptr; // not owned
    rtl::UnicodeString FFormat;
    TuiSummaryKind FKind = skNone;
};

class TuiDataSummaryItem : public TuiCustomDataSummaryItem {
    RTL_DECLARE_CLASS(TuiDataSummaryItem, TuiCustomDataSummaryItem)
public:
    using TuiCustomDataSummaryItem::TuiCustomDataSummaryItem;
    // Stops sorting the groups first.
    ~TuiDataSummaryItem() override;

    void Assign(const rtl::TPersistent* source) override;
    void AssignLinkedItem(const TuiCustomDataSummaryItem& source) override;
    TuiCustomDataController* GetDataController() const override;
    TuiDataSummaryItems& SummaryItems() const;
    // The Format, or when empty the default format of the category, kind and position.
    rtl::UnicodeString GetFormatText(int32_t category, bool footer) const override;
    // Then OnGetText.
    rtl::UnicodeString FormatSummaryText(const rtl::Variant& value, bool footer) const override;

    // Bound to a field, or a count of a group.
    bool IsCalculated() const;
    // Footer items are always at the footer.
    TuiSummaryPosition Position() const;
    void SetPosition(TuiSummaryPosition position);
    bool Sorted() const { return FSorted; }
    // Whether the item's values order the groups of its level: at most one item of a collection does, and none
    // while the controller names its own sorting item.
    void SetSorted(bool sorted);
    int32_t Tag() const { return FTag; }
    void SetTag(int32_t tag) { FTag = tag; }
    const TuiDataSummaryItemGetTextEvent& OnGetText() const { return FOnGetText; }
    void SetOnGetText(TuiDataSummaryItemGetTextEvent handler) { FOnGetText = std::move(handler); }

private:
    friend class TuiDataSummaryItems;

    TuiSummaryPosition FPosition = spGroup;
    bool FSorted = false;
    int32_t FTag = 0;
    TuiDataSummaryItemGetTextEvent FOnGetText;
};

// A collection of summary items of one summary.
class TuiDataSummaryItems : public TuiCollection {
    RTL_DECLARE_CLASS(TuiDataSummaryItems, TuiCollection)
public:
    TuiDataSummaryItems(TuiDataSummary& summary, const rtl::TMetaclass& itemClass);
    // Frees the items while the collection is whole.
    ~TuiDataSummaryItems() override;

    TuiDataSummary& Summary() const { return FSummary; }
    TuiCustomDataController& DataController() const;
    TuiDataSummaryItem& AddItem();
    // An item for the view's item at itemIndex, of skNone and no format.
    TuiDataSummaryItem& AddItemForItem(int32_t itemIndex, TuiSummaryPosition position);
    TuiDataSummaryItem& GetItem(int32_t index) const;
    // By the view's item or by the field, -1 or nullptr when none.
    int32_t IndexOfItem(const rtl::TObject* item) const;
    TuiDataSummaryItem* ItemOfItem(const rtl::TObject* item) const;
    int32_t IndexOfField(const TuiCustomDataField* field) const;
    TuiDataSummaryItem* ItemOfField(const TuiCustomDataField* field) const;
    // The first item of the view's item at itemIndex at that position (and, with useKind, of that kind).
    virtual TuiDataSummaryItem* FindItem(int32_t itemIndex, TuiSummaryPosition position, TuiSummaryKind kind,
                                         bool useKind) const;

    virtual TuiSummaryPosition ItemPositionOf(const TuiDataSummaryItem& item) const;
    // Called before an item's Sorted changes; nothing here.
    virtual void SortedChanging(TuiDataSummaryItem& item, bool sorted);
    virtual rtl::UnicodeString GetDefaultFormat(int32_t category, TuiSummaryKind kind,
                                                TuiSummaryPosition position) const;
    // The items' texts for a group's values; empty here.
    virtual rtl::UnicodeString GetGroupSummaryText(const rtl::Variant& values) const;
    // Unbinds the items of the field: whether any was bound.
    bool UnbindField(const TuiCustomDataField& field);

    const TuiSummaryEvent& OnSummary() const { return FOnSummary; }
    void SetOnSummary(TuiSummaryEvent handler) { FOnSummary = std::move(handler); }
    void Assign(const rtl::TPersistent* source) override;

protected:
    // A change of one item asks for a redraw, of the list for a recalculation.
    void Update(rtl::TCollectionItem* item) override;

private:
    TuiDataSummary& FSummary;
    TuiSummaryEvent FOnSummary;
};

class TuiDataFooterSummaryItems : public TuiDataSummaryItems {
    RTL_DECLARE_CLASS(TuiDataFooterSummaryItems, TuiDataSummaryItems)
public:
    using TuiDataSummaryItems::TuiDataSummaryItems;
    TuiSummaryPosition ItemPositionOf(const TuiDataSummaryItem& item) const override;
};

// The items of a group: their texts are joined, in parentheses by default.
class TuiDataGroupSummaryItems : public TuiDataSummaryItems {
    RTL_DECLARE_CLASS(TuiDataGroupSummaryItems, TuiDataSummaryItems)
public:
    // owner: the summary group holding the items, nullptr for the default group items.
    TuiDataGroupSummaryItems(TuiDataSummary& summary, const rtl::TMetaclass& itemClass, TuiDataSummaryGroup* owner)
        : TuiDataSummaryItems(summary, itemClass), FOwner(owner) {}

    TuiDataSummaryGroup* Owner() const { return FOwner; }
    const rtl::UnicodeString& BeginText() const { return FBeginText; }
    void SetBeginText(rtl::UnicodeStringView text);
    const rtl::UnicodeString& EndText() const { return FEndText; }
    void SetEndText(rtl::UnicodeStringView text);
    const rtl::UnicodeString& Separator() const { return FSeparator; }
    void SetSeparator(rtl::UnicodeStringView separator);

    // The item the groups are sorted by: the one of the controller's sorting field when it names one, else the
    // first sorted item; nullptr when none.
    TuiDataSummaryItem* SortingSummaryItem() const;
    // An item that becomes sorted takes the place of the one that was.
    void SortedChanging(TuiDataSummaryItem& item, bool sorted) override;
    // "(SUM=3.00, SUM=7.00)": the texts of the group-position items joined by the separator and a blank, between
    // the begin and end texts.
    rtl::UnicodeString GetGroupSummaryText(const rtl::Variant& values) const override;
    void Assign(const rtl::TPersistent* source) override;

private:
    TuiDataSummaryGroup* FOwner; // not owned
    rtl::UnicodeString FBeginText = u"(";
    rtl::UnicodeString FEndText = u")";
    rtl::UnicodeString FSeparator = u",";
};

// Ties a view's item, through its field, to a summary group; an item belongs to one summary group at most.
class TuiDataSummaryGroupItemLink : public TuiCustomDataSummaryItem {
    RTL_DECLARE_CLASS(TuiDataSummaryGroupItemLink, TuiCustomDataSummaryItem)
public:
    using TuiCustomDataSummaryItem::TuiCustomDataSummaryItem;
    TuiCustomDataController* GetDataController() const override;
    TuiDataSummaryGroup& Group() const;

protected:
    // Every other link of the field, in every summary group, lets it go.
    void LinkedItemChanging(TuiCustomDataField* newField) override;
};

class TuiDataSummaryGroupItemLinks : public TuiCollection {
    RTL_DECLARE_CLASS(TuiDataSummaryGroupItemLinks, TuiCollection)
public:
    TuiDataSummaryGroupItemLinks(TuiDataSummaryGroup& group, const rtl::TMetaclass& linkClass)
        : TuiCollection(linkClass), FGroup(group) {}
    ~TuiDataSummaryGroupItemLinks() override;

    TuiDataSummaryGroup& Group() const { return FGroup; }
    TuiDataSummaryGroupItemLink& AddLink();
    TuiDataSummaryGroupItemLink& GetItem(int32_t index) const;
    int32_t IndexOfItem(const rtl::TObject* item) const;
    int32_t IndexOfField(const TuiCustomDataField* field) const;
    TuiDataSummaryGroupItemLink* ItemOfField(const TuiCustomDataField* field) const;
    bool UnbindField(const TuiCustomDataField& field);

protected:
    void Update(rtl::TCollectionItem* item) override;

private:
    TuiDataSummaryGroup& FGroup;
};

// A set of grouping items (its links) whose groups show their own summary items.
class TuiDataSummaryGroup : public rtl::TCollectionItem {
    RTL_DECLARE_CLASS(TuiDataSummaryGroup, rtl::TCollectionItem)
public:
    using TConstructorArgument = rtl::TCollection*;
    explicit TuiDataSummaryGroup(rtl::TCollection* collection);
    ~TuiDataSummaryGroup() override;

    TuiDataSummary& Summary() const;
    // Made on first use.
    TuiDataSummaryGroupItemLinks& Links();
    // nullptr until made.
    TuiDataSummaryGroupItemLinks* ExistingLinks() const { return FLinks.get(); }
    TuiDataGroupSummaryItems& SummaryItems() const { return *FSummaryItems; }
    void Assign(const rtl::TPersistent* source) override;

private:
    std::unique_ptr<TuiDataSummaryGroupItemLinks> FLinks;
    std::unique_ptr<TuiDataGroupSummaryItems> FSummaryItems;
};

class TuiDataSummaryGroups : public TuiCollection {
    RTL_DECLARE_CLASS(TuiDataSummaryGroups, TuiCollection)
public:
    explicit TuiDataSummaryGroups(TuiDataSummary& summary);
    ~TuiDataSummaryGroups() override;

    TuiDataSummary& Summary() const { return FSummary; }
    TuiDataSummaryGroup& AddGroup();
    TuiDataSummaryGroup& GetItem(int32_t index) const;
    // The first group whose links hold the field, nullptr when none.
    TuiDataSummaryGroup* GroupOfField(const TuiCustomDataField* field) const;

protected:
    void Update(rtl::TCollectionItem* item) override;

private:
    TuiDataSummary& FSummary;
};

} // namespace ui
