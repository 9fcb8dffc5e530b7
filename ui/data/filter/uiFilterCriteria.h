#pragma once
// TuiFilterCriteria: a filter as a tree of conditions (Price is greater than 10) joined in groups by AND, OR, NOT AND
// or NOT OR. It tests a record against the tree, writes the tree as a text (for users, or as an expression), saves
// and loads it in the filter stream (the form of ".flt" files), and reports every change once its lock is released.
// The tree knows nothing of records and items: a descendant says what an item link is (its ID and name in streams)
// and its condition class fetches a record's value for the condition's item.
//
// The tree: TuiFilterCriteriaItemList is a group and owns its entries; TuiFilterCriteriaItem is a condition and owns
// its operator (uiFilterOperators.h). Freeing an entry takes it out of its group. The root group always exists.
//
// The filter stream, little-endian, every count and length checked against the bytes left:
//   header   int32: -1 version 2, -2 version 3; any other value is version 1 and counts the root's entries
//   list     byte bool operator (0-3), int32 entry count, the entries
//   entry    byte: non-zero a list, 0 a condition
//   condition  "UXAFMT" (or "UXUFMT": UTF-16 strings follow; no marker: ANSI), byte operator kind (0-33), the
//            display text, int32 item ID, version 3 only the item name, the value in the Variant stream form
// Strings: int32 byte count and the ANSI bytes, or int32 unit count and UTF-16 units after "UXUFMT".

#include "rtl/core/Events.h"
#include "rtl/core/Persistent.h"
#include "rtl/io/Streams.h"
#include "rtl/text/StringTypes.h"
#include "rtl/time/DateTime.h"
#include "rtl/variants/Variant.h"
#include "ui/data/filter/uiFilterOperators.h"
#include "ui/data/filter/uiFilterTypes.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiFilterCriteria;
class TuiFilterCriteriaItem;
class TuiFilterCriteriaItemList;
class TuiFilterOperator;
class TuiFilterValueList;

// The version descendants bound to items by name write.
inline constexpr uint8_t CurrentFilterStreamVersion = 3;
// Groups in groups, as deep as a stream may nest them.
inline constexpr int32_t MaxFilterStreamDepth = 64;

// An entry of the tree: a group or a condition.
class TuiCustomFilterCriteriaItem : public rtl::TObject {
    RTL_DECLARE_CLASS(TuiCustomFilterCriteriaItem, rtl::TObject)
public:
    using TConstructorArgument = TuiFilterCriteriaItemList*;

    // An entry for parent (nullptr: the root), not yet among its entries.
    explicit TuiCustomFilterCriteriaItem(TuiFilterCriteriaItemList* parent) : FParent(parent) {}
    // Leaves its group, which reports the change.
    ~TuiCustomFilterCriteriaItem() override;

    TuiFilterCriteriaItemList* Parent() const { return FParent; }
    virtual TuiFilterCriteria& OwnerCriteria() const;
    virtual bool IsItemList() const = 0;
    // A condition without an item, a group without entries: what a load drops.
    virtual bool HasNoContent() const = 0;

protected:
    // Tells the owning criteria that the tree changed.
    void NotifyChanged() const;

private:
    friend class TuiFilterCriteriaItemList;

    TuiFilterCriteriaItemList* FParent; // not owned
};

class TuiFilterCriteriaItemList : public TuiCustomFilterCriteriaItem {
    RTL_DECLARE_CLASS(TuiFilterCriteriaItemList, TuiCustomFilterCriteriaItem)
public:
    using TuiCustomFilterCriteriaItem::TuiCustomFilterCriteriaItem;
    // Frees the entries without reporting.
    ~TuiFilterCriteriaItemList() override;

    TuiFilterCriteria& OwnerCriteria() const override;
    bool IsItemList() const override { return true; }
    bool HasNoContent() const override { return FEntries.empty(); }

    TuiFilterBoolOperatorKind BoolOperator() const { return FBoolOperator; }
    // Reports only a change.
    void ChangeBoolOperator(TuiFilterBoolOperatorKind kind);
    // A condition of the criteria's item class, appended.
    TuiFilterCriteriaItem& AddCondition(rtl::TObject* itemLink, TuiFilterOperatorKind kind, const rtl::Variant& value,
                                        rtl::UnicodeStringView displayText);
    // A group of the criteria's list class, appended.
    TuiFilterCriteriaItemList& AddGroup(TuiFilterBoolOperatorKind kind);
    // Frees the entries, the last first, reporting one change.
    void ClearEntries();
    int32_t GetCount() const { return static_cast<int32_t>(FEntries.size()); }
    // nullptr out of range.
    TuiCustomFilterCriteriaItem* GetItem(int32_t index) const;
    // Takes the entry out (it is not freed) and reports the change; nothing when it is not here.
    void RemoveEntry(TuiCustomFilterCriteriaItem& entry);

private:
    friend class TuiFilterCriteria;

