#pragma once
// Master-detail relations of a data controller. Each relation names a detail level (an item of the owning view); the
// level is described once by a template controller attached to the relation, and every master record that shows its
// detail gets a detail object holding, per relation, the link object a view made for it (a clone of the level with
// its own detail controller attached to that record). The detail objects live in an internal field of the master,
// which exists while the master has relations.

#include "rtl/core/Object.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace ui {

class TuiCustomDataController;
class TuiCustomDataField;
class TuiCustomDataRelationList;

class TuiCustomDataRelation : public rtl::TObject {
    RTL_DECLARE_CLASS(TuiCustomDataRelation, rtl::TObject)
public:
    using TConstructorArgument = TuiCustomDataRelationList*;

    // Joins the list; the list names its item (AddRelation).
    explicit TuiCustomDataRelation(TuiCustomDataRelationList* relationList);
    TuiCustomDataRelation(const TuiCustomDataRelation&) = delete;
    TuiCustomDataRelation& operator=(const TuiCustomDataRelation&) = delete;
    // Detaches its detail controller and those of its link objects, and leaves the list.
    ~TuiCustomDataRelation() override;

    // A field of the master is going; nothing here.
    virtual void FieldRemoved(TuiCustomDataField&) {}
    // Nothing to copy in the base.
    virtual void Assign(const TuiCustomDataRelation&) {}

    rtl::TObject* Item() const { return FItem; }
    TuiCustomDataRelationList& RelationList() const { return FRelationList; }
    // The template controller of the detail level, nullptr when none is attached.
    TuiCustomDataController* DetailDataController() const { return FDetailDataController; }
    void SetDetailDataController(TuiCustomDataController* controller) { FDetailDataController = controller; }
    TuiCustomDataController& GetMasterController() const;
    int32_t IndexInList() const;
    void Changed();

private:
    friend class TuiCustomDataRelationList;

    TuiCustomDataRelationList& FRelationList;
    rtl::TObject* FItem = nullptr;                            // not owned: the view's level
    TuiCustomDataController* FDetailDataController = nullptr; // not owned
};

// What a master record keeps of one relation: the link object (owned) and whether the detail has records.
struct TuiDetailInfoObject {
    std::unique_ptr<rtl::TObject> LinkObject;
    bool HasChildren = false;
    bool HasChildrenKnown = false;
};

// The detail state of one master record.
class TuiDetailObject : public rtl::TObject {
public:
    int32_t ActiveRelationIndex = -1;
    bool Expanded = false;

    void ClearInfoObjects() { FInfoObjects.clear(); }
    void FreeInfoObject(int32_t index);
    // nullptr outside the list or for an empty slot.
    TuiDetailInfoObject* GetInfoObject(int32_t index) const;
    // The slot's info object, made when it is empty.
    TuiDetailInfoObject& EnsureInfoObject(int32_t index);
    rtl::TObject* LinkObjectOf(int32_t index) const;
    void SetLinkObject(int32_t index, std::unique_ptr<rtl::TObject> linkObject);
    bool HasNoLinkObjects() const;
    int32_t InfoObjectCount() const { return static_cast<int32_t>(FInfoObjects.size()); }
    // Forgets every known has-children answer: whether any was known.
    bool ResetHasChildren();
    // One slot per relation; the active relation within them, on a relation that has a detail controller.
    void SyncWithRelations(const TuiCustomDataRelationList& relationList);

private:
    std::vector<std::unique_ptr<TuiDetailInfoObject>> FInfoObjects;
};

class TuiCustomDataRelationList : public rtl::TObject {
public:
    explicit TuiCustomDataRelationList(TuiCustomDataController& dataController);
    TuiCustomDataRelationList(const TuiCustomDataRelationList&) = delete;
    TuiCustomDataRelationList& operator=(const TuiCustomDataRelationList&) = delete;
    // The master's detail objects go first, the relations after them.
    ~TuiCustomDataRelationList() override;

    TuiCustomDataController& DataController() const { return FDataController; }
    // The internal field of the detail objects, nullptr without relations.
    TuiCustomDataField* DataField() const { return FDataField; }

    // A relation of the controller's GetRelationClass for the item.
    TuiCustomDataRelation& AddRelation(rtl::TObject* item);
    void RemoveRelation(TuiCustomDataRelation& relation);
    TuiCustomDataRelation* FindByItem(const rtl::TObject* item) const;
    int32_t GetCount() const { return static_cast<int32_t>(FItems.size()); }
    TuiCustomDataRelation& GetItem(int32_t index) const { return *FItems.at(static_cast<size_t>(index)); }
    int32_t IndexOf(const TuiCustomDataRelation& relation) const;
    void MoveRelation(int32_t from, int32_t to);
    void ClearRelations();

    void LockChanges() { ++FLockCount; }
    void UnlockChanges();
    // Unless locked: the detail-object field follows the relations and the master hears of it.
    void Changed(TuiCustomDataRelation* relation);

    // The record's detail object, made when details are available; freed (nullptr) when they are not.
    TuiDetailObject* GetDetailObject(int32_t recordIndex);
    // The stored object, never made.
    TuiDetailObject* FindDetailObject(int32_t recordIndex) const;
    void ClearDetailObject(int32_t recordIndex, int32_t relationIndex);
    bool HasDetailLinkObject(int32_t recordIndex, int32_t relationIndex) const;
    // No pattern controller, or none of its relations has a detail controller attached.
    bool AreDetailsUnavailable() const;
    void FieldRemoved(TuiCustomDataField& field);

private:
    friend class TuiCustomDataRelation;

    void Update(TuiCustomDataRelation* relation);
    void FreeDetailObject(int32_t recordIndex);

    TuiCustomDataController& FDataController;
    TuiCustomDataField* FDataField = nullptr;   // in the master's field list
    std::vector<TuiCustomDataRelation*> FItems; // owned: a relation leaves the list when freed
    int32_t FLockCount = 0;
};

} // namespace ui
