#include "xls/biff/stream/BIFF_ExtraObjects.h"

#include "rtl/text/StringUtils.h"
#include "xls/biff/stream/BIFF_CompoundFile.h"

#include <utility>

namespace xls {

namespace {

bool IsRecordStreamName(rtl::UnicodeStringView name) {
    return rtl::WideSameText(name, BIFFWorkbookStreamName) || rtl::WideSameText(name, BIFFBookStreamName);
}

} // namespace

void TExtraObjects::Assign(const TCompoundFile& document) {
    FItems.clear();
    // Pairs of (document entry, index of its storage in the copy), taken in order, so storages precede their elements.
    std::vector<std::pair<int32_t, int32_t>> pending;
    for (const int32_t child : document.Children(TCompoundFile::RootEntry)) {
        if (!IsRecordStreamName(document.Entry(child).Name)) {
            pending.emplace_back(child, Root);
        }
    }
    for (size_t next = 0; next < pending.size(); ++next) {
        const auto [entry, parent] = pending[next];
        const TCompoundEntry& element = document.Entry(entry);
        TExtraObject& item = FItems.emplace_back();
        item.Name = element.Name;
        item.IsStorage = element.Type == cetStorage;
        item.Parent = parent;
        if (!item.IsStorage) {
            // A damaged stream keeps its place, empty.
            if (element.Damage.empty()) {
                item.Data = document.ReadStream(entry);
            }
            continue;
        }
        const int32_t index = Count() - 1;
        for (const int32_t child : document.Children(entry)) {
            pending.emplace_back(child, index);
        }
    }
}

int32_t TExtraObjects::Find(int32_t parent, rtl::UnicodeStringView name) const {
    for (int32_t i = 0; i < Count(); ++i) {
        if (FItems[i].Parent == parent && rtl::WideSameText(FItems[i].Name, name)) {
            return i;
        }
    }
    return -1;
}

TExtraObjects TExtraObjects::Subtree(int32_t storage) const {
    TExtraObjects copy;
    // Where each element went in the copy, -1 when it is not inside the storage; storages precede their elements.
    std::vector<int32_t> placed(FItems.size(), -1);
    for (int32_t i = 0; i < Count(); ++i) {
        const int32_t parent = FItems[i].Parent;
        if (parent != storage && (parent == Root || placed[parent] < 0)) {
            continue;
        }
        placed[i] = copy.Count();
        TExtraObject& item = copy.FItems.emplace_back(FItems[i]);
        item.Parent = parent == storage ? Root : placed[parent];
    }
    return copy;
}

void TExtraObjects::Remove(int32_t index) {
    std::vector<int32_t> placed(FItems.size(), -1);
    std::vector<TExtraObject> kept;
    for (int32_t i = 0; i < Count(); ++i) {
        const int32_t parent = FItems[i].Parent;
        if (i == index || (parent != Root && placed[parent] < 0)) {
            continue;
        }
        placed[i] = static_cast<int32_t>(kept.size());
        TExtraObject& item = kept.emplace_back(std::move(FItems[i]));
        item.Parent = parent == Root ? Root : placed[parent];
    }
    FItems = std::move(kept);
}

} // namespace xls