    // Takes in an entry made for this group (or taken out of another) at the end, and reports the change.
    void Append(std::unique_ptr<TuiCustomFilterCriteriaItem> entry);

    TuiFilterBoolOperatorKind FBoolOperator = fboAnd;
    TuiFilterCriteria* FCriteria = nullptr;             // the root's, not owned
    std::vector<TuiCustomFilterCriteriaItem*> FEntries; // owned: freeing an entry takes it out
};

// A condition: the item it tests (a link the descendant defines), the operator kind, the value and the text that
// shows the value to a user.
class TuiFilterCriteriaItem : public TuiCustomFilterCriteriaItem {
    RTL_DECLARE_CLASS(TuiFilterCriteriaItem, TuiCustomFilterCriteriaItem)
public:
    using TuiCustomFilterCriteriaItem::TuiCustomFilterCriteriaItem;
    ~TuiFilterCriteriaItem() override;

    bool IsItemList() const override { return false; }
    bool HasNoContent() const override { return FItemLink == nullptr; }

    // The link the condition keeps, which RemoveItemsByLink and FindConditionForItem compare.
    rtl::TObject* ItemLink() const { return FItemLink; }
    // The link as the criteria's users and streams know it; here the kept one.
    virtual rtl::TObject* GetItemLinkValue() const;
    virtual void SetItemLinkValue(rtl::TObject* link);

    const rtl::UnicodeString& DisplayValue() const { return FDisplayValue; }
    TuiFilterOperatorKind OperatorKind() const { return FOperatorKind; }
    TuiFilterOperator& Operator() const { return *FOperator; }
    // A scalar, or an array: [low, high] for BETWEEN, the elements for IN, the values of a key of several fields.
    const rtl::Variant& Value() const { return FValue; }
    // What the operator tests with: the value made comparable (PrepareValue).
    const rtl::Variant& PreparedValue() const { return FPreparedValue; }

    // Each makes the operator anew when the kind or value changes; EuxException for a kind out of range.
    void ChangeOperatorKind(TuiFilterOperatorKind kind);
    void AssignValue(const rtl::Variant& value);
    // AssignValue unless the value is the same (Variant order).
    void ChangeValue(const rtl::Variant& value);
    void ChangeDisplayValue(rtl::UnicodeStringView text);
    // A blank test without a display text shows "blank".
    void FillBlankDisplayValue();

    // The record's value of the condition's item.
    virtual rtl::Variant FetchRecordValue(int32_t recordIndex) = 0;
    // The item as a user knows it, and as an expression names it; several fields of a key are ';'-separated.
    virtual rtl::UnicodeString FieldCaptionText() const = 0;
    virtual rtl::UnicodeString FieldNameText() const = 0;
    // The class of operator for the kind and value (FilterOperatorClass).
    virtual const rtl::TMetaclass& GetOperatorClass() const;
    // The criteria's null test.
    virtual bool IsNullValue(const rtl::Variant& value) const;
    // With caption the display text as the operator shows it, else the value as an expression.
    rtl::UnicodeString GetValueText(bool caption) const;

protected:
    // The value as the operator tests with it: the criteria's PrepareCompareValue of it.
    virtual rtl::Variant PrepareValue(const rtl::Variant& value) const;

private:
    friend class TuiFilterCriteriaItemList;

    // The construction that needs the descendant's overrides, run by AddCondition once the object is made.
    void Initialize(rtl::TObject* itemLink, TuiFilterOperatorKind kind, const rtl::Variant& value,
                    rtl::UnicodeStringView displayText);
    void RebuildOperator();

    rtl::UnicodeString FDisplayValue;
    rtl::TObject* FItemLink = nullptr; // not owned
    std::unique_ptr<TuiFilterOperator> FOperator;
    TuiFilterOperatorKind FOperatorKind = fokEqual;
    rtl::Variant FPreparedValue;
    rtl::Variant FValue;
};

// What a load left out: conditions whose item is gone, and groups left without entries.
struct TuiFilterDroppedEntries {
    int32_t Conditions = 0;
    int32_t Groups = 0;
};

class TuiFilterCriteria : public rtl::TPersistent {
    RTL_DECLARE_CLASS(TuiFilterCriteria, rtl::TPersistent)
public:
    // An empty AND root, the defaults, stream version 2.
    TuiFilterCriteria();
    ~TuiFilterCriteria() override;

