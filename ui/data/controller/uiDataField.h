#pragma once
// Data fields: each item of a data controller (a column of a view, any object the view registers) is backed by one
// TuiCustomDataField, which knows its item, its value type and the value definition through which the record
// storage keeps its values. The controller also owns internal fields without an item. A field may refer to another
// field and share that one's value definition; chains are followed to their end and never close into a cycle.

#include "rtl/core/Component.h"
#include "rtl/core/Object.h"
#include "ui/data/values/uiValueType.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiCustomDataController;
class TuiCustomDataFieldList;
class TuiDataStorage;
class TuiValueDef;

// How a field compares while a sort, a grouping or a find runs; fcfNone otherwise.
enum TuiFieldConversionFlag : int8_t {
    fcfStorage = -1,    // through the record storage's value types
    fcfNone = 0,        // not decided: no sort runs
    fcfValues = 1,      // by the values the controller gives
    fcfDisplayText = 2, // by the display texts
};

class TuiCustomDataField : public rtl::TObject {
    RTL_DECLARE_CLASS(TuiCustomDataField, rtl::TObject)
public:
    using TConstructorArgument = TuiCustomDataFieldList*;

    // A field for the list, not yet in it: the list's Add takes it in.
    explicit TuiCustomDataField(TuiCustomDataFieldList* fieldList);
    // Leaves the list (the first field that referred to this one takes over its value definition), then frees its
    // own value definition.
    ~TuiCustomDataField() override;

    TuiCustomDataFieldList& FieldList() const { return FFieldList; }
    TuiCustomDataController& DataController() const;

    // The object this field serves; nullptr for an internal field.
    rtl::TObject* Item() const { return FItem; }
    void SetItem(rtl::TObject* item) { FItem = item; }
    virtual bool IsInternalField() const { return FInternal; }
    // Set before the field joins its list: the list keeps item fields first.
    void MarkInternal(bool internal);

    int32_t GetPosition() const;
    void MoveToPosition(int32_t position);

    // The field whose value definition this one shares, or nullptr.
    TuiCustomDataField* ReferenceField() const { return FReferenceField; }
    // Refers to the end of field's reference chain; nothing when that is this field. A field that owned a value
    // definition drops it first.
    void AttachToField(TuiCustomDataField* field);
    // What the field holds itself: nothing while it refers to another field.
    TuiValueDef* ValueDef() const { return FValueDef; }
    TuiValueTypeClass ValueTypeClass() const { return FValueTypeClass; }
    bool TextStored() const { return FTextStored; }
    // What the field uses: that of the end of its reference chain.
    TuiValueDef* EffectiveValueDef() const { return ReferenceChainEnd().FValueDef; }
    TuiValueTypeClass EffectiveValueTypeClass() const { return ReferenceChainEnd().FValueTypeClass; }
    bool EffectiveTextStored() const { return ReferenceChainEnd().FTextStored; }

    // Set when the item's values are compared as values rather than through the storage.
    bool CompareByValues() const { return FCompareByValues; }
    void SetCompareByValues(bool compareByValues) { FCompareByValues = compareByValues; }
    TuiFieldConversionFlag ConversionFlag() const { return FConversionFlag; }
    void SetConversionFlag(TuiFieldConversionFlag flag) { FConversionFlag = flag; }

    // Change the value type or the text-stored flag: the value definition is made anew, its values are lost.
    // Nothing for a field that refers to another.
    void AssignValueTypeClass(TuiValueTypeClass valueTypeClass);
    void AssignTextStored(bool textStored);
    // Between these the field has no value definition; the outermost end makes it anew.
    void BeginValueDefRebuild();
    void EndValueDefRebuild();

    // Takes over source's value definition, value type and text-stored flag, which source loses, and refers to
    // no field.
    virtual void TakeOverValueDef(TuiCustomDataField& source);
    // A component this field refers to is being freed: drop the reference. Nothing here.
    virtual void NotifyComponentRemoved(rtl::TComponent* component);

private:
    friend class TuiCustomDataController;
    friend class TuiCustomDataFieldList;

    const TuiCustomDataField& ReferenceChainEnd() const;
    TuiDataStorage& Storage() const;
    void CreateValueDef();
    void FreeValueDef();

    TuiCustomDataFieldList& FFieldList;
    bool FCompareByValues = false;
    TuiFieldConversionFlag FConversionFlag = fcfNone;
    bool FInternal = false;
    rtl::TObject* FItem = nullptr;
    int32_t FValueDefRebuildLock = 0;
    // Marks the fields already checked while destroyed fields are removed.
    bool FVisited = false;
    TuiCustomDataField* FReferenceField = nullptr;
    bool FTextStored = false;
    TuiValueDef* FValueDef = nullptr; // owned by the storage's definitions; freed through them
    TuiValueTypeClass FValueTypeClass = nullptr;
};

// The fields of a data controller, which owns them through this list: item fields first, so that position i is the
// field of item i, internal fields after them.
class TuiCustomDataFieldList : public rtl::TObject {
public:
    explicit TuiCustomDataFieldList(TuiCustomDataController& dataController);
    ~TuiCustomDataFieldList() override;

    TuiCustomDataController& DataController() const { return FDataController; }
    // The first field of item, or nullptr.
    TuiCustomDataField* FindByItem(const rtl::TObject* item) const;
    // Takes the field in: an internal field at the end, an item field after the last item field.
    void Add(std::unique_ptr<TuiCustomDataField> field);
    // Frees the fields, the last first.
    void Clear();
    int32_t GetCount() const { return static_cast<int32_t>(FItems.size()); }
    TuiCustomDataField& GetItem(int32_t index) const;
    int32_t GetItemCount() const { return GetCount() - FInternalCount; }
    int32_t IndexOf(const TuiCustomDataField& field) const;
    void Move(int32_t currentIndex, int32_t newIndex);

    // Set whenever a field leaves the list.
    bool FieldDestroyed() const { return FFieldDestroyed; }
    void ClearFieldDestroyed() { FFieldDestroyed = false; }
    // Passes the component to every field.
    virtual void NotifyComponentRemoved(rtl::TComponent* component);

private:
    friend class TuiCustomDataField;

    // A field is being destroyed: the fields that referred to it are handed its value definition, it leaves the
    // list and the controller hears of it.
    void Remove(TuiCustomDataField& field);
    void ReleaseReferencesTo(TuiCustomDataField& field);
    void RecountInternal();

    TuiCustomDataController& FDataController;
    bool FFieldDestroyed = false;
    int32_t FInternalCount = 0;
    std::vector<TuiCustomDataField*> FItems; // owned: deleting a field takes it out
};

} // namespace ui
