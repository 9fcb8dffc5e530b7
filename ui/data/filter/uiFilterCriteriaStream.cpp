// TuiFilterCriteria: the filter stream, and copying one criteria into another through it.

#include "rtl/text/CodePages.h"
#include "ui/core/encoding/uxStream.h"
#include "ui/data/filter/uiFilterCriteria.h"
#include "ui/data/values/uiVariantStreams.h"

#include <algorithm>

namespace ui {

namespace {

// The header's markers of versions 2 and 3.
constexpr int32_t filterStreamVersion2Header = -1;
constexpr int32_t filterStreamVersion3Header = -2;

// Every entry takes at least its flag byte: a count beyond the bytes left cannot be true.
void CheckEntryCount(rtl::TStream& stream, int32_t count) {
    if (count < 0 || count > stream.Size() - stream.Position()) {
        RaiseDataReadError();
    }
}

rtl::UnicodeString ReadFilterText(rtl::TStream& stream, bool wide) {
    return wide ? ReadStreamWideString(stream) : rtl::AnsiToUnicode(ReadStreamString(stream));
}

} // namespace

// Reads a stream into a root that is not yet the criteria's, so that a stream failing half way leaves the tree.
class TuiFilterStreamReader {
public:
    TuiFilterStreamReader(TuiFilterCriteria& criteria, rtl::TStream& stream, uint8_t version)
        : FCriteria(criteria), FStream(stream), FVersion(version) {}

    void ReadEntries(TuiFilterCriteriaItemList& list, int32_t count, int32_t depth) {
        CheckEntryCount(FStream, count);
        for (int32_t index = 0; index < count; ++index) {
            if (ReadStreamByte(FStream) == 0) {
                ReadCondition(list);
                continue;
            }
            TuiFilterCriteriaItemList& group = list.AddGroup(fboAnd);
            ReadListData(group, depth + 1);
            if (group.HasNoContent()) {
                delete &group;
                ++FDropped.Groups;
            }
        }
    }

    void ReadListData(TuiFilterCriteriaItemList& list, int32_t depth) {
        if (depth > MaxFilterStreamDepth) {
            RaiseDataReadError();
        }
        const uint8_t boolOperator = ReadStreamByte(FStream);
        if (boolOperator >= uiFilterBoolOperatorKindCount) {
            RaiseDataReadError();
        }
        list.ChangeBoolOperator(static_cast<TuiFilterBoolOperatorKind>(boolOperator));
        ReadEntries(list, ReadStreamInteger(FStream), depth);
    }

    const TuiFilterDroppedEntries& Dropped() const { return FDropped; }

private:
    void ReadCondition(TuiFilterCriteriaItemList& list) {
        const bool wide = ReadStreamFormatMarker(FStream);
        const uint8_t kind = ReadStreamByte(FStream);
        if (kind >= uiFilterOperatorKindCount) {
            RaiseDataReadError();
        }
        const rtl::UnicodeString displayText = ReadFilterText(FStream, wide);
        const int32_t id = ReadStreamInteger(FStream);
        const rtl::UnicodeString name = FVersion >= 3 ? ReadFilterText(FStream, wide) : rtl::UnicodeString();
        const rtl::Variant value = ReadStreamVariant(FStream);
        rtl::TObject* itemLink = FCriteria.ResolveItemLink(name, id);
        if (!itemLink) {
            ++FDropped.Conditions;
            return;
        }
        list.AddCondition(itemLink, static_cast<TuiFilterOperatorKind>(kind), value, displayText);
    }

    TuiFilterCriteria& FCriteria;
    rtl::TStream& FStream;
    uint8_t FVersion;
    TuiFilterDroppedEntries FDropped;
};

class TuiFilterStreamWriter {
public:
    TuiFilterStreamWriter(const TuiFilterCriteria& criteria, rtl::TStream& stream, uint8_t version)
        : FCriteria(criteria), FStream(stream), FVersion(version) {}

    void WriteListData(const TuiFilterCriteriaItemList& list) {
        WriteStreamByte(FStream, list.BoolOperator());
        WriteStreamInteger(FStream, list.GetCount());
        for (int32_t index = 0; index < list.GetCount(); ++index) {
            const TuiCustomFilterCriteriaItem& entry = *list.GetItem(index);
            WriteStreamBoolean(FStream, entry.IsItemList());
            if (entry.IsItemList()) {
                WriteListData(static_cast<const TuiFilterCriteriaItemList&>(entry));
            } else {
                WriteCondition(static_cast<const TuiFilterCriteriaItem&>(entry));
            }
        }
    }

private:
    void WriteCondition(const TuiFilterCriteriaItem& condition) {
        WriteAnsiFormatMarker(FStream);
        WriteStreamByte(FStream, condition.OperatorKind());
        WriteStreamString(FStream, rtl::UnicodeToAnsi(condition.DisplayValue()));
        rtl::TObject* itemLink = condition.GetItemLinkValue();
        WriteStreamInteger(FStream, FCriteria.GetIDByItemLink(itemLink));
        if (FVersion >= 3) {
            WriteStreamString(FStream, rtl::UnicodeToAnsi(FCriteria.GetNameByItemLink(itemLink)));
        }
        WriteStreamVariant(FStream, condition.Value());
    }