    // The tree.
    TuiFilterCriteriaItemList& Root() const { return *FRoot; }
    // A condition in list (nullptr: the root).
    TuiFilterCriteriaItem& AddItem(TuiFilterCriteriaItemList* list, rtl::TObject* itemLink, TuiFilterOperatorKind kind,
                                   const rtl::Variant& value, rtl::UnicodeStringView displayText);
    // An empty AND root.
    void ClearConditions();
    // Frees the conditions of the item: a group left empty goes, and so does each ancestor it empties (never the
    // root); an AND or OR group left with one entry hands it to its parent's end and goes. A NOT group keeps its one
    // entry, whose meaning it inverts.
    void RemoveItemsByLink(rtl::TObject* itemLink);
    // The first condition of the item, depth first in entry order; nullptr when none.
    virtual TuiFilterCriteriaItem* FindConditionForItem(rtl::TObject* itemLink) const;
    bool HasNoConditions() const { return FRoot->GetCount() == 0; }

    // Changes are reported (DoChanged) when the outermost lock is released after one happened.
    void LockChanges();
    void UnlockChanges();
    // Releases a lock without reporting.
    void CancelLock();
    void MarkChanged();

    // Settings; each reports a change of its value.
    TuiFilterCriteriaOptions Options() const { return FOptions; }
    void SetOptions(TuiFilterCriteriaOptions options);
    char16_t PercentWildcard() const { return FPercentWildcard; }
    void SetPercentWildcard(char16_t wildcard);
    char16_t UnderscoreWildcard() const { return FUnderscoreWildcard; }
    void SetUnderscoreWildcard(char16_t wildcard);
    // The format of dates in expressions (the runtime's date-time format letters); empty: the value's own text.
    const rtl::UnicodeString& DateTextFormat() const { return FDateTextFormat; }
    void SetDateTextFormat(rtl::UnicodeStringView format);
    // The plain values a value list keeps at most; 0 no limit.
    int32_t MaxValueListCount() const { return FMaxValueListCount; }
    void SetMaxValueListCount(int32_t count) { FMaxValueListCount = count; }
    bool LikeAvailable() const { return FLikeAvailable; }
    void SetLikeAvailable(bool available) { FLikeAvailable = available; }
    // Whether expressions spell out BETWEEN, NOT LIKE and IN with comparisons.
    bool ExpandBetween() const { return FExpandBetween; }
    void SetExpandBetween(bool expand) { FExpandBetween = expand; }
    bool ExpandNotLike() const { return FExpandNotLike; }
    void SetExpandNotLike(bool expand) { FExpandNotLike = expand; }
    bool ExpandIn() const { return FExpandIn; }
    void SetExpandIn(bool expand) { FExpandIn = expand; }
    // Options empty, "%" and "_", LIKE available, nothing expanded.
    void ResetDefaults();

    const rtl::TNotifyEvent& OnChanged() const { return FOnChanged; }
    void SetOnChanged(rtl::TNotifyEvent handler) { FOnChanged = std::move(handler); }

    // Texts: for users ("Price is greater than 10 and Name like 'a%'"), and as an expression.
    rtl::UnicodeString GetFilterCaption() const;
    rtl::UnicodeString GetFilterExpression() const;
    virtual rtl::UnicodeString ValueToText(const rtl::Variant& value) const;
    virtual rtl::UnicodeString DateValueToText(const rtl::Variant& value) const;

    // A value made comparable: currency as a double, strings upper-cased by the locale with fcoCaseInsensitive,
    // arrays element by element.
    virtual rtl::Variant PrepareCompareValue(const rtl::Variant& value) const;
    // Null, and with fcoSoftNull also an empty string.
    virtual bool IsNullValue(const rtl::Variant& value) const;

    // Whether the record passes the tree. A Variant error of a condition fails it with fcoSoftCompare and
    // propagates otherwise.
    bool EvaluateRecord(int32_t recordIndex);
    // Computes the date ranges anew for the clock's today where they are of another day; a filtering pass starts
    // with it.
    void RefreshDateRanges();

    // From another criteria: its settings, tree and OnChanged; byItemIDs binds the copied conditions to items by
    // their IDs alone. Another source raises the runtime's assignment error.
    void Assign(const rtl::TPersistent* source) override;
    virtual void AssignCriteria(const TuiFilterCriteria& source, bool byItemIDs);
    virtual void CopyEvents(const TuiFilterCriteria& source);
    // The tree of source, unless it is the same already.
    void AssignItems(const TuiFilterCriteria& source, bool byItemIDs);
    // Whether both trees write the same stream.
    bool IsSameCriteria(const TuiFilterCriteria& other, bool byItemIDs) const;

