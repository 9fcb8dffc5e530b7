#pragma once
// Style objects: fonts, fills, borders, number formats, cell formats and comment authors are shared by many users
// (cells, rows, other style objects, rich-text runs), each holding one use, and live in lists that own them and keep
// their positions. The style sheet compares them with Equals to find an equal one and removes those nobody uses.
// TXc12Data is the common base of the workbook model's parts.

#include "rtl/core/Object.h"
#include "rtl/text/StringTypes.h"
#include "xls/core/model/common/XLSIndexObjects.h"

#include <cstdint>
#include <memory>

namespace xls {

// The common base of the workbook model's parts (shared strings, style sheet, workbook, comments, tables), so that
// they can be held and freed as one kind.
class TXc12Data : public rtl::TObject {};

// The list self-indexing items live in: the list of TIndexObjects.
using TXLSIndexObjectList = TIndexObjectList;

class TXLSStyleObjectList;

// A shared, use-counted style object with a content hash that each class computes.
class TXLSStyleObject : public TIndexObject {
public:
    // owner is the list that will hold the object, or nullptr for a free-standing one; it is not owned.
    explicit TXLSStyleObject(TXLSStyleObjectList* owner) : FOwner(owner) {}

    // One more user; returns the object for chaining.
    TXLSStyleObject* AddRef();
    // One user fewer (never below 0). The object stays where it is: the style sheet decides what becomes of unused
    // objects.
    void Release();
    // The hash, computed by CalcHash first unless the class has marked the stored one valid.
    int32_t GetHash();
    // The hash as last stored, without computing it.
    int32_t StoredHash() const { return FHash; }
    bool HashValid() const { return FHashValid; }
    // Content comparison with another object of the same class.
    virtual bool Equals(const TXLSStyleObject& other) const = 0;
    // Appends a description of the object for diagnostics, its lines indented by level (IndentText); the base adds
    // nothing.
    virtual void DumpText(int32_t level, rtl::UnicodeString& text) const;

    int32_t UseCount() const { return FUseCount; }
    // Predefined objects are the defaults of their list and are never removed.
    bool Predefined() const { return FPredefined; }
    void SetPredefined(bool predefined) { FPredefined = predefined; }
    TXLSStyleObjectList* Owner() const { return FOwner; }

protected:
    // Computes the hash and stores it with SetHash; a class whose hash may be kept until its content changes also
    // marks it valid, and its setters mark it invalid again.
    virtual void CalcHash() = 0;
    void SetHash(int32_t hash) { FHash = hash; }
    void SetHashValid(bool valid) { FHashValid = valid; }

private:
    int32_t FUseCount = 0;
    bool FHashValid = false;
    int32_t FHash = 0;
    bool FPredefined = false;
    TXLSStyleObjectList* FOwner; // not owned
};

// An owning list of style objects; each list class puts its predefined objects in first (AddDefaults).
class TXLSStyleObjectList : public TXLSIndexObjectList {
public:
    // Appends object, owned from now on; returns its position.
    int32_t Add(std::unique_ptr<TXLSStyleObject> object);
    TXLSStyleObject* GetItem(int32_t index) const;
    // The number of leading predefined items: the position of the first item that is not predefined, or the count.
    int32_t CountPredefined() const;

protected:
    // Appends the list's predefined objects.
    virtual void AddDefaults() = 0;
};

} // namespace xls
