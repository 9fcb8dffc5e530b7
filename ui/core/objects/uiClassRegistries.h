#pragma once
// Two registries of classes by metaclass. TuiRegisteredClasses lists classes with a description each (the painters,
// editors and value kinds that a user or designer picks from by name). TuiRegisteredClassList pairs an item class with
// the class that serves it (a properties class with its editor, a view with its painter) and answers for any item
// class with the registration of its nearest registered ancestor.

#include "rtl/core/Metaclass.h"
#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <vector>

namespace ui {

// A class, as a registry holds it.
using TuiClass = const rtl::TMetaclass*;

// One pair: objects of ItemClass and its descendants are served by RegisteredClass.
struct TuiRegisteredClassListItemData {
    TuiClass ItemClass = nullptr;
    TuiClass RegisteredClass = nullptr;
};

// Pairs kept in an order in which every registered ancestor stands before its descendants, so that the last pair that
// matches a class from the end is the nearest ancestor's.
class TuiRegisteredClassList {
public:
    virtual ~TuiRegisteredClassList() = default;

    // Scans from the last pair to the first: the first pair whose item class is itemClass or an ancestor gives true and
    // its index. A pair whose item class descends from itemClass sets index to its position on the way, so after a
    // false result index holds the lowest such position, or is unchanged when there is none.
    virtual bool FindNearest(TuiClass itemClass, int32_t& index) const;
    // Adds a pair (duplicates too): right after the nearest registered ancestor, else before the first registered
    // descendant, else at the end.
    virtual void Register(TuiClass itemClass, TuiClass registeredClass);
    // Removes every pair equal to both.
    virtual void Unregister(TuiClass itemClass, TuiClass registeredClass);

    // The registered class of the nearest registered ancestor of itemClass (or of itself), or nullptr.
    TuiClass LookupClass(TuiClass itemClass) const;
    void Clear() { FItems.clear(); }
    int32_t GetCount() const { return static_cast<int32_t>(FItems.size()); }
    const TuiRegisteredClassListItemData& GetItem(int32_t index) const { return FItems.at(index); }

private:
    std::vector<TuiRegisteredClassListItemData> FItems;
};

// Classes with descriptions, in the order of registration or, when sorted, by description. A description may carry
// "|" and further text, which GetDescriptionText leaves out.
class TuiRegisteredClasses {
public:
    // With registerWithStreaming each class registered is also registered with the runtime's class registry, so that
    // streams may name it.
    explicit TuiRegisteredClasses(bool registerWithStreaming = false) : FRegisterWithStreaming(registerWithStreaming) {}
    virtual ~TuiRegisteredClasses() = default;

    // Nothing when the class is registered already (it keeps its first description).
    void Register(TuiClass registeredClass, rtl::UnicodeStringView description);
    void Unregister(TuiClass registeredClass);
    // -1 when absent.
    int32_t IndexOfClass(TuiClass registeredClass) const;
    int32_t GetCount() const { return static_cast<int32_t>(FItems.size()); }
    TuiClass GetClassAt(int32_t index) const { return FItems.at(index).Class; }
    rtl::UnicodeString GetDescriptionText(int32_t index) const;
    // The first class whose class name is name exactly (case-sensitive), or nullptr.
    TuiClass FindClassByName(rtl::UnicodeStringView name) const;
    void Clear() { FItems.clear(); }

    bool Sorted() const { return FSorted; }
    // Switching on sorts at once; registrations then keep the order.
    void SetSortedMode(bool value);

protected:
    // Negative when the description at index1 goes first: case-insensitive here.
    virtual int CompareDescriptions(int32_t index1, int32_t index2) const;
    virtual void SortByDescription();

private:
    struct TEntry {
        rtl::UnicodeString Description;
        TuiClass Class = nullptr;
    };

    std::vector<TEntry> FItems;
    bool FSorted = false;
    bool FRegisterWithStreaming;
};

} // namespace ui
