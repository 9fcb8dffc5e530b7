#pragma once
// The elements of a workbook's compound document besides its BIFF record stream (summary information, the VBA
// project, embedded objects...), kept as an in-memory copy that outlives the file. The copy is flat: each element
// names the storage that holds it by index, so however deep a file nests its storages, nothing walks or frees the
// copy recursively.

#include "rtl/text/StringTypes.h"

#include <cstdint>
#include <vector>

namespace xls {

class TCompoundFile;

// The names of the record stream: BIFF8 writers call it "Workbook", BIFF5 writers "Book" (MS-XLS 2.1.2).
inline constexpr char16_t BIFFWorkbookStreamName[] = u"Workbook";
inline constexpr char16_t BIFFBookStreamName[] = u"Book";

// One storage or stream of the copy.
struct TExtraObject {
    rtl::UnicodeString Name;
    bool IsStorage = false;
    // The index of the storage that holds it, TExtraObjects::Root for the document's root.
    int32_t Parent = -1;
    // A stream's bytes.
    std::vector<uint8_t> Data;
};

// The copy of a compound document's other elements; a storage comes before the elements inside it.
class TExtraObjects {
public:
    static constexpr int32_t Root = -1;

    // Replaces the copy with every storage and stream of document except the root's "Workbook" and "Book"; a damaged
    // stream is copied empty.
    void Assign(const TCompoundFile& document);
    void Clear() { FItems.clear(); }
    int32_t Count() const { return static_cast<int32_t>(FItems.size()); }
    const TExtraObject& Item(int32_t index) const { return FItems[index]; }
    // The element named name (compared without case) directly inside the storage parent; -1 when there is none.
    int32_t Find(int32_t parent, rtl::UnicodeStringView name) const;
    // A copy of everything inside the storage at index, which becomes the copy's root.
    TExtraObjects Subtree(int32_t storage) const;
    // Removes the element at index and, for a storage, everything inside it.
    void Remove(int32_t index);

private:
    std::vector<TExtraObject> FItems;
};

} // namespace xls