    const TuiFilterCriteria& FCriteria;
    rtl::TStream& FStream;
    uint8_t FVersion;
};

void TuiFilterCriteria::WriteCriteriaStream(rtl::TStream& stream, uint8_t requestedVersion) const {
    const uint8_t version = requestedVersion != 0 ? std::min(FStreamVersion, requestedVersion) : FStreamVersion;
    WriteTree(stream, version);
}

void TuiFilterCriteria::WriteTree(rtl::TStream& stream, uint8_t version) const {
    // Version 1, a bare count of AND entries, cannot hold the root's operator: it is read, never written.
    version = std::max<uint8_t>(version, 2);
    FSavedStreamVersion = version;
    WriteStreamInteger(stream, version >= 3 ? filterStreamVersion3Header : filterStreamVersion2Header);
    TuiFilterStreamWriter(*this, stream, version).WriteListData(*FRoot);
}

TuiFilterDroppedEntries TuiFilterCriteria::ReadCriteriaStream(rtl::TStream& stream) {
    LockChanges();
    const bool changedBefore = FChanged;
    std::unique_ptr<TuiFilterCriteriaItemList> root = CreateRoot();
    uint8_t version = 1;
    TuiFilterDroppedEntries dropped;
    try {
        const int32_t header = ReadStreamInteger(stream);
        if (header == filterStreamVersion2Header || header == filterStreamVersion3Header) {
            version = header == filterStreamVersion3Header ? 3 : 2;
            TuiFilterStreamReader reader(*this, stream, version);
            reader.ReadListData(*root, 0);
            dropped = reader.Dropped();
        } else {
            TuiFilterStreamReader reader(*this, stream, version);
            reader.ReadEntries(*root, std::max(header, 0), 0);
            dropped = reader.Dropped();
        }
    } catch (...) {
        root.reset();
        FChanged = changedBefore;
        CancelLock();
        throw;
    }
    FRoot.swap(root);
    root.reset();
    FLoadedStreamVersion = version;
    MarkChanged();
    UnlockChanges();
    return dropped;
}

rtl::TObject* TuiFilterCriteria::ResolveItemLink(rtl::UnicodeStringView name, int32_t id) const {
    if (name.empty()) {
        return GetItemLinkByID(id);
    }
    if (rtl::TObject* byName = GetItemLinkByName(name)) {
        return byName;
    }
    // An item found by ID that has a name of its own is another item than the one the stream named.
    rtl::TObject* byId = GetItemLinkByID(id);
    return byId && GetNameByItemLink(byId).empty() ? byId : nullptr;
}

void TuiFilterCriteria::Assign(const rtl::TPersistent* source) {
    if (const auto* criteria = dynamic_cast<const TuiFilterCriteria*>(source)) {
        AssignCriteria(*criteria, false);
        return;
    }
    TPersistent::Assign(source);
}

void TuiFilterCriteria::AssignCriteria(const TuiFilterCriteria& source, bool byItemIDs) {
    if (&source == this) {
        return;
    }
    LockChanges();
    try {
        SetDateTextFormat(source.FDateTextFormat);
        FMaxValueListCount = source.FMaxValueListCount;
        SetOptions(source.FOptions);
        SetPercentWildcard(source.FPercentWildcard);
        FExpandBetween = source.FExpandBetween;
        FExpandNotLike = source.FExpandNotLike;
        FExpandIn = source.FExpandIn;
        FLikeAvailable = source.FLikeAvailable;
        SetUnderscoreWildcard(source.FUnderscoreWildcard);
        AssignItems(source, byItemIDs);
        CopyEvents(source);
    } catch (...) {
        UnlockChanges();
        throw;
    }
    UnlockChanges();
}

void TuiFilterCriteria::CopyEvents(const TuiFilterCriteria& source) {
    FOnChanged = source.FOnChanged;
}

void TuiFilterCriteria::AssignItems(const TuiFilterCriteria& source, bool byItemIDs) {
    if (IsSameCriteria(source, byItemIDs)) {
        return;
    }
    // Without names in the stream the copied conditions find their items by ID alone.
    const uint8_t version = std::min({source.FStreamVersion, FStreamVersion, byItemIDs ? uint8_t{2} : uint8_t{3}});
    rtl::TStringStream stream;
    source.WriteTree(stream, version);
    stream.SetPosition(0);
    ReadCriteriaStream(stream);
}

bool TuiFilterCriteria::IsSameCriteria(const TuiFilterCriteria& other, bool byItemIDs) const {
    const uint8_t version = std::min({FStreamVersion, other.FStreamVersion, byItemIDs ? uint8_t{2} : uint8_t{3}});
    rtl::TStringStream own;
    rtl::TStringStream others;
    WriteTree(own, version);
    other.WriteTree(others, version);
    return own.DataString() == others.DataString();
}

} // namespace ui