    // Streams. Writing takes the lower of StreamVersion and a requested version other than 0.
    void SaveToStream(rtl::TStream& stream) const { WriteCriteriaStream(stream, 0); }
    void WriteCriteriaStream(rtl::TStream& stream, uint8_t requestedVersion) const;
    // Puts the tree of the stream in place of the current one and reports one change. A stream that fails to read
    // raises EReadError and leaves the tree as it was, reporting nothing.
    TuiFilterDroppedEntries ReadCriteriaStream(rtl::TStream& stream);
    uint8_t StreamVersion() const { return FStreamVersion; }
    uint8_t LoadedStreamVersion() const { return FLoadedStreamVersion; }
    uint8_t SavedStreamVersion() const { return FSavedStreamVersion; }

    // Class factories.
    virtual const rtl::TMetaclass& GetItemClass() const;
    virtual const rtl::TMetaclass& GetItemListClass() const;
    virtual const rtl::TMetaclass& GetValueListClass() const;
    std::unique_ptr<TuiFilterValueList> CreateValueList();

    // The identities of item links in streams, which descendants supply; nullptr when no item answers.
    virtual int32_t GetIDByItemLink(rtl::TObject* itemLink) const = 0;
    virtual rtl::UnicodeString GetNameByItemLink(rtl::TObject* itemLink) const = 0;
    virtual rtl::TObject* GetItemLinkByID(int32_t id) const = 0;
    virtual rtl::TObject* GetItemLinkByName(rtl::UnicodeStringView name) const = 0;

protected:
    void SetStreamVersion(uint8_t version) { FStreamVersion = version; }
    // Fires OnChanged.
    virtual void DoChanged();
    // Runs before DoChanged: the date ranges are computed anew.
    virtual void FilterChangedHook();

    virtual rtl::UnicodeString BuildFilterText(bool caption) const;
    virtual rtl::UnicodeString GetConditionText(const TuiFilterCriteriaItem& condition, bool caption) const;
    virtual rtl::UnicodeString GetConditionFieldText(const TuiFilterCriteriaItem& condition, bool caption) const;
    virtual rtl::UnicodeString GetConditionOperatorText(const TuiFilterCriteriaItem& condition, bool caption) const;
    virtual rtl::UnicodeString GetConditionValueText(const TuiFilterCriteriaItem& condition, bool caption) const;

private:
    friend class TuiFilterStreamReader;
    friend class TuiFilterStreamWriter;

    void CheckChanges();
    rtl::UnicodeString ListText(const TuiFilterCriteriaItemList& list, bool caption) const;
    bool EvaluateList(TuiFilterCriteriaItemList& list, int32_t recordIndex);
    bool EvaluateCondition(TuiFilterCriteriaItem& condition, int32_t recordIndex);
    void PrepareDateRanges(const TuiFilterCriteriaItemList& list, rtl::TDateTime today);
    // A group that lost an entry: freed when empty (and so on up), dissolved when an AND or OR group keeps one.
    void TidyAfterRemoval(TuiFilterCriteriaItemList& list);
    // Resolves a condition's item from the stream's name and ID.
    rtl::TObject* ResolveItemLink(rtl::UnicodeStringView name, int32_t id) const;
    // The tree as a stream of version 2 or 3.
    void WriteTree(rtl::TStream& stream, uint8_t version) const;
    std::unique_ptr<TuiFilterCriteriaItemList> CreateRoot();

    bool FChanged = false;
    rtl::UnicodeString FDateTextFormat;
    bool FExpandBetween = false;
    bool FExpandIn = false;
    bool FExpandNotLike = false;
    bool FLikeAvailable = true;
    uint8_t FLoadedStreamVersion = 0;
    int32_t FLockCount = 0;
    int32_t FMaxValueListCount = 0;
    TuiFilterCriteriaOptions FOptions;
    char16_t FPercentWildcard = u'%';
    std::unique_ptr<TuiFilterCriteriaItemList> FRoot;
    mutable uint8_t FSavedStreamVersion = 0;
    uint8_t FStreamVersion = 2;
    char16_t FUnderscoreWildcard = u'_';
    rtl::TNotifyEvent FOnChanged;
};

// Holds the criteria's change reports until the scope ends, however it ends. The unlock reports the changes, and
// what a handler raises then reaches the caller.
class TuiFilterCriteriaChangesLock {
public:
    explicit TuiFilterCriteriaChangesLock(TuiFilterCriteria& criteria) : FCriteria(criteria) {
        FCriteria.LockChanges();
    }
    ~TuiFilterCriteriaChangesLock() noexcept(false) { FCriteria.UnlockChanges(); }
    TuiFilterCriteriaChangesLock(const TuiFilterCriteriaChangesLock&) = delete;
    TuiFilterCriteriaChangesLock& operator=(const TuiFilterCriteriaChangesLock&) = delete;

private:
    TuiFilterCriteria& FCriteria;
};

} // namespace ui
